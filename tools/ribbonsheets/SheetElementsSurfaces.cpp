// The ribbon's surfaces: the groups area, group bodies and caption strips, collapsed groups, tabs and
// context tabs with their tinted layers, context captions, separators, the quick access toolbar's bands,
// button group borders and the status bar's separators and borders.
#include "tools/ribbonsheets/SheetDrawing.h"
#include "tools/ribbonsheets/SheetElements.h"

#include <algorithm>

namespace ribbonsheets {

using namespace ribbonsheets::draw;
using art::Hex;
using art::Mix;
using ribbon_sheets::TovRibbonCut;

namespace {

// Tinted layers are neutral grey: the skin turns them the context's colour in proportion to their alpha.
const TRgb kNeutral = Hex(0x808080);

// The groups area: a line under the tab row, a light body, its bottom border and a soft shadow (none when
// the quick access toolbar sits right below).
void GroupsAreaCell(const TCell& C, bool AToolbarBelow, bool ASides, double ATopAlpha = 1) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    if (p.Style == 0) {
        // 2007: a rounded frame around a shaded body.
        Button(C.A, b, {p.BodyBorder, 1, p.BodyLight, 0.8, p.BodyTop, p.BodyBottom}, true);
        return;
    }
    const int shadow = AToolbarBelow ? 0 : 1;
    for (int y = b.Y + 2; y < b.Bottom() - 2 - shadow; ++y) {
        const double t = double(y - b.Y - 2) / std::max(1, b.H - 5 - shadow);
        const double alpha = y - b.Y < 17 ? ATopAlpha + (1 - ATopAlpha) * (y - b.Y) / 17.0 : 1.0;
        HLine(C.A, b.X, b.Right(), y, Mix(p.BodyTop, p.BodyBottom, t), alpha);
    }
    HLine(C.A, b.X, b.Right(), b.Y, p.BodyBorder, 0.5);
    HLine(C.A, b.X, b.Right(), b.Y + 1, p.BodyLight, ATopAlpha);
    HLine(C.A, b.X, b.Right(), b.Bottom() - 2 - shadow, p.BodyBorder);
    if (!AToolbarBelow) HLine(C.A, b.X, b.Right(), b.Bottom() - 1, p.BodyBorder, 0.2);
    if (ASides) {
        VLine(C.A, b.X, b.Y, b.Bottom() - 2 - shadow, p.BodyBorder);
        VLine(C.A, b.Right() - 1, b.Y, b.Bottom() - 2 - shadow, p.BodyBorder);
        VLine(C.A, b.X + 1, b.Y + 1, b.Bottom() - 3 - shadow, p.BodyLight, 0.8);
        VLine(C.A, b.Right() - 2, b.Y + 1, b.Bottom() - 3 - shadow, p.BodyLight, 0.8);
    }
}

// A group's body or caption strip: clear, lifted when hot, the group separator at its right.
void GroupPart(const TCell& C, bool ACaption) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    const bool hot = C.Index == 1;
    if (p.Style == 0) {
        // 2007: a framed group; the caption in a band of its own.
        if (ACaption) {
            Gradient(C.A, {b.X + 1, b.Y, b.W - 2, b.H - 1},
                     hot ? Mix(p.CaptionTop, kWhite, 0.3) : p.CaptionTop, p.CaptionBottom);
            Ring(C.A, b, p.BodyBorder, 1, true, sLeft | sRight | sBottom);
        } else {
            Gradient(C.A, {b.X + 1, b.Y + 1, b.W - 2, b.H - 1}, hot ? kWhite : p.BodyTop, p.BodyBottom, 0.9);
            Ring(C.A, b, p.BodyBorder, 1, true, sLeft | sTop | sRight);
            VLine(C.A, b.X + 1, b.Y + 1, b.Bottom(), p.BodyLight, 0.7);
        }
        return;
    }
    if (hot) C.A.Fill({b.X, b.Y, b.W - 3, b.H - (ACaption ? 2 : 0)}, kWhite, 0.45);
    // The separator fades in at the group's top and out at the caption's bottom.
    const int x = b.Right() - 2;
    const int bottom = ACaption ? b.Bottom() - 2 : b.Bottom();
    FadingVLine(C.A, x, b.Y, bottom, p.GroupSeparator, 1, ACaption ? 0 : 16, ACaption ? 12 : 0);
    FadingVLine(C.A, x + 1, b.Y, bottom, p.GroupSeparatorLight, 0.9, ACaption ? 0 : 16, ACaption ? 12 : 0);
}

