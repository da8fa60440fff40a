// The disc record of the CD database client: what the database says of a disc (names, year, genre,
// extended data by track number) beside the disc's own table of contents, and the fixed-size arrays
// the client passes entries and matches in.
#pragma once

#include "cd/CDTypes.h"

#include <array>
#include <string>

using TStringArray = std::array<std::string, MaxCDTracks>;
// One query match per entry: category, disc identifier and title separated by blanks; the first empty
// entry ends the list.
using TMatchArray = std::array<std::string, 100>;
// The lines of a database entry without their line ends; the first empty line ends the entry.
using TEntryArray = std::array<std::string, 1024>;

struct TCDInfo {
    std::string DiscId; // 8 lower-case hex digits
    std::string Artist;
    std::string Title;
    std::string Year;
    std::string Genre;
    std::string ExtendedData;
    TStringArray TrackTitles;       // by track number, from 0
    TStringArray TrackExtendedData; // by track number, from 0
    std::string Category;           // the database category of the chosen match
    int Revision = 0;
    TCDTOC TOC;
};
