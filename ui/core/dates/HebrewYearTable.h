// The Hebrew calendar's year table for the Gregorian years 1583..2239, worked out on first use from the
// calendar's arithmetic (the mean new moon of Tishrei and the four postponement rules): for each year G,
// where 1 January G falls in the Hebrew year G + 3760, and that year's type.
#pragma once

#include <array>
#include <cstdint>

constexpr int uiHebrewTableFirstYear = 1583;
constexpr int uiHebrewTableLastYear = 2239;
constexpr int uiHebrewTableYears = uiHebrewTableLastYear - uiHebrewTableFirstYear + 1; // 657

// Two values per year G at 2 x (G - 1583) and the next:
// 1. the Hebrew date of 1 January G: 1..29 that day of Tevet (month 4); 30 day 30 and 33 day 29 of
//    Kislev (month 3); 0, 31, 32 days 1, 2, 3 of Shevat (month 5);
// 2. the type of the Hebrew year G + 3760: 1 deficient, 2 regular, 3 complete, plus 3 in a leap year.
using TuiHebrewYearTable = std::array<std::int32_t, 2 * uiHebrewTableYears>;
const TuiHebrewYearTable& uiHebrewYearTable();

// Days of each month (1..13) by row: 1..3 the common years of type 1..3, 4..6 the leap years.
extern const std::int32_t uiHebrewMonthDays[7][14];
