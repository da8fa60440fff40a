// The main window's CD road over the CD dialogs: the drives the system lists, and the track dialog that
// reads the chosen track into a temporary sound file.
#include "source/Drives.h"
#include "source/cd/LoadCDTrack.h"
#include "source/mainform/CdTrackLoader.h"

namespace {

class TCdTrackRoad : public ICdTrackLoader {
public:
    int CdDriveCount() override { return ::CdDriveCount(); }

    std::optional<TCdTrack> RunTrackDialog(TCustomForm& Owner, std::function<void(int)> OnProgress,
                                           std::function<void()> OnEnd) override {
        TCDTrackLoadEvents events;
        events.OnProgress = std::move(OnProgress);
        events.OnEnd = std::move(OnEnd);
        std::optional<TCDTrackFile> track = LoadAudioCDTrack(&Owner, events);
        if (!track) return std::nullopt;
        return TCdTrack{track->Path, track->Title};
    }
};

} // namespace

std::unique_ptr<ICdTrackLoader> CreateCdTrackLoader() {
    return std::make_unique<TCdTrackRoad>();
}
