#include "imaging/picture/PicLibGraphic.h"

#include "imaging/DibBitmap.h"
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileStream.h"

#include <cstring>
#include <new>

TPicLibGraphic::TPicLibGraphic() : FColorManager(std::make_unique<TColorManager>()) {}

TPicLibGraphic::~TPicLibGraphic() = default;

bool TPicLibGraphic::CanLoadFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    return CanLoadStream(&stream);
}

bool TPicLibGraphic::ReadImageProperties(TStream*, unsigned) {
    FImageProperties = TImageProperties{};
    FImageProperties.FileGamma = 1.0f;
    return false;
}

void TPicLibGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TPicLibGraphic::Assign(TPersistent* Source) {
    if (const auto* graphic = dynamic_cast<const TPicLibGraphic*>(Source)) {
        if (graphic == this) return;
        FImageProperties = graphic->FImageProperties;
    }
    TBitmap::Assign(Source);
}

int TPicLibGraphic::BitsPerPixel(TPicPixelFormat Format) {
    switch (Format) {
    case ppf1bit:
        return 1;
    case ppf4bit:
        return 4;
    case ppf8bit:
        return 8;
    case ppf15bit:
    case ppf16bit:
        return 16;
    case ppf24bit:
        return 24;
    case ppf32bit:
    case ppfDevice:
        return 32;
    default:
        return 0;
    }
}

bool TPicLibGraphic::PrepareImage(TPicPixelFormat Format, int AWidth, int AHeight) {
    const int bits = BitsPerPixel(Format);
    // The readers produce the DIB depths only; 15 and 16 bits have no reader here.
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    // The bitmap takes the image through the class library's DIB codec: its limits hold here too, and
    // are checked before anything is allocated.
    if (AWidth <= 0 || AHeight <= 0 || AWidth > dib_codec::MaxDimension ||
        AHeight > dib_codec::MaxDimension || std::int64_t(AWidth) * AHeight > dib_codec::MaxPixels)
        return false;
    FSurface32.reset();
    FImage.Bits.clear();
    FImageFormat = Format;
    FImage.Width = AWidth;
    FImage.Height = AHeight;
    FImage.BitsPerPixel = bits;
    try {
        if (bits == 32)
            FSurface32 = std::make_shared<TSurface>(AWidth, AHeight, 32);
        else
            FImage.Bits.assign(FImage.Stride() * std::size_t(AHeight), 0);
    } catch (const std::bad_alloc&) {
        DropImage();
        return false;
    }
    if (bits <= 8 && FImage.Colors.size() != std::size_t(1) << bits)
        FImage.Colors.resize(std::size_t(1) << bits);
    return true;
}

std::uint8_t* TPicLibGraphic::ImageLine(int y) {
    return FSurface32 ? reinterpret_cast<std::uint8_t*>(FSurface32->Row(y)) : FImage.Row(y);
}

void TPicLibGraphic::SetImagePalette(const TPicPalette& Palette) {
    FImage.Colors.assign(Palette.size(), TPngColorEntry{});
    for (std::size_t i = 0; i < Palette.size(); ++i)
        FImage.Colors[i] = TPngColorEntry{Palette[i].Blue, Palette[i].Green, Palette[i].Red, 0};
}

void TPicLibGraphic::FillImage(COLORREF Color, int Index) {
    const int bits = FImage.BitsPerPixel;
    for (int y = 0; y < FImage.Height; ++y) {
        std::uint8_t* row = ImageLine(y);
        if (bits <= 8) {
            int pattern = 0;
            for (int k = 0; k < 8 / bits; ++k)
                pattern = (pattern << bits) | (Index & ((1 << bits) - 1));
            std::memset(row, pattern, FImage.Stride());
        } else {
            const int step = bits / 8;
            for (int x = 0; x < FImage.Width; ++x) {
                row[x * step] = GetBValue(Color);
                row[x * step + 1] = GetGValue(Color);
                row[x * step + 2] = GetRValue(Color);
                if (step == 4) row[x * step + 3] = 0;
            }
        }
    }
}

void TPicLibGraphic::CommitImage(COLORREF Key) {
    if (FSurface32) {
        AdoptSurface32(std::move(FSurface32));
    } else {
        if (FImage.BitsPerPixel <= 8) FImage.Colors.resize(std::size_t(1) << FImage.BitsPerPixel);
        DibToBitmap(FImage, *this);
    }
    DropImage();
    if (Key != PicClNone) {
        SetTransparentColor(TColor(Key & 0xFFFFFF));
        SetTransparent(true);
    } else {
        SetTransparent(false);
    }
}

void TPicLibGraphic::DropImage() {
    FImage = TPngBitmapData{};
    FSurface32.reset();
    FImageFormat = ppfDevice;
}

void RequirePixelFormat32(const TBitmap& Bitmap) {
    if (Bitmap.PixelFormat() != pf32bit || Bitmap.Empty())
        throw Exception("Wrong bitmap format - must be 32 bits/pixel");
}

void TPicLibGraphic::Progress(TProgressStage Stage, int Percent, bool Redraw, const TRect& R,
                              const std::string& Msg) {
    if (OnProgress) OnProgress(Stage, Percent, Redraw, R, Msg);
}

void GraphicError(const std::string& Message) {
    throw EInvalidGraphic(Message);
}

void GraphicErrorFmt(const char* Format, const std::string& Arg1, const std::string& Arg2) {
    // The library's formats hold one or two "%s" and nothing else.
    std::string out;
    const std::string* args[2] = {&Arg1, &Arg2};
    int next = 0;
    for (const char* p = Format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && next < 2) {
            out += *args[next++];
            ++p;
        } else {
            out += *p;
        }
    }
    throw EInvalidGraphic(out);
}
