#include "GraphicsTestSupport.h"
#include "UiCoreTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/LibraryCursors.h"
#include "ui/core/controls/PopupWindow.h"

#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

class TBlock : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor fill = clLime;

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(fill);
        Canvas()->FillRect(ClientRect());
    }
};

// Stays open when another popup takes the activation, so that several show in one picture.
class TStayingPopup : public TuiPopupWindow {
public:
    void ClosePopup() override {}
};

class PopupWindowTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        olva::win::SetMonitors(
            {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}}});
        popup = TCustomForm::New<TuiPopupWindow>();
        popup->SetBounds(0, 0, 150, 100);
    }
    void TearDown() override {
        popup->Free();
        UiCoreTest::TearDown();
    }
    TPoint Place(const TRect& AAnchor) {
        popup->AnchorBounds = AAnchor;
        TPoint p{};
        popup->CalculatePosition(p);
        return p;
    }
    TuiPopupWindow* popup = nullptr;
};

TEST_F(PopupWindowTest, PlacementTable) {
    struct Case {
        const char* what;
        int direction, horz, vert, width, height;
        TRect anchor;
        TPoint expected;
    };
    const Case cases[] = {
        {"below", 1, 0, 2, 150, 100, {100, 100, 200, 120}, {100, 120}},
        {"right-aligned below", 1, 2, 2, 150, 100, {100, 100, 200, 120}, {50, 120}},
        {"flipped above: more room there", 1, 0, 2, 150, 100, {100, 1000, 200, 1020}, {100, 900}},
        {"above with room below stays above", 1, 0, 0, 150, 100, {100, 500, 200, 520}, {100, 400}},
        {"above without room flips below", 1, 0, 0, 150, 100, {100, 50, 200, 70}, {100, 70}},
        {"equal room: stays below, not clamped", 1, 0, 2, 150, 500, {100, 470, 200, 570}, {100, 570}},
        {"oversized: ends at the left", 1, 0, 2, 2000, 100, {100, 100, 200, 120}, {0, 120}},
        {"clamped at the right edge", 1, 0, 2, 150, 100, {1850, 100, 1900, 120}, {1770, 120}},
        {"centred", 1, 1, 2, 150, 100, {100, 100, 200, 120}, {75, 120}},
        {"right", 0, 2, 0, 150, 100, {100, 100, 200, 120}, {200, 100}},
        {"right flips left", 0, 2, 0, 150, 100, {1800, 100, 1900, 120}, {1650, 100}},
        {"left of it, bottom-aligned and clamped", 0, 0, 2, 150, 100, {400, 10, 500, 30}, {250, 0}},
        {"second monitor", 1, 0, 2, 150, 100, {3100, 990, 3150, 1010}, {3050, 890}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        popup->PopupDirection = c.direction;
        popup->HorzAlignment = c.horz;
        popup->VertAlignment = c.vert;
        popup->SetBounds(0, 0, c.width, c.height);
        EXPECT_EQ(Place(c.anchor), c.expected);
        EXPECT_EQ(popup->VertAlignment, c.vert); // flips change no setting
    }
}

TEST_F(PopupWindowTest, FramesAndClientBounds) {
    struct Case {
        int style, spacing, width;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 0, 1}, {3, 0, 2}, {3, 4, 2}};
    for (const Case& c : cases) {
        popup->FrameStyle = c.style;
        popup->FrameSpacing = c.spacing;
        for (int side = 0; side < 4; ++side) {
            EXPECT_EQ(popup->GetBorderWidth(side), c.width);
            EXPECT_EQ(popup->GetBorderOffset(side), c.width + c.spacing);
        }
        TRect r;
        popup->GetClientBounds(r);
        const int o = c.width + c.spacing;
        EXPECT_EQ(r, (TRect{o, o, 150 - o, 100 - o}));
    }
}

