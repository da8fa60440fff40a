#include "TestFolder.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

TTestFolder::TTestFolder(const std::string& name)
    : FPath(std::filesystem::path(OLVA_TEST_OUT_DIR) / "app" / (name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
}

TTestFolder::~TTestFolder() {
    std::error_code ignored;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(FPath, ignored);
}

std::string TTestFolder::Write(const std::string& name, const std::string& content) const {
    std::filesystem::path path = FPath / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

std::string TTestFolder::Read(const std::string& name) const {
    std::ifstream in(FPath / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TUnwritableFolder::TUnwritableFolder(const std::string& folder) : FFolder(folder) {
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
}

TUnwritableFolder::~TUnwritableFolder() {
    std::filesystem::permissions(FFolder, std::filesystem::perms::owner_all);
}

std::vector<std::string> NonBlankLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}
