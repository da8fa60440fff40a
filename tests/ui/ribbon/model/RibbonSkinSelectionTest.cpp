#include "RibbonTestSupport.h"

#include "platform/rtl/Exception.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Registries.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Form.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"

#include <memory>
#include <string>

using namespace ribbon_test;

namespace {

// A skin of the base class with a name, a style and a colour sheet of its own (a missing sheet fails to
// load). Choosing skins needs no parts: it loads its sheets and cuts nothing.
class TNamedSkin : public TovCustomRibbonSkin {
public:
    TNamedSkin(std::string AName, TovRibbonStyle AStyle, std::string ASheet)
        : FName(std::move(AName)), FStyle(AStyle), FSheet(std::move(ASheet)) {}
    std::string GetName() const override { return FName; }
    TovRibbonStyle GetStyle() const override { return FStyle; }

protected:
    void LoadCommonTexture(TovGPImage& AImage) override { LoadSkinSheet(AImage, "RIBBONCOMMON"); }
    void LoadColorTexture(TovGPImage& AImage) override { LoadSkinSheet(AImage, FSheet); }
    void InitializeCommonParts(GpImage*) override {}
    void InitializeColorParts(GpImage*) override {}

private:
    std::string FName;
    TovRibbonStyle FStyle;
    std::string FSheet;
};

class RibbonSkinSelectionTest : public RibbonTest {
protected:
    void SetUp() override {
        RibbonTest::SetUp();
        Register("Blue", rs2007, "RIBBONBLUE");
        Register("Silver", rs2007, "RIBBONSILVER");
        Register("Black", rs2010, "RIBBONBLACK"); // the base skin cuts the 2007 sheets
        Register("Silver", rs2010, "RIBBONSILVER");
        Register("Broken", rs2010, "NOSUCHSHEET");
        Register("White", rs2013, "NOSUCHSHEET");
    }
    TovCustomRibbonSkin* Register(const std::string& AName, TovRibbonStyle AStyle,
                                  const std::string& ASheet) {
        std::unique_ptr<TovCustomRibbonSkin> skin = std::make_unique<TNamedSkin>(AName, AStyle, ASheet);
        TovCustomRibbonSkin* raw = skin.get();
        SkinsManager()->Add(skin);
        return raw;
    }
    TovCustomRibbonSkin* Find(const std::string& AName, TovRibbonStyle AStyle) {
        return SkinsManager()->Find(AName, AStyle);
    }
};

TEST_F(RibbonSkinSelectionTest, ARibbonStartsOnTheFirstSkinAndUsesItOnce) {
    MakeRibbon();
    EXPECT_EQ(ribbon->Skin(), Find("Blue", rs2007));
    EXPECT_EQ(ribbon->Skin()->UseCount(), 1);
    EXPECT_EQ(ribbon->ColorSchemeName(), "Blue");
    EXPECT_EQ(ribbon->QuerySkin(), static_cast<IovSkin*>(ribbon));
    delete ribbon;
    EXPECT_EQ(Find("Blue", rs2007)->UseCount(), 0);
}

TEST_F(RibbonSkinSelectionTest, NamesIgnoreCaseAndUnknownNamesChangeNothing) {
    MakeRibbon();
    ribbon->SetColorSchemeName("silver");
    EXPECT_EQ(ribbon->Skin(), Find("Silver", rs2007));
    EXPECT_EQ(Find("Blue", rs2007)->UseCount(), 0);
    ribbon->SetColorSchemeName("Black"); // only in another style
    EXPECT_EQ(ribbon->Skin(), Find("Silver", rs2007));
    ribbon->SetColorSchemeName("Gold");
    EXPECT_EQ(ribbon->ColorSchemeName(), "Silver");
    EXPECT_EQ(ribbon->Style(), rs2007);
}

TEST_F(RibbonSkinSelectionTest, StyleKeepsTheSchemeOrTakesTheStylesFirstSkin) {
    MakeRibbon();
    ribbon->SetColorSchemeName("Silver");
    ribbon->SetStyle(rs2010);
    EXPECT_EQ(ribbon->Skin(), Find("Silver", rs2010));
    ribbon->SetColorSchemeName("Black");
    ribbon->SetStyle(rs2007);
    EXPECT_EQ(ribbon->Skin(), Find("Blue", rs2007)); // no Black 2007: the style's first skin
    EXPECT_EQ(ribbon->ColorSchemeName(), "Blue");
}

TEST_F(RibbonSkinSelectionTest, ASkinThatCannotLoadLeavesTheRibbonOnItsSkin) {
    MakeRibbon();
    ribbon->SetStyle(rs2010);
    TovCustomRibbonSkin* silver = Find("Silver", rs2010);
    ribbon->SetColorSchemeName("Silver");
    ASSERT_EQ(ribbon->Skin(), silver);
    EXPECT_THROW(ribbon->SetColorSchemeName("Broken"), Exception);
    EXPECT_EQ(ribbon->Skin(), silver);
    EXPECT_EQ(silver->UseCount(), 1);
    EXPECT_EQ(Find("Broken", rs2010)->UseCount(), 0);
    EXPECT_THROW(ribbon->SetStyle(rs2013), Exception);
    EXPECT_EQ(ribbon->Skin(), silver);
    // The skin still draws.
    EXPECT_EQ(ribbon->GetPartColor(10018, 0), silver->GetPartColor(10018, 0, rcsaYellow));
}

TEST_F(RibbonSkinSelectionTest, TheSameSkinAgainDoesNotRecalculateAndListenersHearEveryChange) {
    MakeRibbon();
    int heard = 0;
    ribbon->ColorSchemeListeners()->Add(TuiEventHandler([&](TObject*, void*) { ++heard; }, this));
    ribbon->SetColorSchemeName("Blue");
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 0);
    EXPECT_EQ(heard, 0);
    ribbon->SetColorSchemeName("Silver");
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
    EXPECT_EQ(heard, 1);
    ribbon->SetColorSchemeAccent(rcsaGreen);
    ribbon->SetColorSchemeAccent(rcsaGreen);
    EXPECT_EQ(heard, 2);
}

