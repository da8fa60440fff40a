// The skinned controls of the recording window, under the names the window uses for them, and the
// window's 24 x 24 button pictures. Until the skinned controls and the window's packed skin are part of
// the program, these are class-library controls drawn in the console's dark look; the window uses only
// what is declared here, so putting the skinned classes in their place changes this header alone.
#pragma once

#include "platform/vcl/CheckBox.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/SpeedButton.h"

class TCustomImageList;

namespace recording_skin {

// The console's colours.
inline constexpr TColor ConsoleColor = 0x00201C1A;     // the panel
inline constexpr TColor ConsoleTextColor = 0x00E6E2DE; // captions and labels
inline constexpr TColor ConsoleLimeColor = 0x0000FF00; // the notices ("lime")

// The dark panel the window's controls sit on.
class TskSkinPanel : public TPanel {
public:
    explicit TskSkinPanel(TComponent* AOwner);
};

// A group with its caption in the console's text colour over a thin light frame.
class TskSkinGroupBox : public TGroupBox {
public:
    explicit TskSkinGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
};

// A push button with the picture ImageIndex of ImageList above its caption; with an action it follows
// the action's caption, enabled and visible state and runs the action when clicked.
class TskSkinButton : public TSpeedButton {
public:
    explicit TskSkinButton(TComponent* AOwner);
    TCustomImageList* ImageList() const { return FImageList; }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

protected:
    void Paint() override;

private:
    TCustomImageList* FImageList = nullptr;
    int FImageIndex = -1;
};

// A level meter: a column of segments lit from the bottom (or from the left) in proportion to Value
// between MinValue and MaxValue, green, then amber, then red.
class TskSkinGauge : public TCustomControl {
public:
    explicit TskSkinGauge(TComponent* AOwner);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value);
    int Value() const { return FValue; }
    // Clamped to MinValue..MaxValue; a changed value repaints.
    void SetValue(int Value);
    bool Vertical() const { return FVertical; }
    void SetVertical(bool Value);
    // The share shown lit, 0..1.
    double Fraction() const;

protected:
    void Paint() override;

private:
    int FMinValue = 0;
    int FMaxValue = 100;
    int FValue = 0;
    bool FVertical = false;
};

// A fader: a groove with a cap the mouse drags (up for more on a vertical fader) or clicks to.
class TskSkinTrackBar : public TCustomControl {
public:
    explicit TskSkinTrackBar(TComponent* AOwner);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value);
    int Value() const { return FValue; }
    // Clamped to MinValue..MaxValue; a changed value repaints and fires OnChange.
    void SetValue(int Value);
    bool Vertical() const { return FVertical; }
    void SetVertical(bool Value);
    // The cap's rectangle at the current value, in client coordinates.
    TRect ThumbRect();

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Pixels along the travel of the cap's centre, from the minimum's end.
    int Travel() const;
    int ValueAt(int X, int Y) const;

    int FMinValue = 0;
    int FMaxValue = 100;
    int FValue = 0;
    bool FVertical = false;
    bool FDragging = false;
};

// A check box in the console's text colour; setting Checked fires OnClick.
class TskSkinCheckRadioBox : public TCheckBox {
public:
    explicit TskSkinCheckRadioBox(TComponent* AOwner);
};

// The window's six button pictures, 24 x 24: record, pause, delete, timer record, mixer, settings.
TCustomImageList* MakeRecordingImages(TComponent* Owner);

} // namespace recording_skin
