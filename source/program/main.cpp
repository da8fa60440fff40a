// OLVA Audio Editor: program entry.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("OLVA Audio Editor\n");
        return 0;
    }
    // The main window is not built yet: start and end cleanly.
    return 0;
}
