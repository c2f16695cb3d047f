// The byte rules of a version file ("Version.dat") and of the copy list built
// from it: plain C++ over texts and names, so that the rules can be tried on
// any bytes. version_files.cpp reads the files and lists the folder.
#pragma once

#include <set>
#include <string>
#include <vector>

// The lines of text as text-mode reading gives them: CR LF ends a line like
// LF, Ctrl-Z ends the text, the terminator is not part of the line.
std::vector<std::string> VersionFileLines(const std::string& text);
// The program version: the first line of text (which may be only the start
// of the file, as long as it holds the whole first line).
std::string ProgramVersionOf(const std::string& text);
// Field 1 of every file line after the first; lines without a field give nothing.
std::vector<std::string> ListedFilesOf(const std::string& text);

// True when entry names a file inside the program folder whatever Windows
// does with the name: not absolute, no drive or stream, no folder named by
// dots, no device name, no part that Windows would shorten.
bool StaysInsideFolder(const std::string& entry);

// The copy list: the program binaries found in the installation folder and
// the files its version file lists, each once (ignoring case), then the
// version file, then the main program.
class VersionCopyList {
public:
    // Lists a name once (ignoring case); the version file and the main
    // program are only remembered, to be put at the end.
    void AddFile(const std::string& name);
    // A file found in the installation folder: kept when it is a program binary.
    void AddFoundFile(const std::string& name);
    // The entries of a version file's text, except those that stay on the
    // network and those that would leave the program folder.
    void AddListedFiles(const std::string& versionFileText);
    // Puts the version file and then the main program at the end.
    void Close();

    const std::vector<std::string>& Files() const { return files_; }
    const std::string& VersionFileName() const { return versionFileName_; }
    const std::string& MainProgramName() const { return mainProgramName_; }

protected:
    std::vector<std::string> files_;
    std::set<std::string> index_; // lower-cased names already listed
    std::string versionFileName_;
    std::string mainProgramName_;
};