// A group collapsed to one button: the group's look, lit in the button's states.
void CollapsedGroupCell(const TCell& C) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    const int state = StateOfCell(C.Cut, C.Index);
    if (p.Style == 0) {
        Button(C.A, b,
               state == 0 ? TLook{p.BodyBorder, 1, p.BodyLight, 0.8, p.BodyTop, p.BodyBottom}
                          : LookOf(p, state),
               true, true);
        return;
    }
    const int right = b.Right() - 3, bottom = b.Bottom() - 3;
    if (state != 0) {
        const TLook& look = LookOf(p, state);
        Gradient(C.A, {b.X, b.Y, right - b.X, bottom - b.Y}, look.Top, look.Bottom, 0.92);
        HLine(C.A, b.X, right, bottom, look.Border);
        VLine(C.A, right, b.Y, bottom, look.Border);
        Px(C.A, right, bottom, look.Border, 0.4);
    }
    FadingVLine(C.A, b.Right() - 2, b.Y, b.Bottom(), p.GroupSeparator, 1, 16, 10);
    FadingVLine(C.A, b.Right() - 1, b.Y, b.Bottom(), p.GroupSeparatorLight, 0.9, 16, 10);
}

// A tab: nothing when normal; a faint lift when hot or focused; joined to the groups area when active.
void TabCell(const TCell& C, bool AContext) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    const int state = C.Index;
    if (state == 0) return;
    const bool active = state == 2 || state == 3;
    const TRgb border = active ? p.TabBorder : p.TabHotBorder;
    const double borderAlpha = active ? 1 : 0.8;
    HLine(C.A, b.X + 2, b.Right() - 2, b.Y, border, borderAlpha);
    Px(C.A, b.X + 1, b.Y, border, 0.25 * borderAlpha);
    Px(C.A, b.Right() - 2, b.Y, border, 0.25 * borderAlpha);
    Px(C.A, b.X + 1, b.Y + 1, border, 0.75 * borderAlpha);
    Px(C.A, b.Right() - 2, b.Y + 1, border, 0.75 * borderAlpha);
    VLine(C.A, b.X, b.Y + 2, b.Bottom(), border, borderAlpha);
    VLine(C.A, b.Right() - 1, b.Y + 2, b.Bottom(), border, borderAlpha);
    const art::TBox face{b.X + 1, b.Y + 1, b.W - 2, b.H - 1};
    if (active) {
        const double alpha = AContext ? 0.8 : 1.0;
        HLine(C.A, face.X + 1, face.Right() - 1, face.Y, p.TabTop, alpha);
        Gradient(C.A, {face.X, face.Y + 1, face.W, face.H - 1}, p.TabTop, p.TabBottom, alpha);
        // Hot on the active tab: a warm line along its top.
        if (state == 3) HLine(C.A, face.X + 1, face.Right() - 1, face.Y, p.Hot.Border, 0.85);
    } else {
        Gradient(C.A, {face.X, face.Y + 1, face.W, face.H - 1}, kWhite, Mix(kWhite, p.TabRow, 0.4),
                 state == 4 ? 0.6 : 0.42);
        HLine(C.A, face.X + 1, face.Right() - 1, face.Y, kWhite, 0.55);
        if (state == 4) HLine(C.A, face.X + 1, face.Right() - 1, face.Y, p.Hot.Border, 0.7);
    }
}

