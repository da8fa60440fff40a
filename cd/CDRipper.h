// Ripping one audio track of a disc into a WAV file (16-bit stereo at 44100 Hz), read through the
// error-correcting reader of libcdio-paranoia: every frame is read in overlapping passes and checked
// against its neighbours, and read errors are retried a bounded number of times. The reads themselves
// go through drive access (the SCSI pass-through, else the CD-ROM control call).
#pragma once

#include "cd/CDTypes.h"

#include <functional>
#include <string>

enum class TCDRipResult { Ok, NotAudio, NoDevice, NoMedium, ReadError, WriteError };

struct TCDRipOutcome {
    TCDRipResult Result = TCDRipResult::Ok;
    std::string Message; // what went wrong, for the user; empty on success
};

// The frames of track TrackIndex (0-based in the table of contents): from its start up to the next
// track's start, less the gap before a data track of a second session (11400 frames). Empty when the
// table does not hold such a track.
struct TCDFrameRange {
    std::int32_t FirstLba = 0;
    std::int32_t FrameCount = 0;
};
TCDFrameRange TrackFrames(const TCDTOC& TOC, int TrackIndex);

// Rips the track of the disc in the drive at DevicePath into WavPath. Progress gets the percentage
// done (0 to 100) as frames arrive. The file appears only when it is complete; nothing is left behind
// on failure.
TCDRipOutcome RipCDTrack(const std::string& DevicePath, const TCDTOC& TOC, int TrackIndex,
                         const std::string& WavPath, const std::function<void(int Percent)>& Progress);
