// The items that show text in an optional frame: the static label (border, indents, a fixed or automatic
// size) and the progress item (a static label with a progress bar beside it).
#pragma once

#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrls.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"

#include <algorithm>

class TovBarStatic : public TovBarItem {
public:
    explicit TovBarStatic(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment AValue);
    // The item reacts to clicks and shortcuts only when it allows clicks.
    bool AllowClick = false;
    TovBarStaticBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TovBarStaticBorderStyle AValue);
    // The four sizes: a negative value is stored as 0; 0 width or height is automatic.
    int LeftIndent() const { return FLeftIndent; }
    void SetLeftIndent(int AValue) { SetSizeValue(FLeftIndent, AValue); }
    int RightIndent() const { return FRightIndent; }
    void SetRightIndent(int AValue) { SetSizeValue(FRightIndent, AValue); }
    void SetWidth(int AValue) override;
    int Height() const { return FHeight; }
    void SetHeight(int AValue) { SetSizeValue(FHeight, AValue); }

    // Its control decides whether it can be clicked.
    bool CanClick(TovBarItemLink* ALink = nullptr) const override { return false; }
    bool IsShortCutSupported() const override { return AllowClick; }

protected:
    // Stores a size value; a change (outside loading) rebuilds the bars that show the item.
    void SetSizeValue(int& AField, int AValue);

private:
    TAlignment FAlignment = taCenter;
    TovBarStaticBorderStyle FBorderStyle = sbsNone;
    int FLeftIndent = 0;
    int FRightIndent = 0;
    int FHeight = 0;
};

class TovBarProgressItem : public TovBarStatic {
public:
    explicit TovBarProgressItem(TComponent* AOwner);

    // The bar's colour; clDefault is the painter's.
    TColor Color() const { return FColor; }
    void SetColor(TColor AValue);
    int Min() const { return FMin; }
    void SetMin(int AValue) { SetRange(AValue, std::max(AValue, FMax)); }
    int Max() const { return FMax; }
    void SetMax(int AValue) { SetRange(std::min(AValue, FMin), AValue); }
    // Kept within Min..Max.
    int Position() const { return FPosition; }
    void SetPosition(int AValue);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool AValue);
    // Stored only: the item never steps by itself.
    int Step = 10;

    // Both ends at once; Min never exceeds Max, and Position is clamped into the new range.
    void SetRange(int AMin, int AMax);

private:
    // Every control of the item repaints its bar (a position change: only what changed).
    void BarChanged();

    TColor FColor = clDefault;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    bool FSmooth = false;
};