// The part of a context tab the context's colour shows in.
void ContextTabLayerCell(const TCell& C) {
    const art::TBox& b = C.B;
    double top = 0.1, bottom = 0.3;
    switch (C.Index) {
    case 1:
        top = 0.25, bottom = 0.45;
        break;
    case 2:
    case 3:
        top = 0.1, bottom = 0.05;
        break;
    case 4:
        top = 0.3, bottom = 0.45;
        break;
    default:
        break;
    }
    for (int y = 0; y < b.H; ++y)
        HLine(C.A, b.X, b.Right(), b.Y + y, kNeutral, top + (bottom - top) * y / std::max(1, b.H - 1));
    // The active tab keeps a band of solid colour along its top.
    if (C.Index == 2 || C.Index == 3) C.A.Fill({b.X + 1, b.Y, b.W - 2, 3}, kNeutral, 0.95);
}

// A context's caption: the colour layer is solid along the top and fades below; the overlay lights it.
void ContextCaptionLayerCell(const TCell& C) {
    const art::TBox& b = C.B;
    C.A.Fill({b.X, b.Y, b.W, 4}, kNeutral);
    for (int y = 4; y < b.H; ++y)
        HLine(C.A, b.X, b.Right(), b.Y + y, kNeutral, 0.55 - 0.3 * (y - 4) / (b.H - 5.0));
}

void ContextCaptionOverlay(const TCell& C, bool AGlass) {
    const art::TBox& b = C.B;
    HLine(C.A, b.X, b.Right(), b.Y + 4, kWhite, 0.5);
    for (int y = 5; y < b.H - 1; ++y)
        HLine(C.A, b.X + 1, b.Right() - 1, b.Y + y, kWhite, 0.1 + 0.4 * (y - 5) / (b.H - 6.0));
    VLine(C.A, b.X, b.Y + 4, b.Bottom(), Hex(0x000000), AGlass ? 0.1 : 0.18);
    VLine(C.A, b.Right() - 1, b.Y + 4, b.Bottom(), Hex(0x000000), AGlass ? 0.1 : 0.18);
    HLine(C.A, b.X, b.Right(), b.Bottom() - 1, kWhite, 0.6);
}

// The quick access toolbar above the ribbon: a faint pill behind its buttons.
void QatPill(const TCell& C, bool ALeftEnd, bool ARightEnd, double AAlpha) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    // The pill's lines lie in the cell's fixed top and bottom rows.
    const int top = b.Y + std::max(0, C.Cut.Margins.Top - 1);
    const int bottom = b.Bottom() - std::max(0, C.Cut.Margins.Bottom - 1);
    const int left = ALeftEnd ? b.X + 1 : b.X, right = ARightEnd ? b.Right() - 1 : b.Right();
    C.A.Fill({left, top + 1, right - left, bottom - top - 2}, kWhite, 0.35 * AAlpha);
    HLine(C.A, left + (ALeftEnd ? 1 : 0), right - (ARightEnd ? 1 : 0), top, p.Edge, 0.35 * AAlpha);
    HLine(C.A, left + (ALeftEnd ? 1 : 0), right - (ARightEnd ? 1 : 0), bottom - 1, p.Edge, 0.45 * AAlpha);
    if (ALeftEnd) {
        VLine(C.A, b.X, top + 1, bottom - 1, p.Edge, 0.45 * AAlpha);
        Px(C.A, b.X + 1, top, p.Edge, 0.15 * AAlpha);
        Px(C.A, b.X + 1, bottom - 1, p.Edge, 0.2 * AAlpha);
    }
    if (ARightEnd) {
        VLine(C.A, b.Right() - 1, top + 1, bottom - 1, p.Edge, 0.45 * AAlpha);
        Px(C.A, b.Right() - 2, top, p.Edge, 0.15 * AAlpha);
        Px(C.A, b.Right() - 2, bottom - 1, p.Edge, 0.2 * AAlpha);
    }
}

