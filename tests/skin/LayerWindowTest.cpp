// Glow frames on the headless screen and the fake clock: the fade's ticks, the picture's alpha from
// its mask, clicks passing through, and nothing at all without per-pixel alpha.
#include "SkinTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "skin/draw/LayerWindow.h"
#include "skin/draw/SkinBitmap.h"

#include <gtest/gtest.h>

namespace layer_window_test {
using namespace skintest;

class LayerWindowTest : public testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        Clock = std::make_unique<TFakeClock>(0, 10000);
        Override = std::make_unique<TClockOverride>(*Clock);
        InitializeVcl();
        Form = TCustomForm::New<TForm>(nullptr);
        Form->SetBounds(100, 100, 300, 200);
        Form->SetColor(clNavy);
        Form->OnMouseDown =
            TMouseEvent([this](TObject*, TMouseButton, TShiftState, int, int) { ++FormClicks; }, this);
        Form->Show();
        Application()->ProcessMessages();
        Manager = new TskLayerManager(Form);
        Picture = MakeBitmap(20, 20, [](int, int) { return 0xFFFFFFu; });
        Mask = MakeBitmap(20, 20, [](int x, int) { return x < 10 ? 0xFFFFFFu : 0x808080u; });
    }
    void TearDown() override {
        Form->Free();
        FinalizeVcl();
        Override.reset();
        Clock.reset();
        olva::win::ResetWindowSystem();
    }
    void Tick() {
        Clock->Advance(25);
        olva::win::PumpMessages();
    }
    std::uint32_t ScreenAt(int x, int y) {
        Application()->ProcessMessages();
        return PixelToColorRef(olva::win::ComposeScreen()->Pixel(x, y)) & 0xFFFFFF;
    }

    std::unique_ptr<TFakeClock> Clock;
    std::unique_ptr<TClockOverride> Override;
    TForm* Form = nullptr;
    TskLayerManager* Manager = nullptr;
    std::unique_ptr<TBitmap> Picture, Mask;
    int FormClicks = 0;
};

TEST_F(LayerWindowTest, TheGlowFadesInOverElevenTicks) {
    const std::uint32_t navy = std::uint32_t(ColorToRGB(clNavy));
    Manager->Show(150, 150, 255, Mask.get(), Picture.get());
    ASSERT_NE(Manager->Window(), nullptr);
    EXPECT_TRUE(Manager->Shown());
    EXPECT_EQ(Manager->Step(), 25);
    EXPECT_TRUE(Manager->Timer()->Enabled());
    EXPECT_EQ(ScreenAt(155, 155), navy); // shown at opacity 0
    std::uint32_t previous = 0;
    for (int tick = 1; tick <= 10; ++tick) {
        Tick();
        EXPECT_EQ(Manager->CurrentAlpha(), 25 * tick);
        EXPECT_TRUE(Manager->Timer()->Enabled()) << tick;
        const std::uint32_t red = ScreenAt(155, 155) & 0xFF;
        EXPECT_GT(red, previous) << tick;
        previous = red;
    }
    Tick();
    EXPECT_EQ(Manager->CurrentAlpha(), 255);
    EXPECT_FALSE(Manager->Timer()->Enabled());
    EXPECT_EQ(ScreenAt(155, 155), 0xFFFFFFu);
    // The right half's mask is mid-grey: half transparent over the form.
    const std::uint32_t half = ScreenAt(165, 155);
    EXPECT_NEAR(int(half & 0xFF), 128, 2);
    EXPECT_NEAR(int((half >> 16) & 0xFF), 128 + 128 * 128 / 255, 3);
    Manager->Hide();
    EXPECT_EQ(Manager->Window(), nullptr);
    EXPECT_EQ(Manager->Picture(), nullptr);
    EXPECT_FALSE(Manager->Shown());
    EXPECT_EQ(ScreenAt(155, 155), navy);
}

TEST_F(LayerWindowTest, ALowTargetOpacityStillEndsTheFade) {
    Manager->Show(150, 150, 5, Mask.get(), Picture.get());
    EXPECT_EQ(Manager->Step(), 1);
    for (int tick = 1; tick <= 5; ++tick)
        Tick();
    EXPECT_EQ(Manager->CurrentAlpha(), 5);
    EXPECT_FALSE(Manager->Timer()->Enabled());
    EXPECT_NE(ScreenAt(155, 155), std::uint32_t(ColorToRGB(clNavy)));

    Manager->Show(150, 150, 0, Mask.get(), Picture.get());
    Tick();
    EXPECT_EQ(Manager->CurrentAlpha(), 0);
    EXPECT_FALSE(Manager->Timer()->Enabled());
}

TEST_F(LayerWindowTest, ClicksPassThroughToTheFormAndNeverActivateTheGlow) {
    Manager->Show(150, 150, 255, Mask.get(), Picture.get());
    for (int tick = 0; tick < 11; ++tick)
        Tick();
    HWND glow = Manager->Window()->Handle();
    olva::win::InjectMouse(olva::win::MouseAction::Move, 155, 155);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 155, 155);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, 155, 155);
    Application()->ProcessMessages();
    EXPECT_EQ(FormClicks, 1);
    EXPECT_NE(GetActiveWindow(), glow);
    EXPECT_EQ(SendMessage(glow, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    EXPECT_TRUE(GetWindowLong(glow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLong(glow, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(LayerWindowTest, ShowingAgainReplacesTheWindow) {
    Manager->Show(150, 150, 255, Mask.get(), Picture.get());
    HWND first = Manager->Window()->Handle();
    Manager->Show(200, 160, 100, Mask.get(), Picture.get());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_NE(Manager->Window(), nullptr);
    EXPECT_EQ(Manager->Window()->Left(), 200);
    EXPECT_EQ(Manager->MaxAlpha(), 100);
    EXPECT_EQ(Manager->CurrentAlpha(), 0);
}

TEST_F(LayerWindowTest, NothingHappensWithoutPerPixelAlpha) {
    TFlatPresenter flat;
    olva::win::SetPresenter(&flat);
    Manager->Show(150, 150, 255, Mask.get(), Picture.get());
    EXPECT_EQ(Manager->Window(), nullptr);
    EXPECT_FALSE(Manager->Shown());
    EXPECT_FALSE(Manager->Timer()->Enabled());
    Manager->Hide();
    olva::win::SetPresenter(nullptr);
}

TEST(PrepareLayerBitmapTest, AlphaComesFromTheMasksLuminanceAndColoursAreClamped) {
    auto picture = MakeBitmap(2, 1, [](int, int) { return std::uint32_t(RGB(200, 100, 50)); });
    auto mask =
        MakeBitmap(2, 1, [](int x, int) { return x == 0 ? std::uint32_t(RGB(30, 60, 90)) : 0xFFFFFFu; });
    TskBitmap dest;
    PrepareLayerBitmap(picture.get(), mask.get(), &dest);
    EXPECT_EQ(*dest.PixelAddress(0, 0), 0x3C3C3C32u); // alpha 60; red and green lowered to 60, blue 50 kept
    EXPECT_EQ(*dest.PixelAddress(1, 0), 0xFFC86432u);
}

} // namespace layer_window_test
