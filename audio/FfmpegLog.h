// The FFmpeg libraries print to the console by default; the engine reports failures as exceptions instead.
#pragma once

namespace ffmpeg_log {
// Silences the libraries' console messages below fatal ones; safe to call from any thread, any number of
// times.
void Quiet();
} // namespace ffmpeg_log
