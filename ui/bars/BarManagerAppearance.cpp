// The bar manager's painter choice, fonts, flat-look colours and the routing of image-option changes.
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Graphics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/painting/BarFonts.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/ThemeManager.h"

// ---- Painter

TovBarLookAndFeelState TovBarManager::LookAndFeelState() const {
    TovBarLookAndFeelState state;
    state.VisualStyles = FVisualStyles;
    if (FLookAndFeel != nullptr) {
        static_assert(lfFlat == 0 && lfStandard == 1 && lfUltraFlat == 2 && lfOffice11 == 3);
        state.Kind = static_cast<TovBarLookAndFeelKind>(FLookAndFeel->Kind());
        state.NativeStyle = FLookAndFeel->NativeStyle();
        state.HasSkinPainter = FLookAndFeel->SkinPainter() != nullptr;
    }
    return state;
}

void TovBarManager::SetLookAndFeel(TuiLookAndFeel* AValue) {
    FLookAndFeel->Assign(AValue);
}

void TovBarManager::ApplyLookAndFeelTo(TuiLookAndFeel* L) const {
    const int style = ovBarLookAndFeelStyleOfPainter(GetPainterStyle());
    if (style < 0) {
        L->Assign(FLookAndFeel);
        return;
    }
    L->Reset();
    L->SetSkinName("");
    L->SetStyle(static_cast<TuiLookAndFeelStyle>(style));
}

int TovBarManager::GetPainterStyle() const {
    return ovBarPainterIndex(FStyle, LookAndFeelState());
}

const TovBarPainterClass* TovBarManager::GetPainterClass() const {
    const TovBarPainterClass* registered = ovBarPainterClassOf(GetPainterStyle());
    return registered ? registered : ovBarBasePainterClass();
}

TovBarManagerStyle TovBarManager::GetEffectiveStyle() const {
    return ovBarEffectiveStyle(FStyle, LookAndFeelState());
}

void TovBarManager::CreateDefaultPainter() {
    FVisualStyles = AreVisualStylesAvailable({totToolBar});
    FPainter.reset();
    FPainter = GetPainterClass()->Create(FLookAndFeel != nullptr ? FLookAndFeel->SkinPainter() : nullptr);
}

void TovBarManager::RecreatePainter() {
    if (BeingDestroyed() || (FState & bmsRecreatingPainter) != 0) return;
    FState |= bmsRecreatingPainter;
    try {
        CreateDefaultPainter();
        ++FPainterRecreateCount;
        if (FBars != nullptr && FBars->Count() > 0) {
            for (int i = 0; i < FBars->Count(); ++i)
                if (IovBarControl* control = FBars->GetItem(i)->GetControl()) {
                    control->UpdateFrame();
                    control->Rebuild();
                }
            for (IovBarDock* dock : FDockControls)
                dock->UpdateDock();
        }
    } catch (...) {
        FState &= ~bmsRecreatingPainter;
        throw;
    }
    FState &= ~bmsRecreatingPainter;
}

// ---- Fonts

namespace {

bool MenuFontOfSystem(LOGFONT& AFont) {
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
    AFont = metrics.lfMenuFont;
    return true;
}

} // namespace

void TovBarManager::SetFont(TFont* AValue) {
    FFont->Assign(AValue);
}

void TovBarManager::SetUseSystemFont(bool AValue) {
    if (FUseSystemFont == AValue) return;
    FUseSystemFont = AValue;
    if (AValue) UpdateSystemFont();
}

void TovBarManager::SetScaled(bool AValue) {
    if (FScaled == AValue) return;
    FScaled = AValue;
    if (AValue && !FUseSystemFont) UpdateSystemFont();
}

void TovBarManager::UpdateSystemFont() {
    LOGFONT menuFont{};
    if (!MenuFontOfSystem(menuFont)) return;
    const bool wasInternal = FInternalFontChange;
    FInternalFontChange = true;
    try {
        if (FUseSystemFont) {
            if (menuFont.lfFaceName[0] != '\0') FFont->SetName(menuFont.lfFaceName);
            FFont->SetHeight(menuFont.lfHeight);
            TFontStyles style;
            if (menuFont.lfWeight >= 700) style.Include(fsBold);
            if (menuFont.lfItalic) style.Include(fsItalic);
            FFont->SetStyle(style);
        } else if (FScaled) {
            FFont->SetHeight(menuFont.lfHeight);
        }
        FontChanged(FFont);
    } catch (...) {
        FInternalFontChange = wasInternal;
        throw;
    }
    FInternalFontChange = wasInternal;
}

