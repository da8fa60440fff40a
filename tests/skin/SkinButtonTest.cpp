// The skinned button: which face each state shows, the fade, presses and releases (drag-out, toggles,
// groups, auto-repeat), keys and dialog keys, actions, images and glyphs, and the glow frame.
#include "SkinControlTestSupport.h"
#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/SkinData.h"
#include "skin/draw/LayerWindow.h"

#include <gtest/gtest.h>

namespace skin_button_test {
using namespace skintest;

enum Face { Normal, ActiveFace, DownFace, FocusedFace, DisabledFace, Mixed };

class SkinButtonTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        LoadSkin();
        // The form's first control takes the focus when it is shown; the buttons start without it.
        AddFocusSink(20, 300);
        Button = NewButton(20, 20);
        // The glow window would lie over the faces the tests read from the screen.
        Skin->SetShowButtonGlowFrames(false);
        ShowForm();
    }
    TskSkinButton* NewButton(int X, int Y) {
        auto* button = new TskSkinButton(Form);
        button->SetParent(Form);
        button->SetBounds(X, Y, 60, 24);
        button->SetSkinData(Skin);
        button->OnClick = TNotifyEvent([this](TObject* Sender) { Clicks.push_back(Sender); }, this);
        return button;
    }
    // The face the screen shows, told by the middle row and the focus ring's row.
    Face FaceShown(TskSkinButton* B) {
        TBitmap* picture = Skin->ActivePicture(0);
        const std::uint32_t middle = ColorAt(B, 30, 12), ring = ColorAt(B, 30, 2);
        for (int state = 0; state < 5; ++state)
            if (middle == PixelOf(*picture, 30, state * 24 + 12) &&
                ring == PixelOf(*picture, 30, state * 24 + 2))
                return Face(state);
        return Mixed;
    }
    TskSkinButton* Button = nullptr;
    std::vector<TObject*> Clicks;
};

TEST_F(SkinButtonTest, EachStateShowsItsFace) {
    EXPECT_EQ(FaceShown(Button), Normal);
    // Hot: the fade runs to the active face in five ticks of 20 ms.
    Hover(Button, 30, 12);
    EXPECT_TRUE(Button->MouseIn());
    Advance(40);
    EXPECT_EQ(FaceShown(Button), Mixed);
    Advance(70);
    EXPECT_EQ(FaceShown(Button), ActiveFace);
    // Held down over it.
    MouseDown(Button, 30, 12);
    EXPECT_EQ(FaceShown(Button), DownFace);
    MouseUp(Button, 30, 12);
    MouseAway();
    Advance(120);
    // The press gave it the focus.
    EXPECT_EQ(FaceShown(Button), FocusedFace);
    Sink->SetFocus();
    Advance(120);
    EXPECT_EQ(FaceShown(Button), Normal);
    // Down without the mouse: a plain button shows its down face only while the mouse is in or it holds
    // the focus (a morphing skin shows the lit face meanwhile, and fades back after); a group button
    // always.
    Button->SetDown(true);
    EXPECT_EQ(FaceShown(Button), ActiveFace);
    Button->SetDown(false);
    Advance(120);
    EXPECT_EQ(FaceShown(Button), Normal);
    auto* group = NewButton(100, 20);
    group->SetGroupIndex(1);
    group->SetDown(true);
    EXPECT_EQ(FaceShown(group), DownFace);
    // Focused.
    Button->SetFocus();
    Pump();
    Advance(120);
    EXPECT_EQ(FaceShown(Button), FocusedFace);
    // Disabled, whatever else holds.
    group->SetEnabled(false);
    EXPECT_EQ(FaceShown(group), DisabledFace);
    Button->SetEnabled(false);
    EXPECT_EQ(FaceShown(Button), DisabledFace);
}

TEST_F(SkinButtonTest, TheFadeTakesFiveTicksEachWay) {
    Hover(Button, 30, 12);
    std::vector<double> fractions;
    for (int tick = 0; tick < 6; ++tick) {
        Advance(20);
        fractions.push_back(Button->MorphFraction());
    }
    EXPECT_EQ(fractions, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0, 1.0}));
    MouseAway();
    for (int tick = 0; tick < 5; ++tick)
        Advance(20);
    EXPECT_EQ(Button->MorphFraction(), 0.0);
    Advance(40);
    EXPECT_EQ(Button->MorphFraction(), 0.0);
    EXPECT_EQ(FaceShown(Button), Normal);
    // Without skin effects there is no fade: the active face at once.
    Skin->SetEnableSkinEffects(false);
    Hover(Button, 30, 12);
    EXPECT_EQ(FaceShown(Button), ActiveFace);
}

