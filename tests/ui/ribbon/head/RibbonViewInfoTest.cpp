// The ribbon's layout: when it hides, its height in every arrangement, the design-time placeholder, the
// quick access toolbar's geometry, the form caption's text place beside the context headers, and the hit
// test over the whole head.
#include "RibbonHeadTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonApplicationButtonViewInfo.h"
#include "ui/ribbon/view/RibbonContextsViewInfo.h"
#include "ui/ribbon/view/RibbonGroupsDockControlSite.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonTabsAreaButtons.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

using namespace ribbon_head_test;

TEST_F(RibbonHeadTest, AFormBelow300By250HidesTheRibbonAndAChangeLaysItOutAgain) {
    MakeDemo();
    TForm* form = demo->Form();
    const struct {
        int Width, Height;
        bool Hidden;
    } cases[] = {{299, 600, true}, {600, 249, true}, {300, 250, false}, {1000, 600, false}, {300, 249, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Width) + " x " + std::to_string(c.Height));
        form->SetBounds(40, 40, c.Width, c.Height);
        demo->Pump();
        EXPECT_EQ(ViewInfo()->Hidden, c.Hidden);
        EXPECT_EQ(Ribbon()->IsHidden(), c.Hidden);
        // Hidden without the form's caption drawing leaves nothing; shown, the tab row is laid out at once.
        if (c.Hidden) {
            EXPECT_EQ(Ribbon()->Height(), 0);
        } else {
            EXPECT_EQ(Ribbon()->Height(), ViewInfo()->GetRibbonHeight());
            EXPECT_EQ(Tabs()->TabCount(), 9);
            EXPECT_GT(Tabs()->GetTab(0)->Bounds.right, Tabs()->GetTab(0)->Bounds.left);
        }
    }
}

TEST_F(RibbonHeadTest, RibbonHeightInEveryArrangement) {
    MakeDemo(HeadTestOptions(true));
    TovRibbonViewInfo* view = ViewInfo();
    const int tabs = view->GetTabsHeight();
    ASSERT_EQ(tabs, uiMeasureTextHeight(Ribbon()->Fonts()->TabHeader()) + 11);
    // Above the ribbon the toolbar comes first: the tab row starts at its bottom.
    const int top = view->QuickAccessToolbarBounds.bottom;
    EXPECT_EQ(view->GetTopOffset(), top);
    EXPECT_EQ(view->GetTabsAreaBounds().top, top);
    // Tab row and groups area (which overlaps the row by the skin's overlap).
    const TRect site = view->GetGroupsDockControlSiteBounds();
    EXPECT_EQ(site.top, top + tabs - Ribbon()->GetPartSize(1013));
    EXPECT_EQ(site.bottom - site.top,
              uiVertMarginsSum(view->GetGroupsDockControlSiteContentOffsets()) + Ribbon()->GetGroupHeight());
    EXPECT_EQ(view->GetRibbonHeight(), site.bottom);
    EXPECT_EQ(Ribbon()->Height(), site.bottom);
    // The groups site takes that rectangle.
    EXPECT_EQ(Ribbon()->GroupsDockControlSite()->BoundsRect(), site);
    // Minimized: the tab row, its top, and the bottom line under it.
    Ribbon()->SetShowTabGroups(false);
    EXPECT_TRUE(view->IsTabsAreaBottomLineVisible());
    EXPECT_EQ(Ribbon()->Height(), tabs + top + 1);
    EXPECT_TRUE(uiIsRectEmpty(view->GroupsDockControlSiteBounds));
    Ribbon()->SetShowTabGroups(true);
    // Below the ribbon the toolbar spans the ribbon's width and ends it.
    Ribbon()->QuickAccessToolbar()->SetPosition(qtpBelowRibbon);
    demo->Pump();
    EXPECT_EQ(view->GetTopOffset(), 0);
    EXPECT_EQ(view->QuickAccessToolbarBounds.left, view->Bounds.left);
    EXPECT_EQ(view->QuickAccessToolbarBounds.right - view->QuickAccessToolbarBounds.left, view->Bounds.right);
    EXPECT_EQ(view->QuickAccessToolbarBounds.top, tabs - 1 + view->GetGroupsAreaHeight(false));
    EXPECT_EQ(Ribbon()->Height(), view->QuickAccessToolbarBounds.bottom);
    EXPECT_FALSE(view->IsTabsAreaBottomLineVisible());
}

