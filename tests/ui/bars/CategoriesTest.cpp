#include "BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"

using namespace bars_test;

namespace bars_categories_test {

class CategoriesTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
        manager->Categories()->Clear();
        for (const char* name : {"File", "Edit", "View"})
            manager->Categories()->Add(name);
        for (int i = 0; i < 3; ++i) {
            items[i] = new TovBarButton(form);
            items[i]->SetCategory(i);
        }
    }
    std::vector<int> CategoriesOfItems() const {
        return {items[0]->Category(), items[1]->Category(), items[2]->Category()};
    }
    TovBarManager* manager = nullptr;
    TovBarButton* items[3] = {};
};

} // namespace bars_categories_test
using namespace bars_categories_test;

TEST_F(CategoriesTest, ANewManagerHasTheDefaultCategory) {
    TovBarManager* other = manager;
    EXPECT_EQ(other->Categories()->Count(), 3);
    delete other;
    manager = MakeManager();
    ASSERT_EQ(manager->Categories()->Count(), 1);
    EXPECT_EQ(manager->Categories()->Strings(0), "Default");
}

TEST_F(CategoriesTest, StructuralChangesRenumberTheItems) {
    struct Case {
        const char* name;
        void (*change)(TovBarManagerCategories*);
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"move 0 to 2", [](TovBarManagerCategories* C) { C->Move(0, 2); }, {2, 0, 1}},
        {"move 2 to 0", [](TovBarManagerCategories* C) { C->Move(2, 0); }, {1, 2, 0}},
        {"exchange 0 and 2", [](TovBarManagerCategories* C) { C->Exchange(0, 2); }, {2, 1, 0}},
        {"insert at 1", [](TovBarManagerCategories* C) { C->Insert(1, "New"); }, {0, 2, 3}},
        {"insert at end", [](TovBarManagerCategories* C) { C->Insert(3, "New"); }, {0, 1, 2}},
        {"move out of range", [](TovBarManagerCategories* C) { C->Move(0, 7); }, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i)
            items[i]->SetCategoryDirect(i);
        manager->Categories()->Clear();
        for (const char* name : {"File", "Edit", "View"})
            manager->Categories()->Add(name);
        c.change(manager->Categories());
        EXPECT_EQ(CategoriesOfItems(), c.expected) << c.name;
    }
}

TEST_F(CategoriesTest, DeletingACategoryDeletesItsItemsAndReaddsDefault) {
    manager->Categories()->Delete(1);
    EXPECT_EQ(manager->ItemCount(), 2);
    EXPECT_EQ(items[2]->Category(), 1);
    manager->Categories()->Delete(0);
    manager->Categories()->Delete(0);
    ASSERT_EQ(manager->Categories()->Count(), 1);
    EXPECT_EQ(manager->Categories()->Strings(0), "Default");
    EXPECT_EQ(manager->ItemCount(), 0);
}

TEST_F(CategoriesTest, AnInvalidCategoryIndexIsIgnored) {
    items[0]->SetCategory(9);
    EXPECT_EQ(items[0]->Category(), 0);
    EXPECT_EQ(manager->GetCategoryItemsVisible(9), ivNever);
    EXPECT_EQ(manager->GetCategoryItemsVisible(0), ivAlways);
}

TEST_F(CategoriesTest, CategoryVisibilityReachesItemsWithoutTheirOwn) {
    items[1]->SetCategory(0);
    items[1]->SetVisible(ivInCustomizing); // an item with a visibility of its own keeps it
    manager->SetCategoryItemsVisible(0, ivNever);
    EXPECT_EQ(items[0]->Visible(), ivNever);
    EXPECT_EQ(items[1]->Visible(), ivInCustomizing);
    manager->SetCategoryItemsVisible(0, ivAlways);
    EXPECT_EQ(items[0]->Visible(), ivAlways);
}

TEST_F(CategoriesTest, EmptiedBarsHideOnlyWithAutoHideEmptyBars) {
    for (bool autoHide : {false, true}) {
        manager->SetAutoHideEmptyBars(autoHide);
        TovBar* bar = manager->AddToolbar(false, false);
        bar->ItemLinks()->AddItem(items[0]);
        manager->SetCategoryItemsVisible(0, ivNever);
        EXPECT_EQ(bar->Visible(), !autoHide) << autoHide;
        EXPECT_EQ(bar->InternallyHidden(), autoHide);
        manager->SetCategoryItemsVisible(0, ivAlways);
        EXPECT_TRUE(bar->Visible()) << autoHide;
        delete bar;
    }
}

TEST_F(CategoriesTest, GroupsRefuseToContainThemselves) {
    TovBarGroup* outer = manager->CreateGroup();
    TovBarGroup* inner = manager->CreateGroup();
    outer->Add(inner);
    outer->Add(items[0]);
    outer->Add(items[0]);
    EXPECT_EQ(outer->Count(), 2);
    for (TovBarGroup* refused : {inner, outer}) {
        try {
            (refused == inner ? inner : outer)->Add(outer);
            ADD_FAILURE() << "recursive group accepted";
        } catch (const EovException& E) {
            EXPECT_EQ(E.Message(), "You cannot create recursive groups");
        }
    }
    outer->SetEnabled(false);
    EXPECT_FALSE(items[0]->Enabled());
}

TEST_F(CategoriesTest, GlyphSizeFollowsTheImageOptions) {
    TovBarImageOptions* options = manager->ImageOptions();
    EXPECT_EQ(manager->GetGlyphSize(), 16);
    options->SetUseLargeImagesForLargeIcons(true);
    options->SetLargeIcons(true);
    EXPECT_EQ(manager->GetGlyphSize(), 32);
    auto* large = new TCustomImageList(form, 24, 24);
    options->SetLargeImages(large);
    EXPECT_EQ(manager->GetGlyphSize(), 24);
    delete large; // a freed list leaves the options
    EXPECT_EQ(options->LargeImages(), nullptr);
}

TEST_F(CategoriesTest, StoredPerCategoryValuesApplyByPosition) {
    manager->Categories()->ReadItemsVisibles({ivNever, ivAlways, ivInCustomizing, ivNever});
    manager->Categories()->ReadVisibles({true, false});
    EXPECT_EQ(manager->Categories()->ItemsVisibles(),
              (std::vector<TovBarItemVisible>{ivNever, ivAlways, ivInCustomizing}))
        << "the fourth value has no category";
    EXPECT_EQ(manager->Categories()->Visibles(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(items[0]->Visible(), ivNever);
    EXPECT_EQ(manager->GetRealCategoryIndex(1), 2) << "the second listed category skips the hidden one";
}

TEST_F(CategoriesTest, SortingKeepsItemsInCategoryOrder) {
    items[0]->SetCategoryDirect(2);
    items[2]->SetCategoryDirect(0);
    manager->SortItemsByCategory();
    EXPECT_EQ(manager->Items(0), items[2]);
    EXPECT_EQ(manager->Items(1), items[1]);
    EXPECT_EQ(manager->Items(2), items[0]);
}
