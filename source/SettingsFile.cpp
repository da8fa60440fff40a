#include "source/SettingsFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/IniFile.h"
#include "source/FileNameHelpers.h"
#include "source/GlobalVars.h"
#include "source/IniFileAccess.h"
#include "source/SettingsKeys.h"
#include "source/SystemFolders.h"

#include <filesystem>
#include <system_error>
#include <type_traits>

namespace settings_file_detail {

bool InRange(const TSettingKey& key, int value) {
    return !key.HasRange() || (value >= key.Min && value <= key.Max);
}

void ReadKey(TMemIniFile& ini, const TSettingKey& key, TGlobalVars& vars) {
    std::visit(
        [&](auto field) {
            using T = std::remove_reference_t<decltype(vars.*field)>;
            if constexpr (std::is_same_v<T, std::string>) {
                vars.*field = ini.ReadString(SettingsSection, key.Key, vars.*field);
            } else if constexpr (std::is_same_v<T, bool>) {
                vars.*field = ini.ReadBool(SettingsSection, key.Key, vars.*field);
            } else if constexpr (std::is_same_v<T, int>) {
                int value = ini.ReadInteger(SettingsSection, key.Key, vars.*field);
                if (InRange(key, value)) vars.*field = value;
            } else {
                // 8-bit fields keep the low byte of whatever number is stored.
                auto value =
                    static_cast<std::uint8_t>(ini.ReadInteger(SettingsSection, key.Key, vars.*field) & 0xFF);
                if (InRange(key, value)) vars.*field = value;
            }
        },
        key.Field);
}

void WriteKey(TMemIniFile& ini, const TSettingKey& key, const TGlobalVars& vars) {
    std::visit(
        [&](auto field) {
            using T = std::remove_cv_t<std::remove_reference_t<decltype(vars.*field)>>;
            if constexpr (std::is_same_v<T, std::string>)
                ini.WriteString(SettingsSection, key.Key, vars.*field);
            else if constexpr (std::is_same_v<T, bool>)
                ini.WriteBool(SettingsSection, key.Key, vars.*field);
            else
                ini.WriteInteger(SettingsSection, key.Key, static_cast<int>(vars.*field));
        },
        key.Field);
}

} // namespace settings_file_detail

std::string SettingsFilePath() {
    const std::string root = AddTrailingBackslash(ShellFolderPath("AppData"));
    const std::string folder = DataFolderPath();
    if (ForceDirectories(folder)) return folder + SettingsFileName;
    return root + SettingsFileName;
}

bool LoadSettings(TGlobalVars& vars, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        SaveSettings(vars, path);
        return false;
    }
    std::unique_ptr<TMemIniFile> ini;
    try {
        ini = std::make_unique<TMemIniFile>(path);
    } catch (const Exception&) {
        return false; // unreadable: the defaults stand and the file is left alone
    }
    for (const TSettingKey& key : SettingKeys())
        settings_file_detail::ReadKey(*ini, key, vars);
    return true;
}

bool LoadSettings(TGlobalVars& vars) {
    return LoadSettings(vars, SettingsFilePath());
}

void SaveSettings(const TGlobalVars& vars, const std::string& path) {
    std::unique_ptr<TMemIniFile> ini = OpenIniForWriting(path);
    try {
        for (const TSettingKey& key : SettingKeys())
            settings_file_detail::WriteKey(*ini, key, vars);
    } catch (const Exception&) {
        // a value the file cannot hold (a line break in a folder name): nothing is written
        throw EIniFileException(UnableToWriteMessage(path));
    }
    WriteIniFile(*ini);
}

void SaveSettings(const TGlobalVars& vars) {
    SaveSettings(vars, SettingsFilePath());
}

void WriteSettingInteger(const std::string& section, const std::string& key, int value,
                         const std::string& path) {
    std::unique_ptr<TMemIniFile> ini = OpenIniForWriting(path);
    ini->WriteInteger(section, key, value);
    WriteIniFile(*ini);
}

void WriteSettingString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path) {
    std::unique_ptr<TMemIniFile> ini = OpenIniForWriting(path);
    ini->WriteString(section, key, value);
    WriteIniFile(*ini);
}

void WriteSettingBool(const std::string& section, const std::string& key, bool value,
                      const std::string& path) {
    std::unique_ptr<TMemIniFile> ini = OpenIniForWriting(path);
    ini->WriteBool(section, key, value);
    WriteIniFile(*ini);
}

int ReadSettingInteger(const std::string& section, const std::string& key, int defaultValue,
                       const std::string& path) {
    return OpenIniForReading(path)->ReadInteger(section, key, defaultValue);
}

bool ReadSettingBool(const std::string& section, const std::string& key, bool defaultValue,
                     const std::string& path) {
    return OpenIniForReading(path)->ReadBool(section, key, defaultValue);
}
