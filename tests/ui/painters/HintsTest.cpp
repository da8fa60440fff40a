// Hint windows, hint style controllers and the global hint controller: the registration stack, the
// controller that applies to a control, the animation decision, work-area clamping and the plain layout.
#include "PaintersTestSupport.h"
#include "PopupTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/base/Registries.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/HintStyles.h"
#include "ui/painters/hints/HintViewInfo.h"
#include "ui/painters/hints/HintWindows.h"
#include "ui/painters/hints/ScreenTipStyle.h"
#include "ui/painters/hints/ScreenTipWindow.h"

#include <memory>
#include <string>

using namespace popup_test;

namespace {

// A second hint style with a window class of its own.
class TOtherHintWindow : public TuiCustomHintWindow {
public:
    using TuiCustomHintWindow::TuiCustomHintWindow;
};

class TOtherHintStyle : public TuiCustomHintStyle {
public:
    using TuiCustomHintStyle::TuiCustomHintStyle;
    THintWindowClass HintWindowClassOf() override { return ::HintWindowClassOf<TOtherHintWindow>(); }
    void ShowHintHook(std::string& AHintText, bool&, THintInfo&) override { AHintText += " (other)"; }
};

// A control whose hints belong to another component, as a bar control's belong to its manager.
class THostedBlock : public TBlock, public IovHintHost {
public:
    using TBlock::TBlock;
    TComponent* host = nullptr;
    TComponent* GetHintHostComponent() override { return host; }
};

class HintsTest : public PopupTest {
protected:
    TuiCustomHintStyleController* NewController(TComponent* AOwner, const TuiClassRef* AStyleClass) {
        auto* controller = new TuiCustomHintStyleController(AOwner);
        controller->SetHintStyleClass(AStyleClass);
        return controller;
    }
};

TEST_F(HintsTest, RegisteringAThenBAndRemovingThemRestoresWhatWasInstalledBefore) {
    const THintWindowClass before = HintWindowClass;
    int savedHandlerCalls = 0;
    Application()->OnShowHint =
        TShowHintEvent([&](std::string&, bool&, THintInfo&) { ++savedHandlerCalls; }, this);
    const TShowHintEvent installed = Application()->OnShowHint;
    auto* a = NewController(nullptr, uiClassOf<TovScreenTipStyle>());
    EXPECT_EQ(HintWindowClass, HintWindowClassOf<TovScreenTipWindow>());
    EXPECT_FALSE(Application()->OnShowHint == installed);
    auto* b = NewController(nullptr, uiClassOf<TOtherHintStyle>());
    EXPECT_EQ(HintWindowClass, HintWindowClassOf<TOtherHintWindow>());
    EXPECT_EQ(uiHintController()->ControllerCount(), 2);
    // The saved handler still runs behind the controllers'.
    std::string text = "Hint";
    bool canShow = true;
    THintInfo info;
    Application()->OnShowHint(text, canShow, info);
    EXPECT_EQ(savedHandlerCalls, 1);
    EXPECT_EQ(text, "Hint (other)");
    EXPECT_EQ(info.HintWindowClass, HintWindowClassOf<TOtherHintWindow>());
    delete b;
    EXPECT_EQ(HintWindowClass, HintWindowClassOf<TovScreenTipWindow>());
    delete a;
    EXPECT_EQ(HintWindowClass, before);
    EXPECT_TRUE(Application()->OnShowHint == installed);
    EXPECT_EQ(uiHintController()->ControllerCount(), 0);
    Application()->OnShowHint = nullptr;
}

TEST_F(HintsTest, AnUnknownStyleClassNameLeavesTheControllerWithoutStyleWindowAndRegistration) {
    auto* controller = new TuiCustomHintStyleController(form);
    controller->SetHintStyleClassName("TovScreenTipStyle");
    EXPECT_NE(controller->HintStyle(), nullptr);
    EXPECT_NE(controller->HintWindow(), nullptr);
    EXPECT_EQ(controller->HintStyleClassName(), "TovScreenTipStyle");
    controller->SetHintStyleClassName("tovscreentipstyle"); // names compare exactly
    EXPECT_EQ(controller->HintStyle(), nullptr);
    EXPECT_EQ(controller->HintWindow(), nullptr);
    EXPECT_EQ(controller->HintWindowClassOf(), nullptr);
    EXPECT_EQ(uiHintController()->ControllerCount(), 0);
    // Owned by the hinted control's form, it is still the one that applies: processing a hint leaves
    // the text and the window class alone.
    uiHintController()->SetHintedControl(ownerControl);
    EXPECT_EQ(uiHintController()->ActiveController(), controller);
    std::string text = "Open";
    bool canShow = true;
    THintInfo info;
    controller->ProcessHint(text, canShow, info);
    EXPECT_EQ(text, "Open");
    EXPECT_EQ(info.HintWindowClass, nullptr);
    EXPECT_EQ(ovGetActiveHintWindowClass(), HintWindowClass);
    ovResetHintedControl();
}

TEST_F(HintsTest, TheControllerOfTheHintedControlsFormWinsOverALaterGlobalOne) {
    auto* local = NewController(form, uiClassOf<TOtherHintStyle>());
    local->SetGlobal(false);
    auto* hosted = new THostedBlock(nullptr);
    auto* host = new TComponent(nullptr);
    auto* hostController = NewController(host, uiClassOf<TOtherHintStyle>());
    hostController->SetGlobal(false);
    auto* global = NewController(nullptr, uiClassOf<TovScreenTipStyle>());
    hosted->host = host;
    olva::win::InjectMouse(olva::win::MouseAction::Move, 5, 5); // over no control of ours
    Pump();
    struct Case {
        const char* what;
        TControl* control;
        TuiCustomHintStyleController* expected;
    } const cases[] = {{"on the form", ownerControl, local},
                       {"the hint host's component", hosted, hostController},
                       {"nothing of its own", nullptr, global}};
    for (const Case& c : cases) {
        uiHintController()->SetHintedControl(c.control);
        EXPECT_EQ(uiHintController()->ActiveController(), c.expected) << c.what;
    }
    uiHintController()->SetHintedControl(hosted);
    EXPECT_EQ(ovGetActiveHintStyleController(), hostController);
    EXPECT_EQ(ovGetActiveHintStyle(), hostController->HintStyle());
    // A controller that is not global applies only where it is found.
    global->SetGlobal(false);
    uiHintController()->SetHintedControl(nullptr);
    EXPECT_EQ(uiHintController()->ActiveController(), nullptr);
    // A freed hinted control is forgotten.
    uiHintController()->SetHintedControl(hosted);
    const TControl* freed = hosted;
    delete hosted;
    EXPECT_NE(uiHintController()->HintedControl(), freed);
    delete host;
    delete global;
}

TEST_F(HintsTest, ControllersPushTheirPausesToTheApplication) {
    auto* controller = new TuiCustomHintStyleController(nullptr);
    EXPECT_EQ(controller->HintShortPause(), 50);
    EXPECT_EQ(controller->HintPause(), 500);
    EXPECT_EQ(controller->HintHidePause(), 2500);
    controller->SetHintPause(800);
    EXPECT_EQ(Application()->HintPause(), 800);
    EXPECT_EQ(Application()->HintShortPause(), 50);
    controller->BeginUpdate();
    controller->SetHintHidePause(4000);
    EXPECT_EQ(Application()->HintHidePause(), 2500);
    controller->EndUpdate();
    EXPECT_EQ(Application()->HintHidePause(), 4000);
    delete controller;
}

TEST_F(HintsTest, TheEffectiveAnimationKind) {
    const TuiHintAnimationSettings on{true, true}, slide{true, false}, off{false, true};
    struct Case {
        TuiHintAnimationKind kind;
        TuiHintAnimationSettings settings;
        TuiHintAnimationKind expected;
    } const cases[] = {
        {hakAutomatic, on, hakFade},  {hakAutomatic, slide, hakSlideDownwards},
        {hakAutomatic, off, hakNone}, {hakSlideFromLeft, off, hakNone},
        {hakNone, on, hakNone},       {hakExpandFromCenter, on, hakExpandFromCenter},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiEffectiveHintAnimationKind(c.kind, c.settings), c.expected) << int(c.kind);
    EXPECT_EQ(uiHintAnimationFlags(hakFade), 0x80000u | 0x40000u);
    EXPECT_EQ(uiHintAnimationFlags(hakSlideUpwards), 0x8u | 0x40000u);
    EXPECT_EQ(uiHintAnimationFlags(hakNone), 0u);
}

TEST_F(HintsTest, HintsShownSoonAfterAnotherOrWithLongTextsAppearWithoutAnimation) {
    auto* window = new TuiCustomHintWindow(nullptr);
    const std::string shortHint = "Open a file";
    const RECT r{300, 300, 400, 320};
    Run(1000);
    window->ActivateHint(r, shortHint);
    EXPECT_TRUE(window->HasAnimation());
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    Run(200);
    window->ActivateHint(r, shortHint);
    EXPECT_FALSE(window->HasAnimation());
    Run(1000);
    window->ActivateHint(r, std::string(120, 'x'));
    EXPECT_FALSE(window->HasAnimation());
    Run(1000);
    const TuiHintAnimationSettings off{false, false};
    uiSetHintAnimationSettingsOverride(&off);
    window->ActivateHint(r, shortHint);
    EXPECT_FALSE(window->HasAnimation());
    uiSetHintAnimationSettingsOverride(nullptr);
    Run(1000);
    window->SetAnimationKind(hakNone);
    window->ActivateHint(r, shortHint);
    EXPECT_FALSE(window->HasAnimation());
    // The window is topmost, without a border of its own, and took the hint as its text.
    EXPECT_NE(GetWindowLong(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindowLong(window->Handle(), GWL_STYLE) & WS_BORDER, 0);
    EXPECT_EQ(window->Caption(), shortHint);
    delete window;
}

TEST_F(HintsTest, AHintPastTheMonitorsEdgeMovesIntoTheWorkArea) {
    olva::win::SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 560}}});
    olva::win::InjectMouse(olva::win::MouseAction::Move, 780, 300);
    Pump();
    auto* window = new TuiCustomHintWindow(nullptr);
    struct Case {
        RECT hint;
        TRect expected;
    } const cases[] = {{{750, 300, 850, 320}, {700, 300, 800, 320}},
                       {{-20, 550, 80, 590}, {0, 520, 100, 560}},
                       {{100, 100, 200, 120}, {100, 100, 200, 120}}};
    for (const Case& c : cases) {
        window->ActivateHint(c.hint, "Hint");
        EXPECT_EQ(window->BoundsRect(), c.expected);
    }
    // SetBounds keeps any placement on the work area.
    window->SetBounds(790, 590, 60, 20);
    EXPECT_EQ(window->BoundsRect(), (TRect{740, 540, 800, 560}));
    delete window;
}

