// Bar hints: which view info a hint gets, the fonts of bar hints, what the hint window takes from its view
// info, the size and pixels of plain hints, one-line screen-tip hints and screen tips, and screen tips
// drawn through the bar painter (also once that painter is gone).
#include "BarPaintingTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/itemcontrols/BarHintViewInfo.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/hints/HintWindows.h"
#include "ui/painters/hints/ScreenTips.h"

#include <memory>
#include <string>

using namespace bars_test;

namespace {

// A look whose screen tips are told apart by their colours and footer line.
class TTipPainter : public TovBarPainter {
public:
    TColor ScreenTipGetTitleTextColor() override { return clBlue; }
    TColor ScreenTipGetDescriptionTextColor() override { return clMaroon; }
    int ScreenTipGetFooterLineSize() override { return 4; }
    void ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R) override {
        ACanvas->FillRect(R, clLime);
    }
    void ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R) override { ACanvas->FillRect(R, clRed); }
};

// A look that shows the screen tips of items, as the looks drawn through a skin do.
class TScreenTipLook : public TovBarPainter {
public:
    std::unique_ptr<TovBarCustomHintViewInfo> CreateHintViewInfo(TovBarManager* AManager,
                                                                 const std::string& AHint,
                                                                 const std::string& AShortCut,
                                                                 TComponent* AScreenTip) override {
        return CreateBarHintViewInfo(AManager, AHint, AShortCut, this, AScreenTip);
    }
};

// The bar hint window as the view infos see it.
class TTestHintWindow : public TuiBaseHintWindow, public IovBarHintWindow {
public:
    using TuiBaseHintWindow::TuiBaseHintWindow;
    void SetScreenTipStyle(bool AValue) override { ScreenTipStyle = AValue; }
    bool ScreenTipStyle = false;
};

class BarHintsTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        tips = new TovScreenTipRepository(form);
        SetCursorPos(120, 80);
    }
    TovScreenTip* Tip(const std::string& AHeader, const std::string& ADescription = "",
                      const std::string& AFooter = "") {
        TovScreenTip* tip = tips->Items()->Add();
        tip->Header()->SetText(AHeader);
        tip->Description()->SetText(ADescription);
        tip->Footer()->SetText(AFooter);
        return tip;
    }
    // Lays the view info out on a picture just large enough and paints it there.
    TPicture Painted(TovCustomHintViewInfo* AViewInfo, TColor AFace = clWhite) {
        TPicture measure = Picture(1, 1);
        AViewInfo->ComputeLayout(measure.Canvas.get());
        const TRect bounds = AViewInfo->GetBoundsRect();
        TPicture picture = Picture(bounds.right, bounds.bottom, AFace);
        AViewInfo->ComputeLayout(picture.Canvas.get());
        AViewInfo->Paint(picture.Canvas.get());
        return picture;
    }
    static std::string TextOf(TovCustomHintViewInfo* AViewInfo) {
        return static_cast<TovHintViewInfoHelper*>(AViewInfo->Helper())->Text();
    }
    // Whether every pixel of the colour lies inside R.
    static bool OnlyInside(const TPicture& APicture, TColor AColor, const TRect& R) {
        const TColor wanted = Rgb(AColor);
        for (int y = 0; y < APicture.Bitmap->Height(); ++y)
            for (int x = 0; x < APicture.Bitmap->Width(); ++x)
                if (APicture.At(x, y) == wanted &&
                    !(x >= R.left && x < R.right && y >= R.top && y < R.bottom))
                    return false;
        return true;
    }
    TovScreenTipRepository* tips = nullptr;
};

TEST_F(BarHintsTest, TheBasePainterMakesAPlainHintAtTheCursorWhateverTheTip) {
    TovScreenTip* tip = Tip("Amplify", "Makes the selection louder.");
    std::unique_ptr<TovBarCustomHintViewInfo> info =
        painter->CreateHintViewInfo(manager, "Amplify", " (Ctrl+A)", tip);
    auto* plain = dynamic_cast<TovBarHintViewInfo*>(info.get());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(dynamic_cast<TovBarLikeHintScreenTipViewInfo*>(plain), nullptr);
    EXPECT_FALSE(plain->IsScreenTipStyle());
    EXPECT_EQ(plain->BarManager(), manager);
    EXPECT_EQ(plain->CursorPos(), (TPoint{120, 80}));
    EXPECT_EQ(TextOf(plain), "Amplify (Ctrl+A)");
}

