#include "platform/vcl/ImageList.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Icon.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <memory>

namespace image_list_class_detail {

COLORREF ListColor(TColor color) {
    if (color == clNone) return CLR_NONE;
    if (color == clDefault) return CLR_DEFAULT;
    return ColorToRGB(color);
}

// Blends a surface of premultiplied pixels onto a DC.
void BlendOnto(HDC dc, int x, int y, const std::shared_ptr<TSurface>& surface) {
    HDC source = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = GdiCreateBitmapFromSurface(surface);
    HGDIOBJ old = SelectObject(source, bitmap);
    AlphaBlend(dc, x, y, surface->Width(), surface->Height(), source, 0, 0, surface->Width(),
               surface->Height(), BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    SelectObject(source, old);
    DeleteObject(bitmap);
    DeleteDC(source);
}

} // namespace image_list_class_detail

// ---- TChangeLink

TChangeLink::~TChangeLink() {
    if (FSender != nullptr) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
    OnChange(FSender);
}

// ---- TCustomImageList

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(TComponent* AOwner, int AWidth, int AHeight) : TComponent(AOwner) {
    if (AWidth < 1 || AHeight < 1) throw EInvalidOperation(SInvalidImageSize);
    FWidth = AWidth;
    FHeight = AHeight;
}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : FChangeLinks)
        link->SetSender(nullptr);
    FChangeLinks.clear();
    FreeHandle();
}

void TCustomImageList::FreeHandle() {
    if (FHandle != nullptr && !FShareImages) ImageList_Destroy(FHandle);
    FHandle = nullptr;
}

void TCustomImageList::CreateList() {
    FHandle = ImageList_Create(FWidth, FHeight, (FMasked ? ILC_MASK : 0) | ILC_COLOR32, FAllocBy, FAllocBy);
    ImageList_SetBkColor(FHandle, image_list_class_detail::ListColor(FBkColor));
}

HIMAGELIST TCustomImageList::Handle() {
    if (FHandle == nullptr) CreateList();
    return FHandle;
}

void TCustomImageList::SetHandle(HIMAGELIST Value) {
    if (Value == FHandle) return;
    FreeHandle();
    FHandle = Value;
    if (FHandle != nullptr) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(FHandle, &cx, &cy);
        FWidth = cx;
        FHeight = cy;
        FMasked = (ImageList_GetFlags(FHandle) & ILC_MASK) != 0;
        const COLORREF bk = ImageList_GetBkColor(FHandle);
        FBkColor = bk == CLR_NONE ? clNone : static_cast<TColor>(bk);
    }
    Change();
}

void TCustomImageList::Assign(TPersistent* Source) {
    auto* list = dynamic_cast<TCustomImageList*>(Source);
    if (list == nullptr) {
        TComponent::Assign(Source);
        return;
    }
    if (list == this) return;
    FreeHandle();
    FWidth = list->FWidth;
    FHeight = list->FHeight;
    FAllocBy = list->FAllocBy;
    FMasked = list->FMasked;
    FBkColor = list->FBkColor;
    FBlendColor = list->FBlendColor;
    FDrawingStyle = list->FDrawingStyle;
    FImageType = list->FImageType;
    FHandle = ImageList_Duplicate(list->Handle());
    Change();
}

void TCustomImageList::SetSize(int AWidth, int AHeight) {
    if (AWidth < 1 || AHeight < 1) throw EInvalidOperation(SInvalidImageSize);
    if (AWidth == FWidth && AHeight == FHeight) return;
    FWidth = AWidth;
    FHeight = AHeight;
    if (FHandle != nullptr) ImageList_SetIconSize(FHandle, FWidth, FHeight);
    Change();
}

void TCustomImageList::SetMasked(bool Value) {
    if (Value == FMasked) return;
    FMasked = Value;
    if (FHandle != nullptr) {
        // A list of the new kind takes the images over.
        HIMAGELIST old = FHandle;
        const bool shared = FShareImages;
        CreateList();
        IMAGEINFO info;
        if (ImageList_GetImageInfo(old, 0, &info)) ImageList_Add(FHandle, info.hbmImage, info.hbmMask);
        if (!shared) ImageList_Destroy(old);
        FShareImages = false;
    }
    Change();
}

