// TskSkinPanel: the skinned container. It paints its frame from the skin and lays its children out inside
// the skin's client rectangle, optionally with a caption band (with a check box, a glyph or caption
// image, and a roll-up marker), a transparent mode that shows the parent through it, and a plain look
// of its own when no description is found. TskSkinGroupBox is the same container with a caption.
#pragma once

#include "platform/vcl/StdCtrls.h"
#include "skin/controls/SkinControl.h"

#include <memory>

// The frame of the plain look. Scoped: the class library's bevel cuts use the same words.
enum class TskSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
// Where a caption image sits: before the caption as one block, or at the caption band's left edge.
enum TskImagePosition { spipDefault, spipLeft };

class TskSkinPanel : public TskSkinCustomControl {
public:
    explicit TskSkinPanel(TComponent* AOwner);
    ~TskSkinPanel() override;

    bool CaptionMode() const { return FCaptionMode; }
    virtual void SetCaptionMode(bool Value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    virtual void SetDefaultCaptionHeight(int Value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    TskSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TskSkinBorderStyle Value);
    // The plain look's caption band at the bottom.
    bool RibbonStyle() const { return FRibbonStyle; }
    void SetRibbonStyle(bool Value);
    // Paint nothing at all (in the running program).
    bool EmptyDrawing() const { return FEmptyDrawing; }
    void SetEmptyDrawing(bool Value) { FEmptyDrawing = Value; }
    bool TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(bool Value);
    // Take the caption band and client geometry from the skin.
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    TskImagePosition ImagePosition() const { return FImagePosition; }
    void SetImagePosition(TskImagePosition Value);
    TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
    void SetCaptionImageList(TCustomImageList* Value);
    int CaptionImageIndex() const { return FCaptionImageIndex; }
    void SetCaptionImageIndex(int Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    // 1, or 2 with a disabled cell.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    // A check box in the caption band that checks the panel (and enables its children).
    bool CheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool AutoEnabledControls() const { return FAutoEnabledControls; }
    void SetAutoEnabledControls(bool Value) { FAutoEnabledControls = Value; }
    // A marker in the caption band rolls the panel up to its caption and down again.
    bool RollUpMode() const { return FRollUpMode; }
    void SetRollUpMode(bool Value);
    bool RollUpState() const { return FRollUpState; }
    void SetRollUpState(bool Value);
    // The height before rolling up; -1 while not rolled up.
    int RealHeight() const { return FRealHeight; }
    void SetRealHeight(int Value) { FRealHeight = Value; }

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

    // The caption area in control coordinates, as the last paint laid it out.
    const TRect& CaptionRect() const { return FCaptionRect; }

    void FindSkinIndex() override;
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;

    // The description's caption geometry and look.
    int BGPictureIndex = -1;
    TRect SkinCaptionRect{}, CheckImageRect{}, UncheckImageRect{}, MarkFrameRect{}, FrameRect{},
        FrameTextRect{};
    TAlignment Alignment = taLeftJustify;
    std::string FontName;
    int FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = clBtnText;
    int FrameLeftOffset = 0, FrameRightOffset = 0;

protected:
    // Called after the transparent looks are drawn, for subclasses to draw over them.
    virtual void PaintOverlay(TCanvas* Canvas) {}
    void Paint() override;
    void PaintSkinImage(TBitmap* B) override;
    void PaintDefaultImage(TBitmap* B) override;
    void AdjustClientRect(RECT& Rect) override;
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void AlphaBlendChanged() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMTextChanged(TMessage& Message) override;
    void WMMove(TMessage& Message) override;

private:
    void PaintCaptionPanel(TBitmap* B);
    void PaintTransparentGroup();
    void PaintTransparentPanel();
    void PaintSkinCaption(TBitmap* B);
    void PaintWholeControlPieces();
    // The caption image (or glyph cell) to draw beside the caption: its width, and how to draw it.
    bool HasCaptionImage() const;
    int CaptionImageWidth() const;
    int CaptionImageHeight() const;
    void DrawCaptionImage(TCanvas* Canvas, int X, int Y);
    int GlyphCellIndex() const;
    void RealignChildren();
    void ApplyRollUp(bool Rolled);
    void SetChildrenVisible(bool Value);
    bool Skinned() const { return FSkinIndex != -1; }

    bool FCaptionMode = false;
    int FDefaultCaptionHeight = 22;
    TAlignment FDefaultAlignment = taLeftJustify;
    TskSkinBorderStyle FBorderStyle = TskSkinBorderStyle::bvFrame;
    bool FRibbonStyle = false;
    bool FEmptyDrawing = false;
    bool FTransparentMode = false;
    bool FUseSkinSize = true;
    TskImagePosition FImagePosition = spipDefault;
    TCustomImageList* FCaptionImageList = nullptr;
    int FCaptionImageIndex = -1;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    int FSpacing = 2;
    bool FCheckedMode = false;
    bool FChecked = false;
    bool FAutoEnabledControls = true;
    bool FRollUpMode = false;
    bool FRollUpState = false;
    int FRealHeight = -1;

    TRect FCaptionRect{};
    bool FRolling = false;
    // The size limits put aside while rolled up.
    int FMaxWidth = 0, FMinWidth = 0, FMaxHeight = 0, FMinHeight = 0;
};

class TskSkinGroupBox : public TskSkinPanel {
public:
    explicit TskSkinGroupBox(TComponent* AOwner);
    // A caption lying below the client rectangle is drawn with the whole image, not in strips.
    void FindSkinIndex() override;
};
