#include "source/mainform/MainForm.h"

#include "audio/AudioEditor2.h"
#include "audio/AudioInformation2.h"
#include "audio/devices/AudioPlayer2.h"
#include "audio/effects/AudioTransform2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Splitter.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/TreeView.h"
#include "source/ArtworkGlyphs.h"
#include "source/mainform/CdTrackLoader.h"
#include "source/mainform/EffectCommands.h"
#include "source/recording/EditorHost.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace main_form_detail {

constexpr TColor PositionPanelColor = RGB(18, 26, 36);
constexpr TColor PositionTextColor = RGB(168, 220, 248);

// The effects tree as the form stores it: each group with its effects.
struct TEffectGroup {
    const char* Caption;
    std::vector<const char*> Effects;
};

const std::vector<TEffectGroup>& EffectTree() {
    static const std::vector<TEffectGroup> groups{
        {"Amplitude and Compression", {"Amplify", "Fade", "Dynamic Compressor", "Envelope", "Normalize"}},
        {"Delay and Echo", {"Delay", "Echo"}},
        {"Filters and EQ",
         {"Band-Pass Filter", "High-Pass Filter", "Low-Pass Filter", "High-Shelf Filter", "Low-Shelf Filter",
          "Notch Filter", "PeakEQ Filter", "Equalizer"}},
        {"Modulation", {"Chorus", "Flanger", "Sweeping Phaser"}},
        {"Restoration", {"Expander", "Noise Reduction"}},
        {"Special", {"Phaser", "Reverb"}},
        {"Stereo Imagery", {"Channel Mixer"}},
        {"Time and Pitch", {"Change Pitch", "Stretch"}},
        {"Generate", {"Insert File", "Silence"}},
        {"Apply Invert", {}},
        {"Apply Reverse", {}},
        {"Apply Mute", {}},
    };
    return groups;
}

TskSkinButton* GlyphButton(TMainForm* Form, TWinControl* Parent, const char* Name, TButtonPicture Glyph) {
    auto* button = new TskSkinButton(Form);
    button->SetName(Name);
    auto glyph = std::make_unique<TBitmap>();
    DrawButtonGlyph(*glyph, Glyph);
    button->SetGlyph(glyph.get());
    button->SetShowHint(true);
    button->SetParent(Parent);
    return button;
}

TskSkinPanel* PositionPanel(TMainForm* Form, const char* Name, int Left, int Width) {
    auto* panel = new TskSkinPanel(Form);
    panel->SetName(Name);
    panel->SetCaption("");
    panel->SetBevelOuter(bvLowered);
    panel->SetParentColor(false);
    panel->SetColor(PositionPanelColor);
    panel->SetBounds(Left, 6, Width, 22);
    panel->SetParent(Form->PanelBottom);
    return panel;
}

TLabel* PositionLabel(TMainForm* Form, TWinControl* Parent, const char* Name, const char* Hint, int Left) {
    auto* label = new TLabel(Form);
    label->SetName(Name);
    label->SetCaption("0:00:00.000");
    label->SetHint(Hint);
    label->SetShowHint(true);
    label->SetTransparent(true);
    label->Font()->SetColor(PositionTextColor);
    label->SetLeft(Left);
    label->SetTop(4);
    label->SetParent(Parent);
    return label;
}

TskSkinPanel* TitlePanel(TMainForm* Form, const char* Name, const char* Caption, int Left, int Width) {
    auto* panel = new TskSkinPanel(Form);
    panel->SetName(Name);
    panel->SetCaption(Caption);
    panel->SetBevelOuter(bvNone);
    panel->SetAlignment(taLeftJustify);
    panel->SetBounds(Left, 6, Width, 22);
    panel->SetParent(Form->PanelBottom);
    return panel;
}

} // namespace main_form_detail

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("MainForm");
    SetPosition(poDesigned);
    SetBounds(0, 0, 900, 560);
    CreateComponents();
    CreateActions();
    CreateBottomPanel();
    CreateCommandBar();
    CreateMeters();
    AudioEditor->SetParent(this);
    FBars = CreateMainWindowBars(*this);
    FEffectCommands = CreateEffectCommands(*this);
    FCdTrackLoader = CreateCdTrackLoader();

    BindLifecycle();
    BindDocumentCommands();
    BindEffectCommands();
    BindToolCommands();
    BindHelpCommands();
    BindFavoriteCommands();
    BindBatchCommands();
}

