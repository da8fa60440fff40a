// DrawText: prefixes, tabs, line breaking, word wrapping, ellipses, alignment and measuring.
#include "platform/gdi/GdiRender.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTextRender.h"

#include <cstring>
#include <string>

namespace gdi_draw_text_detail {

struct TLine {
    std::vector<char32_t> Chars;
    std::vector<bool> Underlined;
};

std::string ToUtf8(const std::vector<char32_t>& chars) {
    std::string out;
    for (char32_t c : chars) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class TLayout {
public:
    TLayout(TFontFace& face, int extra, bool expandTabs, int tabWidth)
        : FFace(face), FExtra(extra), FExpandTabs(expandTabs), FTabWidth(std::max(1, tabWidth)) {}

    // Advance of each character of a line starting at pen 0 (tabs expand to the next stop).
    std::vector<int> Advances(const std::vector<char32_t>& chars) const {
        std::vector<int> result(chars.size());
        int pen = 0;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            if (chars[i] == U'\t' && FExpandTabs)
                result[i] = (pen / FTabWidth + 1) * FTabWidth - pen;
            else
                result[i] = FFace.Glyph(chars[i] == U'\t' ? U' ' : chars[i]).Advance + FExtra;
            pen += result[i];
        }
        return result;
    }
    int Width(const std::vector<char32_t>& chars) const { return gdi_text::Sum(Advances(chars)); }

private:
    TFontFace& FFace;
    int FExtra;
    bool FExpandTabs;
    int FTabWidth;
};

bool IsSpace(char32_t c) {
    return c == U' ' || c == U'\t';
}

// Breaks a paragraph into lines no wider than `width` at spaces; a word too long for a line is broken
// between characters only when `breakWords` is set, otherwise it overflows.
std::vector<TLine> WrapParagraph(const TLine& paragraph, int width, bool breakWords, const TLayout& layout) {
    std::vector<TLine> lines;
    const auto& chars = paragraph.Chars;
    const std::vector<int> advances = layout.Advances(chars);
    std::size_t start = 0;
    const std::size_t n = chars.size();
    while (start < n) {
        int pen = 0;
        std::size_t i = start, lastBreak = std::size_t(-1);
        for (; i < n; ++i) {
            if (IsSpace(chars[i]) && i > start && !IsSpace(chars[i - 1])) lastBreak = i;
            const int w = chars[i] == U'\t' ? layout.Width({chars.begin() + std::ptrdiff_t(start),
                                                            chars.begin() + std::ptrdiff_t(i + 1)}) -
                                                  pen
                                            : advances[i];
            if (pen + w > width && !IsSpace(chars[i]) && i > start) break;
            pen += w;
        }
        std::size_t end = i, next = i;
        if (i < n) {
            if (lastBreak != std::size_t(-1)) {
                end = lastBreak;
                next = lastBreak;
            } else if (!breakWords) {
                // The word overflows: the line runs to its end.
                while (end < n && !IsSpace(chars[end]))
                    ++end;
                next = end;
            }
        }
        TLine line;
        line.Chars.assign(chars.begin() + std::ptrdiff_t(start), chars.begin() + std::ptrdiff_t(end));
        line.Underlined.assign(paragraph.Underlined.begin() + std::ptrdiff_t(start),
                               paragraph.Underlined.begin() + std::ptrdiff_t(end));
        // Spaces at the wrap point are dropped.
        while (next < n && IsSpace(chars[next]))
            ++next;
        lines.push_back(std::move(line));
        if (next == start) ++next; // always make progress
        start = next;
    }
    if (lines.empty()) lines.push_back(TLine{});
    return lines;
}

const std::vector<char32_t> Dots = {U'.', U'.', U'.'};

void SetChars(TLine& line, std::vector<char32_t> chars, std::size_t keepUnderlines) {
    std::vector<bool> underlined(chars.size(), false);
    for (std::size_t i = 0; i < std::min(keepUnderlines, chars.size()); ++i)
        underlined[i] = line.Underlined[i];
    line.Chars = std::move(chars);
    line.Underlined = std::move(underlined);
}

// Shortens a line wider than `width` with "..." as the ellipsis flags ask. Returns true when changed.
bool ApplyEllipsis(TLine& line, int width, UINT format, const TLayout& layout) {
    if (layout.Width(line.Chars) <= width) return false;
    const auto& c = line.Chars;
    if (format & DT_PATH_ELLIPSIS) {
        std::size_t slash = c.size();
        for (std::size_t i = c.size(); i-- > 0;)
            if (c[i] == U'\\' || c[i] == U'/') {
                slash = i;
                break;
            }
        if (slash < c.size()) {
            const std::vector<char32_t> tail(c.begin() + std::ptrdiff_t(slash), c.end());
            for (std::size_t k = slash; k-- > 0;) {
                std::vector<char32_t> candidate(c.begin(), c.begin() + std::ptrdiff_t(k));
                candidate.insert(candidate.end(), Dots.begin(), Dots.end());
                candidate.insert(candidate.end(), tail.begin(), tail.end());
                if (layout.Width(candidate) <= width || k == 0) {
                    SetChars(line, candidate, k);
                    return true;
                }
            }
        }
        // No folder part to drop: shorten at the end.
    }
    std::size_t k = c.size();
    while (k > 0) {
        std::vector<char32_t> candidate(c.begin(), c.begin() + std::ptrdiff_t(k));
        candidate.insert(candidate.end(), Dots.begin(), Dots.end());
        if (layout.Width(candidate) <= width) break;
        --k;
    }
    if ((format & DT_WORD_ELLIPSIS) && !(format & DT_END_ELLIPSIS)) {
        // Cut back to the end of the last whole word when there is one.
        std::size_t w = k;
        while (w > 0 && !(w < c.size() && IsSpace(c[w])) && !IsSpace(c[w - 1]))
            --w;
        while (w > 0 && IsSpace(c[w - 1]))
            --w;
        if (w > 0) k = w;
    }
    std::vector<char32_t> result(c.begin(), c.begin() + std::ptrdiff_t(k));
    result.insert(result.end(), Dots.begin(), Dots.end());
    SetChars(line, result, k);
    return true;
}

// Writes the shortened text back, never past the caller's characters.
void WriteBack(char* buffer, int length, bool terminated, const std::vector<char32_t>& chars) {
    const std::string text = ToUtf8(chars);
    const std::size_t room = std::size_t(length);
    const std::size_t n = std::min(text.size(), room);
    std::memcpy(buffer, text.data(), n);
    if (n < room || terminated) buffer[n] = 0;
}

int Draw(HDC hdc, char* writable, const char* text, int length, RECT* rect, UINT format,
         DRAWTEXTPARAMS* params) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !rect || !text) return 0;
    const bool terminated = length < 0;
    const int n = terminated ? int(std::strlen(text)) : length;
    int tabChars = 8;
    if (format & DT_TABSTOP) {
        tabChars = int((format >> 8) & 0xFF);
        format &= ~0xFF00u;
    }
    auto face = gdi_text::FaceOf(*dc);
    const TEXTMETRIC& tm = face->Metrics();
    if (params && params->iTabLength > 0) tabChars = params->iTabLength;
    const int leftMargin = params ? params->iLeftMargin : 0, rightMargin = params ? params->iRightMargin : 0;
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const TLayout layout(*face, dc->State.TextCharacterExtra, (format & DT_EXPANDTABS) != 0,
                         std::max(1, tabChars) * std::max<int>(1, tm.tmAveCharWidth));
    const int width = (rect->right - rect->left) - leftMargin - rightMargin;
    const bool singleLine = format & DT_SINGLELINE;

    // Characters with prefix processing: "&x" underlines x, "&&" is one "&".
    const gdi_text::TCharRun run = gdi_text::Decode(text, n);
    TLine all;
    const bool prefixes = !(format & DT_NOPREFIX);
    for (std::size_t i = 0; i < run.Chars.size(); ++i) {
        char32_t c = run.Chars[i];
        bool underline = false;
        if (prefixes && c == U'&') {
            if (i + 1 >= run.Chars.size()) continue; // a trailing prefix shows nothing
            c = run.Chars[++i];
            underline = c != U'&' && !(format & DT_HIDEPREFIX);
        }
        all.Chars.push_back(c);
        all.Underlined.push_back(underline);
    }

    // Lines: paragraphs at CR, LF or CR LF (single-line text drops them), then wrapping.
    std::vector<TLine> lines;
    if (singleLine) {
        TLine line;
        for (std::size_t i = 0; i < all.Chars.size(); ++i)
            if (all.Chars[i] != U'\r' && all.Chars[i] != U'\n') {
                line.Chars.push_back(all.Chars[i]);
                line.Underlined.push_back(all.Underlined[i]);
            }
        lines.push_back(std::move(line));
    } else {
        TLine paragraph;
        auto finish = [&] {
            if (format & DT_WORDBREAK) {
                for (TLine& l : WrapParagraph(paragraph, width, (format & DT_EDITCONTROL) != 0, layout))
                    lines.push_back(std::move(l));
            } else {
                lines.push_back(paragraph);
            }
            paragraph = TLine{};
        };
        for (std::size_t i = 0; i < all.Chars.size(); ++i) {
            const char32_t c = all.Chars[i];
            if (c == U'\r' || c == U'\n') {
                if (c == U'\r' && i + 1 < all.Chars.size() && all.Chars[i + 1] == U'\n') ++i;
                finish();
                continue;
            }
            paragraph.Chars.push_back(c);
            paragraph.Underlined.push_back(all.Underlined[i]);
        }
        // A line break at the very end opens no further line.
        if (!paragraph.Chars.empty() || lines.empty()) finish();
        if (n == 0) lines.clear();
    }

    const bool ellipsis = format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
    bool modified = false;
    if (ellipsis)
        for (TLine& line : lines)
            modified |= ApplyEllipsis(line, width, format, layout);
    if (modified && (format & DT_MODIFYSTRING) && writable && !lines.empty())
        WriteBack(writable, n, terminated, lines.front().Chars);

    // Measuring.
    int maxWidth = 0;
    for (const TLine& line : lines)
        maxWidth = std::max(maxWidth, layout.Width(line.Chars));
    const int textHeight = singleLine ? lineHeight : int(lines.size()) * lineHeight;
    if (params) params->uiLengthDrawn = UINT(n);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + leftMargin + maxWidth + rightMargin;
        rect->bottom = rect->top + textHeight;
        return textHeight;
    }

    int top = rect->top;
    if (singleLine && (format & DT_VCENTER))
        top = rect->top + ((rect->bottom - rect->top) - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;
    const RECT clip = *rect;
    const bool opaque = dc->State.BkMode == OPAQUE;
    int y = top;
    for (std::size_t li = 0; li < lines.size(); ++li, y += lineHeight) {
        // An edit control shows no partly visible last line.
        if ((format & DT_EDITCONTROL) && li > 0 && y + lineHeight > rect->bottom) break;
        const TLine& line = lines[li];
        gdi_text::TCharRun drawn;
        for (char32_t c : line.Chars)
            drawn.Chars.push_back(c == U'\t' ? U' ' : c);
        drawn.Offsets.assign(drawn.Chars.size() + 1, 0);
        const std::vector<int> advances = layout.Advances(line.Chars);
        const int lineWidth = gdi_text::Sum(advances);
        int x = rect->left + leftMargin;
        if (format & DT_CENTER)
            x = rect->left + leftMargin + (width - lineWidth) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - rightMargin - lineWidth;
        gdi_text::TDrawOptions options;
        options.OpaqueBackground = opaque && !(format & DT_PREFIXONLY);
        options.Clip = (format & DT_NOCLIP) ? nullptr : &clip;
        options.LinesOnly = (format & DT_PREFIXONLY) != 0;
        for (std::size_t i = 0; i < line.Underlined.size(); ++i)
            if (line.Underlined[i]) options.UnderlinedChars.push_back({int(i), int(i) + 1});
        gdi_text::DrawRun(*dc, *face, x, y, TA_LEFT | TA_TOP, drawn, advances, options);
    }
    if (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) return top - rect->top + textHeight;
    return textHeight;
}

} // namespace gdi_draw_text_detail

int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    return gdi_draw_text_detail::Draw(dc, nullptr, text, length, rect, format, nullptr);
}

int DrawText(HDC dc, char* text, int length, RECT* rect, UINT format) {
    return gdi_draw_text_detail::Draw(dc, text, text, length, rect, format, nullptr);
}

int DrawTextEx(HDC dc, char* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
    if (params && params->cbSize != sizeof(DRAWTEXTPARAMS)) return 0;
    return gdi_draw_text_detail::Draw(dc, text, text, length, rect, format, params);
}
