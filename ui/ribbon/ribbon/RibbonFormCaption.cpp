// The ribbon as its form's caption: caption height, window caption, non-client drawing and what the
// ribbon form's caption helper asks of the ribbon.
#include "ui/ribbon/ribbon/Ribbon.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/core/base/Finally.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The top frame thickness the system gives a window of its styles (0 while minimized).
int CaptionFrameHeight(HWND AWnd) {
    if (AWnd == nullptr || IsIconic(AWnd)) return 0;
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtr(AWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtr(AWnd, GWL_EXSTYLE)));
    return -r.top;
}

} // namespace

bool TovCustomRibbon::IsFormMDIParent() const {
    TCustomForm* form = OwnerForm();
    return form != nullptr && form->FormStyle() == fsMDIForm;
}

int TovCustomRibbon::CalculateCaptionHeight(bool AWithQuickAccessToolbar) {
    IovRibbonFormHost* form = GetRibbonForm();
    if (!FSupportNonClientDrawing || form == nullptr) return 0;
    const bool glass = form->IsCaptionOnGlass();
    TCustomForm* ownerForm = OwnerForm();
    int height =
        glass ? CaptionFrameHeight(ownerForm != nullptr && ownerForm->HandleAllocated() ? ownerForm->Handle()
                                                                                        : nullptr)
              : std::max(GetSystemMetrics(SM_CYCAPTION) - 1, GetSystemMetrics(SM_CYSIZE)) + 6;
    height = std::max(height, 2 * std::abs(FFonts->GetFormCaptionFont(true)->Height()));
    height = std::max(height, 2 * std::abs(FFonts->GetFormCaptionFont(false)->Height()));
    if (AWithQuickAccessToolbar && IsBarManagerValid())
        height = std::max(height, (glass ? 7 : 9) + GetGroupRowHeight());
    height += form->GetExtraCaptionHeight();
    if (FTouchModeHelper) FTouchModeHelper->AdjustCaptionHeight(height);
    return height;
}

int TovCustomRibbon::GetTabsGlassHeight() {
    if (!IsApplicationButtonTab() || !FViewInfo) return 0;
    if (FViewInfo->DrawsOnGlass() && !FEnableTabAero) return 0;
    return FViewInfo->GetTabsHeight();
}

HRGN TovCustomRibbon::CreateGlassRegion() {
    IovRibbonFormHost* form = GetRibbonForm();
    if (GetTabsGlassHeight() < 1 || !FViewInfo || (form != nullptr && form->IsAutoHideModeActive()))
        return nullptr;
    TRect r = FViewInfo->GetTabsAreaBounds();
    if (const int lastTabRight = FViewInfo->GetLastTabRight(); lastTabRight >= 0) r.left = lastTabRight;
    if (r.right <= r.left || r.bottom <= r.top) return nullptr;
    return CreateRectRgnIndirect(&r);
}

std::string TovCustomRibbon::GetFormCaptionText() const {
    TCustomForm* form = GetRibbonForm() != nullptr ? OwnerForm() : nullptr;
    const std::string caption = form != nullptr ? form->Caption() : std::string();
    if (FDocumentName.empty()) return caption;
    if (caption.empty()) return FDocumentName;
    return FDocumentName + " - " + caption;
}

std::string TovCustomRibbon::GetWindowCaptionText() {
    if (IsFormMDIParent()) {
        const std::string caption = OwnerForm()->Caption();
        return FDocumentName.empty() ? caption : caption + " - " + FDocumentName;
    }
    return GetFormCaptionText();
}

void TovCustomRibbon::UpdateFormCaption() {
    FCaptionUpdating = true;
    ++FLockCount;
    {
        TovFinally unlock([this] {
            --FLockCount;
            FCaptionUpdating = false;
        });
        if (IsFormMDIParent()) {
            HWND child = GetActiveMDIChildHandle();
            FDocumentName = child != nullptr && ovBarMDISource()->IsMaximized(child) ? uiGetWindowText(child)
                                                                                     : std::string();
        }
    }
    if (GetRibbonForm() != nullptr) {
        if (FViewInfo && !IsLocked()) FViewInfo->Calculate();
        RepaintAll();
    }
    if (IsFormMDIParent() && Application() != nullptr) Application()->SetTitle(GetWindowCaptionText());
}

