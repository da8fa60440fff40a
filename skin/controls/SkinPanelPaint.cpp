// The looks of the skinned panel: framed from the skin (in strips, with the caption on the top strip),
// a background picture, the client piece over the whole panel, the transparent looks, the caption panel
// of a panel that does not take the skin's size, and the plain look.
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinTiles.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/GlyphLayout.h"
#include "skin/draw/ParentBackground.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinImageBuilder.h"
#include "skin/draw/SkinMarks.h"

namespace {

// Text drawn one pixel higher for an odd font height, as every skinned caption is.
int OddHeightLift(TFont* Font) {
    return std::abs(Font->Height()) % 2 == 1 ? 1 : 0;
}

} // namespace

// ---- Caption images

bool TskSkinPanel::HasCaptionImage() const {
    return FGlyph->Empty() && FCaptionImageList && FCaptionImageIndex >= 0 &&
           FCaptionImageIndex < FCaptionImageList->Count();
}

int TskSkinPanel::GlyphCellIndex() const {
    return (!Enabled() && FNumGlyphs == 2) ? 2 : 1;
}

int TskSkinPanel::CaptionImageWidth() const {
    if (HasCaptionImage()) return FCaptionImageList->Width();
    return FGlyph->Empty() ? 0 : FGlyph->Width() / FNumGlyphs;
}

int TskSkinPanel::CaptionImageHeight() const {
    if (HasCaptionImage()) return FCaptionImageList->Height();
    return FGlyph->Empty() ? 0 : FGlyph->Height();
}

void TskSkinPanel::DrawCaptionImage(TCanvas* Canvas, int X, int Y) {
    if (HasCaptionImage())
        FCaptionImageList->Draw(Canvas, X, Y, FCaptionImageIndex, Enabled());
    else
        DrawGlyphCell(Canvas, X, Y, GlyphCellIndex(), FNumGlyphs, FGlyph.get());
}

// ---- Paint

void TskSkinPanel::Paint() {
    if (Width() <= 0 || Height() <= 0 || (FEmptyDrawing && !Designing())) return;
    FindSkinIndex();
    int w = Width(), h = Height();
    GetSkinSize(w, h);
    const bool skinned = Skinned();
    if (skinned && !FUseSkinSize && !FTransparentMode && FCaptionMode) {
        TBitmap image(Width(), Height());
        PaintCaptionPanel(&image);
        Canvas()->Draw(0, 0, &image);
    } else if (skinned && FTransparentMode && FCaptionMode) {
        PaintTransparentGroup();
    } else if (skinned && FTransparentMode) {
        PaintTransparentPanel();
    } else if (!skinned || (!StripsPainting && StretchEffect)) {
        TskSkinCustomControl::Paint();
    } else if (FBorderStyle == TskSkinBorderStyle::bvNone && FResizeMode == 1 && !FCaptionMode &&
               StripsPainting && !AlphaBlend()) {
        PaintWholeControlPieces();
    } else if (BGPictureIndex == -1 || !SkinData()->ActivePicture(BGPictureIndex)) {
        TskSkinCustomControl::Paint();
    } else {
        TBitmap* background = SkinData()->ActivePicture(BGPictureIndex);
        if (StretchEffect && StretchType == stfull)
            Canvas()->StretchDraw(NewClRect, background);
        else
            DrawSkinPiece(Canvas(), background, TRect{0, 0, Width(), Height()}, StretchEffect, StretchType);
    }
}

void TskSkinPanel::PaintWholeControlPieces() {
    // Without a border the client piece alone covers the whole panel.
    const TRect piece{SkinRect.left + ClRect.left, SkinRect.top + ClRect.top, SkinRect.left + ClRect.right,
                      SkinRect.top + ClRect.bottom};
    TBitmap centre(RectWidth(piece), RectHeight(piece));
    centre.Canvas()->CopyRect(TRect{0, 0, centre.Width(), centre.Height()}, Picture->Canvas(), piece);
    DrawSkinPiece(Canvas(), &centre, TRect{0, 0, Width(), Height()}, StretchEffect, StretchType);
}

