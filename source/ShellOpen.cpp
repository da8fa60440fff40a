#include "source/ShellOpen.h"

#include "source/WaitCursor.h"

#include <cerrno>
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

} // namespace shell_open_detail

void StartDetachedProgram(const std::string& program, const std::vector<std::string>& arguments) {
    if (const TProgramStarter& starter = shell_open_detail::Starter()) {
        starter(program, arguments);
        return;
    }
    shell_open_detail::StartDetached(program, arguments);
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
