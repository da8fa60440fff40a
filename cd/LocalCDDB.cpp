#include "cd/LocalCDDB.h"

#include "cd/CDNotice.h"
#include "cd/CddbText.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace local_cddb_detail {

enum TRecordKind : std::uint8_t {
    rkNone,
    rkFrameOffset,
    rkDiscLength,
    rkRevision,
    rkDiscId,
    rkDTitle,
    rkDYear,
    rkDGenre,
    rkTTitle,
    rkExtD,
    rkExtT,
    rkPlayOrder
};

struct TEntryParseRecord {
    TRecordKind Kind = rkNone;
    int Index = 0;
    std::string Value;
};

constexpr int MaxRecords = 1024;

// What a complete entry must carry.
enum TMarker {
    mkXmcd,
    mkOffsets,
    mkLength,
    mkRevision,
    mkDiscId,
    mkDTitle,
    mkTTitle,
    mkExtD,
    mkExtT,
    mkPlayOrder
};
constexpr int MarkerCount = 10;

bool StartsWith(const std::string& Line, std::string_view Prefix) {
    return Line.compare(0, Prefix.size(), Prefix) == 0;
}

// Characters From.. of Line (0-based) equal to Text.
bool HasAt(const std::string& Line, std::size_t From, std::string_view Text) {
    return Line.size() >= From + Text.size() && Line.compare(From, Text.size(), Text) == 0;
}

std::string From(const std::string& Line, std::size_t Index) {
    return Index < Line.size() ? Line.substr(Index) : std::string();
}

std::string WithoutTrailingSlash(std::string Path) {
    while (Path.size() > 1 && Path.back() == '/')
        Path.pop_back();
    return Path;
}

// The track number and value of a numbered keyword ("TTITLE12=..." or "EXTT3=..."), whose digits start
// at NumberAt: one or two digits before the "=". Nothing for any other shape; a number that is not
// decimal digits makes the entry corrupt.
struct TNumbered {
    bool Matches = false;
    bool Valid = true;
    int Number = 0;
    std::string Value;
};

TNumbered Numbered(const std::string& Line, std::size_t NumberAt) {
    TNumbered result;
    const auto equals = Line.find('=');
    if (equals != NumberAt + 1 && equals != NumberAt + 2) return result;
    result.Matches = true;
    const std::string digits = Line.substr(NumberAt, equals - NumberAt);
    for (const char c : digits)
        if (c < '0' || c > '9') result.Valid = false;
    if (result.Valid) result.Number = std::stoi(digits);
    result.Value = From(Line, equals + 1);
    return result;
}

std::optional<int> Integer(const std::string& Text) {
    int value;
    if (!TryStrToInt(Trim(Text), value)) return std::nullopt;
    return value;
}

// Reads the joined values: escapes decoded, then the whole entry in UTF-8 (an entry has one encoding,
// so it is converted as a whole or not at all), then the disc title split into artist and title at its
// first " / "; a title without one names both.
void FinishEntryTexts(TCDInfo& Info, const std::string& DiscTitle) {
    std::string title = DecodeEntryEscapes(DiscTitle);
    std::vector<std::string*> texts{&Info.DiscId, &Info.Year, &Info.Genre, &Info.ExtendedData, &title};
    for (std::string& t : Info.TrackTitles)
        texts.push_back(&t);
    for (std::string& t : Info.TrackExtendedData)
        texts.push_back(&t);
    for (std::string* text : texts)
        if (text != &title) *text = DecodeEntryEscapes(*text);
    if (!std::all_of(texts.begin(), texts.end(), [](const std::string* t) { return IsUtf8(*t); }))
        for (std::string* text : texts)
            *text = CodePageToUtf8(*text, CP_LATIN1);
    const auto split = title.find(" / ");
    if (split == std::string::npos) {
        Info.Artist = title;
        Info.Title = title;
    } else {
        Info.Artist = title.substr(0, split);
        Info.Title = title.substr(split + 3);
    }
}

} // namespace local_cddb_detail

