#include "ui/painters/hints/RichTextHelper.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/RichEdit.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/MessageWindow.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ScreenMetrics.h"

#include <array>

namespace rich_text_helper_detail {

constexpr int TwipsPerInch = 1440;
// A text that never ends its pages would otherwise be measured forever.
constexpr int MaxPages = 10000;
std::array<std::unique_ptr<TovRichTextHelper>, 3> Helpers;

RECT ToTwips(const TRect& R) {
    const TPoint ppi = uiScreenPixelsPerInch();
    return RECT{MulDiv(R.left, TwipsPerInch, ppi.x), MulDiv(R.top, TwipsPerInch, ppi.y),
                MulDiv(R.right, TwipsPerInch, ppi.x), MulDiv(R.bottom, TwipsPerInch, ppi.y)};
}

// Holds the canvas lock while the control formats onto the canvas's DC.
class TCanvasLock {
public:
    explicit TCanvasLock(TuiCanvas* ACanvas) : FCanvas(ACanvas->Canvas()) { FCanvas->Lock(); }
    ~TCanvasLock() { FCanvas->Unlock(); }
    TCanvasLock(const TCanvasLock&) = delete;
    TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
    TCanvas* FCanvas;
};

} // namespace rich_text_helper_detail

using namespace rich_text_helper_detail;

TovRichTextHelper::TovRichTextHelper() : FRichEdit(std::make_unique<TRichEdit>(nullptr)) {
    if (TuiMessageWindow* window = uiMessageWindow()) FRichEdit->SetParentWindow(window->Handle());
    FRichEdit->SetPlainText(false);
    FRichEdit->Perform(EM_SETEVENTMASK, 0, 0);
}

TovRichTextHelper::~TovRichTextHelper() = default;

void TovRichTextHelper::SetText(TuiCanvas* AFontSource, const std::string& AText) {
    HWND window = FRichEdit->Handle();
    SetWindowLong(window, GWL_EXSTYLE, GetWindowLong(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    FRichEdit->Font()->Assign(AFontSource->Font());
    FRichEdit->SetText(AText);
}

void TovRichTextHelper::DrawText(TuiCanvas* ACanvas, const TRect& R) {
    TCanvasLock lock(ACanvas);
    HDC dc = ACanvas->Handle();
    FORMATRANGE range;
    range.hdc = dc;
    range.hdcTarget = dc;
    range.rc = ToTwips(R);
    range.rcPage = range.rc;
    range.chrg.cpMin = 0;
    range.chrg.cpMax = -1;
    FRichEdit->Perform(EM_FORMATRANGE, 0, 0);
    FRichEdit->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
    FRichEdit->Perform(EM_FORMATRANGE, 0, 0);
}

void TovRichTextHelper::CalculateTextHeight(TuiCanvas* ACanvas, TRect& R) {
    TCanvasLock lock(ACanvas);
    HDC dc = ACanvas->Handle();
    FRichEdit->Perform(EM_FORMATRANGE, 0, 0);
    const RECT width = ToTwips(TRect{R.left, 0, R.right, 0});
    long long heightTwips = 0;
    LONG start = 0;
    for (int page = 0; page < MaxPages; ++page) {
        FORMATRANGE range;
        range.hdc = dc;
        range.hdcTarget = dc;
        range.rc = RECT{width.left, 0, width.right, TwipsPerInch};
        range.rcPage = range.rc;
        range.chrg.cpMin = start;
        range.chrg.cpMax = -1;
        const LONG next =
            static_cast<LONG>(FRichEdit->Perform(EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&range)));
        heightTwips += range.rc.bottom - range.rc.top;
        if (next <= start) break;
        start = next;
    }
    FRichEdit->Perform(EM_FORMATRANGE, 0, 0);
    R.bottom = R.top + static_cast<int>(heightTwips * GetDeviceCaps(dc, LOGPIXELSY) / TwipsPerInch);
}

TovRichTextHelper* uiRichTextHelper(int ABandType) {
    auto& helper = Helpers.at(static_cast<std::size_t>(ABandType));
    if (helper == nullptr) helper = std::make_unique<TovRichTextHelper>();
    return helper.get();
}

void uiFreeRichTextHelpers() {
    for (auto& helper : Helpers)
        helper.reset();
}
