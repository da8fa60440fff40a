// Date and time formats as lists of typed items, and what the masked date editors build from them:
// standard edit masks, regular-expression masks and display formats; the currency format; and one-line
// accessors for the class library's current format settings.
#pragma once

#include "platform/rtl/Locale.h"
#include "ui/core/base/CoreClasses.h"

#include <array>
#include <cstdint>
#include <string>

// The kinds of format items.
enum TuiDateTimeFormatItemKind : std::uint8_t {
    dtikLiteral = 0,       // the literal characters
    dtikYear = 1,          // "YY" or "YYYY"
    dtikMonth = 2,         // "M" .. "MMMM"
    dtikDay = 3,           // "D" .. "DDDD" (three or four letters: day names)
    dtikHour = 4,          // "H" or "HH", prefixed by "12" or "24" once parsed
    dtikMinute = 5,        // "N" or "NN"
    dtikSecond = 6,        // "S" or "SS"
    dtikMillisecond = 7,   // "Z" .. "ZZZ"
    dtikTimeMarker = 8,    // "AM/PM", "A/P" (as written) or "AMPM"
    dtikDateSeparator = 9, // empty
    dtikTimeSeparator = 10 // empty
};

class TuiDateTimeFormatItem : public TObject {
public:
    TuiDateTimeFormatItem(std::uint8_t AKind, std::string AData) : FData(std::move(AData)), FKind(AKind) {}
    const std::string& Data() const { return FData; }
    void SetData(const std::string& AValue) { FData = AValue; }
    std::uint8_t Kind() const { return FKind; }

private:
    std::string FData;
    std::uint8_t FKind;
};

class TuiDateTimeFormatInfo : public TObject {
public:
    // Removes the items and resets every defined flag.
    void Clear();
    int Count() const { return FItems.Count(); }
    TuiDateTimeFormatItem* Items(int AIndex) const {
        return static_cast<TuiDateTimeFormatItem*>(FItems.Items(AIndex));
    }
    bool Defined(int AKind) const { return AKind >= 0 && AKind <= dtikTimeSeparator && FDefined[AKind]; }
    // Literals and separators are always added (literal text joins a literal last item); every other kind
    // only the first time, which sets its flag.
    void AddItem(int AKind, const std::string& AData);
    // Frees the item; its kind is no longer defined.
    void DeleteItem(int AIndex);

private:
    TuiObjectList FItems;
    std::array<bool, dtikTimeSeparator + 1> FDefined{};
};

// Fills AInfo from a format of the class library ("C" when empty); a format it cannot take (one with an
// era, "g") leaves AInfo empty.
void uiParseDateTimeFormat(const std::string& AFormat, TuiDateTimeFormatInfo* AInfo);
// The thread locale's time format with its AM/PM pictures as the class library writes them.
std::string uiGetTimeFormat();

// Mask kinds of the masks below.
constexpr int uiMaskKindDate = 0;
constexpr int uiMaskKindTime = 1;
constexpr int uiMaskKindDateTime = 2;
// The standard edit mask of a format; empty for an info without items.
std::string uiGetStandardMask(const TuiDateTimeFormatInfo* AInfo, int AMaskKind);
// The regular-expression mask of a format.
std::string uiGetRegExprMask(const TuiDateTimeFormatInfo* AInfo, int AMaskKind);
// The display format (a class-library format) of a format.
std::string uiGetDisplayFormat(const TuiDateTimeFormatInfo* AInfo);
// The currency format of the class library's settings: positive part ";" negative part.
std::string uiGetCurrencyFormatText();
// The short date format with every single "d" and "M" doubled.
std::string uiGetDateEditFormat();

// The class library's current settings; the locale is not consulted.
int uiGetCurrencyDecimals(LCID ALocale = LOCALE_USER_DEFAULT);
int uiGetCurrencyFormat(LCID ALocale = LOCALE_USER_DEFAULT);
int uiGetNegCurrFormat(LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetCurrencyString(LCID ALocale = LOCALE_USER_DEFAULT);
char uiGetDateSeparator(LCID ALocale = LOCALE_USER_DEFAULT);
char uiGetTimeSeparator(LCID ALocale = LOCALE_USER_DEFAULT);
char uiGetDecimalSeparator(LCID ALocale = LOCALE_USER_DEFAULT);
char uiGetListSeparator(LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetShortDateFormat(LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetLongDateFormat(LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetShortTimeFormat(LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetTimeAMString(LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetTimePMString(LCID ALocale = LOCALE_USER_DEFAULT);
// AMonth 1..12.
std::string uiGetShortMonthName(int AMonth, LCID ALocale = LOCALE_USER_DEFAULT);
std::string uiGetLongMonthName(int AMonth, LCID ALocale = LOCALE_USER_DEFAULT);
// ADay 1..7, 1 = Sunday.
std::string uiGetShortDayName(int ADay, LCID ALocale = LOCALE_USER_DEFAULT);
