#include "WinTestSupport.h"

#include "platform/win/Clipboard.h"
#include "platform/win/DroppedFiles.h"

using namespace win_test;

namespace {

class ClipboardDropTest : public WinTest {};

TEST_F(ClipboardDropTest, TextAndAPrivateFormatRoundTrip) {
    HWND a = MakeTop(0, 0, 100, 100, WS_POPUP);
    HWND b = MakeTop(0, 0, 100, 100, WS_POPUP);
    const UINT samples = RegisterClipboardFormat("OLVA Samples");
    EXPECT_EQ(RegisterClipboardFormat("OLVA Samples"), samples);
    EXPECT_GE(samples, 0xC000u);
    ASSERT_TRUE(OpenClipboard(a));
    EXPECT_FALSE(OpenClipboard(b));                                // one opener at a time
    EXPECT_FALSE(olva::win::SetClipboardBytes(CF_TEXT, {'x', 0})); // not emptied by this opener
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_TRUE(olva::win::SetClipboardBytes(samples, {1, 2, 3}));
    EXPECT_TRUE(olva::win::SetClipboardBytes(CF_TEXT, {'h', 0xC3, 0xA9, 0}));
    CloseClipboard();
    EXPECT_EQ(GetClipboardOwner(), a);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(olva::win::GetClipboardText(), std::optional<std::string>("h\xC3\xA9"));
    ASSERT_TRUE(OpenClipboard(b));
    auto wide = olva::win::GetClipboardBytes(CF_UNICODETEXT);
    ASSERT_TRUE(wide);
    EXPECT_EQ(*wide, (std::vector<BYTE>{'h', 0, 0xE9, 0, 0, 0}));
    EXPECT_EQ(olva::win::GetClipboardBytes(samples),
              std::optional<std::vector<BYTE>>(std::vector<BYTE>{1, 2, 3}));
    EXPECT_EQ(EnumClipboardFormats(0), samples);
    EXPECT_EQ(EnumClipboardFormats(samples), CF_TEXT);
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), CF_UNICODETEXT);
    rec.Clear();
    EmptyClipboard(); // the old owner hears it lost the clipboard
    EXPECT_EQ(rec.Count(a, WM_DESTROYCLIPBOARD), 1);
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(samples));
}

TEST_F(ClipboardDropTest, HostClipboardTextGoesBothWays) {
    std::string host = "from host";
    std::string published;
    olva::win::SetClipboardHost(
        {[&](const std::string& t) { published = t; }, [&]() { return std::optional(host); }});
    EXPECT_EQ(olva::win::GetClipboardText(), std::optional<std::string>("from host"));
    ASSERT_TRUE(olva::win::SetClipboardText(nullptr, "ours"));
    EXPECT_EQ(published, "ours");
    olva::win::SetClipboardHost({});
}

TEST_F(ClipboardDropTest, DroppedFilesReachTheAcceptingAncestor) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND child = MakeChild(top, 10, 10, 100, 100);
    POINT onChild{kFrame + 20, kFrame + kCaption + 20};
    EXPECT_FALSE(olva::win::InjectDropFiles(onChild, {"/tmp/a.wav"}));
    DragAcceptFiles(top, TRUE);
    ASSERT_TRUE(olva::win::InjectDropFiles(onChild, {"/tmp/a.wav", "/tmp/b c.mp3"}));
    HDROP drop = nullptr;
    rec.handlers[top] = [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DROPFILES) drop = reinterpret_cast<HDROP>(w);
        return std::nullopt;
    };
    Pump();
    ASSERT_TRUE(drop);
    EXPECT_EQ(rec.Count(child, WM_DROPFILES), 0);
    EXPECT_EQ(DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(DragQueryFile(drop, 1, nullptr, 0), 12u);
    char name[8];
    EXPECT_EQ(DragQueryFile(drop, 1, name, sizeof name), 7u); // cut to the buffer, terminated
    EXPECT_STREQ(name, "/tmp/b ");
    POINT p;
    EXPECT_TRUE(DragQueryPoint(drop, &p));
    EXPECT_EQ(p, (POINT{20, 20}));
    DragFinish(drop);
    EXPECT_EQ(DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0), 0u);
}

} // namespace
