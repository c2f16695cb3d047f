// Scaffolding for the path and settings tests: INI files, a stand-in
// installation with its own configuration file in a throw-away folder, and a
// prompter that answers the one question these modules ask.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/prompter.h"
#include "support/temp_folder.h"

namespace pathtest {

void WriteIni(const std::string& file, const char* section, const char* key, const char* value);
std::string ReadIni(const std::string& file, const char* section, const char* key);

// Moves a file of the real profile aside for the test and puts it back after.
class FileBackup {
public:
    explicit FileBackup(std::string path);
    ~FileBackup();

private:
    std::string path_;
    std::string saved_;
};

class ScriptedPrompter : public fw::Prompter {
public:
    explicit ScriptedPrompter(int answer) : answer_(answer) { previous_ = fw::SetPrompter(this); }
    ~ScriptedPrompter() override { fw::SetPrompter(previous_); }
    int Ask(const std::string& text, UINT type) override {
        ++calls;
        lastText = text;
        lastType = type;
        return answer_;
    }
    int calls = 0;
    std::string lastText;
    UINT lastType = 0;

private:
    int answer_;
    fw::Prompter* previous_ = nullptr;
};

// Every test starts as a fresh process would: no folder computed, no marker
// tested, nothing cached. The launcher "runs from" installFolder, and config
// is the configuration file named on the command line.
class PathFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // As a new start of the launcher with the same files.
    void Restart();
    void RunFrom(const std::string& moduleFolder);

    test_support::TempFolder root{"orvo_paths"};
    std::string installFolder;
    std::string config;
    std::string moduleFolder;
};

} // namespace pathtest