void TovBarManager::FontChanged(TObject*) {
    if (!FInternalFontChange) {
        FUseSystemFont = false;
        if (FScaled) {
            // Re-derive the height from the system without hearing the change again.
            LOGFONT menuFont{};
            if (MenuFontOfSystem(menuFont) && FFont->Height() != menuFont.lfHeight) {
                const TNotifyEvent saved = FFont->OnChange;
                FFont->OnChange = nullptr;
                FFont->SetHeight(menuFont.lfHeight);
                FFont->OnChange = saved;
            }
        }
    }
    AssignSystemFont(FFont, FEditFont, false);
    FBarCaptionFont->SetHandle(CreateSmallCaptionFont(FFont, FUseSystemFont));
    for (auto& handler : SystemFontChangedHandlers)
        handler(this);
    if (FBars != nullptr)
        for (int i = 0; i < FBars->Count(); ++i)
            FBars->GetItem(i)->ManagerFontChanged();
}

void TovBarManager::SystemInfoChanged(UINT AParam) {
    if (FBars == nullptr || BeingDestroyed()) return;
    if (AParam == SPI_SETNONCLIENTMETRICS) UpdateSystemFont();
}

// ---- Flat-look colours

void TovBarManager::RecreateBrushes() {
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    const COLORREF face = ColorToRGB(clBtnFace);
    auto channel = [](COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    auto rgb = [](int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); };
    FFlatColors[0] = rgb(MulDiv(channel(shadow, 0), 8, 10), MulDiv(channel(shadow, 8), 8, 10),
                         MulDiv(channel(shadow, 16), 8, 10));
    auto lighten = [&](int c) { return c + MulDiv(255 - c, 16, 100); };
    FFlatColors[1] = rgb(lighten(channel(face, 0)), lighten(channel(face, 8)), lighten(channel(face, 16)));
    FFlatColors[2] = uiGetBlendedSystemColor(11, 9, 73);
    FFlatColors[3] = uiGetBlendedSystemColor(14, 44, 40);
    FFlatColors[4] = uiGetBlendedSystemColor(-2, 30, 72);
    for (int i = 0; i < 5; ++i) {
        FFlatColors[i] = GetScreenNearestColor(FFlatColors[i]);
        if (FFlatBrushes[i] != nullptr) DeleteObject(FFlatBrushes[i]);
        FFlatBrushes[i] = CreateSolidBrush(ColorToRGB(FFlatColors[i]));
    }
}

void TovBarManager::SystemColorsChanged() {
    UpdateScreenColorDepth();
    RefreshPatternBrush();
    RecreateBrushes();
    uiRefreshOffice11Colors();
    for (IovBarDock* dock : FDockControls)
        dock->UpdateDock();
    for (int i = 0; i < FBars->Count(); ++i)
        if (IovBarControl* control = FBars->GetItem(i)->GetControl()) control->Repaint();
}

// ---- Image options

void TovBarManager::ImageOptionsSizeChanged(TObject*) {
    FImageOptions->CalcGlyphSize();
    DesignerModified();
    RebuildToolbarWindows();
}

void TovBarManager::ImageOptionsAppearanceChanged(TObject*) {
    RebuildToolbarWindows();
}

void TovBarManager::ImageListChanged(int AIndex) {
    switch (AIndex) {
    case 0: // Images
    case 3: // DisabledImages
        ForEachItem([](TovBarItem* AItem) {
            if (AItem->GetImageIndex() >= 0) AItem->GlyphChanged();
        });
        break;
    case 2: // HotImages
        ForEachItem([](TovBarItem* AItem) {
            if (AItem->IsHotImageAssigned()) AItem->HotGlyphChanged();
        });
        break;
    default: // LargeImages, DisabledLargeImages
        ForEachItem([](TovBarItem* AItem) {
            if (AItem->HasImage()) AItem->LargeGlyphChanged();
        });
        break;
    }
}
