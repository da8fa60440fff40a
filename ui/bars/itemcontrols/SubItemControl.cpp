#include "ui/bars/itemcontrols/SubItemControl.h"

#include "platform/rtl/WeakLink.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Colors.h"

TovBarSubItemControl::~TovBarSubItemControl() {
    // No close animation of a half-open state.
    CloseSubMenuOnDestroy();
}

TCustomovBarSubItem* TovBarSubItemControl::SubItem() const {
    return dynamic_cast<TCustomovBarSubItem*>(Item());
}

TCustomovBarControl* TovBarSubItemControl::GetSubMenuControl() const {
    TCustomovBarSubItem* item = SubItem();
    if (item == nullptr || item->ItemLinks() == nullptr) return nullptr;
    return dynamic_cast<TCustomovBarControl*>(item->ItemLinks()->BarControl());
}

bool TovBarSubItemControl::IsDroppedDown() const {
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(GetSubMenuControl());
    return menu != nullptr && IsActive() && menu->GetOwnerItemControl() == this;
}

void TovBarSubItemControl::CalcDrawParams(bool AFull) {
    TovBarButtonLikeControl::CalcDrawParams(AFull);
    if (!AFull) return;
    auto& params = static_cast<TovBarButtonLikeControlDrawParams&>(*DrawParams());
    const bool dropped = IsDroppedDown();
    params.IsPressed = dropped && HotPartIndex() != ovNoHotPart && IsMouseDownInside();
    params.DropDownPressed = dropped;
    params.DroppedDown = dropped;
    params.IsMainMenuItem = IsMainMenuItem();
}

void TovBarSubItemControl::ControlActivate(bool AImmediately, bool AByMouse) {
    if (CanOpenSubMenu()) TovBarButtonLikeControl::ControlActivate(AImmediately, AByMouse);
}

void TovBarSubItemControl::ControlInactivate(bool AImmediately) {
    if (CanOpenSubMenu()) TovBarButtonLikeControl::ControlInactivate(AImmediately);
}

void TovBarSubItemControl::ControlMouseDown(bool AByMouse) {
    TCustomovBarControl* parent = ParentBar();
    TovBarManager* manager = GetBarManager();
    if (IsDroppedDown()) {
        // With the Standard style a press on an open menu title closes it; the other styles keep it open.
        if ((parent != nullptr && parent->IsCustomizing()) ||
            (manager != nullptr && manager->GetEffectiveStyle() == bmsStandard))
            ControlInactivate(true);
        return;
    }
    TWeakLink<TovBarItemControl> self(this);
    ControlActivate(true, AByMouse);
    if (!self || AByMouse) return;
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(GetSubMenuControl());
    if (menu != nullptr && menu->SelectsFirstLinkFromKeyboard()) menu->SelectFirstSelectableLink();
}

void TovBarSubItemControl::DropDown(bool AByMouse) {
    TovBarButtonLikeControl::DropDown(AByMouse);
    Click(AByMouse, 0);
}

bool TovBarSubItemControl::KeepTextColorWhenSelected() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr && painter->IsFlatStyle() && !HighContrastIsWhite();
}

bool TovBarSubItemControl::IsTextSelected() const {
    if (!IsSelected()) return false;
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr) return false;
    const bool flatOnWhite = painter->IsFlatStyle() && HighContrastIsWhite();
    if (painter->IsSelectedWithoutPressShift(const_cast<TovBarSubItemControl*>(this)) && !flatOnWhite)
        return true;
    if (flatOnWhite && !IsDroppedDown()) return true;
    return TovBarButtonLikeControl::IsTextSelected();
}

int TovBarSubItemControl::GetCaptionAreaWidth() const {
    int width = TovBarButtonLikeControl::GetCaptionAreaWidth();
    if (TovBarPainter* painter = GetPainter()) painter->AdjustButtonContentLeft(DrawParams(), width);
    return width;
}

int TovBarSubItemControl::GetTextIndent() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->GetSubItemArrowIndent(DrawParams()) : 0;
}

