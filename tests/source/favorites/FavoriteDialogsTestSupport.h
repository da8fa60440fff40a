// Fixture of the favourites editor and keyboard shortcut editor tests: the class library on the
// headless screen with the desktop's fonts, a folder of the test's own holding the first start's
// favourites and shortcut files, the commands' captions, and a script that runs once a modal window is
// up, while message boxes are answered from a queue and their texts noted.
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "source/favorites/ShortcutSetup.h"
#include "tests/source/TestFolder.h"
#include "tests/vcl/StdCtrlsTestSupport.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomForm;

namespace favorite_dialogs_test {

class FavoriteDialogsTest : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The two files and the commands as the main window hands them to the editors: each command's caption
    // is its name without "Action" ("Undo", "Copy" ...), its key the built-in one.
    TShortcutSetup Setup() const;
    std::string FavoritesPath() const { return Folder->Path() + "Favorite201201.dat"; }
    std::string ShortcutPath() const { return Folder->Path() + "Shortcut201201.dat"; }
    std::string ReadFile(const std::string& Path) const;

    // Steps run one at a time once the application is idle with a modal window up (not a message box).
    void Then(std::function<void()> Step) { Steps.push_back(std::move(Step)); }
    // The answer the next message box gets (mrYes, mrNo, mrCancel, mrOk); an OK box with none queued is
    // answered OK, a question with none queued is noted in Unexpected and answered No.
    void Answer(TModalResult Result) { Answers.push_back(Result); }
    TCustomForm* ActiveForm() const;
    // Presses a control with the mouse at its centre.
    void ClickCentre(TControl* Control);
    // build/test-output/favorites/<name>.png of a window.
    void Picture(TCustomForm* Form, const std::string& Name);

    std::unique_ptr<TTestFolder> Folder;
    std::deque<std::function<void()>> Steps;
    std::deque<TModalResult> Answers;
    std::vector<std::string> Boxes;
    std::vector<std::string> Unexpected;

private:
    int FIdles = 0;
};

} // namespace favorite_dialogs_test
