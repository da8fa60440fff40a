// The skinned check box and radio button: the flat look over the parent, the grayed cycle, radio
// groups, Space only with the focus, OnClick from every set of Checked and State, the focus frame
// around an image, the framed look's size, and the plain looks.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/WinKeys.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

namespace skin_check_radio_box_test {
using namespace skintest;
using namespace skintest::layout;

class SkinCheckRadioBoxTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        AddFocusSink(20, 300);
    }
    TskSkinCheckRadioBox* NewBox(int X, int Y, bool Radio = false) {
        auto* box = new TskSkinCheckRadioBox(Form);
        box->SetParent(Form);
        box->SetSkinDataName(Radio ? "radiobox" : "checkbox");
        box->SetRadio(Radio);
        box->SetBounds(X, Y, 150, 25);
        box->SetSkinData(Skin);
        box->OnClick = TNotifyEvent([this](TObject* Sender) { Clicks.push_back(Sender); }, this);
        return box;
    }
    std::vector<TObject*> Clicks;
};

TEST_F(SkinCheckRadioBoxTest, TheFlatLookDrawsTheCheckImageOverTheParent) {
    LoadSkin();
    Form->SetColor(TColor(RGB(40, 60, 90)));
    ShowForm();
    auto* box = NewBox(20, 20);
    box->SetCaption("Recording without silence");
    EXPECT_EQ(box->Width(), 150); // the flat look keeps its designed size
    EXPECT_EQ(box->Height(), 25);
    TBitmap* picture = Skin->ActivePicture(0);
    // The unchecked image at x = 3, centred: (25 - 15) / 2 = 5 from the top; its key colour left out.
    EXPECT_EQ(ColorAt(box, 3 + 7, 5 + 7), PixelOf(*picture, CheckImage(0, false).left + 7, 7));
    EXPECT_EQ(ColorAt(box, 3, 5 + 14), std::uint32_t(RGB(40, 60, 90)));
    EXPECT_EQ(ColorAt(box, 140, 3), std::uint32_t(RGB(40, 60, 90)));
    box->SetChecked(true);
    EXPECT_EQ(ColorAt(box, 3 + 7, 5 + 7), PixelOf(*picture, CheckImage(1, false).left + 7, 7));
    // Under the mouse, the active images.
    Hover(box, 60, 12);
    EXPECT_EQ(ColorAt(box, 3 + 3, 5 + 12), PixelOf(*picture, CheckImage(3, false).left + 3, 12));
}

TEST_F(SkinCheckRadioBoxTest, AllowGrayedCyclesThroughThreeStates) {
    LoadSkin();
    ShowForm();
    auto* box = NewBox(20, 20);
    box->SetAllowGrayed(true);
    const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked, cbGrayed};
    for (TCheckBoxState state : expected) {
        Click(box, 60, 12);
        EXPECT_EQ(box->State(), state);
        EXPECT_EQ(box->Checked(), state == cbChecked);
    }
    EXPECT_EQ(Clicks.size(), 4u);
    // Unchecking a grayed box leaves it grayed; the grayed image is the checked one lightened.
    box->SetChecked(false);
    EXPECT_EQ(box->State(), cbGrayed);
    MouseAway();
    const std::uint32_t mark = ColorAt(box, 3 + 4, 5 + 8);
    const std::uint32_t tick = PixelOf(*Skin->ActivePicture(0), CheckImage(1, false).left + 4, 8);
    EXPECT_EQ(GetGValue(mark), (GetGValue(tick) + 255 + 1) / 2);
}

TEST_F(SkinCheckRadioBoxTest, CheckedAndStateFireOnClickEveryTime) {
    LoadSkin();
    ShowForm();
    auto* box = NewBox(20, 20);
    box->SetChecked(true);
    box->SetChecked(true); // the same value again, from the program
    box->SetState(cbUnchecked);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Clicks.size(), 3u);
}

