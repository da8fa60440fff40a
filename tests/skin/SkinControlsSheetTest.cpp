// Sheets of the skinned and framed controls in each of their states, with the test skin and in their
// plain looks, written under the test output folder ("skin/controls/") to be looked at.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/WinKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"
#include "skin/framed/FrHotKeyEdit.h"
#include "skin/framed/FrProgressBar.h"

#include <gtest/gtest.h>

namespace skin_controls_sheet_test {
using namespace skintest;

class SkinControlsSheetTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Form->SetClientWidth(560);
        Form->SetClientHeight(400);
        LoadSkin();
        Skin->SetShowButtonGlowFrames(false);
        AddFocusSink(490, 370);
        ShowForm();
    }
    // A one-cell glyph: a dark play triangle on the magenta that is left out.
    static std::unique_ptr<TBitmap> PlayGlyph() {
        return MakeBitmap(12, 12, [](int x, int y) {
            return x >= 2 && x < 10 && std::abs(y - 6) <= (9 - x) * 6 / 7 ? std::uint32_t(RGB(30, 40, 70))
                                                                          : std::uint32_t(RGB(255, 0, 255));
        });
    }
    TImageList* Images() {
        auto* images = new TImageList(Form);
        images->SetSize(16, 16);
        auto picture = MakeBitmap(16, 16, [](int x, int y) {
            const bool inside = std::hypot(x - 7.5, y - 7.5) < 7;
            const bool dot = std::hypot(x - 7.5, y - 7.5) < 3;
            return inside ? (dot ? std::uint32_t(RGB(255, 255, 255)) : std::uint32_t(RGB(210, 40, 40)))
                          : std::uint32_t(RGB(255, 0, 255));
        });
        images->AddMasked(picture.get(), TColor(RGB(255, 0, 255)));
        return images;
    }
    TskSkinButton* NewButton(bool Skinned, int Y, int W) {
        auto* button = new TskSkinButton(Form);
        button->SetParent(Form);
        button->SetBounds(20, Y, W, Skinned ? 24 : 25);
        if (Skinned) button->SetSkinData(Skin);
        return button;
    }
    // The button states of one look, one row each for a glyph and for an image.
    void ButtonRows(TPictureSheet& Sheet, bool Skinned) {
        const char* look = Skinned ? "skinned" : "plain";
        for (int row = 0; row < 2; ++row) {
            auto* button = NewButton(Skinned, 20 + 40 * row, 84);
            button->SetCaption(row == 0 ? "Play" : "Record");
            if (row == 0) {
                auto glyph = PlayGlyph();
                button->SetGlyph(glyph.get());
            } else {
                button->SetImageList(Images());
                button->SetImageIndex(0);
            }
            const std::string kind = std::string(look) + (row == 0 ? ", glyph" : ", image");
            Sheet.Add(kind + ": normal", Capture(button, 2));
            Hover(button, 40, 12);
            Advance(60);
            Sheet.Add("half-faded", Capture(button, 2));
            Advance(80);
            Sheet.Add("hot", Capture(button, 2));
            MouseDown(button, 40, 12);
            Sheet.Add("down", Capture(button, 2));
            MouseUp(button, 40, 12);
            MouseAway();
            Advance(120);
            Sheet.Add("focused", Capture(button, 2));
            Sink->SetFocus();
            button->SetEnabled(false);
            Advance(120);
            Sheet.Add("disabled", Capture(button, 2));
            Sheet.NewRow();
            button->Free();
        }
    }
};

TEST_F(SkinControlsSheetTest, Buttons) {
    TPictureSheet sheet("TskSkinButton: normal, half-faded, hot, down, focused, disabled");
    ButtonRows(sheet, true);
    ButtonRows(sheet, false);
    EXPECT_TRUE(sheet.Save("button.png"));
}

