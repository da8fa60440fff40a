// The window of the file dialogs: one folder at a time with its folders and matching files, the
// file-name field, the type filter and the checks the dialog's options ask for before it accepts.
#pragma once

#include "platform/vcl/FileDialogFilter.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/ListBox.h"

#include <cstdint>
#include <string>
#include <vector>

class TOpenDialog;
class TEdit;
class TButton;
class TComboBox;
class TCheckBox;
class TLabel;

class TFileDialogForm : public TForm {
public:
    TFileDialogForm(TComponent* AOwner, TOpenDialog* Dialog);

    // Shows Folder; false (nothing changes) when it is not a folder.
    bool Navigate(const std::string& Folder);
    const std::string& Folder() const { return FFolder; }
    // The full paths the user chose, set when the dialog closes with OK.
    const std::vector<std::string>& Chosen() const { return FChosen; }
    int ChosenFilterIndex() const { return FTypeCombo != nullptr ? FTypeIndex + 1 : 1; }
    bool ReadOnlyChecked() const;

    TEdit* PathEdit() const { return FPathEdit; }
    TListBox* FileList() const { return FList; }
    TEdit* NameEdit() const { return FNameEdit; }
    TComboBox* TypeCombo() const { return FTypeCombo; }
    TButton* OkButton() const { return FOkButton; }
    TButton* CancelButton() const { return FCancelButton; }

    // One line of the list: a folder (the parent "..") or a file.
    struct TEntry {
        std::string Name;
        bool Folder = false;
        bool ReadOnly = false;
        std::int64_t Size = 0;
        double Modified = 0;
    };
    const std::vector<TEntry>& Entries() const { return FEntries; }

private:
    void BuildControls();
    void FillList();
    std::vector<std::string> CurrentMasks() const;
    std::string Resolve(const std::string& Name) const;
    // Applies the default extension rule to a full path typed without an extension.
    std::string WithDefaultExtension(const std::string& Path) const;
    // Runs the checks the options ask for on the names of the name field; closes with OK when they pass.
    void AcceptNames();
    bool CheckChosen(const std::vector<std::string>& Paths);
    void ShowProblem(const std::string& Text, unsigned Flags);
    int AskYesNo(const std::string& Text);
    void NavigateToTyped(const std::string& Text);

    void OkClick(TObject* Sender);
    void UpClick(TObject* Sender);
    void ListClick(TObject* Sender);
    void ListDblClick(TObject* Sender);
    void TypeChange(TObject* Sender);
    void DrawEntry(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State);
    void FormShow(TObject* Sender);

    TOpenDialog* FDialog;
    std::vector<TFileFilterEntry> FFilters;
    int FTypeIndex = 0;
    std::string FMaskOverride; // a mask the user typed in the name field, until the type changes
    std::string FFolder;
    std::vector<TEntry> FEntries;
    std::vector<std::string> FChosen;

    TEdit* FPathEdit = nullptr;
    TButton* FUpButton = nullptr;
    TListBox* FList = nullptr;
    TEdit* FNameEdit = nullptr;
    TComboBox* FTypeCombo = nullptr;
    TButton* FOkButton = nullptr;
    TButton* FCancelButton = nullptr;
    TCheckBox* FReadOnlyCheck = nullptr;
};
