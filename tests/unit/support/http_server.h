// The test download server that ctest starts for the run
// (tests/fixtures/http_server.py): its address, and reading what it serves.
#pragma once

#include "support/stand_ins.h"

#include <string>

namespace test_support {

inline std::string HttpFolder() {
    char buffer[MAX_PATH] = "";
    GetEnvironmentVariableA("ORVO_HTTP_DIR", buffer, sizeof(buffer));
    return buffer;
}

// "http://127.0.0.1:<port>"; empty when the server is not running.
inline std::string HttpBase() {
    std::string port = ReadTextFile(HttpFolder() + "/port");
    return port.empty() ? std::string() : "http://127.0.0.1:" + port;
}

// The bytes the server sends for /size/N and the like.
inline std::string ServedPattern(size_t count) {
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

} // namespace test_support
