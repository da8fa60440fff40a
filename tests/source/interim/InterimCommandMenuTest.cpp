// The interim command menu on the main window: every action reachable from one of its tabs, and the
// recent files shown in the File menu running their entries.
#include "source/interim/InterimCommandMenu.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/SpeedButton.h"
#include "platform/win/Input.h"
#include "source/mainform/MainForm.h"
#include "tests/source/AppTestSupport.h"

#include <set>

namespace app_test {

namespace {

void CollectActions(TMenuItem* Parent, std::set<TBasicAction*>& Found) {
    for (int i = 0; i < Parent->Count(); ++i) {
        if (Parent->Items(i)->Action() != nullptr) Found.insert(Parent->Items(i)->Action());
        CollectActions(Parent->Items(i), Found);
    }
}

} // namespace

TEST_F(AppTest, EveryActionIsReachableFromTheCommandMenu) {
    StartApp();
    auto* menu = dynamic_cast<TInterimCommandMenu*>(&MainForm->Bars());
    ASSERT_NE(menu, nullptr);
    std::set<TBasicAction*> found;
    for (const char* tab : {"File", "Home", "Effect", "Noise Reduction", "View", "Tools", "Help"}) {
        ASSERT_NE(menu->TabMenu(tab), nullptr) << tab;
        CollectActions(menu->TabMenu(tab)->Items(), found);
    }
    for (int i = 0; i < MainForm->ActionList->ActionCount(); ++i)
        EXPECT_EQ(found.count(MainForm->ActionList->Actions(i)), 1u)
            << MainForm->ActionList->Actions(i)->Name();
    EXPECT_EQ(menu->ColorSchemeName(), "Silver");
}

TEST_F(AppTest, TheRecentFilesShowInTheFileMenuAndRunTheirItems) {
    const std::string a = Documents + "a&b.wav", b = Documents + "b.wav";
    WriteSound(a, TestPiece(8000, 1, 0.2), 8000, 1, 1);
    WriteSound(b, TestPiece(8000, 1, 0.3), 8000, 1, 1);
    StartApp();
    Drop({a});
    Drop({b});
    auto* menu = dynamic_cast<TInterimCommandMenu*>(&MainForm->Bars());
    TMenuItem* file = menu->TabMenu("File")->Items();
    std::vector<std::string> captions;
    for (int i = 0; i < file->Count(); ++i)
        if (file->Items(i)->Caption().rfind("&1 ", 0) == 0 || file->Items(i)->Caption().rfind("&2 ", 0) == 0)
            captions.push_back(file->Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"&1 " + b, "&2 " + Documents + "a&&b.wav"}));
    // "&2" from the open File menu opens the second entry.
    TSpeedButton* tab = menu->TabButton("File");
    const POINT p = tab->ClientToScreen(POINT{5, 5});
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, p.x, p.y);
    Key('2');
    EXPECT_EQ(MainForm->FileName, a);
    EXPECT_EQ(MainForm->Bars().MRUFiles().Items().front(), a);
    // The caption follows the document name; closing leaves the caption alone.
    EXPECT_EQ(menu->Ribbon().DocumentName().substr(0, a.size()), a);
}

} // namespace app_test
