// TskSkinCheckRadioBox: one class for the check box (with an optional grayed third state) and the radio
// button (Radio), with radio groups by GroupIndex. The flat look (Flat, the default) draws only the check
// image and the caption over the parent's background; the framed look draws a whole skin face (normal or
// active, fading like the skinned button) with the check image inside it. Without a description each
// look has a plain drawing of its own.
//
// OnClick is the control's own event (it hides the one every control has): setting Checked, even to the
// same value and from the program, repaints and fires it (a radio button only when it is checked); so
// does setting State.
#pragma once

#include "platform/vcl/StdCtrls.h"
#include "skin/controls/SkinControl.h"

#include <memory>

class TskFadeTimer;

class TskSkinCheckRadioBox : public TskSkinCustomControl {
public:
    explicit TskSkinCheckRadioBox(TComponent* AOwner);
    ~TskSkinCheckRadioBox() override;

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    // A click on an unchecked box grays it first: unchecked, grayed, checked, unchecked…
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value);
    bool Radio() const { return FRadio; }
    void SetRadio(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }

    TNotifyEvent OnClick;

    // A check box flips Checked; a radio button becomes checked (a checked one stays so).
    virtual void ToggleChecked();

    bool MouseIn() const { return FMouseIn; }
    double MorphFraction() const;
    // The framed look's check and text rectangles (control coordinates).
    const TRect& CheckRect() const { return FCheckRect; }
    const TRect& TextRect() const { return FTextRect; }

    void FindSkinIndex() override;
    void ChangeSkinData() override;
    void GetSkinSize(int& AWidth, int& AHeight) override;

    // The description's look, with the fallbacks of empty rectangles applied.
    std::string FontName;
    int FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, UnenabledFontColor = clGray,
           FrameFontColor = clBtnText;
    bool DescriptionMorphing = false;
    TskMorphKind MorphKind = mkDefault;
    TRect ActiveSkinRect{}, CheckImageArea{}, TextArea{}, CheckImageRect{}, UncheckImageRect{},
        ActiveCheckImageRect{}, ActiveUncheckImageRect{}, UnenabledCheckImageRect{},
        UnenabledUncheckImageRect{}, GrayedCheckImageRect{}, ActiveGrayedCheckImageRect{};

protected:
    void Paint() override;
    void PaintDefaultImage(TBitmap* B) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    void AlphaBlendChanged() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMMove(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;

private:
    bool HasFocus();
    bool Morphing() const { return DescriptionMorphing && FSkinIndex != -1; }
    void StartFade();
    // The check image of the current state, from the skin picture, at (X, Y).
    void DrawCheckImage(TCanvas* Canvas, int X, int Y);
    // The size of the check image of the current state.
    TRect CheckImageOfState() const;
    void PaintFlat();
    // The caption (and image) beside the check mark, starting at TextLeft; Skinned says which colours.
    void DrawFlatText(TCanvas* Canvas, int TextLeft, int ImageGap, bool Skinned);
    // The plain box and mark.
    void DrawPlainMark(TCanvas* Canvas);
    void DrawFramedFace(TBitmap* B, const TRect& SourceRect, bool Active);

    bool FChecked = false;
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    bool FRadio = false;
    int FGroupIndex = 0;
    bool FFlat = true;
    bool FWordWrap = false;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = 0;
    bool FCanFocused = true;
    bool FUseSkinFontColor = true;

    bool FMouseIn = false;
    bool FPressed = false;
    std::unique_ptr<TskFadeTimer> FFade;
    TRect FCheckRect{}, FTextRect{};
};
