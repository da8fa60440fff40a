#include "ui/core/controls/LibraryCursors.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"

#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace {

constexpr int Size = 32;
constexpr COLORREF Key = RGB(255, 0, 255);

const TuiLibraryCursor Table[] = {
    {crovDragCopy, "UI_DRAGCOPYCURSOR"},
    {crovFullScroll, "UI_FULLSCROLLCURSOR"},
    {crovHorScroll, "UI_HORSCROLLCURSOR"},
    {crovVerScroll, "UI_VERSCROLLCURSOR"},
    {crovUpScroll, "UI_UPSCROLLCURSOR"},
    {crovRightScroll, "UI_RIGHTSCROLLCURSOR"},
    {crovDownScroll, "UI_DOWNSCROLLCURSOR"},
    {crovLeftScroll, "UI_LEFTSCROLLCURSOR"},
    {crovRemove, "UI_REMOVECURSOR"},
    {crovVertSize, "UI_VERTSIZECURSOR"},
    {crovHorzSize, "UI_HORZSIZECURSOR"},
    {crovMultiDrag, "UI_MULTIDRAGCURSOR"},
    {crovNoDrop, "UI_NODROPCURSOR"},
    {crovDrag, "UI_DRAGCURSOR"},
    {crovHandPoint, nullptr},
    {crovColorPicker, "UI_COLORPICKERCURSOR"},
    {crovMultiDragCopy, "UI_MULTIDRAGCOPYCURSOR"},
    {crovHand, "UI_HANDCURSOR"},
    {crovHandDrag, "UI_HANDDRAGCURSOR"},
};
constexpr int TableCount = sizeof(Table) / sizeof(Table[0]);

