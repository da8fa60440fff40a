// Skin elements and control groups. An element carries a fill colour with alpha, an Image and a Glyph
// (nine-part textures), four borders, a text colour, a content offset, a minimum size and named
// properties; among them, per state and image index, alternate image attributes that stand in for the
// Image (AlternateImage1Hot, ...). A control group holds named elements. The shared empty element draws
// a white box with a red frame where an element is missing.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/GeometryObjects.h"
#include "ui/core/skins/SkinBorders.h"
#include "ui/core/skins/SkinImage.h"
#include "ui/core/skins/SkinObjects.h"
#include "ui/core/skins/SkinProperties.h"

#include <cstdint>
#include <memory>
#include <string>

class TovSkinCanvas;
class TovSkinControlGroup;
class TovSkinElementCache;

// "AlternateImage" + (AImageIndex + 1) + the state's name, e.g. AlternateImage1Hot.
std::string AlternateImagePropertyName(TovSkinElementState AState, int AImageIndex);

class TovSkinElement : public TovSkinPersistent {
public:
    TovSkinElement(TPersistent* AOwner, const std::string& AName);
    ~TovSkinElement() override;

    // A change of structure makes the alternate images be looked up again; any change drops the cached
    // picture.
    void Changed(TovSkinChanges AChanges) override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinElement>(); }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;

    // Name + "_Image.png" for the Image, Name + "_Glyph.png" for the Glyph.
    virtual std::string GetImageName(const TovSkinImage* AImage) const;
    virtual bool Compare(TovSkinElement* AElement);
    // The colour property APrefix + the state's text-colour name (a TovSkinColor), falling back to the
    // normal state's and then to TextColor.
    virtual TColor GetTextColor(int AState, const std::string& APrefix = "");
    // Fill, image (or its alternate attributes), borders and glyph into R of DC; through the cache when
    // Cached. Nothing for an empty or invisible R.
    virtual void Draw(HDC DC, const TRect& R, int AImageIndex, TovSkinElementState AState);
    void DrawContent(TovSkinCanvas* ACanvas, const TRect& R, int AImageIndex, TovSkinElementState AState);
    // The alternate attributes that stand in for the Image in that state and index, when they apply.
    bool GetAlternateImage(TovSkinElementState AState, int AImageIndex, bool ALowColors,
                           TovSkinAlternateImageAttributes*& AAttributes);
    // Whether the element's picture needs an alpha channel (else the cache keeps an opaque bitmap).
    bool IsAlphaNeeded();

    std::uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(std::uint8_t AValue);
    TColor Color() const { return FColor; }
    void SetColor(TColor AValue);
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor AValue);
    TovSkinBorders* Borders() const { return FBorders.get(); }
    void SetBorders(TovSkinBorders* AValue) { FBorders->Assign(AValue); }
    TuiRect* ContentOffset() const { return FContentOffset.get(); }
    void SetContentOffset(TuiRect* AValue) { FContentOffset->Assign(AValue); }
    TovSkinImage* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TovSkinImage* AValue) { FGlyph->Assign(AValue); }
    TovSkinImage* Image() const { return FImage.get(); }
    void SetImage(TovSkinImage* AValue) { FImage->Assign(AValue); }
    TuiSize* MinSize() const { return FMinSize.get(); }
    void SetMinSize(TuiSize* AValue) { FMinSize->Assign(AValue); }
    bool Cached() const { return FCache != nullptr; }
    void SetCached(bool AValue);
    TovSkinElementCache* Cache() const { return FCache.get(); }
    // The owner as a control group (null without an owner); EInvalidCast for another owner.
    TovSkinControlGroup* Group() const;
    // The image count of streams older than 1.1, shared by both images.
    int LegacyImageCount() const { return FLegacyImageCount; }

protected:
    void DoAssign(TPersistent* ASource) override;

private:
    void PartChanged(TObject* ASender) { Changed(ovSkinContentChange); }
    void RefreshAlternateImages(int AImageIndex);

    std::uint8_t FAlpha = 255;
    bool FAlternateImagesDirty = true;
    int FAlternateImagesIndex = -1;
    std::unique_ptr<TovSkinBorders> FBorders;
    std::unique_ptr<TovSkinElementCache> FCache;
    TColor FColor = clDefault;
    std::unique_ptr<TuiRect> FContentOffset;
    std::unique_ptr<TovSkinImage> FGlyph;
    std::unique_ptr<TovSkinImage> FImage;
    std::unique_ptr<TuiSize> FMinSize;
    TColor FTextColor = clDefault;
    TovSkinAlternateImageAttributes* FAlternateImages[ovSkinElementStateCount]{};
    int FLegacyImageCount = 0;
};

class TovSkinEmptyElement : public TovSkinElement {
public:
    using TovSkinElement::TovSkinElement;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinEmptyElement>(); }
    // A white box framed in pure red, whatever the state and image index.
    void Draw(HDC DC, const TRect& R, int AImageIndex, TovSkinElementState AState) override;
};

class TovSkinElements : public TovSkinCustomObjectList {
public:
    using TovSkinCustomObjectList::TovSkinCustomObjectList;
    TovSkinElement* Items(int AIndex) const { return static_cast<TovSkinElement*>(TList::Items(AIndex)); }
    TovSkinElement* FindByName(const std::string& AName) {
        return static_cast<TovSkinElement*>(TovSkinCustomObjectList::FindByName(AName));
    }
    TovSkinElement* Add(const std::string& AName) {
        return static_cast<TovSkinElement*>(
            TovSkinCustomObjectList::Add(AName, ovSkinClassOf<TovSkinElement>()));
    }
    // Inside one update bracket: cleared, then a copy of each source element in order.
    void Assign(TovSkinElements* ASource);
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

class TovSkinControlGroup : public TovSkinPersistent {
public:
    TovSkinControlGroup(TPersistent* AOwner, const std::string& AName);
    ~TovSkinControlGroup() override;
    TovSkinElements* Elements() const { return FElements.get(); }
    // Also empties, and sorts, the elements.
    void Clear() override;
    void Sort() override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinControlGroup>(); }
    // The record without the group's name, which its container reads first.
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;

protected:
    void DoAssign(TPersistent* ASource) override;

private:
    std::unique_ptr<TovSkinElements> FElements;
};