TMainForm::~TMainForm() = default;

void TMainForm::SetEffectCommands(std::unique_ptr<IEffectCommands> Commands) {
    FEffectCommands = std::move(Commands);
}

void TMainForm::SetCdTrackLoader(std::unique_ptr<ICdTrackLoader> Loader) {
    FCdTrackLoader = std::move(Loader);
}

void TMainForm::CreateComponents() {
    AudioEditor = new TAudioEditor2(this);
    AudioEditor->SetName("AudioEditor");
    AudioEditor->SetAlign(alClient);
    AudioEditor->OnBlockOperation = [this](int Percent) { AudioEditorBlockOperation(Percent); };
    AudioEditor->OnEndOperation = [this] { AudioEditorEndOperation(); };
    AudioPlayer = std::make_unique<TAudioPlayer2>();
    AudioInfo = std::make_unique<TAudioInformation2>();
    AudioTransform = new TAudioTransform2(this);
    AudioTransform->SetName("AudioTransform");
    AudioTransform->OnTransformBlock =
        TAudioTransform2::TTransformBlockEvent(this, &TMainForm::AudioTransformBlock);
    AudioTransform->OnEndTransform = TNotifyEvent(this, &TMainForm::AudioTransformEnd);

    auto timer = [this](const char* Name, UINT Interval) {
        auto* t = new TTimer(this);
        t->SetName(Name);
        t->SetEnabled(false);
        t->SetInterval(Interval);
        return t;
    };
    TimerAfterShow = timer("TimerAfterShow", 200);
    TimerRewind = timer("TimerRewind", 10);
    TimerForword = timer("TimerForword", 10);
}

