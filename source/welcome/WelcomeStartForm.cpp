#include "source/welcome/WelcomeStartForm.h"

#include "imaging/png/PngPicture.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Picture.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/RecentFilesFile.h"
#include "source/dialogs/DialogSupport.h"
#include "source/welcome/LinkLabel.h"

#include <utility>

namespace welcome_form_detail {

constexpr int WindowWidth = 600;
constexpr int WindowHeight = 392;
constexpr int StepsLeft = 28;
constexpr int ListsLeft = 232;
constexpr TColor HeadingColor = RGB(120, 180, 215);
// The banner picture in the program's folder; without it the banner stays empty.
constexpr const char* WelcomePictureName = "welcome.png";

// The tutorial links and the manual pages they open.
constexpr std::array<std::pair<const char*, const char*>, 4> Tutorials{{
    {"1. Record Quick Tour", "RecordQuicktour"},
    {"2. Importing Audio Tracks from CDs", "ImportingAudioTracksfromCD"},
    {"3. Basic Audio Editing", "BasicAudioEditing"},
    {"4. Connecting Your Stereo Equipment", "ConnectingYourStereoEquipment"},
}};

TLinkLabel* Link(TWelcomeStartForm* Form, const char* Name, const std::string& Caption, int Left, int Top,
                 const TNotifyEvent& Click) {
    auto* link = new TLinkLabel(Form);
    link->SetName(Name);
    link->SetCaption(Caption);
    link->SetLeft(Left);
    link->SetTop(Top);
    link->OnClick = Click;
    link->SetParent(Form);
    return link;
}

// One of the first steps: larger and bold, as the window's main choices.
TLinkLabel* StepLink(TWelcomeStartForm* Form, const char* Name, const std::string& Caption, int Top,
                     const TNotifyEvent& Click) {
    TLinkLabel* link = Link(Form, Name, Caption, StepsLeft, Top, Click);
    link->Font()->SetSize(10);
    link->Font()->SetStyle(TFontStyles{fsBold});
    return link;
}

TLabel* Heading(TWelcomeStartForm* Form, const char* Name, const std::string& Caption, int Top) {
    auto* heading = new TLabel(Form);
    heading->SetName(Name);
    heading->SetCaption(Caption);
    heading->SetTransparent(true);
    heading->Font()->SetStyle(TFontStyles{fsBold});
    heading->Font()->SetColor(HeadingColor);
    heading->SetLeft(ListsLeft);
    heading->SetTop(Top);
    heading->SetParent(Form);
    return heading;
}

} // namespace welcome_form_detail

