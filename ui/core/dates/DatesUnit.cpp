#include "ui/core/dates/DatesUnit.h"

#include "platform/rtl/LocaleData.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/CalendarTable.h"
#include "ui/core/dates/FormatController.h"

namespace dates_unit_detail {

// The locale's date pictures count dates in its calendar through the library's tables.
bool CountInCalendar(CALID ACalendar, TDateTime ADate, TCalendarDate& AResult) {
    TuiCustomCalendarTable* table = uiGetCalendarTable(static_cast<int>(ACalendar));
    if (table == nullptr || table->GetCalendarType() != static_cast<int>(ACalendar)) return false;
    const TuiDateTime date = table->FromDateTime(ADate);
    const TuiEra* era = date.Era >= 0 ? table->Eras()->Items(date.Era) : table->DefaultEra();
    AResult.Era = era->Era();
    AResult.Year = date.Year;
    AResult.Month = date.Month;
    AResult.Day = date.Day;
    AResult.MonthsInYear = table->GetMonthsInYear(date.Era, date.Year);
    return true;
}

} // namespace dates_unit_detail

void uiDatesStart() {
    uiCalendarRegistryStart();
    uiAllowFormatController();
    SetCalendarDateConverter(&dates_unit_detail::CountInCalendar);
}

void uiDatesEnd() {
    uiFreeFormatController();
    SetCalendarDateConverter({});
    uiCalendarRegistryEnd();
}
