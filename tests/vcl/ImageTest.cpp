#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/PaintBox.h"
#include "platform/vcl/Picture.h"

#include <gtest/gtest.h>

namespace image_test {

using stdctrls_test::StdCtrlsTest;

class ImageTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        image = new TImage(form);
        image->SetBounds(10, 10, 100, 50);
        image->SetParent(form);
        TBitmap picture(40, 20);
        picture.Canvas()->Brush()->SetColor(clRed);
        picture.Canvas()->FillRect(RECT{0, 0, 40, 20});
        image->Picture()->SetBitmap(&picture);
    }
    TImage* image = nullptr;
};

TEST_F(ImageTest, PlacesThePictureAsAsked) {
    const struct {
        bool Stretch, Proportional, Center;
        RECT Expected;
    } cases[] = {
        {false, false, false, {0, 0, 40, 20}}, {false, false, true, {30, 15, 70, 35}},
        {true, false, false, {0, 0, 100, 50}}, {true, true, false, {0, 0, 100, 50}}, // 2:1 in a 2:1 box
        {false, true, false, {0, 0, 40, 20}}, // proportional alone never enlarges
        {true, true, true, {0, 0, 100, 50}},
    };
    for (const auto& c : cases) {
        image->SetStretch(c.Stretch);
        image->SetProportional(c.Proportional);
        image->SetCenter(c.Center);
        const RECT r = image->DestRect();
        EXPECT_EQ(r.left, c.Expected.left);
        EXPECT_EQ(r.top, c.Expected.top);
        EXPECT_EQ(r.right, c.Expected.right);
        EXPECT_EQ(r.bottom, c.Expected.bottom);
    }
    image->SetBounds(10, 10, 60, 60);
    image->SetStretch(true);
    image->SetCenter(true);
    const RECT r = image->DestRect();
    EXPECT_EQ(r.top, 15); // 60x30, centred in 60x60
    EXPECT_EQ(r.bottom - r.top, 30);
}

TEST_F(ImageTest, DrawsOnScreenAndAutoSizes) {
    ShowForm();
    image->SetCenter(true);
    EXPECT_EQ(ColorAt(image, 50, 25), clRed);
    EXPECT_NE(ColorAt(image, 5, 5), clRed);
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 40);
    EXPECT_EQ(image->Height(), 20);
}

TEST_F(ImageTest, PaintBoxPaintsThroughItsHandler) {
    auto* box = new TPaintBox(form);
    box->SetBounds(150, 10, 50, 50);
    box->SetParent(form);
    int paints = 0;
    box->OnPaint = [&](TObject*) {
        ++paints;
        box->Canvas()->Brush()->SetColor(clBlue);
        box->Canvas()->FillRect(RECT{10, 10, 20, 20});
    };
    ShowForm();
    EXPECT_GE(paints, 1);
    EXPECT_EQ(ColorAt(box, 15, 15), clBlue);
    EXPECT_NE(ColorAt(box, 25, 25), clBlue);
}

} // namespace image_test
