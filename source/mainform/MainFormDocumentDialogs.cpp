// The commands that edit the document's frame rather than its sound: its tags, and the options of new
// files, the working folder and automatic playback.
#include "audio/AudioEditor2.h"
#include "source/GlobalVars.h"
#include "source/dialogs/DialogSupport.h"
#include "source/dialogs/EditID3Form.h"
#include "source/dialogs/OptionsForm.h"
#include "source/mainform/MainForm.h"

#include <memory>

void TMainForm::ActionEditID3Execute(TObject*) {
    StopIfBusy();
    TAudioEditor2FileInfo& info = AudioEditor->FileInfo();
    TAudioTags tags;
    tags.Title = info.GetTitle();
    tags.Artist = info.GetArtist();
    tags.Album = info.GetAlbum();
    tags.Genre = info.GetGenre();
    tags.Year = info.GetYear();
    tags.Comment = info.GetComment();
    std::unique_ptr<TEditID3Form> dialog(TCustomForm::New<TEditID3Form>(this));
    CenterOnOwner(*dialog, *this);
    dialog->LoadTags(tags);
    if (dialog->ShowModal() != mrOk) return;
    // The dialog accepts only a whole-number year, so every field is written, in this order.
    tags = dialog->Tags();
    info.SetTitle(tags.Title);
    info.SetArtist(tags.Artist);
    info.SetAlbum(tags.Album);
    info.SetGenre(tags.Genre);
    info.SetYear(tags.Year);
    info.SetComment(tags.Comment);
    SetModified(true);
}

void TMainForm::ActionOptionsExecute(TObject*) {
    std::unique_ptr<TOptionsForm> dialog(
        TCustomForm::New<TOptionsForm>(this, GlobalVars(), [this] { ClearRecentList(); }));
    CenterOnOwner(*dialog, *this);
    dialog->LoadParams();
    if (dialog->ShowModal() != mrOk) return;
    dialog->StoreParams();
    ApplyWorkingFolder();
}