void TCustomImageList::SetBkColor(TColor Value) {
    if (Value == FBkColor) return;
    FBkColor = Value;
    if (FHandle != nullptr) ImageList_SetBkColor(FHandle, image_list_class_detail::ListColor(Value));
    Change();
}

void TCustomImageList::SetBlendColor(TColor Value) {
    if (Value == FBlendColor) return;
    FBlendColor = Value;
    Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) {
    if (Value == FDrawingStyle) return;
    FDrawingStyle = Value;
    Change();
}

void TCustomImageList::SetImageType(TImageType Value) {
    if (Value == FImageType) return;
    FImageType = Value;
    Change();
}

int TCustomImageList::Count() {
    return FHandle != nullptr ? ImageList_GetImageCount(FHandle) : 0;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
    if (Image == nullptr || Image->Empty()) return -1;
    const int index = ImageList_Add(Handle(), Image->Handle(),
                                    Mask != nullptr && !Mask->Empty() ? Mask->Handle() : nullptr);
    if (index >= 0) Change();
    return index;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (MaskColor == clNone) return Add(Image, nullptr);
    if (Image == nullptr || Image->Empty()) return -1;
    const int index = ImageList_AddMasked(Handle(), Image->Handle(), ColorToRGB(MaskColor));
    if (index >= 0) Change();
    return index;
}

void TCustomImageList::Insert(int Index, TBitmap* Image, TBitmap* Mask) {
    if (Index < 0 || Index > Count()) throw EInvalidOperation(SInsertImage);
    const int before = Count();
    const int added = Add(Image, Mask);
    if (added < 0) throw EInvalidOperation(SInsertImage);
    for (int i = 0; i < Count() - before; ++i)
        Move(added + i, Index + i);
}

void TCustomImageList::InsertMasked(int Index, TBitmap* Image, TColor MaskColor) {
    if (Index < 0 || Index > Count()) throw EInvalidOperation(SInsertImage);
    const int before = Count();
    const int added = AddMasked(Image, MaskColor);
    if (added < 0) throw EInvalidOperation(SInsertImage);
    for (int i = 0; i < Count() - before; ++i)
        Move(added + i, Index + i);
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
    if (Image == nullptr || Image->Empty() || Index < 0 || Index >= Count() ||
        !ImageList_Replace(Handle(), Index, Image->Handle(),
                           Mask != nullptr && !Mask->Empty() ? Mask->Handle() : nullptr))
        throw EInvalidOperation(SReplaceImage);
    Change();
}

void TCustomImageList::ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor) {
    if (NewImage == nullptr || NewImage->Empty() || Index < 0 || Index >= Count())
        throw EInvalidOperation(SReplaceImage);
    // The masked image is made in a scratch list of one image, then takes the place of the old one.
    HIMAGELIST scratch = ImageList_Create(FWidth, FHeight, ILC_MASK | ILC_COLOR32, 1, 1);
    const bool made = ImageList_AddMasked(scratch, NewImage->Handle(), ColorToRGB(MaskColor)) == 0;
    IMAGEINFO info;
    const bool ok = made && ImageList_GetImageInfo(scratch, 0, &info) &&
                    ImageList_Replace(Handle(), Index, info.hbmImage, info.hbmMask);
    ImageList_Destroy(scratch);
    if (!ok) throw EInvalidOperation(SReplaceImage);
    Change();
}

void TCustomImageList::Delete(int Index) {
    if (Index >= Count() || Index < -1) throw EInvalidOperation(SImageIndexError);
    if (FHandle != nullptr) ImageList_Remove(FHandle, Index);
    Change();
}

void TCustomImageList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    const int count = Count();
    if (CurIndex < 0 || CurIndex >= count || NewIndex < 0 || NewIndex >= count)
        throw EInvalidOperation(SImageIndexError);
    const int step = NewIndex > CurIndex ? 1 : -1;
    for (int i = CurIndex; i != NewIndex; i += step)
        ImageList_Copy(FHandle, i + step, FHandle, i, ILCF_SWAP);
    Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
    Draw(Canvas, X, Y, Index, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool Enabled) {
    if (Canvas == nullptr || FHandle == nullptr || Index < 0 || Index >= Count()) return;
    static constexpr UINT Styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
    UINT style = Styles[ADrawingStyle];
    if (AImageType == itMask) style |= ILD_MASK;
    DoDraw(Index, Canvas, X, Y, style, Enabled);
}

void TCustomImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) {
    HDC dc = Canvas->Handle();
    if (Enabled) {
        ImageList_DrawEx(FHandle, Index, dc, X, Y, 0, 0, image_list_class_detail::ListColor(FBkColor),
                         image_list_class_detail::ListColor(FBlendColor), Style);
        return;
    }
    // Disabled: the image's drawn, non-white pixels as a silhouette, in the 3-D highlight one pixel down and
    // right, then in the shadow colour in place.
    const std::size_t pixels = static_cast<std::size_t>(FWidth) * FHeight;
    std::vector<std::uint32_t> color(pixels);
    std::vector<std::uint8_t> opaque(pixels);
    bool alpha = false;
    if (!ImageList_ReadImage(FHandle, Index, color.data(), opaque.data(), &alpha)) return;
    for (TColor shade : {clBtnHighlight, clBtnShadow}) {
        const std::uint32_t pixel = ColorRefToPixel(ColorToRGB(shade), 0xFF);
        auto silhouette = std::make_shared<TSurface>(FWidth, FHeight);
        for (int y = 0; y < FHeight; ++y)
            for (int x = 0; x < FWidth; ++x) {
                const std::size_t p = static_cast<std::size_t>(y) * FWidth + x;
                if (opaque[p] && (color[p] & 0xFFFFFF) != 0xFFFFFF) silhouette->Row(y)[x] = pixel;
            }
        const int offset = shade == clBtnHighlight ? 1 : 0;
        image_list_class_detail::BlendOnto(dc, X + offset, Y + offset, silhouette);
    }
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
    if (Image == nullptr || FHandle == nullptr || Index < 0 || Index >= Count()) return false;
    const std::size_t pixels = static_cast<std::size_t>(FWidth) * FHeight;
    std::vector<std::uint32_t> color(pixels);
    std::vector<std::uint8_t> opaque(pixels);
    bool alpha = false;
    ImageList_ReadImage(FHandle, Index, color.data(), opaque.data(), &alpha);
    Image->SetPixelFormat(pf32bit);
    Image->SetSize(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        auto* row = static_cast<std::uint32_t*>(Image->ScanLine(y));
        for (int x = 0; x < FWidth; ++x) {
            const std::size_t p = static_cast<std::size_t>(y) * FWidth + x;
            row[x] = opaque[p] || alpha ? color[p] : 0;
        }
    }
    Image->SetModified(true);
    return true;
}

bool TCustomImageList::GetIcon(int Index, TIcon* Image) {
    if (Image == nullptr || FHandle == nullptr || Index < 0 || Index >= Count()) return false;
    Image->SetHandle(ImageList_GetIcon(FHandle, Index, ILD_NORMAL));
    return true;
}

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
    if (Value == nullptr) return;
    if (std::find(FChangeLinks.begin(), FChangeLinks.end(), Value) == FChangeLinks.end())
        FChangeLinks.push_back(Value);
    Value->SetSender(this);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
    auto it = std::find(FChangeLinks.begin(), FChangeLinks.end(), Value);
    if (it == FChangeLinks.end()) return;
    FChangeLinks.erase(it);
    Value->SetSender(nullptr);
}

void TCustomImageList::Change() {
    if (ComponentState().Contains(csDestroying)) return;
    // A link may unregister itself while hearing of the change.
    const auto links = FChangeLinks;
    for (TChangeLink* link : links)
        if (std::find(FChangeLinks.begin(), FChangeLinks.end(), link) != FChangeLinks.end()) link->Change();
    OnChange(this);
}

// ---- TDragImageList

namespace drag_image_detail {

constexpr const char* kWindowClass = "OlvaDragImage";

void EnsureWindowClass() {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kWindowClass, &existing)) return;
    WNDCLASS wc;
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = kWindowClass;
    RegisterClass(&wc);
}

} // namespace drag_image_detail

