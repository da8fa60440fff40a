#include "RibbonSkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/bars/BarUnit.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/PaintersInit.h"
#include "ui/ribbon/RibbonUnit.h"
#include "ui/ribbon/skins/RibbonSheetLayout.h"

#include <filesystem>

namespace ribbon_skin_test {

using namespace ribbon_sheets;

void RibbonSkinTest::SetUp() {
    olva::win::ResetWindowSystem();
    clock = std::make_unique<TFakeClock>(0, 100000);
    clockOverride = std::make_unique<TClockOverride>(*clock);
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiBarsInitialize();
    uiRibbonInitialize();
}

void RibbonSkinTest::TearDown() {
    uiRibbonFinalize();
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    clockOverride.reset();
    clock.reset();
}

namespace {

// Blue marks a coded pixel; red and green hold the part's ID above 10000 (10 bits) and the cell (6 bits).
constexpr int CodeMark = 0xA5;

} // namespace

std::uint32_t CellCode(int AFirstID, int ACell) {
    const int id = AFirstID - 10000;
    const int red = id & 0xFF, green = ((id >> 8) & 0x3) | (ACell << 2);
    return std::uint32_t(CodeMark) | (std::uint32_t(green) << 8) | (std::uint32_t(red) << 16) | 0xFF000000u;
}

std::optional<TCellName> DecodeCell(std::uint32_t APixel) {
    if ((APixel >> 24) != 0xFF || (APixel & 0xFF) != CodeMark) return std::nullopt;
    const int red = int((APixel >> 16) & 0xFF), green = int((APixel >> 8) & 0xFF);
    return TCellName{10000 + red + ((green & 0x3) << 8), green >> 2};
}

std::string ToString(const std::optional<TCellName>& AName) {
    if (!AName) return "none";
    return std::to_string(AName->FirstID) + "/" + std::to_string(AName->Cell);
}

std::string CodedSheetPng(int AStyle, TovRibbonSheetKind AKind, const TCellPainter& APainter) {
    const TSize size = SheetSize(AStyle, AKind);
    TRGBColors bits(std::size_t(size.cx) * size.cy, 0u);
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        if (cut.IsAlias || cut.Sheet != AKind || !(cut.Families & FamilyOfStyle(AStyle))) continue;
        for (int i = 0; i < cut.CellCount(); ++i) {
            const TRect cell = CutCell(cut.Cut, i);
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x) {
                    std::optional<std::uint32_t> pixel;
                    if (APainter) pixel = APainter(cut.FirstID, i, x - cell.left, y - cell.top);
                    bits[std::size_t(y) * size.cx + x] = pixel ? *pixel : CellCode(cut.FirstID, i);
                }
        }
    }
    TovGPImage image(size.cx, size.cy, bits, true);
    TMemoryStream stream;
    image.SaveToStreamByFormat(&stream, dfPNG);
    return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

TCodedSheets::TCodedSheets(const TCellPainter& APainter) {
    for (const TovRibbonSheetInfo& sheet : kRibbonSheets)
        Replace(sheet.Name, CodedSheetPng(sheet.Style, sheet.Kind, APainter));
}

void TCodedSheets::Replace(const std::string& AName, std::string ABytes) {
    bool saved = false;
    for (const TSaved& entry : FSaved)
        saved = saved || entry.Name == AName;
    if (!saved) {
        const TResourceData* old = FindResource("RCDATA", AName);
        FSaved.push_back({AName, old ? old->Data : nullptr, old ? old->Size : 0});
    }
    FBytes.push_back(std::make_unique<std::string>(std::move(ABytes)));
    RegisterResource("RCDATA", AName, FBytes.back()->data(), FBytes.back()->size());
}

TCodedSheets::~TCodedSheets() {
    for (const TSaved& entry : FSaved)
        if (entry.Data != nullptr) RegisterResource("RCDATA", entry.Name, entry.Data, entry.Size);
}

std::unique_ptr<TBitmap> MakeCanvas(int AWidth, int AHeight, std::uint32_t APixel) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(AWidth, AHeight);
    auto surface = GdiGetBitmapSurface(bitmap->Handle());
    for (int y = 0; y < AHeight; ++y)
        for (int x = 0; x < AWidth; ++x)
            surface->SetPixel(x, y, APixel);
    return bitmap;
}

HDC DCOf(TBitmap& ABitmap) {
    return ABitmap.Canvas()->Handle();
}

std::uint32_t PixelOf(TBitmap& ABitmap, int X, int Y) {
    return GdiGetBitmapSurface(ABitmap.Handle())->Pixel(X, Y);
}

unsigned ColorAt(TBitmap& ABitmap, int X, int Y) {
    return PixelToColorRef(PixelOf(ABitmap, X, Y));
}

std::optional<TCellName> CellAt(TBitmap& ABitmap, int X, int Y) {
    return DecodeCell(PixelOf(ABitmap, X, Y));
}

bool IsUniform(TBitmap& ABitmap, std::uint32_t APixel) {
    for (int y = 0; y < ABitmap.Height(); ++y)
        for (int x = 0; x < ABitmap.Width(); ++x)
            if (PixelOf(ABitmap, x, y) != APixel) return false;
    return true;
}

std::uint32_t Opaque(unsigned AColor) {
    return ((AColor & 0xFF) << 16) | (AColor & 0xFF00) | ((AColor >> 16) & 0xFF) | 0xFF000000u;
}

std::string RibbonOutputPath(const std::string& AFolder, const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "ribbon" / AFolder;
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

} // namespace ribbon_skin_test
