// The pictures of the bar gallery, drawn in code: small and large image lists of simple, distinct
// symbols (a disc, a square, a triangle, a diamond, a ring, a cross, level bars, a note).
#pragma once

class TComponent;
class TCustomImageList;

namespace bar_gallery {

constexpr int GalleryImageCount = 8;

// A list of GalleryImageCount pictures of ASize x ASize pixels (owned by AOwner).
TCustomImageList* MakeGalleryImages(TComponent* AOwner, int ASize);

} // namespace bar_gallery
