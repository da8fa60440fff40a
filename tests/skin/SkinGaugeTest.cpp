// The skinned gauge: the recording meter's lit rows, the clamp of its value, that it only invalidates,
// its text, a paint handler of the caller's, and gauges too small for their skin.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/win/Painting.h"
#include "skin/controls/SkinGauge.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinGeometry.h"

#include <gtest/gtest.h>

namespace skin_gauge_test {
using namespace skintest;
using namespace skintest::layout;

class SkinGaugeTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        LoadSkin();
        Meter = NewGauge("gauge", 20, 20, 19, 193);
        Meter->SetMinValue(0);
        Meter->SetMaxValue(32512);
        ShowForm();
    }
    TskSkinGauge* NewGauge(const std::string& Name, int X, int Y, int W, int H) {
        auto* gauge = new TskSkinGauge(Form);
        gauge->SetParent(Form);
        gauge->SetSkinDataName(Name);
        gauge->SetBounds(X, Y, W, H);
        gauge->SetSkinData(Skin);
        return gauge;
    }
    // How many rows of the meter (counted from the bottom) show the lit picture.
    int LitRows() {
        TBitmap* picture = Skin->ActivePicture(0);
        int lit = 0;
        for (int y = Meter->Height() - 1; y >= 0; --y) {
            if (ColorAt(Meter, 9, y) != PixelOf(*picture, GaugeBar.left + 9, GaugeBar.top + y)) break;
            ++lit;
        }
        return lit;
    }
    bool Invalidated(TControl* Control) {
        RECT r{};
        return GetUpdateRect(static_cast<TWinControl*>(Control)->Handle(), &r, FALSE) != FALSE;
    }
    TskSkinGauge* Meter = nullptr;
};

TEST_F(SkinGaugeTest, TheRecordingMeterLightsItsShareOfRows) {
    EXPECT_EQ(Meter->Width(), 19);
    EXPECT_EQ(Meter->Height(), 193);
    EXPECT_TRUE(Meter->Vertical()); // the description says so
    Meter->SetValue(16256);
    Pump();
    EXPECT_EQ(Meter->ProgressRectIn(Meter->ProgressArea), (TRect{0, 97, 19, 193}));
    // The bottom 96 rows (Trunc(0.5 x 193)) are lit; the one above shows the frame.
    EXPECT_GE(LitRows(), 96);
    EXPECT_EQ(ColorAt(Meter, 9, 96), PixelOf(*Skin->ActivePicture(0), Gauge.left + 9, Gauge.top + 96));
    EXPECT_EQ(ColorAt(Meter, 9, 97), PixelOf(*Skin->ActivePicture(0), GaugeBar.left + 9, GaugeBar.top + 97));
    Meter->SetValue(0);
    Pump();
    EXPECT_EQ(LitRows(), 0);
    EXPECT_EQ(ColorAt(Meter, 9, 192), PixelOf(*Skin->ActivePicture(0), Gauge.left + 9, Gauge.top + 192));
    Meter->SetValue(40000);
    EXPECT_EQ(Meter->Value(), 32512);
    Meter->SetValue(-500);
    EXPECT_EQ(Meter->Value(), 0);
}

TEST_F(SkinGaugeTest, ANewValueOnlyInvalidatesAndARepeatedOneNothing) {
    Pump();
    Meter->SetValue(1000);
    EXPECT_TRUE(Invalidated(Meter));
    Pump();
    EXPECT_FALSE(Invalidated(Meter));
    Meter->SetValue(1000);
    EXPECT_FALSE(Invalidated(Meter));
}

TEST_F(SkinGaugeTest, EqualLimitsGiveNoBarAndNoPercent) {
    Meter->SetMaxValue(0);
    EXPECT_EQ(Meter->Fraction(), 0.0);
    EXPECT_EQ(Meter->Percent(), 0);
    EXPECT_EQ(RectHeight(Meter->ProgressRectIn(Meter->ProgressArea)), 0);
}

TEST_F(SkinGaugeTest, AHorizontalGaugeShowsItsPercentCentred) {
    auto* gauge = NewGauge("hgauge", 60, 20, 200, 30);
    EXPECT_EQ(gauge->Height(), 16); // grows in width only
    EXPECT_FALSE(gauge->Vertical());
    gauge->SetShowPercent(true);
    gauge->SetValue(33);
    EXPECT_EQ(gauge->GaugeText(), "33%");
    gauge->SetShowProgressText(true);
    gauge->SetProgressText("Level ");
    EXPECT_EQ(gauge->GaugeText(), "Level 33%");
    gauge->SetShowProgressText(false);
    // Dark text pixels lie around the middle.
    const auto picture = Capture(gauge);
    int dark = 0, left = 200, right = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 3; x < 197; ++x) {
            const std::uint32_t c = PixelOf(*picture, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200)
                ++dark, left = std::min(left, x), right = std::max(right, x);
        }
    EXPECT_GT(dark, 10);
    EXPECT_NEAR((left + right) / 2, 100, 3);
}

TEST_F(SkinGaugeTest, APaintHandlerDrawsInsteadOfTheBarAndText) {
    TRect area{}, progress{};
    int calls = 0;
    Meter->SetShowPercent(true);
    Meter->OnGaugePaint = TskGaugePaintEvent(
        [&](TCanvas*, const TRect& A, const TRect& P) {
            ++calls;
            area = A;
            progress = P;
        },
        this);
    Meter->SetValue(32512);
    Pump();
    EXPECT_GE(calls, 1);
    EXPECT_EQ(area, (TRect{0, 0, 19, 193}));
    EXPECT_EQ(progress, (TRect{0, 0, 19, 193}));
    EXPECT_EQ(LitRows(), 0);
}

TEST_F(SkinGaugeTest, AGaugeSmallerThanItsSkinDrawsNoBar) {
    // 3 pixels wide: the grown progress area ends left of where it starts.
    auto* gauge = NewGauge("hgauge", 60, 80, 3, 16);
    gauge->SetValue(100);
    EXPECT_LE(RectWidth(gauge->ProgressRectIn(gauge->ProgressArea)), 0);
    EXPECT_NO_THROW(gauge->Repaint());
    Pump();
}

TEST_F(SkinGaugeTest, WithoutASkinAWhiteBoxWithAGreenBar) {
    auto* plain = new TskSkinGauge(Form);
    plain->SetParent(Form);
    plain->SetBounds(60, 120, 100, 20);
    plain->SetValue(50);
    EXPECT_EQ(ColorAt(plain, 0, 10), std::uint32_t(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ColorAt(plain, 10, 10), std::uint32_t(RGB(0, 178, 19)));
    EXPECT_EQ(ColorAt(plain, 48, 10), std::uint32_t(RGB(0, 178, 19)));
    EXPECT_EQ(ColorAt(plain, 52, 10), 0xFFFFFFu);
}

} // namespace skin_gauge_test
