#include "ui/core/graphics/ImageList.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ImageDrawing.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace image_list_detail {

// Runs the list's EndUpdate on every way out of a bracket.
class TUpdateBracket {
public:
    explicit TUpdateBracket(TuiImageList* AList) : FList(AList) { FList->BeginUpdate(); }
    ~TUpdateBracket() noexcept(false) {
        // An exception already on its way leaves the list locked rather than notifying half-done work.
        if (std::uncaught_exceptions() > FUncaught)
            FList->CancelUpdate();
        else
            FList->EndUpdate();
    }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
    TuiImageList* FList;
    int FUncaught = std::uncaught_exceptions();
};

// Copies ASource's pixels into ADest, sized to ASource, keeping ADest's pixel format.
void CopyPixels(TBitmap* ADest, TBitmap* ASource) {
    ADest->SetSize(ASource->Width(), ASource->Height());
    if (ASource->Empty()) return;
    uiPaintBitmap(ADest->Canvas()->Handle(), ASource, TRect{0, 0, ASource->Width(), ASource->Height()});
}

// A copy of ASource (a system list's bitmap, which must not be kept) as a DIB section.
std::unique_ptr<TBitmap> CopyOfListBitmap(HBITMAP ASource) {
    auto copy = std::make_unique<TBitmap>();
    copy->SetHandle(static_cast<HBITMAP>(CopyImage(ASource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return copy;
}

// A system list's bitmap selected into a memory DC of its own for the lifetime of one read, so that a
// cell can be copied straight out of it without copying the whole strip first.
class TListBitmapDC {
public:
    explicit TListBitmapDC(HBITMAP ABitmap) : FDC(CreateCompatibleDC(nullptr)) {
        if (FDC != nullptr) FPrevious = SelectObject(FDC, ABitmap);
    }
    ~TListBitmapDC() {
        if (FDC == nullptr) return;
        SelectObject(FDC, FPrevious);
        DeleteDC(FDC);
    }
    TListBitmapDC(const TListBitmapDC&) = delete;
    TListBitmapDC& operator=(const TListBitmapDC&) = delete;
    // Null when the bitmap could not be selected.
    HDC Handle() const { return FPrevious != nullptr ? FDC : nullptr; }

private:
    HDC FDC;
    HGDIOBJ FPrevious = nullptr;
};

void CopyFromListBitmap(HBITMAP ASource, const RECT& AImageRect, bool AWholeStrip, TBitmap* ADest) {
    if (AWholeStrip) {
        ADest->Assign(CopyOfListBitmap(ASource).get());
        return;
    }
    ADest->SetSize(uiWidthOfRect(AImageRect), uiHeightOfRect(AImageRect));
    if (ADest->Empty()) return;
    const TRect whole{0, 0, ADest->Width(), ADest->Height()};
    const TPoint from{AImageRect.left, AImageRect.top};
    // One image costs one cell: the list's bitmap is read in place and never kept.
    const TListBitmapDC source(ASource);
    if (source.Handle() != nullptr) {
        uiBlitRect(ADest->Canvas()->Handle(), source.Handle(), whole, SRCCOPY, from);
    } else {
        // Selected into a DC elsewhere, it can only be read through a copy.
        std::unique_ptr<TBitmap> copy = CopyOfListBitmap(ASource);
        if (copy->Empty()) return;
        uiBlitRect(ADest->Canvas()->Handle(), copy->Canvas()->Handle(), whole, SRCCOPY, from);
    }
    ADest->SetModified(true);
}

} // namespace image_list_detail

TuiImageList::TuiImageList(TComponent* AOwner) : TDragImageList(AOwner) {
    BeginUpdate();
    FStored = std::make_unique<TuiImageInfoCollection>(this);
    FUseAlphaDrawing = true;
    SetHandle(ImageList_Create(Width(), Height(), ILC_COLOR32 | ILC_MASK, AllocBy(), AllocBy()));
    CancelUpdate();
}

TuiImageList::TuiImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TDragImageList(AOwner, AWidth, AHeight) {
    BeginUpdate();
    FStored = std::make_unique<TuiImageInfoCollection>(this);
    FUseAlphaDrawing = true;
    SetHandle(ImageList_Create(Width(), Height(), ILC_COLOR32 | ILC_MASK, AllocBy(), AllocBy()));
    CancelUpdate();
}

TuiImageList::~TuiImageList() {
    FStored.reset();
}

// ---- Adding and deleting

int TuiImageList::Add(TBitmap* AImage, TBitmap* AMask) {
    HBITMAP image = AImage != nullptr ? AImage->Handle() : nullptr;
    HBITMAP mask = AMask != nullptr && !AMask->Empty() ? AMask->Handle() : nullptr;
    const int index = ImageList_Add(Handle(), image, mask);
    if (!FRebuilding && index != -1) {
        AddToInternalCollection(AImage, AMask, clNone);
        RememberSystemImages(index);
    }
    Change();
    return index;
}

int TuiImageList::AddMasked(TBitmap* AImage, TColor AMaskColor) {
    if (AMaskColor == clNone) return Add(AImage, nullptr);
    image_list_detail::TUpdateBracket update(this);
    int index =
        ImageList_AddMasked(Handle(), AImage != nullptr ? AImage->Handle() : nullptr, ColorToRGB(AMaskColor));
    if (index >= Count()) index = -1;
    if (!FRebuilding && index != -1) {
        AddToInternalCollection(AImage, nullptr, AMaskColor);
        RememberSystemImages(index);
    }
    return index;
}

int TuiImageList::AddFromInfo(TuiImageInfo* AInfo) {
    if (AInfo->Mask() != nullptr && !AInfo->Mask()->Empty()) return Add(AInfo->Image(), AInfo->Mask());
    return AddMasked(AInfo->Image(), AInfo->MaskColor());
}

void TuiImageList::Delete(int AIndex) {
    image_list_detail::TUpdateBracket update(this);
    TDragImageList::Delete(AIndex);
    if (!FRebuilding && AIndex < FStored->Count()) FStored->Delete(AIndex);
    if (AIndex == -1)
        FSystemPrints.clear();
    else if (AIndex < int(FSystemPrints.size()))
        FSystemPrints.erase(FSystemPrints.begin() + AIndex);
}

void TuiImageList::AddToInternalCollection(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
    const int w = Width(), h = Height();
    const bool hasMask = AMask != nullptr && !AMask->Empty();
    const int columns = AImage->Width() / w, rows = AImage->Height() / h;
    const bool cells = AImage->Width() % w == 0 && AImage->Height() % h == 0 && columns * rows > 1;
    if (!cells) {
        FStored->Add(AImage, hasMask ? AMask : nullptr, AMaskColor)->ImageInfo()->Dormant();
        return;
    }
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const TRect cell{0, 0, w, h};
            const TPoint from{column * w, row * h};
            TuiBitmap image(w, h, AImage->PixelFormat());
            image.CopyBitmapRect(AImage, cell, SRCCOPY, from);
            std::unique_ptr<TuiBitmap> mask;
            if (hasMask) {
                mask = std::make_unique<TuiBitmap>(w, h, AMask->PixelFormat());
                mask->CopyBitmapRect(AMask, cell, SRCCOPY, from);
            }
            FStored->Add(&image, mask.get(), AMaskColor)->ImageInfo()->Dormant();
        }
}

// ---- Updates and size

void TuiImageList::EndUpdate() {
    if (FUpdateLock == 0) return;
    if (--FUpdateLock == 0) Change();
}

void TuiImageList::CancelUpdate() {
    if (FUpdateLock > 0) --FUpdateLock;
}

void TuiImageList::SetWidth(int AValue) {
    SetSize(AValue, Height());
}

void TuiImageList::SetHeight(int AValue) {
    SetSize(Width(), AValue);
}

void TuiImageList::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 1);
    AHeight = std::max(AHeight, 1);
    if (AWidth == Width() && AHeight == Height()) return;
    image_list_detail::TUpdateBracket update(this);
    Clear();
    TDragImageList::SetSize(AWidth, AHeight);
}

