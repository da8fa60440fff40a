// Laying a piece of a skin picture over an area of a control, tiled or stretched as a description's
// stretch type says, and keeping a DC's state around drawing that changes it.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "skin/data/SkinText.h"

class TBitmap;
class TCanvas;

// Lays Piece over Area (clipped to it): tiled from Area's top-left corner; with Stretch, stfull
// stretches it onto Area, sthorz stretches it to Area's height and repeats it across, stvert stretches it
// to Area's width and repeats it down. Nothing for an empty piece or area.
void DrawSkinPiece(TCanvas* Canvas, TBitmap* Piece, const TRect& Area, bool Stretch, TskStretchType Type);

// Draws the Source rectangle of Picture at (X, Y); Transparent leaves out the colour of the piece's
// bottom-left pixel (the class library's automatic transparent colour). Nothing for an empty rectangle.
void DrawPictureRect(TCanvas* Canvas, int X, int Y, TBitmap* Picture, const TRect& Source, bool Transparent);

// Saves the DC's state and restores it when leaving.
class TSkinSavedDC {
public:
    explicit TSkinSavedDC(HDC DC);
    ~TSkinSavedDC();
    TSkinSavedDC(const TSkinSavedDC&) = delete;
    TSkinSavedDC& operator=(const TSkinSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};
