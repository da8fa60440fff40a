// TCustomPanel / TPanel: a container with an outer and an inner bevel, a border between them, and a
// caption placed by Alignment (centred unless told otherwise). Children are laid out inside the bevels.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/StdCtrls.h"

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);

    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    // How far the frame reaches into the panel on each side.
    int FrameWidth() const;

protected:
    void Paint() override;
    void AdjustClientRect(RECT& Rect) override;
    void Dispatch(TMessage& Message) override;
    void FrameChanged();

private:
    TPanelBevel FBevelOuter = bvRaised;
    TPanelBevel FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    bool FShowCaption = true;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