void TskSkinPanel::PaintSkinImage(TBitmap* B) {
    if (FBorderStyle != TskSkinBorderStyle::bvNone || FResizeMode != 1 || FCaptionMode || StretchEffect) {
        TskSkinCustomControl::PaintSkinImage(B);
        if (FUseSkinSize) {
            if (FResizeMode < 1)
                FCaptionRect = SkinCaptionRect;
            else
                MapSkinRect(SkinCaptionRect, FCaptionRect);
        }
        if (!Caption().empty() && !RectIsEmpty(FCaptionRect)) PaintSkinCaption(B);
        return;
    }
    const TRect piece{SkinRect.left + ClRect.left, SkinRect.top + ClRect.top, SkinRect.left + ClRect.right,
                      SkinRect.top + ClRect.bottom};
    TBitmap centre(RectWidth(piece), RectHeight(piece));
    centre.Canvas()->CopyRect(TRect{0, 0, centre.Width(), centre.Height()}, Picture->Canvas(), piece);
    DrawSkinPiece(B->Canvas(), &centre, TRect{0, 0, B->Width(), B->Height()}, false, stfull);
}

void TskSkinPanel::PaintSkinCaption(TBitmap* B) {
    TCanvas* canvas = B->Canvas();
    TRect r = FCaptionRect;
    if (FRollUpMode) r.right -= 12;
    if (FCheckedMode) {
        const TRect& image = FChecked ? CheckImageRect : UncheckImageRect;
        DrawPictureRect(canvas, r.left, r.top + RectHeight(r) / 2 - RectHeight(image) / 2, Picture, image,
                        true);
        r.left += RectWidth(image) + 2;
    }
    TFont* font = canvas->Font();
    SetSkinFont(font, FontName, FontHeight, FontStyle);
    font->SetColor(FontColor);
    const std::string caption = Caption();
    const SIZE text = canvas->TextExtent(caption);
    const int top = r.top + (RectHeight(r) - text.cy) / 2 - OddHeightLift(font);
    const bool hasGlyph = !FGlyph->Empty();
    const int textWidth = text.cx + (hasGlyph ? CaptionImageWidth() + FSpacing : 0);
    int x = r.left;
    if (Alignment == taRightJustify)
        x = r.right - textWidth;
    else if (Alignment == taCenter)
        x = r.left + RectWidth(r) / 2 - textWidth / 2;
    const bool hasImage = hasGlyph || HasCaptionImage();
    int imageX = 0;
    const int imageY = r.top + RectHeight(r) / 2 - CaptionImageHeight() / 2;
    if (hasImage) {
        const int iw = CaptionImageWidth();
        if (FImagePosition == spipLeft) {
            imageX = r.left + 2;
            if (Alignment == taRightJustify)
                x = r.right - text.cx;
            else if (Alignment == taCenter)
                x = r.left + RectWidth(r) / 2 - text.cx / 2;
            else
                x = r.left + iw + FSpacing + 2;
            x = std::max(x, imageX + iw + FSpacing);
        } else {
            imageX = x;
            x += iw + FSpacing;
        }
    }
    if (FRollUpMode) {
        const TRect marker{r.right, r.top, r.right + 10, r.bottom};
        if (!RectIsEmpty(MarkFrameRect))
            canvas->CopyRect(TRect{marker.left, r.top, marker.left + RectWidth(MarkFrameRect),
                                   SkinCaptionRect.top + RectHeight(MarkFrameRect)},
                             Picture->Canvas(), MarkFrameRect);
        DrawSkinArrow(canvas, marker, FontColor, FRollUpState ? 4 : 3);
    }
    if (!RectIsEmpty(FrameRect)) {
        // A frame around the caption, as wide as the caption and the frame's edges.
        const int d = RectWidth(FrameRect) - RectWidth(FrameTextRect);
        TBitmap frame;
        BuildHorizontalSkinImage(FrameLeftOffset, FrameRightOffset, &frame, Picture, FrameRect, text.cx + d,
                                 RectHeight(FrameRect), false);
        int frameX = x;
        if (Alignment == taRightJustify) {
            frameX = x - d;
            imageX -= d;
            x += FrameTextRect.left - d;
        } else if (Alignment == taCenter) {
            frameX = x - FrameTextRect.left - 2;
            imageX -= FrameTextRect.left;
            x -= 2;
        } else {
            x += FrameTextRect.left;
        }
        canvas->Draw(frameX, SkinCaptionRect.top, &frame);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(r, x, top, caption);
    if (hasImage) DrawCaptionImage(canvas, imageX, imageY);
}

void TskSkinPanel::PaintCaptionPanel(TBitmap* B) {
    const std::string ownName = SkinDataName();
    SetSkinDataName("panel");
    FindSkinIndex();
    if (Skinned()) {
        int w = Width(), h = Height();
        GetSkinSize(w, h);
        BuildSkinImage(LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, B, Picture, SkinRect,
                       Width(), Height(), true, LeftStretch, TopStretch, RightStretch, BottomStretch,
                       StretchEffect, StretchType);
    }
    SetSkinDataName(ownName);
    FindSkinIndex();
    if (!Skinned()) return;
    // The caption band: the description's caption picture (less its outer pixel) stretched over it.
    const int bandHeight = FDefaultCaptionHeight - NewClRect.top - 1;
    if (RectWidth(NewClRect) > 0 && bandHeight > 0) {
        TBitmap band(RectWidth(NewClRect), bandHeight);
        TRect source = SkinCaptionRect;
        InflateRect(&source, -1, -1);
        OffsetRect(&source, SkinRect.left, SkinRect.top);
        band.Canvas()->CopyRect(TRect{0, 0, band.Width(), band.Height()}, Picture->Canvas(), source);
        B->Canvas()->Draw(NewClRect.left, NewClRect.top, &band);
    }
    FCaptionRect = TRect{NewClRect.left, NewClRect.top, NewClRect.right, FDefaultCaptionHeight - 1};
    PaintSkinImage(B);
}

void TskSkinPanel::PaintTransparentPanel() {
    TBitmap image(Width(), Height());
    TCanvas* canvas = image.Canvas();
    PaintParentBackground(this, canvas);
    if (FBorderStyle != TskSkinBorderStyle::bvNone) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(SkinData()->Colors()->cBtnShadow);
        canvas->Rectangle(0, 0, Width(), Height());
    }
    PaintOverlay(canvas);
    Canvas()->Draw(0, 0, &image);
}

