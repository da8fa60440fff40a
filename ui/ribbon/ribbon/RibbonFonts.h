// The ribbon's fonts: tab headers, group contents, group captions and the application button follow the
// bar manager's font (the ribbon's own without a usable manager) until the user sets one; the form
// caption font follows the system. Every query answers a working copy in the colour the skin gives the
// element; the copy is overwritten by the next query for the same font, so callers use it at once.
#pragma once

#include "platform/rtl/Persistent.h"
#include "platform/rtl/Set.h"
#include "platform/vcl/Graphics.h"

#include <memory>

class TFont;
class TovCustomRibbon;
class TovRibbonContext;

enum TovRibbonAssignedFont { afTabHeader, afGroup, afGroupHeader, afApplicationButton };
using TovRibbonAssignedFonts = Set<TovRibbonAssignedFont, 8>;

class TovRibbonFonts : public TPersistent {
public:
    explicit TovRibbonFonts(TovCustomRibbon* ARibbon);
    ~TovRibbonFonts() override;

    // From another font set, inside one ribbon update: the colour, the four fonts, then its assigned set.
    void Assign(TPersistent* Source) override;
    TPersistent* GetOwner() override;

    TFont* ApplicationButton() const { return Font(afApplicationButton); }
    TFont* Group() const { return Font(afGroup); }
    TFont* GroupHeader() const { return Font(afGroupHeader); }
    TFont* TabHeader() const { return Font(afTabHeader); }
    // Assigning a font (or changing one of its attributes) marks it as the user's.
    void SetApplicationButton(TFont* AValue) { SetFont(afApplicationButton, AValue); }
    void SetGroup(TFont* AValue) { SetFont(afGroup, AValue); }
    void SetGroupHeader(TFont* AValue) { SetFont(afGroupHeader, AValue); }
    void SetTabHeader(TFont* AValue) { SetFont(afTabHeader, AValue); }
    TFont* Font(TovRibbonAssignedFont AIndex) const { return FFonts[AIndex].get(); }
    void SetFont(TovRibbonAssignedFont AIndex, TFont* AValue);
    // Only the user's fonts are stored.
    bool IsFontStored(TovRibbonAssignedFont AIndex) const { return FAssignedFonts.Contains(AIndex); }
    TovRibbonAssignedFonts AssignedFonts() const { return FAssignedFonts; }
    // Fonts taken out follow the defaults again at once.
    void SetAssignedFonts(TovRibbonAssignedFonts AValue);
    TColor DocumentNameColor() const { return FDocumentNameColor; }
    void SetDocumentNameColor(TColor AValue);
    TFont* CaptionFont() const { return FCaptionFont.get(); }

    // The unassigned fonts take the bar manager's (or the ribbon's) font and the skin's group colours;
    // the caption font the system's.
    void UpdateFonts();

    // ---- Working copies
    TFont* GetTabHeaderFont(int AState, TovRibbonContext* AContext);
    TFont* GetContextFont(TColor AContextColor);
    // AState 0 normal, 1 hot, 2 pressed.
    TFont* GetApplicationButtonFont(int AState);
    TFont* GetGroupFont();
    TFont* GetGroupHeaderFont();
    TFont* GetFormCaptionFont(bool AIsActive);
    TColor GetCaptionTextColor(bool AIsActive);
    TColor GetPartColor(int APart, int AState);

private:
    void FontChanged(TObject* ASender);
    TFont* GetInternalFont(TovRibbonAssignedFont AIndex);

    TovCustomRibbon* FRibbon;
    TovRibbonAssignedFonts FAssignedFonts;
    TColor FDocumentNameColor = clDefault;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TFont> FOwnCaptionFont;
    std::unique_ptr<TFont> FFonts[4];
    std::unique_ptr<TFont> FOwnFonts[4];
    bool FLocked = false;
};
