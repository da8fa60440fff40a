// The two bases of skinned controls. A skinned control names the control description it wants
// (SkinDataName) in the skin of its form (SkinData); at every paint it looks the name up and draws from
// the skin picture when the description is there, or in a plain look of its own otherwise. The bases
// own the paint pipeline (an off-screen bitmap, optionally blended with what the parent shows under
// the control), and TskSkinCustomControl adds the skin-driven size and geometry of resizable
// descriptions, the window region from a mask picture and the plain look's default size and font.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "skin/data/SkinText.h"

#include <memory>
#include <string>

class TBitmap;
class TCustomImageList;
class TFont;
class TskSkinData;
class TskDataSkinControl;

// The share of Value between Min and Max, limited to 0..1 (0 for equal limits): a value outside the
// limits never fills more than the whole or less than nothing.
double ValueFraction(int Value, int Min, int Max);

// A container sends it to its children when the background under them may have changed.
constexpr UINT SKINMSG_PARENTCHANGED = WM_USER + 260;

class TskSkinControl : public TCustomControl {
public:
    explicit TskSkinControl(TComponent* AOwner);
    ~TskSkinControl() override;

    TskSkinData* SkinData() const { return FSkinData; }
    // Stores the skin; a loaded skin is applied at once (ChangeSkinData).
    virtual void SetSkinData(TskSkinData* Value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    // Stores only: the name is looked up at the next paint, size change or skin change.
    virtual void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    bool DrawDefault() const { return FDrawDefault; }
    void SetDrawDefault(bool Value) { FDrawDefault = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    virtual void SetAlphaBlend(bool Value);
    // 255 shows the control opaque, 0 only the parent's background.
    BYTE AlphaBlendValue() const { return FAlphaBlendValue; }
    virtual void SetAlphaBlendValue(BYTE Value);
    bool UseSkinCursor() const { return FUseSkinCursor; }
    void SetUseSkinCursor(bool Value) { FUseSkinCursor = Value; }
    // Kept with the form; nothing reads them.
    std::string AreaName, HintTitle;
    int HintImageIndex = 0;
    TCustomImageList* HintImageList() const { return FHintImageList; }
    void SetHintImageList(TCustomImageList* Value);

    // The description's index in the skin's control list, or -1.
    int SkinIndex() const { return FSkinIndex; }
    int SkinCursorIndex() const { return FSkinCursorIndex; }
    // The description found by the last lookup, or null.
    TskDataSkinControl* SkinControlData() const;

    // Looks the description up; subclasses also take over their description's fields.
    virtual void FindSkinIndex();
    // Applies the skin again after a change of skin (lookup, cursor, repaint).
    virtual void ChangeSkinData();
    virtual void ClearSkinIndex() { FSkinIndex = -1; }
    // Sends SKINMSG_PARENTCHANGED to each windowed child; a child without a window performs it.
    void NotifyChildren();

protected:
    // The plain look and the skinned look into B (of the control's size).
    virtual void PaintDefaultImage(TBitmap* B) {}
    virtual void PaintSkinImage(TBitmap* B) {}
    // The background under the control may have changed.
    virtual void AlphaBlendChanged();
    // Draws B (the control's size) on the control, blended with the parent's background when AlphaBlend.
    void DrawControlImage(TBitmap* B);
    // The parent's background under the control, in a bitmap of the control's size.
    std::unique_ptr<TBitmap> ParentBackgroundImage();
    // 1 - AlphaBlendValue / 255: how far the control's image turns towards the background.
    double AlphaBlendAmount() const { return 1.0 - FAlphaBlendValue / 255.0; }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    // The skin is there and loaded.
    bool SkinLoaded() const;
    // Paints the control into another DC (the erase DC of WM_ERASEBKGND).
    void PaintInto(HDC DC) { PaintWindow(DC); }

    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    // The control paints everything: the background is not erased.
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }
    virtual void WMMove(TMessage& Message);
    // The cursor of the description (the skins carry no cursor pictures: the default cursor).
    void ApplySkinCursor();
    // For controls that take the focus: a left press on an unfocused control first moves the focus to
    // it (the press is dropped when the focus does not arrive), and CN_COMMAND is dropped meanwhile.
    // True when Message is dropped.
    bool FocusByMouse(TMessage& Message);

    int FSkinIndex = -1;
    int FSkinCursorIndex = -1;
    bool FInPaint = false;
    bool FFocusingByMouse = false;

private:
    TskSkinData* FSkinData = nullptr;
    std::string FSkinDataName;
    bool FDrawDefault = true;
    bool FAlphaBlend = false;
    BYTE FAlphaBlendValue = 200;
    bool FUseSkinCursor = false;
    TCustomImageList* FHintImageList = nullptr;
};

class TskSkinCustomControl : public TskSkinControl {
public:
    explicit TskSkinCustomControl(TComponent* AOwner);
    ~TskSkinCustomControl() override;

    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    // The size used when no description is found (0: none).
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    // The font of the plain look ("Tahoma", 13 pixels high), and of every look without UseSkinFont.
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    void SetDefaultFont(TFont* Value);

    // -1 without a skin rectangle; 1 grows both ways (RB set), 2 in width (RT set), 3 in height (LB
    // set); 0 keeps the skin rectangle's size.
    int GetResizeMode() const;
    int ResizeMode() const { return FResizeMode; }
    // Adjusts a requested size to the description and works out the New… geometry for it.
    virtual void GetSkinSize(int& AWidth, int& AHeight);
    // A rectangle in skin coordinates moved or grown to where it lies at the control's size.
    void MapSkinRect(const TRect& R, TRect& Result) const;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    void FindSkinIndex() override;
    void ChangeSkinData() override;

    // The description's geometry and the same for the current size.
    TPoint LT{}, RT{}, LB{}, RB{};
    TRect SkinRect{}, ClRect{};
    TPoint NewLT{}, NewRT{}, NewLB{}, NewRB{};
    TRect NewClRect{};
    bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
         BottomStretch = false;
    TskStretchType StretchType = stfull;
    // The pictures the description names (not owned; null when it names none).
    TBitmap* Picture = nullptr;
    TBitmap* MaskPicture = nullptr;

protected:
    virtual void DefaultFontChanged() {}
    // Builds and sets the window region from the mask picture, or removes it.
    virtual void SetControlRegion();
    void ApplySkinRegion();
    // The control's image for one state's rectangle of Source, by the resize mode.
    void DrawSkinRectImage(TBitmap* B, TBitmap* Source, const TRect& SourceRect);
    void PaintDefaultImage(TBitmap* B) override;
    void PaintSkinImage(TBitmap* B) override { DrawSkinRectImage(B, Picture, SkinRect); }
    void Paint() override;
    // Sets a canvas font from a description's font keys, or from DefaultFont without UseSkinFont; the
    // charset comes from the skin's resource strings when it has them.
    void SetSkinFont(TFont* Font, const std::string& Name, int Height, TFontStyles Style);
    void SetDefaultFontOn(TFont* Font);
    // The character set of skinned text.
    TFontCharset SkinCharset() const;

    // With StripsPainting the frame is painted in four strips and the centre straight onto the
    // control (the panel); PaintCentre says whether the centre is painted at all.
    bool StripsPainting = false;
    bool PaintCentre = true;
    int FResizeMode = -1;

private:
    void PaintStrips();
    void FontChanged(TObject* Sender);
    void DeleteRegion();

    bool FUseSkinFont = true;
    int FDefaultWidth = 0;
    int FDefaultHeight = 0;
    std::unique_ptr<TFont> FDefaultFont;
    HRGN FRegion = nullptr;
};
