// TOpenDialog / TSaveDialog: the modal dialogs that ask the user for files to open or a file to save.
// The dialog shows one folder at a time (a path field that navigates when a path is typed, an "up one
// level" button, a list of folders and of the files that match the chosen type with their size and
// date), a file-name field and the type filter. Execute answers whether the user chose; FileName then
// holds the full path, Files every chosen path (several with ofAllowMultiSelect) and FilterIndex the type
// in use.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"

#include <memory>
#include <string>

class TStrings;
class TStringList;
class TCustomForm;

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = Set<TOpenOption, 32>;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    // Runs the dialog modally; true when the user chose (the properties below then hold the choice).
    virtual bool Execute();

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    TStrings* Files() const;
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    // 1-based, as the filter string counts its types.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    // Appended (with or without its leading dot) to a typed name that has no extension; the chosen
    // type's own extension is preferred when it names exactly one.
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    // The window caption; empty gives "Open" or "Save As".
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

    // True for the save dialog: the overwrite prompt applies and the button reads "Save".
    virtual bool IsSaveDialog() const { return false; }
    virtual std::string DefaultTitle() const { return "Open"; }

    // The dialog window while Execute runs (null otherwise), for whoever wants to look at it from
    // OnShow.
    TCustomForm* DialogForm() const { return FForm; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    std::string FFileName;
    std::unique_ptr<TStringList> FFiles;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FInitialDir;
    std::string FDefaultExt;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    std::string FTitle;
    TCustomForm* FForm = nullptr;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    bool IsSaveDialog() const override { return true; }
    std::string DefaultTitle() const override { return "Save As"; }
};
