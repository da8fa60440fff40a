// The display format of the date and time picker: the format string split into fields ("HH", "mm",
// "MMMM", 'quoted text' …), the text of a value in that format, and the field arithmetic the picker's
// keys and arrows use. Letters as the date picker knows them: d dd ddd dddd (day, weekday), M MM MMM MMMM
// (month), y yy yyyy (year), h hh (12-hour), H HH (24-hour), m mm (minute), s ss (second), t tt (AM/PM).
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class TPickerFieldKind { Literal, Day, WeekDay, Month, Year, Hour12, Hour24, Minute, Second, AmPm };

struct TPickerField {
    TPickerFieldKind Kind = TPickerFieldKind::Literal;
    int Letters = 0;  // how many format letters ("MMM" is 3)
    std::string Text; // the literal text
    bool Editable() const { return Kind != TPickerFieldKind::Literal && Kind != TPickerFieldKind::WeekDay; }
};

// A moment split into its parts.
struct TPickerParts {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

std::vector<TPickerField> ParsePickerFormat(std::string_view Format);
std::string PickerFieldText(const TPickerField& Field, const TPickerParts& Parts);
// Steps a field by Delta, wrapping inside its range without carrying into the next field (a day past
// the month's end is pulled back when the month or year changes).
void StepPickerField(TPickerFieldKind Kind, int Delta, TPickerParts& Parts);
// Sets a field from a typed number; false (nothing changes) when the number does not fit the field.
bool SetPickerField(TPickerFieldKind Kind, int Value, TPickerParts& Parts);
// The most digits a field takes when typed.
int PickerFieldDigits(const TPickerField& Field);
