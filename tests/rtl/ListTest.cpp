#include "platform/rtl/List.h"
#include "platform/rtl/InterfaceList.h"
#include "platform/rtl/ObjectList.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

int Values[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

std::vector<int> Contents(const TList& list) {
    std::vector<int> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list[i] ? *static_cast<int*>(list[i]) : -1);
    return out;
}

// Records what a list tells its descendant.
class TRecordingList : public TList {
public:
    ~TRecordingList() override { Clear(); }
    std::string Log;

protected:
    void Notify(void* Ptr, TListNotification Action) override {
        Log += "+xd"[Action];
        Log += std::to_string(*static_cast<int*>(Ptr));
    }
};

struct Tracked : TObject {
    Tracked(std::string* log, char name) : Log(log), Name(name) {}
    ~Tracked() override { *Log += Name; }
    std::string* Log;
    char Name;
};

struct OtherTracked : Tracked {
    using Tracked::Tracked;
};

} // namespace

TEST(List, EditingOperationsTable) {
    struct Case {
        const char* name;
        std::function<void(TList&)> edit;
        std::vector<int> expected;
    };
    // Every case starts from 0 1 2 3 4.
    const std::vector<Case> cases = {
        {"insert at front", [](TList& l) { l.Insert(0, &Values[9]); }, {9, 0, 1, 2, 3, 4}},
        {"insert at end", [](TList& l) { l.Insert(5, &Values[9]); }, {0, 1, 2, 3, 4, 9}},
        {"delete", [](TList& l) { l.Delete(1); }, {0, 2, 3, 4}},
        {"remove", [](TList& l) { EXPECT_EQ(3, l.Remove(&Values[3])); }, {0, 1, 2, 4}},
        {"remove absent", [](TList& l) { EXPECT_EQ(-1, l.Remove(&Values[8])); }, {0, 1, 2, 3, 4}},
        {"exchange", [](TList& l) { l.Exchange(0, 4); }, {4, 1, 2, 3, 0}},
        {"move forward", [](TList& l) { l.Move(0, 3); }, {1, 2, 3, 0, 4}},
        {"move back", [](TList& l) { l.Move(4, 1); }, {0, 4, 1, 2, 3}},
        {"extract", [](TList& l) { EXPECT_EQ(&Values[2], l.Extract(&Values[2])); }, {0, 1, 3, 4}},
        {"grow count", [](TList& l) { l.SetCount(7); }, {0, 1, 2, 3, 4, -1, -1}},
        {"shrink count", [](TList& l) { l.SetCount(2); }, {0, 1}},
        {"pack",
         [](TList& l) {
             l.SetItems(1, nullptr);
             l.Add(nullptr);
             l.Pack();
         },
         {0, 2, 3, 4}},
        {"sort descending",
         [](TList& l) {
             l.Sort([](void* a, void* b) { return *static_cast<int*>(b) - *static_cast<int*>(a); });
         },
         {4, 3, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        TList list;
        for (int i = 0; i < 5; ++i)
            list.Add(&Values[i]);
        c.edit(list);
        EXPECT_EQ(c.expected, Contents(list)) << c.name;
    }
}

TEST(List, BadIndexesRaiseAndChangeNothing) {
    TList list;
    list.Add(&Values[1]);
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[&] { list.Items(1); }, "List index out of bounds (1)"},
        {[&] { list.Delete(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Insert(2, nullptr); }, "List index out of bounds (2)"},
        {[&] { list.Move(0, 1); }, "List index out of bounds (1)"},
        {[&] { list.Exchange(3, 0); }, "List index out of bounds (3)"},
        {[&] { list.SetCount(-2); }, "List count out of bounds (-2)"},
        {[&] { list.SetCapacity(0); }, "List capacity out of bounds (0)"},
    };
    for (const auto& [call, message] : cases) {
        try {
            call();
            ADD_FAILURE() << "no error for " << message;
        } catch (const EListError& e) {
            EXPECT_EQ(message, e.what());
        }
    }
    EXPECT_EQ(std::vector<int>{1}, Contents(list));
    TList empty;
    EXPECT_THROW(empty.First(), EListError);
    EXPECT_THROW(empty.Last(), EListError);
    EXPECT_EQ(&Values[1], list.First());
}

TEST(List, NotifiesEveryItemThatEntersOrLeaves) {
    TRecordingList list;
    list.Add(&Values[1]);
    list.Add(nullptr); // null items are not announced
    list.Insert(0, &Values[2]);
    list.SetItems(0, &Values[3]);
    list.Extract(&Values[1]);
    list.Add(&Values[4]);
    list.Add(&Values[5]);
    list.Clear();
    EXPECT_EQ("+1+2d2+3x1+4+5d5d4d3", list.Log);
    EXPECT_EQ(0, list.Count());
}

TEST(ObjectList, FreesWhatItOwnsAndNothingItDoesNot) {
    std::string log;
    {
        TObjectList list;
        list.Add(new Tracked(&log, 'a'));
        list.Add(new Tracked(&log, 'b'));
        list.Add(new Tracked(&log, 'c'));
        TObject* extracted = list.Extract(list.Items(1));
        EXPECT_EQ("", log);
        list.Delete(0);
        EXPECT_EQ("a", log);
        list.SetItems(0, new Tracked(&log, 'd')); // replaces (and frees) c
        EXPECT_EQ("ac", log);
        delete extracted;
        EXPECT_EQ("acb", log);
        list.Add(new Tracked(&log, 'e'));
    }
    EXPECT_EQ("acbed", log); // the rest goes last first

    log.clear();
    Tracked kept(&log, 'k');
    {
        TObjectList list(false);
        list.Add(&kept);
        list.Remove(&kept);
        list.Add(&kept);
    }
    EXPECT_EQ("", log);
}

TEST(ObjectList, FindInstanceOf) {
    std::string log;
    TObjectList list;
    list.Add(new Tracked(&log, 'a'));
    list.Add(new OtherTracked(&log, 'b'));
    list.Add(new Tracked(&log, 'c'));
    EXPECT_EQ(1, list.FindInstanceOf<OtherTracked>());
    EXPECT_EQ(0, list.FindInstanceOf<Tracked>(false));
    EXPECT_EQ(1, list.FindInstanceOf<Tracked>(false, 1));
    EXPECT_EQ(2, list.FindInstanceOf<Tracked>(true, 1));
    EXPECT_EQ(-1, list.FindInstanceOf<OtherTracked>(true, 2));
}

namespace {
struct IListener {
    virtual ~IListener() = default;
    virtual void Changed(int) = 0;
};
struct Listener : IListener {
    explicit Listener(int* destroyed) : Destroyed(destroyed) {}
    ~Listener() override { ++*Destroyed; }
    void Changed(int v) override { Last = v; }
    int* Destroyed;
    int Last = 0;
};
} // namespace

TEST(InterfaceList, HoldsReferencesOwnedOrNot) {
    int destroyed = 0;
    Listener stack(&destroyed);
    {
        TInterfaceList<IListener> list;
        auto owned = std::make_shared<Listener>(&destroyed);
        list.Add(owned);
        list.Add(TInterfaceList<IListener>::Unowned(&stack));
        owned.reset();
        EXPECT_EQ(0, destroyed); // the list keeps it alive
        for (const auto& listener : list.Snapshot())
            listener->Changed(7);
        EXPECT_EQ(7, stack.Last);
        EXPECT_EQ(1, list.IndexOf(&stack));
        list.Exchange(0, 1);
        EXPECT_EQ(0, list.Remove(&stack));
        EXPECT_EQ(-1, list.Remove(&stack));
        EXPECT_EQ(1, list.Count());
        EXPECT_THROW(list.Items(1), EListError);
    }
    EXPECT_EQ(1, destroyed); // the owned one, not the one on the stack
}