TEST_F(BarHintsTest, WhichViewInfoAHintGets) {
    TovScreenTip* oneLine = Tip("Normalize");
    TovScreenTip* hintAsHeader = Tip("Normalize");
    hintAsHeader->SetUseHintAsHeader(true);
    TovScreenTip* headerless = Tip("");
    TovScreenTip* full = Tip("Normalize", "Raises the selection to the level you choose.");
    struct TCase {
        const char* What;
        TComponent* Tip;
        bool Full;
        const char* Text; // of the one-line hints
    };
    const TCase cases[] = {
        {"no tip", nullptr, false, "Raise the level (Ctrl+M)"},
        {"not a screen tip", manager, false, "Raise the level (Ctrl+M)"},
        {"a tip without description shows its header", oneLine, false, "Normalize (Ctrl+M)"},
        {"a tip that uses the hint as header", hintAsHeader, false, "Raise the level (Ctrl+M)"},
        {"a tip without header text", headerless, false, "Raise the level (Ctrl+M)"},
        {"a tip with a description", full, true, ""},
    };
    for (const TCase& c : cases) {
        std::unique_ptr<TovBarCustomHintViewInfo> info =
            CreateBarHintViewInfo(manager, "Raise the level", " (Ctrl+M)", painter.get(), c.Tip);
        EXPECT_TRUE(info->IsScreenTipStyle()) << c.What;
        if (c.Full) {
            auto* tip = dynamic_cast<TovBarScreenTipViewInfo*>(info.get());
            ASSERT_NE(tip, nullptr) << c.What;
            EXPECT_EQ(tip->ScreenTip(), full);
            continue;
        }
        auto* line = dynamic_cast<TovBarLikeHintScreenTipViewInfo*>(info.get());
        ASSERT_NE(line, nullptr) << c.What;
        EXPECT_EQ(line->CursorPos(), (TPoint{120, 80})) << c.What;
        EXPECT_EQ(line->Painter()->BarPainter(), painter.get()) << c.What;
        EXPECT_EQ(TextOf(line), c.Text) << c.What;
    }
}

TEST_F(BarHintsTest, AnItemControlAsksItsBarsPainterWithTheItemsScreenTip) {
    TovBarButton* button = Button("&Save", 2);
    button->SetHint("Saves the document");
    button->SetShortCut(TextToShortCut("Ctrl+S"));
    TovScreenTip* tip = Tip("Save", "Writes the document to its file.");
    button->SetScreenTip(tip);
    bar_standins::TStandInToolbar* toolbar = Toolbar();
    TovBarItemLink* link = toolbar->Add(button);
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    std::string hint, shortCut;
    control->GetHintTexts(hint, shortCut);
    EXPECT_EQ(hint, "Saves the document");
    EXPECT_EQ(shortCut, " (Ctrl+S)") << "ready to follow the hint";

    std::unique_ptr<TovBarCustomHintViewInfo> plain = control->CreateHintViewInfo(hint, shortCut);
    ASSERT_NE(dynamic_cast<TovBarHintViewInfo*>(plain.get()), nullptr);
    EXPECT_EQ(TextOf(plain.get()), "Saves the document (Ctrl+S)");

    TScreenTipLook look;
    toolbar->SetPainter(&look);
    std::unique_ptr<TovBarCustomHintViewInfo> full = control->CreateHintViewInfo(hint, shortCut);
    auto* screenTip = dynamic_cast<TovBarScreenTipViewInfo*>(full.get());
    ASSERT_NE(screenTip, nullptr);
    EXPECT_EQ(screenTip->ScreenTip(), tip);
    TovScreenTip* other = Tip("Save as");
    button->OnGetScreenTip =
        TEvent<TovBarItem*, TComponent*&>([other](TovBarItem*, TComponent*& ATip) { ATip = other; }, this);
    std::unique_ptr<TovBarCustomHintViewInfo> replaced = control->CreateHintViewInfo(hint, shortCut);
    ASSERT_NE(dynamic_cast<TovBarLikeHintScreenTipViewInfo*>(replaced.get()), nullptr);
    EXPECT_EQ(TextOf(replaced.get()), "Save as (Ctrl+S)") << "the tip the item's event gives";
    toolbar->SetPainter(painter.get());
}

