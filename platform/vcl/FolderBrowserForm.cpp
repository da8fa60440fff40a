#include "platform/vcl/FolderBrowserForm.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/TreeView.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace folderbrowserform_detail {

constexpr int ListedFolders = faDirectory | faReadOnly | faSymLink;

std::string Normalized(const std::string& Path) {
    std::string text = std::filesystem::path(Path).lexically_normal().string();
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text.empty() ? std::string("/") : text;
}

// Whether a folder has a subfolder the tree would show (so that its node gets a button).
bool HasSubfolder(const std::string& Path) {
    std::error_code ec;
    for (std::filesystem::directory_iterator
             it(Path, std::filesystem::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && it->is_directory(ec)) return true;
    }
    return false;
}

bool IsInside(const std::string& Path, const std::string& Folder) {
    if (Folder == "/") return true;
    return Path == Folder || (Path.size() > Folder.size() && Path.compare(0, Folder.size(), Folder) == 0 &&
                              Path[Folder.size()] == '/');
}

} // namespace folderbrowserform_detail

TFolderBrowserForm::TFolderBrowserForm(TComponent* AOwner, const BROWSEINFOA& Info)
    : TForm(AOwner), FInfo(Info) {
    using namespace folderbrowserform_detail;
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("Browse For Folder");
    SetClientSize(320, 360);

    FTitle = new TLabel(this);
    FTitle->SetAutoSize(false);
    FTitle->SetWordWrap(true);
    FTitle->SetShowAccelChar(false);
    FTitle->SetBounds(8, 8, 304, 30);
    FTitle->SetCaption(Info.lpszTitle != nullptr ? Info.lpszTitle : "");
    FTitle->SetParent(this);
    FStatus = new TLabel(this);
    FStatus->SetAutoSize(false);
    FStatus->SetShowAccelChar(false);
    FStatus->SetBounds(8, 40, 304, 16);
    FStatus->SetParent(this);

    FTree = new TTreeView(this);
    FTree->SetBounds(8, 60, 304, 250);
    FTree->SetReadOnly(true);
    FTree->SetHideSelection(false);
    FTree->SetParent(this);

    FOkButton = new TButton(this);
    FOkButton->SetCaption("OK");
    FOkButton->SetDefault(true);
    FOkButton->SetBounds(156, 322, 75, 23);
    FOkButton->SetParent(this);
    FOkButton->OnClick = TNotifyEvent(this, &TFolderBrowserForm::OkClick);
    FCancelButton = new TButton(this);
    FCancelButton->SetCaption("Cancel");
    FCancelButton->SetCancel(true);
    FCancelButton->SetModalResult(mrCancel);
    FCancelButton->SetBounds(237, 322, 75, 23);
    FCancelButton->SetParent(this);

    // The tree's top: the given root, else the home folder and the whole file system.
    char rootPath[BFF_MAX_PATH];
    if (Info.pidlRoot != nullptr && SHGetPathFromIDList(Info.pidlRoot, rootPath) &&
        DirectoryExists(rootPath)) {
        AddFolderNode(nullptr, Normalized(rootPath), Normalized(rootPath));
    } else {
        const char* home = std::getenv("HOME");
        if (home != nullptr && *home != '\0' && DirectoryExists(home) && Normalized(home) != "/")
            AddFolderNode(nullptr, Normalized(home), Normalized(home));
        AddFolderNode(nullptr, "/", "/");
    }
    FTree->SetSelected(FTree->Items()->GetFirstNode());
    FTree->OnExpanding = TTVExpandingEvent(this, &TFolderBrowserForm::TreeExpanding);
    FTree->OnChange = TTVChangedEvent(this, &TFolderBrowserForm::TreeChange);
    SetActiveControl(FTree);
    OnShow = TNotifyEvent(this, &TFolderBrowserForm::FormShow);
}

TTreeNode* TFolderBrowserForm::AddFolderNode(TTreeNode* Parent, const std::string& Path,
                                             const std::string& Caption) {
    FPaths.push_back(Path);
    TTreeNode* node = FTree->Items()->AddChildObject(Parent, Caption, &FPaths.back());
    // An empty child stands for subfolders not read yet, so that the node shows a button.
    if (folderbrowserform_detail::HasSubfolder(Path)) FTree->Items()->AddChild(node, "");
    return node;
}