bool TovBarSubItemControl::IsMainMenuItem() const {
    return ParentBar() != nullptr && ParentBar()->IsMainMenu();
}

bool TovBarSubItemControl::IsDropDownKey(WORD AKey) const {
    return TovBarButtonLikeControl::IsDropDownKey(AKey) || AKey == VK_RETURN;
}

TovBarItemViewLevels TovBarSubItemControl::GetPossibleViewLevels() const {
    return TovBarButtonLikeControl::GetPossibleViewLevels() + ivlLargeIconWithText;
}

TovBarItemViewStructure TovBarSubItemControl::GetDefaultViewStructure() const {
    TovBarItemViewStructure structure;
    TovBarItem* item = Item();
    if ((item != nullptr && item->ShowCaption()) || GetPaintType() == iptMenu) structure += ivpCaption;
    // A sub-item with neither caption nor glyph still reserves its glyph part.
    if (HasGlyph(GetViewSize()) || structure.empty()) structure += ivpGlyph;
    return structure;
}

bool TovBarSubItemControl::WantsDblClick() const {
    TovBarManager* manager = GetBarManager();
    return !(manager != nullptr && manager->IsDesigning()) && TovBarButtonLikeControl::WantsDblClick();
}

void TovBarSubItemControl::DoCloseUp(bool AHasSubMenu) {
    const bool wasOpen = AHasSubMenu && IsDroppedDown();
    TovBarButtonLikeControl::DoCloseUp(AHasSubMenu);
    if (wasOpen)
        if (TCustomovBarSubItem* item = SubItem()) item->OnCloseUp(item);
}

void TovBarSubItemControl::CreateSubMenuControl() {
    if (TCustomovBarSubItem* item = SubItem())
        if (item->ItemLinks() != nullptr) item->ItemLinks()->ConnectBarControl();
}

void TovBarSubItemControl::InitSubMenuControl() {
    CreateSubMenuControl();
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(GetSubMenuControl());
    if (menu == nullptr) return;
    menu->SetOwnerItemControl(this);
    if (IsSubMenuJoined() && IsDroppedDown() && ParentBar() != nullptr) {
        menu->SetOwnerRect(ParentBar()->GetItemControlRect(this));
        menu->SetOwnerBar(ParentBar());
    }
}

void TovBarSubItemControl::GetSubMenuPosition(TPoint& P, int& AOwnerWidth, int& AOwnerHeight) {
    const TRect r = GetBoundsRect();
    AOwnerWidth = 0;
    AOwnerHeight = 0;
    TCustomovBarControl* parent = ParentBar();
    if (TovBarSubMenuControl* menu = ParentSubMenu()) {
        P = TPoint{r.right, r.top - menu->GetTopOffset()};
        AOwnerWidth = uiWidthOfRect(r);
    } else if (parent != nullptr && parent->IsDockedVertically()) {
        P = TPoint{r.right, r.top};
        AOwnerWidth = uiWidthOfRect(r);
    } else {
        P = TPoint{r.left, r.bottom};
        AOwnerHeight = uiHeightOfRect(r);
    }
    if (parent != nullptr) P = parent->ClientToScreenPoint(P);
}

void TovBarSubItemControl::DoDropDown(bool AByMouse) {
    TCustomovBarSubItem* item = SubItem();
    if (item == nullptr) return;
    TWeakLink<TovBarItemControl> self(this);
    item->OnPopup(item);
    if (!self) return;
    item->OnClick()(item);
    if (!self) return;
    InitSubMenuControl();
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(GetSubMenuControl());
    if (menu == nullptr) return;
    TPoint p{};
    int ownerWidth = 0, ownerHeight = 0;
    GetSubMenuPosition(p, ownerWidth, ownerHeight);
    menu->SetOwnerSize(ownerWidth, ownerHeight);
    menu->MoveTo(p);
    TCustomovBarControl* parent = ParentBar();
    if (parent != nullptr) parent->SetChildBar(menu);
    if (ParentSubMenu() == nullptr) Repaint();
    menu->SetShowAnimation(ShowAnimation());
    SetShowAnimation(false);
    menu->Show();
    if (self) Repaint();
}
