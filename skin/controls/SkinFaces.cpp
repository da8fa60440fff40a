#include "skin/controls/SkinFaces.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Bitmap.h"
#include "skin/draw/SkinEffectBitmap.h"

void MorphTowards(TskEffectBmp& Image, const TskEffectBmp& Target, TskMorphKind Kind, double Amount) {
    switch (Kind) {
    case mkDefault:
        Image.CrossFade(Target, Amount);
        break;
    case mkGradient:
        Image.SplitFromCenter(Target, Amount);
        break;
    case mkLeftGradient:
        Image.WipeFromLeft(Target, Amount);
        break;
    case mkRightGradient:
        Image.WipeFromRight(Target, Amount);
        break;
    case mkLeftSlide:
        Image.SlideFromLeft(Target, Amount);
        break;
    case mkRightSlide:
        Image.SlideFromRight(Target, Amount);
        break;
    case mkPush:
        Image.PushFromLeft(Target, Amount);
        break;
    }
}

namespace {

void DrawEffectImage(HDC DC, TskEffectBmp& Image, TBitmap* Background, double BlendAmount) {
    if (Background) Image.CrossFade(TskEffectBmp(Background->Handle()), BlendAmount);
    Image.DrawAt(DC, 0, 0);
}

} // namespace

void DrawSkinFace(HDC DC, TBitmap* Face, TBitmap* Background, double BlendAmount) {
    if (!Background) {
        BitBlt(DC, 0, 0, Face->Width(), Face->Height(), Face->Canvas()->Handle(), 0, 0, SRCCOPY);
        return;
    }
    TskEffectBmp image(Face->Handle());
    DrawEffectImage(DC, image, Background, BlendAmount);
}

void DrawMorphedFaces(HDC DC, TBitmap* Face, TBitmap* ActiveFace, TskMorphKind Kind, double Fraction,
                      TBitmap* Background, double BlendAmount) {
    TskEffectBmp image(Face->Handle());
    MorphTowards(image, TskEffectBmp(ActiveFace->Handle()), Kind, Fraction);
    DrawEffectImage(DC, image, Background, BlendAmount);
}
