// Time texts as the user types them into the selection, silence and position fields, and the
// hours:minutes:seconds.milliseconds form shown by the position labels and marker lists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TTimeParts {
    int Hours = 0;
    int Minutes = 0;
    int Seconds = 0;
    int Milliseconds = 0;
    friend bool operator==(const TTimeParts&, const TTimeParts&) = default;
};

// Milliseconds of a typed time, or -1 when the text has none of the accepted forms
// (h:m:s.ms, m:s.ms, s.ms, s, m:s, h:m:s; the part after "." counts whole milliseconds).
// A time that does not fit a 32-bit count of milliseconds is refused as well.
int ParseTimeText(std::string_view text);

// hours * 3600000 + minutes * 60000 + seconds * 1000 + milliseconds, no part limited to its usual
// range. Computed in 64 bits so that the caller can see an overflow instead of a wrapped value.
std::int64_t ComposeMilliseconds(std::int64_t hours, std::int64_t minutes, std::int64_t seconds,
                                 std::int64_t milliseconds);

// The four parts of a millisecond count (division truncates toward zero; hours are not limited).
TTimeParts SplitMilliseconds(int ms);

// "H:MM:SS.mmm", e.g. 3723004 gives "1:02:03.004" and 0 gives "0:00:00.000".
std::string FormatTime(int ms);

// The parts between separators, in order; n separators give n + 1 parts, empty parts included.
std::vector<std::string> SplitText(std::string_view text, char separator);

// How many times `part` occurs in `text`, each search starting one character after the previous match.
int CountOccurrences(std::string_view text, std::string_view part);
