#include "platform/rtl/LocaleData.h"

#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace locale_data_detail {

TLocaleDefinition MakeEnglishUS() {
    TLocaleDefinition l;
    l.Id = kEnglishUSLocale;
    l.DayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    l.AbbrevDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    l.ShortestDayNames = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    l.MonthNames = {"January", "February", "March",     "April",   "May",      "June",
                    "July",    "August",   "September", "October", "November", "December"};
    l.AbbrevMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    l.DateSeparator = "/";
    l.TimeSeparator = ":";
    l.ShortDate = "M/d/yyyy";
    l.LongDate = "dddd, MMMM d, yyyy";
    l.TimeFormat = "h:mm:ss tt";
    l.ShortTime = "h:mm tt";
    l.AMDesignator = "AM";
    l.PMDesignator = "PM";
    l.ListSeparator = ",";
    l.DecimalSeparator = ".";
    l.ThousandSeparator = ",";
    l.CurrencySymbol = "$";
    l.CurrencyDigits = 2;
    l.CurrencyFormat = 0;
    l.NegCurrencyFormat = 0;
    l.FirstDayOfWeek = 6;
    l.FirstWeekOfYear = 0;
    return l;
}

// Installed locales, en-US among them. Installing and removing belong to the GUI thread; any thread
// may read.
std::map<LCID, std::unique_ptr<TLocaleDefinition>>& Locales() {
    static std::map<LCID, std::unique_ptr<TLocaleDefinition>> locales = [] {
        std::map<LCID, std::unique_ptr<TLocaleDefinition>> m;
        m.emplace(kEnglishUSLocale, std::make_unique<TLocaleDefinition>(MakeEnglishUS()));
        return m;
    }();
    return locales;
}

std::atomic<LCID> UserDefault{kEnglishUSLocale};
// 0 while the thread follows the user's default.
thread_local LCID ThreadLocale = 0;

TCalendarDateConverter& Converter() {
    static TCalendarDateConverter converter;
    return converter;
}

LCID Resolve(LCID ALocale) {
    if (ALocale == LOCALE_USER_DEFAULT || ALocale == LOCALE_NEUTRAL) return UserDefault.load();
    if (ALocale == LOCALE_SYSTEM_DEFAULT) return kEnglishUSLocale;
    return ALocale;
}

} // namespace locale_data_detail

const TLocaleDefinition& EnglishUSLocale() {
    return *locale_data_detail::Locales().at(kEnglishUSLocale);
}

void InstallLocale(const TLocaleDefinition& ALocale) {
    locale_data_detail::Locales()[ALocale.Id] = std::make_unique<TLocaleDefinition>(ALocale);
}

void RemoveLocale(LCID ALocale) {
    if (ALocale == kEnglishUSLocale) return;
    locale_data_detail::Locales().erase(ALocale);
}

const TLocaleDefinition* FindLocale(LCID ALocale) {
    auto& locales = locale_data_detail::Locales();
    const auto it = locales.find(locale_data_detail::Resolve(ALocale));
    return it == locales.end() ? nullptr : it->second.get();
}

bool SetUserDefaultLocale(LCID ALocale) {
    const TLocaleDefinition* locale = FindLocale(ALocale);
    if (locale == nullptr) return false;
    locale_data_detail::UserDefault = locale->Id;
    return true;
}

int CopyLocaleText(const std::string& AText, char* ABuffer, int ASize) {
    const int needed = static_cast<int>(AText.size()) + 1;
    if (ASize == 0) return needed;
    if (ABuffer == nullptr || ASize < needed) return 0;
    std::memcpy(ABuffer, AText.c_str(), static_cast<std::size_t>(needed));
    return needed;
}

bool ReadLocaleText(LCID ALocale, LCTYPE AType, std::string& AText) {
    const int size = GetLocaleInfoA(ALocale, AType, nullptr, 0);
    if (size <= 0) return false;
    std::string text(static_cast<std::size_t>(size), '\0');
    const int written = GetLocaleInfoA(ALocale, AType, text.data(), size);
    if (written <= 0) return false;
    text.resize(static_cast<std::size_t>(written - 1));
    AText = std::move(text);
    return true;
}

LCID GetUserDefaultLCID() {
    return locale_data_detail::UserDefault.load();
}

LCID GetSystemDefaultLCID() {
    return kEnglishUSLocale;
}

LCID GetThreadLocale() {
    const LCID own = locale_data_detail::ThreadLocale;
    return own != 0 ? own : GetUserDefaultLCID();
}

BOOL SetThreadLocale(LCID Locale) {
    const TLocaleDefinition* locale = FindLocale(Locale);
    if (locale == nullptr) return FALSE;
    locale_data_detail::ThreadLocale = locale->Id;
    return TRUE;
}

TCalendarDateConverter SetCalendarDateConverter(TCalendarDateConverter AConverter) {
    return std::exchange(locale_data_detail::Converter(), std::move(AConverter));
}

TCalendarDate CalendarDateOf(CALID ACalendar, TDateTime ADate) {
    TCalendarDate result;
    const TCalendarDateConverter& converter = locale_data_detail::Converter();
    if (ACalendar != CAL_GREGORIAN && converter && converter(ACalendar, ADate, result)) {
        result.Calendar = ACalendar;
        return result;
    }
    std::uint16_t year, month, day;
    DecodeDate(ADate, year, month, day);
    return {0, year, month, day, 12, CAL_GREGORIAN};
}

TLocaleOverride::TLocaleOverride(const TLocaleDefinition& ALocale)
    : FId(ALocale.Id), FPreviousUser(GetUserDefaultLCID()),
      FPreviousThread(locale_data_detail::ThreadLocale) {
    if (const TLocaleDefinition* replaced = FindLocale(FId)) FReplaced.push_back(*replaced);
    InstallLocale(ALocale);
    SetUserDefaultLocale(FId);
    SetThreadLocale(FId);
}

TLocaleOverride::~TLocaleOverride() {
    locale_data_detail::UserDefault = FPreviousUser;
    locale_data_detail::ThreadLocale = FPreviousThread;
    if (FReplaced.empty())
        RemoveLocale(FId);
    else
        InstallLocale(FReplaced.front());
}
