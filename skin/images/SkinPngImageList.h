// An image list of PNG images with alpha. The images live in a collection; the class library's list
// underneath holds one placeholder per image, at the same index, so that everything that counts or
// checks indexes of image lists keeps working. Disabled images are drawn faded.
#pragma once

#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/Collection.h"
#include "platform/vcl/ImageList.h"

#include <memory>
#include <string>

class TskPngImageList;

class TskPngImageItem : public TCollectionItem {
public:
    // Named "PngImage<index>"; a placeholder of the list's size joins the list at the item's index.
    explicit TskPngImageItem(TCollection* Collection);
    // The placeholder at the item's index leaves the list with it (when freed or deleted).
    ~TskPngImageItem() override;
    void BeforeDestruction() override;

    void Assign(TPersistent* Source) override;

    TskPngImage* PngImage() const { return FPngImage.get(); }
    void SetPngImage(TskPngImage* Value);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }

protected:
    std::string GetDisplayName() const override;

private:
    TskPngImageList* List() const;
    void ReleasePlaceholder();

    std::unique_ptr<TskPngImage> FPngImage;
    std::string FName;
    bool FPlaceholderReleased = false;
};

class TskPngImageItems : public TOwnedCollection {
public:
    explicit TskPngImageItems(TskPngImageList* AOwner);
    TskPngImageItem* Items(int Index) const {
        return static_cast<TskPngImageItem*>(TCollection::Items(Index));
    }
    TskPngImageItem* Add() { return static_cast<TskPngImageItem*>(TCollection::Add()); }
    TskPngImageList* List() const { return FList; }

private:
    TskPngImageList* FList;
};

class TskPngImageList : public TCustomImageList {
public:
    explicit TskPngImageList(TComponent* AOwner);
    ~TskPngImageList() override;

    TskPngImageItems* PngImages() const { return FPngImages.get(); }
    void SetPngImages(TskPngImageItems* Value) { FPngImages->Assign(Value); }
    int PngWidth() const { return Width(); }
    int PngHeight() const { return Height(); }
    // A new size empties the list and, unless the form is loading, the images.
    void SetPngWidth(int Value);
    void SetPngHeight(int Value);

protected:
    // The image at Index drawn into (X, Y, X + Width, Y + Height) with its alpha; faded when
    // disabled. An index outside the images draws nothing.
    void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override;

private:
    void SizeChanged();

    std::unique_ptr<TskPngImageItems> FPngImages;
};
