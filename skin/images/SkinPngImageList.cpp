#include "skin/images/SkinPngImageList.h"

#include "imaging/buttons/PngFunctions.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"

TskPngImageItem::TskPngImageItem(TCollection* Collection)
    : TCollectionItem(Collection), FPngImage(std::make_unique<TskPngImage>()),
      FName(Format("PngImage%d", {Index()})) {
    if (TskPngImageList* list = List()) {
        TBitmap placeholder;
        placeholder.SetMonochrome(true);
        placeholder.SetSize(list->Width(), list->Height());
        list->Insert(Index(), &placeholder, nullptr);
    }
}

TskPngImageItem::~TskPngImageItem() {
    ReleasePlaceholder();
}

void TskPngImageItem::BeforeDestruction() {
    // Freeing takes the item out of its collection before the destructor runs: the index is known
    // only now.
    ReleasePlaceholder();
    TCollectionItem::BeforeDestruction();
}

void TskPngImageItem::ReleasePlaceholder() {
    if (FPlaceholderReleased) return;
    FPlaceholderReleased = true;
    TskPngImageList* list = List();
    const int index = Index();
    if (list && index >= 0 && index < list->Count()) list->Delete(index);
}

TskPngImageList* TskPngImageItem::List() const {
    auto* items = dynamic_cast<TskPngImageItems*>(Collection());
    return items ? items->List() : nullptr;
}

void TskPngImageItem::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TskPngImageItem*>(Source)) {
        FPngImage->Assign(other->FPngImage.get());
        FName = other->FName;
        return;
    }
    TCollectionItem::Assign(Source);
}

void TskPngImageItem::SetPngImage(TskPngImage* Value) {
    FPngImage->Assign(Value);
    Changed(true);
}

std::string TskPngImageItem::GetDisplayName() const {
    return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
}

TskPngImageItems::TskPngImageItems(TskPngImageList* AOwner)
    : TOwnedCollection(AOwner, CollectionItemClass<TskPngImageItem>()), FList(AOwner) {}

TskPngImageList::TskPngImageList(TComponent* AOwner)
    : TCustomImageList(AOwner), FPngImages(std::make_unique<TskPngImageItems>(this)) {}

TskPngImageList::~TskPngImageList() {
    FPngImages.reset();
}

void TskPngImageList::SetPngWidth(int Value) {
    if (Value == Width()) return;
    SetWidth(Value);
    SizeChanged();
}

void TskPngImageList::SetPngHeight(int Value) {
    if (Value == Height()) return;
    SetHeight(Value);
    SizeChanged();
}

void TskPngImageList::SizeChanged() {
    if (!ComponentState().Contains(csLoading)) FPngImages->Clear();
}

void TskPngImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT, bool Enabled) {
    // A paint must not fail: an index the images do not have draws nothing.
    if (Index < 0 || Index >= FPngImages->Count() || !Canvas) return;
    TskPngImage* image = FPngImages->Items(Index)->PngImage();
    const TRect rect{X, Y, X + Width(), Y + Height()};
    if (Enabled) {
        Canvas->StretchDraw(rect, image);
        return;
    }
    TskPngImage faded;
    faded.Assign(image);
    FadePngAlpha(faded, 127);
    Canvas->StretchDraw(rect, &faded);
}
