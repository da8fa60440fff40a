#include "ui/bars/BarRoutines.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<IovBarControl*>& LiveControls() {
    static std::vector<IovBarControl*> controls;
    return controls;
}

// The active bar control and the ones it replaced, newest last.
std::vector<IovBarControl*>& ActiveStack() {
    static std::vector<IovBarControl*> stack;
    return stack;
}

} // namespace

TovBarItemControl* ControlOfLink(TovBarItemLink* ALink) {
    return ALink ? ALink->Control() : nullptr;
}

TovBarItemLink* LinkOfControl(TovBarItemControl* AControl) {
    return AControl ? AControl->ItemLink() : nullptr;
}

TovBarItem* GetItemOfControl(TovBarItemControl* AControl) {
    return AControl ? AControl->Item() : nullptr;
}

TovBarItem* ItemOfLink(TovBarItemLink* ALink) {
    return ALink ? ALink->Item() : nullptr;
}

void RepaintItemControl(TovBarItemControl* AControl) {
    if (AControl) AControl->Repaint();
}

TovBarManager* GetBarManagerOfComponent(TComponent* AComponent) {
    if (AComponent == nullptr) return nullptr;
    if (auto* manager = dynamic_cast<TovBarManager*>(AComponent)) return manager;
    if (TovBarManagerList* list = BarManagerList())
        for (int i = 0; i < list->Count(); ++i)
            if (list->Managers(i)->Owner() == AComponent) return list->Managers(i);
    return nullptr;
}

TovBarManager* FindBarManagerOfWindow(HWND AWindow) {
    return GetBarManagerOfComponent(FindControl(AWindow));
}

TWinControl* FindWindowedOwner(TComponent* AComponent) {
    for (TComponent* c = AComponent; c != nullptr; c = c->Owner())
        if (auto* control = dynamic_cast<TWinControl*>(c)) return control;
    return nullptr;
}

TovBarManager* FindBarManagerOfComponentWindow(TComponent* AComponent) {
    TWinControl* control = FindWindowedOwner(AComponent);
    if (control == nullptr || !control->HandleAllocated()) return nullptr;
    for (TWinControl* c = control; c != nullptr;
         c = c->HandleAllocated() ? FindParentVCLControl(c->Handle()) : nullptr)
        if (TovBarManager* manager = GetBarManagerOfComponent(c)) return manager;
    return nullptr;
}

TWinControl* FindParentVCLControl(HWND AWindow) {
    HWND wnd = AWindow;
    while (wnd != nullptr && (GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) != 0) {
        wnd = GetParent(wnd);
        if (TWinControl* control = FindControl(wnd)) return control;
    }
    return nullptr;
}

TWinControl* FindWindowVCLControl(HWND AWindow) {
    for (HWND wnd = AWindow; wnd != nullptr; wnd = GetParent(wnd))
        if (TWinControl* control = FindControl(wnd)) return control;
    return nullptr;
}

