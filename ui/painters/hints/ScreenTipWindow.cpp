#include "ui/painters/hints/ScreenTipWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/ScreenTipStyle.h"
#include "ui/painters/hints/ScreenTipViewInfo.h"
#include "ui/painters/hints/ScreenTips.h"

TovScreenTipWindow::TovScreenTipWindow(TComponent* AOwner) : TuiCustomHintWindow(AOwner) {
    SetColor(clInfoBk);
    SetAnimationKind(hakNone);
    FBorderStyle = 1;
}

TovScreenTipWindow::~TovScreenTipWindow() {
    FViewInfo.reset();
}

void TovScreenTipWindow::BuildViewInfo(const std::string& AHint) {
    TovScreenTip* tip = FScreenTip;
    std::string shortCut;
    if (tip == nullptr)
        if (auto* style = dynamic_cast<TovScreenTipStyle*>(ovGetActiveHintStyle()))
            style->FindScreenTip(ovGetHintedControl(), tip, shortCut);
    auto painter = std::make_unique<TovScreenTipPainter>(ovGetHintPainter());
    TovScreenTipRepository* repository = tip != nullptr ? tip->Repository() : nullptr;
    if (tip != nullptr && (repository == nullptr || repository->ShowDescription())) {
        FViewInfo = std::make_unique<TovScreenTipViewInfo>(
            tip, AHint, tip->UseHintAsHeader() ? std::string() : shortCut, std::move(painter));
        return;
    }
    if (tip != nullptr && !tip->UseHintAsHeader() && !tip->Header()->Text().empty())
        FViewInfo = std::make_unique<TovScreenTipLikeHintViewInfo>(tip->Header()->Text(), shortCut,
                                                                   TPoint{0, 0}, std::move(painter));
    else
        FViewInfo = std::make_unique<TovScreenTipLikeHintViewInfo>(AHint, std::string(), TPoint{0, 0},
                                                                   std::move(painter));
}

RECT TovScreenTipWindow::CalcHintRect(int MaxWidth, const std::string& Hint, void* Data) {
    FViewInfo.reset();
    if (ovGetActiveHintStyle() != nullptr) {
        SetStandardHint(false);
        BuildViewInfo(Hint);
        FViewInfo->ComputeLayout(LibraryCanvas());
        return FViewInfo->GetBoundsRect();
    }
    SetStandardHint(true);
    if (Screen() != nullptr) Canvas()->Font()->Assign(Screen()->HintFont());
    if (Hint.empty()) return RECT{0, 0, 0, 0};
    return THintWindow::CalcHintRect(MaxWidth, Hint, Data);
}

void TovScreenTipWindow::ShowHintAt(int X, int Y, int AMaxWidth, const std::string& AHint,
                                    const std::string&) {
    if (AMaxWidth == 0) AMaxWidth = Screen() != nullptr ? Screen()->Width() : GetSystemMetrics(SM_CXSCREEN);
    RECT r = CalcHintRect(AMaxWidth, AHint, nullptr);
    OffsetRect(&r, X, Y);
    ActivateHint(r, AHint);
}

void TovScreenTipWindow::CorrectHintWindowRect(TRect& R) {
    R.right += 1;
    R.bottom += 1;
    R = uiShiftRect(R, -FBorderWidth, -FBorderWidth);
    TuiCustomHintWindow::CorrectHintWindowRect(R);
}

void TovScreenTipWindow::EnableRegion() {
    if (!HandleAllocated()) return;
    HRGN region = CreateRoundRectRgn(0, 0, Width(), Height(), 2, 2);
    OffsetRgn(region, FBorderWidth, FBorderWidth);
    SetWindowRgn(Handle(), region, TRUE);
}

void TovScreenTipWindow::Paint() {
    if (StandardHint() || FViewInfo == nullptr) {
        if (HandleAllocated()) SetWindowRgn(Handle(), nullptr, TRUE);
        THintWindow::Paint();
        return;
    }
    FViewInfo->Paint(LibraryCanvas());
}

void TovScreenTipWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_SHOWWINDOW && Message.WParam == 0) {
        // The layout belongs to one showing; the hinted control is no longer hinted.
        FViewInfo.reset();
        ovResetHintedControl();
    }
    TuiCustomHintWindow::Dispatch(Message);
}
