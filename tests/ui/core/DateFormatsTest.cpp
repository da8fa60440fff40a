#include "UiCoreTestSupport.h"

#include "platform/rtl/LocaleData.h"
#include "platform/rtl/LocaleFormatSettings.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestLocales.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/base/LibraryStrings.h"
#include "ui/core/dates/DateTimeFormats.h"
#include "ui/core/dates/FormatController.h"

#include <string>
#include <utility>
#include <vector>

using namespace ui_core_test;

namespace date_formats_test {

using Items = std::vector<std::pair<int, std::string>>;

Items ParsedItems(const std::string& format) {
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat(format, &info);
    Items items;
    for (int i = 0; i < info.Count(); ++i)
        items.emplace_back(info.Items(i)->Kind(), info.Items(i)->Data());
    return items;
}

std::string StandardMask(const std::string& format, int kind) {
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat(format, &info);
    return uiGetStandardMask(&info, kind);
}

std::string RegExprMask(const std::string& format, int kind) {
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat(format, &info);
    return uiGetRegExprMask(&info, kind);
}

std::string DisplayFormat(const std::string& format) {
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat(format, &info);
    return uiGetDisplayFormat(&info);
}

// Keeps the class library's settings as they were.
class SettingsGuard {
public:
    ~SettingsGuard() { FormatSettings = FSaved; }

private:
    TFormatSettings FSaved = FormatSettings;
};

struct Listener : IuiFormatChangeListener {
    int formatChanges = 0;
    void FormatChanged() override { ++formatChanges; }
};

struct TimeListener : Listener, IuiTimeChangeListener {
    int timeChanges = 0;
    void TimeChanged() override { ++timeChanges; }
};

void BroadcastIntl() {
    static const char kIntl[] = "intl";
    SendMessage(HWND(LONG_PTR(0xFFFF)), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kIntl));
}

const std::string kMonthsPattern =
    "((0?[1-9]|1[012])|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|"
    "'Nov'|'Dec'))";
const std::string kDayPattern = "([012]?[1-9]|[123]0|31)";
const std::string kWordsNoNow =
    "('today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|"
    "'Friday'|'Saturday'|'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|"
    "'eom')";
const std::string kOffset = "((\\+|-)\\d(\\d(\\d\\d?)?)?)?";

class DateFormatsTest : public UiCoreTest {
protected:
    SettingsGuard settings;
};

} // namespace date_formats_test

using namespace date_formats_test;

