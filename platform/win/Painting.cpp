// Update regions and paint cycles. Each top-level window owns one image that its whole tree draws on;
// a window DC draws into that image at the window's place, limited to the part of the window that is
// visible (ancestors' client areas, siblings above with WS_CLIPSIBLINGS, children with WS_CLIPCHILDREN).
#include "platform/win/Painting.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/NonClient.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <map>

namespace olva::win {

namespace painting_detail {

struct HandedOutDC {
    HWND hwnd;
    bool own;
};
std::map<HDC, HandedOutDC>& HandedOut() {
    static std::map<HDC, HandedOutDC> map;
    return map;
}

POINT OffsetInTop(const Window* w) {
    const Window* top = TopLevelOf(const_cast<Window*>(w));
    POINT a = WindowOriginOnScreen(w), b = WindowOriginOnScreen(top);
    return POINT{a.x - b.x, a.y - b.y};
}

RECT Translate(RECT r, POINT by) {
    OffsetRect(&r, by.x, by.y);
    return r;
}

// The shape of a window in its top-level window's coordinates.
TBandedRegion ShapeInTop(const Window* w) {
    POINT o = OffsetInTop(w);
    RECT r{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    if (!w->windowRegion) return TBandedRegion(r);
    TBandedRegion shape = *w->windowRegion;
    shape.Offset(o.x, o.y);
    return TBandedRegion::Combine(shape, TBandedRegion(r), RGN_AND);
}

TBandedRegion VisibleRegion(const Window* w, bool clientOnly, bool clipChildren, bool clipSiblings) {
    WindowSystem& sys = Sys();
    if (!IsReallyVisible(w) || w->parent == sys.MessageRoot()) return TBandedRegion();
    for (const Window* p = w; p && p != sys.Desktop(); p = p->parent)
        if (sys.LockedWindow && p->handle == sys.LockedWindow) return TBandedRegion();
    POINT o = OffsetInTop(w);
    TBandedRegion region = ShapeInTop(w);
    if (clientOnly) region = region.Intersected(Translate(w->client, o));
    for (const Window* p = w->parent; p && p != sys.Desktop(); p = p->parent) {
        POINT po = OffsetInTop(p);
        region = region.Intersected(Translate(p->client, po));
        if (p->windowRegion) region = TBandedRegion::Combine(region, ShapeInTop(p), RGN_AND);
    }
    for (const Window* c = w; c && c->parent && c->parent != sys.Desktop(); c = c->parent) {
        if (!(c->style & WS_CLIPSIBLINGS) && !(c == w && clipSiblings)) continue;
        for (const Window* s : c->parent->children) {
            if (s == c) break;
            if (!(s->style & WS_VISIBLE) || region.Empty()) continue;
            // Only siblings that overlap what is left can take anything away.
            POINT so = OffsetInTop(s);
            RECT box{so.x, so.y, so.x + (s->rect.right - s->rect.left),
                     so.y + (s->rect.bottom - s->rect.top)};
            if (!region.Overlaps(box)) continue;
            region = TBandedRegion::Combine(region, ShapeInTop(s), RGN_DIFF);
        }
    }
    if (clipChildren)
        for (const Window* c : w->children) {
            if (!(c->style & WS_VISIBLE) || region.Empty()) continue;
            POINT co = OffsetInTop(c);
            RECT box{co.x, co.y, co.x + (c->rect.right - c->rect.left),
                     co.y + (c->rect.bottom - c->rect.top)};
            if (region.Overlaps(box)) region = TBandedRegion::Combine(region, ShapeInTop(c), RGN_DIFF);
        }
    return region;
}

HRGN ToHandle(const TBandedRegion& region) {
    HRGN h = CreateRectRgn(0, 0, 0, 0);
    if (auto r = gdi_handles::Region(h)) r->Region = region;
    return h;
}

std::optional<TBandedRegion> FromHandle(HRGN h) {
    if (auto r = gdi_handles::Region(h)) return r->Region;
    return std::nullopt;
}

HDC MakeDC(Window* w, const TBandedRegion& visible, bool windowArea) {
    Window* top = TopLevelOf(w);
    EnsureSurface(top);
    POINT o = OffsetInTop(w);
    if (!windowArea) {
        o.x += w->client.left;
        o.y += w->client.top;
    }
    HRGN vis = ToHandle(visible);
    HDC dc = GdiCreateSurfaceDC(top->surface, o, vis);
    DeleteObject(vis);
    return dc;
}

void ClipToClient(Window* w, TBandedRegion& region) {
    region =
        region.Intersected(RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top});
}

bool NeedsPaint(const Window* w) {
    return (!w->updateRegion.Empty() || w->internalPaint || w->frameDirty) && IsReallyVisible(w) &&
           !w->redrawDisabled;
}

Window* FindPaintable(Window* w) {
    if (!(w->style & WS_VISIBLE)) return nullptr;
    if (w != Sys().Desktop() && NeedsPaint(w)) return w;
    for (Window* c : w->children)
        if (Window* found = FindPaintable(c)) return found;
    return nullptr;
}

// WM_NCPAINT and WM_ERASEBKGND for a window that has them pending.
void EraseNow(Window* w) {
    HWND h = w->handle;
    if (!NeedsPaint(w)) return;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessage(h, WM_NCPAINT, 1, 0);
        if (!IsWindow(h)) return;
    }
    if (w->erasePending && !w->updateRegion.Empty()) {
        HDC dc = GetDCEx(h, nullptr, DCX_INTERSECTUPDATE | DCX_CACHE);
        if (SendMessage(h, WM_ERASEBKGND, WPARAM(dc), 0)) w->erasePending = false;
        ReleaseDC(h, dc);
    }
}

void PaintNow(Window* w, UINT flags, bool top) {
    HWND h = w->handle;
    if (flags & RDW_UPDATENOW) {
        if (NeedsPaint(w)) SendMessage(h, WM_PAINT, 0, 0);
    } else if (flags & RDW_ERASENOW) {
        EraseNow(w);
    }
    w = Sys().Find(h);
    if (!w) return;
    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!top && !(flags & RDW_ALLCHILDREN)) children = !(w->style & WS_CLIPCHILDREN);
    if (!children) return;
    std::vector<HWND> list;
    for (Window* c : w->children)
        list.push_back(c->handle);
    for (HWND ch : list)
        if (Window* c = Sys().Find(ch)) PaintNow(c, flags, false);
}

} // namespace painting_detail

