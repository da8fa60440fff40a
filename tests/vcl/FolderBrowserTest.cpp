#include "FileDialogTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/FolderBrowser.h"
#include "platform/vcl/FolderBrowserForm.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/TreeView.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace folderbrowser_test {

namespace fs = std::filesystem;

// What the program's own callback does: start at a folder, show the selection as the status text and
// allow OK only for a selection with a path; here it also notes what it was told.
struct TCallbackState {
    std::string Start;
    std::string DisabledFor; // OK is also refused for this folder
    std::vector<std::string> Calls;
};

int BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM lpData) {
    auto* state = reinterpret_cast<TCallbackState*>(lpData);
    if (msg == BFFM_INITIALIZED) {
        state->Calls.push_back("initialized");
        ::SendMessage(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(state->Start.c_str()));
    } else if (msg == BFFM_SELCHANGED) {
        char path[BFF_MAX_PATH];
        SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path);
        state->Calls.push_back(std::string("selected ") + path);
        ::SendMessage(hwnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
        ::SendMessage(hwnd, BFFM_ENABLEOK, 0, path[0] != '\0' && state->DisabledFor != path);
    }
    return 0;
}

class FolderBrowserTest : public filedialog_test::ModalScriptTest {
protected:
    void SetUp() override {
        ModalScriptTest::SetUp();
        dir = fs::temp_directory_path() / ("olva-folders-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        for (const char* d : {"alpha/inner", "beta", ".hidden"})
            fs::create_directories(dir / d);
        root = ILCreateFromPath(dir.c_str());
        info.hwndOwner = form->Handle();
        info.pidlRoot = root;
        info.pszDisplayName = displayName;
        info.lpszTitle = "Please select a folder";
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        info.lpfn = &BrowseCallback;
        info.lParam = reinterpret_cast<LPARAM>(&state);
        std::strcpy(displayName, "unchanged");
    }
    void TearDown() override {
        ILFree(root);
        fs::remove_all(dir);
        ModalScriptTest::TearDown();
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    TFolderBrowserForm* Browser() const { return dynamic_cast<TFolderBrowserForm*>(Screen()->ActiveForm()); }
    // Runs the browser; the chosen path, or "(cancelled)".
    std::string Browse() {
        PIDLIST_ABSOLUTE chosen = SHBrowseForFolder(&info);
        if (chosen == nullptr) return "(cancelled)";
        char path[BFF_MAX_PATH];
        EXPECT_TRUE(SHGetPathFromIDList(chosen, path));
        ILFree(chosen);
        return path;
    }

    fs::path dir;
    PIDLIST_ABSOLUTE root = nullptr;
    BROWSEINFOA info;
    char displayName[BFF_MAX_PATH];
    TCallbackState state;
};

TEST_F(FolderBrowserTest, StartsAtTheCallersFolderShowsItAndEnterChoosesIt) {
    state.Start = Path("alpha/inner");
    std::string status;
    std::string title;
    Then([&] {
        status = Browser()->StatusLabel()->Caption();
        title = Browser()->Caption();
    });
    ThenKey(VK_RETURN);
    EXPECT_EQ(Browse(), Path("alpha/inner"));
    EXPECT_EQ(std::string(displayName), "inner");
    EXPECT_EQ(status, Path("alpha/inner"));
    EXPECT_EQ(title, "Browse For Folder");
    EXPECT_EQ(state.Calls, (std::vector<std::string>{"initialized", "selected " + Path("alpha/inner")}));
}

TEST_F(FolderBrowserTest, KeysWalkTheTreeAndEscapeLeavesEverythingAsItWas) {
    state.Start = Path("beta");
    std::vector<std::string> shown;
    ThenKey(VK_UP); // alpha (closed)
    ThenKey(VK_RIGHT);
    ThenKey(VK_RIGHT); // inner
    Then([&] {
        TTreeView* tree = Browser()->Tree();
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n != nullptr; n = n->GetNextVisible())
            shown.push_back(n->Text());
    });
    ThenKey(VK_ESCAPE);
    EXPECT_EQ(Browse(), "(cancelled)");
    EXPECT_EQ(std::string(displayName), "unchanged");
    EXPECT_EQ(shown, (std::vector<std::string>{dir.string(), "alpha", "inner", "beta"}))
        << "hidden folders stay out";
    EXPECT_EQ(state.Calls.back(), "selected " + Path("alpha/inner"));
}

TEST_F(FolderBrowserTest, TheCallbackCanRefuseOkForAFolder) {
    state.Start = Path("alpha");
    state.DisabledFor = Path("alpha");
    bool okEnabled = true;
    Then([&] { okEnabled = Browser()->OkButton()->Enabled(); });
    ThenKey(VK_RETURN); // refused: the dialog stays
    ThenKey(VK_DOWN);   // beta (alpha is closed)
    ThenKey(VK_RETURN);
    EXPECT_EQ(Browse(), Path("beta"));
    EXPECT_FALSE(okEnabled);
}

TEST_F(FolderBrowserTest, AStartFolderThatIsNotThereKeepsTheFirstSelection) {
    state.Start = Path("gone");
    ThenKey(VK_RETURN);
    EXPECT_EQ(Browse(), dir.string());
}

TEST(FolderItemListTest, PathsAndItemListsConvertBothWays) {
    char path[BFF_MAX_PATH] = "x";
    EXPECT_FALSE(SHGetPathFromIDList(nullptr, path));
    EXPECT_STREQ(path, "");
    EXPECT_EQ(ILCreateFromPath("/no/such/folder/anywhere"), nullptr);
    PIDLIST_ABSOLUTE pidl = nullptr;
    EXPECT_EQ(SHParseDisplayName("/no/such/folder/anywhere", nullptr, &pidl, 0, nullptr),
              HRESULT_FILE_NOT_FOUND);
    EXPECT_EQ(pidl, nullptr);
    const std::string tmp = fs::temp_directory_path().lexically_normal().string();
    ASSERT_EQ(SHParseDisplayName((tmp + "/./").c_str(), nullptr, &pidl, 0, nullptr), S_OK);
    EXPECT_TRUE(SHGetPathFromIDList(pidl, path));
    EXPECT_EQ(std::string(path), tmp.size() > 1 && tmp.back() == '/' ? tmp.substr(0, tmp.size() - 1) : tmp);
    ILFree(pidl);
}

} // namespace folderbrowser_test
