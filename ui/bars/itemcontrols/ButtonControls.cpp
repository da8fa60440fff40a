#include "ui/bars/itemcontrols/ButtonControls.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarPainterInterfaces.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/PainterTypes.h"
#include "ui/painters/office11/Office11Colors.h"

#include <algorithm>

// ---- The drop-down timers of menus

namespace {

// One control waits on each timer at most.
struct TDropDownTimer {
    TovBarButtonLikeControl* Control = nullptr;
    UINT_PTR Id = 0;
};

TDropDownTimer OpenTimer;
TDropDownTimer CloseTimer;

void Kill(TDropDownTimer& ATimer) {
    ovBarKillTimer(nullptr, ATimer.Id);
    ATimer.Id = 0;
    ATimer.Control = nullptr;
}

void OpenTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    TovBarButtonLikeControl* control = OpenTimer.Control;
    Kill(OpenTimer);
    if (control != nullptr) control->ControlActivate(true, true);
}

void CloseTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    TovBarButtonLikeControl* control = CloseTimer.Control;
    Kill(CloseTimer);
    if (control != nullptr) control->ControlInactivate(true);
}

void Start(TDropDownTimer& ATimer, TovBarButtonLikeControl* AControl, TIMERPROC AProc) {
    Kill(ATimer);
    ATimer.Control = AControl;
    ATimer.Id = SetTimer(nullptr, 0, TovBarButtonLikeControl::DropDownDelay, AProc);
}

} // namespace

TovBarButtonLikeControl* TovBarButtonLikeControl::PendingOpen() {
    return OpenTimer.Control;
}

TovBarButtonLikeControl* TovBarButtonLikeControl::PendingClose() {
    return CloseTimer.Control;
}

// ---- Button-like controls

TovBarButtonLikeControl::~TovBarButtonLikeControl() {
    CancelTimers();
}

void TovBarButtonLikeControl::CloseSubMenuOnDestroy() {
    FIsActive = false;
    if (TCustomovBarControl* subMenu = GetSubMenuControl(); subMenu != nullptr && !subMenu->IsDestroying())
        subMenu->CloseUp(bcrOther);
}

void TovBarButtonLikeControl::CancelTimers() {
    if (OpenTimer.Control == this) Kill(OpenTimer);
    if (CloseTimer.Control == this) Kill(CloseTimer);
}

bool TovBarButtonLikeControl::InToolbar() const {
    return dynamic_cast<TovBarControl*>(ParentBar()) != nullptr;
}

bool TovBarButtonLikeControl::IsMenuOpen() const {
    return IsDroppedDown();
}

int TovBarButtonLikeControl::GetArrowWidth() const {
    if (ParentSubMenu() != nullptr) return ParentBar()->GetMenuArrowWidth();
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->GetButtonArrowWidth(GetBarManager()) : 0;
}

bool TovBarButtonLikeControl::CanBeActivated() const {
    TovBarManager* manager = GetBarManager();
    return GetEnabled() || (manager != nullptr && manager->IsDesigning());
}

void TovBarButtonLikeControl::DropDown(bool AByMouse) {
    if (ParentBar() != nullptr) ParentBar()->SetMouseDownState(true);
}

bool TovBarButtonLikeControl::KeepTextColorWhenSelected() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr && painter->KeepTextColorWhenSelected(DrawParams());
}

bool TovBarButtonLikeControl::IsTextSelected() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr && painter->IsButtonTextSelected(const_cast<TovBarButtonLikeControl*>(this));
}

void TovBarButtonLikeControl::DoCloseUp(bool AHasSubMenu) {
    CancelTimers();
    if (AHasSubMenu)
        if (TCustomovBarControl* subMenu = GetSubMenuControl()) subMenu->CloseUp(bcrOther);
    Repaint();
}

bool TovBarButtonLikeControl::FadingPossible() {
    TovBarPainter* painter = GetPainter();
    return ParentBar() != nullptr && ParentBar()->AllowFading() && GetFader() != nullptr &&
           painter != nullptr && painter->IsFadingAvailable();
}

bool TovBarButtonLikeControl::FadingAllowed() {
    return FadingPossible() && !IsMenuOpen();
}

