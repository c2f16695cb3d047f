// Helpers for unit tests that run the stand-ins of tests/fixtures: where they
// are, and reading what the stand-ins recorded (see
// tests/fixtures/stub_record.h for the record format).
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace test_support {

// tests/fixtures of the build: beside this test's own folder (tests/unit).
inline std::string FixturesFolder() {
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string unitFolder = self;
    unitFolder = unitFolder.substr(0, unitFolder.find_last_of('\\'));
    std::string path = unitFolder.substr(0, unitFolder.find_last_of('\\')) + "\\fixtures";
    char full[MAX_PATH + 1] = {};
    GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    return full;
}

inline std::string StandIn(const std::string& fileName) { return FixturesFolder() + "\\" + fileName; }

inline std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// One line of a stand-in record.
struct RecordLine {
    std::string program; // the stand-in's file name as it was started
    std::string folder;  // its working folder
    std::string what;    // command line, or the export called
};

inline std::vector<RecordLine> ReadRecord(const std::string& path) {
    std::vector<RecordLine> lines;
    std::istringstream text(ReadTextFile(path));
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t first = line.find('\t');
        size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) continue;
        lines.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)});
    }
    return lines;
}

// Waits until the record holds at least count lines; returns them.
inline std::vector<RecordLine> WaitForRecord(const std::string& path, size_t count = 1, DWORD timeoutMs = 20000) {
    DWORD start = GetTickCount();
    std::vector<RecordLine> lines;
    for (;;) {
        lines = ReadRecord(path);
        if (lines.size() >= count || GetTickCount() - start > timeoutMs) return lines;
        Sleep(50);
    }
}

// Points every stand-in started from now on at one record file.
class RecordFile {
public:
    explicit RecordFile(const TempFolder& folder) : path_(folder / "record.txt") {
        SetEnvironmentVariableA("ORVO_STUB_RECORD", path_.c_str());
    }
    ~RecordFile() { SetEnvironmentVariableA("ORVO_STUB_RECORD", nullptr); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The arguments after the program of a command line as Windows passes it.
inline std::string ArgumentsOf(const std::string& commandLine) {
    size_t end;
    if (!commandLine.empty() && commandLine[0] == '"')
        end = commandLine.find('"', 1) + 1;
    else
        end = commandLine.find(' ');
    return end == std::string::npos || end > commandLine.size() ? std::string() : commandLine.substr(end);
}

} // namespace test_support
