#include "source/batch/BatchConverterForm.h"

#include "audio/AudioOutputFormat.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Numerics.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/FileDialog.h"
#include "platform/vcl/FolderBrowser.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/ProgressBar.h"
#include "platform/vcl/RadioButton.h"
#include "platform/win/DroppedFiles.h"
#include "platform/win/WinKeys.h"
#include "source/FileNameHelpers.h"
#include "source/FolderBrowse.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/WaitCursor.h"
#include "source/batch/AddCommandForm.h"
#include "source/batch/BatchCommandSettings.h"
#include "source/batch/BatchRunner.h"
#include "source/dialogs/DialogSupport.h"
#include "source/formats/FormatPresetForm.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

namespace batch_converter_form_detail {

constexpr const char* OpenFilter =
    "All Supported Formats|*.wav;*.mp3;*.mp2;*.mpga;*.wma;*.ogg;*.cda;*.vox;*.raw;*.g721;*.g723;*.g726;*.aif;"
    "*.aiff;*.aifc;*.mpc|Wave Files (*.wav)|*.wav|MPEG Layer 3 Files (*.mp3;*.mp2;*.mpga)|*.mp3;*.mp2;*.mpga|"
    "Windows Media Audio Files (*.wma)|*.wma|OGG Vorbis Audio Files (*.ogg)|*.ogg|CD Audio Tracks "
    "(*.cda)|*.cda|Dialogic VOX Files (*.vox)|*.vox|RAW Audio Files (*.raw)|*.raw|G.72x Audio Files "
    "(*.g721;*.g723;*.g726)|*.g721;*.g723;*.g726|AIFF Apple Audio Files (*.aif;*.aiff;*.aifc)|*.aif;*.aiff;"
    "*.aifc|MPC Audio Files (*.mpc)|*.mpc";

constexpr int FormatCodes[] = {afWav, afMp3, afOgg, afWma};

TBatchFileItem* FileItemOf(const TListItem* Item) {
    return static_cast<TBatchFileItem*>(Item->Data());
}
TBatchCommand* CommandOf(const TListItem* Item) {
    return static_cast<TBatchCommand*>(Item->Data());
}

std::string FullPath(const TBatchFileItem& Item) {
    return AddTrailingBackslash(Item.Folder) + Item.FileName;
}

TListView* MakeList(TCustomForm* Form, TWinControl* Parent, const char* Name,
                    std::initializer_list<std::pair<const char*, int>> Columns) {
    auto* list = PlaceControl<TListView>(Form, Parent, Name, 12, 20, 474, 260);
    list->SetViewStyle(vsReport);
    list->SetMultiSelect(true);
    list->SetRowSelect(true);
    list->SetReadOnly(true);
    list->SetHideSelection(false);
    for (const auto& [caption, width] : Columns) {
        TListColumn* column = list->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    return list;
}

TButton* MakeActionButton(TCustomForm* Form, TWinControl* Parent, TAction* Action, int Left, int Top,
                          int Width = 100) {
    auto* button = new TButton(Form);
    button->SetBounds(Left, Top, Width, 23);
    button->SetAction(Action);
    button->SetParent(Parent);
    return button;
}

// The text shortened in its middle ("...") to the label's width, so that a long path keeps its start and
// its file name.
std::string FitToLabel(TLabel* Label, const std::string& Text) {
    TCanvas* canvas = Label->Canvas();
    canvas->Font()->Assign(Label->Font());
    if (canvas->TextWidth(Text) <= Label->Width()) return Text;
    std::string head = Text.substr(0, Text.size() / 2), tail = Text.substr(Text.size() / 2);
    while (!head.empty() && canvas->TextWidth(head + "..." + tail) > Label->Width()) {
        head.pop_back();
        if (tail.size() > 1 && canvas->TextWidth(head + "..." + tail) > Label->Width()) tail.erase(0, 1);
    }
    return head + "..." + tail;
}

void Box(const std::string& Text, UINT Icon) {
    Application()->MessageBox(Text, ApplicationTitle, MB_OK | Icon);
}

} // namespace batch_converter_form_detail

TBatchConverterForm::TBatchConverterForm(TComponent* AOwner, TGlobalVars& Vars) : TForm(AOwner), FVars(Vars) {
    using namespace batch_converter_form_detail;
    TComponentLoading loading(this);
    SetName("BatchConverterForm");
    SetUpDialogForm(*this, "Batch Converter", 640, 420);
    SetKeyPreview(true);
    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");

    PanelTop = PlaceControl<TPanel>(this, this, "PanelTop", 0, 0, 640, 52);
    PanelTop->SetBevelOuter(bvNone);
    PanelTop->SetColor(clWindow);
    LabelStep = AddLabel(this, PanelTop, "Step 1:", 14, 9);
    LabelStep->SetName("LabelStep");
    LabelStep->Font()->SetStyle(TFontStyles{fsBold});
    LabelStepDetail = AddLabel(this, PanelTop, "", 28, 28);
    LabelStepDetail->SetName("LabelStepDetail");

    PageControl = PlaceControl<TPageControl>(this, this, "PageControl", 8, 60, 624, 312);
    for (TTabSheet** sheet : {&TabSheetFiles, &TabSheetCommands, &TabSheetOutput}) {
        *sheet = new TTabSheet(this);
        (*sheet)->SetPageControl(PageControl);
        (*sheet)->SetTabVisible(false);
    }
    TabSheetFiles->SetName("TabSheetFiles");
    TabSheetCommands->SetName("TabSheetCommands");
    TabSheetOutput->SetName("TabSheetOutput");

    ActionBack = MakeAction("ActionBack", "< &Back", &TBatchConverterForm::ActionBackExecute);
    ActionNext = MakeAction("ActionNext", "&Next >", &TBatchConverterForm::ActionNextExecute);
    BuildFilePage();
    BuildCommandPage();
    BuildOutputPage();

    ButtonHelp = AddDialogButton(this, this, "&Help", 8, 385);
    ButtonHelp->SetName("ButtonHelp");
    ButtonHelp->OnClick = TNotifyEvent([this](TObject*) { ShowHelpPage(Handle(), "BatchConverter"); }, this);
    ButtonBack = MakeActionButton(this, this, ActionBack, 390, 385, 75);
    ButtonBack->SetName("ButtonBack");
    ButtonNext = MakeActionButton(this, this, ActionNext, 471, 385, 75);
    ButtonNext->SetName("ButtonNext");
    ButtonNext->SetDefault(true);
    ButtonCancel = AddDialogButton(this, this, "&Cancel", 557, 385, mrCancel);
    ButtonCancel->SetName("ButtonCancel");

    // The stored choices, then the enabling that follows them.
    RadioButtonutputFormatUseTheSame->SetChecked(FVars.BatchFileFormatUseTheSame);
    RadioButtonutputFormatConvertTo->SetChecked(!FVars.BatchFileFormatUseTheSame);
    ComboBoxFormat->SetItemIndex(
        FVars.BatchFileFormatIndex >= 0 && FVars.BatchFileFormatIndex < 4 ? FVars.BatchFileFormatIndex : 1);
    RadioButtonOutputFolderUseTheSame->SetChecked(FVars.BatchFileSaveFolderUseTheSame);
    RadioButtonOutputFolderSaveTo->SetChecked(!FVars.BatchFileSaveFolderUseTheSame);
    EditFolder->SetText(FVars.BatchFileSaveFolderpath);
    RadioButtonutputFormatUseTheSameClick(this);
    RadioButtonOutputFolderUseTheSameClick(this);
    ShowStep(0);
    OnShow = TNotifyEvent(this, &TBatchConverterForm::FormShow);
    OnClose = TCloseEvent(this, &TBatchConverterForm::FormClose);
    OnCloseQuery = TCloseQueryEvent(this, &TBatchConverterForm::FormCloseQuery);
}

TBatchConverterForm::~TBatchConverterForm() {
    using namespace batch_converter_form_detail;
    for (int i = 0; i < ListViewFiles->Items()->Count(); ++i)
        delete FileItemOf(ListViewFiles->Items()->Item(i));
    for (int i = 0; i < ListViewCommand->Items()->Count(); ++i)
        delete CommandOf(ListViewCommand->Items()->Item(i));
}

TAction* TBatchConverterForm::MakeAction(const char* Name, const std::string& Caption,
                                         void (TBatchConverterForm::*Handler)(TObject*)) {
    auto* action = new TAction(this);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetActionList(ActionList);
    action->SetOnExecute(TNotifyEvent(this, Handler));
    action->OnUpdate = TNotifyEvent(this, &TBatchConverterForm::ActionListUpdate);
    return action;
}

void TBatchConverterForm::BuildFilePage() {
    using namespace batch_converter_form_detail;
    auto* group = PlaceControl<TGroupBox>(this, TabSheetFiles, "GroupBoxFiles", 6, 4, 606, 292);
    group->SetCaption("File List");
    ListViewFiles = MakeList(this, group, "ListViewFiles", {{"File", 150}, {"Path", 240}});
    ListViewFiles->OnKeyDown = TKeyEvent(this, &TBatchConverterForm::ListKeyDown);
    ActionAddFile = MakeAction("ActionAddFile", "Add File...", &TBatchConverterForm::ActionAddFileExecute);
    ActionAddFolder =
        MakeAction("ActionAddFolder", "Add Folder...", &TBatchConverterForm::ActionAddFolderExecute);
    ActionRemoveFiles =
        MakeAction("ActionRemoveFiles", "Remove", &TBatchConverterForm::ActionRemoveFilesExecute);
    ActionSelectAllFiles =
        MakeAction("ActionSelectAllFiles", "Select All", &TBatchConverterForm::ActionSelectAllFilesExecute);
    MakeActionButton(this, group, ActionAddFile, 494, 20);
    MakeActionButton(this, group, ActionAddFolder, 494, 50);
    MakeActionButton(this, group, ActionRemoveFiles, 494, 80);
    auto* menu = new TPopupMenu(this);
    for (TAction* action : {ActionAddFile, ActionRemoveFiles}) {
        auto* item = new TMenuItem(this);
        item->SetAction(action);
        menu->Items()->Add(item);
    }
    ListViewFiles->SetPopupMenu(menu);
}

void TBatchConverterForm::BuildCommandPage() {
    using namespace batch_converter_form_detail;
    auto* group = PlaceControl<TGroupBox>(this, TabSheetCommands, "GroupBoxCommand", 6, 4, 606, 292);
    group->SetCaption("&Command List");
    ListViewCommand = MakeList(this, group, "ListViewCommand", {{"Command", 150}, {"Settings", 350}});
    ListViewCommand->OnKeyDown = TKeyEvent(this, &TBatchConverterForm::ListKeyDown);
    ListViewCommand->OnDblClick = TNotifyEvent(this, &TBatchConverterForm::ActionCommandSettingsExecute);
    ActionAddCommand = MakeAction("ActionAddCommand", "Add", &TBatchConverterForm::ActionAddCommandExecute);
    ActionRemoveCommand =
        MakeAction("ActionRemoveCommand", "Remove", &TBatchConverterForm::ActionRemoveCommandExecute);
    ActionCommandSettings =
        MakeAction("ActionCommandSettings", "Settings", &TBatchConverterForm::ActionCommandSettingsExecute);
    MakeActionButton(this, group, ActionAddCommand, 494, 20);
    MakeActionButton(this, group, ActionRemoveCommand, 494, 50);
    MakeActionButton(this, group, ActionCommandSettings, 494, 80);
    auto* menu = new TPopupMenu(this);
    for (TAction* action : {ActionAddCommand, ActionRemoveCommand, ActionCommandSettings}) {
        auto* item = new TMenuItem(this);
        item->SetAction(action);
        menu->Items()->Add(item);
    }
    ListViewCommand->SetPopupMenu(menu);
}

void TBatchConverterForm::BuildOutputPage() {
    using namespace batch_converter_form_detail;
    GroupBoxFormat = PlaceControl<TGroupBox>(this, TabSheetOutput, "GroupBoxFormat", 6, 4, 606, 80);
    GroupBoxFormat->SetCaption("&Output File Format");
    RadioButtonutputFormatUseTheSame =
        PlaceControl<TRadioButton>(this, GroupBoxFormat, "RadioButtonutputFormatUseTheSame", 12, 20, 500, 17);
    RadioButtonutputFormatUseTheSame->SetCaption(
        "Use the &same file format that was used to load the files (use .mp3 for default)");
    RadioButtonutputFormatConvertTo =
        PlaceControl<TRadioButton>(this, GroupBoxFormat, "RadioButtonutputFormatConvertTo", 12, 48, 150, 17);
    RadioButtonutputFormatConvertTo->SetCaption("&Convert to file format");
    for (TRadioButton* radio : {RadioButtonutputFormatUseTheSame, RadioButtonutputFormatConvertTo})
        radio->OnClick = TNotifyEvent(this, &TBatchConverterForm::RadioButtonutputFormatUseTheSameClick);
    ComboBoxFormat = PlaceControl<TComboBox>(this, GroupBoxFormat, "ComboBoxFormat", 170, 46, 80, 21);
    ComboBoxFormat->SetStyle(csDropDownList);
    for (const char* extension : {".wav", ".mp3", ".ogg", ".wma"})
        ComboBoxFormat->Items()->Add(extension);
    ComboBoxFormat->OnChange = TNotifyEvent(this, &TBatchConverterForm::ComboBoxFormatChange);
    ActionFormatSettings = MakeAction("ActionFormatSettings", "Format Settings",
                                      &TBatchConverterForm::ActionFormatSettingsExecute);
    ButtonFormatSettings = MakeActionButton(this, GroupBoxFormat, ActionFormatSettings, 260, 45, 110);

    GroupBoxFolder = PlaceControl<TGroupBox>(this, TabSheetOutput, "GroupBoxFolder", 6, 90, 606, 80);
    GroupBoxFolder->SetCaption("&Output Folder");
    RadioButtonOutputFolderUseTheSame = PlaceControl<TRadioButton>(
        this, GroupBoxFolder, "RadioButtonOutputFolderUseTheSame", 12, 20, 586, 17);
    RadioButtonOutputFolderUseTheSame->SetCaption(
        "Use the sa&me folder that the files were loaded from (rename files if format is the same)");
    RadioButtonOutputFolderSaveTo =
        PlaceControl<TRadioButton>(this, GroupBoxFolder, "RadioButtonOutputFolderSaveTo", 12, 48, 130, 17);
    RadioButtonOutputFolderSaveTo->SetCaption("S&ave to this folder");
    for (TRadioButton* radio : {RadioButtonOutputFolderUseTheSame, RadioButtonOutputFolderSaveTo})
        radio->OnClick = TNotifyEvent(this, &TBatchConverterForm::RadioButtonOutputFolderUseTheSameClick);
    EditFolder = PlaceControl<TEdit>(this, GroupBoxFolder, "EditFolder", 150, 46, 410, 21);
    EditFolder->SetReadOnly(true);
    ActionSaveToFolderSelection = MakeAction("ActionSaveToFolderSelection", "...",
                                             &TBatchConverterForm::ActionSaveToFolderSelectionExecute);
    ButtonFolder = MakeActionButton(this, GroupBoxFolder, ActionSaveToFolderSelection, 566, 45, 28);

    GroupBoxProcessing =
        PlaceControl<TGroupBox>(this, TabSheetOutput, "GroupBoxProcessing", 6, 176, 606, 116);
    GroupBoxProcessing->SetCaption("&Processing Files");
    GroupBoxProcessing->SetVisible(false);
    LabelProcessFileName = AddLabel(this, GroupBoxProcessing, "...", 12, 20);
    LabelProcessFileName->SetName("LabelProcessFileName");
    LabelProcessFileName->SetAutoSize(false);
    LabelProcessFileName->SetBounds(12, 22, 582, 14);
    ProgressBar = PlaceControl<TProgressBar>(this, GroupBoxProcessing, "ProgressBar", 12, 46, 420, 16);
    LabelLabelStatus = AddLabel(this, GroupBoxProcessing, "Status = 0%", 442, 47);
    LabelLabelStatus->SetName("LabelLabelStatus");
    ProgressBarBatch =
        PlaceControl<TProgressBar>(this, GroupBoxProcessing, "ProgressBarBatch", 12, 80, 420, 16);
    LabelBatch = AddLabel(this, GroupBoxProcessing, "Batch = 0%", 442, 81);
    LabelBatch->SetName("LabelBatch");
    ButtonCancelConverting = AddDialogButton(this, GroupBoxProcessing, "&Cancel", 519, 77);
    ButtonCancelConverting->SetName("ButtonCancelConverting");
    ButtonCancelConverting->OnClick = TNotifyEvent(this, &TBatchConverterForm::ButtonCancelConvertingClick);
}

// ---- Steps

void TBatchConverterForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    LabelStep->Font()->SetStyle(TFontStyles{fsBold});
    DragAcceptFiles(Handle(), TRUE);
}