TEST_F(BarHintsTest, BarHintsUseTheManagersFontUnlessItFollowsTheSystem) {
    manager->SetScaled(false);
    manager->Font()->SetSize(14);
    manager->Font()->SetColor(clRed);
    // The hint font of the hint machinery, for comparison.
    TovHintViewInfoHelper system("Amplify", TPoint{0, 0}, "");
    TPicture systemCanvas = Picture(1, 1);
    system.ComputeLayout(systemCanvas.Canvas.get());
    const LOGFONT systemFont = systemCanvas.Canvas->Font()->LogFont();
    ASSERT_NE(systemFont.lfHeight, manager->Font()->Height()) << "the two fonts must differ for this test";

    for (const bool screenTipStyle : {false, true}) {
        for (const bool useSystemFont : {false, true}) {
            manager->SetUseSystemFont(useSystemFont);
            {
                // The system's font replaced the manager's: make them differ again, unheard.
                const TNotifyEvent heard = manager->Font()->OnChange;
                manager->Font()->OnChange = nullptr;
                manager->Font()->SetSize(14);
                manager->Font()->SetColor(clRed);
                manager->Font()->OnChange = heard;
            }
            std::unique_ptr<TovBarCustomHintViewInfo> info =
                screenTipStyle ? CreateBarHintViewInfo(manager, "Amplify", "", painter.get(), nullptr)
                               : painter->CreateHintViewInfo(manager, "Amplify", "", nullptr);
            TPicture canvas = Picture(1, 1);
            info->ComputeLayout(canvas.Canvas.get());
            TFont* font = canvas.Canvas->Font();
            const std::string what = std::string(screenTipStyle ? "screen-tip style" : "plain") +
                                     (useSystemFont ? ", system font" : ", manager's font");
            if (useSystemFont) {
                EXPECT_EQ(font->Height(), systemFont.lfHeight) << what;
            } else {
                EXPECT_EQ(font->Height(), manager->Font()->Height()) << what;
                EXPECT_EQ(font->Name(), manager->Font()->Name()) << what;
            }
            EXPECT_NE(font->Color(), clRed) << what << ": the hint's text colour, not the bars'";
        }
    }
    manager->SetUseSystemFont(false);
    TovBarHintViewInfo orphan(nullptr, TPoint{0, 0}, "", "Amplify");
    TPicture canvas = Picture(1, 1);
    orphan.ComputeLayout(canvas.Canvas.get());
    EXPECT_EQ(canvas.Canvas->Font()->Height(), systemFont.lfHeight) << "without a manager: the hint font";
}

TEST_F(BarHintsTest, TheHintWindowTakesLookTextColourAndAHandle) {
    Application()->SetHintColor(static_cast<TColor>(0xC0FFFF));
    TovScreenTip* full = Tip("Normalize", "Raises the selection.");
    struct TCase {
        const char* What;
        std::unique_ptr<TovBarCustomHintViewInfo> Info;
        bool ScreenTip;
        const char* Caption; // empty: the window's text is left alone
    };
    TCase cases[] = {
        {"plain", painter->CreateHintViewInfo(manager, "Amplify", " (Ctrl+A)", nullptr), false,
         "Amplify (Ctrl+A)"},
        {"one line", CreateBarHintViewInfo(manager, "Amplify", " (Ctrl+A)", painter.get(), nullptr), true,
         "Amplify (Ctrl+A)"},
        {"screen tip", CreateBarHintViewInfo(manager, "Amplify", "", painter.get(), full), true, ""},
    };
    for (TCase& c : cases) {
        auto window = std::make_unique<TTestHintWindow>(form);
        window->ScreenTipStyle = !c.ScreenTip;
        window->SetCaption("before");
        c.Info->InitHintWindow(window.get());
        EXPECT_EQ(window->ScreenTipStyle, c.ScreenTip) << c.What;
        EXPECT_TRUE(window->HandleAllocated()) << c.What;
        if (*c.Caption != 0) {
            EXPECT_EQ(window->Caption(), c.Caption) << c.What;
            EXPECT_EQ(window->Color(), static_cast<TColor>(0xC0FFFF)) << c.What;
        } else {
            EXPECT_EQ(window->Caption(), "before") << c.What;
        }
    }
}

TEST_F(BarHintsTest, APlainHintIsItsTextWithARaisedEdgeOnTheWindowsFace) {
    std::unique_ptr<TovBarCustomHintViewInfo> info =
        painter->CreateHintViewInfo(manager, "Amplify", " (Ctrl+A)", nullptr);
    const TColor face = Application()->HintColor();
    TPicture picture = Painted(info.get(), face);
    SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), OutputPath("hint-plain.png"));
    TPicture measure = Picture(1, 1);
    measure.Canvas->Font()->Assign(manager->Font());
    const TSize text{measure.Canvas->TextWidth("Amplify (Ctrl+A)"),
                     measure.Canvas->TextHeight("Amplify (Ctrl+A)")};
    const TRect bounds = info->GetBoundsRect();
    EXPECT_EQ(bounds, (TRect{0, 0, text.cx + 6, text.cy + 6})) << "the text and 3 + 3 pixels";
    const int w = bounds.right, h = bounds.bottom;
    EXPECT_EQ(picture.At(0, 0), Rgb(GetSysColor(COLOR_3DLIGHT))) << "raised: light top-left";
    EXPECT_EQ(picture.At(w - 1, h - 1), Rgb(GetSysColor(COLOR_3DDKSHADOW))) << "dark bottom-right";
    EXPECT_EQ(picture.At(1, 1), Rgb(face)) << "the window's face shows through";
    const TColor ink = Rgb(Screen()->HintFont()->Color());
    EXPECT_GT(picture.Count(ink), 20);
    EXPECT_TRUE(OnlyInside(picture, ink, TRect{3, 3, w - 1, h - 1})) << "the text stays in its rectangle";
}

