#include "source/cd/LoadCD.h"

#include "cd/CDDevice.h"
#include "cd/Cddb.h"
#include "imaging/buttons/PngSpeedButton.h"
#include "imaging/png/PngPicture.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/Timer.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/UiFont.h"
#include "source/cd/LookupGlyph.h"
#include "source/cd/MultiFoundCDDB.h"

namespace load_cd_detail {

using namespace load_cd_messages;

template <class T>
T* Place(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width, int Height) {
    auto* control = new T(Owner);
    control->SetName(Name);
    control->SetBounds(Left, Top, Width, Height);
    control->SetParent(Parent);
    return control;
}

TAction* MakeAction(TLoadCDForm* Form, const char* Name, const char* Caption,
                    void (TLoadCDForm::*Handler)(TObject*)) {
    auto* action = new TAction(Form);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetActionList(Form->ActionList);
    action->SetOnExecute(TNotifyEvent([Form, Handler](TObject* s) { (Form->*Handler)(s); }, Form));
    return action;
}

const char* const LookupCaption = "freecddb";
// The lookup button's caption while the database is asked, one step a tick.
const char* const AnimationSteps[] = {"- freecddb -", "\\ freecddb \\", "| freecddb |", "/ freecddb /"};

} // namespace load_cd_detail

std::string MatchLine(const std::string& Match) {
    const auto blank = Match.find(' ');
    const std::string category = Match.substr(0, blank);
    const std::string discId = blank == std::string::npos ? std::string() : Match.substr(blank + 1, 8);
    // The title is what is left after the category, the identifier and their two blanks; a match too
    // short to have one has an empty title.
    const std::ptrdiff_t titleLength =
        std::ptrdiff_t(Match.size()) - std::ptrdiff_t(category.size()) - std::ptrdiff_t(discId.size()) - 2;
    const std::string title =
        titleLength > 0 ? Match.substr(Match.size() - std::size_t(titleLength)) : std::string();
    return Format("%s - %s", {title, category});
}

