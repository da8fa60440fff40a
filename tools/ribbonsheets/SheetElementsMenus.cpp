// Menus, popups and tips: the menu's glyph column and content, its separators and border, the application
// menu's frame, header and footer, screen tips, the quick access toolbar's popup, gallery bands, and the
// menu view's accent lines, separator and navigation pane.
#include "tools/ribbonsheets/SheetDrawing.h"
#include "tools/ribbonsheets/SheetElements.h"

namespace ribbonsheets {

using namespace ribbonsheets::draw;
using art::Hex;
using art::Mix;
using ribbon_sheets::TovRibbonCut;

namespace {

// A popup's frame: the border, a light ring inside it, and the fill.
void PopupFrame(const TCell& C, TRgb AFill, bool ARounded) {
    Button(C.A, C.B, {C.P.MenuBorder, 1, kWhite, 0.9, AFill, AFill}, ARounded);
}

} // namespace

void DrawMenuCell(const TCell& C) {
    using enum TovRibbonCut;
    const TPalette& p = C.P;
    const art::TBox& b = C.B;
    switch (C.Cut.Cut) {
    case MenuGlyph:
        C.A.Fill(b, p.MenuGlyphColumn);
        break;
    case MenuContent:
        C.A.Fill(b, p.MenuBack);
        break;
    case MenuSeparatorHorz:
        HLine(C.A, b.X, b.Right(), b.Y, p.MenuSeparator);
        HLine(C.A, b.X, b.Right(), b.Y + 1, p.MenuSeparatorLight);
        break;
    case MenuSeparatorVert:
        VLine(C.A, b.X, b.Y, b.Bottom(), p.MenuSeparator);
        VLine(C.A, b.X + 1, b.Y, b.Bottom(), p.MenuSeparatorLight);
        break;
    case DropDownBorder:
        PopupFrame(C, p.MenuBack, false);
        break;
    case ApplicationMenuBorder:
        PopupFrame(C, p.MenuBack, p.Style == 0);
        break;
    case ApplicationMenuHeader:
        Gradient(C.A, b, Mix(p.MenuGlyphColumn, kWhite, 0.5), p.MenuGlyphColumn);
        break;
    case ApplicationMenuFooter:
        Gradient(C.A, {b.X, b.Y + 1, b.W, b.H - 1}, Mix(p.MenuGlyphColumn, kWhite, 0.6),
                 Mix(p.MenuGlyphColumn, p.MenuSeparator, 0.5));
        HLine(C.A, b.X, b.Right(), b.Y, p.MenuSeparator);
        break;
    case ScreenTip:
        Button(C.A, b, {p.TipBorder, 1, kWhite, 0.8, p.TipTop, p.TipBottom}, p.Rounded);
        break;
    case QatPopup:
        Button(C.A, b, {p.MenuBorder, 1, kWhite, 0.8, Mix(p.BodyTop, p.Background, 0.3), p.Background},
               p.Rounded);
        break;
    case GalleryFilterBand:
        Gradient(C.A, {b.X, b.Y + 1, b.W, b.H - 2}, p.FilterTop, p.FilterBottom);
        HLine(C.A, b.X, b.Right(), b.Y, Mix(p.FilterTop, kWhite, 0.3));
        HLine(C.A, b.X, b.Right(), b.Bottom() - 1, Mix(p.FilterBottom, kBlack, 0.2));
        break;
    case GalleryGroupHeader:
        C.A.Fill({b.X, b.Y, b.W, b.H - 2}, p.MenuGlyphColumn);
        HLine(C.A, b.X, b.Right(), b.Bottom() - 2, p.MenuSeparator);
        HLine(C.A, b.X, b.Right(), b.Bottom() - 1, kWhite);
        break;
    case GalleryTopSizingBand:
    case GalleryBottomSizingBand: {
        const bool top = C.Cut.Cut == GalleryTopSizingBand;
        Gradient(C.A, b, Mix(p.MenuGlyphColumn, kWhite, 0.5), p.MenuGlyphColumn);
        HLine(C.A, b.X, b.Right(), top ? b.Bottom() - 1 : b.Y, p.MenuSeparator);
        break;
    }
    case MenuViewLine: {
        const TRgb accent = p.Accents[C.Index % 5];
        HLine(C.A, b.X, b.Right(), b.Y, accent);
        HLine(C.A, b.X, b.Right(), b.Y + 1, Mix(accent, kWhite, 0.45));
        break;
    }
    case MenuViewSeparator:
        FadingHLine(C.A, b.X, b.Right(), b.Y + 1, p.MenuSeparator, 1, 10, 10);
        FadingHLine(C.A, b.X, b.Right(), b.Y + 2, kWhite, 1, 10, 10);
        break;
    case MenuViewNavigation:
        C.A.Fill({b.X, b.Y, b.W - 7, b.H}, kWhite);
        HGradient(C.A, {b.Right() - 7, b.Y, 6, b.H}, kWhite, Mix(p.MenuGlyphColumn, p.MenuSeparator, 0.3));
        VLine(C.A, b.Right() - 1, b.Y, b.Bottom(), p.MenuSeparator);
        break;
    default:
        break;
    }
}

} // namespace ribbonsheets
