// TCustomLabel / TLabel: a caption without a window. It sizes itself to its text (AutoSize), wraps words
// (WordWrap), aligns and lays out its text, shows "&" accelerators, and on its accelerator moves the focus
// to its FocusControl. Transparent labels let the parent's background show through; a disabled label is
// drawn embossed. TStaticText is the windowed sibling used where a caption needs a window of its own.
#pragma once

#include "platform/vcl/GraphicControl.h"
#include "platform/vcl/StdCtrls.h"

#include <string>

class TWinControl;

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    void SetAutoSize(bool Value) override;

    // The DrawText flags the label lays its text out with.
    unsigned DrawTextFlags() const;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    // Fits the bounds to the text (keeping the anchored edge for right-aligned and centred labels).
    void AdjustBounds();
    void Loaded() override;

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};
