// TovGPImage and its form-stored kinds: decoding on first use, stored pixels and bytes, sizes waiting to
// be applied, saving that leaves the image as it was, copies to and from bitmaps and other images, the
// formats the imaging interface encodes, and the library's own pictures.
#include "GdiPlusTestSupport.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Picture.h"
#include "tests/support/BmpBytes.h"
#include "ui/core/base/GeometryObjects.h"
#include "ui/core/platform/GdiPlusImageData.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

class GdiPlusImageTest : public UiCoreTest {};

// A round glyph whose edge is half transparent: opaque red inside, alpha 128 on the ring, clear outside.
std::unique_ptr<TovPNGImage> Glyph() {
    return MakeImage(8, 8, [](int x, int y) {
        const int d = std::max(std::abs(2 * x - 7), std::abs(2 * y - 7));
        if (d <= 3) return Bgra(40, 80, 200, 255);
        if (d <= 5) return Premultiplied(40, 80, 200, 128);
        return 0u;
    });
}

std::unique_ptr<TovPNGImage> Loaded(const std::string& ABytes) {
    TStringStream stream(ABytes);
    auto image = std::make_unique<TovPNGImage>();
    image->LoadFromStream(&stream);
    return image;
}

int Decodes = 0;
GpStatus CountingDecode(IStream* AStream, GpImage** AImage) {
    ++Decodes;
    return ::GdipLoadImageFromStream(AStream, AImage);
}

TEST_F(GdiPlusImageTest, PngSavedAndLoadedKeepsItsPixelsAndAlpha) {
    auto glyph = Glyph();
    const std::string png = Encoded(*glyph, dfPNG);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto loaded = Loaded(png);
    EXPECT_EQ(loaded->GetImageDataFormat(), dfPNG);
    EXPECT_TRUE(loaded->Compare(glyph.get()));
    EXPECT_TRUE(loaded->IsAlphaUsed());
    EXPECT_EQ(ImagePixel(*loaded, 1, 3), ImagePixel(*glyph, 1, 3));
    auto again = Loaded(Encoded(*loaded, dfPNG));
    EXPECT_TRUE(again->Compare(glyph.get()));
}

TEST_F(GdiPlusImageTest, AnImageOfOneColourHasItsSizeAndUsesAlphaAsThatColourDoes) {
    const struct {
        std::uint32_t Pixel;
        bool AlphaUsed;
    } cases[] = {{Bgra(10, 20, 30, 255), false}, {Premultiplied(10, 20, 30, 128), true}, {0u, true}};
    for (const auto& c : cases) {
        TovGPImage image(TSize{2, 3}, c.Pixel);
        EXPECT_EQ(image.Width(), 2);
        EXPECT_EQ(image.Height(), 3);
        EXPECT_EQ(image.IsAlphaUsed(), c.AlphaUsed);
        EXPECT_EQ(image.Transparent(), c.AlphaUsed);
        EXPECT_EQ(ImagePixel(image, 1, 2), c.Pixel);
    }
    TovGPImage fromRect(TRect{5, 5, 9, 6}, Bgra(1, 2, 3, 255));
    EXPECT_EQ(fromRect.GetSize(), (TSize{4, 1}));
    // Bits said to have no alpha channel are opaque whatever their alpha bytes.
    TovGPImage opaque(2, 2, TRGBColors(4, Bgra(10, 20, 30, 7)), false);
    EXPECT_FALSE(opaque.IsAlphaUsed());
    // The size is changed only by Resize.
    opaque.SetWidth(10);
    opaque.SetHeight(10);
    EXPECT_EQ(opaque.GetSize(), (TSize{2, 2}));
}

