// The ribbon's skin: choosing it by colour-scheme name and style, and the ribbon as the skin interface
// every bar painter and gallery of the ribbon draws through (the skin with the ribbon's accent, its tab
// groups' caption strip and the touch mode's sizes).
#include "ui/ribbon/ribbon/Ribbon.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Registries.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/skins/RibbonSkinDispatch.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"

namespace {

constexpr int GroupContentBottomIndentPart = 10191;
constexpr int TabHeaderTextColorKey = 10132;

bool IsTabGroupFrame(int APart) {
    return APart == ovSkinPartTabGroup || APart == ovSkinPartTabGroupInPopup;
}

} // namespace

// ---- Selection

void TovCustomRibbon::SelectFirstSkin() {
    TovRibbonSkinsManager* manager = SkinsManager();
    if (manager != nullptr && manager->Count() > 0) SetSkin(manager->Items(0));
}

void TovCustomRibbon::ReleaseSkin() {
    if (FSkin == nullptr) return;
    TovCustomRibbonSkin* skin = FSkin;
    FSkin = nullptr;
    skin->Release();
}

void TovCustomRibbon::SetSkin(TovCustomRibbonSkin* ASkin) {
    if (ASkin == nullptr || ASkin == FSkin) return;
    // The new skin is taken first: when its sheets cannot be loaded the ribbon keeps the skin it has.
    ASkin->AddRef();
    TovCustomRibbonSkin* old = FSkin;
    FSkin = ASkin;
    if (old != nullptr) old->Release();
    UpdateColorScheme();
    DesignerModified();
}

std::string TovCustomRibbon::ColorSchemeName() const {
    return FSkin != nullptr ? FSkin->GetName() : std::string();
}

void TovCustomRibbon::SetColorSchemeName(const std::string& AName) {
    if (TovRibbonSkinsManager* manager = SkinsManager()) SetSkin(manager->Find(AName, Style()));
}

TovRibbonStyle TovCustomRibbon::Style() const {
    return FSkin != nullptr ? FSkin->GetStyle() : rs2007;
}

void TovCustomRibbon::SetStyle(TovRibbonStyle AStyle) {
    TovRibbonSkinsManager* manager = SkinsManager();
    if (manager == nullptr) return;
    TovCustomRibbonSkin* skin = manager->Find(ColorSchemeName(), AStyle);
    for (int i = 0; skin == nullptr && i < manager->Count(); ++i)
        if (manager->Items(i)->GetStyle() == AStyle) skin = manager->Items(i);
    SetSkin(skin);
}

void TovCustomRibbon::SetColorSchemeAccent(TovRibbonColorSchemeAccent AValue) {
    if (FColorSchemeAccent == AValue) return;
    FColorSchemeAccent = AValue;
    UpdateColorScheme();
}

