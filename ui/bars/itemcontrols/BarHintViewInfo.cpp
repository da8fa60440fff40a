#include "ui/bars/itemcontrols/BarHintViewInfo.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/hints/HintWindows.h"
#include "ui/painters/hints/ScreenTips.h"

namespace bar_hint_view_info_detail {

// The manager's font on the canvas, keeping the text colour the hint chose; False when the hint font
// applies (no manager, or a manager that follows the system font).
bool PrepareManagerFont(TovBarManager* AManager, TuiCanvas* ACanvas) {
    if (AManager == nullptr || AManager->UseSystemFont()) return false;
    const TColor color = ACanvas->Font()->Color();
    ACanvas->Font()->Assign(AManager->Font());
    ACanvas->Font()->SetColor(color);
    return true;
}

} // namespace bar_hint_view_info_detail

using namespace bar_hint_view_info_detail;

// ---- Window initialisation

void TovBarCustomHintViewInfo::InitHintWindow(TuiBaseHintWindow* AHintWindow) {
    if (auto* window = dynamic_cast<IovBarHintWindow*>(AHintWindow))
        window->SetScreenTipStyle(IsScreenTipStyle());
    AHintWindow->HandleNeeded();
}

// ---- Screen-tip painter

TovBarScreenTipPainter::TovBarScreenTipPainter(TovBarPainter* ABarPainter)
    : TovScreenTipPainter(ABarPainter != nullptr ? ABarPainter->GetLookAndFeelPainter() : nullptr),
      FBarPainter(ABarPainter) {}

TColor TovBarScreenTipPainter::GetTitleTextColor() {
    if (TovBarPainter* painter = BarPainter()) return painter->ScreenTipGetTitleTextColor();
    return TovScreenTipPainter::GetTitleTextColor();
}

int TovBarScreenTipPainter::GetFooterLineSize() {
    if (TovBarPainter* painter = BarPainter()) return painter->ScreenTipGetFooterLineSize();
    return TovScreenTipPainter::GetFooterLineSize();
}

TColor TovBarScreenTipPainter::GetDescriptionTextColor() {
    if (TovBarPainter* painter = BarPainter()) return painter->ScreenTipGetDescriptionTextColor();
    return TovScreenTipPainter::GetDescriptionTextColor();
}

void TovBarScreenTipPainter::DrawBackgroundArea(TuiCanvas* ACanvas, const TRect& R) {
    if (TovBarPainter* painter = BarPainter())
        painter->ScreenTipDrawBackground(ACanvas, R);
    else
        TovScreenTipPainter::DrawBackgroundArea(ACanvas, R);
}

void TovBarScreenTipPainter::DrawFooterLine(TuiCanvas* ACanvas, const TRect& R) {
    if (TovBarPainter* painter = BarPainter())
        painter->ScreenTipDrawFooterLine(ACanvas, R);
    else
        TovScreenTipPainter::DrawFooterLine(ACanvas, R);
}

// ---- Helpers

TovBarHintViewInfoHelper::TovBarHintViewInfoHelper(TovBarManager* AManager, const std::string& AText,
                                                   const TPoint& APosition, const std::string& ASuffix)
    : TovHintViewInfoHelper(AText, APosition, ASuffix), FBarManager(AManager) {}

void TovBarHintViewInfoHelper::PrepareCanvasFont(TuiCanvas* ACanvas) {
    if (!PrepareManagerFont(BarManager(), ACanvas)) TovHintViewInfoHelper::PrepareCanvasFont(ACanvas);
}

TovBarLikeHintScreenTipViewInfoHelper::TovBarLikeHintScreenTipViewInfoHelper(TovBarManager* AManager,
                                                                             const std::string& AText,
                                                                             const TPoint& APosition,
                                                                             const std::string& ASuffix,
                                                                             TovScreenTipPainter* APainter)
    : TovScreenTipLikeHintViewInfoHelper(AText, APosition, ASuffix, APainter), FBarManager(AManager) {}