// ---- Keeping the two stores in step

void TuiImageList::Change() {
    if (FUpdateLock > 0 || !FStored) return;
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csReading) || state.Contains(csDestroying)) return;
    // A rebuilt collection is a change as well: the list's users hear of it too.
    if (Count() != FStored->Count())
        RebuildStoredImages();
    else
        FollowSystemImages();
    TDragImageList::Change();
}

void TuiImageList::RebuildStoredImages() {
    FStored->BeginUpdate();
    FStored->Clear();
    for (int i = 0; i < Count(); ++i)
        AddStoredFromSystem(i);
    FStored->EndUpdate();
    RememberSystemImages(0);
}

TuiImageInfoItem* TuiImageList::AddStoredFromSystem(int AIndex) {
    TuiBitmap image(Width(), Height(), pf32bit);
    TuiBitmap mask(Width(), Height(), pf1bit);
    FetchImageAndMask(Handle(), AIndex, &image, &mask);
    return FStored->Add(&image, &mask, clNone);
}

std::uint64_t TuiImageList::SystemImagePrint(int AIndex) {
    const std::size_t pixels = std::size_t(Width()) * std::size_t(Height());
    std::vector<std::uint32_t> color(pixels);
    std::vector<std::uint8_t> opaque(pixels);
    bool hasAlpha = false;
    if (!ImageList_ReadImage(Handle(), AIndex, color.data(), opaque.data(), &hasAlpha)) return 0;
    const std::hash<std::string_view> hash;
    const std::uint64_t colorPrint =
        hash(std::string_view(reinterpret_cast<const char*>(color.data()), pixels * sizeof(std::uint32_t)));
    const std::uint64_t maskPrint =
        hash(std::string_view(reinterpret_cast<const char*>(opaque.data()), pixels));
    return (colorPrint * 0x100000001B3ull ^ maskPrint) | 1;
}

