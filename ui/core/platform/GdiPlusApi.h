// The library's binding to the 2-D imaging interface (platform/gdi/GdiPlus.h): one variable per entry
// point the library calls, filled when the interface is loaded and started, the availability test every
// user asks before its first call, the status check that turns a failed call into EovGdipException, image
// encoders by MIME type, colours as ARGB values and empty premultiplied bitmaps.
//
// The entry points are bound to the platform's implementation at compile time; loading still goes through
// the unavailable path when the test switch says the library is missing, so that every caller's fallback
// stays exercised. While unavailable, each variable points at a stub that answers GdiplusNotInitialized.
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/CoreServices.h"

#include <cstddef>
#include <cstdint>
#include <string>

// X(name) for each entry point the library calls.
#define OV_GDIPLUS_ENTRY_POINTS(X)                                                                           \
    X(GdiplusStartup)                                                                                        \
    X(GdiplusShutdown)                                                                                       \
    X(GdipAlloc)                                                                                             \
    X(GdipFree)                                                                                              \
    X(GdipCreateFromHDC)                                                                                     \
    X(GdipDeleteGraphics)                                                                                    \
    X(GdipGetImageGraphicsContext)                                                                           \
    X(GdipSetInterpolationMode)                                                                              \
    X(GdipSetCompositingMode)                                                                                \
    X(GdipIsVisibleRectI)                                                                                    \
    X(GdipCreateBitmapFromScan0)                                                                             \
    X(GdipCreateBitmapFromHBITMAP)                                                                           \
    X(GdipCreateHBITMAPFromBitmap)                                                                           \
    X(GdipLoadImageFromStream)                                                                               \
    X(GdipSaveImageToStream)                                                                                 \
    X(GdipDisposeImage)                                                                                      \
    X(GdipGetImageDimension)                                                                                 \
    X(GdipGetImageWidth)                                                                                     \
    X(GdipGetImageHeight)                                                                                    \
    X(GdipGetImageRawFormat)                                                                                 \
    X(GdipGetImageEncodersSize)                                                                              \
    X(GdipGetImageEncoders)                                                                                  \
    X(GdipDrawImageRectI)                                                                                    \
    X(GdipDrawImageRectRectI)                                                                                \
    X(GdipFillRectangleI)                                                                                    \
    X(GdipCreateSolidFill)                                                                                   \
    X(GdipCreateLineBrushFromRectI)                                                                          \
    X(GdipCreateTexture2I)                                                                                   \
    X(GdipDeleteBrush)                                                                                       \
    X(GdipCreateImageAttributes)                                                                             \
    X(GdipDisposeImageAttributes)                                                                            \
    X(GdipSetImageAttributesColorMatrix)

struct TovGdiPlusEntryPoints {
#define OV_GDIPLUS_VARIABLE(Name) decltype(&::Name) Name;
    OV_GDIPLUS_ENTRY_POINTS(OV_GDIPLUS_VARIABLE)
#undef OV_GDIPLUS_VARIABLE
};

// The entry points the library calls. Tests may replace one while the interface is loaded; the next
// load binds them all again.
extern TovGdiPlusEntryPoints ovGdipApi;

// A failed call of the imaging interface: the status it answered.
class EovGdipException : public EovException {
public:
    explicit EovGdipException(int AStatus);
    int Status() const { return FStatus; }

private:
    int FStatus;
};

// The encoded form of a picture, as the imaging interface reports its raw format.
enum TovImageDataFormat { dfUnknown, dfBMP, dfJPEG, dfPNG, dfTIFF, dfGIF };

// Loads, binds and starts the interface once; later calls do nothing while it is available, and try
// again after a failure.
void LoadGdiPlus();
// Loads the interface on first use and answers whether it is available. With AShowMessage set and the
// interface missing, tells the user in a message box and ends the program.
bool CheckGdiPlus(bool AShowMessage = false);
// Shuts the interface down; the availability flag drops.
void FreeGdiPlus();
bool ovGdiPlusAvailable();

// Test switch: while set, loading finds no library (the interface stays unavailable).
void ovGpSetLibraryMissing(bool AMissing);

// Raises EovGdipException (AStatus) unless AStatus is Ok.
void GdipCheck(int AStatus);

// 0 when an encoder has that MIME type (compared ignoring case) and AClsid was filled; 1 otherwise, with
// AClsid as it was.
int ovGpGetEncoderClsid(const std::string& AMimeType, CLSID& AClsid);
// Looks up the encoders of the five formats. BMP, PNG and JPEG must be there (EovGdipException with status
// 1 otherwise); a missing TIFF or GIF encoder only fails when that format is used.
void ovGpInitEncoders();
// The encoder of BMP, JPEG, PNG, TIFF or GIF: EovException "ovGetImageEncoder fails" for any other format,
// EovGdipException (1) for a format whose encoder the interface does not have.
CLSID ovGpGetImageEncoder(TovImageDataFormat AFormat);
// The format of a raw-format GUID (the memory, EMF, WMF and icon formats count as BMP).
TovImageDataFormat ovGpGetImageDataFormat(const GUID& ARawFormat);

// 0 (transparent) for clNone; otherwise the resolved colour with the alpha: blue in the low byte, then
// green, red and alpha.
ARGB ovGpColorToARGB(TColor AColor, std::uint8_t AAlpha = 255);

// A new premultiplied 32-bit bitmap of that size without initial bits; the caller disposes it.
GpBitmap* ovGpCreateBitmap(int AWidth, int AHeight);
GpBitmap* ovGpCreateBitmapFromSize(const TSize& ASize);
GpBitmap* ovGpCreateBitmapFromRect(const TRect& R);

// A block of the interface's allocator while it is available, of the ordinary allocator otherwise
// (AFromInterface says which); null when there is no memory. The block goes back to the allocator that
// made it, also after the interface was shut down.
void* ovGpAllocMemory(std::size_t ASize, bool& AFromInterface);
void ovGpFreeMemory(void* APointer, bool AFromInterface);

// The base of the library's wrappers of imaging objects: its instances come from the interface's
// allocator while it is available (the ordinary one otherwise) and go back to the allocator that made
// them.
class TovGpBase : public TObject {
public:
    static void* operator new(std::size_t ASize);
    static void operator delete(void* APointer);
};

// Start and end of the binding (the units loader runs them): the start marks the interface unloaded, so
// that the first CheckGdiPlus loads it; the end shuts it down.
void ovGdiPlusApiStart();
void ovGdiPlusApiEnd();