void TskSkinPanel::PaintTransparentGroup() {
    TBitmap image(Width(), Height());
    TCanvas* canvas = image.Canvas();
    PaintParentBackground(this, canvas);
    TFont* font = canvas->Font();
    SetSkinFont(font, FontName, FontHeight, FontStyle);
    canvas->Pen()->SetColor(SkinData()->Colors()->cBtnShadow);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsClear);
    const std::string caption = Caption();
    const int th = canvas->TextHeight(caption.empty() ? std::string("Wg") : caption);
    FCaptionRect = TRect{5, 0, Width(), th + 5};
    int x = 5;
    if (FCheckedMode) {
        const TRect& check = FChecked ? CheckImageRect : UncheckImageRect;
        DrawPictureRect(canvas, x, RectHeight(FCaptionRect) / 2 - RectHeight(check) / 2, Picture, check,
                        true);
        x += RectWidth(check) + 5;
    }
    const bool hasImage = HasCaptionImage() || !FGlyph->Empty();
    const int imageX = x;
    if (hasImage) x += CaptionImageWidth() + 2;
    const TRect t{x, 0, Width(), th + 5};
    // The caption in the colour of the skin's labels.
    TColor colour = SkinData()->Colors()->cBtnText;
    const int label = SkinData()->GetControlIndex("stdlabel");
    if (label != -1)
        if (auto* data =
                dynamic_cast<TskDataSkinStdLabelControl*>(SkinData()->CtrlList()[std::size_t(label)].get()))
            colour = data->FontColor;
    font->SetColor(colour);
    DrawSkinText(canvas, caption, t);
    const int tw = caption.empty() ? 0 : canvas->TextWidth(caption);
    if (hasImage) DrawCaptionImage(canvas, imageX, RectHeight(FCaptionRect) / 2 - CaptionImageHeight() / 2);
    const int mid = RectHeight(FCaptionRect) / 2;
    int lineStart = t.left + tw + 3;
    if (FRollUpMode) {
        DrawSkinArrow(canvas, TRect{t.left + tw + 3, t.top, t.left + tw + 10, t.bottom}, colour,
                      FRollUpState ? 4 : 3);
        lineStart = t.left + tw + 12;
    }
    canvas->MoveTo(lineStart, mid);
    canvas->LineTo(Width(), mid);
    canvas->MoveTo(0, mid);
    canvas->LineTo(4, mid);
    canvas->Polyline(
        {POINT{Width() - 1, mid}, POINT{Width() - 1, Height() - 1}, POINT{0, Height() - 1}, POINT{0, mid}});
    PaintOverlay(canvas);
    Canvas()->Draw(0, 0, &image);
}