void TuiImageList::RememberSystemImages(int AFrom) {
    FSystemPrints.resize(std::size_t(std::max(AFrom, 0)), 0);
    for (int i = AFrom; i < Count(); ++i)
        FSystemPrints.push_back(SystemImagePrint(i));
}

void TuiImageList::FollowSystemImages() {
    const int count = Count();
    std::vector<std::uint64_t> now(std::size_t(count), 0);
    for (int i = 0; i < count; ++i)
        now[std::size_t(i)] = SystemImagePrint(i);
    if (now == FSystemPrints) return;
    FSystemPrints.resize(std::size_t(count), 0);
    // Each system image takes the item that matched it before: the one at its own place when that is
    // still the same image, else the first untaken item that matched the same image elsewhere (a move).
    std::vector<TuiImageInfoItem*> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items[std::size_t(i)] = FStored->Items(i);
    std::vector<TuiImageInfoItem*> order(std::size_t(count), nullptr);
    std::vector<bool> taken(std::size_t(count), false);
    auto take = [&](std::size_t to, std::size_t from) {
        order[to] = items[from];
        taken[from] = true;
    };
    for (std::size_t i = 0; i < now.size(); ++i)
        if (now[i] != 0 && FSystemPrints[i] == now[i]) take(i, i);
    for (std::size_t i = 0; i < now.size(); ++i)
        for (std::size_t j = 0; j < now.size() && !order[i]; ++j)
            if (!taken[j] && now[i] != 0 && FSystemPrints[j] == now[i]) take(i, j);
    // The rest were replaced: their items go, and new ones are made from the system images.
    FStored->BeginUpdate();
    for (std::size_t j = 0; j < items.size(); ++j)
        if (!taken[j]) delete items[j];
    for (std::size_t i = 0; i < order.size(); ++i)
        if (!order[i]) order[i] = AddStoredFromSystem(int(i));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i]->SetIndex(int(i));
    FStored->EndUpdate();
    FSystemPrints = std::move(now);
}

void TuiImageList::RebuildSystemImages() {
    image_list_detail::TUpdateBracket update(this);
    FRebuilding = true;
    try {
        ImageList_Remove(Handle(), -1);
        for (int i = 0; i < FStored->Count();) {
            TuiImageInfo* info = FStored->Items(i)->ImageInfo();
            if (AddFromInfo(info) == -1) {
                FStored->Delete(i);
                continue;
            }
            info->Dormant();
            ++i;
        }
    } catch (...) {
        FRebuilding = false;
        throw;
    }
    FRebuilding = false;
    RememberSystemImages(0);
}