TEST_F(RibbonHeadTest, ADesignedRibbonWithoutTabsShowsAHatchedPlaceholder24PixelsHigh) {
    MakeDemo();
    Ribbon()->SetDesigning(true, false);
    Ribbon()->SetShowTabHeaders(false);
    Ribbon()->SetShowTabGroups(false);
    demo->Pump();
    EXPECT_TRUE(ViewInfo()->DrawEmptyRibbon);
    EXPECT_EQ(Ribbon()->Height(), 24);
    // The hatch: black lines on silver.
    TuiBitmap32 bitmap(60, 24, true);
    ViewInfo()->Paint(bitmap.GetuiCanvas());
    HDC dc = bitmap.GetuiCanvas()->Handle();
    int black = 0, silver = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 24; ++y) {
            const COLORREF c = GetPixel(dc, x, y) & 0xFFFFFF;
            black += c == 0;
            silver += c == 0xC0C0C0;
        }
    EXPECT_GT(black, 60);
    EXPECT_GT(silver, 600);
    // Going back to run time takes the placeholder away.
    Ribbon()->SetDesigning(false, false);
    Ribbon()->SetShowTabHeaders(true);
    demo->Pump();
    EXPECT_FALSE(ViewInfo()->DrawEmptyRibbon);
}

TEST_F(RibbonHeadTest, QuickAccessToolbarMarginsPlaceAndWidths) {
    MakeDemo(HeadTestOptions(true));
    TovRibbonViewInfo* view = ViewInfo();
    // The toolbar's control asks its size; here the view is given one.
    const struct {
        int Width, Height;
        bool MenuItems;
        int Right;
    } cases[] = {{0, 0, true, 12}, {80, 22, true, 12}, {80, 22, false, 12 + 12}, {80, 17, false, 12 + 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Width);
        view->QuickAccessToolbarSize = TSize{c.Width, c.Height};
        Ribbon()->SetPopupMenuItems(c.MenuItems ? ovRibbonAllPopupMenuItems : TovRibbonPopupMenuItems{});
        view->QuickAccessToolbarSize = TSize{c.Width, c.Height};
        const TRect margins = view->GetQuickAccessToolbarMargins();
        // Above the ribbon without the form's caption: 4 above, 5 below; the 2010 skin's override (4) + 1
        // on the left.
        EXPECT_EQ(margins, (TRect{5, 4, c.Right, 5}));
        EXPECT_EQ(view->GetQuickAccessToolbarLeft(), view->Bounds.left + 2);
        EXPECT_EQ(view->GetQuickAccessToolbarTop(), 0);
        EXPECT_EQ(view->GetQuickAccessToolbarWidth(), 5 + c.Right + c.Width);
        EXPECT_EQ(view->GetQuickAccessToolbarHeight(), 9 + c.Height);
        EXPECT_EQ(view->GetQuickAccessToolbarAvailableWidth(), view->Bounds.right);
        const TRect dock = view->GetQuickAccessToolbarDockControlBounds();
        EXPECT_EQ(dock.right - dock.left, c.Width);
    }
    Ribbon()->SetPopupMenuItems(ovRibbonAllPopupMenuItems);
    // Below: the skin's margins of the row under the ribbon, from the ribbon's left, the whole width.
    Ribbon()->QuickAccessToolbar()->SetPosition(qtpBelowRibbon);
    demo->Pump();
    EXPECT_EQ(view->GetQuickAccessToolbarMargins(), Ribbon()->GetContentOffsets(1002));
    EXPECT_EQ(view->GetQuickAccessToolbarLeft(), view->Bounds.left);
    EXPECT_EQ(view->GetQuickAccessToolbarWidth(), view->Bounds.right);
    EXPECT_EQ(view->GetQuickAccessToolbarAvailableWidth(), view->Bounds.right);
    // Hidden toolbar: nothing.
    Ribbon()->QuickAccessToolbar()->SetVisible(false);
    demo->Pump();
    EXPECT_EQ(view->GetQuickAccessToolbarWidth(), 0);
    EXPECT_EQ(view->GetQuickAccessToolbarHeight(), 0);
    EXPECT_TRUE(uiIsRectEmpty(view->QuickAccessToolbarBounds));
}

