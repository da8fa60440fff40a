// TovDockControl: the strip along a window edge (or wherever a TovBarDockControl is placed) that holds
// docked toolbars in rows. It keeps the rows and their columns, decides into which row and column a
// toolbar lands for a drop point (with a new-row band between rows), lays every row out, and sizes itself
// to its rows. The model reaches it through IovBarDock; the painter reads its style and background.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/BarWindows.h"

#include <memory>
#include <vector>

class TBitmap;
class TovBar;
class TovBarControl;
class TovBarPainter;
class TovDockRow;
struct TovDockRowsGeometry;

// One row as the painters read it: its rectangle in the dock's client area and its toolbars in order.
struct TovDockRowInfo {
    TRect Bounds{0, 0, 0, 0};
    std::vector<TovBar*> Bars;
};

enum TovBarDockAlign { dalNone, dalTop, dalBottom, dalLeft, dalRight };

class TovDockControl : public TObject, public IovBarDock {
public:
    TovDockControl(TovBarManager* AManager, TovBarDockingStyle AStyle, bool ABuiltIn = true);
    ~TovDockControl() override;
    TovDockControl(const TovDockControl&) = delete;
    TovDockControl& operator=(const TovDockControl&) = delete;

    TovBarManager* GetBarManager() const { return FManager; }
    // The manager's default painter (ribbon docks answer their own).
    virtual TovBarPainter* GetPainter() const;
    virtual bool IsDesigning() const;
    // A right press on the dock outside customizing: the design controller's toolbars popup (docks that
    // list no toolbars override it).
    virtual void ShowToolbarsPopup();
    virtual bool NeedDoubleBuffer() const { return false; }
    TColor Color() const;
    TBitmap* BackgroundBitmap() const { return FBackgroundBitmap; }
    void SetBackgroundBitmap(TBitmap* ABitmap) { FBackgroundBitmap = ABitmap; }
    // Paints the dock's background into ADestRect of ADC; AOrigin is the part of the dock it stands for
    // (a docked toolbar passes its own rectangle in the dock), so that the background lines up.
    virtual void FillBackground(HDC ADC, const TRect& ADestRect, const TRect& AOrigin);
    // The rows' rectangles and toolbars in order, for painters that draw lines between rows.
    virtual std::vector<TovDockRowInfo> RowInfos() const;
    // The background a painter renders once and copies from afterwards (empty until then); a new size or a
    // new row layout empties it.
    TBitmap* CachedBackground();
    bool AllowDocking = true;

    // ---- Place: the bounds in the parent's client area and the parent client's screen origin
    TRect Bounds() const { return FBounds; }
    // Moves the window with it; a new length along the rows lays them out again.
    void SetBounds(const TRect& R);
    TPoint ParentOrigin() const { return FParentOrigin; }
    void SetParentOrigin(const TPoint& P) { FParentOrigin = P; }
    // The client area: the bounds less the sunken border.
    TRect GetClientRect() const;
    TPoint ClientToScreen(const TPoint& P) const;
    TPoint ScreenToClient(const TPoint& P) const;
    bool IsHorizontal() const { return FDockingStyle == dsTop || FDockingStyle == dsBottom; }
    bool IsVertical() const { return !IsHorizontal(); }

    // ---- IovBarDock
    TovBarDockingStyle DockingStyle() const override { return FDockingStyle; }
    TovBarManager* BarManager() const override { return FManager; }
    bool IsBuiltIn() const override { return FBuiltIn; }
    bool CanDocking(TovBar* ABar, TovBarDockingStyle AStyle) const override { return AllowDocking; }
    int RowCount() const override { return DockRowCount(); }
    void AddRow() override;
    int RowOf(const TovBar* ABar) const override;
    void PutInRow(TovBar* ABar, int ARow) override;
    void RemoveBar(TovBar* ABar) override;
    void DropEmptyRows() override;
    void UpdateDock() override;
    void SetRedraw(bool ARedraw) override {}
    bool IsShownWithWindow() const override { return true; }
    bool HasWindow() const override { return FHandle != nullptr; }
    bool CanFocus() const override { return FVisible; }
    RECT ScreenBounds() const override;
    void SetVisible(bool AValue) { FVisible = AValue; }
    HWND Handle() const { return FHandle; }
    // The dock's window: a child of the manager's form that paints the dock background and never
    // activates (DockControlWindow.cpp).
    void HandleNeeded();
    void DestroyHandle();

