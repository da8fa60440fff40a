// Extra buttons a toolbar may carry in its caption: a glyph with its enabled state, hint, key tip, screen
// tip and click event. The window that shows the toolbar lays them out (it sets their bounds) and
// drives their states from the mouse; merging a toolbar into another copies its caption buttons there
// and unmerging takes exactly those copies away again.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"
#include "ui/core/base/SortedCollection.h"

#include <memory>
#include <string>

class TBitmap;
class TComponent;
class TuiFreeNotificator;
class TovBar;
class TovBarCaptionButtons;
class IovBarControl;

enum TovBarCaptionButtonState { cbsNormal = 0, cbsDisabled = 1, cbsHot = 2, cbsPressed = 4 };

class TovBarCaptionButton : public TCollectionItem {
public:
    explicit TovBarCaptionButton(TCollection* ACollection);
    ~TovBarCaptionButton() override;

    TovBarCaptionButtons* Buttons() const;
    bool Enabled() const { return FEnabled; }
    // Stores the value and puts the state to normal or disabled.
    void SetEnabled(bool AValue);
    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(TBitmap* AValue);
    std::string Hint;
    std::string KeyTip;
    // Window coordinates of the toolbar window, set by the window that lays the buttons out.
    RECT Bounds{};
    // The screen tip shown for the button (a reference: a freed screen tip leaves none).
    TComponent* ScreenTip() const { return FScreenTip; }
    void SetScreenTip(TComponent* AValue);
    int State() const { return FState; }
    // A hot state shows the button's hint in the toolbar window, any other hides it; a change repaints.
    void SetState(int AValue);
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& AValue);
    // The collection this button was copied from by a merge; null for the toolbar's own buttons.
    TovBarCaptionButtons* MergedFrom() const { return FMergedFrom; }

    // The window of the toolbar the button belongs to (null while it has none).
    IovBarControl* BarControl() const;
    void DoClick();
    // The hint is given only while the button is hot.
    bool GetHintText(std::string& AHint) const;

    virtual void Merge(TovBarCaptionButton* AButton);
    // Frees this button when it was merged from AButtons (from any collection when null).
    virtual void Unmerge(TovBarCaptionButtons* AButtons);
    // From another caption button: Enabled, glyph, Hint, KeyTip, ScreenTip and OnClick.
    void Assign(TPersistent* Source) override;

private:
    void GlyphChanged(TObject* ASender);

    bool FEnabled = true;
    TBitmap* FGlyph;
    std::unique_ptr<TuiFreeNotificator> FFreeNotificator;
    TComponent* FScreenTip = nullptr;
    int FState = cbsNormal;
    TNotifyEvent FOnClick;
    TovBarCaptionButtons* FMergedFrom = nullptr;
};

class TovBarCaptionButtons : public TuiOwnedInterfacedCollection {
public:
    explicit TovBarCaptionButtons(TovBar* AOwner);

    TovBarCaptionButton* Add();
    TovBarCaptionButton* Items(int AIndex) const {
        return static_cast<TovBarCaptionButton*>(TCollection::Items(AIndex));
    }
    TovBar* GetBar() const { return FBar; }
    // The first enabled button whose bounds contain P; -1 when none.
    int IndexAtPos(POINT P) const;
    // The union of the buttons' non-empty bounds.
    RECT GetBoundsRect() const;
    // Enabled buttons under P become pressed (APressed) or hot, the others normal; disabled ones stay.
    void UpdateStates(POINT P, bool APressed);

    // Adds a copy of every button of AButtons, remembering where it came from.
    virtual void Merge(TovBarCaptionButtons* AButtons);
    // Frees, last first, the copies merged from AButtons (every merged copy when null).
    virtual void Unmerge(TovBarCaptionButtons* AButtons);

private:
    TovBar* FBar;
};