TEST_F(RibbonHeadTest, TheClassicApplicationButtonCarriesTheToolbarBesideIt) {
    ribbon_demo::TRibbonDemoOptions options = HeadTestOptions(true);
    options.Style = rs2007;
    options.ColorScheme = "Blue";
    MakeDemo(options);
    TovRibbonViewInfo* view = ViewInfo();
    ASSERT_TRUE(view->IsClassicApplicationButtonVisible());
    const TRect button = view->ApplicationButtonViewInfo()->Bounds;
    EXPECT_EQ(button.left, 0);
    EXPECT_EQ(button.top, 0);
    // The 2007 skins' override is 14 with a classic button.
    EXPECT_EQ(view->GetQuickAccessToolbarLeft(), button.right - 14);
    EXPECT_EQ(view->GetQuickAccessToolbarAvailableWidth(), view->Bounds.right - (button.right - 14));
    // The tabs start right of the round button; no minimize button in this style.
    EXPECT_EQ(Tabs()->Bounds.left, button.right);
    EXPECT_EQ(view->TabsAreaButtonsViewInfo()->GetCount(), 0);
}

TEST_F(RibbonHeadTest, CaptionTextGoesBesideTheContextHeadersAndMovesTheToolbarsLimit) {
    HeadParts().CaptionArea = TRect{0, 0, 1500, 30};
    MakeDemo(HeadTestOptions(false, true));
    demo->Form()->SetCaption("OLVA Audio Editor");
    Ribbon()->SetSupportNonClientDrawing(true);
    demo->Pump();
    TovRibbonViewInfo* view = ViewInfo();
    ASSERT_TRUE(view->SupportNonClientDrawing);
    const int caption = Ribbon()->GetCaptionHeightWithQuickAccessToolbar();
    EXPECT_EQ(view->GetTopOffset(), caption);
    // The full title: the form caption alone, then with the document name first.
    EXPECT_EQ(view->GetFormCaptionText(), "OLVA Audio Editor");
    Ribbon()->SetDocumentName("Drums.wav");
    EXPECT_EQ(view->GetFormCaptionText(), "Drums.wav - OLVA Audio Editor");
    // The context header sits over its tabs, in the caption area.
    ASSERT_EQ(view->ContextsViewInfo()->GetCount(), 1);
    const TRect header = view->ContextsViewInfo()->Bounds;
    EXPECT_EQ(header.left, Tabs()->GetTab(7)->Bounds.left);
    EXPECT_EQ(header.right, Tabs()->GetTab(8)->Bounds.right);
    // With the header over the middle of the form, the centred title would run into it: it goes to the
    // wider side, left of the header here, centred there, and the toolbar's right limit moves 50 pixels
    // further left.
    Ribbon()->SetDocumentName("");
    const int width = uiMeasureTextWidth(view->GetFormCaptionFont(true), view->GetFormCaptionText());
    TRect text = view->CaptionTextBounds;
    EXPECT_TRUE(view->CaptionLeftOfContext);
    EXPECT_EQ(text.right - text.left, width);
    EXPECT_NEAR((text.left + text.right) / 2, (HeadParts().CaptionArea.left + 4 + header.left - 4) / 2, 1);
    EXPECT_EQ(view->GetQuickAccessToolbarAvailableWidth(), header.left - 50 - HeadParts().CaptionArea.left);
    // With the header near the left the title stays centred over the whole form.
    Ribbon()->BeginUpdate();
    for (int i = 2; i < ribbon_demo::DemoPlainTabCount; ++i)
        demo->Tab(i)->SetVisible(false);
    Ribbon()->EndUpdate();
    const TRect moved = view->ContextsViewInfo()->Bounds;
    ASSERT_LT(moved.right, 700);
    text = view->CaptionTextBounds;
    EXPECT_FALSE(view->CaptionLeftOfContext);
    EXPECT_NEAR((text.left + text.right) / 2, (view->Bounds.left + view->Bounds.right) / 2, 1);
    EXPECT_GE(text.right - text.left, width);
    EXPECT_EQ(view->GetQuickAccessToolbarAvailableWidth(), moved.left - HeadParts().CaptionArea.left);
}

