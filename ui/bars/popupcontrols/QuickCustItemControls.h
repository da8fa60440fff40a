// The item controls of the quick customization list: a button with a check column in front, as wide as
// the entry is high; the list entries take what they show from the toolbar link they stand for and stay
// open when clicked; "&Reset Toolbar" and "&Customize..." keep the column empty.
#pragma once

#include "ui/bars/itemcontrols/ButtonControls.h"

class TovCustomQuickCustItemControl : public TovBarButtonControl {
public:
    using TovBarButtonControl::TovBarButtonControl;

    virtual bool IsChecked() const { return false; }
    // Whether the column shows a check box at all.
    virtual bool HasCheckBox() const { return true; }
    // The width of the check column: the entry's height.
    int CheckColumnWidth() const;

    int GetWidth() const override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    // The entries never hold the mouse: a release over one is a click that leaves the menu open.
    bool NeedsMouseCapture() const override { return false; }
};

class TovBarQuickCustItemControl : public TovCustomQuickCustItemControl {
public:
    using TovCustomQuickCustItemControl::TovCustomQuickCustItemControl;

    // The toolbar link the entry stands for (null when it is gone).
    TovBarItemLink* StoodForLink() const;
    bool IsChecked() const override;
    bool CloseMenusOnClick() const override { return false; }
    void ControlClick(bool AByMouse) override;

    std::string GetCaption() const override;
    std::string GetHint() const override;
    TShortCut GetShortCut() const override;
    TBitmap* GetGlyph() const override;
    TCustomImageList* GetImages(TovBarItemViewSize AViewSize) const override;
    int GetImageIndex() const override;
    TBitmap* GetLargeGlyph() const override;
    int GetLargeImageIndex() const override;
};

class TovBarQuickCustExtButtonControl : public TovCustomQuickCustItemControl {
public:
    using TovCustomQuickCustItemControl::TovCustomQuickCustItemControl;
    bool HasCheckBox() const override { return false; }
};

extern const TovBarItemControlClass ovBarQuickCustItemControlClass;
extern const TovBarItemControlClass ovBarQuickCustExtButtonControlClass;
