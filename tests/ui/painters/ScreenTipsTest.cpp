// Screen tips: the repository's fonts, widths at two densities, names and renames, links to controls and
// actions, the hint hook, the layout of the bands, and the three looks of the screen-tip window.
#include "PaintersTestSupport.h"
#include "PopupTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/HintStyles.h"
#include "ui/painters/hints/ScreenTipStyle.h"
#include "ui/painters/hints/ScreenTipViewInfo.h"
#include "ui/painters/hints/ScreenTipWindow.h"
#include "ui/painters/hints/ScreenTips.h"

#include <memory>
#include <string>

using namespace popup_test;

namespace {

// A control that names its screen tip itself, as a bar item control does.
class TProvidingBlock : public TBlock, public IovScreenTipProvider {
public:
    using TBlock::TBlock;
    TovScreenTip* tip = nullptr;
    TBasicAction* action = nullptr;
    TovScreenTip* GetScreenTip() override { return tip; }
    TBasicAction* GetAction() override { return action; }
    std::string GetShortCutText() override { return " (F5)"; }
};

// A screen of another pixel density while the object lives.
class TScreenDensity {
public:
    explicit TScreenDensity(int ADpi) { Set(ADpi); }
    ~TScreenDensity() { Set(0); }
    TScreenDensity(const TScreenDensity&) = delete;
    TScreenDensity& operator=(const TScreenDensity&) = delete;

private:
    static void Set(int ADpi) {
        GdiSetPixelsPerInch(ADpi);
        uiReadScreenPixelsPerInch();
    }
};

class ScreenTipsTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        repository = new TovScreenTipRepository(form);
        repository->SetName("Tips");
        controller = new TuiCustomHintStyleController(form);
        controller->SetHintStyleClassName("TovScreenTipStyle");
        style = dynamic_cast<TovScreenTipStyle*>(controller->HintStyle());
        ASSERT_NE(style, nullptr);
    }
    TovScreenTip* NewTip(const std::string& AHeader, const std::string& ADescription = "") {
        TovScreenTip* tip = repository->Items()->Add();
        tip->Header()->SetText(AHeader);
        tip->Description()->SetText(ADescription);
        return tip;
    }
    std::unique_ptr<TBitmap> Glyph(int AWidth, int AHeight) {
        auto glyph = MakeBitmap(AWidth, AHeight, clNavy);
        return glyph;
    }
    TovScreenTipRepository* repository = nullptr;
    TuiCustomHintStyleController* controller = nullptr;
    TovScreenTipStyle* style = nullptr;
};

TEST_F(ScreenTipsTest, TheRepositoryFontsAreTheHintFontInTheTipColourUntilTheUserSetsThem) {
    EXPECT_TRUE(repository->AssignedFonts().empty());
    EXPECT_TRUE(repository->ShowDescription());
    TFont* header = repository->GetFont(stbHeader);
    EXPECT_EQ(header->Color(), ovScreenTipDefaultTextColor);
    EXPECT_TRUE(header->Style().Contains(fsBold));
    EXPECT_EQ(header->Name(), Screen()->HintFont()->Name());
    EXPECT_FALSE(repository->GetFont(stbDescription)->Style().Contains(fsBold));
    EXPECT_TRUE(repository->GetFont(stbFooter)->Style().Contains(fsBold));
    EXPECT_TRUE(repository->IsDefaultFont(stbHeader));
    repository->HeaderFont()->SetSize(14);
    EXPECT_TRUE(repository->AssignedFonts().Contains(stbHeader));
    EXPECT_TRUE(repository->IsFontStored(stbHeader));
    EXPECT_FALSE(repository->IsFontStored(stbDescription));
    EXPECT_EQ(repository->GetFont(stbHeader), repository->HeaderFont());
    // Still the built-in colour: the painter's colour applies.
    EXPECT_TRUE(repository->IsDefaultFont(stbHeader));
    repository->HeaderFont()->SetColor(clRed);
    EXPECT_FALSE(repository->IsDefaultFont(stbHeader));
    // A copy takes the fonts and then exactly the source's assigned set.
    auto* copy = new TovScreenTipRepository(form);
    copy->Assign(repository);
    EXPECT_EQ(copy->AssignedFonts(), repository->AssignedFonts());
    EXPECT_EQ(copy->HeaderFont()->Color(), clRed);
}