void TFolderBrowserForm::LoadChildren(TTreeNode* Node) {
    TTreeNode* first = Node->GetFirstChild();
    if (first == nullptr || first->Data() != nullptr) return; // read already
    const std::string path = *static_cast<std::string*>(Node->Data());
    FTree->Items()->BeginUpdate();
    first->Delete();
    for (const TFoundFile& found : FindFiles(path, "*", folderbrowserform_detail::ListedFolders))
        if ((found.Attr & faDirectory) != 0)
            AddFolderNode(Node, IncludeTrailingPathDelimiter(path) + found.Name, found.Name);
    FTree->Items()->EndUpdate();
}

void TFolderBrowserForm::TreeExpanding(TObject*, TTreeNode* Node, bool& AllowExpansion) {
    LoadChildren(Node);
    AllowExpansion = Node->HasChildren();
}

std::string TFolderBrowserForm::SelectedPath() const {
    TTreeNode* node = FTree->Selected();
    if (node == nullptr || node->Data() == nullptr) return {};
    return *static_cast<std::string*>(node->Data());
}

bool TFolderBrowserForm::SelectPath(const std::string& Path) {
    using namespace folderbrowserform_detail;
    if (Path.empty()) return false;
    const std::string wanted = Normalized(Path);
    // The deepest top node that holds the path (the home folder before the whole file system).
    TTreeNode* node = nullptr;
    for (TTreeNode* top = FTree->Items()->GetFirstNode(); top != nullptr; top = top->GetNextSibling())
        if (IsInside(wanted, *static_cast<std::string*>(top->Data()))) {
            node = top;
            break;
        }
    while (node != nullptr && *static_cast<std::string*>(node->Data()) != wanted) {
        LoadChildren(node);
        TTreeNode* next = nullptr;
        for (TTreeNode* child = node->GetFirstChild(); child != nullptr; child = child->GetNextSibling())
            if (child->Data() != nullptr && IsInside(wanted, *static_cast<std::string*>(child->Data()))) {
                next = child;
                break;
            }
        node = next;
    }
    if (node == nullptr) return false;
    FTree->SetSelected(node);
    return FTree->Selected() == node;
}

int TFolderBrowserForm::Notify(UINT Msg, LPARAM Param) {
    if (FInfo.lpfn == nullptr || !HandleAllocated()) return 0;
    return FInfo.lpfn(Handle(), Msg, Param, FInfo.lParam);
}

void TFolderBrowserForm::NotifySelection() {
    FSelectionReported = true;
    // The item list lives for the call only, as the browser's own does.
    PIDLIST_ABSOLUTE pidl = ILCreateFromPath(SelectedPath().c_str());
    Notify(BFFM_SELCHANGED, reinterpret_cast<LPARAM>(pidl));
    ILFree(pidl);
}

void TFolderBrowserForm::TreeChange(TObject*, TTreeNode*) {
    if (FInitialized) NotifySelection();
}

void TFolderBrowserForm::FormShow(TObject*) {
    if (FInitialized) return;
    FInitialized = true;
    FSelectionReported = false;
    Notify(BFFM_INITIALIZED, 0);
    if (!FSelectionReported) NotifySelection();
}

void TFolderBrowserForm::OkClick(TObject*) {
    const std::string path = SelectedPath();
    if (path.empty() || !FOkButton->Enabled()) return;
    FChosen = path;
    SetModalResult(mrOk);
}

void TFolderBrowserForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case BFFM_SETSTATUSTEXTA:
        FStatus->SetCaption(Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "");
        Message.Result = 0;
        return;
    case BFFM_ENABLEOK:
        FOkButton->SetEnabled(Message.LParam != 0);
        Message.Result = 0;
        return;
    case BFFM_SETSELECTIONA: {
        std::string path;
        if (Message.WParam != 0) {
            if (Message.LParam != 0) path = reinterpret_cast<const char*>(Message.LParam);
        } else {
            char buffer[BFF_MAX_PATH];
            if (SHGetPathFromIDList(reinterpret_cast<PCIDLIST_ABSOLUTE>(Message.LParam), buffer))
                path = buffer;
        }
        Message.Result = SelectPath(path) ? 1 : 0;
        return;
    }
    default:
        break;
    }
    TForm::Dispatch(Message);
}
