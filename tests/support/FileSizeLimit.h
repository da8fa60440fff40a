// Lowers the process's file-size limit for one scope, so that any write beyond it fails part-way: the
// tests run as root, who may write anywhere, and this is how they make a save fail without a full disk.
#pragma once

#include <sys/resource.h>

#include <csignal>

class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = FSaved;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FOldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FSaved{};
    void (*FOldHandler)(int) = nullptr;
};
