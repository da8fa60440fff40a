#include "skin/data/CompressedSkinList.h"

#include "platform/rtl/Format.h"

TskSkinListItem::TskSkinListItem(TCollection* Collection)
    : TCollectionItem(Collection), FSkin(std::make_unique<TskCompressedStoredSkin>(nullptr)),
      FName(Format("skSkin%d", {Index()})) {}

TskSkinListItem::~TskSkinListItem() = default;

void TskSkinListItem::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TskSkinListItem*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = source->FName;
    FSkin->SetDescription(source->Description());
    FSkin->ChangeFileName(source->FileName(), false);
    FSkin->ChangeCompressedFileName(source->CompressedFileName(), false);
    FSkin->CompressedStream().LoadFromStream(&source->FSkin->CompressedStream());
}

bool TskSkinListItem::ListDesigning() const {
    auto* items = dynamic_cast<TskSkinListItems*>(Collection());
    if (!items || !items->List()) return false;
    const TComponentState state = items->List()->ComponentState();
    return state.Contains(csDesigning) && !state.Contains(csLoading);
}

void TskSkinListItem::SetFileName(const std::string& Value) {
    FSkin->ChangeFileName(Value, ListDesigning());
}

void TskSkinListItem::SetCompressedFileName(const std::string& Value) {
    FSkin->ChangeCompressedFileName(Value, ListDesigning());
}

TskSkinListItems::TskSkinListItems(TskCompressedSkinList* AOwner)
    : TOwnedCollection(AOwner, CollectionItemClass<TskSkinListItem>()), FList(AOwner) {}

TskCompressedSkinList::TskCompressedSkinList(TComponent* AOwner)
    : TComponent(AOwner), FSkins(std::make_unique<TskSkinListItems>(this)) {}

TskCompressedSkinList::~TskCompressedSkinList() = default;