void TovBarButtonLikeControl::PrepareFadingImages(TuiBitmap32*& AHotImage, TuiBitmap32*& ANormalImage) {
    AHotImage = nullptr;
    ANormalImage = nullptr;
    auto* fading = dynamic_cast<IovBarFadingPainter*>(GetPainter());
    if (fading == nullptr || GetPaintType() == iptMenu) return;
    const TRect bounds = GetBoundsRect();
    TovBarItemControlDrawParams& params = *DrawParams();
    const bool wasSelected = params.DrawSelected;
    const int wasHotPart = params.HotPartIndex;
    auto draw = [&](bool ASelected) {
        auto* image = new TuiBitmap32(uiWidthOfRect(bounds), uiHeightOfRect(bounds), true);
        params.DrawSelected = ASelected;
        params.HotPartIndex = ASelected ? wasHotPart : ovNoHotPart;
        TuiCanvas* canvas = image->GetuiCanvas();
        const TPoint origin = canvas->GetWindowOrg();
        canvas->SetWindowOrg(TPoint{bounds.left, bounds.top});
        fading->DrawItemControlFadeImage(this, canvas, bounds);
        canvas->SetWindowOrg(origin);
        if (fading->FadingImagesNeedOpaque()) image->MakeOpaque();
        return image;
    };
    ANormalImage = draw(false);
    AHotImage = draw(true);
    params.DrawSelected = wasSelected;
    params.HotPartIndex = wasHotPart;
}

bool TovBarButtonLikeControl::IsFadingSelected() {
    if (auto* skinned = dynamic_cast<IovBarSkinnedPainter*>(GetPainter())) {
        const int state = skinned->ItemControlSkinState(this);
        return state == 2 || state == 3 || state == 7;
    }
    return TovBarItemControl::IsFadingSelected();
}

void TovBarButtonLikeControl::ControlActivate(bool AImmediately, bool AByMouse) {
    if (IsMenuOpen()) {
        CancelTimers();
        return;
    }
    TovBarItemControl::ControlActivate(AImmediately, AByMouse);
    if (!IsDropDown() || !CanBeActivated()) return;
    TCustomovBarControl* parent = ParentBar();
    const bool customizing = parent != nullptr && parent->IsCustomizing();
    const bool toolbar = InToolbar();
    const bool atOnce = toolbar ? customizing || (parent != nullptr && parent->MouseDownState())
                                : AImmediately || customizing;
    if (atOnce) {
        if (TovBarButtonLikeControl* closing = CloseTimer.Control) {
            Kill(CloseTimer);
            TWeakLink<TovBarButtonLikeControl> self(this);
            closing->ControlInactivate(true);
            if (!self) return;
        }
        DoDropDown(AByMouse);
        return;
    }
    if (toolbar) return;
    if (CloseTimer.Control == this) Kill(CloseTimer);
    Start(OpenTimer, this, &OpenTimerProc);
}

void TovBarButtonLikeControl::ControlInactivate(bool AImmediately) {
    TCustomovBarControl* parent = ParentBar();
    TovBarManager* manager = GetBarManager();
    const bool atOnce = parent == nullptr || InToolbar() || AImmediately || parent->IsDestroying() ||
                        (manager != nullptr && manager->IsCustomizingOrDesigning());
    if (atOnce) {
        TovBarItemControl::ControlInactivate(AImmediately);
        DoCloseUp(GetSubMenuControl() != nullptr);
        return;
    }
    if (OpenTimer.Control == this) Kill(OpenTimer);
    if (IsMenuOpen())
        Start(CloseTimer, this, &CloseTimerProc);
    else
        TovBarItemControl::ControlInactivate(AImmediately);
}

void TovBarButtonLikeControl::ControlMouseUp(bool AByMouse) {
    TCustomovBarControl* parent = ParentBar();
    if (!AByMouse) {
        TovBarItemControl::ControlMouseUp(AByMouse);
        return;
    }
    if (parent != nullptr && parent->MouseDownState() && IsMenuOpen()) parent->BarLostFocus();
}

bool TovBarButtonLikeControl::IsDropDownKey(WORD AKey) const {
    if (!IsDropDown()) return false;
    if (ParentSubMenu() != nullptr) return AKey == VK_RIGHT;
    return InToolbar() && (AKey == VK_UP || AKey == VK_DOWN);
}

