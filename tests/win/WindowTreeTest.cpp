#include "WinTestSupport.h"

#include <cstring>

using namespace win_test;

namespace {

class WindowTreeTest : public WinTest {};

BOOL CollectProc(HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}

TEST_F(WindowTreeTest, ChildrenKeepZOrderAndWalks) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND a = MakeChild(top, 0, 0, 10, 10, WS_CHILD | WS_VISIBLE, 1);
    HWND b = MakeChild(top, 0, 0, 10, 10, WS_CHILD | WS_VISIBLE, 2);
    HWND a1 = MakeChild(a, 0, 0, 5, 5, WS_CHILD | WS_VISIBLE, 3);
    // New children go on top.
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDLAST), a);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    SetWindowPos(a, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);

    std::vector<HWND> all;
    EnumChildWindows(top, &CollectProc, reinterpret_cast<LPARAM>(&all));
    EXPECT_EQ(all, (std::vector<HWND>{b, a, a1}));
    EXPECT_TRUE(IsChild(top, a1));
    EXPECT_FALSE(IsChild(a1, top));
    EXPECT_EQ(GetParent(a1), a);
    EXPECT_EQ(GetAncestor(a1, GA_ROOT), top);
    EXPECT_EQ(GetAncestor(a1, GA_PARENT), a);
    EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetDlgItem(top, 2), b);
    EXPECT_EQ(GetDlgCtrlID(a1), 3);
}

TEST_F(WindowTreeTest, TopmostWindowsStayAboveAndOwnedAboveOwner) {
    HWND normal1 = MakeTop(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
    HWND topmost = MakeTop(0, 0, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    HWND normal2 = MakeTop(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(GetTopWindow(nullptr), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), normal2);
    HWND owned = MakeTop(0, 0, 20, 20, WS_POPUP | WS_VISIBLE, 0, normal1);
    SetWindowPos(normal1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // The owner came up and its owned window with it, above it; the topmost one stays first.
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), owned);
    EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), normal1);
    SetWindowPos(topmost, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(GetWindowLong(topmost, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowTreeTest, SetParentMovesTheWindowBetweenParents) {
    HWND p1 = MakeTop(0, 0, 100, 100);
    HWND p2 = MakeTop(200, 0, 100, 100);
    HWND c = MakeChild(p1, 5, 5, 10, 10);
    EXPECT_EQ(SetParent(c, p2), p1);
    EXPECT_TRUE(IsChild(p2, c));
    EXPECT_FALSE(IsChild(p1, c));
    EXPECT_EQ(SetParent(p2, c), nullptr); // no cycles
}

TEST_F(WindowTreeTest, WindowLongsAndExtraBytes) {
    WNDCLASSEX wc;
    wc.lpfnWndProc = &RecordingProc;
    wc.cbWndExtra = 16;
    wc.lpszClassName = "Extra";
    RegisterClassEx(&wc);
    HWND h = CreateWindowEx(0, "Extra", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLongPtr(h, 8, 0x1234567890LL), 0);
    EXPECT_EQ(GetWindowLongPtr(h, 8), 0x1234567890LL);
    EXPECT_EQ(SetWindowLong(h, 0, 42), 0);
    EXPECT_EQ(GetWindowLong(h, 0), 42);
    EXPECT_EQ(GetWindowLongPtr(h, 12), 0x12); // the high half of the 8-byte value at 8
    EXPECT_EQ(GetWindowLongPtr(h, 16), 0);    // past the end
    EXPECT_EQ(SetWindowLongPtr(h, GWLP_USERDATA, 99), 0);
    EXPECT_EQ(GetWindowLongPtr(h, GWLP_USERDATA), 99);
    rec.Clear();
    SetWindowLong(h, GWL_STYLE, LONG(WS_POPUP | WS_BORDER));
    EXPECT_EQ(rec.MessagesOf(h), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(SetProp(h, "name", reinterpret_cast<HANDLE>(5)));
    EXPECT_EQ(GetProp(h, "name"), reinterpret_cast<HANDLE>(5));
    EXPECT_EQ(RemoveProp(h, "name"), reinterpret_cast<HANDLE>(5));
    EXPECT_EQ(GetProp(h, "name"), nullptr);
}

// Subclassing: three procedures stacked on a window, each forwarding to the one it replaced.
std::vector<std::string> Trace;
WNDPROC Previous[3];
HWND Target;

template <int N> LRESULT LayerProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER) Trace.push_back("L" + std::to_string(N));
    return CallWindowProc(Previous[N], h, m, w, l);
}
constexpr WNDPROC Layers[3] = {&LayerProc<0>, &LayerProc<1>, &LayerProc<2>};

// Removing a layer the way chains do it: the top one is replaced by its predecessor; a middle one is
// cut out by making the layer above forward past it.
void RemoveLayer(int n, std::vector<int>& stack) {
    auto it = std::find(stack.begin(), stack.end(), n);
    if (it == stack.end() - 1) {
        SetWindowLongPtr(Target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Previous[n]));
    } else {
        int above = *(it + 1);
        Previous[above] = Previous[n];
    }
    stack.erase(it);
}

TEST_F(WindowTreeTest, SubclassChainsRemoveInAnyOrder) {
    const std::vector<std::vector<int>> orders{{0, 1, 2}, {2, 1, 0}, {1, 0, 2},
                                               {1, 2, 0}, {0, 2, 1}, {2, 0, 1}};
    for (const auto& order : orders) {
        Target = MakeTop(0, 0, 10, 10, WS_POPUP);
        std::vector<int> stack;
        for (int n = 0; n < 3; ++n) {
            Previous[n] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtr(Target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Layers[n])));
            stack.push_back(n);
        }
        EXPECT_EQ(Previous[0], &RecordingProc);
        for (int removed : order) {
            RemoveLayer(removed, stack);
            Trace.clear();
            rec.Clear();
            SendMessage(Target, WM_USER, 0, 0);
            std::vector<std::string> expected;
            for (auto it = stack.rbegin(); it != stack.rend(); ++it)
                expected.push_back("L" + std::to_string(*it));
            EXPECT_EQ(Trace, expected);
            EXPECT_EQ(rec.Count(Target, WM_USER), 1); // the original procedure still gets it once
        }
        EXPECT_EQ(GetWindowLongPtr(Target, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
        DestroyWindow(Target);
    }
}

} // namespace

namespace {

class WindowTextTest : public WinTest {};

TEST_F(WindowTextTest, ShortBuffersNeverCutACharacterInHalf) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    ASSERT_TRUE(SetWindowText(h, "a\xC3\xA9z")); // a, é (two bytes), z
    EXPECT_EQ(GetWindowTextLength(h), 4);
    struct Case {
        int size;
        int copied;
        const char* text;
    };
    const Case cases[] = {{1, 0, ""},          {2, 1, "a"},          {3, 1, "a"},
                          {4, 3, "a\xC3\xA9"}, {5, 4, "a\xC3\xA9z"}, {64, 4, "a\xC3\xA9z"}};
    for (const Case& c : cases) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(GetWindowText(h, buffer, c.size), c.copied) << c.size;
        EXPECT_STREQ(buffer, c.text) << c.size;
    }
    EXPECT_EQ(GetWindowText(reinterpret_cast<HWND>(0x7777), nullptr, 5), 0);
}

} // namespace
