#include "platform/rtl/DateTimeFormat.h"

#include <cctype>
#include <cmath>

namespace date_time_format_detail {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[at + i]) != prefix[i]) return false;
    return true;
}

// How many times `c` repeats (ignoring case) from `at`.
std::size_t RunLength(std::string_view text, std::size_t at, char c) {
    std::size_t n = 0;
    while (at + n < text.size() && Lower(text[at + n]) == c)
        ++n;
    return n;
}

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

class TDateTimeWriter {
public:
    TDateTimeWriter(TDateTime value, const TFormatSettings& settings) : FValue(value), FSettings(settings) {
        DecodeDateTime(value, FYear, FMonth, FDay, FHour, FMinute, FSecond, FMillisecond);
    }

    void Write(std::string_view format, int depth);
    std::string Result() { return std::move(FOut); }

private:
    // Whether an am/pm token follows `from`, which switches hours to the 12-hour clock.
    static bool TwelveHourAhead(std::string_view format, std::size_t from);
    void WriteAmPm(std::string_view format, std::size_t& i);

    TDateTime FValue;
    const TFormatSettings& FSettings;
    std::uint16_t FYear, FMonth, FDay, FHour, FMinute, FSecond, FMillisecond;
    bool FAfterHour = false;
    bool FTwelveHour = false;
    std::string FOut;
};

bool TDateTimeWriter::TwelveHourAhead(std::string_view format, std::size_t from) {
    char quote = 0;
    for (std::size_t i = from; i < format.size(); ++i) {
        const char c = format[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                   StartsWithNoCase(format, i, "ampm")) {
            return true;
        } else if (Lower(c) == 'h') {
            return false; // the next hour token decides for itself
        }
    }
    return false;
}

void TDateTimeWriter::WriteAmPm(std::string_view format, std::size_t& i) {
    const bool pm = FHour >= 12;
    if (StartsWithNoCase(format, i, "am/pm")) {
        // Shown in the case the picture uses for its first letter.
        const bool upper = std::isupper(static_cast<unsigned char>(format[i])) != 0;
        FOut += pm ? (upper ? "PM" : "pm") : (upper ? "AM" : "am");
        i += 5;
    } else if (StartsWithNoCase(format, i, "a/p")) {
        const bool upper = std::isupper(static_cast<unsigned char>(format[i])) != 0;
        FOut += pm ? (upper ? 'P' : 'p') : (upper ? 'A' : 'a');
        i += 3;
    } else {
        FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
        i += 4;
    }
}

void TDateTimeWriter::Write(std::string_view format, int depth) {
    if (depth > 2) return; // nested formats never go deeper; stop a picture that names itself
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char lc = Lower(c);
        if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            FOut.append(format.substr(i + 1, end - i - 1));
            i = end == format.size() ? end : end + 1;
            continue;
        }
        if (lc == 'a' && (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                          StartsWithNoCase(format, i, "ampm"))) {
            WriteAmPm(format, i);
            continue;
        }
        const std::size_t run = RunLength(format, i, lc);
        switch (lc) {
        case 'c':
            Write(FSettings.ShortDateFormat, depth + 1);
            if (FHour || FMinute || FSecond || FMillisecond) {
                FOut += ' ';
                Write(FSettings.LongTimeFormat, depth + 1);
            }
            i += 1;
            FAfterHour = false;
            continue;
        case 'd':
            if (run >= 6) {
                Write(FSettings.LongDateFormat, depth + 1);
                i += 6;
            } else if (run == 5) {
                Write(FSettings.ShortDateFormat, depth + 1);
                i += 5;
            } else if (run == 4) {
                FOut += FSettings.LongDayNames[static_cast<std::size_t>(DayOfWeek(FValue) - 1)];
                i += 4;
            } else if (run == 3) {
                FOut += FSettings.ShortDayNames[static_cast<std::size_t>(DayOfWeek(FValue) - 1)];
                i += 3;
            } else {
                FOut += Padded(FDay, static_cast<int>(run));
                i += run;
            }
            FAfterHour = false;
            continue;
        case 'm': {
            if (FAfterHour && run <= 2) {
                FOut += Padded(FMinute, static_cast<int>(run));
            } else if (run >= 4) {
                FOut += FSettings.LongMonthNames[static_cast<std::size_t>(FMonth ? FMonth - 1 : 0)];
            } else if (run == 3) {
                FOut += FSettings.ShortMonthNames[static_cast<std::size_t>(FMonth ? FMonth - 1 : 0)];
            } else {
                FOut += Padded(FMonth, static_cast<int>(run));
            }
            i += run >= 4 ? 4 : run;
            FAfterHour = false;
            continue;
        }
        case 'y':
            if (run <= 2) {
                FOut += Padded(FYear % 100, 2);
            } else {
                FOut += Padded(FYear, 4);
            }
            i += run >= 4 ? 4 : run;
            FAfterHour = false;
            continue;
        case 'h': {
            const std::size_t width = run >= 2 ? 2 : 1;
            int hour = FHour;
            if (TwelveHourAhead(format, i + width)) {
                hour %= 12;
                if (hour == 0) hour = 12;
            }
            FOut += Padded(hour, static_cast<int>(width));
            i += width;
            FAfterHour = true;
            continue;
        }
        case 'n':
            FOut += Padded(FMinute, run >= 2 ? 2 : 1);
            i += run >= 2 ? 2 : 1;
            FAfterHour = false;
            continue;
        case 's':
            FOut += Padded(FSecond, run >= 2 ? 2 : 1);
            i += run >= 2 ? 2 : 1;
            FAfterHour = false;
            continue;
        case 'z':
            FOut += Padded(FMillisecond, run >= 3 ? 3 : 1);
            i += run >= 3 ? 3 : 1;
            FAfterHour = false;
            continue;
        case 't':
            Write(run >= 2 ? FSettings.LongTimeFormat : FSettings.ShortTimeFormat, depth + 1);
            i += run >= 2 ? 2 : 1;
            FAfterHour = false;
            continue;
        case '/':
            FOut += FSettings.DateSeparator;
            ++i;
            continue;
        case ':':
            FOut += FSettings.TimeSeparator;
            ++i;
            continue;
        default:
            FOut += c;
            ++i;
        }
    }
}

} // namespace date_time_format_detail

std::string FormatDateTime(std::string_view format, TDateTime value) {
    return FormatDateTime(format, value, FormatSettings);
}

std::string FormatDateTime(std::string_view format, TDateTime value, const TFormatSettings& settings) {
    date_time_format_detail::TDateTimeWriter writer(value, settings);
    writer.Write(format.empty() ? std::string_view("c") : format, 0);
    return writer.Result();
}
