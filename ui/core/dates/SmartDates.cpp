#include "ui/core/dates/SmartDates.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "ui/core/base/LibraryStrings.h"
#include "ui/core/dates/DateUtils.h"

#include <algorithm>
#include <array>

namespace smart_dates_detail {

constexpr int kWordCount = 20;
constexpr int kNow = 19;

// The words by meaning: 0 today, 1 yesterday, 2 tomorrow, 3..9 Sunday .. Saturday, 10..16 the days of
// this week, 17 bom, 18 eom, 19 now.
std::array<std::string, kWordCount> Words() {
    const TResStringRec* const records[kWordCount] = {
        &uiSDateToday,   &uiSDateYesterday, &uiSDateTomorrow, &uiSDateSunday, &uiSDateMonday,
        &uiSDateTuesday, &uiSDateWednesday, &uiSDateThursday, &uiSDateFriday, &uiSDateSaturday,
        &uiSDateFirst,   &uiSDateSecond,    &uiSDateThird,    &uiSDateFourth, &uiSDateFifth,
        &uiSDateSixth,   &uiSDateSeventh,   &uiSDateBOM,      &uiSDateEOM,    &uiSDateNow};
    std::array<std::string, kWordCount> words;
    for (int i = 0; i < kWordCount; ++i)
        words[i] = uiGetResourceString(*records[i]);
    return words;
}

TDateTime WordDate(int AIndex) {
    const TDateTime today = Date();
    std::uint16_t year, month, day;
    DecodeDate(today, year, month, day);
    if (AIndex == 0) return today;
    if (AIndex == 1) return today - 1;
    if (AIndex == 2) return today + 1;
    if (AIndex <= 9) {
        int offset = (AIndex - 2) - DayOfWeek(today);
        if (offset < 0) offset += 7;
        return today + offset;
    }
    if (AIndex <= 16) return today - uiDayOfWeekOffset(today) + (AIndex - 10);
    if (AIndex == 17) return EncodeDate(year, month, 1);
    if (AIndex == 18) return EncodeDate(year, month, uiDaysOfMonth(year, month));
    return Now();
}

} // namespace smart_dates_detail

bool uiSmartTextToDate(const std::string& AText, TDateTime& ADate) {
    using namespace smart_dates_detail;
    const std::array<std::string, kWordCount> words = Words();
    std::array<int, kWordCount> order;
    for (int i = 0; i < kWordCount; ++i)
        order[i] = i;
    // Longest first, so that no word is taken for a shorter one it starts with.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (words[a].size() != words[b].size()) return words[a].size() > words[b].size();
        return AnsiCompareText(words[a], words[b]) > 0;
    });
    const std::string text = Trim(AText);
    const auto found = std::find_if(order.begin(), order.end(), [&](int i) {
        return !words[i].empty() && text.size() >= words[i].size() &&
               AnsiSameText(std::string_view(text).substr(0, words[i].size()), words[i]);
    });
    if (found == order.end()) return false;
    const TDateTime date = WordDate(*found);
    const std::string rest = Trim(std::string_view(text).substr(words[*found].size()));
    if (rest.empty()) {
        ADate = date;
        return true;
    }
    if (rest[0] != '+' && rest[0] != '-') return false;
    try {
        const int count = StrToInt(Trim(std::string_view(rest).substr(1)));
        ADate = date + (rest[0] == '-' ? -count : count);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

void uiAddSmartWordsToRegExpr(std::string& AMask, bool AWithTime) {
    using namespace smart_dates_detail;
    const std::array<std::string, kWordCount> words = Words();
    std::string alternatives;
    for (int i = 0; i < kWordCount; ++i) {
        if (i == kNow && !AWithTime) continue;
        if (!alternatives.empty()) alternatives += '|';
        alternatives += uiQuoteRegExprText(words[i]);
    }
    AMask = "(" + AMask + ")|(" + alternatives + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

std::string uiQuoteRegExprText(const std::string& AText) {
    std::string result;
    bool open = false;
    for (const char c : AText) {
        if (c == '\'') {
            if (open) result += '\'';
            open = false;
            result += "\\'";
        } else {
            if (!open) result += '\'';
            open = true;
            result += c;
        }
    }
    if (open) result += '\'';
    return result;
}