void EnsureSurface(Window* top) {
    // A window may be any size; its image is kept up to a bound so that a wild size cannot exhaust
    // memory (what lies beyond is not drawn).
    constexpr int kMaxImageSide = 8192;
    int width = std::clamp<int>(top->rect.right - top->rect.left, 1, kMaxImageSide);
    int height = std::clamp<int>(top->rect.bottom - top->rect.top, 1, kMaxImageSide);
    if (!top->surface) {
        top->surface = std::make_shared<TSurface>(width, height);
        ++top->imageVersion;
    } else if (top->surface->Width() != width || top->surface->Height() != height) {
        // Keep what can be kept: a window that grows only needs its new parts painted.
        auto grown = std::make_shared<TSurface>(width, height);
        for (int y = 0; y < std::min(height, top->surface->Height()); ++y)
            for (int x = 0; x < std::min(width, top->surface->Width()); ++x)
                grown->Row(y)[x] = top->surface->Row(y)[x];
        top->surface = std::move(grown);
        ++top->imageVersion;
    }
}

void ImageChanged(Window* w) {
    if (Window* top = w ? TopLevelOf(w) : nullptr) ++top->imageVersion;
}

bool DrawingOn(const Window* top) {
    if (top->ownDC) return true;
    for (const auto& [dc, out] : painting_detail::HandedOut())
        if (Window* w = Sys().Find(out.hwnd); w && TopLevelOf(w) == top) return true;
    return false;
}

