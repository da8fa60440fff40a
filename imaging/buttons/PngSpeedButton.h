// TPngSpeedButton: a speed button whose glyph is a PNG image with alpha. The speed button's own glyph
// becomes a plain button-face placeholder of the image's size, so its painting keeps room for the
// image; the image is painted over it, faded and/or greyed while the button is disabled.
#pragma once

#include "imaging/buttons/PngFunctions.h"
#include "platform/vcl/SpeedButton.h"

#include <memory>

class TPngPicture;

class TPngSpeedButton : public TSpeedButton {
public:
    explicit TPngSpeedButton(TComponent* AOwner);
    ~TPngSpeedButton() override;

    // Never null.
    TPngPicture* PngImage() const { return FPngImage.get(); }
    // Copies the image (null: an empty image). Colour images lose their gamma chunk; grey ones keep it.
    void SetPngImage(TPngPicture* Value);
    TPngOptions PngOptions() const { return FPngOptions; }
    void SetPngOptions(TPngOptions Value);
    // Whether the image came from the action's image list (it is then not stored with the form).
    bool ImageFromAction() const { return FImageFromAction; }
    bool PngImageStored() const { return !FImageFromAction; }

    void Loaded() override;
    // The action's image becomes the glyph when the button has none of its own (or had the action's):
    // called when the action linked to the button changes.
    void ActionChange(TObject* Sender, bool CheckDefaults);

protected:
    void Paint() override;

private:
    void UpdateGlyphPlaceholder();

    std::unique_ptr<TPngPicture> FPngImage;
    TPngOptions FPngOptions{pngBlendOnDisabled};
    bool FImageFromAction = false;
};
