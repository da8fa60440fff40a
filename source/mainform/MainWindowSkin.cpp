#include "source/mainform/MainWindowSkin.h"

#include "assets/skins/SkinResourceNames.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/ImageList.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"

namespace main_window_skin {

TskSkinData* MakeMainWindowSkin(TComponent* Owner) {
    using namespace skin_resources;
    auto* skin = new TskSkinData(Owner);
    skin->SetName("skMainSkinData");
    if (FindResource(SkinType, MainWindowSkin) == nullptr) return skin;
    auto* stored = new TskCompressedStoredSkin(Owner);
    stored->SetName("skMainCompressedStoredSkin");
    TResourceStream stream(MainWindowSkin, SkinType);
    stored->ReadCompressedData(&stream);
    skin->SetCompressedStoredSkin(stored);
    return skin;
}

std::unique_ptr<TBitmap> LoadGlyph(const char* Name) {
    auto glyph = std::make_unique<TBitmap>();
    if (FindResource(skin_resources::BitmapType, Name) != nullptr) glyph->LoadFromResourceName(nullptr, Name);
    return glyph;
}

TImageList* MakeZoomImages(TComponent* Owner) {
    using namespace skin_resources;
    auto* images = new TImageList(Owner);
    images->SetName("ZoomImageList");
    images->SetSize(ZoomImageSize, ZoomImageSize);
    for (const char* name : ZoomImages) {
        if (FindResource(BitmapType, name) == nullptr) break;
        images->Add(LoadGlyph(name).get(), nullptr);
    }
    return images;
}

void ApplySkin(TskSkinControl* Control, TskSkinData* Skin, const char* Name) {
    Control->SetSkinDataName(Name);
    Control->SetSkinData(Skin);
}

} // namespace main_window_skin
