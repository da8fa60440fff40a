#include "ui/core/base/LibraryStrings.h"

TResStringRec suiCantCreateRegistryKey{"suiCantCreateRegistryKey", "Can't create the registry key: \\%s"};
TResStringRec suiCantOpenRegistryKey{"suiCantOpenRegistryKey", "Can't open the registry key: \\%s"};
TResStringRec suiErrorStoreObject{"suiErrorStoreObject", "Error store %s object"};
TResStringRec suiConverterCantCreateStyleRepository{"suiConverterCantCreateStyleRepository",
                                                    "Can't create the Style Repository"};
TResStringRec suiBuiltInLookAndFeelStyles{"suiBuiltInLookAndFeelStyles", "Built-In Look && Feel Styles"};
TResStringRec suiLockedStateText{"suiLockedStateText", "Please wait..."};
TResStringRec uiSDateToday{"uiSDateToday", "today"};
TResStringRec uiSDateYesterday{"uiSDateYesterday", "yesterday"};
TResStringRec uiSDateTomorrow{"uiSDateTomorrow", "tomorrow"};
TResStringRec uiSDateSunday{"uiSDateSunday", "Sunday"};
TResStringRec uiSDateMonday{"uiSDateMonday", "Monday"};
TResStringRec uiSDateTuesday{"uiSDateTuesday", "Tuesday"};
TResStringRec uiSDateWednesday{"uiSDateWednesday", "Wednesday"};
TResStringRec uiSDateThursday{"uiSDateThursday", "Thursday"};
TResStringRec uiSDateFriday{"uiSDateFriday", "Friday"};
TResStringRec uiSDateSaturday{"uiSDateSaturday", "Saturday"};
TResStringRec uiSDateFirst{"uiSDateFirst", "first"};
TResStringRec uiSDateSecond{"uiSDateSecond", "second"};
TResStringRec uiSDateThird{"uiSDateThird", "third"};
TResStringRec uiSDateFourth{"uiSDateFourth", "fourth"};
TResStringRec uiSDateFifth{"uiSDateFifth", "fifth"};
TResStringRec uiSDateSixth{"uiSDateSixth", "sixth"};
TResStringRec uiSDateSeventh{"uiSDateSeventh", "seventh"};
TResStringRec uiSDateBOM{"uiSDateBOM", "bom"};
TResStringRec uiSDateEOM{"uiSDateEOM", "eom"};
TResStringRec uiSDateNow{"uiSDateNow", "now"};

void uiRegisterLibraryStrings(TovProductResourceStrings* AProduct) {
    AProduct->Add("suiCantCreateRegistryKey", &suiCantCreateRegistryKey);
    AProduct->Add("suiCantOpenRegistryKey", &suiCantOpenRegistryKey);
    AProduct->Add("suiErrorStoreObject", &suiErrorStoreObject);
    AProduct->Add("suiConverterCantCreateStyleRepository", &suiConverterCantCreateStyleRepository);
    AProduct->Add("suiBuiltInLookAndFeelStyles", &suiBuiltInLookAndFeelStyles);
    AProduct->Add("suiLockedStateText", &suiLockedStateText);
    AProduct->Add("uiSDateToday", &uiSDateToday);
    AProduct->Add("uiSDateYesterday", &uiSDateYesterday);
    AProduct->Add("uiSDateTomorrow", &uiSDateTomorrow);
    AProduct->Add("uiSDateSunday", &uiSDateSunday);
    AProduct->Add("uiSDateMonday", &uiSDateMonday);
    AProduct->Add("uiSDateTuesday", &uiSDateTuesday);
    AProduct->Add("uiSDateWednesday", &uiSDateWednesday);
    AProduct->Add("uiSDateThursday", &uiSDateThursday);
    AProduct->Add("uiSDateFriday", &uiSDateFriday);
    AProduct->Add("uiSDateSaturday", &uiSDateSaturday);
    AProduct->Add("uiSDateFirst", &uiSDateFirst);
    AProduct->Add("uiSDateSecond", &uiSDateSecond);
    AProduct->Add("uiSDateThird", &uiSDateThird);
    AProduct->Add("uiSDateFourth", &uiSDateFourth);
    AProduct->Add("uiSDateFifth", &uiSDateFifth);
    AProduct->Add("uiSDateSixth", &uiSDateSixth);
    AProduct->Add("uiSDateSeventh", &uiSDateSeventh);
    AProduct->Add("uiSDateBOM", &uiSDateBOM);
    AProduct->Add("uiSDateEOM", &uiSDateEOM);
    AProduct->Add("uiSDateNow", &uiSDateNow);
}

void uiLibraryStringsStart() {
    if (TovResourceStringsRepository* repository = ovResourceStringsRepository())
        repository->RegisterProduct(uiLibraryProductKey, &uiRegisterLibraryStrings);
}

void uiLibraryStringsEnd() {
    if (TovResourceStringsRepository* repository = ovResourceStringsRepository())
        repository->UnRegisterProduct(uiLibraryProductKey);
}