TEST(DateFormats, ParsingFormatsIntoItems) {
    const SettingsGuard settings;
    struct Case {
        const char* format;
        Items items;
    };
    const Case cases[] = {
        {"d/M/yyyy h:nn AM/PM",
         {{3, "D"},
          {9, ""},
          {2, "M"},
          {9, ""},
          {1, "YYYY"},
          {0, " "},
          {4, "12H"},
          {10, ""},
          {5, "NN"},
          {0, " "},
          {8, "AM/PM"}}},
        {"hh:mm", {{4, "24HH"}, {10, ""}, {5, "NN"}}},
        {"mm/dd", {{2, "MM"}, {9, ""}, {3, "DD"}}},
        {"dd.MM.yyyy dd", {{3, "DD"}, {0, "."}, {2, "MM"}, {0, "."}, {1, "YYYY"}, {0, " "}}},
        {"dddd, mmmm d", {{3, "DDDD"}, {0, ", "}, {2, "MMMM"}, {0, " "}}},
        {"",
         {{2, "M"},
          {9, ""},
          {3, "D"},
          {9, ""},
          {1, "YYYY"},
          {0, " "},
          {4, "12H"},
          {10, ""},
          {5, "NN"},
          {10, ""},
          {6, "SS"},
          {0, " "},
          {8, "AMPM"}}},
        {"ddddd", {{2, "M"}, {9, ""}, {3, "D"}, {9, ""}, {1, "YYYY"}}},
        {"t", {{4, "12H"}, {10, ""}, {5, "NN"}, {0, " "}, {8, "AMPM"}}},
        {"a/p h", {{8, "a/p"}, {0, " "}, {4, "12H"}}},
        {"AM/PM", {}},
        {"aaaa aaa", {{3, "DDDD"}, {0, " "}}},
        {"HHH:nnn:sss.zzzz", {{4, "24HH"}, {10, ""}, {5, "NN"}, {10, ""}, {6, "SS"}, {0, "."}, {7, "ZZZ"}}},
        {"ee 'at' \"x\" q", {{1, "YY"}, {0, " at x q"}}},
        {"年yyyy", {{0, "年"}, {1, "YYYY"}}},
        {"yyyy g", {}},
        {"h M", {{4, "24H"}, {0, " "}, {5, "N"}}},
        {"h x M", {{4, "24H"}, {0, " x "}, {2, "M"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParsedItems(c.format), c.items) << c.format;
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat("AM/PM", &info);
    EXPECT_FALSE(info.Defined(dtikTimeMarker));
    uiParseDateTimeFormat("d/M", &info);
    EXPECT_TRUE(info.Defined(dtikDay));
    EXPECT_FALSE(info.Defined(dtikYear));
    // Formats that refer to each other stop two levels down.
    FormatSettings.ShortDateFormat = "ddddd";
    EXPECT_EQ(ParsedItems("ddddd"), Items{});
}

TEST(DateFormats, StandardMasks) {
    const SettingsGuard settings;
    EXPECT_EQ(StandardMask("dd.MM.yyyy", uiMaskKindDate), "!99\\.99\\.9999;1; ");
    EXPECT_EQ(StandardMask("M/d/yy", uiMaskKindDate), "!99/99/99;1; ");
    EXPECT_EQ(StandardMask("h:mm:ss AMPM", uiMaskKindTime), "00:00:00\\ cc;1;0");
    EXPECT_EQ(StandardMask("M/d/yyyy h:mm:ss AMPM", uiMaskKindDateTime), "!99/99/9999\\ 99:99:99\\ cc;1; ");
    EXPECT_EQ(StandardMask("dd MMM yyyy A/P", uiMaskKindDate),
              "!99\\ lll\\ 9999\\ ;1; "); // no hour: no marker
    EXPECT_EQ(StandardMask("hh:nn a/p", uiMaskKindTime), "00:00\\ c;1;0");
    EXPECT_EQ(StandardMask("hh:nn:ss.zzz am/pm", uiMaskKindTime), "00:00:00\\.\\ cc;1;0");
    EXPECT_EQ(StandardMask("g", uiMaskKindDate), "");
    FormatSettings.TimeAMString = "vorm.";
    EXPECT_EQ(StandardMask("h AMPM", uiMaskKindTime), "00\\ ccccc;1;0");
    EXPECT_EQ(StandardMask("d年", uiMaskKindDate), "!99\\年;1; ");
}

TEST(DateFormats, RegularExpressionMasks) {
    const SettingsGuard settings;
    EXPECT_EQ(RegExprMask("M/d/yyyy", uiMaskKindDate),
              kMonthsPattern + "\\/" + kDayPattern + "\\/\\d\\d\\d\\d");
    EXPECT_EQ(RegExprMask("h:mm:ss AMPM", uiMaskKindTime),
              "(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?");
    EXPECT_EQ(RegExprMask("HH:mm a/p", uiMaskKindTime), "(0?[1-9]|1[012])\\:[0-5]?\\d' '(A|P)?");
    EXPECT_EQ(RegExprMask("H:mm", uiMaskKindTime), "([01]?\\d|2[0-3])\\:[0-5]?\\d");
    // A date mask leaves out the time; a time mask the date parts; a date-and-time mask has both.
    EXPECT_EQ(RegExprMask("yy H", uiMaskKindDate), "\\d\\d' '");
    EXPECT_EQ(RegExprMask("yy H", uiMaskKindTime), "' '([01]?\\d|2[0-3])");
    EXPECT_EQ(RegExprMask("yy H", uiMaskKindDateTime), "\\d\\d' '([01]?\\d|2[0-3])");
    EXPECT_EQ(RegExprMask("d-MMMM", uiMaskKindDate).substr(kDayPattern.size()),
              "'-'((0?[1-9]|1[012])|('January'|"
              "'February'|'March'|'April'|'May'|"
              "'June'|'July'|'August'|'September'|"
              "'October'|'November'|'December'))");
    FormatSettings.DateSeparator = ' ';
    EXPECT_EQ(RegExprMask("yy/yy", uiMaskKindDate), "\\d\\d' '");
    FormatSettings.DateSeparator = '\0';
    EXPECT_EQ(RegExprMask("d/d", uiMaskKindDate), kDayPattern);
    FormatSettings.TimeAMString = "";
    EXPECT_EQ(RegExprMask("h AMPM", uiMaskKindTime), "(0?[1-9]|1[012])' '('PM')?");
    FormatSettings.TimePMString = "";
    EXPECT_EQ(RegExprMask("h AMPM", uiMaskKindTime), "(0?[1-9]|1[012])' '");
    FormatSettings.LongMonthNames[0] = "l'an";
    EXPECT_NE(RegExprMask("MMMM", uiMaskKindDate).find("'l'\\''an'"), std::string::npos);
}

TEST(DateFormats, DisplayFormats) {
    EXPECT_EQ(DisplayFormat("dd.MM.yyyy"), "dd'.'mm'.'yyyy");
    EXPECT_EQ(DisplayFormat("M/d/yyyy h:mm:ss AMPM"), "mm/dd/yyyy' 'hh:nn:ss' 'ampm");
    EXPECT_EQ(DisplayFormat("ddd, MMM yy zzz A/P H"), "ddd', 'mmm' 'yy' '' 'a/p' 'hh");
}

TEST(DateFormats, CurrencyFormats) {
    const SettingsGuard settings;
    FormatSettings.CurrencyString = "$";
    FormatSettings.CurrencyDecimals = 2;
    const char* const negatives[16] = {
        "($,0.00)", "-$,0.00",  "$-,0.00",  "$,0.00-",  "(,0.00$)", "-,0.00$",  ",0.00-$",   ",0.00$-",
        "-,0.00 $", "-$ ,0.00", ",0.00 $-", "$ ,0.00-", "$ -,0.00", ",0.00- $", "($ ,0.00)", "(,0.00 $)",
    };
    for (int order = 0; order < 16; ++order) {
        FormatSettings.NegCurrFormat = static_cast<unsigned char>(order);
        EXPECT_EQ(uiGetCurrencyFormatText(), std::string("$,0.00;") + negatives[order]) << order;
    }
    FormatSettings.NegCurrFormat = 1;
    const char* const positives[4] = {"$,0.00", ",0.00$", "$ ,0.00", ",0.00 $"};
    for (int order = 0; order < 4; ++order) {
        FormatSettings.CurrencyFormat = static_cast<unsigned char>(order);
        EXPECT_EQ(uiGetCurrencyFormatText(), std::string(positives[order]) + ";-$,0.00");
    }
    FormatSettings.CurrencyFormat = 3;
    FormatSettings.NegCurrFormat = 8;
    FormatSettings.CurrencyString = "Fr.";
    FormatSettings.CurrencyDecimals = 0;
    EXPECT_EQ(uiGetCurrencyFormatText(), ",0. Fr'.';-,0. Fr'.'");
}

TEST(DateFormats, EditFormatsAndAccessors) {
    const SettingsGuard settings;
    struct Case {
        const char* shortDate;
        const char* editFormat;
    };
    const Case cases[] = {{"M/d/yyyy", "MM/dd/yyyy"},
                          {"dd.MM.yyyy", "dd.MM.yyyy"},
                          {"d. MMMM yyyy", "dd. MMMM yyyy"},
                          {"ddd d m D", "ddd dd m D"}};
    for (const Case& c : cases) {
        FormatSettings.ShortDateFormat = c.shortDate;
        EXPECT_EQ(uiGetDateEditFormat(), c.editFormat);
    }
    EXPECT_EQ(uiGetShortDateFormat(), "ddd d m D");
    EXPECT_EQ(uiGetLongMonthName(3), "March");
    EXPECT_EQ(uiGetShortMonthName(13), "");
    EXPECT_EQ(uiGetShortDayName(1), "Sun");
    EXPECT_EQ(uiGetCurrencyString(), "$");
    EXPECT_EQ(uiGetNegCurrFormat(0x7777), 0);
    EXPECT_EQ(uiGetDateSeparator(), '/');
    EXPECT_EQ(uiGetTimeAMString(), "AM");
    EXPECT_EQ(uiGetTimeFormat(), "h:mm:ss AMPM");
    const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
    EXPECT_EQ(uiGetTimeFormat(), "HH:mm:ss");
    EXPECT_EQ(uiGetDateSeparator(), '/'); // the class library's, not the locale's
}

TEST_F(DateFormatsTest, ControllerFormatsForTheUSLocale) {
    TuiFormatController* controller = uiFormatController();
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(uiFormatController(), controller);
    EXPECT_EQ(controller->CurrencyFormat(), "$,0.00;($,0.00)");
    EXPECT_EQ(controller->DateEditFormat(), "MM/dd/yyyy");
    EXPECT_EQ(controller->DateEditMask(), "!99/99/9999;1; ");
    EXPECT_EQ(controller->StandardDateEditMask(), controller->DateEditMask());
    EXPECT_EQ(controller->StandardDateTimeEditMask(), "!99/99/9999\\ 99:99:99\\ cc;1; ");
    EXPECT_EQ(controller->MaskedDateEditFormat(), "mm/dd/yyyy");
    EXPECT_EQ(controller->MaskedDateTimeEditFormat(), "mm/dd/yyyy' 'hh:nn:ss' 'ampm");
    const std::string date = kMonthsPattern + "\\/" + kDayPattern + "\\/\\d\\d\\d\\d";
    EXPECT_EQ(controller->RegExprDateEditMask(), "(" + date + ")|" + kWordsNoNow + kOffset);
    const std::string time = "(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?";
    EXPECT_EQ(controller->RegExprDateTimeEditMask(), "(" + date + " ' '(" + time + ")?)|" +
                                                         kWordsNoNow.substr(0, kWordsNoNow.size() - 1) +
                                                         "|'now')" + kOffset);
    EXPECT_TRUE(controller->LocalCalendarIsGregorian());
    EXPECT_EQ(controller->LocalFormatSettings().LongTimeFormat, "h:mm:ss tt");
    EXPECT_EQ(controller->DateFormatInfo()->Count(), 5);
    EXPECT_EQ(controller->TimeFormatInfo()->Count(), 7);
    EXPECT_EQ(controller->DateTimeFormatInfo()->Count(), 13);
}

TEST_F(DateFormatsTest, IntlChangeFollowsTheUserWhenTheOptionIsOn) {
    TuiFormatController* controller = uiFormatController();
    Listener listener;
    controller->AddListener(&listener);
    controller->AddListener(&listener);
    EXPECT_EQ(controller->ListenerCount(), 1);
    const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
    SetThreadLocale(kEnglishUSLocale); // the user changed the regional settings under a running program
    BroadcastIntl();
    EXPECT_EQ(GetThreadLocale(), 0x7001u);
    EXPECT_EQ(FormatSettings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(controller->DateEditMask(), "!99\\.99\\.9999;1; ");
    EXPECT_EQ(controller->MaskedDateEditFormat(), "dd'.'mm'.'yyyy");
    EXPECT_EQ(controller->CurrencyFormat(), ",0.00 €;-,0.00 €");
    EXPECT_EQ(controller->LocalFormatSettings().DateSeparator, '.');
    EXPECT_EQ(listener.formatChanges, 1);
    // Other setting changes are not about formats.
    SendMessage(HWND(LONG_PTR(0xFFFF)), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Policy"));
    SendMessage(HWND(LONG_PTR(0xFFFF)), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(listener.formatChanges, 1);
    controller->RemoveListener(&listener);
    BroadcastIntl();
    EXPECT_EQ(listener.formatChanges, 1);
}

TEST_F(DateFormatsTest, IntlChangeOnlyRereadsTheLocaleWhenTheOptionIsOff) {
    TuiFormatController* controller = uiFormatController();
    Listener listener;
    controller->AddListener(&listener);
    SetUpdateFormatSettings(false);
    {
        const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
        SetThreadLocale(kEnglishUSLocale);
        BroadcastIntl();
        EXPECT_EQ(GetThreadLocale(), kEnglishUSLocale);
        EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");
        EXPECT_EQ(controller->DateEditMask(), "!99/99/9999;1; ");
        SetThreadLocale(0x7001);
        BroadcastIntl();
        EXPECT_EQ(controller->LocalFormatSettings().DateSeparator, '.');
        EXPECT_EQ(controller->LocalFormatSettings().ShortDateFormat, "dd.MM.yyyy");
        EXPECT_EQ(FormatSettings.DateSeparator, '/');
    }
    SetUpdateFormatSettings(true);
    EXPECT_EQ(listener.formatChanges, 0);
    controller->RemoveListener(&listener);
}

TEST_F(DateFormatsTest, TimeChangesReachTimeListeners) {
    TuiFormatController* controller = uiFormatController();
    Listener formats;
    TimeListener times;
    controller->AddListener(&formats);
    controller->AddListener(&times);
    SendMessage(HWND(LONG_PTR(0xFFFF)), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(times.timeChanges, 1);
    EXPECT_EQ(times.formatChanges, 0);
    EXPECT_EQ(formats.formatChanges, 0);
    EXPECT_EQ(SendMessage(controller->Handle(), WM_TIMECHANGE, 0, 0), 0);
    EXPECT_EQ(times.timeChanges, 2);
    controller->RemoveListener(&formats);
    controller->RemoveListener(&times);
}

TEST_F(DateFormatsTest, ChangedResourceStringsChangeTheMasks) {
    TuiFormatController* controller = uiFormatController();
    Listener listener;
    controller->AddListener(&listener);
    const std::string saved = uiSDateToday.Text;
    uiSDateToday.Text = "heute";
    ovResourceStringsRepository()->NotifyListeners();
    uiSDateToday.Text = saved;
    EXPECT_EQ(listener.formatChanges, 1);
    EXPECT_NE(controller->RegExprDateEditMask().find("('heute'|'yesterday'"), std::string::npos);
    controller->RemoveListener(&listener);
}

TEST_F(DateFormatsTest, TheControllerGoesWithTheUnit) {
    TuiFormatController* controller = uiFormatController();
    ASSERT_NE(controller, nullptr);
    const int listeners = ovResourceStringsRepository()->ListenerCount();
    uiCoreFinalize();
    EXPECT_EQ(uiFormatController(), nullptr);
    uiCoreInitialize();
    ASSERT_NE(uiFormatController(), nullptr);
    EXPECT_EQ(ovResourceStringsRepository()->ListenerCount(), listeners);
}
