#include "tools/commandicons/CommandIconArt.h"

#include "tools/commandicons/IconShapes.h"

#include <cairo.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <vector>

namespace commandicons {

using art::TArt;
using art::TRgb;

namespace {

const TMotifTable& Motifs() {
    static const TMotifTable table = [] {
        TMotifTable t;
        AddDocumentMotifs(t);
        AddEditMotifs(t);
        AddSelectionMotifs(t);
        AddTransportMotifs(t);
        AddEffectMotifs(t);
        AddViewMotifs(t);
        AddToolMotifs(t);
        AddHelpMotifs(t);
        return t;
    }();
    return table;
}

// The pixels of a picture, for comparing two.
std::vector<std::uint32_t> PixelsOf(const TArt& Picture) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < Picture.Height(); ++y)
        for (int x = 0; x < Picture.Width(); ++x) {
            const art::TRgba p = Picture.Pixel(x, y);
            pixels.push_back(p.A == 0 ? 0u
                                      : (std::uint32_t(p.A) << 24 | std::uint32_t(p.Colour.R) << 16 |
                                         std::uint32_t(p.Colour.G) << 8 | p.Colour.B));
        }
    return pixels;
}

void WriteFile(const std::string& Path, const std::string& Bytes) {
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out.write(Bytes.data(), std::streamsize(Bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + Path);
}

} // namespace

std::unique_ptr<TArt> DrawCommandIcon(const TCommandIcon& Icon, int Size) {
    auto found = Motifs().find(Icon.Motif);
    if (found == Motifs().end())
        throw EPictureError(std::string(Icon.Command) + ": no drawing for the motif \"" + Icon.Motif + "\"");
    auto picture = std::make_unique<TArt>(Size, Size);
    TIconPen pen(*picture, Size);
    found->second(pen, InksOf(Icon.Family));
    return picture;
}

void CheckCommandIcon(const TArt& Picture, const std::string& Command) {
    const int margin = Picture.Width() / 16;
    int covered = 0;
    for (int y = 0; y < Picture.Height(); ++y)
        for (int x = 0; x < Picture.Width(); ++x) {
            if (Picture.Pixel(x, y).A == 0) continue;
            ++covered;
            const bool inside =
                x >= margin && y >= margin && x < Picture.Width() - margin && y < Picture.Height() - margin;
            if (!inside) {
                char where[64];
                std::snprintf(where, sizeof where, " (%d, %d)", x, y);
                throw EPictureError(Command + ": the " + std::to_string(Picture.Width()) +
                                    "-pixel picture covers a pixel outside its live area" + where);
            }
        }
    if (covered == 0)
        throw EPictureError(Command + ": the " + std::to_string(Picture.Width()) + "-pixel picture is empty");
}

std::unique_ptr<TArt> DrawCommandIconStrip(int Size) {
    const std::vector<TCommandIcon>& icons = CommandIcons();
    auto strip = std::make_unique<TArt>(Size * int(icons.size()), Size);
    std::map<std::vector<std::uint32_t>, const char*> seen;
    for (std::size_t i = 0; i < icons.size(); ++i) {
        std::unique_ptr<TArt> picture = DrawCommandIcon(icons[i], Size);
        CheckCommandIcon(*picture, icons[i].Command);
        auto [at, fresh] = seen.emplace(PixelsOf(*picture), icons[i].Command);
        if (!fresh)
            throw EPictureError(std::string(icons[i].Command) + ": the " + std::to_string(Size) +
                                "-pixel picture is the same as that of " + at->second);
        strip->Draw(*picture, Size * int(i), 0);
    }
    return strip;
}

void WriteCommandIconStrips(const std::string& Folder) {
    for (int size : {SmallCommandIconSize, LargeCommandIconSize})
        WriteFile(Folder + "/CommandIcons" + std::to_string(size) + ".png",
                  DrawCommandIconStrip(size)->ToPng());
}

std::unique_ptr<TArt> DrawContactSheet(int Size, TRgb Background, int Zoom, const TIconFamily* Only) {
    const std::vector<TCommandIcon>& icons = CommandIcons();
    const int columns = Only != nullptr ? 6 : 8, cellW = std::max(120, Size * Zoom + 16),
              pictureH = Size * Zoom;
    const int cellH = pictureH + 30, titleH = 28, margin = 12;
    // Rows: a title and the cells of each family.
    std::vector<std::pair<TIconFamily, std::vector<std::size_t>>> groups;
    for (std::size_t i = 0; i < icons.size(); ++i) {
        if (Only != nullptr && icons[i].Family != *Only) continue;
        if (groups.empty() || groups.back().first != icons[i].Family) groups.push_back({icons[i].Family, {}});
        groups.back().second.push_back(i);
    }
    int height = margin;
    for (const auto& group : groups)
        height += titleH + int((group.second.size() + columns - 1) / columns) * cellH;
    auto sheet = std::make_unique<TArt>(margin * 2 + columns * cellW, height + margin);
    sheet->Fill({0, 0, sheet->Width(), sheet->Height()}, Background);
    cairo_t* cr = sheet->Cr();
    auto text = [cr](double X, double Y, const std::string& Text, double Points, bool Bold) {
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               Bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, Points);
        cairo_set_source_rgb(cr, 0.15, 0.17, 0.2);
        cairo_move_to(cr, X, Y);
        cairo_show_text(cr, Text.c_str());
        cairo_new_path(cr);
    };
    int y = margin;
    for (const auto& [family, members] : groups) {
        text(margin, y + 18, IconFamilyName(family), 13, true);
        y += titleH;
        for (std::size_t k = 0; k < members.size(); ++k) {
            const TCommandIcon& icon = icons[members[k]];
            const int x = margin + int(k % columns) * cellW, top = y + int(k / columns) * cellH;
            std::unique_ptr<TArt> picture = DrawCommandIcon(icon, Size);
            const int left = x + (cellW - pictureH) / 2;
            for (int py = 0; py < Size; ++py)
                for (int px = 0; px < Size; ++px) {
                    const art::TRgba p = picture->Pixel(px, py);
                    if (p.A != 0)
                        sheet->Fill({left + px * Zoom, top + py * Zoom, Zoom, Zoom}, p.Colour, p.A / 255.0);
                }
            std::string label = icon.Command;
            for (const char* prefix : {"Action", "Bar.", "Menu."})
                if (label.rfind(prefix, 0) == 0) label = label.substr(std::string(prefix).size());
            cairo_text_extents_t extents;
            cairo_set_font_size(cr, 10);
            cairo_text_extents(cr, label.c_str(), &extents);
            text(x + std::max(2.0, (cellW - extents.x_advance) / 2), top + pictureH + 16, label, 10, false);
        }
        y += int((members.size() + columns - 1) / columns) * cellH;
    }
    return sheet;
}

} // namespace commandicons
