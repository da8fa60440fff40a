#include "ui/ribbon/ribbon/RibbonButtons.h"

#include "platform/vcl/Bitmap.h"
#include "ui/core/base/Finally.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/ImageServices.h"
#include "ui/painters/hints/ScreenTips.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"
#include "ui/ribbon/ribbon/RibbonUpdate.h"
#include "ui/ribbon/tabs/RibbonTab.h"

// ---- Base

TovRibbonCustomButtonPersistent::TovRibbonCustomButtonPersistent(TovCustomRibbon* ARibbon)
    : FRibbon(ARibbon), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = TNotifyEvent(this, &TovRibbonCustomButtonPersistent::GlyphChanged);
}

TovRibbonCustomButtonPersistent::~TovRibbonCustomButtonPersistent() {
    FGlyph->OnChange = nullptr;
    if (FScreenTip != nullptr) FScreenTip->RemoveFreeNotification(FRibbon);
}

TPersistent* TovRibbonCustomButtonPersistent::GetOwner() {
    return FRibbon;
}

void TovRibbonCustomButtonPersistent::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonCustomButtonPersistent*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    ovInRibbonUpdate(FRibbon, [&] {
        SetGlyph(source->Glyph());
        SetScreenTip(source->ScreenTip());
        SetStretchGlyph(source->StretchGlyph());
    });
}

void TovRibbonCustomButtonPersistent::SetGlyph(TBitmap* AValue) {
    if (uiIsGlyphAssigned(AValue) && AValue->PixelFormat() != pf32bit)
        uiConvertTransparentBitmapToAlpha(AValue, FGlyph.get());
    else
        FGlyph->Assign(AValue);
    // Emptying an empty glyph tells nobody: the change routine runs all the same.
    if (AValue == nullptr) Changed();
}

void TovRibbonCustomButtonPersistent::SetScreenTip(TovScreenTip* AValue) {
    if (FScreenTip == AValue) return;
    if (FScreenTip != nullptr) FScreenTip->RemoveFreeNotification(FRibbon);
    FScreenTip = AValue;
    if (FScreenTip != nullptr) FScreenTip->FreeNotification(FRibbon);
}

void TovRibbonCustomButtonPersistent::SetStretchGlyph(bool AValue) {
    if (FStretchGlyph == AValue) return;
    FStretchGlyph = AValue;
    Changed();
}

void TovRibbonCustomButtonPersistent::GlyphChanged(TObject*) {
    Changed();
}

void TovRibbonCustomButtonPersistent::Changed() {
    FRibbon->Changed();
    // The application and help buttons take caption space.
    if (IovRibbonFormCaptionHelper* helper = FRibbon->FormCaptionHelper()) helper->Calculate();
    if (FRibbon->IsDestroying() || !FRibbon->HandleAllocated() || !FRibbon->Visible()) return;
    if (TovRibbonQuickAccessToolbar* toolbar = FRibbon->QuickAccessToolbar()) toolbar->Update();
    if (TovRibbonTab* tab = FRibbon->ActiveTab()) tab->RepaintDockControl();
    if (FRibbon->SupportNonClientDrawing()) FRibbon->RedrawFormFrame();
    if (TWinControl* site = FRibbon->GroupsDockControlSite(); site != nullptr && site->HandleAllocated())
        site->Invalidate();
    FRibbon->Invalidate();
}

// ---- Application button

TovRibbonApplicationButton::TovRibbonApplicationButton(TovCustomRibbon* ARibbon)
    : TovRibbonCustomButtonPersistent(ARibbon) {}

TovRibbonApplicationButton::~TovRibbonApplicationButton() {
    SetMenu(nullptr);
}

void TovRibbonApplicationButton::Assign(TPersistent* Source) {
    ovInRibbonUpdate(Ribbon(), [&] {
        if (auto* source = dynamic_cast<TovRibbonApplicationButton*>(Source)) {
            FKeyTip = source->KeyTip();
            SetMenu(source->Menu());
            SetVisible(source->Visible());
        }
        TovRibbonCustomButtonPersistent::Assign(Source);
    });
}

void TovRibbonApplicationButton::SetMenu(TComponent* AValue) {
    if (AValue == FMenu) return;
    auto* menu = dynamic_cast<IovRibbonApplicationMenu*>(AValue);
    if (AValue != nullptr && menu == nullptr) return;
    if (FMenu != nullptr) {
        // A menu that is being freed has closed itself and can no longer be asked anything.
        if (!FMenu->ComponentState().Contains(csDestroying)) CloseMenu();
        FMenu->RemoveFreeNotification(Ribbon());
        FMenuInterface = nullptr;
        FMenu = nullptr;
    }
    if (AValue != nullptr) {
        FMenu = AValue;
        FMenu->FreeNotification(Ribbon());
        FMenuInterface = menu;
    }
}

void TovRibbonApplicationButton::SetText(const std::string& AValue) {
    if (FText == AValue) return;
    FText = AValue;
    Changed();
}

void TovRibbonApplicationButton::SetVisible(bool AValue) {
    if (FVisible == AValue) return;
    FVisible = AValue;
    Changed();
}

bool TovRibbonApplicationButton::CanShowMenu() {
    return FMenuInterface != nullptr && FMenuInterface->CanShowPopup(Ribbon());
}

void TovRibbonApplicationButton::CloseMenu() {
    if (FMenuInterface != nullptr) FMenuInterface->ClosePopup();
}

bool TovRibbonApplicationButton::PopupMenu(bool& AClosedByEscape) {
    return FMenuInterface != nullptr && FMenuInterface->Popup(Ribbon(), AClosedByEscape);
}

void TovRibbonApplicationButton::Notification(TComponent* AComponent, int AOperation) {
    if (AOperation == opRemove && AComponent != nullptr && AComponent == FMenu) SetMenu(nullptr);
}