TEST_F(BarHintsTest, AOneLineScreenTipHintHasTheTipsFaceAndRoomAroundItsText) {
    TTipPainter look;
    std::unique_ptr<TovBarCustomHintViewInfo> info =
        CreateBarHintViewInfo(manager, "Amplify", " (Ctrl+A)", &look, nullptr);
    TPicture picture = Painted(info.get());
    SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), OutputPath("hint-one-line.png"));
    TPicture measure = Picture(1, 1);
    measure.Canvas->Font()->Assign(manager->Font());
    const int textWidth = measure.Canvas->TextWidth("Amplify (Ctrl+A)");
    const int textHeight = measure.Canvas->TextHeight("Amplify (Ctrl+A)");
    const TRect bounds = info->GetBoundsRect();
    EXPECT_EQ(bounds, (TRect{0, 0, textWidth + 11, textHeight + 11}));
    EXPECT_EQ(picture.At(0, 0), Rgb(clLime)) << "the look's background over the whole hint";
    EXPECT_EQ(picture.At(bounds.right - 1, bounds.bottom - 1), Rgb(clLime));
    EXPECT_GT(picture.Count(clMaroon), 20) << "the text in the look's description colour";
    EXPECT_TRUE(OnlyInside(picture, clMaroon, TRect{5, 6, bounds.right - 6, bounds.bottom - 5}));
}

TEST_F(BarHintsTest, AScreenTipIsDrawnThroughTheBarPainterAndSurvivesIt) {
    auto look = std::make_unique<TTipPainter>();
    TovScreenTip* tip = Tip("Normalize", "Raises the selection.", "Press F1 for help.");
    std::unique_ptr<TovBarCustomHintViewInfo> info =
        CreateBarHintViewInfo(manager, "Normalize", " (Ctrl+M)", look.get(), tip);
    auto* screenTip = dynamic_cast<TovBarScreenTipViewInfo*>(info.get());
    ASSERT_NE(screenTip, nullptr);
    TPicture picture = Painted(info.get());
    SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), OutputPath("hint-screen-tip.png"));
    TovScreenTipViewInfoHelper* helper = screenTip->ScreenTipHelper();
    ASSERT_EQ(helper->BandCount(), 3);
    const TRect bounds = info->GetBoundsRect();
    EXPECT_EQ(bounds.right, 210) << "a tip without description glyph";
    const TRect header = helper->Bands(0)->TextBounds, description = helper->Bands(1)->TextBounds;
    const TRect footer = helper->Bands(2)->Bounds;
    EXPECT_EQ(picture.At(bounds.right / 2, 1), Rgb(clLime)) << "the look's background";
    // The look's footer line: 4 pixels at the footer's top, 5 pixels in from either side.
    EXPECT_EQ(picture.Count(clRed), (bounds.right - 10) * 4);
    EXPECT_EQ(picture.At(5, footer.top), Rgb(clRed));
    EXPECT_EQ(picture.At(4, footer.top), Rgb(clLime));
    EXPECT_EQ(picture.At(5, footer.top + 4), Rgb(clLime));
    // Bands in the built-in fonts take the look's colours: the description its title colour, the header
    // and footer its description colour.
    EXPECT_GT(picture.Count(clBlue), 5);
    EXPECT_TRUE(OnlyInside(picture, clBlue, description));
    EXPECT_TRUE(OnlyInside(picture, clMaroon, TRect{header.left, header.top, header.right, footer.bottom}));

    look.reset();
    ASSERT_EQ(static_cast<TovBarScreenTipPainter*>(helper->Painter())->BarPainter(), nullptr);
    TPicture after = Painted(info.get());
    EXPECT_EQ(after.Count(clLime), 0) << "the painter is gone";
    EXPECT_EQ(after.At(bounds.right / 2, 2), Rgb(clInfoBk)) << "the look-and-feel's screen tip instead";
}

} // namespace
