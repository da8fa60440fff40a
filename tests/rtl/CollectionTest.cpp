#include "platform/rtl/Collection.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace collection_test {

class TColumn : public TCollectionItem {
public:
    explicit TColumn(TCollection* Collection) : TCollectionItem(Collection) {}
    std::string Caption;
    void SetCaption(const std::string& Value) {
        Caption = Value;
        Changed(false);
    }
    void Assign(TPersistent* Source) override {
        if (auto* column = dynamic_cast<TColumn*>(Source)) {
            Caption = column->Caption;
            return;
        }
        TCollectionItem::Assign(Source);
    }

protected:
    std::string GetDisplayName() const override { return Caption.empty() ? ClassName() : Caption; }
};

// Logs what the keeper of the collection hears: "U*" for the whole collection, "U<caption>" for one
// item, "+", "x", "d" for notifications.
class TColumns : public TOwnedCollection {
public:
    explicit TColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, CollectionItemClass<TColumn>()) {}
    std::string Log;
    TColumn* Column(int i) const { return static_cast<TColumn*>(Items(i)); }

protected:
    void Update(TCollectionItem* Item) override {
        Log += Item == nullptr ? "U* " : "U" + static_cast<TColumn*>(Item)->Caption + " ";
    }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
        Log += std::string(1, "+xd"[Action]) + std::to_string(Item->ID()) + " ";
    }
};

std::vector<std::string> Captions(const TColumns& columns) {
    std::vector<std::string> out;
    for (int i = 0; i < columns.Count(); ++i)
        out.push_back(columns.Column(i)->Caption);
    return out;
}

void Fill(TColumns& columns, std::initializer_list<const char*> captions) {
    for (const char* caption : captions)
        static_cast<TColumn*>(columns.Add())->Caption = caption;
}

} // namespace collection_test

using namespace collection_test;

TEST(Collection, AddInsertDeleteAndClearReportToTheKeeper) {
    TColumns columns(nullptr);
    Fill(columns, {"a", "b"});
    EXPECT_EQ("+0 U* +1 U* ", columns.Log);
    columns.Log.clear();
    TCollectionItem* inserted = columns.Insert(0);
    static_cast<TColumn*>(inserted)->Caption = "z";
    EXPECT_EQ("+2 U* U* ", columns.Log); // added at the end, then moved
    EXPECT_EQ((std::vector<std::string>{"z", "a", "b"}), Captions(columns));
    EXPECT_EQ(2, inserted->ID());
    EXPECT_EQ(0, inserted->Index());

    columns.Log.clear();
    columns.Delete(1);
    EXPECT_EQ("d0 x0 U* ", columns.Log);
    EXPECT_EQ(nullptr, columns.FindItemID(0));
    EXPECT_EQ(inserted, columns.FindItemID(2));

    columns.Log.clear();
    delete columns.Column(0); // an item freed directly leaves its collection too
    EXPECT_EQ("x2 U* ", columns.Log);
    EXPECT_EQ((std::vector<std::string>{"b"}), Captions(columns));

    Fill(columns, {"c", "d"});
    EXPECT_EQ(4, columns.Column(2)->ID()); // IDs are never reused
    columns.Log.clear();
    columns.Clear();
    EXPECT_EQ("x4 x3 x1 U* ", columns.Log); // one report for the whole clear
    EXPECT_EQ(0, columns.Count());
    EXPECT_THROW(columns.Insert(1), EListError);
    EXPECT_THROW(columns.Delete(0), EListError);
}

TEST(Collection, IndexMovesTable) {
    struct Case {
        int from;
        int to;
        std::vector<std::string> expected;
        bool throws;
    };
    const std::vector<Case> cases = {
        {0, 3, {"b", "c", "d", "a"}, false}, {3, 0, {"d", "a", "b", "c"}, false},
        {1, 2, {"a", "c", "b", "d"}, false}, {2, 2, {"a", "b", "c", "d"}, false},
        {1, 4, {"a", "b", "c", "d"}, true},  {1, -1, {"a", "b", "c", "d"}, true},
    };
    for (const Case& c : cases) {
        TColumns columns(nullptr);
        Fill(columns, {"a", "b", "c", "d"});
        TColumn* moved = columns.Column(c.from);
        const int id = moved->ID();
        columns.Log.clear();
        if (c.throws)
            EXPECT_THROW(moved->SetIndex(c.to), EListError) << c.from << "->" << c.to;
        else
            moved->SetIndex(c.to);
        EXPECT_EQ(c.expected, Captions(columns)) << c.from << "->" << c.to;
        EXPECT_EQ(id, moved->ID());
        const bool reported = !c.throws && c.from != c.to;
        EXPECT_EQ(reported ? "U* " : "", columns.Log) << c.from << "->" << c.to;
    }
}

TEST(Collection, UpdateBracketsHoldChangesBackUntilTheLastEnd) {
    TColumns columns(nullptr);
    Fill(columns, {"a", "b"});
    columns.Log.clear();
    columns.Column(0)->SetCaption("A");
    EXPECT_EQ("UA ", columns.Log);
    columns.Log.clear();
    columns.BeginUpdate();
    columns.BeginUpdate();
    columns.Column(1)->SetCaption("B");
    columns.Add();
    columns.Column(0)->SetIndex(1);
    columns.EndUpdate();
    EXPECT_EQ("+2 ", columns.Log); // notifications still come, updates wait
    columns.EndUpdate();
    EXPECT_EQ("+2 U* ", columns.Log);
    columns.EndUpdate(); // unbalanced: ignored
    EXPECT_EQ(0, columns.UpdateCount());
}

TEST(Collection, OwnersNamesAndDisplayNames) {
    TPersistent keeper;
    TColumns columns(&keeper);
    EXPECT_EQ(&keeper, columns.Owner());
    TCollectionItem* item = columns.Add();
    EXPECT_EQ(&columns, item->GetOwner());
    EXPECT_EQ(&columns, item->Collection());
    EXPECT_EQ("TColumn", item->DisplayName());
    static_cast<TColumn*>(item)->Caption = "Level";
    EXPECT_EQ("Level", item->DisplayName());
    EXPECT_EQ("TPersistent.TColumns[0]", item->GetNamePath());

    // Moving an item to another collection announces it there.
    TColumns other(nullptr);
    item->SetCollection(&other);
    EXPECT_EQ(0, columns.Count());
    EXPECT_EQ(1, other.Count());
    EXPECT_EQ("+0 U* ", other.Log);
}

TEST(Collection, AssignCopiesItemsThroughTheirAssign) {
    TColumns source(nullptr), copy(nullptr);
    Fill(source, {"x", "y"});
    Fill(copy, {"old"});
    copy.Log.clear();
    copy.Assign(&source);
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Captions(copy));
    EXPECT_EQ("x0 +1 +2 U* ", copy.Log);

    TPersistent unrelated;
    EXPECT_THROW(copy.Assign(&unrelated), EConvertError);
    EXPECT_EQ(2, copy.Count());

    TCollection plain(CollectionItemClass<TCollectionItem>());
    TCollectionItem* a = plain.Add();
    TCollectionItem* b = plain.Add();
    EXPECT_THROW(a->Assign(b), EConvertError); // items copy only what they know
}
