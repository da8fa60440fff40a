#include "source/favorites/ShortcutConflicts.h"

#include <algorithm>

std::vector<std::string> ShortcutConflictLines(const std::vector<TShortcutRow>& Rows) {
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& Line) {
        if (std::find(lines.begin(), lines.end(), Line) == lines.end()) lines.push_back(Line);
    };
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (Rows[i].Text.empty()) continue;
        for (std::size_t j = i + 1; j < Rows.size(); ++j) {
            if (Rows[j].Text != Rows[i].Text) continue;
            add("[" + Rows[i].Text + "]" + Rows[i].Caption);
            add("[" + Rows[j].Text + "]" + Rows[j].Caption);
        }
    }
    return lines;
}
