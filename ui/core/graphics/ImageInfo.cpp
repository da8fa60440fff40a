#include "ui/core/graphics/ImageInfo.h"

#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ImageList.h"

// ---- TuiImageInfo

TuiImageInfo::TuiImageInfo()
    : FImageBitmap(std::make_unique<TuiBitmap>()), FMaskBitmap(std::make_unique<TuiBitmap>()),
      FSystemMask(std::make_unique<TuiBitmap>()) {}

TuiImageInfo::~TuiImageInfo() = default;

void TuiImageInfo::Assign(TPersistent* Source) {
    if (auto* info = dynamic_cast<TuiImageInfo*>(Source)) {
        SetImage(info->Image());
        SetMask(info->Mask());
        FMaskColorValue = info->FMaskColorValue;
        return;
    }
    TPersistent::Assign(Source);
}

void TuiImageInfo::SetImage(TBitmap* AValue) {
    FImageBitmap->Assign(AValue);
    FImageBitmap->Handle();
}

void TuiImageInfo::SetMask(TBitmap* AValue) {
    FMaskBitmap->Assign(AValue);
    FMaskBitmap->Handle();
}

void TuiImageInfo::Dormant() {
    for (TuiBitmap* bitmap : {FImageBitmap.get(), FMaskBitmap.get()})
        if (!bitmap->Empty()) bitmap->Dormant();
}

// ---- TuiImageInfoItem

TuiImageInfoItem::TuiImageInfoItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FInfoRecord(std::make_unique<TuiImageInfo>()) {
    if (auto* collection = dynamic_cast<TuiImageInfoCollection*>(ACollection))
        SetCompressData(collection->CompressData());
}

TuiImageInfoItem::TuiImageInfoItem(TCollection* ACollection, TBitmap* AImage, TBitmap* AMask,
                                   TColor AMaskColor)
    : TuiImageInfoItem(ACollection) {
    SetImage(AImage);
    SetMask(AMask);
    SetMaskColor(AMaskColor);
}

TuiImageInfoItem::~TuiImageInfoItem() = default;

void TuiImageInfoItem::Assign(TPersistent* Source) {
    if (auto* item = dynamic_cast<TuiImageInfoItem*>(Source)) {
        FInfoRecord->Assign(item->FInfoRecord.get());
        return;
    }
    TCollectionItem::Assign(Source);
}

TBitmap* TuiImageInfoItem::Image() const {
    return FInfoRecord->Image();
}
void TuiImageInfoItem::SetImage(TBitmap* AValue) {
    FInfoRecord->SetImage(AValue);
}
TBitmap* TuiImageInfoItem::Mask() const {
    return FInfoRecord->Mask();
}
void TuiImageInfoItem::SetMask(TBitmap* AValue) {
    FInfoRecord->SetMask(AValue);
}
TColor TuiImageInfoItem::MaskColor() const {
    return FInfoRecord->MaskColor();
}
void TuiImageInfoItem::SetMaskColor(TColor AValue) {
    FInfoRecord->SetMaskColor(AValue);
}

bool TuiImageInfoItem::CompressData() const {
    return FInfoRecord->Image()->CompressData() && FInfoRecord->Mask()->CompressData();
}

void TuiImageInfoItem::SetCompressData(bool AValue) {
    if (AValue == CompressData()) return;
    FInfoRecord->Image()->SetCompressData(AValue);
    FInfoRecord->Mask()->SetCompressData(AValue);
}

// ---- TuiImageInfoCollection

TuiImageInfoCollection::TuiImageInfoCollection(TuiImageList* AOwnerList)
    : TCollection(CollectionItemClass<TuiImageInfoItem>()), FOwnerList(AOwnerList) {}

TuiImageInfoItem* TuiImageInfoCollection::Add(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
    auto* item = static_cast<TuiImageInfoItem*>(TCollection::Add());
    item->SetImage(AImage);
    item->SetMask(AMask);
    item->SetMaskColor(AMaskColor);
    return item;
}

void TuiImageInfoCollection::Delete(int AIndex) {
    if (AIndex == -1)
        Clear();
    else
        TCollection::Delete(AIndex);
}

TPersistent* TuiImageInfoCollection::GetOwner() {
    return FOwnerList;
}

void TuiImageInfoCollection::SetCompressData(bool AValue) {
    if (AValue == FCompressed) return;
    FCompressed = AValue;
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetCompressData(AValue);
}
