// The start-up as a user waits for it: from the moment the program is started (before the system loads
// it and its libraries) to its main window showing its picture on the X server, watched from outside
// like a user's eyes; the program is then ended with SIGTERM, as a session ending would.
//
// Usage: olva_app_start_as_user PROGRAM SCRATCH_FOLDER RUNS [REPORT_FILE]
// Needs DISPLAY (the bench starts a virtual server when there is none).
#include "AppHarness.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace start_as_user {

using Clock = std::chrono::steady_clock;

// The shown top-level window whose name begins with the main window's caption, or 0.
Window FindMainWindow(Display* display, Window parent) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            // The caption is the title and the version; the welcome window's begins otherwise.
            if (std::string(name).rfind("OLVA Audio Editor", 0) == 0) found = children[i];
            XFree(name);
        }
        if (found == 0) found = FindMainWindow(display, children[i]); // under a window manager's frame
    }
    if (children != nullptr) XFree(children);
    return found;
}

// A window shows its picture once its pixels are more than a background: several colours on a grid.
bool ShowsAPicture(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.width < 50) return false;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    std::set<unsigned long> colours;
    for (int y = 0; y < attributes.height; y += 7)
        for (int x = 0; x < attributes.width; x += 7)
            colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() >= 8;
}

// Seconds from the start of the program to its painted main window, or a negative number.
double OneStart(Display* display, const std::string& Program, const std::string& Config) {
    std::filesystem::remove_all(Config);
    std::filesystem::create_directories(Config);
    ::setenv("XDG_CONFIG_HOME", Config.c_str(), 1);
    char* argv[] = {const_cast<char*>(Program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t child = 0;
    double seconds = -1;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv, environ) == 0) {
        const auto deadline = start + std::chrono::seconds(30);
        while (Clock::now() < deadline) {
            const Window main = FindMainWindow(display, DefaultRootWindow(display));
            if (main != 0 && ShowsAPicture(display, main)) {
                seconds = std::chrono::duration<double>(Clock::now() - start).count();
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        ::kill(child, SIGTERM);
        int status = 0;
        for (int i = 0; i < 500 && ::waitpid(child, &status, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (::waitpid(child, &status, WNOHANG) == 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            seconds = -2; // the program did not end on SIGTERM
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return seconds;
}

} // namespace start_as_user

int main(int argc, char** argv) {
    using namespace start_as_user;
    if (argc < 4) {
        std::fprintf(stderr, "usage: olva_app_start_as_user PROGRAM SCRATCH_FOLDER RUNS [REPORT_FILE]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "olva_app_start_as_user: no display\n");
        return 1;
    }
    const int runs = std::atoi(argv[3]);
    int status = 0;
    for (int i = 0; i < runs; ++i) {
        const double seconds = OneStart(display, argv[1], std::string(argv[2]) + "/config");
        if (seconds < 0) status = 1;
        ReportFigure(argc > 4 ? argv[4] : nullptr,
                     seconds == -2 ? "start_as_user_not_ended_by_sigterm" : "start_as_user_seconds", seconds);
    }
    XCloseDisplay(display);
    return status;
}