TEST_F(GdiPlusImageTest, NothingIsDecodedBeforeFirstUseAndUndecodableBytesRaiseThen) {
    const std::string png = Encoded(*Glyph(), dfPNG);
    Decodes = 0;
    const TEntryPointOverride count(ovGdipApi.GdipLoadImageFromStream, &CountingDecode);
    auto image = Loaded(png);
    EXPECT_EQ(Decodes, 0);
    EXPECT_FALSE(image->IsImageDataReady());
    EXPECT_EQ(image->Width(), 8);
    EXPECT_EQ(image->Height(), 8);
    EXPECT_EQ(Decodes, 1);
    EXPECT_TRUE(image->IsImageDataReady());

    auto broken = Loaded("this is no picture at all");
    EXPECT_FALSE(broken->IsImageDataReady());
    try {
        broken->Width();
        FAIL() << "no exception";
    } catch (const EovGdipException& e) {
        EXPECT_EQ(e.Status(), UnknownImageFormat);
    }
    // Still stored: each use raises again.
    EXPECT_THROW(broken->Empty(), EovGdipException);
}

TEST_F(GdiPlusImageTest, DataShorterThanABitmapHeaderIsNoBitmap) {
    TStringStream shortData("BM1234");
    shortData.SetPosition(0);
    EXPECT_FALSE(TovGPImageDataHelper::IsBitmapStream(&shortData));
    EXPECT_EQ(shortData.Position(), 0);
    TStringStream header(std::string("BM") + std::string(20, '\0'));
    header.SetPosition(0);
    EXPECT_TRUE(TovGPImageDataHelper::IsBitmapStream(&header));
    EXPECT_EQ(header.Position(), 0);
    // The decoder is asked, and its error is the one reported.
    auto image = Loaded("BM1234");
    try {
        image->GetHandle();
        FAIL() << "no exception";
    } catch (const EovGdipException& e) {
        EXPECT_EQ(e.Status(), UnknownImageFormat);
    }
}

TEST_F(GdiPlusImageTest, ABitmapStreamGoesThroughTheBitmapAndKeepsItsAlpha) {
    // A BMP file holds straight alpha.
    auto bitmap = MakeBitmap(3, 2, clBlack);
    SetPixelAt(*bitmap, 0, 0, Bgra(0, 0, 200, 128));
    SetPixelAt(*bitmap, 2, 1, Bgra(255, 255, 255, 255));
    TMemoryStream bytes;
    bitmap->SaveToStream(&bytes);
    bytes.SetPosition(0);
    TovGPImage image(&bytes);
    EXPECT_EQ(image.GetSize(), (TSize{3, 2}));
    EXPECT_EQ(image.GetImageDataFormat(), dfBMP);
    EXPECT_TRUE(image.IsAlphaUsed());
    EXPECT_EQ(ImagePixel(image, 0, 0), Premultiplied(0, 0, 200, 128));
    EXPECT_EQ(ImagePixel(image, 2, 1), Bgra(255, 255, 255, 255));
    EXPECT_EQ(ImagePixel(image, 1, 0), 0u);
    // A 32-bit file without any alpha is opaque.
    auto plain = MakeBitmap(2, 2, clBlack);
    SetPixelAt(*plain, 1, 1, Bgra(10, 20, 30, 0));
    TMemoryStream plainBytes;
    plain->SaveToStream(&plainBytes);
    plainBytes.SetPosition(0);
    TovGPImage opaque(&plainBytes);
    EXPECT_FALSE(opaque.IsAlphaUsed());
    EXPECT_EQ(ImagePixel(opaque, 1, 1), Bgra(10, 20, 30, 255));
    // Translucent pixels written as BMP by the image itself come back as they were.
    auto glyph = MakeImage<TovGPImage>(
        5, 5, [](int x, int y) { return Premultiplied(40 * x, 200, 30 * y, 20 + 40 * x); });
    TStringStream bmp(Encoded(*glyph, dfBMP));
    TovGPImage back(&bmp);
    EXPECT_TRUE(back.Compare(glyph.get()));
}