void TBatchConverterForm::FormCloseQuery(TObject*, bool& CanClose) {
    // The close box during a run is a Cancel: the run ends first, and the window stays with the files.
    if (FStopRequested) return;
    ButtonCancelConvertingClick(this);
    CanClose = false;
}

void TBatchConverterForm::FormClose(TObject*, TCloseAction&) {
    FVars.BatchFileFormatUseTheSame = RadioButtonutputFormatUseTheSame->Checked();
    FVars.BatchFileSaveFolderUseTheSame = RadioButtonOutputFolderUseTheSame->Checked();
    FVars.BatchFileFormatIndex = ComboBoxFormat->ItemIndex();
    FVars.BatchFileSaveFolderpath = EditFolder->Text();
}

int TBatchConverterForm::Step() const {
    return PageControl->ActivePageIndex();
}

void TBatchConverterForm::ShowStep(int Index) {
    PageControl->SetActivePageIndex(Index);
    ActionListUpdate(this);
}

void TBatchConverterForm::ActionListUpdate(TObject*) {
    const int step = Step();
    const bool idle = FStopRequested;
    ActionRemoveFiles->SetEnabled(idle && ListViewFiles->SelCount() > 0);
    ActionSelectAllFiles->SetEnabled(ListViewFiles->Items()->Count() > 0);
    ActionAddFile->SetEnabled(idle);
    ActionAddFolder->SetEnabled(idle);
    ActionAddCommand->SetEnabled(idle);
    ActionRemoveCommand->SetEnabled(idle && ListViewCommand->SelCount() > 0);
    ActionCommandSettings->SetEnabled(idle && ListViewCommand->SelCount() > 0);
    ActionBack->SetEnabled(idle && step > 0);
    ActionFormatSettings->SetEnabled(idle && RadioButtonutputFormatConvertTo->Checked());
    ActionSaveToFolderSelection->SetEnabled(idle && RadioButtonOutputFolderSaveTo->Checked());
    static const std::array<const char*, 3> details{
        "Click on the Add File or Add Folder button to select the files or folder you want to process.",
        "Click Add to select the commands you want to apply to files.",
        "Select the output format and folder then click Finish."};
    if (step < 0) return;
    LabelStep->SetCaption("Step " + std::to_string(step + 1) + ":");
    LabelStepDetail->SetCaption(details[std::size_t(step)]);
    ActionNext->SetCaption(step == 2 ? "&Finish" : "&Next >");
    ActionNext->SetEnabled(idle && (step != 0 || ListViewFiles->Items()->Count() > 0));
}

