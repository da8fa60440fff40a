#include "ui/bars/navigation/BarAccessibilityHelper.h"

#include "platform/win/WinKeys.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/navigation/BarNavigationController.h"
#include "ui/core/base/CoreServices.h"

void TovBarHelperRef::Reset(TovBarAccessibilityHelper* AHelper) {
    if (AHelper == FHelper) return;
    if (AHelper != nullptr) AHelper->AddRef();
    TovBarAccessibilityHelper* previous = FHelper;
    FHelper = AHelper;
    if (previous != nullptr) previous->Release();
}

int ovBarNavigationDirectionOfKey(WORD AKey, TShiftState AShift) {
    switch (AKey) {
    case VK_LEFT:
        return bndLeft;
    case VK_UP:
        return bndUp;
    case VK_RIGHT:
        return bndRight;
    case VK_DOWN:
        return bndDown;
    default:
        return AShift.Contains(ssShift) ? bndLeft : bndRight;
    }
}

TovBarAccessibilityHelper::TovBarAccessibilityHelper(TObject* AOwnerObject)
    : TuiAccessibilityHelper(AOwnerObject), FOwnerLink(AOwnerObject) {}

void TovBarAccessibilityHelper::OwnerWasDestroyed() {
    TuiAccessibilityHelper::OwnerWasDestroyed();
    BarNavigationController()->ForgetObject(this);
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::BarParent() {
    return dynamic_cast<TovBarAccessibilityHelper*>(GetParent());
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::BarChild(int AIndex) {
    return dynamic_cast<TovBarAccessibilityHelper*>(ChildHelperAt(AIndex));
}

bool TovBarAccessibilityHelper::SupportsKeyTips(IovBarKeyTipWindowsManager*& AManager) {
    AManager = nullptr;
    if (TovBarAccessibilityHelper* parent = KeyTipParent()) return parent->SupportsKeyTips(AManager);
    return false;
}

TovBarManager* TovBarAccessibilityHelper::OwningBarManager() {
    throw EovException("");
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::GetFirstAccessibleObject() {
    throw EovException("");
}

TRect TovBarAccessibilityHelper::ScreenBounds() {
    TRect R{0, 0, 0, 0};
    if (IsOwnerAlive() && GetVisible()) BoundsOnScreen(0, R);
    return R;
}

bool TovBarAccessibilityHelper::PassesDirectionTest(const TRect& S, const TRect& B, int ADirection) {
    switch (ADirection) {
    case bndUp:
    case bndDown:
    case bndPrevious:
    case bndNext:
        if (!(S.left < B.right && B.left < S.right)) return false;
        break;
    default:
        if (!(S.top < B.bottom && B.top < S.bottom)) return false;
    }
    switch (ADirection) {
    case bndUp:
        return B.bottom <= S.top;
    case bndDown:
        return B.top >= S.bottom;
    case bndLeft:
    case bndRight:
        return !(B.left == S.left && B.right == S.right);
    default:
        return true;
    }
}

void TovBarAccessibilityHelper::CollectNavigationCandidates(TovBarAccessibilityHelper* AFrom,
                                                            TovBarAccessibilityHelper* ASource,
                                                            const TRect& ABounds, int ADirection,
                                                            std::vector<TovBarAccessibilityHelper*>& AHelpers,
                                                            std::vector<RECT>& ABoundsList) {
    for (int i = 0; i < AFrom->GetChildCount(); ++i) {
        TovBarAccessibilityHelper* child = AFrom->BarChild(i);
        if (child == nullptr || !child->IsOwnerAlive() || !child->GetVisible()) continue;
        if (child != ASource && child->IsSelectableObject()) {
            const TRect B = child->ScreenBounds();
            if (PassesDirectionTest(ABounds, B, ADirection)) {
                AHelpers.push_back(child);
                ABoundsList.push_back(B);
            }
        }
        CollectNavigationCandidates(child, ASource, ABounds, ADirection, AHelpers, ABoundsList);
    }
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::NearestCandidate(
    const TRect& ABounds, const std::vector<TovBarAccessibilityHelper*>& AHelpers,
    const std::vector<RECT>& ABoundsList, int ADirection, bool AWrap) {
    const int index = GetNearestAccessibleObjectInDirection(ABounds, ABoundsList, ADirection, AWrap);
    return index >= 0 ? AHelpers[index] : nullptr;
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::GetNextAccessibleObject(int ADirection) {
    if (!IsOwnerAlive()) return nullptr;
    const TRect S = ScreenBounds();
    std::vector<TovBarAccessibilityHelper*> helpers;
    std::vector<RECT> bounds;
    CollectNavigationCandidates(BarRootHelper(), this, S, ADirection, helpers, bounds);
    // Measured from the object the user sees selected (this one, unless a bar's own selection differs).
    TRect from = S;
    TovBarAccessibilityHelper* selected = BarNavigationController()->GetSelectedObject();
    if (selected != nullptr && selected != this && selected->IsOwnerAlive()) from = selected->ScreenBounds();
    return NearestCandidate(from, helpers, bounds, ADirection, true);
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::BarRootHelper() {
    TovBarAccessibilityHelper* result = this;
    while (TovBarAccessibilityHelper* parent = result->BarParent())
        result = parent;
    return result;
}

bool TovBarAccessibilityHelper::IsCurrentSelection() {
    return BarNavigationController()->GetSelectedObject() == this;
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::GetNextLogicalObject(TShiftState AShift) {
    TovBarAccessibilityHelper* parent = BarParent();
    if (parent == nullptr) return nullptr;
    return parent->GetNextLogicalChild(parent->LogicalChildIndexOf(this), AShift);
}

void TovBarAccessibilityHelper::Select(bool ASetFocus) {
    BarNavigationController()->SetSelectedObject(this, BarParent());
}

void TovBarAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANextSelectedObject) {
    BarNavigationController()->SetSelectedObject(nullptr, nullptr);
}

std::string TovBarAccessibilityHelper::ComposeKeyTip() {
    std::string result = GetUserKeyTip();
    if (result.empty()) result = GetAutoKeyTip();
    if (result.size() > 3) result.resize(3);
    return result;
}

void TovBarAccessibilityHelper::GetKeyTipInfo(TovBarKeyTipInfo& AInfo) {
    AInfo = TovBarKeyTipInfo{};
    AInfo.KeyTip = ComposeKeyTip();
    AInfo.Visible = GetVisible();
    AInfo.OnExecute = TNotifyEvent(this, &TovBarAccessibilityHelper::ExecuteKeyTip);
}

void TovBarAccessibilityHelper::GetKeyTipData(TovBarKeyTipDataList& AList) {
    TovBarKeyTipInfo info;
    GetKeyTipInfo(info);
    AList.push_back(std::make_unique<TovBarKeyTipData>(info));
}

void TovBarAccessibilityHelper::GetChildrenKeyTipData(TovBarKeyTipDataList& AList) {
    if (!IsOwnerAlive() || !GetVisible()) return;
    for (int i = 0; i < GetChildCount(); ++i) {
        TovBarAccessibilityHelper* child = BarChild(i);
        if (child == nullptr || !child->IsOwnerAlive()) continue;
        if (child->IsSelectableObject())
            child->GetKeyTipData(AList);
        else
            child->GetChildrenKeyTipData(AList);
    }
}

void TovBarAccessibilityHelper::CollectKeyTipsData(TovBarKeyTipDataList& AList) {
    GetChildrenKeyTipData(AList);
    ovMakeKeyTipsUnique(AList);
}

TovBarAccessibilityHelper* ovKeyTipContainerParentOf(TovBarAccessibilityHelper* AHelper) {
    TovBarAccessibilityHelper* parent = AHelper != nullptr ? AHelper->KeyTipParent() : nullptr;
    while (parent != nullptr && !parent->ActsAsKeyTipContainer()) {
        TovBarAccessibilityHelper* next = parent->KeyTipParent();
        if (next == nullptr) break;
        parent = next;
    }
    return parent;
}

void TovBarAccessibilityHelper::EscapeFromKeyTips() {
    TovBarNavigationController* controller = BarNavigationController();
    if (TovBarAccessibilityHelper* container = ovKeyTipContainerParentOf(this)) {
        TovBarHelperRef self(this);
        controller->ShowKeyTips(container, {});
        controller->ChangeSelectedObject(true, this, nullptr);
    } else {
        controller->EndKeyboardHandling();
    }
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::GetNextLogicalChild(int AIndex, TShiftState AShift) {
    return GetNextSelectableSibling(AIndex, !AShift.Contains(ssShift));
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::FirstSelectableObject() {
    if (!IsOwnerAlive() || !GetVisible()) return nullptr;
    if (IsSelectableObject()) return this;
    return FirstSelectableDescendant(true);
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::FirstSelectableDescendant(bool AForward) {
    if (!IsOwnerAlive() || !GetVisible()) return nullptr;
    const int count = LogicalNavigationCount();
    for (int k = 0; k < count; ++k) {
        TovBarAccessibilityHelper* child = LogicalChildAt(AForward ? k : count - 1 - k);
        if (child == nullptr || !child->IsOwnerAlive() || !child->GetVisible()) continue;
        if (child->IsSelectableObject()) return child;
        if (TovBarAccessibilityHelper* found = child->FirstSelectableDescendant(AForward)) return found;
    }
    return nullptr;
}

TovBarAccessibilityHelper* TovBarAccessibilityHelper::GetNextSelectableSibling(int AIndex, bool AForward) {
    const int count = LogicalNavigationCount();
    for (int i = AIndex + (AForward ? 1 : -1); i >= 0 && i < count; i += AForward ? 1 : -1) {
        TovBarAccessibilityHelper* child = LogicalChildAt(i);
        if (child == nullptr || !child->IsOwnerAlive() || !child->GetVisible()) continue;
        if (child->IsSelectableObject()) return child;
        if (TovBarAccessibilityHelper* found = child->FirstSelectableDescendant(AForward)) return found;
    }
    if (TovBarAccessibilityHelper* parent = BarParent())
        return parent->GetNextSelectableSibling(parent->LogicalChildIndexOf(this), AForward);
    return FirstSelectableDescendant(AForward);
}