TEST_F(GdiPlusImageTest, ASizeGivenBeforeTheImageIsMadeIsAppliedWhenItIsMade) {
    auto image = Loaded(Encoded(*Glyph(), dfPNG));
    image->Resize(16, 12);
    EXPECT_FALSE(image->IsImageDataReady());
    EXPECT_EQ(image->GetSize(), (TSize{16, 12}));
    // Stretched: the centre stays red.
    EXPECT_EQ(ChannelOf(ImagePixel(*image, 8, 6), 16), 200);
    // A live image is stretched at once and becomes a memory bitmap.
    image->Resize(4, 4);
    EXPECT_EQ(image->GetSize(), (TSize{4, 4}));
    EXPECT_EQ(image->GetImageDataFormat(), dfBMP);
}

TEST_F(GdiPlusImageTest, AnEmptyImageDrawsNothingWritesNothingAndEqualsAnotherEmptyOne) {
    TovPNGImage empty, other;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.GetHandle(), nullptr);
    EXPECT_EQ(empty.GetImageDataFormat(), dfUnknown);
    TMemoryStream bytes;
    empty.SaveToStream(&bytes);
    EXPECT_EQ(bytes.Size(), 0);
    EXPECT_TRUE(empty.Compare(&other));
    auto glyph = Glyph();
    EXPECT_FALSE(empty.Compare(glyph.get()));
    auto target = MakeBitmap(8, 8, clWhite);
    empty.StretchDraw(target->Canvas()->Handle(), TRect{0, 0, 8, 8});
    EXPECT_EQ(BoundsOfColor(*target, clWhite), (RECT{0, 0, 8, 8}));
    EXPECT_TRUE(empty.GetAsBitmap()->Empty());
    // Loading no bytes leaves it empty.
    TStringStream none("");
    empty.LoadFromStream(&none);
    EXPECT_TRUE(empty.Empty());
}

TEST_F(GdiPlusImageTest, ChangeColorKeepsTheShapeAndPremultipliesTheNewColour) {
    auto glyph = Glyph();
    glyph->ChangeColor(clRed);
    EXPECT_EQ(ImagePixel(*glyph, 3, 3), Bgra(0, 0, 255, 255));
    EXPECT_EQ(ImagePixel(*glyph, 1, 3), Bgra(0, 0, 128, 128));
    EXPECT_EQ(ImagePixel(*glyph, 0, 0), 0u);
    const std::uint32_t before = ImagePixel(*glyph, 3, 3);
    glyph->ChangeColor(clNone);
    glyph->ChangeColor(clDefault);
    EXPECT_EQ(ImagePixel(*glyph, 3, 3), before);
}

TEST_F(GdiPlusImageTest, SavingEncodesACopyAndLeavesTheImageAsItWas) {
    auto glyph = Glyph();
    auto image = Loaded(Encoded(*glyph, dfPNG));
    const std::string jpeg1 = Encoded(*image, dfJPEG);
    EXPECT_EQ(image->GetImageDataFormat(), dfPNG);
    EXPECT_TRUE(image->Compare(glyph.get()));
    const std::string jpeg2 = Encoded(*image, dfJPEG);
    EXPECT_EQ(jpeg1, jpeg2);

    // A JPEG saved again and again does not lose more with every save.
    auto photo = Loaded(jpeg1);
    EXPECT_EQ(photo->GetImageDataFormat(), dfJPEG);
    auto decoded = photo->Clone();
    TMemoryStream first, second;
    photo->SaveToStream(&first);
    photo->SaveToStream(&second);
    EXPECT_EQ(first.Size(), second.Size());
    EXPECT_EQ(std::string(static_cast<const char*>(first.Memory()), first.Size()),
              std::string(static_cast<const char*>(second.Memory()), second.Size()));
    EXPECT_TRUE(photo->Compare(decoded.get()));
}

