#include "UiCoreTestSupport.h"

#include "platform/rtl/ClassRegistry.h"
#include "ui/core/base/ComponentCollection.h"
#include "ui/core/base/Registries.h"

#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

class ShapeA : public TPersistent {};
class ShapeB : public ShapeA {};
class ShapeC : public ShapeB {};
class Painter1 : public TPersistent {};
class Painter2 : public TPersistent {};

TEST(ClassRefsTest, DescentAndInstances) {
    EXPECT_TRUE(uiClassOf<ShapeC>()->InheritsFrom(uiClassOf<ShapeA>()));
    EXPECT_TRUE(uiClassOf<ShapeB>()->InheritsFrom(uiClassOf<ShapeB>()));
    EXPECT_FALSE(uiClassOf<ShapeA>()->InheritsFrom(uiClassOf<ShapeB>()));
    EXPECT_FALSE(uiClassOf<Painter1>()->InheritsFrom(uiClassOf<ShapeA>()));
    ShapeC c;
    EXPECT_TRUE(uiClassOf<ShapeA>()->IsInstance(&c));
    EXPECT_FALSE(uiClassOf<Painter1>()->IsInstance(&c));
    EXPECT_EQ(uiClassOf<ShapeB>()->ClassName(), "ShapeB");
}

TEST(RegistriesTest, TheMostSpecificRegistrationWins) {
    TuiRegisteredClassList list;
    list.Register(uiClassOf<ShapeC>(), uiClassOf<Painter2>());
    list.Register(uiClassOf<ShapeA>(), uiClassOf<Painter1>());
    // A went in before C, so the walk from the end meets C's entry first only for C and its kin.
    EXPECT_EQ(list.Items(0).ItemClass, uiClassOf<ShapeA>());
    int index = -1;
    EXPECT_TRUE(list.Find(uiClassOf<ShapeB>(), index));
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(list.Find(uiClassOf<ShapeC>(), index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(list.FindClass(uiClassOf<ShapeB>()), uiClassOf<Painter1>());
    EXPECT_EQ(list.FindClass(uiClassOf<ShapeC>()), uiClassOf<Painter2>());
    EXPECT_EQ(list.FindClass(uiClassOf<Painter1>()), nullptr);
    list.Unregister(uiClassOf<ShapeA>(), uiClassOf<Painter2>()); // not this pair: nothing
    EXPECT_EQ(list.Count(), 2);
    list.Unregister(uiClassOf<ShapeA>(), uiClassOf<Painter1>());
    EXPECT_EQ(list.FindClass(uiClassOf<ShapeB>()), nullptr);
    index = 7;
    EXPECT_FALSE(list.Find(uiClassOf<ShapeA>(), index));
    EXPECT_EQ(index, 0); // the lowest descendant entry
}

TEST(RegistriesTest, DescribedClassesSortAndCutDescriptions) {
    TuiRegisteredClasses classes;
    classes.Register(uiClassOf<ShapeB>(), "beta|second");
    classes.Register(uiClassOf<ShapeA>(), "Alpha");
    classes.Register(uiClassOf<ShapeA>(), "again");
    EXPECT_EQ(classes.Count(), 2);
    EXPECT_EQ(classes.GetDescription(0), "beta");
    classes.SetKeepSorted(true);
    EXPECT_EQ(classes.Items(0), uiClassOf<ShapeA>());
    EXPECT_EQ(classes.FindByClassName("ShapeB"), uiClassOf<ShapeB>());
    EXPECT_EQ(classes.FindByClassName("shapeb"), nullptr);
    classes.Unregister(uiClassOf<ShapeA>());
    EXPECT_EQ(classes.IndexOf(uiClassOf<ShapeA>()), -1);
}

TEST(RegistriesTest, StringListSortsWithItsCompare) {
    TuiStringList list;
    for (const char* t : {"bb", "a", "ccc"})
        list.Add(t);
    list.OnCompare = [](TStringList* l, int i, int j) {
        return static_cast<int>(l->Strings(j).size()) - static_cast<int>(l->Strings(i).size());
    };
    list.Sort();
    EXPECT_EQ(list.Strings(0), "ccc");
    EXPECT_EQ(list.Strings(2), "a");
    list.OnCompare = nullptr;
    list.Sort();
    EXPECT_EQ(list.Strings(0), "a");
}

struct Receiver : TObject {
    void One(TObject*, void* args) { seen.push_back(1 + *static_cast<int*>(args)); }
    void Two(TObject*, void* args) { seen.push_back(2 + *static_cast<int*>(args)); }
    std::vector<int> seen;
};

TEST(RegistriesTest, EventHandlersAreHeldOnceAndCalledInOrder) {
    Receiver r;
    TuiEventHandlerCollection handlers;
    handlers.Add(TuiEventHandler(&r, &Receiver::Two));
    handlers.Add(TuiEventHandler(&r, &Receiver::One));
    handlers.Add(TuiEventHandler(&r, &Receiver::Two));
    EXPECT_EQ(handlers.Count(), 2);
    int base = 10;
    handlers.CallEvents(nullptr, &base);
    EXPECT_EQ(r.seen, (std::vector<int>{12, 11}));
    handlers.Delete(5);
    handlers.Remove(TuiEventHandler(&r, &Receiver::Two));
    EXPECT_EQ(handlers.IndexOf(TuiEventHandler(&r, &Receiver::One)), 0);
    EXPECT_EQ(handlers.Count(), 1);
}

class TovRibbon;

class TovRibbonTab : public TuiComponentCollectionItem {
public:
    using TuiComponentCollectionItem::TuiComponentCollectionItem;

protected:
    TuiComponentCollection* GetCollectionFromParent(TComponent* AParent) override;
};

class RibbonTabs : public TuiComponentCollection {
public:
    using TuiComponentCollection::TuiComponentCollection;
    std::vector<std::pair<int, int>> notices; // (item index or -1, action)

protected:
    std::string GetItemPrefixName() const override { return "TovRibbon"; }
    void Update(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction) override {
        notices.emplace_back(AItem != nullptr ? AItem->ID() : -1, AAction);
    }
};

class TovRibbon : public TComponent {
public:
    explicit TovRibbon(TComponent* AOwner) : TComponent(AOwner), tabs(this, uiClassOf<TovRibbonTab>()) {}
    ~TovRibbon() override { tabs.Clear(); }
    RibbonTabs tabs;
};

TuiComponentCollection* TovRibbonTab::GetCollectionFromParent(TComponent* AParent) {
    auto* ribbon = dynamic_cast<TovRibbon*>(AParent);
    return ribbon != nullptr ? &ribbon->tabs : nullptr;
}

class CollectionsTest : public UiCoreTest {};

TEST_F(CollectionsTest, GeneratedNamesSkipTakenOnesIgnoringCase) {
    TComponent form(nullptr);
    auto* ribbon = new TovRibbon(&form);
    ribbon->SetName("Ribbon1");
    auto* taken = new TComponent(ribbon); // deeper in the ownership tree
    taken->SetName("ribbon1tab1");
    TovRibbonTab probe(nullptr);
    EXPECT_EQ(uiGenerateComponentName(&form, ribbon, &probe, -1, "", "TovRibbon"), "Ribbon1Tab2");
    EXPECT_EQ(uiGenerateComponentName(&form, ribbon, &probe, -1, "Bar", ""), "Ribbon1Bar");
    EXPECT_EQ(uiGenerateComponentName(&form, ribbon, &probe, -1, "9\xC3\xA9x", "Other"),
              "Ribbon1ovRibbonTab9x");
    EXPECT_EQ(uiGenerateComponentName(&form, nullptr, &probe, 3, "", ""), "ovRibbonTab3");
}

TEST_F(CollectionsTest, ItemsJoinWithIdsAndNamesAndLeaveWhenFreed) {
    TComponent form(nullptr);
    auto* ribbon = new TovRibbon(&form);
    ribbon->SetName("Ribbon1");
    RibbonTabs& tabs = ribbon->tabs;
    TuiComponentCollectionItem* first = tabs.Add();
    TuiComponentCollectionItem* second = tabs.Add();
    EXPECT_EQ(first->Owner(), &form);
    EXPECT_EQ(first->Name(), "Ribbon1Tab1");
    EXPECT_EQ(second->Name(), "Ribbon1Tab2");
    EXPECT_EQ(first->ID(), 0);
    EXPECT_EQ(second->ID(), 1);
    EXPECT_EQ(second->GetParentComponent(), ribbon);
    TuiComponentCollectionItem* third = tabs.Insert(0);
    EXPECT_EQ(tabs.Items(0), third);
    EXPECT_EQ(third->Index(), 0);
    tabs.notices.clear();
    second->Free();
    EXPECT_EQ(tabs.Count(), 2);
    EXPECT_EQ(tabs.notices, (std::vector<std::pair<int, int>>{{1, ccnExtracted}}));
    tabs.notices.clear();
    tabs.BeginUpdate();
    first->Changed(false);
    EXPECT_TRUE(tabs.notices.empty());
    tabs.EndUpdate(true);
    EXPECT_EQ(tabs.notices, (std::vector<std::pair<int, int>>{{-1, ccnChanged}}));
    tabs.Clear();
    EXPECT_EQ(tabs.Count(), 0);
    EXPECT_EQ(form.ComponentCount(), 1); // the ribbon alone
    EXPECT_EQ(tabs.NextItemId(), 3);     // ids are never reused
}

TEST_F(CollectionsTest, HolderForgetsAFreedComponent) {
    TuiComponentHolder holder(nullptr);
    std::vector<std::string> events;
    holder.OnComponentChanging = TNotifyEvent([&](TObject*) { events.push_back("changing"); }, this);
    holder.OnComponentChanged = TNotifyEvent([&](TObject*) { events.push_back("changed"); }, this);
    auto* watched = new TComponent(nullptr);
    holder.SetComponent(watched);
    holder.SetComponent(watched);
    EXPECT_EQ(events.size(), 2u);
    watched->Free();
    EXPECT_EQ(holder.Component(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed", "changing", "changed"}));
}

} // namespace

#include "ui/core/base/SortedCollection.h"

namespace {

class NamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string text;
};

TEST(SortedCollectionTest, SortsOnDemandAndWhileKeptSorted) {
    TuiOwnedInterfacedCollection items(nullptr, CollectionItemClass<NamedItem>());
    for (const char* t : {"delta", "alpha", "charlie", "bravo"})
        static_cast<NamedItem*>(items.Add())->text = t;
    items.OnCompare = [](TuiOwnedInterfacedCollection*, TCollectionItem* a, TCollectionItem* b) {
        return static_cast<NamedItem*>(a)->text.compare(static_cast<NamedItem*>(b)->text);
    };
    int changes = 0;
    items.OnChange =
        TuiCollectionChangeEvent([&](TuiOwnedInterfacedCollection*, TCollectionItem*) { ++changes; }, &items);
    const auto texts = [&] {
        std::vector<std::string> out;
        for (int i = 0; i < items.Count(); ++i)
            out.push_back(static_cast<NamedItem*>(items.Items(i))->text);
        return out;
    };
    items.Sort();
    EXPECT_EQ(texts(), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta"}));
    EXPECT_EQ(changes, 1);
    items.SetKeepSorted(true);
    changes = 0;
    static_cast<NamedItem*>(items.Add())->text = "zulu";
    static_cast<NamedItem*>(items.Insert(0))->text = "echo";
    items.BeginUpdate();
    items.EndUpdate(); // a change of the whole collection sorts it
    EXPECT_EQ(texts(), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta", "echo", "zulu"}));
    EXPECT_GE(changes, 1);
    items.OnCompare = nullptr; // the base comparison keeps the order
    items.Sort();
    EXPECT_EQ(texts().front(), "alpha");
}

} // namespace

#include "ui/core/base/ComponentList.h"

namespace {

class OnlyHolders : public TuiComponentList {
protected:
    bool IsItemClass(TComponent* AComponent) const override {
        return dynamic_cast<TuiComponentHolder*>(AComponent) != nullptr;
    }
};

TEST(ComponentListTest, ReportsChangesAndForgetsFreedComponents) {
    OnlyHolders list;
    std::vector<std::pair<TComponent*, int>> changes;
    list.OnComponentListChanged = TuiComponentListChangedEvent(
        [&](TuiComponentList*, TComponent* c, TuiComponentCollectionNotification a) {
            changes.emplace_back(c, a);
        },
        &list);
    auto* a = new TuiComponentHolder(nullptr);
    auto* b = new TuiComponentHolder(nullptr);
    TComponent other(nullptr);
    list.Add(a);
    list.Add(b);
    list.Add(&other); // not of the item class: taken out again
    EXPECT_EQ(list.Count(), 2);
    a->Free();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), b);
    list.Remove(b);
    EXPECT_EQ(changes, (std::vector<std::pair<TComponent*, int>>{
                           {a, ccnAdded}, {b, ccnAdded}, {a, ccnExtracted}, {b, ccnDeleting}}));
    changes.clear();
    list.Add(b);
    list.BeginUpdate();
    list.Clear(); // one notice at the end
    list.EndUpdate();
    EXPECT_EQ(changes, (std::vector<std::pair<TComponent*, int>>{{b, ccnAdded}, {nullptr, ccnChanged}}));
    b->Free(); // no longer listed: nothing happens
    EXPECT_EQ(list.Count(), 0);
}

} // namespace

#include "ui/core/base/InterfacedCollectionItem.h"

namespace {

class IToolbarHolder {
public:
    virtual ~IToolbarHolder() = default;
    virtual int ToolbarNumber() = 0;
};

class HolderItem : public TuiInterfacedCollectionItem, public IToolbarHolder {
public:
    using TuiInterfacedCollectionItem::TuiInterfacedCollectionItem;
    int ToolbarNumber() override { return 7; }
};

TEST(InterfacedCollectionItemTest, AnswersItsInterfacesAndItsCollectionsOwner) {
    TComponent tab(nullptr);
    TOwnedCollection groups(&tab, CollectionItemClass<HolderItem>());
    TCollectionItem* item = groups.Add();
    // Callers hold the item by its collection type and ask it for what it implements.
    auto* holder = dynamic_cast<IToolbarHolder*>(item);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->ToolbarNumber(), 7);
    EXPECT_EQ(static_cast<HolderItem*>(item)->OwnerObject(), &tab);
    TCollection loose(CollectionItemClass<HolderItem>());
    EXPECT_EQ(static_cast<HolderItem*>(loose.Add())->OwnerObject(), nullptr);
    HolderItem alone(nullptr);
    EXPECT_EQ(alone.OwnerObject(), nullptr);
}

} // namespace
