// The ribbon's two buttons that are not bar items: the application button at the left end of the tab
// row, which opens the application menu, and the help button at the right end. Both live exactly as
// long as their ribbon; a change that shows recalculates the ribbon and refreshes the form caption.
#pragma once

#include "platform/rtl/Persistent.h"

#include <memory>
#include <string>

class TBitmap;
class TComponent;
class TovCustomRibbon;
class TovScreenTip;
class IovRibbonApplicationMenu;

class TovRibbonCustomButtonPersistent : public TPersistent {
public:
    explicit TovRibbonCustomButtonPersistent(TovCustomRibbon* ARibbon);
    ~TovRibbonCustomButtonPersistent() override;

    // From either kind of button (inside one ribbon update): Glyph, ScreenTip and StretchGlyph.
    void Assign(TPersistent* Source) override;
    TPersistent* GetOwner() override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    // A usable glyph of fewer than 32 bits per pixel becomes a 32-bit glyph with alpha (its transparent
    // colour clear); a 32-bit glyph is kept as it is; null empties the glyph.
    void SetGlyph(TBitmap* AValue);
    TovScreenTip* ScreenTip() const { return FScreenTip; }
    void SetScreenTip(TovScreenTip* AValue);
    bool StretchGlyph() const { return FStretchGlyph; }
    void SetStretchGlyph(bool AValue);

    // The ribbon recalculates and, when it draws its form's caption, the caption and frame follow.
    void Changed();

private:
    void GlyphChanged(TObject* ASender);

    TovCustomRibbon* FRibbon;
    std::unique_ptr<TBitmap> FGlyph;
    TovScreenTip* FScreenTip = nullptr;
    bool FStretchGlyph = true;
};

class TovRibbonHelpButton : public TovRibbonCustomButtonPersistent {
public:
    using TovRibbonCustomButtonPersistent::TovRibbonCustomButtonPersistent;
};

class TovRibbonApplicationButton : public TovRibbonCustomButtonPersistent {
public:
    explicit TovRibbonApplicationButton(TovCustomRibbon* ARibbon);
    ~TovRibbonApplicationButton() override;

    // KeyTip, Menu and Visible (not Text), then the base's values.
    void Assign(TPersistent* Source) override;

    const std::string& KeyTip() const { return FKeyTip; }
    void SetKeyTip(const std::string& AValue) { FKeyTip = AValue; }
    TComponent* Menu() const { return FMenu; }
    // A component without IovRibbonApplicationMenu is refused (the old menu stays); a shown menu closes
    // before the menu changes.
    void SetMenu(TComponent* AValue);
    IovRibbonApplicationMenu* MenuInterface() const { return FMenuInterface; }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& AValue);
    bool Visible() const { return FVisible; }
    void SetVisible(bool AValue);

    bool CanShowMenu();
    void CloseMenu();
    // Opens the menu and returns when it closed; call only after CanShowMenu.
    bool PopupMenu(bool& AClosedByEscape);
    // The ribbon hands on every notification it receives.
    void Notification(TComponent* AComponent, int AOperation);

private:
    std::string FKeyTip;
    TComponent* FMenu = nullptr;
    IovRibbonApplicationMenu* FMenuInterface = nullptr;
    std::string FText;
    bool FVisible = true;
};