TEST_F(RibbonSkinSelectionTest, TabGroupFramesReserveTheCaptionStrip) {
    Parts().GroupRowHeight = 22;
    MakeRibbon();
    TovCustomRibbonSkin* skin = ribbon->Skin();
    const int strip = skin->GetPartSize(10191) + 15; // the caption offset and the caption's height
    for (int part : {ovSkinPartTabGroup, ovSkinPartTabGroupInPopup}) {
        const TRect own = skin->GetContentOffsets(part);
        const TRect offsets = ribbon->GetContentOffsets(part);
        EXPECT_EQ(offsets.bottom, own.bottom + strip) << part;
        EXPECT_EQ(offsets.left, own.left) << part;
        const TRect caption = ribbon->GetCaptionRect(TRect{0, 0, 200, 100}, part);
        EXPECT_EQ(caption.bottom - caption.top, 15) << part;
        EXPECT_EQ(caption.left, own.left) << part;
    }
    EXPECT_EQ(ribbon->GetCaptionRect(TRect{0, 0, 200, 100}, ovSkinPartButton), (TRect{0, 0, 0, 0}));
    EXPECT_EQ(ribbon->GetContentOffsets(ovSkinPartButton), skin->GetContentOffsets(ovSkinPartButton));
    EXPECT_EQ(ribbon->GetGroupHeight(), ribbon->GetContentOffsets(ovSkinPartTabGroup).top +
                                            ribbon->GetContentOffsets(ovSkinPartTabGroup).bottom + 66);
}

TEST_F(RibbonSkinSelectionTest, TheApplicationMenuOffsetsFollowTheApplicationButton) {
    MakeRibbon();
    TovCustomRibbonSkin* skin = ribbon->Skin();
    // The test view information puts the application button at (4, 30, 60, 54).
    EXPECT_EQ(ribbon->GetContentOffsets(ovSkinPartApplicationMenuContent),
              skin->GetApplicationMenuContentOffset(TRect{4, 30, 60, 54}));
}

