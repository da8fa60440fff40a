#include "ui/core/graphics/WindowPainting.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>
#include <vector>

namespace window_painting_detail {

// Windows whose image is being copied (a control never paints itself into its own background), and the
// parents being painted (the background copy does not recurse).
std::vector<HWND> ExcludedWindows;
std::vector<TWinControl*> PaintingParents;

template <class T> bool Contains(const std::vector<T>& AList, T AItem) {
    return std::find(AList.begin(), AList.end(), AItem) != AList.end();
}
template <class T> void Remove(std::vector<T>& AList, T AItem) {
    auto it = std::find(AList.begin(), AList.end(), AItem);
    if (it != AList.end()) AList.erase(it);
}

TRect WindowRect(HWND AWnd) {
    RECT r{};
    if (AWnd != nullptr) GetWindowRect(AWnd, &r);
    return r;
}

void SendPaintMessages(HWND AWnd, HDC ADC, LPARAM AFlags, bool AErase) {
    if (AErase) SendMessage(AWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ADC), 0);
    SendMessage(AWnd, WM_PRINT, reinterpret_cast<WPARAM>(ADC), AFlags);
}

// Paints AWnd so that its window point AMapped.TopLeft lands on the canvas point ATarget, within AMapped.
void PaintWindowAt(HWND AWnd, TuiCanvas* ACanvas, const TPoint& ATarget, const TRect& AMapped,
                   bool ANonClient, bool AErase, TWinControl* AControl) {
    ACanvas->SaveDC();
    HDC dc = ACanvas->Handle();
    OffsetWindowOrgEx(dc, AMapped.left - ATarget.x, AMapped.top - ATarget.y, nullptr);
    ACanvas->IntersectClipRect(AMapped);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(AWnd, shape) != ERROR)
        ACanvas->SetClipRegion(new TuiRegion(shape), roIntersect, true, true);
    else
        DeleteObject(shape);
    if (ACanvas->RectVisible(AMapped)) {
        if (AControl != nullptr) AControl->ControlState().Include(csPaintCopy);
        ACanvas->SaveState();
        if (!ANonClient) {
            const TPoint offset = uiClientOriginOffset(AWnd);
            OffsetWindowOrgEx(dc, -offset.x, -offset.y, nullptr);
        }
        ACanvas->Canvas()->Lock();
        uiPaintWindowToDC(AWnd, dc, ANonClient, AErase);
        ACanvas->Canvas()->Unlock();
        ACanvas->RestoreState();
        if (AControl != nullptr) AControl->ControlState().Exclude(csPaintCopy);
    }
    ACanvas->RestoreDC();
}

void PaintControlAt(TWinControl* AControl, TuiCanvas* ACanvas, const TPoint& ATarget, const TRect& AMapped,
                    bool ANonClient) {
    if (AControl->ComponentState().Contains(csDestroying) || !AControl->HandleAllocated()) return;
    PaintWindowAt(AControl->Handle(), ACanvas, ATarget, AMapped, ANonClient, AControl->DoubleBuffered(),
                  AControl);
}

BOOL CollectChild(HWND AWnd, LPARAM AList) {
    reinterpret_cast<std::vector<HWND>*>(AList)->push_back(AWnd);
    return TRUE;
}

// Paints the parent's children (all but the excluded ones) over the canvas, each at its place; AOrigin is
// the canvas point of the parent's window point AMappedOrigin.
void PaintChildren(TWinControl* AParent, TuiCanvas* ACanvas, const TPoint& ATarget,
                   const TPoint& AMappedOrigin) {
    HWND parent = AParent->Handle();
    auto paintChild = [&](HWND AChild, TWinControl* AControl) {
        const TRect bounds = uiMapWindowRect(AChild, parent, uiMoveRectToZero(WindowRect(AChild)), false);
        const TPoint target{ATarget.x + bounds.left - AMappedOrigin.x,
                            ATarget.y + bounds.top - AMappedOrigin.y};
        if (!ACanvas->RectVisible(uiMoveRectTo(bounds, target))) return;
        const TRect whole = uiMoveRectToZero(bounds);
        if (AControl != nullptr)
            PaintControlAt(AControl, ACanvas, target, whole, true);
        else
            PaintWindowAt(AChild, ACanvas, target, whole, true, false, nullptr);
    };
    std::vector<HWND> painted;
    for (int i = 0; i < AParent->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(AParent->Controls(i));
        if (child == nullptr || !child->Visible() || !child->HandleAllocated()) continue;
        painted.push_back(child->Handle());
        if (Contains(ExcludedWindows, child->Handle())) continue;
        paintChild(child->Handle(), child);
    }
    std::vector<HWND> windows;
    EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&windows));
    for (HWND child : windows) {
        if (GetParent(child) != parent || Contains(painted, child) || Contains(ExcludedWindows, child))
            continue;
        if (FindControl(child) != nullptr || !IsWindowVisible(child)) continue;
        paintChild(child, nullptr);
    }
}

} // namespace window_painting_detail

