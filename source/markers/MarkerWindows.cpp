#include "source/markers/MarkerWindows.h"

#include "audio/AudioEditor2.h"
#include "source/markers/AddRegionOrBookmarkForm.h"
#include "source/markers/BookmarkForm.h"
#include "source/markers/MarkerHost.h"
#include "source/markers/MarkerRecords.h"
#include "source/markers/RegionForm.h"

#include "platform/rtl/FileNames.h"

TMarkerWindows::TMarkerWindows(TComponent* AOwner, std::unique_ptr<IMarkerHost> Host,
                               TBookmarkForm* Bookmarks, TRegionForm* Regions)
    : TComponent(AOwner), FHost(std::move(Host)), FBookmarks(Bookmarks), FRegions(Regions) {
    if (Bookmarks != nullptr) Bookmarks->SetMarkers(this);
    if (Regions != nullptr) Regions->SetMarkers(this);
}

TMarkerWindows::~TMarkerWindows() {
    if (FBookmarks) FBookmarks->SetMarkers(nullptr);
    if (FRegions) FRegions->SetMarkers(nullptr);
}

void TMarkerWindows::ClearLists() {
    if (FBookmarks) FBookmarks->ClearList();
    if (FRegions) FRegions->ClearList();
}

void TMarkerWindows::MarkerDeleted(int Number) {
    if (FBookmarks) FBookmarks->RenumberAfter(Number);
    if (FRegions) FRegions->RenumberAfter(Number);
}

void TMarkerWindows::OpenBookmarkList() {
    if (FBookmarks) FBookmarks->OpenList();
}

void TMarkerWindows::OpenRegionList() {
    if (FRegions) FRegions->OpenList();
}

void TMarkerWindows::SetBookmark() {
    FHost->StopIfBusy();
    TAudioEditor2& editor = FHost->Editor();
    const std::int64_t start = editor.Position().GetSelectionStart();
    std::string name = ExtractFileName(FHost->DocumentFileName()) + "@" +
                       MarkerTimeText(editor.Position().SamplesToMs(start));
    if (AskMarkerName(FHost->MainWindow(), "Enter Bookmark Name", name)) {
        TAudioEditor2Markers& markers = editor.Markers();
        markers.Add(start, 0, name, "Bookmark");
        markers.SetCurrent(markers.Count());
        const std::int64_t position = markers.GetPosition();
        auto bookmark = std::make_unique<TBookmark>(MakeBookmarkRecord(
            markers.GetName(), position, markers.GetCurrent(), editor.Position().SamplesToMs(position)));
        if (FBookmarks) FBookmarks->Append(std::move(bookmark));
    }
    if (FBookmarks && !FBookmarks->Showing()) FBookmarks->OpenList();
}

void TMarkerWindows::AddRegion() {
    FHost->StopIfBusy();
    TAudioEditor2& editor = FHost->Editor();
    TAudioEditor2Position& position = editor.Position();
    const std::int64_t start = position.GetSelectionStart();
    const std::int64_t end = position.GetSelectionEnd();
    const std::string fileName = ExtractFileName(FHost->DocumentFileName());
    std::string name = fileName + "@" + MarkerTimeText(position.SamplesToMs(start)) + "-" +
                       MarkerTimeText(position.SamplesToMs(end));
    if (AskMarkerName(FHost->MainWindow(), "Enter Region Name", name)) {
        TAudioEditor2Markers& markers = editor.Markers();
        markers.Add(start, end - start, name, "Region");
        markers.SetCurrent(markers.Count());
        const std::int64_t from = markers.GetPosition();
        const std::int64_t length = markers.GetLength();
        auto region = std::make_unique<TRegion>(
            MakeRegionRecord(markers.GetName(), from, length, markers.GetCurrent(), FHost->DocumentFileName(),
                             position.SamplesToMs(from), position.SamplesToMs(from + length)));
        if (FRegions) FRegions->Append(std::move(region));
    }
    if (FRegions && !FRegions->Showing()) FRegions->OpenList();
}
