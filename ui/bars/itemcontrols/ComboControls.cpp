#include "ui/bars/itemcontrols/ComboControls.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Keyboard.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

namespace {

constexpr int TextFieldPart = 0, ButtonPart = 3;

bool IsAltArrow(WORD AKey, TShiftState AShift) {
    return AShift.Contains(ssAlt) && (AKey == VK_UP || AKey == VK_DOWN);
}

bool IsKeyMessage(UINT AMsg) {
    return AMsg == WM_KEYDOWN || AMsg == WM_KEYUP || AMsg == WM_CHAR;
}

} // namespace

// ---- The combo with a drop-down window

TCustomovBarComboControl::~TCustomovBarComboControl() {
    SetDroppedDown(false);
}

TCustomovBarCombo* TCustomovBarComboControl::Combo() const {
    return dynamic_cast<TCustomovBarCombo*>(Item());
}

bool TCustomovBarComboControl::ShowsEditor() const {
    TCustomovBarCombo* combo = Combo();
    return combo == nullptr || combo->ShowEditor;
}

void TCustomovBarComboControl::SetDroppedDown(bool AValue) {
    TCustomovBarCombo* combo = Combo();
    if (FDroppedDown == AValue || combo == nullptr || combo->ReadOnly) return;
    FDroppedDown = AValue;
    if (!Destroying()) Repaint();
    if (AValue) {
        TPoint p{};
        GetDropDownPosition(p);
        combo->DropDown(p.x, p.y);
    } else {
        combo->CloseUp();
    }
}

void TCustomovBarComboControl::GetDropDownPosition(TPoint& P) const {
    const TRect bounds = GetBoundsRect();
    TCustomovBarControl* parent = ParentBar();
    TRect field{};
    GetEditRect(field);
    if (parent != nullptr && GetPaintType() != iptMenu && !parent->IsDockedVertically())
        P = TPoint{field.left, bounds.bottom};
    else
        P = TPoint{bounds.right, bounds.top};
    if (parent != nullptr) P = parent->ClientToScreenPoint(P);
}

void TCustomovBarComboControl::CalcDrawParams(bool AFull) {
    TovBarEditControl::CalcDrawParams(AFull);
    if (AFull) DrawParams()->DroppedDown = FDroppedDown;
}

void TCustomovBarComboControl::CalcParts() {
    TovBarEditControl::CalcParts();
    TRect field{};
    GetEditRect(field);
    if (TovBarPainter* painter = GetPainter()) painter->ComboCalcParts(DrawParams(), PartsRef(), field);
}

bool TCustomovBarComboControl::CanDrawTextField() const {
    return !(GetEnabled() && Focused() && ShowsEditor());
}

void TCustomovBarComboControl::ControlInactivate(bool AImmediately) {
    SetDroppedDown(false);
    TovBarEditControl::ControlInactivate(AImmediately);
}

void TCustomovBarComboControl::EnabledChanged() {
    SetDroppedDown(false);
    TovBarEditControl::EnabledChanged();
}

void TCustomovBarComboControl::AdjustTextRect(TRect& R) {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || Parts().size() <= ButtonPart) return;
    TRect offsets{};
    painter->ComboGetTextOffsets(GetPaintType(), offsets);
    R.right = Parts()[ButtonPart].right + offsets.right;
}

void TCustomovBarComboControl::DrawTextField() {
    if (TovBarPainter* painter = GetPainter(); painter != nullptr && Parts().size() > ButtonPart)
        painter->DrawComboDropDownButton(DrawParams(), Parts()[ButtonPart]);
    TovBarEditControl::DrawTextField();
}

bool TCustomovBarComboControl::ContainsWindow(HWND AWnd) const {
    if (TovBarEditControl::ContainsWindow(AWnd)) return true;
    if (!FDroppedDown || AWnd == nullptr) return false;
    TCustomovBarCombo* combo = Combo();
    HWND list = combo != nullptr ? combo->GetDropDownWindow() : nullptr;
    return list != nullptr && ::IsWindowVisible(list) && (AWnd == list || ::IsChild(list, AWnd));
}

bool TCustomovBarComboControl::IsMenuKeyDown(WORD AKey, TShiftState AShift) const {
    return IsAltArrow(AKey, AShift) || TovBarEditControl::IsMenuKeyDown(AKey, AShift);
}

bool TCustomovBarComboControl::IsMenuKeyUp(WORD AKey, TShiftState AShift) const {
    return IsAltArrow(AKey, AShift) || TovBarEditControl::IsMenuKeyUp(AKey, AShift);
}

bool TCustomovBarComboControl::HandleMenuKeyDown(WORD AKey, TShiftState AShift) {
    if (!IsAltArrow(AKey, AShift)) return TovBarEditControl::HandleMenuKeyDown(AKey, AShift);
    TWeakLink<TovBarItemControl> self(this);
    SetDroppedDown(!FDroppedDown);
    // Counted as pressed inside, so that letting Alt go afterwards does not open the bar's menus.
    if (self) TovBarEditControl::HandleMenuKeyDown(AKey, AShift);
    return true;
}

