// The picture table against the main window: every command has a picture, every picture a command, and
// the window's two image lists and its actions' image indexes come from the table.
#include "tests/source/AppTestSupport.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "source/mainform/CommandIcons.h"
#include "source/mainform/MainForm.h"
#include "ui/core/graphics/ImageList.h"

#include <set>
#include <string>

namespace app_test {

namespace {

// What the table may name besides the window's actions and bar items.
const std::set<std::string> OtherButtons{"Menu.InsertSilence", "Menu.InsertFile", "ApplicationButton"};

bool IsBarItemName(const std::string& Name) {
    for (TBarItem item : AllBarItems())
        if (Name == BarItemCommandName(item)) return true;
    return false;
}

} // namespace

TEST_F(AppTest, EveryActionShowsItsOwnPictureFromBothImageLists) {
    StartApp();
    const int pictures = static_cast<int>(CommandIcons().size());
    ASSERT_NE(MainForm->SmallCommandImages, nullptr);
    ASSERT_NE(MainForm->LargeCommandImages, nullptr);
    EXPECT_EQ(MainForm->SmallCommandImages->Width(), 16);
    EXPECT_EQ(MainForm->LargeCommandImages->Height(), 32);
    EXPECT_EQ(MainForm->SmallCommandImages->Count(), pictures);
    EXPECT_EQ(MainForm->LargeCommandImages->Count(), pictures);
    EXPECT_EQ(MainForm->ActionList->Images(), MainForm->SmallCommandImages);

    std::set<int> indexes;
    for (int i = 0; i < MainForm->ActionList->ActionCount(); ++i) {
        auto* action = dynamic_cast<TAction*>(MainForm->ActionList->Actions(i));
        ASSERT_NE(action, nullptr);
        const int index = action->ImageIndex();
        // A new command without a picture fails here.
        EXPECT_GE(index, 0) << action->Name() << " has no picture";
        EXPECT_LT(index, pictures) << action->Name();
        EXPECT_EQ(index, CommandIconIndex(action->Name())) << action->Name();
        // No two of the window's actions mean the same, so none shares another's picture.
        EXPECT_TRUE(indexes.insert(index).second) << action->Name() << " shows another action's picture";
    }
}

TEST_F(AppTest, EveryPictureBelongsToACommandOfTheWindow) {
    StartApp();
    std::set<std::string> named;
    for (const TCommandIcon& icon : CommandIcons()) {
        const std::string command = icon.Command;
        EXPECT_TRUE(named.insert(command).second) << command << " has two pictures";
        const bool known = MainForm->FindComponent(command) != nullptr || IsBarItemName(command) ||
                           OtherButtons.count(command) != 0;
        EXPECT_TRUE(known) << "the picture \"" << icon.Motif << "\" names no command: " << command;
    }
    for (const TSharedCommandIcon& shared : SharedCommandIcons()) {
        EXPECT_TRUE(IsBarItemName(shared.Command)) << shared.Command;
        EXPECT_TRUE(named.insert(shared.Command).second) << shared.Command << " has two pictures";
        EXPECT_NE(MainForm->FindComponent(shared.SameAs), nullptr) << shared.SameAs;
        EXPECT_EQ(CommandIconIndex(shared.Command), CommandIconIndex(shared.SameAs)) << shared.Command;
    }
}

TEST(CommandIconTable, EveryBarItemAndDropDownButtonHasAPicture) {
    // The enumeration from its first to its last value, so that a new bar item without a picture fails.
    ASSERT_EQ(AllBarItems().size(), static_cast<std::size_t>(TBarItem::EditFavorites) + 1);
    for (TBarItem item : AllBarItems())
        EXPECT_GE(BarItemIconIndex(item), 0) << BarItemCommandName(item);
    for (const std::string& button : OtherButtons)
        EXPECT_GE(CommandIconIndex(button), 0) << button;
    EXPECT_EQ(CommandIconIndex("ActionNoSuchCommand"), -1);
    EXPECT_EQ(BarItemCommandName(static_cast<TBarItem>(999)), nullptr);
}

} // namespace app_test
