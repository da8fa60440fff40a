// The two views of the recent files: the recent-files list item (at most five paths, kept in the
// recent-list file) and the recent-documents pane (every existing file, newest first).
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Application.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/RecentFilesFile.h"
#include "source/mainform/MainForm.h"

void TMainForm::LoadRecentPane() {
    const std::string path = GlobalVars().DataFolder + RecentFilesFileName;
    if (!FileExists(path)) return;
    IRecentPaneItems& pane = Bars().Ribbon().GetExtraPaneItems();
    pane.Clear();
    const std::vector<std::string> lines = ReadRecentFilesFile(path);
    // From the last line up, each existing file goes to the top: the pane ends in file order, each
    // file once, at its first place.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (!FileExists(*line)) continue;
        RemoveFromRecentPane(*line);
        pane.Insert(0).SetText(*line);
    }
}

void TMainForm::ClearRecentList() {
    Bars().MRUFiles().Clear();
    Bars().MRUFiles().SaveToFile(GlobalVars().DataFolder + RecentFilesFileName);
    Bars().Ribbon().GetExtraPaneItems().Clear();
}

void TMainForm::AddToRecentLists(const std::string& Path) {
    Bars().MRUFiles().RemoveItem(Path);
    Bars().MRUFiles().AddItem(Path);
    if (!FileExists(Path)) return;
    RemoveFromRecentPane(Path);
    Bars().Ribbon().GetExtraPaneItems().Insert(0).SetText(Path);
}

void TMainForm::RemoveFromRecentPane(const std::string& Path) {
    IRecentPaneItems& pane = Bars().Ribbon().GetExtraPaneItems();
    const int index = pane.IndexOfText(Path);
    if (index >= 0) pane.Delete(index);
}

void TMainForm::MRUFilesClick(int Index) {
    const std::vector<std::string>& items = Bars().MRUFiles().Items();
    if (Index < 0 || Index >= static_cast<int>(items.size())) return;
    OpenRecentFile(items[static_cast<std::size_t>(Index)]);
}

void TMainForm::OpenRecentFile(const std::string& Path) {
    const std::string path = Path; // the lists change under the road
    if (FileExists(path)) {
        OpenAudioFile(path);
        return;
    }
    Application()->MessageBox(path + " was not found.", ApplicationTitle, MB_OK | MB_ICONERROR);
    Bars().MRUFiles().RemoveItem(path);
}
