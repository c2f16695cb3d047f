#include "paths_fake.h"

#include "appstate/paths.h"

namespace {

std::string& Recorded() {
    static std::string path;
    return path;
}

} // namespace

int SetConfigurationFile(const std::string& path) {
    Recorded() = path;
    return 1;
}

std::string LastConfigurationFileSet() {
    return Recorded();
}
