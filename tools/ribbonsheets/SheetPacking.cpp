#include "tools/ribbonsheets/SheetPacking.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace ribbonsheets {

using namespace ribbon_sheets;

namespace {

// The packing widths: the colour sheets hold narrow strips; the common sheets the 600-pixel grid of menu
// view tabs.
constexpr int ColourWidth = 256;
constexpr int CommonWidth = 608;
// Blank pixels between two blocks, so that a sheet reads as separate cells.
constexpr int Gutter = 1;

int KindIndex(TovRibbonSheetKind AKind) {
    return AKind == TovRibbonSheetKind::Common ? 0 : 1;
}

// The order blocks are placed in: cuts every family shares first, so that the 2007 sheets end early, then
// the 2007 ones, then those of 2010 and 2013; within a group the tallest first.
int GroupOf(std::uint8_t AFamilies) {
    if (AFamilies == rfAll) return 0;
    if (AFamilies == rf2007) return 1;
    if (AFamilies == rf2010On) return 2;
    if (AFamilies == rf2010) return 3;
    return 4;
}

std::runtime_error Fault(const TovRibbonCutInfo& ACut, const std::string& AWhat) {
    return std::runtime_error("part " + std::to_string(ACut.FirstID) + " (" + ACut.Name + "): " + AWhat);
}

// Bottom-left skyline packing into a fixed width.
class TSkyline {
public:
    explicit TSkyline(int AWidth) : FHeights(AWidth, 0) {}
    int Width() const { return int(FHeights.size()); }

    bool Place(int AWidth, int AHeight, int& AX, int& AY) {
        int bestX = -1, bestY = 0;
        for (int x = 0; x + AWidth <= Width(); ++x) {
            const int y = *std::max_element(FHeights.begin() + x, FHeights.begin() + x + AWidth);
            if (bestX < 0 || y < bestY) bestX = x, bestY = y;
        }
        if (bestX < 0) return false;
        Occupy(bestX, bestY, AWidth, AHeight);
        AX = bestX, AY = bestY;
        return true;
    }
    void Occupy(int AX, int AY, int AWidth, int AHeight) {
        for (int x = AX; x < AX + AWidth && x < Width(); ++x)
            FHeights[x] = std::max(FHeights[x], AY + AHeight);
    }

private:
    std::vector<int> FHeights;
};

} // namespace

art::TBox TSheetLayout::Cell(TovRibbonCut ACut, int AIndex) const {
    const TovRibbonCutInfo& info = CutInfo(ACut);
    if (info.IsAlias) {
        const TovRibbonCutInfo& target = CutInfo(info.AliasOf);
        return Cell(info.AliasOf, info.AliasColumn * target.Count + AIndex);
    }
    const TPlace& place = Places[std::size_t(ACut)];
    if (info.Horizontal) return {place.X + AIndex * info.CellWidth, place.Y, info.CellWidth, info.CellHeight};
    const int column = AIndex / info.Count, row = AIndex % info.Count;
    return {place.X + column * (info.CellWidth + info.ColumnGap), place.Y + row * info.CellHeight,
            info.CellWidth, info.CellHeight};
}

TSheetLayout PackSheets() {
    TSheetLayout layout;
    layout.Places.resize(ovRibbonCutCount);
    for (TovRibbonSheetKind kind : {TovRibbonSheetKind::Common, TovRibbonSheetKind::Color}) {
        TSkyline skyline(kind == TovRibbonSheetKind::Common ? CommonWidth : ColourWidth);
        std::vector<const TovRibbonCutInfo*> blocks;
        for (const TovRibbonCutInfo& cut : kRibbonCuts) {
            if (cut.IsAlias || cut.Sheet != kind) continue;
            if (cut.AtOrigin) {
                layout.Places[std::size_t(cut.Cut)] = {0, 0};
                skyline.Occupy(0, 0, cut.BlockWidth() + Gutter, cut.BlockHeight() + Gutter);
            } else {
                blocks.push_back(&cut);
            }
        }
        std::stable_sort(blocks.begin(), blocks.end(),
                         [](const TovRibbonCutInfo* A, const TovRibbonCutInfo* B) {
                             if (GroupOf(A->Families) != GroupOf(B->Families))
                                 return GroupOf(A->Families) < GroupOf(B->Families);
                             if (A->BlockHeight() != B->BlockHeight())
                                 return A->BlockHeight() > B->BlockHeight();
                             return A->BlockWidth() > B->BlockWidth();
                         });
        for (const TovRibbonCutInfo* cut : blocks) {
            TPlace& place = layout.Places[std::size_t(cut->Cut)];
            if (!skyline.Place(cut->BlockWidth() + Gutter, cut->BlockHeight() + Gutter, place.X, place.Y))
                throw Fault(*cut, "its block is wider than the sheet");
        }
    }
    // Each family's sheet ends where its last cell does.
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        if (cut.IsAlias) continue;
        const TPlace& place = layout.Places[std::size_t(cut.Cut)];
        for (int family = 0; family < ovRibbonFamilyCount; ++family) {
            if (!(cut.Families & FamilyOfStyle(family))) continue;
            int& width = layout.Width[family][KindIndex(cut.Sheet)];
            int& height = layout.Height[family][KindIndex(cut.Sheet)];
            width = std::max(width, place.X + cut.BlockWidth());
            height = std::max(height, place.Y + cut.BlockHeight());
        }
    }
    return layout;
}