void TBatchConverterForm::ActionNextExecute(TObject*) {
    switch (Step()) {
    case 0:
        ShowStep(1);
        if (ListViewCommand->CanFocus()) ListViewCommand->SetFocus();
        break;
    case 1:
        ShowStep(2);
        if (RadioButtonutputFormatUseTheSame->CanFocus()) RadioButtonutputFormatUseTheSame->SetFocus();
        break;
    default:
        RunBatch();
        break;
    }
}

void TBatchConverterForm::ActionBackExecute(TObject*) {
    const int step = Step();
    if (step <= 0) return;
    ShowStep(step - 1);
    TListView* list = step - 1 == 0 ? ListViewFiles : ListViewCommand;
    if (list->CanFocus()) list->SetFocus();
}

void TBatchConverterForm::ListKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
    if (Key == VK_DELETE && Shift.empty()) {
        if (Sender == ListViewFiles && ActionRemoveFiles->Enabled()) ActionRemoveFilesExecute(this);
        if (Sender == ListViewCommand && ActionRemoveCommand->Enabled()) ActionRemoveCommandExecute(this);
        Key = 0;
    } else if (Key == 'A' && Shift == TShiftState{ssCtrl} && Sender == ListViewFiles) {
        ActionSelectAllFilesExecute(this);
        Key = 0;
    }
}

