// The gallery of our two skins: every skinned control of the main and recording windows in every state,
// on headless forms laid out as the windows lay them out, taken from the composed screen and written
// under build/test-output/skins/ (a PNG per picture and a contact sheet per skin) to be looked at.
// Beside the pictures the checks pin that every state of a button looks like no other (a half fade
// included) and that the fader shows its held cap while dragged.
#include "SkinControlTestSupport.h"
#include "SkinGallery.h"
#include "SkinTestSupport.h"
#include "WindowSkinSupport.h"

#include "assets/skins/SkinResourceNames.h"
#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Panel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"
#include "skin/images/SkinPngImageList.h"

#include <gtest/gtest.h>

namespace window_skins_gallery_test {
using namespace windowskins;
using namespace skin_resources;
using skintest::PixelOf;

// The colours the windows are meant to put around and on our skins (see tools/skingen/Palette.h).
const TColor WindowGrey = TColor(RGB(240, 240, 240));
const TColor DisplayText = TColor(RGB(168, 220, 248));
const TColor Console = TColor(RGB(29, 32, 35));
const TColor LimeLabel = TColor(RGB(0, 255, 0));

class WindowSkinsGallery : public skintest::TSkinControlTest {
protected:
    void UseSkin(const char* Name, TColor FormColour, int Width, int Height) {
        Form->SetBounds(0, 0, Width, Height);
        Form->SetColor(FormColour);
        Stored = StoredSkin(Name);
        Skin->SetCompressedStoredSkin(Stored.get());
        ASSERT_FALSE(Skin->Empty());
        // Something else holds the focus when the form is shown, so the buttons start unfocused.
        Sink = new TEdit(Form);
        Sink->SetParent(Form);
        Sink->SetBounds(Width - 60, Height - 60, 40, 20);
    }
    template <class T> T* Add(TWinControl* Parent, const char* SkinName, int X, int Y, int W, int H) {
        auto* control = new T(Form);
        control->SetParent(Parent);
        control->SetSkinDataName(SkinName);
        control->SetSkinData(Skin);
        control->SetBounds(X, Y, W, H);
        return control;
    }
    TskSkinButton* AddButton(TWinControl* Parent, const char* SkinName, int X, int Y, int W, int H,
                             const std::string& Caption = "") {
        // As in the windows: the faces stretch to the button's own size.
        auto* button = Add<TskSkinButton>(Parent, SkinName, X, Y, W, H);
        button->SetUseSkinSize(false);
        button->SetBounds(X, Y, W, H);
        button->SetCaption(Caption);
        return button;
    }
    // A plain label over a skinned face, as the windows place them.
    void AddLabel(TWinControl* Parent, const std::string& Text, int X, int Y, TColor Colour) {
        auto* label = new TLabel(Form);
        label->SetParent(Parent);
        label->SetCaption(Text);
        label->SetTransparent(true);
        label->Font()->SetColor(Colour);
        label->SetLeft(X);
        label->SetTop(Y);
    }
    static std::unique_ptr<TBitmap> Glyph(const char* Name) {
        RegisterEmbedded();
        auto glyph = std::make_unique<TBitmap>();
        glyph->LoadFromResourceName(nullptr, Name);
        return glyph;
    }
    void Rest() {
        MouseAway();
        Sink->SetFocus();
        Advance(150);
    }
    std::unique_ptr<TBitmap> Shot(TControl* Control, int Margin = 2) {
        Advance(1);
        return Capture(Control, Margin);
    }
    // The looks of a button (normal, half-faded, hot, down, focused, disabled), each on the gallery.
    void AddButtonStates(TGallery& Gallery, const std::string& Name, TskSkinButton* B, int Zoom) {
        const int cx = B->Width() / 2, cy = B->Height() / 2;
        std::vector<std::string> shown;
        auto add = [&](const std::string& State) {
            auto shot = Shot(B);
            shown.push_back(Signature(*shot));
            Gallery.Add(Name + "-" + State, std::move(shot), Zoom);
        };
        Rest();
        add("normal");
        Hover(B, cx, cy);
        Advance(40);
        // (A chosen page button shows its down face and does not fade.)
        if (!B->Down()) {
            EXPECT_GT(B->MorphFraction(), 0.0);
            EXPECT_LT(B->MorphFraction(), 1.0);
        }
        add("half-faded");
        Advance(150);
        add("hot");
        MouseDown(B, cx, cy);
        add("down");
        MouseUp(B, cx, cy);
        MouseAway();
        Advance(150);
        // Page buttons (grouped) never take the focus: their down face stays.
        EXPECT_EQ(B->Focused(), B->CanFocused());
        if (B->CanFocused()) add("focused");
        Rest();
        B->SetEnabled(false);
        add("disabled");
        B->SetEnabled(true);
        Rest();
        // Every state looks different from every other.
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_NE(shown[i], shown[j]) << Name << ": states " << i << " and " << j << " look alike";
    }
    // The picture's pixels, to compare pictures by.
    static std::string Signature(TBitmap& Picture) {
        std::string pixels;
        for (int y = 0; y < Picture.Height(); ++y)
            for (int x = 0; x < Picture.Width(); ++x)
                pixels += std::to_string(PixelOf(Picture, x, y)) + ",";
        return pixels;
    }

