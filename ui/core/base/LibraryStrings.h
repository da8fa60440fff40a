// The translatable texts of the library's foundation, registered with the resource-string repository
// under the library's product key.
#pragma once

#include "ui/core/base/ResourceStrings.h"

inline constexpr const char* uiLibraryProductKey = "OLVA UI Library";

extern TResStringRec suiCantCreateRegistryKey;
extern TResStringRec suiCantOpenRegistryKey;
extern TResStringRec suiErrorStoreObject;
extern TResStringRec suiConverterCantCreateStyleRepository;
extern TResStringRec suiBuiltInLookAndFeelStyles;
extern TResStringRec suiLockedStateText;
extern TResStringRec uiSDateToday;
extern TResStringRec uiSDateYesterday;
extern TResStringRec uiSDateTomorrow;
extern TResStringRec uiSDateSunday;
extern TResStringRec uiSDateMonday;
extern TResStringRec uiSDateTuesday;
extern TResStringRec uiSDateWednesday;
extern TResStringRec uiSDateThursday;
extern TResStringRec uiSDateFriday;
extern TResStringRec uiSDateSaturday;
extern TResStringRec uiSDateFirst;
extern TResStringRec uiSDateSecond;
extern TResStringRec uiSDateThird;
extern TResStringRec uiSDateFourth;
extern TResStringRec uiSDateFifth;
extern TResStringRec uiSDateSixth;
extern TResStringRec uiSDateSeventh;
extern TResStringRec uiSDateBOM;
extern TResStringRec uiSDateEOM;
extern TResStringRec uiSDateNow;

// Registers the texts above, in this order, with a product.
void uiRegisterLibraryStrings(TovProductResourceStrings* AProduct);
// Start and end of the texts: the product is registered and withdrawn under uiLibraryProductKey.
void uiLibraryStringsStart();
void uiLibraryStringsEnd();
