// Drawing objects: stock objects, brushes, pens, fonts, selection, deletion and GetObject.
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiStock.h"

#include <array>
#include <cstring>

namespace gdi_objects_detail {

std::shared_ptr<TSurface> HatchMask(int style) {
    auto mask = std::make_shared<TSurface>(8, 8, 1);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bool line = false;
            switch (style) {
            case HS_HORIZONTAL:
                line = y == 7;
                break;
            case HS_VERTICAL:
                line = x == 7;
                break;
            case HS_FDIAGONAL:
                line = x == y;
                break;
            case HS_BDIAGONAL:
                line = x + y == 7;
                break;
            case HS_CROSS:
                line = x == 7 || y == 7;
                break;
            case HS_DIAGCROSS:
                line = x == y || x + y == 7;
                break;
            default:
                break;
            }
            mask->SetPixel(x, y, line ? 0xFFFFFFu : 0u);
        }
    return mask;
}

HGDIOBJ MakeBrush(const LOGBRUSH& log, bool stock = false) {
    auto brush = std::make_shared<TGdiBrush>();
    brush->Log = log;
    brush->Stock = stock;
    if (log.lbStyle == BS_HATCHED) {
        if (log.lbHatch > std::uintptr_t(HS_DIAGCROSS)) return nullptr;
        brush->Pattern = HatchMask(int(log.lbHatch));
    } else if (log.lbStyle == BS_PATTERN) {
        auto bitmap = gdi_handles::Bitmap(reinterpret_cast<HBITMAP>(log.lbHatch));
        if (!bitmap || !bitmap->Surface || bitmap->Surface->Empty()) return nullptr;
        brush->Pattern = std::make_shared<TSurface>(*bitmap->Surface); // the brush keeps its own copy
    } else if (log.lbStyle != BS_SOLID && log.lbStyle != BS_NULL) {
        return nullptr;
    }
    return gdi_handles::Register(brush);
}

HGDIOBJ MakePen(const LOGPEN& log, bool stock = false) {
    auto pen = std::make_shared<TGdiPen>();
    pen->Log = log;
    pen->Log.lopnStyle &= PS_STYLE_MASK;
    if (pen->Log.lopnStyle > UINT(PS_INSIDEFRAME)) pen->Log.lopnStyle = PS_SOLID;
    if (pen->Log.lopnWidth.x < 0) pen->Log.lopnWidth.x = 0;
    pen->Stock = stock;
    return gdi_handles::Register(pen);
}

HGDIOBJ MakeFont(int height, LONG weight, int pitch, const char* face) {
    auto font = std::make_shared<TGdiFont>();
    font->Log.lfHeight = height;
    font->Log.lfWeight = weight;
    font->Log.lfPitchAndFamily = BYTE(pitch);
    std::strncpy(font->Log.lfFaceName, face, LF_FACESIZE - 1);
    font->Stock = true;
    return gdi_handles::Register(font);
}