// ---- Files

void TBatchConverterForm::AddFile(const std::string& Path) {
    using namespace batch_converter_form_detail;
    try {
        if (!FileExists(Path) || DirectoryExists(Path) || !IsSupportedAudioExt(ExtractFileExtension(Path)))
            return;
        const std::string name = ExtractFileName(Path);
        const std::string folder = AddTrailingBackslash(ExtractFilePath(Path));
        // Names compare without letter case, folders exactly.
        for (int i = 0; i < ListViewFiles->Items()->Count(); ++i) {
            const TBatchFileItem* item = FileItemOf(ListViewFiles->Items()->Item(i));
            if (SameText(item->FileName, name) && item->Folder == folder) return;
        }
        auto record = std::make_unique<TBatchFileItem>(TBatchFileItem{name, folder});
        TListItem* row = ListViewFiles->Items()->Add();
        row->SetCaption(name);
        row->SetImageIndex(0);
        row->SubItems()->Add(folder);
        row->SetData(record.release());
        ActionListUpdate(this);
    } catch (const std::exception&) {
        Box("An error occurred while adding file:\r\n\r\nThe file \"" + Path +
                "\" is damaged or the format is not supported.",
            MB_ICONERROR);
    }
}

void TBatchConverterForm::AddFolder(const std::string& Folder) {
    TWaitCursor wait;
    std::error_code error;
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(Folder, error))
        entries.push_back(entry.path().string());
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries)
        AddFile(entry);
}

