// Edit, combo, colour-combo and spin-edit painting: the part tables (drop-down button, custom-colour
// button, spin buttons and their arrows), the edit's colours, the order EditDraw draws in with the control
// calling back for its frame and text field, the selection of an edit window's text, and the flat look's
// edit frame and list entries. The controls are the gallery's edit stand-ins.
#include "BarPaintingTestSupport.h"
#include "gallery/GalleryControls.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/styles/Styles.h"

#include <string>
#include <vector>

using namespace bars_test;
using bar_gallery::TGalleryEditControl;
using bar_gallery::TGalleryEditItem;
using bar_standins::TStandInToolbar;

namespace {

class EditPaintingTest : public BarPaintingTest {
protected:
    // An edit-like item of the kind on a toolbar of its own, drawn with APainter (the fixture's by default).
    TGalleryEditControl* Show(bar_gallery::TGalleryEditKind AKind, int AWidth,
                              TovBarPainter* APainter = nullptr, bool ACustomColorButton = true) {
        auto* item = new TGalleryEditItem(form, AKind);
        item->SetCaption("Rate:");
        item->SetText("44100");
        item->SetWidth(AWidth);
        item->ShowCustomColorButton = ACustomColorButton;
        bar = Toolbar(dsTop);
        if (APainter != nullptr) bar->SetPainter(APainter);
        auto* control = dynamic_cast<TGalleryEditControl*>(bar->Add(item)->Control());
        bar->Layout();
        return control;
    }
    int ZeroWidth(TGalleryEditControl* AControl) { return AControl->DrawParams()->Canvas->TextWidth("0"); }
    TStandInToolbar* bar = nullptr;
};

// Remembers the size of every edit-button arrow drawn.
class ArrowPainter : public TovBarPainter {
public:
    void DrawEditButtonArrow(TovBarItemControlDrawParams* ADrawParams, const TRect& R, TColor AColor,
                             int ASize) override {
        Sizes.push_back(ASize);
        TovBarPainter::DrawEditButtonArrow(ADrawParams, R, AColor, ASize);
    }
    std::vector<int> Sizes;
};

TEST_F(EditPaintingTest, TheComboButtonTakesTheArrowWidthAndItsArrowIsOdd) {
    TGalleryEditControl* combo = Show(bar_gallery::gekCombo, 100);
    ASSERT_NE(combo, nullptr);
    const std::vector<TRect>& parts = combo->Parts();
    ASSERT_EQ(parts.size(), 4u);
    const TRect edit = combo->EditRect();
    const int arrowWidth = 2 * ZeroWidth(combo) - 1;
    EXPECT_EQ(parts[3], (TRect{edit.right - 2 - arrowWidth, edit.top + 2, edit.right - 2, edit.bottom - 2}));
    EXPECT_EQ(parts[0], (TRect{edit.left + 2, edit.top + 2, parts[3].left - 1, edit.bottom - 2}));

    ArrowPainter arrows;
    TPicture picture = Picture(40, 20);
    combo->DrawParams()->Canvas = picture.Canvas.get();
    struct TCase {
        int Width, Size;
    };
    const TCase cases[] = {{16, 5}, {15, 3}, {17, 5}, {20, 5}, {12, 3}, {24, 7}};
    for (const TCase& c : cases) {
        arrows.Sizes.clear();
        arrows.DrawComboDropDownButton(combo->DrawParams(), TRect{0, 0, c.Width, 20});
        ASSERT_EQ(arrows.Sizes.size(), 1u);
        EXPECT_EQ(arrows.Sizes[0], c.Size) << "a button " << c.Width << " wide";
    }
}

TEST_F(EditPaintingTest, TheColourComboPlacesItsCustomColourButtonOnlyWhereItFits) {
    for (bool custom : {true, false}) {
        TGalleryEditControl* combo = Show(bar_gallery::gekColorCombo, 110, nullptr, custom);
        const std::vector<TRect>& parts = combo->Parts();
        ASSERT_EQ(parts.size(), 5u);
        const TRect edit = combo->EditRect();
        // The button's width from the height: ((H - 4) div 7) x 7 less its side offsets (1, 1), plus 4.
        const int width = (uiHeightOfRect(edit) - 4) / 7 * 7 - 2 + 4;
        if (custom) {
            EXPECT_EQ(parts[4],
                      (TRect{edit.right - width - 1, edit.top + 2, edit.right - 1, edit.bottom - 2}));
            EXPECT_EQ(parts[3].right, parts[4].left - 1 - 2) << "the button's offset and the text offset";
        } else {
            EXPECT_TRUE(uiIsRectEmpty(parts[4]));
            EXPECT_EQ(parts[3].right, edit.right - 2) << "the drop-down button directly at the right";
        }
        EXPECT_EQ(uiWidthOfRect(parts[3]), 2 * ZeroWidth(combo) - 1) << custom;
        EXPECT_EQ(parts[0].right, parts[3].left - 1) << custom;
    }
    TGalleryEditControl* narrow = Show(bar_gallery::gekColorCombo, 30);
    EXPECT_TRUE(uiIsRectEmpty(narrow->Parts()[4])) << "half of the field or more: no button";
}

TEST_F(EditPaintingTest, SpinButtonsSplitTheirColumnOrAreLeftOut) {
    struct TCase {
        int Height;
        TSize Arrow;
    };
    const TCase cases[] = {{22, {7, 4}}, {20, {7, 4}}, {16, {5, 3}}, {24, {9, 5}}, {30, {11, 6}}};
    for (const TCase& c : cases)
        EXPECT_EQ(painter->SpinEditGetArrowSize(c.Height), c.Arrow) << c.Height;

    TGalleryEditControl* spin = Show(bar_gallery::gekSpinEdit, 80);
    const std::vector<TRect>& parts = spin->Parts();
    ASSERT_EQ(parts.size(), 5u);
    const TRect edit = spin->EditRect();
    const TSize arrow = painter->SpinEditGetArrowSize(uiHeightOfRect(edit));
    const int buttons = arrow.cx + 2 * arrow.cy - 2 + 4;
    const int middle = (edit.top + edit.bottom) / 2;
    EXPECT_EQ(parts[3], (TRect{edit.right - buttons - 1, edit.top, edit.right - 1, middle}));
    EXPECT_EQ(parts[4], (TRect{edit.right - buttons - 1, middle, edit.right - 1, edit.bottom}));
    EXPECT_EQ(parts[0].right, parts[3].left - 2 - 1) << "the content offset and the buttons' offset";
    auto* params = static_cast<TovBarSpinEditDrawParams*>(spin->DrawParams());
    EXPECT_EQ(params->ArrowSize, arrow);
    // A button stepped by a key is active without the mouse; the mouse over the other makes it hot.
    params->ActiveButton = 3;
    params->HotPartIndex = 4;
    EXPECT_EQ(painter->SpinEditButtonStateOf(params, 0), 3);
    EXPECT_EQ(painter->SpinEditButtonStateOf(params, 1), 2);
    params->ActiveButton = -1;
    params->HotPartIndex = ovNoHotPart;
    EXPECT_EQ(painter->SpinEditButtonStateOf(params, 0), 1);
    params->Enabled = false;
    EXPECT_EQ(painter->SpinEditButtonStateOf(params, 1), 4);
    params->Enabled = true;

    TGalleryEditControl* narrow = Show(bar_gallery::gekSpinEdit, 20);
    EXPECT_TRUE(uiIsRectEmpty(narrow->Parts()[3]));
    EXPECT_TRUE(uiIsRectEmpty(narrow->Parts()[4]));

    TovBarFlatPainter flat;
    TGalleryEditControl* flatSpin = Show(bar_gallery::gekSpinEdit, 80, &flat);
    const TRect flatEdit = flatSpin->EditRect();
    EXPECT_EQ(flatSpin->Parts()[3].bottom, (flatEdit.top + flatEdit.bottom) / 2 + 1) << "the flat up button";
    EXPECT_EQ(flatSpin->Parts()[4].top, (flatEdit.top + flatEdit.bottom) / 2);
}

TEST_F(EditPaintingTest, DisabledEditsTakeGreyTextAndTheirBarsBackgroundEvenWithTheItemsColours) {
    TGalleryEditControl* edit = Show(bar_gallery::gekEdit, 80);
    TColor text = clNone, back = clNone;
    painter->EditGetColors(edit, text, back);
    EXPECT_EQ(text, clWindowText);
    EXPECT_EQ(back, clWindow);
    auto* style = new TuiStyle(form);
    style->SetTextColor(clMaroon);
    style->SetColor(clYellow);
    static_cast<TovBarEdit*>(edit->Item())->SetStyleEdit(style);
    painter->EditGetColors(edit, text, back);
    EXPECT_EQ(text, clMaroon) << "the edit style's colours";
    EXPECT_EQ(back, clYellow);
    edit->Item()->SetEnabled(false);
    painter->EditGetColors(edit, text, back);
    EXPECT_EQ(text, clGrayText) << "grey even though the item has a text colour";
    LOGBRUSH brush{};
    GetObject(bar->GetBackgroundBrush(), sizeof(brush), &brush);
    EXPECT_EQ(Rgb(back), Rgb(static_cast<TColor>(brush.lbColor)));

    // Painted: the field in the edit's colours, its text grey while disabled.
    const TRect bounds = edit->GetBoundsRect();
    TPicture picture = Picture(bounds.right, bounds.bottom, clRed);
    edit->Paint(picture.Canvas.get(), bounds, iptHorizontal);
    const TRect field = edit->Parts()[0];
    // The text's own colour is the darkest in the field (its smoothed edges are lighter).
    auto darkest = [&](const TPicture& APicture) {
        TColor ink = Rgb(clWhite);
        int level = 3 * 255;
        for (int y = field.top; y < field.bottom; ++y)
            for (int x = field.left; x < field.right; ++x) {
                const TColor c = APicture.At(x, y);
                const int sum = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
                if (sum < level) {
                    level = sum;
                    ink = c;
                }
            }
        return ink;
    };
    EXPECT_EQ(picture.At(field.right - 3, field.top + 2), Rgb(back));
    EXPECT_EQ(darkest(picture), Rgb(clGrayText));
    edit->Item()->SetEnabled(true);
    static_cast<TovBarEdit*>(edit->Item())->SetStyleEdit(nullptr);
    TPicture enabled = Picture(bounds.right, bounds.bottom, clRed);
    edit->Paint(enabled.Canvas.get(), bounds, iptHorizontal);
    EXPECT_EQ(enabled.At(field.right - 3, field.top + 2), Rgb(clWindow));
    EXPECT_EQ(darkest(enabled), Rgb(clWindowText));
}

// Records the steps of drawing an edit.
class EditRecordingPainter : public TovBarPainter {
public:
    void EditDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override {
        Steps.push_back("background");
        TovBarPainter::EditDrawBackground(ADrawParams, R);
    }
    void EditDrawSelectionFrame(TovBarItemControlDrawParams* ADrawParams, HDC ADC, const TRect& R) override {
        Steps.push_back("selection frame");
    }
    void EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) override {
        Steps.push_back("frame");
        TovBarPainter::EditDrawFrame(ADrawParams, R);
    }
    void EditDrawGlyph(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override {
        Steps.push_back("glyph");
    }
    void EditDrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override {
        Steps.push_back("caption");
    }
    void DrawComboDropDownButton(TovBarItemControlDrawParams* ADrawParams, TRect R) override {
        Steps.push_back("drop-down button");
    }
    void EditDrawText(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R,
                      const std::string& AText) override {
        Steps.push_back("text " + AText);
    }
    std::vector<std::string> Steps;
};

TEST_F(EditPaintingTest, AnEditIsDrawnBackgroundFrameCaptionThenItsTextField) {
    EditRecordingPainter recording;
    TGalleryEditControl* combo = Show(bar_gallery::gekCombo, 90, &recording);
    combo->Item()->SetShowCaption(true);
    bar->Layout();
    const TRect bounds = combo->GetBoundsRect();
    TPicture picture = Picture(bounds.right, bounds.bottom);
    combo->Paint(picture.Canvas.get(), bounds, iptHorizontal);
    EXPECT_EQ(recording.Steps,
              (std::vector<std::string>{"background", "frame", "caption", "drop-down button", "text 44100"}));

    recording.Steps.clear();
    bar->SetBehaviorOptions(TovBarBehaviorOptions{bboKeepSelection});
    bar->SetSelectedControl(combo);
    combo->Paint(picture.Canvas.get(), bounds, iptHorizontal);
    EXPECT_EQ(recording.Steps, (std::vector<std::string>{"background", "selection frame", "frame", "caption",
                                                         "drop-down button", "text 44100"}))
        << "a selection the bar keeps is framed before the edit's own frame";
}

// Every message a window was sent, in order.
std::vector<std::tuple<UINT, WPARAM, LPARAM>>& Messages() {
    static std::vector<std::tuple<UINT, WPARAM, LPARAM>> messages;
    return messages;
}

LRESULT RecordingWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    if (AMessage == WM_COMMAND || AMessage == EM_SETSEL) Messages().emplace_back(AMessage, AWParam, ALParam);
    return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}

