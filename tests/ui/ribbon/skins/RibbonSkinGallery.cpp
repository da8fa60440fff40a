#include "RibbonSkinGallery.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Drawing.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/skins/RibbonSkinDispatch.h"

#include <string>

namespace ribbon_skin_test {

namespace {

// Draws the gallery onto one canvas: the skin, the accent, text helpers.
class TGallery {
public:
    TGallery(TovCustomRibbonSkin& ASkin, TBitmap& ABitmap, TovRibbonColorSchemeAccent AAccent)
        : S(ASkin), Canvas(*ABitmap.Canvas()), A(AAccent) {
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.Font()->SetName("Sans");
        Canvas.Font()->SetHeight(-11);
        DC = Canvas.Handle();
    }

    void Paint();

private:
    TColor Color(int AKey, int AState = 0) {
        const TColor c = S.GetPartColor(AKey, AState, A);
        return c == clDefault || c == clNone ? clWindowText : c;
    }
    void Text(int X, int Y, const std::string& AText, TColor AColor, bool ABold = false) {
        Canvas.Font()->SetColor(AColor);
        TFontStyles style;
        if (ABold) style.Include(fsBold);
        Canvas.Font()->SetStyle(style);
        Canvas.TextOut(X, Y, AText);
    }
    // Text centred in R.
    void Centred(const TRect& R, const std::string& AText, TColor AColor, bool ABold = false) {
        Canvas.Font()->SetStyle(ABold ? TFontStyles{fsBold} : TFontStyles{});
        const int w = Canvas.TextWidth(AText), h = Canvas.TextHeight(AText);
        Text(R.left + (uiWidthOfRect(R) - w) / 2, R.top + (uiHeightOfRect(R) - h) / 2, AText, AColor, ABold);
    }
    // The font state a tab's text takes: normal, hot, or selected for the active tab.
    static int TabFontState(int ATabState) {
        return ATabState == 2 || ATabState == 3 ? 3 : ATabState == 0 ? 0 : 2;
    }
    void Heading(int Y, const std::string& AText) { Text(12, Y, AText, Color(10133), true); }
    // A small square standing for an icon.
    void Icon(const TRect& R, TColor AColor) {
        FillRectWithColor(DC, R, AColor);
        FrameRectWithColor(DC, R, 0x404040);
    }
    void Part(int APart, int AState, const TRect& R) {
        ovRibbonSkinDrawBackground(S, DC, R, R, APart, AState, Context);
    }

    void MainWindow(int X, int Y);
    void Tabs(int Y);
    void ApplicationButtons(int Y);
    void Buttons(int Y);
    void CaptionButtons(int Y);
    void Captions(int Y);
    void Frames(int X, int Y);
    void Menus(int Y);
    void ScrollBars(int Y);
    void Galleries(int Y);
    void MenuView(int Y);
    void Contexts(int Y);
    void TipsAndToolbars(int Y);

