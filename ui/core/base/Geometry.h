// Rectangle, point and size arithmetic of the user-interface library. Rectangles cover
// Left <= X < Right and Top <= Y < Bottom and are empty when Right <= Left or Bottom <= Top; inverted
// rectangles are never normalised. Every routine is pure and never fails. A margins value is a TRect
// holding the widths of the left, top, right and bottom borders.
#pragma once

#include "platform/rtl/WinTypes.h"

inline constexpr TRect uiZeroRect{0, 0, 0, 0};
inline constexpr TPoint uiZeroPoint{0, 0};

// A / 2 rounded toward minus infinity (7 -> 3, -7 -> -4): the rule of every centring routine.
constexpr int uiFloorHalf(int A) {
    return (A - (A & 1)) / 2;
}

constexpr int uiWidthOfRect(const TRect& R) {
    return R.right - R.left;
}
constexpr int uiHeightOfRect(const TRect& R) {
    return R.bottom - R.top;
}
constexpr TSize uiSizeOfRect(const TRect& R) {
    return TSize{uiWidthOfRect(R), uiHeightOfRect(R)};
}
constexpr TSize uiRectToSize(const TRect& R) {
    return uiSizeOfRect(R);
}
constexpr TRect uiMakeRect(int L, int T, int R, int B) {
    return TRect{L, T, R, B};
}
constexpr TRect uiRectOfCorners(const TPoint& TopLeft, const TPoint& BottomRight) {
    return TRect{TopLeft.x, TopLeft.y, BottomRight.x, BottomRight.y};
}
constexpr TRect uiRectOfSize(const TSize& S) {
    return TRect{0, 0, S.cx, S.cy};
}
constexpr TRect uiRectOfBounds(int L, int T, int W, int H) {
    return TRect{L, T, L + W, T + H};
}
constexpr TRect uiRectOfPointAndSize(const TPoint& P, int W, int H) {
    return TRect{P.x, P.y, P.x + W, P.y + H};
}

constexpr bool uiIsRectEmpty(const TRect& R) {
    return R.right <= R.left || R.bottom <= R.top;
}
constexpr bool uiIsRectZero(const TRect& R) {
    return R.left == 0 && R.top == 0 && R.right == 0 && R.bottom == 0;
}
constexpr bool uiAreRectsEqual(const TRect& R1, const TRect& R2) {
    return R1 == R2;
}
constexpr bool uiSameRect(const TRect& R1, const TRect& R2) {
    return R1 == R2;
}
constexpr bool uiIsXYInRect(const TRect& R, int X, int Y) {
    return R.left <= X && X < R.right && R.top <= Y && Y < R.bottom;
}
constexpr bool uiIsPointInRect(const TRect& R, const TPoint& P) {
    return uiIsXYInRect(R, P.x, P.y);
}
// Edges may coincide; an empty inner rectangle is judged by its coordinates alone.
constexpr bool uiDoesRectEnclose(const TRect& ABounds, const TRect& AInner) {
    return AInner.left >= ABounds.left && AInner.right <= ABounds.right && AInner.top >= ABounds.top &&
           AInner.bottom <= ABounds.bottom;
}

// R := the common part; False and uiZeroRect when there is none (touching rectangles do not meet).
bool uiIntersectRects(TRect& R, const TRect& R1, const TRect& R2);
bool uiDoRectsOverlap(const TRect& R1, const TRect& R2);
// R1 grown to cover R2; an R2 of zero or negative width or height leaves R1 as it is (R1 is not tested).
TRect uiUniteRects(const TRect& R1, const TRect& R2);

constexpr TRect uiGrowRect(const TRect& R, int DX, int DY) {
    return TRect{R.left - DX, R.top - DY, R.right + DX, R.bottom + DY};
}
constexpr TRect uiGrowRectSides(const TRect& R, int ALeft, int ATop, int ARight, int ABottom) {
    return TRect{R.left - ALeft, R.top - ATop, R.right + ARight, R.bottom + ABottom};
}
constexpr TRect uiGrowRectByMargins(const TRect& R, const TRect& M) {
    return uiGrowRectSides(R, M.left, M.top, M.right, M.bottom);
}
constexpr TRect uiShrinkRectByMargins(const TRect& R, const TRect& M) {
    return TRect{R.left + M.left, R.top + M.top, R.right - M.right, R.bottom - M.bottom};
}
constexpr int uiHorzMarginsSum(const TRect& M) {
    return M.left + M.right;
}
constexpr int uiVertMarginsSum(const TRect& M) {
    return M.top + M.bottom;
}