void TskSkinPanel::PaintDefaultImage(TBitmap* B) {
    TskSkinCustomControl::PaintDefaultImage(B);
    TCanvas* canvas = B->Canvas();
    const int w = B->Width(), h = B->Height();
    TRect frame{0, 0, w, h};
    switch (FBorderStyle) {
    case TskSkinBorderStyle::bvFrame:
        Frame3D(canvas->Handle(), frame, clBtnShadow, clBtnShadow, 1);
        break;
    case TskSkinBorderStyle::bvRaised:
        Frame3D(canvas->Handle(), frame, clBtnHighlight, clBtnShadow, 1);
        break;
    case TskSkinBorderStyle::bvLowered:
        Frame3D(canvas->Handle(), frame, clBtnShadow, clBtnHighlight, 1);
        break;
    case TskSkinBorderStyle::bvNone:
        break;
    }
    if (!FCaptionMode) return;
    const int ch = FDefaultCaptionHeight;
    TRect band;
    if (FBorderStyle != TskSkinBorderStyle::bvNone)
        band = FRibbonStyle ? TRect{1, h - ch - 1, w - 1, h - 1} : TRect{1, 1, w - 1, ch};
    else
        band = FRibbonStyle ? TRect{0, h - ch, w, h} : TRect{0, 0, w, ch};
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FillRect(band);
    const TRect full = band;
    if (FCheckedMode) band.left += 20;
    if (FRollUpMode) band.right -= 10;
    SetDefaultFontOn(canvas->Font());
    const std::string caption = Caption();
    const SIZE text = canvas->TextExtent(caption);
    const int top = band.top + RectHeight(band) / 2 - text.cy / 2 - 1;
    const int textWidth = text.cx + (FGlyph->Empty() ? 0 : CaptionImageWidth() + FSpacing);
    int x = band.left + 4;
    if (FDefaultAlignment == taRightJustify)
        x = band.right - textWidth;
    else if (FDefaultAlignment == taCenter)
        x = band.left + 4 + RectWidth(band) / 2 - textWidth / 2;
    if (FCheckedMode) {
        const int boxTop = full.top + RectHeight(full) / 2 - 13 / 2;
        const TRect box{5, boxTop, 18, boxTop + 13};
        canvas->Brush()->SetColor(clWindow);
        canvas->FillRect(box);
        if (FChecked) DrawCheckMark(canvas, box.left + 3, box.top + 2, clBtnText);
    }
    const bool hasImage = HasCaptionImage() || !FGlyph->Empty();
    const int imageX = x;
    if (hasImage) x += CaptionImageWidth() + FSpacing;
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(band, x, top, caption);
    if (hasImage)
        DrawCaptionImage(canvas, imageX, band.top + RectHeight(band) / 2 - CaptionImageHeight() / 2);
    if (FRollUpMode)
        DrawSkinArrow(canvas, TRect{band.right, band.top, band.right + 10, band.bottom}, clBtnText,
                      FRollUpState ? 4 : 3);
}