void TovBarLikeHintScreenTipViewInfoHelper::PrepareCanvasFont(TuiCanvas* ACanvas) {
    if (!PrepareManagerFont(BarManager(), ACanvas))
        TovScreenTipLikeHintViewInfoHelper::PrepareCanvasFont(ACanvas);
}

// ---- View infos

TovBarHintViewInfo::TovBarHintViewInfo(TovBarManager* AManager, const TPoint& ACursorPos,
                                       const std::string& AShortCut, const std::string& AHint)
    : FBarManager(AManager), FCursorPos(ACursorPos), FShortCut(AShortCut), FHint(AHint) {}

TovCustomHintViewInfoHelper* TovBarHintViewInfo::CreateViewHelper() {
    return new TovBarHintViewInfoHelper(BarManager(), FHint, FCursorPos, FShortCut);
}

void TovBarHintViewInfo::InitHintWindow(TuiBaseHintWindow* AHintWindow) {
    TovBarCustomHintViewInfo::InitHintWindow(AHintWindow);
    AHintWindow->SetCaption(static_cast<TovHintViewInfoHelper*>(Helper())->Text());
    AHintWindow->SetColor(Application()->HintColor());
}

TovBarLikeHintScreenTipViewInfo::TovBarLikeHintScreenTipViewInfo(TovBarManager* AManager,
                                                                 const TPoint& ACursorPos,
                                                                 const std::string& AShortCut,
                                                                 const std::string& AHint,
                                                                 TovBarPainter* ABarPainter)
    : TovBarHintViewInfo(AManager, ACursorPos, AShortCut, AHint),
      FPainter(std::make_unique<TovBarScreenTipPainter>(ABarPainter)) {}

TovBarLikeHintScreenTipViewInfo::~TovBarLikeHintScreenTipViewInfo() {
    DestroyViewHelper();
}

TovCustomHintViewInfoHelper* TovBarLikeHintScreenTipViewInfo::CreateViewHelper() {
    return new TovBarLikeHintScreenTipViewInfoHelper(BarManager(), Hint(), CursorPos(), ShortCut(),
                                                     FPainter.get());
}

void TovBarLikeHintScreenTipViewInfo::DestroyViewHelper() {
    TovBarHintViewInfo::DestroyViewHelper();
    FPainter.reset();
}

TovBarScreenTipViewInfo::TovBarScreenTipViewInfo(TovScreenTip* AScreenTip, const std::string& AShortCut,
                                                 const std::string& AHint, TovBarPainter* ABarPainter)
    : FScreenTip(AScreenTip), FShortCut(AShortCut), FHint(AHint), FBarPainter(ABarPainter),
      FPainter(std::make_unique<TovBarScreenTipPainter>(ABarPainter)) {}

TovCustomHintViewInfoHelper* TovBarScreenTipViewInfo::CreateViewHelper() {
    // A helper made again (after the first was freed) gets a painter of its own.
    std::unique_ptr<TovBarScreenTipPainter> painter =
        FPainter != nullptr ? std::move(FPainter)
                            : std::make_unique<TovBarScreenTipPainter>(FBarPainter.Get());
    return new TovScreenTipViewInfoHelper(FScreenTip, std::move(painter), FHint, FShortCut);
}

// ---- Choosing the view info

std::unique_ptr<TovBarCustomHintViewInfo>
CreateBarHintViewInfo(TovBarManager* AManager, const std::string& AText, const std::string& AShortCut,
                      TovBarPainter* APainter, TComponent* AScreenTip) {
    auto* tip = dynamic_cast<TovScreenTip*>(AScreenTip);
    if (tip != nullptr && !tip->Description()->Text().empty())
        return std::make_unique<TovBarScreenTipViewInfo>(tip, AShortCut, AText, APainter);
    const bool headerReplacesHint =
        tip != nullptr && !tip->UseHintAsHeader() && !tip->Header()->Text().empty();
    return std::make_unique<TovBarLikeHintScreenTipViewInfo>(
        AManager, uiGetMouseCursorPos(), AShortCut, headerReplacesHint ? tip->Header()->Text() : AText,
        APainter);
}
