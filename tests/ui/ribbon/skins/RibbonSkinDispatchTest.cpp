// The part-kind dispatch the ribbon's skin interface forwards through: each kind reaches its skin
// operation with the state, the accent and the arguments the kind implies; unknown kinds draw nothing.
#include "RibbonSkinTestSupport.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/skins/RibbonSkinDispatch.h"

#include <sstream>

using namespace ribbon_skin_test;

namespace ribbon_skin_dispatch_test {

std::string Rect(const TRect& R) {
    std::ostringstream out;
    out << "(" << R.left << "," << R.top << "," << R.right << "," << R.bottom << ")";
    return out.str();
}

// Writes down each operation the dispatch calls, with its arguments, instead of drawing.
class TRecordingSkin : public TovCustomRibbonSkin {
public:
    std::string GetName() const override { return "Recording"; }
    std::vector<std::string> Calls;

    void Log(const char* AName, const TRect& R, const std::string& AArgs = "") {
        Calls.push_back(std::string(AName) + " " + Rect(R) + (AArgs.empty() ? "" : " " + AArgs));
    }
    static std::string S(int AState) { return "s" + std::to_string(AState); }
    static std::string A(TovRibbonColorSchemeAccent AAccent) {
        return ovRibbonColorSchemeAccentNames[AAccent];
    }
    static std::string B(bool AValue) { return AValue ? "true" : "false"; }

#define OV_RECORD_R(Name)                                                                                    \
    void Name(HDC, const TRect& R) override {                                                                \
        Log(#Name, R);                                                                                       \
    }
#define OV_RECORD_RS(Name)                                                                                   \
    void Name(HDC, const TRect& R, int AState) override {                                                    \
        Log(#Name, R, S(AState));                                                                            \
    }
#define OV_RECORD_RSA(Name)                                                                                  \
    void Name(HDC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override {                \
        Log(#Name, R, S(AState) + " " + A(AAccent));                                                         \
    }
#define OV_RECORD_RA(Name)                                                                                   \
    void Name(HDC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override {                            \
        Log(#Name, R, A(AAccent));                                                                           \
    }
#define OV_RECORD_RB(Name)                                                                                   \
    void Name(HDC, const TRect& R, bool AValue) override {                                                   \
        Log(#Name, R, B(AValue));                                                                            \
    }

    OV_RECORD_RB(DrawSeparator)
    OV_RECORD_RB(DrawItemSeparator)
    OV_RECORD_RSA(DrawButton)
    OV_RECORD_RSA(DrawButtonDropDown)
    OV_RECORD_RSA(DrawButtonMainPart)
    OV_RECORD_RSA(DrawLargeButton)
    OV_RECORD_RSA(DrawLargeButtonDropDown)
    OV_RECORD_RSA(DrawLargeButtonMainPart)
    OV_RECORD_RSA(DrawEditButton)
    OV_RECORD_RS(DrawEditArrowButtonGlyph)
    OV_RECORD_RS(DrawEditEllipsisButtonGlyph)
    OV_RECORD_RS(DrawEditButtonAuxiliaryGlyph)
    OV_RECORD_RS(DrawEditButtonAuxiliaryGlyph2)
    OV_RECORD_R(DrawMenuCaptionSeparator)
    OV_RECORD_R(DrawMenuCaptionSeparatorLine)
    OV_RECORD_R(DrawProgressSolidBand)
    OV_RECORD_R(DrawProgressDiscreteBand)
    OV_RECORD_R(DrawProgressSubstrate)
    OV_RECORD_R(DrawScreenTip)
    OV_RECORD_RS(DrawInRibbonGalleryBackground)
    OV_RECORD_R(DrawDropDownGalleryBackground)
    OV_RECORD_R(DrawDropDownGalleryTopSizingBand)
    OV_RECORD_R(DrawDropDownGalleryBottomSizingBand)
    OV_RECORD_R(DrawDropDownGalleryTopSizeGrip)
    OV_RECORD_R(DrawDropDownGalleryBottomSizeGrip)
    OV_RECORD_R(DrawDropDownGalleryTopVerticalSizeGrip)
    OV_RECORD_R(DrawDropDownGalleryBottomVerticalSizeGrip)
    OV_RECORD_R(DrawGalleryGroupHeaderBackground)
    OV_RECORD_R(DrawGalleryFilterBand)
    OV_RECORD_RS(DrawGalleryItemBackground)
    OV_RECORD_R(DrawGalleryBackground)
    OV_RECORD_RA(DrawScrollBarCorner)
    OV_RECORD_RA(DrawMenuViewBackground)
    OV_RECORD_RA(DrawMenuViewNavigationBackground)
    OV_RECORD_RA(DrawMenuViewContentBackground)
    OV_RECORD_RSA(DrawMenuViewItem)
    OV_RECORD_RSA(DrawMenuViewTab)
    OV_RECORD_RSA(DrawMenuViewSeparator)
    OV_RECORD_RSA(DrawMenuViewButton)
    OV_RECORD_R(DrawApplicationMenuExtraPaneBackground)
    OV_RECORD_R(DrawApplicationMenuExtraPaneHeader)
    OV_RECORD_RA(DrawApplicationMenuExtraPaneSeparator)
    OV_RECORD_RSA(DrawApplicationMenuExtraPaneButton)
    OV_RECORD_RSA(DrawApplicationMenuExtraPaneCheckButton)
    OV_RECORD_RSA(DrawApplicationMenuExtraPanePinGlyph)
    OV_RECORD_RSA(DrawApplicationMenuExtraPanePinGlyphButton)
    OV_RECORD_RS(DrawSmallStateGlyph)
    OV_RECORD_RS(DrawSmallArrowGlyph)
    OV_RECORD_RS(DrawArrowDown)
    OV_RECORD_R(DrawScrollArrow)
    OV_RECORD_RSA(DrawMenuItemButton)
    OV_RECORD_RSA(DrawMenuItemButtonMainPart)
    OV_RECORD_RSA(DrawMenuItemButtonDropDown)
    OV_RECORD_R(DrawMenuArrowDown)
    OV_RECORD_R(DrawMenuArrowRight)
    OV_RECORD_RS(DrawMenuDetachCaption)
    OV_RECORD_R(DrawMenuGlyph)
    OV_RECORD_R(DrawMenuContent)
    OV_RECORD_RSA(DrawApplicationMenuExtraPaneItem)
    OV_RECORD_RSA(DrawApplicationMenuExtraPanePinButton)
    OV_RECORD_R(DrawMenuSeparatorHorz)
    OV_RECORD_R(DrawMenuSeparatorVert)
    OV_RECORD_RSA(DrawMenuCheck)
    OV_RECORD_RSA(DrawMenuCheckMark)
    OV_RECORD_R(DrawMenuMark)
    OV_RECORD_RS(DrawMenuScrollArea)
    OV_RECORD_R(DrawDropDownBorder)
    OV_RECORD_RSA(DrawApplicationMenuButton)
    OV_RECORD_RSA(DrawButtonGroupButton)
    OV_RECORD_RSA(DrawButtonGroupButtonDropDown)
    OV_RECORD_RSA(DrawButtonGroupButtonMainPart)
    OV_RECORD_R(DrawButtonGroupBorderLeft)
    OV_RECORD_R(DrawButtonGroupBorderRight)
    OV_RECORD_RS(DrawButtonGroupSeparator)
    OV_RECORD_RS(DrawButtonGroupSplitButtonSeparator)
    OV_RECORD_RSA(DrawTabGroupCaptionButtonGlyph)
    OV_RECORD_RSA(DrawTabGroupCaptionButton)
    OV_RECORD_RS(DrawCollapsedTabGroup)
    OV_RECORD_RS(DrawCollapsedTabGroupGlyphBackground)

    void DrawTabGroupBackground(HDC, const TRect& R, bool AInPopup, int AState) override {
        Log("DrawTabGroupBackground", R, B(AInPopup) + " " + S(AState));
    }
    void DrawTabGroupHeaderBackground(HDC, const TRect& R, bool AInPopup, int AState) override {
        Log("DrawTabGroupHeaderBackground", R, B(AInPopup) + " " + S(AState));
    }
    void DrawInRibbonGalleryScrollBarButton(HDC, const TRect& R, int AKind, int AState,
                                            TovRibbonColorSchemeAccent AAccent) override {
        Log("DrawInRibbonGalleryScrollBarButton", R,
            "k" + std::to_string(AKind) + " " + S(AState) + " " + A(AAccent));
    }
    void DrawScrollBarBackground(HDC, const TRect& R, bool AHorizontal,
                                 TovRibbonColorSchemeAccent AAccent) override {
        Log("DrawScrollBarBackground", R, B(AHorizontal) + " " + A(AAccent));
    }
    void PaintScrollBarElement(HDC, const TRect& R, bool AHorizontal, int AState, int AElement,
                               TovRibbonColorSchemeAccent AAccent) override {
        Log("PaintScrollBarElement", R,
            B(AHorizontal) + " " + S(AState) + " e" + std::to_string(AElement) + " " + A(AAccent));
    }
    void DrawQuickAccessToolbarMarkButton(HDC, const TRect& R, int AState, bool ANonClientWithTabs,
                                          bool ANonClient, bool ABelow,
                                          TovRibbonColorSchemeAccent AAccent) override {
        Log("DrawQuickAccessToolbarMarkButton", R,
            S(AState) + " tabs " + B(ANonClientWithTabs) + " nc " + B(ANonClient) + " below " + B(ABelow) +
                " " + A(AAccent));
    }
    void DrawApplicationMenuBackground(HDC, const TRect& R, const TRect& ABounds,
                                       TovRibbonColorSchemeAccent AAccent) override {
        Log("DrawApplicationMenuBackground", R, Rect(ABounds) + " " + A(AAccent));
    }

protected:
    void LoadColorTexture(TovGPImage&) override {}
};

using RibbonSkinDispatchTest = RibbonSkinTest;

constexpr TRect kR{1, 2, 31, 42};
constexpr TRect kBounds{5, 6, 7, 8};

std::vector<std::string> Dispatch(int APart, int AState = 4) {
    TRecordingSkin skin;
    TovRibbonSkinContext context;
    context.Accent = rcsaGreen;
    context.CaptionBottomOffset = 2;
    context.CaptionHeight = 13;
    ovRibbonSkinDrawBackground(skin, nullptr, kR, kBounds, APart, AState, context);
    return skin.Calls;
}

TEST_F(RibbonSkinDispatchTest, EachPartKindReachesItsOperation) {
    struct TCase {
        int Part;
        std::string Call;
    };
    const std::string r = " (1,2,31,42)";
    const TCase cases[] = {
        {0, "DrawSeparator" + r + " true"},
        {2, "DrawSeparator" + r + " false"},
        {3, "DrawButton" + r + " s4 Green"},
        {4, "DrawButtonDropDown" + r + " s4 Green"},
        {5, "DrawButtonMainPart" + r + " s4 Green"},
        {6, "DrawLargeButton" + r + " s4 Green"},
        {7, "DrawLargeButtonDropDown" + r + " s4 Green"},
        {8, "DrawLargeButtonMainPart" + r + " s4 Green"},
        {11, "DrawEditButton" + r + " s4 Green"},
        {13, "DrawEditArrowButtonGlyph" + r + " s4"},
        {14, "DrawEditEllipsisButtonGlyph" + r + " s4"},
        {15, "DrawEditButtonAuxiliaryGlyph" + r + " s4"},
        {16, "DrawEditButtonAuxiliaryGlyph2" + r + " s4"},
        {20, "DrawMenuCaptionSeparator" + r},
        {21, "DrawMenuCaptionSeparatorLine" + r},
        {30, "DrawProgressSolidBand" + r},
        {31, "DrawProgressDiscreteBand" + r},
        {32, "DrawProgressSubstrate" + r},
        {40, "DrawScreenTip" + r},
        {50, "DrawInRibbonGalleryBackground" + r + " s4"},
        {53, "DrawInRibbonGalleryScrollBarButton" + r + " k0 s4 Green"},
        {54, "DrawInRibbonGalleryScrollBarButton" + r + " k1 s4 Green"},
        {55, "DrawInRibbonGalleryScrollBarButton" + r + " k2 s4 Green"},
        {56, "DrawDropDownGalleryBackground" + r},
        {57, "DrawDropDownGalleryTopSizingBand" + r},
        {58, "DrawDropDownGalleryBottomSizingBand" + r},
        {59, "DrawDropDownGalleryTopSizeGrip" + r},
        {60, "DrawDropDownGalleryBottomSizeGrip" + r},
        {61, "DrawDropDownGalleryTopVerticalSizeGrip" + r},
        {62, "DrawDropDownGalleryBottomVerticalSizeGrip" + r},
        {63, "DrawGalleryGroupHeaderBackground" + r},
        {65, "DrawGalleryFilterBand" + r},
        {69, "DrawGalleryItemBackground" + r + " s4"},
        {71, "DrawGalleryBackground" + r},
        {100, "DrawScrollBarBackground" + r + " true Green"},
        {106, "DrawScrollBarBackground" + r + " false Green"},
        {101, "PaintScrollBarElement" + r + " true s4 e1 Green"},
        {105, "PaintScrollBarElement" + r + " true s4 e5 Green"},
        {107, "PaintScrollBarElement" + r + " false s4 e1 Green"},
        {109, "PaintScrollBarElement" + r + " false s4 e3 Green"},
        {111, "PaintScrollBarElement" + r + " false s4 e5 Green"},
        {112, "DrawScrollBarCorner" + r + " Green"},
        {250, "DrawMenuViewBackground" + r + " Green"},
        {252, "DrawMenuViewNavigationBackground" + r + " Green"},
        {253, "DrawMenuViewContentBackground" + r + " Green"},
        {260, "DrawMenuViewItem" + r + " s4 Green"},
        {270, "DrawMenuViewTab" + r + " s4 Green"},
        {280, "DrawMenuViewSeparator" + r + " s4 Green"},
        {281, "DrawMenuViewButton" + r + " s4 Green"},
        {300, "DrawApplicationMenuExtraPaneBackground" + r},
        {305, "DrawApplicationMenuExtraPaneHeader" + r},
        {302, "DrawApplicationMenuExtraPaneSeparator" + r + " Green"},
        {310, "DrawApplicationMenuExtraPaneButton" + r + " s4 Green"},
        {311, "DrawApplicationMenuExtraPaneCheckButton" + r + " s4 Green"},
        {312, "DrawApplicationMenuExtraPanePinGlyph" + r + " s4 Green"},
        {313, "DrawApplicationMenuExtraPanePinGlyphButton" + r + " s4 Green"},
        {336, "DrawSmallStateGlyph" + r + " s4"},
        {337, "DrawSmallArrowGlyph" + r + " s4"},
        {340, "DrawArrowDown" + r + " s4"},
        {360, "DrawScrollArrow" + r},
        {361, "DrawMenuItemButton" + r + " s4 Green"},
        {363, "DrawMenuItemButtonMainPart" + r + " s4 Green"},
        {364, "DrawMenuItemButtonDropDown" + r + " s4 Green"},
        {365, "DrawMenuArrowDown" + r},
        {366, "DrawMenuArrowRight" + r},
        {370, "DrawMenuDetachCaption" + r + " s4"},
        {380, "DrawMenuGlyph" + r},
        {390, "DrawMenuContent" + r},
        {392, "DrawApplicationMenuExtraPaneItem" + r + " s4 Green"},
        {395, "DrawApplicationMenuExtraPanePinButton" + r + " s4 Green"},
        {396, "DrawItemSeparator" + r + " true"},
        {397, "DrawItemSeparator" + r + " false"},
        {400, "DrawMenuSeparatorHorz" + r},
        {410, "DrawMenuSeparatorVert" + r},
        {430, "DrawMenuCheck" + r + " s4 Green"},
        {440, "DrawMenuCheckMark" + r + " s4 Green"},
        {442, "DrawMenuMark" + r},
        {446, "DrawMenuScrollArea" + r + " s4"},
        {450, "DrawDropDownBorder" + r},
        {452, "DrawApplicationMenuBackground" + r + " (5,6,7,8) Green"},
        {454, "DrawApplicationMenuButton" + r + " s4 Green"},
        {460, "DrawButtonGroupButton" + r + " s4 Green"},
        {461, "DrawButtonGroupButtonDropDown" + r + " s4 Green"},
        {462, "DrawButtonGroupButtonMainPart" + r + " s4 Green"},
        {470, "DrawButtonGroupBorderLeft" + r},
        {490, "DrawButtonGroupBorderRight" + r},
        {480, "DrawButtonGroupSeparator" + r + " s4"},
        {500, "DrawButtonGroupSplitButtonSeparator" + r + " s4"},
        {510, "DrawTabGroupCaptionButtonGlyph" + r + " s4 Green"},
        {515, "DrawTabGroupCaptionButton" + r + " s4 Green"},
        {520, "DrawQuickAccessToolbarMarkButton" + r + " s4 tabs true nc false below false Green"},
        {1000, "DrawCollapsedTabGroup" + r + " s4"},
        {1001, "DrawCollapsedTabGroupGlyphBackground" + r + " s4"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(std::vector<std::string>{c.Call}, Dispatch(c.Part)) << "part " << c.Part;
}

TEST_F(RibbonSkinDispatchTest, TabGroupsSplitOffTheirCaptionStrip) {
    // The strip is the caption's bottom offset (2) plus its height (13) high.
    EXPECT_EQ((std::vector<std::string>{"DrawTabGroupBackground (1,2,31,27) false s2",
                                        "DrawTabGroupHeaderBackground (1,27,31,42) false s2"}),
              Dispatch(ovSkinPartTabGroup, 2));
    EXPECT_EQ((std::vector<std::string>{"DrawTabGroupBackground (1,2,31,27) true s0",
                                        "DrawTabGroupHeaderBackground (1,27,31,42) true s0"}),
              Dispatch(ovSkinPartTabGroupInPopup, 0));
}

TEST_F(RibbonSkinDispatchTest, TheMarkButtonLearnsWhereTheToolbarIs) {
    TRecordingSkin skin;
    TovRibbonSkinContext context;
    context.QuickAccessToolbarBelow = true;
    context.NonClient = true;
    context.ShowTabHeaders = false;
    ovRibbonSkinDrawBackground(skin, nullptr, kR, kR, ovSkinPartQuickAccessToolbarMarkButton, 7, context);
    EXPECT_EQ((std::vector<std::string>{
                  "DrawQuickAccessToolbarMarkButton (1,2,31,42) s7 tabs false nc true below true Yellow"}),
              skin.Calls);
}

TEST_F(RibbonSkinDispatchTest, KindsWithoutADrawingDrawNothing) {
    for (int part : {-1, 9, 10, 12, 17, 64, 113, 251, 254, 301, 453, 455, 459, 1002, 1004, 10150, 99999})
        EXPECT_TRUE(Dispatch(part).empty()) << "part " << part;
}

TEST_F(RibbonSkinDispatchTest, CaptionRectAndContentOffsetsOfTabGroups) {
    TRecordingSkin skin;
    TovRibbonSkinContext context;
    context.CaptionBottomOffset = 3;
    context.CaptionHeight = 14;
    context.ApplicationButtonBounds = TRect{0, 0, 56, 25};
    // Base offsets of part 1: 2, 2, 2, 1.
    EXPECT_EQ((TRect{12, 73, 98, 87}), ovRibbonSkinCaptionRect(skin, TRect{10, 20, 100, 90}, 1, context));
    EXPECT_EQ((TRect{}), ovRibbonSkinCaptionRect(skin, TRect{10, 20, 100, 90}, 3, context));
    EXPECT_EQ((TRect{2, 2, 2, 1 + 17}), ovRibbonSkinContentOffsets(skin, 1003, context));
    EXPECT_EQ((TRect{3, 3, 3, 3}), ovRibbonSkinContentOffsets(skin, 3, context));
    EXPECT_EQ((TRect{4, 16, 4, 29}), ovRibbonSkinContentOffsets(skin, 453, context));
}

} // namespace ribbon_skin_dispatch_test