TLoadCDForm::TLoadCDForm(TComponent* AOwner) : TForm(AOwner) {
    using namespace load_cd_detail;
    TComponentLoading loading(this);
    SetName("LoadCDForm");
    SetCaption("Load Audio CD Track(s)");
    SetBorderStyle(bsDialog);
    SetPosition(poDesigned);
    SetClientSize(370, 344);
    Font()->SetName("Tahoma");
    Font()->SetHeight(-11);

    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    ActionList->OnUpdate = TActionEvent([this](TBasicAction* a, bool& h) { ActionListUpdate(a, h); }, this);
    ActionRefresh = MakeAction(this, "ActionRefresh", "&Refresh", &TLoadCDForm::ActionRefreshExecute);
    Actionfreecddb = MakeAction(this, "Actionfreecddb", LookupCaption, &TLoadCDForm::ActionfreecddbExecute);
    ActionLoad = MakeAction(this, "ActionLoad", "&Load", &TLoadCDForm::ActionLoadExecute);
    ActionCancel = MakeAction(this, "ActionCancel", "&Cancel", &TLoadCDForm::ActionCancelExecute);

    GroupBoxDrive = Place<TGroupBox>(this, this, "GroupBoxDrive", 8, 6, 354, 54);
    GroupBoxDrive->SetCaption("CD-ROM &Drive");
    ComboBoxCDROM = Place<TComboBox>(this, GroupBoxDrive, "ComboBoxCDROM", 10, 20, 248, 21);
    ComboBoxCDROM->SetStyle(csDropDownList);
    ComboBoxCDROM->OnChange = TNotifyEvent([this](TObject* s) { ComboBoxCDROMChange(s); }, this);
    ButtonRefresh = Place<TButton>(this, GroupBoxDrive, "ButtonRefresh", 266, 18, 78, 25);
    ButtonRefresh->SetAction(ActionRefresh);

    GroupBoxSelect = Place<TGroupBox>(this, this, "GroupBoxSelect", 8, 66, 354, 228);
    GroupBoxSelect->SetCaption("Select &Track(s)");
    ListViewTracks = Place<TListView>(this, GroupBoxSelect, "ListViewTracks", 10, 20, 334, 160);
    ListViewTracks->SetViewStyle(vsReport);
    ListViewTracks->SetReadOnly(true);
    ListViewTracks->SetRowSelect(true);
    ListViewTracks->SetHideSelection(false);
    TListColumn* column = ListViewTracks->Columns()->Add();
    column->SetCaption("Track");
    column->SetWidth(280);
    ListViewTracks->OnDblClick = TNotifyEvent([this](TObject* s) { ListViewTracksDblClick(s); }, this);
    LabelConnect = Place<TLabel>(this, GroupBoxSelect, "LabelConnect", 10, 186, 233, 33);
    LabelConnect->SetAutoSize(false);
    LabelConnect->SetWordWrap(true);
    LabelConnect->SetCaption("Connected to freedb server...");

    ButtonFreeCDDB = Place<TPngSpeedButton>(this, this, "ButtonFreeCDDB", 8, 302, 118, 34);
    ButtonFreeCDDB->SetFlat(true);
    ButtonFreeCDDB->SetPngImage(MakeLookupGlyph().get());
    ButtonFreeCDDB->SetAction(Actionfreecddb);
    ButtonLoad = Place<TButton>(this, this, "ButtonLoad", 206, 308, 75, 25);
    ButtonLoad->SetAction(ActionLoad);
    ButtonLoad->SetModalResult(mrOk);
    ButtonLoad->SetDefault(true);
    ButtonCancel = Place<TButton>(this, this, "ButtonCancel", 287, 308, 75, 25);
    ButtonCancel->SetAction(ActionCancel);
    ButtonCancel->SetModalResult(mrCancel);
    ButtonCancel->SetCancel(true);

    Timer = new TTimer(this);
    Timer->SetName("Timer");
    Timer->SetEnabled(false);
    Timer->SetInterval(300);
    Timer->OnTimer = TNotifyEvent([this](TObject* s) { TimerTimer(s); }, this);
    MediaTimer = new TTimer(this);
    MediaTimer->SetName("MediaTimer");
    MediaTimer->SetEnabled(false);
    MediaTimer->SetInterval(1000);
    MediaTimer->OnTimer = TNotifyEvent([this](TObject* s) { MediaTimerTimer(s); }, this);

    Cddb = new TCddb(this);
    Cddb->SetName("Cddb");
    const TGlobalVars& settings = GlobalVars();
    const std::string mail = "cddb@olva-audio.example";
    Cddb->InternalTOCRetrieve = true;
    Cddb->LocalCDDBPath = ".\\";
    Cddb->LocalCDDBDLLPath = ".\\";
    Cddb->SetLocalCDDBType(lctWIN);
    Cddb->SetNoteToUser("discgrab");
    Cddb->ClientName = "discgrab";
    Cddb->ClientVersion = "2.0";
    Cddb->ClientComments = "discgrab";
    Cddb->ServerAdditionalAddr = settings.CddbServerPath;
    Cddb->ServerType = HTTP;
    Cddb->SetProxyPort("80");
    Cddb->SubmissionType = TEST;
    Cddb->MailServerPort = "smtp";
    Cddb->ServerAddr = settings.CddbServerAddr;
    Cddb->EmailUser = mail;
    Cddb->EmailSubmit = mail;
    Cddb->EmailTestSubmit = mail;
    Cddb->OnStatusMessage =
        TStatusEvent([this](TObject* s, const std::string& t) { CddbStatusMessage(s, t); }, this);
    Cddb->OnDataExchange =
        TStatusEvent([this](TObject* s, const std::string& t) { CddbDataExchange(s, t); }, this);
    Cddb->OnMatch =
        TMatchEvent([this](TObject* s, const TMatchArray& m, int& r) { CddbMatch(s, m, r); }, this);

    OnCreate = TNotifyEvent([this](TObject* s) { FormCreate(s); }, this);
    OnShow = TNotifyEvent([this](TObject* s) { FormShow(s); }, this);
}

TLoadCDForm::~TLoadCDForm() = default;

TCDItem* TLoadCDForm::SelectedItem() const {
    TListItem* item = ListViewTracks->Selected();
    return item != nullptr ? static_cast<TCDItem*>(item->Data()) : nullptr;
}

void TLoadCDForm::FormCreate(TObject*) {
    for (int i = 1; i <= Cddb->Drives().Count; ++i)
        ComboBoxCDROM->Items()->Add(Format("CD-ROM %d", {i}));
    if (ComboBoxCDROM->Items()->Count() > 0) {
        ComboBoxCDROM->SetItemIndex(0);
        ::PostMessage(Handle(), load_cd_messages::WM_LOADCD, 0, 0);
        MediaTimer->SetEnabled(true);
    }
    StopAnimation();
}

