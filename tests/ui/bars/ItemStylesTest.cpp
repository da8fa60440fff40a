// Item styles: the styles data's listening and what it reports for each kind of style change, and how an
// item's controls follow their style — a repaint for colours, new controls and a new layout for a font.
#include "BarPaintingTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/itemcontrols/ItemStyleValues.h"
#include "ui/bars/itemcontrols/ItemStylesData.h"

#include <functional>
#include <vector>

using namespace bars_test;
using bar_standins::TStandInToolbar;

namespace {

class ItemStylesTest : public BarPaintingTest {
protected:
    TuiStyle* NewStyle() { return new TuiStyle(form); }
    // Styles data whose reports land in changes.
    std::unique_ptr<TovBarItemStylesData> Data(int ACount) {
        auto data = std::make_unique<TovBarItemStylesData>(ACount);
        data->OnChange = TovBarItemStylesChangeEvent(
            [this](TovBarItemStylesChange AKind) { changes.push_back(AKind); }, this);
        return data;
    }
    std::vector<TovBarItemStylesChange> changes;
};

TEST_F(ItemStylesTest, AStyleInBothSlotsIsListenedToOnceUntilBothLetGo) {
    auto data = Data(2);
    TuiStyle* style = NewStyle();
    data->SetStyle(0, style);
    data->SetStyle(1, style);
    EXPECT_EQ(style->ListenerCount(), 1);
    data->SetStyle(0, nullptr);
    EXPECT_EQ(style->ListenerCount(), 1) << "slot 1 still holds it";
    EXPECT_EQ(data->GetStyle(1), style);
    data->SetStyle(1, nullptr);
    EXPECT_EQ(style->ListenerCount(), 0);
    EXPECT_EQ(data->GetStyle(2), nullptr) << "no such slot";
    EXPECT_THROW(data->SetStyle(2, style), ERangeError);
}

TEST_F(ItemStylesTest, EachStyleChangeReportsWhatItNeeds) {
    auto data = Data(1);
    TuiStyle* style = NewStyle();
    data->SetStyle(0, style);
    EXPECT_TRUE(changes.empty()) << "a style that assigns nothing changes nothing";
    struct TStep {
        const char* What;
        std::function<void()> Change;
        std::vector<TovBarItemStylesChange> Reports;
    };
    const std::vector<TStep> steps = {
        {"text colour", [&] { style->SetTextColor(clRed); }, {bscRepaint}},
        {"colour", [&] { style->SetColor(clBtnFace); }, {bscRepaint}},
        {"the same colour as RGB", [&] { style->SetColor(static_cast<TColor>(ColorToRGB(clBtnFace))); }, {}},
        {"font size", [&] { style->Font()->SetSize(14); }, {bscLayout}},
        {"a notice without a change", [&] { style->Changed(); }, {}},
        {"face name past 31 characters",
         [&] {
             style->Font()->SetName(std::string(31, 'A') + "x");
             changes.clear();
             style->Font()->SetName(std::string(31, 'A') + "y");
         },
         {}},
        // One notice takes colour, font and text colour away at once: one layout, not a repaint.
        {"colour and font at once", [&] { style->SetAssignedValues({}); }, {bscLayout}},
        {"colour assigned again", [&] { style->SetAssignedValues({svColor}); }, {bscRepaint}},
    };
    for (const TStep& step : steps) {
        changes.clear();
        step.Change();
        EXPECT_EQ(changes, step.Reports) << step.What;
    }
}

TEST_F(ItemStylesTest, FreeingTheStyleEmptiesItsSlotsWithOneReport) {
    auto data = Data(2);
    TuiStyle* style = NewStyle();
    style->SetTextColor(clRed);
    style->Font()->SetSize(12);
    data->SetStyle(0, style);
    data->SetStyle(1, style);
    changes.clear();
    delete style;
    EXPECT_EQ(data->GetStyle(0), nullptr);
    EXPECT_EQ(data->GetStyle(1), nullptr);
    EXPECT_EQ(changes, std::vector<TovBarItemStylesChange>{bscLayout}) << "both slots in one report";
}

TEST_F(ItemStylesTest, DestroyedDataLeavesNoListenerAndReportsNothing) {
    TuiStyle* style = NewStyle();
    TuiStyle* other = NewStyle();
    style->SetColor(clRed);
    {
        auto data = Data(2);
        data->SetStyle(0, style);
        data->SetStyle(1, other);
        changes.clear();
    }
    EXPECT_EQ(style->ListenerCount(), 0);
    EXPECT_EQ(other->ListenerCount(), 0);
    EXPECT_TRUE(changes.empty());
    style->SetColor(clBlue); // would reach freed data if it still listened
}

// A toolbar in a window of its own, counting what its item controls ask of it.
class TCountingToolbar : public TStandInToolbar {
public:
    TCountingToolbar(TovBarManager* AManager, TovBar* ABar) : TStandInToolbar(AManager, ABar) {
        FWindow =
            CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 400, 40, nullptr, nullptr, nullptr, nullptr);
        SetHandle(FWindow);
    }
    ~TCountingToolbar() override {
        SetHandle(nullptr);
        DestroyWindow(FWindow);
    }
    void Rebuild() override {
        ++Rebuilds;
        TStandInToolbar::Rebuild();
    }
    void RepaintItemControl(TovBarItemControl* AControl) override {
        ++Repaints;
        TStandInToolbar::RepaintItemControl(AControl);
    }
    int Rebuilds = 0;
    int Repaints = 0;

private:
    HWND FWindow;
};

