// The settings file "system201201.dat" in the per-user data folder: the settings record in section
// SYSTEM, the view keys that the view commands write at once, and the main window's placement.
#pragma once

#include <string>

struct TGlobalVars;

inline constexpr const char* SettingsFileName = "system201201.dat";

// The settings file's full path in the per-user data folder, which is created when missing; when it
// cannot be created the file lies in the configuration root instead.
std::string SettingsFilePath();

// Reads every key of the record from `path`, each with the field's current value as default, in file
// order. 8-bit fields keep the low byte of the stored number; index fields whose value lies outside
// their list keep the current value. Returns true when the file existed and was read. A missing file is
// created from the record (SaveSettings) and gives false; an unreadable one is left alone and gives
// false.
bool LoadSettings(TGlobalVars& vars, const std::string& path);
bool LoadSettings(TGlobalVars& vars);

// Writes every key of the record into section SYSTEM, in file order, keeping every other line of the
// file. Raises EIniFileException "Unable to write to <path>" when the file cannot be written; the old
// file then stays as it was.
void SaveSettings(const TGlobalVars& vars, const std::string& path);
void SaveSettings(const TGlobalVars& vars);

// Write one value into the settings file at once (the view commands' keys).
void WriteSettingInteger(const std::string& section, const std::string& key, int value,
                         const std::string& path = SettingsFilePath());
void WriteSettingString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path = SettingsFilePath());
void WriteSettingBool(const std::string& section, const std::string& key, bool value,
                      const std::string& path = SettingsFilePath());

// Read one value of the settings file; a missing file or key, or a bad number, gives the default.
int ReadSettingInteger(const std::string& section, const std::string& key, int defaultValue,
                       const std::string& path = SettingsFilePath());
bool ReadSettingBool(const std::string& section, const std::string& key, bool defaultValue,
                     const std::string& path = SettingsFilePath());