void uiInvalidateArea(HWND AWnd, const TRect& R, bool AErase) {
    InvalidateRect(AWnd, &R, AErase ? TRUE : FALSE);
}

void uiInvalidateArea(HWND AWnd, bool AErase) {
    InvalidateRect(AWnd, nullptr, AErase ? TRUE : FALSE);
}

bool uiPtInRegion(HRGN ARegion, const TPoint& P) {
    return uiPtInRegion(ARegion, P.x, P.y);
}

bool uiPtInRegion(HRGN ARegion, int X, int Y) {
    return PtInRegion(ARegion, X, Y) != FALSE;
}

TPoint uiClientOriginOffset(HWND AWnd) {
    POINT client{0, 0};
    ClientToScreen(AWnd, &client);
    const TRect window = window_painting_detail::WindowRect(AWnd);
    return TPoint{client.x - window.left, client.y - window.top};
}

TPoint uiMapWindowPoint(HWND AFrom, HWND ATo, const TPoint& P, bool AClient) {
    POINT result = P;
    if (AClient) {
        MapWindowPoints(AFrom, ATo, &result, 1);
        return result;
    }
    const TRect from = window_painting_detail::WindowRect(AFrom),
                to = window_painting_detail::WindowRect(ATo);
    return TPoint{P.x + from.left - to.left, P.y + from.top - to.top};
}

TRect uiMapWindowRect(HWND AFrom, HWND ATo, const TRect& R, bool AClient) {
    return uiMoveRectTo(R, uiMapWindowPoint(AFrom, ATo, TPoint{R.left, R.top}, AClient));
}

void uiPaintWindowToDC(HWND AWnd, HDC ADC, bool AWithNonClient, bool AErase) {
    using window_painting_detail::SendPaintMessages;
    const TRect window = window_painting_detail::WindowRect(AWnd);
    RECT client{};
    GetClientRect(AWnd, &client);
    const bool hasNonClient = !uiRectSameSize(window, client);
    if (!AWithNonClient || !hasNonClient) {
        SendPaintMessages(AWnd, ADC, PRF_CLIENT | PRF_ERASEBKGND, AErase);
        return;
    }
    const LPARAM flags = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND;
    POINT origin{};
    if (!GetWindowOrgEx(ADC, &origin) || (origin.x == 0 && origin.y == 0)) {
        SendPaintMessages(AWnd, ADC, flags, AErase);
        return;
    }
    // The frame is drawn in device terms: it goes through a bitmap of the window's size.
    const int w = uiWidthOfRect(window), h = uiHeightOfRect(window);
    HDC memory = CreateCompatibleDC(ADC);
    HBITMAP bitmap = CreateCompatibleBitmap(ADC, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendPaintMessages(AWnd, memory, flags, AErase);
    BitBlt(ADC, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void uiDrawTransparentControlBackground(TControl* AControl, TuiCanvas* ACanvas, const TRect& R,
                                        bool APaintChildren) {
    using namespace window_painting_detail;
    if (AControl == nullptr || AControl->Parent() == nullptr) return;
    TWinControl* parent = AControl->Parent();
    if (Contains(PaintingParents, parent)) return;
    auto* windowed = dynamic_cast<TWinControl*>(AControl);
    HWND own = windowed != nullptr && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    PaintingParents.push_back(parent);
    if (own != nullptr) ExcludedWindows.push_back(own);
    try {
        if (parent->HandleAllocated() && !parent->ComponentState().Contains(csDestroying)) {
            HWND parentWindow = parent->Handle();
            // R in the parent's window coordinates.
            TRect mapped;
            if (own != nullptr) {
                mapped = uiMapWindowRect(own, parentWindow, R, false);
            } else {
                const TPoint offset = uiClientOriginOffset(parentWindow);
                mapped = uiShiftRect(R, AControl->Left() + offset.x, AControl->Top() + offset.y);
            }
            const TPoint target{R.left, R.top};
            PaintControlAt(parent, ACanvas, target, mapped, false);
            if (APaintChildren) {
                ACanvas->SaveDC();
                ACanvas->IntersectClipRect(R);
                PaintChildren(parent, ACanvas, target, TPoint{mapped.left, mapped.top});
                ACanvas->RestoreDC();
            }
        }
    } catch (...) {
        Remove(PaintingParents, parent);
        if (own != nullptr) Remove(ExcludedWindows, own);
        throw;
    }
    Remove(PaintingParents, parent);
    if (own != nullptr) Remove(ExcludedWindows, own);
}

void uiFreeWindowPaintingLists() {
    window_painting_detail::ExcludedWindows.clear();
    window_painting_detail::ExcludedWindows.shrink_to_fit();
    window_painting_detail::PaintingParents.clear();
    window_painting_detail::PaintingParents.shrink_to_fit();
}
