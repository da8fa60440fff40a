#include "source/markers/RegionExport.h"

#include "source/FileNameHelpers.h"

#include <array>

TExportFormat ExportFormatOf(int ExportFormat) {
    static constexpr std::array<TExportFormat, ExportFormatCount> formats{
        {{".wav", 1}, {".mp3", 2}, {".ogg", 6}, {".wma", 11}}};
    if (ExportFormat < 0 || ExportFormat >= ExportFormatCount) return formats[0];
    return formats[static_cast<std::size_t>(ExportFormat)];
}

std::string RegionExportTarget(const std::string& Folder, const std::string& Name,
                               const std::string& Extension) {
    return UniqueFileName(CleanFileName(Name, "_") + Extension, AddTrailingBackslash(Folder));
}
