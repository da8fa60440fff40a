#include "source/batch/BatchOutputNames.h"

#include "source/FileNameHelpers.h"

#include <filesystem>

std::string TBatchOutputNames::Reserve(const std::string& Name, const std::string& Folder) {
    const std::lock_guard<std::mutex> lock(FLock);
    const std::string path = UniqueFileName(Name, Folder, [this](const std::string& candidate) {
        std::error_code error;
        return FReserved.count(candidate) > 0 || std::filesystem::symlink_status(candidate, error).type() !=
                                                     std::filesystem::file_type::not_found;
    });
    FReserved.insert(path);
    return path;
}

void TBatchOutputNames::Release(const std::string& Path) {
    const std::lock_guard<std::mutex> lock(FLock);
    FReserved.erase(Path);
}
