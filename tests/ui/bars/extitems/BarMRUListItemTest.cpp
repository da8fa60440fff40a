// The recent-files list item: its length limit, moving a known path to the top, removal, the display
// text of long paths, and a click with and without removal of the clicked entry.
#include "tests/ui/bars/BarsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/containers/ContainerItemControl.h"
#include "ui/bars/extitems/BarMRUListItem.h"

#include <vector>

using namespace bars_test;

namespace bars_mru_list_item_test {

class MRUListItemTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
        mru = new TovBarMRUListItem(form);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < mru->Items()->Count(); ++i)
            entries.push_back(mru->Items()->Strings(i));
        return entries;
    }
    // The item's entries as a menu shows them: one generated button each.
    void Expand() {
        menu = new TovBarSubItem(form);
        menu->ItemLinks()->AddItem(mru);
        data.Item = mru;
        data.Link = menu->ItemLinks()->Items(0);
        mru->FillItemLinks(menu->ItemLinks(), &data, 1);
    }
    TovBarManager* manager = nullptr;
    TovBarMRUListItem* mru = nullptr;
    TovBarSubItem* menu = nullptr;
    TovBarContainerLinkData data;
};

using Paths = std::vector<std::string>;

} // namespace bars_mru_list_item_test
using namespace bars_mru_list_item_test;

TEST_F(MRUListItemTest, TheUnitRegistersTheItemWithTheContainerControl) {
    EXPECT_EQ(BarItemList()->ItemControlClassOf(typeid(TovBarMRUListItem)), &ovBarContainerItemControlClass);
    EXPECT_EQ(mru->MaxItemCount(), 5);
    EXPECT_FALSE(mru->RemoveItemOnClick);
    EXPECT_TRUE(mru->ShowNumbers);
}

TEST_F(MRUListItemTest, SixAddsKeepTheFiveNewest) {
    for (const char* path : {"/a/1.wav", "/a/2.wav", "/a/3.wav", "/a/4.wav", "/a/5.wav", "/a/6.wav"})
        mru->AddItem(path);
    EXPECT_EQ(Entries(), (Paths{"/a/6.wav", "/a/5.wav", "/a/4.wav", "/a/3.wav", "/a/2.wav"}));
}

TEST_F(MRUListItemTest, APathAddedAgainMovesToTheTopWithoutGrowingTheList) {
    for (const char* path : {"/a/1.wav", "/a/2.wav", "/a/3.wav"})
        mru->AddItem(path);
    TObject object;
    mru->Items()->SetObjects(2, &object);
    mru->AddItem("/a/1.wav");
    EXPECT_EQ(Entries(), (Paths{"/a/1.wav", "/a/3.wav", "/a/2.wav"}));
    EXPECT_EQ(mru->Items()->Objects(0), &object) << "the entry moves whole";
}

TEST_F(MRUListItemTest, PathsThatDifferInLetterCaseAreTwoFiles) {
    // Both files exist side by side here; the newer must show, and a click must open the one chosen.
    mru->AddItem("/music/Take.wav");
    mru->AddItem("/music/take.wav");
    EXPECT_EQ(Entries(), (Paths{"/music/take.wav", "/music/Take.wav"}));
    mru->RemoveItem("/music/TAKE.wav");
    EXPECT_EQ(Entries().size(), 2u);
    mru->RemoveItem("/music/Take.wav");
    EXPECT_EQ(Entries(), (Paths{"/music/take.wav"}));
}

TEST_F(MRUListItemTest, ANewTextWithAKnownObjectMovesThatEntryAndKeepsItsText) {
    TObject first, second;
    mru->AddItem("/a/first.wav", &first);
    mru->AddItem("/a/second.wav", &second);
    mru->AddItem("/a/renamed.wav", &first);
    EXPECT_EQ(Entries(), (Paths{"/a/first.wav", "/a/second.wav"}));
    EXPECT_EQ(mru->Items()->Objects(0), &first);
}

TEST_F(MRUListItemTest, TheMaximumTrimsAtOnceAndNegativeMeansNoLimit) {
    for (const char* path : {"/a/1.wav", "/a/2.wav", "/a/3.wav", "/a/4.wav", "/a/5.wav"})
        mru->AddItem(path);
    mru->SetMaxItemCount(2);
    EXPECT_EQ(Entries(), (Paths{"/a/5.wav", "/a/4.wav"}));
    mru->SetMaxItemCount(5);
    EXPECT_EQ(Entries().size(), 2u) << "nothing comes back";
    mru->SetMaxItemCount(-3);
    EXPECT_EQ(mru->MaxItemCount(), 0);
    for (int i = 0; i < 8; ++i)
        mru->AddItem("/b/" + std::to_string(i) + ".wav");
    EXPECT_EQ(Entries().size(), 10u) << "0 keeps every entry";
}

