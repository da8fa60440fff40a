// Colours, enumerations and helpers shared by the class library's graphics classes: TColor and its
// constants (system colours included), font, pen and brush styles, copy modes and pixel formats.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <string>

// A colour: an RGB value (red in the low byte), or a system colour index or-ed with clSystemColor.
using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
// Draw nothing / keep what is selected.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

// The RGB value of a colour: system colours through the current scheme; clNone and clDefault as they
// stand (callers test for them before converting).
COLORREF ColorToRGB(TColor Color);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle, 8>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontQuality {
    fqDefault,
    fqDraft,
    fqProof,
    fqNonAntialiased,
    fqAntialiased,
    fqClearType,
    fqClearTypeNatural
};
using TFontCharset = std::uint8_t;
using TFontName = std::string;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// The pen's mixing with the destination, in the order of the R2_ codes (pmBlack = R2_BLACK).
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
// The SetROP2 code of a pen mode.
int PenModeToRop2(TPenMode Mode);

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

using TCopyMode = DWORD;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
// Bits per pixel of a format (pfDevice: the screen's 32; pfCustom: 0).
int PixelFormatBits(TPixelFormat Format);

enum TTransparentMode { tmAuto, tmFixed };

// The class library's graphics error messages.
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* SInvalidIcon = "Icon image is not valid";
inline constexpr const char* SUnknownExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* SInvalidPixelFormat = "Invalid pixel format";
inline constexpr const char* SScanLine = "Scan line index out of range";
inline constexpr const char* SNoCanvasHandle = "Canvas does not allow drawing";
inline constexpr const char* SChangeIconSize = "Cannot change the size of an icon";
inline constexpr const char* SInvalidImageSize = "Invalid image size";
inline constexpr const char* SImageIndexError = "Invalid ImageList Index";
inline constexpr const char* SImageReadFail = "Failed to read ImageList data from stream";
inline constexpr const char* SReplaceImage = "Unable to Replace Image";
inline constexpr const char* SInsertImage = "Unable to insert an image";
inline constexpr const char* SInvalidImageList = "Invalid ImageList";