TEST_F(SkinButtonTest, FocusPlaysTheFrameAnimation) {
    // Three frames one under another: the normal, active and down faces, 30 ms each.
    Button->SetSkinDataName("animbutton");
    Button->ChangeSkinData();
    Button->SetFocus();
    Pump();
    EXPECT_TRUE(Button->Animating());
    EXPECT_EQ(FaceShown(Button), Normal);
    Advance(30);
    EXPECT_EQ(FaceShown(Button), ActiveFace);
    Advance(30);
    EXPECT_EQ(FaceShown(Button), DownFace);
    Advance(30);
    EXPECT_FALSE(Button->Animating());
    EXPECT_EQ(FaceShown(Button), FocusedFace);
    // Losing the focus plays it backwards over the normal face, then shows that face.
    Sink->SetFocus();
    Pump();
    EXPECT_TRUE(Button->Animating());
    EXPECT_EQ(FaceShown(Button), DownFace);
    Advance(90);
    EXPECT_FALSE(Button->Animating());
    EXPECT_EQ(FaceShown(Button), Normal);
}

TEST_F(SkinButtonTest, DraggingOutGivesNoClickButMouseUp) {
    Button->SetCanFocused(false);
    int ups = 0;
    Button->OnMouseUp = TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; }, this);
    MouseDown(Button, 30, 12);
    EXPECT_TRUE(Button->Down());
    Hover(Button, 200, 12); // still captured, but no longer over the button
    EXPECT_FALSE(Button->MouseIn());
    Advance(120);
    EXPECT_EQ(FaceShown(Button), Normal);
    MouseUp(Button, 200, 12);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(ups, 1);
    EXPECT_FALSE(Button->Down());
    // Released inside, it clicks once; the class library's click never reaches OnClick twice.
    Click(Button, 30, 12);
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(SkinButtonTest, CheckedModeTogglesWithAClickEachWay) {
    Button->SetCheckedMode(true);
    EXPECT_EQ(Button->GroupIndex(), -1);
    EXPECT_FALSE(Button->CanFocused());
    MouseDown(Button, 30, 12);
    EXPECT_EQ(Clicks.size(), 1u); // the press clicks and puts it down
    MouseUp(Button, 30, 12);
    EXPECT_TRUE(Button->Down());
    EXPECT_EQ(Clicks.size(), 1u);
    MouseDown(Button, 30, 12);
    EXPECT_EQ(Clicks.size(), 1u);
    MouseUp(Button, 30, 12); // the next release clicks and brings it up
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Clicks.size(), 2u);
    Button->SetCheckedMode(false);
    EXPECT_EQ(Button->GroupIndex(), 0);
}

TEST_F(SkinButtonTest, GroupButtonsLatchAndAllowAllUpLetsTheLastGo) {
    auto* b = NewButton(100, 20);
    auto* c = NewButton(180, 20);
    for (TskSkinButton* button : {Button, b, c})
        button->SetGroupIndex(3);
    Click(Button, 30, 12);
    EXPECT_TRUE(Button->Down());
    Click(b, 30, 12);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Clicks, (std::vector<TObject*>{Button, b}));
    // Pressing the down one again keeps it down without AllowAllUp…
    Click(b, 30, 12);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(Clicks.size(), 2u);
    // …and lets it up with a click with it.
    for (TskSkinButton* button : {Button, b, c})
        button->SetAllowAllUp(true);
    Click(b, 30, 12);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(Clicks.back(), b);
    EXPECT_EQ(Clicks.size(), 3u);
}

