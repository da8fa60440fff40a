// Putting a skinned control's face on the screen: one face, or two faces mixed by a transition, either
// opaque or blended with what the parent shows under the control.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "skin/data/SkinText.h"

class TBitmap;
class TskEffectBmp;

// Turns Image towards Target by the transition Kind selects, by Amount (0..1).
void MorphTowards(TskEffectBmp& Image, const TskEffectBmp& Target, TskMorphKind Kind, double Amount);

// Draws Face at (0, 0) of DC; with a Background (of the same size) the face is turned towards it by
// BlendAmount first.
void DrawSkinFace(HDC DC, TBitmap* Face, TBitmap* Background, double BlendAmount);
// Draws Face turned towards ActiveFace by Fraction with the transition of Kind, then as DrawSkinFace.
void DrawMorphedFaces(HDC DC, TBitmap* Face, TBitmap* ActiveFace, TskMorphKind Kind, double Fraction,
                      TBitmap* Background, double BlendAmount);
