#include "platform/gdi/GdiFont.h"

#include "platform/gdi/GdiText.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <atomic>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <unordered_map>

namespace gdi_font_detail {

std::atomic<bool> TestFontEverywhere{false};

// Pixel height of a logical font: negative heights are the character (em) height, positive ones the
// cell height, zero the default.
struct TSize {
    int Em = 0;
    int Cell = 0;
};

// ---- The built-in test font: every character is a box, all metrics follow from the height.
class TTestFace : public TFontFace {
public:
    explicit TTestFace(const LOGFONT& log) {
        const int h = log.lfHeight == 0 ? 16 : std::abs(log.lfHeight);
        const int advance = log.lfWidth > 0 ? log.lfWidth : std::max(1, h / 2);
        FFamily = GDI_TEST_FONT_FACE;
        FMetrics.tmHeight = h;
        FMetrics.tmDescent = h / 4;
        FMetrics.tmAscent = h - h / 4;
        FMetrics.tmAveCharWidth = advance;
        FMetrics.tmMaxCharWidth = advance;
        FMetrics.tmWeight = log.lfWeight == 0 ? FW_NORMAL : log.lfWeight;
        FMetrics.tmItalic = log.lfItalic;
        FMetrics.tmUnderlined = log.lfUnderline;
        FMetrics.tmStruckOut = log.lfStrikeOut;
        FMetrics.tmPitchAndFamily = FF_MODERN; // fixed pitch: the "not fixed" bit stays clear
        FMetrics.tmCharSet = ANSI_CHARSET;
        UnderlineTop = FMetrics.tmAscent;
        StrikeOutTop = FMetrics.tmAscent / 2;
        // Box glyph: all columns but the last, from the second row of the cell to the baseline.
        FBox.Advance = advance;
        FBox.Left = 0;
        FBox.Top = FMetrics.tmAscent - 1;
        FBox.Width = std::max(1, advance - 1);
        FBox.Height = std::max(1, FMetrics.tmAscent - 1);
        FBox.Coverage.assign(std::size_t(FBox.Width) * FBox.Height, 255);
        FBlank.Advance = advance;
    }
    const TGlyph& Glyph(char32_t c) override { return c == U' ' || c < 0x20 ? FBlank : FBox; }

private:
    TGlyph FBox, FBlank;
};

// ---- Scalable faces
FT_Library FreeType() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        FT_Init_FreeType(&lib);
        return lib;
    }();
    return library;
}

// Desktop face names the program asks for, mapped to families found on this system.
std::string SubstituteFamily(const std::string& name) {
    static const std::map<std::string, std::string> substitutes = {{"tahoma", "DejaVu Sans"},
                                                                   {"segoe ui", "DejaVu Sans"},
                                                                   {"ms sans serif", "Liberation Sans"},
                                                                   {"ms shell dlg", "Liberation Sans"},
                                                                   {"ms shell dlg 2", "DejaVu Sans"},
                                                                   {"arial", "Liberation Sans"},
                                                                   {"verdana", "DejaVu Sans"},
                                                                   {"system", "DejaVu Sans"},
                                                                   {"courier new", "Liberation Mono"},
                                                                   {"courier", "Liberation Mono"},
                                                                   {"fixedsys", "DejaVu Sans Mono"},
                                                                   {"terminal", "DejaVu Sans Mono"},
                                                                   {"consolas", "DejaVu Sans Mono"},
                                                                   {"lucida console", "DejaVu Sans Mono"},
                                                                   {"times new roman", "Liberation Serif"},
                                                                   {"", "DejaVu Sans"}};
    std::string lower;
    for (char c : name)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    auto it = substitutes.find(lower);
    return it == substitutes.end() ? name : it->second;
}

