// Glyphs, drawn pixel by pixel at the size they are shown: arrows, the form's caption buttons, the help,
// pin, launcher and menu marks, grips, check marks, scroll bar arrows and grips, the minimize button's
// chevrons, the menu view's selection notch and the 2013 menu view button. The 2013 glyphs are neutral
// masks that the skins tint.
#include "tools/ribbonsheets/SheetDrawing.h"
#include "tools/ribbonsheets/SheetElements.h"

#include <cstring>

namespace ribbonsheets {

using namespace ribbonsheets::draw;
using art::Hex;
using art::Mix;
using ribbon_sheets::TovRibbonCut;

namespace {

// Rows of a picture: '#' a pixel of the colour, '+' one at half strength, anything else none.
void Pattern(TArt& A, int X, int Y, std::initializer_list<const char*> ARows, TRgb C, double Alpha = 1) {
    int y = Y;
    for (const char* row : ARows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == '#') Px(A, X + x, y, C, Alpha);
            if (row[x] == '+') Px(A, X + x, y, C, Alpha * 0.5);
        }
        ++y;
    }
}

// The x and y that centre a w x h picture in B.
int CentreX(const art::TBox& B, int W) {
    return B.X + (B.W - W) / 2;
}
int CentreY(const art::TBox& B, int H) {
    return B.Y + (B.H - H) / 2;
}

// The form's caption glyphs, icon by icon: minimize, maximize, restore, close, help, full screen, show
// ribbon; each fits a box of W x H centred in the cell.
void CaptionGlyph(TArt& A, const art::TBox& B, int AIcon, TRgb C, double Alpha) {
    const bool small = B.W <= 9;
    const int w = small ? 7 : 9, h = small ? 7 : 9;
    const int x = CentreX(B, w), y = CentreY(B, h);
    switch (AIcon) {
    case 0: // minimize: a bar at the bottom
        A.Fill({x, y + h - 3, w, 2}, C, Alpha);
        break;
    case 1: // maximize: a window
        WindowBox(A, {x, y, w, h - 1}, C, Alpha);
        break;
    case 2: { // restore: a window in front of another
        const int s = small ? 5 : 6;
        WindowBox(A, {x + w - s, y, s, s - 1}, C, Alpha);
        A.Clear({x, y + h - s - 1, s + 1, s + 1});
        WindowBox(A, {x, y + h - s, s, s - 1}, C, Alpha);
        break;
    }
    case 3: // close: a cross
        Cross(A, x, y, small ? 7 : 8, C, Alpha);
        break;
    case 4: // help: a question mark
        if (small)
            Pattern(A, x + 1, y, {".###.", "#...#", "...#.", "..#..", "..#..", ".....", "..#.."}, C, Alpha);
        else
            Pattern(
                A, x + 1, y,
                {".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##.."}, C,
                Alpha);
        break;
    case 5: // full screen: four corners pointing out
        Pattern(A, x, y,
                small ? std::initializer_list<const char*>{"##...##", "#.....#", ".......", ".......",
                                                           ".......", "#.....#", "##...##"}
                      : std::initializer_list<const char*>{"###...###", "#.......#", "#.......#", ".........",
                                                           ".........", ".........", "#.......#", "#.......#",
                                                           "###...###"},
                C, Alpha);
        break;
    default: // show the ribbon: a chevron under a bar
        A.Fill({x, y + 1, w, 1}, C, Alpha);
        Chevron(A, x + (w - 2 * (small ? 3 : 4)) / 2 + (small ? 0 : 0), y + 3, small ? 3 : 4, dDown, C,
                Alpha);
        break;
    }
}

// The colour of a caption glyph in a row (normal, hot, pressed, inactive); the close glyph turns white on
// its red hot and pressed backgrounds; dark schemes draw light glyphs on their dark caption.
TRgb CaptionInk(const TPalette& P, int AIcon, int ARow) {
    if (P.Style == 2) return P.Glyph;
    // The 2010 close button turns red under its glyph.
    if (P.Style == 1 && AIcon == 3 && (ARow == 1 || ARow == 2)) return kWhite;
    if (ARow == 3) return P.Dark ? Mix(P.GlyphLight, P.FrameInactiveFill, 0.4) : P.GlyphDisabled;
    if (ARow == 0 && P.Dark) return P.GlyphLight;
    return P.Glyph;
}

// The pin of the application menu's recent files: lying (unpinned) or upright (pinned).
void Pin(TArt& A, const art::TBox& B, bool AUpright, TRgb C, TRgb AHead) {
    if (AUpright) {
        const int x = CentreX(B, 7), y = B.Y + 2;
        Pattern(A, x, y,
                {".#####.", ".#...#.", ".#...#.", ".#...#.", "#######", "...#...", "...#...", "...#...",
                 "...#...", "...#..."},
                C);
        A.Fill({x + 2, y + 1, 3, 3}, AHead);
    } else {
        const int x = B.X + 2, y = CentreY(B, 7);
        Pattern(A, x, y,
                {".....#....", ".....#####", ".....#...#", "######...#", ".....#...#", ".....#####",
                 ".....#...."},
                C);
        A.Fill({x + 6, y + 2, 3, 3}, AHead);
    }
}

