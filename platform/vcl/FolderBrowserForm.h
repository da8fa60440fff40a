// The window of the folder browser: the caller's title, a status line, a tree of folders that loads
// each folder's subfolders when it is opened, and OK / Cancel. It tells the caller's callback when it is
// ready and when the selection changes, and obeys the status-text, enable-OK and select messages.
#pragma once

#include "platform/vcl/FolderBrowser.h"
#include "platform/vcl/Form.h"

#include <deque>
#include <string>

class TButton;
class TLabel;
class TTreeView;
class TTreeNode;

class TFolderBrowserForm : public TForm {
public:
    TFolderBrowserForm(TComponent* AOwner, const BROWSEINFOA& Info);

    // Selects the folder at Path when the tree holds it, opening its parents; false otherwise.
    bool SelectPath(const std::string& Path);
    // The folder chosen with OK.
    const std::string& ChosenPath() const { return FChosen; }
    std::string SelectedPath() const;

    TTreeView* Tree() const { return FTree; }
    TLabel* StatusLabel() const { return FStatus; }
    TButton* OkButton() const { return FOkButton; }

    void Dispatch(TMessage& Message) override;

private:
    TTreeNode* AddFolderNode(TTreeNode* Parent, const std::string& Path, const std::string& Caption);
    void LoadChildren(TTreeNode* Node);
    int Notify(UINT Msg, LPARAM Param);
    void NotifySelection();

    void TreeExpanding(TObject* Sender, TTreeNode* Node, bool& AllowExpansion);
    void TreeChange(TObject* Sender, TTreeNode* Node);
    void OkClick(TObject* Sender);
    void FormShow(TObject* Sender);

    BROWSEINFOA FInfo;
    std::deque<std::string> FPaths; // what the nodes' data point at
    std::string FChosen;
    bool FInitialized = false;
    bool FSelectionReported = false;

    TLabel* FTitle = nullptr;
    TLabel* FStatus = nullptr;
    TTreeView* FTree = nullptr;
    TButton* FOkButton = nullptr;
    TButton* FCancelButton = nullptr;
};
