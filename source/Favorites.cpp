#include "source/Favorites.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/ShortCuts.h"
#include "source/IniFileAccess.h"

#include <filesystem>
#include <system_error>

namespace favorites_detail {

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

TFavorite ReadSection(TMemIniFile& ini, const std::string& section) {
    TFavorite favorite;
    favorite.Name = section;
    favorite.Shortcut = ini.ReadString(section, "Shortcut", "");
    favorite.Effect = ini.ReadString(section, "Effect", "");
    favorite.Flag = ini.ReadString(section, "Flag", "");
    favorite.ShowDialog = ini.ReadBool(section, "ShowDialog", false);
    return favorite;
}

std::unique_ptr<TMemIniFile> OpenExisting(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return nullptr;
    return OpenIniForReading(path);
}

} // namespace favorites_detail

const std::vector<TFavorite>& DefaultFavorites() {
    static const std::vector<TFavorite> favorites{
        {"Half Volume", "Ctrl+H", "50", "Amplify", false},
        {"Double Volume", "Ctrl+D", "200", "Amplify", false},
        {"Fade In", "", "0,100", "Fade", false},
        {"Fade Out", "", "100,0", "Fade", false},
        {"Normalize Audio Level", "", "75", "Normalize", false},
        {"Double Speed", "Ctrl+1", "200", "Speed Change", false},
        {"Slow Down Speed", "Ctrl+2", "70", "Speed Change", false},
        {"Many Echoes", "Ctrl+3", "500,50,70", "Echo", false},
        {"Very Large Cavern Effect", "Ctrl+4", "360,35,50", "Echo", false},
        {"Allien Saying Effect", "Ctrl+5", "30,60,60,30,11025,8", "Reverb", false},
        {"Radio", "Ctrl+6", "2000", "High Pass", false},
        {"Cassette Noise Reduce", "Ctrl+7", "-13,99,55", "Noise Reduction", false},
    };
    return favorites;
}

void WriteDefaultFavorites(const std::string& path) {
    SaveFavorites(path, DefaultFavorites());
}

std::vector<TFavorite> ReadFavorites(const std::string& path) {
    std::vector<TFavorite> favorites;
    std::unique_ptr<TMemIniFile> ini = favorites_detail::OpenExisting(path);
    if (!ini) return favorites;
    for (const std::string& section : IniSectionNames(*ini))
        favorites.push_back(favorites_detail::ReadSection(*ini, section));
    return favorites;
}

std::vector<TFavorite> ReadFavoritesForEditing(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {};
    std::unique_ptr<TMemIniFile> ini;
    try {
        ini = std::make_unique<TMemIniFile>(path);
    } catch (const Exception&) {
        throw EFavoriteError("The favorites file \"" + path +
                             "\" can not be read. Your favorites were left as they are.");
    }
    std::vector<TFavorite> favorites;
    for (const std::string& section : IniSectionNames(*ini))
        favorites.push_back(favorites_detail::ReadSection(*ini, section));
    return favorites;
}

std::optional<TFavorite> ReadFavorite(const std::string& path, int index) {
    std::unique_ptr<TMemIniFile> ini = favorites_detail::OpenExisting(path);
    if (!ini || index < 0) return std::nullopt;
    std::vector<std::string> sections = IniSectionNames(*ini);
    if (index >= static_cast<int>(sections.size())) return std::nullopt;
    return favorites_detail::ReadSection(*ini, sections[static_cast<std::size_t>(index)]);
}

std::optional<TFavorite> FindFavoriteByShortcut(const std::string& path, TShortCut shortcut) {
    // No key finds nothing: it must not run the first favourite that has none.
    if (shortcut == scNone) return std::nullopt;
    // Compared as keys, so that a hand-edited "ctrl+h" still runs from the key its action was given.
    for (TFavorite& favorite : ReadFavorites(path))
        if (TextToShortCut(favorite.Shortcut) == shortcut) return std::move(favorite);
    return std::nullopt;
}

std::string CheckFavoriteName(std::string_view name) {
    if (Trim(name).empty()) return "The favorite name can not be empty. Please try again.";
    if (name.find_first_of("[]") != std::string_view::npos || favorites_detail::HasLineBreak(name))
        return "The favorite name can not contain \"[\", \"]\" or line breaks. Please try again.";
    return {};
}

void SaveFavorites(const std::string& path, const std::vector<TFavorite>& favorites) {
    for (std::size_t i = 0; i < favorites.size(); ++i) {
        const TFavorite& favorite = favorites[i];
        if (std::string problem = CheckFavoriteName(favorite.Name); !problem.empty())
            throw EFavoriteError(problem);
        // The file compares section names trimmed and without regard to case: two such would become one.
        for (std::size_t j = 0; j < i; ++j)
            if (SameText(Trim(favorites[j].Name), Trim(favorite.Name)))
                throw EFavoriteError("There are two favorites named \"" + Trim(favorite.Name) +
                                     "\". Please try again.");
        if (favorites_detail::HasLineBreak(favorite.Shortcut) ||
            favorites_detail::HasLineBreak(favorite.Effect) || favorites_detail::HasLineBreak(favorite.Flag))
            throw EFavoriteError("The favorite \"" + favorite.Name +
                                 "\" holds a line break. Please try again.");
    }
    // Written anew: the file holds exactly the list, in its order.
    TMemIniFile ini(std::string{});
    ini.Rename(path, false);
    try {
        for (const TFavorite& favorite : favorites) {
            ini.WriteString(favorite.Name, "ShortCut", favorite.Shortcut);
            ini.WriteString(favorite.Name, "Effect", favorite.Effect);
            ini.WriteString(favorite.Name, "Flag", favorite.Flag);
            ini.WriteBool(favorite.Name, "ShowDialog", favorite.ShowDialog);
        }
    } catch (const Exception&) {
        throw EIniFileException(UnableToWriteMessage(path));
    }
    WriteIniFile(ini);
}

std::string FavoriteListText(const TFavorite& favorite) {
    if (favorite.Shortcut.empty()) return favorite.Name;
    return favorite.Name + " (" + favorite.Shortcut + ")";
}
