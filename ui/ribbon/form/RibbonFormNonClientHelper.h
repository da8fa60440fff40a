// IovRibbonFormNonClientHelper: what the ribbon form's caption helper asks of the ribbon that draws the
// form's title bar and frame. The ribbon implements it; the helper reaches the ribbon only through it.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/ribbon/RibbonTypes.h"

#include <string>
#include <vector>

class TuiCanvas;
class TovBarManager;
class TovBarPainter;
class TWinControl;
class IovRibbonCaptionAreaExtension;
struct TovRibbonFormPaintData;

class IovRibbonFormNonClientHelper {
public:
    virtual ~IovRibbonFormNonClientHelper() = default;

    // 1. The size of a caption button of the given glyph kind (small: a tool window's button), which the
    // skin and the touch mode may enlarge.
    virtual void AdjustCaptionButtonSize(int AButtonKind, bool ASmall, TSize& ASize) = 0;
    // 2. The help caption button was clicked.
    virtual void DoHelpButtonClick() = 0;
    // 3. Fills R (form coordinates) with the form's background as the skin draws it.
    virtual void DrawFormBackground(HDC DC, const TRect& R) = 0;
    // 4. The frame: the side, bottom and top borders of the given widths.
    virtual void DrawFormBorders(TuiCanvas* ACanvas, const TovRibbonFormPaintData& AData,
                                 const TRect& ABordersWidth) = 0;
    // 5. The glyph of a caption button (glyph kind as the caption helper numbers them) in a skin state.
    virtual void DrawFormBorderIcon(TuiCanvas* ACanvas, const TRect& R, int AIcon, int AState) = 0;
    // 6. The caption strip: background, tab row top, quick access toolbar, application button, context
    // headers, form icon and caption text.
    virtual void DrawFormCaption(TuiCanvas* ACanvas, const TRect& R, const TovRibbonFormPaintData& AData) = 0;
    // 7. The form's tab-order list while the application menu is shown.
    virtual void ApplicationMenuNotify(std::vector<TWinControl*>& AList) = 0;
    // 8. 0 while no application menu is shown, else 1, 2 or 3 by the menu's display mode.
    virtual int GetApplicationMenuState() = 0;
    // 9. The ribbon's bar manager when it is usable, else null.
    virtual TovBarManager* GetBarManager() = 0;
    // 10. The bar painter of everything the ribbon shows (null while the ribbon has none).
    virtual TovBarPainter* GetBarPainter() = 0;
    // 11. How far the tab row extends the caption's glass (0 without).
    virtual int GetTabsGlassHeight() = 0;
    // 12. The caption strip's height with the quick access toolbar in it.
    virtual int GetCaptionHeightWithQuickAccessToolbar() = 0;
    // 13. The caption strip's height without it.
    virtual int GetCaptionHeight() = 0;
    // 14. The form's background colour in the current skin.
    virtual TColor GetFormColor() = 0;
    // 15. A new region (the caller deletes it) of the tab row right of the last tab that lets glass show
    // through; null when there is none.
    virtual HRGN CreateGlassRegion() = 0;
    // 16. The ribbon's height as the form was designed with it.
    virtual int GetStreamedHeight() = 0;
    // 17. A new region (the caller deletes it) of the elements the ribbon draws in the caption and answers
    // the mouse for itself; null when there are none.
    virtual HRGN GetNonClientElementsRegion() = 0;
    // 18. The quick access toolbar's dock rectangle when the toolbar sits in the caption, else empty.
    virtual TRect GetQuickAccessToolbarBounds() = 0;
    // 19.
    virtual TovRibbonStyle GetStyle() = 0;
    // 20. The first registered extension that accepts the form (only in non-client drawing without
    // glass), else null.
    virtual IovRibbonCaptionAreaExtension* GetCaptionAreaExtension() = 0;
    // 21. The text the form's window and the task bar show.
    virtual std::string GetWindowCaption() = 0;
    // 22. The skin's frame widths (left, top, right, bottom).
    virtual TRect GetWindowBordersWidth() = 0;
    // 23. Flat one-pixel borders (a shadow window then gives the form its depth).
    virtual bool UseFlatWindowBorders() = 0;
    // 24. Whether a help-button click reaches a handler.
    virtual bool HasHelpButtonHandler() = 0;
    // 25. Whether GetCaptionAreaExtension answers one.
    virtual bool HasCaptionAreaExtension() = 0;
    // 26.
    virtual bool UseRoundedWindowCorners() = 0;
    // 27. Repaints the ribbon, the quick access toolbar in the caption and the shown application menu now.
    virtual void RepaintAll() = 0;
};

// A control registered with the ribbon that draws beside the caption and owns a bar below the form's
// client area. Nothing in this program registers one; the ribbon and the form keep the hooks for it.
class IovRibbonCaptionAreaExtension {
public:
    virtual ~IovRibbonCaptionAreaExtension() = default;
    virtual bool AcceptsForm(TWinControl* AForm) = 0;
    // The pieces it draws in the left and right borders of the caption strip.
    virtual void DrawBorderPieces(TuiCanvas* ACanvas, const TovRibbonFormPaintData& AData,
                                  const TRect& ABordersWidth) = 0;
    // The bar it keeps at the bottom of the form (null when none).
    virtual TWinControl* GetBottomBar() = 0;
};
