#include "FakePainter.h"
#include "GraphicsTestSupport.h"
#include "UiCoreTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Mouse.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/controls/ControlScrollBars.h"
#include "ui/core/controls/ScrollBarViewInfo.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace ui_core_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

// A control showing a content of a given size, scrolled by the pixel through its bars.
class TContentControl : public TuiControl {
public:
    using TuiControl::TuiControl;
    TSize content{0, 0};
    TPoint pos{0, 0};
    bool pageLinked = false;
    std::vector<std::string> scrolls;
    void InitScrollBarsParameters() override {
        const TRect client = GetClientBounds();
        SetScrollBarInfo(sbHorizontal, 0, content.cx - 1, 1, client.right - client.left, pos.x, true, true);
        SetScrollBarInfo(sbVertical, 0, content.cy - 1, 1, client.bottom - client.top, pos.y, true, true);
    }
    bool IsScrollBarPageLinked(TScrollBarKind) override { return pageLinked; }
    void Scroll(TScrollBarKind AKind, TScrollCode ACode, int& APos) override {
        int& p = AKind == sbHorizontal ? pos.x : pos.y;
        if (ACode == scLineUp) APos = p - 1;
        if (ACode == scLineDown) APos = p + 1;
        p = std::max(0, APos);
        scrolls.push_back(std::string(AKind == sbHorizontal ? "h" : "v") + std::to_string(ACode) + ":" +
                          std::to_string(p));
        UpdateScrollBars();
    }
    void DoPaint() override {
        TuiControl::DoPaint();
        GetCanvas()->FillRect(GetClientBounds(), clWhite);
        GetCanvas()->FillRect(TRect{20 - pos.x, 20 - pos.y, 60 - pos.x, 60 - pos.y}, clRed);
    }
};

class ControlScrollBarsTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        registry = std::make_unique<TFakePaintersRegistry>();
        registry->painters = {&ultraFlat};
        RootLookAndFeel()->Refresh();
        form = TForm::CreateNew(nullptr);
        form->SetBounds(100, 100, 400, 300);
        control = new TContentControl(form);
        control->SetBounds(10, 10, 200, 150);
        control->SetParent(form);
        form->Show();
        Pump();
    }
    void TearDown() override {
        form->Free();
        registry.reset();
        UiCoreTest::TearDown();
    }
    void SetContent(int W, int H) {
        control->content = TSize{W, H};
        control->UpdateScrollBars();
        Pump();
    }
    bool HVisible() { return control->GetScrollBar(sbHorizontal)->GetVisible(); }
    bool VVisible() { return control->GetScrollBar(sbVertical)->GetVisible(); }

    std::unique_ptr<TFakePaintersRegistry> registry;
    TFakePainter ultraFlat{"UltraFlat", lfsUltraFlat};
    TForm* form = nullptr;
    TContentControl* control = nullptr;
};

TEST_F(ControlScrollBarsTest, DataRecordsTable) {
    struct Case {
        TScrollStyle style;
        int min, max, page, pos;
        bool allowHide;
        bool valid, visible, enabled;
    };
    const Case cases[] = {
        {ssBoth, 0, 99, 10, 0, true, true, true, true},
        {ssBoth, 0, 99, 100, 0, true, false, false, false},    // the page covers the range: hidden
        {ssBoth, 0, 99, 100, 0, false, false, true, false},    // ... or shown disabled
        {ssBoth, 10, 5, 1, 10, true, false, false, false},     // max below min
        {ssBoth, 10, 50, 1, 3, false, false, true, false},     // position below min
        {ssVertical, 0, 999, 10, 0, true, true, false, false}, // the horizontal bar is not allowed
    };
    for (const Case& c : cases) {
        control->SetScrollBars(c.style);
        TuiScrollBarData& data = *control->GetScrollBar(sbHorizontal)->GetData();
        data = TuiScrollBarData{};
        control->SetScrollBarInfo(sbHorizontal, c.min, c.max, 1, c.page, c.pos, true, c.allowHide);
        EXPECT_EQ(data.IsValid, c.valid);
        EXPECT_EQ(data.Visible, c.visible);
        EXPECT_EQ(data.Enabled, c.enabled);
        EXPECT_EQ(data.LargeChange, c.page);
    }
}

