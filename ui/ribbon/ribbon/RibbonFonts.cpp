#include "ui/ribbon/ribbon/RibbonFonts.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/tabs/RibbonTab.h"

namespace {

// Skin colour keys of the fonts.
constexpr int TabHeaderTextKey = 10132;
constexpr int GroupTextKey = 10133;
constexpr int GroupHeaderTextKey = 10134;
constexpr int ApplicationButtonTextKey = 10581;
constexpr int CaptionTextKey = 10130;

} // namespace

TovRibbonFonts::TovRibbonFonts(TovCustomRibbon* ARibbon)
    : FRibbon(ARibbon), FCaptionFont(std::make_unique<TFont>()), FOwnCaptionFont(std::make_unique<TFont>()) {
    for (int i = 0; i < 4; ++i) {
        FFonts[i] = std::make_unique<TFont>();
        FFonts[i]->OnChange = TNotifyEvent(this, &TovRibbonFonts::FontChanged);
        FOwnFonts[i] = std::make_unique<TFont>();
    }
}

TovRibbonFonts::~TovRibbonFonts() {
    for (auto& font : FFonts)
        font->OnChange = nullptr;
}

TPersistent* TovRibbonFonts::GetOwner() {
    return FRibbon;
}

void TovRibbonFonts::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonFonts*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FRibbon->BeginUpdate();
    TovFinally finally([this] { FRibbon->EndUpdate(); });
    FDocumentNameColor = source->FDocumentNameColor;
    for (int i = 0; i < 4; ++i)
        FFonts[i]->Assign(source->FFonts[i].get());
    // Assigning the fonts marked them all: the source's set is the one that holds.
    FAssignedFonts = source->FAssignedFonts;
}

void TovRibbonFonts::SetFont(TovRibbonAssignedFont AIndex, TFont* AValue) {
    FFonts[AIndex]->Assign(AValue);
}

void TovRibbonFonts::SetAssignedFonts(TovRibbonAssignedFonts AValue) {
    if (FAssignedFonts == AValue) return;
    FAssignedFonts = AValue;
    UpdateFonts();
    FontChanged(nullptr);
}

void TovRibbonFonts::SetDocumentNameColor(TColor AValue) {
    if (FDocumentNameColor == AValue) return;
    FDocumentNameColor = AValue;
    if (FRibbon->SupportNonClientDrawing()) FRibbon->RedrawFormFrame();
}

void TovRibbonFonts::UpdateFonts() {
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        FCaptionFont->SetHandle(CreateFontIndirect(&metrics.lfCaptionFont));
    FLocked = true;
    TovFinally unlock([this] { FLocked = false; });
    TFont* base = FRibbon->IsBarManagerValid() ? FRibbon->BarManager()->Font() : FRibbon->Font();
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<TovRibbonAssignedFont>(i);
        if (FAssignedFonts.Contains(index)) continue;
        FFonts[i]->Assign(base);
        if (index == afGroup) FFonts[i]->SetColor(GetPartColor(GroupTextKey, 0));
        if (index == afGroupHeader) FFonts[i]->SetColor(GetPartColor(GroupHeaderTextKey, 0));
    }
}

void TovRibbonFonts::FontChanged(TObject* ASender) {
    if (FLocked || FRibbon->IsLoading()) return;
    FRibbon->BeginUpdate();
    {
        TovFinally finally([this] { FRibbon->EndUpdate(); });
        for (int i = 0; i < 4; ++i)
            if (ASender == FFonts[i].get()) FAssignedFonts.Include(static_cast<TovRibbonAssignedFont>(i));
        if (TovRibbonTabCollection* tabs = FRibbon->Tabs())
            for (int i = 0; i < tabs->Count(); ++i)
                tabs->Items(i)->UpdateBarControlFonts();
    }
    if (FRibbon->Visible())
        if (TovRibbonTab* tab = FRibbon->ActiveTab()) tab->RepaintDockControl();
    if (FRibbon->SupportNonClientDrawing()) FRibbon->RedrawFormFrame();
}

TColor TovRibbonFonts::GetPartColor(int APart, int AState) {
    return FRibbon->GetSkinPartColor(APart, AState);
}

TFont* TovRibbonFonts::GetInternalFont(TovRibbonAssignedFont AIndex) {
    TFont* copy = FOwnFonts[AIndex].get();
    copy->Assign(FFonts[AIndex].get());
    return copy;
}

TFont* TovRibbonFonts::GetTabHeaderFont(int AState, TovRibbonContext* AContext) {
    TFont* font = GetInternalFont(afTabHeader);
    FRibbon->SetTabFontColor(font, AState, AContext);
    return font;
}

TFont* TovRibbonFonts::GetContextFont(TColor AContextColor) {
    TFont* font = GetInternalFont(afTabHeader);
    if (IovRibbonPainter* painter = FRibbon->Painter()) painter->SetCaptionAreaFontColor(font, AContextColor);
    return font;
}

TFont* TovRibbonFonts::GetApplicationButtonFont(int AState) {
    static constexpr int SkinStates[] = {0, 2, 4};
    TFont* font = GetInternalFont(afApplicationButton);
    font->SetColor(
        GetPartColor(ApplicationButtonTextKey, SkinStates[AState >= 0 && AState <= 2 ? AState : 0]));
    return font;
}

TFont* TovRibbonFonts::GetGroupFont() {
    return GetInternalFont(afGroup);
}

TFont* TovRibbonFonts::GetGroupHeaderFont() {
    TFont* font = GetInternalFont(afGroupHeader);
    font->SetColor(GetPartColor(GroupHeaderTextKey, 0));
    return font;
}

TFont* TovRibbonFonts::GetFormCaptionFont(bool AIsActive) {
    FOwnCaptionFont->Assign(FCaptionFont.get());
    FOwnCaptionFont->SetColor(GetCaptionTextColor(AIsActive));
    if (IovRibbonViewInfo* viewInfo = FRibbon->ViewInfo())
        FOwnCaptionFont->SetSize(viewInfo->GetFormCaptionFontSize(FOwnCaptionFont->Size()));
    return FOwnCaptionFont.get();
}

TColor TovRibbonFonts::GetCaptionTextColor(bool AIsActive) {
    IovRibbonViewInfo* viewInfo = FRibbon->ViewInfo();
    if (viewInfo != nullptr && viewInfo->DrawsOnGlass()) {
        if (ovOSVersion().IsWin7OrLater) return 0;
        TCustomForm* form = FRibbon->GetRibbonForm() != nullptr ? FRibbon->OwnerForm() : nullptr;
        if (form != nullptr && form->HandleAllocated() && IsZoomed(form->Handle())) return clWindow;
        return AIsActive ? clCaptionText : clInactiveCaptionText;
    }
    return GetPartColor(CaptionTextKey, AIsActive ? 0 : 1);
}
