// The audio-CD road of the main window: how many CD drives there are, and the CD track dialog that
// lets the user choose a track and hands back the sound file to open.
#pragma once

#include <memory>
#include <string>

class TCustomForm;

struct TCdTrackChoice {
    enum TResult { Cancelled, NoneSelected, Track };
    TResult Result = Cancelled;
    std::string Path;  // the track's sound file
    std::string Title; // the document name the track is shown under
};

class ICdTrackLoader {
public:
    virtual ~ICdTrackLoader() = default;
    virtual int CdDriveCount() = 0;
    // Shows the CD track dialog modally, centred on `Owner`.
    virtual TCdTrackChoice RunTrackDialog(TCustomForm& Owner) = 0;
};

// The CD road the program is built with.
std::unique_ptr<ICdTrackLoader> CreateCdTrackLoader();