TEST_F(SkinButtonTest, RepeatModeClicksAfterTheDelayAndOnceMoreAtRelease) {
    Button->SetRepeatMode(true);
    std::vector<std::uint64_t> at;
    Button->OnClick = TNotifyEvent([&](TObject*) { at.push_back(Clock->TickCount64()); }, this);
    MouseDown(Button, 30, 12);
    const std::uint64_t pressed = Clock->TickCount64();
    EXPECT_TRUE(Button->Repeating());
    Advance(1000);
    std::vector<std::uint64_t> after;
    for (std::uint64_t t : at)
        after.push_back(t - pressed);
    EXPECT_EQ(after, (std::vector<std::uint64_t>{600, 700, 800, 900, 1000}));
    MouseUp(Button, 30, 12);
    EXPECT_EQ(at.size(), 6u);
    EXPECT_FALSE(Button->Repeating());
    // Leaving while held stops the repeat; coming back starts it again.
    at.clear();
    MouseDown(Button, 30, 12);
    Hover(Button, 200, 12);
    Advance(800);
    EXPECT_TRUE(at.empty());
    Hover(Button, 30, 12);
    Advance(600);
    EXPECT_EQ(at.size(), 1u);
    MouseUp(Button, 30, 12);
}

TEST_F(SkinButtonTest, SpaceEnterDefaultCancelAndAccelerators) {
    Button->SetCaption("&Play");
    Button->SetFocus();
    Pump();
    KeyDown(VK_SPACE);
    EXPECT_TRUE(Button->Down());
    EXPECT_TRUE(Clicks.empty());
    KeyUp(VK_SPACE);
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Clicks.size(), 1u);
    Key(VK_RETURN); // the focused button is the active one
    EXPECT_EQ(Clicks.size(), 2u);
    // A default button answers Enter while the focus is in an edit box, and shows its active face.
    TEdit* edit = Sink;
    auto* ok = NewButton(100, 20);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = NewButton(180, 20);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    edit->SetFocus();
    Pump();
    EXPECT_TRUE(ok->Active());
    EXPECT_TRUE(ok->MouseIn());
    EXPECT_EQ(FaceShown(ok), ActiveFace);
    Clicks.clear();
    Key(VK_RETURN);
    EXPECT_EQ(Clicks, (std::vector<TObject*>{ok}));
    EXPECT_EQ(Form->ModalResult(), mrOk);
    Key(VK_ESCAPE);
    EXPECT_EQ(Clicks.back(), cancel);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    // The accelerator of the caption, typed where the focus is (on another button), clicks and focuses.
    ok->SetFocus();
    Pump();
    Clicks.clear();
    olva::win::InjectText("p");
    Pump();
    EXPECT_EQ(Clicks, (std::vector<TObject*>{Button}));
    EXPECT_TRUE(Button->Focused());
}

TEST_F(SkinButtonTest, OnClickOrTheActionButNeverBoth) {
    auto* list = new TActionList(Form);
    auto* action = new TAction(Form);
    action->SetActionList(list);
    action->SetCaption("Go");
    int executed = 0;
    action->SetOnExecute(TNotifyEvent([&](TObject*) { ++executed; }, &executed));
    Button->SetAction(action);
    EXPECT_EQ(Button->Caption(), "Go");
    // A different OnClick runs alone.
    Click(Button, 30, 12);
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(executed, 0);
    // Without one, the action runs.
    Button->OnClick = nullptr;
    Click(Button, 30, 12);
    EXPECT_EQ(executed, 1);
    // The same handler as the action's: the action runs it (once).
    Button->OnClick = action->OnExecute();
    Click(Button, 30, 12);
    EXPECT_EQ(executed, 2);
    // The action's state reaches the button.
    action->SetEnabled(false);
    EXPECT_FALSE(Button->Enabled());
}

TEST_F(SkinButtonTest, AnActionsImageIsTakenWhenTheButtonHasNoGlyph) {
    auto* images = new TImageList(Form);
    images->SetSize(16, 16);
    auto cell = MakeBitmap(16, 16, [](int, int) { return 0x0000FFu; });
    images->Add(cell.get(), nullptr);
    images->Add(cell.get(), nullptr);
    auto* list = new TActionList(Form);
    list->SetImages(images);
    auto* action = new TAction(Form);
    action->SetActionList(list);
    action->SetImageIndex(1);
    Button->SetAction(action);
    EXPECT_EQ(Button->ImageList(), images);
    EXPECT_EQ(Button->ImageIndex(), 1);
    // An image index past the list is not taken; a button with a glyph keeps it.
    auto* other = NewButton(100, 20);
    auto* far = new TAction(Form);
    far->SetActionList(list);
    far->SetImageIndex(5);
    other->SetAction(far);
    EXPECT_EQ(other->ImageList(), nullptr);
    auto* glyphed = NewButton(180, 20);
    glyphed->SetGlyph(cell.get());
    glyphed->SetAction(action);
    EXPECT_EQ(glyphed->ImageList(), nullptr);
    // A later change of the action's image follows.
    action->SetImageIndex(0);
    EXPECT_EQ(Button->ImageIndex(), 0);
}

