// olva-skingen <folder>: draws our skins and button pictures and writes them into the folder, for the
// build to embed. A skin that fails its check stops the build with the problem named.
#include "tools/skingen/SkinAssets.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        skingen::WriteSkinAssets(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "olva-skingen: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