TEST_F(MRUListItemTest, RemovalByTextOrByObject) {
    TObject tagged;
    mru->AddItem("/a/plain.wav");
    mru->AddItem("/a/tagged.wav", &tagged);
    mru->AddItem("/a/other.wav");
    mru->RemoveItem("/a/missing.wav");
    EXPECT_EQ(Entries().size(), 3u);
    mru->RemoveItem("", &tagged);
    EXPECT_EQ(Entries(), (Paths{"/a/other.wav", "/a/plain.wav"}));
    // An empty text and no object: the first entry without an object.
    mru->RemoveItem("");
    EXPECT_EQ(Entries(), (Paths{"/a/plain.wav"}));
}

TEST_F(MRUListItemTest, ALongPathIsShortenedInItsMiddleAndAShortOneKept) {
    const std::string shortPath = "/home/ann/take.wav";
    EXPECT_EQ(mru->GetDisplayText(shortPath), shortPath);
    EXPECT_EQ(mru->GetDisplayText(""), "");
    const std::string longPath = "/home/ann/Recordings/2024/Concerts/Spring festival/Rehearsals/Second "
                                 "evening/Strings and winds/take 12 final mix.wav";
    const std::string shown = mru->GetDisplayText(longPath);
    EXPECT_LT(shown.size(), longPath.size());
    EXPECT_NE(shown.find("..."), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 21), "take 12 final mix.wav") << shown;
    EXPECT_EQ(shown.substr(0, 5), "/home") << shown;
}

TEST_F(MRUListItemTest, MenuEntriesAreNumberedAndShowAmpersandsAsThemselves) {
    mru->AddItem("/music/Rock & Roll.wav");
    mru->AddItem("/music/jazz.wav");
    Expand();
    ASSERT_EQ(mru->GeneratedCount(), 2);
    EXPECT_EQ(mru->Generated(0)->Caption(), "&1 /music/jazz.wav");
    EXPECT_EQ(mru->Generated(1)->Caption(), "&2 /music/Rock && Roll.wav");
}

TEST_F(MRUListItemTest, AClickReportsItsEntryAndKeepsItUnlessAskedToRemoveIt) {
    for (const char* path : {"/a/1.wav", "/a/2.wav", "/a/3.wav"})
        mru->AddItem(path);
    std::vector<std::string> opened;
    mru->SetOnClick(
        TNotifyEvent([&](TObject*) { opened.push_back(mru->Items()->Strings(mru->ItemIndex)); }, this));
    Expand();
    mru->Generated(1)->Click();
    EXPECT_EQ(opened, (Paths{"/a/2.wav"}));
    EXPECT_EQ(Entries().size(), 3u);
    EXPECT_EQ(mru->ItemIndex, 1);

    mru->RemoveItemOnClick = true;
    mru->Generated(1)->Click();
    EXPECT_EQ(Entries(), (Paths{"/a/3.wav", "/a/1.wav"}));
    EXPECT_EQ(mru->ItemIndex, -1);
}

TEST_F(MRUListItemTest, RemovalOnClickTakesTheClickedPathEvenWhenTheHandlerChangedTheList) {
    for (const char* path : {"/a/1.wav", "/a/2.wav", "/a/3.wav"})
        mru->AddItem(path);
    mru->RemoveItemOnClick = true;
    // The handler puts another path at the top: the entry at the clicked index is now another one.
    mru->SetOnClick(TNotifyEvent([&](TObject*) { mru->AddItem("/a/new.wav"); }, this));
    Expand();
    mru->Generated(2)->Click(); // "/a/1.wav"
    EXPECT_EQ(Entries(), (Paths{"/a/new.wav", "/a/3.wav", "/a/2.wav"}));
    // A handler that removed the clicked entry itself leaves nothing more to remove.
    mru->SetOnClick(TNotifyEvent([&](TObject*) { mru->RemoveItem("/a/3.wav"); }, this));
    mru->ItemIndex = 1;
    mru->Click();
    EXPECT_EQ(Entries(), (Paths{"/a/new.wav", "/a/2.wav"}));
    EXPECT_EQ(mru->ItemIndex, -1);
}

TEST_F(MRUListItemTest, NothingIsRemovedWhileTheBarsAreCustomized) {
    mru->AddItem("/a/1.wav");
    mru->RemoveItemOnClick = true;
    manager->SetIsCustomizing(true);
    mru->ItemIndex = 0;
    mru->Click();
    EXPECT_EQ(Entries().size(), 1u);
    manager->SetIsCustomizing(false);
}
