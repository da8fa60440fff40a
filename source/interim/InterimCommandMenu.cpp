#include "source/interim/InterimCommandMenu.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/SpeedButton.h"
#include "platform/win/WinUser.h"
#include "source/mainform/CommandIcons.h"

#include <memory>

struct TInterimCommandMenu::TEntry {
    std::string Name;
    std::vector<TEntry> Items{};
    bool Submenu = false;
    TBarItem BarItem = TBarItem::ShowCommandBar;
    bool IsBarItem = false;
};

namespace interim_menu_detail {

TInterimCommandMenu::TEntry Sub(const std::string& Caption, std::vector<TInterimCommandMenu::TEntry> Items) {
    return {Caption, std::move(Items), true};
}

TInterimCommandMenu::TEntry BarSub(const std::string& Caption, TBarItem Item,
                                   std::vector<TInterimCommandMenu::TEntry> Items) {
    return {Caption, std::move(Items), true, Item, true};
}

// A bar button without an action: its click goes to the bars' OnItemClick.
TInterimCommandMenu::TEntry BarButton(const std::string& Caption, TBarItem Item) {
    return {Caption, {}, false, Item, true};
}

const std::vector<TInterimCommandMenu::TEntry>& InsertSilence() {
    static const std::vector<TInterimCommandMenu::TEntry> items{
        {"ActionInsertSilenceBegin"}, {"ActionInsertSilenceCurrent"}, {"ActionInsertSilenceEnd"}};
    return items;
}

const std::vector<TInterimCommandMenu::TEntry>& InsertFile() {
    static const std::vector<TInterimCommandMenu::TEntry> items{
        {"ActionInsertFileBegin"}, {"ActionInsertFileCurrent"}, {"ActionInsertFileEnd"}};
    return items;
}

const std::vector<TInterimCommandMenu::TEntry>& EffectItems() {
    static const std::vector<TInterimCommandMenu::TEntry> items{{"ActionAmplify"},
                                                                {"ActionNormalize"},
                                                                {"ActionDynamicRangeCompressor"},
                                                                {"-"},
                                                                {"ActionFadeIn"},
                                                                {"ActionFadeOut"},
                                                                {"ActionFadeOutAndTrim"},
                                                                {"ActionCrossFade"},
                                                                {"ActionEnvelope"},
                                                                {"-"},
                                                                {"ActionEcho"},
                                                                {"ActionReverb"},
                                                                {"ActionPhaser"},
                                                                {"ActionFlanger"},
                                                                {"ActionChorus"},
                                                                {"-"},
                                                                {"ActionHighPass"},
                                                                {"ActionEqualizer"},
                                                                {"-"},
                                                                {"ActionMixStereo"},
                                                                {"ActionReverse"},
                                                                {"ActionSpeedChange"},
                                                                {"ActionPitchChange"}};
    return items;
}

const std::vector<TInterimCommandMenu::TEntry>& HorizontalScale() {
    static const std::vector<TInterimCommandMenu::TEntry> items{{"ActionHorizontalFormatDecimal"},
                                                                {"ActionHorizontalFormatSample"},
                                                                {"ActionHorizontalFormatVisible"}};
    return items;
}

const std::vector<TInterimCommandMenu::TEntry>& VerticalScale() {
    static const std::vector<TInterimCommandMenu::TEntry> items{{"ActionVerticalFormatSample"},
                                                                {"ActionVerticalFormatNormalized"},
                                                                {"ActionVerticalFormatDecibel"},
                                                                {"ActionVerticalFormatVisible"}};
    return items;
}

std::string WithoutAccelerators(const std::string& Caption) {
    std::string text;
    for (char c : Caption)
        if (c != '&') text += c;
    return text;
}

} // namespace interim_menu_detail