void TLoadCDForm::FormShow(TObject*) {
    ApplyUiFont(this, "Tahoma", Screen()->HintFont()->Name());
}

void TLoadCDForm::Dispatch(TMessage& Message) {
    using namespace load_cd_messages;
    switch (Message.Msg) {
    case WM_LOADCD:
        WMLoad();
        return;
    case WM_READCDDB:
        WMRead(Message);
        return;
    case WM_FILLCDDB:
        WMFillCDDB(Message);
        return;
    default:
        break;
    }
    TForm::Dispatch(Message);
    if (Message.Msg == WM_DEVICECHANGE &&
        (Message.WParam == DBT_DEVICEARRIVAL || Message.WParam == DBT_DEVICEREMOVECOMPLETE))
        ComboBoxCDROMChange(this);
}

void TLoadCDForm::WMLoad() {
    Show();
    ReadSelectedDrive();
}

void TLoadCDForm::ReadSelectedDrive() {
    const int index = ComboBoxCDROM->ItemIndex();
    FTocRead = index >= 0 && Cddb->ReadDriveTOC(static_cast<std::uint8_t>(index));
    FMediumState = FTocRead ? 1 : -1;
    ListTracks();
}

void TLoadCDForm::ComboBoxCDROMChange(TObject*) {
    ReadSelectedDrive();
}

void TLoadCDForm::ActionRefreshExecute(TObject*) {
    ReadSelectedDrive();
}

bool TLoadCDForm::AudioDiscPresent() const {
    // Stands for the drive's "Audio CD" volume: a table of contents was read and lists an audio track.
    if (!FTocRead) return false;
    const TCDTOC& toc = Cddb->CDInfo().TOC;
    for (int i = 0; i < toc.TrackCount; ++i)
        if (toc.Tracks[static_cast<std::size_t>(i)].IsAudio) return true;
    return false;
}

void TLoadCDForm::ListTracks() {
    ListViewTracks->Items()->Clear();
    FItems.clear();
    if (!AudioDiscPresent()) {
        ShowMessageBox("No Audio Disc have been detected. If you do have an Audio-CD inserted but see this "
                       "message please read the Help topic relating to Loading CD Tracks.",
                       MB_OK | MB_ICONERROR);
        return;
    }
    const TCDTOC& toc = Cddb->CDInfo().TOC;
    for (int i = 0; i < toc.TrackCount; ++i) {
        if (!toc.Tracks[static_cast<std::size_t>(i)].IsAudio) continue;
        auto item = std::make_unique<TCDItem>();
        item->TrackIndex = i;
        item->Title = Format("Track - %s", {Format("%.2d", {toc.FirstTrack + i})});
        TListItem* listed = ListViewTracks->Items()->Add();
        listed->SetCaption(item->Title);
        listed->SetData(item.get());
        FItems.push_back(std::move(item));
    }
}

void TLoadCDForm::ListViewTracksDblClick(TObject*) {
    if (ListViewTracks->Selected() != nullptr) SetModalResult(mrOk);
}

void TLoadCDForm::ActionLoadExecute(TObject*) {
    if (ListViewTracks->Selected() != nullptr) SetModalResult(mrOk);
}

void TLoadCDForm::ActionCancelExecute(TObject*) {
    // The button's modal result closes the dialog.
}

void TLoadCDForm::ActionListUpdate(TBasicAction*, bool&) {
    ActionLoad->SetEnabled(ListViewTracks->Selected() != nullptr);
}

void TLoadCDForm::ActionfreecddbExecute(TObject*) {
    if (!AudioDiscPresent()) return;
    const TGlobalVars& settings = GlobalVars();
    Cddb->AbortRequest();
    Cddb->ServerAddr = settings.CddbServerAddr;
    Cddb->ServerAdditionalAddr = settings.CddbServerPath;
    Cddb->ServerType = HTTP;
    Cddb->ServerPort = settings.CddbServerPort;
    // Started first, so that a query that cannot even start stops it again.
    StartAnimation();
    Cddb->Query();
}

void TLoadCDForm::ShowMessageBox(const std::string& Text, UINT Flags) {
    if (OnMessageBox)
        OnMessageBox(Text, Flags);
    else
        Application()->MessageBox(Text, Application()->Title(), Flags);
}

void TLoadCDForm::StartAnimation() {
    FAnimationStep = 0;
    Actionfreecddb->SetCaption(load_cd_detail::LookupCaption);
    Timer->SetEnabled(true);
    LabelConnect->SetVisible(true);
}

