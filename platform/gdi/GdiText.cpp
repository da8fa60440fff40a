// Text output, tabbed text and text measuring.
#include "platform/gdi/GdiText.h"

#include "platform/gdi/GdiRender.h"
#include "platform/gdi/GdiTextRender.h"

#include <cstring>

namespace gdi_text_detail {

int TextLength(const char* text, int length) {
    if (!text) return 0;
    return length < 0 ? int(std::strlen(text)) : length;
}

// The next tab stop after `position` (relative to the tab origin).
int NextTabStop(int position, int tabCount, const INT* tabStops, int defaultTab) {
    if (tabCount <= 0 || !tabStops) return (position / defaultTab + 1) * defaultTab;
    if (tabCount == 1) {
        const int step = tabStops[0] > 0 ? tabStops[0] : defaultTab;
        return (position / step + 1) * step;
    }
    for (int i = 0; i < tabCount; ++i)
        if (tabStops[i] > position) return tabStops[i];
    return position + std::max(1, defaultTab / 8); // past the last stop a tab is one space wide
}

// Draws (when dc drawing is asked) or measures tabbed text; returns the width.
int Tabbed(TDeviceContext& dc, bool draw, int x, int y, const char* text, int length, int tabCount,
           const INT* tabStops, int tabOrigin) {
    auto face = gdi_text::FaceOf(dc);
    const int defaultTab = std::max(1, 8 * face->Metrics().tmAveCharWidth);
    const gdi_text::TCharRun all = gdi_text::Decode(text, length);
    int pen = x;
    std::size_t start = 0;
    auto flush = [&](std::size_t end) {
        if (end <= start) return;
        gdi_text::TCharRun part;
        part.Chars.assign(all.Chars.begin() + std::ptrdiff_t(start), all.Chars.begin() + std::ptrdiff_t(end));
        part.Offsets.assign(all.Offsets.begin() + std::ptrdiff_t(start),
                            all.Offsets.begin() + std::ptrdiff_t(end) + 1);
        const auto advances = gdi_text::Advances(*face, part, dc.State.TextCharacterExtra);
        if (draw) {
            gdi_text::TDrawOptions options;
            options.OpaqueBackground = dc.State.BkMode == OPAQUE;
            gdi_text::DrawRun(dc, *face, pen, y, TA_LEFT | TA_TOP, part, advances, options);
        }
        pen += gdi_text::Sum(advances);
    };
    for (std::size_t i = 0; i < all.Chars.size(); ++i) {
        if (all.Chars[i] != U'\t') continue;
        flush(i);
        pen = tabOrigin + NextTabStop(pen - tabOrigin, tabCount, tabStops, defaultTab);
        start = i + 1;
    }
    flush(all.Chars.size());
    return pen - x;
}

} // namespace gdi_text_detail

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                const INT* widths) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface) return FALSE;
    if (!text && length > 0) return FALSE;
    if (rect && (options & ETO_OPAQUE)) {
        gdi_render::TBrushSampler back;
        back.Type = gdi_render::TBrushSampler::Kind::Solid;
        back.Solid = gdi_render::DevicePixel(*dc->Surface, dc->State.BkColor);
        gdi_render::FillSurfaceRect(
            *dc, gdi_render::ToSurface(*dc, rect->left, rect->top, rect->right, rect->bottom), back,
            R2_COPYPEN);
    }
    if (!text || length == 0) return TRUE;
    auto face = gdi_text::FaceOf(*dc);
    const gdi_text::TCharRun run = gdi_text::Decode(text, int(length));
    auto advances = gdi_text::Advances(*face, run, dc->State.TextCharacterExtra, widths);
    if (!widths) gdi_text::Justify(dc->State, run, advances);
    const UINT align = dc->State.TextAlign;
    int px = x, py = y;
    if (align & TA_UPDATECP) {
        px = dc->State.CurrentPos.x;
        py = dc->State.CurrentPos.y;
    }
    gdi_text::TDrawOptions draw;
    draw.OpaqueBackground = dc->State.BkMode == OPAQUE;
    if (rect && (options & ETO_CLIPPED)) draw.Clip = rect;
    gdi_text::DrawRun(*dc, *face, px, py, align, run, advances, draw);
    if (align & TA_UPDATECP) {
        const int width = gdi_text::Sum(advances);
        if ((align & TA_CENTER) != TA_CENTER) dc->State.CurrentPos.x += (align & TA_RIGHT) ? -width : width;
    }
    return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, const char* text, int length) {
    if (length < 0) return FALSE;
    return ExtTextOut(dc, x, y, 0, nullptr, text, UINT(length), nullptr);
}

LONG TabbedTextOut(HDC hdc, int x, int y, const char* text, int length, int tabCount, const INT* tabStops,
                   int tabOrigin) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !text) return 0;
    const int width = gdi_text_detail::Tabbed(
        *dc, true, x, y, text, gdi_text_detail::TextLength(text, length), tabCount, tabStops, tabOrigin);
    return LONG(MAKELONG(WORD(width), WORD(gdi_text::FaceOf(*dc)->Metrics().tmHeight)));
}

DWORD GetTabbedTextExtent(HDC hdc, const char* text, int length, int tabCount, const INT* tabStops) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !text) return 0;
    const int width = gdi_text_detail::Tabbed(
        *dc, false, 0, 0, text, gdi_text_detail::TextLength(text, length), tabCount, tabStops, 0);
    return MAKELONG(WORD(width), WORD(gdi_text::FaceOf(*dc)->Metrics().tmHeight));
}

BOOL GetTextExtentPoint32(HDC hdc, const char* text, int length, SIZE* size) {
    return GetTextExtentExPoint(hdc, text, length, 0, nullptr, nullptr, size);
}

BOOL GetTextExtentExPoint(HDC hdc, const char* text, int length, int maxExtent, INT* fit, INT* partialWidths,
                          SIZE* size) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !size || length < 0 || (!text && length > 0)) return FALSE;
    auto face = gdi_text::FaceOf(*dc);
    const gdi_text::TCharRun run = gdi_text::Decode(text, length);
    auto advances = gdi_text::Advances(*face, run, dc->State.TextCharacterExtra);
    gdi_text::Justify(dc->State, run, advances);
    int pen = 0, fitting = 0;
    bool stillFits = true;
    for (std::size_t i = 0; i < run.Chars.size(); ++i) {
        pen += advances[i];
        if (stillFits && fit && pen > maxExtent) stillFits = false;
        if (stillFits) fitting = run.Offsets[i + 1];
        if (partialWidths)
            for (int b = run.Offsets[i]; b < run.Offsets[i + 1]; ++b)
                partialWidths[b] = pen;
    }
    if (fit) *fit = fitting;
    *size = SIZE{pen, face->Metrics().tmHeight};
    return TRUE;
}

BOOL SetTextJustification(HDC hdc, int extra, int breakCount) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc) return FALSE;
    dc->State.BreakExtra = breakCount > 0 ? extra : 0;
    dc->State.BreakCount = breakCount > 0 ? breakCount : 0;
    return TRUE;
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !metrics) return FALSE;
    *metrics = gdi_text::FaceOf(*dc)->Metrics();
    return TRUE;
}

int GetTextFace(HDC hdc, int size, char* name) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc) return 0;
    const std::string face = gdi_text::FaceOf(*dc)->FamilyName();
    if (!name) return int(face.size()) + 1;
    if (size <= 0) return 0;
    const int n = std::min<int>(int(face.size()), size - 1);
    std::memcpy(name, face.data(), std::size_t(n));
    name[n] = 0;
    return n;
}
