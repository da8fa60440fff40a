// Where framed controls may keep settings: an INI file or the registry store, chosen by PathType. The
// storage object is made on first use and made again after any setting changed.
#pragma once

#include "platform/rtl/Component.h"

#include <memory>
#include <string>

class TCustomIniFile;

enum TFrPathType { ptIniFile, ptRegistry };
// The registry store keeps the current user's keys.
enum TFrRegKey { hkeyCurrentUser };
enum TFrRegAccess { keyAllAccess, keyRead };
// sfAppData puts a relative INI path in the per-user data folder.
enum TFrSpecialFolder { sfNone, sfAppData };
enum TFrIniFileEncoding { feDefault };

class TFrRegIniFile : public TComponent {
public:
    explicit TFrRegIniFile(TComponent* AOwner);
    ~TFrRegIniFile() override;

    const std::string& Path() const { return FPath; }
    void SetPath(const std::string& Value);
    TFrPathType PathType() const { return FPathType; }
    void SetPathType(TFrPathType Value);
    TFrRegKey RegKey() const { return FRegKey; }
    void SetRegKey(TFrRegKey Value);
    TFrRegAccess RegAccess() const { return FRegAccess; }
    void SetRegAccess(TFrRegAccess Value);
    TFrSpecialFolder SpecialFolder() const { return FSpecialFolder; }
    void SetSpecialFolder(TFrSpecialFolder Value);
    TFrIniFileEncoding FileEncoding() const { return FFileEncoding; }
    void SetFileEncoding(TFrIniFileEncoding Value);

    // The INI file or registry store at Path, rebuilt when a setting changed since the last use.
    TCustomIniFile* Storage();
    bool RefreshNeeded() const { return FRefresh; }

private:
    std::string FPath;
    TFrPathType FPathType = ptIniFile;
    TFrRegKey FRegKey = hkeyCurrentUser;
    TFrRegAccess FRegAccess = keyAllAccess;
    TFrSpecialFolder FSpecialFolder = sfNone;
    TFrIniFileEncoding FFileEncoding = feDefault;
    bool FRefresh = true;
    std::unique_ptr<TCustomIniFile> FIniFile;
    std::unique_ptr<TCustomIniFile> FRegistry;
};
