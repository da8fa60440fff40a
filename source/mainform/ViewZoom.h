// The zoom arithmetic of the view commands, in sample frames and percent.
#pragma once

#include <cstdint>

struct TViewRange {
    std::int64_t Start = 0;
    std::int64_t End = 0;
    friend bool operator==(const TViewRange&, const TViewRange&) = default;
};

// The range halved around the cursor: each end moves half its distance towards it (integer halves,
// truncated toward zero).
TViewRange ZoomInAround(std::int64_t Start, std::int64_t End, std::int64_t Cursor);

// The vertical zoom after one Vertical Zoom In (ZoomIn) or Out: 20 percent less or more, kept between
// 20 and 1000 percent, where the waveform is still more than a flat line or a filled band.
int NextVerticalZoom(int Percent, bool ZoomIn);

// The view after the document's length changed from OldLength to NewLength (the view already follows
// the edit): kept where it still shows part of the document, the whole document where it showed all of
// the old one or shows nothing now.
TViewRange ViewAfterLengthChange(TViewRange View, std::int64_t OldLength, std::int64_t NewLength);

// The view's scroll bar: positions over 0..ViewBarRange - 1, its page the view's share of the document.
inline constexpr int ViewBarRange = 65536;
struct TViewBar {
    int Position = 0;
    int PageSize = ViewBarRange;
    friend bool operator==(const TViewBar&, const TViewBar&) = default;
};
TViewBar ViewBarFor(TViewRange View, std::int64_t Length);
// The view with its span kept, moved to where the bar's position puts it.
TViewRange ViewAtBar(int Position, TViewRange View, std::int64_t Length);
