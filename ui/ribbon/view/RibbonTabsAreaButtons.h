// The buttons at the right end of the tab row: the 2010 style's minimize button, the help button (while
// the ribbon has a help handler and the form's caption does not show it) and, while an MDI child is
// maximized, its minimize, restore and close buttons. They are squares of the row's height, the last one
// at the row's right edge.
#pragma once

#include "ui/ribbon/view/RibbonCustomViewInfo.h"

#include <vector>

class TovRibbonHelpButtonViewInfo : public TovRibbonCustomButtonViewInfo {
public:
    using TovRibbonCustomButtonViewInfo::TovRibbonCustomButtonViewInfo;
    bool GetEnabled() override { return true; }
    // The ribbon's help handler.
    void Click() override;
    void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    // The help button's glyph size (the small icon size without one), stretched to fit when asked, centred.
    TRect GetGlyphBounds(const TRect& R);

protected:
    std::uint8_t HitCode() override;
};

// Glyph kinds of the minimize button: 0 collapse, 1 expand, 2 pin (the popup of a minimized ribbon is open).
constexpr int ovRibbonMinimizeGlyphCollapse = 0;
constexpr int ovRibbonMinimizeGlyphExpand = 1;
constexpr int ovRibbonMinimizeGlyphPin = 2;

class TovRibbonMinimizeButtonViewInfo : public TovRibbonCustomButtonViewInfo {
public:
    using TovRibbonCustomButtonViewInfo::TovRibbonCustomButtonViewInfo;
    // When enabled: the ribbon minimizes or comes back.
    void Click() override;
    void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    // "Collapse the Ribbon", "Expand the Ribbon" or "Pin the Ribbon" for the glyph kind.
    std::string GetHint() override;
    int GetGlyphKind();
};

// Kinds of MDI button: 0 minimize, 1 restore, 2 close.
class TovRibbonMDIButtonViewInfo : public TovRibbonCustomButtonViewInfo {
public:
    TovRibbonMDIButtonViewInfo(TovRibbonCustomContainerViewInfo* AOwner, int AButtonType)
        : TovRibbonCustomButtonViewInfo(AOwner), ButtonType(AButtonType) {}
    // The system command of its kind to the active MDI child.
    void Click() override;
    void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    // "Minimize Window", "Restore Window", "Close Window".
    std::string GetHint() override;

    const int ButtonType;
};

class TovRibbonTabsAreaButtonsViewInfo : public TovRibbonButtonsContainerViewInfo {
public:
    using TovRibbonButtonsContainerViewInfo::TovRibbonButtonsContainerViewInfo;
    // On glass the buttons compose in a 32-bit copy of what lies under them.
    void Draw(TuiCanvas* ACanvas) override;

protected:
    void CalculateButtonsBounds(const TRect& ABounds) override;
    void RecreateButtons() override;

private:
    std::vector<int> FKinds;
};
