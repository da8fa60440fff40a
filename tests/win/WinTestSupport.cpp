#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"

namespace win_test {

Recorder& Recorder::Get() {
    static Recorder r;
    return r;
}

std::vector<UINT> Recorder::MessagesOf(HWND hwnd, const std::vector<UINT>& interesting) const {
    std::vector<UINT> out;
    for (const auto& l : log)
        if (l.hwnd == hwnd && (interesting.empty() ||
                               std::find(interesting.begin(), interesting.end(), l.msg) != interesting.end()))
            out.push_back(l.msg);
    return out;
}

std::vector<UINT> Recorder::Messages(const std::vector<UINT>& interesting) const {
    std::vector<UINT> out;
    for (const auto& l : log)
        if (std::find(interesting.begin(), interesting.end(), l.msg) != interesting.end())
            out.push_back(l.msg);
    return out;
}

int Recorder::Count(HWND hwnd, UINT msg) const {
    int n = 0;
    for (const auto& l : log)
        n += l.hwnd == hwnd && l.msg == msg;
    return n;
}

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Recorder& r = Recorder::Get();
    r.log.push_back({hwnd, msg, wParam, lParam});
    auto it = r.handlers.find(hwnd);
    Handler h = it != r.handlers.end() ? it->second : r.forAll;
    if (h)
        if (auto answer = h(hwnd, msg, wParam, lParam)) return *answer;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

Handler ErasingIn(COLORREF color, Handler others) {
    return [color, others](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg != WM_ERASEBKGND) return others ? others(hwnd, msg, wParam, lParam) : std::nullopt;
        RECT all;
        GetClientRect(hwnd, &all);
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(HDC(wParam), &all, brush);
        DeleteObject(brush);
        return 1;
    };
}

COLORREF ScreenPixel(int x, int y) {
    const RECT screen = olva::win::VirtualScreen();
    return PixelToColorRef(olva::win::ComposeScreen()->Pixel(x - screen.left, y - screen.top));
}

void WinTest::SetUp() {
    olva::win::ResetWindowSystem();
    clock = std::make_unique<TFakeClock>(0, 50000);
    clockOverride = std::make_unique<TClockOverride>(*clock);
    rec.log.clear();
    rec.handlers.clear();
    rec.forAll = nullptr;
    WNDCLASSEX wc;
    wc.lpfnWndProc = &RecordingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kRecorderClass;
    ASSERT_NE(RegisterClassEx(&wc), 0);
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = kRecorderDblClass;
    ASSERT_NE(RegisterClassEx(&wc), 0);
}

void WinTest::TearDown() {
    rec.handlers.clear();
    rec.forAll = nullptr;
    olva::win::ResetWindowSystem();
    rec.log.clear();
    clockOverride.reset();
    clock.reset();
}

HWND WinTest::MakeTop(int x, int y, int cx, int cy, DWORD style, DWORD exStyle, HWND owner, const char* cls) {
    return CreateWindowEx(exStyle, cls, "top", style, x, y, cx, cy, owner, nullptr, nullptr, nullptr);
}

HWND WinTest::MakeChild(HWND parent, int x, int y, int cx, int cy, DWORD style, int id, const char* cls) {
    return CreateWindowEx(0, cls, "child", style, x, y, cx, cy, parent,
                          reinterpret_cast<HMENU>(std::intptr_t(id)), nullptr, nullptr);
}

} // namespace win_test