    TEdit* Sink = nullptr;
};

TEST_F(WindowSkinsGallery, MainWindow) {
    UseSkin(MainWindowSkin, WindowGrey, 860, 560);
    // The transport bar as the window lays it out: ten transport buttons, two time displays, six zoom
    // buttons from the right edge.
    auto* bar = Add<TskSkinPanel>(Form, "panelbottom", 10, 10, 840, 34);
    std::vector<TskSkinButton*> transport;
    for (int i = 0; i < 10; ++i) {
        transport.push_back(AddButton(bar, "buttonbottomPlay", 6 + 24 * i, 6, 22, 22));
        transport.back()->SetGlyph(Glyph(TransportGlyphs[i]).get());
    }
    for (int left : {300, 490}) {
        auto* display = Add<TskSkinPanel>(bar, "panelTime", left, 6, 164, 22);
        for (int x : {6, 86}) {
            AddLabel(display, "0:01:23.456", x, 4, DisplayText);
        }
    }
    auto* zoomImages = new TImageList(Form);
    zoomImages->SetSize(ZoomImageSize, ZoomImageSize);
    for (const char* name : ZoomImages)
        zoomImages->Add(Glyph(name).get(), nullptr);
    std::vector<TskSkinButton*> zoom;
    for (int i = 0; i < 6; ++i) {
        zoom.push_back(AddButton(bar, "buttonZoom", 840 - 22 * (i + 1), 6, 22, 22));
        zoom.back()->SetImageList(zoomImages);
        zoom.back()->SetImageIndex(i);
    }
    // The command bar's frame with its two page buttons, a page and the button under it; the bar's
    // small hide button above it.
    auto* hide = AddButton(Form, "buttonShowEffects", 196, 60, 16, 16, "x");
    auto* frame = Add<TskSkinGroupBox>(Form, "panelLeft", 10, 78, 202, 300);
    frame->SetCaption("");
    auto* effects = AddButton(frame, "buttonEffectFav", 8, 10, 90, 22, "Effects");
    auto* favorites = AddButton(frame, "buttonEffectFav", 104, 10, 90, 22, "Favorites");
    effects->SetGlyph(Glyph(CommandBarGlyphs[0]).get());
    favorites->SetGlyph(Glyph(CommandBarGlyphs[1]).get());
    for (TskSkinButton* page : {effects, favorites})
        page->SetGroupIndex(1);
    effects->SetDown(true);
    auto* list = new TListBox(Form);
    list->SetParent(frame);
    list->SetBounds(8, 38, 186, 218);
    for (const char* item : {"Amplify", "Normalize", "Fade In", "Fade Out", "Echo"})
        list->Items()->Add(item);
    auto* editFavorites = AddButton(frame, "buttonShowEffects", 8, 264, 186, 24, "Edit Favorites...");
    // The panels stretched beyond their design sizes.
    auto* tallBar = Add<TskSkinPanel>(Form, "panelbottom", 230, 60, 400, 60);
    auto* bigDisplay = Add<TskSkinPanel>(Form, "panelTime", 230, 130, 260, 44);
    auto* bigFrame = Add<TskSkinGroupBox>(Form, "panelLeft", 650, 60, 190, 320);
    bigFrame->SetCaption("");
    // Buttons far from their faces' sizes: the faces stretch on their client grid.
    auto* wideTransport = AddButton(Form, "buttonbottomPlay", 230, 190, 70, 34);
    wideTransport->SetGlyph(Glyph(TransportGlyphs[3]).get());
    auto* wideZoom = AddButton(Form, "buttonZoom", 310, 190, 44, 22);
    wideZoom->SetImageList(zoomImages);
    wideZoom->SetImageIndex(5);
    auto* tallPage = AddButton(Form, "buttonEffectFav", 370, 190, 120, 36, "Favorites");
    tallPage->SetGlyph(Glyph(CommandBarGlyphs[1]).get());
    ShowForm();

    TGallery gallery("OLVA Graphite: the main window's skin", "mainwindow");
    Rest();
    gallery.Add("transport-bar", Shot(bar), 1);
    gallery.NewRow();
    gallery.Add("transport-buttons", Capture(bar, 0), 2);
    gallery.NewRow();
    AddButtonStates(gallery, "play", transport[3], 4);
    gallery.NewRow();
    AddButtonStates(gallery, "record", transport[9], 4);
    gallery.NewRow();
    AddButtonStates(gallery, "zoom-in", zoom[5], 4);
    gallery.NewRow();
    // The page buttons: one of the two is always the chosen (down) one.
    favorites->SetDown(true);
    gallery.Add("favorites-page-chosen", Shot(favorites, 2), 2);
    AddButtonStates(gallery, "effects-page", effects, 2);
    effects->SetDown(true);
    gallery.NewRow();
    AddButtonStates(gallery, "edit-favorites", editFavorites, 2);
    gallery.NewRow();
    AddButtonStates(gallery, "hide-command-bar", hide, 4);
    gallery.NewRow();
    gallery.Add("command-bar", Shot(frame), 1);
    gallery.Add("panel-stretched", Shot(tallBar), 1);
    gallery.Add("display-stretched", Shot(bigDisplay), 1);
    gallery.Add("frame-stretched", Shot(bigFrame), 1);
    gallery.NewRow();
    gallery.Add("transport-button-wide", Shot(wideTransport), 2);
    Hover(wideTransport, 35, 17);
    Advance(150);
    gallery.Add("transport-button-wide-hot", Shot(wideTransport), 2);
    Rest();
    gallery.Add("zoom-button-wide", Shot(wideZoom), 2);
    gallery.Add("page-button-tall", Shot(tallPage), 2);
    EXPECT_TRUE(gallery.Save());
}

TEST_F(WindowSkinsGallery, RecordingWindow) {
    UseSkin(RecordingSkin, Console, 600, 420);
    // The console as the window shows it: a panel of its own colour holding the skinned controls.
    auto* console = new TPanel(Form);
    console->SetParent(Form);
    console->SetBevelOuter(bvNone);
    console->SetCaption("");
    console->SetParentColor(false);
    console->SetColor(Console);
    console->SetBounds(0, 0, 420, 250);
    auto* images = new TskPngImageList(Form);
    images->SetPngWidth(RecordingImageSize);
    images->SetPngHeight(RecordingImageSize);
    for (const char* name : RecordingImages) {
        const std::string bytes = Embedded(PngType, name);
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        stream.SetPosition(0);
        images->PngImages()->Add()->PngImage()->LoadFromStream(&stream);
    }
    const char* captions[] = {"Record", "Pause", "Delete", "Timer Record", "Windows Mixer", "Settings"};
    std::vector<TskSkinButton*> buttons;
    for (int i = 0; i < 6; ++i) {
        buttons.push_back(AddButton(console, "button", 10, 10 + 40 * i, 130, 34, captions[i]));
        buttons.back()->SetImageList(images);
        buttons.back()->SetImageIndex(i);
    }
    // A button far from its faces' size.
    auto* large = AddButton(Form, "button", 430, 10, 160, 50, "Timer Record");
    large->SetImageList(images);
    large->SetImageIndex(3);
    auto* left = Add<TskSkinGauge>(console, "gauge", 170, 10, 19, 193);
    auto* right = Add<TskSkinGauge>(console, "gauge", 195, 10, 19, 193);
    for (TskSkinGauge* g : {left, right}) {
        g->SetMinValue(0);
        g->SetMaxValue(32512);
    }
    auto* volume = Add<TskSkinTrackBar>(console, "trackbar", 240, 10, 18, 193);
    volume->SetMinValue(0);
    volume->SetMaxValue(65535);
    volume->SetJumpWhenClick(true);
    volume->SetCanFocused(false);
    auto* silence = Add<TskSkinCheckRadioBox>(console, "checkradio", 170, 216, 220, 20);
    silence->SetCaption("Recording without silence");
    silence->SetCanFocused(false);
    for (const auto& [text, x, y] :
         {std::tuple{"100 %", 270, 10}, {"0 %", 270, 190}, {"Volume is too high!", 300, 100}}) {
        AddLabel(console, text, x, y, LimeLabel);
    }
    ShowForm();

    TGallery gallery("OLVA Console: the recording window's skin", "recording");
    Rest();
    left->SetValue(16256);
    right->SetValue(26000);
    volume->SetValue(45000);
    silence->SetChecked(true);
    Advance(20);
    gallery.Add("console", Capture(console, 0), 1);
    gallery.NewRow();
    AddButtonStates(gallery, "record", buttons[0], 2);
    gallery.NewRow();
    AddButtonStates(gallery, "windows-mixer", buttons[4], 2);
    gallery.NewRow();
    gallery.Add("timer-record-large", Shot(large), 2);
    gallery.NewRow();
    for (TskSkinButton* b : buttons)
        b->SetEnabled(false);
    Advance(20);
    gallery.Add("images-enabled-and-disabled", Capture(console, 0), 1);
    for (TskSkinButton* b : buttons)
        b->SetEnabled(true);
    gallery.NewRow();
    for (const auto& [percent, value] : {std::pair{0, 0}, {25, 8128}, {50, 16256}, {100, 32512}}) {
        left->SetValue(value);
        gallery.Add("meter-" + std::to_string(percent), Shot(left), 2);
    }
    // The fader at its minimum, middle and maximum, and held.
    for (const auto& [name, value] : {std::pair{"min", 0}, {"middle", 32768}, {"max", 65535}}) {
        volume->SetValue(value);
        gallery.Add(std::string("fader-") + name, Shot(volume), 2);
    }
    const TRect thumb = volume->ThumbRect();
    MouseDown(volume, 9, (thumb.top + thumb.bottom) / 2);
    EXPECT_TRUE(volume->Dragging());
    gallery.Add("fader-dragging", Shot(volume), 2);
    MouseUp(volume, 9, (thumb.top + thumb.bottom) / 2);
    gallery.NewRow();
    Rest();
    silence->SetChecked(false);
    gallery.Add("check-unchecked", Shot(silence), 2);
    silence->SetChecked(true);
    gallery.Add("check-checked", Shot(silence), 2);
    gallery.NewRow();
    silence->SetState(cbGrayed);
    gallery.Add("check-grayed", Shot(silence), 2);
    Hover(silence, 6, 10);
    Advance(150);
    gallery.Add("check-grayed-hot", Shot(silence), 2);
    silence->SetChecked(true);
    gallery.Add("check-hot", Shot(silence), 2);
    gallery.NewRow();
    Rest();
    silence->SetEnabled(false);
    gallery.Add("check-disabled-checked", Shot(silence), 2);
    silence->SetChecked(false);
    gallery.Add("check-disabled", Shot(silence), 2);
    EXPECT_TRUE(gallery.Save());
}

} // namespace window_skins_gallery_test
