#include "TempFolder.h"

#include <cstdlib>
#include <stdexcept>

TempFolder::TempFolder() {
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    std::string pattern = std::string(OLVA_TEST_OUT_DIR) + "/rtl-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a test folder");
    FPath = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}
