// Pictures of docked and floating toolbars, laid out by the dock rows and the toolbars' own sizing and
// painted by the bar painter through the stand-ins, left in build/test-output/bars.
#include "ToolbarsTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockedControl.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

using namespace bars_test;
using bar_standins::TStandInToolbar;

namespace {

class ToolbarPicturesTest : public ToolbarsTest {
protected:
    // The flat look draws the toolbars' frames, grips, separators and the floating close button.
    void SetUp() override {
        ToolbarsTest::SetUp();
        painter = std::make_unique<TovBarFlatPainter>();
        paintingFactory.Painter = painter.get();
    }
    // The stand-in takes the separators and mark of its layout to paint them.
    static void TakeLayout(TStandInToolbar* AToolbar) {
        AToolbar->Separators.clear();
        for (const TovBarControl::TSeparator& separator : AToolbar->LayoutSeparators())
            AToolbar->Separators.push_back(separator.Bounds);
        AToolbar->MarkShown = AToolbar->TovBarControl::HasMark();
        AToolbar->MarkRect = TRect{};
        if (AToolbar->MarkShown) AToolbar->GetPainter()->BarGetMarkRect(AToolbar, AToolbar->MarkRect);
    }
    // Paints every toolbar of the dock at its place in the picture.
    void PaintDock(TPicture& APicture, TovDockControl* ADock) {
        const TRect bounds = ADock->Bounds();
        ADock->FillBackground(APicture.DC(), bounds, ADock->GetClientRect());
        for (int r = 0; r < ADock->DockRowCount(); ++r)
            for (int c = 0; c < ADock->RowAt(r)->GetColCount(); ++c) {
                auto* toolbar = static_cast<TStandInToolbar*>(ADock->RowAt(r)->GetCol(c)->BarControl());
                TakeLayout(toolbar);
                const TRect place = toolbar->BoundsInDock();
                const TPoint origin{bounds.left + place.left, bounds.top + place.top};
                OffsetViewportOrgEx(APicture.DC(), origin.x, origin.y, nullptr);
                toolbar->PaintDockedTo(APicture.Canvas.get());
                OffsetViewportOrgEx(APicture.DC(), -origin.x, -origin.y, nullptr);
            }
    }
    void Save(TPicture& APicture, const std::string& AName) {
        ASSERT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(APicture.Bitmap->Handle()), OutputPath(AName)));
    }
    // Places the four docks around a client of the picture's size: top and bottom across the whole
    // width, left and right between them.
    void Arrange(TovDockControl* ATop, TovDockControl* ABottom, TovDockControl* ALeft,
                 TovDockControl* ARight) {
        ATop->SetBounds(TRect{0, 0, ClientWidth, 0});
        ATop->UpdateDock();
        ABottom->SetBounds(TRect{0, ClientHeight, ClientWidth, ClientHeight});
        ABottom->UpdateDock();
        const int top = ATop->Bounds().bottom, bottom = ABottom->Bounds().top;
        ALeft->SetBounds(TRect{0, top, 0, bottom});
        ALeft->UpdateDock();
        ARight->SetBounds(TRect{ClientWidth, top, ClientWidth, bottom});
        ARight->UpdateDock();
    }
};

} // namespace