TEST_F(GdiPlusImageTest, EveryFormatTheInterfaceEncodesSavesAndLoads) {
    auto opaque = MakeImage<TovGPImage>(6, 5, [](int x, int y) { return Bgra(30 * x, 40 * y, 120, 255); });
    const struct {
        TovImageDataFormat Format;
        int Tolerance;
    } cases[] = {{dfBMP, 0}, {dfPNG, 0}, {dfJPEG, 40}};
    for (const auto& c : cases) {
        TStringStream stream(Encoded(*opaque, c.Format));
        TovGPImage loaded(&stream);
        EXPECT_EQ(loaded.GetImageDataFormat(), c.Format);
        EXPECT_EQ(loaded.GetSize(), (TSize{6, 5}));
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(ChannelOf(ImagePixel(loaded, 4, 3), shift),
                        ChannelOf(ImagePixel(*opaque, 4, 3), shift), c.Tolerance)
                << c.Format;
    }
    // Listed, but not written by this interface.
    EXPECT_THROW(Encoded(*opaque, dfTIFF), EovGdipException);
    // Re-encoding changes the format the image saves in; the PNG kind always writes PNG.
    TovGPImage changed;
    changed.Assign(opaque.get());
    changed.SetImageDataFormat(dfJPEG);
    EXPECT_EQ(changed.GetImageDataFormat(), dfJPEG);
    TMemoryStream written;
    changed.SaveToStream(&written);
    EXPECT_EQ(static_cast<const unsigned char*>(written.Memory())[0], 0xFF);
    TovPNGImage png;
    png.Assign(&changed);
    TMemoryStream pngBytes;
    png.SaveToStream(&pngBytes);
    EXPECT_EQ(static_cast<const unsigned char*>(pngBytes.Memory())[1], 'P');
    // An image whose format is unknown cannot be saved in it.
    TovGPImage none;
    EXPECT_THROW(Encoded(*opaque, dfUnknown), EovException);
}

// A graphic that is neither a bitmap nor an image: a green square.
class TGreenSquare : public TGraphic {
public:
    bool Empty() const override { return false; }
    int Width() const override { return 5; }
    int Height() const override { return 5; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void LoadFromStream(TStream*) override {}
    void SaveToStream(TStream*) override {}
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TGreenSquare>(); }

protected:
    void Draw(TCanvas* ACanvas, const RECT& Rect) override {
        ACanvas->Brush()->SetColor(clLime);
        ACanvas->FillRect(Rect);
    }
};

TEST_F(GdiPlusImageTest, CopiesToAndFromBitmapsAndOtherImages) {
    auto glyph = Glyph();
    // To a bitmap and back.
    TBitmap bitmap;
    glyph->AssignTo(&bitmap);
    EXPECT_EQ(bitmap.Width(), 8);
    EXPECT_EQ(PixelAt(bitmap, 1, 3), ImagePixel(*glyph, 1, 3));
    TovGPImage fromBitmap;
    fromBitmap.Assign(&bitmap);
    EXPECT_TRUE(fromBitmap.Compare(glyph.get()));
    // A bitmap below 32 bits is opaque.
    auto rgb = MakeBitmap(4, 4, clBlue, pf24bit);
    fromBitmap.Assign(rgb.get());
    EXPECT_FALSE(fromBitmap.IsAlphaUsed());
    EXPECT_EQ(ImagePixel(fromBitmap, 2, 2) & 0xFFFFFF, 0x0000FFu); // blue lowest
    // Any other graphic is drawn first.
    TGreenSquare square;
    fromBitmap.Assign(&square);
    EXPECT_EQ(fromBitmap.GetSize(), (TSize{5, 5}));
    EXPECT_EQ(ImagePixel(fromBitmap, 2, 2) & 0xFFFFFF, 0x00FF00u);

    // Another image: a copy of its stored data, independent of it.
    TovPNGImage copy;
    copy.Assign(glyph.get());
    EXPECT_TRUE(copy.Compare(glyph.get()));
    glyph->ChangeColor(clBlue);
    EXPECT_FALSE(copy.Compare(glyph.get()));
    // An image that only has the interface's image (a stretched one) copies through its pixels.
    auto resized = Glyph();
    resized->Resize(4, 4);
    TovGPImage fromLive;
    fromLive.Assign(resized.get());
    EXPECT_TRUE(fromLive.Compare(resized.get()));
    // A clone is of the same kind.
    const std::unique_ptr<TovGPImage> clone = copy.Clone();
    EXPECT_NE(dynamic_cast<TovPNGImage*>(clone.get()), nullptr);
    EXPECT_TRUE(clone->Compare(&copy));
    // Null empties; an unrelated object cannot be assigned.
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    TuiRect rect;
    try {
        copy.Assign(&rect);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TuiRect to a TovPNGImage");
    }
}

