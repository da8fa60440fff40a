#include "RibbonTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonMergeData.h"
#include "ui/ribbon/tabs/RibbonTab.h"

using namespace ribbon_test;

namespace {

class RibbonContextsTest : public RibbonTest {
protected:
    // Tabs A, B, C, D; B and D in the context.
    TovRibbonContext* MakeContext() {
        MakeRibbon();
        for (const char* caption : {"A", "B", "C", "D"})
            AddTab(caption);
        TovRibbonContext* context = ribbon->Contexts()->Add();
        context->SetCaption("Tools");
        Tab(1)->SetContext(context);
        Tab(3)->SetContext(context);
        return context;
    }
    TovRibbonTab* Tab(int AIndex) { return ribbon->Tabs()->Items(AIndex); }
};

TEST_F(RibbonContextsTest, ANewContextIsWhiteAndHidesItsTabs) {
    TovRibbonContext* context = MakeContext();
    EXPECT_EQ(context->Color(), static_cast<TColor>(0xFFFFFF));
    EXPECT_EQ(context->MergeOrder(), 0);
    EXPECT_FALSE(context->Visible());
    EXPECT_FALSE(Tab(1)->IsVisible());
    EXPECT_TRUE(Tab(1)->Visible());
    EXPECT_EQ(context->GetTabCount(), 2);
    EXPECT_EQ(context->GetTab(1), Tab(3));
    EXPECT_EQ(context->GetTab(2), nullptr);
    EXPECT_EQ(context->GetTab(-1), nullptr);
    EXPECT_EQ(ribbon->Contexts()->GetItemSafe(-1), nullptr);
    EXPECT_EQ(ribbon->Contexts()->GetItemSafe(1), nullptr);
    EXPECT_THROW(ribbon->Contexts()->Items(1), EListError);
    context->SetMergeOrder(-4);
    EXPECT_EQ(context->MergeOrder(), 0);
}

struct TActivateCase {
    bool Visible;
    bool Force;
    bool HasTabs;
    bool VisibleAfter;
    const char* ActiveAfter;
};

TEST_F(RibbonContextsTest, ActivateShowsTheContextAndItsFirstTabInTabOrder) {
    const TActivateCase cases[] = {
        {false, false, true, true, "B"}, {false, true, true, true, "B"},   {true, false, true, true, "A"},
        {true, true, true, true, "B"},   {false, true, false, false, "A"},
    };
    for (const TActivateCase& c : cases) {
        TovRibbonContext* context = MakeContext();
        if (!c.HasTabs) {
            Tab(1)->SetContext(nullptr);
            Tab(3)->SetContext(nullptr);
        }
        context->SetVisible(c.Visible);
        // The first tab in tab order, not in visible order.
        Tab(1)->SetVisible(c.HasTabs);
        CallLog().clear();
        context->Activate(c.Force);
        EXPECT_EQ(context->Visible(), c.VisibleAfter) << c.Visible << c.Force << c.HasTabs;
        EXPECT_EQ(ribbon->ActiveTab()->Caption(), c.ActiveAfter) << c.Visible << c.Force << c.HasTabs;
        delete ribbon;
    }
}

TEST_F(RibbonContextsTest, HidingTheContextOfTheActiveTabActivatesTheFirstShownTab) {
    TovRibbonContext* context = MakeContext();
    context->SetVisible(true);
    Tab(3)->SetActive(true);
    CallLog().clear();
    context->SetVisible(false);
    EXPECT_EQ(ribbon->ActiveTab(), Tab(0));
    // Hiding it again does nothing, not even a recalculation.
    CallLog().clear();
    context->SetVisible(false);
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 0);
    // A context whose tabs are not active only recalculates.
    context->SetVisible(true);
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
    EXPECT_EQ(ribbon->ActiveTab(), Tab(0));
}

TEST_F(RibbonContextsTest, ColourRedrawsTheActiveTabsGroupsAreaAtOnce) {
    TovRibbonContext* context = MakeContext();
    context->SetVisible(true);
    context->SetColor(0x00FF00);
    EXPECT_EQ(CountCalls("B.FullRedraw"), 0);
    Tab(1)->SetActive(true);
    CallLog().clear();
    context->SetColor(0x0000FF);
    EXPECT_EQ(CountCalls("B.FullRedraw"), 1);
    context->SetColor(0x0000FF);
    EXPECT_EQ(CountCalls("B.FullRedraw"), 1);
    CallLog().clear();
    context->SetCaption("tools"); // a change of case counts
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
}

TEST_F(RibbonContextsTest, AssigningCopiesTheValuesWithoutTouchingTabs) {
    TovRibbonContext* context = MakeContext();
    TovRibbonContext* source = ribbon->Contexts()->Add();
    source->SetCaption("Draw");
    source->SetColor(0x123456);
    source->SetMergeOrder(3);
    source->SetVisible(true);
    CallLog().clear();
    context->Assign(source);
    EXPECT_EQ(context->Caption(), "Draw");
    EXPECT_EQ(context->Color(), static_cast<TColor>(0x123456));
    EXPECT_EQ(context->MergeOrder(), 3);
    EXPECT_TRUE(context->Visible());
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 0);
    EXPECT_THROW(context->Assign(ribbon->Tabs()), EConvertError);
}

TEST_F(RibbonContextsTest, DeletingAContextMakesItsTabsOrdinary) {
    TovRibbonContext* context = MakeContext();
    delete context;
    EXPECT_EQ(Tab(1)->Context(), nullptr);
    EXPECT_TRUE(Tab(1)->IsVisible());
    EXPECT_EQ(Tab(3)->LoadedContextIndex(), -1);
}

TEST_F(RibbonContextsTest, AMergedContextComesAfterItsMergeOrderAndIsMadeOnce) {
    MakeRibbon();
    TovRibbonContext* first = ribbon->Contexts()->Add();
    first->SetMergeOrder(1);
    TovRibbonContext* last = ribbon->Contexts()->Add();
    last->SetMergeOrder(9);
    TovRibbonContext source(nullptr);
    source.SetCaption("Picture");
    source.SetMergeOrder(5);
    TovRibbonContext* made = ribbon->AddMergedContext(&source);
    EXPECT_EQ(made->Index(), 1);
    EXPECT_EQ(made->Caption(), "Picture");
    EXPECT_TRUE(made->CreatedByMerging);
    EXPECT_EQ(ribbon->AddMergedContext(&source), made);
    // A tab leaving the merged context frees it once no tab uses it.
    TovRibbonTab* tab = AddTab("Format");
    tab->SetContext(made);
    tab->SetContext(nullptr);
    EXPECT_EQ(ribbon->Contexts()->Count(), 2);
}

TEST_F(RibbonContextsTest, VisibilityFollowsIntoTheTabsMergeTarget) {
    MakeRibbon();
    TovRibbonContext* target = ribbon->Contexts()->Add();
    TovRibbonContext* sourceContext = ribbon->Contexts()->Add();
    TovRibbonTab* into = AddTab("Into");
    into->SetContext(target);
    TovRibbonTab* merged = AddTab("Merged");
    merged->SetContext(sourceContext);
    merged->MergeData()->MergeTarget = into;
    sourceContext->SetVisible(true);
    EXPECT_TRUE(target->Visible());
    sourceContext->SetVisible(false);
    EXPECT_FALSE(target->Visible());
    merged->MergeData()->MergeTarget = nullptr;
}

} // namespace