void TMainForm::CreateCommandBar() {
    using namespace main_form_detail;
    PanelCommandBar = new TPanel(this);
    PanelCommandBar->SetName("PanelCommandBar");
    PanelCommandBar->SetCaption("");
    PanelCommandBar->SetBevelOuter(bvNone);
    PanelCommandBar->SetBounds(0, 0, 210, 400);
    PanelCommandBar->SetAlign(alLeft);
    PanelCommandBar->SetParent(this);
    SplitterCommandBar = new TSplitter(this);
    SplitterCommandBar->SetName("SplitterCommandBar");
    SplitterCommandBar->SetBounds(210, 0, 4, 400);
    SplitterCommandBar->SetAlign(alLeft);
    SplitterCommandBar->SetParent(this);

    ButtonHideCommandBar = new TskSkinButton(this);
    ButtonHideCommandBar->SetName("ButtonHideCommandBar");
    ButtonHideCommandBar->SetCaption("x");
    ButtonHideCommandBar->SetFlat(true);
    ButtonHideCommandBar->SetHint("Show/Hide Command List");
    ButtonHideCommandBar->SetShowHint(true);
    ButtonHideCommandBar->SetBounds(189, 3, 16, 16);
    ButtonHideCommandBar->SetAnchors(TAnchors{akTop, akRight});
    ButtonHideCommandBar->SetParent(PanelCommandBar);
    ButtonHideCommandBar->OnClick = TNotifyEvent([this](TObject*) { ActionShowCommandBar->Execute(); }, this);

    GroupBoxCommandBar = new TskSkinGroupBox(this);
    GroupBoxCommandBar->SetName("GroupBoxCommandBar");
    GroupBoxCommandBar->SetCaption("");
    GroupBoxCommandBar->SetBounds(4, 18, 202, 378);
    GroupBoxCommandBar->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    GroupBoxCommandBar->SetParent(PanelCommandBar);

    auto switchButton = [this](const char* Name, const char* Caption, int Left) {
        auto* button = new TskSkinButton(this);
        button->SetName(Name);
        button->SetCaption(Caption);
        button->SetGroupIndex(1);
        button->SetBounds(Left, 14, 90, 22);
        button->SetParent(GroupBoxCommandBar);
        return button;
    };
    ButtonEffects = switchButton("ButtonEffects", "Effects", 8);
    ButtonFavorites = switchButton("ButtonFavorites", "Favorites", 100);
    ButtonFavorites->SetAnchors(TAnchors{akTop, akRight});

    auto page = [this](const char* Name) {
        auto* panel = new TPanel(this);
        panel->SetName(Name);
        panel->SetCaption("");
        panel->SetBevelOuter(bvNone);
        panel->SetBounds(6, 40, 190, 332);
        panel->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
        panel->SetParent(GroupBoxCommandBar);
        return panel;
    };
    PanelFavorites = page("PanelFavorites");
    FavoriteListBox = new TListBox(this);
    FavoriteListBox->SetName("FavoriteListBox");
    FavoriteListBox->SetAlign(alClient);
    FavoriteListBox->SetParent(PanelFavorites);
    ButtonEditF = new TskSkinButton(this);
    ButtonEditF->SetName("ButtonEditF");
    ButtonEditF->SetCaption("Edit Favorites...");
    ButtonEditF->SetHeight(24);
    ButtonEditF->SetAlign(alBottom);
    ButtonEditF->SetParent(PanelFavorites);

    PanelEffects = page("PanelEffects");
    TreeViewEffects = new TTreeView(this);
    TreeViewEffects->SetName("TreeViewEffects");
    TreeViewEffects->SetAlign(alClient);
    TreeViewEffects->SetReadOnly(true);
    TreeViewEffects->SetHideSelection(false);
    TreeViewEffects->SetParent(PanelEffects);
    for (const TEffectGroup& group : EffectTree()) {
        TTreeNode* node = TreeViewEffects->Items()->AddChild(nullptr, group.Caption);
        for (const char* effect : group.Effects)
            TreeViewEffects->Items()->AddChild(node, effect);
    }
}

void TMainForm::CreateMeters() {
    PanelMeter = new TPanel(this);
    PanelMeter->SetName("PanelMeter");
    PanelMeter->SetCaption("");
    PanelMeter->SetBevelOuter(bvNone);
    PanelMeter->SetParentColor(false);
    PanelMeter->SetColor(clBlack);
    PanelMeter->SetBounds(876, 0, 24, 400);
    PanelMeter->SetAlign(alRight);
    PanelMeter->SetParent(this);
    auto meter = [this](const char* Name, int Left) {
        auto* bar = new TFrProgressBar(this);
        bar->SetName(Name);
        bar->SetOrientation(pbVertical);
        bar->SetBounds(Left, 4, 8, 392);
        bar->SetAnchors(TAnchors{akLeft, akTop, akBottom});
        bar->SetParent(PanelMeter);
        return bar;
    };
    LeftBar = meter("LeftBar", 3);
    RightBar = meter("RightBar", 13);
}