TEST_F(GdiPlusImageTest, TheClipboardFormIsTheImageOverWhite) {
    auto glyph = Glyph();
    UINT format = 0;
    std::vector<BYTE> data;
    glyph->SaveToClipboardFormat(format, data);
    EXPECT_EQ(format, GraphicClipboardFormatDib);
    TovGPImage pasted;
    pasted.LoadFromClipboardFormat(format, data);
    EXPECT_EQ(pasted.GetSize(), (TSize{8, 8}));
    EXPECT_EQ(ImagePixel(pasted, 0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(ImagePixel(pasted, 3, 3) & 0xFFFFFF, 0xC85028u);
}

TEST_F(GdiPlusImageTest, DrawsWithAConstantAlpha) {
    auto square = MakeImage(4, 4, [](int, int) { return Bgra(0, 0, 255, 255); });
    auto target = MakeBitmap(8, 8, clWhite);
    square->StretchDraw(target->Canvas()->Handle(), TRect{0, 0, 8, 8}, 128);
    const std::uint32_t pink = PixelAt(*target, 4, 4);
    EXPECT_EQ(ChannelOf(pink, 16), 255);
    EXPECT_NEAR(ChannelOf(pink, 0), 127, 2);
    square->StretchDrawPart(target->Canvas()->Handle(), TRect{0, 0, 2, 2}, 255, TRect{0, 0, 1, 1});
    EXPECT_EQ(ColorAt(*target, 1, 1), clRed);
}

TEST_F(GdiPlusImageTest, TheKindsFormsStoreAreRegistered) {
    EXPECT_EQ(TPicture::FindGraphicClass("png"), GraphicClassOf<TovPNGImage>());
    for (const char* extension : {"bmp", "jpg", "JPEG"}) {
        EXPECT_EQ(TPicture::FindGraphicClass(extension), GraphicClassOf<TovSmartImage>()) << extension;
        EXPECT_EQ(TPicture::FileFormatDescription(extension), "All graphics") << extension;
    }
    EXPECT_NE(GetClass("TovPNGImage"), nullptr);
    EXPECT_NE(GetClass("TovSmartImage"), nullptr);
    // A form's picture data is the image's own stream form.
    auto glyph = Glyph();
    TovSmartImage stored;
    stored.Assign(glyph.get());
    TMemoryStream data;
    stored.WriteData(&data);
    data.SetPosition(0);
    TovSmartImage read;
    read.ReadData(&data);
    EXPECT_TRUE(read.Compare(glyph.get()));
}

void* NoMemory(std::size_t) {
    return nullptr;
}

TEST_F(GdiPlusImageTest, MemoryStreamOfTheInterfaceAndAFailedLoadThatKeepsTheImage) {
    TovGPMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    stream.SetPosition(2);
    char two[2];
    stream.ReadBuffer(two, 2);
    EXPECT_EQ(std::string(two, 2), "cd");
    stream.SetSize(3);
    EXPECT_EQ(stream.Size(), 3);
    EXPECT_EQ(stream.Position(), 3);
    stream.Seek(5, soBeginning);
    stream.WriteBuffer("x", 1);
    EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), 6), std::string("abc\0\0x", 6));

    auto kept = std::unique_ptr<TStream>(ovGpCopyToMemoryStream(&stream));
    EXPECT_EQ(kept->Size(), 6);
    EXPECT_EQ(kept->Position(), 0);
    EXPECT_EQ(stream.Position(), 6);
    EXPECT_EQ(ovGpCopyToMemoryStream(nullptr), nullptr);

    auto glyph = Glyph();
    TStringStream png(Encoded(*glyph, dfPNG));
    const TEntryPointOverride noMemory(ovGdipApi.GdipAlloc, &NoMemory);
    TovGPImage image(TSize{2, 2}, Bgra(1, 2, 3, 255));
    try {
        image.LoadFromStream(&png);
        FAIL() << "no exception";
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), "Out of memory while expanding memory stream");
    }
    EXPECT_EQ(ImagePixel(image, 1, 1), Bgra(1, 2, 3, 255));
}

