#include "tests/support/TestPaths.h"

#include <map>
#include <string>

const char* OlvaTestSourcePath(const char* relative) {
    // Kept for the life of the process: callers hold the pointers.
    static std::map<std::string, std::string> paths;
    auto [it, added] = paths.try_emplace(relative);
    if (added) it->second = std::string(OLVA_SOURCE_DIR) + "/" + relative;
    return it->second.c_str();
}

const char* OlvaTestOutputPath() {
    return OLVA_TEST_OUTPUT_DIR;
}