TEST_F(EditPaintingTest, SelectingAllTellsTheWindowItChangedFirst) {
    WNDCLASS wc{};
    wc.lpfnWndProc = &RecordingWindowProc;
    wc.lpszClassName = "BarsTestEditRecorder";
    RegisterClass(&wc);
    HWND window = CreateWindowEx(0, "BarsTestEditRecorder", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr,
                                 nullptr, nullptr);
    Messages().clear();
    painter->EditSelectAll(window, true);
    using TMessage = std::tuple<UINT, WPARAM, LPARAM>;
    const std::vector<TMessage> notified{
        TMessage{WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(window)},
        TMessage{EM_SETSEL, 0, -1}};
    EXPECT_EQ(Messages(), notified);
    Messages().clear();
    painter->EditSelectAll(window, false);
    EXPECT_EQ(Messages(), (std::vector<TMessage>{TMessage{EM_SETSEL, 0, -1}}));
    painter->EditSelectAll(nullptr, true);
    EXPECT_EQ(Messages().size(), 1u) << "no window, nothing sent";
    DestroyWindow(window);
}

TEST_F(EditPaintingTest, TheFlatSelectionFrameStaysUnderWhatFollowsAndListTextSitsLowerInTheField) {
    TovBarFlatPainter flat;
    TGalleryEditControl* edit = Show(bar_gallery::gekEdit, 80, &flat);
    TPicture picture = Picture(30, 20, clRed);
    HDC dc = picture.DC();
    const TRect r{2, 2, 28, 18};
    flat.EditDrawSelectionFrame(edit->DrawParams(), dc, r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(picture.At(2, 10), Rgb(clHighlight)) << "the ring is kept out of the clip region";
    EXPECT_EQ(picture.At(27, 10), Rgb(clHighlight));
    EXPECT_EQ(picture.At(10, 10), Rgb(clWindow));

    auto firstInkRow = [&](bool AInInterior) {
        TPicture entry = Picture(60, 20);
        entry.Canvas->SetBrushColor(clWindow);
        entry.Canvas->Font()->SetColor(clBlack);
        flat.ComboDrawListItem(entry.Canvas.get(), "Hz", AInInterior, TRect{0, 0, 60, 20});
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                if (entry.At(x, y) != Rgb(clWindow)) return y;
        return -1;
    };
    const int inList = firstInkRow(false);
    ASSERT_GE(inList, 0);
    EXPECT_EQ(firstInkRow(true), inList + 2);
}

} // namespace