// ---- Reading images back

void TuiImageList::FetchImageAndMask(int AIndex, TBitmap* AImage, TBitmap* AMask) {
    if (AIndex < 0 || AIndex >= Count()) return;
    if (AIndex >= FStored->Count()) {
        FetchImageAndMask(Handle(), AIndex, AImage, AMask);
        return;
    }
    TuiImageInfo* info = FStored->Items(AIndex)->ImageInfo();
    if (ovGetBitsPerPixel(info->Image()) != 32) {
        FetchImageAndMask(Handle(), AIndex, AImage, AMask);
        return;
    }
    if (AImage != nullptr) {
        image_list_detail::CopyPixels(AImage, info->Image());
        AImage->SetModified(true);
    }
    if (AMask != nullptr) {
        TBitmap* mask = info->Mask();
        if (mask->Empty()) {
            if (info->SystemMask()->Empty()) FetchImageAndMask(Handle(), AIndex, nullptr, info->SystemMask());
            mask = info->SystemMask();
        }
        image_list_detail::CopyPixels(AMask, mask);
    }
    info->Image()->Dormant();
}

void TuiImageList::FetchImageAndMask(TCustomImageList* AImages, int AIndex, TBitmap* AImage, TBitmap* AMask) {
    if (AImages == nullptr) return;
    if (auto* list = dynamic_cast<TuiImageList*>(AImages))
        list->FetchImageAndMask(AIndex, AImage, AMask);
    else
        FetchImageAndMask(AImages->Handle(), AIndex, AImage, AMask);
}

void TuiImageList::FetchImageAndMask(HIMAGELIST AHandle, int AIndex, TBitmap* AImage, TBitmap* AMask) {
    IMAGEINFO info;
    const bool wholeStrip = AIndex == -1;
    if (!ImageList_GetImageInfo(AHandle, wholeStrip ? 0 : AIndex, &info)) return;
    if (AMask != nullptr) {
        if (info.hbmMask != nullptr) {
            image_list_detail::CopyFromListBitmap(info.hbmMask, info.rcImage, wholeStrip, AMask);
        } else {
            AMask->SetSize(uiWidthOfRect(info.rcImage), uiHeightOfRect(info.rcImage));
            if (!AMask->Empty()) {
                const RECT whole{0, 0, AMask->Width(), AMask->Height()};
                ::FillRect(AMask->Canvas()->Handle(), &whole,
                           static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            }
        }
    }
    if (AImage != nullptr && info.hbmImage != nullptr)
        image_list_detail::CopyFromListBitmap(info.hbmImage, info.rcImage, wholeStrip, AImage);
}

int TuiImageList::GetBitsPerPixel(HIMAGELIST AHandle) {
    IMAGEINFO info;
    BITMAP data;
    if (!ImageList_GetImageInfo(AHandle, 0, &info) || !ovGetBitmapData(info.hbmImage, data)) return 0;
    return data.bmBitsPixel;
}

// ---- Assigning and drawing

void TuiImageList::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TCustomImageList*>(Source);
    if (source == nullptr || source == this) return;
    image_list_detail::TUpdateBracket update(this);
    TDragImageList::Assign(Source);
    Clear();
    if (auto* list = dynamic_cast<TuiImageList*>(source)) {
        for (int i = 0; i < list->FStored->Count(); ++i)
            AddFromInfo(list->FStored->Items(i)->ImageInfo());
        return;
    }
    for (int i = 0; i < source->Count(); ++i) {
        TBitmap image;
        image.SetPixelFormat(pf32bit);
        TBitmap mask;
        mask.SetPixelFormat(pf1bit);
        FetchImageAndMask(source->Handle(), i, &image, &mask);
        Add(&image, &mask);
    }
}

void TuiImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT /*Style*/, bool Enabled) {
    TRect r{X, Y, X + Width(), Y + Height()};
    uiDrawImage(Canvas->Handle(), r, r, nullptr, this, Index, Enabled ? gdmNormal : gdmDisabled, false,
                nullptr, clNone, true);
}