// A separator line fading out towards its ends, with a light line beside it.
void SeparatorCell(const TCell& C, bool AVertical, int ALineAt, double AAlpha, int AFade) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    if (AVertical) {
        FadingVLine(C.A, b.X + ALineAt, b.Y, b.Bottom(), p.GroupSeparator, AAlpha, AFade, AFade);
        if (ALineAt + 1 < b.W)
            FadingVLine(C.A, b.X + ALineAt + 1, b.Y, b.Bottom(), p.GroupSeparatorLight, AAlpha * 0.9, AFade,
                        AFade);
    } else {
        FadingHLine(C.A, b.X, b.Right(), b.Y + ALineAt, p.GroupSeparator, AAlpha, AFade, AFade);
        if (ALineAt + 1 < b.H)
            FadingHLine(C.A, b.X, b.Right(), b.Y + ALineAt + 1, p.GroupSeparatorLight, AAlpha * 0.9, AFade,
                        AFade);
    }
}

// A separator between the buttons of a group, by the group's state.
void GroupButtonSeparator(const TCell& C) {
    const int state = StateOfCell(C.Cut, C.Index);
    const TLook& look = LookOf(C.P, state);
    const art::TBox& b = C.B;
    for (int x = b.X; x < b.Right(); ++x)
        VLine(C.A, x, b.Y + 1, b.Bottom() - 1, look.Border, x == b.X ? 1 : 0.5);
}

// The status bar: separators between its panels and the form's border beside it.
void StatusSeparator(const TCell& C, int ATop) {
    const art::TBox& b = C.B;
    VLine(C.A, b.X, b.Y + ATop, b.Bottom(), C.P.StatusLine);
    if (b.W > 1) VLine(C.A, b.X + 1, b.Y + ATop, b.Bottom(), C.P.StatusLight, 0.8);
}

void StatusBorder(const TCell& C, bool ARight) {
    const art::TBox& b = C.B;
    const TPalette& p = C.P;
    const bool active = C.Index < 2;
    const TRgb outer = active ? p.FrameOuter : Mix(p.FrameOuter, p.FrameInactiveFill, 0.4);
    Gradient(C.A, b, active ? p.StatusTop : Mix(p.StatusTop, kWhite, 0.4),
             active ? p.StatusBottom : Mix(p.StatusBottom, kWhite, 0.4));
    VLine(C.A, ARight ? b.Right() - 1 : b.X, b.Y, b.Bottom(), outer);
    VLine(C.A, ARight ? b.Right() - 2 : b.X + 1, b.Y, b.Bottom(), p.FrameInner, active ? 0.8 : 0.5);
    HLine(C.A, b.X, b.Right(), b.Y, p.StatusLine, 0.6);
    if (C.Index % 2 == 1) HLine(C.A, b.X, b.Right(), b.Y + 1, p.StatusLight, 0.7);
}

} // namespace

