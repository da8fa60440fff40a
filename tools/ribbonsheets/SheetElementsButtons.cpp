// Button-like cells: ribbon buttons in their states, caption and scroll buttons, the application button,
// the menu view's tabs and items, check frames, scroll bar parts and progress bars.
#include "tools/ribbonsheets/SheetDrawing.h"
#include "tools/ribbonsheets/SheetElements.h"

namespace ribbonsheets {

using namespace ribbonsheets::draw;
using art::Hex;
using art::Mix;
using ribbon_sheets::TovRibbonCut;

namespace {

// A strip cell in its state's look; normal and disabled cells stay empty unless they show at rest.
void StateButton(const TCell& C, bool ARestVisible, int ASides = sAll, bool ARounded = true) {
    const int state = StateOfCell(C.Cut, C.Index);
    if (!ARestVisible && (state == 0 || state == 1)) return;
    Button(C.A, C.B, LookOf(C.P, state), ARounded && C.P.Rounded, C.P.Glossy, ASides);
}

// The halves of a split button share a two-pixel divider: each half closes its side with a lighter line.
void SplitHalf(const TCell& C, bool AMain, bool ALarge) {
    const int state = StateOfCell(C.Cut, C.Index);
    if (state == 0 || state == 1) return;
    const TLook& look = LookOf(C.P, state);
    if (ALarge) {
        // The upper part opens downwards, the lower part upwards; a line parts them.
        if (AMain) {
            Button(C.A, C.B, look, C.P.Rounded, C.P.Glossy, sLeft | sTop | sRight);
            HLine(C.A, C.B.X + 1, C.B.Right() - 1, C.B.Bottom() - 1, look.Border, 0.45);
        } else {
            Button(C.A, C.B, look, C.P.Rounded, false, sLeft | sRight | sBottom);
            HLine(C.A, C.B.X, C.B.Right(), C.B.Y, look.Border, 0.75);
        }
        return;
    }
    if (AMain) {
        Button(C.A, C.B, look, C.P.Rounded, C.P.Glossy, sLeft | sTop | sBottom);
        VLine(C.A, C.B.Right() - 1, C.B.Y + 1, C.B.Bottom() - 1, look.Border, 0.45);
    } else {
        Button(C.A, C.B, look, C.P.Rounded, C.P.Glossy, sRight | sTop | sBottom);
        VLine(C.A, C.B.X, C.B.Y, C.B.Bottom(), look.Border, 0.75);
    }
}

// Cells in order normal, hot, pressed (and disabled): the looks of those states.
const TLook& CellLook(const TPalette& P, int ACell) {
    switch (ACell) {
    case 1:
        return P.Hot;
    case 2:
        return P.Pressed;
    case 3:
        return P.Disabled;
    default:
        return P.Rest;
    }
}

TLook Translucent(TLook L, double AAlpha) {
    L.FillAlpha *= AAlpha;
    L.InnerAlpha *= AAlpha;
    return L;
}

// The close button lights up red.
TLook CloseLook(int ACell) {
    switch (ACell) {
    case 0:
        return {Hex(0xB23A2D), 1, Hex(0xF3A195), 0.55, Hex(0xEE7F70), Hex(0xD9493A)};
    case 1:
        return {Hex(0x8E2A20), 1, Hex(0xD86E62), 0.4, Hex(0xC43D2E), Hex(0xD8604F)};
    default:
        return {Hex(0xC9958E), 1, Hex(0xFAE3E0), 0.6, Hex(0xF5CBC5), Hex(0xEBAAA1)};
    }
}

// The 2007 application button: a round glossy orb.
void Orb(const TCell& C) {
    static const TLook looks[] = {{Hex(0x6A8CB9), 1, kWhite, 0.5, Hex(0xF6F9FE), Hex(0x93B6E4)},
                                  {Hex(0xBC8A3A), 1, kWhite, 0.6, Hex(0xFFF3D0), Hex(0xF7BC52)},
                                  {Hex(0xA3692A), 1, Hex(0xFFE0B0), 0.5, Hex(0xF9C87C), Hex(0xEB8E2E)}};
    const TLook& look = looks[C.Index % 3];
    const art::TBox orb = C.B.Inset(1);
    C.A.FillRoundedVertical(orb, orb.W / 2.0, look.Top, look.Bottom);
    C.A.FillRoundedVertical({orb.X + 5, orb.Y + 2, orb.W - 10, orb.H / 2 - 2}, orb.W / 4.0, kWhite,
                            Mix(look.Top, kWhite, 0.3));
    C.A.Ring(orb, orb.W / 2.0, look.Border);
}

// The 2010 application button: a tab in the accent colour, rounded at the top, open at the bottom.
void AccentButton(const TCell& C) {
    const TRgb accent = C.P.Accents[C.Index / 3 % 5];
    const int state = C.Index % 3;
    TRgb top = Mix(accent, kWhite, 0.2), bottom = accent;
    if (state == 1) top = Mix(accent, kWhite, 0.36), bottom = Mix(accent, kWhite, 0.12);
    if (state == 2) top = Mix(accent, kBlack, 0.18), bottom = Mix(accent, kBlack, 0.04);
    const TRgb border = Mix(accent, kBlack, 0.28);
    const art::TBox& b = C.B;
    Gradient(C.A, {b.X + 1, b.Y + 1, b.W - 2, b.H - 1}, top, bottom);
    HLine(C.A, b.X + 2, b.Right() - 2, b.Y, border);
    VLine(C.A, b.X, b.Y + 2, b.Bottom(), border);
    VLine(C.A, b.Right() - 1, b.Y + 2, b.Bottom(), border);
    Px(C.A, b.X + 1, b.Y + 1, border, 0.85);
    Px(C.A, b.Right() - 2, b.Y + 1, border, 0.85);
    Px(C.A, b.X + 1, b.Y, border, 0.3);
    Px(C.A, b.Right() - 2, b.Y, border, 0.3);
    C.A.Clear({b.X, b.Y, 1, 2});
    C.A.Clear({b.Right() - 1, b.Y, 1, 2});
    C.A.Clear({b.X, b.Y, 1, 1});
    HLine(C.A, b.X + 2, b.Right() - 2, b.Y + 1, kWhite, state == 2 ? 0.15 : 0.35);
}

// A menu view tab: a band across the navigation pane in the accent's tint, lines above and below.
void MenuViewTabCell(const TCell& C) {
    const TRgb accent = C.P.Accents[C.Index / 4 % 5];
    const int row = C.Index % 4;
    TRgb top, bottom, line;
    switch (row) {
    case 0:
        top = Mix(accent, kWhite, 0.86), bottom = Mix(accent, kWhite, 0.76), line = Mix(accent, kWhite, 0.55);
        break;
    case 1:
        top = Mix(accent, kWhite, 0.14), bottom = accent, line = Mix(accent, kBlack, 0.22);
        break;
    case 2:
        top = Mix(accent, kWhite, 0.3), bottom = Mix(accent, kWhite, 0.1), line = Mix(accent, kBlack, 0.12);
        break;
    default:
        top = Hex(0xEEF0F2), bottom = Hex(0xE3E6E9), line = Hex(0xCDD1D5);
        break;
    }
    const art::TBox& b = C.B;
    Gradient(C.A, {b.X, b.Y + 1, b.W, b.H - 2}, top, bottom);
    HLine(C.A, b.X, b.Right(), b.Y, line);
    HLine(C.A, b.X, b.Right(), b.Bottom() - 1, line);
    HLine(C.A, b.X, b.Right(), b.Y + 1, kWhite, row == 1 ? 0.25 : 0.5);
}

void MenuViewItemCell(const TCell& C) {
    const TRgb accent = C.P.Accents[C.Index / 2 % 5];
    if (C.Index % 2 == 0)
        Button(
            C.A, C.B,
            {Mix(accent, kWhite, 0.45), 1, kWhite, 0.6, Mix(accent, kWhite, 0.9), Mix(accent, kWhite, 0.78)},
            true);
    else
        Button(C.A, C.B, C.P.DisabledSelected, true);
}

// A scroll bar's track: its two long sides drawn.
void Track(const TCell& C, bool AHorizontalBar) {
    const TRgb fill = C.Index == 2   ? Mix(C.P.ScrollTrack, C.P.ScrollBorder, 0.45)
                      : C.Index == 1 ? Mix(C.P.ScrollTrack, kWhite, 0.35)
                      : C.Index == 3 ? Mix(C.P.ScrollTrack, kWhite, 0.5)
                                     : C.P.ScrollTrack;
    C.A.Fill(C.B, fill);
    const int sides = AHorizontalBar ? sTop | sBottom : sLeft | sRight;
    Ring(C.A, C.B, C.P.ScrollBorder, C.Index == 3 ? 0.5 : 1, false, sides);
}

void ScrollButton(const TCell& C) {
    TLook look = CellLook(C.P, C.Index);
    if (C.Index == 0) look = Translucent(look, 0.85);
    Button(C.A, C.B.Inset(1), look, C.P.Rounded);
}

void Thumb(const TCell& C, bool AVerticalBar) {
    TLook look = C.Index == 0 ? TLook{C.P.ScrollThumbBorder, 1, kWhite, 0.75, C.P.ScrollThumbTop,
                                      C.P.ScrollThumbBottom}
                              : CellLook(C.P, C.Index);
    const art::TBox b = C.B.Inset(1);
    if (AVerticalBar) {
        // Across a vertical bar the thumb shades from left to right.
        HGradient(C.A, b.Inset(1), look.Top, look.Bottom);
        Ring(C.A, b.Inset(1), look.Inner, look.InnerAlpha, C.P.Rounded);
        Ring(C.A, b, look.Border, 1, C.P.Rounded);
        return;
    }
    Button(C.A, b, look, C.P.Rounded);
}

void Progress(const TCell& C, TovRibbonCut ACut) {
    const TPalette& p = C.P;
    if (ACut == TovRibbonCut::ProgressSubstrate) {
        Button(C.A, C.B, {p.ScrollBorder, 1, kWhite, 0.6, Mix(p.ScrollTrack, kWhite, 0.5), p.ScrollTrack},
               p.Rounded);
        return;
    }
    Button(C.A, C.B, {p.ProgressBorder, 1, kWhite, 0.35, p.ProgressTop, p.ProgressBottom}, p.Rounded, true);
}

} // namespace

void DrawButtonCell(const TCell& C) {
    using enum TovRibbonCut;
    const TPalette& p = C.P;
    switch (C.Cut.Cut) {
    case SmallButton:
    case LargeButton:
    case TabGroupCaptionButton:
        StateButton(C, false);
        break;
    case SmallSplitMain:
        SplitHalf(C, true, false);
        break;
    case SmallSplitDropDown:
        SplitHalf(C, false, false);
        break;
    case LargeSplitMain:
        SplitHalf(C, true, true);
        break;
    case LargeSplitDropDown:
        SplitHalf(C, false, true);
        break;
    case EditButton:
        StateButton(C, false, sAll, false);
        break;
    case ButtonGroupButton:
        StateButton(C, true, sAll, false);
        break;
    case QatMarkA:
    case QatMarkB:
    case CollapsedGroupGlyph:
    case CollapsedGroupGlyph2010:
        StateButton(C, true);
        break;
    case GalleryUp:
    case GalleryDown:
    case GalleryDropDown:
        StateButton(C, true, sAll, false);
        break;
    case CaptionButton:
    case CaptionButton2010: {
        const TLook& look = C.Index == 0 ? p.Hot : C.Index == 1 ? p.Pressed : p.Rest;
        Button(C.A, C.B, look, p.Rounded, p.Glossy);
        break;
    }
    case CloseButton:
        Button(C.A, C.B, CloseLook(C.Index), p.Rounded);
        break;
    case TabScrollLeft:
    case TabScrollRight:
    case GroupsScrollLeft:
    case GroupsScrollRight: {
        TLook look = CellLook(p, C.Index);
        if (C.Index == 0) look = Translucent(look, 0.9);
        Button(C.A, C.B, look, p.Rounded, p.Glossy);
        break;
    }
    case ApplicationMenuButton:
        Button(C.A, C.B, p.Rest, p.Rounded, p.Glossy);
        break;
    case ApplicationButton:
        Orb(C);
        break;
    case ApplicationButton2010:
        AccentButton(C);
        break;
    case MenuViewTab:
        MenuViewTabCell(C);
        break;
    case MenuViewItem:
        MenuViewItemCell(C);
        break;
    case MenuCheck:
        Button(C.A, C.B, C.Index == 0 ? p.Checked : p.DisabledSelected, p.Rounded);
        break;
    case MenuDetachCaption:
    case MenuScrollArea: {
        const int state = StateOfCell(C.Cut, C.Index);
        Button(C.A, C.B, state == 0 ? p.Rest : LookOf(p, state), p.Rounded);
        break;
    }
    case MenuScrollAreaNormal:
        Button(C.A, C.B, {p.MenuSeparator, 1, kWhite, 0, p.MenuGlyphColumn, p.MenuGlyphColumn}, false);
        break;
    case ScrollPageHorz:
        Track(C, true);
        break;
    case ScrollPageVert:
        Track(C, false);
        break;
    case ScrollVertLineDown:
    case ScrollVertLineUp:
    case ScrollHorzLineDown:
    case ScrollHorzLineUp:
        ScrollButton(C);
        break;
    case ScrollVertThumb:
        Thumb(C, true);
        break;
    case ScrollHorzThumb:
        Thumb(C, false);
        break;
    case ProgressBand:
    case ProgressChunk:
    case ProgressSubstrate:
        Progress(C, C.Cut.Cut);
        break;
    default:
        break;
    }
}

} // namespace ribbonsheets