std::string DecodeEntryEscapes(const std::string& Value) {
    std::string decoded;
    decoded.reserve(Value.size());
    for (std::size_t i = 0; i < Value.size(); ++i) {
        const char c = Value[i];
        const char next = i + 1 < Value.size() ? Value[i + 1] : '\0';
        if (c == '\\' && next == 'n') {
            decoded += "\r\n";
            ++i;
        } else if (c == '\\' && next == 't') {
            decoded += '\t';
            ++i;
        } else if (c == '\\' && next == '\\') {
            decoded += '\\';
            ++i;
        } else {
            decoded += c;
        }
    }
    return decoded;
}

TLocalCDDB::TLocalCDDB() {
    SetFolder(GetCurrentDir());
}

void TLocalCDDB::SetFolder(const std::string& Path) {
    using namespace local_cddb_detail;
    FFolder = Path;
    if (FFolder.empty() || FFolder.back() != '/') FFolder += '/';
    FIndexLoaded = LoadIndex();
    if (!FIndexLoaded && WithoutTrailingSlash(Path) != WithoutTrailingSlash(GetCurrentDir()))
        AppendLog(FFolder + "index.log", "Error => Cannot find the file " + FFolder + "Cat.idx");
}

bool TLocalCDDB::LoadIndex() {
    std::ifstream file(FFolder + "Cat.idx");
    if (!file) return false;
    FIndexLines = {};
    std::string line;
    for (std::size_t n = 0; n < FIndexLines.size() && std::getline(file, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        FIndexLines[n] = line.substr(0, 40);
    }
    return true;
}

void TLocalCDDB::AppendLog(const std::string& FilePath, const std::string& Text) {
    const int fd = ::open(FilePath.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        ShowCDNotice("Error", "Couldn't create log file!\nError message was: '" + Text + "'");
        return;
    }
    // Nobody else writes into the log while this line goes in.
    ::flock(fd, LOCK_EX);
    std::size_t written = 0;
    while (written < Text.size()) {
        const auto n = ::write(fd, Text.data() + written, Text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (written < Text.size())
        ShowCDNotice("Error", "Couldn't write into log file!\nError message was: '" + Text + "'");
}

int TLocalCDDB::ParseEntry(TCDInfo& Info, const TEntryArray& Lines) {
    using namespace local_cddb_detail;
    const std::string category = Info.Category;
    Info = TCDInfo();
    Info.Category = category;

    std::vector<TEntryParseRecord> records;
    bool markers[MarkerCount] = {};
    bool corrupt = false;
    int offsetCount = 0;
    auto add = [&](TRecordKind Kind, int Index, std::string Value) {
        if (records.size() < MaxRecords) records.push_back({Kind, Index, std::move(Value)});
    };
    auto numbered = [&](TMarker Marker, TRecordKind Kind, const std::string& Line, std::size_t NumberAt) {
        markers[Marker] = true;
        const TNumbered n = Numbered(Line, NumberAt);
        if (!n.Matches) return;
        if (!n.Valid)
            corrupt = true;
        else
            add(Kind, n.Number, n.Value);
    };

    std::size_t i = 0;
    while (i < Lines.size() && !Lines[i].empty()) {
        const std::string& line = Lines[i];
        if (line[0] == '#') {
            if (HasAt(line, 2, "Track frame offsets:")) {
                markers[mkOffsets] = true;
                ++i;
                // One offset a line, up to a bare "#" (consumed) or the disc length (parsed next).
                while (i < Lines.size() && !Lines[i].empty()) {
                    if (Trim(Lines[i]) == "#") {
                        ++i;
                        break;
                    }
                    if (HasAt(Lines[i], 2, "Disc length:")) break;
                    add(rkFrameOffset, offsetCount++, Trim(From(Lines[i], 2)));
                    ++i;
                }
                continue;
            }
            if (HasAt(line, 2, "Disc length:")) {
                markers[mkLength] = true;
                std::string value = From(line, 15);
                add(rkDiscLength, 0, value.substr(0, value.find(' ')));
            } else if (HasAt(line, 2, "Revision:")) {
                markers[mkRevision] = true;
                add(rkRevision, 0, From(line, 12));
            }
        } else if (StartsWith(line, "DISCID=")) {
            markers[mkDiscId] = true;
            add(rkDiscId, 0, From(line, 7));
        } else if (StartsWith(line, "DTITLE=")) {
            markers[mkDTitle] = true;
            add(rkDTitle, 0, From(line, 7));
        } else if (StartsWith(line, "DYEAR=")) {
            add(rkDYear, 0, From(line, 6));
        } else if (StartsWith(line, "DGENRE=")) {
            add(rkDGenre, 0, From(line, 7));
        } else if (StartsWith(line, "TTITLE")) {
            numbered(mkTTitle, rkTTitle, line, 6);
        } else if (StartsWith(line, "EXTD=")) {
            markers[mkExtD] = true;
            add(rkExtD, 0, From(line, 5));
        } else if (StartsWith(line, "EXTT")) {
            numbered(mkExtT, rkExtT, line, 4);
        } else if (StartsWith(line, "PLAYORDER=")) {
            markers[mkPlayOrder] = true;
            add(rkPlayOrder, 0, From(line, 10));
        }
        ++i;
    }
    if (corrupt || offsetCount > MaxCDTracks - 1) return -4;
    Info.TOC.TrackCount = static_cast<std::uint8_t>(offsetCount);
    for (const std::string& line : Lines)
        if (line.find("# xmcd") != std::string::npos) markers[mkXmcd] = true;

    // Values of a keyword are joined as they stand, then read: an escape or a character may be split
    // over two lines, and so may the " / " between artist and title.
    std::string discTitle;
    bool numbersRead = true;
    for (const TEntryParseRecord& r : records) {
        if (!numbersRead) break;
        switch (r.Kind) {
        case rkFrameOffset: {
            if (r.Value.empty()) break;
            const auto f = Integer(r.Value);
            // Positions past 255 minutes do not fit the table of contents.
            if (!f || *f < 0 || *f / 4500 > 255) {
                numbersRead = false;
                break;
            }
            TCDTrack& t = Info.TOC.Tracks[static_cast<std::size_t>(r.Index)];
            t.Min = static_cast<std::uint8_t>(*f / 4500);
            t.Sec = static_cast<std::uint8_t>(*f / 75 - t.Min * 60);
            t.Frame = static_cast<std::uint8_t>(*f % 75);
            t.IsAudio = true;
            break;
        }
        case rkDiscLength: {
            const auto s = Integer(r.Value);
            if (!s || *s < 0 || *s / 60 > 255) {
                numbersRead = false;
                break;
            }
            Info.TOC.LeadOut = {static_cast<std::uint8_t>(*s / 60), static_cast<std::uint8_t>(*s % 60), 0};
            Info.TOC.Reserved = 0;
            break;
        }
        case rkRevision: {
            const auto v = Integer(r.Value);
            if (!v) {
                numbersRead = false;
                break;
            }
            Info.Revision = *v;
            break;
        }
        case rkDiscId:
            Info.DiscId += r.Value;
            break;
        case rkDTitle:
            discTitle += r.Value;
            break;
        case rkDYear:
            Info.Year += r.Value;
            break;
        case rkDGenre:
            Info.Genre += r.Value;
            break;
        case rkTTitle:
            if (r.Index < MaxCDTracks) Info.TrackTitles[static_cast<std::size_t>(r.Index)] += r.Value;
            break;
        case rkExtD:
            Info.ExtendedData += r.Value;
            break;
        case rkExtT:
            if (r.Index < MaxCDTracks) Info.TrackExtendedData[static_cast<std::size_t>(r.Index)] += r.Value;
            break;
        case rkPlayOrder:
        case rkNone:
            break;
        }
    }
    FinishEntryTexts(Info, discTitle);
    if (!numbersRead) return -4;
    for (const bool set : markers)
        if (!set) return -4;
    return 0;
}