void TovCustomRibbon::MDIStateChanged(int AKind, HWND AChild) {
    if (IsDesigning() || !IsFormMDIParent()) return;
    if (AKind != 0 && AKind != 2) return;
    BeginUpdate();
    {
        TovFinally finally([this] { EndUpdateSiteOnly(); });
        FDocumentName = AChild != nullptr && ovBarMDISource()->IsMaximized(AChild) ? uiGetWindowText(AChild)
                                                                                   : std::string();
        if (Application() != nullptr) Application()->SetTitle(GetWindowCaptionText());
    }
    Changed();
}

void TovCustomRibbon::FormSizeChanged() {
    if (FViewInfo) {
        const bool wasHidden = FViewInfo->IsHidden();
        if (wasHidden != FViewInfo->CalculateHidden()) {
            Changed();
            TCustomForm* form = OwnerForm();
            if (wasHidden && !FViewInfo->IsHidden() && form != nullptr && form->HandleAllocated()) {
                form->Invalidate();
                HDC dc = GetWindowDC(form->Handle());
                SendMessage(form->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
                ReleaseDC(form->Handle(), dc);
            }
        }
    }
    if (FApplicationMenuShown)
        if (IovRibbonApplicationMenu* menu = FApplicationButton->MenuInterface()) menu->RibbonFormResized();
}

void TovCustomRibbon::RepaintAll() {
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    constexpr UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW;
    RedrawWindow(Handle(), nullptr, nullptr, flags);
    if (FViewInfo && FViewInfo->IsQuickAccessToolbarInCaption())
        if (IovRibbonDockControl* dock = FQuickAccessToolbar->DockControl();
            dock != nullptr && dock->GetHandle())
            RedrawWindow(dock->GetHandle(), nullptr, nullptr, flags | RDW_ALLCHILDREN);
    if (FApplicationMenuShown)
        if (IovRibbonApplicationMenu* menu = FApplicationButton->MenuInterface()) menu->RibbonRepainted();
}

void TovCustomRibbon::RedrawFormFrame() {
    TCustomForm* form = GetRibbonForm() != nullptr ? OwnerForm() : nullptr;
    if (form == nullptr || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) return;
    form->Invalidate();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    form->Update();
}

void TovCustomRibbon::RedrawFormNonClientArea() {
    TCustomForm* form = GetRibbonForm() != nullptr ? OwnerForm() : nullptr;
    if (form != nullptr && form->HandleAllocated())
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

// ---- Non-client drawing

void TovCustomRibbon::SetSupportNonClientDrawing(bool AValue) {
    if (FSupportNonClientDrawing == AValue) return;
    const TComponentState state = ComponentState();
    if (!state.Contains(csReading) && !state.Contains(csDestroying) && !IsDesigning() &&
        Application() != nullptr)
        Application()->ProcessMessages();
    FSupportNonClientDrawing = AValue;
    UpdateNonClientDrawing();
}

bool TovCustomRibbon::DrawsFormNonClientArea() {
    if (FViewInfo) return FViewInfo->SupportsNonClientDrawing();
    return FSupportNonClientDrawing && GetRibbonForm() != nullptr && Visible();
}

void TovCustomRibbon::UpdateNonClientDrawing() {
    IovRibbonFormHost* form = GetRibbonForm();
    if (form == nullptr) {
        if (FFormCaptionHelper) {
            if (auto* host = dynamic_cast<IovRibbonFormHost*>(Owner())) host->SetCaptionHelper(nullptr);
            FFormCaptionHelper.reset();
        }
        return;
    }
    CloseTabGroupsPopup(true);
    if (FViewInfo) FViewInfo->UpdateNonClientDrawingFlags();
    const bool drawing = DrawsFormNonClientArea();
    std::unique_ptr<IovRibbonFormCaptionHelper> dropped;
    if (!drawing)
        dropped = std::move(FFormCaptionHelper);
    else if (!FFormCaptionHelper)
        FFormCaptionHelper.reset(CreateFormCaptionHelper());
    TCustomForm* ownerForm = OwnerForm();
    if (ownerForm != nullptr) ownerForm->DisableAlign();
    {
        TovFinally finally([ownerForm] {
            if (ownerForm != nullptr) ownerForm->EnableAlign();
        });
        // The form lets go of a helper before it is freed.
        form->SetCaptionHelper(FFormCaptionHelper.get());
        dropped.reset();
        Changed();
    }
    form->UpdateFrame();
}

// ---- What the caption helper asks

void TovCustomRibbon::AdjustCaptionButtonSize(int, bool, TSize& ASize) {
    if (FTouchModeHelper) FTouchModeHelper->AdjustCaptionButtonSize(ASize);
}

void TovCustomRibbon::DrawFormBorders(TuiCanvas* ACanvas, const TovRibbonFormPaintData& AData,
                                      const TRect& ABordersWidth) {
    if (IovRibbonCaptionAreaExtension* extension = GetCaptionAreaExtension())
        extension->DrawBorderPieces(ACanvas, AData, ABordersWidth);
    if (FPainter) FPainter->DrawRibbonFormBorders(ACanvas, ABordersWidth, AData);
}

void TovCustomRibbon::DrawFormBorderIcon(TuiCanvas* ACanvas, const TRect& R, int AIcon, int AState) {
    if (FPainter) FPainter->DrawRibbonFormBorderIcon(ACanvas, R, AIcon, AState);
}

void TovCustomRibbon::DrawFormCaption(TuiCanvas* ACanvas, const TRect& R,
                                      const TovRibbonFormPaintData& AData) {
    if (FPainter) FPainter->DrawRibbonFormCaption(ACanvas, R, AData);
}

void TovCustomRibbon::ApplicationMenuNotify(std::vector<TWinControl*>& AList) {
    if (!FApplicationMenuShown) return;
    if (IovRibbonApplicationMenu* menu = FApplicationButton->MenuInterface()) menu->GetTabOrderList(AList);
}

int TovCustomRibbon::GetApplicationMenuState() {
    if (!FApplicationMenuShown) return 0;
    IovRibbonApplicationMenu* menu = FApplicationButton->MenuInterface();
    const int mode = menu != nullptr ? menu->GetDisplayMode() : 0;
    return mode >= 0 && mode <= 2 ? mode + 1 : 1;
}

TovBarManager* TovCustomRibbon::GetBarManager() {
    return IsBarManagerValid() ? FBarManager : nullptr;
}

TColor TovCustomRibbon::GetFormColor() {
    return GetSkinPartColor(10018, 0);
}

HRGN TovCustomRibbon::GetNonClientElementsRegion() {
    HRGN own = FViewInfo ? FViewInfo->GetNonClientElementsRegion() : nullptr;
    if (own == nullptr) return nullptr;
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, own, nullptr, RGN_COPY);
    return copy;
}

TRect TovCustomRibbon::GetQuickAccessToolbarBounds() {
    if (FViewInfo && FViewInfo->IsQuickAccessToolbarInCaption())
        return FViewInfo->GetQuickAccessToolbarDockControlBounds();
    return {0, 0, 0, 0};
}

IovRibbonCaptionAreaExtension* TovCustomRibbon::GetCaptionAreaExtension() {
    IovRibbonFormHost* form = GetRibbonForm();
    if (form == nullptr || !form->IsNonClientDrawing() || form->IsCaptionOnGlass()) return nullptr;
    for (IovRibbonCaptionAreaExtension* extension : FCaptionAreaExtensions)
        if (extension->AcceptsForm(OwnerForm())) return extension;
    return nullptr;
}
