// The registry of calendar tables and the locale's calendar. Every live table is in the registry; the
// tables uiGetCalendarTable makes (one per calendar type, on first use) belong to it and are freed at
// the unit's end, so callers never free a table they fetched.
#pragma once

#include "platform/rtl/Locale.h"

class TuiCustomCalendarTable;
class TuiCalendarTableClass;

// The class for a calendar identifier; any value outside 2..12 gives the Gregorian class.
const TuiCalendarTableClass* uiGetCalendarTableClass(int ACalendarType);
// The first registered table of that type, or null.
TuiCustomCalendarTable* uiFindCalendarTable(int ACalendarType);
// The registered table of the type, made on first use; an unknown type gives the Gregorian table.
// Null outside the unit's start and end.
TuiCustomCalendarTable* uiGetCalendarTable(int ACalendarType);
// The thread locale's calendar type.
int uiGetLocaleCalendarType();
TuiCustomCalendarTable* uiGetLocaleCalendarTable();
// Whether the calendar (the locale's when null) is one of the Gregorian ones: types 1, 2 and 9..12.
bool uiCalendarIsGregorian(TuiCustomCalendarTable* ACalendar = nullptr);
// The system's calendar information; 0 when the system cannot answer.
int uiGetCalendarInfo(LCID Locale, CALID Calendar, CALTYPE CalType, char* lpCalData, int cchData,
                      DWORD* lpValue);

// Called by every table's constructor and destructor; nothing happens outside the unit's lifetime.
void uiRegisterCalendarTable(TuiCustomCalendarTable* ATable);
void uiUnregisterCalendarTable(TuiCustomCalendarTable* ATable);
// The number of registered tables.
int uiCalendarTableCount();

// Unit start and end: the registry is made, and freed with the tables it made.
void uiCalendarRegistryStart();
void uiCalendarRegistryEnd();
