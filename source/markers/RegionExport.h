// Where and how a region is exported: the file format of the export setting and the file a region
// is written to. An export never overwrites a file: a name already taken gets a number.
#pragma once

#include <string>

struct TExportFormat {
    const char* Extension; // ".wav", ".mp3", ".ogg" or ".wma"
    int Code;              // the editor's save format code: 1, 2, 6 or 11
};

// The format of an export setting: 0 ".wav", 1 ".mp3", 2 ".ogg", 3 ".wma"; any other setting is
// written as WAV.
TExportFormat ExportFormatOf(int ExportFormat);
// The number of formats the export offers.
inline constexpr int ExportFormatCount = 4;

// The file a region named `Name` is exported to: in `Folder`, the name with every character that file
// names must not hold replaced by "_", and the extension. When that file (or anything of that name)
// exists, the first free "name(i).ext" instead.
std::string RegionExportTarget(const std::string& Folder, const std::string& Name,
                               const std::string& Extension);
