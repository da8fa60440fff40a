#include "BarsTestSupport.h"

#include "platform/vcl/Font.h"
#include "platform/vcl/Graphics.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

using namespace bars_test;

TEST(BarPainterChoice, IndexAndEffectiveStylePerStyleKindAndNative) {
    struct Case {
        TovBarManagerStyle style;
        TovBarLookAndFeelKind kind;
        bool native, skin;
        int index;
        TovBarManagerStyle effective;
    };
    const Case cases[] = {
        {bmsStandard, blfOffice11, false, false, bpiStandard, bmsStandard},
        {bmsEnhanced, blfStandard, true, false, bpiEnhanced, bmsEnhanced},
        {bmsFlat, blfStandard, false, false, bpiFlat, bmsFlat},
        {bmsXP, blfStandard, false, false, bpiEnhanced, bmsXP}, // no visual styles here
        {bmsOffice11, blfFlat, false, false, bpiOffice11, bmsOffice11},
        {bmsUseLookAndFeel, blfFlat, false, false, bpiEnhanced, bmsEnhanced},
        {bmsUseLookAndFeel, blfStandard, false, false, bpiStandard, bmsStandard},
        {bmsUseLookAndFeel, blfUltraFlat, false, false, bpiFlat, bmsFlat},
        {bmsUseLookAndFeel, blfOffice11, false, false, bpiOffice11, bmsOffice11},
        {bmsUseLookAndFeel, blfOffice11, true, false, bpiOffice11, bmsOffice11}, // native without styles
        {bmsUseLookAndFeel, blfOffice11, false, true, bpiSkin, bmsOffice11},     // a skin does not count
    };
    for (const Case& c : cases) {
        const TovBarLookAndFeelState lf{c.kind, c.native, c.skin, false};
        EXPECT_EQ(ovBarPainterIndex(c.style, lf), c.index) << c.style << " " << c.kind;
        EXPECT_EQ(ovBarEffectiveStyle(c.style, lf), c.effective) << c.style << " " << c.kind;
    }
    const TovBarLookAndFeelState themed{blfStandard, true, false, true};
    EXPECT_EQ(ovBarPainterIndex(bmsXP, themed), bpiXP);
    EXPECT_EQ(ovBarEffectiveStyle(bmsUseLookAndFeel, themed), bmsXP);
    const int lookOfPainter[] = {0, 0, 2, 3, 4, -1};
    for (int i = 0; i <= bpiSkin; ++i)
        EXPECT_EQ(ovBarLookAndFeelStyleOfPainter(i), lookOfPainter[i]);
}

TEST_F(BarsTest, ManagerPainterFollowsStyleAndRecentItemsStyle) {
    TovBarManager* manager = MakeManager();
    EXPECT_EQ(manager->GetPainterStyle(), bpiEnhanced);
    ASSERT_NE(manager->DefaultPainter(), nullptr);
    EXPECT_EQ(manager->GetPainterClass(), ovBarPainterClassOf(bpiEnhanced)) << "the Enhanced look's class";
    const int recreated = manager->PainterRecreateCount();
    manager->SetStyle(bmsUseLookAndFeel);
    manager->LookAndFeel()->SetKind(lfOffice11);
    EXPECT_EQ(manager->GetPainterStyle(), bpiOffice11);
    EXPECT_EQ(manager->GetEffectiveStyle(), bmsOffice11);
    EXPECT_TRUE(manager->IsShowRecentItemsFirst());
    EXPECT_EQ(manager->PainterRecreateCount(), recreated + 2) << "the look-and-feel change recreates it";
    manager->LookAndFeel()->SetNativeStyle(true);
    EXPECT_EQ(manager->GetPainterStyle(), bpiOffice11) << "native without visual styles goes by kind";
    manager->LookAndFeel()->SetNativeStyle(false);
    manager->LookAndFeel()->SetKind(lfUltraFlat);
    EXPECT_EQ(manager->GetPainterStyle(), bpiFlat);
    TuiLookAndFeel embedded(nullptr);
    manager->ApplyLookAndFeelTo(&embedded);
    EXPECT_EQ(embedded.Kind(), lfUltraFlat);
    manager->SetStyle(bmsEnhanced);
    manager->ApplyLookAndFeelTo(&embedded);
    EXPECT_EQ(embedded.Kind(), lfFlat);
    manager->SetStyle(bmsStandard);
    EXPECT_FALSE(manager->IsRecentItemsStyle());
}

TEST_F(BarsTest, FlatBrushColoursComeFromTheSystemColours) {
    TovBarManager* manager = MakeManager();
    auto rgb = [](TColor C) { return static_cast<COLORREF>(ColorToRGB(C)); };
    const COLORREF shadow = rgb(clBtnShadow), face = rgb(clBtnFace);
    auto part = [](COLORREF C, int S) { return static_cast<int>((C >> S) & 0xFF); };
    const COLORREF border = static_cast<COLORREF>(manager->FlatToolbarBorderColor());
    for (int s : {0, 8, 16})
        EXPECT_EQ(part(border, s), (part(shadow, s) * 8 + 5) / 10) << s;
    const COLORREF flat = static_cast<COLORREF>(manager->FlatToolbarColor());
    for (int s : {0, 8, 16}) {
        const int c = part(face, s);
        EXPECT_EQ(part(flat, s), c + ((255 - c) * 16 + 50) / 100) << s;
    }
}

TEST_F(BarsTest, SystemFontAndScaledFollowAMetricsChange) {
    TovBarManager* manager = MakeManager();
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_TRUE(manager->UseSystemFont());
    EXPECT_EQ(manager->Font()->Height(), metrics.lfMenuFont.lfHeight);
    TFont other;
    other.SetName("Other Face");
    other.SetHeight(-30);
    manager->SetFont(&other);
    EXPECT_FALSE(manager->UseSystemFont()) << "assigning a font turns the system font off";
    EXPECT_EQ(manager->Font()->Name(), "Other Face");
    EXPECT_EQ(manager->Font()->Height(), metrics.lfMenuFont.lfHeight) << "Scaled keeps the system height";
    manager->SystemInfoChanged(SPI_SETNONCLIENTMETRICS);
    EXPECT_EQ(manager->Font()->Name(), "Other Face") << "a metrics change updates only the height";
    manager->SetUseSystemFont(true);
    EXPECT_EQ(manager->Font()->Name(), std::string(metrics.lfMenuFont.lfFaceName));
}

namespace {
int office11Refs = 0, office11Refreshes = 0;
}

TEST_F(BarsTest, TheManagerHoldsTheOffice11ColoursForItsLife) {
    const TuiPainterServiceHooks saved = uiPainterServiceHooks();
    TuiPainterServiceHooks hooks = saved;
    hooks.ReferenceOffice11Colors = [] { ++office11Refs; };
    hooks.ReleaseOffice11Palette = [] { --office11Refs; };
    hooks.RefreshOffice11Colors = [] { ++office11Refreshes; };
    uiSetPainterServiceHooks(hooks);
    office11Refs = office11Refreshes = 0;
    TovBarManager* manager = MakeManager();
    EXPECT_EQ(office11Refs, 1);
    manager->AddToolbar(false, false);
    TakeCalls();
    manager->SystemColorsChanged();
    EXPECT_EQ(office11Refreshes, 1);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.Repaint"), calls.end());
    delete manager;
    EXPECT_EQ(office11Refs, 0);
    uiSetPainterServiceHooks(saved);
}