TEST_F(ControlScrollBarsTest, BarsFollowTheContentAndShrinkTheClientBounds) {
    SetContent(100, 100);
    EXPECT_FALSE(HVisible());
    EXPECT_FALSE(VVisible());
    EXPECT_EQ(control->GetClientBounds(), (TRect{0, 0, 200, 150}));
    SetContent(100, 400);
    EXPECT_FALSE(HVisible());
    EXPECT_TRUE(VVisible());
    EXPECT_EQ(control->GetClientBounds(), (TRect{0, 0, 184, 150}));
    EXPECT_EQ(control->GetScrollBar(sbVertical)->GetBoundsRect(), (TRect{184, 0, 200, 150}));
    EXPECT_EQ(control->GetScrollBar(sbVertical)->GetPageSize(), 150);
    // 190 wide fits beside nothing but not beside the vertical bar: both show, with the grip.
    SetContent(190, 400);
    EXPECT_TRUE(HVisible());
    EXPECT_TRUE(VVisible());
    EXPECT_TRUE(control->IsSizeGripVisible());
    EXPECT_EQ(control->GetSizeGripBounds(), (TRect{184, 134, 200, 150}));
    // ssVertical: the horizontal bar never shows.
    control->SetScrollBars(ssVertical);
    SetContent(1000, 400);
    EXPECT_FALSE(HVisible());
    EXPECT_TRUE(VVisible());
}

TEST_F(ControlScrollBarsTest, BarsThatOnlyNeedEachOtherBothHideWhenPageLinked) {
    // Each dimension fits the full client but not the client less the other bar.
    SetContent(195, 145);
    EXPECT_FALSE(HVisible());
    EXPECT_FALSE(VVisible());
    control->pageLinked = true;
    SetContent(195, 145);
    EXPECT_FALSE(HVisible());
    EXPECT_FALSE(VVisible());
    control->pageLinked = false;
    control->SetBounds(10, 10, 200, 150);
    // With the content needing one bar that the other makes necessary, both show.
    SetContent(195, 400);
    EXPECT_TRUE(HVisible());
    EXPECT_TRUE(VVisible());
    control->pageLinked = true;
    SetContent(195, 400);
    EXPECT_TRUE(VVisible()); // 400 never fits: only a page-linked pair that both fit hides
}

TEST_F(ControlScrollBarsTest, OneWheelNotchScrollsThreeLines) {
    SetContent(100, 1000);
    control->scrolls.clear();
    const TPoint p = control->ClientToScreen(TPoint{50, 50});
    SetCursorPos(p.x, p.y);
    control->SetFocus();
    InjectMouse(MouseAction::Wheel, p.x, p.y, -1);
    Pump();
    EXPECT_EQ(control->scrolls, (std::vector<std::string>{"v1:1", "v1:2", "v1:3"}));
    EXPECT_EQ(control->GetScrollBar(sbVertical)->GetPosition(), 3);
    EXPECT_EQ(Mouse()->WheelScrollLines(), 3);
}

TEST_F(ControlScrollBarsTest, PanningKeepsWhatIsLessThanOnePosition) {
    SetContent(100, 1000);
    control->pos.y = 10;
    control->UpdateScrollBars();
    TuiScrollBarData& data = *control->GetScrollBar(sbVertical)->GetData();
    // A page of 7 on a 150-pixel client: 21 pixels a position; make it 20 with a 140-pixel page area.
    control->SetBounds(10, 10, 200, 140);
    control->UpdateScrollBars();
    control->SetScrollBarInfo(sbVertical, 0, 999, 1, 7, 10, true, true);
    control->GetScrollBar(sbVertical)->ApplyData();
    ASSERT_EQ(data.PageSize, 7);
    control->ResetGesturePanOffset();
    control->DoPan(0, 10);
    EXPECT_EQ(control->pos.y, 10);
    control->DoPan(0, 10);
    EXPECT_EQ(control->pos.y, 9);
    // A page larger than the client: the step is one pixel, never a division by zero.
    control->SetScrollBarInfo(sbVertical, 0, 999, 1, 500, 9, true, true);
    control->GetScrollBar(sbVertical)->ApplyData();
    control->ResetGesturePanOffset();
    control->DoPan(0, 3);
    EXPECT_EQ(control->pos.y, 6);
}

TEST_F(ControlScrollBarsTest, TheSizeCheckFollowsTheSystemMetrics) {
    SetContent(400, 400);
    olva::win::SetSystemMetricOverride(SM_CXVSCROLL, 20);
    control->Perform(0x8065, 0, 0);
    Pump();
    EXPECT_EQ(control->GetScrollBar(sbVertical)->GetWidth(), 20);
    EXPECT_EQ(control->GetClientBounds().right, 180);
    olva::win::ResetSystemOverrides();
}

// A scroll-bar model painted inside the control.
class TPaintedBarControl : public TuiControl {
public:
    explicit TPaintedBarControl(TComponent* AOwner) : TuiControl(AOwner), model(this) {
        model.SetBounds(TRect{0, 80, 150, 96});
        model.SetVisible(true);
        model.CalculateViewInfo();
        ScrollBarsManager()->RegisterModel(&model);
    }
    ~TPaintedBarControl() override { ScrollBarsManager()->UnregisterModel(&model); }
    bool NeedsScrollBars() override { return false; }
    TuiScrollBarHelper model;
};

