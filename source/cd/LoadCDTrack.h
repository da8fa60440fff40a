// Opening a track of an audio CD: the main window's load-CD command calls this one function. It shows
// the CD dialog modally, centred on the owner; when the user chooses a track it is ripped (with error
// correction) into a temporary WAV file, reporting progress, and that file is handed back to be opened.
#pragma once

#include <functional>
#include <optional>
#include <string>

class TCustomForm;

struct TCDTrackFile {
    std::string Path;  // the temporary WAV file (16-bit stereo, 44100 Hz); the caller's from now on
    std::string Title; // the track's name, "Track - NN" or the database's: the document name
};

struct TCDTrackLoadEvents {
    // Ripping progress, 0 to 100, on the GUI thread (the progress window's driver).
    std::function<void(int Percent)> OnProgress;
    // Ripping ended, successfully or not: always follows the last OnProgress.
    std::function<void()> OnEnd;
};

// Nothing when the user cancels, no track is selected, or the track cannot be read (the reason has then
// been shown in an error box). Device notices met on the way are shown in message boxes meanwhile.
std::optional<TCDTrackFile> LoadAudioCDTrack(TCustomForm* Owner, const TCDTrackLoadEvents& Events = {});
