#include "UiCoreTestSupport.h"

#include "platform/rtl/LocaleData.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestLocales.h"
#include "ui/core/base/LibraryStrings.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/DateText.h"
#include "ui/core/dates/DateTimeFormats.h"
#include "ui/core/dates/FormatController.h"
#include "ui/core/dates/HebrewCalendar.h"
#include "ui/core/dates/HijriCalendar.h"
#include "ui/core/dates/SmartDates.h"

#include <memory>
#include <string>

using namespace ui_core_test;

namespace date_text_test {

// Today is Wednesday 2024-02-14, noon.
class DateTextTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        clock->SetNow(EncodeDateTime(2024, 2, 14, 12, 0, 0, 0));
    }
    void TearDown() override {
        UiCoreTest::TearDown();
        FormatSettings = savedSettings;
    }

    // Switches to a locale as the user would: the program hears of it and takes it over.
    void UseLocale(const TLocaleDefinition& ALocale) {
        ASSERT_NE(uiFormatController(), nullptr);
        locale = std::make_unique<TLocaleOverride>(ALocale);
        static const char kIntl[] = "intl";
        SendMessage(HWND(LONG_PTR(0xFFFF)), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kIntl));
    }

    static std::string Text(TDateTime value) {
        std::string text = "old";
        uiDateTimeToText(false, false, text, value);
        return text;
    }

    TDateTime today = EncodeDate(2024, 2, 14);
    TFormatSettings savedSettings = FormatSettings;
    std::unique_ptr<TLocaleOverride> locale;
};

} // namespace date_text_test

using namespace date_text_test;

TEST_F(DateTextTest, SmartWords) {
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"today", today},
        {"  TODAY  ", today},
        {"today+3", today + 3},
        {"today + 3", today + 3},
        {"Today -  2", today - 2},
        {"yesterday", today - 1},
        {"tomorrow", today + 1},
        {"tomorrow+1", today + 2},
        {"sunday", today + 4},
        {"Wednesday", today},
        {"monday", today + 5},
        {"Tuesday - 7", today - 1},
        {"first", today - 3},
        {"fourth", today},
        {"seventh", today + 3},
        {"bom", EncodeDate(2024, 2, 1)},
        {"EOM", EncodeDate(2024, 2, 29)},
        {"now", EncodeDateTime(2024, 2, 14, 12, 0, 0, 0)},
        {"now - 1", EncodeDateTime(2024, 2, 13, 12, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        TDateTime date = 0;
        EXPECT_TRUE(uiSmartTextToDate(c.text, date)) << c.text;
        EXPECT_EQ(date, c.expected) << c.text;
    }
    for (const char* text : {"today 3", "today+x", "today+", "to", "tom", "", "yesterdays", "eom*2"}) {
        TDateTime date = -1;
        EXPECT_FALSE(uiSmartTextToDate(text, date)) << text;
        EXPECT_EQ(date, -1) << text;
    }
}

TEST_F(DateTextTest, WeekDaysCountFromTheLocalesWeekStart) {
    const TLocaleOverride monday(test_locales::DayFirstLocale());
    TDateTime date = 0;
    ASSERT_TRUE(uiSmartTextToDate("first", date));
    EXPECT_EQ(date, EncodeDate(2024, 2, 12)); // the Monday of this week
    ASSERT_TRUE(uiSmartTextToDate("friday", date));
    EXPECT_EQ(date, EncodeDate(2024, 2, 16));
    ASSERT_TRUE(uiSmartTextToDate("wednesday", date));
    EXPECT_EQ(date, today);
    ASSERT_TRUE(uiSmartTextToDate("seventh", date));
    EXPECT_EQ(date, EncodeDate(2024, 2, 18));
}

