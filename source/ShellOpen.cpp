#include "source/ShellOpen.h"

#include "source/WaitCursor.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace shell_open_detail {

// Runs the opener in a grandchild so that it never becomes a zombie of this process and does not
// die with it. Everything the child needs is prepared before fork.
void StartDetached(const std::string& program, const std::string& argument) {
    char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument.c_str()), nullptr};
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        ::setsid();
        if (::fork() == 0) {
            ::execvp(argv[0], argv);
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace shell_open_detail

void OpenWithShell(const std::string& target) {
    TWaitCursor wait;
    shell_open_detail::StartDetached("xdg-open", target);
}

void StartProgram(const std::string& program, const std::string& argument) {
    shell_open_detail::StartDetached(program, argument);
}