class ItemStylesOnBarsTest : public ItemStylesTest {
protected:
    TCountingToolbar* CountingToolbar() {
        TovBar* bar = manager->Bars()->Add();
        auto toolbar = std::make_unique<TCountingToolbar>(manager, bar);
        toolbar->SetPainter(painter.get());
        auto* result = toolbar.get();
        standIns.push_back(std::move(toolbar));
        return result;
    }
    // How many pixels of the toolbar, painted, have the colour.
    int PixelsOf(TStandInToolbar* AToolbar, TColor AColor) {
        AToolbar->Layout();
        TPicture picture = Picture(200, 40);
        AToolbar->PaintTo(picture.Canvas.get());
        return picture.Count(AColor);
    }
};

TEST_F(ItemStylesOnBarsTest, ColoursRepaintTheSameControlsAndReachTheScreen) {
    TCountingToolbar* toolbar = CountingToolbar();
    TovBarButton* button = Button("Amplify", -1, psCaption);
    TovBarItemLink* link = toolbar->Add(button);
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    TWeakLink<TovBarItemControl> kept(control);
    TuiStyle* style = NewStyle();
    style->SetTextColor(clRed);
    button->SetStyle(style);
    EXPECT_TRUE(kept.Alive()) << "a colour keeps the control";
    EXPECT_GT(PixelsOf(toolbar, clRed), 10) << "the caption in the style's colour";

    toolbar->Rebuilds = toolbar->Repaints = 0;
    style->SetTextColor(clBlue);
    EXPECT_TRUE(kept.Alive());
    EXPECT_EQ(toolbar->Repaints, 1);
    EXPECT_EQ(toolbar->Rebuilds, 0);
    EXPECT_EQ(PixelsOf(toolbar, clRed), 0);
    EXPECT_GT(PixelsOf(toolbar, clBlue), 10);

    EXPECT_EQ(control->BackgroundBrush(), nullptr);
    style->SetColor(clYellow);
    EXPECT_NE(control->BackgroundBrush(), nullptr) << "the control took the style's background at once";
}

TEST_F(ItemStylesOnBarsTest, AFontRemakesTheControlsAndRebuildsTheBar) {
    TCountingToolbar* toolbar = CountingToolbar();
    TovBarButton* button = Button("Amplify", -1, psCaption);
    TovBarItemLink* link = toolbar->Add(button);
    toolbar->Layout();
    const int narrow = link->ItemRect.right - link->ItemRect.left;
    TuiStyle* style = NewStyle();
    button->SetStyle(style);
    TWeakLink<TovBarItemControl> before(link->Control());
    toolbar->Rebuilds = 0;
    style->Font()->SetSize(16);
    EXPECT_FALSE(before.Alive()) << "the old control went";
    EXPECT_NE(link->Control(), nullptr) << "a new one stands for the link";
    EXPECT_EQ(toolbar->Rebuilds, 1);
    toolbar->Layout();
    EXPECT_GT(link->ItemRect.right - link->ItemRect.left, narrow) << "the larger font takes more room";
}

TEST_F(ItemStylesOnBarsTest, EditItemsHaveAnEditStyleAndFreedStylesLeaveTheItems) {
    auto* edit = new TovBarEdit(form);
    TovBarButton* button = Button("Amplify");
    TuiStyle* style = NewStyle();
    style->SetTextColor(clRed);
    edit->SetStyleEdit(style);
    TovBarItemStyleValues values;
    EXPECT_FALSE(ovBarItemStyleValues(edit, 0, values)) << "the item's own style is not set";
    ASSERT_TRUE(ovBarItemStyleValues(edit, 1, values));
    EXPECT_TRUE(values.HasTextColor);
    EXPECT_FALSE(values.HasColor);
    EXPECT_EQ(values.TextColor, clRed);
    EXPECT_EQ(button->GetStyleByIndex(1), nullptr) << "a button has one style slot";
    EXPECT_THROW(button->SetStyleByIndex(1, style), ERangeError);

    button->SetStyle(style);
    auto* copy = new TovBarButton(form);
    copy->Assign(button);
    EXPECT_EQ(copy->Style(), style) << "an item's copy shares its style";
    EXPECT_EQ(style->ListenerCount(), 3);
    delete copy;
    EXPECT_EQ(style->ListenerCount(), 2) << "a freed item stops listening";
    delete style;
    EXPECT_EQ(edit->StyleEdit(), nullptr);
    EXPECT_EQ(button->Style(), nullptr);
    EXPECT_FALSE(ovBarItemStyleValues(edit, 1, values));
}

} // namespace
