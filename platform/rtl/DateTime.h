// Dates and times as the class library keeps them: a TDateTime counts days since 1899-12-30 00:00, its
// fraction being the time of day. Before that day the integer part counts backwards while the fraction
// still counts forwards through the day: -1.25 is 1899-12-29 06:00, not 1899-12-28 18:00.
#pragma once

#include <cstdint>

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = 24 * 60;
constexpr int SecsPerDay = 24 * 60 * 60;
constexpr int MSecsPerDay = 24 * 60 * 60 * 1000;
constexpr int DateDelta = 693594; // days from 0001-01-01 to 1899-12-30

bool IsLeapYear(int year);
// Days in `month` (1..12) of `year`; 0 for a month outside 1..12.
int DaysInAMonth(int year, int month);
// Days in the month that `value` falls in.
int DaysInMonth(TDateTime value);

// Years 1..9999. The Try forms return false for an invalid date or time; the others raise
// EConvertError "Invalid argument to date encode" / "Invalid argument to time encode".
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value);
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
// A date plus a time of day, following the negative-date convention.
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond);

// Decoding rounds to the nearest millisecond; a time that rounds up to midnight belongs to the next day,
// so the date and time parts of one value always agree.
void DecodeDate(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);
void DecodeTime(TDateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond);
void DecodeDateTime(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                    std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                    std::uint16_t& millisecond);

// 1 = Sunday … 7 = Saturday.
int DayOfWeek(TDateTime value);

// The present moment, in local time, from the current clock (see Clock.h).
TDateTime Now();
TDateTime Date();
TDateTime Time();