struct StockObjects {
    std::array<HGDIOBJ, DC_PEN + 1> Objects{};
    HBITMAP DefaultBitmap = nullptr;
    StockObjects() {
        Objects[WHITE_BRUSH] = MakeBrush({BS_SOLID, RGB(255, 255, 255), 0}, true);
        Objects[LTGRAY_BRUSH] = MakeBrush({BS_SOLID, RGB(192, 192, 192), 0}, true);
        Objects[GRAY_BRUSH] = MakeBrush({BS_SOLID, RGB(128, 128, 128), 0}, true);
        Objects[DKGRAY_BRUSH] = MakeBrush({BS_SOLID, RGB(64, 64, 64), 0}, true);
        Objects[BLACK_BRUSH] = MakeBrush({BS_SOLID, RGB(0, 0, 0), 0}, true);
        Objects[NULL_BRUSH] = MakeBrush({BS_NULL, 0, 0}, true);
        Objects[WHITE_PEN] = MakePen({PS_SOLID, {0, 0}, RGB(255, 255, 255)}, true);
        Objects[BLACK_PEN] = MakePen({PS_SOLID, {0, 0}, RGB(0, 0, 0)}, true);
        Objects[NULL_PEN] = MakePen({PS_NULL, {0, 0}, 0}, true);
        Objects[OEM_FIXED_FONT] = MakeFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal");
        Objects[ANSI_FIXED_FONT] = MakeFont(13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier");
        Objects[ANSI_VAR_FONT] = MakeFont(13, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
        Objects[SYSTEM_FONT] = MakeFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System");
        Objects[DEVICE_DEFAULT_FONT] = MakeFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System");
        Objects[SYSTEM_FIXED_FONT] = MakeFont(16, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys");
        Objects[DEFAULT_GUI_FONT] = MakeFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg");
        auto dcBrush = std::make_shared<TGdiBrush>();
        dcBrush->Stock = dcBrush->DcBrush = true;
        Objects[DC_BRUSH] = gdi_handles::Register(dcBrush);
        auto dcPen = std::make_shared<TGdiPen>();
        dcPen->Stock = dcPen->DcPen = true;
        Objects[DC_PEN] = gdi_handles::Register(dcPen);
        auto bitmap = std::make_shared<TGdiBitmap>();
        bitmap->Surface = std::make_shared<TSurface>(1, 1, 1);
        bitmap->Stock = true;
        DefaultBitmap = HBITMAP(gdi_handles::Register(bitmap));
    }
};

StockObjects& Stock() {
    static StockObjects* stock = new StockObjects; // never freed: handles stay valid to the very end
    return *stock;
}

} // namespace gdi_objects_detail

HBITMAP gdi_stock::DefaultBitmap() {
    return gdi_objects_detail::Stock().DefaultBitmap;
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index > DC_PEN) return nullptr;
    return gdi_objects_detail::Stock().Objects[std::size_t(index)];
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return HBRUSH(gdi_objects_detail::MakeBrush({BS_SOLID, color & 0xFFFFFF, 0}));
}
HBRUSH CreateHatchBrush(int style, COLORREF color) {
    if (style < HS_HORIZONTAL || style > HS_DIAGCROSS) return nullptr;
    return HBRUSH(gdi_objects_detail::MakeBrush({BS_HATCHED, color & 0xFFFFFF, std::uintptr_t(style)}));
}
HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    return HBRUSH(gdi_objects_detail::MakeBrush({BS_PATTERN, 0, reinterpret_cast<std::uintptr_t>(bitmap)}));
}
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    return brush ? HBRUSH(gdi_objects_detail::MakeBrush(*brush)) : nullptr;
}
HPEN CreatePen(int style, int width, COLORREF color) {
    return HPEN(gdi_objects_detail::MakePen({UINT(style), {width, 0}, color & 0xFFFFFF}));
}
HPEN CreatePenIndirect(const LOGPEN* pen) {
    return pen ? HPEN(gdi_objects_detail::MakePen(*pen)) : nullptr;
}

HFONT CreateFontIndirect(const LOGFONT* log) {
    if (!log) return nullptr;
    auto font = std::make_shared<TGdiFont>();
    font->Log = *log;
    font->Log.lfFaceName[LF_FACESIZE - 1] = 0;
    return HFONT(gdi_handles::Register(font));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* face) {
    LOGFONT log;
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = BYTE(italic ? 1 : 0);
    log.lfUnderline = BYTE(underline ? 1 : 0);
    log.lfStrikeOut = BYTE(strikeOut ? 1 : 0);
    log.lfCharSet = BYTE(charSet);
    log.lfOutPrecision = BYTE(outPrecision);
    log.lfClipPrecision = BYTE(clipPrecision);
    log.lfQuality = BYTE(quality);
    log.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (face) std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirect(&log);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ handle) {
    auto dc = gdi_handles::Dc(hdc);
    auto object = gdi_handles::Lookup(handle);
    if (!dc || !object) return nullptr;
    TDCState& s = dc->State;
    HGDIOBJ previous = nullptr;
    switch (object->Kind) {
    case OBJ_BRUSH:
        previous = s.BrushHandle;
        s.Brush = std::static_pointer_cast<TGdiBrush>(object);
        s.BrushHandle = handle;
        return previous;
    case OBJ_PEN:
        previous = s.PenHandle;
        s.Pen = std::static_pointer_cast<TGdiPen>(object);
        s.PenHandle = handle;
        return previous;
    case OBJ_FONT:
        previous = s.FontHandle;
        s.Font = std::static_pointer_cast<TGdiFont>(object);
        s.FontHandle = handle;
        return previous;
    case OBJ_REGION: {
        // Selecting a region makes a copy of it the clip region; the result is the region kind.
        auto region = std::static_pointer_cast<TGdiRegion>(object);
        return reinterpret_cast<HGDIOBJ>(std::intptr_t(ExtSelectClipRgn(hdc, HRGN(handle), RGN_COPY)));
    }
    case OBJ_BITMAP: {
        if (!dc->IsMemory()) return nullptr;
        auto bitmap = std::static_pointer_cast<TGdiBitmap>(object);
        if (bitmap->SelectedInto && bitmap->SelectedInto != dc.get()) return nullptr;
        // A monochrome or colour bitmap goes into any memory DC here: all surfaces share one format.
        previous = s.BitmapHandle;
        if (s.Bitmap && s.Bitmap->SelectedInto == dc.get()) s.Bitmap->SelectedInto = nullptr;
        s.Bitmap = bitmap;
        s.BitmapHandle = handle;
        if (!bitmap->Stock) bitmap->SelectedInto = dc.get();
        dc->Surface = bitmap->Surface;
        dc->InvalidateClip();
        return previous;
    }
    default:
        return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ handle) {
    auto object = gdi_handles::Lookup(handle);
    if (!object || object->Kind == OBJ_DC || object->Kind == OBJ_MEMDC || object->Kind == OBJ_ICON_PRIVATE)
        return FALSE;
    if (object->Stock) return TRUE; // stock objects are never deleted
    if (object->Kind == OBJ_BITMAP && std::static_pointer_cast<TGdiBitmap>(object)->SelectedInto)
        return FALSE; // still selected into a memory DC
    // A brush, pen or font still selected stays usable by that DC until it is replaced.
    return gdi_handles::Unregister(handle) ? TRUE : FALSE;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_BRUSH:
        return dc->State.BrushHandle;
    case OBJ_PEN:
        return dc->State.PenHandle;
    case OBJ_FONT:
        return dc->State.FontHandle;
    case OBJ_BITMAP:
        return dc->IsMemory() ? dc->State.BitmapHandle : nullptr;
    default:
        return nullptr;
    }
}

