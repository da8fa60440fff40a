#include "ui/core/dates/CalendarRegistry.h"

#include "ui/core/base/FastList.h"
#include "ui/core/dates/CalendarTable.h"
#include "ui/core/dates/EraCalendars.h"
#include "ui/core/dates/GregorianCalendars.h"
#include "ui/core/dates/HebrewCalendar.h"
#include "ui/core/dates/HijriCalendar.h"

namespace calendar_registry_detail {

TovFastObjectList* Registry = nullptr; // every live table, not owned
TovFastObjectList* Owned = nullptr;    // the tables uiGetCalendarTable made

} // namespace calendar_registry_detail

const TuiCalendarTableClass* uiGetCalendarTableClass(int ACalendarType) {
    switch (ACalendarType) {
    case 2:
        return TuiCalendarTableClass::Of<TuiGregorianUSEnglishCalendarTable>();
    case 3:
        return TuiCalendarTableClass::Of<TuiJapaneseCalendarTable>();
    case 4:
        return TuiCalendarTableClass::Of<TuiTaiwanCalendarTable>();
    case 5:
        return TuiCalendarTableClass::Of<TuiKoreanCalendarTable>();
    case 6:
        return TuiCalendarTableClass::Of<TuiHijriCalendarTable>();
    case 7:
        return TuiCalendarTableClass::Of<TuiThaiCalendarTable>();
    case 8:
        return TuiCalendarTableClass::Of<TuiHebrewCalendarTable>();
    case 9:
        return TuiCalendarTableClass::Of<TuiGregorianMiddleEastFrenchCalendarTable>();
    case 10:
        return TuiCalendarTableClass::Of<TuiGregorianArabicCalendarTable>();
    case 11:
        return TuiCalendarTableClass::Of<TuiGregorianTransliteratedEnglishCalendarTable>();
    case 12:
        return TuiCalendarTableClass::Of<TuiGregorianTransliteratedFrenchCalendarTable>();
    default:
        return TuiCalendarTableClass::Of<TuiGregorianCalendarTable>();
    }
}

TuiCustomCalendarTable* uiFindCalendarTable(int ACalendarType) {
    const TovFastObjectList* registry = calendar_registry_detail::Registry;
    if (registry == nullptr) return nullptr;
    for (int i = 0; i < registry->Count(); ++i) {
        auto* table = static_cast<TuiCustomCalendarTable*>(registry->Items(i));
        if (table->GetCalendarType() == ACalendarType) return table;
    }
    return nullptr;
}

TuiCustomCalendarTable* uiGetCalendarTable(int ACalendarType) {
    using namespace calendar_registry_detail;
    if (Registry == nullptr) return nullptr;
    // Every unknown type is served by the Gregorian table, so that asking again finds it.
    const int type = ACalendarType >= 1 && ACalendarType <= 12 ? ACalendarType : 1;
    if (TuiCustomCalendarTable* table = uiFindCalendarTable(type)) return table;
    TuiCustomCalendarTable* table = uiGetCalendarTableClass(type)->Create();
    Owned->Add(table);
    return table;
}

int uiGetLocaleCalendarType() {
    DWORD type = 0;
    GetLocaleInfoA(GetThreadLocale(), LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<char*>(&type), sizeof type);
    return static_cast<int>(type);
}

TuiCustomCalendarTable* uiGetLocaleCalendarTable() {
    return uiGetCalendarTable(uiGetLocaleCalendarType());
}

bool uiCalendarIsGregorian(TuiCustomCalendarTable* ACalendar) {
    TuiCustomCalendarTable* calendar = ACalendar != nullptr ? ACalendar : uiGetLocaleCalendarTable();
    // Outside the unit's lifetime there is no table to ask; the locale's type answers.
    const int type = calendar != nullptr ? calendar->GetCalendarType() : uiGetLocaleCalendarType();
    return type == 1 || type == 2 || (type >= 9 && type <= 12) || type < 1 || type > 12;
}

int uiGetCalendarInfo(LCID Locale, CALID Calendar, CALTYPE CalType, char* lpCalData, int cchData,
                      DWORD* lpValue) {
    return GetCalendarInfoA(Locale, Calendar, CalType, lpCalData, cchData, lpValue);
}

void uiRegisterCalendarTable(TuiCustomCalendarTable* ATable) {
    if (calendar_registry_detail::Registry != nullptr) calendar_registry_detail::Registry->Add(ATable);
}

void uiUnregisterCalendarTable(TuiCustomCalendarTable* ATable) {
    if (calendar_registry_detail::Registry != nullptr) calendar_registry_detail::Registry->Remove(ATable);
}

int uiCalendarTableCount() {
    return calendar_registry_detail::Registry != nullptr ? calendar_registry_detail::Registry->Count() : 0;
}

void uiCalendarRegistryStart() {
    using namespace calendar_registry_detail;
    if (Registry != nullptr) return;
    Registry = new TovFastObjectList(false);
    Owned = new TovFastObjectList(true);
}

void uiCalendarRegistryEnd() {
    using namespace calendar_registry_detail;
    // The owned tables leave the registry as they go.
    FreeAndNil(Owned);
    FreeAndNil(Registry);
}