TWelcomeStartForm::TWelcomeStartForm(TComponent* AOwner, std::function<void()> ClearRecentList)
    : TForm(AOwner), FClearRecentList(std::move(ClearRecentList)) {
    using namespace welcome_form_detail;
    TComponentLoading loading(this);
    SetName("WelcomeStartForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize});
    SetCaption("Welcome");
    SetColor(BackgroundColor);
    SetShowHint(true);
    SetClientSize(WindowWidth, WindowHeight);

    ImageMain = new TImage(this);
    ImageMain->SetName("ImageMain");
    ImageMain->SetBounds(0, 0, WindowWidth, 100);
    ImageMain->SetParent(this);

    auto choose = [this](int Code) { return TNotifyEvent([this, Code](TObject*) { Choose(Code); }, this); };
    LabelNewFile = StepLink(this, "LabelNewFile", "New File", 124, choose(1));
    LabelNewRecording = StepLink(this, "LabelNewRecording", "New Recording", 156, choose(2));
    LabelLoadFromCD = StepLink(this, "LabelLoadFromCD", "Load from CD", 188, choose(4));
    LabelTextToSpeech = StepLink(this, "LabelTextToSpeech", "Text to Speech", 220, choose(5));

    LabelRecentFiles = Heading(this, "LabelRecentFiles", "Recent Files", 118);
    const TNotifyEvent recent(this, &TWelcomeStartForm::RecentFileClick);
    lab1 = Link(this, "lab1", "", ListsLeft + 8, 140, recent);
    lab2 = Link(this, "lab2", "", ListsLeft + 8, 160, recent);
    lab3 = Link(this, "lab3", "", ListsLeft + 8, 180, recent);
    for (TLinkLabel* label : {lab1, lab2, lab3}) {
        label->SetAutoSize(false);
        label->SetWidth(WindowWidth - ListsLeft - 24);
        label->SetHeight(16);
    }
    LabelMore = Link(this, "LabelMore", "More...", ListsLeft + 8, 204, choose(3));
    labClear = Link(this, "labClear", "Clear", ListsLeft + 72, 204,
                    TNotifyEvent(this, &TWelcomeStartForm::ClearClick));

    LabelTutorial = Heading(this, "LabelTutorial", "Tutorial", 238);
    for (std::size_t i = 0; i < Tutorials.size(); ++i)
        LabelTutorials[i] =
            Link(this, ("LabelTutorial" + std::to_string(i + 1)).c_str(), Tutorials[i].first, ListsLeft + 8,
                 260 + 20 * int(i), TNotifyEvent(this, &TWelcomeStartForm::TutorialClick));

    CheckBoxShowAtStart = new TCheckBox(this);
    CheckBoxShowAtStart->SetName("CheckBoxShowAtStart");
    CheckBoxShowAtStart->SetCaption("");
    CheckBoxShowAtStart->SetBounds(StepsLeft, 361, 16, 16);
    CheckBoxShowAtStart->SetParent(this);
    LabelShowAtStart = Link(this, "LabelShowAtStart", "Show this dialog at startup", StepsLeft + 20, 362,
                            TNotifyEvent(this, &TWelcomeStartForm::ShowAtStartLinkClick));
    ButtonClose = AddDialogButton(this, this, "&Close", WindowWidth - 16 - 75, 357, mrCancel);
    ButtonClose->SetName("ButtonClose");

    const std::string title = Application()->Title();
    if (!title.empty()) SetCaption("Welcome to " + title + "!");
    LoadPicture();
    CheckBoxShowAtStart->SetChecked(GlobalVars().ShowStartDialog);
    CheckBoxShowAtStart->OnClick = TNotifyEvent(this, &TWelcomeStartForm::CheckBoxShowAtStartClick);
    FillRecentFiles();
    SetActiveControl(ButtonClose);
    OnShow = TNotifyEvent(this, &TWelcomeStartForm::FormShow);
}

void TWelcomeStartForm::LoadPicture() {
    const std::string path = ProgramEnvironment().ProgramFolder + welcome_form_detail::WelcomePictureName;
    if (!FileExists(path)) return;
    try {
        TPngPicture picture;
        picture.LoadFromFile(path);
        ImageMain->Picture()->SetGraphic(&picture);
    } catch (const Exception&) {
        // A picture that cannot be read leaves the banner empty, as a missing one does.
    }
}

void TWelcomeStartForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TWelcomeStartForm::FillRecentFiles() {
    const std::vector<std::string> lines = ReadRecentFilesFile(GlobalVars().DataFolder + RecentFilesFileName);
    const std::array<TLinkLabel*, 3> labels{lab1, lab2, lab3};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const bool shown = i < lines.size();
        labels[i]->SetCaption(shown ? ExtractFileName(lines[i]) : std::string());
        labels[i]->SetHint(shown ? lines[i] : std::string());
        labels[i]->SetVisible(shown);
    }
    labClear->SetVisible(!lines.empty());
}

void TWelcomeStartForm::Choose(int Code, const std::string& File) {
    FResultCode = Code;
    FChosenFile = File;
    SetModalResult(mrOk);
}

void TWelcomeStartForm::RecentFileClick(TObject* Sender) {
    Choose(6, static_cast<TLinkLabel*>(Sender)->Hint());
}

void TWelcomeStartForm::ClearClick(TObject*) {
    if (FClearRecentList) FClearRecentList();
    FillRecentFiles();
}

void TWelcomeStartForm::TutorialClick(TObject* Sender) {
    for (std::size_t i = 0; i < LabelTutorials.size(); ++i)
        if (Sender == LabelTutorials[i]) ShowHelpPage(Handle(), welcome_form_detail::Tutorials[i].second);
}

void TWelcomeStartForm::ShowAtStartLinkClick(TObject*) {
    CheckBoxShowAtStart->SetChecked(!CheckBoxShowAtStart->Checked());
}

void TWelcomeStartForm::CheckBoxShowAtStartClick(TObject*) {
    GlobalVars().ShowStartDialog = CheckBoxShowAtStart->Checked();
}
