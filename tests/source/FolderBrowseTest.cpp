#include "source/FolderBrowse.h"

#include "platform/rtl/Clock.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/FolderBrowserForm.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace folder_browse_test {

namespace fs = std::filesystem;

// A shown owner form, and an idle handler that presses one key in the browser once it is up.
class FolderBrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        Clock = std::make_unique<TFakeClock>(0, 100000);
        Override = std::make_unique<TClockOverride>(*Clock);
        InitializeVcl();
        Owner = TCustomForm::New<TForm>(nullptr);
        Owner->SetBounds(100, 100, 400, 300);
        Owner->Show();
        Application()->ProcessMessages();
        Dir = fs::path(OLVA_TEST_OUT_DIR) / ("folder-browse-" + std::to_string(::getpid()));
        fs::remove_all(Dir);
        fs::create_directories(Dir / "alpha");
        fs::create_directories(Dir / "beta");
    }
    void TearDown() override {
        Application()->OnIdle = nullptr;
        Owner->Free();
        FinalizeVcl();
        olva::win::ResetWindowSystem();
        Override.reset();
        Clock.reset();
        fs::remove_all(Dir);
    }
    // Presses the keys in the browser, one each time the loop goes idle, noting its status line first.
    void PressInBrowser(std::vector<int> keys) {
        Keys = std::move(keys);
        Application()->OnIdle = TIdleEvent(
            [this](TObject*, bool& Done) {
                Done = false;
                auto* browser = dynamic_cast<TFolderBrowserForm*>(Screen()->ActiveForm());
                if (browser == nullptr || Pressed >= Keys.size()) return;
                Statuses.push_back(browser->StatusLabel()->Caption());
                const int vk = Keys[Pressed++];
                olva::win::InjectKey(vk, true);
                olva::win::InjectKey(vk, false);
            },
            this);
    }

    std::unique_ptr<TFakeClock> Clock;
    std::unique_ptr<TClockOverride> Override;
    TCustomForm* Owner = nullptr;
    fs::path Dir;
    std::vector<int> Keys;
    std::size_t Pressed = 0;
    std::vector<std::string> Statuses;
};

TEST_F(FolderBrowseTest, StartsAtTheFolderTheStatusFollowsAndOkWritesTheChoice) {
    std::string folder = (Dir / "beta").string();
    PressInBrowser({VK_UP, VK_RETURN}); // beta, then alpha above it
    EXPECT_TRUE(BrowseForFolder(Owner->Handle(), folder, "Pick", 0, Dir.string()));
    EXPECT_EQ(folder, (Dir / "alpha").string());
    EXPECT_EQ(Statuses, (std::vector<std::string>{(Dir / "beta").string(), (Dir / "alpha").string()}));
}

TEST_F(FolderBrowseTest, CancelLeavesTheFolderAsItWas) {
    std::string folder = (Dir / "alpha").string();
    PressInBrowser({VK_DOWN, VK_ESCAPE});
    EXPECT_FALSE(BrowseForFolder(Owner->Handle(), folder, "Pick", 0, ""));
    EXPECT_EQ(folder, (Dir / "alpha").string());
    EXPECT_EQ(Pressed, 2u);
}

} // namespace folder_browse_test
