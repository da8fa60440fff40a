// One dialog with every kind of standard control, saved as a picture for inspection.
#include "StdCtrlsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/BitBtn.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/PaintBox.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Picture.h"
#include "platform/vcl/ProgressBar.h"
#include "platform/vcl/RadioButton.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/SpeedButton.h"
#include "platform/vcl/Splitter.h"
#include "platform/vcl/StatusBar.h"
#include "platform/vcl/StdCtrlsStaticText.h"
#include "platform/vcl/TrackBar.h"
#include "platform/vcl/UpDown.h"
#include "platform/win/Presenter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace stdctrls_screenshot_test {

using stdctrls_test::StdCtrlsTest;

template <class T> T* Put(TWinControl* parent, int x, int y, int w, int h) {
    auto* control = new T(parent->Owner() != nullptr ? parent->Owner() : parent);
    control->SetBounds(x, y, w, h);
    control->SetParent(parent);
    return control;
}

TEST_F(StdCtrlsTest, ScreenshotOfADialogWithEveryControlKind) {
    form->SetCaption("Convert files");
    form->SetBounds(50, 50, 760, 440);
    auto* nameLabel = Put<TLabel>(form, 10, 14, 60, 13);
    nameLabel->SetCaption("&Name:");
    auto* name = Put<TEdit>(form, 70, 10, 160, 21);
    name->SetText("Take 3 (final).wav");
    nameLabel->SetFocusControl(name);
    auto* format = Put<TComboBox>(form, 240, 10, 120, 21);
    format->SetStyle(csDropDownList);
    for (const char* s : {"WAV", "MP3", "OGG", "WMA"})
        format->Items()->Add(s);
    format->SetItemIndex(1);
    auto* quality = Put<TEdit>(form, 370, 10, 60, 21);
    auto* spin = Put<TUpDown>(form, 0, 0, 17, 21);
    spin->SetMax(320);
    spin->SetAssociate(quality);
    spin->SetPosition(192);
    auto* group = Put<TGroupBox>(form, 10, 40, 160, 90);
    group->SetCaption("&Channels");
    auto* mono = Put<TRadioButton>(group, 10, 20, 120, 17);
    mono->SetCaption("Mono");
    auto* stereo = Put<TRadioButton>(group, 10, 42, 120, 17);
    stereo->SetCaption("Stereo");
    stereo->SetChecked(true);
    auto* normalize = Put<TCheckBox>(form, 180, 45, 120, 17);
    normalize->SetCaption("&Normalize");
    normalize->SetChecked(true);
    auto* dither = Put<TCheckBox>(form, 180, 67, 120, 17);
    dither->SetCaption("&Dither");
    dither->SetAllowGrayed(true);
    dither->SetState(cbGrayed);
    auto* files = Put<TListBox>(form, 10, 140, 200, 95);
    files->SetMultiSelect(true);
    for (int i = 1; i <= 12; ++i)
        files->Items()->Add("Track " + std::to_string(i) + ".flac");
    files->SetSelected(1, true);
    files->SetSelected(2, true);
    auto* volume = Put<TTrackBar>(form, 220, 140, 180, 40);
    volume->SetMax(20);
    volume->SetPosition(14);
    auto* pan = Put<TScrollBar>(form, 220, 190, 180, 17);
    pan->SetParams(40, 0, 100);
    pan->SetPageSize(20);
    auto* progress = Put<TProgressBar>(form, 220, 215, 180, 18);
    progress->SetPosition(60);
    auto* bevel = Put<TBevel>(form, 10, 245, 490, 2);
    bevel->SetShape(bsTopLine);
    auto* panel = Put<TPanel>(form, 10, 255, 300, 40);
    panel->SetCaption("Ready");
    panel->SetBevelOuter(bvLowered);
    auto* tool = Put<TSpeedButton>(panel, 270, 9, 23, 22);
    tool->SetGroupIndex(1);
    tool->SetDown(true);
    TBitmap glyph(16, 16);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(RECT{0, 0, 16, 16});
    glyph.Canvas()->Brush()->SetColor(clNavy);
    glyph.Canvas()->FillRect(RECT{4, 4, 12, 12});
    tool->SetGlyph(&glyph);
    auto* picture = Put<TImage>(form, 320, 255, 40, 40);
    picture->Picture()->SetBitmap(&glyph);
    picture->SetStretch(true);
    auto* meter = Put<TPaintBox>(form, 370, 255, 130, 40);
    meter->OnPaint = [meter](TObject*) {
        meter->Canvas()->Brush()->SetColor(clBlack);
        meter->Canvas()->FillRect(RECT{0, 0, 130, 40});
        meter->Canvas()->Brush()->SetColor(clLime);
        meter->Canvas()->FillRect(RECT{4, 14, 90, 26});
    };
    // The right half: pages with a list view and a memo, a splitter, static text, a status bar.
    auto* pages = Put<TPageControl>(form, 520, 10, 225, 290);
    auto* regions = new TTabSheet(form);
    regions->SetCaption("&Regions");
    regions->SetPageControl(pages);
    auto* notes = new TTabSheet(form);
    notes->SetCaption("&Notes");
    notes->SetPageControl(pages);
    auto* view = Put<TListView>(regions, 4, 4, 210, 170);
    view->SetMultiSelect(true);
    view->SetRowSelect(true);
    view->SetHideSelection(false);
    for (const char* c : {"Name", "Start"})
        view->Columns()->Add()->SetCaption(c);
    view->Columns()->Items(0)->SetWidth(110);
    view->Columns()->Items(1)->SetWidth(80);
    for (int i = 1; i <= 14; ++i) {
        TListItem* item = view->Items()->Add();
        item->SetCaption("Region " + std::to_string(i));
        item->SubItems()->Add("00:0" + std::to_string(i % 10));
    }
    view->Items()->Item(2)->SetSelected(true);
    auto* memo = Put<TMemo>(regions, 4, 180, 210, 75);
    memo->SetScrollBars(ssVertical);
    memo->SetText(
        "Recorded live.\r\nTrack 2 needs a fade out at the end, and the noise at the start removed.");
    auto* status = new TStatusBar(form);
    status->SetParent(form);
    for (int w : {120, 120, 60})
        status->Panels()->Add()->SetWidth(w);
    status->Panels()->Items(0)->SetText("44100 Hz stereo");
    status->Panels()->Items(1)->SetText("00:03:12.500");
    auto* side = Put<TPanel>(form, 0, 0, 60, 40);
    side->SetAlign(alLeft);
    side->SetCaption("Files");
    auto* split = new TSplitter(form);
    split->SetLeft(61);
    split->SetParent(form);
    split->SetBeveled(true);
    side->SetWidth(6);
    auto* info = Put<TStaticText>(form, 520, 310, 100, 17);
    info->SetCaption("&Output folder");
    info->SetBorderStyle(sbsSunken);
    auto* help = Put<TBitBtn>(form, 520, 345, 75, 25);
    help->SetKind(bkHelp);
    help->SetGlyph(&glyph);
    auto* ok = Put<TButton>(form, 340, 320, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    auto* cancel = Put<TButton>(form, 425, 320, 75, 25);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    ShowForm();
    name->SetFocus();
    Pump();
    name->SelectAll();
    Pump();

    // A few pixels that show the controls really drew.
    EXPECT_EQ(ColorAt(ok, 0, 0), ColorToRGB(clWindowFrame));     // the default button's frame
    EXPECT_EQ(ColorAt(progress, 5, 9), ColorToRGB(clHighlight)); // the progress blocks
    EXPECT_EQ(ColorAt(meter, 50, 20), clLime);
    EXPECT_EQ(ColorAt(picture, 20, 20), clNavy);
    const RECT second = files->ItemRect(1);
    EXPECT_EQ(ColorAt(files, second.right - 3, second.top + 2), ColorToRGB(clHighlight));

    const std::string path = stdctrls_test::TestOutDir() + "/standard-controls-dialog.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(olva::win::SaveWindowPng(form->Handle(), path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    // The same dialog with the combo box open over it.
    format->SetDroppedDown(true);
    Pump();
    const std::string open = stdctrls_test::TestOutDir() + "/standard-controls-combo-open.png";
    ASSERT_TRUE(olva::win::SaveScreenPng(open));
    format->SetDroppedDown(false);
}

} // namespace stdctrls_screenshot_test
