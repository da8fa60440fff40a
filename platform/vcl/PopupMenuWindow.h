// The pop-up window that shows one level of a menu in the classic look: 3-D frame, items with their
// check marks or images, accelerator underlines, right-aligned shortcut texts, sub-menu arrows and
// etched separators; the highlighted item in the selection colours. It never takes the activation.
#pragma once

#include "platform/vcl/CustomControl.h"

#include <vector>

class TMenuItem;

class TPopupMenuWindow : public TCustomControl {
public:
    TPopupMenuWindow(TMenuItem* AItems, TPopupMenuWindow* AParentWindow);
    ~TPopupMenuWindow() override;

    TMenuItem* Items() const { return FItems; }
    TPopupMenuWindow* ParentWindow() const { return FParentWindow; }
    TPopupMenuWindow* SubWindow() const { return FSubWindow; }
    void SetSubWindow(TPopupMenuWindow* Value) { FSubWindow = Value; }
    // The visible items in order, and the one highlighted (-1 for none).
    const std::vector<TMenuItem*>& VisibleItems() const { return FVisibleItems; }
    int Selected() const { return FSelected; }
    TMenuItem* SelectedItem() const;
    void Select(int Index);
    // Moves the highlight to the next (or previous) item that is not a separator.
    void SelectStep(bool Forward);
    // The visible item at a point of the window, or -1.
    int ItemAtPos(POINT ClientPos) const;
    // An item's rectangle in window coordinates.
    RECT ItemRect(int Index) const;
    // Measures the items and shows the window at (X, Y) screen coordinates, kept inside the work area;
    // RightEdge is the x a sub-menu flips to when it has no room on the right.
    void ShowAt(int X, int Y, int FlipX);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }
    void Dispatch(TMessage& Message) override;

private:
    void Measure();
    void DrawItem(int Index, const RECT& Rect);

    TMenuItem* FItems;
    TPopupMenuWindow* FParentWindow;
    TPopupMenuWindow* FSubWindow = nullptr;
    std::vector<TMenuItem*> FVisibleItems;
    std::vector<int> FTops; // top of each visible item, inside the frame
    std::vector<int> FHeights;
    int FSelected = -1;
    int FTextWidth = 0;
    int FShortCutWidth = 0;
};
