// A map from an upper-cased name to an owned value: the shape of both levels
// of the INI cache (files -> sections, sections -> keys). Clearing or
// destroying the map frees every value.
#pragma once

#include "framework/strings.h"

#include <memory>
#include <string>
#include <unordered_map>

template <typename T>
class CMapStringToMapT {
public:
    CMapStringToMapT() = default;
    virtual ~CMapStringToMapT() = default;
    CMapStringToMapT(const CMapStringToMapT&) = delete;
    CMapStringToMapT& operator=(const CMapStringToMapT&) = delete;

    // Frees every owned value and empties the map.
    virtual void Clear() { entries_.clear(); }

    // The value stored under name (compared without letter case); when it is
    // missing and create is set, a new value is inserted first. Null when
    // missing and not created.
    virtual T* GetMap(const std::string& name, bool create) {
        std::string key = fw::ToUpper(name);
        auto found = entries_.find(key);
        if (found != entries_.end()) return found->second.get();
        if (!create) return nullptr;
        T* created = new T();
        entries_.emplace(std::move(key), std::unique_ptr<T>(created));
        return created;
    }

    size_t Count() const { return entries_.size(); }

protected:
    // Frees the value stored under name, if any.
    void Remove(const std::string& name) { entries_.erase(fw::ToUpper(name)); }

private:
    std::unordered_map<std::string, std::unique_ptr<T>> entries_;
};