// Drawing on the cursor's picture: black outlines over white fills, on the transparent key colour.
class TCursorArt {
public:
    explicit TCursorArt(HDC ADC) : FDC(ADC) {}
    void Shape(std::vector<POINT> APoints, COLORREF AFill = RGB(255, 255, 255)) {
        Use(AFill);
        Polygon(FDC, APoints.data(), static_cast<int>(APoints.size()));
    }
    void Box(int L, int T, int R, int B, COLORREF AFill = RGB(255, 255, 255)) {
        Use(AFill);
        Rectangle(FDC, L, T, R, B);
    }
    void Circle(int CX, int CY, int Radius, COLORREF AFill = RGB(255, 255, 255)) {
        Use(AFill);
        Ellipse(FDC, CX - Radius, CY - Radius, CX + Radius + 1, CY + Radius + 1);
    }
    void Line(int X1, int Y1, int X2, int Y2, int AWidth = 1) {
        HPEN pen = CreatePen(PS_SOLID, AWidth, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(FDC, pen);
        MoveToEx(FDC, X1, Y1, nullptr);
        LineTo(FDC, X2, Y2);
        SelectObject(FDC, old);
        DeleteObject(pen);
    }
    // The ordinary pointer with its tip at (0, 0).
    void Arrow() { Shape({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {10, 17}, {7, 11}, {12, 11}}); }
    // A small dragged sheet below the pointer.
    void Sheet(int L, int T) { Box(L, T, L + 10, T + 8); }
    void Plus(int CX, int CY) {
        Box(CX - 4, CY - 4, CX + 5, CY + 5);
        Line(CX - 2, CY, CX + 3, CY);
        Line(CX, CY - 2, CX, CY + 3);
    }
    // A triangle pointing in a direction (0 up, 1 right, 2 down, 3 left) with its tip at (X, Y).
    void Pointer(int X, int Y, int ADirection) {
        switch (ADirection) {
        case 0:
            Shape({{X, Y}, {X - 5, Y + 5}, {X + 5, Y + 5}}, RGB(0, 0, 0));
            break;
        case 1:
            Shape({{X, Y}, {X - 5, Y - 5}, {X - 5, Y + 5}}, RGB(0, 0, 0));
            break;
        case 2:
            Shape({{X, Y}, {X - 5, Y - 5}, {X + 5, Y - 5}}, RGB(0, 0, 0));
            break;
        default:
            Shape({{X, Y}, {X + 5, Y - 5}, {X + 5, Y + 5}}, RGB(0, 0, 0));
            break;
        }
    }
    // The middle-button scrolling mark: a ring at the centre and the pointers of the allowed directions.
    void ScrollMark(bool AUp, bool ARight, bool ADown, bool ALeft) {
        Circle(15, 15, 3);
        if (AUp) Pointer(15, 3, 0);
        if (ARight) Pointer(27, 15, 1);
        if (ADown) Pointer(15, 27, 2);
        if (ALeft) Pointer(3, 15, 3);
    }
    void Hand(bool AClosed) {
        // Four fingers side by side (outlines shared), a palm across their roots, and the thumb.
        static constexpr int OpenTops[] = {5, 3, 4, 7};
        static constexpr int ClosedTops[] = {11, 10, 10, 12};
        for (int i = 0; i < 4; ++i)
            Box(9 + i * 4, AClosed ? ClosedTops[i] : OpenTops[i], 14 + i * 4, 17);
        Box(9, 15, 26, 27);
        if (AClosed)
            Shape({{9, 22}, {6, 18}, {8, 16}, {10, 18}});
        else
            Shape({{9, 23}, {3, 16}, {5, 14}, {10, 18}});
    }

private:
    void Use(COLORREF AFill) {
        if (FBrush != nullptr) {
            SelectObject(FDC, FOldBrush);
            DeleteObject(FBrush);
        }
        FBrush = CreateSolidBrush(AFill);
        FOldBrush = SelectObject(FDC, FBrush);
    }

public:
    ~TCursorArt() {
        if (FBrush != nullptr) {
            SelectObject(FDC, FOldBrush);
            DeleteObject(FBrush);
        }
    }

private:
    HDC FDC;
    HBRUSH FBrush = nullptr;
    HGDIOBJ FOldBrush = nullptr;
};

struct TCursorDrawing {
    const char* Name;
    POINT HotSpot;
    std::function<void(TCursorArt&)> Draw;
};

const std::vector<TCursorDrawing>& Drawings() {
    static const std::vector<TCursorDrawing> drawings = {
        {"UI_DRAGCURSOR", {0, 0}, [](TCursorArt& a) { a.Arrow(), a.Sheet(8, 18); }},
        {"UI_DRAGCOPYCURSOR", {0, 0}, [](TCursorArt& a) { a.Arrow(), a.Sheet(8, 18), a.Plus(21, 25); }},
        {"UI_MULTIDRAGCURSOR", {0, 0}, [](TCursorArt& a) { a.Arrow(), a.Sheet(11, 16), a.Sheet(8, 19); }},
        {"UI_MULTIDRAGCOPYCURSOR",
         {0, 0},
         [](TCursorArt& a) { a.Arrow(), a.Sheet(11, 16), a.Sheet(8, 19), a.Plus(24, 26); }},
        {"UI_NODROPCURSOR",
         {0, 0},
         [](TCursorArt& a) {
             a.Arrow();
             a.Circle(20, 22, 7);
             a.Line(15, 17, 26, 28, 2);
         }},
        {"UI_REMOVECURSOR",
         {0, 0},
         [](TCursorArt& a) {
             a.Arrow();
             a.Line(14, 18, 24, 28, 3);
             a.Line(24, 18, 14, 28, 3);
         }},
        {"UI_FULLSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(true, true, true, true); }},
        {"UI_HORSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(false, true, false, true); }},
        {"UI_VERSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(true, false, true, false); }},
        {"UI_UPSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(true, false, false, false); }},
        {"UI_RIGHTSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(false, true, false, false); }},
        {"UI_DOWNSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(false, false, true, false); }},
        {"UI_LEFTSCROLLCURSOR", {15, 15}, [](TCursorArt& a) { a.ScrollMark(false, false, false, true); }},
        {"UI_VERTSIZECURSOR",
         {15, 15},
         [](TCursorArt& a) {
             a.Box(6, 14, 26, 17, RGB(0, 0, 0));
             a.Pointer(15, 4, 0);
             a.Pointer(15, 27, 2);
             a.Box(14, 9, 17, 22, RGB(0, 0, 0));
         }},
        {"UI_HORZSIZECURSOR",
         {15, 15},
         [](TCursorArt& a) {
             a.Box(14, 6, 17, 26, RGB(0, 0, 0));
             a.Pointer(4, 15, 3);
             a.Pointer(27, 15, 1);
             a.Box(9, 14, 22, 17, RGB(0, 0, 0));
         }},
        {"UI_COLORPICKERCURSOR",
         {1, 30},
         [](TCursorArt& a) {
             a.Shape({{1, 30}, {3, 24}, {17, 10}, {21, 14}, {7, 28}});
             a.Shape({{16, 7}, {21, 2}, {29, 10}, {24, 15}}, RGB(0, 0, 0));
         }},
        {"UI_HANDCURSOR", {15, 15}, [](TCursorArt& a) { a.Hand(false); }},
        {"UI_HANDDRAGCURSOR", {15, 15}, [](TCursorArt& a) { a.Hand(true); }},
    };
    return drawings;
}

HCURSOR CreateDrawnCursor(const TCursorDrawing& ADrawing) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Size;
    info.bmiHeader.biHeight = -Size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, dib);
    RECT all{0, 0, Size, Size};
    HBRUSH key = CreateSolidBrush(Key);
    FillRect(dc, &all, key);
    DeleteObject(key);
    {
        TCursorArt art(dc);
        ADrawing.Draw(art);
    }
    // The picture and its monochrome mask: the key colour becomes transparent (mask 1, colour 0).
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Size) * Size);
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(Size / 8) * Size, 0);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            std::uint32_t& p = pixels[static_cast<std::size_t>(y) * Size + x];
            if ((p & 0xFFFFFF) == 0xFF00FF) {
                p = 0;
                mask[static_cast<std::size_t>(y) * (Size / 8) + x / 8] |= std::uint8_t(0x80 >> (x % 8));
            } else {
                p |= 0xFF000000u;
            }
        }
    SelectObject(dc, oldBitmap);
    DeleteObject(dib);
    DeleteDC(dc);
    HBITMAP color = CreateBitmap(Size, Size, 1, 32, pixels.data());
    HBITMAP maskBitmap = CreateBitmap(Size, Size, 1, 1, mask.data());
    ICONINFO icon;
    icon.fIcon = FALSE;
    icon.xHotspot = static_cast<DWORD>(ADrawing.HotSpot.x);
    icon.yHotspot = static_cast<DWORD>(ADrawing.HotSpot.y);
    icon.hbmColor = color;
    icon.hbmMask = maskBitmap;
    HCURSOR cursor = CreateIconIndirect(&icon);
    DeleteObject(color);
    DeleteObject(maskBitmap);
    return cursor;
}

HCURSOR Made[TableCount] = {};

} // namespace

