#include "tests/support/TestScratch.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

// A folder is only judged once it is old enough that its process had time to take its lock (between
// creating the folder and locking it).
constexpr auto kSettleTime = std::chrono::seconds(30);

int OpenFolder(const std::filesystem::path& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

TTestScratch::TTestScratch(const std::filesystem::path& root, const std::string& program) {
    std::filesystem::create_directories(root);
    RemoveAbandoned(root);
    std::string pattern = (root / (std::filesystem::path(program).filename().string() + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create the test scratch folder");
    FFolder = pattern;
    FLock = OpenFolder(FFolder);
    if (FLock < 0 || ::flock(FLock, LOCK_EX | LOCK_NB) != 0)
        throw std::runtime_error("cannot lock the test scratch folder " + FFolder.string());
    ::setenv("TMPDIR", FFolder.c_str(), 1);
}

TTestScratch::~TTestScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(FFolder, ignored);
    if (FLock >= 0) ::close(FLock);
}

void TTestScratch::RemoveAbandoned(const std::filesystem::path& root) {
    std::error_code error;
    const auto settled = std::filesystem::file_time_type::clock::now() - kSettleTime;
    for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
        std::error_code ignored;
        if (!entry.is_directory(ignored) || entry.last_write_time(ignored) > settled) continue;
        const int fd = OpenFolder(entry.path());
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) std::filesystem::remove_all(entry.path(), ignored);
        ::close(fd);
    }
}
