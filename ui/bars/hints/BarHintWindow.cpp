#include "ui/bars/hints/BarHintWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"

TovBarHintWindow::TovBarHintWindow(TComponent* AOwner) : TuiBaseHintWindow(AOwner) {
    SetColor(clInfoBk);
    NeedEraseBackground = true;
    SetAnimationKind(hakNone);
}

TovBarHintWindow::~TovBarHintWindow() = default;

RECT TovBarHintWindow::CalcHintRect(int, const std::string& Hint, void* Data) {
    FViewInfo.reset();
    auto* manager = static_cast<TovBarManager*>(Data);
    if (FFace) FViewInfo = FFace(Hint, FShortCutText);
    if (FViewInfo == nullptr)
        FViewInfo = std::make_unique<TovBarHintViewInfo>(manager, uiGetMouseCursorPos(), FShortCutText, Hint);
    FViewInfo->InitHintWindow(this);
    FViewInfo->ComputeLayout(LibraryCanvas());
    return FViewInfo->GetBoundsRect();
}

void TovBarHintWindow::CorrectHintWindowRect(TRect& R) {
    if (FScreenTipStyle) {
        R.right += 1;
        R.bottom += 1;
    }
    TuiBaseHintWindow::CorrectHintWindowRect(R);
}

void TovBarHintWindow::EnableRegion() {
    if (!HandleAllocated()) return;
    // Where the screen cannot shape windows the tip keeps its square corners.
    HRGN region = CreateRoundRectRgn(0, 0, Width(), Height(), 2, 2);
    if (SetWindowRgn(Handle(), region, TRUE) == 0) DeleteObject(region);
}

void TovBarHintWindow::Paint() {
    if (!HasWindowRegion()) DisableRegion();
    if (FViewInfo != nullptr) FViewInfo->Paint(LibraryCanvas());
}

void TovBarHintWindow::Dispatch(TMessage& Message) {
    // The layout belongs to one showing.
    if (Message.Msg == WM_SHOWWINDOW && Message.WParam == 0) FViewInfo.reset();
    TuiBaseHintWindow::Dispatch(Message);
}
