#pragma once

#include <cstdlib>
#include <string>

namespace daub::test {

// The folder of the test files; DAUBIX_TESTDATA overrides it (the Windows test program under
// Wine is handed a Windows path that way).
inline std::string TestDataDir() {
    if (const char* dir = std::getenv("DAUBIX_TESTDATA"); dir && *dir) return dir;
    return DAUBIX_TESTDATA_DIR;
}

inline std::string TestDataPath(const std::string& relative) {
    return TestDataDir() + "/" + relative;
}

}  // namespace daub::test
