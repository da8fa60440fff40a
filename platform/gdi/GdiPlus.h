// The flat interface of the 2-D imaging library the user-interface library binds: start-up, graphics on
// a DC or an image, premultiplied 32-bit bitmaps, image loading (PNG, BMP, JPEG) and saving through five
// encoders, image drawing with interpolation, compositing modes and a colour matrix, and solid,
// linear-gradient and texture brushes. Status codes are returned as that library returns them.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstddef>
#include <cstdint>

class IStream;

#ifndef OLVA_GUID_DEFINED
#define OLVA_GUID_DEFINED
struct GUID {
    DWORD Data1 = 0;
    WORD Data2 = 0;
    WORD Data3 = 0;
    BYTE Data4[8] = {};
    friend bool operator==(const GUID&, const GUID&) = default;
};
using CLSID = GUID;
#endif

using REAL = float;
using UINT32 = std::uint32_t;
using ULONG_PTR = std::uintptr_t;
using ARGB = DWORD;
using PixelFormat = INT;

enum GpStatus {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20
};
using Status = GpStatus;

constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

enum GpUnit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2 };
enum InterpolationMode {
    InterpolationModeInvalid = -1,
    InterpolationModeDefault = 0,
    InterpolationModeLowQuality = 1,
    InterpolationModeHighQuality = 2,
    InterpolationModeBilinear = 3,
    InterpolationModeBicubic = 4,
    InterpolationModeNearestNeighbor = 5,
    InterpolationModeHighQualityBilinear = 6,
    InterpolationModeHighQualityBicubic = 7
};
enum CompositingMode { CompositingModeSourceOver = 0, CompositingModeSourceCopy = 1 };
enum LinearGradientMode {
    LinearGradientModeHorizontal = 0,
    LinearGradientModeVertical = 1,
    LinearGradientModeForwardDiagonal = 2,
    LinearGradientModeBackwardDiagonal = 3
};
enum GpWrapMode {
    WrapModeTile = 0,
    WrapModeTileFlipX = 1,
    WrapModeTileFlipY = 2,
    WrapModeTileFlipXY = 3,
    WrapModeClamp = 4
};
enum ColorAdjustType { ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1 };
enum ColorMatrixFlags {
    ColorMatrixFlagsDefault = 0,
    ColorMatrixFlagsSkipGrays = 1,
    ColorMatrixFlagsAltGray = 2
};

struct ColorMatrix {
    REAL m[5][5];
};

struct GpRect {
    INT X = 0, Y = 0, Width = 0, Height = 0;
};

struct ImageCodecInfo {
    CLSID Clsid;
    GUID FormatID;
    const WCHAR* CodecName = nullptr;
    const WCHAR* DllName = nullptr;
    const WCHAR* FormatDescription = nullptr;
    const WCHAR* FilenameExtension = nullptr;
    const WCHAR* MimeType = nullptr;
    DWORD Flags = 0;
    DWORD Version = 0;
    DWORD SigCount = 0;
    DWORD SigSize = 0;
    const BYTE* SigPattern = nullptr;
    const BYTE* SigMask = nullptr;
};

struct EncoderParameter {
    GUID Guid;
    ULONG NumberOfValues = 0;
    ULONG Type = 0;
    void* Value = nullptr;
};
struct EncoderParameters {
    UINT Count = 0;
    EncoderParameter Parameter[1];
};

using DebugEventProc = void (*)(int level, char* message);
using NotificationHookProc = GpStatus (*)(ULONG_PTR* token);
using NotificationUnhookProc = void (*)(ULONG_PTR token);
using DrawImageAbort = BOOL (*)(void* data);

struct GdiplusStartupInput {
    UINT32 GdiplusVersion = 1;
    DebugEventProc DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};
struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook = nullptr;
    NotificationUnhookProc NotificationUnhook = nullptr;
};

// Raw formats of decoded images.
extern const GUID ImageFormatMemoryBMP, ImageFormatBMP, ImageFormatEMF, ImageFormatWMF, ImageFormatJPEG,
    ImageFormatPNG, ImageFormatGIF, ImageFormatTIFF, ImageFormatIcon;

// The objects are opaque: only the kinship of images and brushes is visible to callers.
class GpImage {
public:
    virtual ~GpImage() = default;

protected:
    GpImage() = default;
};
class GpBitmap : public GpImage {
protected:
    GpBitmap() = default;
};
class GpBrush {
public:
    virtual ~GpBrush() = default;

protected:
    GpBrush() = default;
};
class GpSolidFill : public GpBrush {};
class GpLineGradient : public GpBrush {};
class GpTexture : public GpBrush {};
class GpGraphics;
class GpImageAttributes;

GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(ULONG_PTR token);
void* GdipAlloc(std::size_t size);
void GdipFree(void* pointer);

GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus GdipDeleteGraphics(GpGraphics* graphics);
GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode);
GpStatus GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode);
GpStatus GdipIsVisibleRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height, BOOL* result);

// Scan lines are copied (a null scan0 gives a transparent bitmap); a stride of 0 means width x 4.
GpStatus GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                   GpBitmap** bitmap);
GpStatus GdipCreateBitmapFromHBITMAP(HBITMAP hbitmap, HPALETTE palette, GpBitmap** bitmap);
GpStatus GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbitmap, ARGB background);
GpStatus GdipLoadImageFromStream(IStream* stream, GpImage** image);
GpStatus GdipSaveImageToStream(GpImage* image, IStream* stream, const CLSID* encoder,
                               const EncoderParameters* parameters);
GpStatus GdipDisposeImage(GpImage* image);
GpStatus GdipGetImageDimension(GpImage* image, REAL* width, REAL* height);
GpStatus GdipGetImageWidth(GpImage* image, UINT* width);
GpStatus GdipGetImageHeight(GpImage* image, UINT* height);
GpStatus GdipGetImageRawFormat(GpImage* image, GUID* format);
GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
GpStatus GdipGetImageEncodersSize(UINT* count, UINT* size);
GpStatus GdipGetImageEncoders(UINT count, UINT size, ImageCodecInfo* encoders);
// Direct access for the drawing layer's users: the premultiplied pixel of a bitmap.
GpStatus GdipBitmapGetPremultipliedPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color);

GpStatus GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width, INT height);
GpStatus GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstX, INT dstY, INT dstWidth,
                                INT dstHeight, INT srcX, INT srcY, INT srcWidth, INT srcHeight,
                                GpUnit srcUnit, const GpImageAttributes* attributes, DrawImageAbort callback,
                                void* callbackData);
GpStatus GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height);

GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus GdipCreateLineBrushFromRectI(const GpRect* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                      GpWrapMode wrap, GpLineGradient** brush);
GpStatus GdipCreateTexture2I(GpImage* image, GpWrapMode wrap, INT x, INT y, INT width, INT height,
                             GpTexture** brush);
GpStatus GdipDeleteBrush(GpBrush* brush);

GpStatus GdipCreateImageAttributes(GpImageAttributes** attributes);
GpStatus GdipDisposeImageAttributes(GpImageAttributes* attributes);
GpStatus GdipSetImageAttributesColorMatrix(GpImageAttributes* attributes, ColorAdjustType type, BOOL enable,
                                           const ColorMatrix* matrix, const ColorMatrix* grayMatrix,
                                           ColorMatrixFlags flags);