std::vector<TBatchFileItem*> TBatchConverterForm::FileItems() const {
    std::vector<TBatchFileItem*> items;
    for (int i = 0; i < ListViewFiles->Items()->Count(); ++i)
        items.push_back(batch_converter_form_detail::FileItemOf(ListViewFiles->Items()->Item(i)));
    return items;
}

void TBatchConverterForm::ActionAddFileExecute(TObject*) {
    auto dialog = std::make_unique<TOpenDialog>(this);
    dialog->SetFilter(batch_converter_form_detail::OpenFilter);
    dialog->SetInitialDir(FVars.LastOpenDir);
    dialog->SetOptions(dialog->Options() + TOpenOptions{ofAllowMultiSelect, ofFileMustExist});
    if (!dialog->Execute()) return;
    TWaitCursor wait;
    TStrings* files = dialog->Files();
    for (int i = 0; i < files->Count(); ++i)
        AddFile(files->Strings(i));
    if (files->Count() > 0) FVars.LastOpenDir = ExtractFilePath(files->Strings(0));
}

void TBatchConverterForm::ActionAddFolderExecute(TObject*) {
    std::string folder = ExtractFilePath(FVars.LastOpenDir);
    if (!BrowseForFolder(Handle(), folder, "Please select a folder",
                         BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, ""))
        return;
    AddFolder(folder);
}

