// Button items: the command a user presses on toolbars, in menus and in ribbon groups, with the check
// state and exclusive groups; and the large (ribbon-size) button whose small image follows its large one.
#pragma once

#include "ui/bars/BarItem.h"
#include "ui/bars/BarWindows.h"

class TovBarButtonLikeItem : public TovBarItem {
public:
    using TovBarItem::TovBarItem;
    virtual std::string GetLinksSectionName(const std::string& APrefix) const { return {}; }
};

class TovBarButton : public TovBarButtonLikeItem {
public:
    explicit TovBarButton(TComponent* AOwner);

    bool Down() const { return FDown; }
    // A checked group releases its other member; a group without AllowAllUp keeps one button down.
    void SetDown(bool AValue);
    TovBarButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TovBarButtonStyle AValue);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int AValue);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool AValue);
    bool Checkable() const { return FButtonStyle == bsChecked || FButtonStyle == bsCheckedDropDown; }
    bool CloseSubMenuOnClick = true;
    bool DropDownEnabled = true;
    // The popup menu a drop-down style opens (not owned).
    IovBarDropDownMenu* DropDownMenu = nullptr;
    bool Lowered = false;

    bool IsPaintStyleSupported() const override { return true; }
    std::string GetDefaultCaption() const override;
    std::string GetLinksSectionName(const std::string& APrefix) const override {
        return APrefix + "Button_" + Name();
    }
    bool CanClick(TovBarItemLink* ALink = nullptr) const override;
    void DirectClick() override;
    void PaintStyleChanged() override;
    // The item's actions and the paint style (and the button group at design time).
    TovBarCustomizationActions GetSupportedActions() const override;

protected:
    // Large buttons on toolbars also need ShowCaption to be clicked by their accelerator.
    virtual bool CaptionShownOnToolbar() const { return true; }

private:
    bool FDown = false;
    TovBarButtonStyle FButtonStyle = bsDefault;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
};

class TovBarLargeButton : public TovBarButton {
public:
    explicit TovBarLargeButton(TComponent* AOwner);
    ~TovBarLargeButton() override;

    // Drawn in grey until hot or selected: a change repaints the links' controls.
    bool AutoGrayScale() const { return FAutoGrayScale; }
    void SetAutoGrayScale(bool AValue);
    // Where the glyph sits beside the caption: a change rebuilds every bar showing the button.
    TovBarGlyphLayout GlyphLayout() const { return FGlyphLayout; }
    void SetGlyphLayout(TovBarGlyphLayout AValue);
    int Height() const { return FHeight; }
    void SetHeight(int AValue);
    int HotImageIndex() const { return FHotImageIndex; }
    void SetHotImageIndex(int AValue);
    TBitmap* HotGlyph() const { return FHotGlyph; }
    bool SyncImageIndex() const { return FSyncImageIndex; }
    void SetSyncImageIndex(bool AValue);

    void SetImageIndex(int AValue) override;
    void ApplyLargeImageIndex(int AValue) override;
    int GetCurImageIndex() const override { return LargeImageIndex(); }
    void SetCurImageIndex(int AValue) override { ApplyLargeImageIndex(AValue); }
    bool IsHotImageAssigned() const override { return FHotImageIndex >= 0; }
    bool HasImage() const override { return LargeImageIndex() >= 0; }
    void HotGlyphChanged() override;
    void LargeGlyphChanged() override;
    void SetWidth(int AValue) override;
    // The button's actions without the paint style.
    TovBarCustomizationActions GetSupportedActions() const override;

protected:
    bool CaptionShownOnToolbar() const override { return ShowCaption(); }

private:
    TBitmap* FHotGlyph;
    bool FAutoGrayScale = true;
    TovBarGlyphLayout FGlyphLayout = glTop;
    int FHeight = 0;
    int FHotImageIndex = -1;
    bool FSyncImageIndex = true;
    bool FSynchronizing = false;
};