void TovBarButtonLikeControl::KeyDown(WORD& AKey, TShiftState AShift) {
    if (IsDropDownKey(AKey)) DropDown(false);
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarButtonLikeControl::CreateDrawParams() {
    return std::make_unique<TovBarButtonLikeControlDrawParams>(this);
}

void TovBarButtonLikeControl::CalcDrawParams(bool AFull) {
    TovBarItemControl::CalcDrawParams(AFull);
    auto& params = static_cast<TovBarButtonLikeControlDrawParams&>(*DrawParams());
    if (AFull) {
        params.ButtonGroupPlace = ViewInfo() != nullptr ? ViewInfo()->ButtonGroupPlace() : bgpNoGroup;
        params.IsTextSelected = IsTextSelected();
        params.KeepTextColorWhenSelected = KeepTextColorWhenSelected();
    }
    params.ArrowSize = TSize{GetArrowWidth(), ParentBar() != nullptr ? ParentBar()->GetMenuArrowHeight() : 0};
}

void TovBarButtonLikeControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    if (TovBarPainter* painter = GetPainter()) painter->DrawButton(DrawParams(), R);
}

namespace {

TovBarGlyphLayout LargeLayoutOf(const TovBarItemControl* AControl) {
    auto* item = dynamic_cast<TovBarLargeButton*>(AControl->Item());
    return item != nullptr && AControl->DrawParams()->ViewSize() == ivsLarge ? item->GlyphLayout() : glLeft;
}

} // namespace

int TovBarButtonLikeControl::GetLargeWidth() const {
    TSize glyph{};
    GetGlyphSize(ivsLarge, false, glyph);
    int width = glyph.cx;
    if (DrawParams()->ViewStructure.Contains(ivpCaption)) {
        const int caption = GetCaptionWidth();
        const TovBarGlyphLayout layout = LargeLayoutOf(this);
        width =
            layout == glTop || layout == glBottom ? std::max(glyph.cx, caption + 6) : glyph.cx + caption + 6;
    }
    TovBarPainter* painter = GetPainter();
    return width + (painter != nullptr ? painter->GetLargeButtonWidthIndent() : 0);
}

int TovBarButtonLikeControl::GetLargeHeight() const {
    TSize glyph{};
    GetGlyphSize(ivsLarge, false, glyph);
    int height = glyph.cy;
    if (DrawParams()->ViewStructure.Contains(ivpCaption)) {
        TuiCanvas* canvas = GetCanvas();
        const int text = canvas != nullptr ? canvas->TextHeight("Zq") : 0;
        const TovBarGlyphLayout layout = LargeLayoutOf(this);
        height = layout == glLeft || layout == glRight ? std::max(glyph.cy, text) : glyph.cy + text + 1;
    }
    TovBarPainter* painter = GetPainter();
    return height + (painter != nullptr ? painter->GetLargeButtonHeightIndent() : 0);
}

// ---- The button control

TovBarButtonControl::~TovBarButtonControl() {
    CloseSubMenuOnDestroy();
}

TovBarButton* TovBarButtonControl::ButtonItem() const {
    return dynamic_cast<TovBarButton*>(Item());
}

int TovBarButtonControl::GetDropDownKind() const {
    TovBarButton* button = ButtonItem();
    if (button == nullptr ||
        (button->ButtonStyle() != bsDropDown && button->ButtonStyle() != bsCheckedDropDown))
        return 0;
    if (ovTouchModeOn() && GetViewSize() == ivsSmall && GetPaintType() != iptMenu) return 1;
    return 2;
}

TovBarPaintStyle TovBarButtonControl::GetPaintStyle() const {
    TovBarPaintStyle style = ItemLink() != nullptr ? ItemLink()->EffectivePaintStyle() : psStandard;
    if (style == psStandard && InToolbar()) AdjustPaintStyle(style);
    return style;
}

void TovBarButtonControl::AdjustPaintStyle(TovBarPaintStyle& AStyle) const {
    if (AStyle == psStandard && !HasGlyph(GetViewSize())) AStyle = psCaption;
}

bool TovBarButtonControl::IsPressedNow() const {
    TCustomovBarControl* parent = ParentBar();
    if (IsSelected() && parent != nullptr && parent->IsActive() && HotPartIndex() == 0 && IsMouseDownInside())
        return true;
    TovBarButton* button = ButtonItem();
    if (Pressed() && !(button != nullptr && button->Checkable())) return true;
    return GetDropDownKind() == 1 && IsMenuOpen();
}

void TovBarButtonControl::PaintStyleChanged() {
    if (ParentBar() != nullptr) ParentBar()->Rebuild();
}