const TuiLibraryCursor* uiLibraryCursors(int& ACount) {
    ACount = TableCount;
    return Table;
}

HCURSOR uiCreateLibraryCursor(const char* AName) {
    if (AName == nullptr) return nullptr;
    for (const TCursorDrawing& drawing : Drawings())
        if (std::string_view(drawing.Name) == AName) return CreateDrawnCursor(drawing);
    return nullptr;
}

void uiRegisterLibraryCursors() {
    TScreen* screen = Screen();
    for (int i = 0; i < TableCount; ++i) {
        HCURSOR cursor =
            Table[i].Name != nullptr ? uiCreateLibraryCursor(Table[i].Name) : LoadCursor(nullptr, IDC_HAND);
        if (cursor == nullptr) continue;
        if (Table[i].Name != nullptr) {
            Made[i] = cursor;
            olva::win::RegisterCursorResource(Table[i].Name, cursor);
        }
        if (screen != nullptr) screen->SetCursors(Table[i].Number, cursor);
    }
}

void uiUnregisterLibraryCursors() {
    TScreen* screen = Screen();
    for (int i = 0; i < TableCount; ++i) {
        if (screen != nullptr && screen->Cursors(Table[i].Number) != nullptr &&
            (Made[i] == nullptr || screen->Cursors(Table[i].Number) == Made[i]))
            screen->SetCursors(Table[i].Number, nullptr);
        if (Made[i] != nullptr) {
            olva::win::RegisterCursorResource(Table[i].Name, nullptr);
            DestroyCursor(Made[i]);
            Made[i] = nullptr;
        }
    }
}
