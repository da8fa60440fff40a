#include "source/ShortcutFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "source/IniFileAccess.h"
#include "source/ShortcutCommands.h"

#include <filesystem>
#include <system_error>

namespace shortcut_file_detail {

constexpr const char* ShortcutKey = "Shortcut";

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace shortcut_file_detail

std::optional<std::vector<std::string>> ReadShortcutSections(const std::string& path) {
    if (!shortcut_file_detail::FileExists(path)) return std::nullopt;
    std::unique_ptr<TMemIniFile> ini;
    try {
        ini = std::make_unique<TMemIniFile>(path);
    } catch (const Exception&) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (const std::string& section : IniSectionNames(*ini))
        texts.push_back(ini->ReadString(section, shortcut_file_detail::ShortcutKey, ""));
    return texts;
}

std::vector<std::string> ShortcutTextsForCommands(const std::vector<std::string>& sections,
                                                  std::size_t commandCount) {
    std::vector<std::string> texts(commandCount);
    for (std::size_t i = 0; i < commandCount && i < sections.size(); ++i)
        texts[i] = sections[i];
    return texts;
}

std::vector<std::string> ShortcutTextsForEditing(const std::string& path,
                                                 const std::vector<std::string>& current) {
    const std::vector<std::string> sections = ReadShortcutSections(path).value_or(std::vector<std::string>{});
    std::vector<std::string> texts = current;
    for (std::size_t i = 0; i < texts.size() && i < sections.size(); ++i)
        texts[i] = ShortCutToText(TextToShortCut(sections[i]));
    return texts;
}

std::optional<std::vector<TShortCut>> LoadCommandShortcuts(const std::string& path,
                                                           std::size_t commandCount) {
    std::optional<std::vector<std::string>> sections = ReadShortcutSections(path);
    if (!sections) return std::nullopt;
    std::vector<TShortCut> shortcuts;
    shortcuts.reserve(commandCount);
    for (const std::string& text : ShortcutTextsForCommands(*sections, commandCount))
        shortcuts.push_back(TextToShortCut(text));
    return shortcuts;
}

void WriteShortcutFile(const std::string& path, const std::vector<std::string>& texts) {
    // Written anew, so that the n-th section is "Action" + n even when the old file was edited by hand.
    TMemIniFile ini(std::string{});
    ini.Rename(path, false);
    try {
        for (std::size_t n = 0; n < texts.size(); ++n)
            ini.WriteString("Action" + std::to_string(n + 1), shortcut_file_detail::ShortcutKey, texts[n]);
    } catch (const Exception&) {
        throw EIniFileException(UnableToWriteMessage(path));
    }
    WriteIniFile(ini);
}

bool SaveDefaultShortcuts(const std::string& path) {
    if (shortcut_file_detail::FileExists(path)) return false;
    std::vector<std::string> texts;
    for (const TShortcutCommand& command : ShortcutCommands())
        texts.emplace_back(command.DefaultShortcut);
    WriteShortcutFile(path, texts);
    return true;
}