void InvalidateWindow(Window* w, const TBandedRegion* clientArea, UINT flags) {
    if (!w || w->dead) return;
    if (!IsReallyVisible(w) && !(flags & RDW_VALIDATE)) return;
    RECT clientBox{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    TBandedRegion area = clientArea ? clientArea->Intersected(clientBox) : TBandedRegion(clientBox);
    if (flags & RDW_INVALIDATE) {
        w->updateRegion = TBandedRegion::Combine(w->updateRegion, area, RGN_OR);
        if (flags & RDW_ERASE) w->erasePending = true;
        if (flags & RDW_FRAME) w->frameDirty = true;
        if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
        if (!w->updateRegion.Empty() && !(flags & RDW_ERASE) && !w->erasePending) w->erasePending = false;
    }
    if (flags & RDW_VALIDATE) {
        w->updateRegion = TBandedRegion::Combine(w->updateRegion, area, RGN_DIFF);
        if (w->updateRegion.Empty()) w->erasePending = false;
        if (flags & RDW_NOERASE) w->erasePending = false;
        if (flags & RDW_NOFRAME) w->frameDirty = false;
        if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
    }
    const bool children =
        (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children) return;
    for (Window* c : w->children) {
        RECT cr = c->rect; // the child in this window's client coordinates
        TBandedRegion childArea = area.Intersected(cr);
        if (childArea.Empty() && !(flags & RDW_FRAME)) continue;
        childArea.Offset(-(cr.left + c->client.left), -(cr.top + c->client.top));
        UINT childFlags = flags & ~RDW_FRAME;
        if (!childArea.Empty() || (flags & RDW_VALIDATE)) InvalidateWindow(c, &childArea, childFlags);
        if ((flags & RDW_INVALIDATE) && (flags & RDW_FRAME) && !area.Intersected(cr).Empty())
            c->frameDirty = true;
    }
}

void ExposeAfterChange(Window* parent, const RECT& area) {
    if (!parent || parent == Sys().Desktop() || parent == Sys().MessageRoot()) return;
    TBandedRegion region(area);
    InvalidateWindow(parent, &region, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND FindWindowToPaint(HWND filter) {
    if (filter && filter != reinterpret_cast<HWND>(LONG_PTR(-1))) {
        Window* w = Sys().Find(filter);
        return w && painting_detail::NeedsPaint(w) ? filter : nullptr;
    }
    if (filter) return nullptr;
    Window* w = painting_detail::FindPaintable(Sys().Desktop());
    return w ? w->handle : nullptr;
}

void ClearPaintState(Window* w) {
    w->updateRegion = TBandedRegion();
    w->erasePending = w->frameDirty = w->internalPaint = false;
}

TBandedRegion VisibleRegionOf(Window* w, bool clientOnly) {
    return painting_detail::VisibleRegion(w, clientOnly, (w->style & WS_CLIPCHILDREN) != 0,
                                          (w->style & WS_CLIPSIBLINGS) != 0);
}

} // namespace olva::win

using namespace olva::win;
using namespace olva::win::painting_detail;

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
    if (!IsGuiThread()) return OnGuiThread([&] { return GetDCEx(hwnd, clip, flags); });
    WindowSystem& sys = Sys();
    if (!hwnd) return GetScreenDC();
    Window* w = sys.Find(hwnd);
    if (!w) return nullptr;
    if (w == sys.Desktop()) return GetScreenDC();
    const bool windowArea = (flags & DCX_WINDOW) != 0;
    if (!windowArea && (w->cls->style & CS_OWNDC) && w->ownDC &&
        !(flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN | DCX_INTERSECTUPDATE))) {
        // A private DC keeps its attributes; its visible region follows the window.
        GdiSetDCVisibleRegion(w->ownDC, nullptr);
        TBandedRegion vis = VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) || (flags & DCX_CLIPCHILDREN),
                                          (w->style & WS_CLIPSIBLINGS) || (flags & DCX_CLIPSIBLINGS));
        HRGN h = ToHandle(vis);
        GdiSetDCVisibleRegion(w->ownDC, h);
        DeleteObject(h);
        POINT o = OffsetInTop(w);
        GdiSetDCDeviceOrigin(w->ownDC, POINT{o.x + w->client.left, o.y + w->client.top});
        ImageChanged(w);
        return w->ownDC;
    }
    TBandedRegion vis = VisibleRegion(
        w, !windowArea, ((w->style & WS_CLIPCHILDREN) && !windowArea) || (flags & DCX_CLIPCHILDREN),
        (w->style & WS_CLIPSIBLINGS) || (flags & DCX_CLIPSIBLINGS));
    Window* top = TopLevelOf(w);
    POINT topScreen = WindowOriginOnScreen(top);
    if (clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        if (auto region = FromHandle(clip)) {
            // The region is in screen coordinates.
            region->Offset(-topScreen.x, -topScreen.y);
            vis = TBandedRegion::Combine(vis, *region, (flags & DCX_INTERSECTRGN) ? RGN_AND : RGN_DIFF);
        }
    }
    if (flags & (DCX_INTERSECTUPDATE | DCX_EXCLUDEUPDATE)) {
        TBandedRegion update = w->updateRegion;
        POINT o = OffsetInTop(w);
        update.Offset(o.x + w->client.left, o.y + w->client.top);
        vis = TBandedRegion::Combine(vis, update, (flags & DCX_INTERSECTUPDATE) ? RGN_AND : RGN_DIFF);
        if (flags & DCX_VALIDATE) ClearPaintState(w);
    }
    HDC dc = MakeDC(w, vis, windowArea);
    const bool own = !windowArea && (w->cls->style & CS_OWNDC) && !w->ownDC &&
                     !(flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN | DCX_INTERSECTUPDATE));
    if (own) w->ownDC = dc;
    HandedOut()[dc] = HandedOutDC{hwnd, own};
    ImageChanged(w);
    return dc;
}

