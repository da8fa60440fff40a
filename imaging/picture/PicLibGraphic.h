// The picture library's base class: a bitmap with a colour manager and the properties of the image
// file it was (or would be) loaded from. Format classes answer whether they can load a stream, read
// the properties, and load.
#pragma once

#include "imaging/picture/PicBitmap.h"

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

class TPicLibGraphic : public TPicBitmap {
public:
    TPicLibGraphic();
    ~TPicLibGraphic() override;

    // Opens the file read-only and asks CanLoadStream; a file that cannot be opened raises EFOpenError.
    virtual bool CanLoadFile(const std::string& FileName);
    virtual bool CanLoadStream(TStream* Stream) { return false; }
    // Resets the properties (file gamma 1.0) and answers false; format classes fill them.
    virtual bool ReadImageProperties(TStream* Stream, unsigned ImageIndex);
    virtual void LoadFromStream(TStream* Stream) = 0;
    void LoadFromFile(const std::string& FileName);

    // Copies the bitmap and, from another picture-library graphic, its properties.
    void Assign(const TPicBitmap& Source);

    TColorManager& ColorManager() { return *FColorManager; }
    const TImageProperties& ImageProperties() const { return FImageProperties; }

    TProgressEvent OnProgress;

protected:
    void Progress(TProgressStage Stage, int Percent, bool Redraw, const TRect& R, const std::string& Msg);

    std::unique_ptr<TColorManager> FColorManager;
    TImageProperties FImageProperties;
};

// Raise EInvalidGraphic with a ready message or a format and its arguments.
[[noreturn]] void GraphicError(const std::string& Message);
[[noreturn]] void GraphicErrorFmt(const char* Format, const std::string& Arg1,
                                  const std::string& Arg2 = std::string());