void TLoadCDForm::StopAnimation() {
    Timer->SetEnabled(false);
    Actionfreecddb->SetCaption(load_cd_detail::LookupCaption);
    LabelConnect->SetVisible(false);
}

void TLoadCDForm::TimerTimer(TObject*) {
    Actionfreecddb->SetCaption(load_cd_detail::AnimationSteps[FAnimationStep]);
    FAnimationStep = (FAnimationStep + 1) % 4;
}

void TLoadCDForm::MediaTimerTimer(TObject*) {
    const int index = ComboBoxCDROM->ItemIndex();
    if (index < 0 || index >= Cddb->Drives().Count) return;
    TCDStatus status;
    std::unique_ptr<ICDDevice> device =
        CDDeviceSystem().Open(Cddb->Drives().Drives[static_cast<std::size_t>(index)].DevicePath, status);
    if (!device) return;
    const TCDStatus medium = device->MediumStatus();
    const int state = medium == TCDStatus::Ok ? 1 : medium == TCDStatus::NoMedium ? 0 : -1;
    if (state < 0) return;
    if (state != FMediumState)
        ::PostMessage(
            Handle(), WM_DEVICECHANGE,
            state == 1 ? load_cd_messages::DBT_DEVICEARRIVAL : load_cd_messages::DBT_DEVICEREMOVECOMPLETE, 0);
    FMediumState = state;
}

void TLoadCDForm::CddbStatusMessage(TObject*, const std::string& Status) {
    using namespace cddb_state;
    const bool looking = Timer->Enabled();
    const int state = Cddb->RequestState();
    // A lookup that ends without names says why, once.
    if (looking && state == ReadFailed) {
        StopAnimation();
        ShowMessageBox("Reading CDDB information failed.", MB_OK | MB_ICONERROR);
    } else if (looking && state == QuitSent) {
        StopAnimation();
    } else if (looking && state == HttpFailed) {
        StopAnimation();
        ShowMessageBox(
            "The operation failed when trying to access the freeDB Internet server. Please try again later.",
            MB_OK | MB_ICONERROR);
    } else if (looking && state == NoUsableMatch) {
        StopAnimation();
        ShowMessageBox(Status, MB_OK | MB_ICONINFORMATION);
    }
    if (Status == "Entry read") {
        StopAnimation();
        ::PostMessage(Handle(), load_cd_messages::WM_FILLCDDB, reinterpret_cast<WPARAM>(Cddb), 0);
    }
    LabelConnect->SetCaption("Connected to freedb server, please wait ... \n\rStatus: " + LowerCase(Status) +
                             " ...");
}

void TLoadCDForm::CddbDataExchange(TObject*, const std::string&) {}

void TLoadCDForm::CddbMatch(TObject*, const TMatchArray& Matches, int& RightOne) {
    RightOne = -1;
    auto* form = TCustomForm::New<TMatchForm>(this);
    form->SetTop(Top() + (Height() - form->Height()) / 2);
    form->SetLeft(Left() + (Width() - form->Width()) / 2);
    for (const std::string& match : Matches) {
        if (match.empty()) break;
        form->LstMatches->Items()->Add(MatchLine(match));
    }
    if (form->ShowModal() == mrOk)
        RightOne = form->LstMatches->ItemIndex();
    else
        StopAnimation();
    delete form;
    if (RightOne != -1)
        ::PostMessage(Handle(), load_cd_messages::WM_READCDDB, reinterpret_cast<WPARAM>(Cddb), 0);
}

void TLoadCDForm::WMRead(TMessage&) {
    const int state = Cddb->RequestState();
    if (state == cddb_state::MatchChosen || state == cddb_state::MatchListComplete) Cddb->ReadEntry();
}

void TLoadCDForm::WMFillCDDB(TMessage&) {
    const TCDInfo& info = Cddb->CDInfo();
    for (int i = 0; i < ListViewTracks->Items()->Count(); ++i) {
        TListItem* listed = ListViewTracks->Items()->Item(i);
        auto* item = static_cast<TCDItem*>(listed->Data());
        // By track number: the list holds only the audio tracks, so its order is not the disc's.
        const std::string& title = info.TrackTitles[static_cast<std::size_t>(item->TrackIndex)];
        if (title.empty()) continue;
        item->Title = title;
        listed->SetCaption(title);
    }
}