TEST_F(SkinControlsSheetTest, PanelsAndGroupBoxes) {
    TPictureSheet sheet("TskSkinPanel and TskSkinGroupBox: design size and stretched");
    for (bool skinned : {true, false}) {
        for (const auto& [w, h] : {std::pair{150, 90}, std::pair{260, 140}}) {
            auto* panel = new TskSkinPanel(Form);
            panel->SetParent(Form);
            panel->SetBounds(10, 10, w, h);
            if (skinned) panel->SetSkinData(Skin);
            auto* child = new TskSkinButton(Form);
            child->SetParent(panel);
            child->SetBounds(12, 12, 60, 24);
            child->SetCaption("Stop");
            if (skinned) child->SetSkinData(Skin);
            sheet.Add(std::string(skinned ? "skinned" : "plain") + " panel " + std::to_string(w) + "x" +
                          std::to_string(h),
                      Capture(panel, 2));
            panel->Free();
        }
        for (const auto& [w, h] : {std::pair{150, 90}, std::pair{260, 140}}) {
            auto* box = new TskSkinGroupBox(Form);
            box->SetParent(Form);
            box->SetBounds(10, 10, w, h);
            box->SetCaption("Commands");
            box->SetCheckedMode(true);
            box->SetChecked(true);
            box->SetRollUpMode(true);
            if (skinned) box->SetSkinData(Skin);
            sheet.Add(std::string(skinned ? "skinned" : "plain") + " group box " + std::to_string(w) + "x" +
                          std::to_string(h),
                      Capture(box, 2));
            box->Free();
        }
        sheet.NewRow();
    }
    // The background picture, a transparent group, a rolled-up box.
    auto* background = new TskSkinPanel(Form);
    background->SetParent(Form);
    background->SetSkinDataName("panelbg");
    background->SetBounds(10, 10, 100, 40);
    background->SetSkinData(Skin);
    sheet.Add("sthorz background", Capture(background, 2));
    background->Free();
    Form->SetColor(TColor(RGB(60, 80, 110)));
    auto* glass = new TskSkinGroupBox(Form);
    glass->SetParent(Form);
    glass->SetBounds(10, 10, 160, 80);
    glass->SetCaption("Transparent");
    glass->SetSkinData(Skin);
    glass->SetTransparentMode(true);
    sheet.Add("transparent group", Capture(glass, 2));
    glass->Free();
    Form->SetColor(TColor(RGB(236, 236, 236)));
    auto* rolled = new TskSkinGroupBox(Form);
    rolled->SetParent(Form);
    rolled->SetBounds(10, 10, 160, 90);
    rolled->SetCaption("Rolled up");
    rolled->SetRollUpMode(true);
    rolled->SetSkinData(Skin);
    rolled->SetRollUpState(true);
    sheet.Add("rolled up", Capture(rolled, 2));
    rolled->Free();
    EXPECT_TRUE(sheet.Save("panel.png", 2));
}

TEST_F(SkinControlsSheetTest, CheckBoxesAndRadioButtons) {
    TPictureSheet sheet("TskSkinCheckRadioBox: unchecked, checked, grayed, hot, disabled");
    for (int look = 0; look < 3; ++look) {
        for (bool radio : {false, true}) {
            auto* box = new TskSkinCheckRadioBox(Form);
            box->SetParent(Form);
            box->SetSkinDataName(radio ? "radiobox" : "checkbox");
            box->SetRadio(radio);
            box->SetBounds(20, 20, 200, 25);
            box->SetCaption(radio ? "Radio button" : "Recording without silence");
            box->SetCanFocused(false);
            if (look < 2) box->SetSkinData(Skin);
            if (look == 1) {
                box->SetFlat(false);
                box->ChangeSkinData();
            }
            const std::string name = std::string(look == 0   ? "flat"
                                                 : look == 1 ? "framed"
                                                             : "plain") +
                                     (radio ? " radio" : " check");
            sheet.Add(name + ": unchecked", Capture(box, 2));
            box->SetChecked(true);
            sheet.Add("checked", Capture(box, 2));
            if (!radio) {
                box->SetState(cbGrayed);
                sheet.Add("grayed", Capture(box, 2));
                box->SetState(cbChecked);
            }
            Hover(box, 60, 12);
            Advance(120);
            sheet.Add("hot", Capture(box, 2));
            MouseAway();
            Advance(120);
            box->SetEnabled(false);
            sheet.Add("disabled", Capture(box, 2));
            sheet.NewRow();
            box->Free();
        }
    }
    EXPECT_TRUE(sheet.Save("checkbox.png"));
}

TEST_F(SkinControlsSheetTest, Gauges) {
    TPictureSheet sheet("TskSkinGauge at 0, 50 and 100 %");
    auto* meter = new TskSkinGauge(Form);
    meter->SetParent(Form);
    meter->SetBounds(20, 20, 19, 193);
    meter->SetSkinData(Skin);
    meter->SetMaxValue(32512);
    meter->SetShowPercent(true);
    auto* bar = new TskSkinGauge(Form);
    bar->SetParent(Form);
    bar->SetSkinDataName("hgauge");
    bar->SetBounds(60, 20, 200, 16);
    bar->SetSkinData(Skin);
    bar->SetShowPercent(true);
    auto* plain = new TskSkinGauge(Form);
    plain->SetParent(Form);
    plain->SetBounds(60, 60, 200, 20);
    plain->SetShowPercent(true);
    for (int percent : {0, 50, 100}) {
        meter->SetValue(32512 * percent / 100);
        bar->SetValue(percent);
        plain->SetValue(percent);
        Pump();
        sheet.Add("meter " + std::to_string(percent) + "%", Capture(meter, 2));
        sheet.Add("skinned", Capture(bar, 2));
        sheet.Add("plain", Capture(plain, 2));
        sheet.NewRow();
    }
    EXPECT_TRUE(sheet.Save("gauge.png"));
}

