// olva-commandicons <folder>: draws the command pictures and writes the two strips the program embeds
// into the folder. A picture that fails its check stops the build, naming its command.
#include "tools/commandicons/CommandIconArt.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        commandicons::WriteCommandIconStrips(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "olva-commandicons: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
