#include "platform/vcl/FileDialogForm.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/FileDialog.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/MessageDlg.h"
#include "platform/vcl/StdCtrlsPaint.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace filedialogform_detail {

constexpr int ListAttributes = faDirectory | faReadOnly | faArchive | faNormal | faSymLink;

// Sizes as a desktop file list shows them: whole kilobytes, rounded up, with thousands separators.
std::string SizeText(std::int64_t Size) {
    const std::int64_t kb = (Size + 1023) / 1024;
    std::string digits = std::to_string(kb);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, ",");
    return digits + " KB";
}

std::string ParentOf(const std::string& Folder) {
    if (Folder == "/") return Folder;
    const std::string parent = ExtractFileDir(ExcludeTrailingPathDelimiter(Folder));
    return parent.empty() ? std::string("/") : parent;
}

std::string Normalized(const std::string& Path) {
    std::string text = std::filesystem::path(Path).lexically_normal().string();
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text.empty() ? std::string("/") : text;
}

TLabel* AddLabel(TForm* Form, const std::string& Caption, int X, int Y) {
    auto* label = new TLabel(Form);
    label->SetCaption(Caption);
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetParent(Form);
    return label;
}

} // namespace filedialogform_detail

TFileDialogForm::TFileDialogForm(TComponent* AOwner, TOpenDialog* Dialog) : TForm(AOwner), FDialog(Dialog) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(FDialog->Title().empty() ? FDialog->DefaultTitle() : FDialog->Title());
    FFilters = ParseFileFilter(FDialog->Filter());
    BuildControls();
    OnShow = TNotifyEvent(this, &TFileDialogForm::FormShow);
}

void TFileDialogForm::BuildControls() {
    using namespace filedialogform_detail;
    SetClientSize(480, 330);
    const bool multi = FDialog->Options().Contains(ofAllowMultiSelect);

    TLabel* lookIn = AddLabel(this, "Look &in:", 8, 12);
    FPathEdit = new TEdit(this);
    FPathEdit->SetBounds(80, 8, 318, 21);
    FPathEdit->SetParent(this);
    lookIn->SetFocusControl(FPathEdit);
    FUpButton = new TButton(this);
    FUpButton->SetCaption("&Up");
    FUpButton->SetBounds(406, 7, 66, 23);
    FUpButton->SetParent(this);
    FUpButton->OnClick = TNotifyEvent(this, &TFileDialogForm::UpClick);

    AddLabel(this, "Name", 12, 38);
    AddLabel(this, "Size", 270, 38);
    AddLabel(this, "Date modified", 350, 38);
    FList = new TListBox(this);
    FList->SetStyle(lbOwnerDrawFixed);
    FList->SetMultiSelect(multi);
    FList->SetBounds(8, 54, 464, 176);
    FList->SetParent(this);
    FList->OnDrawItem = TDrawItemEvent(this, &TFileDialogForm::DrawEntry);
    FList->OnClick = TNotifyEvent(this, &TFileDialogForm::ListClick);
    FList->OnDblClick = TNotifyEvent(this, &TFileDialogForm::ListDblClick);

    TLabel* nameLabel = AddLabel(this, "File &name:", 8, 244);
    FNameEdit = new TEdit(this);
    FNameEdit->SetBounds(100, 240, 290, 21);
    FNameEdit->SetParent(this);
    nameLabel->SetFocusControl(FNameEdit);
    FOkButton = new TButton(this);
    FOkButton->SetCaption(FDialog->IsSaveDialog() ? "&Save" : "&Open");
    FOkButton->SetDefault(true);
    FOkButton->SetBounds(398, 239, 75, 23);
    FOkButton->SetParent(this);
    FOkButton->OnClick = TNotifyEvent(this, &TFileDialogForm::OkClick);

    TLabel* typeLabel =
        AddLabel(this, FDialog->IsSaveDialog() ? "Save as &type:" : "Files of &type:", 8, 272);
    FTypeCombo = new TComboBox(this);
    FTypeCombo->SetStyle(csDropDownList);
    FTypeCombo->SetBounds(100, 268, 290, 21);
    FTypeCombo->SetParent(this);
    typeLabel->SetFocusControl(FTypeCombo);
    for (const TFileFilterEntry& entry : FFilters)
        FTypeCombo->Items()->Add(entry.Description);
    if (!FFilters.empty()) {
        const int wanted = FDialog->FilterIndex() - 1;
        FTypeIndex = wanted >= 0 && wanted < static_cast<int>(FFilters.size()) ? wanted : 0;
        FTypeCombo->SetItemIndex(FTypeIndex);
    }
    FTypeCombo->OnChange = TNotifyEvent(this, &TFileDialogForm::TypeChange);
    FTypeCombo->OnSelect = TNotifyEvent(this, &TFileDialogForm::TypeChange);
    FCancelButton = new TButton(this);
    FCancelButton->SetCaption("Cancel");
    FCancelButton->SetCancel(true);
    FCancelButton->SetModalResult(mrCancel);
    FCancelButton->SetBounds(398, 267, 75, 23);
    FCancelButton->SetParent(this);

    if (!FDialog->IsSaveDialog() && !FDialog->Options().Contains(ofHideReadOnly)) {
        FReadOnlyCheck = new TCheckBox(this);
        FReadOnlyCheck->SetCaption("Open as &read-only");
        FReadOnlyCheck->SetChecked(FDialog->Options().Contains(ofReadOnly));
        FReadOnlyCheck->SetBounds(100, 298, 200, 17);
        FReadOnlyCheck->SetParent(this);
    }

    // Where the dialog starts: the folder of the given file name, else the initial folder, else the
    // current one; a folder that is gone falls back to the next.
    const std::string given = FDialog->FileName();
    std::string name = ExtractFileName(given);
    bool placed = false;
    if (!ExtractFileDir(given).empty()) placed = Navigate(ExpandFileName(ExtractFileDir(given)));
    if (!placed && !FDialog->InitialDir().empty()) placed = Navigate(ExpandFileName(FDialog->InitialDir()));
    if (!placed) placed = Navigate(Normalized(std::filesystem::current_path().string()));
    if (!placed) Navigate("/");
    FNameEdit->SetText(name);
    SetActiveControl(FNameEdit);
}

