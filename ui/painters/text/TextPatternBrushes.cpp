#include "ui/painters/text/TextPatternBrushes.h"

#include "platform/gdi/Gdi.h"

#include <cstdint>

namespace text_pattern_detail {

HBRUSH Checker = nullptr;
HBRUSH Solid = nullptr;

HBRUSH MakeBrush(std::uint8_t AEven, std::uint8_t AOdd) {
    // Monochrome rows are word aligned: one byte of pattern and one of padding.
    std::uint8_t bits[16] = {};
    for (int row = 0; row < 8; ++row)
        bits[2 * row] = row % 2 == 0 ? AEven : AOdd;
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}

} // namespace text_pattern_detail

using namespace text_pattern_detail;

void uiCreateTextPatternBrushes() {
    if (Checker == nullptr) Checker = MakeBrush(0x55, 0xAA);
    if (Solid == nullptr) Solid = MakeBrush(0x00, 0x00);
}

void uiDestroyTextPatternBrushes() {
    for (HBRUSH* brush : {&Checker, &Solid})
        if (*brush != nullptr) {
            DeleteObject(*brush);
            *brush = nullptr;
        }
}

HBRUSH uiTextPatternBrush(bool ABold) {
    return ABold ? Solid : Checker;
}
