#include "ui/bars/controls/DockedControl.h"

#include "ui/bars/Bar.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarPainterInterfaces.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

// ---- Docked control

TovBarCaptionButtons* TovBarDockedControl::GetCaptionButtons() const {
    TovBar* bar = GetCaptionButtonsBar();
    return bar != nullptr ? bar->CaptionButtons() : nullptr;
}

bool TovBarDockedControl::HasCaptionButtons() const {
    TovBarCaptionButtons* buttons = GetCaptionButtons();
    return buttons != nullptr && buttons->Count() > 0;
}

int TovBarDockedControl::GetCaptionButtonAtPos(POINT P) const {
    TovBarCaptionButtons* buttons = GetCaptionButtons();
    return buttons != nullptr ? buttons->IndexAtPos(P) : -1;
}

void TovBarDockedControl::CaptionButtonClick(int AIndex) {
    BeforeCaptionButtonClick();
    TovBarCaptionButtons* buttons = GetCaptionButtons();
    if (buttons != nullptr && AIndex >= 0 && AIndex < buttons->Count()) buttons->Items(AIndex)->DoClick();
}

void TovBarDockedControl::UpdateCaptionButtonStates(POINT P, bool APressed, int AIndex) {
    if (HasCaptionButtons()) GetCaptionButtons()->UpdateStates(P, APressed);
}

bool TovBarDockedControl::BeginCaptionButtonTracking(POINT P) {
    CancelCaptionButtonTracking();
    const int index = GetCaptionButtonAtPos(P);
    if (index == -1) return false;
    FTracking = true;
    FTrackedButton = index;
    UpdateCaptionButtonStates(P, true, index);
    return true;
}

void TovBarDockedControl::TrackCaptionButton(POINT P) {
    if (FTracking) UpdateCaptionButtonStates(P, true, FTrackedButton);
}

bool TovBarDockedControl::EndCaptionButtonTracking(POINT P) {
    if (!FTracking) return false;
    const int index = FTrackedButton;
    // Released over another button, or outside every button, the press does nothing.
    const bool clicked = GetCaptionButtonAtPos(P) == index;
    FTracking = false;
    FTrackedButton = -1;
    UpdateCaptionButtonStates(P, false, index);
    if (clicked) CaptionButtonClick(index);
    return clicked;
}

void TovBarDockedControl::CancelCaptionButtonTracking() {
    if (!FTracking) return;
    const int index = FTrackedButton;
    FTracking = false;
    FTrackedButton = -1;
    UpdateCaptionButtonStates(POINT{-1, -1}, false, index);
}

void TovBarDockedControl::MouseLeave() {
    TCustomovBarControl::MouseLeave();
    UpdateCaptionButtonStates(POINT{-1, -1}, false, -1);
}

// ---- Rows and columns

void TovDockCol::StorePosition() {
    const TRect bounds = FBarControl->BoundsInDock();
    Pos = TPoint{bounds.left, bounds.top};
}

TovDockRow::~TovDockRow() {
    while (!FCols.empty())
        FCols.pop_back();
    for (TovBar* bar : std::vector<TovBar*>(FBars))
        if (FDockControl != nullptr) FDockControl->BarLeftRow(bar, this);
    FBars.clear();
}

TovDockCol* TovDockRow::AddCol(TovBarControl* ABarControl) {
    return InsertCol(GetColCount(), ABarControl);
}

TovDockCol* TovDockRow::InsertCol(int AIndex, TovBarControl* ABarControl) {
    AIndex = std::clamp(AIndex, 0, GetColCount());
    auto column = std::make_unique<TovDockCol>(this, ABarControl);
    TovDockCol* result = column.get();
    FCols.insert(FCols.begin() + AIndex, std::move(column));
    if (ABarControl != nullptr && ABarControl->Bar() != nullptr && !ContainsBar(ABarControl->Bar()))
        FBars.push_back(ABarControl->Bar());
    UpdateOneOnRow();
    return result;
}

int TovDockRow::ColIndexOf(const TovBarControl* ABarControl) const {
    for (int i = 0; i < GetColCount(); ++i)
        if (FCols[i]->BarControl() == ABarControl) return i;
    return -1;
}

void TovDockRow::RemoveColOf(TovBarControl* ABarControl) {
    const int index = ColIndexOf(ABarControl);
    if (index >= 0) RemoveCol(index);
}

void TovDockRow::RemoveCol(int AIndex) {
    if (AIndex < 0 || AIndex >= GetColCount()) return;
    FCols.erase(FCols.begin() + AIndex);
    UpdateOneOnRow();
}

