#include "source/mainform/MainForm.h"

#include "assets/skins/SkinResourceNames.h"
#include "audio/AudioEditor2.h"
#include "audio/AudioInformation2.h"
#include "audio/devices/AudioPlayer2.h"
#include "audio/effects/AudioTransform2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/Splitter.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/TreeView.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/framed/FrProgressBar.h"
#include "source/mainform/CdTrackLoader.h"
#include "source/mainform/CommandImageLists.h"
#include "source/mainform/EffectCommands.h"
#include "source/mainform/MainWindowSkin.h"
#include "source/recording/EditorHost.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace main_form_detail {

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

// A button of the main window's skin: its faces stretch to the button's own size.
TskSkinButton* SkinButton(TMainForm* Form, TWinControl* Parent, const char* Name, const char* SkinName) {
    auto* button = new TskSkinButton(Form);
    button->SetName(Name);
    button->SetParent(Parent);
    main_window_skin::ApplySkin(button, Form->skMainSkinData, SkinName);
    button->SetUseSkinSize(false);
    button->SetShowHint(true);
    return button;
}

TskSkinPanel* PositionPanel(TMainForm* Form, const char* Name, int Left, int Width) {
    auto* panel = new TskSkinPanel(Form);
    panel->SetName(Name);
    panel->SetCaption("");
    panel->SetParent(Form->PanelBottom);
    main_window_skin::ApplySkin(panel, Form->skMainSkinData, "panelTime");
    panel->SetBounds(Left, 6, Width, 22);
    return panel;
}

TLabel* PositionLabel(TMainForm* Form, TWinControl* Parent, const char* Name, const char* Hint, int Left) {
    auto* label = new TLabel(Form);
    label->SetName(Name);
    label->SetCaption("0:00:00.000");
    label->SetHint(Hint);
    label->SetShowHint(true);
    label->SetTransparent(true);
    label->Font()->SetColor(main_window_skin::DisplayTextColor);
    label->SetLeft(Left);
    label->SetTop(4);
    label->SetParent(Parent);
    return label;
}

TLabel* TitleLabel(TMainForm* Form, const char* Name, const char* Caption, int Left) {
    auto* label = new TLabel(Form);
    label->SetName(Name);
    label->SetCaption(Caption);
    label->SetTransparent(true);
    label->Font()->SetColor(main_window_skin::BarTextColor);
    label->SetLeft(Left);
    label->SetTop(10);
    label->SetParent(Form->PanelBottom);
    return label;
}

} // namespace main_form_detail

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("MainForm");
    SetPosition(poDesigned);
    SetBounds(0, 0, 900, 560);
    skMainSkinData = main_window_skin::MakeMainWindowSkin(this);
    ZoomImageList = main_window_skin::MakeZoomImages(this);
    CreateComponents();
    CreateActions();
    const TCommandImageLists commandImages = MakeCommandImageLists(this);
    SmallCommandImages = commandImages.Small;
    LargeCommandImages = commandImages.Large;
    AssignCommandImages(*ActionList, SmallCommandImages);
    CreateBottomPanel();
    CreateCommandBar();
    CreateMeters();
    CreateSelectionControls();
    AudioEditor->SetParent(PanelWave);
    FBars = CreateMainWindowBars(*this);
    FEffectCommands = CreateEffectCommands(*this);
    FCdTrackLoader = CreateCdTrackLoader();

    BindLifecycle();
    BindDocumentCommands();
    BindEffectCommands();
    BindToolCommands();
    BindHelpCommands();
    BindFavoriteCommands();
    BindEditingCommands();
    BindTransportCommands();
    BindEditorEvents();
    BindViewCommands();
    BindAvailability();
    BindBatchCommands();
}