// The dialog launcher of a group's caption: a corner and an arrow out of it, in a 7 x 7 cell.
void Launcher(TArt& A, int X, int Y, TRgb C) {
    HLine(A, X, X + 6, Y, C);
    VLine(A, X, Y, Y + 6, C);
    HLine(A, X + 3, X + 7, Y + 6, C);
    VLine(A, X + 6, Y + 3, Y + 7, C);
    Px(A, X + 3, Y + 3, C);
    A.Fill({X + 4, Y + 4, 2, 2}, C);
}

// The two-pixel check mark of menus.
void CheckMark(TArt& A, const art::TBox& B, TRgb C) {
    const int x = CentreX(B, 9), y = CentreY(B, 8);
    Pattern(A, x, y,
            {"........#", ".......##", "......##.", "#....##..", "##..##...", ".####....", "..##.....",
             "........."},
            C);
}

// A grip of dots, each with a light dot below right of it.
void Dots(TArt& A, std::initializer_list<std::pair<int, int>> ADots, int X, int Y, TRgb C, TRgb ALight) {
    for (auto [dx, dy] : ADots) {
        Px(A, X + dx + 1, Y + dy + 1, ALight);
        Px(A, X + dx, Y + dy, C);
    }
}

// The state of an arrow cell of a four-state glyph strip (normal, hot, pressed, disabled): its ink.
TRgb StripInk(const TPalette& P, const ribbon_sheets::TovRibbonCutInfo& ACut, int ACell) {
    const int state = StateOfCell(ACut, ACell);
    if (state == 1 || state == 8) return P.GlyphDisabled;
    return P.Glyph;
}

// The menu view's selected tab points at its page: a notch in the page's white, edged in the separator's
// colour, two rows for each column.
void Notch(TArt& A, const art::TBox& B, TRgb AEdge) {
    const int mid = B.Y + B.H / 2;
    for (int c = 0; c < B.W; ++c) {
        const int x = B.X + c, half = c + 1;
        const int top = std::max(B.Y, mid - half), bottom = std::min(B.Bottom(), mid + half);
        VLine(A, x, top, bottom, kWhite);
        Px(A, x, top, AEdge);
        Px(A, x, bottom - 1, AEdge);
    }
}

} // namespace

