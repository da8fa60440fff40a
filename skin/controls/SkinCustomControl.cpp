#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinTiles.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinImageBuilder.h"
#include "skin/draw/SkinRegions.h"

TskSkinCustomControl::TskSkinCustomControl(TComponent* AOwner) : TskSkinControl(AOwner) {
    FDefaultFont = std::make_unique<TFont>();
    FDefaultFont->SetName("Tahoma");
    FDefaultFont->SetStyle(TFontStyles());
    FDefaultFont->SetHeight(13);
    FDefaultFont->OnChange = TNotifyEvent(this, &TskSkinCustomControl::FontChanged);
}

TskSkinCustomControl::~TskSkinCustomControl() {
    FDefaultFont->OnChange = nullptr;
}

// ---- Plain-look settings

void TskSkinCustomControl::SetDefaultWidth(int Value) {
    FDefaultWidth = Value;
    if (FSkinIndex == -1 && Value > 0) SetWidth(Value);
}

void TskSkinCustomControl::SetDefaultHeight(int Value) {
    FDefaultHeight = Value;
    if (FSkinIndex == -1 && Value > 0) SetHeight(Value);
}

void TskSkinCustomControl::SetDefaultFont(TFont* Value) {
    FDefaultFont->Assign(Value);
    DefaultFontChanged();
}

void TskSkinCustomControl::FontChanged(TObject*) {
    DefaultFontChanged();
    if (FSkinIndex == -1) Repaint();
}

TFontCharset TskSkinCustomControl::SkinCharset() const {
    if (SkinData() && SkinData()->ResourceStrData()) return SkinData()->ResourceStrData()->CharSet();
    return FDefaultFont->Charset();
}

void TskSkinCustomControl::SetDefaultFontOn(TFont* Font) {
    Font->Assign(FDefaultFont.get());
    Font->SetCharset(SkinCharset());
}

void TskSkinCustomControl::SetSkinFont(TFont* Font, const std::string& Name, int Height, TFontStyles Style) {
    if (!FUseSkinFont) {
        SetDefaultFontOn(Font);
        return;
    }
    Font->SetName(Name);
    Font->SetHeight(Height);
    Font->SetStyle(Style);
    Font->SetCharset(SkinCharset());
}

// ---- Finding the description

int TskSkinCustomControl::GetResizeMode() const {
    if (RectIsEmpty(SkinRect)) return -1;
    if (RB.x != 0 && RB.y != 0) return 1;
    if (RT.x != 0 || RT.y != 0) return 2;
    if (LB.x != 0 || LB.y != 0) return 3;
    return 0;
}

void TskSkinCustomControl::FindSkinIndex() {
    TskSkinControl::FindSkinIndex();
    if (FSkinIndex == -1) return;
    auto* data = dynamic_cast<TskDataSkinCustomControl*>(SkinControlData());
    Picture = MaskPicture = nullptr;
    if (data) {
        LT = data->LTPoint, RT = data->RTPoint, LB = data->LBPoint, RB = data->RBPoint;
        SkinRect = data->SkinRect;
        ClRect = data->ClRect;
        FSkinCursorIndex = data->CursorIndex;
        StretchEffect = data->StretchEffect;
        LeftStretch = data->LeftStretch, TopStretch = data->TopStretch;
        RightStretch = data->RightStretch, BottomStretch = data->BottomStretch;
        StretchType = data->StretchType;
        Picture = SkinData()->ActivePicture(data->PictureIndex);
        MaskPicture = SkinData()->ActivePicture(data->MaskPictureIndex);
    }
    // Every skinned look is cut from the picture: a description that names none (or one past the
    // list), or that is of a kind without a picture rectangle, draws and sizes like no description.
    if (!Picture) {
        FSkinIndex = -1;
        FResizeMode = 0;
        return;
    }
    FResizeMode = GetResizeMode();
}

// ---- Size and geometry