TInterimCommandMenu::TInterimCommandMenu(TCustomForm& Form) : FForm(Form) {
    using namespace interim_menu_detail;
    FMenuBar = new TPanel(&Form);
    FMenuBar->SetName("InterimMenuBar");
    FMenuBar->SetCaption("");
    FMenuBar->SetBevelOuter(bvNone);
    FMenuBar->SetHeight(22);
    FMenuBar->SetAlign(alTop);
    FMenuBar->SetParent(&Form);

    AddTab("&File", {{"ActionNewFile"},
                     {"ActionOpenFile"},
                     {"ActionLoadCD"},
                     {"-"},
                     {"ActionSaveFile"},
                     {"ActionSaveAs"},
                     {"ActionSaveSelect"},
                     {"ActionCloseFile"},
                     {"-"},
                     {"ActionConvertSampleRate"},
                     {"ActionEditID3"},
                     {"-"},
                     {"@RecentFiles"},
                     Sub("Recent &Documents", {{"@RecentDocuments"}}),
                     {"-"},
                     {"ActionOptions"},
                     {"ActionExit"}});
    AddTab("&Home", {{"ActionUndo"},
                     {"ActionRedo"},
                     {"-"},
                     {"ActionCut"},
                     {"ActionCopy"},
                     {"ActionCopyToNew"},
                     {"ActionPaste"},
                     {"ActionPasteMix"},
                     {"ActionMixFile"},
                     {"ActionDelete"},
                     {"-"},
                     BarSub("&Select", TBarItem::Select,
                            {{"ActionSelectToStart"},
                             {"ActionSelectToEnd"},
                             {"ActionSelectSpecifiedTime"},
                             {"ActionSelectAll"}}),
                     {"ActionTrim"},
                     {"ActionTrimStart"},
                     {"ActionTrimEnd"},
                     {"ActionSilenceSelect"},
                     Sub("Insert Silence", InsertSilence()),
                     Sub("Insert File", InsertFile()),
                     {"ActionRepeatLoop"},
                     {"-"},
                     Sub("Transport", {{"ActionPlay"},
                                       {"ActionPlayToEnd"},
                                       {"ActionLoopPlay"},
                                       {"ActionPause"},
                                       {"ActionStop"},
                                       {"-"},
                                       {"ActionStart"},
                                       {"ActionRewind"},
                                       {"ActionForword"},
                                       {"ActionEnd"},
                                       {"-"},
                                       {"ActionPlayAndPause"}}),
                     {"ActionRecord"},
                     {"-"},
                     {"ActionSetBookmark"},
                     {"ActionOpenBookmarkList"},
                     {"ActionAddRegion"},
                     {"ActionOpenRegionList"}});
    // The effect tab holds the effect commands and the ribbon's filter and one-click buttons.
    std::vector<TEntry> effectTab = EffectItems();
    effectTab.insert(effectTab.end(), {{"-"},
                                       BarButton("Vibrato", TBarItem::Vibrato),
                                       BarButton("Peak EQ", TBarItem::PeakEQ),
                                       BarButton("Notch Filter", TBarItem::NotchFilter),
                                       BarButton("Band Pass", TBarItem::BandPass),
                                       BarButton("Low Pass", TBarItem::LowPass),
                                       BarButton("Low Shelf", TBarItem::LowShelf),
                                       BarButton("High Shelf", TBarItem::HighShelf),
                                       BarButton("Invert", TBarItem::Invert)});
    AddTab("Effec&t", effectTab);
    AddTab("&Noise Reduction",
           {{"ActionNoiseReduction"},
            BarButton("Cassette Noise Reduction", TBarItem::CassetteNoiseReduction),
            BarButton("Voice Breath Noise Reduction", TBarItem::VoiceBreathNoiseReduction)});
    AddTab("&View",
           {{"ActionZoomIn"},
            {"ActionZoomOut"},
            {"ActionZoomToSelection"},
            {"ActionZoomFull"},
            {"ActionZoomToLeft"},
            {"ActionZoomToRight"},
            {"ActionVerticalZoomIn"},
            {"ActionVerticalZoomOut"},
            {"-"},
            {"ActionWaveformMode"},
            {"ActionSpectralMode"},
            BarSub("Horizontal Scale", TBarItem::HorizontalScale, HorizontalScale()),
            BarSub("Vertical Scale", TBarItem::VerticalScale, VerticalScale()),
            Sub("Channels", {BarButton("Left Channel", TBarItem::LeftChannel),
                             BarButton("Right Channel", TBarItem::RightChannel),
                             BarButton("Both Channels", TBarItem::BothChannels)}),
            {"ActionWorkplaceBlackWhite"},
            {"-"},
            Sub("Command Bar", {{"ActionShowCommandBar"}, {"ActionBarOntheLeft"}, {"ActionBarOntheRight"}}),
            {"ActionTopTransportBar"},
            {"ActionTopZoomBar"}});
    AddTab("T&ools", {{"ActionBatch"},
                      {"ActionFrequencyAnalysis"},
                      {"ActionTextToSpeech"},
                      {"ActionWindowsMixer"},
                      {"-"},
                      BarButton("Audio Converter", TBarItem::AudioConverter),
                      BarButton("CD Burner", TBarItem::CDBurner),
                      {"-"},
                      BarButton("Edit Favorites...", TBarItem::EditFavorites),
                      BarButton("&Keyboard Shortcuts", TBarItem::KeyboardShortcuts)});
    AddTab("He&lp",
           {{"ActionHelp"},
            {"ActionWelcomeWindow"},
            {"-"},
            BarButton("1. How to change audio source", TBarItem::HelpAudioSource),
            BarButton("2. Record Quick Tour", TBarItem::HelpRecordQuickTour),
            BarButton("3. Importing Audio Tracks from CDs", TBarItem::HelpImportingAudioTracks),
            BarButton("4. Basic Audio Editing", TBarItem::HelpBasicAudioEditing),
            BarButton("5. Connecting Your Stereo Equipment", TBarItem::HelpConnectingStereoEquipment),
            BarButton("6. Bookmarks and Regions", TBarItem::HelpBookmarksAndRegions),
            {"-"},
            {"ActionProductPage"},
            {"ActionTechnicalSupport"},
            {"ActionCompanyHomepage"},
            BarButton("Upgrade to Latest Version", TBarItem::UpgradeToLatestVersion),
            {"-"},
            {"ActionAbout"}});

    auto popup = [this](TMainPopupMenu Which, const std::vector<TEntry>& Entries) {
        auto* menu = new TPopupMenu(&FForm);
        menu->SetAutoPopup(false);
        menu->SetImages(CommandImages());
        AddItems(menu->Items(), Entries);
        FPopups[Which] = menu;
    };
    popup(TMainPopupMenu::Editing, {{"ActionUndo"},
                                    {"-"},
                                    {"ActionCut"},
                                    {"ActionCopy"},
                                    {"ActionPaste"},
                                    {"ActionDelete"},
                                    {"-"},
                                    {"ActionSelectToStart"},
                                    {"ActionSelectToEnd"},
                                    {"ActionSelectSpecifiedTime"},
                                    {"ActionSelectAll"},
                                    {"-"},
                                    {"ActionTrim"},
                                    {"ActionTrimStart"},
                                    {"ActionTrimEnd"},
                                    {"-"},
                                    {"ActionSilenceSelect"},
                                    {"ActionSaveSelect"},
                                    {"-"},
                                    Sub("Insert Silence", InsertSilence()),
                                    Sub("Insert File", InsertFile()),
                                    {"-"},
                                    BarSub("&Effect", TBarItem::Effect, EffectItems()),
                                    {"-"},
                                    {"ActionSetBookmark"},
                                    {"ActionAddRegion"}});
    popup(TMainPopupMenu::NoFile, {{"ActionWorkplaceBlackWhite"},
                                   {"-"},
                                   {"ActionNewFile"},
                                   {"ActionRecord"},
                                   {"-"},
                                   {"ActionOpenFile"},
                                   {"ActionLoadCD"},
                                   {"-"},
                                   {"ActionOptions"},
                                   {"ActionWindowsMixer"},
                                   {"-"},
                                   {"ActionShowCommandBar"}});
    popup(TMainPopupMenu::HorizontalScale, HorizontalScale());
    popup(TMainPopupMenu::VerticalScale, VerticalScale());

    FRecentFiles.OnChange = [this] { RebuildRecentFiles(); };
    FPane.OnChange = [this] { RebuildRecentDocuments(); };
    RebuildRecentFiles();
    RebuildRecentDocuments();
}

