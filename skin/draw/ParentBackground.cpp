#include "skin/draw/ParentBackground.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/GraphicControl.h"
#include "platform/win/WinMessages.h"

namespace {

// Reaches a window control's own painting, which the class library keeps for the control's family.
class TWindowPainter : public TWinControl {
public:
    static void PaintWindowOf(TWinControl* Control, HDC DC) {
        (Control->*(&TWindowPainter::PaintWindow))(DC);
    }
};

// Marks a control csPaintCopy for its lifetime (also when painting raises).
class TPaintCopy {
public:
    explicit TPaintCopy(TControl* Control) : FControl(Control) {
        FControl->ControlState().Include(csPaintCopy);
    }
    ~TPaintCopy() { FControl->ControlState().Exclude(csPaintCopy); }
    TPaintCopy(const TPaintCopy&) = delete;
    TPaintCopy& operator=(const TPaintCopy&) = delete;

private:
    TControl* FControl;
};

// Saves the DC's state and restores it when leaving.
class TSavedDC {
public:
    explicit TSavedDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
    ~TSavedDC() { RestoreDC(FDC, FSaved); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};

bool Intersect(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void PaintParentBackground(TControl* Control, TCanvas* Canvas) {
    if (!Control || !Control->Parent() || !Canvas) return;
    TWinControl* parent = Control->Parent();
    HDC dc = Canvas->Handle();
    TPaintCopy parentCopy(parent);
    TSavedDC saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - Control->Left(), origin.y - Control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    // This system has no MDI frames: the parent erases its own background.
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (!dynamic_cast<TForm*>(parent)) TWindowPainter::PaintWindowOf(parent, dc);
    const RECT bounds = Control->BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == Control) break;
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        if (!graphic || !graphic->Visible() || !Intersect(graphic->BoundsRect(), bounds)) continue;
        TPaintCopy childCopy(graphic);
        TSavedDC childSaved(dc);
        SetViewportOrgEx(dc, origin.x + graphic->Left() - Control->Left(),
                         origin.y + graphic->Top() - Control->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
        graphic->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}
