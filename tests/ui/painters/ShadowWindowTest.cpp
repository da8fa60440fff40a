// Shadow windows on the headless screen: the mask picture, when a form's shadow shows, hit tests with
// and without sizing, sizing through the shadow within the form's constraints, a clicked shadow keeping
// the form's caption active, and the layered and the solid shadow as pictures.
#include "PaintersTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/effects/ShadowWindow.h"

#include <algorithm>

using namespace painters_test;

namespace {

class ShadowWindowTest : public PaintersTest {
protected:
    void SetUp() override {
        PaintersTest::SetUp();
        form = TForm::CreateNew(nullptr);
        form->SetBounds(100, 80, 240, 160);
        form->SetCaption("Owner");
        form->Show();
        Pump();
    }
    void TearDown() override {
        delete shadow;
        form->Free();
        olva::win::ResetSystemOverrides();
        ovBindShadowWindows();
        PaintersTest::TearDown();
    }
    void MakeShadow() {
        shadow = new TovShadowWindow(form);
        shadow->UpdateVisibility();
        Pump();
    }
    // The pixel of the composed screen.
    static std::uint32_t ScreenPixel(int X, int Y) {
        return olva::win::ComposeScreen()->Pixel(X, Y) & 0xFFFFFFu;
    }
    static std::uint32_t Pixel(TColor AColor) {
        const COLORREF c = ColorToRGB(AColor);
        return std::uint32_t(GetBValue(c)) | (std::uint32_t(GetGValue(c)) << 8) |
               (std::uint32_t(GetRValue(c)) << 16);
    }
    // The part of the screen around the form, twice as large, for looking at the shadow's edge.
    static bool SaveScreenAround(const RECT& R, const std::string& AName) {
        const auto screen = olva::win::ComposeScreen();
        TSurface crop((R.right - R.left) * 2, (R.bottom - R.top) * 2);
        for (int y = 0; y < crop.Height(); ++y)
            for (int x = 0; x < crop.Width(); ++x)
                crop.SetPixel(x, y, screen->Pixel(R.left + x / 2, R.top + y / 2) | 0xFF000000u);
        return SaveSurfaceToPng(crop, PaintersOutputPath(AName));
    }
    LRESULT HitTest(int X, int Y) {
        return SendMessage(shadow->Handle(), WM_NCHITTEST, 0, MAKELPARAM(WORD(X), WORD(Y)));
    }

    TForm* form = nullptr;
    TovShadowWindow* shadow = nullptr;
};

TEST_F(ShadowWindowTest, TheMaskIsBlackWithAlphaFromTheCentreOut) {
    TovGPImage mask;
    mask.LoadFromResource(nullptr, "OVSHADOWMASK", "PNG");
    ASSERT_EQ(mask.Width(), 12);
    ASSERT_EQ(mask.Height(), 12);
    std::unique_ptr<TBitmap> bitmap = mask.GetAsBitmap();
    auto a = [](int i) { return std::min(i + 1, 12 - i); };
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const std::uint32_t pixel = PixelAt(*bitmap, x, y);
            // 2.5 a(x) a(y), halves rounded up.
            EXPECT_EQ(pixel >> 24, std::uint32_t((5 * a(x) * a(y) + 1) / 2)) << x << "," << y;
            EXPECT_EQ(pixel & 0xFFFFFFu, 0u) << x << "," << y;
        }
    EXPECT_EQ(PixelAt(*bitmap, 5, 6) >> 24, 90u);
    EXPECT_EQ(PixelAt(*bitmap, 0, 5) >> 24, 15u);
    EXPECT_EQ(PixelAt(*bitmap, 11, 11) >> 24, 3u);
}