TInterimCommandMenu::~TInterimCommandMenu() {
    // The menus and the bar belong to the form; only the lists' callbacks point back here.
    FRecentFiles.OnChange = nullptr;
    FPane.OnChange = nullptr;
}

TCustomImageList* TInterimCommandMenu::CommandImages() const {
    // The main window's small command pictures, when it has made them.
    return dynamic_cast<TCustomImageList*>(FForm.FindComponent("SmallCommandImages"));
}

void TInterimCommandMenu::AddTab(const std::string& Caption, const std::vector<TEntry>& Entries) {
    auto* menu = new TPopupMenu(&FForm);
    menu->SetAutoPopup(false);
    menu->SetImages(CommandImages());
    AddItems(menu->Items(), Entries);
    auto* button = new TSpeedButton(&FForm);
    button->SetCaption(Caption);
    button->SetFlat(true);
    const int left = FTabs.empty() ? 2 : FTabs.back().first->Left() + FTabs.back().first->Width();
    button->SetBounds(left, 1, 24 + static_cast<int>(Caption.size()) * 6, 20);
    button->SetParent(FMenuBar);
    button->OnClick = TNotifyEvent([this, button, menu](TObject*) { TabClick(button, menu); }, button);
    FTabs.emplace_back(button, menu);
}

