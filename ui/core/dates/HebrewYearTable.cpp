#include "ui/core/dates/HebrewYearTable.h"

#include "platform/rtl/DateTime.h"

#include <stdexcept>

const std::int32_t uiHebrewMonthDays[7][14] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 30, 29, 29, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {0, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {0, 30, 30, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {0, 30, 29, 29, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {0, 30, 29, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {0, 30, 30, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
};

namespace hebrew_year_table_detail {

// Day numbers count 0001-01-01 of the proleptic Gregorian calendar as day 1; 1 Tishrei of year 1 is
// day -1373427.
constexpr long long kEpoch = -1373427;

bool IsLeapYear(long long AYear) {
    return (7 * AYear + 1) % 19 < 7;
}

// Days from the epoch to the day of the mean new moon of Tishrei of AYear, postponed when that new moon
// falls on a Sunday, Wednesday or Friday.
long long ElapsedDays(long long AYear) {
    const long long months = (235 * AYear - 234) / 19;
    const long long parts = 12084 + 13753 * months; // parts of an hour (1080 to the hour) since the epoch
    const long long days = 29 * months + parts / 25920;
    return (3 * (days + 1)) % 7 < 3 ? days + 1 : days;
}

// The remaining postponements keep every year at 353..355 or 383..385 days.
long long Correction(long long AYear) {
    const long long before = ElapsedDays(AYear - 1), now = ElapsedDays(AYear), after = ElapsedDays(AYear + 1);
    if (after - now == 356) return 2;
    if (now - before == 382) return 1;
    return 0;
}

long long NewYear(long long AYear) {
    return kEpoch + ElapsedDays(AYear) + Correction(AYear);
}

int YearType(long long AYear) {
    const long long length = NewYear(AYear + 1) - NewYear(AYear);
    const int type = static_cast<int>(length % 10 - 2); // 353/383 → 1, 354/384 → 2, 355/385 → 3
    return IsLeapYear(AYear) ? type + 3 : type;
}

std::int32_t JanuaryCode(int AGregorianYear, int AType) {
    const long long day = static_cast<long long>(EncodeDate(AGregorianYear, 1, 1)) + DateDelta;
    long long offset = day - NewYear(AGregorianYear + 3760);
    int month = 1;
    while (offset >= uiHebrewMonthDays[AType][month])
        offset -= uiHebrewMonthDays[AType][month++];
    const int dayOfMonth = static_cast<int>(offset) + 1;
    if (month == 4) return dayOfMonth;
    if (month == 3 && dayOfMonth == 30) return 30;
    if (month == 3 && dayOfMonth == 29) return 33;
    if (month == 5 && dayOfMonth <= 3) return dayOfMonth == 1 ? 0 : 29 + dayOfMonth;
    throw std::logic_error("1 January outside Kislev 29 .. Shevat 3");
}

TuiHebrewYearTable Compute() {
    TuiHebrewYearTable table{};
    for (int g = uiHebrewTableFirstYear; g <= uiHebrewTableLastYear; ++g) {
        const int type = YearType(g + 3760);
        table[2 * static_cast<std::size_t>(g - uiHebrewTableFirstYear)] = JanuaryCode(g, type);
        table[2 * static_cast<std::size_t>(g - uiHebrewTableFirstYear) + 1] = type;
    }
    return table;
}

} // namespace hebrew_year_table_detail

const TuiHebrewYearTable& uiHebrewYearTable() {
    static const TuiHebrewYearTable table = hebrew_year_table_detail::Compute();
    return table;
}
