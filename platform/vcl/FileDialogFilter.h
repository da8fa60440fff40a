// The type filter of the file dialogs: "Description|masks|Description|masks" where masks are separated
// by ';' (for example "Audio files|*.wav;*.mp3|All files|*.*"), and the name rules the dialog applies
// with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TFileFilterEntry {
    std::string Description;
    std::vector<std::string> Masks;
};

// The entries of a filter string, in order. A trailing description without masks is kept with "*" so
// that the user still sees it and sees every file; an empty filter gives no entries.
std::vector<TFileFilterEntry> ParseFileFilter(std::string_view Filter);

// Whether a file name matches any of the masks (ignoring case); no masks match everything.
bool FileNameMatchesMasks(std::string_view Name, const std::vector<std::string>& Masks);

// The extension (without its dot) a filter entry stands for when its first mask names exactly one
// extension, as "*.mp3" does; empty for "*.*", "*" or masks with wildcards in the extension.
std::string FilterEntryExtension(const TFileFilterEntry& Entry);

// The names of a file-name field: one name, or several in double quotes ("a.wav" "b.wav") as a
// multi-selection writes them. Surrounding blanks are dropped; empty names are skipped.
std::vector<std::string> SplitFileNameList(std::string_view Text);

// Whether a typed name asks for a listing mask rather than a file ("*.mp3", "take?.wav").
bool IsFileNameMask(std::string_view Name);
