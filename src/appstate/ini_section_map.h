// One cached INI section: key name (compared without letter case) to the value
// text exactly as parsed or written.
#pragma once

#include "framework/strings.h"

#include <string>
#include <unordered_map>

class SectionMap {
public:
    // Null when the key is not cached.
    const std::string* Find(const std::string& key) const {
        auto found = values_.find(fw::ToUpper(key));
        return found == values_.end() ? nullptr : &found->second;
    }
    // Keeps an earlier value: in a file the first occurrence of a key wins.
    void AddIfAbsent(const std::string& key, const std::string& value) {
        values_.emplace(fw::ToUpper(key), value);
    }
    void Set(const std::string& key, const std::string& value) { values_[fw::ToUpper(key)] = value; }
    void Remove(const std::string& key) { values_.erase(fw::ToUpper(key)); }
    size_t Count() const { return values_.size(); }

private:
    std::unordered_map<std::string, std::string> values_;
};
