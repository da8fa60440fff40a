// Text, key, popup-menu and designer services of the library's controls: accelerator marks, key and
// shift conversions, the drag threshold, popup-menu dispatch, designer notices and component names.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Messages.h"

#include <string>

class TComponent;
class TControl;
class TPersistent;

// Drops each accelerator ampersand and copies the character after it unchanged ("&&" gives "&"). A
// final ampersand becomes "_" with AUnderscore, and is dropped without it.
std::string uiRemoveAccelChars(const std::string& S, bool AUnderscore = true);
std::u16string uiRemoveAccelCharsW(const std::u16string& S, bool AUnderscore = true);
// The one character ToAscii makes of the key under the current keyboard state, else 0.
char uiGetCharFromKeyCode(WORD AKey);
bool uiIsCharCode(char AChar);
bool uiIsCtrlPressed();
WORD uiShiftStateToKeys(TShiftState AShift);
bool uiIsPointInDragDetectArea(const TPoint& AMouseDownPos, int X, int Y);

// A component that acts as a popup menu.
class IuiPopupMenuComponent {
public:
    virtual ~IuiPopupMenuComponent() = default;
    virtual bool IsShortCut(TMessage& AMessage) = 0;
    virtual void Popup(int X, int Y) = 0;
};
bool uiIsPopupMenu(TComponent* AComponent);
bool uiPopupMenuIsShortCut(TComponent* AComponent, TMessage& AMessage);
bool uiShowPopupMenu(TControl* AControl, TComponent* AComponent, int X, int Y);

// Tells the form designer the object changed (design time only; nothing at run time).
void uiSetDesignerModified(TPersistent* AObject);
// "Owner.Name", through every owner that has a name.
std::string uiGetFullComponentName(TComponent* AComponent);