void TMainForm::CreateBottomPanel() {
    using namespace main_form_detail;
    PanelBottom = new TskSkinPanel(this);
    PanelBottom->SetName("PanelBottom");
    PanelBottom->SetCaption("");
    PanelBottom->SetBounds(0, 400, 900, 34);
    PanelBottom->SetAlign(alBottom);
    PanelBottom->SetParent(this);

    // The transport buttons run their actions; rewind and fast forward work by holding them down.
    struct TTransportButton {
        TskSkinButton** Button;
        const char* Name;
        TButtonPicture Glyph;
        TAction* Action;
        bool RunsOnClick;
    };
    const TTransportButton transport[] = {
        {&ButtonStart, "ButtonStart", TButtonPicture::Start, ActionStart, true},
        {&ButtonRewind, "ButtonRewind", TButtonPicture::Rewind, ActionRewind, false},
        {&ButtonStop, "ButtonStop", TButtonPicture::Stop, ActionStop, true},
        {&ButtonPlay, "ButtonPlay", TButtonPicture::Play, ActionPlay, true},
        {&ButtonPlayLooped, "ButtonPlayLooped", TButtonPicture::PlayLooped, ActionLoopPlay, true},
        {&ButtonPlayToEnd, "ButtonPlayToEnd", TButtonPicture::PlayToEnd, ActionPlayToEnd, true},
        {&ButtonPause, "ButtonPause", TButtonPicture::Pause, ActionPause, true},
        {&ButtonForword, "ButtonForword", TButtonPicture::Forward, ActionForword, false},
        {&ButtonEnd, "ButtonEnd", TButtonPicture::End, ActionEnd, true},
        {&ButtonRecord, "ButtonRecord", TButtonPicture::Record, ActionRecord, true},
    };
    int left = 6;
    for (const TTransportButton& t : transport) {
        TskSkinButton* button = GlyphButton(this, PanelBottom, t.Name, t.Glyph);
        button->SetBounds(left, 6, 22, 22);
        button->SetHint(t.Action->Hint());
        if (t.RunsOnClick)
            button->OnClick = TNotifyEvent([action = t.Action](TObject*) { action->Execute(); }, button);
        *t.Button = button;
        left += 24;
    }

    PanelSelectionTitle = TitlePanel(this, "PanelSelectionTitle", "Selection", 258, 54);
    PanelPlay = PositionPanel(this, "PanelPlay", 258 + 56, 164);
    LabelStart = PositionLabel(this, PanelPlay, "LabelStart", "Selection Start", 6);
    LabelEnd = PositionLabel(this, PanelPlay, "LabelEnd", "Selection End", 86);
    PanelViewTitle = TitlePanel(this, "PanelViewTitle", "Length", 258 + 56 + 164 + 10, 44);
    PanelTime = PositionPanel(this, "PanelTime", 258 + 56 + 164 + 10 + 46, 164);
    LabelSelLength = PositionLabel(this, PanelTime, "LabelSelLength", "Selection Length", 6);
    LabelFileLength = PositionLabel(this, PanelTime, "LabelFileLength", "File Total Length", 86);

    // Laid out from the right edge leftwards, in this order.
    struct TZoomButton {
        TskSkinButton** Button;
        const char* Name;
        TButtonPicture Glyph;
        TAction* Action;
    };
    const TZoomButton zoom[] = {
        {&ButtonVerticalZoomOut, "ButtonVerticalZoomOut", TButtonPicture::VerticalZoomOut,
         ActionVerticalZoomOut},
        {&ButtonVerticalZoomIn, "ButtonVerticalZoomIn", TButtonPicture::VerticalZoomIn, ActionVerticalZoomIn},
        {&ButtonZoomFull, "ButtonZoomFull", TButtonPicture::ZoomFull, ActionZoomFull},
        {&ButtonZoomToSelection, "ButtonZoomToSelection", TButtonPicture::ZoomToSelection,
         ActionZoomToSelection},
        {&ButtonZoomOut, "ButtonZoomOut", TButtonPicture::ZoomOut, ActionZoomOut},
        {&ButtonZoomIn, "ButtonZoomIn", TButtonPicture::ZoomIn, ActionZoomIn},
    };
    int right = PanelBottom->Width();
    for (const TZoomButton& z : zoom) {
        TskSkinButton* button = GlyphButton(this, PanelBottom, z.Name, z.Glyph);
        button->SetFlat(true);
        button->SetBounds(right - 22, 6, 22, 22);
        button->SetAnchors(TAnchors{akTop, akRight});
        button->SetHint(z.Action->Hint());
        button->OnClick = TNotifyEvent([action = z.Action](TObject*) { action->Execute(); }, button);
        *z.Button = button;
        right -= 22;
    }
}
