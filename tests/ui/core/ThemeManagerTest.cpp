#include "UiCoreTestSupport.h"

#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/core/platform/UxTheme.h"

#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

// A theme library with styles on, for exercising the cache: handles count up, and every open and
// close is recorded.
struct FakeThemes {
    static inline bool active = true;
    static inline std::uintptr_t next = 0x100;
    static inline std::vector<std::u16string> opened;
    static inline std::vector<HTHEME> closed;
    static inline std::u16string failing; // a class that does not open

    static HTHEME Open(HWND, const WCHAR* classList) {
        if (failing == classList) return nullptr;
        opened.emplace_back(classList);
        return reinterpret_cast<HTHEME>(next++);
    }
    static HRESULT Close(HTHEME theme) {
        closed.push_back(theme);
        return 0;
    }
    static BOOL IsActive() { return active ? TRUE : FALSE; }
};
const TovUxThemeEntries FakeEntries{&FakeThemes::Open, &FakeThemes::Close, &FakeThemes::IsActive};

class ThemeManagerTest : public UiCoreTest {
protected:
    void SetUp() override {
        FakeThemes::active = true;
        FakeThemes::opened.clear();
        FakeThemes::closed.clear();
        FakeThemes::failing.clear();
        ovBindUxTheme(&FakeEntries);
        UiCoreTest::SetUp();
    }
    void TearDown() override {
        UiCoreTest::TearDown();
        ovBindUxTheme(nullptr);
    }
};

TEST_F(ThemeManagerTest, HandlesAreOpenedOnceAndCachedPerKind) {
    ASSERT_TRUE(AreVisualStylesAvailable());
    EXPECT_TRUE(AreVisualStylesAvailable({totScrollBar}));
    EXPECT_EQ(FakeThemes::opened, std::vector<std::u16string>{u"ScrollBar"});
    const HTHEME scroll = OpenTheme(totScrollBar);
    EXPECT_EQ(scroll, ovCachedTheme(totScrollBar));
    EXPECT_EQ(FakeThemes::opened.size(), 1u);
    // A class list differing only in case keeps the cached handle; another one reopens.
    EXPECT_EQ(OpenTheme(totScrollBar, u"SCROLLBAR"), scroll);
    const HTHEME other = OpenTheme(totScrollBar, u"Explorer::ScrollBar");
    EXPECT_NE(other, scroll);
    EXPECT_EQ(FakeThemes::closed, std::vector<HTHEME>{scroll});
    EXPECT_EQ(CloseTheme(totButton), 0); // not open: nothing happens
    EXPECT_EQ(FakeThemes::closed.size(), 1u);
    FakeThemes::failing = u"Button";
    EXPECT_FALSE(AreVisualStylesAvailable({totButton, totScrollBar}));
    EXPECT_EQ(OpenTheme(totButton), nullptr);
    FakeThemes::failing.clear();
    EXPECT_NE(OpenTheme(totButton), nullptr); // tried again
}

TEST_F(ThemeManagerTest, ChangesEmptyTheCacheAndTellNotificatorsInOrder) {
    std::vector<int> told;
    TovThemeChangedNotificator first, second;
    first.OnThemeChanged = TEvent<>([&] { told.push_back(1); }, &first);
    second.OnThemeChanged = TEvent<>([&] { told.push_back(2); }, &second);
    EXPECT_EQ(ovThemeNotificatorCount(), 2);
    OpenTheme(totButton);
    OpenTheme(totEdit);
    SendMessage(HWND(LONG_PTR(0xFFFF)), WM_THEMECHANGED, 0, 0); // as the system broadcasts it
    EXPECT_EQ(told, (std::vector<int>{1, 2}));
    EXPECT_EQ(ovCachedTheme(totButton), nullptr);
    EXPECT_EQ(ovCachedTheme(totEdit), nullptr);
    EXPECT_EQ(FakeThemes::closed.size(), 2u);
    SendMessage(ovThemeChangeReceiverHandle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(told, (std::vector<int>{1, 2, 1, 2}));
    SendMessage(ovThemeChangeReceiverHandle(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(told.size(), 4u);
}

TEST_F(ThemeManagerTest, SwitchingToTheClassicLookMakesEveryOpenAnswerZero) {
    EXPECT_NE(OpenTheme(totToolBar), nullptr);
    FakeThemes::active = false;
    SendMessage(ovThemeChangeReceiverHandle(), WM_THEMECHANGED, 0, 0);
    EXPECT_FALSE(AreVisualStylesAvailable());
    for (int type = 0; type < ovThemedObjectTypeCount; ++type)
        EXPECT_EQ(OpenTheme(static_cast<TovThemedObjectType>(type)), nullptr);
    EXPECT_EQ(CloseTheme(totToolBar), 1);
}

TEST_F(ThemeManagerTest, ShutDownClosesEverythingAndStopsListening) {
    const HTHEME menu = OpenTheme(totMenu);
    uiCoreFinalize();
    EXPECT_EQ(FakeThemes::closed, std::vector<HTHEME>{menu});
    EXPECT_EQ(ovThemeChangeReceiverHandle(), nullptr);
    EXPECT_FALSE(AreVisualStylesAvailable());
    uiCoreInitialize();
    EXPECT_TRUE(AreVisualStylesAvailable());
}

TEST(ThemeManagerPlatformTest, ThePlatformAnswersStylesOffCompositionOff) {
    uiCoreInitialize();
    EXPECT_TRUE(IsThemeLibraryLoaded());
    EXPECT_FALSE(AreVisualStylesAvailable());
    EXPECT_EQ(OpenTheme(totButton), nullptr);
    EXPECT_FALSE(IsCompositionEnabled());
    EXPECT_EQ(std::u16string(ovThemeDefaultClassName(totNavigation)), u"Navigation");
    // The calls under the painters' names fail safely, so the classic drawing runs.
    SIZE size{5, 5};
    EXPECT_LT(GetThemePartSizeNoRect(nullptr, nullptr, 1, 1, TS_TRUE, &size), 0);
    const RECT r{0, 0, 10, 10};
    EXPECT_LT(DrawThemeTextAnsi(nullptr, nullptr, 1, 1, "text", 0, 0, &r), 0);
    EXPECT_FALSE(ovStartPanFeedback(nullptr));
    EXPECT_FALSE(ovUpdatePanFeedback(nullptr, POINT{1, 1}, false));
    uiCoreFinalize();
}

} // namespace