TEST_F(SkinButtonTest, MarginBelowMinusOneIsIgnoredAndAFarImageFallsBackToTheGlyph) {
    Button->SetMargin(4);
    Button->SetMargin(-2);
    EXPECT_EQ(Button->Margin(), 4);
    Button->SetMargin(-1);
    EXPECT_EQ(Button->Margin(), -1);
    // A green 8 x 8 glyph (magenta around it is transparent) and a one-image list of red.
    auto glyph = MakeBitmap(
        10, 10, [](int x, int y) { return x >= 1 && x < 9 && y >= 1 && y < 9 ? 0x00C000u : 0xFF00FFu; });
    Button->SetGlyph(glyph.get());
    auto* images = new TImageList(Form);
    images->SetSize(10, 10);
    auto red = MakeBitmap(10, 10, [](int, int) { return 0x0000FFu; });
    images->Add(red.get(), nullptr);
    Button->SetImageList(images);
    Button->SetImageIndex(0);
    EXPECT_EQ(ColorAt(Button, 30, 12), 0x0000FFu);
    Button->SetImageIndex(3);
    EXPECT_EQ(ColorAt(Button, 30, 12), 0x00C000u);
}

TEST_F(SkinButtonTest, TheGlowShowsOverAHotButtonAndGoesWhenTheMouseLeaves) {
    Skin->SetShowButtonGlowFrames(true);
    Hover(Button, 30, 12);
    TskLayerManager* glow = Button->LayerManager();
    ASSERT_TRUE(glow->Shown());
    // The glow is as much larger than its picture as the button is than its skin (not at all here), and
    // sits six pixels up and left of the button.
    const POINT at = Button->ClientToScreen(POINT{0, 0});
    EXPECT_EQ(glow->Window()->Left(), at.x - 6);
    EXPECT_EQ(glow->Window()->Top(), at.y - 6);
    EXPECT_EQ(glow->MaxAlpha(), 200);
    MouseAway();
    EXPECT_FALSE(glow->Shown());
    // A wider button widens its glow; with the frames switched off nothing shows, unless the button
    // always shows its frame; and it hides again when the mouse leaves.
    Button->SetWidth(100);
    Hover(Button, 30, 12);
    EXPECT_EQ(glow->Picture()->PixelWidth(), 84 + 40);
    MouseAway();
    Skin->SetShowButtonGlowFrames(false);
    Hover(Button, 30, 12);
    EXPECT_FALSE(glow->Shown());
    MouseAway();
    Button->SetAlwaysShowLayeredFrame(true);
    Hover(Button, 30, 12);
    EXPECT_TRUE(glow->Shown());
    MouseAway();
    EXPECT_FALSE(glow->Shown());
}

TEST_F(SkinButtonTest, NoGlowWithoutPerPixelAlpha) {
    Skin->SetShowButtonGlowFrames(true);
    TFlatPresenter flat;
    olva::win::SetPresenter(&flat);
    Hover(Button, 30, 12);
    EXPECT_FALSE(Button->LayerManager()->Shown());
    MouseAway();
    olva::win::SetPresenter(nullptr);
}

TEST_F(SkinButtonTest, WithoutASkinThePlainButtonShowsItsStates) {
    auto* plain = new TskSkinButton(Form);
    plain->SetParent(Form);
    plain->SetBounds(20, 80, 75, 25);
    EXPECT_EQ(ColorAt(plain, 0, 10), std::uint32_t(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ColorAt(plain, 5, 5), std::uint32_t(ColorToRGB(clBtnFace)));
    Hover(plain, 5, 5);
    EXPECT_EQ(ColorAt(plain, 0, 10), std::uint32_t(RGB(59, 107, 183)));
    EXPECT_EQ(ColorAt(plain, 5, 5), std::uint32_t(RGB(193, 212, 243)));
    MouseDown(plain, 5, 5);
    EXPECT_EQ(ColorAt(plain, 5, 5), std::uint32_t(RGB(162, 188, 228)));
    MouseUp(plain, 5, 5);
}

} // namespace skin_button_test
