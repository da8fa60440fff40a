// The picture library's base class: a class-library bitmap with a colour manager and the properties
// of the image file it was (or would be) loaded from. Format classes answer whether they can load a
// stream, read the properties, and load. A reader decodes into a pending image of its own and hands it
// to the bitmap only when it is complete, so a failed load leaves the bitmap as it was.
#pragma once

#include "imaging/picture/ColorManager.h"
#include "imaging/png/PngBitmapData.h"
#include "platform/vcl/Bitmap.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TStream;

// Option bits of the image properties.
using TImageOptions = std::uint8_t;
constexpr TImageOptions ioBigEndian = 2; // samples are stored most significant byte first
constexpr TImageOptions ioUseGamma = 16; // a gamma chunk was applied while loading

struct TImageProperties {
    std::uint32_t Version = 0;
    TImageOptions Options = 0;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    TColorScheme ColorScheme = csUnknown;
    std::uint8_t BitsPerSample = 0;
    std::uint8_t SamplesPerPixel = 0;
    std::uint8_t BitsPerPixel = 0;
    std::uint8_t Compression = 0; // 9 = deflate, 0 = any other
    float FileGamma = 1.0f;
    bool Interlaced = false;
    bool HasAlpha = false;
    std::uint8_t FilterMode = 0;
    // Per-format members no reader of this program fills.
    std::vector<std::uint32_t> CardinalArray;
    std::vector<std::uint8_t> ByteArray1, ByteArray2;
};

constexpr std::uint8_t ctLZ77 = 9;

enum TProgressStage : std::uint8_t { psStarting, psRunning, psEnding };
using TProgressEvent = std::function<void(TProgressStage Stage, int PercentDone, bool RedrawNow,
                                          const TRect& R, const std::string& Msg)>;

// "No transparent colour" for the readers.
inline constexpr COLORREF PicClNone = 0x1FFFFFFF;

class TPicLibGraphic : public TBitmap {
public:
    TPicLibGraphic();
    ~TPicLibGraphic() override;

    // Opens the file read-only and asks CanLoadStream; a file that cannot be opened raises EFOpenError.
    virtual bool CanLoadFile(const std::string& FileName);
    virtual bool CanLoadStream(TStream* Stream) { return false; }
    // Resets the properties (file gamma 1.0) and answers false; format classes fill them.
    virtual bool ReadImageProperties(TStream* Stream, unsigned ImageIndex);
    void LoadFromStream(TStream* Stream) override = 0;
    void LoadFromFile(const std::string& FileName) override;

    // Copies the bitmap and, from another picture-library graphic, its properties first.
    void Assign(TPersistent* Source) override;

    TColorManager& ColorManager() { return *FColorManager; }
    const TImageProperties& ImageProperties() const { return FImageProperties; }

    TProgressEvent OnProgress;

    static int BitsPerPixel(TPicPixelFormat Format);

protected:
    // The pending image: prepared (false when larger than the class library's bitmaps take, or the
    // format has no fixed size), filled,
    // written row by row (top row 0), then handed to the bitmap, or dropped.
    bool PrepareImage(TPicPixelFormat Format, int AWidth, int AHeight);
    // Indexed formats take Index everywhere, the others the colour (fourth byte 0 in 32 bits).
    void FillImage(COLORREF Color, int Index);
    std::uint8_t* ImageLine(int y);
    void SetImagePalette(const TPicPalette& Palette);
    // The bitmap takes the pending image; Key (unless PicClNone) becomes its transparent colour.
    void CommitImage(COLORREF Key);
    void DropImage();
    TPicPixelFormat ImageFormat() const { return FImageFormat; }
    void SetImageFormat(TPicPixelFormat Value) { FImageFormat = Value; }

    void Progress(TProgressStage Stage, int Percent, bool Redraw, const TRect& R, const std::string& Msg);

    std::unique_ptr<TColorManager> FColorManager;
    TImageProperties FImageProperties;

private:
    TPngBitmapData FImage;
    // A 32-bit image is decoded straight into the surface the bitmap then takes over, so that the
    // picture is never held twice.
    std::shared_ptr<TSurface> FSurface32;
    TPicPixelFormat FImageFormat = ppfDevice;
};

// The check of callers that draw 32-bit pictures with alpha (the splash window): raises Exception
// "Wrong bitmap format - must be 32 bits/pixel" for any other format or an empty bitmap.
void RequirePixelFormat32(const TBitmap& Bitmap);

// Raise EInvalidGraphic with a ready message or a format and its arguments.
[[noreturn]] void GraphicError(const std::string& Message);
[[noreturn]] void GraphicErrorFmt(const char* Format, const std::string& Arg1,
                                  const std::string& Arg2 = std::string());
