// A CD database entry in its published text format ("xmcd"), parsed into the disc record, and the
// folder of a local CD database with its index file "Cat.idx" and its log "index.log".
#pragma once

#include "cd/CDInfo.h"

#include <array>
#include <string>

class TLocalCDDB {
public:
    // The local database folder starts as the working directory.
    TLocalCDDB();

    // Folder becomes Path with a trailing "/"; the index is loaded from it. A folder other than the
    // working directory without an index gets a line in its "index.log" saying so.
    void SetFolder(const std::string& Path);
    // Reads "Cat.idx" of the folder: up to 26 lines, one for each letter, 40 characters each at most.
    // False when the file cannot be opened.
    bool LoadIndex();

    // Parses the entry's lines into Info (all of it cleared first, the category kept): 0 for a complete
    // entry, -4 for a corrupt one. An entry is complete when it carries the xmcd marker, the frame
    // offsets, the disc length, the revision and the DISCID, DTITLE, TTITLE, EXTD, EXTT and PLAYORDER
    // lines. A number that does not read as one, a track number out of range or more than 99 tracks
    // make it corrupt. Values split over several lines are joined as they stand before their escapes
    // are read; the entry's text comes out in UTF-8 (see EntryTextToUtf8); DTITLE is split into artist
    // and title at its first " / ", and a title without one is both.
    int ParseEntry(TCDInfo& Info, const TEntryArray& Lines);

    // Appends Text (no line end) to the file, creating it when missing. A file that cannot be opened or
    // written is reported in an "Error" notice.
    static void AppendLog(const std::string& FilePath, const std::string& Text);

    const std::array<std::string, 26>& IndexLines() const { return FIndexLines; }
    bool IndexLoaded() const { return FIndexLoaded; }
    const std::string& Folder() const { return FFolder; }

private:
    std::array<std::string, 26> FIndexLines;
    bool FIndexLoaded = false;
    std::string FFolder;
};

// Decodes the escapes of an entry value in one pass from the left: backslash-n becomes CR LF,
// backslash-t a tab, two backslashes one; any other backslash stays as it is.
std::string DecodeEntryEscapes(const std::string& Value);