void TInterimCommandMenu::AddItems(TMenuItem* Parent, const std::vector<TEntry>& Entries) {
    for (const TEntry& entry : Entries) {
        if (entry.Name == "@RecentFiles") {
            // The recent files go before this separator.
            FRecentFilesEnd = new TMenuItem(&FForm);
            FRecentFilesEnd->SetCaption("-");
            Parent->Add(FRecentFilesEnd);
            continue;
        }
        if (entry.Name == "@RecentDocuments") {
            FRecentDocuments = Parent;
            continue;
        }
        auto* item = new TMenuItem(&FForm);
        if (entry.IsBarItem) item->SetImageIndex(BarItemIconIndex(entry.BarItem));
        if (entry.Submenu) {
            item->SetCaption(entry.Name);
            AddItems(item, entry.Items);
            if (entry.IsBarItem) FBarItemMenus[entry.BarItem].push_back(item);
        } else if (entry.Name == "-") {
            item->SetCaption("-");
        } else if (entry.IsBarItem) {
            item->SetCaption(entry.Name);
            const TBarItem barItem = entry.BarItem;
            item->OnClick = TNotifyEvent(
                [this, barItem](TObject*) {
                    if (OnItemClick) OnItemClick(barItem);
                },
                item);
            FBarItemMenus[barItem].push_back(item);
        } else {
            item->SetAction(dynamic_cast<TBasicAction*>(FForm.FindComponent(entry.Name)));
        }
        Parent->Add(item);
    }
}

TSpeedButton* TInterimCommandMenu::TabButton(const std::string& Caption) const {
    for (const auto& [button, menu] : FTabs)
        if (interim_menu_detail::WithoutAccelerators(button->Caption()) == Caption) return button;
    return nullptr;
}

TPopupMenu* TInterimCommandMenu::TabMenu(const std::string& Caption) const {
    for (const auto& [button, menu] : FTabs)
        if (interim_menu_detail::WithoutAccelerators(button->Caption()) == Caption) return menu;
    return nullptr;
}

void TInterimCommandMenu::TabClick(TSpeedButton* Button, TPopupMenu* Menu) {
    // The form's actions are brought up to date first, so that the items show what can run now.
    FForm.UpdateActions();
    const POINT corner = Button->ClientToScreen(POINT{0, Button->Height()});
    Menu->Popup(corner.x, corner.y);
}

