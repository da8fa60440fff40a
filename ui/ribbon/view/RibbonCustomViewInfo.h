// The small elements of the ribbon's head share these bases: a view information with its rectangle, a
// container that owns its cells, and a button (the tab row's scroll buttons, the minimize, help and MDI
// buttons, the groups row's scroll buttons) with its state, fading and keyboard face. Each lays itself out
// in Calculate, answers hit tests and draws through the ribbon's painter; painting only reads what the
// last Calculate left.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/bars/navigation/BarAccessibilityHelper.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/painters/effects/FadingOptions.h"

#include <memory>
#include <string>
#include <vector>

class TuiCanvas;
class TovCustomRibbon;
class TovRibbonViewInfo;
class TovRibbonHitInfo;
class TovRibbonPainter;
class TovRibbonCustomContainerViewInfo;

// Keyboard navigation has selected the object whose keyboard face AOwner is (a tab, a button).
bool ovRibbonIsKeyboardSelected(const TObject* AOwner);

class TovRibbonCustomViewInfo : public TuiIUnknownObject {
public:
    explicit TovRibbonCustomViewInfo(TovRibbonViewInfo* AOwner) : FOwner(AOwner) {}

    // Stores the rectangle.
    virtual void Calculate(const TRect& ABounds) { Bounds = ABounds; }
    virtual void Draw(TuiCanvas* ACanvas) = 0;
    virtual bool GetHitInfo(TovRibbonHitInfo&) { return false; }
    // Invalidates Bounds on the ribbon (not while it is being destroyed).
    virtual void Invalidate();

    TovRibbonViewInfo* Owner() const { return FOwner; }
    TovCustomRibbon* GetRibbon() const;
    TovRibbonPainter* GetPainter() const;

    TRect Bounds{};

private:
    TovRibbonViewInfo* FOwner;
};

class TovRibbonCustomContainerViewInfo : public TovRibbonCustomViewInfo {
public:
    using TovRibbonCustomViewInfo::TovRibbonCustomViewInfo;

    // Takes the cell; answers its index.
    int Add(std::unique_ptr<TObject> ACell);
    // Frees the cells.
    void Clear() { FCells.clear(); }
    int GetCount() const { return static_cast<int>(FCells.size()); }
    TObject* GetItem(int AIndex) const { return FCells[AIndex].get(); }
    // Invalidates a cell's rectangle in the window the container draws in (the ribbon's).
    virtual void InvalidateRect(const TRect& R);

private:
    std::vector<std::unique_ptr<TObject>> FCells;
};

// Button states: 1 normal, 2 hot, 3 pressed, 4 disabled.
constexpr int ovRibbonButtonNormal = 1;
constexpr int ovRibbonButtonHot = 2;
constexpr int ovRibbonButtonPressed = 3;
constexpr int ovRibbonButtonDisabled = 4;

class TovRibbonCustomButtonViewInfo : public TuiIUnknownObject,
                                      public IovFadingObject,
                                      public IovFadingOptionsProvider {
public:
    explicit TovRibbonCustomButtonViewInfo(TovRibbonCustomContainerViewInfo* AOwner) : FOwner(AOwner) {}
    // Leaves the fader and tells its keyboard face that the button is gone.
    ~TovRibbonCustomButtonViewInfo() override;

    virtual std::string GetHint() { return {}; }
    // While no application menu covers the ribbon (state below 2).
    virtual bool GetEnabled();
    // Pressed when the controller holds it pressed, hot when it is under the mouse, else normal; disabled
    // when not enabled.
    virtual void UpdateState();
    virtual void DrawBackground(TuiCanvas*, const TRect&, int) {}
    virtual void DrawGlyph(TuiCanvas*, const TRect&, int) {}
    virtual void Click() {}
    // Nothing for an empty or unseen rectangle; the fader's frame or the background, then the glyph.
    virtual void Draw(TuiCanvas* ACanvas);
    virtual bool GetHitInfo(TovRibbonHitInfo& AHitInfo);

    TovRibbonCustomContainerViewInfo* Owner() const { return FOwner; }
    TovCustomRibbon* GetRibbon() const;
    TovRibbonPainter* GetPainter() const;
    int State() const { return FState; }
    // The stored state, except that a normal button reads hot while keyboard navigation selects it.
    int GetEffectiveState();
    // A change to hot fades in, back to normal fades out (when the ribbon allows fading); the button is
    // invalidated.
    void SetState(int AState);
    void Invalidate();
    // Made on first request; the button's keyboard face.
    TovBarAccessibilityHelper* GetAccessibilityHelper();
    bool IsKeyboardSelected();

    // ---- Fading
    bool IsFadable() override;
    void DrawFadeStep() override { Invalidate(); }
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override;
    TovFadingOptions* GetFadingOptions() override;

    TRect Bounds{};

protected:
    virtual TovBarAccessibilityHelper* CreateAccessibilityHelper();
    // The code the hit test reports (the minimize and MDI buttons': 9).
    virtual std::uint8_t HitCode() { return 9; }

private:
    TovRibbonCustomContainerViewInfo* FOwner;
    int FState = ovRibbonButtonNormal;
    TovBarHelperRef FAccessibilityHelper;
};

// The buttons' keyboard face: Enter and Space click, selection shows as the hot look.
class TovRibbonCustomButtonAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    explicit TovRibbonCustomButtonAccessibilityHelper(TovRibbonCustomButtonViewInfo* AButton)
        : TovBarAccessibilityHelper(AButton), FButton(AButton) {}
    TovRibbonCustomButtonViewInfo* ButtonViewInfo() const { return IsOwnerAlive() ? FButton : nullptr; }

    TovBarManager* OwningBarManager() override;
    bool AcceptsNavigationKey(WORD AKey) override;
    bool TryNavigationKey(WORD& AKey, TShiftState AShift) override;
    void Select(bool ASetFocus) override;
    void LoseSelection(TovBarAccessibilityHelper* ANextSelectedObject) override;
    HWND GetOwnerWindow() override;
    bool IsSelectableObject() override;
    LONG GetState(int AIndex) override;
    void BoundsOnScreen(int AIndex, TRect& R) override;

protected:
    ~TovRibbonCustomButtonAccessibilityHelper() override = default;

private:
    TovRibbonCustomButtonViewInfo* FButton;
};

class TovRibbonButtonsContainerViewInfo : public TovRibbonCustomContainerViewInfo {
public:
    using TovRibbonCustomContainerViewInfo::TovRibbonCustomContainerViewInfo;

    // RecreateButtons, Bounds, the buttons' rectangles, then their states.
    void Calculate(const TRect& ABounds) override;
    void Draw(TuiCanvas* ACanvas) override;
    bool GetHitInfo(TovRibbonHitInfo& AHitInfo) override;
    // Every button, last to first, takes its state again.
    void UpdateButtonsState();
    TovRibbonCustomButtonViewInfo* Button(int AIndex) const {
        return static_cast<TovRibbonCustomButtonViewInfo*>(GetItem(AIndex));
    }
    // Takes the button; answers its index.
    int AddButton(TovRibbonCustomButtonViewInfo* AButton) { return Add(std::unique_ptr<TObject>(AButton)); }

protected:
    virtual void CalculateButtonsBounds(const TRect& ABounds) = 0;
    virtual void RecreateButtons() {}
};

// The scroll buttons of the tab row and of the groups row.
class TovRibbonCustomScrollButtonViewInfo : public TovRibbonCustomButtonViewInfo {
public:
    using TovRibbonCustomButtonViewInfo::TovRibbonCustomButtonViewInfo;
};
