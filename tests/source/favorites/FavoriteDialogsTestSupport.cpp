#include "tests/source/favorites/FavoriteDialogsTestSupport.h"

#include "platform/gdi/GdiText.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Presenter.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace favorite_dialogs_test {

void FavoriteDialogsTest::SetUp() {
    StdCtrlsTest::SetUp();
    GdiSetTestFontEverywhere(false);
    SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
    Application()->SetTitle("OLVA Audio Editor");
    Folder = std::make_unique<TTestFolder>(::testing::UnitTest::GetInstance()->current_test_info()->name());
    WriteDefaultFavorites(FavoritesPath());
    SaveDefaultShortcuts(ShortcutPath());
    ShowForm();
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            TCustomForm* active = ActiveForm();
            if (active == nullptr || !active->FormState().Contains(fsModal) ||
                active->ModalResult() != mrNone)
                return;
            if (const std::string text = MessageBoxText(active); !text.empty()) {
                Boxes.push_back(text);
                TModalResult answer = mrOk;
                if (!Answers.empty()) {
                    answer = Answers.front();
                    Answers.pop_front();
                }
                active->SetModalResult(answer);
            } else if (!Steps.empty()) {
                FIdles = 0;
                auto step = std::move(Steps.front());
                Steps.pop_front();
                step();
            } else if (++FIdles > 200) {
                FIdles = 0;
                Unexpected.push_back("unanswered window " + active->Caption());
                active->SetModalResult(mrAbort);
            }
        },
        this);
}

void FavoriteDialogsTest::TearDown() {
    EXPECT_TRUE(Steps.empty()) << Steps.size() << " steps did not run";
    EXPECT_TRUE(Answers.empty()) << Answers.size() << " answers were not asked for";
    EXPECT_TRUE(Unexpected.empty()) << Unexpected.front();
    Application()->OnIdle = nullptr;
    Folder.reset();
    StdCtrlsTest::TearDown();
}

TShortcutSetup FavoriteDialogsTest::Setup() const {
    TShortcutSetup setup;
    for (const TShortcutCommand& command : ShortcutCommands()) {
        setup.CommandCaptions.push_back(std::string(command.Name).substr(6));
        setup.CurrentShortcuts.push_back(command.DefaultShortcut);
    }
    setup.ShortcutPath = ShortcutPath();
    setup.FavoritesPath = FavoritesPath();
    return setup;
}

std::string FavoriteDialogsTest::ReadFile(const std::string& Path) const {
    std::ifstream in(Path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void FavoriteDialogsTest::ClickCentre(TControl* Control) {
    Click(Control, Control->Width() / 2, Control->Height() / 2);
}

TCustomForm* FavoriteDialogsTest::ActiveForm() const {
    return Screen()->ActiveForm();
}

void FavoriteDialogsTest::Picture(TCustomForm* Form, const std::string& Name) {
    const std::string dir = stdctrls_test::TestOutDir() + "/favorites";
    std::filesystem::create_directories(dir);
    Pump();
    EXPECT_TRUE(olva::win::SaveWindowPng(Form->Handle(), dir + "/" + Name + ".png")) << Name;
}

} // namespace favorite_dialogs_test