void TBatchConverterForm::DeleteFileRow(int Index) {
    delete batch_converter_form_detail::FileItemOf(ListViewFiles->Items()->Item(Index));
    ListViewFiles->Items()->Delete(Index);
}

void TBatchConverterForm::SelectAfterRemoval(TListView* List, int LowestRemoved) {
    const int count = List->Items()->Count();
    if (count == 0 || LowestRemoved < 0) return;
    List->ClearSelection();
    TListItem* item = List->Items()->Item(std::min(LowestRemoved, count - 1));
    item->SetSelected(true);
    item->SetFocused(true);
    item->MakeVisible(false);
}

void TBatchConverterForm::ActionRemoveFilesExecute(TObject*) {
    int lowest = -1;
    for (int i = ListViewFiles->Items()->Count() - 1; i >= 0; --i) {
        if (!ListViewFiles->Items()->Item(i)->Selected()) continue;
        DeleteFileRow(i);
        lowest = i;
    }
    SelectAfterRemoval(ListViewFiles, lowest);
}

void TBatchConverterForm::ActionSelectAllFilesExecute(TObject*) {
    ListViewFiles->SelectAll();
}

void TBatchConverterForm::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_DROPFILES) {
        WMDropFiles(Message);
        return;
    }
    TForm::Dispatch(Message);
}

void TBatchConverterForm::WMDropFiles(TMessage& Message) {
    TWaitCursor wait;
    const auto drop = reinterpret_cast<HDROP>(Message.WParam);
    const UINT count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::array<char, 256> name{};
        DragQueryFile(drop, i, name.data(), static_cast<UINT>(name.size()));
        const std::string path(name.data());
        if (DirectoryExists(path))
            AddFolder(path);
        else
            AddFile(path);
    }
    DragFinish(drop);
    Message.Result = 0;
}

// ---- Commands

void TBatchConverterForm::ShowCommandRow(TListItem* Item, const TBatchCommand& Command) {
    Item->SetCaption(BatchCommandIdentifier(Command.Kind));
    Item->SubItems()->Clear();
    Item->SubItems()->Add(BatchSettingsText(Command));
}

void TBatchConverterForm::AddCommand(TBatchCommandKind Kind) {
    auto record = std::make_unique<TBatchCommand>(MakeBatchCommand(Kind, FVars));
    TListItem* row = ListViewCommand->Items()->Add();
    ShowCommandRow(row, *record);
    row->SetData(record.release());
}

std::vector<TBatchCommand*> TBatchConverterForm::Commands() const {
    std::vector<TBatchCommand*> commands;
    for (int i = 0; i < ListViewCommand->Items()->Count(); ++i)
        commands.push_back(batch_converter_form_detail::CommandOf(ListViewCommand->Items()->Item(i)));
    return commands;
}

void TBatchConverterForm::ActionAddCommandExecute(TObject*) {
    std::unique_ptr<TAddCommandForm> dialog(TCustomForm::New<TAddCommandForm>(this));
    CenterOnOwner(*dialog, Owner() != nullptr ? static_cast<const TControl&>(*static_cast<TControl*>(Owner()))
                                              : static_cast<const TControl&>(*this));
    if (dialog->ShowModal() != mrOk) return;
    const int index = dialog->ListBoxCommand->ItemIndex();
    if (index >= 0 && index < BatchCommandKindCount) AddCommand(static_cast<TBatchCommandKind>(index));
}

