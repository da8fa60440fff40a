#include "source/recording/RecordingSkin.h"

#include "assets/skins/SkinResourceNames.h"
#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/images/SkinPngImageList.h"

#include <cmath>

namespace recording_skin {

namespace {

TColor Mix(TColor A, TColor B, double T) {
    auto channel = [&](int shift) {
        const double a = (A >> shift) & 0xFF, b = (B >> shift) & 0xFF;
        return TColor(std::lround(a + (b - a) * T)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

} // namespace

TskSkinData* MakeRecordingSkin(TComponent* Owner) {
    using namespace skin_resources;
    auto* skin = new TskSkinData(Owner);
    skin->SetName("skSkinData");
    if (FindResource(SkinType, RecordingSkin) == nullptr) return skin;
    auto* stored = new TskCompressedStoredSkin(Owner);
    stored->SetName("skCompressedStoredSkin");
    TResourceStream stream(RecordingSkin, SkinType);
    stored->ReadCompressedData(&stream);
    skin->SetCompressedStoredSkin(stored);
    return skin;
}

TskPngImageList* MakeRecordingImages(TComponent* Owner) {
    using namespace skin_resources;
    auto* images = new TskPngImageList(Owner);
    images->SetName("PngImageList");
    images->SetPngWidth(RecordingImageSize);
    images->SetPngHeight(RecordingImageSize);
    for (const char* name : RecordingImages) {
        const TResourceData* picture = FindResource(PngType, name);
        if (picture == nullptr) return images;
        const std::string_view bytes = picture->View();
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        stream.SetPosition(0);
        images->PngImages()->Add()->PngImage()->LoadFromStream(&stream);
    }
    return images;
}

void ApplySkin(TskSkinControl* Control, TskSkinData* Skin, const char* Name) {
    Control->SetSkinDataName(Name);
    Control->SetSkinData(Skin);
}

TConsoleGroupBox::TConsoleGroupBox(TComponent* AOwner) : TGroupBox(AOwner) {
    SetParentColor(true);
}

void TConsoleGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    // The caption in the console's colour; the controls inside keep the window's font and colours.
    canvas->Font()->SetColor(ConsoleTextColor);
    const TRect client = ClientRect();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    const int textHeight = canvas->TextHeight("0");
    const TRect frame{client.left, client.top + textHeight / 2, client.right, client.bottom};
    canvas->Brush()->SetColor(Mix(Color(), ConsoleTextColor, 0.25));
    canvas->FrameRect(frame);
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(TRect{8, 0, 8 + canvas->TextWidth(caption) + 8, textHeight});
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(12, 0, caption);
}

} // namespace recording_skin
