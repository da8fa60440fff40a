// Start and end of the library's date services: the calendar-table registry, the counting of the
// locale's dates in its own calendar, and the format controller.
#pragma once

void uiDatesStart();
void uiDatesEnd();
