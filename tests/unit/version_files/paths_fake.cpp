#include "paths_fake.h"

#include "appstate/paths.h"

namespace {

struct Folders {
    std::string module = "C:\\Launcher";
    std::string temp = "C:\\Temp";
    std::string install;
};

Folders& Fake() {
    static Folders folders;
    return folders;
}

} // namespace

void SetFakeFolders(const std::string& moduleFolder, const std::string& tempFolder, const std::string& installFolder) {
    Fake() = Folders{moduleFolder, tempFolder, installFolder};
}

std::string GetModuleFolder() { return Fake().module; }
std::string GetTempFolder() { return Fake().temp; }
std::string GetInstallPath() { return Fake().install; }
std::string GetInstallFilePath(const std::string& name) { return Fake().install + "\\" + name; }