// Finds a font file for the family, weight and slant through fontconfig.
bool MatchFont(const std::string& family, bool bold, bool italic, std::string& file, int& index,
               bool& realBold) {
    static std::once_flag once;
    std::call_once(once, [] { FcInit(); });
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    bool found = false;
    if (match) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
            file = reinterpret_cast<const char*>(path);
            found = true;
        }
        int i = 0;
        index = FcPatternGetInteger(match, FC_INDEX, 0, &i) == FcResultMatch ? i : 0;
        int weight = FC_WEIGHT_REGULAR;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        realBold = weight >= FC_WEIGHT_DEMIBOLD;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

class TFreeTypeFace : public TFontFace {
public:
    TFreeTypeFace(const LOGFONT& log, const std::string& file, int index, bool emboldenNeeded)
        : FEmbolden(emboldenNeeded) {
        if (FT_New_Face(FreeType(), file.c_str(), index, &FFace) != 0) {
            FFace = nullptr;
            return;
        }
        FFamily = log.lfFaceName[0] ? log.lfFaceName : (FFace->family_name ? FFace->family_name : "");
        const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
        const double units = FFace->units_per_EM;
        const double ascentUnits = os2 && os2->usWinAscent ? os2->usWinAscent : FFace->ascender;
        const double descentUnits = os2 && os2->usWinDescent ? os2->usWinDescent : -FFace->descender;
        double em = 0;
        if (log.lfHeight < 0)
            em = -log.lfHeight;
        else if (log.lfHeight > 0)
            em = log.lfHeight * units / (ascentUnits + descentUnits);
        else
            em = 12;
        FScale = em / units;
        // A given average width stretches or narrows the glyphs horizontally.
        const double naturalAverage =
            (os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : units / 2) * FScale;
        const double widthEm = log.lfWidth > 0 && naturalAverage > 0 ? em * log.lfWidth / naturalAverage : em;
        FT_Set_Pixel_Sizes(FFace, FT_UInt(std::max(1.0, std::round(widthEm))),
                           FT_UInt(std::max(1.0, std::round(em))));
        FMetrics.tmAscent = LONG(std::ceil(ascentUnits * FScale - 0.01));
        FMetrics.tmDescent = LONG(std::ceil(descentUnits * FScale - 0.01));
        FMetrics.tmHeight = FMetrics.tmAscent + FMetrics.tmDescent;
        FMetrics.tmInternalLeading = std::max<LONG>(0, FMetrics.tmHeight - LONG(std::round(em)));
        FMetrics.tmExternalLeading =
            os2 ? std::max<LONG>(0, LONG(std::round(os2->sTypoLineGap * FScale))) : 0;
        FMetrics.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0
                                      ? LONG(std::round(os2->xAvgCharWidth * FScale))
                                      : LONG(std::round(em / 2));
        FMetrics.tmMaxCharWidth = LONG(std::round(FFace->max_advance_width * FScale * widthEm / em));
        if (log.lfWidth > 0) FMetrics.tmAveCharWidth = log.lfWidth;
        FMetrics.tmWeight = log.lfWeight == 0 ? FW_NORMAL : log.lfWeight;
        FMetrics.tmItalic = log.lfItalic;
        FMetrics.tmUnderlined = log.lfUnderline;
        FMetrics.tmStruckOut = log.lfStrikeOut;
        const bool fixed = FT_IS_FIXED_WIDTH(FFace);
        FMetrics.tmPitchAndFamily = BYTE((fixed ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE |
                                         (fixed ? FF_MODERN : FF_SWISS));
        FMetrics.tmCharSet = log.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : log.lfCharSet;
        FMetrics.tmOverhang = 0;
        const double thickness = std::max(1.0, std::round(FFace->underline_thickness * FScale));
        UnderlineThickness = int(thickness);
        UnderlineTop = FMetrics.tmAscent + std::max(1, int(std::round(-FFace->underline_position * FScale)) -
                                                           UnderlineThickness / 2);
        if (UnderlineTop + UnderlineThickness > FMetrics.tmHeight)
            UnderlineTop = FMetrics.tmHeight - UnderlineThickness;
        StrikeOutThickness = UnderlineThickness;
        StrikeOutTop = os2 && os2->yStrikeoutPosition
                           ? FMetrics.tmAscent - int(std::round(os2->yStrikeoutPosition * FScale))
                           : FMetrics.tmAscent * 2 / 3;
        if (FEmbolden) FMetrics.tmAveCharWidth += 1;
    }
    ~TFreeTypeFace() override {
        if (FFace) FT_Done_Face(FFace);
    }
    bool Valid() const { return FFace != nullptr; }

    const TGlyph& Glyph(char32_t c) override {
        auto it = FCache.find(c);
        if (it != FCache.end()) return it->second;
        TGlyph& g = FCache[c];
        const FT_Int32 flags = FT_LOAD_DEFAULT | (Antialiased ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO);
        if (FT_Load_Char(FFace, FT_ULong(c), flags) != 0) return g;
        FT_GlyphSlot slot = FFace->glyph;
        if (FEmbolden && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Embolden(&slot->outline, 1 << 6);
        if (FT_Render_Glyph(slot, Antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return g;
        g.Advance = int((slot->advance.x + 32) >> 6) + (FEmbolden ? 1 : 0);
        g.Left = slot->bitmap_left;
        g.Top = slot->bitmap_top;
        g.Width = int(slot->bitmap.width);
        g.Height = int(slot->bitmap.rows);
        g.Coverage.assign(std::size_t(g.Width) * g.Height, 0);
        for (int y = 0; y < g.Height; ++y) {
            const unsigned char* row = slot->bitmap.buffer + std::ptrdiff_t(y) * slot->bitmap.pitch;
            for (int x = 0; x < g.Width; ++x) {
                const std::uint8_t v = slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                           ? ((row[x / 8] >> (7 - (x & 7))) & 1 ? 255 : 0)
                                           : row[x];
                g.Coverage[std::size_t(y) * g.Width + x] = v;
            }
        }
        return g;
    }

private:
    FT_Face FFace = nullptr;
    double FScale = 1;
    bool FEmbolden = false;
    std::unordered_map<char32_t, TGlyph> FCache;
};

std::string Key(const LOGFONT& log) {
    std::string key(reinterpret_cast<const char*>(&log), sizeof(LOGFONT) - LF_FACESIZE);
    key += std::string(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE));
    key += TestFontEverywhere ? '1' : '0';
    return key;
}

bool IsTestFontName(const char* name) {
    return strncasecmp(name, GDI_TEST_FONT_FACE, LF_FACESIZE) == 0;
}

} // namespace gdi_font_detail

void GdiSetTestFontEverywhere(bool enabled) {
    gdi_font_detail::TestFontEverywhere = enabled;
}

std::shared_ptr<TFontFace> GdiResolveFontFace(const LOGFONT& log) {
    using namespace gdi_font_detail;
    static std::mutex lock;
    static std::unordered_map<std::string, std::shared_ptr<TFontFace>> cache;
    std::lock_guard guard(lock);
    const std::string key = Key(log);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    std::shared_ptr<TFontFace> face;
    if (!TestFontEverywhere && !IsTestFontName(log.lfFaceName)) {
        const bool bold = log.lfWeight >= FW_SEMIBOLD;
        std::string file;
        int index = 0;
        bool realBold = false;
        if (MatchFont(SubstituteFamily(log.lfFaceName), bold, log.lfItalic != 0, file, index, realBold)) {
            auto ft = std::make_shared<TFreeTypeFace>(log, file, index, bold && !realBold);
            if (ft->Valid()) face = ft;
        }
    }
    if (!face) face = std::make_shared<TTestFace>(log); // also the last resort when no font file exists
    face->Underline = log.lfUnderline != 0;
    face->StrikeOut = log.lfStrikeOut != 0;
    face->Antialiased = log.lfQuality != NONANTIALIASED_QUALITY;
    face->Escapement = log.lfEscapement;
    cache[key] = face;
    return face;
}
