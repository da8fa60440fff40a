#include "platform/rtl/IniFileLists.h"

#include "platform/rtl/Strings.h"

void ReplaceListContent(TStrings& list, const std::vector<std::string>& items) {
    list.BeginUpdate();
    try {
        list.Clear();
        for (const std::string& item : items)
            list.Add(item);
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}
