#include "ui/core/controls/ControlServices.h"

#include "platform/vcl/Control.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/win/WinUser.h"

#include <cstdlib>

namespace {

template <class String> String RemoveAccelChars(const String& S, bool AUnderscore) {
    String result;
    result.reserve(S.size());
    for (std::size_t i = 0; i < S.size(); ++i) {
        if (S[i] != '&') {
            result.push_back(S[i]);
            continue;
        }
        if (i + 1 < S.size()) {
            result.push_back(S[++i]);
        } else if (AUnderscore) {
            result.push_back('_');
        }
        // Without the flag a final ampersand is dropped: there is no character after it to copy.
    }
    return result;
}

} // namespace

std::string uiRemoveAccelChars(const std::string& S, bool AUnderscore) {
    return RemoveAccelChars(S, AUnderscore);
}

std::u16string uiRemoveAccelCharsW(const std::u16string& S, bool AUnderscore) {
    return RemoveAccelChars(S, AUnderscore);
}

char uiGetCharFromKeyCode(WORD AKey) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    WORD chars[2] = {};
    if (ToAscii(AKey, MapVirtualKey(AKey, 0), state, chars, 0) != 1) return 0;
    return static_cast<char>(chars[0]);
}

bool uiIsCharCode(char AChar) {
    return static_cast<unsigned char>(AChar) >= 32;
}

bool uiIsCtrlPressed() {
    return GetAsyncKeyState(VK_CONTROL) < 0;
}

WORD uiShiftStateToKeys(TShiftState AShift) {
    WORD result = 0;
    if (AShift.Contains(ssShift)) result |= MK_SHIFT;
    if (AShift.Contains(ssCtrl)) result |= MK_CONTROL;
    if (AShift.Contains(ssLeft)) result |= MK_LBUTTON;
    if (AShift.Contains(ssRight)) result |= MK_RBUTTON;
    if (AShift.Contains(ssMiddle)) result |= MK_MBUTTON;
    return result;
}

bool uiIsPointInDragDetectArea(const TPoint& AMouseDownPos, int X, int Y) {
    const int threshold = Mouse()->DragThreshold();
    return std::abs(X - AMouseDownPos.x) < threshold && std::abs(Y - AMouseDownPos.y) < threshold;
}

bool uiIsPopupMenu(TComponent* AComponent) {
    return dynamic_cast<TPopupMenu*>(AComponent) != nullptr ||
           dynamic_cast<IuiPopupMenuComponent*>(AComponent) != nullptr;
}

bool uiPopupMenuIsShortCut(TComponent* AComponent, TMessage& AMessage) {
    if (auto* popup = dynamic_cast<IuiPopupMenuComponent*>(AComponent)) return popup->IsShortCut(AMessage);
    if (auto* menu = dynamic_cast<TPopupMenu*>(AComponent))
        return menu->Items()->Count() > 0 && menu->IsShortCut(AMessage);
    return false;
}

bool uiShowPopupMenu(TControl* AControl, TComponent* AComponent, int X, int Y) {
    if (auto* popup = dynamic_cast<IuiPopupMenuComponent*>(AComponent)) {
        popup->Popup(X, Y);
        return true;
    }
    if (auto* menu = dynamic_cast<TPopupMenu*>(AComponent); menu != nullptr && menu->AutoPopup()) {
        menu->SetPopupComponent(AControl);
        menu->Popup(X, Y);
        return true;
    }
    return false;
}

void uiSetDesignerModified(TPersistent*) {
    // There is no form designer in the program: design time never comes.
}

std::string uiGetFullComponentName(TComponent* AComponent) {
    std::string result = AComponent->Name();
    for (TComponent* owner = AComponent->Owner(); owner != nullptr && !owner->Name().empty();
         owner = owner->Owner())
        result = owner->Name() + "." + result;
    return result;
}
