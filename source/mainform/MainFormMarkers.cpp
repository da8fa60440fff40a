// Bookmarks and regions: the main window's Set Bookmark, Add Region and Open ... List commands run the
// bookmark and region windows, which reach the editor and the main window's commands through a host
// made here.
#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "source/mainform/MainForm.h"
#include "source/markers/MarkerHost.h"
#include "source/markers/MarkerWindows.h"

#include <memory>

namespace main_form_markers_detail {

class TMainWindowMarkerHost : public IMarkerHost {
public:
    explicit TMainWindowMarkerHost(TMainForm& Form) : FForm(Form) {}
    TCustomForm& MainWindow() override { return FForm; }
    void FocusMainWindow() override {
        if (FForm.Showing() && FForm.Enabled()) FForm.SetFocus();
    }
    TAudioEditor2& Editor() override { return *FForm.AudioEditor; }
    TAudioEditor2LameEnc& LameEnc() override { return FForm.LameEnc; }
    std::string DocumentFileName() const override { return FForm.FileName; }
    void StopIfBusy() override { FForm.StopIfBusy(); }
    void Play() override { FForm.ActionPlay->Execute(); }
    void SaveSelectionAs() override {
        FForm.StopIfBusy();
        FForm.SaveAudioFile(true, true);
    }

private:
    TMainForm& FForm;
};

} // namespace main_form_markers_detail

void TMainForm::AttachMarkerWindows(TBookmarkForm* Bookmarks, TRegionForm* Regions) {
    auto* markers = new TMarkerWindows(
        this, std::make_unique<main_form_markers_detail::TMainWindowMarkerHost>(*this), Bookmarks, Regions);
    SetMarkerListWindows(markers);
    ActionSetBookmark->SetOnExecute(TNotifyEvent([markers](TObject*) { markers->SetBookmark(); }, markers));
    ActionAddRegion->SetOnExecute(TNotifyEvent([markers](TObject*) { markers->AddRegion(); }, markers));
    ActionOpenBookmarkList->SetOnExecute(
        TNotifyEvent([markers](TObject*) { markers->OpenBookmarkList(); }, markers));
    ActionOpenRegionList->SetOnExecute(
        TNotifyEvent([markers](TObject*) { markers->OpenRegionList(); }, markers));
}
