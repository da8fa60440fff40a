// olva-commandicons <folder> [--sheets <folder>]: draws the command pictures and writes the two strips
// the program embeds into the first folder; with --sheets, also the contact sheets (each size on white
// and on the ribbon's grey, the small one enlarged) into the second. A picture that fails its check
// stops the build, naming its command.
#include "tools/commandicons/CommandIconArt.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

namespace {

void WriteSheets(const std::string& Folder) {
    using namespace commandicons;
    const art::TRgb white = art::Hex(0xffffff), silver = art::Hex(0xe9edf1);
    const struct {
        const char* Name;
        int Size;
        art::TRgb Background;
        int Zoom;
    } sheets[] = {{"sheet16-white", 16, white, 2},    {"sheet16-silver", 16, silver, 2},
                  {"sheet32-white", 32, white, 1},    {"sheet32-silver", 32, silver, 1},
                  {"sheet16-enlarged", 16, white, 4}, {"sheet32-enlarged", 32, white, 2}};
    for (const auto& sheet : sheets) {
        const std::string png = DrawContactSheet(sheet.Size, sheet.Background, sheet.Zoom)->ToPng();
        std::ofstream out(Folder + "/" + sheet.Name + ".png", std::ios::binary | std::ios::trunc);
        out.write(png.data(), std::streamsize(png.size()));
    }
    // Each family large, to judge the pixels.
    for (int f = 0; f <= int(TIconFamily::Program); ++f) {
        const auto family = static_cast<TIconFamily>(f);
        for (int size : {16, 32}) {
            const std::string png = DrawContactSheet(size, silver, size == 16 ? 6 : 3, &family)->ToPng();
            std::ofstream out(Folder + "/family" + std::to_string(f) + "-" + std::to_string(size) + ".png",
                              std::ios::binary | std::ios::trunc);
            out.write(png.data(), std::streamsize(png.size()));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--sheets") == 0)) {
        std::fprintf(stderr, "usage: %s <output folder> [--sheets <folder>]\n", argv[0]);
        return 2;
    }
    try {
        // The sheets first: they show the pictures a failed check is about.
        if (argc == 4) WriteSheets(argv[3]);
        commandicons::WriteCommandIconStrips(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "olva-commandicons: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
