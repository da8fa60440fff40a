// What the foundation's controls ask of a look-and-feel painter, and where they find painters. The
// painters themselves live above the foundation: their common painter class derives from
// TuiLookAndFeelPainterBase, and their registry installs itself in the painters slot when it starts.
// Until then the slot is empty and every painter query answers null.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <string>

class TuiCanvas;

// Painter style numbers.
using TuiLookAndFeelStyle = std::uint8_t;
constexpr TuiLookAndFeelStyle lfsFlat = 0;
constexpr TuiLookAndFeelStyle lfsStandard = 1;
constexpr TuiLookAndFeelStyle lfsUltraFlat = 2;
constexpr TuiLookAndFeelStyle lfsNative = 3;
constexpr TuiLookAndFeelStyle lfsOffice11 = 4;
constexpr TuiLookAndFeelStyle lfsSkin = 5;

// Button states of the painters: 0 default, 1 normal, 2 hot, 3 pressed, 4 disabled.
using TuiPainterButtonState = std::uint8_t;
constexpr TuiPainterButtonState cxbsDefault = 0;
constexpr TuiPainterButtonState cxbsNormal = 1;
constexpr TuiPainterButtonState cxbsHot = 2;
constexpr TuiPainterButtonState cxbsPressed = 3;
constexpr TuiPainterButtonState cxbsDisabled = 4;

// Parts of a scroll bar: 0 none, 1 line up/left button, 2 line down/right button, 3 thumb,
// 4 page up/left area, 5 page down/right area.
enum TuiScrollBarPart : std::uint8_t {
    sbpNone,
    sbpLineUp,
    sbpLineDown,
    sbpThumbnail,
    sbpPageUp,
    sbpPageDown
};

class TuiLookAndFeelPainterBase : public TObject {
public:
    virtual std::string PainterStyleName() { return std::string(); }
    virtual TuiLookAndFeelStyle LookAndFeelStyle() { return lfsStandard; }
    // Whether buttons draw hot under the mouse (the scroll bar hot-tracks and fades only then).
    virtual bool ButtonHotTracks() { return false; }
    // Width of the border a control draws around its content with the default border style.
    virtual int BorderThickness() { return 0; }
    virtual void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {}
    virtual int ScrollBarMinimalThumbSize(bool AVertical) { return 8; }
    // Paints the whole bar before its parts.
    virtual void DrawScrollBarBackground(TuiCanvas* ACanvas, const TRect& R, bool AHorizontal) {}
    virtual void DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                      TuiScrollBarPart APart, TuiPainterButtonState AState) {}
    // The square between two scroll bars.
    virtual TColor DefaultSizeGripAreaColor() { return clBtnFace; }
};

// The registry of painters, as the foundation sees it.
class TuiPaintersRegistry {
public:
    virtual ~TuiPaintersRegistry() = default;
    // The first registered painter of the style / named so (ignoring case); null when none.
    virtual TuiLookAndFeelPainterBase* GetPainterByStyle(TuiLookAndFeelStyle AStyle) = 0;
    virtual TuiLookAndFeelPainterBase* GetPainterByName(const std::string& AName) = 0;
};

// The installed registry (null while the painters are not started). The registry's owner installs it
// when it starts and installs null when it ends.
TuiPaintersRegistry* uiPaintersRegistry();
void uiSetPaintersRegistry(TuiPaintersRegistry* ARegistry);

// Services of the painters that the foundation calls at fixed moments; each does nothing while unset.
struct TuiPainterServiceHooks {
    // One more/one fewer user of the Office11 colours (the shared palette listener's life).
    void (*ReferenceOffice11Colors)() = nullptr;
    void (*ReleaseOffice11Palette)() = nullptr;
    // Recomputes the Office11 colours: first thing on every system-colour change.
    void (*RefreshOffice11Colors)() = nullptr;
    // Repaints the scroll bars' page patterns from the current system colours.
    void (*RebuildScrollBarBitmaps)() = nullptr;
};
void uiSetPainterServiceHooks(const TuiPainterServiceHooks& AHooks);
const TuiPainterServiceHooks& uiPainterServiceHooks();
void uiReferenceOffice11Colors();
void uiReleaseOffice11Palette();
void uiRefreshOffice11Colors();
void uiRebuildScrollBarBitmaps();
