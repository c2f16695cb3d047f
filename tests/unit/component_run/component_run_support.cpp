#include "component_run_support.h"

#include "framework/handles.h"
#include "localinstall/file_tree.h"

namespace runtest {

INT_PTR ErrorReportScript::answer = IDCANCEL;
int ErrorReportScript::calls = 0;
std::vector<std::string> ErrorReportScript::failed;

void SetLaunchBitValue(DWORD value) {
    fw::RegKey key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Pellmore\\Pellmore Orvo\\Launch", 0, nullptr, 0, KEY_WRITE, nullptr,
                    key.Out(), nullptr);
    RegSetValueExA(key.Get(), "LaunchBit", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void ComponentRunTest::SetUp() {
    savedArguments = GetArguments();
    GetArguments() = CArguments("Orvo.exe", "C:\\Orvo.exe");
    savedFolder = GetCurrentFolder();
    // The default version file is the one in the current folder.
    SetCurrentDirectoryA(folders.install.c_str());
    WriteProgramVersion("5.0.3.90");
    SetLaunchBitValue(0);
    SetSystemRestart(&restart);
    SetElevationQueries(&rights);
    ErrorReportScript::answer = IDCANCEL;
    ErrorReportScript::calls = 0;
    SetErrorReport(&ErrorReportScript::Show);
}

void ComponentRunTest::TearDown() {
    SetErrorReport(nullptr);
    SetElevationQueries(nullptr);
    SetSystemRestart(nullptr);
    SetLaunchBitValue(0);
    SetCurrentDirectoryA(savedFolder.c_str());
    GetArguments() = savedArguments;
}

test_support::ScriptedComponent& ComponentRunTest::Add(const char* name, unsigned bit, bool installed, bool succeeds) {
    auto component = std::make_unique<test_support::ScriptedComponent>(name, bit, installed, succeeds);
    test_support::ScriptedComponent& added = *component;
    list.Add(std::move(component));
    return added;
}

void ComponentRunTest::WriteProgramVersion(const std::string& version) {
    test_support::WriteFile(folders.install + "\\Version.dat", version + "\r\nOrvo.exe\r\n");
}

void ComponentRunTest::RecordState(unsigned bits, const std::string& version) {
    WriteInstalledComponents(bits);
    WriteComponentsVersion(version);
}

} // namespace runtest
