// TovBarDockedControl: the bar control that shows a TovBar (a toolbar, docked or floating): it holds the
// bar, counts the internal updates during which its window is remade for docking or undocking, and tracks
// a press on one of the bar's caption buttons until the release decides whether it clicks.
// TovDockRow and TovDockCol: the rows a dock keeps its toolbars in and the column of each toolbar window.
// The two fading helpers let a toolbar's mark and the main menu's buttons fade between normal and hot.
#pragma once

#include "ui/bars/controls/CustomBarControl.h"
#include "ui/core/controls/FadingObject.h"

#include <memory>
#include <vector>

class TovBar;
class TovBarCaptionButtons;
class TovBarControl;
class TovDockControl;

class TovBarDockedControl : public TCustomovBarControl {
public:
    TovBarDockedControl(TovBarManager* AManager, TovBarControlKind AKind)
        : TCustomovBarControl(AManager, AKind) {}

    TovBar* Bar() const { return FBar; }
    virtual void AttachBar(TovBar* ABar) { FBar = ABar; }

    // ---- Internal updates: the window is remade for docking or undocking
    void BeginInternalUpdate() { ++FInternalUpdateCount; }
    void EndInternalUpdate() {
        if (FInternalUpdateCount > 0) --FInternalUpdateCount;
    }
    bool IsInternalUpdating() const { return FInternalUpdateCount > 0; }

    // ---- Caption buttons
    // A press in the non-client area closes the open menus unless the bar lives in a popup window.
    virtual bool NeedCloseUpOnNCClick() const { return true; }
    // The enabled caption button at P (window coordinates), -1 when none.
    virtual int GetCaptionButtonAtPos(POINT P) const;
    virtual bool HasCaptionButtons() const;
    virtual void BeforeCaptionButtonClick() {}
    virtual void CaptionButtonClick(int AIndex);
    virtual void UpdateCaptionButtonStates(POINT P, bool APressed, int AIndex);
    void UpdateCaptionButtons() override {}
    virtual TovBar* GetCaptionButtonsBar() const { return FBar; }
    TovBarCaptionButtons* GetCaptionButtons() const;

    // The press of a caption button, as the window's non-client loop drives it: the press at P starts the
    // tracking of the button there (False over none); moves update the pressed look; the release clicks
    // only over the button that was pressed. Cancelling (the capture lost) never clicks.
    bool BeginCaptionButtonTracking(POINT P);
    void TrackCaptionButton(POINT P);
    bool EndCaptionButtonTracking(POINT P);
    void CancelCaptionButtonTracking();
    int TrackedCaptionButton() const { return FTrackedButton; }

    // The window left the mouse: no caption button stays hot.
    void MouseLeave() override;

protected:
    TovBar* FBar = nullptr;

private:
    int FInternalUpdateCount = 0;
    int FTrackedButton = -1;
    bool FTracking = false;
};

class TovDockRow;

// One toolbar window in a row and the place along the row it remembers (client coordinates of the dock).
class TovDockCol : public TObject {
public:
    TovDockCol(TovDockRow* ARow, TovBarControl* ABarControl) : FRow(ARow), FBarControl(ABarControl) {}
    TovDockRow* Row() const { return FRow; }
    TovBarControl* BarControl() const { return FBarControl; }
    // The window's Left and Top in the dock.
    void StorePosition();
    TPoint Pos{0, 0};

private:
    TovDockRow* FRow;
    TovBarControl* FBarControl;
};

// A row of a dock: the columns of its toolbar windows and the bars that belong to it.
class TovDockRow : public TObject {
public:
    explicit TovDockRow(TovDockControl* ADockControl) : FDockControl(ADockControl) {}
    ~TovDockRow() override;
    TovDockRow(const TovDockRow&) = delete;
    TovDockRow& operator=(const TovDockRow&) = delete;

    TovDockControl* DockControl() const { return FDockControl; }
    TovDockCol* AddCol(TovBarControl* ABarControl);
    TovDockCol* InsertCol(int AIndex, TovBarControl* ABarControl);
    void RemoveColOf(TovBarControl* ABarControl);
    void RemoveCol(int AIndex);
    int ColIndexOf(const TovBarControl* ABarControl) const;
    // The bar joins the row; its window gets a column when it is docked in this row's dock and has none.
    void AddBar(TovBar* ABar);
    // Returns True when the row freed itself (AFreeWhenEmpty and no bar left).
    bool RemoveBar(TovBar* ABar, bool AFreeWhenEmpty);
    bool ContainsBar(const TovBar* ABar) const;
    TovDockCol* GetCol(int AIndex) const { return FCols[AIndex].get(); }
    int GetColCount() const { return static_cast<int>(FCols.size()); }
    int BarCount() const { return static_cast<int>(FBars.size()); }
    TovBar* Bars(int AIndex) const { return FBars[AIndex]; }
    // Some bar of the row shows a docked window.
    bool HasDockedWindow() const;
    // Every bar of a column is alone on its row exactly when the row has one column.
    void UpdateOneOnRow();

private:
    TovDockControl* FDockControl;
    std::vector<std::unique_ptr<TovDockCol>> FCols;
    std::vector<TovBar*> FBars;
};

// The toolbar's mark fading between its normal and hot looks.
class TovBarControlMarkFadingHelper : public TovFadingObjectHelper {
public:
    explicit TovBarControlMarkFadingHelper(TovBarControl* AToolbar) : FToolbar(AToolbar) {}
    ~TovBarControlMarkFadingHelper() override;
    // Never while the mark is pressed.
    bool IsFadable() override;
    void DrawFadeStep() override;
    // The mark in its normal and hot looks, drawn by a painter that fades.
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override;

private:
    TovBarControl* FToolbar;
};

// One of the main menu's MDI buttons (0 minimize, 1 restore, 2 close) fading.
class TovBarControlMDIButtonFadingHelper : public TovFadingObjectHelper {
public:
    TovBarControlMDIButtonFadingHelper(TovBarControl* AToolbar, int AButtonIndex)
        : FToolbar(AToolbar), FButtonIndex(AButtonIndex) {}
    ~TovBarControlMDIButtonFadingHelper() override;
    bool IsFadable() override;
    void DrawFadeStep() override;
    int ButtonIndex() const { return FButtonIndex; }

private:
    TovBarControl* FToolbar;
    int FButtonIndex;
};

// Starts the helper's fade towards its hot (in) or normal (out) picture when it may fade.
void ovFadeInHelper(TovFadingObjectHelper* AHelper);
void ovFadeOutHelper(TovFadingObjectHelper* AHelper);