TEST_F(SkinCheckRadioBoxTest, RadioGroupsUncheckTheOthersAndOnlyTheNewOneClicks) {
    LoadSkin();
    ShowForm();
    auto* a = NewBox(20, 20, true);
    auto* b = NewBox(20, 50, true);
    auto* c = NewBox(20, 80, true);
    for (auto* radio : {a, b, c})
        radio->SetGroupIndex(1);
    a->SetChecked(true);
    Clicks.clear();
    Click(b, 60, 12);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(Clicks, (std::vector<TObject*>{b}));
    // A checked radio button stays checked when clicked.
    Click(b, 60, 12);
    EXPECT_TRUE(b->Checked());
}

TEST_F(SkinCheckRadioBoxTest, SpaceTogglesOnlyWithTheFocus) {
    LoadSkin();
    ShowForm();
    auto* box = NewBox(20, 20);
    Sink->SetFocus();
    Pump();
    Key(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    box->SetFocus();
    Pump();
    Key(VK_SPACE);
    EXPECT_TRUE(box->Checked());
    // Without CanFocused it neither takes the focus nor the key.
    box->SetCanFocused(false);
    EXPECT_FALSE(box->TabStop());
    Key(VK_SPACE);
    EXPECT_TRUE(box->Checked());
}

TEST_F(SkinCheckRadioBoxTest, AnImageWithoutACaptionGetsTheFocusFrame) {
    LoadSkin();
    ShowForm();
    auto* box = NewBox(20, 20);
    auto* images = new TImageList(Form);
    images->SetSize(12, 12);
    auto blue = MakeBitmap(12, 12, [](int, int) { return 0xFF0000u; });
    images->Add(blue.get(), nullptr);
    box->SetImages(images);
    box->SetImageIndex(0);
    box->SetFocus();
    Pump();
    // The image sits after the check image (15 + 7 = 22); the dotted frame one pixel around it.
    EXPECT_EQ(ColorAt(box, 27, 12), 0xFF0000u);
    int framePixels = 0;
    for (int x = 21; x <= 34; ++x)
        if (ColorAt(box, x, 12 - 7) != ColorAt(box, 60, 2)) ++framePixels;
    EXPECT_GE(framePixels, 5);
}

TEST_F(SkinCheckRadioBoxTest, TheFramedLookTakesTheSkinsHeightAndItsFaces) {
    LoadSkin();
    ShowForm();
    auto* box = NewBox(20, 20);
    box->SetFlat(false);
    box->ChangeSkinData();
    EXPECT_EQ(box->Height(), 24); // grows in width only
    EXPECT_EQ(box->Width(), 150);
    // The check image centred in its area, the text area grown with the control.
    EXPECT_EQ(box->CheckRect(), (TRect{4, 4, 19, 19}));
    EXPECT_EQ(box->TextRect(), (TRect{24, 2, 148, 22}));
    TBitmap* picture = Skin->ActivePicture(0);
    EXPECT_EQ(ColorAt(box, 100, 1), PixelOf(*picture, CheckFace.left + 40, CheckFace.top + 1));
    Hover(box, 100, 12);
    Advance(120);
    EXPECT_EQ(ColorAt(box, 100, 1), PixelOf(*picture, CheckActiveFace.left + 40, CheckActiveFace.top + 1));
}

TEST_F(SkinCheckRadioBoxTest, WithoutASkinThePlainBoxAndMarks) {
    ShowForm();
    auto* box = NewBox(20, 20);
    const int middle = 12;
    EXPECT_EQ(ColorAt(box, 3, middle), std::uint32_t(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ColorAt(box, 8, middle), 0xFFFFFFu);
    box->SetChecked(true);
    EXPECT_EQ(ColorAt(box, 7, middle + 1), 0u); // the tick's first stroke
    Hover(box, 60, 12);
    EXPECT_EQ(ColorAt(box, 3, middle), std::uint32_t(RGB(59, 107, 183)));
    auto* radio = NewBox(20, 60, true);
    radio->SetChecked(true);
    EXPECT_EQ(ColorAt(radio, 9, 12), 0u); // the dot
}

} // namespace skin_check_radio_box_test
