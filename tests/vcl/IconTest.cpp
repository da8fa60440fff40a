#include "GraphicsTestUtil.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Icon.h"

#include <png.h>

#include <cstring>
#include <string>

using namespace graphics_test;

namespace icon_test {

// A 2 x 2 icon from a colour image and a mask (white = transparent).
std::unique_ptr<TIcon> MakeIcon(const TColor colors[4], const bool transparent[4]) {
    auto color = std::make_shared<TSurface>(2, 2);
    auto mask = std::make_shared<TSurface>(2, 2, 1);
    for (int i = 0; i < 4; ++i) {
        color->Row(i / 2)[i % 2] = transparent[i] ? 0 : ColorRefToPixel(ColorToRGB(colors[i]));
        mask->Row(i / 2)[i % 2] = transparent[i] ? 0xFFFFFF : 0;
    }
    ICONINFO info;
    info.hbmColor = GdiCreateBitmapFromSurface(color);
    info.hbmMask = GdiCreateBitmapFromSurface(mask);
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(CreateIconIndirect(&info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}

const TColor kColors[4] = {clRed, clLime, clBlue, clYellow};
const bool kTransparent[4] = {false, true, false, false};

void ExpectDrawnThroughMask(TIcon& icon) {
    auto target = MakeBitmap(2, 2, clWhite);
    target->Canvas()->Draw(0, 0, &icon);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(At(*target, i % 2, i / 2), kTransparent[i] ? clWhite : kColors[i]) << i;
}

} // namespace icon_test

using namespace icon_test;

TEST(IconTest, DrawsThroughItsMask) {
    auto icon = MakeIcon(kColors, kTransparent);
    EXPECT_EQ(icon->Width(), 2);
    EXPECT_TRUE(icon->Transparent());
    ExpectDrawnThroughMask(*icon);
}

TEST(IconTest, SavesAndLoadsIconFilesUnchanged) {
    auto icon = MakeIcon(kColors, kTransparent);
    TMemoryStream written;
    icon->SaveToStream(&written);
    written.SetPosition(0);
    TIcon loaded;
    loaded.LoadFromStream(&written);
    ASSERT_EQ(loaded.Width(), 2);
    ExpectDrawnThroughMask(loaded);
    // An unchanged loaded icon writes back the very bytes it came from.
    TMemoryStream again;
    loaded.SaveToStream(&again);
    ASSERT_EQ(again.Size(), written.Size());
    EXPECT_EQ(0, std::memcmp(again.Memory(), written.Memory(), std::size_t(written.Size())));
}

TEST(IconTest, DamagedFilesRaiseAndKeepTheIcon) {
    auto icon = MakeIcon(kColors, kTransparent);
    TMemoryStream good;
    icon->SaveToStream(&good);
    const std::string bytes(static_cast<const char*>(good.Memory()), std::size_t(good.Size()));
    const std::string damaged[] = {"", std::string("\0\0\1\0\0\0", 6), bytes.substr(0, 30),
                                   bytes.substr(0, bytes.size() - 40), "BM this is no icon"};
    for (const std::string& data : damaged) {
        TMemoryStream stream;
        stream.WriteBuffer(data.data(), std::int64_t(data.size()));
        stream.SetPosition(0);
        try {
            icon->LoadFromStream(&stream);
            ADD_FAILURE() << data.size();
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Icon image is not valid");
        }
        ExpectDrawnThroughMask(*icon);
    }
}

TEST(IconTest, SizeIsFixedOnceAnImageIsHeld) {
    TIcon empty;
    empty.SetWidth(16); // allowed: the size to pick on the next load
    auto icon = MakeIcon(kColors, kTransparent);
    EXPECT_THROW(icon->SetWidth(16), EInvalidGraphicOperation);
    EXPECT_NO_THROW(icon->SetWidth(2));
    HICON handle = icon->ReleaseHandle();
    EXPECT_TRUE(icon->Empty());
    EXPECT_TRUE(DestroyIcon(handle));
}

TEST(IconTest, ReadsIconsStoredAsPng) {
    // A 2 x 1 picture: opaque blue, then fully transparent; stored as the icon's only image.
    const unsigned char rgba[8] = {0, 0, 255, 255, 255, 0, 0, 0};
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = 2;
    image.height = 1;
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba, 0, nullptr));
    std::string png(size, '\0');
    ASSERT_TRUE(png_image_write_to_memory(&image, png.data(), &size, 0, rgba, 0, nullptr));
    png.resize(size);
    auto le = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return s;
    };
    const std::string file = le(0, 2) + le(1, 2) + le(1, 2) + std::string("\x02\x01\x00\x00", 4) + le(1, 2) +
                             le(32, 2) + le(std::uint32_t(png.size()), 4) + le(22, 4) + png;
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    TIcon icon;
    icon.LoadFromStream(&stream);
    ASSERT_EQ(icon.Width(), 2);
    auto target = MakeBitmap(2, 1, clWhite);
    target->Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(At(*target, 0, 0), clBlue);
    EXPECT_EQ(At(*target, 1, 0), clWhite);
}

TEST(IconTest, ReadsPalettedIconsWithTheirMask) {
    auto le = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return s;
    };
    // 2 x 2, one bit per pixel, palette red and black. Rows bottom-up. Colour: bottom row black, red;
    // top row red, black. Mask: the top right pixel transparent (black in the colour image, as the colour
    // image is combined by exclusive or).
    std::string dib = le(40, 4) + le(2, 4) + le(4, 4) + le(1, 2) + le(1, 2) + le(0, 4) + le(0, 4) + le(0, 4) +
                      le(0, 4) + le(2, 4) + le(0, 4);
    dib += std::string("\x00\x00\xFF\x00\x00\x00\x00\x00", 8);          // red, black
    dib += std::string("\x80\0\0\0", 4) + std::string("\x40\0\0\0", 4); // colour rows
    dib += std::string("\x00\0\0\0", 4) + std::string("\x40\0\0\0", 4); // mask rows
    const std::string file = le(0, 2) + le(1, 2) + le(1, 2) + std::string("\x02\x02\x02\x00", 4) + le(1, 2) +
                             le(1, 2) + le(std::uint32_t(dib.size()), 4) + le(22, 4) + dib;
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    TIcon icon;
    icon.LoadFromStream(&stream);
    auto target = MakeBitmap(2, 2, clWhite);
    target->Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(At(*target, 0, 0), clRed);
    EXPECT_EQ(At(*target, 1, 0), clWhite);
    EXPECT_EQ(At(*target, 0, 1), clBlack);
    EXPECT_EQ(At(*target, 1, 1), clRed);
}