HDC GetDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, 0);
}
HDC GetWindowDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_WINDOW);
}

int ReleaseDC(HWND, HDC dc) {
    if (!IsGuiThread()) return OnGuiThread([&] { return ReleaseDC(nullptr, dc); });
    auto& map = HandedOut();
    auto it = map.find(dc);
    if (it == map.end()) return ReleaseScreenDC(dc) ? 1 : 0;
    ImageChanged(Sys().Find(it->second.hwnd)); // what was drawn through it
    if (it->second.own) return 1;              // a private DC lives as long as its window
    map.erase(it);
    DeleteDC(dc);
    return 1;
}

HWND WindowFromDC(HDC dc) {
    auto& map = HandedOut();
    auto it = map.find(dc);
    return it == map.end() ? nullptr : it->second.hwnd;
}

void olva::win::LeaveImage(Window* w) {
    auto& map = HandedOut();
    for (auto it = map.begin(); it != map.end();) {
        if (it->second.own && it->second.hwnd == w->handle) {
            DeleteDC(it->first);
            it = map.erase(it);
        } else
            ++it;
    }
    w->ownDC = nullptr;
    w->surface.reset();
    for (Window* c : w->children)
        LeaveImage(c);
}

void olva::win::ReleaseWindowDCs(Window* w) {
    auto& map = HandedOut();
    for (auto it = map.begin(); it != map.end();) {
        if (it->second.hwnd == w->handle) {
            DeleteDC(it->first);
            it = map.erase(it);
        } else
            ++it;
    }
    w->ownDC = nullptr;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    auto w = Sys().Hold(hwnd);
    if (!w || !ps) return nullptr;
    HideCaretForPaint(hwnd);
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (w->dead) return nullptr;
    }
    TBandedRegion update = w->updateRegion;
    bool erase = w->erasePending;
    w->updateRegion = TBandedRegion();
    w->erasePending = false;
    w->internalPaint = false;
    TBandedRegion vis =
        VisibleRegion(w.get(), true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
    POINT o = OffsetInTop(w.get());
    TBandedRegion updateInTop = update;
    updateInTop.Offset(o.x + w->client.left, o.y + w->client.top);
    vis = TBandedRegion::Combine(vis, updateInTop, RGN_AND);
    HDC dc = MakeDC(w.get(), vis, false);
    HandedOut()[dc] = HandedOutDC{hwnd, false};
    ps->hdc = dc;
    ps->rcPaint = update.Box();
    ps->fErase = FALSE;
    if (erase) ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, WPARAM(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) return FALSE;
    ReleaseDC(hwnd, ps->hdc);
    ShowCaretAfterPaint(hwnd);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags) {
    if (!IsGuiThread()) return OnGuiThread([&] { return RedrawWindow(hwnd, rect, rgn, flags); });
    WindowSystem& sys = Sys();
    Window* w = hwnd ? sys.Find(hwnd) : sys.Desktop();
    if (!w) return FALSE;
    if (w == sys.Desktop()) {
        std::vector<HWND> tops;
        for (Window* c : w->children)
            tops.push_back(c->handle);
        for (HWND h : tops)
            RedrawWindow(h, nullptr, nullptr, flags | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) {
        std::optional<TBandedRegion> area;
        if (rgn)
            area = FromHandle(rgn);
        else if (rect)
            area = TBandedRegion(*rect);
        InvalidateWindow(w, area ? &*area : nullptr, flags);
        if ((flags & RDW_INVALIDATE) && (flags & RDW_FRAME) && IsReallyVisible(w)) w->frameDirty = true;
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintNow(w, flags, true);
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
    return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}
BOOL ValidateRgn(HWND hwnd, HRGN rgn) {
    return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
    if (!IsGuiThread()) return OnGuiThread([&] { return UpdateWindow(hwnd); });
    Window* w = Sys().Find(hwnd);
    if (!w) return FALSE;
    if (NeedsPaint(w)) SendMessage(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    Window* w = Sys().Find(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = w->updateRegion.Box();
    if (erase && w->erasePending) EraseNow(w);
    return w->updateRegion.Empty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
    Window* w = Sys().Find(hwnd);
    if (!w || !rgn) return ERROR;
    auto target = gdi_handles::Region(rgn);
    if (!target) return ERROR;
    target->Region = w->updateRegion;
    if (erase && w->erasePending) EraseNow(w);
    return target->Region.Kind();
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags) {
    auto w = Sys().Hold(hwnd);
    if (!w) return ERROR;
    RECT clientBox{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    RECT area = clientBox;
    if (scroll) IntersectRect(&area, &area, scroll);
    RECT clipBox = clientBox;
    if (clip) IntersectRect(&clipBox, &clipBox, clip);
    TBandedRegion source = TBandedRegion(area);
    TBandedRegion moved = source;
    moved.Offset(dx, dy);
    moved = moved.Intersected(clipBox);
    // Only what is visible on the window's image can move; hidden parts come back as invalid.
    TBandedRegion vis =
        VisibleRegion(w.get(), true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
    POINT o = OffsetInTop(w.get());
    const POINT clientInTop{o.x + w->client.left, o.y + w->client.top};
    vis.Offset(-clientInTop.x, -clientInTop.y);
    TBandedRegion visibleSource = TBandedRegion::Combine(source, vis, RGN_AND);
    TBandedRegion valid = visibleSource;
    valid.Offset(dx, dy);
    valid = TBandedRegion::Combine(TBandedRegion::Combine(valid, moved, RGN_AND), vis, RGN_AND);
    Window* top = TopLevelOf(w.get());
    EnsureSurface(top);
    TSurface& s = *top->surface;
    const RECT vb = valid.Box();
    if (!valid.Empty()) {
        // Copy in an order that never reads a pixel already overwritten.
        std::vector<std::uint32_t> copy(std::size_t((vb.right - vb.left) * (vb.bottom - vb.top)));
        for (int y = vb.top; y < vb.bottom; ++y)
            for (int x = vb.left; x < vb.right; ++x)
                copy[std::size_t((y - vb.top) * (vb.right - vb.left) + (x - vb.left))] =
                    s.Pixel(clientInTop.x + x - dx, clientInTop.y + y - dy);
        for (const RECT& r : valid.Rects())
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    s.SetPixel(clientInTop.x + x, clientInTop.y + y,
                               copy[std::size_t((y - vb.top) * (vb.right - vb.left) + (x - vb.left))]);
        ++top->imageVersion;
    }
    TBandedRegion exposed = TBandedRegion::Combine(TBandedRegion(area).Intersected(clipBox), valid, RGN_DIFF);
    // The pending update region moves with the contents.
    TBandedRegion inArea = w->updateRegion.Intersected(area);
    if (!inArea.Empty()) {
        TBandedRegion shifted = inArea;
        shifted.Offset(dx, dy);
        w->updateRegion = TBandedRegion::Combine(TBandedRegion::Combine(w->updateRegion, inArea, RGN_DIFF),
                                                 shifted.Intersected(clipBox), RGN_OR);
    }
    if (flags & SW_SCROLLCHILDREN) {
        for (Window* c : w->children) {
            RECT cr = c->rect;
            if (!scroll || IntersectRect(&cr, &cr, &area))
                SetWindowPos(c->handle, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
    }
    if (update)
        if (auto r = gdi_handles::Region(update)) r->Region = exposed;
    if (updateRect) *updateRect = exposed.Box();
    if (flags & SW_INVALIDATE)
        InvalidateWindow(w.get(), &exposed,
                         RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                             ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
    return exposed.Kind();
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

BOOL LockWindowUpdate(HWND hwnd) {
    WindowSystem& sys = Sys();
    if (hwnd) {
        if (sys.LockedWindow || !IsWindow(hwnd)) return FALSE; // one locked window at a time
        sys.LockedWindow = hwnd;
        return TRUE;
    }
    HWND was = sys.LockedWindow;
    sys.LockedWindow = nullptr;
    if (was && IsWindow(was))
        RedrawWindow(was, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
    auto w = Sys().Hold(hwnd);
    if (!w) return 0;
    if (IPresenter* p = CurrentPresenter(); p && rgn && IsTopLevel(w.get()) && !p->SupportsWindowShapes())
        return 0; // the host cannot shape its windows
    if (rgn) {
        auto region = FromHandle(rgn);
        if (!region) return 0;
        w->windowRegion = *region;
        DeleteObject(rgn); // the system owns the region from now on
    } else {
        w->windowRegion.reset();
    }
    if (!IsTopLevel(w.get()) && w->parent) ExposeAfterChange(w->parent, w->rect);
    if (redraw)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    NotifyPresenterWindowChanged(w.get());
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
    Window* w = Sys().Find(hwnd);
    if (!w || !w->windowRegion || !rgn) return ERROR;
    auto target = gdi_handles::Region(rgn);
    if (!target) return ERROR;
    target->Region = *w->windowRegion;
    return target->Region.Kind();
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
    Window* w = Sys().Find(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED)) return FALSE;
    if (IPresenter* p = CurrentPresenter(); p && !p->SupportsWindowAlpha()) return FALSE; // callers fall back
    w->layeredKey = key;
    w->layeredAlpha = (flags & LWA_ALPHA) ? alpha : 255;
    w->layeredFlags = flags;
    w->layeredContentSet = false; // the window paints itself again
    NotifyPresenterWindowChanged(w);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
    Window* w = Sys().Find(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED) || w->layeredContentSet) return FALSE;
    if (key) *key = w->layeredKey;
    if (alpha) *alpha = w->layeredAlpha;
    if (flags) *flags = w->layeredFlags;
    return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, POINT* dstPos, SIZE* size, HDC src, POINT* srcPos, COLORREF key,
                         BLENDFUNCTION* blend, DWORD flags) {
    auto w = Sys().Hold(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED) || !IsTopLevel(w.get())) return FALSE;
    if (IPresenter* p = CurrentPresenter();
        p && !p->SupportsPerPixelAlpha() && blend && (blend->AlphaFormat & AC_SRC_ALPHA))
        return FALSE;
    if (dstPos || size) {
        RECT r = w->rect;
        int x = dstPos ? dstPos->x : r.left, y = dstPos ? dstPos->y : r.top;
        int cx = size ? size->cx : r.right - r.left, cy = size ? size->cy : r.bottom - r.top;
        SetWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        if (w->dead) return FALSE;
    }
    if (src) {
        auto source = GdiGetDCSurface(src);
        if (!source) return FALSE;
        EnsureSurface(w.get());
        TSurface& dst = *w->surface;
        POINT from = srcPos ? *srcPos : POINT{0, 0};
        for (int y = 0; y < dst.Height(); ++y)
            for (int x = 0; x < dst.Width(); ++x)
                dst.Row(y)[x] = source->Pixel(from.x + x, from.y + y);
        ++w->imageVersion;
    }
    w->layeredContentSet = true;
    w->layeredKey = key;
    w->layeredFlags = flags;
    w->layeredAlpha = blend ? blend->SourceConstantAlpha : 255;
    w->layeredPerPixelAlpha = blend && (flags & ULW_ALPHA) && (blend->AlphaFormat & AC_SRC_ALPHA);
    ClearPaintState(w.get());
    NotifyPresenterWindowChanged(w.get());
    return TRUE;
}

BOOL PrintWindow(HWND hwnd, HDC dc, UINT) {
    if (!IsWindow(hwnd) || !dc) return FALSE;
    SendMessage(hwnd, WM_PRINT, WPARAM(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    return TRUE;
}