TEST_F(DateTextTest, SmartWordsAreTheResourceStrings) {
    const std::string saved = uiSDateTomorrow.Text;
    uiSDateTomorrow.Text = "morgen";
    TDateTime date = 0;
    const bool translated = uiSmartTextToDate("Morgen", date);
    const bool old = uiSmartTextToDate("tomorrow", date);
    uiSDateTomorrow.Text = saved;
    EXPECT_TRUE(translated);
    EXPECT_FALSE(old);
    std::string mask = "x";
    uiAddSmartWordsToRegExpr(mask, false);
    EXPECT_EQ(mask.substr(0, 30), "(x)|('today'|'yesterday'|'tomo");
    EXPECT_EQ(mask.find("'now'"), std::string::npos);
    EXPECT_EQ(uiQuoteRegExprText("it's"), "'it'\\''s'");
    EXPECT_EQ(uiQuoteRegExprText("'a''"), "\\''a'\\'\\'");
}

TEST_F(DateTextTest, TextToDate) {
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"3/5/2024", EncodeDate(2024, 3, 5)},
        {" March 5, 2024 ", EncodeDate(2024, 3, 5)},
        {"3/5/2024 2:30 PM", EncodeDateTime(2024, 3, 5, 14, 30, 0, 0)},
        {"today+3", today + 3},
        {"today 3", uiNullDate}, // no smart date, and no date either
        {"", uiNullDate},
        {"   ", uiNullDate},
        {"garbage", uiNullDate},
        {"2/30/2024", uiNullDate},
        {"12/31/10000", uiNullDate},
        {"today+2147483647", uiNullDate},
        {"today-99999999", uiNullDate},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiTextToDateTime(c.text), c.expected) << c.text;
}

TEST_F(DateTextTest, DateToText) {
    EXPECT_EQ(Text(uiNullDate), "");
    EXPECT_EQ(Text(EncodeDate(2024, 3, 5)), "3/5/2024");
    EXPECT_EQ(Text(EncodeDateTime(2024, 3, 5, 14, 30, 0, 0)), "3/5/2024 2:30:00 PM");
    EXPECT_EQ(Text(1e7), ""); // no date any calendar can show
    std::string text;
    FormatSettings.ShortDateFormat = "M/d/yy";
    uiDateTimeToText(true, true, text, EncodeDate(2024, 3, 5));
    EXPECT_EQ(text, "3/5/2024");
    uiDateTimeToText(false, true, text, EncodeDateTime(2024, 3, 5, 14, 30, 0, 0));
    EXPECT_EQ(text, "3/5/24 2:30:00 PM");
    UseLocale(test_locales::DayFirstLocale());
    EXPECT_EQ(Text(EncodeDateTime(2024, 3, 5, 8, 5, 0, 0)), "05.03.2024 08:05:00");
}

TEST_F(DateTextTest, DatesTypedInTheOrderOfAFormat) {
    UseLocale(test_locales::DayFirstLocale());
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat("yyyy-mm-dd", &info);
    std::string text = "2024-03-05";
    uiNormalizeDateText(text, true, &info, &info);
    EXPECT_EQ(text, "05 03 2024"); // rebuilt as 05.03.2024, then the separators become blanks
    TDateTime date = 0;
    EXPECT_TRUE(uiTextToDateWithFormat(" 2024-03-05 ", date, "yyyy-mm-dd"));
    EXPECT_EQ(date, EncodeDate(2024, 3, 5));
    EXPECT_TRUE(uiTextToDateWithFormat("05.03.2024", date, ""));
    EXPECT_EQ(date, EncodeDate(2024, 3, 5));
    EXPECT_FALSE(uiTextToDateWithFormat("", date, ""));
    EXPECT_EQ(uiTextToDateTime("5.3.2024 14:30"), EncodeDateTime(2024, 3, 5, 14, 30, 0, 0));
}

TEST_F(DateTextTest, FormatsInTheLocalesOrderAndWithoutADay) {
    TDateTime date = 0;
    EXPECT_TRUE(uiTextToDateWithFormat("03-05-2024", date, "mm-dd-yyyy"));
    EXPECT_EQ(date, EncodeDate(2024, 3, 5));
    EXPECT_TRUE(uiTextToDateWithFormat("05.03.2024", date, "dd.mm.yyyy"));
    EXPECT_EQ(date, EncodeDate(2024, 3, 5));
    EXPECT_TRUE(uiTextToDateWithFormat("03/2024", date, "mm/yyyy"));
    EXPECT_EQ(date, EncodeDate(2024, 3, 1));
    EXPECT_TRUE(uiTextToDateWithFormat("2024 Mar 05", date, "yyyy mmm dd"));
    EXPECT_EQ(date, EncodeDate(2024, 3, 5));
    std::string text = "at 3/5/2024 h";
    TuiDateTimeFormatInfo info;
    uiParseDateTimeFormat("'at' m/d/yyyy", &info);
    uiNormalizeDateText(text, true, &info, nullptr);
    EXPECT_EQ(text, "3 5 2024 h");
}