TEST_F(GdiPlusImageTest, TheLibrarysOwnPicturesAreEmbedded) {
    TovPNGImage mask;
    mask.LoadFromResource(nullptr, "OVSHADOWMASK", "PNG");
    ASSERT_EQ(mask.GetSize(), (TSize{12, 12}));
    auto fade = [](int i) { return std::min(i + 1, 12 - i); };
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            // 2.5 a(x) a(y), halves rounded up; black.
            const int alpha = (5 * fade(x) * fade(y) + 1) / 2;
            ASSERT_EQ(ImagePixel(mask, x, y), std::uint32_t(alpha) << 24) << x << "," << y;
        }
    for (const auto& [name, size] :
         {std::pair{"DEFAULTSKINICONSMALL", 16}, std::pair{"DEFAULTSKINICONLARGE", 48}}) {
        TovPNGImage icon;
        icon.LoadFromResource(nullptr, name, "OVSKINS");
        EXPECT_EQ(icon.GetSize(), (TSize{size, size})) << name;
        EXPECT_TRUE(icon.IsAlphaUsed()) << name; // rounded corners
    }
}

} // namespace

// Every extension a picture knows loads through it once the library started: a file of each, made by the
// encoders (an icon by hand), comes back as the class registered for it, with its size.
TEST_F(GdiPlusImageTest, EveryRegisteredExtensionLoadsThroughAPicture) {
    using namespace bmp_bytes_test;
    auto sample = MakeImage<TovSmartImage>(3, 2, [](int x, int y) { return Bgra(40 * x, 90 * y, 200, 255); });
    const std::string pixels = Le32(0xFF0000FF) + Le32(0xFF00FF00) + Le32(0xFFFF0000) + Le32(0xFFFFFFFF);
    const std::string icon = Le16(0) + Le16(1) + Le16(1) + bmp_bytes_test::Bytes({2, 2, 0, 0}) + Le16(1) +
                             Le16(32) + Le32(40 + 16 + 8) + Le32(22) + InfoHeader(2, 4, 32, BI_RGB) + pixels +
                             std::string(8, '\0');
    const std::map<std::string, std::pair<std::string, int>> samples = {
        {"bmp", {Encoded(*sample, dfBMP), 3}},
        {"png", {Encoded(*sample, dfPNG), 3}},
        {"jpg", {Encoded(*sample, dfJPEG), 3}},
        {"jpeg", {Encoded(*sample, dfJPEG), 3}},
        {"ico", {icon, 2}},
    };
    const auto dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "ui-core" / "picture-formats";
    std::filesystem::create_directories(dir);
    const std::vector<std::string> extensions = TPicture::RegisteredExtensions();
    for (const char* expected : {"bmp", "ico", "png", "jpg", "jpeg"})
        EXPECT_NE(std::find(extensions.begin(), extensions.end(), expected), extensions.end()) << expected;
    for (const std::string& extension : extensions) {
        SCOPED_TRACE(extension);
        const auto found = samples.find(extension);
        if (found == samples.end()) {
            ADD_FAILURE() << "no sample file for a registered extension";
            continue;
        }
        const std::string path = (dir / ("sample." + extension)).string();
        WriteFileAtomically(path, found->second.first);
        TPicture picture;
        ASSERT_NO_THROW(picture.LoadFromFile(path));
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->GraphicClass(), TPicture::FindGraphicClass(extension));
        EXPECT_EQ(picture.Width(), found->second.second);
    }
    // An extension nobody registered says so.
    EXPECT_THROW(TPicture().LoadFromFile((dir / "sample.gif").string()), EInvalidGraphic);
}
