// TovSkinImage: a nine-part texture of a skin element. The texture holds, along one axis, ImageCount
// groups of cells, each group one cell per state present in States (in state order); a cell is cut into
// corners, edges and centre by Margins and drawn stretched, tiled or unscaled. The cells and parts are
// computed again only after a change.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/Stream.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/GeometryObjects.h"
#include "ui/core/skins/SkinTypes.h"

#include <memory>
#include <string>

class TovPNGImage;
class TovSkinCanvas;
class TovSkinElement;

// The nine parts of R for margins given as widths (Left, Top, Right, Bottom): 0 top-left, 1 top,
// 2 top-right, 3 left, 4 centre, 5 right, 6 bottom-left, 7 bottom, 8 bottom-right. Margins too large for
// R are not shrunk here, so the centre may come out empty or inverted.
void ovSkinsSplitRectByMargins(const TRect& R, const TRect& AMargins, TRect (&AParts)[9]);

class TovSkinImage : public TPersistent {
public:
    explicit TovSkinImage(TovSkinElement* AOwner = nullptr);
    ~TovSkinImage() override;
    TovSkinImage(const TovSkinImage&) = delete;
    TovSkinImage& operator=(const TovSkinImage&) = delete;

    TPersistent* GetOwner() override;
    TovSkinElement* Owner() const { return FOwner; }

    // From another image: an empty one clears this one; otherwise the texture, source name and every
    // setting. Other sources are ignored.
    void Assign(TPersistent* ASource) override;
    // Marks the computed information out of date and calls OnChange.
    virtual void Changed();
    virtual void UpdateInfo();
    virtual bool Compare(TovSkinImage* AImage);
    virtual void Draw(HDC DC, const TRect& R, int AImageIndex, TovSkinElementState AState);
    virtual void DrawEx(TovSkinCanvas* ACanvas, const TRect& R, int AImageIndex, TovSkinElementState AState);

    void LoadFromResource(HINSTANCE AInstance, const std::string& AName, const std::string& AType);
    void LoadFromStream(TStream* AStream);
    // Empties the texture and the source name (reported when either was set).
    void Clear();
    // No source name and an empty texture.
    bool IsEmpty() const;
    // The stored name; without one, for a texture of an element of a group G named E, "G\E_Image.png".
    std::string SourceName() const;
    void SetSourceName(const std::string& AValue) { FSourceName = AValue; }

    // The cell size, the number of states present, and a cell's bounds in the texture.
    TSize Size();
    int StateCount();
    TRect GetStateBounds(int AImageIndex, TovSkinElementState AState);
    bool PartVisible(int APart);
    // A part of a cell at the texture's origin.
    TRect PartBounds(int APart);
    // The image index goes no further than the last group; a state the texture has no cell for becomes
    // the lowest state present (unless States is empty).
    void CheckState(TovSkinElementState& AState, int& AImageIndex) const;

    // The stream record (called by the owning element).
    void DataRead(TStream* AStream, double AVersion);
    void DataWrite(TStream* AStream);

    TovSkinGradientMode Gradient() const { return FGradient; }
    void SetGradient(TovSkinGradientMode AValue);
    TColor GradientBeginColor() const { return FGradientBeginColor; }
    void SetGradientBeginColor(TColor AValue);
    TColor GradientEndColor() const { return FGradientEndColor; }
    void SetGradientEndColor(TColor AValue);
    // Never below 1.
    int ImageCount() const { return FImageCount; }
    void SetImageCount(int AValue);
    TovSkinImageLayout ImageLayout() const { return FImageLayout; }
    void SetImageLayout(TovSkinImageLayout AValue);
    TuiMargin* Margins() const { return FMargins.get(); }
    void SetMargins(TuiMargin* AValue) { FMargins->Assign(AValue); }
    TovSkinElementStates States() const { return FStates; }
    void SetStates(const TovSkinElementStates& AValue);
    TovSkinStretchMode Stretch() const { return FStretch; }
    void SetStretch(TovSkinStretchMode AValue);
    TovPNGImage* Texture() const { return FTexture.get(); }

    TNotifyEvent OnChange;

private:
    void InfoNeeded();
    void TextureChanged(TObject* ASender) { Changed(); }
    void MarginsChanged(TObject* ASender) { Changed(); }

    TovSkinElement* FOwner;
    TovSkinGradientMode FGradient = gmHorizontal;
    TColor FGradientBeginColor = clNone;
    TColor FGradientEndColor = clNone;
    int FImageCount = 1;
    TovSkinImageLayout FImageLayout = ilHorizontal;
    std::unique_ptr<TuiMargin> FMargins;
    TovSkinElementStates FStates{esNormal};
    TovSkinStretchMode FStretch = smStretch;
    std::unique_ptr<TovPNGImage> FTexture;
    std::string FSourceName;

    // Computed from the texture and the settings while FDirty is clear.
    bool FDirty = true;
    TRect FParts[9]{};
    bool FPartVisible[9]{};
    TSize FCellSize{};
    TRect FStateBounds[ovSkinElementStateCount]{};
    int FStateCount = 0;
};