TEST_F(PopupWindowTest, RepeatedPopupsPlaceTheChildrenOnceAndSizeAroundThem) {
    TForm* owner = TForm::CreateNew(nullptr);
    owner->SetBounds(200, 200, 300, 200);
    owner->Show();
    popup->FrameStyle = 3;
    popup->FrameSpacing = 1;
    auto* a = new TBlock(popup);
    a->SetBounds(0, 0, 60, 30);
    a->SetParent(popup);
    auto* b = new TBlock(popup);
    b->SetBounds(10, 40, 80, 20);
    b->SetParent(popup);
    popup->AnchorControl = owner;
    popup->AnchorBounds = TRect{10, 10, 110, 30};
    for (int i = 0; i < 3; ++i) {
        popup->Popup();
        Pump();
        EXPECT_EQ(a->BoundsRect(), (TRect{3, 3, 63, 33}));
        EXPECT_EQ(b->BoundsRect(), (TRect{13, 43, 93, 63}));
        EXPECT_EQ(popup->Width(), 3 + 90 + 3);
        EXPECT_EQ(popup->Height(), 3 + 60 + 3);
        const TPoint below = owner->ClientToScreen(TPoint{10, 30});
        EXPECT_EQ(popup->Left(), below.x);
        EXPECT_EQ(popup->Top(), below.y);
        popup->ClosePopup();
    }
    // A child moved by its owner meanwhile starts from its new place.
    b->SetBounds(20, 40, 80, 20);
    popup->Popup();
    EXPECT_EQ(b->BoundsRect(), (TRect{23, 43, 103, 63}));
    EXPECT_EQ(popup->Width(), 3 + 100 + 3);
    popup->ClosePopup();
    owner->Free();
}

TEST_F(PopupWindowTest, APopupWithoutChildrenKeepsItsSize) {
    popup->FrameStyle = 1;
    popup->CalculateSize();
    EXPECT_EQ(popup->Width(), 150);
    EXPECT_EQ(popup->Height(), 100);
    EXPECT_FALSE(popup->IsSkinSupported());
    EXPECT_FALSE(ClassSupportsSkin(popup));
}

TEST_F(PopupWindowTest, ItClosesWhenItLosesTheActivationOrTheApplicationDoes) {
    TForm* owner = TForm::CreateNew(nullptr);
    owner->SetBounds(200, 200, 300, 200);
    owner->Show();
    Pump();
    popup->AnchorControl = owner;
    popup->AnchorBounds = TRect{0, 0, 50, 20};
    popup->Popup();
    SetActiveWindow(popup->Handle());
    Pump();
    ASSERT_TRUE(popup->Visible());
    SetActiveWindow(owner->Handle());
    Pump();
    EXPECT_FALSE(popup->Visible());

    popup->Popup();
    SetActiveWindow(popup->Handle());
    Pump();
    ASSERT_TRUE(popup->Visible());
    SendMessage(popup->Handle(), WM_ACTIVATEAPP, 0, 0);
    EXPECT_FALSE(popup->Visible());
    owner->Free();
}

TEST_F(PopupWindowTest, DropDownFrameHeightAndCorners) {
    olva::win::SetSystemMetricOverride(SM_CYHSCROLL, 17);
    olva::win::SetSystemMetricOverride(SM_CYSIZE, 18);
    EXPECT_EQ(ovDropDownFrameHeight(), 20);
    olva::win::SetSystemMetricOverride(SM_CYSIZE, 22);
    EXPECT_EQ(ovDropDownFrameHeight(), 23);
    olva::win::ResetSystemOverrides();
    const TRect owner{100, 100, 200, 120};
    struct Case {
        TRect dropDown;
        int corner;
        LRESULT hit;
    };
    const Case cases[] = {{{100, 120, 300, 300}, 3, HTBOTTOMRIGHT},
                          {{100, -100, 300, 100}, 1, HTTOPRIGHT},
                          {{-100, 120, 100, 300}, 2, HTBOTTOMLEFT},
                          {{-100, -100, 100, 100}, 0, HTTOPLEFT}};
    for (const Case& c : cases) {
        EXPECT_EQ(ovGetCornerForRects(owner, c.dropDown), c.corner);
        EXPECT_EQ(ovGetHitTestByCorner(c.corner), c.hit);
    }
}

