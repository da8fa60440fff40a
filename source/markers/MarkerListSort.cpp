#include "source/markers/MarkerListSort.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/ListView.h"

int CompareColumnTexts(std::string_view A, std::string_view B, bool Ascending) {
    int order = 0;
    if (A.empty() != B.empty())
        order = A.empty() ? 1 : -1;
    else
        order = AnsiCompareText(A, B);
    return Ascending ? order : -order;
}

std::string ColumnText(const TListItem& Item, int Column) {
    if (Column <= 0) return Item.Caption();
    TStringList* subItems = Item.SubItems();
    return Column - 1 < subItems->Count() ? subItems->Strings(Column - 1) : std::string();
}

bool TColumnSortState::Click(int Column) {
    if (Column == FLastAscending) {
        FLastAscending = -1;
        return false;
    }
    FLastAscending = Column;
    return true;
}

void SortByColumn(TListView& List, int Column, bool Ascending) {
    List.CustomSort(
        [Ascending](TListItem* A, TListItem* B, int Data) {
            return CompareColumnTexts(ColumnText(*A, Data), ColumnText(*B, Data), Ascending);
        },
        Column);
}