DWORD GetObjectType(HGDIOBJ handle) {
    auto object = gdi_handles::Lookup(handle);
    return object && object->Kind != OBJ_ICON_PRIVATE ? object->Kind : 0;
}

namespace gdi_objects_detail {
template <class T> int CopyOut(const T& value, int size, void* buffer) {
    if (!buffer) return int(sizeof(T));
    const int n = size < int(sizeof(T)) ? size : int(sizeof(T));
    if (n <= 0) return 0;
    std::memcpy(buffer, &value, std::size_t(n));
    return n;
}

BITMAP BitmapRecord(const TGdiBitmap& bitmap) {
    BITMAP bm;
    const TSurface& s = *bitmap.Surface;
    bm.bmWidth = s.Width();
    bm.bmHeight = s.Height();
    bm.bmPlanes = 1;
    bm.bmBitsPixel = WORD(s.BitsPerPixel());
    bm.bmWidthBytes = s.IsMonochrome() ? ((s.Width() + 15) / 16) * 2 : s.Width() * 4;
    bm.bmBits = bitmap.IsDibSection ? const_cast<TSurface&>(s).Pixels() : nullptr;
    return bm;
}
} // namespace gdi_objects_detail

int GetObject(HGDIOBJ handle, int size, void* buffer) {
    auto object = gdi_handles::Lookup(handle);
    if (!object) return 0;
    switch (object->Kind) {
    case OBJ_BITMAP: {
        auto bitmap = std::static_pointer_cast<TGdiBitmap>(object);
        BITMAP bm = gdi_objects_detail::BitmapRecord(*bitmap);
        if (bitmap->IsDibSection && buffer && size >= int(sizeof(DIBSECTION))) {
            DIBSECTION ds{};
            ds.dsBm = bm;
            ds.dsBmih.biWidth = bm.bmWidth;
            ds.dsBmih.biHeight = bitmap->Surface->BottomUp() ? bm.bmHeight : -bm.bmHeight;
            ds.dsBmih.biBitCount = 32;
            ds.dsBmih.biSizeImage = DWORD(bm.bmWidthBytes * bm.bmHeight);
            return gdi_objects_detail::CopyOut(ds, size, buffer);
        }
        return gdi_objects_detail::CopyOut(bm, size, buffer);
    }
    case OBJ_BRUSH: {
        auto brush = std::static_pointer_cast<TGdiBrush>(object);
        return gdi_objects_detail::CopyOut(brush->Log, size, buffer);
    }
    case OBJ_PEN: {
        auto pen = std::static_pointer_cast<TGdiPen>(object);
        return gdi_objects_detail::CopyOut(pen->Log, size, buffer);
    }
    case OBJ_FONT: {
        auto font = std::static_pointer_cast<TGdiFont>(object);
        return gdi_objects_detail::CopyOut(font->Log, size, buffer);
    }
    default:
        return 0;
    }
}
