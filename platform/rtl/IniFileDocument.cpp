#include "platform/rtl/IniFileDocument.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>

namespace inidoc {

const std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool IsWrappedInQuotes(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.front() == text.back();
}

// The name without the blanks around it (as Trim, without a copy).
std::string_view TrimmedView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The value a read gives for the trimmed text after '='.
std::string Unquote(std::string_view value) {
    if (IsWrappedInQuotes(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// The text to put after '=' so that a read gives back exactly `value`.
std::string QuoteForWriting(std::string_view value) {
    const bool needsQuotes =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsWrappedInQuotes(value));
    if (!needsQuotes) return std::string(value);
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += '"';
    quoted += value;
    quoted += '"';
    return quoted;
}

// The name of the section a trimmed line opens: the line must begin with '[' and end with ']'.
std::optional<std::string> SectionHeaderName(std::string_view trimmed) {
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
    return Trim(trimmed.substr(1, trimmed.size() - 2));
}

} // namespace inidoc

void IniFileDocument::Clear() {
    FPreamble.clear();
    FSections.clear();
    InvalidateIndexes();
}

void IniFileDocument::SetCaseSensitive(bool value) {
    FCaseSensitive = value;
    InvalidateIndexes();
}

void IniFileDocument::InvalidateIndexes() const {
    FSectionIndex = NewIndex();
    FSectionIndexValid = false;
    for (const Section& section : FSections) {
        section.KeyIndex = NewIndex();
        section.KeyIndexValid = false;
    }
}

std::size_t inidoc_index::NameHash::operator()(std::string_view name) const {
    // FNV-1a over the bytes, ASCII letters folded unless names are case-sensitive.
    std::size_t hash = 14695981039346656037ull;
    for (char c : name) {
        if (!CaseSensitive && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

bool inidoc_index::NameEqual::operator()(std::string_view a, std::string_view b) const {
    return CaseSensitive ? a == b : SameText(a, b);
}

IniFileDocument::NameIndex IniFileDocument::NewIndex() const {
    return NameIndex(0, NameHash{FCaseSensitive}, NameEqual{FCaseSensitive});
}

IniFileDocument::Line IniFileDocument::NewLine(std::string raw) const {
    Line line;
    line.Raw = std::move(raw);
    line.Break = FLineBreak;
    const std::string trimmed = Trim(line.Raw);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return line;
    std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) return line;
    line.Kind = LineKind::Key;
    line.Name = Trim(trimmed.substr(0, equals));
    line.Value = Trim(trimmed.substr(equals + 1));
    return line;
}

void IniFileDocument::AddLine(std::string raw, std::string lineBreak) {
    if (auto name = inidoc::SectionHeaderName(Trim(raw))) {
        Section section;
        section.Name = std::move(*name);
        section.Header.Raw = std::move(raw);
        section.Header.Break = std::move(lineBreak);
        FSections.push_back(std::move(section));
        FSectionIndexValid = false;
        return;
    }
    Line line = NewLine(std::move(raw));
    line.Break = std::move(lineBreak);
    if (FSections.empty()) {
        FPreamble.push_back(std::move(line));
        return;
    }
    FSections.back().Lines.push_back(std::move(line));
    FSections.back().KeyIndexValid = false;
}

void IniFileDocument::SetText(std::string_view text) {
    Clear();
    FByteOrderMark.clear();
    if (text.substr(0, inidoc::Utf8ByteOrderMark.size()) == inidoc::Utf8ByteOrderMark) {
        FByteOrderMark = inidoc::Utf8ByteOrderMark;
        text.remove_prefix(inidoc::Utf8ByteOrderMark.size());
    }
    bool breakDetected = false;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            AddLine(std::string(text), "");
            break;
        }
        std::size_t breakLength =
            (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
        std::string lineBreak(text.substr(end, breakLength));
        if (!breakDetected) {
            FLineBreak = lineBreak;
            breakDetected = true;
        }
        AddLine(std::string(text.substr(0, end)), std::move(lineBreak));
        text.remove_prefix(end + breakLength);
    }
}

void IniFileDocument::SetLines(const std::vector<std::string>& lines) {
    // The lines are the file's text: an entry with breaks inside becomes several lines, as it would on
    // the next read of the written file. The byte-order mark and the break style stay the document's.
    const std::string byteOrderMark = FByteOrderMark;
    const std::string lineBreak = FLineBreak;
    std::string text;
    for (const std::string& line : lines)
        text += line + lineBreak;
    SetText(text);
    if (!byteOrderMark.empty()) FByteOrderMark = byteOrderMark;
    FLineBreak = lineBreak;
}

std::string IniFileDocument::Text() const {
    std::vector<const Line*> all;
    for (const Line& line : FPreamble)
        all.push_back(&line);
    for (const Section& section : FSections) {
        all.push_back(&section.Header);
        for (const Line& line : section.Lines)
            all.push_back(&line);
    }
    std::string text = FByteOrderMark;
    for (std::size_t i = 0; i < all.size(); ++i) {
        text += all[i]->Raw;
        // Only the very last line may stay without a break; an edit may have put lines after it.
        text += (all[i]->Break.empty() && i + 1 < all.size()) ? FLineBreak : all[i]->Break;
    }
    return text;
}

std::vector<std::string> IniFileDocument::Lines() const {
    std::vector<std::string> lines;
    for (const Line& line : FPreamble)
        lines.push_back(line.Raw);
    for (const Section& section : FSections) {
        lines.push_back(section.Header.Raw);
        for (const Line& line : section.Lines)
            lines.push_back(line.Raw);
    }
    return lines;
}

bool IniFileDocument::SameName(std::string_view a, std::string_view b) const {
    return FCaseSensitive ? a == b : SameText(a, b);
}

const IniFileDocument::Section* IniFileDocument::FindSection(std::string_view section) const {
    if (!FSectionIndexValid) {
        FSectionIndex = NewIndex();
        FSectionIndex.reserve(FSections.size());
        for (std::size_t i = 0; i < FSections.size(); ++i)
            FSectionIndex.emplace(FSections[i].Name, i);
        FSectionIndexValid = true;
    }
    auto found = FSectionIndex.find(inidoc::TrimmedView(section));
    return found == FSectionIndex.end() ? nullptr : &FSections[found->second];
}

IniFileDocument::Section* IniFileDocument::FindSection(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

const IniFileDocument::Line* IniFileDocument::FindKey(const Section& section, std::string_view key) const {
    if (!section.KeyIndexValid) {
        section.KeyIndex = NewIndex();
        for (std::size_t i = 0; i < section.Lines.size(); ++i)
            if (section.Lines[i].Kind == LineKind::Key) section.KeyIndex.emplace(section.Lines[i].Name, i);
        section.KeyIndexValid = true;
    }
    auto found = section.KeyIndex.find(inidoc::TrimmedView(key));
    return found == section.KeyIndex.end() ? nullptr : &section.Lines[found->second];
}

std::optional<std::string> IniFileDocument::Value(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return std::nullopt;
    const Line* line = FindKey(*found, key);
    if (!line) return std::nullopt;
    return inidoc::Unquote(line->Value);
}

bool IniFileDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool IniFileDocument::HasKey(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    return found && FindKey(*found, key);
}

std::vector<std::string> IniFileDocument::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string_view, NameHash, NameEqual> seen(0, NameHash{FCaseSensitive},
                                                                   NameEqual{FCaseSensitive});
    for (const Section& section : FSections)
        if (seen.insert(section.Name).second) names.push_back(section.Name);
    return names;
}

std::vector<std::string> IniFileDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    for (const auto& [name, value] : KeyValues(section))
        names.push_back(name);
    return names;
}

std::vector<std::pair<std::string, std::string>> IniFileDocument::KeyValues(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> values;
    const Section* found = FindSection(section);
    if (!found) return values;
    std::unordered_set<std::string_view, NameHash, NameEqual> seen(0, NameHash{FCaseSensitive},
                                                                   NameEqual{FCaseSensitive});
    for (const Line& line : found->Lines)
        if (line.Kind == LineKind::Key && seen.insert(line.Name).second)
            values.emplace_back(line.Name, inidoc::Unquote(line.Value));
    return values;
}

void IniFileDocument::SetValue(std::string_view sectionName, std::string_view keyName,
                               std::string_view value) {
    const std::string section = Trim(sectionName);
    const std::string key = Trim(keyName);
    if (inidoc::HasLineBreak(section))
        throw EIniFileException("Section name \"" + section + "\" contains a line break");
    if (key.empty()) throw EIniFileException("Empty key name in section \"" + section + "\"");
    if (inidoc::HasLineBreak(key) || key.find('=') != std::string::npos || key.front() == ';' ||
        key.front() == '[')
        throw EIniFileException("Invalid key name \"" + key + "\"");
    if (inidoc::HasLineBreak(value))
        throw EIniFileException("The value of \"" + key + "\" contains a line break");

    Section* target = FindSection(section);
    if (!target) {
        const Line* last = nullptr;
        if (!FSections.empty())
            last = FSections.back().Lines.empty() ? &FSections.back().Header : &FSections.back().Lines.back();
        else if (!FPreamble.empty())
            last = &FPreamble.back();
        if (last && !Trim(last->Raw).empty()) {
            Line separator;
            separator.Break = FLineBreak;
            (FSections.empty() ? FPreamble : FSections.back().Lines).push_back(separator);
        }
        Section added;
        added.Name = section;
        added.Header.Raw = "[" + added.Name + "]";
        added.Header.Break = FLineBreak;
        FSections.push_back(std::move(added));
        target = &FSections.back();
        if (FSectionIndexValid) FSectionIndex.emplace(section, FSections.size() - 1);
    }

    Line* existing = const_cast<Line*>(FindKey(*target, key));
    if (existing) {
        existing->Value = inidoc::QuoteForWriting(value);
        existing->Raw = existing->Name + "=" + existing->Value;
        return;
    }
    // New keys go after the section's last non-blank line, so blank lines that separate it from the
    // next section stay where they are.
    auto& lines = target->Lines;
    auto insertAt = lines.end();
    while (insertAt != lines.begin() && Trim(std::prev(insertAt)->Raw).empty())
        --insertAt;
    const bool atEnd = insertAt == lines.end();
    const std::size_t position = static_cast<std::size_t>(insertAt - lines.begin());
    lines.insert(insertAt, NewLine(key + "=" + inidoc::QuoteForWriting(value)));
    // Appending keeps the positions the index holds; inserting before blank lines moves them.
    if (atEnd && target->KeyIndexValid)
        target->KeyIndex.emplace(key, position);
    else
        target->KeyIndexValid = false;
}

bool IniFileDocument::EraseSection(std::string_view section) {
    const std::string name = Trim(section);
    return EraseSectionsWhere([&](const std::string& candidate) { return SameName(candidate, name); });
}

bool IniFileDocument::EraseSectionsWhere(const std::function<bool(const std::string&)>& accept) {
    auto removed = std::remove_if(FSections.begin(), FSections.end(),
                                  [&](const Section& candidate) { return accept(candidate.Name); });
    const bool any = removed != FSections.end();
    FSections.erase(removed, FSections.end());
    if (any) FSectionIndexValid = false;
    return any;
}

bool IniFileDocument::DeleteKey(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    if (!found) return false;
    const std::string name = Trim(key);
    auto& lines = found->Lines;
    auto removed = std::remove_if(lines.begin(), lines.end(), [&](const Line& line) {
        return line.Kind == LineKind::Key && SameName(line.Name, name);
    });
    bool any = removed != lines.end();
    lines.erase(removed, lines.end());
    if (any) found->KeyIndexValid = false;
    return any;
}
