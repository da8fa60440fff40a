// Helpers of the skin library's tests: skin texts as INI objects, small bitmaps drawn in code, files
// under the test output folder, and skins packed in memory from a text and pictures.
#pragma once

#include "platform/rtl/IniFile.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/Presenter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace skintest {

// A skin text held in memory (lines joined by "\n").
std::unique_ptr<TMemIniFile> IniFromText(const std::string& Text);
std::string TextOf(TMemIniFile& Ini);

// A bitmap whose pixel (x, y) has the colour Colour(x, y) (a COLORREF), in the given format.
std::unique_ptr<TBitmap> MakeBitmap(int Width, int Height,
                                    const std::function<std::uint32_t(int, int)>& Colour,
                                    TPixelFormat Format = pf24bit);
// The colour (COLORREF) of a bitmap's pixel, read from its canvas.
std::uint32_t PixelOf(TBitmap& Bitmap, int X, int Y);
// The 32-bit value (B, G, R, A in memory) of a 32-bit bitmap's pixel.
std::uint32_t Pixel32Of(TBitmap& Bitmap, int X, int Y);

// A folder below the test output folder ("skin/<Name>"), made when missing.
std::string OutDir(const std::string& Name);

// Writes the bitmap as a PNG under the test output folder ("skin/<Name>"); false when it cannot.
// With Zoom above 1 every pixel becomes a Zoom x Zoom square, so that small marks can be looked at.
bool SavePng(TBitmap& Bitmap, const std::string& Name, int Zoom = 1);

// A presenter whose host cannot show per-pixel alpha.
class TFlatPresenter : public olva::win::IPresenter {
public:
    void WindowChanged(HWND) override {}
    void WindowDestroyed(HWND) override {}
    bool SupportsPerPixelAlpha() const override { return false; }
};

// Packs a skin in memory: the text and the active pictures (copied), no optional pictures.
void PackTestSkin(const std::string& Text, const std::vector<TBitmap*>& ActivePictures,
                  TMemoryStream& Packed);
// The inflated skin stream of packed bytes.
std::string Inflate(TMemoryStream& Packed);

} // namespace skintest