TEST_F(RibbonSkinSelectionTest, WithoutSkinsTheRibbonAnswersNoSkin) {
    UnregisterRibbonSkins();
    MakeRibbon();
    EXPECT_EQ(ribbon->Skin(), nullptr);
    EXPECT_EQ(ribbon->QuerySkin(), nullptr);
    EXPECT_EQ(ribbon->ColorSchemeName(), "");
    EXPECT_EQ(ribbon->GetPartColor(10018, 0), clDefault);
    ribbon->SetColorSchemeName("Blue");
    EXPECT_EQ(ribbon->Skin(), nullptr);
}

class TPlacedMenu : public TComponent, public IovRibbonApplicationMenu {
public:
    explicit TPlacedMenu(TComponent* AOwner) : TComponent(AOwner) {}
    bool CanShowPopup(TovCustomRibbon*) override { return true; }
    bool ClosePopup() override { return false; }
    int GetDisplayMode() override { return 0; }
    TPoint GetOrigin(bool) override { return {150, 120}; }
    std::string QueryText() override { return {}; }
    void GetTabOrderList(std::vector<TWinControl*>&) override {}
    bool Popup(TovCustomRibbon*, bool&) override { return true; }
    void RibbonFormResized() override {}
    void SelectFirstItem() override {}
    void ShowKeyTips() override {}
    void RibbonRepainted() override {}
};

TEST_F(RibbonSkinSelectionTest, TheOpenApplicationMenuShowsTheButtonThroughItsFrame) {
    MakeRibbon();
    form->HandleNeeded();
    ribbon->HandleNeeded();
    ribbon->ApplicationButton()->SetMenu(new TPlacedMenu(form));
    TBitmap sheet;
    sheet.SetSize(300, 300);
    CallLog().clear();
    ribbon->DrawBackgroundEx(sheet.Canvas()->Handle(), TRect{0, 0, 300, 300}, TRect{0, 0, 300, 300},
                             ovSkinPartApplicationMenuBackground, 0);
    // The button (4, 30)-(60, 54) on the ribbon, in the coordinates of the menu window at (150, 120).
    const POINT button = ribbon->ClientToScreen(POINT{4, 30});
    EXPECT_EQ(CountCalls("ViewInfo.DrawApplicationButton " + std::to_string(button.x - 150) + "," +
                         std::to_string(button.y - 120)),
              1);
    ribbon->DrawBackground(sheet.Canvas()->Handle(), TRect{0, 0, 300, 300}, ovSkinPartButton, 0);
    EXPECT_EQ(CallLog().size(), 1u); // other parts are the skin's alone
}

TEST_F(RibbonSkinSelectionTest, GroupCaptionsAreWrittenOnlyForGroupFrames) {
    MakeRibbon();
    TBitmap sheet;
    sheet.SetPixelFormat(pf32bit);
    sheet.SetSize(120, 24);
    sheet.Canvas()->Brush()->SetColor(static_cast<TColor>(0xFFFFFF));
    sheet.Canvas()->FillRect(TRect{0, 0, 120, 24});
    auto inked = [&] {
        int count = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 120; ++x)
                if (sheet.Canvas()->Pixels(x, y) != static_cast<TColor>(0xFFFFFF)) ++count;
        return count;
    };
    ribbon->DrawCaption(sheet.Canvas()->Handle(), "Clipboard", TRect{0, 0, 120, 20}, ovSkinPartButton, 0);
    EXPECT_EQ(inked(), 0);
    ribbon->DrawCaption(sheet.Canvas()->Handle(), "Clipboard", TRect{0, 0, 120, 20}, ovSkinPartTabGroup, 0);
    EXPECT_GT(inked(), 0);
    // Nothing of the text left of its centred place.
    for (int y = 0; y < 24; ++y)
        EXPECT_EQ(sheet.Canvas()->Pixels(2, y), static_cast<TColor>(0xFFFFFF));
}

} // namespace