TEST_F(ScreenTipsTest, WidthsFollowTheDescriptionGlyphAndTheScreenDensity) {
    TovScreenTip* tip = NewTip("Open");
    EXPECT_EQ(tip->GetWidth(), 210);
    auto glyph = Glyph(32, 32);
    tip->Description()->SetGlyph(glyph.get());
    EXPECT_TRUE(tip->Description()->HasGlyph());
    EXPECT_EQ(tip->GetWidth(), 318);
    tip->SetWidth(250);
    EXPECT_EQ(tip->GetWidth(), 250);
    TovScreenTip* plain = NewTip("Save");
    {
        TScreenDensity density(144);
        EXPECT_EQ(plain->GetWidth(), 315);
        EXPECT_EQ(tip->GetWidth(), 250);
    }
    EXPECT_EQ(plain->GetWidth(), 210);
}

TEST_F(ScreenTipsTest, NamesAndARenameThatCarriesTheHeaderText) {
    TovScreenTip* first = repository->Items()->Add();
    TovScreenTip* second = repository->Items()->Add();
    EXPECT_NE(first->Name(), second->Name());
    EXPECT_NE(first->Name().find("ScreenTip"), std::string::npos);
    EXPECT_EQ(first->Repository(), repository);
    first->SetName("OpenTip");
    first->Header()->SetText("OpenTip");
    first->SetName("OpenFileTip");
    EXPECT_EQ(first->Header()->Text(), "OpenFileTip");
    first->Header()->SetText("Open a file");
    first->SetName("OpenTip2");
    EXPECT_EQ(first->Header()->Text(), "Open a file");
    EXPECT_EQ(first->GetDisplayName(), "OpenTip2 - 'Open a file'");
    // A tip under anything but a repository is refused.
    TComponent notARepository(nullptr);
    EXPECT_THROW(second->SetParentComponent(&notARepository), EInvalidCast);
    // The standard footer replaces the footer for layout when asked.
    EXPECT_EQ(first->GetBandForLayout(stbFooter), first->Footer());
    first->SetUseStandardFooter(true);
    EXPECT_EQ(first->GetBandForLayout(stbFooter), repository->StandardFooter());
}

TEST_F(ScreenTipsTest, LinksLoseWhatIsFreedAndRefuseWhatIsNoControlOrAction) {
    TovScreenTip* tip = NewTip("Open");
    auto* link = style->ScreenTipLinks()->Add();
    auto* control = new TBlock(form);
    link->SetControl(control);
    link->SetScreenTip(tip);
    EXPECT_EQ(style->ScreenTipLinks()->FindScreenTip(control), tip);
    EXPECT_EQ(style->ScreenTipLinks()->FindLink(tip), link);
    EXPECT_THROW(link->SetControl(repository), EInvalidCast);
    delete control;
    EXPECT_EQ(style->ScreenTipLinks()->Count(), 1);
    EXPECT_EQ(link->Control(), nullptr);
    EXPECT_EQ(link->ScreenTip(), tip);
    auto* actionLink = style->ScreenTipActionLinks()->Add();
    auto* action = new TAction(form);
    actionLink->SetAction(action);
    actionLink->SetScreenTip(tip);
    EXPECT_THROW(actionLink->SetAction(repository), EInvalidCast);
    delete tip;
    EXPECT_EQ(link->ScreenTip(), nullptr);
    EXPECT_EQ(actionLink->ScreenTip(), nullptr);
    EXPECT_EQ(actionLink->Action(), action);
}

