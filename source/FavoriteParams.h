// Running a favourite: the effects it can name, and its parameter list turned into numbers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct TGlobalVars;
struct TFavorite;

inline constexpr int FavoriteParamCount = 10;
using TFavoriteParams = std::array<int, FavoriteParamCount>;

// One effect a favourite can name: its name as the favourite's Flag holds it, and the settings fields
// that hold its current values, in the order of the favourite's parameter list.
struct TFavoriteEffect {
    const char* Flag;
    std::vector<int TGlobalVars::*> Fields;
};

// The 23 effects, in the order in which a favourite's Flag is matched.
const std::vector<TFavoriteEffect>& FavoriteEffects();
// The effect whose name equals `flag` exactly (letter case counts), or null.
const TFavoriteEffect* FindFavoriteEffect(std::string_view flag);

// The effect's current values from the settings record, in list order; cells it does not use are 0.
TFavoriteParams FavoriteEffectDefaults(const TFavoriteEffect& effect, const TGlobalVars& vars);

// Cells 0 .. n-1 from a list of n values, the other cells from `defaults`. Values beyond the table's
// ten cells are checked but not kept. An item that is not an integer (also an empty item, and so the
// empty text) raises EConvertError "'<item>' is not a valid integer value".
TFavoriteParams ParseFavoriteParams(std::string_view text, const TFavoriteParams& defaults);

// The parameters a favourite runs with: its list over the named effect's current values. An effect
// without parameters ("Invert", "Reverse") reads no list.
TFavoriteParams FavoriteParamsFor(const TFavorite& favorite, const TFavoriteEffect& effect,
                                  const TGlobalVars& vars);
