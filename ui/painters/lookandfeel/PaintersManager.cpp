#include "ui/painters/lookandfeel/PaintersManager.h"

#include "platform/rtl/StrUtils.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>

namespace {
TuiLookAndFeelPaintersManager* Manager = nullptr;
}

TuiLookAndFeelPaintersManager* uiLookAndFeelPaintersManager() {
    return Manager;
}
void uiSetLookAndFeelPaintersManager(TuiLookAndFeelPaintersManager* AManager) {
    Manager = AManager;
}

TuiLookAndFeelPaintersManager::TuiLookAndFeelPaintersManager() = default;

TuiLookAndFeelPaintersManager::~TuiLookAndFeelPaintersManager() {
    FListeners.clear();
    FPainters.clear();
}

bool TuiLookAndFeelPaintersManager::Register(std::unique_ptr<TuiCustomLookAndFeelPainter> APainter) {
    if (!APainter) return false;
    // A duplicate name is freed here, with the unique pointer.
    if (GetPainterByName(APainter->PainterStyleName()) != nullptr) return false;
    TuiCustomLookAndFeelPainter* painter = APainter.get();
    FPainters.push_back(std::move(APainter));
    std::stable_sort(FPainters.begin(), FPainters.end(), [](const auto& A, const auto& B) {
        return AnsiCompareStr(A->PainterStyleName(), B->PainterStyleName()) < 0;
    });
    PaintersChanged(painter);
    return true;
}

TuiCustomLookAndFeelPainter* TuiLookAndFeelPaintersManager::GetPainterByName(const std::string& AName) const {
    for (const auto& painter : FPainters)
        if (SameText(painter->PainterStyleName(), AName)) return painter.get();
    return nullptr;
}

bool TuiLookAndFeelPaintersManager::TryGetPainterByName(const std::string& AName,
                                                        TuiCustomLookAndFeelPainter*& APainter) const {
    TuiCustomLookAndFeelPainter* found = GetPainterByName(AName);
    if (found != nullptr) APainter = found;
    return found != nullptr;
}

TuiCustomLookAndFeelPainter*
TuiLookAndFeelPaintersManager::GetPainterByStyle(TuiLookAndFeelStyle AStyle) const {
    for (const auto& painter : FPainters)
        if (painter->LookAndFeelStyle() == AStyle) return painter.get();
    return nullptr;
}

bool TuiLookAndFeelPaintersManager::TryGetPainterByStyle(TuiLookAndFeelStyle AStyle,
                                                         TuiCustomLookAndFeelPainter*& APainter) const {
    TuiCustomLookAndFeelPainter* found = GetPainterByStyle(AStyle);
    if (found != nullptr) APainter = found;
    return found != nullptr;
}

void TuiLookAndFeelPaintersManager::AddListener(IuiLookAndFeelPaintersListener* AListener) {
    if (std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
        FListeners.push_back(AListener);
}

void TuiLookAndFeelPaintersManager::RemoveListener(IuiLookAndFeelPaintersListener* AListener) {
    FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), AListener), FListeners.end());
}

void TuiLookAndFeelPaintersManager::PaintersChanged(TuiCustomLookAndFeelPainter* APainter) {
    if (TuiLookAndFeel* root = RootLookAndFeel()) root->Refresh();
    for (auto it = FListeners.rbegin(); it != FListeners.rend(); ++it)
        (*it)->PainterAdded(APainter);
}