void TFileDialogForm::FormShow(TObject*) {
    FDialog->OnShow(FDialog);
}

bool TFileDialogForm::ReadOnlyChecked() const {
    return FReadOnlyCheck != nullptr && FReadOnlyCheck->Checked();
}

std::vector<std::string> TFileDialogForm::CurrentMasks() const {
    if (!FMaskOverride.empty()) return {FMaskOverride};
    if (FFilters.empty()) return {};
    return FFilters[FTypeIndex].Masks;
}

bool TFileDialogForm::Navigate(const std::string& Folder) {
    using namespace filedialogform_detail;
    const std::string folder = Normalized(Folder);
    if (!DirectoryExists(folder)) return false;
    FFolder = folder;
    FPathEdit->SetText(FFolder);
    FillList();
    return true;
}

void TFileDialogForm::FillList() {
    using namespace filedialogform_detail;
    FEntries.clear();
    if (FFolder != "/") FEntries.push_back(TEntry{"..", true});
    const std::vector<std::string> masks = CurrentMasks();
    std::vector<TEntry> files;
    for (const TFoundFile& found : FindFiles(FFolder, "*", ListAttributes)) {
        TEntry entry{found.Name, (found.Attr & faDirectory) != 0, (found.Attr & faReadOnly) != 0, found.Size,
                     found.TimeStamp};
        if (entry.Folder)
            FEntries.push_back(std::move(entry));
        else if (FileNameMatchesMasks(entry.Name, masks))
            files.push_back(std::move(entry));
    }
    for (TEntry& file : files)
        FEntries.push_back(std::move(file));
    FList->Items()->BeginUpdate();
    FList->Items()->Clear();
    for (const TEntry& entry : FEntries)
        FList->Items()->Add(entry.Name);
    FList->Items()->EndUpdate();
    FList->SetTopIndex(0);
}

