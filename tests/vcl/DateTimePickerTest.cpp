#include "StdCtrlsTestSupport.h"

#include "platform/rtl/DateTime.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/DateTimePickerFormat.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace datetimepicker_test {

using stdctrls_test::StdCtrlsTest;

TEST(DateTimePickerFormatTest, FormatsShowTheirParts) {
    const TPickerParts parts{2024, 1, 31, 13, 5, 9, 0};
    struct TCase {
        const char* Format;
        const char* Text;
    };
    const TCase cases[] = {
        {"HH:mm:ss", "13:05:09"}, {"h:mm:ss tt", "1:05:09 PM"},
        {"hh:mm t", "01:05 P"},   {"dddd, MMMM dd, yyyy", "Wednesday, January 31, 2024"},
        {"M/d/yy", "1/31/24"},    {"ddd d MMM", "Wed 31 Jan"},
        {"'Day' d", "Day 31"},    {"'It''s' H", "It's 13"},
    };
    for (const TCase& c : cases) {
        std::string text;
        for (const TPickerField& field : ParsePickerFormat(c.Format))
            text += PickerFieldText(field, parts);
        EXPECT_EQ(text, c.Text) << c.Format;
    }
}

TEST(DateTimePickerFormatTest, StepsWrapWithoutCarryingAndDaysFollowTheMonth) {
    struct TCase {
        TPickerFieldKind Kind;
        int Delta;
        TPickerParts From;
        TPickerParts To;
    };
    const TCase cases[] = {
        {TPickerFieldKind::Minute, 1, {2024, 1, 1, 10, 59, 0, 0}, {2024, 1, 1, 10, 0, 0, 0}},
        {TPickerFieldKind::Second, -1, {2024, 1, 1, 10, 0, 0, 0}, {2024, 1, 1, 10, 0, 59, 0}},
        {TPickerFieldKind::Hour24, 1, {2024, 1, 1, 23, 0, 0, 0}, {2024, 1, 1, 0, 0, 0, 0}},
        {TPickerFieldKind::AmPm, 1, {2024, 1, 1, 9, 0, 0, 0}, {2024, 1, 1, 21, 0, 0, 0}},
        {TPickerFieldKind::Month, 1, {2024, 1, 31, 0, 0, 0, 0}, {2024, 2, 29, 0, 0, 0, 0}},
        {TPickerFieldKind::Year, 1, {2024, 2, 29, 0, 0, 0, 0}, {2025, 2, 28, 0, 0, 0, 0}},
        {TPickerFieldKind::Day, 1, {2023, 2, 28, 0, 0, 0, 0}, {2023, 2, 1, 0, 0, 0, 0}},
    };
    for (const TCase& c : cases) {
        TPickerParts parts = c.From;
        StepPickerField(c.Kind, c.Delta, parts);
        EXPECT_EQ(std::tie(parts.Year, parts.Month, parts.Day, parts.Hour, parts.Minute, parts.Second),
                  std::tie(c.To.Year, c.To.Month, c.To.Day, c.To.Hour, c.To.Minute, c.To.Second))
            << static_cast<int>(c.Kind) << " by " << c.Delta;
    }
}

class DateTimePickerTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        picker = new TDateTimePicker(form);
        picker->SetBounds(10, 10, 120, 21);
        picker->SetParent(form);
        picker->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
        picker->SetFocus();
        Pump();
    }
    TDateTimePicker* picker = nullptr;
    int changes = 0;
};

TEST_F(DateTimePickerTest, ATimeIsSetWithArrowKeysDigitsAndTheArrows) {
    picker->SetKind(dtkTime);
    picker->SetFormat("HH:mm:ss");
    picker->SetDateTime(EncodeDateTime(2024, 5, 6, 1, 30, 45, 0));
    EXPECT_EQ(picker->DisplayText(), "01:30:45");
    Key(VK_UP); // hours
    EXPECT_EQ(picker->DisplayText(), "02:30:45");
    Key(VK_RIGHT);
    Type("07"); // minutes
    EXPECT_EQ(picker->DisplayText(), "02:07:45");
    Type("9"); // a third digit starts again
    EXPECT_EQ(picker->DisplayText(), "02:09:45");
    Key(VK_RIGHT);
    Type("75"); // 75 does not fit: the 5 stands alone
    EXPECT_EQ(picker->DisplayText(), "02:09:05");
    const RECT arrows = picker->ArrowsRect();
    Click(picker, (arrows.left + arrows.right) / 2, arrows.bottom - 3); // down arrow
    EXPECT_EQ(picker->DisplayText(), "02:09:04");
    Click(picker, 6, 10); // the hours again
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(picker->DisplayText(), "23:09:04") << "hours wrap without touching the date";
    EXPECT_EQ(changes, 10);
    std::uint16_t y, mo, d, h, mi, s, ms;
    DecodeDateTime(picker->DateTime(), y, mo, d, h, mi, s, ms);
    EXPECT_EQ(std::tie(y, mo, d, h, mi, s), std::make_tuple(2024, 5, 6, 23, 9, 4));
}

TEST_F(DateTimePickerTest, ADateKeepsItsTimeAndItsDaysValid) {
    picker->SetKind(dtkDate);
    EXPECT_EQ(picker->Format(), "");
    picker->SetDateTime(EncodeDateTime(2024, 1, 31, 8, 15, 0, 0));
    EXPECT_EQ(picker->DisplayText(), "1/31/2024") << "the locale's short date";
    Key(VK_UP); // month
    EXPECT_EQ(picker->DisplayText(), "2/29/2024");
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Type("202");
    EXPECT_EQ(picker->DisplayText(), "2/29/2024") << "a year waits for its four digits";
    Type("5");
    EXPECT_EQ(picker->DisplayText(), "2/28/2025");
    Key(VK_LEFT);
    Type("0");
    Type("3");
    EXPECT_EQ(picker->DisplayText(), "2/3/2025");
    EXPECT_EQ(picker->Time(), EncodeTime(8, 15, 0, 0));
    picker->SetTime(EncodeDateTime(1999, 9, 9, 17, 0, 0, 0));
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 2, 3)) << "setting the time keeps the date";
    EXPECT_EQ(changes, 3);
}

} // namespace datetimepicker_test
