#include "source/ShellOpen.h"

#include "source/WaitCursor.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace shell_open_detail {

TProgramStarter& Starter() {
    static TProgramStarter starter;
    return starter;
}

// Runs the program in a grandchild so that it never becomes a zombie of this process and does not
// die with it. Everything the child needs is prepared before fork.
void StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        ::setsid();
        if (::fork() == 0) {
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

// The status the middle process ends with when the program still runs after the wait.
constexpr int StillRunning = 255;

// As StartDetached, but the middle process waits up to `waitMs` for the program and hands on its exit
// status; a program still running then is left to run on its own.
std::optional<int> StartWatched(const std::string& program, const std::vector<std::string>& arguments,
                                int waitMs) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        ::setsid();
        const pid_t program = ::fork();
        if (program == 0) {
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        if (program < 0) ::_exit(127);
        constexpr int StepMs = 10;
        for (int waited = 0; waited <= waitMs; waited += StepMs) {
            int status = 0;
            const pid_t done = ::waitpid(program, &status, WNOHANG);
            if (done == program)
                ::_exit(WIFEXITED(status) ? std::min(WEXITSTATUS(status), StillRunning - 1) : 128);
            if (done < 0 && errno != EINTR) ::_exit(127);
            const timespec step{0, StepMs * 1000000L};
            ::nanosleep(&step, nullptr);
        }
        ::_exit(StillRunning);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) == StillRunning) return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace shell_open_detail

void StartDetachedProgram(const std::string& program, const std::vector<std::string>& arguments) {
    if (const TProgramStarter& starter = shell_open_detail::Starter()) {
        starter(program, arguments);
        return;
    }
    shell_open_detail::StartDetached(program, arguments);
}

std::optional<int> StartProgramAndWatch(const std::string& program, const std::vector<std::string>& arguments,
                                        int waitMs) {
    if (const TProgramStarter& starter = shell_open_detail::Starter()) {
        starter(program, arguments);
        return std::nullopt;
    }
    return shell_open_detail::StartWatched(program, arguments, waitMs);
}

void OpenWithShell(const std::string& target) {
    TWaitCursor wait;
    StartDetachedProgram("xdg-open", {target});
}

TProgramStartOverride::TProgramStartOverride(TProgramStarter starter)
    : FPrevious(std::exchange(shell_open_detail::Starter(), std::move(starter))) {}

TProgramStartOverride::~TProgramStartOverride() {
    shell_open_detail::Starter() = std::move(FPrevious);
}

void StartProgram(const std::string& program, const std::string& argument) {
    StartDetachedProgram(program, {argument});
}