void DrawGlyphCell(const TCell& C) {
    using enum TovRibbonCut;
    const TPalette& p = C.P;
    const art::TBox& b = C.B;
    TArt& A = C.A;
    switch (C.Cut.Cut) {
    case HelpGlyph:
        A.FillCircle(b.X + 8, b.Y + 8, 7, p.Style == 2 ? p.Glyph : Hex(0x3D74C0));
        Pattern(A, b.X + 5, b.Y + 3, {".###.", "#...#", "....#", "...#.", "..#..", "..#..", ".....", "..#.."},
                kWhite);
        break;
    case PinGlyph:
        Pin(A, b, C.Index == 1, p.Glyph, C.Index == 1 ? Mix(p.Hot.Bottom, p.Hot.Border, 0.3) : kWhite);
        break;
    case ScrollArrow:
        Triangle(A, b.X, b.Y, 3, dDown, p.Glyph);
        break;
    case TabGroupCaptionGlyph:
        Launcher(A, b.X + 3, b.Y + 3, C.Index == 0 ? p.Glyph : p.GlyphDisabled);
        break;
    case MenuMark:
        Chevron(A, b.X + 5, b.Y + 4, 4, dDown, p.Glyph);
        Chevron(A, b.X + 5, b.Y + 9, 4, dDown, p.Glyph);
        break;
    case SmallArrowGlyph:
        Triangle(A, b.X, b.Y + 1 + C.Index, 4, dDown, p.Glyph);
        break;
    case GalleryTopSizeGrip:
        Dots(A, {{5, 0}, {5, 2}, {3, 0}, {5, 4}, {3, 2}, {1, 0}}, b.X, b.Y, p.Glyph, kWhite);
        break;
    case GalleryBottomSizeGrip:
        Dots(A, {{5, 1}, {5, 3}, {3, 3}, {5, 5}, {3, 5}, {1, 5}}, b.X, b.Y, p.Glyph, kWhite);
        break;
    case GalleryVerticalSizeGrip:
        Dots(A, {{0, 3}, {2, 3}, {4, 3}}, b.X, b.Y, p.Glyph, kWhite);
        break;
    case MenuCheckMark:
        CheckMark(A, b, C.Index == 0 ? p.Glyph : p.GlyphDisabled);
        break;
    case QatGroupButton:
        A.Fill({b.X + 2, b.Y + 3, 12, 10}, kWhite);
        WindowBox(A, {b.X + 2, b.Y + 3, 12, 10}, p.Glyph);
        A.Fill({b.X + 4, b.Y + 6, 3, 3}, p.Accents[1]);
        A.Fill({b.X + 9, b.Y + 6, 3, 3}, p.Accents[0]);
        HLine(A, b.X + 4, b.X + 12, b.Y + 10, p.GlyphDisabled);
        break;
    case ScrollVertLineDownGlyph:
        Triangle(A, b.X + 1, b.Y + 3, 4, dDown, p.Glyph);
        break;
    case ScrollVertLineUpGlyph:
        Triangle(A, b.X + 1, b.Y + 2, 4, dUp, p.Glyph);
        break;
    case ScrollHorzLineDownGlyph:
        Triangle(A, b.X + 3, b.Y + 1, 4, dRight, p.Glyph);
        break;
    case ScrollHorzLineUpGlyph:
        Triangle(A, b.X + 2, b.Y + 1, 4, dLeft, p.Glyph);
        break;
    case ScrollVertThumbGlyph:
        for (int i = 0; i < 3; ++i) {
            HLine(A, b.X + 3, b.X + 8, b.Y + 3 + 2 * i, p.ScrollThumbBorder);
            HLine(A, b.X + 4, b.X + 9, b.Y + 4 + 2 * i, kWhite, 0.8);
        }
        break;
    case ScrollHorzThumbGlyph:
        for (int i = 0; i < 3; ++i) {
            VLine(A, b.X + 3 + 2 * i, b.Y + 3, b.Y + 8, p.ScrollThumbBorder);
            VLine(A, b.X + 4 + 2 * i, b.Y + 4, b.Y + 9, kWhite, 0.8);
        }
        break;
    case SmallStateGlyph:
        Ring(A, {b.X + 1, b.Y + 1, 5, 5}, p.Glyph, 1, true);
        A.Fill({b.X + 2, b.Y + 2, 3, 3}, C.Index == 0 ? Mix(p.Glyph, kWhite, 0.55) : p.Glyph);
        break;
    case CaptionGlyphs:
    case CaptionGlyphs2010:
    case CaptionGlyphs2013: {
        const int icon = C.Index / 4, row = C.Index % 4;
        CaptionGlyph(A, b, icon, CaptionInk(p, icon, row), 1);
        break;
    }
    case GalleryUpGlyph:
    case GalleryUpGlyph2010:
        Triangle(A, CentreX(b, 5), b.Bottom() - 3, 3, dUp, StripInk(p, C.Cut, C.Index));
        break;
    case GalleryDownGlyph:
    case GalleryDownGlyph2010:
        Triangle(A, CentreX(b, 5), b.Y, 3, dDown, StripInk(p, C.Cut, C.Index));
        break;
    case GalleryDropDownGlyph:
    case GalleryDropDownGlyph2010: {
        const TRgb ink = StripInk(p, C.Cut, C.Index);
        const int size = b.W >= 7 ? 4 : 3;
        HLine(A, b.X, b.Right(), b.Y + (b.H >= 7 ? 1 : 0), ink);
        Triangle(A, CentreX(b, 2 * size - 1), b.Bottom() - size, size, dDown, ink);
        break;
    }
    case ArrowDown:
        Triangle(A, b.X, b.Y, 3, dDown, C.Index == 1 ? p.GlyphDisabled : p.Glyph);
        break;
    case MenuArrowDown:
        Triangle(A, b.X, b.Y, 4, dDown, p.Glyph);
        break;
    case MenuArrowRight:
        Triangle(A, b.X, b.Y, 4, dRight, p.Glyph);
        break;
    case MinimizeCollapseGlyph:
    case MinimizeExpandGlyph:
        Chevron(A, b.X, b.Y + 1, 4, C.Cut.Cut == MinimizeCollapseGlyph ? dUp : dDown,
                C.Index == 0 ? p.Glyph : p.GlyphDisabled);
        break;
    case MinimizePinGlyph:
        Pin(A, b, false, C.Index == 0 ? p.Glyph : p.GlyphDisabled, kWhite);
        break;
    case MdiCloseGlyph:
    case MdiCloseGlyph2013:
        Cross(A, CentreX(b, 7), CentreY(b, 7), 7, C.Index == 3 ? p.GlyphDisabled : p.Glyph);
        break;
    case MenuViewTabGlyph:
        Notch(A, b, p.MenuSeparator);
        break;
    case MenuViewButton:
        // Masks: the circle the button sits in, and the arrow back to the document.
        if (C.Index == 1) {
            A.FillCircle(b.X + 20, b.Y + 20, 16, kWhite);
        } else {
            A.StrokeArc(b.X + 20, b.Y + 20, 15, 0, 360, 2, kWhite);
            const double arrow[] = {b.X + 27.0, b.Y + 20.0, b.X + 13.0, b.Y + 20.0};
            A.StrokePolyline(arrow, 2, 3, kWhite);
            const double head[] = {b.X + 19.0, b.Y + 13.0, b.X + 12.0, b.Y + 20.0, b.X + 19.0, b.Y + 27.0};
            A.StrokePolyline(head, 3, 3, kWhite);
        }
        break;
    default:
        break;
    }
}

} // namespace ribbonsheets
