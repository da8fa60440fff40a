#include "GraphicsTestUtil.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Icon.h"
#include "platform/vcl/Picture.h"

#include <filesystem>
#include <fstream>

using namespace graphics_test;

namespace picture_test {

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("olva_vcl_picture_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string Path(const std::string& name) const { return (folder / name).string(); }
    std::filesystem::path folder;
};

// A graphic class of its own, registered for an extension in a test.
class TTestGraphic : public TBitmap {
public:
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TTestGraphic>(); }
};

} // namespace picture_test

using namespace picture_test;

TEST_F(PictureTest, LoadsFilesByTheirExtension) {
    auto bitmap = MakeBitmap(3, 2, clRed);
    bitmap->SaveToFile(Path("a.BMP"));
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&changes](TObject*) { ++changes; };
    picture.LoadFromFile(Path("a.BMP"));
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(At(*picture.Bitmap(), 2, 1), clRed);
    EXPECT_GE(changes, 1);

    TIcon icon;
    icon.Assign(nullptr);
    EXPECT_NE(TPicture::FindGraphicClass(".ICO"), nullptr);
    EXPECT_EQ(TPicture::FileFormatDescription("bmp"), "Bitmaps");
}

TEST_F(PictureTest, UnknownExtensionsAndBadFilesChangeNothing) {
    TPicture picture;
    picture.Bitmap()->SetSize(4, 4);
    std::ofstream(Path("x.xyz")) << "data";
    try {
        picture.LoadFromFile(Path("x.xyz"));
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
    }
    std::ofstream(Path("bad.bmp")) << "BM but nothing else";
    EXPECT_THROW(picture.LoadFromFile(Path("bad.bmp")), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(Path("missing.bmp")), EFOpenError);
    EXPECT_EQ(picture.Width(), 4);
}

TEST_F(PictureTest, TheRegistryTakesAndDropsClasses) {
    TPicture::RegisterFileFormat("tst", "Test pictures", GraphicClassOf<TTestGraphic>());
    MakeBitmap(1, 1, clBlue)->SaveToFile(Path("p.tst"));
    TPicture picture;
    picture.LoadFromFile(Path("p.tst"));
    EXPECT_NE(dynamic_cast<TTestGraphic*>(picture.Graphic()), nullptr);
    TPicture::UnregisterGraphicClass(GraphicClassOf<TTestGraphic>());
    EXPECT_EQ(TPicture::FindGraphicClass("tst"), nullptr);
    EXPECT_THROW(picture.LoadFromFile(Path("p.tst")), EInvalidGraphic);
    EXPECT_NE(TPicture::FindGraphicClass("bmp"), nullptr);
}

// A list written as a file filter registers each extension on its own: a file of any of them loads.
TEST_F(PictureTest, AListOfExtensionsRegistersEachOfThem) {
    TPicture::RegisterFileFormat("TSA;*.TSB;*.tsc", "Test pictures", GraphicClassOf<TTestGraphic>());
    for (const char* extension : {"tsa", "TSB", "tsc"}) {
        SCOPED_TRACE(extension);
        EXPECT_EQ(TPicture::FindGraphicClass(extension), GraphicClassOf<TTestGraphic>());
        MakeBitmap(1, 1, clBlue)->SaveToFile(Path(std::string("p.") + extension));
        TPicture picture;
        picture.LoadFromFile(Path(std::string("p.") + extension));
        EXPECT_NE(dynamic_cast<TTestGraphic*>(picture.Graphic()), nullptr);
    }
    EXPECT_EQ(TPicture::FindGraphicClass("TSA;*.TSB;*.tsc"), nullptr);
    TPicture::UnregisterGraphicClass(GraphicClassOf<TTestGraphic>());
    EXPECT_EQ(TPicture::FindGraphicClass("tsb"), nullptr);
}

TEST_F(PictureTest, AssignCopiesTheGraphic) {
    auto bitmap = MakeBitmap(2, 2, clGreen);
    TPicture picture;
    picture.SetGraphic(bitmap.get());
    EXPECT_NE(picture.Graphic(), bitmap.get());
    bitmap->Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(At(*picture.Bitmap(), 0, 0), clGreen);

    TPicture other;
    other.Assign(&picture);
    EXPECT_EQ(At(*other.Bitmap(), 1, 1), clGreen);
    TBitmap target;
    target.Assign(&other);
    EXPECT_EQ(At(target, 1, 1), clGreen);
    other.Assign(nullptr);
    EXPECT_EQ(other.Graphic(), nullptr);
    // Asking for an icon replaces the bitmap.
    EXPECT_TRUE(picture.Icon()->Empty());
    EXPECT_EQ(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
}