void CheckLayout(const TSheetLayout& ALayout) {
    struct TOwnedCell {
        art::TBox Box;
        const TovRibbonCutInfo* Cut;
    };
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        if (cut.IsAlias) {
            const TovRibbonCutInfo& target = CutInfo(cut.AliasOf);
            if (target.IsAlias || cut.AliasColumn >= target.Columns || (cut.Families & ~target.Families))
                throw Fault(cut, "it names a column its cut does not have");
            continue;
        }
        if (cut.Margins.Left + cut.Margins.Right > cut.CellWidth ||
            cut.Margins.Top + cut.Margins.Bottom > cut.CellHeight)
            throw Fault(cut, "its margins are larger than its cell");
        if (cut.IsStateStrip()) {
            std::vector<bool> used(cut.Count, false);
            int states = 0;
            for (int s = 0; s < 9; ++s)
                if (cut.States.Mask & (1u << s)) {
                    const int row = cut.States.Rows[states++];
                    if (row >= cut.Count) throw Fault(cut, "a state names a row the strip does not have");
                    used[std::size_t(row)] = true;
                }
            if (std::find(used.begin(), used.end(), false) != used.end())
                throw Fault(cut, "the strip is missing a row: a cell no state takes");
        }
    }
    for (int family = 0; family < ovRibbonFamilyCount; ++family)
        for (TovRibbonSheetKind kind : {TovRibbonSheetKind::Common, TovRibbonSheetKind::Color}) {
            const art::TBox sheet{0, 0, ALayout.Width[family][KindIndex(kind)],
                                  ALayout.Height[family][KindIndex(kind)]};
            std::vector<TOwnedCell> cells;
            for (const TovRibbonCutInfo& cut : kRibbonCuts) {
                if (cut.IsAlias || cut.Sheet != kind || !(cut.Families & FamilyOfStyle(family))) continue;
                for (int i = 0; i < cut.CellCount(); ++i) {
                    const art::TBox box = ALayout.Cell(cut.Cut, i);
                    if (box.X < 0 || box.Y < 0 || box.Right() > sheet.W || box.Bottom() > sheet.H)
                        throw Fault(cut, "a cell lies outside its sheet");
                    for (const TOwnedCell& other : cells)
                        if (box.X < other.Box.Right() && other.Box.X < box.Right() &&
                            box.Y < other.Box.Bottom() && other.Box.Y < box.Bottom())
                            throw Fault(cut,
                                        "a cell overlaps one of part " + std::to_string(other.Cut->FirstID));
                    cells.push_back({box, &cut});
                }
            }
        }
}

std::string PositionsHeader(const TSheetLayout& ALayout) {
    std::ostringstream out;
    out << "// Made by the ribbon sheet generator from RibbonSheetCatalogue.h: where each cut's cells begin "
           "on\n"
           "// its sheets, and how large each family's sheets are. Do not edit.\n"
           "#pragma once\n\n"
           "namespace ribbon_sheets::generated {\n\n"
           "// By family (2007, 2010, 2013), then common and colour sheet.\n";
    for (const char* what : {"Width", "Height"}) {
        out << "inline constexpr int kSheet" << what << "[3][2] = {";
        for (int family = 0; family < ovRibbonFamilyCount; ++family) {
            const auto& values =
                std::string(what) == "Width" ? ALayout.Width[family] : ALayout.Height[family];
            out << (family ? ", " : "") << "{" << values[0] << ", " << values[1] << "}";
        }
        out << "};\n";
    }
    out << "\n// By TovRibbonCut; -1 for a cut that takes the cells of another.\n"
           "inline constexpr int kCutPlaces[][2] = {\n";
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        const TPlace& place = ALayout.Places[std::size_t(cut.Cut)];
        out << "    {" << place.X << ", " << place.Y << "}, // " << cut.Name << "\n";
    }
    out << "};\n\n} // namespace ribbon_sheets::generated\n";
    return out.str();
}

} // namespace ribbonsheets