void DrawSurfaceCell(const TCell& C) {
    using enum TovRibbonCut;
    const TPalette& p = C.P;
    const art::TBox& b = C.B;
    switch (C.Cut.Cut) {
    case GroupsArea:
        GroupsAreaCell(C, false, false);
        break;
    case GroupsArea2010:
        GroupsAreaCell(C, C.Index == 1, false);
        break;
    case GroupsAreaPopup:
        GroupsAreaCell(C, true, true);
        break;
    case ContextGroupsArea:
        GroupsAreaCell(C, false, false);
        break;
    case ContextGroupsArea2010:
        // The context's colour, already under it, shows through at the top.
        GroupsAreaCell(C, C.Index == 1, false, 0.55);
        break;
    case TabGroupBody:
    case TabGroupBody2010:
        GroupPart(C, false);
        break;
    case TabGroupCaption:
    case TabGroupCaption2010:
        GroupPart(C, true);
        break;
    case CollapsedGroup:
    case CollapsedGroup2010:
        CollapsedGroupCell(C);
        break;
    case Tab:
        TabCell(C, false);
        break;
    case ContextTab:
    case ContextTab2010:
        TabCell(C, true);
        break;
    case ContextTabLayer:
        ContextTabLayerCell(C);
        break;
    case ContextCaptionLayer:
        ContextCaptionLayerCell(C);
        break;
    case ContextCaption:
        ContextCaptionOverlay(C, false);
        break;
    case ContextCaptionGlass:
        ContextCaptionOverlay(C, true);
        break;
    case TabSeparator:
        SeparatorCell(C, true, 0, 1, 5);
        break;
    case TabSeparator2010:
        SeparatorCell(C, true, 0, 1, 3);
        break;
    case ContextTabSeparators:
    case ContextTabSeparators2010:
        FadingVLine(C.A, C.Index == 0 ? b.Right() - 1 : b.X, b.Y, b.Bottom(), Hex(0x000000), 0.28, 4, 0);
        if (b.W > 1) FadingVLine(C.A, C.Index == 0 ? b.X : b.Right() - 1, b.Y, b.Bottom(), kWhite, 0.5, 4, 0);
        break;
    case SeparatorVert:
        SeparatorCell(C, true, 1, 1, 4);
        break;
    case SeparatorHorz:
        SeparatorCell(C, false, 1, 1, 4);
        break;
    case TabOverlay:
        // A faint light along the top of the tab row, fading out towards the sides.
        FadingHLine(C.A, b.X, b.Right(), b.Y, kWhite, 0.35, 40, 40);
        break;
    case RibbonTopBand:
        Gradient(C.A, {b.X, b.Y, b.W, b.H - 1}, p.CaptionFillTop, p.TabRow);
        HLine(C.A, b.X, b.Right(), b.Bottom() - 1, p.TabRow);
        break;
    case QatBelow:
        Gradient(C.A, {b.X, b.Y + 1, b.W, b.H - 2}, p.BodyBottom, Mix(p.BodyBottom, p.Background, 0.6));
        HLine(C.A, b.X, b.Right(), b.Y, p.BodyLight);
        HLine(C.A, b.X, b.Right(), b.Bottom() - 1, p.BodyBorder);
        break;
    case QatEnd2010:
        QatPill(C, true, false, 1);
        break;
    case QatBody2010:
        QatPill(C, false, true, 1);
        break;
    case QatEndWithButton:
    case QatEnd:
        QatPill(C, true, false, C.Index == 0 ? 1.6 : 1.1);
        break;
    case QatBody:
        QatPill(C, false, true, C.Index == 0 ? 1.6 : 1.1);
        break;
    case QatGlassEndWithButton:
    case QatGlassEnd:
        QatPill(C, true, false, 1.4);
        break;
    case QatGlassBody:
        QatPill(C, false, true, 1.4);
        break;
    case ButtonGroupBorderLeft:
    case ButtonGroupBorderRight: {
        const bool left = C.Cut.Cut == ButtonGroupBorderLeft;
        VLine(C.A, left ? b.X : b.Right() - 1, b.Y + 1, b.Bottom() - 1, p.Rest.Border);
        VLine(C.A, left ? b.X + 1 : b.Right() - 2, b.Y + 1, b.Bottom() - 1, p.Rest.Inner, 0.7);
        HLine(C.A, b.X + (left ? 1 : 0), b.Right() - (left ? 0 : 1), b.Y, p.Rest.Border);
        HLine(C.A, b.X + (left ? 1 : 0), b.Right() - (left ? 0 : 1), b.Bottom() - 1, p.Rest.Border);
        break;
    }
    case ButtonGroupSeparator:
    case ButtonGroupSplitSeparator:
        GroupButtonSeparator(C);
        break;
    case StatusPanelSeparator:
    case StatusPanelSeparatorPlain:
    case StatusToolbarSeparator:
    case StatusRightSeparator:
        StatusSeparator(C, 2);
        break;
    case StatusGripSeparator:
        StatusSeparator(C, 2);
        break;
    case StatusSeparator2010:
    case StatusToolbarSeparator2010:
    case StatusRightSeparator2010:
        StatusSeparator(C, 2);
        break;
    case StatusBorderLeft:
    case StatusPlainBorderLeft:
    case StatusBorderLeft2010:
    case StatusPlainBorderLeft2010:
        StatusBorder(C, false);
        break;
    case StatusBorderRight:
    case StatusPlainBorderRight:
    case StatusBorderRight2010:
    case StatusPlainBorderRight2010:
        StatusBorder(C, true);
        break;
    default:
        break;
    }
}

} // namespace ribbonsheets