    TovCustomRibbonSkin& S;
    TCanvas& Canvas;
    TovRibbonColorSchemeAccent A;
    HDC DC = nullptr;
    TovRibbonSkinContext Context;
};

void TGallery::Paint() {
    Context.Accent = A;
    Context.CaptionHeight = 14;
    Context.CaptionBottomOffset = 2;
    S.DrawFormBackground(DC, TRect{0, 0, kGalleryWidth, kGalleryHeight}, 0);
    MainWindow(10, 10);
    Frames(860, 10);
    Tabs(360);
    ApplicationButtons(440);
    Buttons(500);
    CaptionButtons(760);
    Captions(880);
    Menus(980);
    ScrollBars(1180);
    Galleries(1180);
    MenuView(1290);
    Contexts(1290);
    TipsAndToolbars(1480);
}

void TGallery::MainWindow(int X, int Y) {
    constexpr int width = 830, height = 330, captionHeight = 30, tabsHeight = 24;
    const TRect bounds{X, Y, X + width, Y + height};
    const TRect widths = S.GetWindowBordersWidth(false);
    TovRibbonSkinPaintData data;
    data.FormData.IsActive = true;
    data.FormData.WindowBounds = bounds;
    data.FormData.BorderStyle = 2;
    data.FormData.RoundedCorners = 1;
    data.CaptionHeight = captionHeight;
    data.TabsHeight = tabsHeight;
    data.RibbonHeight = tabsHeight + 94;
    data.Accent = A;
    // The caption with the quick access toolbar, the title and the caption buttons.
    const TRect caption{X, Y, X + width, Y + captionHeight};
    S.DrawFormCaption(DC, caption, data);
    const int inner = X + widths.left;
    S.DrawQuickAccessToolbar(DC, TRect{inner + 4, Y + 4, inner + 96, Y + captionHeight - 1}, false, true,
                             false, true, true);
    for (int i = 0; i < 3; ++i)
        Icon(uiRectOfBounds(inner + 12 + 22 * i, Y + 10, 12, 12), i == 1 ? 0x3A8AD8 : 0x4FA84F);
    S.DrawQuickAccessToolbarMarkButton(DC, uiRectOfBounds(inner + 78, Y + 6, 14, 20), 0, true, true, false,
                                       A);
    S.DrawArrowDown(DC, uiRectOfBounds(inner + 82, Y + 14, 5, 4), 0);
    Centred(caption, "Song.wav - OLVA Audio Editor", Color(ovSkinColorFormCaptionTextActive));
    const int buttonsRight = X + width - widths.right;
    const int icons[] = {0, 1, 3};
    for (int i = 0; i < 3; ++i) {
        const TRect r = uiRectOfBounds(buttonsRight - (3 - i) * 28, Y + 1, 28, 22);
        S.DrawFormBorderIcon(DC, r, icons[i], i == 2 ? 1 : 0, A);
    }
    // The tab row: the application button and five tabs.
    const TRect tabRow{X + widths.left, Y + captionHeight, X + width - widths.right,
                       Y + captionHeight + tabsHeight};
    S.DrawTabsAreaBackground(DC, tabRow, true, false, 0);
    S.DrawTabsAreaOverlay(DC, TRect{X, Y, X + width, tabRow.bottom}, true);
    const TSize appSize = S.GetApplicationButtonSize();
    const TRect app = S.IsApplicationButtonTab() ? TRect{tabRow.left + 2, tabRow.bottom - appSize.cy,
                                                         tabRow.left + 2 + appSize.cx, tabRow.bottom}
                                                 : uiRectOfBounds(X + 4, Y + 4, appSize.cx, appSize.cy);
    S.DrawApplicationButton(DC, app, 0, A);
    if (S.IsApplicationButtonTab()) Centred(app, "File", Color(10581), false);
    const char* tabs[] = {"Home", "Edit", "Effects", "View", "Tools"};
    const int tabStates[] = {2, 1, 0, 0, 0};
    int tx = app.right + 6;
    TFont* font = Canvas.Font();
    for (int i = 0; i < 5; ++i) {
        Canvas.Font()->SetStyle({});
        const int w = Canvas.TextWidth(tabs[i]) + 24;
        const TRect r{tx, tabRow.bottom - 23, tx + w, tabRow.bottom};
        S.DrawTab(DC, r, tabStates[i], A);
        S.SetTabFontColor(font, TabFontState(tabStates[i]), clDefault, A);
        Centred(TRect{r.left, r.top + 1, r.right, r.bottom}, tabs[i], font->Color());
        tx += w + 1;
    }
    S.DrawRibbonBottomEdge(DC, TRect{tabRow.left, tabRow.bottom - 1, tabRow.right, tabRow.bottom + 1});
    // The groups area with five groups.
    const TRect area{tabRow.left, tabRow.bottom, tabRow.right, tabRow.bottom + 94};
    S.DrawTabGroupsArea(DC, area, false, false);
    int gx = area.left + 3;
    const int gTop = area.top + 3, gBottom = area.bottom - 5;
    auto group = [&](int AWidth, const char* ACaption, int AState) {
        const TRect r{gx, gTop, gx + AWidth, gBottom};
        Part(ovSkinPartTabGroup, AState, r);
        const TRect captionRect = ovRibbonSkinCaptionRect(S, r, ovSkinPartTabGroup, Context);
        Centred(captionRect, ACaption, Color(10134));
        gx += AWidth + 1;
        return r;
    };
    const TColor itemText = Color(ovSkinColorItemText);
    // Clipboard: a large button and small ones.
    TRect g = group(150, "Clipboard", 0);
    S.DrawLargeButton(DC, TRect{g.left + 4, g.top + 2, g.left + 46, g.top + 68}, 2, A);
    Icon(uiRectOfBounds(g.left + 13, g.top + 8, 24, 24), 0x4A90D9);
    Centred(TRect{g.left + 4, g.top + 36, g.left + 46, g.top + 52}, "Paste", itemText);
    const char* small[] = {"Cut", "Copy", "Delete"};
    for (int i = 0; i < 3; ++i) {
        const TRect r{g.left + 50, g.top + 2 + 22 * i, g.left + 126, g.top + 24 + 22 * i};
        S.DrawButton(DC, r, i == 1 ? 4 : 0, A);
        Icon(uiRectOfBounds(r.left + 3, r.top + 3, 16, 16), 0x6B8E23 + 0x101010 * i);
        Text(r.left + 23, r.top + 4, small[i], itemText);
    }
    S.DrawTabGroupCaptionButton(DC, TRect{g.right - 15, g.bottom - 15, g.right, g.bottom - 1}, 2, A);
    S.DrawTabGroupCaptionButtonGlyph(DC, TRect{g.right - 14, g.bottom - 14, g.right - 2, g.bottom - 2}, 0, A);
    // Editing: split buttons, and a hot group.
    g = group(170, "Editing", 2);
    S.DrawLargeButtonMainPart(DC, TRect{g.left + 4, g.top + 2, g.left + 50, g.top + 41}, 2, A);
    S.DrawLargeButtonDropDown(DC, TRect{g.left + 4, g.top + 41, g.left + 50, g.top + 68}, 3, A);
    Icon(uiRectOfBounds(g.left + 15, g.top + 8, 24, 24), 0xC07030);
    Centred(TRect{g.left + 4, g.top + 42, g.left + 50, g.top + 56}, "Undo", itemText);
    S.DrawArrowDown(DC, uiRectOfBounds(g.left + 25, g.top + 58, 5, 4), 0);
    const TRect main{g.left + 56, g.top + 2, g.left + 128, g.top + 24};
    S.DrawButtonMainPart(DC, main, 3, A);
    S.DrawButtonDropDown(DC, TRect{main.right, main.top, main.right + 12, main.bottom}, 2, A);
    S.DrawArrowDown(DC, uiRectOfBounds(main.right + 4, main.top + 9, 5, 4), 2);
    Text(main.left + 23, main.top + 4, "Select", itemText);
    Icon(uiRectOfBounds(main.left + 3, main.top + 3, 16, 16), 0x8060C0);
    S.DrawButton(DC, TRect{g.left + 56, g.top + 24, g.left + 140, g.top + 46}, 6, A);
    Text(g.left + 79, g.top + 28, "Snap", itemText);
    Icon(uiRectOfBounds(g.left + 59, g.top + 27, 16, 16), 0x30A0A0);
    S.DrawButton(DC, TRect{g.left + 56, g.top + 46, g.left + 140, g.top + 68}, 1, A);
    Text(g.left + 79, g.top + 50, "Trim", Color(ovSkinColorItemText, 1));
    // Effects: large buttons checked and checked-hot, a separator.
    g = group(160, "Effects", 0);
    S.DrawLargeButton(DC, TRect{g.left + 4, g.top + 2, g.left + 50, g.top + 68}, 6, A);
    S.DrawLargeButton(DC, TRect{g.left + 52, g.top + 2, g.left + 98, g.top + 68}, 7, A);
    S.DrawLargeButton(DC, TRect{g.left + 108, g.top + 2, g.left + 154, g.top + 68}, 4, A);
    S.DrawSeparator(DC, TRect{g.left + 99, g.top + 2, g.left + 107, g.top + 68}, false);
    const char* effects[] = {"Echo", "Fade", "Gain"};
    for (int i = 0; i < 3; ++i) {
        const int left = g.left + 4 + (i == 2 ? 104 : 48 * i);
        Icon(uiRectOfBounds(left + 11, g.top + 8, 24, 24), 0x2F6FCF - 0x100000 * i);
        Centred(TRect{left, g.top + 36, left + 46, g.top + 52}, effects[i], itemText);
    }
    // A collapsed group, hot, and one at rest.
    g = TRect{gx, gTop, gx + 60, gBottom};
    S.DrawCollapsedTabGroup(DC, g, 2);
    S.DrawCollapsedTabGroupGlyphBackground(DC, TRect{g.left + 14, g.top + 5, g.left + 46, g.top + 36}, 2);
    Icon(uiRectOfBounds(g.left + 22, g.top + 12, 16, 16), 0xA04080);
    Centred(TRect{g.left, g.top + 40, g.right - 3, g.top + 54}, "Mix", itemText);
    S.DrawArrowDown(DC, uiRectOfBounds(g.left + 26, g.top + 58, 5, 4), 2);
    gx += 61;
    g = TRect{gx, gTop, gx + 60, gBottom};
    S.DrawCollapsedTabGroup(DC, g, 0);
    S.DrawCollapsedTabGroupGlyphBackground(DC, TRect{g.left + 14, g.top + 5, g.left + 46, g.top + 36}, 0);
    Icon(uiRectOfBounds(g.left + 22, g.top + 12, 16, 16), 0x40A080);
    Centred(TRect{g.left, g.top + 40, g.right - 3, g.top + 54}, "Tools", itemText);
    gx += 61;
    // The groups scroll button at the right end.
    S.DrawTabGroupsScrollButton(DC, TRect{area.right - 14, area.top + 2, area.right - 2, area.bottom - 4}, 1,
                                2, A);
    // The window's client, and its frame.
    FillRectWithColor(DC, TRect{inner, area.bottom, X + width - widths.right, Y + height - widths.bottom},
                      clWhite);
    S.DrawFormBorders(DC, widths, data);
}

void TGallery::Frames(int X, int Y) {
    // Small windows: active rounded, inactive rounded, active square (a dialog), minimized caption.
    const struct {
        bool Active;
        std::uint8_t BorderStyle;
        const char* Title;
    } windows[] = {{true, 2, "Rounded"}, {false, 2, "Inactive"}, {true, 3, "Square"}};
    for (int i = 0; i < 3; ++i) {
        const int x = X + (i % 2) * 186, y = Y + (i / 2) * 160;
        const TRect bounds{x, y, x + 176, y + 150};
        TovRibbonSkinPaintData data;
        data.FormData.IsActive = windows[i].Active;
        data.FormData.WindowBounds = bounds;
        data.FormData.BorderStyle = windows[i].BorderStyle;
        data.FormData.RoundedCorners = 1;
        data.CaptionHeight = 30;
        data.RibbonHeight = 30;
        data.RibbonHidden = true;
        data.Accent = A;
        S.DrawFormCaption(DC, TRect{x, y, x + 176, y + 30}, data);
        Centred(TRect{x, y, x + 176, y + 30}, windows[i].Title,
                Color(ovSkinColorFormCaptionTextActive, windows[i].Active ? 0 : 1));
        const TRect widths = S.GetWindowBordersWidth(false);
        FillRectWithColor(DC, uiShrinkRectByMargins(TRect{x, y + 30, x + 176, y + 150}, widths), clWhite);
        S.DrawFormBorders(DC, widths, data);
        S.DrawFormBorderIcon(DC, uiRectOfBounds(x + 176 - widths.right - 28, y + 1, 28, 22), 3,
                             windows[i].Active ? 0 : 3, A);
    }
    // A minimized caption.
    TovRibbonSkinPaintData data;
    data.Accent = A;
    data.FormData.IsActive = true;
    data.FormData.WindowState = ovRibbonFormMinimized;
    const TRect minimized{X + 186, Y + 160, X + 362, Y + 190};
    S.DrawFormCaption(DC, minimized, data);
    Centred(minimized, "Minimized", Color(ovSkinColorFormCaptionTextActive));
    data.FormData.WindowState = ovRibbonFormMaximized;
    const TRect maximized{X + 186, Y + 200, X + 362, Y + 230};
    S.DrawFormCaption(DC, maximized, data);
    Centred(maximized, "Maximized", Color(ovSkinColorFormCaptionTextActive));
}

void TGallery::Tabs(int Y) {
    Heading(Y, "Tabs: normal, hot, active, active hot, focused; separators at three opacities");
    const TRect row{10, Y + 18, 1230, Y + 46};
    S.DrawTabsAreaBackground(DC, TRect{row.left, row.top, 600, row.bottom}, true, false, 0);
    S.DrawTabsAreaBackground(DC, TRect{600, row.top, row.right, row.bottom}, false, false, 0);
    const char* names[] = {"Normal", "Hot", "Active", "Active hot", "Focused"};
    TFont* font = Canvas.Font();
    for (int state = 0; state < 5; ++state) {
        const TRect r{20 + 110 * state, row.bottom - 23, 120 + 110 * state, row.bottom};
        S.DrawTab(DC, r, state, A);
        S.SetTabFontColor(font, TabFontState(state), clDefault, A);
        Centred(TRect{r.left, r.top + 1, r.right, r.bottom}, names[state], font->Color());
    }
    const std::uint8_t alphas[] = {255, 160, 80};
    for (int i = 0; i < 3; ++i)
        S.DrawTabSeparator(DC, TRect{580 + 12 * i, row.top + 4, 582 + 12 * i, row.top + 20}, alphas[i]);
    S.DrawTabScrollButton(DC, TRect{640, row.top + 2, 649, row.bottom - 1}, 0, 0, A);
    S.DrawTabScrollButton(DC, TRect{652, row.top + 2, 661, row.bottom - 1}, 1, 2, A);
    S.DrawTabScrollButton(DC, TRect{664, row.top + 2, 673, row.bottom - 1}, 1, 4, A);
    S.DrawRibbonBottomEdge(DC, TRect{row.left, row.bottom - 1, row.right, row.bottom + 1});
    S.DrawTabGroupsArea(DC, TRect{row.left, row.bottom, row.right, row.bottom + 24}, false, false);
}

void TGallery::ApplicationButtons(int Y) {
    Heading(Y, "Application button: normal, hot, pressed for each accent");
    const TSize size = S.GetApplicationButtonSize();
    for (int accent = 0; accent < ovRibbonAccentCount; ++accent)
        for (int state = 0; state < 3; ++state) {
            const int x = 20 + accent * (3 * size.cx + 30) + state * (size.cx + 6);
            const TRect r = uiRectOfBounds(x, Y + 18, size.cx, size.cy);
            S.DrawApplicationButton(DC, r, state, TovRibbonColorSchemeAccent(accent));
            if (S.IsApplicationButtonTab()) Centred(r, "File", Color(10581));
        }
}

void TGallery::Buttons(int Y) {
    Heading(Y,
            "Buttons in states 0..8: small, split, large, large split, edit button, group button, menu item");
    for (int state = 0; state < 9; ++state) {
        const int x = 150 + state * 118;
        Text(x, Y + 18, "state " + std::to_string(state), Color(10133));
        S.DrawButton(DC, TRect{x, Y + 36, x + 70, Y + 58}, state, A);
        S.DrawButtonMainPart(DC, TRect{x, Y + 64, x + 58, Y + 86}, state, A);
        S.DrawButtonDropDown(DC, TRect{x + 58, Y + 64, x + 70, Y + 86}, state == 3 ? 2 : state, A);
        S.DrawLargeButton(DC, TRect{x, Y + 92, x + 44, Y + 158}, state, A);
        S.DrawLargeButtonMainPart(DC, TRect{x + 50, Y + 92, x + 94, Y + 131}, state, A);
        S.DrawLargeButtonDropDown(DC, TRect{x + 50, Y + 131, x + 94, Y + 158}, state == 3 ? 2 : state, A);
        S.DrawEditButton(DC, TRect{x, Y + 164, x + 14, Y + 186}, state, A);
        S.DrawButtonGroupButton(DC, TRect{x + 20, Y + 164, x + 50, Y + 186}, state, A);
        S.DrawButtonGroupSeparator(DC, TRect{x + 50, Y + 164, x + 51, Y + 186}, state);
        S.DrawButtonGroupButton(DC, TRect{x + 51, Y + 164, x + 80, Y + 186}, state, A);
        S.DrawMenuItemButton(DC, TRect{x, Y + 192, x + 100, Y + 214}, state, A);
        S.DrawSmallButton(DC, TRect{x, Y + 220, x + 22, Y + 242}, state, A);
        S.DrawTabGroupCaptionButton(DC, TRect{x + 30, Y + 222, x + 45, Y + 236}, state, A);
        S.DrawTabGroupCaptionButtonGlyph(DC, TRect{x + 31, Y + 223, x + 43, Y + 235}, state, A);
        S.DrawArrowDown(DC, uiRectOfBounds(x + 54, Y + 228, 5, 4), state);
        S.DrawSmallStateGlyph(DC, TRect{x + 64, Y + 222, x + 78, Y + 236}, state);
        S.DrawSmallArrowGlyph(DC, TRect{x + 80, Y + 222, x + 94, Y + 236}, state);
    }
    const char* rows[] = {"small", "split", "large", "", "edit, group", "menu item", "tiny"};
    const int tops[] = {40, 68, 118, 0, 168, 196, 224};
    for (int i = 0; i < 7; ++i)
        if (*rows[i]) Text(20, Y + tops[i], rows[i], Color(10133));
}

void TGallery::CaptionButtons(int Y) {
    Heading(Y, "Caption buttons (minimize, maximize, restore, close, help, full screen, show ribbon) in "
               "states 0..4; MDI glyphs");
    const TRect strip{10, Y + 18, 900, Y + 108};
    TovRibbonSkinPaintData data;
    data.Accent = A;
    data.FormData.IsActive = true;
    S.DrawFormCaption(DC, TRect{strip.left, strip.top, strip.right, strip.top + 44}, data);
    data.FormData.IsActive = false;
    S.DrawFormCaption(DC, TRect{strip.left, strip.top + 46, strip.right, strip.bottom}, data);
    for (int icon = 0; icon < 7; ++icon)
        for (int state = 0; state < 5; ++state) {
            const int x = 20 + icon * 124 + state * 24, y = state < 3 ? strip.top + 10 : strip.top + 56;
            S.DrawFormBorderIcon(DC, uiRectOfBounds(x, y, 22, 20), icon, state, A);
        }
    for (int button = 0; button < 3; ++button)
        for (int state = 1; state < 5; ++state) {
            const TRect r = uiRectOfBounds(930 + state * 22, Y + 22 + button * 24, 20, 20);
            S.DrawMDIButton(DC, r, button, state == 2 ? 2 : state == 3 ? 3 : 0, A);
            S.DrawMDIButtonGlyph(DC, r, button, state);
        }
    for (int kind = 0; kind < 3; ++kind)
        for (int state = 1; state < 5; ++state) {
            const TRect r = uiRectOfBounds(1060 + state * 24, Y + 22 + kind * 24, 22, 20);
            S.DrawMinimizeButton(DC, r, state == 2 ? 2 : state == 3 ? 3 : 0, A);
            S.DrawMinimizeButtonGlyph(DC, r, kind, state, A);
        }
}

void TGallery::Captions(int Y) {
    Heading(
        Y,
        "Form caption: active, inactive, maximized, minimized; with the bottom line when no ribbon follows");
    const struct {
        bool Active;
        std::uint8_t State;
        bool Line;
        const char* Name;
    } captions[] = {{true, 0, false, "Active"},
                    {false, 0, false, "Inactive"},
                    {true, 2, false, "Maximized"},
                    {true, 1, false, "Minimized"},
                    {true, 0, true, "No ribbon below"}};
    for (int i = 0; i < 5; ++i) {
        TovRibbonSkinPaintData data;
        data.Accent = A;
        data.FormData.IsActive = captions[i].Active;
        data.FormData.WindowState = captions[i].State;
        data.CaptionHeight = 30;
        data.RibbonHeight = captions[i].Line ? 30 : 120;
        const TRect r = uiRectOfBounds(10 + i * 244, Y + 20, 236, 30);
        S.DrawFormCaption(DC, r, data);
        Centred(r, captions[i].Name, Color(ovSkinColorFormCaptionTextActive, captions[i].Active ? 0 : 1));
    }
    // The same captions drawn through the caption-area font colour.
    TFont* font = Canvas.Font();
    S.SetCaptionAreaFontColor(font, false, clDefault, A);
    Text(10, Y + 58, "Caption area text", font->Color(), font->Style().Contains(fsBold));
}

void TGallery::Menus(int Y) {
    Heading(Y, "Menus: popup with glyph column, items, checks, separators; application menu with its pane");
    // A popup menu.
    const TRect menu{10, Y + 18, 230, Y + 192};
    S.DrawDropDownBorder(DC, menu);
    S.DrawMenuGlyph(DC, TRect{menu.left + 2, menu.top + 2, menu.left + 30, menu.bottom - 2});
    S.DrawMenuContent(DC, TRect{menu.left + 30, menu.top + 2, menu.right - 2, menu.bottom - 2});
    S.DrawMenuSeparatorVert(DC, TRect{menu.left + 30, menu.top + 2, menu.left + 32, menu.bottom - 2});
    S.DrawMenuCaptionSeparator(DC, TRect{menu.left + 2, menu.top + 2, menu.right - 2, menu.top + 20});
    Text(menu.left + 8, menu.top + 4, "Recent", Color(ovSkinColorMenuCaptionText), true);
    S.DrawMenuCaptionSeparatorLine(DC, TRect{menu.left + 2, menu.top + 20, menu.right - 2, menu.top + 21});
    const char* items[] = {"Open...", "Save", "Normal view", "Spectral view", "Disabled", "Export"};
    const int states[] = {0, 2, 6, 0, 1, 0};
    for (int i = 0; i < 6; ++i) {
        const TRect r{menu.left + 3, menu.top + 22 + i * 24, menu.right - 3, menu.top + 44 + i * 24};
        if (i == 3) S.DrawMenuSeparatorHorz(DC, TRect{menu.left + 32, r.top - 2, menu.right - 2, r.top});
        S.DrawMenuItemButton(DC, r, states[i], A);
        if (i == 2) S.DrawMenuCheckMark(DC, TRect{r.left + 1, r.top + 1, r.left + 23, r.bottom - 1}, 0, A);
        if (i == 3) S.DrawMenuCheck(DC, TRect{r.left + 1, r.top + 1, r.left + 23, r.bottom - 1}, 0, A);
        if (i == 3) Icon(uiRectOfBounds(r.left + 4, r.top + 3, 16, 16), 0x3080D0);
        Text(r.left + 36, r.top + 4, items[i], Color(ovSkinColorMenuText, states[i] == 1 ? 1 : states[i]));
        if (i == 5) S.DrawMenuArrowRight(DC, TRect{r.right - 14, r.top, r.right - 4, r.bottom});
    }
    S.DrawMenuScrollArea(DC, TRect{240, Y + 18, 340, Y + 30}, 0);
    S.DrawMenuScrollArea(DC, TRect{240, Y + 34, 340, Y + 46}, 2);
    S.DrawMenuScrollArea(DC, TRect{240, Y + 50, 340, Y + 62}, 4);
    S.DrawScrollArrow(DC, TRect{287, Y + 55, 292, Y + 58});
    S.DrawMenuDetachCaption(DC, TRect{240, Y + 70, 340, Y + 76}, 0);
    S.DrawMenuDetachCaption(DC, TRect{240, Y + 80, 340, Y + 86}, 2);
    S.DrawMenuMark(DC, TRect{240, Y + 94, 257, Y + 111});
    S.DrawMenuArrowDown(DC, TRect{262, Y + 94, 280, Y + 111});
    S.DrawItemSeparator(DC, TRect{240, Y + 118, 340, Y + 124}, true);
    S.DrawItemSeparator(DC, TRect{290, Y + 128, 296, Y + 188}, false);
    // The application menu: its background with the recent-files pane, buttons and pins.
    const TRect appMenu{360, Y + 18, 700, Y + 192};
    const TRect pane{500, Y + 24 + 26, 694, Y + 160};
    S.DrawApplicationMenuBackground(DC, appMenu, pane, A);
    S.DrawApplicationMenuExtraPaneBackground(DC, pane);
    S.DrawApplicationMenuExtraPaneHeader(DC, TRect{pane.left, pane.top, pane.right, pane.top + 20});
    Text(pane.left + 6, pane.top + 3, "Recent Documents", Color(394), true);
    S.DrawApplicationMenuExtraPaneSeparator(
        DC, TRect{pane.left + 4, pane.top + 20, pane.right - 4, pane.top + 22}, A);
    const char* recent[] = {"1 Song.wav", "2 Voice.mp3", "3 Loop.ogg"};
    const int recentStates[] = {2, 6, 7};
    for (int i = 0; i < 3; ++i) {
        const TRect r{pane.left + 2, pane.top + 24 + i * 24, pane.right - 2, pane.top + 46 + i * 24};
        S.DrawApplicationMenuExtraPaneItem(DC, r, recentStates[i], A);
        Text(r.left + 6, r.top + 4, recent[i], Color(393));
        S.DrawApplicationMenuExtraPanePinButton(DC, TRect{r.right - 24, r.top, r.right, r.bottom},
                                                recentStates[i], A);
    }
    const char* commands[] = {"New", "Open", "Save"};
    for (int i = 0; i < 3; ++i) {
        const TRect r{366, pane.top + i * 34, 494, pane.top + 32 + i * 34};
        S.DrawMenuItemButton(DC, r, i == 1 ? 2 : 0, A);
        Icon(uiRectOfBounds(r.left + 6, r.top + 8, 16, 16), 0x4070C0 + 0x202000 * i);
        Text(r.left + 30, r.top + 9, commands[i], Color(ovSkinColorMenuText));
    }
    const TRect options{560, appMenu.bottom - 26, 622, appMenu.bottom - 4};
    S.DrawApplicationMenuButton(DC, options, 0, A);
    Centred(options, "Options", Color(ovSkinColorApplicationMenuButtonText));
    const TRect exit{626, appMenu.bottom - 26, 694, appMenu.bottom - 4};
    S.DrawApplicationMenuButton(DC, exit, 2, A);
    Centred(exit, "Exit", Color(ovSkinColorApplicationMenuButtonText, 2));
    if (!S.IsApplicationButtonTab())
        S.DrawApplicationButton(DC, uiRectOfBounds(appMenu.left + 2, appMenu.top - 18, 42, 42), 2, A);
    // Pin glyphs and extra pane buttons in their states.
    for (int state = 0; state < 9; ++state) {
        const TRect r = uiRectOfBounds(720 + state * 56, Y + 24, 52, 24);
        S.DrawApplicationMenuExtraPaneButton(DC, r, state, A);
        S.DrawApplicationMenuExtraPanePinGlyph(DC, TRect{r.right - 24, r.top, r.right, r.bottom}, state, A);
        S.DrawApplicationMenuExtraPaneCheckButton(DC, uiRectOfBounds(r.left, r.top + 30, 52, 24), state, A);
        S.DrawMenuCheckMark(DC, uiRectOfBounds(r.left + 14, r.top + 60, 24, 24), state, A);
        S.DrawMenuDetachCaption(DC, uiRectOfBounds(r.left, r.top + 90, 52, 8), state);
    }
}

void TGallery::ScrollBars(int Y) {
    Heading(Y, "Scroll bars: normal, hot, pressed, disabled elements");
    for (int state : {0, 2, 4, 1}) {
        const int i = state == 0 ? 0 : state == 2 ? 1 : state == 4 ? 2 : 3;
        const TRect h = uiRectOfBounds(20, Y + 20 + i * 22, 260, 17);
        S.DrawScrollBarBackground(DC, h, true, A);
        S.PaintScrollBarElement(DC, TRect{h.left, h.top, h.left + 17, h.bottom}, true, state, 1, A);
        S.PaintScrollBarElement(DC, TRect{h.left + 17, h.top, h.left + 80, h.bottom}, true, state, 4, A);
        S.PaintScrollBarElement(DC, TRect{h.left + 80, h.top, h.left + 150, h.bottom}, true, state, 3, A);
        S.PaintScrollBarElement(DC, TRect{h.right - 17, h.top, h.right, h.bottom}, true, state, 2, A);
        const TRect v = uiRectOfBounds(300 + i * 22, Y + 20, 17, 86);
        S.DrawScrollBarBackground(DC, v, false, A);
        S.PaintScrollBarElement(DC, TRect{v.left, v.top, v.right, v.top + 17}, false, state, 1, A);
        S.PaintScrollBarElement(DC, TRect{v.left, v.top + 24, v.right, v.top + 56}, false, state, 3, A);
        S.PaintScrollBarElement(DC, TRect{v.left, v.top + 56, v.right, v.bottom - 17}, false, state, 5, A);
        S.PaintScrollBarElement(DC, TRect{v.left, v.bottom - 17, v.right, v.bottom}, false, state, 2, A);
    }
    S.DrawScrollBarCorner(DC, uiRectOfBounds(390, Y + 89, 17, 17), A);
}

void TGallery::Galleries(int Y) {
    Text(430, Y, "Galleries: in the ribbon (normal, hot) and dropped down", Color(10133), true);
    for (int i = 0; i < 2; ++i) {
        const int x = 430 + i * 200;
        const TRect gallery{x, Y + 20, x + 160, Y + 80};
        S.DrawInRibbonGalleryBackground(DC, gallery, i == 0 ? 0 : 2);
        for (int kind = 0; kind < 3; ++kind) {
            const int states[2][3] = {{0, 0, 0}, {2, 4, 1}};
            const TRect b{gallery.right, gallery.top + kind * 20, gallery.right + 15,
                          gallery.top + kind * 20 + 20};
            S.DrawInRibbonGalleryScrollBarButton(DC, b, kind, states[i][kind], A);
        }
    }
    const TRect drop{840, Y + 18, 1230, Y + 106};
    S.DrawDropDownBorder(DC, drop);
    S.DrawDropDownGalleryTopSizingBand(DC, TRect{drop.left + 1, drop.top + 1, drop.right - 1, drop.top + 12});
    S.DrawDropDownGalleryTopSizeGrip(DC, TRect{drop.right - 20, drop.top + 1, drop.right - 1, drop.top + 12});
    S.DrawGalleryFilterBand(DC, TRect{drop.left + 1, drop.top + 12, drop.right - 1, drop.top + 25});
    Text(drop.left + 6, drop.top + 12, "All effects", Color(66, 0));
    S.DrawGalleryBackground(DC, TRect{drop.left + 1, drop.top + 25, drop.right - 1, drop.bottom - 12});
    S.DrawGalleryGroupHeaderBackground(DC,
                                       TRect{drop.left + 1, drop.top + 25, drop.right - 1, drop.top + 41});
    Text(drop.left + 6, drop.top + 27, "Filters", Color(ovSkinColorGalleryGroupHeaderText));
    S.DrawDropDownGalleryBottomSizingBand(
        DC, TRect{drop.left + 1, drop.bottom - 12, drop.right - 1, drop.bottom - 1});
    S.DrawDropDownGalleryBottomSizeGrip(
        DC, TRect{drop.right - 20, drop.bottom - 12, drop.right - 1, drop.bottom - 1});
    S.DrawDropDownGalleryBottomVerticalSizeGrip(
        DC, TRect{drop.left + 180, drop.bottom - 12, drop.left + 210, drop.bottom - 1});
}

void TGallery::MenuView(int Y) {
    Text(12, Y, "Menu view: tabs in states 0..8, items, separator, navigation pane", Color(10133), true);
    const TRect view{10, Y + 18, 560, Y + 160};
    S.DrawMenuViewBackground(DC, view, A);
    const TRect nav{view.left, view.top + 2, view.left + 370, view.bottom};
    S.DrawMenuViewNavigationBackground(DC, nav, A);
    S.DrawMenuViewContentBackground(DC, TRect{nav.right, view.top + 2, view.right, view.bottom}, A);
    for (int state = 0; state < 9; ++state) {
        const TRect r = uiRectOfBounds(nav.left + (state / 3) * 122, nav.top + 6 + (state % 3) * 42, 120, 40);
        S.DrawMenuViewTab(DC, r, state, A);
        Text(r.left + 10, r.top + 12, "Tab " + std::to_string(state), Color(271, state));
    }
    for (int state : {2, 8}) {
        const TRect r = uiRectOfBounds(nav.right + 8, view.top + (state == 2 ? 10 : 44), 170, 27);
        S.DrawMenuViewItem(DC, r, state, A);
        Text(r.left + 8, r.top + 6, "Item " + std::to_string(state), Color(261, state));
    }
    S.DrawMenuViewSeparator(DC, TRect{nav.right + 8, view.top + 80, view.right - 6, view.top + 83}, 0, A);
    for (int state : {0, 2, 4}) {
        const int i = state / 2;
        S.DrawMenuViewButton(DC, uiRectOfBounds(nav.right + 8 + i * 50, view.top + 92, 40, 40), state, A);
    }
}

void TGallery::Contexts(int Y) {
    Text(580, Y,
         "Contexts in three colours: captions, tabs (normal, hot, active, active hot, focused), groups",
         Color(10133), true);
    const TColor colours[] = {0x3060E0, 0x30A040, 0xC06020};
    for (int c = 0; c < 3; ++c) {
        const int x = 580 + c * 220, y = Y + 18;
        S.DrawTabsAreaBackground(DC, TRect{x, y, x + 210, y + 50}, true, false, 0);
        S.DrawContextBackground(DC, TRect{x, y, x + 210, y + 24}, colours[c]);
        Centred(TRect{x, y, x + 210, y + 24}, "Context", Color(10134));
        for (int state = 0; state < 5; ++state) {
            const TRect r{x + 2 + state * 41, y + 26, x + 42 + state * 41, y + 49};
            S.DrawContextTab(DC, r, colours[c], state, A);
        }
        S.DrawContextTabSeparator(DC, TRect{x, y + 26, x + 2, y + 42}, 0);
        S.DrawContextTabSeparator(DC, TRect{x + 208, y + 26, x + 210, y + 42}, 1);
        S.DrawRibbonBottomEdge(DC, TRect{x, y + 48, x + 210, y + 50});
        const TRect groups{x, y + 49, x + 210, y + 110};
        FillRectWithColor(DC, groups, colours[c]);
        S.DrawContextTabGroupsArea(DC, groups, colours[c], false, false);
        S.DrawContextBackgroundGlass(DC, TRect{x, y + 114, x + 210, y + 130}, colours[c]);
    }
}

void TGallery::TipsAndToolbars(int Y) {
    // Key tip and screen tip.
    const TRect keyTip = uiRectOfBounds(20, Y, 22, 18);
    S.DrawKeyTip(DC, keyTip);
    Centred(keyTip, "H", Color(ovSkinColorKeyTipText));
    const TRect tip = uiRectOfBounds(60, Y - 10, 180, 60);
    S.DrawScreenTip(DC, tip);
    Text(tip.left + 8, tip.top + 6, "Paste (Ctrl+V)", Color(ovSkinColorKeyTipText), true);
    Text(tip.left + 8, tip.top + 26, "Inserts the clipboard.", Color(ovSkinColorKeyTipText));
    // The quick access toolbar below the ribbon, its popup, its mark buttons.
    S.DrawQuickAccessToolbar(DC, uiRectOfBounds(260, Y - 10, 240, 26), true, false, false, true, true);
    S.DrawQuickAccessToolbarPopup(DC, uiRectOfBounds(260, Y + 22, 120, 28));
    for (int state : {0, 2, 4, 1}) {
        const int i = state == 0 ? 0 : state == 2 ? 1 : state == 4 ? 2 : 3;
        S.DrawQuickAccessToolbarMarkButton(DC, uiRectOfBounds(390 + i * 26, Y + 24, 22, 22), state, true,
                                           false, true, A);
        S.DrawQuickAccessToolbarGroupButton(DC, uiRectOfBounds(393 + i * 26, Y + 27, 16, 16));
    }
    // The status bar.
    const TRect status{520, Y - 10, 1230, Y + 14};
    S.DrawFormStatusBarBorder(DC, TRect{status.left, status.top, status.left + 8, status.bottom}, 0, 0, true,
                              true, A);
    S.DrawFormStatusBarBorder(DC, TRect{status.right - 8, status.top, status.right, status.bottom}, 1, 0,
                              true, true, A);
    S.DrawStatusBarPanelSeparator(DC, TRect{status.left + 120, status.top, status.left + 123, status.bottom},
                                  A);
    S.DrawStatusBarPanelSeparatorEx(
        DC, TRect{status.left + 240, status.top, status.left + 243, status.bottom}, false, A);
    S.DrawStatusBarToolbarSeparator(
        DC, TRect{status.left + 360, status.top, status.left + 363, status.bottom}, A);
    S.DrawStatusBarSeparatorRight(DC, TRect{status.left + 480, status.top, status.left + 483, status.bottom},
                                  A);
    S.DrawStatusBarGripSeparator(DC, TRect{status.right - 30, status.top, status.right - 25, status.bottom},
                                 A);
    S.DrawStatusBarSizeGrip(
        DC, TRect{status.right - 22, status.top + 6, status.right - 10, status.bottom - 2}, A);
    // Progress.
    S.DrawProgressSubstrate(DC, uiRectOfBounds(520, Y + 24, 200, 12));
    S.DrawProgressSolidBand(DC, uiRectOfBounds(522, Y + 26, 120, 8));
    S.DrawProgressSubstrate(DC, uiRectOfBounds(740, Y + 24, 200, 12));
    for (int i = 0; i < 8; ++i)
        S.DrawProgressDiscreteBand(DC, uiRectOfBounds(742 + i * 9, Y + 26, 7, 8));
    // The ribbon's top band (a toolbar above a ribbon that does not draw the caption).
    S.DrawRibbonBackgroundTopPart(DC, uiRectOfBounds(960, Y + 20, 270, 30));
    S.DrawQuickAccessToolbar(DC, uiRectOfBounds(970, Y + 22, 120, 26), false, false, false, true, true);
}

} // namespace

std::unique_ptr<TBitmap> MakeGalleryCanvas() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(kGalleryWidth, kGalleryHeight);
    return bitmap;
}

void PaintRibbonSkinGallery(TovCustomRibbonSkin& ASkin, TBitmap& ACanvas,
                            TovRibbonColorSchemeAccent AAccent) {
    TGallery(ASkin, ACanvas, AAccent).Paint();
}

} // namespace ribbon_skin_test
