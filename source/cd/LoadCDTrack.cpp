#include "source/cd/LoadCDTrack.h"

#include "cd/CDNotice.h"
#include "cd/CDRipper.h"
#include "cd/Cddb.h"
#include "platform/rtl/Paths.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "source/cd/LoadCD.h"

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace load_cd_track_detail {

// Drive access and the database show their own notices in message boxes while the dialog is up.
class TNoticesInMessageBoxes {
public:
    TNoticesInMessageBoxes()
        : FPrevious(SetCDNoticeHandler([](const std::string& Caption, const std::string& Text) {
              const bool error = Caption == "Error";
              Application()->MessageBox(Text, Caption.empty() ? Application()->Title() : Caption,
                                        MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
          })) {}
    ~TNoticesInMessageBoxes() { SetCDNoticeHandler(FPrevious); }
    TNoticesInMessageBoxes(const TNoticesInMessageBoxes&) = delete;
    TNoticesInMessageBoxes& operator=(const TNoticesInMessageBoxes&) = delete;

private:
    TCDNoticeHandler FPrevious;
};

// A new, empty file name in the temporary folder for the track.
std::string TemporaryWavPath() {
    std::string path = GetTempFolder();
    if (!path.empty() && path.back() != '/') path += '/';
    path += "olva-cd-track-XXXXXX.wav";
    const int fd = ::mkstemps(path.data(), 4);
    if (fd < 0) return std::string();
    ::close(fd);
    return path;
}

void ErrorBox(const std::string& Text) {
    Application()->MessageBox(Text, Application()->Title(), MB_OK | MB_ICONERROR);
}

} // namespace load_cd_track_detail

std::optional<TCDTrackFile> LoadAudioCDTrack(TCustomForm* Owner, const TCDTrackLoadEvents& Events) {
    using namespace load_cd_track_detail;
    TNoticesInMessageBoxes notices;
    std::unique_ptr<TLoadCDForm> form(TCustomForm::New<TLoadCDForm>(Owner));
    if (Owner != nullptr) {
        form->SetTop(Owner->Top() + (Owner->Height() - form->Height()) / 2);
        form->SetLeft(Owner->Left() + (Owner->Width() - form->Width()) / 2);
    }
    if (form->ShowModal() != mrOk) return std::nullopt;
    TCDItem* item = form->SelectedItem();
    if (item == nullptr) {
        ErrorBox(" was not found.");
        return std::nullopt;
    }
    const std::string path = TemporaryWavPath();
    if (path.empty()) {
        ErrorBox("The temporary folder cannot be written.");
        return std::nullopt;
    }
    TCDRipOutcome outcome;
    {
        // The end event comes whatever happens, so that the caller's progress window always closes.
        struct TEndEvent {
            const TCDTrackLoadEvents& Events;
            ~TEndEvent() {
                if (Events.OnEnd) Events.OnEnd();
            }
        } end{Events};
        outcome = RipCDTrack(form->Cddb->GetDrivePath(), form->Cddb->CDInfo().TOC, item->TrackIndex, path,
                             [&](int Percent) {
                                 if (Events.OnProgress) Events.OnProgress(Percent);
                             });
    }
    if (outcome.Result != TCDRipResult::Ok) {
        ::unlink(path.c_str());
        ErrorBox(outcome.Message);
        return std::nullopt;
    }
    item->Path = path;
    return TCDTrackFile{item->Path, item->Title};
}
