// File information: the length and tags of a sound file, and the transfer of those tags to another
// file (which is rewritten beside itself and replaced only when complete).
#pragma once

#include "audio/AudioTags.h"

#include <cstdint>
#include <string>

class TAudioInformation2 {
public:
    // Raises EAudioError when the file cannot be read.
    void Open(const std::string& path);
    std::int64_t GetLength() const; // frames at the file's own rate
    int GetSampleRate() const { return FSampleRate; }
    const TAudioTags& Tags() const { return FTags; }
    void SetTags(const TAudioTags& tags) { FTags = tags; }
    // Writes the tags read by Open (or set since) into `path`, keeping its sound as it is.
    void WriteTags(const std::string& path) const;

private:
    bool FOpen = false;
    std::int64_t FLength = 0;
    int FSampleRate = 0;
    TAudioTags FTags;
};

// Rewrites `path` with `tags` in place of its own (WAV, MP3, OGG and WMA files).
void WriteAudioTags(const std::string& path, const TAudioTags& tags);
