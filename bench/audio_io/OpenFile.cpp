// Opens one sound file the way the editor does, then ends: the whole process is what a user waits for
// when a file is opened, so the benchmark times it against a reference decoder's whole process.
//
// Usage: olva_open_file PATH
#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olva_open_file PATH\n");
        return 2;
    }
    try {
        TAudioEditor2 editor;
        editor.Open(argv[1]);
        if (editor.Document().Length() <= 0) return 1;
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
        return 1;
    }
    return 0;
}