void TovCustomRibbon::UpdateColorScheme() {
    TCustomForm* form = OwnerForm();
    const bool holdForm = form != nullptr && form->HandleAllocated() && IsWindowVisible(form->Handle());
    if (holdForm) SendMessage(form->Handle(), WM_SETREDRAW, 0, 0);
    TovFinally finally([this, form, holdForm] {
        if (FColorSchemeListeners) FColorSchemeListeners->CallEvents(this, nullptr);
        if (FSupportNonClientDrawing && form != nullptr && form->HandleAllocated())
            SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (holdForm) {
            SendMessage(form->Handle(), WM_SETREDRAW, 1, 0);
            RedrawWindow(form->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        if (IovRibbonFormHost* host = GetRibbonForm()) host->UpdateNonClientArea();
    });
    if (FFonts) FFonts->UpdateFonts();
    if (IsBarManagerValid()) {
        // Every toolbar window takes the new skin's metrics.
        FBarManager->BeginUpdate();
        TovFinally endUpdate([this] { FBarManager->EndUpdate(); });
        for (int i = 0; i < FBarManager->Bars()->Count(); ++i)
            if (IovBarControl* control = FBarManager->Bars()->GetItem(i)->GetControl()) control->Rebuild();
    }
    Changed();
}

bool TovCustomRibbon::IsApplicationButtonTab() {
    return FSkin != nullptr && FSkin->IsApplicationButtonTab();
}

TColor TovCustomRibbon::GetSkinPartColor(int APart, int AState) {
    return FSkin != nullptr ? FSkin->GetPartColor(APart, AState, FColorSchemeAccent) : clDefault;
}

TRect TovCustomRibbon::GetSkinContentOffsets(int APart) {
    return FSkin != nullptr ? FSkin->GetContentOffsets(APart) : TRect{0, 0, 0, 0};
}

void TovCustomRibbon::SetTabFontColor(TFont* AFont, int AState, TovRibbonContext* AContext) {
    if (FSkin != nullptr)
        FSkin->SetTabFontColor(AFont, AState, AContext != nullptr ? AContext->Color() : clDefault,
                               FColorSchemeAccent);
    else
        AFont->SetColor(GetSkinPartColor(TabHeaderTextColorKey, AState));
}

int TovCustomRibbon::GetGroupCaptionOffset() {
    return GetPartSize(GroupContentBottomIndentPart);
}

TovRibbonSkinContext TovCustomRibbon::SkinContext() {
    TovRibbonSkinContext context;
    context.Accent = FColorSchemeAccent;
    context.CaptionBottomOffset = GetGroupCaptionOffset();
    context.CaptionHeight = GetGroupCaptionHeight();
    if (FViewInfo) context.ApplicationButtonBounds = FViewInfo->GetApplicationButtonBounds();
    context.QuickAccessToolbarBelow = FQuickAccessToolbar->Position() == qtpBelowRibbon;
    context.NonClient = DrawsFormNonClientArea();
    context.ShowTabHeaders = FShowTabHeaders;
    return context;
}

// ---- IovSkin

IovSkin* TovCustomRibbon::QuerySkin() {
    return FSkin != nullptr ? this : nullptr;
}

void TovCustomRibbon::DrawBackground(HDC DC, const TRect& R, int APart, int AState) {
    DrawBackgroundEx(DC, R, R, APart, AState);
}

void TovCustomRibbon::DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) {
    if (FSkin == nullptr) return;
    ovRibbonSkinDrawBackground(*FSkin, DC, R, ABounds, APart, AState, SkinContext());
    if (APart == ovSkinPartApplicationMenuBackground) DrawApplicationButtonOverMenu(DC);
}

void TovCustomRibbon::DrawApplicationButtonOverMenu(HDC DC) {
    // The open menu lets the application button show through at the place it has on the ribbon.
    IovRibbonApplicationMenu* menu = FApplicationButton->MenuInterface();
    if (!FViewInfo || menu == nullptr || !HandleAllocated()) return;
    const TRect button = FViewInfo->GetApplicationButtonBounds();
    const TPoint topLeft = ClientToScreen(POINT{button.left, button.top});
    const TPoint origin = menu->GetOrigin(false);
    const int left = topLeft.x - origin.x;
    const int top = topLeft.y - origin.y;
    FViewInfo->DrawApplicationButton(
        DC, TRect{left, top, left + (button.right - button.left), top + (button.bottom - button.top)});
}

void TovCustomRibbon::DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int) {
    if (!IsTabGroupFrame(APart)) return;
    TFont* font = FFonts->GetGroupHeaderFont();
    HGDIOBJ previousFont = SelectObject(DC, font->Handle());
    const TColor previousColor = SetTextColor(DC, ColorToRGB(font->Color()));
    const int previousMode = SetBkMode(DC, TRANSPARENT);
    RECT r{R.left, R.top + 1, R.right, R.bottom + 1};
    DrawText(DC, AText.c_str(), static_cast<int>(AText.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetBkMode(DC, previousMode);
    SetTextColor(DC, previousColor);
    SelectObject(DC, previousFont);
}

TovFadingOptions* TovCustomRibbon::GetFadingOptions() {
    return FOptionsFading->BarItems();
}

TRect TovCustomRibbon::GetCaptionRect(const TRect& R, int APart) {
    if (FSkin == nullptr) return {0, 0, 0, 0};
    return ovRibbonSkinCaptionRect(*FSkin, R, APart, SkinContext());
}

TRect TovCustomRibbon::GetContentOffsets(int APart) {
    TRect offsets{0, 0, 0, 0};
    if (FSkin != nullptr)
        offsets = ovRibbonSkinContentOffsets(*FSkin, APart, SkinContext());
    else if (IsTabGroupFrame(APart))
        offsets.bottom = GetGroupCaptionOffset() + GetGroupCaptionHeight();
    if (FTouchModeHelper) FTouchModeHelper->AdjustContentOffsets(APart, offsets);
    return offsets;
}

bool TovCustomRibbon::GetIsAlphaUsed(int APart) {
    return FSkin != nullptr && FSkin->GetIsAlphaUsed(APart);
}

std::string TovCustomRibbon::GetName() {
    return FSkin != nullptr ? FSkin->GetSkinName() : std::string();
}

TColor TovCustomRibbon::GetPartColor(int APart, int AState) {
    return GetSkinPartColor(APart, AState);
}

int TovCustomRibbon::GetPartSize(int APart) {
    int size = FSkin != nullptr ? FSkin->GetPartSize(APart) : 0;
    if (FTouchModeHelper) FTouchModeHelper->AdjustPartSize(APart, size);
    return size;
}

bool TovCustomRibbon::UseRoundedWindowCorners() {
    return FSkin != nullptr && FSkin->UseRoundedWindowCorners();
}

// ---- Form frame

void TovCustomRibbon::DrawFormBackground(HDC DC, const TRect& R) {
    if (FSkin != nullptr) FSkin->DrawFormBackground(DC, R, BoundsRect().bottom - R.top);
}

TRect TovCustomRibbon::GetWindowBordersWidth() {
    return FSkin != nullptr ? FSkin->GetWindowBordersWidth(HasCaptionAreaExtension()) : TRect{0, 0, 0, 0};
}

bool TovCustomRibbon::UseFlatWindowBorders() {
    return FSkin != nullptr && FSkin->UseFlatWindowBorders();
}