void TskSkinCustomControl::GetSkinSize(int& AWidth, int& AHeight) {
    if (FSkinIndex == -1 || FResizeMode == -1) return;
    const int dw = AWidth - RectWidth(SkinRect), dh = AHeight - RectHeight(SkinRect);
    switch (FResizeMode) {
    case 0:
        AWidth = RectWidth(SkinRect);
        AHeight = RectHeight(SkinRect);
        NewClRect = ClRect;
        break;
    case 1:
        NewLT = LT;
        NewRT = TPoint{RT.x + dw, RT.y};
        NewLB = TPoint{LB.x, LB.y + dh};
        NewRB = TPoint{RB.x + dw, RB.y + dh};
        NewClRect = TRect{ClRect.left, ClRect.top, ClRect.right + dw, ClRect.bottom + dh};
        break;
    case 2:
        AHeight = RectHeight(SkinRect);
        NewLT = LT;
        NewRT = TPoint{RT.x + dw, RT.y};
        NewClRect = TRect{ClRect.left, ClRect.top, ClRect.right + dw, ClRect.bottom};
        break;
    case 3:
        AWidth = RectWidth(SkinRect);
        NewLT = LT;
        NewLB = TPoint{LB.x, LB.y + dh};
        NewClRect = TRect{ClRect.left, ClRect.top, ClRect.right, ClRect.bottom + dh};
        break;
    default:
        break;
    }
}

void TskSkinCustomControl::MapSkinRect(const TRect& R, TRect& Result) const {
    const int dw = Width() - RectWidth(SkinRect), dh = Height() - RectHeight(SkinRect);
    const int sw = RectWidth(SkinRect), sh = RectHeight(SkinRect);
    Result = R;
    auto move = [&Result](int x, int y) { OffsetRect(&Result, x, y); };
    auto grow = [&Result](int x, int y) {
        Result.right += x;
        Result.bottom += y;
    };
    switch (FResizeMode) {
    case 1: {
        const TRect zlt{0, 0, LT.x, LT.y}, zlb{0, LB.y, LB.x, sh}, zrt{RT.x, 0, sw, RT.y},
            zrb{RB.x, RB.y, sw, sh};
        if (RectInsideRect(R, zlt)) return;
        if (RectInsideRect(R, zrt)) return move(dw, 0);
        if (RectInsideRect(R, zlb)) return move(0, dh);
        if (RectInsideRect(R, zrb)) return move(dw, dh);
        const TPoint tl{R.left, R.top}, br{R.right, R.bottom};
        auto in = [](const TRect& Z, const TPoint& P) { return PointInRectInclusive(Z, P); };
        if (in(zlt, tl) && in(zrb, br)) return grow(dw, dh);
        if (in(zlt, tl) && in(zrt, br)) return grow(dw, 0);
        if (in(zlb, tl) && in(zrb, br)) {
            grow(dw, 0);
            return move(0, dh);
        }
        if (in(zlt, tl) && in(zlb, br)) return grow(0, dh);
        if (in(zrt, tl) && in(zrb, br)) {
            move(dw, 0);
            return grow(0, dh);
        }
        return;
    }
    case 2:
        if (R.left <= LT.x && R.right >= RT.x)
            grow(dw, 0);
        else if (R.left >= RT.x && R.right > RT.x)
            move(dw, 0);
        return;
    case 3:
        if (R.top <= LT.y && R.bottom >= LB.y)
            grow(0, dh);
        else if (R.top >= LB.y && R.bottom > LB.y)
            move(0, dh);
        return;
    default:
        return;
    }
}

void TskSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FindSkinIndex();
    const bool changed = FSkinIndex != -1 && (AWidth != Width() || AHeight != Height());
    if (changed) {
        GetSkinSize(AWidth, AHeight);
        if (FResizeMode == 0) NewClRect = ClRect;
    }
    TskSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (changed) {
        SetControlRegion();
        Repaint();
    }
    if (FSkinIndex != -1 && StretchEffect) NotifyChildren();
}

void TskSkinCustomControl::ChangeSkinData() {
    FindSkinIndex();
    ApplySkinCursor();
    bool resized = false;
    if (FSkinIndex == -1) {
        if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
        if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
    } else {
        int w = Width(), h = Height();
        GetSkinSize(w, h);
        if (w != Width() || h != Height()) {
            // SetBounds sets the region and repaints.
            SetBounds(Left(), Top(), w, h);
            resized = true;
        }
    }
    if (!resized) {
        SetControlRegion();
        Repaint();
    }
}

// ---- Window region

void TskSkinCustomControl::DeleteRegion() {
    // A region given to the window belongs to the window system: only the window lets go of it.
    if (!FRegion) return;
    FRegion = nullptr;
    if (HandleAllocated()) ::SetWindowRgn(Handle(), nullptr, TRUE);
}

