// Favourites: named presets of an effect, kept in "Favorite201201.dat" in the per-user data folder,
// one section per favourite in list order. A favourite's parameters are decimal integers separated
// by "," in the order in which the effect's dialog stores its values.
#pragma once

#include "platform/rtl/Exception.h"
#include "platform/vcl/ShortCuts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TGlobalVars;

inline constexpr const char* FavoritesFileName = "Favorite201201.dat";

struct TFavorite {
    std::string Name;     // the section name
    std::string Shortcut; // text form, e.g. "Ctrl+H"; empty for none
    std::string Effect;   // the parameter list, e.g. "500,50,70"
    std::string Flag;     // the effect's name, e.g. "Echo"
    bool ShowDialog = false;
    friend bool operator==(const TFavorite&, const TFavorite&) = default;
};

class EFavoriteError : public Exception {
public:
    using Exception::Exception;
};

// The twelve favourites a first start writes, in order.
const std::vector<TFavorite>& DefaultFavorites();

// Writes the built-in favourites into the file (the file is written anew).
void WriteDefaultFavorites(const std::string& path);

// Every favourite of the file, in section order; empty when the file is missing or unreadable.
std::vector<TFavorite> ReadFavorites(const std::string& path);
// The same for an editor that will write the list back: a file that exists but cannot be read raises
// EFavoriteError saying so, so that the editor does not replace it with an empty list.
std::vector<TFavorite> ReadFavoritesForEditing(const std::string& path);
// The favourite of the index-th section, if there is one.
std::optional<TFavorite> ReadFavorite(const std::string& path, int index);
// The first favourite, in file order, whose shortcut text names the key `shortcut`; none for no key.
std::optional<TFavorite> FindFavoriteByShortcut(const std::string& path, TShortCut shortcut);

// Replaces the file with the given favourites, in order ("ShortCut", "Effect", "Flag", "ShowDialog").
// Refuses (EFavoriteError, file untouched) a favourite whose name or values the file cannot hold;
// raises EIniFileException "Unable to write to <path>" when the file cannot be written.
void SaveFavorites(const std::string& path, const std::vector<TFavorite>& favorites);

// Why a name cannot be a favourite's name (empty after trimming, brackets, line breaks), or "" when
// it can.
std::string CheckFavoriteName(std::string_view name);

// The text of the favourite's line in the favourites list: "Name (Ctrl+H)", or the name alone.
std::string FavoriteListText(const TFavorite& favorite);
