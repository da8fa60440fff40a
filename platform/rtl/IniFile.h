// Settings files of sections and keys with the rules of the Windows profile functions: names trimmed and
// compared without regard to case, section and key order kept, the first of duplicate keys read, values
// trimmed and unquoted, numbers falling back to the default on bad text. TMemIniFile holds the whole
// file and writes it on UpdateFile; TIniFile goes to the file on every call. Comments, blank lines and
// the file's bytes outside the edited lines survive a rewrite, and every write replaces the file through
// a complete temporary copy, so a failed or interrupted write leaves the old file as it was.
#pragma once

#include "platform/rtl/IniFileDocument.h"
#include "platform/rtl/Object.h"

#include <functional>
#include <string>

class TStrings;
class TStream;

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(std::string FileName) : FFileName(std::move(FileName)) {}

    const std::string& FileName() const { return FFileName; }

    virtual std::string ReadString(const std::string& Section, const std::string& Ident,
                                   const std::string& Default) = 0;
    virtual void WriteString(const std::string& Section, const std::string& Ident,
                             const std::string& Value) = 0;
    // Decimal or "0x"/"$" hexadecimal text; anything else (or a number out of range) gives Default.
    virtual int ReadInteger(const std::string& Section, const std::string& Ident, int Default);
    virtual void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
    // ReadInteger <> 0; written as "1" and "0".
    virtual bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
    virtual void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
    // Numbers with '.' as the decimal separator whatever the locale; bad text gives Default.
    virtual double ReadFloat(const std::string& Section, const std::string& Ident, double Default);
    virtual void WriteFloat(const std::string& Section, const std::string& Ident, double Value);
    // Binary values are hexadecimal text, two digits per byte. Reading writes the bytes into Value at its
    // position, leaves the position at their start and returns their number (0 when the key is missing
    // or its text is not hexadecimal). Writing stores Value from its position to its end.
    virtual int ReadBinaryStream(const std::string& Section, const std::string& Name, TStream& Value);
    virtual void WriteBinaryStream(const std::string& Section, const std::string& Name, TStream& Value);

    // The lists are cleared first. ReadSection gives key names, ReadSectionValues "name=value" lines.
    virtual void ReadSection(const std::string& Section, TStrings& Strings) = 0;
    virtual void ReadSections(TStrings& Strings) = 0;
    virtual void ReadSectionValues(const std::string& Section, TStrings& Strings) = 0;
    virtual bool SectionExists(const std::string& Section) = 0;
    virtual bool ValueExists(const std::string& Section, const std::string& Ident) = 0;
    virtual void EraseSection(const std::string& Section) = 0;
    // Erases every section whose name Accept takes (for the registry kind: the keys below the file's key).
    virtual void EraseSectionsWhere(const std::function<bool(const std::string&)>& Accept);
    virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
    virtual void UpdateFile() = 0;

protected:
    void SetFileNameField(std::string FileName) { FFileName = std::move(FileName); }
    // The binary-stream conventions shared by every kind: bytes are put at the stream's position, which
    // is left at their start, and taken from the position to the end.
    static int PutBytes(TStream& Stream, const std::string& Bytes);
    static std::string TakeRemainingBytes(TStream& Stream);

private:
    std::string FFileName;
};

// The common ground of the two file-backed kinds: the profile rules over a document of lines.
class TIniFileBase : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;

    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) override;
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
    void ReadSection(const std::string& Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(const std::string& Section, TStrings& Strings) override;
    bool SectionExists(const std::string& Section) override;
    bool ValueExists(const std::string& Section, const std::string& Ident) override;
    void EraseSection(const std::string& Section) override;
    // One edit of the document, whatever the number of sections erased.
    void EraseSectionsWhere(const std::function<bool(const std::string&)>& Accept) override;
    void DeleteKey(const std::string& Section, const std::string& Ident) override;

protected:
    // The document the reads see.
    virtual const IniFileDocument& DocumentForReading() = 0;
    // Runs an edit on the document; returns whether the document changed. Implementations decide when
    // the file is written.
    virtual void Edit(const std::function<bool(IniFileDocument&)>& change) = 0;

    // Loads the file named FileName; a missing file gives an empty document. A file that exists but
    // cannot be read raises EIniFileException, so that nothing is ever written over it.
    IniFileDocument LoadDocument() const;
    // Writes the whole document through a temporary file, creating a missing folder; raises
    // EIniFileException on failure.
    void SaveDocument(const IniFileDocument& document) const;
};

// The whole file in memory: reads and writes work on the copy; UpdateFile writes it back.
class TMemIniFile : public TIniFileBase {
public:
    // A missing file (or an empty name) starts empty.
    explicit TMemIniFile(const std::string& FileName);

    // Writes the held text to FileName. Nothing is written for an object without a file name.
    void UpdateFile() override;

    // The file's text as lines (comments included); SetStrings replaces the held text.
    void GetStrings(TStrings& List) const;
    void SetStrings(const TStrings& List);
    // Takes a new file name; with Reload the held text is replaced by that file's.
    void Rename(const std::string& FileName, bool Reload);
    void Clear();

    bool CaseSensitive() const { return FDocument.CaseSensitive(); }
    void SetCaseSensitive(bool Value) { FDocument.SetCaseSensitive(Value); }

protected:
    const IniFileDocument& DocumentForReading() override { return FDocument; }
    void Edit(const std::function<bool(IniFileDocument&)>& change) override { change(FDocument); }

private:
    IniFileDocument FDocument;
};

// Every read looks at the file as it is now and every write goes to the file at once, as the profile
// functions do; nothing is held between calls.
class TIniFile : public TIniFileBase {
public:
    explicit TIniFile(const std::string& FileName) : TIniFileBase(FileName) {}

    // Writes happen as they are made: there is nothing left to write.
    void UpdateFile() override {}

protected:
    const IniFileDocument& DocumentForReading() override;
    void Edit(const std::function<bool(IniFileDocument&)>& change) override;

private:
    IniFileDocument FLastRead;
};