TEST_F(PopupWindowTest, ScreenshotOfFramesBelowAndFlippedAbove) {
    TForm* owner = TForm::CreateNew(nullptr);
    olva::win::SetMonitors({{{0, 0, 600, 480}, {0, 0, 600, 440}}});
    owner->SetBounds(40, 200, 520, 240);
    owner->SetColor(clWhite);
    owner->Show();
    std::vector<TuiPopupWindow*> popups;
    const TColor fills[] = {clAqua, clYellow, clLime};
    for (int style = 1; style <= 3; ++style) {
        auto* p = TCustomForm::New<TStayingPopup>();
        p->FrameStyle = style;
        p->FrameSpacing = 2;
        p->SetColor(clBtnFace);
        auto* block = new TBlock(p);
        block->fill = fills[style - 1];
        block->SetBounds(0, 0, 120, 40);
        block->SetParent(p);
        p->AnchorControl = owner;
        // The first opens below its anchor; the others sit too low and open above.
        p->AnchorBounds = style == 1 ? TRect{20, 20, 140, 40}
                                     : TRect{20 + (style - 1) * 160, 200, 140 + (style - 1) * 160, 220};
        p->Popup();
        popups.push_back(p);
    }
    Pump();
    EXPECT_EQ(popups[0]->Top(), owner->ClientToScreen(TPoint{0, 40}).y);
    EXPECT_EQ(popups[1]->Top() + popups[1]->Height(), owner->ClientToScreen(TPoint{0, 200}).y);
    // Each frame's outer pixel, and the children inside the frame and spacing.
    HDC dc = GetDC(popups[0]->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), ColorToRGB(clWindowText));
    ReleaseDC(popups[0]->Handle(), dc);
    dc = GetDC(popups[2]->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(GetPixel(dc, popups[2]->Width() - 1, popups[2]->Height() - 1), ColorToRGB(cl3DDkShadow));
    ReleaseDC(popups[2]->Handle(), dc);
    // The children sit inside frame and spacing.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(popups[i]->Controls(0)->Left(), popups[i]->GetBorderOffset(0));
    EXPECT_TRUE(olva::win::SaveScreenPng(graphics_test::OutputPath("popup-frames.png")));
    for (TuiPopupWindow* p : popups)
        p->Free();
    owner->Free();
}

TEST_F(PopupWindowTest, TheLibraryCursorsAreRegisteredWithMasksAndHotSpots) {
    int count = 0;
    const TuiLibraryCursor* cursors = uiLibraryCursors(count);
    ASSERT_EQ(count, 19);
    const int sheetColumns = 10;
    TuiBitmap sheet(sheetColumns * 40, 2 * 40);
    RECT all{0, 0, sheet.Width(), sheet.Height()};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(sheet.Canvas()->Handle(), &all, white);
    DeleteObject(white);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(cursors[i].Number);
        HCURSOR cursor = Screen()->Cursors(cursors[i].Number);
        ASSERT_NE(cursor, nullptr);
        if (cursors[i].Name == nullptr) {
            EXPECT_EQ(olva::win::SystemCursorId(cursor), 32649);
            continue;
        }
        EXPECT_EQ(LoadCursor(nullptr, cursors[i].Name), cursor);
        ICONINFO info;
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        const std::string name = cursors[i].Name;
        const bool scrolling = name.find("SCROLL") != std::string::npos ||
                               name.find("SIZE") != std::string::npos ||
                               name.find("HAND") != std::string::npos;
        EXPECT_EQ(info.xHotspot, scrolling ? 15u : name == "UI_COLORPICKERCURSOR" ? 1u : 0u);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        const int x = (i % sheetColumns) * 40 + 4, y = (i / sheetColumns) * 40 + 4;
        DrawIcon(sheet.Canvas()->Handle(), x, y, cursor);
        // The corner of every cursor is transparent: the sheet's white shows through.
        EXPECT_EQ(GetPixel(sheet.Canvas()->Handle(), x + 31, y), RGB(255, 255, 255));
    }
    EXPECT_TRUE(graphics_test::SaveBitmapPng(sheet, "library-cursors.png"));
    // Three times as large, to look at the details.
    TuiBitmap large(sheet.Width() * 3, sheet.Height() * 3);
    StretchBlt(large.Canvas()->Handle(), 0, 0, large.Width(), large.Height(), sheet.Canvas()->Handle(), 0, 0,
               sheet.Width(), sheet.Height(), SRCCOPY);
    EXPECT_TRUE(graphics_test::SaveBitmapPng(large, "library-cursors-large.png"));
}

} // namespace
