#include "SkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/StringList.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinStream.h"
#include "skin/data/SkinZlib.h"

#include <cstring>
#include <filesystem>

namespace skintest {

std::unique_ptr<TMemIniFile> IniFromText(const std::string& Text) {
    auto ini = std::make_unique<TMemIniFile>("");
    TStringList lines;
    lines.SetText(Text);
    ini->SetStrings(lines);
    return ini;
}

std::string TextOf(TMemIniFile& Ini) {
    TStringList lines;
    Ini.GetStrings(lines);
    return lines.Text();
}

std::unique_ptr<TBitmap>
MakeBitmap(int Width, int Height, const std::function<std::uint32_t(int, int)>& Colour, TPixelFormat Format) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(Format);
    bitmap->SetSize(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            bitmap->Canvas()->SetPixels(x, y, TColor(Colour(x, y)));
    return bitmap;
}

std::uint32_t PixelOf(TBitmap& Bitmap, int X, int Y) {
    return std::uint32_t(Bitmap.Canvas()->Pixels(X, Y)) & 0xFFFFFF;
}

std::uint32_t Pixel32Of(TBitmap& Bitmap, int X, int Y) {
    std::uint32_t value = 0;
    std::memcpy(&value, static_cast<const std::uint8_t*>(Bitmap.ScanLine(Y)) + 4 * X, 4);
    return value;
}

std::string OutDir(const std::string& Name) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "skin" / Name;
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

bool SavePng(TBitmap& Bitmap, const std::string& Name, int Zoom) {
    if (Zoom > 1) {
        TBitmap zoomed;
        zoomed.SetSize(Bitmap.Width() * Zoom, Bitmap.Height() * Zoom);
        zoomed.Canvas()->CopyRect(TRect{0, 0, zoomed.Width(), zoomed.Height()}, Bitmap.Canvas(),
                                  TRect{0, 0, Bitmap.Width(), Bitmap.Height()});
        return SavePng(zoomed, Name);
    }
    const std::filesystem::path path = std::filesystem::path(OLVA_TEST_OUT_DIR) / "skin" / Name;
    std::filesystem::create_directories(path.parent_path());
    auto surface = GdiGetBitmapSurface(Bitmap.Handle());
    return surface && SaveSurfaceToPng(*surface, path.string());
}

void PackTestSkin(const std::string& Text, const std::vector<TBitmap*>& ActivePictures,
                  TMemoryStream& Packed) {
    TskSkinPictureSet pictures;
    for (TBitmap* picture : ActivePictures) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(picture);
        pictures.ActivePictures.push_back(std::move(copy));
    }
    TStringList lines;
    lines.SetText(Text);
    PackSkin(pictures, lines, Packed);
}

std::string Inflate(TMemoryStream& Packed) {
    TStringStream out;
    UnpackStream(&out, &Packed);
    return out.DataString();
}

} // namespace skintest