bool TCustomovBarComboControl::HandleMenuKeyUp(WORD AKey, TShiftState AShift) {
    if (!IsAltArrow(AKey, AShift)) return TovBarEditControl::HandleMenuKeyUp(AKey, AShift);
    TovBarEditControl::HandleMenuKeyUp(AKey, AShift);
    return true;
}

int TCustomovBarComboControl::PartAt(const TPoint& P) const {
    return HitTest(P);
}

void TCustomovBarComboControl::InnerWndProc(TMessage& AMessage) {
    TWeakLink<TovBarItemControl> self(this);
    if (AMessage.Msg == WM_KEYDOWN && AMessage.WParam == VK_F4) {
        SetDroppedDown(!FDroppedDown);
        return;
    }
    TCustomovBarCombo* combo = Combo();
    if (FDroppedDown && combo != nullptr && IsKeyMessage(AMessage.Msg))
        if (HWND list = combo->GetDropDownWindow();
            list != nullptr && combo->CheckKeyForDropDownWindow(static_cast<WORD>(AMessage.WParam),
                                                                KeyDataToShiftState(AMessage.LParam))) {
            ::SendMessage(list, AMessage.Msg, AMessage.WParam, AMessage.LParam);
            return;
        }
    const UINT msg = AMessage.Msg;
    const TPoint p = InnerPointToBar(AMessage.LParam);
    TovBarEditControl::InnerWndProc(AMessage);
    if (!self || !InnerWindowVisible()) return;
    const bool press = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
    if (!press && msg != WM_LBUTTONUP) return;
    const int part = PartAt(p);
    // Without an editor the whole text field is the button.
    const bool onButton = part == ButtonPart || (!ShowsEditor() && part == TextFieldPart);
    HWND window = GetHandle();
    if (press) {
        FDroppedDownOnPress = FDroppedDown;
        if (!onButton) return;
        // The release comes back here, wherever the mouse goes meanwhile.
        if (window != nullptr && ::GetCapture() != window) ::SetCapture(window);
        if (!FDroppedDownOnPress) SetDroppedDown(true);
        return;
    }
    if (window != nullptr && ::GetCapture() == window) ::ReleaseCapture();
    if (self && onButton && FDroppedDownOnPress && FDroppedDown) SetDroppedDown(false);
    FDroppedDownOnPress = false;
}

// ---- The combo with a string list

TovBarCustomCombo* TovBarComboControl::StringCombo() const {
    return dynamic_cast<TovBarCustomCombo*>(Item());
}

void TovBarComboControl::SetLocalItemIndex(int AValue) {
    if (FLocalItemIndex == AValue) return;
    FLocalItemIndex = AValue;
    FFocusing = true;
    UpdateText();
    FFocusing = false;
    if (!ShowsEditor()) Repaint();
}

void TovBarComboControl::UpdateText() {
    TovBarCustomCombo* combo = StringCombo();
    if (combo != nullptr && FLocalItemIndex >= 0 && FLocalItemIndex < combo->Items()->Count()) {
        SetText(combo->Items()->Strings(FLocalItemIndex));
        return;
    }
    TCustomovBarComboControl::UpdateText();
}

void TovBarComboControl::SetFocused(bool AValue) {
    if (AValue && !Focused())
        if (TovBarCustomCombo* combo = StringCombo()) FLocalItemIndex = combo->ItemIndex();
    TCustomovBarComboControl::SetFocused(AValue);
}

void TovBarComboControl::InnerWndProc(TMessage& AMessage) {
    TovBarCustomCombo* combo = StringCombo();
    if (combo == nullptr || combo->ReadOnly) {
        TCustomovBarComboControl::InnerWndProc(AMessage);
        return;
    }
    const int last = combo->Items()->Count() - 1;
    if (AMessage.Msg == WM_KEYDOWN) {
        const auto key = static_cast<WORD>(AMessage.WParam);
        const TShiftState shift = KeyDataToShiftState(AMessage.LParam);
        const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
        if (!IsDroppedDown() && plain && (key == VK_UP || key == VK_DOWN)) {
            if (key == VK_UP && FLocalItemIndex > 0) SetLocalItemIndex(FLocalItemIndex - 1);
            if (key == VK_DOWN && FLocalItemIndex < last) SetLocalItemIndex(FLocalItemIndex + 1);
            return;
        }
        if ((key == VK_RETURN || key == VK_TAB) && FLocalItemIndex >= 0 && FLocalItemIndex <= last) {
            TWeakLink<TovBarItemControl> self(this);
            if (GetText() == combo->Items()->Strings(FLocalItemIndex)) combo->SetItemIndex(FLocalItemIndex);
            if (!self || !InnerWindowVisible()) return;
        }
    }
    if (AMessage.Msg == WM_MOUSEWHEEL) {
        const bool down = static_cast<short>(HIWORD(AMessage.WParam)) < 0;
        HWND list = IsDroppedDown() ? combo->GetDropDownWindow() : nullptr;
        if (list != nullptr)
            ::SendMessage(list, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
        else if (down)
            SetLocalItemIndex(std::min(FLocalItemIndex + 1, last));
        else
            SetLocalItemIndex(std::max(FLocalItemIndex - 1, 0));
        return;
    }
    TCustomovBarComboControl::InnerWndProc(AMessage);
}
