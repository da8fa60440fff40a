#include "ui/bars/itemcontrols/ItemStyleValues.h"

bool ovBarItemStyleValues(TovBarItem* AItem, int AIndex, TovBarItemStyleValues& AValues) {
    AValues = TovBarItemStyleValues{};
    // Items carry no styles yet.
    return false;
}
