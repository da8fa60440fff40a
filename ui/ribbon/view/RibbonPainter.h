// TovRibbonPainter: the one drawing facade of a ribbon. The view informations, the groups site and row,
// the quick access toolbar and the ribbon form's caption ask it to draw their elements; it hands each to
// the ribbon's skin with the ribbon's accent, or draws the few things of its own (the form icon, glyphs,
// the caption text, the design-time placeholder).
#pragma once

#include "platform/rtl/Object.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/skins/RibbonSkinTypes.h"

#include <string>

class TBitmap;
class TovCustomRibbon;
class TovCustomRibbonSkin;
class TovRibbonViewInfo;

// The skin state of a scroll button's state: hot 2, pressed 4, anything else 0.
int ovRibbonScrollButtonSkinState(int AButtonState);

class TovRibbonPainter : public TObject, public IovRibbonPainter {
public:
    explicit TovRibbonPainter(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {}

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TovCustomRibbonSkin* GetSkin() const;
    TovRibbonColorSchemeAccent GetColorSchemeAccent() const;
    // Null while the ribbon runs with another view information.
    TovRibbonViewInfo* GetViewInfo() const;
    // What the skin's form frame and caption operations are told of the ribbon and its form.
    TovRibbonSkinPaintData PrepareSkinFormData(const TovRibbonFormPaintData& AData);

    // ---- The form (IovRibbonPainter)
    void DrawRibbonFormCaption(TuiCanvas* ACanvas, const TRect& R,
                               const TovRibbonFormPaintData& AData) override;
    void DrawRibbonFormBorders(TuiCanvas* ACanvas, const TRect& ABordersWidth,
                               const TovRibbonFormPaintData& AData) override;
    void DrawRibbonFormBorderIcon(TuiCanvas* ACanvas, const TRect& R, int AIcon, int AState) override;
    void SetCaptionAreaFontColor(TFont* AFont, TColor AContextColor) override;
    virtual void DrawTabsAreaInCaption(TuiCanvas* ACanvas, const TRect& R,
                                       const TovRibbonFormPaintData& AData);
    virtual void DrawRibbonFormCaptionText(TuiCanvas* ACanvas, const TRect& R,
                                           const TovRibbonFormPaintData& AData, const std::string& ACaption,
                                           const std::string& ADocumentName);
    virtual void DrawRibbonFormCaptionTextOnGlass(TuiCanvas* ACanvas, const TRect& R, bool AIsActive,
                                                  const std::string& ACaption,
                                                  const std::string& ADocumentName);
    // The icon of the ribbon's form, else the application's; nothing for an empty rectangle.
    void DrawFormIcon(TuiCanvas* ACanvas, const TRect& R);

    // ---- The ribbon
    // The skin's size of the space under a tab group's content.
    virtual int GetGroupContentBottomIndent();
    // Nothing for an empty rectangle.
    virtual void DrawApplicationButton(TuiCanvas* ACanvas, const TRect& R, int AState);
    // The form's icon when there is no glyph (or an empty one).
    virtual void DrawApplicationButtonGlyph(TuiCanvas* ACanvas, const TRect& R, TBitmap* AGlyph);
    virtual void DrawRibbonBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawContextBackground(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual void DrawContextBackgroundGlass(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual void DrawContextGroupsArea(TuiCanvas* ACanvas, const TRect& R, bool AInPopup,
                                       bool AQuickAccessToolbarBelow);
    // A 32-bit glyph blends whole; any other is copied with its transparent colour.
    virtual void DrawGlyph(TuiCanvas* ACanvas, TBitmap* AGlyph, const TRect& R);
    virtual void DrawGroupsArea(TuiCanvas* ACanvas, const TRect& R, bool AAllowContextColor, bool AInPopup);
    virtual void DrawGroupScrollButton(TuiCanvas* ACanvas, const TRect& R, int AState, bool ALeft);
    virtual void DrawGroupScrollButtonGlyph(TuiCanvas* ACanvas, const TRect& R, bool ALeft);
    // The 2-pixel strip at the tab row's bottom; its upper row leaves the clip.
    virtual void DrawTabsAreaBottomLine(TuiCanvas* ACanvas);
    virtual void DrawQuickAccessToolbar(TuiCanvas* ACanvas, const TRect& R, bool AIsActive);
    virtual void DrawTabsArea(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawTabScrollButton(TuiCanvas* ACanvas, const TRect& R, int AState, bool ALeft);
    virtual void DrawTabScrollButtonGlyph(TuiCanvas* ACanvas, const TRect& R, bool ALeft);
    virtual void DrawHelpButton(TuiCanvas* ACanvas, const TRect& R, int AState);
    // The glyph when it has one, else the skin's own help glyph.
    virtual void DrawHelpButtonGlyph(TuiCanvas* ACanvas, TBitmap* AGlyph, int AState, const TRect& R);
    virtual void DrawMDIButton(TuiCanvas* ACanvas, const TRect& R, int AState, int AKind);
    virtual void DrawMDIButtonGlyph(TuiCanvas* ACanvas, const TRect& R, int AState, int AKind);
    void DrawMinimizeButton(TuiCanvas* ACanvas, const TRect& R, bool AMinimized, int AState);
    void DrawMinimizeButtonGlyph(TuiCanvas* ACanvas, const TRect& R, int AGlyphKind, int AState);
    // A backward-diagonal black hatch on silver over the ribbon's bounds.
    void DrawEmptyRibbon(TuiCanvas* ACanvas);

private:
    void DrawScrollArrow(TuiCanvas* ACanvas, const TRect& R, bool ALeft);

    TovCustomRibbon* FRibbon;
};

// The ribbon's painter as its own class (null while the ribbon runs with another).
TovRibbonPainter* ovRibbonPainter(const TovCustomRibbon* ARibbon);
