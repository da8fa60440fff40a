// The painter gallery: every drawing operation of the base painter families in every button state,
// check state, direction, corner and expanded flag, laid out as labelled cells under section titles.
// The screenshot tests paint it once per painter; the painters benchmark repaints it, and the same cells
// with plain GDI calls as the reference.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <functional>
#include <string>
#include <vector>

class TFont;

namespace painter_gallery {

using TCellDraw =
    std::function<void(TuiCanvas* ACanvas, TuiCustomLookAndFeelPainter* APainter, const TRect& R)>;

struct TCell {
    std::string Label;
    TRect Bounds; // where the part is drawn; its label goes below
    TCellDraw Draw;
};

struct TSectionTitle {
    std::string Text;
    TPoint Origin;
};

class TPainterGallery {
public:
    explicit TPainterGallery(int AWidth = 1180);

    TSize Size() const { return TSize{FWidth, FBottom + Margin}; }
    const std::vector<TCell>& Cells() const { return FCells; }

    // Background, titles, every cell with its label, through the painter.
    void Paint(TuiCanvas* ACanvas, TuiCustomLookAndFeelPainter* APainter, TFont* AFont) const;
    // The same cells with plain GDI calls: an edge, a fill, a frame control and the label.
    void PaintWithPlainGdi(HDC ADC) const;

private:
    static constexpr int Margin = 10;
    static constexpr int Gap = 10;
    static constexpr int LabelHeight = 14;

    void Section(const std::string& ATitle);
    void Add(const std::string& ALabel, int AWidth, int AHeight, TCellDraw ADraw);
    void NewRow();
    void Build();

    int FWidth;
    int FX = Margin, FY = Margin, FRowHeight = 0, FBottom = Margin;
    std::vector<TCell> FCells;
    std::vector<TSectionTitle> FTitles;
};

// Short names of the value conventions, used in labels.
const char* StateName(int AState);
const char* DirectionName(int ADirection);

} // namespace painter_gallery