TEST_F(RibbonHeadTest, HitTestCodesOverTheWholeHead) {
    HeadParts().Docks = true;
    HeadParts().DockScrollButtons = ovRibbonScrollLeft | ovRibbonScrollRight;
    ribbon_demo::TRibbonDemoOptions options = HeadTestOptions(true);
    options.HelpButton = true;
    MakeDemo(options);
    demo->SetWidth(340);
    TovRibbonViewInfo* view = ViewInfo();
    TovRibbonHitInfo hit(view);
    auto centre = [](const TRect& R) { return TPoint{(R.left + R.right) / 2, (R.top + R.bottom) / 2}; };
    TovRibbonTabsAreaButtonsViewInfo* buttons = view->TabsAreaButtonsViewInfo();
    ASSERT_EQ(buttons->GetCount(), 2);
    TovRibbonGroupsDockControlSiteViewInfo* site = view->GetGroupsDockControlSiteViewInfo();
    ASSERT_NE(site, nullptr);
    const TPoint siteOrigin{Ribbon()->GroupsDockControlSite()->Left(),
                            Ribbon()->GroupsDockControlSite()->Top()};
    const TRect groupLeft = uiShiftRectByPoint(site->ScrollButtonLeft()->Bounds, siteOrigin);
    const TRect groupRight = uiShiftRectByPoint(site->ScrollButtonRight()->Bounds, siteOrigin);
    ASSERT_FALSE(uiIsRectEmpty(groupLeft));
    const TRect scrollRight = Tabs()->ScrollButtonRight()->Bounds;
    ASSERT_FALSE(uiIsRectEmpty(scrollRight));
    const struct {
        const char* What;
        TPoint Point;
        int Code;
        TObject* Object;
    } cases[] = {
        {"tab", centre(Tabs()->GetTab(1)->Bounds), ribbonHitTab, demo->Tab(1)},
        {"application button", centre(view->ApplicationButtonViewInfo()->Bounds), ribbonHitApplicationButton,
         nullptr},
        {"tab row scroll right", centre(scrollRight), ribbonHitTabScrollRight, Tabs()->ScrollButtonRight()},
        {"groups scroll left", centre(groupLeft), ribbonHitGroupScrollLeft, site->ScrollButtonLeft()},
        {"groups scroll right", centre(groupRight), ribbonHitGroupScrollRight, site->ScrollButtonRight()},
        {"minimize button", centre(buttons->Button(0)->Bounds), ribbonHitButton, buttons->Button(0)},
        {"help button", centre(buttons->Button(1)->Bounds), ribbonHitHelpButton, buttons->Button(1)},
        {"middle of the groups area", centre(view->GroupsDockControlSiteBounds), ribbonHitNone, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        hit.Calculate(c.Point);
        EXPECT_EQ(hit.HitTest, c.Code);
        EXPECT_EQ(hit.HitObject, c.Object);
        // The point is given back in ribbon coordinates after the site was asked.
        EXPECT_EQ(hit.HitPoint, c.Point);
    }
    // Scrolled to its end, the row's left scroll button answers.
    Tabs()->SetScrollPosition(Tabs()->ScrollWidth);
    hit.Calculate(centre(Tabs()->ScrollButtonLeft()->Bounds));
    EXPECT_EQ(hit.HitTest, ribbonHitTabScrollLeft);
    // A tab under a scroll button is not hit.
    hit.Calculate(TPoint{Tabs()->ScrollButtonLeft()->Bounds.left + 1, centre(Tabs()->Bounds).y});
    EXPECT_EQ(hit.HitTest, ribbonHitTabScrollLeft);
}

TEST_F(RibbonHeadTest, ContextHeadersHitAndAnswerWhetherTheirCaptionIsCut) {
    HeadParts().CaptionArea = TRect{0, 0, 1500, 30};
    MakeDemo(HeadTestOptions(false, true));
    Ribbon()->SetSupportNonClientDrawing(true);
    demo->Pump();
    TovRibbonContextsViewInfo* contexts = ViewInfo()->ContextsViewInfo();
    ASSERT_EQ(contexts->GetCount(), 1);
    TovRibbonHitInfo hit(ViewInfo());
    const TRect header = contexts->Header(0)->Bounds;
    hit.Calculate(TPoint{(header.left + header.right) / 2, header.top + 3});
    EXPECT_EQ(hit.HitTest, ribbonHitContext);
    EXPECT_EQ(hit.GetHitContext(), demo->Context());
    EXPECT_FALSE(contexts->IsContextCaptionCut(demo->Context()));
    // A caption wider than its two tabs is cut, shortened with an ellipsis, and offers a hint.
    demo->Context()->SetCaption(std::string(40, 'W'));
    ASSERT_EQ(contexts->GetCount(), 1);
    EXPECT_TRUE(contexts->IsContextCaptionCut(demo->Context()));
    EXPECT_NE(contexts->Header(0)->Text, demo->Context()->Caption());
    // Headers narrower than 9 pixels are dropped: the caption area ends before the context's tabs.
    HeadParts().CaptionArea = TRect{0, 0, Tabs()->GetTab(7)->Bounds.left + 3, 30};
    Recalculate();
    EXPECT_EQ(contexts->GetCount(), 0);
}
