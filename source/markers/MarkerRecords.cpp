#include "source/markers/MarkerRecords.h"

#include "platform/rtl/FileNames.h"
#include "source/TimeText.h"

#include <algorithm>
#include <cstdint>

std::string MarkerTimeText(std::int64_t Ms) {
    // Time texts count milliseconds in an int; a longer time shows as the longest one.
    return FormatTime(static_cast<int>(std::clamp<std::int64_t>(Ms, 0, INT32_MAX)));
}

std::vector<std::string> TRegion::SubItemTexts() const {
    return {RangeText, FileName, std::to_string(Index)};
}

std::unique_ptr<TMarkerRecord> TRegion::Clone() const {
    return std::make_unique<TRegion>(*this);
}

std::vector<std::string> TBookmark::SubItemTexts() const {
    return {PositionText, std::to_string(Index)};
}

std::unique_ptr<TMarkerRecord> TBookmark::Clone() const {
    return std::make_unique<TBookmark>(*this);
}

TRegion MakeRegionRecord(const std::string& Name, std::int64_t Position, std::int64_t Length, int Number,
                         const std::string& DocumentPath, std::int64_t StartMs, std::int64_t EndMs) {
    TRegion region;
    region.Name = Name;
    region.Index = Number;
    region.StartSample = Position;
    region.EndSample = Position + Length;
    region.FileName = ExtractFileName(DocumentPath);
    region.RangeText = MarkerTimeText(StartMs) + "-" + MarkerTimeText(EndMs);
    return region;
}

TBookmark MakeBookmarkRecord(const std::string& Name, std::int64_t Position, int Number, std::int64_t Ms) {
    TBookmark bookmark;
    bookmark.Name = Name;
    bookmark.Index = Number;
    bookmark.Position = Position;
    bookmark.PositionText = MarkerTimeText(Ms);
    return bookmark;
}