TCustomForm* GetControlForm(TWinControl* AControl, TovFormKind AKind) {
    if (AControl == nullptr || !AControl->HandleAllocated()) return nullptr;
    TCustomForm* result = nullptr;
    for (HWND wnd = AControl->Handle(); wnd != nullptr; wnd = GetParent(wnd)) {
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(wnd))) {
            result = form;
            // There are no MDI children here, so kind 1 finds the outermost form like kind 0.
            if (AKind == fkNearest) break;
        }
        if ((GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return result;
}

TCustomForm* GetFormOfComponent(TComponent* AComponent) {
    return GetControlForm(FindWindowedOwner(AComponent), fkNearest);
}

bool BarManagerBelongsToWindow(TovBarManager* AManager, HWND AOwnerWindow) {
    TWinControl* owner = AManager ? AManager->OwnerWinControl() : nullptr;
    if (owner == nullptr || !owner->HandleAllocated()) return false;
    for (HWND wnd = owner->Handle(); wnd != nullptr; wnd = GetParent(wnd)) {
        if (wnd == AOwnerWindow) return true;
        if ((GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return false;
}

bool IsControlInside(TWinControl* AParent, TControl* AControl) {
    if (AParent == nullptr || AControl == nullptr) return false;
    auto* windowed = dynamic_cast<TWinControl*>(AControl);
    TWinControl* holder = windowed ? windowed : AControl->Parent();
    if (AParent->HandleAllocated() && holder != nullptr && holder->HandleAllocated())
        return AParent->Handle() == holder->Handle() || IsChild(AParent->Handle(), holder->Handle());
    for (TControl* c = AControl; c != nullptr; c = c->Parent())
        if (c == AParent) return true;
    return false;
}

bool IsControlOfBarManager(TovBarManager* AManager, TControl* AControl) {
    return AManager != nullptr && IsControlInside(AManager->OwnerWinControl(), AControl);
}

bool HasAsParent(HWND AWindow, HWND AParentWindow) {
    if (AParentWindow == nullptr) return false;
    for (HWND wnd = GetParent(AWindow); wnd != nullptr; wnd = GetParent(wnd))
        if (wnd == AParentWindow) return true;
    return false;
}

bool IsWindowOrParentFocused(HWND AWindow) {
    const HWND focus = GetFocus();
    for (HWND wnd = AWindow; wnd != nullptr; wnd = GetParent(wnd)) {
        if (wnd == focus) return true;
        if ((GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return false;
}

bool IsAnotherApplicationWindow(HWND AWindow) {
    // Every window of the window system belongs to this program; a handle that names no window does not.
    if (AWindow == nullptr) return true;
    DWORD process = 0;
    return GetWindowThreadProcessId(AWindow, &process) == 0;
}

bool IsMousePressMessage(UINT AMessage) {
    switch (AMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

void FreeGdiHandle(HGDIOBJ& AHandle) {
    if (AHandle != nullptr) DeleteObject(AHandle);
    AHandle = nullptr;
}

void RestoreSelectedGdiObject(HDC ADC, HGDIOBJ APrevious) {
    if (HGDIOBJ replaced = SelectObject(ADC, APrevious)) DeleteObject(replaced);
}

void FillPolygonWithColor(HDC ADC, const std::vector<POINT>& APoints, TColor AFillColor, TColor APenColor) {
    if (APoints.empty()) return;
    HGDIOBJ previousPen = SelectObject(ADC, CreatePen(PS_SOLID, 1, ColorToRGB(APenColor)));
    HGDIOBJ previousBrush = SelectObject(ADC, CreateSolidBrush(ColorToRGB(AFillColor)));
    Polygon(ADC, APoints.data(), static_cast<int>(APoints.size()));
    RestoreSelectedGdiObject(ADC, previousBrush);
    RestoreSelectedGdiObject(ADC, previousPen);
}

void FreeWindowHandle(HWND& AHandle, bool ADestroyWindow) {
    if (ADestroyWindow && AHandle != nullptr) DestroyWindow(AHandle);
    AHandle = nullptr;
}

void KillCharMessages(HWND AWindow) {
    MSG msg;
    while (PeekMessage(&msg, AWindow, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    }
}

void ActivateTopLevelParentWindow(HWND AWindow) {
    HWND wnd = AWindow;
    while (wnd != nullptr && (GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) != 0)
        wnd = GetParent(wnd);
    if (wnd != nullptr) SetActiveWindow(wnd);
}

// ---- Active bar control

IovBarControl* CurrentBarControl() {
    return ActiveStack().empty() ? nullptr : ActiveStack().back();
}

void SetCurrentBarControl(IovBarControl* AControl) {
    if (AControl == nullptr || CurrentBarControl() == AControl) return;
    std::erase(ActiveStack(), AControl);
    ActiveStack().push_back(AControl);
}

void ReleaseCurrentBarControl(IovBarControl* AControl) {
    std::erase(ActiveStack(), AControl);
    // The previous one comes back only while it is alive and active.
    while (!ActiveStack().empty() &&
           (!BarControlExists(ActiveStack().back()) || !ActiveStack().back()->IsActive()))
        ActiveStack().pop_back();
}

TovBarManager* CurrentBarManager() {
    IovBarControl* control = CurrentBarControl();
    if (control == nullptr) return nullptr;
    if (TovBarItemControl* selected = control->SelectedControl())
        if (TovBarItemLink* link = selected->ItemLink()) return link->OwningBarManager();
    return nullptr;
}

void AddBarControl(IovBarControl* AControl) {
    if (!BarControlExists(AControl)) LiveControls().push_back(AControl);
}

void RemoveBarControl(IovBarControl* AControl) {
    std::erase(LiveControls(), AControl);
    std::erase(ActiveStack(), AControl);
}

bool BarControlExists(IovBarControl* AControl) {
    return AControl != nullptr &&
           std::find(LiveControls().begin(), LiveControls().end(), AControl) != LiveControls().end();
}

// ---- Keyboard navigation

void GetDirectionMetrics(const RECT& ASource, const RECT& ACandidate, int ADirection, double& ADeviation,
                         int& ADistance) {
    const double dx = (ACandidate.left + ACandidate.right) / 2.0 - (ASource.left + ASource.right) / 2.0;
    const double dy = (ACandidate.top + ACandidate.bottom) / 2.0 - (ASource.top + ASource.bottom) / 2.0;
    double angle = std::atan2(dy, dx) * 180.0 / 3.14159265358979323846;
    if (angle < 0) angle += 360;
    static const double kRotation[] = {180, 270, 0, 90};
    angle -= kRotation[ADirection];
    ADeviation = std::min(std::fabs(angle >= 0 ? angle - 360 : angle + 360), std::fabs(angle));
    switch (ADirection) {
    case ndLeft:
        ADistance = ASource.left - ACandidate.right;
        break;
    case ndUp:
        ADistance = ASource.top - ACandidate.bottom;
        break;
    case ndRight:
        ADistance = ACandidate.left - ASource.right;
        break;
    default:
        ADistance = ACandidate.top - ASource.bottom;
        break;
    }
}

int GetNearestAccessibleObjectInDirection(const RECT& ASource, const std::vector<RECT>& ACandidates,
                                          int ADirection, bool AWrap) {
    if (ADirection < ndLeft || ADirection > ndDown) return -1;
    auto search = [&](const RECT& ASourceRect) {
        int best = -1, bestDistance = 0;
        double bestDeviation = 0;
        for (int i = 0; i < static_cast<int>(ACandidates.size()); ++i) {
            double deviation;
            int distance;
            GetDirectionMetrics(ASourceRect, ACandidates[i], ADirection, deviation, distance);
            if (distance < 0) continue;
            if (best < 0 || distance < bestDistance ||
                (distance == bestDistance && deviation < bestDeviation)) {
                best = i;
                bestDistance = distance;
                bestDeviation = deviation;
            }
        }
        return best;
    };
    int result = search(ASource);
    if (result < 0 && AWrap && (ADirection == ndLeft || ADirection == ndRight)) {
        RECT moved = ASource;
        const int width = ASource.right - ASource.left;
        if (ADirection == ndLeft) {
            moved.right = 0x3FFFFFFF;
            moved.left = moved.right - width;
        } else {
            moved.left = -0x3FFFFFFF;
            moved.right = moved.left + width;
        }
        result = search(moved);
    }
    return result;
}

// ---- Text helpers

TShortCut GetShortCutFromKey(WORD AKey, LPARAM AKeyData) {
    if (AKey == 0) return 0;
    TShortCut result = AKey;
    if (GetKeyState(VK_SHIFT) < 0) result += scShift;
    if (GetKeyState(VK_CONTROL) < 0) result += scCtrl;
    if ((AKeyData & 0x20000000) != 0) result += scAlt;
    return result;
}

std::string GetShortCutHintText(TShortCut AShortCut) {
    const std::string text = ShortCutToText(AShortCut);
    return text.empty() ? std::string() : " (" + text + ")";
}

int FindAccelCharPos(std::string& AText, bool ARemove) {
    int result = 0;
    for (std::size_t i = 0; i + 1 < AText.size(); ++i) {
        if (AText[i] != '&') continue;
        if (ARemove)
            AText.erase(i, 1);
        else
            ++i;
        if (i < AText.size() && AText[i] != '&') result = static_cast<int>(i) + 1;
    }
    return result;
}

std::string RemoveAccelChars(const std::string& AText) {
    std::string text = AText;
    FindAccelCharPos(text, true);
    return text;
}

std::string GetStoreSeparator(bool AIsRegistry) {
    return AIsRegistry ? "\\" : ".";
}

TovBarItemVisible BoolToItemVisible(bool AVisible) {
    return AVisible ? ivAlways : ivNever;
}

bool IsCharacterKey(WORD AKey) {
    const UINT ch = MapVirtualKey(AKey, 2 /* MAPVK_VK_TO_CHAR */);
    return ch < 65536 && ch > 32;
}

bool ovBarKillTimer(HWND AWindow, UINT_PTR& ATimerID) {
    if (ATimerID == 0) return false;
    const bool killed = KillTimer(AWindow, ATimerID) != 0;
    if (killed) ATimerID = 0;
    return killed;
}
