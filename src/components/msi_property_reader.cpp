#include "components/msi_property_reader.h"

#include "framework/msi_handles.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"

#include <vector>

namespace {

const DWORD kNameBuffer = 256;
const DWORD kFieldBuffer = 32768;

bool RecordString(MSIHANDLE record, UINT field, std::vector<char>& buffer, std::string& out) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (MsiRecordGetStringA(record, field, buffer.data(), &size) != ERROR_SUCCESS) return false;
    out.assign(buffer.data(), size);
    return true;
}

// String ("s") and localisable string ("l") columns; "S"/"L" are their nullable forms.
bool IsTextColumnType(const std::string& type) {
    std::string lower = fw::ToLower(type);
    return !lower.empty() && (lower[0] == 's' || lower[0] == 'l');
}

} // namespace

bool MsiPropertyReader::Fail(const char* text) {
    error = fw::Format("%s MSI Database: %s.", text, FileTitle(packagePath).c_str());
    fw::MsiHandle last(MsiGetLastErrorRecord());
    if (last) error += fw::Format(" Error Code: %i.", MsiRecordGetInteger(last.Get(), 1));
    return false;
}

bool MsiPropertyReader::Read(const std::string& path) {
    packagePath = path;
    keyColumn = valueColumn = -1;
    columnCount = 0;
    properties.clear();
    error.clear();
    return ReadAll();
}

bool MsiPropertyReader::ReadAll() {
    fw::MsiHandle database;
    if (MsiOpenDatabaseA(packagePath.c_str(), MSIDBOPEN_READONLY, database.Out()) != ERROR_SUCCESS)
        return Fail("Error opening the database.");
    fw::MsiHandle view;
    if (MsiDatabaseOpenViewA(database.Get(), "SELECT * from Property", view.Out()) != ERROR_SUCCESS)
        return Fail("Error opening the view.");
    if (MsiViewExecute(view.Get(), 0) != ERROR_SUCCESS) return Fail("Error executing the view.");
    // Closes the view on every way out; the handles close after it.
    struct ViewCloser {
        MSIHANDLE view;
        ~ViewCloser() { MsiViewClose(view); }
    } closer{view.Get()};

    std::vector<char> name(kNameBuffer);
    fw::MsiHandle names;
    if (MsiViewGetColumnInfo(view.Get(), MSICOLINFO_NAMES, names.Out()) != ERROR_SUCCESS)
        return Fail("Failed to get column names.");
    columnCount = static_cast<int>(MsiRecordGetFieldCount(names.Get()));
    for (int column = 0; column < columnCount; ++column) {
        std::string text;
        if (!RecordString(names.Get(), static_cast<UINT>(column + 1), name, text))
            return Fail("Failed to get column names.");
        if (fw::EqualsNoCase(text, "Property")) keyColumn = column;
        if (fw::EqualsNoCase(text, "Value")) valueColumn = column;
    }
    if (keyColumn < 0 || valueColumn < 0) return Fail("Failed to get key or value column.");

    fw::MsiHandle types;
    if (MsiViewGetColumnInfo(view.Get(), MSICOLINFO_TYPES, types.Out()) != ERROR_SUCCESS)
        return Fail("Failed to get column types.");
    for (int column : {keyColumn, valueColumn}) {
        std::string type;
        if (!RecordString(types.Get(), static_cast<UINT>(column + 1), name, type))
            return Fail("Failed to get column type.");
        if (!IsTextColumnType(type)) return Fail("Invalid column type.");
    }

    std::vector<char> field(kFieldBuffer);
    for (;;) {
        fw::MsiHandle record;
        if (MsiViewFetch(view.Get(), record.Out()) != ERROR_SUCCESS) break;
        std::string key, value;
        if (!RecordString(record.Get(), static_cast<UINT>(keyColumn + 1), field, key) ||
            !RecordString(record.Get(), static_cast<UINT>(valueColumn + 1), field, value))
            return Fail("Failed to get record.");
        key = fw::Trim(key);
        if (!key.empty()) properties[key] = fw::Trim(value);
    }
    return true;
}