TEST_F(ControlScrollBarsTest, TheManagerRoutesMouseInputToPaintedModelsAndHoldsTheCapture) {
    auto* painted = new TPaintedBarControl(form);
    painted->SetBounds(10, 170, 150, 100);
    painted->SetParent(form);
    Pump();
    int downs = 0;
    painted->OnMouseDown = TEvent<TObject*, TMouseButton, TShiftState, int, int>(
        [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; }, this);
    const TPoint onBar = painted->ClientToScreen(TPoint{140, 88}); // the model's line-down button
    InjectMouse(MouseAction::Move, onBar.x, onBar.y);
    Pump();
    EXPECT_EQ(painted->ScrollBarsManager()->HoveredModel(), &painted->model);
    EXPECT_TRUE(painted->IsPointOnScrollBars({140, 88}));
    InjectMouse(MouseAction::LeftDown, onBar.x, onBar.y);
    Pump();
    EXPECT_TRUE(painted->ScrollBarsManager()->Capturing());
    EXPECT_EQ(GetCapture(), painted->Handle());
    EXPECT_EQ(painted->model.Position(), 1);
    EXPECT_EQ(downs, 0); // the control's own mouse handling never saw it
    InjectMouse(MouseAction::LeftUp, onBar.x, onBar.y);
    Pump();
    EXPECT_FALSE(painted->ScrollBarsManager()->Capturing());
    EXPECT_EQ(GetCapture(), nullptr);
    // Off the model the control handles the mouse itself.
    const TPoint off = painted->ClientToScreen(TPoint{40, 20});
    InjectMouse(MouseAction::Move, off.x, off.y);
    InjectMouse(MouseAction::LeftDown, off.x, off.y);
    InjectMouse(MouseAction::LeftUp, off.x, off.y);
    Pump();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(painted->ScrollBarsManager()->HoveredModel(), nullptr);
}

TEST_F(ControlScrollBarsTest, ScreenshotOfAControlWithBothBarsAndTheGrip) {
    SetContent(600, 500);
    control->pos = TPoint{10, 10};
    control->UpdateScrollBars();
    control->Repaint();
    Pump();
    HDC dc = GetDC(control->GetScrollBar(sbVertical)->GetControl()->Handle());
    EXPECT_EQ(GetPixel(dc, 8, 8), ColorToRGB(TFakePainter::PartColor(sbpLineUp, cxbsNormal)));
    ReleaseDC(control->GetScrollBar(sbVertical)->GetControl()->Handle(), dc);
    auto* grip = static_cast<TuiControlWindowedScrollBars*>(control->ScrollBarSet())->SizeGrip();
    ASSERT_TRUE(grip->Visible());
    dc = GetDC(grip->Handle());
    EXPECT_EQ(GetPixel(dc, 4, 4), ColorToRGB(TFakePainter::kGripColor));
    ReleaseDC(grip->Handle(), dc);
    EXPECT_TRUE(
        olva::win::SaveWindowPng(form->Handle(), graphics_test::OutputPath("control-scroll-bars.png")));
}

} // namespace

namespace {
TEST_F(ControlScrollBarsTest, ASystemParameterChangeChecksTheBarSizes) {
    SetContent(400, 400);
    olva::win::SetSystemMetricOverride(SM_CXVSCROLL, 22);
    // The system tells its listeners; the control posts itself the size check.
    SendMessage(ovSystemInfo()->Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    Pump();
    EXPECT_EQ(control->GetScrollBar(sbVertical)->GetWidth(), 22);
    olva::win::ResetSystemOverrides();
}
} // namespace

namespace {
TEST_F(ControlScrollBarsTest, TheBarInterfaceReadsAndWritesTheBarControl) {
    IuiControlScrollBar* bar = control->GetScrollBar(sbVertical);
    bar->SetScrollParams(0, 50, 0, 5, false);
    bar->SetPosition(20);
    bar->SetSmallChange(3);
    bar->SetUnlimitedTracking(true);
    bar->SetWidth(18);
    EXPECT_EQ(bar->GetPosition(), 20);
    EXPECT_EQ(bar->GetSmallChange(), 3);
    EXPECT_TRUE(bar->GetUnlimitedTracking());
    EXPECT_EQ(bar->GetWidth(), 18);
    EXPECT_EQ(bar->GetKind(), sbVertical);
    EXPECT_EQ(bar->GetControl()->Parent(), control);
    EXPECT_TRUE(control->IsInternalControl(bar->GetControl()));
    EXPECT_FALSE(control->IsInternalControl(form));
}
} // namespace
