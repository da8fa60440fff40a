// A list of packed skins kept with a form: each entry holds one skin's packed bytes, stored in the form
// as its "Skin" data in the container layout.
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/rtl/Component.h"
#include "skin/data/CompressedSkin.h"

#include <memory>
#include <string>

class TskCompressedSkinList;

class TskSkinListItem : public TCollectionItem {
public:
    // Named "skSkin<index>".
    explicit TskSkinListItem(TCollection* Collection);
    ~TskSkinListItem() override;

    void Assign(TPersistent* Source) override;

    const std::string& Description() const { return FSkin->Description(); }
    void SetDescription(const std::string& Value) { FSkin->SetDescription(Value); }
    const std::string& FileName() const { return FSkin->FileName(); }
    // As the stored skin's setters, while the list component is designed.
    void SetFileName(const std::string& Value);
    const std::string& CompressedFileName() const { return FSkin->CompressedFileName(); }
    void SetCompressedFileName(const std::string& Value);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }

    TskCompressedStoredSkin* StoredSkin() const { return FSkin.get(); }

    // The "Skin" property: the container of the packed bytes.
    void ReadSkin(TStream* Stream) { FSkin->LoadFromCompressedStream(Stream); }
    void WriteSkin(TStream* Stream) { FSkin->SaveToCompressedStream(Stream); }

protected:
    std::string GetDisplayName() const override { return FName; }

private:
    bool ListDesigning() const;

    std::unique_ptr<TskCompressedStoredSkin> FSkin;
    std::string FName;
};

class TskSkinListItems : public TOwnedCollection {
public:
    explicit TskSkinListItems(TskCompressedSkinList* AOwner);
    TskSkinListItem* Items(int Index) const {
        return static_cast<TskSkinListItem*>(TCollection::Items(Index));
    }
    TskSkinListItem* Add() { return static_cast<TskSkinListItem*>(TCollection::Add()); }
    TskCompressedSkinList* List() const { return FList; }

private:
    TskCompressedSkinList* FList;
};

class TskCompressedSkinList : public TComponent {
public:
    explicit TskCompressedSkinList(TComponent* AOwner);
    ~TskCompressedSkinList() override;

    TskSkinListItems* Skins() const { return FSkins.get(); }
    // Copies the items.
    void SetSkins(TskSkinListItems* Value) { FSkins->Assign(Value); }

private:
    std::unique_ptr<TskSkinListItems> FSkins;
};
