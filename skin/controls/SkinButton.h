// TskSkinButton: the push button of skinned windows. It draws one of five faces of its description
// (normal, active, down, focused, disabled), fades between the normal and the active face when the skin
// morphs, can play a short frame animation on focus, shows a glyph or an image-list image with its
// caption, and offers dialog-button behaviour (Default, Cancel, ModalResult), latched groups
// (GroupIndex, AllowAllUp), a toggle (CheckedMode), auto-repeat (RepeatMode), actions, and a glow frame
// around it in a layered window. Without a description it draws a plain look.
//
// Its clicks come only from ButtonClick: the button's OnClick is a field of its own (it hides the one
// every control has), so the class library's click on mouse-up never reaches it.
#pragma once

#include "platform/vcl/ButtonGlyphLayout.h"
#include "skin/controls/SkinControl.h"

#include <memory>

class TTimer;
class TskFadeTimer;
class TskLayerManager;

// Shows and hides the glow frame; posted to the button itself.
constexpr UINT SKINMSG_SHOWGLOW = WM_USER + 400;
constexpr UINT SKINMSG_HIDEGLOW = WM_USER + 401;

using TskButtonLayout = TButtonLayout;
// (Sender, canvas, text rectangle, down, mouse in, draw default): a handler that clears DrawDefault
// draws the content itself.
using TskButtonPaintEvent = TEvent<TObject*, TCanvas*, const TRect&, bool, bool, bool&>;

class TskSkinButton : public TskSkinCustomControl {
public:
    explicit TskSkinButton(TComponent* AOwner);
    ~TskSkinButton() override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TskButtonLayout Layout() const { return FLayout; }
    void SetLayout(TskButtonLayout Value);
    // -1 centres glyph and caption; values below -1 are ignored.
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TCustomImageList* ImageList() const { return FImageList; }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // A toggle: a press puts it down (and clicks), the next release brings it up (and clicks).
    bool CheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    // Held down, the button clicks after 500 ms + RepeatInterval and then every RepeatInterval.
    bool RepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool Value) { FRepeatMode = Value; }
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    bool AlwaysShowLayeredFrame() const { return FAlwaysShowLayeredFrame; }
    void SetAlwaysShowLayeredFrame(bool Value) { FAlwaysShowLayeredFrame = Value; }

    TNotifyEvent OnClick;
    TskButtonPaintEvent OnPaint;

    // The click of the button: the form's modal result, then OnClick or the action.
    virtual void ButtonClick();
    // The class library's click on mouse-up: nothing with an action, else only the library's own event.
    void Click() override;

    // The state the faces are chosen by.
    bool MouseIn() const { return FMouseIn; }
    bool Active() const { return FActive; }
    double MorphFraction() const;
    int AnimFrame() const { return FAnimFrame; }
    bool Animating() const;
    bool Repeating() const;
    TskLayerManager* LayerManager() const { return FLayerManager; }
    // The glyph cell (1 normal, 2 disabled, 3 pressed, 4 hot) for a state.
    int GlyphCell(bool ADown, bool AMouseIn) const;

    void FindSkinIndex() override;
    void ChangeSkinData() override;
    void ClearSkinIndex() override;
    void GetSkinSize(int& AWidth, int& AHeight) override;

    // The description's faces and font, as FindSkinIndex took them.
    TRect ActiveSkinRect{}, DownSkinRect{}, DisabledSkinRect{}, FocusedSkinRect{}, AnimateSkinRect{};
    std::string FontName;
    int FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, DownFontColor = clBtnText,
           DisabledFontColor = clGray;
    bool DescriptionMorphing = false;
    TskMorphKind MorphKind = mkDefault;
    int FrameCount = 0, AnimateInterval = 25;
    bool ShowFocus = false;

protected:
    // One face with its caption into B.
    virtual void DrawButtonFace(TBitmap* B, const TRect& SourceRect, bool ADown, bool AMouseIn);
    void PaintDefaultImage(TBitmap* B) override;
    void PaintSkinImage(TBitmap*) override {}
    void Paint() override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;

private:
    // The window has the focus and the button takes it.
    bool HasFocus();
    bool SkinEffects() const;
    bool Morphing() const;
    bool CanAnimate() const;
    // Plain buttons are down from press to release; group and toggle buttons stay down.
    bool ShowsDown();
    void StartFade();
    void StartAnimation(bool Forward);
    void StopAnimation();
    void AnimationTick();
    void StartRepeat();
    void StopRepeat();
    void RepeatTick();
    void ShowGlow();
    void HideGlow();
    // The frame rectangle of the running focus animation, or an empty one.
    TRect AnimationFrameRect() const;
    // The content (image or glyph with caption) in R.
    void DrawContent(TCanvas* Canvas, const TRect& R, bool ADown, bool AMouseIn);

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TskButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 1;
    TCustomImageList* FImageList = nullptr;
    int FImageIndex = -1;
    bool FTransparent = false;
    bool FCheckedMode = false;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FRepeatMode = false;
    int FRepeatInterval = 100;
    bool FCanFocused = true;
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
    bool FUseSkinSize = true;
    bool FUseSkinFontColor = true;
    bool FAlwaysShowLayeredFrame = false;

    bool FMouseIn = false;
    bool FMouseHeld = false;
    bool FActive = false;
    bool FDownAtPress = false;
    bool FToggleDone = false;
    int FAnimFrame = 0;
    bool FAnimForward = true;
    std::unique_ptr<TskFadeTimer> FFade;
    TTimer* FAnimTimer = nullptr;
    TTimer* FRepeatTimer = nullptr;
    bool FRepeatArmed = false;
    TskLayerManager* FLayerManager = nullptr;
    // The glow values of the description.
    int FGlowPicture = -1, FGlowMask = -1, FGlowLeft = 0, FGlowTop = 0, FGlowRight = 0, FGlowBottom = 0,
        FGlowShowX = 0, FGlowShowY = 0, FGlowAlpha = 255;
};
