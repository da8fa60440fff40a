// The PNG speed button on a shown form: the glyph where the layout puts it, blended when disabled,
// colour images without their gamma chunk, and the action's image as the glyph.
#include "PngFixture.h"

#include "imaging/buttons/PngButtonFunctions.h"
#include "imaging/buttons/PngSpeedButton.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace png_speed_button_test {
using namespace pngfix;

class PngSpeedButtonTest : public testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        GdiSetTestFontEverywhere(true);
        InitializeVcl();
        form = TCustomForm::New<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        button = new TPngSpeedButton(form);
        button->SetBounds(20, 30, 97, 33);
        button->SetFlat(true);
        button->SetParent(form);
    }
    void TearDown() override {
        form->Free();
        FinalizeVcl();
        olva::win::ResetWindowSystem();
        GdiSetTestFontEverywhere(false);
    }
    void Show() {
        form->Show();
        Application()->ProcessMessages();
    }
    // The colour the screen shows at a point of the button.
    COLORREF At(int x, int y) {
        Application()->ProcessMessages();
        const auto screen = olva::win::ComposeScreen();
        const POINT p = button->ClientToScreen(POINT{x, y});
        return PixelToColorRef(screen->Pixel(p.x, p.y)) & 0xFFFFFF;
    }
    TForm* form = nullptr;
    TPngSpeedButton* button = nullptr;
};

// A 24 x 24 glyph: opaque red with a fully transparent left column.
std::string Glyph24(const std::string& extra = std::string()) {
    return Png(
        24, 24, 8, 6, 0,
        [](int x, int, int c) {
            const int colour[4] = {255, 0, 0, 255};
            return c == 3 && x == 0 ? 0 : colour[c];
        },
        extra);
}

TEST_F(PngSpeedButtonTest, GlyphIsPaintedWhereTheLayoutPutsItAndBlendedWhenDisabled) {
    auto png = Load(Glyph24());
    button->SetPngImage(png.get());
    button->SetCaption("freecddb");
    Show();
    POINT text{}, glyph{};
    LayoutPngButton(button->Canvas(), button->PngImage(), button->ClientRect(), 0, text, glyph, 4, -1,
                    pblGlyphLeft, "freecddb", false, false);
    EXPECT_EQ(glyph.y, 5);
    const COLORREF face = At(2, 2);
    EXPECT_EQ(At(glyph.x + 1, glyph.y), RGB(255, 0, 0));
    EXPECT_EQ(At(glyph.x + 23, glyph.y + 23), RGB(255, 0, 0));
    EXPECT_EQ(At(glyph.x, glyph.y + 10), face); // the transparent column
    EXPECT_EQ(At(glyph.x - 1, glyph.y + 10), face);
    EXPECT_EQ(At(glyph.x + 10, glyph.y + 24), face);
    // Disabled with the default options: alpha 255 becomes 128.
    button->SetEnabled(false);
    auto blend = [](int s, int d) { return (s * 128 + 127 * d + 255) / 256; };
    EXPECT_EQ(At(glyph.x + 5, glyph.y + 5),
              RGB(blend(255, GetRValue(face)), blend(0, GetGValue(face)), blend(0, GetBValue(face))));
    // Without options the disabled glyph looks like the enabled one.
    button->SetPngOptions({});
    button->Invalidate();
    EXPECT_EQ(At(glyph.x + 5, glyph.y + 5), RGB(255, 0, 0));
}

TEST_F(PngSpeedButtonTest, ColourImagesLoseTheirGammaChunk) {
    const std::string gama = Chunk("gAMA", Be32(45455));
    auto colour = Load(Glyph24(gama));
    ASSERT_NE(colour->ChunkList().FindChunk<TChunkgAMA>(), nullptr);
    button->SetPngImage(colour.get());
    EXPECT_EQ(button->PngImage()->ChunkList().FindChunk<TChunkgAMA>(), nullptr);
    auto grey = Load(Png(
        4, 4, 8, 0, 0, [](int, int, int) { return 7; }, gama));
    button->SetPngImage(grey.get());
    EXPECT_NE(button->PngImage()->ChunkList().FindChunk<TChunkgAMA>(), nullptr);
    button->SetPngImage(nullptr);
    EXPECT_TRUE(button->PngImage()->Empty());
    EXPECT_TRUE(button->Glyph()->Empty());
}

TEST_F(PngSpeedButtonTest, ActionImageBecomesTheGlyphUnlessTheButtonHasItsOwn) {
    auto* images = new TImageList(form);
    images->SetSize(2, 2);
    TBitmap image(2, 2), mask(2, 2);
    image.Canvas()->Brush()->SetColor(TColor(RGB(0, 0, 255)));
    image.Canvas()->FillRect(RECT{0, 0, 2, 2});
    images->Add(&image, &mask); // an all-black mask: opaque
    auto* actions = new TActionList(form);
    actions->SetImages(images);
    auto* action = new TAction(form);
    action->SetActionList(actions);
    action->SetImageIndex(0);
    button->ActionChange(action, false);
    EXPECT_TRUE(button->ImageFromAction());
    EXPECT_FALSE(button->PngImageStored());
    EXPECT_EQ(button->PngImage()->GetPixel(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(button->Glyph()->Width(), 2);
    // The button's own image stays.
    auto own = Load(Glyph24());
    button->SetPngImage(own.get());
    button->ActionChange(action, false);
    EXPECT_FALSE(button->ImageFromAction());
    EXPECT_EQ(button->PngImage()->Width(), 24);
}

} // namespace png_speed_button_test
