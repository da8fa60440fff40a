#include "platform/gdi/GdiTextRender.h"

#include "platform/gdi/GdiRender.h"

#include <cmath>
#include <cstring>

namespace gdi_text {

TCharRun Decode(const char* text, int length) {
    TCharRun run;
    if (!text) return run;
    const int n = length < 0 ? int(std::strlen(text)) : length;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    int i = 0;
    while (i < n) {
        run.Offsets.push_back(i);
        const unsigned char c = s[i];
        int extra = 0;
        char32_t cp = c;
        if (c >= 0xF0 && c < 0xF8) {
            extra = 3;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            extra = 3 - 1;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0x80) {
            extra = -1; // stray continuation byte
        }
        if (c >= 0xF8) extra = -1;
        bool valid = extra >= 0 && i + extra < n;
        for (int k = 1; valid && k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (!valid) {
            run.Chars.push_back(U'\uFFFD');
            i += 1;
        } else {
            run.Chars.push_back(cp);
            i += 1 + extra;
        }
    }
    run.Offsets.push_back(n);
    return run;
}

std::shared_ptr<TFontFace> FaceOf(TDeviceContext& dc) {
    const TGdiFont* font = dc.State.Font.get();
    LOGFONT log;
    if (font) log = font->Log;
    return GdiResolveFontFace(log);
}

std::vector<int> Advances(TFontFace& face, const TCharRun& run, int extra, const INT* widths) {
    std::vector<int> result(run.Chars.size());
    for (std::size_t i = 0; i < run.Chars.size(); ++i) {
        if (widths) {
            int w = 0;
            for (int b = run.Offsets[i]; b < run.Offsets[i + 1]; ++b)
                w += widths[b];
            result[i] = w;
        } else {
            result[i] = face.Glyph(run.Chars[i]).Advance + extra;
        }
    }
    return result;
}

void Justify(const TDCState& state, const TCharRun& run, std::vector<int>& advances) {
    if (state.BreakCount <= 0 || state.BreakExtra == 0) return;
    // The extra pixels go to the break characters one by one, the remainder to the first ones.
    const int each = state.BreakExtra / state.BreakCount, remainder = state.BreakExtra % state.BreakCount;
    int seen = 0;
    for (std::size_t i = 0; i < run.Chars.size() && seen < state.BreakCount; ++i)
        if (run.Chars[i] == U' ') {
            advances[i] += each + (seen < remainder ? 1 : 0);
            ++seen;
        }
}

int Sum(const std::vector<int>& values) {
    int total = 0;
    for (int v : values)
        total += v;
    return total;
}

void DrawRun(TDeviceContext& dc, TFontFace& face, int x, int y, UINT align, const TCharRun& run,
             const std::vector<int>& advances, const TDrawOptions& options) {
    if (!dc.Surface) return;
    TSurface& s = *dc.Surface;
    const TEXTMETRIC& tm = face.Metrics();
    const int width = Sum(advances), height = tm.tmHeight;
    // Offset of the cell's top-left from the alignment point, in text space.
    int ox = 0, oy = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        ox = -width / 2;
    else if (align & TA_RIGHT)
        ox = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        oy = -tm.tmAscent;
    else if (align & TA_BOTTOM)
        oy = -height;
    if (width <= 0 || height <= 0) return;

    // Coverage of the run in text space: glyphs, then underline and strike-out rows.
    std::vector<std::uint8_t> coverage(std::size_t(width) * height, 0);
    auto mark = [&](int u0, int v0, int u1, int v1) {
        for (int v = std::max(0, v0); v < std::min(height, v1); ++v)
            for (int u = std::max(0, u0); u < std::min(width, u1); ++u)
                coverage[std::size_t(v) * width + u] = 255;
    };
    int pen = 0;
    std::vector<int> starts(run.Chars.size() + 1, 0);
    for (std::size_t i = 0; i < run.Chars.size(); ++i) {
        starts[i] = pen;
        if (!options.LinesOnly) {
            const TGlyph& g = face.Glyph(run.Chars[i]);
            for (int gy = 0; gy < g.Height; ++gy) {
                const int v = tm.tmAscent - g.Top + gy;
                if (v < 0 || v >= height) continue;
                for (int gx = 0; gx < g.Width; ++gx) {
                    const int u = pen + g.Left + gx;
                    if (u < 0 || u >= width) continue;
                    std::uint8_t& c = coverage[std::size_t(v) * width + u];
                    c = std::max(c, g.Coverage[std::size_t(gy) * g.Width + gx]);
                }
            }
        }
        pen += advances[i];
    }
    starts[run.Chars.size()] = pen;
    if (!options.LinesOnly) {
        if (face.Underline) mark(0, face.UnderlineTop, width, face.UnderlineTop + face.UnderlineThickness);
        if (face.StrikeOut) mark(0, face.StrikeOutTop, width, face.StrikeOutTop + face.StrikeOutThickness);
    }
    for (const auto& [first, last] : options.UnderlinedChars)
        if (first >= 0 && last <= int(run.Chars.size()) && first < last)
            mark(starts[std::size_t(first)], face.UnderlineTop, starts[std::size_t(last)],
                 face.UnderlineTop + face.UnderlineThickness);

    // Text space -> surface: rotation by the escapement around the alignment point.
    const double angle = face.Escapement / 10.0 * 3.14159265358979323846 / 180.0;
    const bool rotated = face.Escapement % 3600 != 0;
    const double cs = std::cos(angle), sn = std::sin(angle);
    const int ax = x + dc.OffsetX(), ay = y + dc.OffsetY();
    RECT area;
    if (!rotated) {
        area = RECT{ax + ox, ay + oy, ax + ox + width, ay + oy + height};
    } else {
        double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
        for (int corner = 0; corner < 4; ++corner) {
            const double u = ox + ((corner & 1) ? width : 0), v = oy + ((corner & 2) ? height : 0);
            const double sx = ax + u * cs + v * sn, sy = ay - u * sn + v * cs;
            minX = std::min(minX, sx);
            maxX = std::max(maxX, sx);
            minY = std::min(minY, sy);
            maxY = std::max(maxY, sy);
        }
        area = RECT{LONG(std::floor(minX)), LONG(std::floor(minY)), LONG(std::ceil(maxX)) + 1,
                    LONG(std::ceil(maxY)) + 1};
    }
    if (options.Clip) {
        const RECT c = gdi_render::ToSurface(dc, options.Clip->left, options.Clip->top, options.Clip->right,
                                             options.Clip->bottom);
        area = IntersectRectR(area, c);
    }
    const std::uint32_t text = gdi_render::DevicePixel(s, dc.State.TextColor);
    const std::uint32_t back = gdi_render::DevicePixel(s, dc.State.BkColor);
    const bool hard = s.IsMonochrome() || !face.Antialiased;
    // One pixel of text: the background when opaque, then the glyph coverage blended in the text colour.
    auto put = [&](std::uint32_t& pixel, std::uint32_t c) {
        if (options.OpaqueBackground) pixel = back;
        if (!c) return;
        if (hard || c == 255) {
            if (c >= 128) pixel = text;
            return;
        }
        const std::uint32_t d = pixel;
        std::uint32_t out = 0;
        for (int ch = 0; ch < 3; ++ch) {
            const int dv = int((d >> (8 * ch)) & 0xFF), tv = int((text >> (8 * ch)) & 0xFF);
            out |= std::uint32_t(dv + (tv - dv) * int(c) / 255) << (8 * ch);
        }
        pixel = out;
    };
    gdi_render::ForEachClipRect(dc, area, [&](const RECT& r) {
        for (int py = r.top; py < r.bottom; ++py) {
            std::uint32_t* row = s.Row(py);
            if (!rotated) {
                // The clipped area lies inside the text box: walk the coverage row directly.
                const int v = py - ay - oy;
                if (v < 0 || v >= height) continue;
                const int u0 = std::max<int>(r.left, ax + ox), u1 = std::min<int>(r.right, ax + ox + width);
                const std::uint8_t* cov = &coverage[std::size_t(v) * width];
                for (int px = u0; px < u1; ++px) {
                    const std::uint32_t c = cov[px - ax - ox];
                    if (c || options.OpaqueBackground) put(row[px], c);
                }
                continue;
            }
            for (int px = r.left; px < r.right; ++px) {
                const double dx = px + 0.5 - ax, dy = py + 0.5 - ay;
                const int u = int(std::floor(dx * cs - dy * sn)) - ox;
                const int v = int(std::floor(dx * sn + dy * cs)) - oy;
                if (u < 0 || v < 0 || u >= width || v >= height) continue;
                put(row[px], coverage[std::size_t(v) * width + u]);
            }
        }
    });
}

} // namespace gdi_text
