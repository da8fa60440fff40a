#include "skin/framed/FrRegIniFile.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/RegistryIniFile.h"

TFrRegIniFile::TFrRegIniFile(TComponent* AOwner) : TComponent(AOwner) {}

TFrRegIniFile::~TFrRegIniFile() = default;

namespace {
// Stores a changed value and asks for the storage to be made again.
template <class T> void StoreChanged(T& Field, const T& Value, bool& Refresh) {
    if (Field == Value) return;
    Field = Value;
    Refresh = true;
}
} // namespace

void TFrRegIniFile::SetPath(const std::string& Value) {
    StoreChanged(FPath, Value, FRefresh);
}
void TFrRegIniFile::SetPathType(TFrPathType Value) {
    StoreChanged(FPathType, Value, FRefresh);
}
void TFrRegIniFile::SetRegKey(TFrRegKey Value) {
    StoreChanged(FRegKey, Value, FRefresh);
}
void TFrRegIniFile::SetRegAccess(TFrRegAccess Value) {
    StoreChanged(FRegAccess, Value, FRefresh);
}
void TFrRegIniFile::SetSpecialFolder(TFrSpecialFolder Value) {
    StoreChanged(FSpecialFolder, Value, FRefresh);
}
void TFrRegIniFile::SetFileEncoding(TFrIniFileEncoding Value) {
    StoreChanged(FFileEncoding, Value, FRefresh);
}

TCustomIniFile* TFrRegIniFile::Storage() {
    if (FRefresh) {
        FIniFile.reset();
        FRegistry.reset();
        FRefresh = false;
    }
    if (FPathType == ptRegistry) {
        if (!FRegistry) FRegistry = std::make_unique<TRegistryIniFile>(FPath);
        return FRegistry.get();
    }
    if (!FIniFile) {
        const bool relative = FPath.empty() || FPath.front() != '/';
        const std::string path = FSpecialFolder == sfAppData && relative
                                     ? IncludeTrailingPathDelimiter(GetUserDataFolder()) + FPath
                                     : FPath;
        FIniFile = std::make_unique<TIniFile>(path);
    }
    return FIniFile.get();
}
