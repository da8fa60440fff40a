#include "ui/painters/popups/PopupVisibleController.h"

#include <algorithm>
#include <memory>

namespace popup_visible_detail {
std::unique_ptr<TuiPopupVisibleController> Controller;
int TransitionCount = 0;
} // namespace popup_visible_detail

bool TuiPopupVisibleController::IsVisible(const TuiCustomPopupWindow* APopup) const {
    return std::find(FPopups.begin(), FPopups.end(), APopup) != FPopups.end();
}

void TuiPopupVisibleController::Add(TuiCustomPopupWindow* APopup) {
    if (!IsVisible(APopup)) FPopups.push_back(APopup);
}

void TuiPopupVisibleController::Remove(TuiCustomPopupWindow* APopup) {
    const auto it = std::find(FPopups.begin(), FPopups.end(), APopup);
    if (it != FPopups.end()) FPopups.erase(it);
}

TuiPopupVisibleController* uiPopupVisibleController() {
    using namespace popup_visible_detail;
    if (Controller == nullptr) Controller = std::make_unique<TuiPopupVisibleController>();
    return Controller.get();
}

void uiFreePopupVisibleController() {
    popup_visible_detail::Controller.reset();
}

bool uiPopupInTransition() {
    return popup_visible_detail::TransitionCount > 0;
}

TuiPopupTransition::TuiPopupTransition() {
    ++popup_visible_detail::TransitionCount;
}

TuiPopupTransition::~TuiPopupTransition() {
    --popup_visible_detail::TransitionCount;
}