TDragImageList::~TDragImageList() {
    DestroyImageWindow();
}

bool TDragImageList::SetDragImage(int Index, int HotSpotX, int HotSpotY) {
    if (Index < 0 || Index >= Count()) return false;
    FDragIndex = Index;
    FDragHotspot = POINT{HotSpotX, HotSpotY};
    return true;
}

POINT TDragImageList::ScreenPosition(int X, int Y) const {
    RECT origin{};
    if (FDragWindow != nullptr) GetWindowRect(FDragWindow, &origin);
    return POINT{origin.left + X, origin.top + Y};
}

bool TDragImageList::BeginDrag(HWND Window, int X, int Y) {
    if (FDragIndex < 0 || FDragIndex >= Count()) return false;
    if (FDragging) EndDrag();
    FDragWindow = Window;
    FDragPos = ScreenPosition(X, Y);
    // The picture of the popup: the image with straight alpha made premultiplied, nothing where it is
    // transparent.
    const int w = Width(), h = Height();
    const std::size_t pixels = static_cast<std::size_t>(w) * h;
    std::vector<std::uint32_t> color(pixels);
    std::vector<std::uint8_t> opaque(pixels);
    bool alpha = false;
    ImageList_ReadImage(Handle(), FDragIndex, color.data(), opaque.data(), &alpha);
    auto picture = std::make_shared<TSurface>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t p = static_cast<std::size_t>(y) * w + x;
            const std::uint32_t a = opaque[p] ? (alpha ? color[p] >> 24 : 255u) : 0u;
            std::uint32_t out = a << 24;
            for (int c = 0; c < 3; ++c)
                out |= ((((color[p] >> (8 * c)) & 0xFF) * a + 127) / 255) << (8 * c);
            picture->Row(y)[x] = out;
        }
    drag_image_detail::EnsureWindowClass();
    const POINT topLeft{FDragPos.x - FDragHotspot.x, FDragPos.y - FDragHotspot.y};
    FDragging = true;
    FImageWindow = CreateWindowEx(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE |
                                      WS_EX_TOOLWINDOW,
                                  drag_image_detail::kWindowClass, "", WS_POPUP, topLeft.x, topLeft.y, w, h,
                                  nullptr, nullptr, nullptr, nullptr);
    if (FImageWindow == nullptr) {
        FDragging = false;
        return false;
    }
    HDC source = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = GdiCreateBitmapFromSurface(picture);
    HGDIOBJ old = SelectObject(source, bitmap);
    POINT position = topLeft, sourcePos{0, 0};
    SIZE size{w, h};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(FImageWindow, nullptr, &position, &size, source, &sourcePos, 0, &blend, ULW_ALPHA);
    SelectObject(source, old);
    DeleteObject(bitmap);
    DeleteDC(source);
    ShowWindow(FImageWindow, SW_SHOWNOACTIVATE);
    return true;
}

bool TDragImageList::DragMove(int X, int Y) {
    if (!FDragging) return false;
    FDragPos = ScreenPosition(X, Y);
    SetWindowPos(FImageWindow, HWND_TOPMOST, FDragPos.x - FDragHotspot.x, FDragPos.y - FDragHotspot.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void TDragImageList::HideDragImage() {
    if (FImageWindow != nullptr) ShowWindow(FImageWindow, SW_HIDE);
}

void TDragImageList::ShowDragImage() {
    if (FImageWindow != nullptr) ShowWindow(FImageWindow, SW_SHOWNOACTIVATE);
}

bool TDragImageList::EndDrag() {
    if (!FDragging) return false;
    DestroyImageWindow();
    FDragging = false;
    FDragWindow = nullptr;
    return true;
}

void TDragImageList::DestroyImageWindow() {
    if (FImageWindow != nullptr && IsWindow(FImageWindow)) DestroyWindow(FImageWindow);
    FImageWindow = nullptr;
}

RECT TDragImageList::DragRect() const {
    if (!FDragging) return RECT{};
    const int left = FDragPos.x - FDragHotspot.x, top = FDragPos.y - FDragHotspot.y;
    return RECT{left, top, left + Width(), top + Height()};
}