void TFileDialogForm::DrawEntry(TWinControl*, int Index, RECT Rect, TOwnerDrawState State) {
    using namespace filedialogform_detail;
    if (Index < 0 || Index >= static_cast<int>(FEntries.size())) return;
    const TEntry& entry = FEntries[Index];
    HDC dc = FList->Canvas()->Handle();
    const bool selected = State.Contains(odSelected);
    StdCtrlsFill(dc, Rect, selected ? clHighlight : FList->Color());
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, FList->Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(selected ? clHighlightText : FList->Font()->Color()));
    auto column = [&](const std::string& Text, int Left, int Right, UINT Align) {
        RECT r{Rect.left + Left, Rect.top, Rect.left + Right, Rect.bottom};
        ::DrawText(dc, Text.c_str(), static_cast<int>(Text.size()), &r,
                   DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | Align);
    };
    // Folders are marked so they stand apart from files without an icon column.
    column(entry.Folder ? "[" + entry.Name + "]" : entry.Name, 2, 250, DT_LEFT);
    if (!entry.Folder) column(SizeText(entry.Size), 250, 330, DT_RIGHT);
    if (entry.Name != "..") column(FormatDateTime("ddddd t", entry.Modified), 340, 460, DT_LEFT);
    if (State.Contains(odFocused) && FList->Focused()) ::DrawFocusRect(dc, &Rect);
    ::RestoreDC(dc, saved);
}

void TFileDialogForm::ListClick(TObject*) {
    std::vector<std::string> names;
    for (int i = 0; i < FList->Count(); ++i)
        if (FList->Selected(i) && !FEntries[i].Folder) names.push_back(FEntries[i].Name);
    if (names.empty()) return;
    if (names.size() == 1) {
        FNameEdit->SetText(names.front());
        return;
    }
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "\"" : " \"") + name + "\"";
    FNameEdit->SetText(text);
}

void TFileDialogForm::ListDblClick(TObject*) {
    const int index = FList->ItemIndex();
    if (index < 0 || index >= static_cast<int>(FEntries.size())) return;
    if (FEntries[index].Folder) {
        Navigate(FFolder + "/" + FEntries[index].Name);
        return;
    }
    FNameEdit->SetText(FEntries[index].Name);
    AcceptNames();
}

void TFileDialogForm::UpClick(TObject*) {
    Navigate(filedialogform_detail::ParentOf(FFolder));
}

void TFileDialogForm::TypeChange(TObject*) {
    const int index = FTypeCombo->ItemIndex();
    if (index < 0 || index >= static_cast<int>(FFilters.size())) return;
    if (index == FTypeIndex && FMaskOverride.empty()) return;
    FTypeIndex = index;
    FMaskOverride.clear();
    FillList();
}

void TFileDialogForm::OkClick(TObject*) {
    TWinControl* active = ActiveControl();
    if (active == FPathEdit) {
        NavigateToTyped(FPathEdit->Text());
        return;
    }
    if (active == FList) {
        const int index = FList->ItemIndex();
        if (index >= 0 && index < static_cast<int>(FEntries.size()) && FEntries[index].Folder &&
            FList->Selected(index)) {
            Navigate(FFolder + "/" + FEntries[index].Name);
            return;
        }
    }
    AcceptNames();
}

void TFileDialogForm::NavigateToTyped(const std::string& Text) {
    if (Text.empty()) return;
    const std::string path = Resolve(Text);
    if (!Navigate(path)) {
        ShowProblem(Text + "\nPath does not exist.\nCheck the path and try again.", MB_OK | MB_ICONWARNING);
        FPathEdit->SetText(FFolder);
    }
}

std::string TFileDialogForm::Resolve(const std::string& Name) const {
    using namespace filedialogform_detail;
    std::string name = Name;
    if ((name == "~" || name.rfind("~/", 0) == 0) && std::getenv("HOME") != nullptr)
        name = std::string(std::getenv("HOME")) + name.substr(1);
    if (name.empty() || name[0] != '/') name = FFolder + "/" + name;
    return Normalized(name);
}

