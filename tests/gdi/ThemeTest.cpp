#include "platform/gdi/Theme.h"

#include <gtest/gtest.h>

TEST(Theme, VisualStylesAreOffAndEveryCallFailsSafely) {
    EXPECT_FALSE(IsThemeActive());
    EXPECT_FALSE(IsAppThemed());
    const WCHAR button[] = u"Button";
    HTHEME theme = OpenThemeData(nullptr, button);
    EXPECT_EQ(theme, nullptr);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(FAILED(DrawThemeBackground(theme, nullptr, 1, 1, &r, nullptr)));
    SIZE size{5, 5};
    EXPECT_TRUE(FAILED(GetThemePartSize(theme, nullptr, 1, 1, &r, TS_TRUE, &size)));
    EXPECT_EQ(size, (SIZE{0, 0}));
    RECT content{};
    EXPECT_TRUE(FAILED(GetThemeBackgroundContentRect(theme, nullptr, 1, 1, &r, &content)));
    EXPECT_EQ(content, r);
    COLORREF color = 123;
    EXPECT_TRUE(FAILED(GetThemeColor(theme, 1, 1, 3803, &color)));
    WCHAR name[8] = {u'x'};
    EXPECT_TRUE(FAILED(GetCurrentThemeName(name, 8, nullptr, 0, nullptr, 0)));
    EXPECT_EQ(name[0], 0);
    HDC bufferDc = reinterpret_cast<HDC>(1);
    EXPECT_EQ(BeginBufferedPaint(nullptr, &r, BPBF_TOPDOWNDIB, nullptr, &bufferDc), nullptr);
    EXPECT_EQ(bufferDc, nullptr);
    EXPECT_FALSE(BeginPanningFeedback(nullptr));
}

TEST(Theme, CompositionIsOff) {
    BOOL enabled = TRUE;
    EXPECT_EQ(DwmIsCompositionEnabled(&enabled), S_OK);
    EXPECT_FALSE(enabled);
    LRESULT result = 7;
    EXPECT_FALSE(DwmDefWindowProc(nullptr, 0x84, 0, 0, &result));
    EXPECT_EQ(result, 0);
    MARGINS m{};
    EXPECT_EQ(DwmExtendFrameIntoClientArea(nullptr, &m), DWM_E_COMPOSITIONDISABLED);
    RECT bounds{};
    EXPECT_TRUE(FAILED(DwmGetWindowAttribute(nullptr, 9, &bounds, sizeof(bounds))));
}