TMainForm::~TMainForm() {
    // A plain delete does not fire OnDestroy for the form's own handler: the hooks go here too.
    FormDestroy(this);
}

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

    ButtonHideCommandBar = SkinButton(this, PanelCommandBar, "ButtonHideCommandBar", "buttonShowEffects");
    ButtonHideCommandBar->SetCaption("x");
    ButtonHideCommandBar->SetCanFocused(false);
    ButtonHideCommandBar->SetHint("Show/Hide Command List");
    ButtonHideCommandBar->SetBounds(189, 1, 16, 16);
    ButtonHideCommandBar->SetAnchors(TAnchors{akTop, akRight});
    ButtonHideCommandBar->OnClick = TNotifyEvent([this](TObject*) { ActionShowCommandBar->Execute(); }, this);

    GroupBoxCommandBar = new TskSkinGroupBox(this);
    GroupBoxCommandBar->SetName("GroupBoxCommandBar");
    GroupBoxCommandBar->SetCaption("");
    GroupBoxCommandBar->SetParent(PanelCommandBar);
    main_window_skin::ApplySkin(GroupBoxCommandBar, skMainSkinData, "panelLeft");
    GroupBoxCommandBar->SetBounds(4, 18, 202, 378);
    GroupBoxCommandBar->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});

    auto switchButton = [this](const char* Name, const char* Caption, int Left, const char* Glyph) {
        TskSkinButton* button = SkinButton(this, GroupBoxCommandBar, Name, "buttonEffectFav");
        button->SetCaption(Caption);
        button->SetGlyph(main_window_skin::LoadGlyph(Glyph).get());
        button->SetGroupIndex(1);
        button->SetBounds(Left, 10, 90, 22);
        return button;
    };
    ButtonEffects = switchButton("ButtonEffects", "Effects", 8, skin_resources::CommandBarGlyphs[0]);
    ButtonFavorites = switchButton("ButtonFavorites", "Favorites", 104, skin_resources::CommandBarGlyphs[1]);
    ButtonFavorites->SetAnchors(TAnchors{akTop, akRight});

    auto page = [this](const char* Name) {
        auto* panel = new TPanel(this);
        panel->SetName(Name);
        panel->SetCaption("");
        panel->SetBevelOuter(bvNone);
        panel->SetBounds(8, 38, 186, 332);
        panel->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
        panel->SetParent(GroupBoxCommandBar);
        return panel;
    };
    PanelFavorites = page("PanelFavorites");
    FavoriteListBox = new TListBox(this);
    FavoriteListBox->SetName("FavoriteListBox");
    FavoriteListBox->SetAlign(alClient);
    FavoriteListBox->SetParent(PanelFavorites);
    ButtonEditF = SkinButton(this, PanelFavorites, "ButtonEditF", "buttonShowEffects");
    ButtonEditF->SetCaption("Edit Favorites...");
    ButtonEditF->SetHeight(24);
    ButtonEditF->SetAlign(alBottom);

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
        bar->SetThemeAware(false);
        bar->SetBarStyle(bsGradient);
        bar->SetShowPercent(false);
        bar->SetBorderOuter(fsNone);
        bar->SetBarColor(RGB(255, 13, 20));
        bar->SetBarColorStop(RGB(0, 120, 20));
        bar->SetBackColor(clBlack);
        bar->SetBackColorStop(clBlack);
        bar->SetGradientDirection(gdHorizontalEnd);
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
    PanelBottom->SetParent(this);
    main_window_skin::ApplySkin(PanelBottom, skMainSkinData, "panelbottom");
    PanelBottom->SetBounds(0, 400, 900, 34);
    PanelBottom->SetAlign(alBottom);

    // The transport buttons run their actions; rewind and fast forward work by holding them down.
    // The transport buttons (glyphs in this order in the program's resources) run their actions when
    // clicked, after taking the focus; rewind and fast forward work by holding them down.
    struct TTransportButton {
        TskSkinButton** Button;
        const char* Name;
        TAction* Action;
        bool RunsOnClick;
    };
    const TTransportButton transport[] = {
        {&ButtonStart, "ButtonStart", ActionStart, true},
        {&ButtonRewind, "ButtonRewind", ActionRewind, false},
        {&ButtonStop, "ButtonStop", ActionStop, true},
        {&ButtonPlay, "ButtonPlay", ActionPlay, true},
        {&ButtonPlayLooped, "ButtonPlayLooped", ActionLoopPlay, true},
        {&ButtonPlayToEnd, "ButtonPlayToEnd", ActionPlayToEnd, true},
        {&ButtonPause, "ButtonPause", ActionPause, true},
        {&ButtonForword, "ButtonForword", ActionForword, false},
        {&ButtonEnd, "ButtonEnd", ActionEnd, true},
        {&ButtonRecord, "ButtonRecord", ActionRecord, true},
    };
    int left = 6;
    for (std::size_t i = 0; i < std::size(transport); ++i) {
        const TTransportButton& t = transport[i];
        TskSkinButton* button = SkinButton(this, PanelBottom, t.Name, "buttonbottomPlay");
        button->SetGlyph(main_window_skin::LoadGlyph(skin_resources::TransportGlyphs[i]).get());
        button->SetBounds(left, 6, 22, 22);
        button->SetHint(t.Action->Hint());
        if (t.RunsOnClick)
            button->OnClick = TNotifyEvent(
                [button, action = t.Action](TObject*) {
                    if (button->CanFocus()) button->SetFocus();
                    action->Execute();
                },
                button);
        *t.Button = button;
        left += 24;
    }

    PanelSelectionTitle = TitleLabel(this, "PanelSelectionTitle", "Selection", 258);
    PanelPlay = PositionPanel(this, "PanelPlay", 258 + 56, 164);
    LabelStart = PositionLabel(this, PanelPlay, "LabelStart", "Selection Start", 6);
    LabelEnd = PositionLabel(this, PanelPlay, "LabelEnd", "Selection End", 86);
    PanelViewTitle = TitleLabel(this, "PanelViewTitle", "Length", 258 + 56 + 164 + 10);
    PanelTime = PositionPanel(this, "PanelTime", 258 + 56 + 164 + 10 + 46, 164);
    LabelSelLength = PositionLabel(this, PanelTime, "LabelSelLength", "Selection Length", 6);
    LabelFileLength = PositionLabel(this, PanelTime, "LabelFileLength", "File Total Length", 86);

    // Laid out from the right edge leftwards, in the order of their pictures in the image list.
    struct TZoomButton {
        TskSkinButton** Button;
        const char* Name;
        TAction* Action;
    };
    const TZoomButton zoom[] = {
        {&ButtonVerticalZoomOut, "ButtonVerticalZoomOut", ActionVerticalZoomOut},
        {&ButtonVerticalZoomIn, "ButtonVerticalZoomIn", ActionVerticalZoomIn},
        {&ButtonZoomFull, "ButtonZoomFull", ActionZoomFull},
        {&ButtonZoomToSelection, "ButtonZoomToSelection", ActionZoomToSelection},
        {&ButtonZoomOut, "ButtonZoomOut", ActionZoomOut},
        {&ButtonZoomIn, "ButtonZoomIn", ActionZoomIn},
    };
    int right = PanelBottom->Width();
    for (std::size_t i = 0; i < std::size(zoom); ++i) {
        const TZoomButton& z = zoom[i];
        TskSkinButton* button = SkinButton(this, PanelBottom, z.Name, "buttonZoom");
        button->SetImageList(ZoomImageList);
        button->SetImageIndex(static_cast<int>(i));
        button->SetBounds(right - 22, 6, 22, 22);
        button->SetAnchors(TAnchors{akTop, akRight});
        button->SetHint(z.Action->Hint());
        button->OnClick = TNotifyEvent(
            [button, action = z.Action](TObject*) {
                if (button->CanFocus()) button->SetFocus();
                action->Execute();
            },
            button);
        *z.Button = button;
        right -= 22;
    }
}