constexpr TRect uiShiftRect(const TRect& R, int DX, int DY, bool APositive = true) {
    if (!APositive) {
        DX = -DX;
        DY = -DY;
    }
    return TRect{R.left + DX, R.top + DY, R.right + DX, R.bottom + DY};
}
constexpr TRect uiShiftRectByPoint(const TRect& R, const TPoint& P, bool APositive = true) {
    return uiShiftRect(R, P.x, P.y, APositive);
}
constexpr TRect uiShiftRectHorz(const TRect& R, int DX) {
    return TRect{R.left + DX, R.top, R.right + DX, R.bottom};
}
constexpr TRect uiShiftRectVert(const TRect& R, int DY) {
    return TRect{R.left, R.top + DY, R.right, R.bottom + DY};
}
constexpr TRect uiMoveRectTo(const TRect& R, const TPoint& P) {
    return TRect{P.x, P.y, P.x + uiWidthOfRect(R), P.y + uiHeightOfRect(R)};
}
constexpr TRect uiMoveRectToZero(const TRect& R) {
    return uiMoveRectTo(R, uiZeroPoint);
}
constexpr TRect uiMoveRectLeftEdge(const TRect& R, int X) {
    return TRect{X, R.top, X + uiWidthOfRect(R), R.bottom};
}
constexpr TRect uiPlaceRectLeftWidth(const TRect& R, int X, int W) {
    return TRect{X, R.top, X + W, R.bottom};
}
constexpr TRect uiPlaceRectAtWidth(const TRect& R, int X, int W) {
    return uiPlaceRectLeftWidth(R, X, W);
}
constexpr TRect uiPlaceRectRightWidth(const TRect& R, int X, int W) {
    return TRect{X - W, R.top, X, R.bottom};
}
constexpr TRect uiMoveRectTopEdge(const TRect& R, int Y) {
    return TRect{R.left, Y, R.right, Y + uiHeightOfRect(R)};
}
constexpr TRect uiPlaceRectTopHeight(const TRect& R, int Y, int H) {
    return TRect{R.left, Y, R.right, Y + H};
}
constexpr TRect uiMoveRectBottomEdge(const TRect& R, int Y) {
    return TRect{R.left, Y - uiHeightOfRect(R), R.right, Y};
}
constexpr TRect uiPlaceRectBottomHeight(const TRect& R, int Y, int H) {
    return TRect{R.left, Y - H, R.right, Y};
}
constexpr TRect uiResizeRectWidth(const TRect& R, int W) {
    return TRect{R.left, R.top, R.left + W, R.bottom};
}
constexpr TRect uiResizeRectHeight(const TRect& R, int H) {
    return TRect{R.left, R.top, R.right, R.top + H};
}
constexpr TRect uiResizeRect(const TRect& R, int W, int H) {
    return TRect{R.left, R.top, R.left + W, R.top + H};
}
constexpr TRect uiSwapRectAxes(const TRect& R) {
    return TRect{R.top, R.left, R.bottom, R.right};
}

// Every member through MulDiv (half away from zero; -1 for a zero denominator).
TRect uiScaleRect(const TRect& R, int ANumerator, int ADenominator);
TRect uiScaleRectXY(const TRect& R, int NX, int DX, int NY, int DY);

constexpr TRect uiCentreRectIn(const TRect& R, int W, int H) {
    const int left = uiFloorHalf(R.left + R.right - W);
    const int top = uiFloorHalf(R.top + R.bottom - H);
    return TRect{left, top, left + W, top + H};
}
constexpr TRect uiCentreSizeIn(const TRect& R, const TSize& S) {
    return uiCentreRectIn(R, S.cx, S.cy);
}
constexpr TRect uiCentreRectHorz(const TRect& R, int W) {
    const int left = uiFloorHalf(R.left + R.right - W);
    return TRect{left, R.top, left + W, R.bottom};
}
constexpr TRect uiCentreRectVert(const TRect& R, int H) {
    const int top = uiFloorHalf(R.top + R.bottom - H);
    return TRect{R.left, top, R.right, top + H};
}
constexpr TPoint uiMidpointOfRect(const TRect& R) {
    return TPoint{uiFloorHalf(R.left + R.right), uiFloorHalf(R.top + R.bottom)};
}

// The largest AWidth : AHeight rectangle at R's top-left corner that fits R (not centred); R itself
// when R or the wanted shape has no area.
TRect uiFitAspectWH(const TRect& R, int AWidth, int AHeight);
inline TRect uiFitAspect(const TRect& R, const TSize& S) {
    return uiFitAspectWH(R, S.cx, S.cy);
}

constexpr TPoint uiMakePoint(int X, int Y) {
    return TPoint{X, Y};
}
constexpr TPoint uiSizeToPoint(const TSize& S) {
    return TPoint{S.cx, S.cy};
}
constexpr TPoint uiNegatePoint(const TPoint& P) {
    return TPoint{-P.x, -P.y};
}
constexpr bool uiArePointsEqual(const TPoint& P1, const TPoint& P2) {
    return P1 == P2;
}
constexpr TPoint uiShiftPoint(const TPoint& P, int DX, int DY, bool APositive = true) {
    return APositive ? TPoint{P.x + DX, P.y + DY} : TPoint{P.x - DX, P.y - DY};
}
constexpr TPoint uiShiftPointByPoint(const TPoint& P, const TPoint& ADelta, bool APositive = true) {
    return uiShiftPoint(P, ADelta.x, ADelta.y, APositive);
}
constexpr TSize uiBuildSize(int cx, int cy) {
    return TSize{cx, cy};
}
constexpr bool uiAreSizesEqual(const TSize& S1, const TSize& S2) {
    return S1 == S2;
}
