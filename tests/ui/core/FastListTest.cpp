#include "ui/core/base/FastList.h"
#include "platform/rtl/Exceptions.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/base/LinkedObjectList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

void* P(int n) {
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(n));
}

TEST(FastListTest, GrowsBySixteenThenThirtyTwoThenByHalf) {
    // (number of items added, capacity afterwards)
    const std::vector<std::pair<int, int>> steps = {{1, 16},    {16, 16},  {17, 32},   {33, 64},
                                                    {65, 96},   {97, 128}, {128, 128}, {129, 160},
                                                    {161, 240}, {241, 360}};
    TovFastList list;
    int added = 0;
    for (const auto& [count, capacity] : steps) {
        while (added < count)
            list.Add(P(++added));
        EXPECT_EQ(list.Capacity(), capacity) << "after " << count << " items";
    }
    EXPECT_EQ(list.Count(), 241);
    EXPECT_EQ(list.Items(240), P(241));
}

TEST(FastListTest, IndexRulesAndErrorsLeaveTheListUnchanged) {
    TovFastList list;
    list.Add(P(1));
    list.Add(P(2));
    list.Insert(2, P(3)); // at Count: appends
    EXPECT_EQ(list.Items(2), P(3));
    list.Insert(0, P(0));
    EXPECT_EQ(list.Items(0), P(0));
    EXPECT_EQ(list.Count(), 4);
    try {
        list.Insert(5, P(9));
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.Delete(4), EListError);
    EXPECT_THROW(list.Items(-1), EListError);
    EXPECT_EQ(list.Count(), 4);
    try {
        list.SetCapacity(3);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List capacity out of bounds (3)");
    }
    EXPECT_THROW(list.SetCapacity(TovFastList::MaxCapacity + 1), EListError);
    EXPECT_EQ(list.Items(3), P(3));
}

TEST(FastListTest, RemoveTakesTheFirstOccurrenceAndBackwardSearchFindsTheLast) {
    TovFastList list;
    for (int v : {5, 6, 5, 7})
        list.Add(P(v));
    EXPECT_EQ(list.IndexOf(P(5)), 0);
    EXPECT_EQ(list.IndexOf(P(5), true), 2);
    EXPECT_EQ(list.Remove(P(5)), 0);
    EXPECT_EQ(list.Items(0), P(6));
    EXPECT_EQ(list.IndexOf(P(5)), 1);
    EXPECT_EQ(list.Extract(P(8)), nullptr);
    EXPECT_EQ(list.Extract(P(7)), P(7));
    EXPECT_EQ(list.Count(), 2);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

struct Tracked : TObject {
    explicit Tracked(int& ACounter) : counter(ACounter) {}
    ~Tracked() override { ++counter; }
    int& counter;
};

TEST(FastListTest, OwningObjectListFreesOnClearAndDestructionOnly) {
    int freed = 0;
    auto* kept = new Tracked(freed);
    auto* deleted = new Tracked(freed);
    {
        TovFastObjectList list(true);
        list.Add(new Tracked(freed));
        list.Add(kept);
        list.Add(deleted);
        list.Delete(2); // not freed
        EXPECT_EQ(list.Extract(kept), kept);
        EXPECT_EQ(freed, 0);
        list.Add(new Tracked(freed));
        list.Clear();
        EXPECT_EQ(freed, 2);
        list.Add(new Tracked(freed));
    }
    EXPECT_EQ(freed, 3);
    delete kept;
    delete deleted;
    EXPECT_EQ(freed, 5);
}

TEST(FastListTest, UiObjectListFreesOwnedItems) {
    int freed = 0;
    TuiObjectList list(true);
    auto* a = new Tracked(freed);
    auto* b = new Tracked(freed);
    list.Add(a);
    list.Add(b);
    EXPECT_EQ(list.RemoveAndFree(a), 0);
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(list.RemoveAndFree(a), -1);
    list.DeleteAndFree(0);
    EXPECT_EQ(freed, 2);
    EXPECT_EQ(list.Count(), 0);
}

TEST(LinkedObjectListTest, UnlinkJoinsNeighboursAndMovesTheTail) {
    TuiDoublyLinkedObjectList list;
    TuiDoublyLinkedObject* a = list.Add();
    TuiDoublyLinkedObject* b = list.Add();
    TuiDoublyLinkedObject* c = list.Add();
    EXPECT_EQ(list.Tail(), c);
    list.Unlink(b);
    EXPECT_EQ(a->NextLink(), c);
    EXPECT_EQ(c->PrevLink(), a);
    EXPECT_EQ(b->PrevLink(), a); // the removed node keeps its old neighbours
    EXPECT_EQ(b->NextLink(), c);
    delete b;
    list.Unlink(c);
    EXPECT_EQ(list.Tail(), a);
    EXPECT_EQ(a->NextLink(), nullptr);
    delete c;
    TuiDoublyLinkedObject* d = list.Add();
    list.Remove(d);
    EXPECT_EQ(d, nullptr);
    EXPECT_EQ(list.Tail(), a);
}

class ValueA : public TuiOwnedPersistent {
public:
    using TuiOwnedPersistent::TuiOwnedPersistent;
    int value = 0;

protected:
    void DoAssign(TPersistent* Source) override { value = static_cast<ValueA*>(Source)->value; }
    bool IsOfMyClass(TPersistent* Source) const override { return dynamic_cast<ValueA*>(Source) != nullptr; }
};
class ValueB : public ValueA {
public:
    using ValueA::ValueA;
};
class Other : public TuiOwnedPersistent {
public:
    using TuiOwnedPersistent::TuiOwnedPersistent;
};

TEST(OwnedPersistentTest, AssignGoesToDoAssignForItsClassAndDescendants) {
    ValueA a(nullptr);
    ValueB b(&a);
    b.value = 5;
    a.Assign(&b);
    EXPECT_EQ(a.value, 5);
    EXPECT_EQ(b.GetOwner(), &a);
    Other other(nullptr);
    EXPECT_THROW(a.Assign(&other), EConvertError);
    EXPECT_THROW(other.Assign(&a), EConvertError);
}

} // namespace
