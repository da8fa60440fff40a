// Item controls the gallery, the painting tests and the benchmark draw beyond the library's own:
// - a stand-in of the edit-like controls (edit, combo, spin edit, colour combo). It lays its parts out as
//   the edit controls do — glyph column, caption, text field, and the combo's drop-down button, the spin
//   edit's two buttons or the colour combo's two buttons — and draws through the painter's edit
//   operations. It hosts no edit window: its text is always painted.
// - a sub-item whose dropped-down state and menu are set directly, without opening a menu window.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/painting/BarPainterInterfaces.h"

namespace bar_gallery {

enum TGalleryEditKind { gekEdit, gekCombo, gekSpinEdit, gekColorCombo };

// The item: an edit whose controls are the stand-in of its kind.
class TGalleryEditItem : public TovBarEdit {
public:
    explicit TGalleryEditItem(TComponent* AOwner, TGalleryEditKind AKind = gekEdit)
        : TovBarEdit(AOwner), Kind(AKind) {}
    TGalleryEditKind Kind;
    bool ShowCustomColorButton = true;
};

class TGalleryEditControl : public TovBarItemControl, public IovBarEditLikeControl {
public:
    using TovBarItemControl::TovBarItemControl;

    TGalleryEditKind Kind() const;
    // The edit rectangle: the field and its buttons with their frame.
    TRect EditRect() const { return FEditRect; }

    // ---- The painter calls back while it draws the edit.
    void ExcludeEditFrame() override;
    void DrawTextField() override;

    // ---- Item control
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    void CalcDrawParams(bool AFull = true) override;
    void CalcParts() override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    int GetPartCount() const override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    int GetCaptionAreaWidth() const override;
    int GetControlAreaWidth() const override;
    int GetIconAreaWidth() const override;
    int GetDefaultHeight() const override;
    int GetMenuHeight() const override;
    bool IsDroppedDown() const override { return FDroppedDown; }
    void SetDroppedDown(bool AValue) override;
    bool HasEditIndent() const override { return false; }
    std::string Text() const override;

private:
    // The text field's frame, as far as it reaches over the buttons.
    TRect FrameRect() const;

    bool FDroppedDown = false;
    TRect FEditRect{0, 0, 0, 0};
};

extern const TovBarItemControlClass GalleryEditControlClass;

class TGallerySubItem : public TovBarSubItem {
public:
    using TovBarSubItem::TovBarSubItem;
};

class TGallerySubItemControl : public TovBarSubItemControl {
public:
    using TovBarSubItemControl::TovBarSubItemControl;
    bool IsDroppedDown() const override { return FDroppedDown; }
    void SetDroppedDown(bool AValue) override;
    TCustomovBarControl* GetSubMenuControl() const override { return Menu.Get(); }
    // The menu shown as opened by the item (none: the item is dropped down without one in sight).
    TWeakLink<TCustomovBarControl> Menu;

private:
    bool FDroppedDown = false;
};

extern const TovBarItemControlClass GallerySubItemControlClass;

// Registers the gallery's items with their controls (once).
void RegisterGalleryControls();

} // namespace bar_gallery
