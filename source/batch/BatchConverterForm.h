// TBatchConverterForm, "Batch Converter": a three-step wizard that collects files and folders (step 1),
// a list of processing commands (step 2) and the output format and folder (step 3), and then converts
// every file through the commands into a new file. The files are converted side by side on worker
// threads while this window follows their progress; Cancel stops every file at its next block. Files
// that were converted leave the list; those that failed (or were not reached) stay listed, each failure
// having been reported with its reason.
#pragma once

#include "platform/vcl/Form.h"
#include "source/batch/BatchCommands.h"

#include <string>
#include <vector>

class TAction;
class TActionList;
class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TListItem;
class TListView;
class TPageControl;
class TPanel;
class TPopupMenu;
class TProgressBar;
class TRadioButton;
class TTabSheet;
struct TGlobalVars;

// One row of the file list: the file's name and its folder (with its trailing separator).
struct TBatchFileItem {
    std::string FileName;
    std::string Folder;
};

class TBatchConverterForm : public TForm {
public:
    TBatchConverterForm(TComponent* AOwner, TGlobalVars& Vars);
    ~TBatchConverterForm() override;

    // Adds one file when it exists, is of a supported type and is not listed yet; a folder's supported
    // files directly in it (not below).
    void AddFile(const std::string& Path);
    void AddFolder(const std::string& Folder);
    // Appends a command row of this kind with the current defaults.
    void AddCommand(TBatchCommandKind Kind);
    // The rows' records, in list order.
    std::vector<TBatchFileItem*> FileItems() const;
    std::vector<TBatchCommand*> Commands() const;
    // The source folder's output folder (with its trailing separator).
    std::string GetOutputFolder(const std::string& SourceFolder) const;
    void ShowStep(int Index);
    int Step() const;
    // Converts the listed files (what "&Finish" does).
    void RunBatch();
    bool Running() const { return !FStopRequested; }
    // The progress of the file being converted: "Working on file <Number> of <Total>: "<Source>"".
    void ShowFileProgress(int Number, int Total, const std::string& Source, int Percent);

    TPanel* PanelTop = nullptr;
    TLabel* LabelStep = nullptr;
    TLabel* LabelStepDetail = nullptr;
    TPageControl* PageControl = nullptr;
    TTabSheet* TabSheetFiles = nullptr;
    TTabSheet* TabSheetCommands = nullptr;
    TTabSheet* TabSheetOutput = nullptr;
    TListView* ListViewFiles = nullptr;
    TListView* ListViewCommand = nullptr;
    TGroupBox* GroupBoxFormat = nullptr;
    TRadioButton* RadioButtonutputFormatUseTheSame = nullptr;
    TRadioButton* RadioButtonutputFormatConvertTo = nullptr;
    TComboBox* ComboBoxFormat = nullptr;
    TButton* ButtonFormatSettings = nullptr;
    TGroupBox* GroupBoxFolder = nullptr;
    TRadioButton* RadioButtonOutputFolderUseTheSame = nullptr;
    TRadioButton* RadioButtonOutputFolderSaveTo = nullptr;
    TEdit* EditFolder = nullptr;
    TButton* ButtonFolder = nullptr;
    TGroupBox* GroupBoxProcessing = nullptr;
    TLabel* LabelProcessFileName = nullptr;
    TLabel* LabelLabelStatus = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TLabel* LabelBatch = nullptr;
    TProgressBar* ProgressBarBatch = nullptr;
    TButton* ButtonCancelConverting = nullptr;
    TButton* ButtonBack = nullptr;
    TButton* ButtonNext = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;

    TActionList* ActionList = nullptr;
    TAction* ActionAddFile = nullptr;
    TAction* ActionAddFolder = nullptr;
    TAction* ActionRemoveFiles = nullptr;
    TAction* ActionSelectAllFiles = nullptr;
    TAction* ActionAddCommand = nullptr;
    TAction* ActionRemoveCommand = nullptr;
    TAction* ActionCommandSettings = nullptr;
    TAction* ActionBack = nullptr;
    TAction* ActionNext = nullptr;
    TAction* ActionFormatSettings = nullptr;
    TAction* ActionSaveToFolderSelection = nullptr;

    void ActionAddFileExecute(TObject* Sender);
    void ActionAddFolderExecute(TObject* Sender);
    void ActionRemoveFilesExecute(TObject* Sender);
    void ActionSelectAllFilesExecute(TObject* Sender);
    void ActionAddCommandExecute(TObject* Sender);
    void ActionRemoveCommandExecute(TObject* Sender);
    void ActionCommandSettingsExecute(TObject* Sender);
    void ActionBackExecute(TObject* Sender);
    void ActionNextExecute(TObject* Sender);
    void ActionFormatSettingsExecute(TObject* Sender);
    void ActionSaveToFolderSelectionExecute(TObject* Sender);
    void RadioButtonutputFormatUseTheSameClick(TObject* Sender);
    void RadioButtonOutputFolderUseTheSameClick(TObject* Sender);
    void ComboBoxFormatChange(TObject* Sender);
    void ButtonCancelConvertingClick(TObject* Sender);

protected:
    void Dispatch(TMessage& Message) override;

private:
    TAction* MakeAction(const char* Name, const std::string& Caption,
                        void (TBatchConverterForm::*Handler)(TObject*));
    void BuildFilePage();
    void BuildCommandPage();
    void BuildOutputPage();
    void ActionListUpdate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ListKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void EnableSettingsControls(bool Enabled);
    void SelectAfterRemoval(TListView* List, int LowestRemoved);
    void ShowCommandRow(TListItem* Item, const TBatchCommand& Command);
    void DeleteFileRow(int Index);
    void WMDropFiles(TMessage& Message);

    TGlobalVars& FVars;
    bool FStopRequested = true;
};

// The batch command of the main window: the wizard, centred over Owner, shown modally and freed.
void RunBatchConverter(TCustomForm& Owner, TGlobalVars& Vars);