TEST_F(HintsTest, ThePlainLayoutIsTheWrappedTextInTheStatusFontWithSixPixelsMore) {
    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(TovSystemInfo::GetParameter(SPI_GETNONCLIENTMETRICS, &metrics));
    TFont statusFont;
    statusFont.SetHandle(CreateFontIndirect(&metrics.lfStatusFont));
    const std::string text = "Cut the selection";
    const TSize textSize = uiMeasureTextExtent(&statusFont, text + " (Ctrl+X)");
    auto bitmap = MakeBitmap(300, 60, clWhite);
    TuiCanvas canvas(bitmap->Canvas());
    TovHintViewInfoHelper helper(text, TPoint{10, 20}, " (Ctrl+X)");
    EXPECT_EQ(helper.Text(), "Cut the selection (Ctrl+X)");
    helper.ComputeLayout(&canvas);
    EXPECT_EQ(helper.Bounds, (TRect{0, 0, textSize.cx + 6, textSize.cy + 6}));
    EXPECT_EQ(helper.TextBounds(), (TRect{3, 3, textSize.cx + 5, textSize.cy + 5}));
    EXPECT_EQ(canvas.Font()->Color(), Screen()->HintFont()->Color());
    helper.Paint(&canvas);
    // The raised outer edge: light at the top left, dark at the bottom right.
    EXPECT_EQ(ColorAt(*bitmap, 0, 0), Rgb(cl3DLight));
    EXPECT_EQ(ColorAt(*bitmap, helper.Bounds.right - 1, helper.Bounds.bottom - 1), Rgb(cl3DDkShadow));
    TovHintViewInfoHelper empty("", TPoint{0, 0}, "");
    empty.ComputeLayout(&canvas);
    EXPECT_EQ(empty.Bounds, (TRect{0, 0, 0, 0}));
}