void TMainForm::CreateSelectionControls() {
    // The waveform with its bars along its bottom: the view's own bar, then the selection's start above
    // its end, each named on its left.
    PanelWave = new TPanel(this);
    PanelWave->SetName("PanelWave");
    PanelWave->SetCaption("");
    PanelWave->SetBevelOuter(bvNone);
    PanelWave->SetBounds(214, 0, 662, 400);
    PanelWave->SetAlign(alClient);
    PanelWave->SetParent(this);
    PanelScrollBars = new TPanel(this);
    PanelScrollBars->SetName("PanelScrollBars");
    PanelScrollBars->SetCaption("");
    PanelScrollBars->SetBevelOuter(bvNone);
    PanelScrollBars->SetBounds(0, 349, 660, 51);
    PanelScrollBars->SetAlign(alBottom);
    PanelScrollBars->SetParent(PanelWave);
    constexpr int BarLabelWidth = 34;
    auto bar = [this](const char* Name, const char* Hint, int Left, int Top) {
        auto* scrollBar = new TScrollBar(this);
        scrollBar->SetName(Name);
        scrollBar->SetBounds(Left, Top, PanelScrollBars->Width() - Left, 17);
        scrollBar->SetAnchors(TAnchors{akLeft, akTop, akRight});
        scrollBar->SetParams(0, 0, 65535);
        scrollBar->SetLargeChange(655);
        scrollBar->SetSmallChange(65);
        scrollBar->SetPageSize(0);
        scrollBar->SetHint(Hint);
        scrollBar->SetShowHint(true);
        scrollBar->SetParent(PanelScrollBars);
        return scrollBar;
    };
    auto barLabel = [this](const char* Name, const char* Caption, const char* Hint, int Top) {
        auto* label = new TLabel(this);
        label->SetName(Name);
        label->SetCaption(Caption);
        label->SetHint(Hint);
        label->SetShowHint(true);
        label->SetAutoSize(false);
        label->SetLayout(tlCenter);
        label->SetBounds(4, Top, BarLabelWidth - 4, 17);
        label->SetParent(PanelScrollBars);
        return label;
    };
    ScrollBarView = bar("ScrollBarView", "Scroll the waveform", 0, 0);
    LabelBarStart = barLabel("LabelBarStart", "Start", "Selection Start", 17);
    ScrollBarStart = bar("ScrollBarStart", "Selection Start", BarLabelWidth, 17);
    LabelBarEnd = barLabel("LabelBarEnd", "End", "Selection End", 34);
    ScrollBarEnd = bar("ScrollBarEnd", "Selection End", BarLabelWidth, 34);

    LabelSeletionSample = new TLabel(this);
    LabelSeletionSample->SetName("LabelSeletionSample");
    LabelSeletionSample->SetCaption("0");
    LabelSeletionSample->SetVisible(false);
    LabelSeletionSample->SetParent(PanelBottom);
    auto field = [this](const char* Name, const char* Hint) {
        auto* edit = new TEdit(this);
        edit->SetName(Name);
        edit->SetHint(Hint);
        edit->SetShowHint(true);
        edit->SetVisible(false);
        edit->SetBounds(0, 6, 80, 22);
        edit->SetParent(PanelBottom);
        return edit;
    };
    EditStart = field("EditStart", "Set selection start, press Enter to apply.");
    EditEnd = field("EditEnd", "Set selection end, press Enter to apply.");
    EditLength = field("EditLength", "Set selection length, press Enter to apply.");
}