bool TovDockRow::ContainsBar(const TovBar* ABar) const {
    return std::find(FBars.begin(), FBars.end(), ABar) != FBars.end();
}

void TovDockRow::AddBar(TovBar* ABar) {
    if (ABar == nullptr || ContainsBar(ABar)) return;
    FBars.push_back(ABar);
    auto* window = dynamic_cast<TovBarControl*>(ABar->GetControl());
    if (GetColCount() < BarCount() && window != nullptr && FDockControl != nullptr &&
        ABar->GetRealDockControl() == static_cast<IovBarDock*>(FDockControl) && ColIndexOf(window) < 0) {
        TovDockCol* column = AddCol(window);
        column->Pos = TPoint{ABar->DockedLeft(), ABar->DockedTop()};
    }
}

bool TovDockRow::RemoveBar(TovBar* ABar, bool AFreeWhenEmpty) {
    auto it = std::find(FBars.begin(), FBars.end(), ABar);
    if (it == FBars.end()) return false;
    FBars.erase(it);
    for (int i = GetColCount() - 1; i >= 0; --i)
        if (FCols[i]->BarControl() != nullptr && FCols[i]->BarControl()->Bar() == ABar) RemoveCol(i);
    if (FBars.empty() && AFreeWhenEmpty && FDockControl != nullptr) {
        FDockControl->FreeRow(this);
        return true;
    }
    return false;
}

bool TovDockRow::HasDockedWindow() const {
    for (TovBar* bar : FBars) {
        IovBarControl* control = bar->GetControl();
        if (control != nullptr && control->DockingStyle() != dsNone) return true;
    }
    for (const auto& column : FCols)
        if (column->BarControl() != nullptr && column->BarControl()->DockingStyleOf() != dsNone) return true;
    return false;
}

void TovDockRow::UpdateOneOnRow() {
    const bool alone = GetColCount() == 1;
    for (const auto& column : FCols)
        if (column->BarControl() != nullptr && column->BarControl()->Bar() != nullptr)
            column->BarControl()->Bar()->SetOneOnRow(alone);
}

// ---- Fading helpers

TovBarControlMarkFadingHelper::~TovBarControlMarkFadingHelper() {
    if (IovFader* fader = FToolbar->GetFader()) fader->Remove(this, true);
}

bool TovBarControlMarkFadingHelper::IsFadable() {
    return FToolbar->IsFadingAvailable() && FToolbar->HasMark() && FToolbar->GetMarkState() != 2;
}

void TovBarControlMarkFadingHelper::ProvideFadeImages(TuiBitmap32*& AFadeOutImage,
                                                      TuiBitmap32*& AFadeInImage) {
    AFadeOutImage = nullptr;
    AFadeInImage = nullptr;
    auto* fading = dynamic_cast<IovBarFadingPainter*>(FToolbar->GetPainter());
    if (fading == nullptr) return;
    const TRect mark = FToolbar->GetMarkRectInWindow();
    const TRect r{0, 0, uiWidthOfRect(mark), uiHeightOfRect(mark)};
    auto out = std::make_unique<TuiBitmap32>(r, true);
    auto in = std::make_unique<TuiBitmap32>(r, true);
    fading->DrawBarMarkFadeImage(FToolbar, out->GetuiCanvas()->Handle(), r, 0);
    fading->DrawBarMarkFadeImage(FToolbar, in->GetuiCanvas()->Handle(), r, 1);
    if (fading->FadingImagesNeedOpaque()) {
        out->MakeOpaque();
        in->MakeOpaque();
    }
    AFadeOutImage = out.release();
    AFadeInImage = in.release();
}

void TovBarControlMarkFadingHelper::DrawFadeStep() {
    if (TovBarPainter* painter = FToolbar->GetPainter()) painter->BarRedrawMark(FToolbar);
}

TovBarControlMDIButtonFadingHelper::~TovBarControlMDIButtonFadingHelper() {
    if (IovFader* fader = FToolbar->GetFader()) fader->Remove(this, true);
}

bool TovBarControlMDIButtonFadingHelper::IsFadable() {
    return FToolbar->IsFadingAvailable() && FToolbar->HasMDIButtons();
}

void TovBarControlMDIButtonFadingHelper::DrawFadeStep() {
    FToolbar->Repaint();
}

void ovFadeInHelper(TovFadingObjectHelper* AHelper) {
    if (AHelper != nullptr && AHelper->IsFadable()) AHelper->FadeIn();
}

void ovFadeOutHelper(TovFadingObjectHelper* AHelper) {
    if (AHelper != nullptr && AHelper->IsFadable()) AHelper->FadeOut();
}