TEST_F(HintsTest, TheApplicationMakesItsHintWindowFromTheInstalledClass) {
    auto* controller = NewController(nullptr, uiClassOf<TovScreenTipStyle>());
    ownerControl->SetHint("Owner control");
    ownerControl->SetShowHint(true);
    const TPoint p = CentreOf(ownerControl);
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    Pump();
    Run(Application()->HintPause() + 50);
    ASSERT_NE(Application()->HintWindow(), nullptr);
    EXPECT_NE(dynamic_cast<TovScreenTipWindow*>(Application()->HintWindow()), nullptr);
    EXPECT_TRUE(IsWindowVisible(Application()->HintWindow()->Handle()));
    Application()->CancelHint();
    delete controller;
}

} // namespace

namespace {

TEST_F(HintsTest, PreparingAHintRunsTheShowHintEventAndMakesTheWindowOfTheNamedClass) {
    auto* controller = new TuiCustomHintStyleController(nullptr);
    controller->SetHintStyleClassName("TovScreenTipStyle");
    THintWindow* window = nullptr;
    THintInfo info;
    TRect r{300, 200, 300, 200};
    std::string hint = "Open a file";
    EXPECT_TRUE(ovPrepareHintInfo(info, window, ownerControl, 0, nullptr, r, hint));
    ASSERT_NE(window, nullptr);
    EXPECT_NE(dynamic_cast<TovScreenTipWindow*>(window), nullptr);
    EXPECT_EQ(info.HintControl, ownerControl);
    EXPECT_EQ(info.HideTimeout, Application()->HintHidePause());
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    EXPECT_GT(r.right, r.left);
    ovShowHintWindow(window, r, hint);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_EQ(GetParent(window->Handle()), Application()->Handle()); // its owner
    // A refused hint makes no window.
    controller->OnShowHint =
        TuiShowHintEvent([](TObject*, std::string&, bool& ACanShow, THintInfo&) { ACanShow = false; }, this);
    THintWindow* none = nullptr;
    EXPECT_FALSE(ovPrepareHintInfo(info, none, ownerControl, 100, nullptr, r, hint));
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(info.HideTimeout, 100);
    delete window;
    delete controller;
}

} // namespace
