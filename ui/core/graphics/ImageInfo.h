// The stored information of one image-list image (image bitmap, mask bitmap, mask colour), the
// collection item that carries it, and the collection an image list keeps of them.
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/vcl/Graphics.h"

#include <memory>

class TBitmap;
class TuiBitmap;
class TuiImageList;

class TuiImageInfo : public TPersistent {
public:
    TuiImageInfo();
    ~TuiImageInfo() override;

    // From another TuiImageInfo: image, mask and mask colour.
    void Assign(TPersistent* Source) override;
    // The bitmap takes a copy of AValue and makes its handle at once.
    virtual void SetImage(TBitmap* AValue);
    virtual void SetMask(TBitmap* AValue);

    TuiBitmap* Image() const { return FImageBitmap.get(); }
    TuiBitmap* Mask() const { return FMaskBitmap.get(); }
    TColor MaskColor() const { return FMaskColorValue; }
    void SetMaskColor(TColor AValue) { FMaskColorValue = AValue; }
    // The system list's mask of this image, kept once fetched (used when Mask is empty).
    TuiBitmap* SystemMask() const { return FSystemMask.get(); }
    // Image and mask keep only their pixels (no GDI handles) until used again.
    void Dormant();

private:
    std::unique_ptr<TuiBitmap> FImageBitmap;
    std::unique_ptr<TuiBitmap> FMaskBitmap;
    TColor FMaskColorValue = clNone;
    std::unique_ptr<TuiBitmap> FSystemMask;
};

class TuiImageInfoItem : public TCollectionItem {
public:
    // Takes the collection's compress flag.
    explicit TuiImageInfoItem(TCollection* ACollection);
    TuiImageInfoItem(TCollection* ACollection, TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
    ~TuiImageInfoItem() override;

    void Assign(TPersistent* Source) override;

    TuiImageInfo* ImageInfo() const { return FInfoRecord.get(); }
    TBitmap* Image() const;
    void SetImage(TBitmap* AValue);
    TBitmap* Mask() const;
    void SetMask(TBitmap* AValue);
    TColor MaskColor() const;
    void SetMaskColor(TColor AValue);
    // True only when both the image and the mask write the compressed stream form.
    bool CompressData() const;
    void SetCompressData(bool AValue);

private:
    std::unique_ptr<TuiImageInfo> FInfoRecord;
};

class TuiImageInfoCollection : public TCollection {
public:
    explicit TuiImageInfoCollection(TuiImageList* AOwnerList);

    TuiImageInfoItem* Add(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
    // Index -1 clears the collection.
    void Delete(int AIndex);
    TuiImageInfoItem* Items(int AIndex) const {
        return static_cast<TuiImageInfoItem*>(TCollection::Items(AIndex));
    }

    TPersistent* GetOwner() override;
    TuiImageList* OwnerList() const { return FOwnerList; }
    bool CompressData() const { return FCompressed; }
    // Applies a new value to every item.
    void SetCompressData(bool AValue);

private:
    TuiImageList* FOwnerList;
    bool FCompressed = false;
};