void TBatchConverterForm::ActionRemoveCommandExecute(TObject*) {
    int lowest = -1;
    for (int i = ListViewCommand->Items()->Count() - 1; i >= 0; --i) {
        TListItem* item = ListViewCommand->Items()->Item(i);
        if (!item->Selected()) continue;
        delete batch_converter_form_detail::CommandOf(item);
        ListViewCommand->Items()->Delete(i);
        lowest = i;
    }
    SelectAfterRemoval(ListViewCommand, lowest);
}

void TBatchConverterForm::ActionCommandSettingsExecute(TObject*) {
    if (ListViewCommand->SelCount() == 0 || !FStopRequested) return;
    TListItem* item = ListViewCommand->ItemFocused();
    if (item == nullptr) item = ListViewCommand->Selected();
    if (item == nullptr) return;
    TBatchCommand* command = batch_converter_form_detail::CommandOf(item);
    TBatchCommand edited = *command;
    if (!EditBatchCommand(*this, edited)) return;
    *command = std::move(edited);
    ShowCommandRow(item, *command);
}

// ---- Output

void TBatchConverterForm::RadioButtonutputFormatUseTheSameClick(TObject*) {
    const bool convert = RadioButtonutputFormatConvertTo->Checked();
    ComboBoxFormat->SetEnabled(convert);
    ButtonFormatSettings->SetEnabled(convert);
    FVars.BatchFileFormatUseTheSame = RadioButtonutputFormatUseTheSame->Checked();
}

void TBatchConverterForm::RadioButtonOutputFolderUseTheSameClick(TObject*) {
    const bool saveTo = RadioButtonOutputFolderSaveTo->Checked();
    EditFolder->SetEnabled(saveTo);
    ButtonFolder->SetEnabled(saveTo);
    FVars.BatchFileSaveFolderUseTheSame = RadioButtonOutputFolderUseTheSame->Checked();
}

void TBatchConverterForm::ComboBoxFormatChange(TObject*) {
    FVars.BatchFileFormatIndex = ComboBoxFormat->ItemIndex();
}

void TBatchConverterForm::ActionFormatSettingsExecute(TObject*) {
    const int index = ComboBoxFormat->ItemIndex();
    if (index < 0 || index > 3) return;
    std::unique_ptr<TFormatPresetForm> dialog(
        MakeFormatPresetForm(this, batch_converter_form_detail::FormatCodes[index], FVars));
    CenterOnOwner(*dialog, *this);
    dialog->LoadParams();
    if (dialog->ShowModal() == mrOk) dialog->StoreParams();
}

void TBatchConverterForm::ActionSaveToFolderSelectionExecute(TObject*) {
    std::string folder = FVars.BatchFileSaveFolderpath;
    if (!BrowseForFolder(Handle(), folder, "Please select a folder",
                         BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, ""))
        return;
    FVars.BatchFileSaveFolderpath = folder;
    EditFolder->SetText(folder);
}

std::string TBatchConverterForm::GetOutputFolder(const std::string& SourceFolder) const {
    const std::string chosen = Trim(FVars.BatchFileSaveFolderpath);
    if (!FVars.BatchFileSaveFolderUseTheSame && !chosen.empty() && DirectoryExists(chosen))
        return AddTrailingBackslash(chosen);
    return AddTrailingBackslash(SourceFolder);
}

// ---- The run

void TBatchConverterForm::EnableSettingsControls(bool Enabled) {
    for (TControl* control :
         {static_cast<TControl*>(RadioButtonutputFormatUseTheSame),
          static_cast<TControl*>(RadioButtonutputFormatConvertTo), static_cast<TControl*>(ComboBoxFormat),
          static_cast<TControl*>(ButtonFormatSettings),
          static_cast<TControl*>(RadioButtonOutputFolderUseTheSame),
          static_cast<TControl*>(RadioButtonOutputFolderSaveTo), static_cast<TControl*>(EditFolder),
          static_cast<TControl*>(ButtonFolder), static_cast<TControl*>(ButtonBack),
          static_cast<TControl*>(ButtonNext), static_cast<TControl*>(ButtonCancel)})
        control->SetEnabled(Enabled);
    GroupBoxProcessing->SetVisible(!Enabled);
}

void TBatchConverterForm::ShowFileProgress(int Number, int Total, const std::string& Source, int Percent) {
    ProgressBar->SetPosition(Percent);
    LabelLabelStatus->SetCaption("Status = " + std::to_string(Percent) + "%");
    LabelProcessFileName->SetCaption(batch_converter_form_detail::FitToLabel(
        LabelProcessFileName, "Working on file " + std::to_string(Number) + " of " + std::to_string(Total) +
                                  ": \"" + Source + "\""));
}