TEST_F(DateTextTest, JapaneseEraCalendar) {
    UseLocale(test_locales::JapaneseCalendarLocale());
    EXPECT_FALSE(uiFormatController()->LocalCalendarIsGregorian());
    EXPECT_EQ(Text(EncodeDate(2008, 5, 6)), "平成 20/5/6");
    EXPECT_EQ(Text(EncodeDateTime(1988, 2, 29, 14, 30, 0, 0)), "昭和 63/2/29 14:30:00");
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"平成 20/5/6", EncodeDate(2008, 5, 6)},
        {"平成20/5/6", EncodeDate(2008, 5, 6)},
        {"昭和 63/2/29 14:30:00", EncodeDateTime(1988, 2, 29, 14, 30, 0, 0)},
        {"昭和 64/1/7", EncodeDate(1989, 1, 7)},
        {"大正 1/7/30", EncodeDate(1912, 7, 30)},
        {"明治 45/7/29", EncodeDate(1912, 7, 29)},
        {"20/5/6", EncodeDate(2008, 5, 6)}, // no era: the present one
        {"平成 20/2/30", uiNullDate},
        {"平成 20/x/6", uiNullDate},
        {"today", uiNullDate}, // smart words belong to the Gregorian locales
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiTextToDateTime(c.text), c.expected) << c.text;
}

TEST_F(DateTextTest, HijriCalendar) {
    UseLocale(test_locales::HijriLocale());
    EXPECT_EQ(Text(EncodeDate(2000, 1, 1)), "25/09/1420");
    EXPECT_EQ(uiTextToDateTime("25/09/1420"), EncodeDate(2000, 1, 1));
    TuiHijriCalendarTable hijri;
    EXPECT_EQ(uiTextToDateTime("1/Ramadan/1445"), hijri.ToDateTime(1445, 9, 1));
    EXPECT_EQ(uiTextToDateTime("30/12/1421"), uiNullDate); // not a leap year
    EXPECT_EQ(uiCalendarTextToDate("30/12/1420"), hijri.ToDateTime(1420, 12, 30));
}

TEST_F(DateTextTest, MonthNamesWithBlanksBetweenBlankSeparatedParts) {
    TLocaleDefinition blanks = test_locales::HijriLocale();
    blanks.DateSeparator = " ";
    blanks.ShortDate = "dd MMMM yyyy";
    UseLocale(blanks);
    TuiHijriCalendarTable hijri;
    EXPECT_EQ(Text(hijri.ToDateTime(1445, 3, 5)), "05 Rabi I 1445");
    EXPECT_EQ(uiTextToDateTime("05 Rabi I 1445"), hijri.ToDateTime(1445, 3, 5));
    EXPECT_EQ(uiTextToDateTime("5 Dhu al-Hijjah 1445"), hijri.ToDateTime(1445, 12, 5));
    EXPECT_EQ(uiTextToDateTime("5 Safar 1445"), hijri.ToDateTime(1445, 2, 5));
}

TEST_F(DateTextTest, HebrewCalendar) {
    UseLocale(test_locales::HebrewLocale());
    EXPECT_EQ(Text(EncodeDate(2000, 1, 1)), "23/04/5760");
    EXPECT_EQ(uiTextToDateTime("23/04/5760"), EncodeDate(2000, 1, 1));
    EXPECT_EQ(uiTextToDateTime("כ\"ג/4/תש\"ס"), EncodeDate(2000, 1, 1)); // in Hebrew letters
    EXPECT_EQ(uiTextToDateTime("13/Adar II/5768"), EncodeDate(2008, 3, 20));
    EXPECT_EQ(uiTextToDateTime("1/1/6000"), uiNullDate);
}