TEST_F(ToolbarPicturesTest, AWindowWithToolbarsOnAllFourDocks) {
    TovDockControl* top = Dock(dsTop);
    TovDockControl* bottom = Dock(dsBottom);
    TovDockControl* left = Dock(dsLeft);
    TovDockControl* right = Dock(dsRight);
    TStandInToolbar* menu = Toolbar(dsTop, {"File", "Edit", "View", "Effects", "Help"});
    menu->Bar()->SetWholeRow(true);
    top->DockBarControl(menu, TPoint{0, 0}, true);
    TStandInToolbar* standard = Toolbar(dsTop, {"New", "Open", "Save", "|Cut", "Copy", "Paste"});
    top->DockBarControl(standard, TPoint{0, top->GetRowRect(0).bottom + 20}, true);
    TStandInToolbar* transport = Toolbar(dsTop, {"Play", "Stop", "|Record"});
    top->DockBarControl(transport, TPoint{380, top->GetRowRect(1).top + 2}, true);
    TStandInToolbar* tools = Toolbar(dsLeft, {"Select", "Zoom", "|Draw"});
    left->DockBarControl(tools, TPoint{0, 0}, true);
    TStandInToolbar* views = Toolbar(dsRight, {"Wave", "|Spectrum"});
    right->DockBarControl(views, TPoint{0, 10}, true);
    TStandInToolbar* status = Toolbar(dsBottom, {"Ready"});
    status->Bar()->SetWholeRow(true);
    bottom->DockBarControl(status, TPoint{0, 0}, true);
    Arrange(top, bottom, left, right);

    ASSERT_EQ(top->DockRowCount(), 2) << "the menu alone, then two toolbars sharing a row";
    EXPECT_EQ(top->RowAt(1)->GetColCount(), 2);
    EXPECT_EQ(standard->BoundsInDock().top, transport->BoundsInDock().top);
    EXPECT_GE(transport->BoundsInDock().left, standard->BoundsInDock().right);
    EXPECT_EQ(uiWidthOfRect(menu->BoundsInDock()), ClientWidth);
    EXPECT_EQ(right->Bounds().right, ClientWidth);
    EXPECT_EQ(bottom->Bounds().bottom, ClientHeight);
    EXPECT_EQ(left->Bounds().top, top->Bounds().bottom);

    TPicture picture = Picture(ClientWidth, ClientHeight, clWhite);
    for (TovDockControl* dock : {top, bottom, left, right})
        PaintDock(picture, dock);
    Save(picture, "toolbars-four-docks.png");
    // The toolbars cover their docks' rows; the white client shows in the middle only.
    EXPECT_NE(picture.At(2, 2), Rgb(clWhite));
    EXPECT_NE(picture.At(ClientWidth - 2, ClientHeight - 2), Rgb(clWhite));
    EXPECT_EQ(picture.At(ClientWidth / 2, ClientHeight / 2), Rgb(clWhite));
}

TEST_F(ToolbarPicturesTest, ATruncatedToolbarShowsItsMark) {
    TovDockControl* top = Dock(dsTop);
    TStandInToolbar* toolbar = Toolbar(dsTop, {});
    for (int i = 0; i < 12; ++i)
        toolbar->Add(Button("Tool " + std::to_string(i + 1), i % 8), i % 4 == 0);
    toolbar->Bar()->SetAllowQuickCustomizing(false);
    top->SetBounds(TRect{0, 0, 300, 0});
    top->DockBarControl(toolbar, TPoint{0, 0}, true);
    ASSERT_TRUE(toolbar->IsTruncated());
    TakeLayout(toolbar);
    ASSERT_TRUE(toolbar->MarkShown);
    TPicture picture = Picture(300, uiHeightOfRect(top->Bounds()), clWhite);
    PaintDock(picture, top);
    Save(picture, "toolbar-truncated.png");
    const TRect window = toolbar->BoundsInDock();
    EXPECT_EQ(uiWidthOfRect(window), 300);
}

TEST_F(ToolbarPicturesTest, ALeftDockedToolbar) {
    TovDockControl* left = Dock(dsLeft);
    TStandInToolbar* toolbar = Toolbar(dsLeft, {"Select", "Zoom", "|Cut", "Copy", "|Play"});
    left->DockBarControl(toolbar, TPoint{0, 0}, true);
    const TRect dock = left->Bounds();
    TPicture picture = Picture(uiWidthOfRect(dock) + 40, 260, clWhite);
    PaintDock(picture, left);
    Save(picture, "toolbar-left-docked.png");
    EXPECT_LT(uiWidthOfRect(dock), 40) << "one column of glyph buttons";
}

TEST_F(ToolbarPicturesTest, AFloatingToolbarWithCaptionAndCloseButton) {
    TStandInToolbar* toolbar = Toolbar(dsNone, {"New", "Open", "Save", "|Cut", "Copy", "Paste", "|Undo"});
    toolbar->Bar()->SetCaption("Standard");
    toolbar->Bar()->SetAllowClose(true);
    TSize client{};
    const int width = toolbar->GetFullWidth(dsNone) * 3 / 5;
    toolbar->CalcFloatingSize(dsNone, width, client);
    toolbar->SetClientRect(TRect{0, 0, client.cx, client.cy});
    toolbar->CalcBarLayout();
    TakeLayout(toolbar);
    EXPECT_GT(toolbar->LayoutSeparators().size(), 0u);
    TRect borders{};
    toolbar->GetPainter()->BarBorderSizes(toolbar->Bar(), dsNone, borders, false);
    TPicture picture =
        Picture(client.cx + borders.left + borders.right, client.cy + borders.top + borders.bottom, clWhite);
    toolbar->PaintFloatingTo(picture.Canvas.get());
    Save(picture, "toolbar-floating.png");
    EXPECT_TRUE(toolbar->HasCloseButton());
    EXPECT_GT(client.cy, toolbar->GetMinHeight(dsNone)) << "the links wrapped into rows";
}
