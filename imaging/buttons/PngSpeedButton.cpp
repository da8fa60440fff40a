#include "imaging/buttons/PngSpeedButton.h"

#include "imaging/buttons/PngButtonFunctions.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/ImageList.h"

TPngSpeedButton::TPngSpeedButton(TComponent* AOwner)
    : TSpeedButton(AOwner), FPngImage(std::make_unique<TPngPicture>()) {}

TPngSpeedButton::~TPngSpeedButton() = default;

void TPngSpeedButton::SetPngImage(TPngPicture* Value) {
    if (Value == nullptr)
        FPngImage = std::make_unique<TPngPicture>();
    else if (Value != FPngImage.get())
        FPngImage->Assign(Value);
    if (FPngImage->HasHeader()) {
        const int colorType = FPngImage->HeaderChunk()->ColorType;
        if (colorType == 2 || colorType == 3 || colorType == 6)
            if (TChunkgAMA* gamma = FPngImage->ChunkList().FindChunk<TChunkgAMA>())
                FPngImage->ChunkList().DeleteChunk(gamma);
    }
    FImageFromAction = false;
    UpdateGlyphPlaceholder();
    Invalidate();
}

void TPngSpeedButton::SetPngOptions(TPngOptions Value) {
    if (Value == FPngOptions) return;
    FPngOptions = Value;
    UpdateGlyphPlaceholder();
    Invalidate();
}

void TPngSpeedButton::Loaded() {
    TSpeedButton::Loaded();
    UpdateGlyphPlaceholder();
}

void TPngSpeedButton::ActionChange(TObject* Sender, bool) {
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !action->ActionList()) return;
    TCustomImageList* images = action->ActionList()->Images();
    const int index = action->ImageIndex();
    if (!images || index < 0 || index >= images->Count()) return;
    if (!FPngImage->Empty() && !FImageFromAction) return;
    PngFromImageListIcon(*FPngImage, images, index);
    UpdateGlyphPlaceholder();
    FImageFromAction = true;
}

void TPngSpeedButton::UpdateGlyphPlaceholder() {
    TBitmap placeholder;
    placeholder.SetSize(FPngImage->Width(), FPngImage->Height());
    if (!placeholder.Empty()) {
        placeholder.Canvas()->Brush()->SetColor(clBtnFace);
        placeholder.Canvas()->FillRect(RECT{0, 0, placeholder.Width(), placeholder.Height()});
    }
    SetGlyph(&placeholder);
    SetNumGlyphs(1);
}

void TPngSpeedButton::Paint() {
    TSpeedButton::Paint();
    if (FPngImage->Empty()) return;
    POINT text{}, glyph{};
    LayoutPngButton(Canvas(), FPngImage.get(), ClientRect(), 0, text, glyph, Spacing(), Margin(),
                    static_cast<TPngButtonLayout>(Layout()), Caption(), Down(), State() == bsDown);
    const RECT place{glyph.x, glyph.y, glyph.x + FPngImage->Width(), glyph.y + FPngImage->Height()};
    PaintPngGlyph(*FPngImage, Canvas(), place, Enabled() ? TPngOptions{} : FPngOptions);
}
