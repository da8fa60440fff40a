// Text rendering shared by TextOut, ExtTextOut and DrawText (internal).
#pragma once

#include "platform/gdi/GdiFont.h"
#include "platform/gdi/GdiObjects.h"

#include <memory>
#include <utility>
#include <vector>

namespace gdi_text {

// Code points of a UTF-8 string and the byte offset where each starts (plus one entry for the end).
struct TCharRun {
    std::vector<char32_t> Chars;
    std::vector<int> Offsets;
};
TCharRun Decode(const char* text, int length);

std::shared_ptr<TFontFace> FaceOf(TDeviceContext& dc);

// Advances of each character: given widths (one per byte) or the face's advances plus the extra spacing.
std::vector<int> Advances(TFontFace& face, const TCharRun& run, int extra, const INT* widths = nullptr);
int Sum(const std::vector<int>& values);
// Adds the DC's justification spacing to the spaces of a run.
void Justify(const TDCState& state, const TCharRun& run, std::vector<int>& advances);

struct TDrawOptions {
    bool OpaqueBackground = false;
    const RECT* Clip = nullptr;                       // logical; text outside is not drawn
    std::vector<std::pair<int, int>> UnderlinedChars; // [first, last) character ranges to underline
    bool LinesOnly = false;                           // only the underlines of UnderlinedChars
};

// Draws a run whose alignment point (TA_ flags of `align`) is the logical point (x, y); the text turns by
// the face's escapement around that point.
void DrawRun(TDeviceContext& dc, TFontFace& face, int x, int y, UINT align, const TCharRun& run,
             const std::vector<int>& advances, const TDrawOptions& options);

} // namespace gdi_text
