// Rectangle arithmetic of the window system: empty rectangles are those with no area.
#include "platform/win/WinUser.h"

#include <algorithm>

BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
    if (!r) return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* r) {
    return SetRect(r, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* r) {
    return !r || r->right <= r->left || r->bottom <= r->top;
}

BOOL PtInRect(const RECT* r, POINT pt) {
    return r && pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom;
}

BOOL OffsetRect(RECT* r, int dx, int dy) {
    if (!r) return FALSE;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return TRUE;
}

BOOL InflateRect(RECT* r, int dx, int dy) {
    if (!r) return FALSE;
    r->left -= dx;
    r->right += dx;
    r->top -= dy;
    r->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dst = RECT{};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    if (IsRectEmpty(a)) {
        *dst = IsRectEmpty(b) ? RECT{} : *b;
    } else if (IsRectEmpty(b)) {
        *dst = *a;
    } else {
        *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
    }
    return !IsRectEmpty(dst);
}

BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    // Only a subtraction that leaves a rectangle changes the result: b must cover a whole side of a.
    RECT r = *a;
    RECT x;
    if (IntersectRect(&x, a, b)) {
        if (x.top == a->top && x.bottom == a->bottom) {
            if (x.left == a->left)
                r.left = x.right;
            else if (x.right == a->right)
                r.right = x.left;
        } else if (x.left == a->left && x.right == a->right) {
            if (x.top == a->top)
                r.top = x.bottom;
            else if (x.bottom == a->bottom)
                r.bottom = x.top;
        }
    }
    if (IsRectEmpty(&r)) {
        *dst = RECT{};
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && *a == *b;
}
