// The objects behind GDI handles (bitmaps, brushes, pens, fonts, regions, device contexts) and the handle
// table that maps handles to them. Internal to the drawing layer: callers only see handles.
#pragma once

#include "platform/gdi/BandedRegion.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

#include <memory>
#include <optional>
#include <vector>

class TFontFace;
struct TDeviceContext;

struct TGdiObject {
    explicit TGdiObject(DWORD kind) : Kind(kind) {}
    virtual ~TGdiObject() = default;
    DWORD Kind;
    bool Stock = false;
};

struct TGdiBitmap : TGdiObject {
    TGdiBitmap() : TGdiObject(OBJ_BITMAP) {}
    std::shared_ptr<TSurface> Surface;
    bool IsDibSection = false;
    // The memory DC this bitmap is selected into (a bitmap lives in one DC at a time; stock ones excepted).
    TDeviceContext* SelectedInto = nullptr;
};

struct TGdiBrush : TGdiObject {
    TGdiBrush() : TGdiObject(OBJ_BRUSH) {}
    LOGBRUSH Log;
    // Pattern brushes keep a copy of their bitmap; hatched brushes an 8x8 mask (white = hatch line).
    std::shared_ptr<TSurface> Pattern;
    bool DcBrush = false;
};

struct TGdiPen : TGdiObject {
    TGdiPen() : TGdiObject(OBJ_PEN) {}
    LOGPEN Log;
    bool DcPen = false;
};

struct TGdiFont : TGdiObject {
    TGdiFont() : TGdiObject(OBJ_FONT) {}
    LOGFONT Log;
    std::shared_ptr<TFontFace> Face; // resolved on first use
};

// Icons and cursors share the handle table but are no GDI objects (GetObjectType answers 0 for them).
constexpr DWORD OBJ_ICON_PRIVATE = 0x100;
struct TGdiIcon : TGdiObject {
    TGdiIcon() : TGdiObject(OBJ_ICON_PRIVATE) {}
    std::shared_ptr<TSurface> Color; // null for a monochrome icon (the mask then holds AND over XOR)
    std::shared_ptr<TSurface> Mask;
    BOOL IsIcon = TRUE;
    DWORD HotspotX = 0, HotspotY = 0;
};

struct TGdiRegion : TGdiObject {
    TGdiRegion() : TGdiObject(OBJ_REGION) {}
    TBandedRegion Region;
};

// The state that SaveDC keeps and RestoreDC brings back.
struct TDCState {
    std::shared_ptr<TGdiBrush> Brush;
    std::shared_ptr<TGdiPen> Pen;
    std::shared_ptr<TGdiFont> Font;
    std::shared_ptr<TGdiBitmap> Bitmap; // memory DCs only
    HGDIOBJ BrushHandle = nullptr;
    HGDIOBJ PenHandle = nullptr;
    HGDIOBJ FontHandle = nullptr;
    HGDIOBJ BitmapHandle = nullptr;
    COLORREF TextColor = RGB(0, 0, 0);
    COLORREF BkColor = RGB(255, 255, 255);
    COLORREF DcBrushColor = RGB(255, 255, 255);
    COLORREF DcPenColor = RGB(0, 0, 0);
    int BkMode = OPAQUE;
    int Rop2 = R2_COPYPEN;
    int StretchMode = BLACKONWHITE;
    int PolyFillMode = ALTERNATE;
    int GraphicsMode = GM_COMPATIBLE;
    UINT TextAlign = TA_LEFT | TA_TOP;
    int TextCharacterExtra = 0;
    int BreakExtra = 0; // SetTextJustification: pixels spread over BreakCount break characters
    int BreakCount = 0;
    POINT WindowOrg{};
    POINT ViewportOrg{};
    POINT BrushOrg{};
    POINT CurrentPos{};
    std::optional<TBandedRegion> Clip; // device coordinates
};

struct TDeviceContext : TGdiObject {
    explicit TDeviceContext(bool memory) : TGdiObject(memory ? OBJ_MEMDC : OBJ_DC) {}
    bool IsMemory() const { return Kind == OBJ_MEMDC; }

    TDCState State;
    std::vector<TDCState> Saved;
    std::shared_ptr<TSurface> Surface;
    POINT DeviceOrigin{};                 // surface position of device (0, 0)
    std::optional<TBandedRegion> Visible; // surface coordinates; none = the whole surface

    // Logical -> surface offset: window origin, viewport origin and device origin together.
    int OffsetX() const { return State.ViewportOrg.x - State.WindowOrg.x + DeviceOrigin.x; }
    int OffsetY() const { return State.ViewportOrg.y - State.WindowOrg.y + DeviceOrigin.y; }
    // The pixels drawing may touch, in surface coordinates.
    const TBandedRegion& EffectiveClip();
    void InvalidateClip() { FClipValid = false; }

private:
    TBandedRegion FEffectiveClip;
    bool FClipValid = false;
};

// The handle table. Handles are the objects' addresses, valid only while registered.
namespace gdi_handles {
HGDIOBJ Register(std::shared_ptr<TGdiObject> object);
std::shared_ptr<TGdiObject> Lookup(HGDIOBJ handle);
bool Unregister(HGDIOBJ handle);
// Every live device context (for the rule that a selected bitmap cannot be deleted).
std::vector<std::shared_ptr<TDeviceContext>> DeviceContexts();

template <class T> std::shared_ptr<T> As(HGDIOBJ handle, DWORD kind) {
    auto object = Lookup(handle);
    if (!object || object->Kind != kind) return nullptr;
    return std::static_pointer_cast<T>(object);
}
std::shared_ptr<TDeviceContext> Dc(HDC dc);
std::shared_ptr<TGdiRegion> Region(HRGN rgn);
std::shared_ptr<TGdiBitmap> Bitmap(HBITMAP bmp);
} // namespace gdi_handles
