// What still holds the local program folder before it is replaced: programs
// started from it and files in it that cannot be opened exclusively. One
// interface serves the dialog that lists them and can release them.
#pragma once

#include <string>
#include <utility>
#include <vector>

class IInUseResourceManager {
public:
    using StringList = std::vector<std::string>;

    // The word for one resource in the dialog's prompt ("program", "file").
    virtual void GetTypeName(std::string& name) = 0;
    // Empties the list, fills it with what is in use now; returns the count.
    // May run on any thread.
    virtual int GetInUse(StringList& list) = 0;
    virtual bool CanForceClose() = 0;
    virtual void ForceClose() = 0;
    // Milliseconds between two refreshes of the dialog's list.
    virtual int GetRefreshInterval() = 0;

protected:
    // Owners hold managers through a shared pointer made for the concrete
    // class, never delete them through the interface.
    ~IInUseResourceManager() = default;
};

// Running processes whose executable lies in the folder (or below it), listed
// by their visible window titles, or by their path relative to the folder.
class InUsePrograms final : public IInUseResourceManager {
public:
    explicit InUsePrograms(std::string folder) : folder_(std::move(folder)) {}

    void GetTypeName(std::string& name) override { name = "program"; }
    int GetInUse(StringList& list) override;
    bool CanForceClose() override { return true; }
    // Asks every such process to close, then terminates it.
    void ForceClose() override;
    int GetRefreshInterval() override { return 2000; }

private:
    std::string folder_;
};

// Files in the folder tree that cannot be opened for exclusive read-write
// access, listed by file name. Clears read-only attributes on the way, so
// the copy can replace those files.
class InUseFiles final : public IInUseResourceManager {
public:
    explicit InUseFiles(std::string folder) : folder_(std::move(folder)) {}

    void GetTypeName(std::string& name) override { name = "file"; }
    int GetInUse(StringList& list) override;
    bool CanForceClose() override { return false; }
    void ForceClose() override {}
    int GetRefreshInterval() override { return 4000; }

private:
    std::string folder_;
};

// Entries that begin with the folder and a backslash, as paths relative to it.
void MakeRelativeToFolder(const std::string& folder, IInUseResourceManager::StringList& entries);
