// TuiImageList: an image list whose 32-bit images keep their per-pixel alpha through streaming and
// drawing. Next to the window system's list it keeps one TuiImageInfo (image, mask, mask colour) per
// image; that collection is what the list stores, and every image is drawn through uiDrawImage.
//
// Outside updates the system list and the collection hold the same images in the same order. A change
// that finds a different number of images rebuilds the collection from the system list; one made past
// this class's own methods that keeps the number (the base class's Replace or Move, called through a
// TCustomImageList) is found by the system images' fingerprints: items whose image moved go with it,
// items whose image was replaced are made again from the system list, and the others stay as they are.
//
// Stored properties (WriteProperties / ReadProperties). This is the layout the assets generator writes
// the program's image lists in. Integers are little-endian; a name is one length byte followed by that
// many bytes of text. The stream is a run of named properties ended by an empty name (one 0 byte):
//
//   "FormatVersion"  Int32, always 1, always written first
//   "DesignInfo"     Int32, the designer's value (written always)
//   "ImageInfo"      written when the list holds at least one image: an Int32 item count, then per item
//                    a run of named item properties ended by an empty name:
//                      "Image.Data"  Int32 byte count, then the image bitmap's "Data" (a 4-byte length
//                                    and a BMP file, or the "XDBM" form of BitmapStream.h when
//                                    CompressData is set); written when the image is not empty
//                      "Mask.Data"   the same for the mask bitmap; written when the mask is not empty
//                      "MaskColor"   Int32 colour; written when not clNone (the default)
//
// The list's Width and Height are not part of it: set them before reading, as a form sets its
// published properties first. Reading "ImageInfo" replaces the images: the system list is rebuilt from
// the items, and an item whose image the system list cannot take is dropped. A damaged stream raises
// (EReadError or EInvalidGraphic) and leaves the images as they were.
#pragma once

#include "platform/vcl/ImageList.h"
#include "ui/core/graphics/ImageInfo.h"

#include <cstdint>
#include <memory>
#include <vector>

class TStream;
class TuiImageInfoItem;

class TuiImageList : public TDragImageList {
public:
    explicit TuiImageList(TComponent* AOwner);
    TuiImageList(TComponent* AOwner, int AWidth, int AHeight);
    ~TuiImageList() override;

    // Only from another image list: its images (a TuiImageList's stored information, any other list's
    // images and masks) replace this list's.
    void Assign(TPersistent* Source) override;

    // The image (cut into cells when it spans several) with its mask (null: nothing transparent);
    // returns the system list's index or -1.
    int Add(TBitmap* AImage, TBitmap* AMask);
    // The image with the pixels of AMaskColor transparent (clNone: nothing transparent).
    int AddMasked(TBitmap* AImage, TColor AMaskColor);
    int AddFromInfo(TuiImageInfo* AInfo);
    // Index -1 deletes every image.
    void Delete(int AIndex);
    void Clear() { Delete(-1); }

    void BeginUpdate() { ++FUpdateLock; }
    // The outermost EndUpdate notifies once.
    void EndUpdate();
    // Ends an update without notifying.
    void CancelUpdate();

    // Sizes are at least 1; a new size empties the list.
    void SetWidth(int AValue);
    void SetHeight(int AValue);
    void SetSize(int AWidth, int AHeight);

    bool CompressData() const { return FStored->CompressData(); }
    void SetCompressData(bool AValue) { FStored->SetCompressData(AValue); }
    TuiImageInfoCollection* StoredImages() const { return FStored.get(); }
    int DesignInfo() const { return FDesignValue; }
    void SetDesignInfo(int AValue) { FDesignValue = AValue; }
    int StreamVersion() const { return FStreamVersion; }
    bool UseAlphaDrawing() const { return FUseAlphaDrawing; }

    // Image AIndex into AImage and its mask into AMask (either may be null); an index outside the list
    // does nothing.
    void FetchImageAndMask(int AIndex, TBitmap* AImage, TBitmap* AMask);
    static void FetchImageAndMask(TCustomImageList* AImages, int AIndex, TBitmap* AImage, TBitmap* AMask);
    // From a system list; index -1 copies the whole strip.
    static void FetchImageAndMask(HIMAGELIST AHandle, int AIndex, TBitmap* AImage, TBitmap* AMask);
    // Bits per pixel of the system list's image bitmap; 0 when it cannot be read.
    static int GetBitsPerPixel(HIMAGELIST AHandle);

    void WriteProperties(TStream* AStream);
    void ReadProperties(TStream* AStream);

protected:
    void Change() override;
    void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override;

private:
    void AddToInternalCollection(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor);
    // The collection again from the system list.
    void RebuildStoredImages();
    // The system list again from the collection.
    void RebuildSystemImages();
    // A new item (at the end) made from system image AIndex.
    TuiImageInfoItem* AddStoredFromSystem(int AIndex);
    // A fingerprint of system image AIndex (pixels and mask); never 0, which stands for "unknown".
    std::uint64_t SystemImagePrint(int AIndex);
    // Records the system images from AFrom on as the ones the collection's items match.
    void RememberSystemImages(int AFrom);
    // Brings the collection in step with a system list of the same number of images changed past this
    // class.
    void FollowSystemImages();

    std::unique_ptr<TuiImageInfoCollection> FStored;
    // The fingerprints of the system images the collection's items match, in their order.
    std::vector<std::uint64_t> FSystemPrints;
    bool FUseAlphaDrawing = false;
    bool FRebuilding = false;
    int FUpdateLock = 0;
    int FStreamVersion = 0;
    int FDesignValue = 0;
};