    // ---- Rows
    int DockRowCount() const { return static_cast<int>(FRows.size()); }
    TovDockRow* RowAt(int AIndex) const;
    int IndexOfRow(const TovDockRow* ARow) const;
    TovDockRow* InsertRow(int AIndex);
    // Frees a row that lost its last bar (its bars are told they left it).
    void FreeRow(TovDockRow* ARow);
    // A row that goes tells the bars it still held.
    void BarLeftRow(TovBar* ABar, TovDockRow* ARow) {}
    // The row and column of a toolbar window, -1 when it is not in the dock.
    int RowIndexOfControl(const TovBarControl* AControl) const;

    // ---- Docking toolbar windows (P in client coordinates of the dock)
    void DockBarControl(TovBarControl* ABarControl, TPoint P, bool ARealign);
    void UndockBarControl(TovBarControl* ABarControl, bool ARealign);
    void MoveBarControl(TovBarControl* ABarControl, TPoint P);
    // Every column remembers where its window stands.
    void SaveColumnPositions();

    // ---- Zones (P in screen coordinates)
    void GetZoneBounds(int ARow, int APart, int& AFrom, int& ATo) const;
    int RowIndexAtPoint(TPoint P, bool& ANewRow) const;
    int ColumnIndexAtPoint(int ARow, TPoint P) const;
    // P (client coordinates) moved across the rows into the middle of ARow's range.
    void SnapPoint(int ARow, bool ANewRow, TPoint& P) const;

    // ---- Layout and size
    TRect GetRowRect(int ARow) const;
    int RowExtent(int ARow) const;
    virtual int GetRowsSize() const;
    virtual int GetEmptySize() const { return 0; }
    virtual bool SunkenBorderInEffect() const;
    // The painter's space between rows.
    virtual int RowSpacing() const { return 0; }
    virtual void CalcRowLayout(int ARowIndex, int ASize);
    virtual void RealignRows();
    virtual void UpdateDockSize();
    void ArrangeRows();

protected:
    TovDockRowsGeometry RowsGeometry() const;

    TovBarManager* FManager;
    TovBarDockingStyle FDockingStyle;
    bool FBuiltIn;

private:
    static LRESULT DockWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
    void CloseMenusOfToolbars();

    std::vector<std::unique_ptr<TovDockRow>> FRows;
    TRect FBounds{0, 0, 0, 0};
    TPoint FParentOrigin{0, 0};
    TBitmap* FBackgroundBitmap = nullptr;
    std::unique_ptr<TBitmap> FCachedBackground;
    HWND FHandle = nullptr;
    bool FVisible = true;
    bool FUpdatingDock = false;
};

// Places the four built-in docks of the manager along the edges of its form's client area: top and
// bottom across it, left and right between them.
void ovArrangeBuiltInDocks(TovBarManager* AManager);

// The dock a user places: its own alignment, sunken border and empty size.
class TovBarDockControl : public TovDockControl {
public:
    TovBarDockControl(TovBarManager* AManager, TovBarDockAlign AAlign);
    // An empty dock is 3 pixels thick at design time, so it can be seen and picked, unless zero is allowed.
    int GetEmptySize() const override;
    bool SunkenBorderInEffect() const override;
    bool AllowZeroSizeInDesignTime = false;
    bool UseOwnSunkenBorder = false;
    bool SunkenBorder = false;
};
