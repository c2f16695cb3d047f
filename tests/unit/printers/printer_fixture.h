// A launcher folder for the printer tests: the current folder while the
// test runs, with stand-in installers placed where the printer parts look
// for them, stand-ins' records, instant printer waits and scripted answers.
#pragma once

#include "localinstall/file_tree.h"
#include "printers/novapdf_files.h"
#include "support/components.h"
#include "support/printers.h"
#include "support/registry.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

#include <string>

namespace test_support {

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = GetCurrentFolder();
        SetCurrentDirectoryA(launcher.Path().c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(saved_.c_str());
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kLayers, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            for (const std::string& path : placed_) RegDeleteValueA(key, path.c_str());
            RegCloseKey(key);
        }
    }

    // A stand-in copied to <launcher>\<relativePath> with its side file.
    std::string PlaceStandIn(const std::string& standIn, const std::string& relativePath,
                             const std::string& sideFile = std::string()) {
        std::string target = launcher / relativePath;
        std::string folder = target.substr(0, target.rfind('\\'));
        CreateFolderChain(folder);
        CopyFileA(StandIn(standIn).c_str(), target.c_str(), FALSE);
        placed_.push_back(target);
        if (!sideFile.empty()) WriteFile(target.substr(0, target.rfind('.')) + ".stub", sideFile);
        return target;
    }
    std::vector<RecordLine> Records() { return ReadRecord(record.Path()); }

    // The relay program, the legacy uninstallers and the set-up tool live
    // below Program Files; what a test made there goes with it.
    FolderGuard pellmoreFolder{novapdf::ProgramFilesRoot() + "\\Pellmore"};
    FolderGuard softlandFolder{novapdf::ProgramFilesRoot() + "\\Softland"};
    TempFolder launcher{"orvo_printers"};
    RecordFile record{launcher};
    InstantPrinterWaits waits;
    RecordingHost host;
    ScriptedAnswers answers;
    // The installers are marked for the compatibility mode by their paths;
    // the marks are removed again.
    static constexpr const char* kLayers = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
    KeyTreeGuard layers{HKEY_CURRENT_USER, kLayers};

private:
    std::string saved_;
    std::vector<std::string> placed_;
};

} // namespace test_support
