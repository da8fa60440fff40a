// Image lists as components: TCustomImageList over the window system's image list, with change links
// for the controls that show its images, and TDragImageList/TImageList on top.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/ImageListApi.h"

#include <vector>

class TBitmap;
class TCanvas;
class TIcon;
class TCustomImageList;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

// A user's link to an image list: hears of every change of the list while registered with it.
class TChangeLink : public TObject {
public:
    TChangeLink() = default;
    ~TChangeLink() override;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TCustomImageList* Sender() const { return FSender; }
    void SetSender(TCustomImageList* Value) { FSender = Value; }
    virtual void Change();
    TNotifyEvent OnChange;

private:
    TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner);
    // A list of the given image size.
    TCustomImageList(TComponent* AOwner, int AWidth, int AHeight);
    ~TCustomImageList() override;

    void Assign(TPersistent* Source) override;

    // The window system's list (made on first use). Shared lists (ShareImages) are not destroyed.
    HIMAGELIST Handle();
    void SetHandle(HIMAGELIST Value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // A new size empties the list; sizes below 1 raise EInvalidOperation "Invalid image size".
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); }
    void SetSize(int AWidth, int AHeight);
    int AllocBy() const { return FAllocBy; }
    void SetAllocBy(int Value) { FAllocBy = Value; }
    bool Masked() const { return FMasked; }
    void SetMasked(bool Value);
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);
    // The colour selected and focused images are mixed with (clNone: the background shows through;
    // clDefault: the highlight colour).
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor Value);
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle Value);
    TImageType ImageType() const { return FImageType; }
    void SetImageType(TImageType Value);
    bool ShareImages() const { return FShareImages; }
    void SetShareImages(bool Value) { FShareImages = Value; }

    int Count();
    // Adds the image (several, when it is a multiple of Width wide) with its mask (null: opaque);
    // returns the first index, or -1 when the bitmap is narrower than one image.
    int Add(TBitmap* Image, TBitmap* Mask);
    // Adds the image with the pixels of MaskColor transparent (clNone: nothing transparent).
    int AddMasked(TBitmap* Image, TColor MaskColor);
    // Inserts before Index (0..Count); raises EInvalidOperation "Unable to insert an image" otherwise.
    void Insert(int Index, TBitmap* Image, TBitmap* Mask);
    void InsertMasked(int Index, TBitmap* Image, TColor MaskColor);
    // Raises EInvalidOperation "Unable to Replace Image" for a bad index or image.
    void Replace(int Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor);
    // Raises EInvalidOperation "Invalid ImageList Index" for an index outside 0..Count-1; -1 clears.
    void Delete(int Index);
    void Clear() { Delete(-1); }
    void Move(int CurIndex, int NewIndex);

    // Draws image Index at (X, Y) in the list's drawing style and image type; disabled images are drawn
    // as an embossed silhouette in the 3-D highlight and shadow colours.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
    void Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle, TImageType AImageType,
              bool Enabled = true);
    // Copies image Index into Image (resized to the list's size, 32 bits, alpha kept); false for a bad index.
    bool GetBitmap(int Index, TBitmap* Image);
    // Makes Image the icon of image Index; false for a bad index.
    bool GetIcon(int Index, TIcon* Image);

    void RegisterChanges(TChangeLink* Value);
    void UnRegisterChanges(TChangeLink* Value);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    virtual void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled);

private:
    void FreeHandle();
    void CreateList();

    HIMAGELIST FHandle = nullptr;
    int FWidth = 16;
    int FHeight = 16;
    int FAllocBy = 4;
    bool FMasked = true;
    TColor FBkColor = clNone;
    TColor FBlendColor = clNone;
    TDrawingStyle FDrawingStyle = dsNormal;
    TImageType FImageType = itImage;
    bool FShareImages = false;
    std::vector<TChangeLink*> FChangeLinks;
};

// An image list that can also show one of its images as the image of a drag operation: a layered popup
// window that follows the mouse above every other window and lets the mouse through.
class TDragImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
    ~TDragImageList() override;

    // Chooses the image shown while dragging and the point of it that follows the mouse.
    bool SetDragImage(int Index, int HotSpotX, int HotSpotY);
    int DragImageIndex() const { return FDragIndex; }
    POINT DragHotspot() const { return FDragHotspot; }
    // Starts showing the drag image. X, Y (and those of DragMove) are relative to the top-left corner of
    // Window's rectangle, or screen positions without a window. False without a valid drag image.
    bool BeginDrag(HWND Window, int X, int Y);
    bool DragMove(int X, int Y);
    // Hides and forgets the drag image.
    bool EndDrag();
    // Hide and show the image during a drag, as while the windows below repaint.
    void HideDragImage();
    void ShowDragImage();
    bool Dragging() const { return FDragging; }
    HWND DragWindow() const { return FDragWindow; }
    // The popup showing the image (null while not dragging).
    HWND ImageWindow() const { return FImageWindow; }
    // The rectangle the drag image covers now (screen coordinates); empty while not dragging.
    RECT DragRect() const;

private:
    POINT ScreenPosition(int X, int Y) const;
    void DestroyImageWindow();

    int FDragIndex = -1;
    POINT FDragHotspot{};
    POINT FDragPos{}; // screen position of the hot spot
    bool FDragging = false;
    HWND FDragWindow = nullptr;
    HWND FImageWindow = nullptr;
};

class TImageList : public TDragImageList {
public:
    using TDragImageList::TDragImageList;
};