TEST_F(ShadowWindowTest, WhenAFormShadowShows) {
    MakeShadow();
    ASSERT_TRUE(shadow->OwnerActive());
    EXPECT_TRUE(shadow->CanShow());
    EXPECT_TRUE(shadow->IsShadowVisible());
    EXPECT_TRUE(shadow->Transparent());
    const RECT bounds = uiWindowRectOf(shadow->Handle());
    EXPECT_EQ(bounds.left, 96);
    EXPECT_EQ(bounds.top, 76);
    EXPECT_EQ(bounds.right, 344);
    EXPECT_EQ(bounds.bottom, 244);
    struct Case {
        const char* Name;
        std::function<void()> Change, Undo;
        bool Shows;
    } const cases[] = {
        {"another window active", [&] { SetActiveWindow(MakeWindow(WS_POPUP | WS_VISIBLE, 500, 500)); },
         [&] { SetActiveWindow(form->Handle()); }, false},
        {"owner maximized", [&] { ShowWindow(form->Handle(), SW_MAXIMIZE); },
         [&] { ShowWindow(form->Handle(), SW_RESTORE); }, false},
        {"owner minimized", [&] { ShowWindow(form->Handle(), SW_MINIMIZE); },
         [&] {
             ShowWindow(form->Handle(), SW_RESTORE);
             SetActiveWindow(form->Handle());
         },
         false},
        {"drop shadows off (remote session)",
         [&] {
             olva::win::SetSystemMetricOverride(SM_REMOTESESSION, 1);
             SetWindowPos(form->Handle(), nullptr, 110, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         },
         [&] {
             olva::win::ResetSystemOverrides();
             SetWindowPos(form->Handle(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         },
         false},
        {"owner hidden", [&] { ShowWindow(form->Handle(), SW_HIDE); },
         [&] {
             ShowWindow(form->Handle(), SW_SHOW);
             SetActiveWindow(form->Handle());
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Change();
        Pump();
        EXPECT_EQ(shadow->CanShow(), c.Shows);
        EXPECT_EQ(shadow->IsShadowVisible(), c.Shows);
        c.Undo();
        Pump();
        EXPECT_TRUE(shadow->IsShadowVisible());
    }
    // A child window never casts a form shadow, even when its shadow was clicked.
    auto* child = new TCustomControl(form);
    child->SetBounds(10, 10, 50, 30);
    child->SetParent(form);
    {
        TovShadowWindow childShadow(child);
        SendMessage(childShadow.Handle(), WM_MOUSEACTIVATE, 0, 0);
        ASSERT_TRUE(childShadow.Clicked());
        EXPECT_FALSE(childShadow.CanShow());
    }
    // The shadow follows its owner.
    SetWindowPos(form->Handle(), nullptr, 50, 60, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    const RECT moved = uiWindowRectOf(shadow->Handle());
    EXPECT_EQ(moved.left, 46);
    EXPECT_EQ(moved.bottom, 264);
}

TEST_F(ShadowWindowTest, HitTestsAreTransparentUnlessSizingIsOn) {
    MakeShadow();
    const RECT b = uiWindowRectOf(shadow->Handle()); // 96, 76 .. 344, 244
    for (auto [x, y] : {std::pair{b.left, b.top}, {b.right - 1, b.top + 50}, {b.left + 50, b.bottom - 1}})
        EXPECT_EQ(HitTest(x, y), HTTRANSPARENT) << x << "," << y;
    shadow->SetSizingEnabled(true);
    EXPECT_TRUE(shadow->Enabled());
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    const RECT inner{b.left + fx, b.top + fy, b.right - fx, b.bottom - fy};
    struct Row {
        int X, Y;
        LRESULT Expected;
    } const rows[] = {
        {inner.right, inner.top, HTTOPRIGHT},
        {b.right - 1, b.top, HTTOPRIGHT},
        {inner.right, inner.top + 10, HTRIGHT},
        {inner.right, inner.bottom, HTBOTTOMRIGHT},
        {inner.left + 10, b.bottom - 1, HTBOTTOM},
        {inner.left + 10, b.top, HTTOP},
        {b.left, b.top, HTTOPLEFT},
        {inner.left - 1, inner.top + 10, HTLEFT},
        {b.left, b.bottom - 1, HTBOTTOMLEFT},
        {inner.left + 10, inner.top + 10, HTTRANSPARENT},
    };
    for (const Row& row : rows)
        EXPECT_EQ(HitTest(row.X, row.Y), row.Expected) << row.X << "," << row.Y;
}

TEST_F(ShadowWindowTest, SizingThroughTheShadowKeepsTheOwnersConstraints) {
    MakeShadow();
    shadow->SetSizingEnabled(true);
    form->Constraints()->SetMinWidth(200);
    // Dragging the right edge to make the form 150 wide: the form stops at 200, the shadow around it.
    RECT proposed{96, 76, 96 + 4 + 150 + 4, 244};
    SendMessage(shadow->Handle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(form->Width(), 200);
    EXPECT_EQ(form->Left(), 100);
    EXPECT_EQ(proposed.left, 96);
    EXPECT_EQ(proposed.right, 100 + 200 + 4);
    EXPECT_EQ(proposed.bottom, 244);
    // A size within the constraints is taken as it is.
    proposed = RECT{96, 76, 96 + 4 + 260 + 4, 244 + 20};
    SendMessage(shadow->Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(form->Width(), 260);
    EXPECT_EQ(form->Height(), 180);
    EXPECT_EQ(proposed.right, 364);
}

TEST_F(ShadowWindowTest, AClickedShadowKeepsTheOwnersCaptionActive) {
    MakeShadow();
    shadow->SetSizingEnabled(true);
    // Activated without a click, the shadow hands the activation back to its owner.
    SetActiveWindow(shadow->Handle());
    Pump();
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_FALSE(shadow->Clicked());
    // Clicked: the shadow takes the activation, and the owner is told to keep its caption active.
    SendMessage(shadow->Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form->Handle()),
                MAKELPARAM(HTRIGHT, WM_LBUTTONDOWN));
    EXPECT_TRUE(shadow->Clicked());
    SetActiveWindow(shadow->Handle());
    Pump();
    EXPECT_EQ(GetActiveWindow(), shadow->Handle());
    EXPECT_FALSE(shadow->Clicked());
    EXPECT_TRUE(shadow->OwnerActive());
    EXPECT_TRUE(shadow->IsShadowVisible());
}

TEST_F(ShadowWindowTest, TheLayeredShadowAroundAForm) {
    MakeShadow();
    ASSERT_TRUE(shadow->Transparent());
    const std::uint32_t desktop = ScreenPixel(20, 20);
    // Beside the form the shadow darkens the desktop, less at the very edge; under the form it is cut out.
    const std::uint32_t edge = ScreenPixel(96, 150), inner = ScreenPixel(99, 150);
    EXPECT_LT(inner & 0xFF, desktop & 0xFF);
    EXPECT_LT(inner & 0xFF, edge & 0xFF);
    EXPECT_LE(edge & 0xFF, desktop & 0xFF);
    EXPECT_EQ(ScreenPixel(220, 200), ScreenPixel(220, 210)); // the form's client area, no shadow in it
    EXPECT_TRUE(SaveScreenAround(RECT{80, 60, 370, 260}, "shadow-layered.png"));
}

TEST_F(ShadowWindowTest, WithoutLayeredWindowsOrWithDropShadowsOffTheShadowIsSolid) {
    struct Case {
        const char* Name;
        std::function<void()> Setup;
    } const cases[] = {
        {"no layered windows", [] { ovSetUpdateLayeredWindowProc(nullptr); }},
        {"drop shadows off", [] { olva::win::SetSystemMetricOverride(SM_REMOTESESSION, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Setup();
        EXPECT_FALSE(CanUseLayeredShadow());
        // A bar shadow beside the form (the form shadow itself needs drop shadows on).
        TovCustomShadowWindow bar(form);
        EXPECT_FALSE(bar.Transparent());
        bar.SetBounds(340, 88, 5, 156); // along the form's right edge
        bar.ShowShadow();
        Pump();
        EXPECT_TRUE(bar.IsShadowVisible());
        EXPECT_EQ(GetWindowLong(bar.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        EXPECT_EQ(ScreenPixel(342, 150), Pixel(cl3DDkShadow));
        if (c.Name[0] == 'n') EXPECT_TRUE(SaveScreenAround(RECT{80, 60, 370, 260}, "shadow-solid.png"));
        bar.HideShadow();
        EXPECT_FALSE(bar.HandleAllocated());
        olva::win::ResetSystemOverrides();
        ovBindShadowWindows();
    }
    // Drop shadows off: a form casts no shadow at all.
    olva::win::SetSystemMetricOverride(SM_REMOTESESSION, 1);
    MakeShadow();
    EXPECT_FALSE(shadow->IsShadowVisible());
}

} // namespace
