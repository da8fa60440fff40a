// The text of a settings file held as its lines, with the lookups and edits of the profile rules:
// section and key names are trimmed and compared without regard to case (unless asked otherwise), the
// first of two same-named sections or keys is the one that counts, and every line the edits do not touch
// (comments, blank lines, unknown lines, the original line breaks and any byte-order mark) is written
// back exactly as it was read.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace inidoc_index {

// Names hash and compare as the document's lookups do (ASCII case ignored unless case-sensitive),
// without making folded copies.
struct NameHash {
    bool CaseSensitive = false;
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct NameEqual {
    bool CaseSensitive = false;
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

} // namespace inidoc_index

class IniFileDocument {
public:
    IniFileDocument() = default;
    explicit IniFileDocument(std::string_view text) { SetText(text); }

    // Replaces the whole content. Lines may end in CR LF, LF or CR.
    void SetText(std::string_view text);
    // The content as file bytes; an unedited document gives back exactly the text it was read from.
    std::string Text() const;
    // The content as lines without their breaks (for list views of the file).
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void Clear();

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    // The value of a key as read: trimmed, and with one pair of matching outer quotes ('…' or "…")
    // removed. Nothing when the section or the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // Section names in file order, each name once.
    std::vector<std::string> SectionNames() const;
    // Key names of a section in file order, each name once (as first written).
    std::vector<std::string> KeyNames(std::string_view section) const;
    // Key names with the values a read would give, in file order, each key once.
    std::vector<std::pair<std::string, std::string>> KeyValues(std::string_view section) const;

    // Sets a key, in place when it exists (its line keeps its position), else as a new line at the end
    // of its section; a missing section is appended to the file. Raises EIniFileException for a name
    // or value that could not be read back as written (line breaks, a key with '=' or an empty key).
    // Values with outer blanks or outer quotes are written quoted so that a read returns them unchanged.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines; false when there was none.
    bool EraseSection(std::string_view section);
    // Removes, in one pass, every section whose name the predicate accepts; false when there was none.
    bool EraseSectionsWhere(const std::function<bool(const std::string&)>& accept);
    // Removes every line of that key from the section that reads count for; false when there was none.
    bool DeleteKey(std::string_view section, std::string_view key);

private:
    enum class LineKind { Other, Key };
    struct Line {
        std::string Raw;   // the line's bytes without its break
        std::string Break; // "\r\n", "\n", "\r", or empty for a last line without a break
        LineKind Kind = LineKind::Other;
        std::string Name;  // trimmed key name (keys only)
        std::string Value; // trimmed raw value (keys only)
    };
    // Lookups go through indexes built on first use, so that reading or writing a file of thousands of
    // sections and keys takes time in proportion to its size. An index holds the first of same-named
    // entries, as reads do, and is dropped by any edit that moves entries.
    using NameHash = inidoc_index::NameHash;
    using NameEqual = inidoc_index::NameEqual;
    using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, NameEqual>;
    struct Section {
        std::string Name;
        Line Header;
        std::vector<Line> Lines;
        mutable NameIndex KeyIndex; // key name -> position in Lines
        mutable bool KeyIndexValid = false;
    };

    bool SameName(std::string_view a, std::string_view b) const;
    // An empty index that compares names as this document does.
    NameIndex NewIndex() const;
    void InvalidateIndexes() const;
    const Section* FindSection(std::string_view section) const;
    Section* FindSection(std::string_view section);
    const Line* FindKey(const Section& section, std::string_view key) const;
    Line NewLine(std::string raw) const;
    void AddLine(std::string raw, std::string lineBreak);

    std::string FByteOrderMark;
    std::string FLineBreak = "\r\n";
    std::vector<Line> FPreamble; // lines before the first section: kept, never read
    std::vector<Section> FSections;
    bool FCaseSensitive = false;
    mutable NameIndex FSectionIndex; // section name -> position in FSections
    mutable bool FSectionIndexValid = false;
};