TEST_F(ScreenTipsTest, FindingTheTipOfAControlItsActionOrItsProvider) {
    TovScreenTip* direct = NewTip("Direct");
    TovScreenTip* byAction = NewTip("By action");
    auto* action = new TAction(form);
    action->SetShortCut(ShortCut('O', scCtrl));
    style->ScreenTipLinks()->Add()->SetControl(ownerControl);
    style->ScreenTipLinks()->Items(0)->SetScreenTip(direct);
    style->ScreenTipActionLinks()->Add()->SetAction(action);
    style->ScreenTipActionLinks()->Items(0)->SetScreenTip(byAction);
    auto* provider = new TProvidingBlock(form);
    struct Case {
        const char* what;
        TControl* control;
        TBasicAction* action;
        TovScreenTip* tip;
        std::string shortCut;
    } const cases[] = {
        {"linked control", ownerControl, nullptr, direct, ""},
        {"linked control with an action", ownerControl, action, direct,
         " (" + ShortCutToText(ShortCut('O', scCtrl)) + ")"},
        {"linked action", other, action, byAction, " (" + ShortCutToText(ShortCut('O', scCtrl)) + ")"},
        {"nothing linked", other, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        c.control->SetAction(c.action);
        TovScreenTip* tip = nullptr;
        std::string shortCut = "stale";
        EXPECT_EQ(style->FindScreenTip(c.control, tip, shortCut), c.tip != nullptr) << c.what;
        EXPECT_EQ(tip, c.tip) << c.what;
        EXPECT_EQ(shortCut, c.shortCut) << c.what;
        c.control->SetAction(nullptr);
    }
    // A provider's own tip, else the tip linked to the action it names, with its shortcut text.
    TovScreenTip* tip = nullptr;
    std::string shortCut;
    provider->action = action;
    EXPECT_TRUE(style->FindScreenTip(provider, tip, shortCut));
    EXPECT_EQ(tip, byAction);
    EXPECT_EQ(shortCut, " (F5)");
    provider->tip = direct;
    EXPECT_TRUE(style->FindScreenTip(provider, tip, shortCut));
    EXPECT_EQ(tip, direct);
}

TEST_F(ScreenTipsTest, TheHintHookGivesAControlWithoutHintTheHeaderOfItsTip) {
    TovScreenTip* tip = NewTip("Open");
    style->ScreenTipLinks()->Add()->SetControl(ownerControl);
    style->ScreenTipLinks()->Items(0)->SetScreenTip(tip);
    struct Case {
        const char* header;
        bool useHintAsHeader;
        std::string hint, expected;
    } const cases[] = {{"Open", false, "", "Open"},
                       {"", false, "", " "},
                       {"Open", true, "", ""},
                       {"Open", false, "Own hint", "Own hint"}};
    for (const Case& c : cases) {
        tip->Header()->SetText(c.header);
        tip->SetUseHintAsHeader(c.useHintAsHeader);
        THintInfo info;
        info.HintControl = ownerControl;
        std::string hint = c.hint;
        bool canShow = true;
        style->ShowHintHook(hint, canShow, info);
        EXPECT_EQ(hint, c.expected) << c.header << "/" << c.useHintAsHeader;
    }
}

class ScreenTipLayoutTest : public ScreenTipsTest {
protected:
    void SetUp() override {
        ScreenTipsTest::SetUp();
        bitmap = MakeBitmap(400, 300, clWhite);
        canvas = std::make_unique<TuiCanvas>(bitmap->Canvas());
    }
    std::unique_ptr<TovScreenTipViewInfo> Layout(TovScreenTip* ATip, const std::string& AHint = "",
                                                 const std::string& AShortCut = "") {
        auto viewInfo = std::make_unique<TovScreenTipViewInfo>(
            ATip, AHint, AShortCut, std::make_unique<TovScreenTipPainter>(Painter("UltraFlat")));
        viewInfo->ComputeLayout(canvas.get());
        return viewInfo;
    }
    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TuiCanvas> canvas;
};

TEST_F(ScreenTipLayoutTest, AHeaderAloneIsTwelvePixelsLargerThanItsText) {
    for (const std::string text : {std::string("Open"), std::string(60, 'W')}) {
        TovScreenTip* tip = NewTip(text);
        const TSize textSize = uiMeasureTextExtent(repository->GetFont(stbHeader), text);
        auto viewInfo = Layout(tip);
        EXPECT_EQ(viewInfo->GetBoundsRect(),
                  (TRect{0, 0, std::max<int>(210, textSize.cx + 12), textSize.cy + 12}))
            << text.size();
        EXPECT_EQ(viewInfo->ScreenTipHelper()->BandCount(), 1);
    }
}

TEST_F(ScreenTipLayoutTest, AWideDescriptionGlyphShrinksToItsColumn) {
    TovScreenTip* tip =
        NewTip("Normalize", "Raises the level so that the loudest sample reaches the target.");
    auto glyph = Glyph(200, 100);
    tip->Description()->SetGlyph(glyph.get());
    auto viewInfo = Layout(tip);
    TovScreenTipViewInfoHelper* helper = viewInfo->ScreenTipHelper();
    ASSERT_EQ(helper->BandCount(), 2);
    TovScreenTipBandViewInfo* description = helper->Bands(1);
    EXPECT_EQ(description->GlyphSize, (TSize{94, 47}));
    EXPECT_EQ(description->GlyphBounds.left, 14);
    EXPECT_EQ(description->GlyphBounds.top, description->Bounds.top + 6);
    EXPECT_EQ(description->TextBounds.left, 14 + 94 + 14);
    EXPECT_EQ(description->TextBounds.right, 318 - 14);
    EXPECT_EQ(description->Bounds.top, helper->Bands(0)->Bounds.bottom);
    EXPECT_EQ(viewInfo->GetBoundsRect().right, 318);
    // The glyph on the right of the text.
    tip->Description()->SetTextAlign(stbtaLeft);
    viewInfo = Layout(tip);
    description = viewInfo->ScreenTipHelper()->Bands(1);
    EXPECT_EQ(description->GlyphBounds.right, 318 - 14);
    EXPECT_EQ(description->TextBounds.left, 14);
}

TEST_F(ScreenTipLayoutTest, TheHintAsHeaderTheShortcutAndTheStandardFooter) {
    TovScreenTip* tip = NewTip("Ignored header", "Description");
    tip->SetUseHintAsHeader(true);
    repository->StandardFooter()->SetText("Press F1 for more help.");
    tip->SetUseStandardFooter(true);
    auto viewInfo = Layout(tip, "Cut", " (Ctrl+X)");
    TovScreenTipViewInfoHelper* helper = viewInfo->ScreenTipHelper();
    ASSERT_EQ(helper->BandCount(), 3);
    EXPECT_EQ(helper->Bands(0)->Text(), "Cut (Ctrl+X)");
    EXPECT_EQ(helper->Bands(2)->Band(), repository->StandardFooter());
    // The footer leaves room for its line above the text.
    TovScreenTipBandViewInfo* footer = helper->Bands(2);
    const int lineSize = Painter("UltraFlat")->ScreenTipGetFooterLineSize();
    EXPECT_EQ(footer->TextBounds.top, footer->Bounds.top + 6 + lineSize);
    // A tip with nothing to show has its width and no height.
    TovScreenTip* empty = NewTip("");
    EXPECT_EQ(Layout(empty)->GetBoundsRect(), (TRect{0, 0, 210, 0}));
}

TEST_F(ScreenTipLayoutTest, RichTextBandsAreMeasuredByTheRichEditControl) {
    TovScreenTip* tip = NewTip("Rich");
    tip->Description()->SetPlainText(false);
    tip->Description()->SetText("{\\rtf1 First line\\par \\b Second\\b0  line\\par Third line}");
    auto viewInfo = Layout(tip);
    TovScreenTipBandViewInfo* description = viewInfo->ScreenTipHelper()->Bands(1);
    const int lineHeight = uiMeasureTextHeight(repository->GetFont(stbDescription));
    EXPECT_EQ(description->TextSize.cy, 3 * lineHeight);
    viewInfo->Paint(canvas.get());
    EXPECT_NE(BoundsOfColor(*bitmap, ovScreenTipDefaultTextColor).right, 0);
}

class ScreenTipWindowTest : public ScreenTipsTest {
protected:
    void SetUp() override {
        ScreenTipsTest::SetUp();
        window = new TovScreenTipWindow(nullptr);
        tip = NewTip("Open", "Opens a sound file.");
        style->ScreenTipLinks()->Add()->SetControl(ownerControl);
        style->ScreenTipLinks()->Items(0)->SetScreenTip(tip);
        uiHintController()->SetHintedControl(ownerControl);
    }
    void TearDown() override {
        delete window;
        ScreenTipsTest::TearDown();
    }
    TovScreenTipWindow* window = nullptr;
    TovScreenTip* tip = nullptr;
};

TEST_F(ScreenTipWindowTest, TheThreeLooksOfTheWindow) {
    RECT r = window->CalcHintRect(800, "Open", nullptr);
    EXPECT_FALSE(window->StandardHint());
    EXPECT_NE(dynamic_cast<TovScreenTipViewInfo*>(window->ViewInfo()), nullptr);
    EXPECT_EQ(r.right - r.left, 210);
    // Descriptions hidden: the header and the shortcut text in the plain look.
    repository->SetShowDescription(false);
    auto* action = new TAction(form);
    action->SetShortCut(ShortCut('O', scCtrl));
    ownerControl->SetAction(action);
    window->CalcHintRect(800, "Open", nullptr);
    auto* plain = dynamic_cast<TovScreenTipLikeHintViewInfo*>(window->ViewInfo());
    ASSERT_NE(plain, nullptr);
    auto* plainHelper = static_cast<TovHintViewInfoHelper*>(plain->Helper());
    EXPECT_EQ(plainHelper->Text(), "Open (" + ShortCutToText(ShortCut('O', scCtrl)) + ")");
    ownerControl->SetAction(nullptr);
    // Without an active hint style the window is the class library's own.
    delete controller;
    controller = nullptr;
    r = window->CalcHintRect(800, "Open", nullptr);
    EXPECT_TRUE(window->StandardHint());
    EXPECT_EQ(window->ViewInfo(), nullptr);
    EXPECT_EQ(r, THintWindow(nullptr).CalcHintRect(800, "Open", nullptr));
    r = window->CalcHintRect(800, "", nullptr);
    EXPECT_EQ(r.right, 0);
}

TEST_F(ScreenTipWindowTest, HidingTheWindowFreesTheLayoutAndShowingAgainMakesANewOne) {
    window->ShowHintAt(200, 200, 0, "Open", "");
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    ASSERT_NE(window->ViewInfo(), nullptr);
    // The rectangle grew by a pixel and moved up and left by the border.
    EXPECT_EQ(window->BoundsRect().left, 199);
    EXPECT_EQ(window->Width(), 211);
    EXPECT_EQ(window->Height(), window->ViewInfo()->GetBoundsRect().bottom + 1);
    olva::win::InjectMouse(olva::win::MouseAction::Move, 5, 5); // over no control of ours
    Pump();
    ShowWindow(window->Handle(), SW_HIDE);
    EXPECT_EQ(window->ViewInfo(), nullptr);
    EXPECT_EQ(ovGetHintedControl(), nullptr);
    uiHintController()->SetHintedControl(ownerControl);
    window->ShowHintAt(200, 200, 0, "Open", "");
    EXPECT_NE(window->ViewInfo(), nullptr);
}

} // namespace
