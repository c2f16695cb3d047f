// The local printers and printer connections of this workstation, from one
// spooler enumeration: name, share, port and location of each.
#pragma once

#include <string>
#include <vector>

class CEnumPrinters {
public:
    // Fills the lists afresh; false when the spooler could not list them
    // (the lists are then empty).
    bool Enumerate();

    int GetCount() const { return count_; }
    // "Error" for an index outside the list.
    std::string GetName(int index) const { return At(names_, index); }
    std::string GetShareName(int index) const { return At(shares_, index); }
    std::string GetPortName(int index) const { return At(ports_, index); }
    std::string GetLocation(int index) const { return At(locations_, index); }

private:
    std::string At(const std::vector<std::string>& list, int index) const;

    std::vector<std::string> names_;
    std::vector<std::string> shares_;
    std::vector<std::string> ports_;
    std::vector<std::string> locations_;
    int count_ = 0;
};
