#include "ui/ribbon/view/RibbonViewInfo.h"

#include "platform/gdi/GdiRegions.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonApplicationButtonViewInfo.h"
#include "ui/ribbon/view/RibbonContextsViewInfo.h"
#include "ui/ribbon/view/RibbonGroupsDockControlSite.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonTabsAreaButtons.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Skin parts: the groups area of a plain tab and of a context's tab, and the overlap of the tab row and
// the groups area.
constexpr int GroupsAreaPart = 1010;
constexpr int ContextGroupsAreaPart = 1011;
constexpr int TabsGroupsOverlapPart = 1013;
constexpr int QuickAccessToolbarBelowPart = 1002;
constexpr int DocumentNameColorPart = 10131;
// Below this the form is too small for a ribbon.
constexpr int MinFormWidth = 300;
constexpr int MinFormHeight = 250;
constexpr int DesignPlaceholderHeight = 24;

} // namespace

TovRibbonViewInfo* ovRibbonViewInfo(const TovCustomRibbon* ARibbon) {
    return ARibbon != nullptr ? dynamic_cast<TovRibbonViewInfo*>(ARibbon->ViewInfo()) : nullptr;
}

TovRibbonViewInfo::TovRibbonViewInfo(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {
    FContexts = std::make_unique<TovRibbonContextsViewInfo>(this);
    FTabs = std::make_unique<TovRibbonTabsViewInfo>(this);
    FApplicationButton = std::make_unique<TovRibbonApplicationButtonViewInfo>(this);
    FTabsAreaButtons = std::make_unique<TovRibbonTabsAreaButtonsViewInfo>(this);
}

TovRibbonViewInfo::~TovRibbonViewInfo() {
    FTabs.reset();
    FTabsAreaButtons.reset();
    FApplicationButton.reset();
    FContexts.reset();
    if (FNonClientElementsRegion != nullptr) DeleteObject(FNonClientElementsRegion);
}

TovRibbonGroupsDockControlSiteViewInfo* TovRibbonViewInfo::GetGroupsDockControlSiteViewInfo() const {
    auto* site = dynamic_cast<TovRibbonGroupsDockControlSite*>(FRibbon->GroupsDockControlSite());
    return site != nullptr ? site->ViewInfo() : nullptr;
}

TovRibbonPainter* TovRibbonViewInfo::GetPainter() const {
    return ovRibbonPainter(FRibbon);
}

TovCustomRibbonSkin* TovRibbonViewInfo::GetSkin() const {
    return FRibbon->Skin();
}

TuiCanvas* TovRibbonViewInfo::GetCanvas() const {
    return FRibbon->GetCanvas();
}

// ---- Calculation

void TovRibbonViewInfo::Calculate() {
    Bounds = GetBounds();
    UpdateNonClientDrawingFlags();
    FRibbon->Fonts()->UpdateFonts();
    FApplicationButton->CalculateBounds();
    const bool hidden = CalculateHidden();
    if (hidden == Hidden) {
        CalculateLayout();
        return;
    }
    Hidden = hidden;
    IovRibbonFormHost* form = FRibbon->GetRibbonForm();
    if (Hidden && form != nullptr && form->IsRibbonUIHiddenByAutoHide()) FRibbon->SetShowTabGroups(true);
    Calculate();
    if (Hidden) {
        if (TovRibbonTab* tab = FRibbon->ActiveTab()) tab->UpdateDockControl();
        if (SupportNonClientDrawing) FRibbon->RedrawFormFrame();
    }
}

void TovRibbonViewInfo::CalculateLayout() {
    FRibbon->DisableAlign();
    TovFinally enableAlign([this] { FRibbon->EnableAlign(); });
    FTabs->RecreateTabs();
    // The tab row starts below a quick access toolbar above the ribbon: its height is known first.
    QuickAccessToolbarSize = IsQuickAccessToolbarVisible() ? GetQuickAccessToolbarSize() : TSize{0, 0};
    CalculateGroupsArea();
    CalculateTabsAreaButtons();
    CalculateTabs();
    CalculateContexts();
    CalculateFormCaption();
    CalculateQuickAccessToolbar();
    FRibbon->UpdateHeight();
}

bool TovRibbonViewInfo::CalculateHidden() {
    if (FRibbon->IsDesigning()) return false;
    auto* form = dynamic_cast<TCustomForm*>(FRibbon->Parent());
    if (form != nullptr) {
        if (form->HandleAllocated() && IsIconic(form->Handle())) {
            const LONG_PTR style = GetWindowLongPtr(form->Handle(), GWL_STYLE);
            const LONG_PTR exStyle = GetWindowLongPtr(form->Handle(), GWL_EXSTYLE);
            if ((style & WS_CHILD) != 0 || (exStyle & WS_EX_APPWINDOW) == 0) return true;
        }
        if (form->Width() < MinFormWidth || form->Height() < MinFormHeight) return true;
    }
    IovRibbonFormHost* host = FRibbon->GetRibbonForm();
    return host != nullptr && host->IsAutoHideModeActive() && host->IsRibbonUIHiddenByAutoHide();
}

TRect TovRibbonViewInfo::GetBounds() {
    TRect own = FRibbon->GetClientBounds();
    auto* form = dynamic_cast<TForm*>(FRibbon->Parent());
    if (form == nullptr) return own;
    TRect r = form->ClientRect();
    if (form->FormStyle() == fsMDIChild && form->HandleAllocated() && IsIconic(form->Handle())) {
        RECT window{};
        GetWindowRect(form->Handle(), &window);
        r = uiMoveRectToZero(window);
    }
    r.bottom = own.bottom;
    return r;
}

void TovRibbonViewInfo::UpdateNonClientDrawingFlags() {
    IovRibbonFormHost* form = FRibbon->GetRibbonForm();
    SupportNonClientDrawing = FRibbon->SupportNonClientDrawing() && form != nullptr && FRibbon->Visible();
    FDrawsOnGlass = SupportNonClientDrawing && form->IsCaptionOnGlass();
}

int TovRibbonViewInfo::GetCaptionHeight() {
    return FRibbon->GetCaptionHeightWithQuickAccessToolbar();
}

int TovRibbonViewInfo::GetNonClientAreaHeight() {
    return SupportNonClientDrawing ? GetCaptionHeight() : 0;
}

int TovRibbonViewInfo::GetTopOffset() {
    if (SupportNonClientDrawing) return GetNonClientAreaHeight();
    if (IsQuickAccessToolbarVisible() && !IsQuickAccessToolbarBelow())
        return GetQuickAccessToolbarBounds().bottom;
    return 0;
}

// ---- What shows

bool TovRibbonViewInfo::CanShowElements(bool AIgnoreHidden) {
    return FRibbon->IsBarManagerValid() && (AIgnoreHidden || !Hidden);
}

bool TovRibbonViewInfo::IsTabsVisible(bool AIgnoreHidden) {
    return (AIgnoreHidden || !Hidden) && FRibbon->ShowTabHeaders();
}

bool TovRibbonViewInfo::IsTabGroupsPopupShowing() {
    return FRibbon->IsTabGroupsPopupVisible();
}

bool TovRibbonViewInfo::HasTabs() {
    return FTabs->TabCount() > 0;
}

bool TovRibbonViewInfo::IsTabGroupsVisible(bool AIgnoreHidden) {
    return CanShowElements(AIgnoreHidden) && (FRibbon->ShowTabGroups() || IsTabGroupsPopupShowing()) &&
           HasTabs();
}

bool TovRibbonViewInfo::IsQuickAccessToolbarVisible(bool AIgnoreHidden) {
    TovRibbonQuickAccessToolbar* toolbar = FRibbon->QuickAccessToolbar();
    return CanShowElements(AIgnoreHidden) && toolbar->Visible() && toolbar->Toolbar() != nullptr &&
           toolbar->Toolbar()->Visible();
}

bool TovRibbonViewInfo::IsQuickAccessToolbarBelow() {
    return FRibbon->QuickAccessToolbar()->Position() == qtpBelowRibbon;
}

bool TovRibbonViewInfo::IsQuickAccessToolbarInCaption() {
    return SupportNonClientDrawing && !IsQuickAccessToolbarBelow() && IsQuickAccessToolbarVisible();
}

bool TovRibbonViewInfo::IsQuickAccessToolbarOnGlass() {
    return FDrawsOnGlass && IsQuickAccessToolbarInCaption();
}

bool TovRibbonViewInfo::IsClassicApplicationButtonVisible() {
    return FApplicationButton->IsVisible() && FRibbon->Style() == rs2007;
}

bool TovRibbonViewInfo::AreContextsVisible() {
    return IsTabsVisible() && HasTabs() && FContexts->GetCount() > 0;
}

bool TovRibbonViewInfo::IsTabsAreaBottomLineVisible() {
    if (!IsTabsVisible()) return false;
    if (IsQuickAccessToolbarVisible() && IsQuickAccessToolbarBelow()) return false;
    if (IsTabGroupsVisible() && !IsTabGroupsPopupShowing()) return false;
    return !IsTabsOnGlass();
}

bool TovRibbonViewInfo::IsTabsOnGlass() {
    TovCustomRibbonSkin* skin = GetSkin();
    return FRibbon->EnableTabAero() && FDrawsOnGlass && skin != nullptr && skin->IsApplicationButtonTab();
}

bool TovRibbonViewInfo::IsActiveTabInContext() {
    TovRibbonTab* tab = FRibbon->ActiveTab();
    return tab != nullptr && tab->Context() != nullptr;
}

bool TovRibbonViewInfo::IsFormActive() {
    IovRibbonFormHost* form = FRibbon->GetRibbonForm();
    return SupportNonClientDrawing && form != nullptr && form->IsFormActive();
}

bool TovRibbonViewInfo::HasMDIButtons() {
    if (Hidden || !IsTabsVisible() || !FRibbon->IsBarManagerValid()) return false;
    IovBarMDISource* source = ovBarMDISource();
    HWND child = source->ActiveChild();
    return child != nullptr && source->IsMaximized(child) && source->HasSystemMenu(child);
}

bool TovRibbonViewInfo::IsFormIconVisible(bool AIsMDIChild) {
    if (Hidden) {
        IovRibbonFormHost* form = FRibbon->GetRibbonForm();
        return !(form != nullptr && form->IsAutoHideModeActive() && form->IsRibbonUIHiddenByAutoHide());
    }
    return AIsMDIChild || !FRibbon->ApplicationButton()->Visible() || FRibbon->Style() != rs2007;
}

// ---- Tab row

TRect TovRibbonViewInfo::GetTabContentMargins() {
    TRect margins{5, 7, 5, 4};
    TovRibbonTouchModeHelper* touch = FRibbon->TouchModeHelper();
    if (touch != nullptr && touch->IsActive()) touch->AdjustMargins(margins, MulDiv(9, uiCurrentDPI(), 96));
    return margins;
}

int TovRibbonViewInfo::GetTabsHeight() {
    if (!IsTabsVisible()) return 0;
    int height = uiMeasureTextHeight(FRibbon->Fonts()->TabHeader());
    if (FApplicationButton->HasText())
        height = std::max(height, uiMeasureTextHeight(FRibbon->Fonts()->ApplicationButton()));
    return height + uiVertMarginsSum(GetTabContentMargins());
}

TRect TovRibbonViewInfo::GetTabsAreaBounds() {
    const int top = Bounds.top + GetTopOffset();
    return TRect{Bounds.left, top, Bounds.right, top + GetTabsHeight()};
}

TRect TovRibbonViewInfo::GetTabsBounds() {
    TRect r = GetTabsAreaBounds();
    r.left = std::max<int>(FApplicationButton->Bounds.right, 8);
    r.right = FTabsAreaButtons->GetCount() == 0 ? r.right - 6 : FTabsAreaButtons->Bounds.left - 1;
    return r;
}

int TovRibbonViewInfo::GetScrollButtonWidth() {
    return std::abs(FRibbon->Fonts()->TabHeader()->Height()) + 2;
}

int TovRibbonViewInfo::GetLastTabRight() {
    return FTabs->TabCount() > 0 ? FTabs->GetTab(FTabs->TabCount() - 1)->Bounds.right : -1;
}

TovRibbonTab* TovRibbonViewInfo::GetTabAtPos(int X, int Y) {
    for (int i = 0; i < FTabs->TabCount(); ++i)
        if (uiIsXYInRect(FTabs->GetTab(i)->Bounds, X, Y)) return FTabs->GetTab(i)->Tab();
    return nullptr;
}

void TovRibbonViewInfo::CalculateTabsAreaButtons() {
    TRect r = Bounds;
    r.bottom = r.top + GetTabsHeight() - 2;
    FTabsAreaButtons->Calculate(uiShiftRectVert(r, GetTopOffset()));
}

void TovRibbonViewInfo::CalculateTabs() {
    if (IsTabsVisible() && HasTabs()) FTabs->Calculate(GetTabsBounds());
}

// ---- Groups area

TRect TovRibbonViewInfo::GetGroupsDockControlSiteMargins() {
    return FRibbon->GetContentOffsets(IsActiveTabInContext() ? ContextGroupsAreaPart : GroupsAreaPart);
}

TRect TovRibbonViewInfo::GetGroupsDockControlSiteContentOffsets() {
    TRect offsets = GetGroupsDockControlSiteMargins();
    if (FRibbon->Style() == rs2013)
        offsets.right += TovRibbonGroupsDockControlSiteViewInfo::MinimizeButtonSize(rs2013).cx + 2;
    return offsets;
}

int TovRibbonViewInfo::GetGroupsAreaHeight(bool AForce) {
    if (!AForce && !IsTabGroupsVisible()) return 0;
    return uiVertMarginsSum(GetGroupsDockControlSiteContentOffsets()) + FRibbon->GetGroupHeight();
}

TRect TovRibbonViewInfo::GetGroupsDockControlSiteBounds() {
    TRect r = Bounds;
    r.top += GetTopOffset() + GetTabsHeight();
    if (IsTabsVisible()) r.top -= FRibbon->GetPartSize(TabsGroupsOverlapPart);
    r.bottom = r.top + GetGroupsAreaHeight(false);
    return r;
}

TRect TovRibbonViewInfo::GetGroupsDockControlBounds() {
    return uiShrinkRectByMargins(uiMoveRectToZero(GetGroupsDockControlSiteBounds()),
                                 GetGroupsDockControlSiteContentOffsets());
}

void TovRibbonViewInfo::CalculateGroupsArea() {
    const bool popup = IsTabGroupsPopupShowing();
    const bool visible = IsTabGroupsVisible();
    if (!visible || popup) {
        GroupsDockControlSiteBounds = TRect{0, 0, 0, 0};
        GroupsDockControlBounds = TRect{0, 0, 0, 0};
    } else {
        GroupsDockControlSiteBounds = GetGroupsDockControlSiteBounds();
        GroupsDockControlBounds = GetGroupsDockControlBounds();
    }
    if (popup) return;
    TWinControl* site = FRibbon->GroupsDockControlSite();
    if (site != nullptr) site->SetBoundsRect(GroupsDockControlSiteBounds);
    if (visible) FTabs->UpdateTabsGroupsDockControls();
    // The scroll buttons follow the active groups row's overflow, known once it is laid out.
    if (auto* own = dynamic_cast<TovRibbonGroupsDockControlSite*>(site)) own->Recalculate();
}

int TovRibbonViewInfo::GetRibbonHeight() {
    int height;
    if (IsQuickAccessToolbarVisible() && IsQuickAccessToolbarBelow()) {
        height = QuickAccessToolbarBounds.bottom;
    } else if (!IsTabGroupsVisible() || IsTabGroupsPopupShowing()) {
        const int tabs = GetTabsHeight();
        height = tabs + GetTopOffset() + (IsTabsAreaBottomLineVisible() && tabs > 0 ? 1 : 0);
    } else {
        height = GetGroupsDockControlSiteBounds().bottom;
    }
    DrawEmptyRibbon = height < 8 && FRibbon->IsDesigning();
    return DrawEmptyRibbon ? DesignPlaceholderHeight : height;
}

// ---- Contexts

int TovRibbonViewInfo::GetContextCaptionWidth(const std::string& ACaption) {
    if (!SupportNonClientDrawing) return 0;
    return uiMeasureTextWidth(FRibbon->Fonts()->GetContextFont(clDefault), ACaption) +
           (FDrawsOnGlass ? 20 : 16);
}

void TovRibbonViewInfo::CalculateContexts() {
    FContexts->Clear();
    FContexts->Bounds = TRect{0, 0, 0, 0};
    if (!SupportNonClientDrawing || !IsTabsVisible() || !HasTabs()) return;
    TRect area = GetFormCaptionAreaBounds();
    area.right -= 5;
    FContexts->Calculate(area);
}

// ---- Quick access toolbar

int TovRibbonViewInfo::GetQuickAccessToolbarWidthOverride() {
    TovCustomRibbonSkin* skin = GetSkin();
    return skin != nullptr
               ? skin->QuickAccessToolbarWidthOverride(IsClassicApplicationButtonVisible(), FDrawsOnGlass)
               : 0;
}

TRect TovRibbonViewInfo::GetQuickAccessToolbarMargins() {
    if (IsQuickAccessToolbarBelow()) return FRibbon->GetContentOffsets(QuickAccessToolbarBelowPart);
    TRect margins{GetQuickAccessToolbarWidthOverride() + 1, 0, 0, 0};
    const TSize size = QuickAccessToolbarSize;
    if (size.cx != 0 && FRibbon->GetPopupMenuItems().empty()) margins.right += std::max((size.cy + 2) / 2, 1);
    margins.right += 12;
    if (SupportNonClientDrawing) {
        const int spare = GetCaptionHeight() - size.cy;
        margins.bottom = spare / 2;
        margins.top = spare - margins.bottom;
    } else {
        margins.top = 4;
        margins.bottom = 5;
    }
    return margins;
}

int TovRibbonViewInfo::GetQuickAccessToolbarLeft() {
    if (IsQuickAccessToolbarBelow()) return Bounds.left;
    int left;
    if (IsClassicApplicationButtonVisible())
        left = FApplicationButton->Bounds.right - GetQuickAccessToolbarWidthOverride();
    else if (SupportNonClientDrawing && FRibbon->FormCaptionHelper() != nullptr)
        left = FRibbon->FormCaptionHelper()->GetCaptionAreaBounds().left + 4;
    else
        left = Bounds.left + 2;
    TovCustomRibbonSkin* skin = GetSkin();
    return left + (skin != nullptr ? skin->QuickAccessToolbarStartIndent() : 0);
}

int TovRibbonViewInfo::GetQuickAccessToolbarTop() {
    if (!IsQuickAccessToolbarBelow()) return 0;
    int top = GetNonClientAreaHeight();
    if (IsTabsVisible()) top += GetTabsHeight() - 1;
    if (IsTabGroupsVisible() && !IsTabGroupsPopupShowing()) top += GetGroupsAreaHeight(false);
    return top;
}

int TovRibbonViewInfo::GetQuickAccessToolbarWidth() {
    if (!IsQuickAccessToolbarVisible()) return 0;
    if (IsQuickAccessToolbarBelow()) return Bounds.right;
    return uiHorzMarginsSum(GetQuickAccessToolbarMargins()) + QuickAccessToolbarSize.cx;
}

int TovRibbonViewInfo::GetQuickAccessToolbarHeight() {
    if (!IsQuickAccessToolbarVisible()) return 0;
    return uiVertMarginsSum(GetQuickAccessToolbarMargins()) + QuickAccessToolbarSize.cy;
}

TRect TovRibbonViewInfo::GetQuickAccessToolbarBounds() {
    return uiRectOfBounds(GetQuickAccessToolbarLeft(), GetQuickAccessToolbarTop(),
                          GetQuickAccessToolbarWidth(), GetQuickAccessToolbarHeight());
}

TRect TovRibbonViewInfo::GetQuickAccessToolbarDockControlBounds() {
    const TRect r = uiShrinkRectByMargins(QuickAccessToolbarBounds, GetQuickAccessToolbarMargins());
    return uiResizeRectWidth(r, QuickAccessToolbarSize.cx);
}

int TovRibbonViewInfo::GetQuickAccessToolbarAvailableWidth() {
    if (IsQuickAccessToolbarBelow()) return Bounds.right;
    int left = 0, right = Bounds.right;
    if (IsClassicApplicationButtonVisible())
        left = FApplicationButton->Bounds.right - GetQuickAccessToolbarWidthOverride();
    IovRibbonFormCaptionHelper* helper = FRibbon->FormCaptionHelper();
    if (SupportNonClientDrawing && helper != nullptr) {
        const TRect caption = helper->GetCaptionAreaBounds();
        TovCustomRibbonSkin* skin = GetSkin();
        const int indent = FDrawsOnGlass || skin == nullptr ? 0 : skin->QuickAccessToolbarEndIndent();
        left = std::max<int>(caption.left + indent, left);
        right = caption.right - 50 - (FDrawsOnGlass ? 20 : 0);
        if (AreContextsVisible())
            right = std::min<int>(right, (CaptionLeftOfContext ? FContexts->Bounds.left - 50
                                                               : FContexts->Bounds.left)) -
                    indent;
    }
    return std::max(right - left, 0);
}

TSize TovRibbonViewInfo::GetQuickAccessToolbarSize() {
    if (!IsQuickAccessToolbarVisible() || FRibbon->GetApplicationMenuState() == 3) return TSize{0, 0};
    IovBarControl* control = FRibbon->QuickAccessToolbar()->Toolbar()->GetControl();
    auto* bar = dynamic_cast<IovRibbonQuickAccessBarControl*>(control);
    if (bar == nullptr) return TSize{0, 0};
    return bar->CalcSizeForWidth(GetQuickAccessToolbarAvailableWidth() -
                                 uiHorzMarginsSum(GetQuickAccessToolbarMargins()));
}

void TovRibbonViewInfo::CalculateQuickAccessToolbar() {
    QuickAccessToolbarBounds = TRect{0, 0, 0, 0};
    if (IsQuickAccessToolbarVisible()) {
        QuickAccessToolbarSize = GetQuickAccessToolbarSize();
        QuickAccessToolbarBounds = GetQuickAccessToolbarBounds();
        if (auto* control = dynamic_cast<TControl*>(FRibbon->QuickAccessToolbar()->Toolbar()->GetControl()))
            control->SetEnabled(FRibbon->GetApplicationMenuState() < 2);
    }
    UpdateQuickAccessToolbarDockControl();
}

void TovRibbonViewInfo::UpdateQuickAccessToolbarDockControl() {
    IovRibbonDockControl* dock = FRibbon->QuickAccessToolbar()->DockControl();
    if (dock == nullptr || FRibbon->IsLoading()) return;
    if (FRibbon->IsBarManagerValid() && FRibbon->BarManager()->IsUpdateLocked()) return;
    const bool visible = IsQuickAccessToolbarVisible();
    dock->SetVisible(visible);
    dock->SetDockBounds(GetQuickAccessToolbarDockControlBounds(), visible);
}

// ---- Form caption

std::string TovRibbonViewInfo::GetDocumentName() {
    return FRibbon->DocumentName();
}

std::string TovRibbonViewInfo::GetCaption() {
    TCustomForm* form = FRibbon->GetRibbonForm() != nullptr ? FRibbon->OwnerForm() : nullptr;
    if (form == nullptr) return {};
    return GetDocumentName().empty() ? form->Caption() : " - " + form->Caption();
}

std::string TovRibbonViewInfo::GetFormCaptionText() {
    return GetDocumentName() + GetCaption();
}

TRect TovRibbonViewInfo::GetFormCaptionAreaBounds() {
    IovRibbonFormCaptionHelper* helper = FRibbon->FormCaptionHelper();
    if (helper == nullptr) return TRect{0, 0, 0, 0};
    TRect r = helper->GetCaptionAreaBounds();
    if (Hidden) return r;
    r.bottom = GetCaptionHeight();
    if (IsQuickAccessToolbarInCaption()) {
        TovCustomRibbonSkin* skin = GetSkin();
        r.left = QuickAccessToolbarBounds.right + (skin != nullptr ? skin->QuickAccessToolbarEndIndent() : 0);
    } else if (IsClassicApplicationButtonVisible()) {
        r.left = FApplicationButton->Bounds.right;
    }
    return r;
}

TRect TovRibbonViewInfo::GetFormCaptionTextBounds() {
    TRect r = GetFormCaptionAreaBounds();
    int width = uiMeasureTextWidth(GetFormCaptionFont(true), GetFormCaptionText());
    if (FDrawsOnGlass)
        width += 20;
    else
        r = uiGrowRectSides(r, -4, 0, -4, 0);
    TRect full{Bounds.left, r.top, Bounds.right, r.bottom};
    if (!FDrawsOnGlass) full = uiGrowRectSides(full, -4, 0, -4, 0);
    const int spare = uiWidthOfRect(full) - width;
    const TRect centred{full.left + spare / 2, full.top, full.right - (spare / 2 - 1), full.bottom};
    if (AreContextsVisible()) return CalculateFormCaptionTextBoundsWithContexts(r, centred, width);
    return spare >= 0 && uiDoesRectEnclose(r, centred) ? centred : r;
}

TRect TovRibbonViewInfo::CalculateFormCaptionTextBoundsWithContexts(const TRect& R, const TRect& ACentred,
                                                                    int AWidth) {
    const int gap = FDrawsOnGlass ? 0 : 4;
    const TRect left{R.left, R.top, FContexts->Bounds.left - gap, R.bottom};
    if (uiDoesRectEnclose(left, ACentred)) return ACentred;
    const TRect right{FContexts->Bounds.right + gap, R.top, R.right, R.bottom};
    if (uiDoesRectEnclose(right, ACentred)) return ACentred;
    if (uiWidthOfRect(left) >= AWidth) {
        CaptionLeftOfContext = true;
        return uiCentreRectHorz(left, AWidth);
    }
    if (uiWidthOfRect(right) >= AWidth) return right;
    if (uiWidthOfRect(right) < uiWidthOfRect(left)) {
        CaptionLeftOfContext = true;
        return left;
    }
    return right;
}

void TovRibbonViewInfo::CalculateFormCaption() {
    if (SupportNonClientDrawing)
        if (IovRibbonFormCaptionHelper* helper = FRibbon->FormCaptionHelper()) helper->Calculate();
    CaptionLeftOfContext = false;
    CaptionTextBounds = SupportNonClientDrawing && FRibbon->FormCaptionHelper() != nullptr
                            ? GetFormCaptionTextBounds()
                            : TRect{0, 0, 0, 0};
}

HRGN TovRibbonViewInfo::GetNonClientElementsRegion() {
    const bool button = FApplicationButton->IsVisible();
    const bool contexts = FContexts->GetCount() > 0;
    if (!button && !contexts) return nullptr;
    if (FNonClientElementsRegion == nullptr) FNonClientElementsRegion = CreateRectRgn(0, 0, 0, 0);
    SetRectRgn(FNonClientElementsRegion, 0, 0, 0, 0);
    for (const TRect& r :
         {button ? FApplicationButton->Bounds : TRect{}, contexts ? FContexts->Bounds : TRect{}}) {
        if (uiIsRectEmpty(r)) continue;
        HRGN part = CreateRectRgnIndirect(&r);
        CombineRgn(FNonClientElementsRegion, FNonClientElementsRegion, part, RGN_OR);
        DeleteObject(part);
    }
    return FNonClientElementsRegion;
}

TColor TovRibbonViewInfo::GetDocumentNameTextColor(bool AIsActive) {
    const TColor color = FRibbon->Fonts()->DocumentNameColor();
    if (color != clDefault) return color;
    return FRibbon->GetSkinPartColor(DocumentNameColorPart, AIsActive ? 0 : 1);
}

TFont* TovRibbonViewInfo::GetFormCaptionFont(bool AIsActive) {
    return FRibbon->Fonts()->GetFormCaptionFont(AIsActive);
}

int TovRibbonViewInfo::GetFormCaptionFontSize(int ASize) {
    TovCustomRibbonSkin* skin = GetSkin();
    return skin != nullptr ? skin->AdjustCaptionFontSize(ASize, FDrawsOnGlass) : ASize;
}

// ---- Application button for the menu

TRect TovRibbonViewInfo::GetApplicationButtonBounds() {
    return FApplicationButton->Bounds;
}

void TovRibbonViewInfo::DrawApplicationButton(HDC DC, const TRect& R) {
    if (!FApplicationButton->IsVisible() || uiIsRectEmpty(R)) return;
    TCanvas canvas;
    canvas.SetHandle(DC);
    TuiCanvas target(&canvas);
    const TPoint origin = target.GetWindowOrg();
    // The button draws at its own place: the DC's origin moves so that place lands on R.
    target.SetWindowOrg(TPoint{origin.x + FApplicationButton->Bounds.left - R.left,
                               origin.y + FApplicationButton->Bounds.top - R.top});
    FApplicationButton->Draw(&target);
    target.SetWindowOrg(origin);
    canvas.SetHandle(nullptr);
}

void TovRibbonViewInfo::UpdateButtonsState() {
    if (TovRibbonGroupsDockControlSiteViewInfo* site = GetGroupsDockControlSiteViewInfo())
        site->UpdateButtonsState();
    FTabsAreaButtons->UpdateButtonsState();
    FTabs->UpdateScrollButtonsState();
}

// ---- Hit test and paint

void TovRibbonViewInfo::GetHitInfo(TovRibbonHitInfo& AHitInfo) {
    if (FTabs->GetHitInfo(AHitInfo) || FTabsAreaButtons->GetHitInfo(AHitInfo) ||
        FContexts->GetHitInfo(AHitInfo) || FApplicationButton->GetHitInfo(AHitInfo))
        return;
    TWinControl* site = FRibbon->GroupsDockControlSite();
    TovRibbonGroupsDockControlSiteViewInfo* siteViewInfo = GetGroupsDockControlSiteViewInfo();
    if (site == nullptr || siteViewInfo == nullptr) return;
    const TPoint ribbonPoint = AHitInfo.HitPoint;
    AHitInfo.HitPoint = TPoint{ribbonPoint.x - site->Left(), ribbonPoint.y - site->Top()};
    siteViewInfo->GetHitInfo(AHitInfo);
    AHitInfo.HitPoint = ribbonPoint;
}

void TovRibbonViewInfo::Paint(TuiCanvas* ACanvas) {
    TovRibbonPainter* painter = GetPainter();
    if (painter == nullptr) return;
    if (DrawEmptyRibbon) {
        painter->DrawEmptyRibbon(ACanvas);
        return;
    }
    TRect r = Bounds;
    if (SupportNonClientDrawing) r.top = GetFormCaptionAreaBounds().bottom;
    const TRect tabsArea = GetTabsAreaBounds();
    ACanvas->SaveClipRegion();
    {
        TovFinally restore([ACanvas] { ACanvas->RestoreClipRegion(); });
        ACanvas->IntersectClipRect(r);
        painter->DrawTabsArea(ACanvas, tabsArea);
        ACanvas->ExcludeClipRect(tabsArea);
        painter->DrawRibbonBackground(ACanvas, Bounds);
    }
    FTabsAreaButtons->Draw(ACanvas);
    if (IsTabsAreaBottomLineVisible()) painter->DrawTabsAreaBottomLine(ACanvas);
    if (IsQuickAccessToolbarVisible() && !IsQuickAccessToolbarInCaption())
        painter->DrawQuickAccessToolbar(ACanvas, QuickAccessToolbarBounds, IsFormActive());
    if (IsTabsVisible() && HasTabs()) FTabs->Draw(ACanvas);
    if (IsTabGroupsVisible()) painter->DrawGroupsArea(ACanvas, GroupsDockControlSiteBounds, true, false);
    FApplicationButton->Draw(ACanvas);
}