void TBatchConverterForm::ButtonCancelConvertingClick(TObject*) {
    if (FStopRequested) return;
    if (Application()->MessageBox("Really want to stop convertion?", ApplicationTitle,
                                  MB_YESNO | MB_ICONQUESTION) == IDYES)
        FStopRequested = true;
}

void TBatchConverterForm::RunBatch() {
    using namespace batch_converter_form_detail;
    FStopRequested = false;
    EnableSettingsControls(false);
    ActionListUpdate(this);
    const std::vector<TBatchFileItem*> items = FileItems();
    std::vector<TBatchJob> jobs;
    for (const TBatchFileItem* item : items)
        jobs.push_back({FullPath(*item), GetOutputFolder(item->Folder)});
    std::vector<TBatchCommand> commands;
    for (const TBatchCommand* command : Commands())
        commands.push_back(*command);
    const int total = static_cast<int>(jobs.size());
    int done = 0, failed = 0, stopped = 0;
    const auto showBatch = [&] {
        const int position = total > 0 ? static_cast<int>(Round(double(done + failed) * 100.0 / total)) : 0;
        ProgressBarBatch->SetPosition(position);
        LabelBatch->SetCaption("Batch = " + std::to_string(position) + "%");
    };
    const auto rowOf = [this](const TBatchFileItem* item) {
        for (int i = 0; i < ListViewFiles->Items()->Count(); ++i)
            if (FileItemOf(ListViewFiles->Items()->Item(i)) == item) return i;
        return -1;
    };
    std::vector<std::string> failures;
    try {
        TBatchRunner runner(FVars, commands, jobs);
        runner.Start();
        bool stopSent = false;
        for (;;) {
            const bool finishedAll = runner.Done();
            for (auto& finished : runner.TakeFinished()) {
                const TBatchFileItem* item = items[finished.Job];
                const int row = rowOf(item);
                switch (finished.Result.Outcome) {
                case TBatchFileOutcome::Done:
                    ++done;
                    if (row >= 0) DeleteFileRow(row);
                    break;
                case TBatchFileOutcome::Stopped:
                    ++stopped;
                    break;
                case TBatchFileOutcome::Failed: {
                    ++failed;
                    // The row goes to the end of the list, where the failed files gather.
                    if (row >= 0) {
                        TBatchFileItem* moved = FileItemOf(ListViewFiles->Items()->Item(row));
                        ListViewFiles->Items()->Delete(row);
                        TListItem* again = ListViewFiles->Items()->Add();
                        again->SetCaption(moved->FileName);
                        again->SetImageIndex(0);
                        again->SubItems()->Add(moved->Folder);
                        again->SetData(moved);
                    }
                    showBatch();
                    Box("Something wasn't as expected! At least one error occurred while processing file: "
                        "\"" +
                            jobs[finished.Job].Source + "\"\r\n\r\n" + finished.Result.Message,
                        MB_ICONERROR);
                    break;
                }
                }
                showBatch();
            }
            if (finishedAll) break;
            if (FStopRequested && !stopSent) {
                runner.RequestStop();
                stopSent = true;
            }
            std::size_t current = 0;
            int percent = 0;
            if (runner.Current(current, percent)) {
                ShowFileProgress(done + failed + 1, total, jobs[current].Source, percent);
            }
            Application()->ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
        }
    } catch (...) {
        FStopRequested = true;
        EnableSettingsControls(true);
        throw;
    }
    FStopRequested = true;
    EnableSettingsControls(true);
    RadioButtonutputFormatUseTheSameClick(this);
    RadioButtonOutputFolderUseTheSameClick(this);
    ProgressBar->SetPosition(0);
    ProgressBarBatch->SetPosition(0);
    LabelBatch->SetCaption("Batch = 0%");
    LabelLabelStatus->SetCaption("Status = 0%");
    LabelProcessFileName->SetCaption("...");
    if (done == total) {
        SetModalResult(mrOk);
        return;
    }
    if (done + failed == total)
        Box("Encoding finished. " + std::to_string(failed) + " file(s) not been encoded.",
            MB_ICONINFORMATION);
    ShowStep(0);
    if (ListViewFiles->CanFocus()) ListViewFiles->SetFocus();
}

void RunBatchConverter(TCustomForm& Owner, TGlobalVars& Vars) {
    std::unique_ptr<TBatchConverterForm> form(TCustomForm::New<TBatchConverterForm>(&Owner, Vars));
    CenterOnOwner(*form, Owner);
    form->ShowModal();
}
