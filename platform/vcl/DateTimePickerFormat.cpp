#include "platform/vcl/DateTimePickerFormat.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

#include <algorithm>
#include <cstdio>

namespace datetimepickerformat_detail {

std::string Padded(int Value, int Width) {
    std::string text = std::to_string(Value);
    while (static_cast<int>(text.size()) < Width)
        text.insert(text.begin(), '0');
    return text;
}

int Wrap(int Value, int Low, int High) {
    const int span = High - Low + 1;
    return Low + ((Value - Low) % span + span) % span;
}

void ClampDay(TPickerParts& Parts) {
    Parts.Day = std::min(Parts.Day, DaysInAMonth(Parts.Year, Parts.Month));
}

} // namespace datetimepickerformat_detail

std::vector<TPickerField> ParsePickerFormat(std::string_view Format) {
    std::vector<TPickerField> fields;
    auto literal = [&](std::string_view Text) {
        if (Text.empty()) return;
        if (!fields.empty() && fields.back().Kind == TPickerFieldKind::Literal)
            fields.back().Text += Text;
        else
            fields.push_back(TPickerField{TPickerFieldKind::Literal, 0, std::string(Text)});
    };
    std::size_t i = 0;
    while (i < Format.size()) {
        const char c = Format[i];
        if (c == '\'') {
            // Quoted text is shown as it stands; two quotes stand for one, inside quotes or out.
            std::string text;
            std::size_t j = i + 1;
            while (j < Format.size()) {
                if (Format[j] == '\'') {
                    if (j + 1 < Format.size() && Format[j + 1] == '\'') {
                        text += '\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += Format[j++];
            }
            if (j == i + 1 && j < Format.size()) text = "'"; // '' outside quotes
            literal(text);
            i = j + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < Format.size() && Format[i + run] == c)
            ++run;
        const int letters = static_cast<int>(run);
        TPickerFieldKind kind = TPickerFieldKind::Literal;
        switch (c) {
        case 'd':
            kind = letters >= 3 ? TPickerFieldKind::WeekDay : TPickerFieldKind::Day;
            break;
        case 'M':
            kind = TPickerFieldKind::Month;
            break;
        case 'y':
            kind = TPickerFieldKind::Year;
            break;
        case 'h':
            kind = TPickerFieldKind::Hour12;
            break;
        case 'H':
            kind = TPickerFieldKind::Hour24;
            break;
        case 'm':
            kind = TPickerFieldKind::Minute;
            break;
        case 's':
            kind = TPickerFieldKind::Second;
            break;
        case 't':
            kind = TPickerFieldKind::AmPm;
            break;
        default:
            break;
        }
        if (kind == TPickerFieldKind::Literal)
            literal(Format.substr(i, run));
        else
            fields.push_back(TPickerField{kind, std::min(letters, 4), {}});
        i += run;
    }
    return fields;
}

std::string PickerFieldText(const TPickerField& Field, const TPickerParts& Parts) {
    using namespace datetimepickerformat_detail;
    const bool two = Field.Letters >= 2;
    switch (Field.Kind) {
    case TPickerFieldKind::Literal:
        return Field.Text;
    case TPickerFieldKind::Day:
        return Padded(Parts.Day, two ? 2 : 1);
    case TPickerFieldKind::WeekDay: {
        TDateTime date = 0;
        if (!TryEncodeDate(Parts.Year, Parts.Month, Parts.Day, date)) return {};
        const int day = DayOfWeek(date) - 1;
        return Field.Letters >= 4 ? FormatSettings.LongDayNames[day] : FormatSettings.ShortDayNames[day];
    }
    case TPickerFieldKind::Month:
        if (Field.Letters >= 4) return FormatSettings.LongMonthNames[Parts.Month - 1];
        if (Field.Letters == 3) return FormatSettings.ShortMonthNames[Parts.Month - 1];
        return Padded(Parts.Month, two ? 2 : 1);
    case TPickerFieldKind::Year:
        if (Field.Letters <= 2) return Padded(Parts.Year % 100, Field.Letters == 2 ? 2 : 1);
        return Padded(Parts.Year, 4);
    case TPickerFieldKind::Hour12: {
        const int hour = Parts.Hour % 12 == 0 ? 12 : Parts.Hour % 12;
        return Padded(hour, two ? 2 : 1);
    }
    case TPickerFieldKind::Hour24:
        return Padded(Parts.Hour, two ? 2 : 1);
    case TPickerFieldKind::Minute:
        return Padded(Parts.Minute, two ? 2 : 1);
    case TPickerFieldKind::Second:
        return Padded(Parts.Second, two ? 2 : 1);
    case TPickerFieldKind::AmPm: {
        const std::string& text = Parts.Hour < 12 ? FormatSettings.TimeAMString : FormatSettings.TimePMString;
        return two ? text : text.substr(0, 1);
    }
    }
    return {};
}

void StepPickerField(TPickerFieldKind Kind, int Delta, TPickerParts& Parts) {
    using namespace datetimepickerformat_detail;
    switch (Kind) {
    case TPickerFieldKind::Day:
        Parts.Day = Wrap(Parts.Day + Delta, 1, DaysInAMonth(Parts.Year, Parts.Month));
        break;
    case TPickerFieldKind::Month:
        Parts.Month = Wrap(Parts.Month + Delta, 1, 12);
        ClampDay(Parts);
        break;
    case TPickerFieldKind::Year:
        Parts.Year = std::clamp(Parts.Year + Delta, 1, 9999);
        ClampDay(Parts);
        break;
    case TPickerFieldKind::Hour12:
    case TPickerFieldKind::Hour24:
        Parts.Hour = Wrap(Parts.Hour + Delta, 0, 23);
        break;
    case TPickerFieldKind::Minute:
        Parts.Minute = Wrap(Parts.Minute + Delta, 0, 59);
        break;
    case TPickerFieldKind::Second:
        Parts.Second = Wrap(Parts.Second + Delta, 0, 59);
        break;
    case TPickerFieldKind::AmPm:
        Parts.Hour = (Parts.Hour + 12) % 24;
        break;
    default:
        break;
    }
}

bool SetPickerField(TPickerFieldKind Kind, int Value, TPickerParts& Parts) {
    using namespace datetimepickerformat_detail;
    switch (Kind) {
    case TPickerFieldKind::Day:
        if (Value < 1 || Value > DaysInAMonth(Parts.Year, Parts.Month)) return false;
        Parts.Day = Value;
        return true;
    case TPickerFieldKind::Month:
        if (Value < 1 || Value > 12) return false;
        Parts.Month = Value;
        ClampDay(Parts);
        return true;
    case TPickerFieldKind::Year:
        if (Value < 1 || Value > 9999) return false;
        Parts.Year = Value;
        ClampDay(Parts);
        return true;
    case TPickerFieldKind::Hour12:
        if (Value < 1 || Value > 12) return false;
        Parts.Hour = (Value % 12) + (Parts.Hour >= 12 ? 12 : 0);
        return true;
    case TPickerFieldKind::Hour24:
        if (Value < 0 || Value > 23) return false;
        Parts.Hour = Value;
        return true;
    case TPickerFieldKind::Minute:
        if (Value < 0 || Value > 59) return false;
        Parts.Minute = Value;
        return true;
    case TPickerFieldKind::Second:
        if (Value < 0 || Value > 59) return false;
        Parts.Second = Value;
        return true;
    default:
        return false;
    }
}

int PickerFieldDigits(const TPickerField& Field) {
    switch (Field.Kind) {
    case TPickerFieldKind::Year:
        return Field.Letters <= 2 ? 2 : 4;
    case TPickerFieldKind::Day:
    case TPickerFieldKind::Month:
    case TPickerFieldKind::Hour12:
    case TPickerFieldKind::Hour24:
    case TPickerFieldKind::Minute:
    case TPickerFieldKind::Second:
        return 2;
    default:
        return 0;
    }
}
