// The entries of the bookmark and region lists: each list item carries one record as its data, made
// from the editor's marker when the bookmark or region was added. The item shows the record's name as
// its caption and its texts as sub-items, the marker's number last (no column shows it).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What both kinds share: the name shown and the number of the editor's marker.
struct TMarkerRecord {
    virtual ~TMarkerRecord() = default;
    std::string Name;
    int Index = 0; // the marker's number in the editor (1..count)
    // The sub-items of the record's list item, in column order, the marker's number last.
    virtual std::vector<std::string> SubItemTexts() const = 0;
    // A copy of the record.
    virtual std::unique_ptr<TMarkerRecord> Clone() const = 0;
};

struct TRegion : TMarkerRecord {
    std::string RangeText; // "start-end" as time texts
    std::string FileName;  // the document's file name without its folder, when the region was made
    std::int64_t StartSample = 0;
    std::int64_t EndSample = 0;
    std::vector<std::string> SubItemTexts() const override;
    std::unique_ptr<TMarkerRecord> Clone() const override;
};

struct TBookmark : TMarkerRecord {
    std::string PositionText; // time text of the position
    std::int64_t Position = 0;
    std::vector<std::string> SubItemTexts() const override;
    std::unique_ptr<TMarkerRecord> Clone() const override;
};

// The time text of a marker's time in milliseconds ("0:01:02.500").
std::string MarkerTimeText(std::int64_t Ms);

// A region's record from its marker (position and length in samples, its number), the document's path,
// and the marker's start and end in milliseconds.
TRegion MakeRegionRecord(const std::string& Name, std::int64_t Position, std::int64_t Length, int Number,
                         const std::string& DocumentPath, std::int64_t StartMs, std::int64_t EndMs);
// A bookmark's record from its marker's position (samples), its number and the position in milliseconds.
TBookmark MakeBookmarkRecord(const std::string& Name, std::int64_t Position, int Number, std::int64_t Ms);