void TInterimCommandMenu::SetDocumentName(const std::string& Name) {
    // The caption the window was given (when it is not the one shown last) is the base of the text.
    if (FShownCaption.empty() || FForm.Caption() != FShownCaption) FBaseCaption = FForm.Caption();
    if (Name == FDocumentName && FForm.Caption() == FShownCaption) return;
    FDocumentName = Name;
    FShownCaption = Name.empty() ? FBaseCaption : FBaseCaption + " - " + Name;
    FForm.SetCaption(FShownCaption);
}

void TInterimCommandMenu::SetActiveTab(const std::string& Caption) {
    if (Caption == FActiveTab) return;
    FActiveTab = Caption;
    for (const auto& [button, menu] : FTabs) {
        button->SetGroupIndex(interim_menu_detail::WithoutAccelerators(button->Caption()) == Caption ? 1 : 0);
        button->SetDown(button->GroupIndex() == 1);
    }
}

void TInterimCommandMenu::SetDown(TBarItem Item, bool Down) {
    for (TMenuItem* item : FBarItemMenus[Item])
        item->SetChecked(Down);
}

void TInterimCommandMenu::SetEnabled(TBarItem Item, bool Enabled) {
    auto found = FBarItemEnabled.find(Item);
    if (found != FBarItemEnabled.end() && found->second == Enabled) return;
    FBarItemEnabled[Item] = Enabled;
    for (TMenuItem* item : FBarItemMenus[Item])
        item->SetEnabled(Enabled);
}

bool TInterimCommandMenu::Enabled(TBarItem Item) const {
    auto found = FBarItemEnabled.find(Item);
    return found == FBarItemEnabled.end() || found->second;
}

void TInterimCommandMenu::Popup(TMainPopupMenu Menu, int X, int Y) {
    FForm.UpdateActions();
    FPopups.at(Menu)->Popup(X, Y);
}

void TInterimCommandMenu::PopupFromCursorPos(TMainPopupMenu Menu) {
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    Popup(Menu, cursor.x, cursor.y);
}

void TInterimCommandMenu::RebuildRecentFiles() {
    if (FRecentFilesEnd == nullptr) return;
    TMenuItem* menu = FRecentFilesEnd->Parent();
    for (TMenuItem* item : FRecentFileItems) {
        menu->Remove(item);
        delete item;
    }
    FRecentFileItems.clear();
    const std::vector<std::string>& files = FRecentFiles.Items();
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* item = new TMenuItem(&FForm);
        std::string caption = "&" + std::to_string(i + 1) + " ";
        for (char c : files[i])
            caption += c == '&' ? std::string("&&") : std::string(1, c);
        item->SetCaption(caption);
        const int index = static_cast<int>(i);
        item->OnClick = TNotifyEvent(
            [this, index](TObject*) {
                if (FRecentFiles.OnClick) FRecentFiles.OnClick(index);
            },
            item);
        menu->Insert(menu->IndexOf(FRecentFilesEnd), item);
        FRecentFileItems.push_back(item);
    }
    FRecentFilesEnd->SetVisible(!files.empty());
}

void TInterimCommandMenu::RebuildRecentDocuments() {
    if (FRecentDocuments == nullptr) return;
    FRecentDocuments->Clear();
    for (int i = 0; i < FPane.Count(); ++i) {
        auto* item = new TMenuItem(&FForm);
        const std::string path = FPane.GetItem(i).Text();
        std::string caption;
        for (char c : path)
            caption += c == '&' ? std::string("&&") : std::string(1, c);
        item->SetCaption(caption);
        item->OnClick = TNotifyEvent(
            [this, path](TObject*) {
                if (OnRecentDocumentClick) OnRecentDocumentClick(path);
            },
            item);
        FRecentDocuments->Add(item);
    }
    FRecentDocuments->SetEnabled(FPane.Count() > 0);
}

std::unique_ptr<IMainWindowBars> CreateMainWindowBars(TCustomForm& Form) {
    return std::make_unique<TInterimCommandMenu>(Form);
}