TEST_F(SkinControlsSheetTest, TrackBars) {
    TPictureSheet sheet("TskSkinTrackBar at min, middle, max and dragging");
    auto* bar = new TskSkinTrackBar(Form);
    bar->SetParent(Form);
    bar->SetSkinDataName("trackbar");
    bar->SetBounds(20, 20, 18, 193);
    bar->SetSkinData(Skin);
    bar->SetMaxValue(65535);
    auto* plain = new TskSkinTrackBar(Form);
    plain->SetParent(Form);
    plain->SetBounds(60, 20, 160, 24);
    plain->SetMaxValue(100);
    auto* plainVertical = new TskSkinTrackBar(Form);
    plainVertical->SetParent(Form);
    plainVertical->SetVertical(true);
    plainVertical->SetBounds(240, 20, 24, 193);
    plainVertical->SetMaxValue(100);
    for (int percent : {0, 50, 100}) {
        bar->SetValue(65535 * percent / 100);
        plain->SetValue(percent);
        plainVertical->SetValue(percent);
        const std::string at = percent == 0 ? "min" : percent == 50 ? "middle" : "max";
        sheet.Add("skinned " + at, Capture(bar, 2));
        sheet.Add("plain", Capture(plain, 2));
        sheet.Add("plain vertical", Capture(plainVertical, 2));
        sheet.NewRow();
    }
    bar->UpdateThumb();
    MouseDown(bar, 9, bar->ThumbRect().top + 11);
    Hover(bar, 9, 60);
    plain->UpdateThumb();
    sheet.Add("skinned dragging", Capture(bar, 2));
    MouseUp(bar, 9, 60);
    MouseDown(plain, plain->ThumbRect().left + 4, 12);
    Hover(plain, 40, 12);
    sheet.Add("plain dragging", Capture(plain, 2));
    MouseUp(plain, 40, 12);
    EXPECT_TRUE(sheet.Save("trackbar.png"));
}

TEST_F(SkinControlsSheetTest, ProgressBars) {
    TPictureSheet sheet("TFrProgressBar: the level meters, the progress window's bar, an LED bar");
    Form->SetClientHeight(400);
    auto* meter = new TFrProgressBar(Form);
    meter->SetParent(Form);
    StyleAsLevelMeter(meter, 20, 20);
    for (int percent : {0, 40, 100}) {
        meter->SetPercent(std::int16_t(percent));
        sheet.Add("meter " + std::to_string(percent) + "%", Capture(meter, 2));
    }
    meter->Free();
    sheet.NewRow();
    auto* progress = new TFrProgressBar(Form);
    progress->SetParent(Form);
    StyleAsProgressWindowBar(progress, 20, 20);
    for (int percent : {0, 35, 100}) {
        progress->SetPercent(std::int16_t(percent));
        sheet.Add("progress " + std::to_string(percent) + "%", Capture(progress, 2));
    }
    sheet.NewRow();
    progress->SetBarStyle(bsTraditional);
    progress->SetBorderOuter(fsLowered);
    progress->SetPercent(60);
    sheet.Add("traditional, lowered border", Capture(progress, 2));
    progress->SetBarStyle(bsLED);
    progress->SetBarColor(clLime);
    progress->SetPercent(45);
    sheet.Add("LED 45%", Capture(progress, 2));
    progress->Free();
    EXPECT_TRUE(sheet.Save("progressbar.png"));
}

TEST_F(SkinControlsSheetTest, HotKeyEdits) {
    TPictureSheet sheet("TFrHotKeyEdit: normal, focused, disabled, framed");
    auto* edit = new TFrHotKeyEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(12, 20, 145, 21);
    edit->SetHotKey(TShortCut(scCtrl | 'K'));
    sheet.Add("normal", Capture(edit, 3));
    edit->SetFocusColor(TColor(RGB(255, 250, 220)));
    edit->SetFocus();
    Pump();
    sheet.Add("focused", Capture(edit, 3));
    Sink->SetFocus();
    edit->SetEnabled(false);
    sheet.Add("disabled", Capture(edit, 3));
    edit->SetEnabled(true);
    sheet.NewRow();
    edit->SetFrameColor(clGray);
    edit->SetFrameHotColor(TColor(RGB(30, 110, 210)));
    edit->SetFrameHotTrack(true);
    Pump();
    sheet.Add("framed", Capture(edit, 3));
    Hover(edit, 20, 8);
    sheet.Add("framed, hot", Capture(edit, 3));
    MouseAway();
    edit->SetFrameHotTrack(false);
    edit->SetFrameStyle(fsLowered);
    Pump();
    sheet.Add("framed, lowered", Capture(edit, 3));
    EXPECT_TRUE(sheet.Save("hotkeyedit.png"));
}

} // namespace skin_controls_sheet_test