void TovBarButtonControl::ControlMouseDown(bool AByMouse) {
    TCustomovBarControl* parent = ParentBar();
    if (InToolbar() && (parent == nullptr || !parent->MouseDownState())) return;
    const int kind = GetDropDownKind();
    if (IsMouseDownInside() && (kind == 1 || (kind == 2 && HotPartIndex() == 1)))
        DropDown(AByMouse);
    else if (InToolbar() || kind != 0)
        Repaint();
}

void TovBarButtonControl::ControlClick(bool AByMouse) {
    if (GetDropDownKind() == 1) return;
    if (AByMouse && HotPartIndex() != 0) return;
    TovBarButton* button = ButtonItem();
    if (button != nullptr && button->Checkable()) button->SetDown(!button->Down());
    TWeakLink<TovBarItemControl> self(this);
    ControlInactivate(true);
    if (self) TovBarButtonLikeControl::ControlClick(AByMouse);
}

void TovBarButtonControl::ControlMouseUp(bool AByMouse) {
    TCustomovBarControl* parent = ParentBar();
    if (AByMouse && parent != nullptr && parent->MouseDownState() && IsMenuOpen() && HotPartIndex() == 0 &&
        GetDropDownKind() != 1) {
        if (parent->GetBehaviorOptions().Contains(bboLoseFocusBeforeClick)) parent->BarLostFocus();
        parent->BarGetFocus(this);
        return;
    }
    TovBarButtonLikeControl::ControlMouseUp(AByMouse);
}

bool TovBarButtonControl::IsSelected() const {
    TCustomovBarControl* parent = ParentBar();
    return ((parent == nullptr || !parent->IsCustomizing()) && TovBarButtonLikeControl::IsSelected()) ||
           Pressed();
}

TovBarItemViewStructure TovBarButtonControl::GetViewStructure() const {
    if (ViewInfo() != nullptr && ViewInfo()->ViewLevel() == ivlSmallIcon)
        return TovBarItemViewStructure{ivpGlyph};
    return TovBarButtonLikeControl::GetViewStructure();
}

TovBarItemViewStructure TovBarButtonControl::GetDefaultViewStructure() const {
    const bool menu = GetPaintType() == iptMenu;
    switch (GetPaintStyle()) {
    case psStandard:
        if (menu) return TovBarItemViewStructure{ivpGlyph, ivpCaption};
        return HasGlyph(GetViewSize()) ? TovBarItemViewStructure{ivpGlyph}
                                       : TovBarItemViewStructure{ivpCaption};
    case psCaption:
        return TovBarItemViewStructure{ivpCaption};
    case psCaptionInMenu:
        return menu ? TovBarItemViewStructure{ivpCaption} : TovBarItemViewStructure{ivpGlyph};
    case psCaptionGlyph:
        return TovBarItemViewStructure{ivpGlyph, ivpCaption};
    }
    return {};
}

int TovBarButtonControl::GetPartCount() const {
    return DrawParams()->IsDropDown ? 2 : 1;
}

void TovBarButtonControl::CalcDrawParams(bool AFull) {
    TovBarButtonLikeControl::CalcDrawParams(AFull);
    if (!AFull) return;
    auto& params = static_cast<TovBarButtonLikeControlDrawParams&>(*DrawParams());
    TovBarButton* button = ButtonItem();
    const TShortCut shortCut = GetShortCut();
    params.ShortCut = shortCut != 0 ? ShortCutToText(shortCut) : std::string();
    params.IsPressed = IsPressedNow();
    params.Down = button != nullptr && button->Down();
    params.DropDownPressed = params.IsPressed;
    params.DroppedDown = FDroppedDown;
    TovBarPainter* painter = GetPainter();
    params.ShowDroppedDown = painter != nullptr && painter->IsDropDownFlat() && IsDroppedDown();
    params.DropDownEnabled = button == nullptr || button->DropDownEnabled;
    params.Split = GetDropDownKind() != 1;
    params.UseGrayScaleGlyph = UseGrayScaleGlyph();
    params.Lowered = button != nullptr && button->Lowered;
}

void TovBarButtonControl::CalcParts() {
    TovBarButtonLikeControl::CalcParts();
    if (TovBarPainter* painter = GetPainter()) painter->ButtonCalcParts(DrawParams(), PartsRef());
}

