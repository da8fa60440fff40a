// The binding to the imaging interface: loading and the unavailable path with its retry, the status
// check, encoders by MIME type, raw formats, colours as ARGB values, and where the wrappers' memory
// comes from.
#include "GdiPlusTestSupport.h"

#include "platform/vcl/Picture.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusClassesUnit.h"

#include <cstring>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

class GdiPlusBindingTest : public UiCoreTest {};

TEST_F(GdiPlusBindingTest, ColorsBecomeArgbValuesBlueLowest) {
    EXPECT_EQ(ovGpColorToARGB(clNone, 255), 0u);
    const ARGB red = ovGpColorToARGB(clRed, 128);
    unsigned char bytes[4];
    std::memcpy(bytes, &red, 4);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 255);
    EXPECT_EQ(bytes[3], 128);
    // System colours are resolved.
    EXPECT_EQ(ovGpColorToARGB(clBtnFace, 255) & 0xFFFFFF, ovColorToRGBQuad(clBtnFace) & 0xFFFFFF);
}

TEST_F(GdiPlusBindingTest, EncodersAreFoundByMimeTypeIgnoringCase) {
    CLSID png{}, upper{};
    EXPECT_EQ(ovGpGetEncoderClsid("image/png", png), 0);
    EXPECT_EQ(ovGpGetEncoderClsid("IMAGE/PNG", upper), 0);
    EXPECT_EQ(png, upper);
    EXPECT_NE(png, CLSID{});

    CLSID untouched{0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    const CLSID before = untouched;
    EXPECT_EQ(ovGpGetEncoderClsid("image/x-unknown", untouched), 1);
    EXPECT_EQ(untouched, before);

    EXPECT_EQ(ovGpGetImageEncoder(dfPNG), png);
    EXPECT_NE(ovGpGetImageEncoder(dfJPEG), png);
}

TEST_F(GdiPlusBindingTest, StatusCheckRaisesWithTheStatusInItsText) {
    EXPECT_NO_THROW(GdipCheck(Ok));
    try {
        GdipCheck(InvalidParameter);
        FAIL() << "no exception";
    } catch (const EovGdipException& e) {
        EXPECT_EQ(e.Status(), 2);
        EXPECT_EQ(e.Message(), "Invalid operation in GDI+ (Code: 2)");
    }
    // The library's exception class, so that callers catching it see every failure of the interface.
    EXPECT_THROW(GdipCheck(OutOfMemory), EovException);
}

TEST_F(GdiPlusBindingTest, RawFormatsAndTheEncoderOfAFormat) {
    const struct {
        const GUID* RawFormat;
        TovImageDataFormat Expected;
    } cases[] = {{&ImageFormatBMP, dfBMP}, {&ImageFormatMemoryBMP, dfBMP}, {&ImageFormatEMF, dfBMP},
                 {&ImageFormatWMF, dfBMP}, {&ImageFormatIcon, dfBMP},      {&ImageFormatJPEG, dfJPEG},
                 {&ImageFormatPNG, dfPNG}, {&ImageFormatTIFF, dfTIFF},     {&ImageFormatGIF, dfGIF}};
    for (const auto& c : cases)
        EXPECT_EQ(ovGpGetImageDataFormat(*c.RawFormat), c.Expected);
    EXPECT_EQ(ovGpGetImageDataFormat(GUID{0xDEADBEEF, 0, 0, {}}), dfUnknown);

    try {
        ovGpGetImageEncoder(dfUnknown);
        FAIL() << "no exception";
    } catch (const EovGdipException&) {
        FAIL() << "the wrong exception";
    } catch (const EovException& e) {
        EXPECT_EQ(e.Message(), "ovGetImageEncoder fails");
    }
}

// An encoder list without TIFF and GIF: the interface of a system that lacks them.
GpStatus EncodersWithoutTiffAndGif(UINT ACount, UINT ASize, ImageCodecInfo* AEncoders) {
    const GpStatus status = ::GdipGetImageEncoders(ACount, ASize, AEncoders);
    UINT kept = 0;
    for (UINT i = 0; i < ACount; ++i) {
        const std::u16string mime = AEncoders[i].MimeType;
        if (mime != u"image/tiff" && mime != u"image/gif") AEncoders[kept++] = AEncoders[i];
    }
    for (UINT i = kept; i < ACount; ++i)
        AEncoders[i].MimeType = u"";
    return status;
}

TEST_F(GdiPlusBindingTest, AMissingTiffOrGifEncoderFailsOnlyWhenThatFormatIsUsed) {
    // The encoders are asked again of an interface loaded afresh.
    FreeGdiPlus();
    LoadGdiPlus();
    const TEntryPointOverride hide(ovGdipApi.GdipGetImageEncoders, &EncodersWithoutTiffAndGif);
    EXPECT_NO_THROW(ovGpInitEncoders());
    auto image = MakeImage(4, 4, [](int, int) { return Bgra(10, 20, 30, 255); });
    EXPECT_FALSE(Encoded(*image, dfPNG).empty());
    try {
        Encoded(*image, dfTIFF);
        FAIL() << "no exception";
    } catch (const EovGdipException& e) {
        EXPECT_EQ(e.Status(), 1);
    }
    EXPECT_THROW(Encoded(*image, dfGIF), EovGdipException);
}

TEST_F(GdiPlusBindingTest, AMissingBasicEncoderFailsTheLookUpOfTheEncoders) {
    FreeGdiPlus();
    LoadGdiPlus();
    const TEntryPointOverride none(
        ovGdipApi.GdipGetImageEncodersSize, +[](UINT* ACount, UINT* ASize) {
            *ACount = 0;
            *ASize = 0;
            return Ok;
        });
    try {
        ovGpInitEncoders();
        FAIL() << "no exception";
    } catch (const EovGdipException& e) {
        EXPECT_EQ(e.Status(), 1);
    }
}

TEST_F(GdiPlusBindingTest, LoadingTwiceDoesNothingAndAFailedLoadIsTriedAgain) {
    ASSERT_TRUE(CheckGdiPlus(false));
    static int starts = 0;
    starts = 0;
    const TEntryPointOverride count(
        ovGdipApi.GdiplusStartup,
        +[](ULONG_PTR* AToken, const GdiplusStartupInput* AInput, GdiplusStartupOutput* AOutput) {
            ++starts;
            return ::GdiplusStartup(AToken, AInput, AOutput);
        });
    LoadGdiPlus();
    EXPECT_EQ(starts, 0);
    {
        const TMissingLibrary missing;
        EXPECT_FALSE(CheckGdiPlus(false));
        EXPECT_FALSE(CheckGdiPlus(false));
        EXPECT_FALSE(ovGdiPlusAvailable());
        // An entry point of an interface that is not there answers, rather than crashing its caller.
        GpGraphics* graphics = nullptr;
        EXPECT_EQ(ovGdipApi.GdipCreateFromHDC(nullptr, &graphics), GdiplusNotInitialized);
        ovGpSetLibraryMissing(false);
        EXPECT_TRUE(CheckGdiPlus(false));
    }
    EXPECT_TRUE(ovGdiPlusAvailable());
}

TEST_F(GdiPlusBindingTest, WithoutTheLibraryTheCallersFallBack) {
    const TMissingLibrary missing;
    // The picture classes are not registered.
    ovGdiPlusClassesEnd();
    ovGdiPlusClassesStart();
    EXPECT_NE(TPicture::FindGraphicClass("png"), GraphicClassOf<TovPNGImage>());
    // Using an image raises the interface's error instead of drawing.
    TStringStream bytes("\x89PNG not really");
    TovPNGImage image;
    image.LoadFromStream(&bytes);
    try {
        image.Width();
        FAIL() << "no exception";
    } catch (const EovGdipException& e) {
        EXPECT_EQ(e.Status(), GdiplusNotInitialized);
    }
    // The blend of a 64-bit system goes the pixel way.
    TovOSVersionFlags flags = ovOSVersion();
    flags.IsWin64Bit = true;
    ovSetOSVersionFlags(flags);
    auto target = MakeBitmap(4, 4, clWhite);
    auto source = MakeBitmap(4, 4, clBlack);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixelAt(*source, x, y, Bgra(0, 0, 200, 255));
    uiAlphaBlend(target->Canvas()->Handle(), source->Canvas()->Handle(), TRect{0, 0, 4, 4}, 255, false,
                 TRect{0, 0, 4, 4});
    ovGetOSVersionFlags();
    EXPECT_EQ(ChannelOf(PixelAt(*target, 1, 1), 16), 200);
    // Back with the library, the classes register again.
    ovGpSetLibraryMissing(false);
    ovGdiPlusClassesStart();
    EXPECT_EQ(TPicture::FindGraphicClass("png"), GraphicClassOf<TovPNGImage>());
}

TEST_F(GdiPlusBindingTest, UnitEndGivesPngBackToTheClassThatHadItBefore) {
    ovGdiPlusClassesEnd();
    struct TOtherPng : TBitmap {
        TGraphicClass GraphicClass() const override { return GraphicClassOf<TOtherPng>(); }
    };
    TPicture::RegisterFileFormat("png", "Other", GraphicClassOf<TOtherPng>());
    ovGdiPlusClassesStart();
    EXPECT_EQ(TPicture::FindGraphicClass("png"), GraphicClassOf<TovPNGImage>());
    ovGdiPlusClassesEnd();
    EXPECT_EQ(TPicture::FindGraphicClass("png"), GraphicClassOf<TOtherPng>());
    EXPECT_EQ(TPicture::FileFormatDescription("png"), "Other");
    TPicture::UnregisterGraphicClass(GraphicClassOf<TOtherPng>());
    ovGdiPlusClassesStart();
}

TEST_F(GdiPlusBindingTest, MissingLibraryWithAMessageTellsTheUserAndEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            FreeGdiPlus();
            ovGpSetLibraryMissing(true);
            olva::win::InjectKey(VK_RETURN, true);
            olva::win::InjectKey(VK_RETURN, false);
            CheckGdiPlus(true);
            std::exit(0); // not reached
        },
        ::testing::ExitedWithCode(1), "");
}

// Counts the blocks the interface's allocator hands out.
int Allocations = 0;
void* CountingAlloc(std::size_t ASize) {
    ++Allocations;
    return ::GdipAlloc(ASize);
}

TEST_F(GdiPlusBindingTest, WrappersComeFromTheInterfacesAllocatorWhileItIsThere) {
    Allocations = 0;
    {
        const TEntryPointOverride count(ovGdipApi.GdipAlloc, &CountingAlloc);
        auto canvas = std::make_unique<TovGPCanvas>();
        EXPECT_EQ(Allocations, 1);
    }
    const TMissingLibrary missing;
    // Made while the interface is missing, freed after it came back: each block goes to its own allocator.
    auto canvas = std::make_unique<TovGPCanvas>();
    ovGpSetLibraryMissing(false);
    LoadGdiPlus();
    canvas.reset();
    EXPECT_EQ(Allocations, 1);
}

} // namespace
