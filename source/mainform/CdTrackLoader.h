// The audio-CD road of the main window: how many CD drives there are, and the CD track dialog that
// lets the user choose a track and hands back the sound file to open.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

class TCustomForm;

struct TCdTrack {
    std::string Path;  // the track's sound file
    std::string Title; // the document name the track is shown under
};

class ICdTrackLoader {
public:
    virtual ~ICdTrackLoader() = default;
    virtual int CdDriveCount() = 0;
    // Shows the CD track dialog modally, centred on `Owner`, and reads the chosen track. Nothing when
    // the user cancels or no track could be read (the dialog has said why). Reading the track reports
    // its progress and always ends with OnEnd.
    virtual std::optional<TCdTrack> RunTrackDialog(TCustomForm& Owner,
                                                   std::function<void(int Percent)> OnProgress,
                                                   std::function<void()> OnEnd) = 0;
};

// The CD road the program is built with.
std::unique_ptr<ICdTrackLoader> CreateCdTrackLoader();