int TovBarButtonControl::GetHeight() const {
    int height = TovBarButtonLikeControl::GetHeight();
    TovBarButton* button = ButtonItem();
    TovBarPainter* painter = GetPainter();
    if (button != nullptr && button->Lowered && painter != nullptr)
        height += 2 * painter->GetLoweredBorderWidth(const_cast<TovBarButtonControl*>(this));
    const auto& params = static_cast<const TovBarButtonLikeControlDrawParams&>(*DrawParams());
    return height + params.Margins.top + params.Margins.bottom;
}

int TovBarButtonControl::GetWidth() const {
    int width = TovBarButtonLikeControl::GetWidth();
    TovBarPainter* painter = GetPainter();
    if (painter != nullptr) painter->AdjustButtonContentLeft(DrawParams(), width);
    TovBarButton* button = ButtonItem();
    if (button != nullptr && button->Lowered && painter != nullptr)
        width += 2 * painter->GetLoweredBorderWidth(const_cast<TovBarButtonControl*>(this));
    const auto& params = static_cast<const TovBarButtonLikeControlDrawParams&>(*DrawParams());
    return width + params.Margins.left + params.Margins.right;
}

int TovBarButtonControl::GetSmallHeight() const {
    int height = TovBarButtonLikeControl::GetSmallHeight();
    if (DrawParams()->ViewStructure.Contains(ivpCaption))
        height = std::max(height, IsVertical() ? DrawParams()->GlyphSize.cx : DrawParams()->GlyphSize.cy);
    return height;
}

bool TovBarButtonControl::CloseMenusOnClick() const {
    if (InToolbar()) return true;
    TovBarButton* button = ButtonItem();
    return button == nullptr || button->CloseSubMenuOnClick;
}

bool TovBarButtonControl::NeedsMouseCapture() const {
    TCustomovBarControl* parent = ParentBar();
    return !IsMenuOpen() && parent != nullptr && parent->Kind() == bckQuickCustomization;
}

bool TovBarButtonControl::IsDroppedDown() const {
    return FDroppedDown && GetSubMenuControl() != nullptr;
}

void TovBarButtonControl::DropDown(bool AByMouse) {
    TovBarButtonLikeControl::DropDown(AByMouse);
    ControlActivate(true, AByMouse);
}

TCustomovBarControl* TovBarButtonControl::GetSubMenuControl() const {
    TovBarButton* button = ButtonItem();
    if (button == nullptr || button->DropDownMenu == nullptr) return nullptr;
    return dynamic_cast<TCustomovBarControl*>(button->DropDownMenu->OpenBarControl());
}

bool TovBarButtonControl::KeepTextColorWhenSelected() const {
    return !IsTextSelected() || TovBarButtonLikeControl::KeepTextColorWhenSelected();
}

bool TovBarButtonControl::IsTextSelected() const {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || !painter->IsFlatStyle()) return false;
    const bool pressed = IsPressedNow();
    TovBarButton* button = ButtonItem();
    const bool down = button != nullptr && button->Down();
    const bool selected = IsSelected();
    if ((pressed || (down && selected)) && painter->AllowTextSelection()) return true;
    if ((pressed || down || selected) &&
        ((HighContrastIsWhite() && !IsMenuOpen()) || TovBarButtonLikeControl::IsTextSelected()))
        return true;
    return false;
}

void TovBarButtonControl::DoCloseUp(bool AHasSubMenu) {
    FDroppedDown = false;
    TovBarButtonLikeControl::DoCloseUp(AHasSubMenu);
}

void TovBarButtonControl::DoDropDown(bool AByMouse) {
    TovBarButton* button = ButtonItem();
    if (FDroppedDown || !GetEnabled() || button == nullptr || !button->DropDownEnabled ||
        button->DropDownMenu == nullptr)
        return;
    FDroppedDown = true;
    TCustomovBarControl* parent = ParentBar();
    if (parent != nullptr) parent->AfterSelectItemControl(this);
    Repaint();
    const TRect r = GetBoundsRect();
    TPoint p{r.left, r.bottom};
    if (TovBarSubMenuControl* menu = ParentSubMenu())
        p = TPoint{r.right, r.top - menu->GetTopOffset()};
    else if (parent != nullptr && parent->IsDockedVertically())
        p = TPoint{r.right, r.top};
    if (parent != nullptr) p = parent->ClientToScreenPoint(p);
    TWeakLink<TovBarItemControl> self(this);
    button->DropDownMenu->PopupFromControl(p, this);
    if (!self) return;
    TovBarPainter* painter = GetPainter();
    if (painter != nullptr && painter->IsDropDownFlat()) Repaint();
}