void TskSkinCustomControl::SetControlRegion() {
    if (!Parent()) return;
    if (!MaskPicture || FSkinIndex == -1) {
        DeleteRegion();
        return;
    }
    ApplySkinRegion();
}

void TskSkinCustomControl::ApplySkinRegion() {
    int w = Width(), h = Height();
    GetSkinSize(w, h);
    HRGN region = nullptr;
    switch (FResizeMode) {
    case 0:
        CreateRegionFromMask(region, MaskPicture);
        break;
    case 1:
        CreateSkinRegion(region, LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, MaskPicture,
                         Width(), Height());
        break;
    case 2: {
        const TPoint p{Width() + RT.x - RectWidth(SkinRect), RT.y};
        CreateSkinRegion(region, LT, RT, LT, RT, ClRect, LT, p, LT, p, NewClRect, MaskPicture, Width(),
                         Height());
        break;
    }
    case 3: {
        const TPoint q{LB.x, Height() + LB.y - RectHeight(SkinRect)};
        CreateSkinRegion(region, LT, LT, LB, LB, ClRect, LT, LT, q, q, NewClRect, MaskPicture, Width(),
                         Height());
        break;
    }
    default:
        break;
    }
    FRegion = region;
    ::SetWindowRgn(Handle(), region, TRUE);
}

// ---- Painting

void TskSkinCustomControl::DrawSkinRectImage(TBitmap* B, TBitmap* Source, const TRect& SourceRect) {
    if (!Source) return;
    switch (FResizeMode) {
    case 0:
        B->SetSize(RectWidth(SourceRect), RectHeight(SourceRect));
        B->Canvas()->CopyRect(TRect{0, 0, B->Width(), B->Height()}, Source->Canvas(), SourceRect);
        break;
    case 1:
        if (!StripsPainting)
            BuildSkinImage(LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, B, Source,
                           SourceRect, Width(), Height(), true, LeftStretch, TopStretch, RightStretch,
                           BottomStretch, StretchEffect, StretchType);
        break;
    case 2:
        BuildHorizontalSkinImage(LT.x, RectWidth(SkinRect) - RT.x, B, Source, SourceRect, Width(), Height(),
                                 StretchEffect);
        break;
    case 3:
        BuildVerticalSkinImage(LT.y, RectHeight(SkinRect) - LB.y, B, Source, SourceRect, Width(), Height(),
                               StretchEffect);
        break;
    default:
        break;
    }
}

void TskSkinCustomControl::PaintDefaultImage(TBitmap* B) {
    B->Canvas()->Brush()->SetColor(clBtnFace);
    B->Canvas()->FillRect(TRect{0, 0, B->Width(), B->Height()});
}

void TskSkinCustomControl::Paint() {
    if (Width() < 1 || Height() < 1) return;
    FindSkinIndex();
    int w = Width(), h = Height();
    GetSkinSize(w, h);
    if (FSkinIndex != -1 && StripsPainting && FResizeMode == 1 && !AlphaBlend())
        PaintStrips();
    else
        TskSkinControl::Paint();
}

void TskSkinCustomControl::PaintStrips() {
    TBitmap left, top, right, bottom;
    BuildSkinFrameStrips(LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, &left, &top, &right,
                         &bottom, Picture, SkinRect, Width(), Height(), LeftStretch, TopStretch, RightStretch,
                         BottomStretch);
    PaintSkinImage(&top);
    TCanvas* canvas = Canvas();
    if (PaintCentre) {
        const TRect piece{SkinRect.left + ClRect.left, SkinRect.top + ClRect.top,
                          SkinRect.left + ClRect.right, SkinRect.top + ClRect.bottom};
        TBitmap centre(RectWidth(piece), RectHeight(piece));
        centre.Canvas()->CopyRect(TRect{0, 0, centre.Width(), centre.Height()}, Picture->Canvas(), piece);
        DrawSkinPiece(canvas, &centre, NewClRect, StretchEffect, StretchType);
    }
    canvas->Draw(0, 0, &top);
    canvas->Draw(0, top.Height(), &left);
    canvas->Draw(Width() - right.Width(), top.Height(), &right);
    canvas->Draw(0, Height() - bottom.Height(), &bottom);
}