std::string TFileDialogForm::WithDefaultExtension(const std::string& Path) const {
    if (!ExtractFileExt(ExtractFileName(Path)).empty()) return Path;
    std::string ext = FDialog->DefaultExt();
    if (ext.empty()) return Path;
    if (FMaskOverride.empty() && !FFilters.empty()) {
        const std::string typeExt = FilterEntryExtension(FFilters[FTypeIndex]);
        if (!typeExt.empty()) ext = typeExt;
    }
    if (ext[0] == '.') ext.erase(0, 1);
    if (ext.empty()) return Path;
    const std::string withExt = Path + "." + ext;
    // Opening a file that exists as typed takes it as it is.
    if (!FDialog->IsSaveDialog() && FileExists(Path) && !FileExists(withExt)) return Path;
    return withExt;
}

void TFileDialogForm::AcceptNames() {
    const std::string text = FNameEdit->Text();
    std::vector<std::string> names = SplitFileNameList(text);
    if (names.empty()) return;
    const bool multi = FDialog->Options().Contains(ofAllowMultiSelect);
    if (names.size() > 1 && !multi) {
        ShowProblem(text + "\nThe file name is not valid.", MB_OK | MB_ICONWARNING);
        return;
    }
    if (names.size() == 1) {
        const std::string& name = names.front();
        if (IsFileNameMask(name)) {
            // A mask lists the matching files (in the folder it names, if any).
            const std::string full = Resolve(name);
            const std::string folder = ExtractFileDir(full);
            if (!DirectoryExists(folder.empty() ? "/" : folder)) {
                ShowProblem(name + "\nPath does not exist.\nCheck the path and try again.",
                            MB_OK | MB_ICONWARNING);
                return;
            }
            FMaskOverride = ExtractFileName(full);
            if (!Navigate(folder.empty() ? "/" : folder)) FillList();
            FNameEdit->SetText(FMaskOverride);
            FNameEdit->SelectAll();
            return;
        }
        const std::string full = Resolve(name);
        if (DirectoryExists(full)) {
            Navigate(full);
            FNameEdit->Clear();
            return;
        }
    }
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back(WithDefaultExtension(Resolve(name)));
    if (!CheckChosen(paths)) return;
    FChosen = std::move(paths);
    SetModalResult(mrOk);
}

bool TFileDialogForm::CheckChosen(const std::vector<std::string>& Paths) {
    const TOpenOptions options = FDialog->Options();
    const bool save = FDialog->IsSaveDialog();
    for (const std::string& path : Paths) {
        const std::string folder = ExtractFileDir(path);
        // A file cannot be opened or written in a folder that is not there, whatever the options say.
        if (!DirectoryExists(folder.empty() ? "/" : folder)) {
            ShowProblem(path + "\nPath does not exist.\nCheck the path and try again.",
                        MB_OK | MB_ICONWARNING);
            return false;
        }
        if (DirectoryExists(path)) {
            ShowProblem(path + "\nThe file name is not valid.", MB_OK | MB_ICONWARNING);
            return false;
        }
        const bool exists = FileExists(path);
        if (options.Contains(ofFileMustExist) && !exists) {
            ShowProblem(path + "\nFile not found.\nCheck the file name and try again.",
                        MB_OK | MB_ICONWARNING);
            return false;
        }
        if (save && exists) {
            if (::access(path.c_str(), W_OK) != 0) {
                ShowProblem(path + "\nThis file is set to read-only.\nTry again with a different file name.",
                            MB_OK | MB_ICONWARNING);
                return false;
            }
            if (options.Contains(ofOverwritePrompt) &&
                AskYesNo(path + " already exists.\nDo you want to replace it?") != IDYES)
                return false;
        }
    }
    return true;
}

void TFileDialogForm::ShowProblem(const std::string& Text, unsigned Flags) {
    ::MessageBox(Handle(), Text.c_str(), Caption().c_str(), Flags);
}

int TFileDialogForm::AskYesNo(const std::string& Text) {
    return ::MessageBox(Handle(), Text.c_str(), Caption().c_str(), MB_YESNO | MB_ICONWARNING);
}
