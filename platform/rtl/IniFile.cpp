#include "platform/rtl/IniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/IniFileText.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

#include <cerrno>
#include <sys/stat.h>

namespace inifile {

// Numbers in settings files always use '.', whatever the user's locale says.
const TFormatSettings& InvariantNumbers() {
    static const TFormatSettings settings = [] {
        TFormatSettings invariant;
        invariant.DecimalSeparator = '.';
        invariant.ThousandSeparator = ',';
        return invariant;
    }();
    return settings;
}

} // namespace inifile

// ---- TCustomIniFile: the typed reads and writes, all through the string ones ----

int TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) {
    // A quoted value may carry blanks around the number.
    std::string text = Trim(ReadString(Section, Ident, ""));
    if (text.empty()) return Default;
    return StrToIntDef(text, Default);
}

void TCustomIniFile::EraseSectionsWhere(const std::function<bool(const std::string&)>& Accept) {
    TStringList sections;
    ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i)
        if (Accept(sections[i])) EraseSection(sections[i]);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& Section, const std::string& Ident, double Default) {
    std::string text = Trim(ReadString(Section, Ident, ""));
    double value = 0;
    if (text.empty() || !TryStrToFloat(text, value, inifile::InvariantNumbers())) return Default;
    return value;
}

void TCustomIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
    WriteString(Section, Ident, FloatToStr(Value, inifile::InvariantNumbers()));
}

int TCustomIniFile::PutBytes(TStream& Stream, const std::string& Bytes) {
    if (Bytes.empty()) return 0;
    const std::int64_t start = Stream.Position();
    Stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    Stream.SetPosition(start);
    return static_cast<int>(Bytes.size());
}

std::string TCustomIniFile::TakeRemainingBytes(TStream& Stream) {
    const std::int64_t count = Stream.Size() - Stream.Position();
    std::string bytes(static_cast<std::size_t>(count > 0 ? count : 0), '\0');
    if (!bytes.empty()) Stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return bytes;
}

int TCustomIniFile::ReadBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) {
    std::optional<std::string> bytes = ini_text::HexToBytes(ReadString(Section, Name, ""));
    return bytes ? PutBytes(Value, *bytes) : 0;
}

void TCustomIniFile::WriteBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) {
    WriteString(Section, Name, ini_text::BytesToHex(TakeRemainingBytes(Value)));
}

// ---- TIniFileBase: the profile rules over a document ----

std::string TIniFileBase::ReadString(const std::string& Section, const std::string& Ident,
                                     const std::string& Default) {
    std::optional<std::string> value = DocumentForReading().Value(Section, Ident);
    return value ? *value : Default;
}

void TIniFileBase::WriteString(const std::string& Section, const std::string& Ident,
                               const std::string& Value) {
    Edit([&](IniFileDocument& document) {
        document.SetValue(Section, Ident, Value);
        return true;
    });
}

void TIniFileBase::ReadSection(const std::string& Section, TStrings& Strings) {
    ini_text::ReplaceListContent(Strings, DocumentForReading().KeyNames(Section));
}

void TIniFileBase::ReadSections(TStrings& Strings) {
    ini_text::ReplaceListContent(Strings, DocumentForReading().SectionNames());
}

void TIniFileBase::ReadSectionValues(const std::string& Section, TStrings& Strings) {
    std::vector<std::string> lines;
    for (const auto& [name, value] : DocumentForReading().KeyValues(Section))
        lines.push_back(name + "=" + value);
    ini_text::ReplaceListContent(Strings, lines);
}

bool TIniFileBase::SectionExists(const std::string& Section) {
    return DocumentForReading().HasSection(Section);
}

bool TIniFileBase::ValueExists(const std::string& Section, const std::string& Ident) {
    return DocumentForReading().HasKey(Section, Ident);
}

void TIniFileBase::EraseSection(const std::string& Section) {
    Edit([&](IniFileDocument& document) { return document.EraseSection(Section); });
}

void TIniFileBase::EraseSectionsWhere(const std::function<bool(const std::string&)>& Accept) {
    Edit([&](IniFileDocument& document) { return document.EraseSectionsWhere(Accept); });
}

void TIniFileBase::DeleteKey(const std::string& Section, const std::string& Ident) {
    Edit([&](IniFileDocument& document) { return document.DeleteKey(Section, Ident); });
}

IniFileDocument TIniFileBase::LoadDocument() const {
    IniFileDocument document;
    if (FileName().empty()) return document;
    if (std::optional<std::string> bytes = ReadFileBytes(FileName())) {
        document.SetText(*bytes);
        return document;
    }
    struct stat info {};
    if (::stat(FileName().c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) return document;
    errno = 0;
    ReadFileBytes(FileName()); // once more, for the reason
    throw EIniFileException("Unable to read " + FileName() + ini_text::LastErrorReason());
}

void TIniFileBase::SaveDocument(const IniFileDocument& document) const {
    errno = 0;
    // On first use the per-user data folder may not exist yet.
    const std::string folder = ExtractFileDir(FileName());
    if (!folder.empty() && !ForceDirectories(folder))
        throw EIniFileException("Unable to write to " + FileName() + ": cannot create the folder " + folder);
    if (!WriteFileAtomically(FileName(), document.Text()))
        throw EIniFileException("Unable to write to " + FileName() + ini_text::LastErrorReason());
}

// ---- TMemIniFile ----

TMemIniFile::TMemIniFile(const std::string& FileName) : TIniFileBase(FileName) {
    FDocument = LoadDocument();
}

void TMemIniFile::UpdateFile() {
    if (!FileName().empty()) SaveDocument(FDocument);
}

void TMemIniFile::GetStrings(TStrings& List) const {
    ini_text::ReplaceListContent(List, FDocument.Lines());
}

void TMemIniFile::SetStrings(const TStrings& List) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(List.Count()));
    for (int i = 0; i < List.Count(); ++i)
        lines.push_back(List.Strings(i));
    FDocument.SetLines(lines);
}

void TMemIniFile::Rename(const std::string& FileName, bool Reload) {
    SetFileNameField(FileName);
    if (!Reload) return;
    const bool caseSensitive = FDocument.CaseSensitive();
    FDocument = LoadDocument();
    FDocument.SetCaseSensitive(caseSensitive);
}

void TMemIniFile::Clear() {
    FDocument.Clear();
}

// ---- TIniFile ----

const IniFileDocument& TIniFile::DocumentForReading() {
    // Reads never fail: a file that cannot be read gives the defaults, as the profile functions do.
    try {
        FLastRead = LoadDocument();
    } catch (const EIniFileException&) {
        FLastRead = IniFileDocument();
    }
    return FLastRead;
}

void TIniFile::Edit(const std::function<bool(IniFileDocument&)>& change) {
    IniFileDocument document = LoadDocument();
    if (change(document)) SaveDocument(document);
}
