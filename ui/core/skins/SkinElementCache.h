// The finished picture of one skin element for one size, state and image index (and the ovSkinImageSet it
// was drawn under), so that an element drawn again at any place is only copied: with a plain block
// transfer when the element's own fill makes it opaque, through the imaging interface otherwise.
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/gdi/GdiTypes.h"
#include "ui/core/skins/SkinTypes.h"

#include <cstdint>
#include <memory>

class TovSkinElement;
class TuiBitmap;

class TovSkinElementCache : public TObject {
public:
    TovSkinElementCache() = default;
    ~TovSkinElementCache() override;
    TovSkinElementCache(const TovSkinElementCache&) = delete;
    TovSkinElementCache& operator=(const TovSkinElementCache&) = delete;

    void Draw(HDC DC, TovSkinElement* AElement, int AImageIndex, TovSkinElementState AState, const TRect& R);
    // Builds the picture again unless element, state, index, R's size (not its place) and ovSkinImageSet
    // are those it was built for.
    void CheckCacheState(TovSkinElement* AElement, const TRect& R, int AImageIndex,
                         TovSkinElementState AState);
    // Copies the picture to R of DC.
    void DrawCache(HDC DC, const TRect& R);
    // Frees the picture.
    void Clear();
    // Frees the picture and forgets what it was built for (the element changed).
    void Invalidate();

    bool IsOpaque() const { return FBitmap != nullptr; }
    bool HasPicture() const { return FBitmap != nullptr || FGpBitmap != nullptr; }
    // How many times a picture was built (for diagnostics and tests).
    int BuildCount() const { return FBuildCount; }

private:
    // Draws the element into a new picture of the kept key's size.
    void Build(bool AAlphaNeeded);

    GpBitmap* FGpBitmap = nullptr;
    std::unique_ptr<TuiBitmap> FBitmap;
    TovSkinElement* FElement = nullptr;
    int FImageIndex = 0;
    std::uint8_t FImageSet = 0;
    TRect FRect{};
    TovSkinElementState FState = esNormal;
    int FBuildCount = 0;
    bool FBuilding = false;
};
