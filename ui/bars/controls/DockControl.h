// TovDockControl: the dock area along a window edge where toolbars sit in rows, as the painter reads it:
// its docking style, its painter and the background the toolbars docked in it continue.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarTypes.h"

#include <memory>
#include <vector>

class TBitmap;
class TovBar;
class TovBarPainter;

// One row of a dock: its rectangle in the dock and its bars in order.
struct TovDockRowInfo {
    TRect Bounds{0, 0, 0, 0};
    std::vector<TovBar*> Bars;
};

class TovDockControl : public TObject {
public:
    TovDockControl(TovBarManager* AManager, TovBarDockingStyle AStyle);
    ~TovDockControl() override;

    TovBarManager* GetBarManager() const { return FManager; }
    TovBarDockingStyle DockingStyle() const { return FDockingStyle; }
    // The manager's default painter (ribbon docks answer their own).
    virtual TovBarPainter* GetPainter() const;
    virtual bool IsDesigning() const;
    virtual bool NeedDoubleBuffer() const { return false; }
    TRect GetClientRect() const { return FClientRect; }
    // A new size empties the cached background.
    void SetClientRect(const TRect& R);
    const std::vector<TovDockRowInfo>& Rows() const { return FRows; }
    // New rows empty the cached background.
    void SetRows(std::vector<TovDockRowInfo> ARows);
    // The background a painter renders once and copies from afterwards (empty until then).
    TBitmap* CachedBackground();
    TColor Color() const;
    TBitmap* BackgroundBitmap() const { return FBackgroundBitmap; }
    void SetBackgroundBitmap(TBitmap* ABitmap) { FBackgroundBitmap = ABitmap; }
    // Paints the dock's background into ADestRect of ADC; AOrigin is the part of the dock it stands for
    // (a docked toolbar passes its own rectangle in the dock), so that the background lines up.
    virtual void FillBackground(HDC ADC, const TRect& ADestRect, const TRect& AOrigin);

private:
    TovBarManager* FManager;
    TovBarDockingStyle FDockingStyle;
    TRect FClientRect{0, 0, 0, 0};
    TBitmap* FBackgroundBitmap = nullptr;
    std::vector<TovDockRowInfo> FRows;
    std::unique_ptr<TBitmap> FCachedBackground;
};
