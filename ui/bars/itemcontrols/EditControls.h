// The edit controls: the layout every edit-like item shares (glyph area, caption area and text field, their
// sizes, the width a user drags while customizing, the frame kept out of the clip while the painter draws)
// and the edit control proper, whose inner window is a standard "EDIT" window of the bar window.
#pragma once

#include "ui/bars/itemcontrols/WinControl.h"
#include "ui/bars/painting/BarPainterInterfaces.h"

#include <memory>
#include <vector>

class TBrush;
class TovBarEdit;

class TovBarCustomEditControl : public TovBarWinControl, public IovBarEditLikeControl {
public:
    explicit TovBarCustomEditControl(TovBarItemLink* ALink);
    ~TovBarCustomEditControl() override;

    // ---- Painter call-backs
    void ExcludeEditFrame() override;
    void DrawTextField() override = 0;

    // ---- Item control
    void CalcStyles() override;
    void DoPaint(const TRect& R, TovBarItemPaintType APaintType) override;
    void CalcDrawParams(bool AFull = true) override;
    void CalcParts() override;
    bool IsSelected() const override;
    TovBarItemViewStructure GetDefaultViewStructure() const override;
    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    int GetPartCount() const override { return TovBarItemControl::GetPartCount() + 2; }
    TovBarItemViewLevels GetPossibleViewLevels() const override;
    int GetCaptionAreaWidth() const override;
    int GetControlAreaWidth() const override;
    int GetIconAreaWidth() const override;
    int GetHeight() const override;
    int GetWidth() const override;
    int GetMenuHeight() const override { return GetHeight(); }
    int GetMenuWidth() const override;
    void GetTextOffsets(int AIndex, TRect& R) const override;
    int GetMinWidth() const override;
    bool IsSelectable() const override;

    // ---- Width sizing while customizing: a 7-pixel strip at either edge
    bool IsSizingPoint(const TPoint& P) const override;
    void BeginSizing(const TPoint& P) override;
    void Sizing(const TPoint& P) override;
    void EndSizing(bool AApply) override;
    int SizingWidth() const { return FSizingWidth; }

    // ---- Edit layout
    // The text field's area (before the painter's content offsets); outside the large view a client-aligned
    // item on a bar that does not stretch its client items keeps only its control-area width at the right.
    virtual void GetEditRect(TRect& R) const;
    virtual int GetMinEditWidth() const = 0;
    virtual bool IsCaptionVisible() const;
    // The inner window's background brush, in the painter's edit background colour.
    virtual void GetBkBrush(HBRUSH& ABrush);
    const std::vector<TRect>& AreaParts() const { return FAreaParts; }
    // The edit text height: the control's own with a style font for the edit, else the bar's.
    int EditTextSize() const;
    // The inner window's font: the item's edit style font when it has one, else the bar's edit font.
    LOGFONT EditLogFont() const;
    // The inner window's text and background colours, as the painter gives them.
    void GetEditColors(TColor& ATextColor, TColor& ABkColor);

protected:
    virtual void AdjustTextRect(TRect& R) {}
    virtual void CalcAreaParts();
    virtual void UpdateDrawParams() = 0;
    // Whether the edit shows a glyph at all (the base painter shows none).
    virtual bool ShowsEditGlyph() const { return false; }
    // The edit font: the item's edit style font when it has one, else the bar's edit font.
    void SelectEditFont(TovBarSavedFont& ASaved);

private:
    void DrawSizingFrame(int AWidth);

    std::unique_ptr<TBrush> FBkBrush;
    int FEditTextSize = 0;
    int FSizingWidth = 0;
    bool FRightBorderSizing = false;
    std::vector<TRect> FAreaParts;
};

class TovBarEditControl : public TovBarCustomEditControl {
public:
    explicit TovBarEditControl(TovBarItemLink* ALink);
    ~TovBarEditControl() override;

    HWND GetHandle() const override { return FEditWindow; }
    TovBarEdit* Edit() const;
    void ControlMouseDown(bool AByMouse) override;
    bool CanDrawOnGlass() const override { return false; }
    void GetDropDownRect(TRect& R) const override;
    void SetFocused(bool AValue) override;
    void SetText(const std::string& AText) override;
    void DrawTextField() override;
    int GetMinEditWidth() const override { return 20; }
    void MaxLengthChanged() override;
    // Painted by the painter: the inner window is not showing.
    virtual bool CanDrawTextField() const;

protected:
    virtual void CreateEditWindow();
    virtual void DestroyEditWindow(bool ADestroyWindow);
    virtual DWORD GetEditStyle() const { return 0x40000084; }
    void CreateInnerWindow() override;
    void DestroyInnerWindow(bool ADestroyWindow) override;
    void ShowInnerWindow() override;
    void HideInnerWindow(bool AStoreText) override;
    void UpdateInnerRect() override;
    void InnerWndProc(TMessage& AMessage) override;
    void UpdateDrawParams() override { CalcDrawParams(true); }
    // The text painted while the window is hidden.
    virtual std::string PaintedText() const;
    bool HostsWindow() const;

private:
    HWND FEditWindow = nullptr;
    HFONT FEditFontHandle = nullptr;
};
