#include "platform/vcl/Canvas.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Graphic.h"
#include "platform/vcl/Pen.h"

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
    FFont->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
    FPen->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
    FBrush->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas() {
    // Descendants release their DC in their own destructors; a DC attached from outside is only let go.
    DeselectHandles();
    FHandle = nullptr;
}

HDC TCanvas::Handle() {
    RequiredState({csHandleValid});
    return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
    if (FHandle == Value) return;
    if (FHandle != nullptr) {
        DeselectHandles();
        FHandle = nullptr;
        FState.Exclude(csHandleValid);
    }
    if (Value != nullptr) {
        FHandle = Value;
        FState.Include(csHandleValid);
    }
}

void TCanvas::Refresh() {
    DeselectHandles();
}

void TCanvas::DeselectHandles() {
    if (FHandle != nullptr && !(FState * TCanvasState{csFontValid, csPenValid, csBrushValid}).empty()) {
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
        SelectObject(FHandle, GetStockObject(NULL_BRUSH));
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
    }
    FState -= TCanvasState{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::ObjectChanged(TObject* Sender) {
    // The object's old handle is about to be freed: let go of it now, select the new one lazily.
    if (FHandle == nullptr) return;
    if (Sender == FFont.get() && FState.Contains(csFontValid)) {
        SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
        FState.Exclude(csFontValid);
    } else if (Sender == FPen.get() && FState.Contains(csPenValid)) {
        SelectObject(FHandle, GetStockObject(BLACK_PEN));
        FState.Exclude(csPenValid);
    } else if (Sender == FBrush.get() && FState.Contains(csBrushValid)) {
        SelectObject(FHandle, GetStockObject(NULL_BRUSH));
        FState.Exclude(csBrushValid);
    }
}

void TCanvas::RequiredState(TCanvasState ReqState) {
    HandleNeeded();
    TCanvasState needed = ReqState - FState;
    if (needed.empty()) return;
    if (needed.Contains(csHandleValid)) {
        CreateHandle();
        if (FHandle == nullptr) throw EInvalidOperation(SNoCanvasHandle);
    }
    if (needed.Contains(csFontValid)) SelectFont();
    if (needed.Contains(csPenValid)) SelectPen();
    if (needed.Contains(csBrushValid)) SelectBrush();
}

void TCanvas::SelectFont() {
    SelectObject(FHandle, FFont->Handle());
    SetTextColor(FHandle, ColorToRGB(FFont->Color()));
    FState.Include(csFontValid);
}

void TCanvas::SelectPen() {
    SelectObject(FHandle, FPen->Handle());
    SetROP2(FHandle, PenModeToRop2(FPen->Mode()));
    FState.Include(csPenValid);
}

void TCanvas::SelectBrush() {
    SelectObject(FHandle, FBrush->Handle());
    if (FBrush->Style() == bsSolid) {
        SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
        SetBkMode(FHandle, OPAQUE);
    } else {
        // Hatches and clear brushes leave the background alone.
        SetBkColor(FHandle, ~ColorToRGB(FBrush->Color()) & 0xFFFFFF);
        SetBkMode(FHandle, TRANSPARENT);
    }
    FState.Include(csBrushValid);
}

void TCanvas::RestoreColors() {
    // Monochrome pictures draw with the DC's text and background colours: the font's and brush's return.
    if (FState.Contains(csFontValid)) SetTextColor(FHandle, ColorToRGB(FFont->Color()));
    if (FState.Contains(csBrushValid)) {
        FState.Exclude(csBrushValid);
        SelectBrush();
    }
}

void TCanvas::SetFont(TFont* Value) {
    FFont->Assign(Value);
}
void TCanvas::SetPen(TPen* Value) {
    FPen->Assign(Value);
}
void TCanvas::SetBrush(TBrush* Value) {
    FBrush->Assign(Value);
}

void TCanvas::Changing() {
    OnChanging(this);
}
void TCanvas::Changed() {
    OnChange(this);
}

POINT TCanvas::PenPos() {
    RequiredState({csHandleValid});
    POINT pos{};
    GetCurrentPositionEx(FHandle, &pos);
    return pos;
}

void TCanvas::MoveTo(int X, int Y) {
    RequiredState({csHandleValid});
    MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::LineTo(FHandle, X, Y);
    Changed();
}

void TCanvas::Polyline(const POINT* Points, int Count) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polyline(FHandle, Points, Count);
    Changed();
}

void TCanvas::Polygon(const POINT* Points, int Count) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polygon(FHandle, Points, Count);
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Ellipse(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::FillRect(const RECT& Rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FillRect(FHandle, &Rect, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const RECT& Rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FrameRect(FHandle, &Rect, FBrush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const RECT& Rect) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::DrawFocusRect(FHandle, &Rect);
    Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ExtTextOut(FHandle, X, Y, static_cast<UINT>(FTextFlags), nullptr, Text.data(),
               static_cast<UINT>(Text.size()), nullptr);
    MoveToEx(FHandle, X + TextWidth(Text), Y, nullptr);
    Changed();
}

void TCanvas::TextRect(const RECT& Rect, int X, int Y, const std::string& Text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    UINT options = ETO_CLIPPED | static_cast<UINT>(FTextFlags);
    if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
    ExtTextOut(FHandle, X, Y, options, &Rect, Text.data(), static_cast<UINT>(Text.size()), nullptr);
    Changed();
}

SIZE TCanvas::TextExtent(const std::string& Text) {
    RequiredState({csHandleValid, csFontValid});
    SIZE size{0, 0};
    if (!GetTextExtentPoint32(FHandle, Text.data(), static_cast<int>(Text.size()), &size)) size = SIZE{0, 0};
    return size;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (Graphic == nullptr || Graphic->Empty()) return;
    Changing();
    RequiredState({csHandleValid});
    SetBkColor(FHandle, RGB(255, 255, 255));
    SetTextColor(FHandle, RGB(0, 0, 0));
    Graphic->Draw(this, RECT{X, Y, X + Graphic->Width(), Y + Graphic->Height()});
    RestoreColors();
    Changed();
}

void TCanvas::StretchDraw(const RECT& Rect, TGraphic* Graphic) {
    if (Graphic == nullptr || Graphic->Empty()) return;
    Changing();
    RequiredState({csHandleValid});
    SetBkColor(FHandle, RGB(255, 255, 255));
    SetTextColor(FHandle, RGB(0, 0, 0));
    Graphic->Draw(this, Rect);
    RestoreColors();
    Changed();
}

void TCanvas::CopyRect(const RECT& Dest, TCanvas* Canvas, const RECT& Source) {
    if (Canvas == nullptr) return;
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    StretchBlt(FHandle, Dest.left, Dest.top, Dest.right - Dest.left, Dest.bottom - Dest.top, Canvas->FHandle,
               Source.left, Source.top, Source.right - Source.left, Source.bottom - Source.top, FCopyMode);
    Changed();
}

void TCanvas::BrushCopy(const RECT& Dest, TBitmap* Bitmap, const RECT& Source, TColor Color) {
    if (Bitmap == nullptr || Bitmap->Empty()) return;
    const int width = Dest.right - Dest.left, height = Dest.bottom - Dest.top;
    if (width <= 0 || height <= 0) return;
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    // The picture at the destination's size, and the brush over the same area.
    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(width, height);
    StretchBlt(picture.Canvas()->Handle(), 0, 0, width, height, Bitmap->Canvas()->Handle(), Source.left,
               Source.top, Source.right - Source.left, Source.bottom - Source.top, SRCCOPY);
    TBitmap result;
    result.SetPixelFormat(pf32bit);
    result.SetSize(width, height);
    RECT all{0, 0, width, height};
    POINT origin{};
    GetBrushOrgEx(FHandle, &origin);
    SetBrushOrgEx(result.Canvas()->Handle(), origin.x - Dest.left, origin.y - Dest.top, nullptr);
    ::FillRect(result.Canvas()->Handle(), &all, FBrush->Handle());
    const std::uint32_t key = ColorToRGB(Color) & 0xFFFFFF;
    for (int y = 0; y < height; ++y) {
        const auto* from = static_cast<const std::uint32_t*>(picture.ScanLine(y));
        auto* to = static_cast<std::uint32_t*>(result.ScanLine(y));
        for (int x = 0; x < width; ++x)
            if ((PixelToColorRef(from[x]) & 0xFFFFFF) != key) to[x] = from[x];
    }
    BitBlt(FHandle, Dest.left, Dest.top, width, height, result.Canvas()->Handle(), 0, 0, FCopyMode);
    Changed();
}

TColor TCanvas::Pixels(int X, int Y) {
    RequiredState({csHandleValid});
    return static_cast<TColor>(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
    Changing();
    RequiredState({csHandleValid, csPenValid});
    SetPixel(FHandle, X, Y, ColorToRGB(Value));
    Changed();
}

RECT TCanvas::ClipRect() {
    RequiredState({csHandleValid});
    RECT box{};
    GetClipBox(FHandle, &box);
    return box;
}
