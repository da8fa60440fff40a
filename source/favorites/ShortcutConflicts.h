// The conflict list of the keyboard shortcut editor: every command whose key another command also has.
#pragma once

#include <string>
#include <vector>

struct TShortcutRow {
    std::string Caption; // the command's caption without "&"
    std::string Text;    // its key in text form, empty for none
};

// For every pair of rows i < j (i ascending, then j) with the same key: "[<key>]<caption of i>" and then
// "[<key>]<caption of j>", each left out when an equal line is already listed. Rows without a key never
// conflict.
std::vector<std::string> ShortcutConflictLines(const std::vector<TShortcutRow>& Rows);
