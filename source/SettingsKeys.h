// The keys of section SYSTEM of the settings file: each key with its field of the settings record,
// in the order in which the file is read and written.
#pragma once

#include "source/GlobalVars.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct TSettingKey {
    using TField = std::variant<std::string TGlobalVars::*, bool TGlobalVars::*, int TGlobalVars::*,
                                std::uint8_t TGlobalVars::*>;

    const char* Key;
    TField Field;
    // Index fields name a position in a list: a loaded value outside [Min, Max] is not usable and the
    // field keeps its current (initial) value instead. Min > Max means any value is taken.
    int Min = 1;
    int Max = 0;

    bool HasRange() const { return Min <= Max; }
};

const std::vector<TSettingKey>& SettingKeys();

// The section that holds them.
inline constexpr const char* SettingsSection = "SYSTEM";
