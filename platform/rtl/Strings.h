// TStrings: the abstract list of strings, each with an optional object. It holds everything that works
// through the five primitives a concrete list provides (Get, GetCount, Put, Insert, Delete): names and
// values, comma and delimited text, text with line breaks, streams and files, and the update bracket.
//
// Line breaks: Text joins the lines with LineBreak (default CR LF, the form the system's text files have
// always been written in) and ends the last line with it too; SetText accepts CR LF, LF and a lone CR
// alike, whatever LineBreak is, unless LineBreak is set to something other than those three, in which
// case the text is split at that string only.
#pragma once

#include "platform/rtl/Persistent.h"

#include <string>

class TStream;

class TStrings : public TPersistent {
public:
    TStrings() = default;
    ~TStrings() override = default;

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    void Append(const std::string& S) { Add(S); }
    virtual void AddStrings(TStrings* Strings);
    // Copies the strings, their objects and the text settings of another TStrings.
    void Assign(TPersistent* Source) override;

    // Between BeginUpdate and the matching EndUpdate, change events are held back (once each at the
    // outermost bracket).
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    virtual void Clear() = 0;
    virtual void Delete(int Index) = 0;
    virtual void Exchange(int Index1, int Index2);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void InsertObject(int Index, const std::string& S, TObject* AObject);
    virtual void Move(int CurIndex, int NewIndex);
    // Same strings in the same order (objects are not compared).
    bool Equals(TStrings* Strings) const;

    virtual int IndexOf(const std::string& S) const;
    virtual int IndexOfName(const std::string& Name) const;
    virtual int IndexOfObject(TObject* AObject) const;

    // The file or the rest of the stream as text (UTF-8; a UTF-8 or UTF-16 byte-order mark is honoured).
    virtual void LoadFromFile(const std::string& FileName);
    virtual void LoadFromStream(TStream* Stream);
    // Writes Text as UTF-8. SaveToFile replaces the file only once the new one is completely written.
    virtual void SaveToFile(const std::string& FileName) const;
    virtual void SaveToStream(TStream* Stream) const;

    int Count() const { return GetCount(); }
    virtual int Capacity() const { return GetCount(); }
    virtual void SetCapacity(int) {}
    std::string Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    std::string operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    // "Name=Value" lines, with NameValueSeparator in place of '='.
    std::string Names(int Index) const;
    std::string Values(const std::string& Name) const;
    // An empty value deletes the line; a new name is added at the end.
    void SetValues(const std::string& Name, const std::string& Value);
    std::string ValueFromIndex(int Index) const;
    void SetValueFromIndex(int Index, const std::string& Value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char Value) { FNameValueSeparator = Value; }

    // Strings joined by Delimiter; a string holding the delimiter, the quote character or (unless
    // StrictDelimiter) a space or control character is quoted with QuoteChar, quotes inside doubled.
    // Reading splits at Delimiter and (unless StrictDelimiter) at spaces outside quotes.
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string& Value);
    // DelimitedText with ',' and '"', never strict, whatever the list's own settings.
    std::string CommaText() const;
    void SetCommaText(const std::string& Value);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char Value) { FDelimiter = Value; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char Value) { FQuoteChar = Value; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

    virtual std::string Text() const;
    virtual void SetText(const std::string& Value);
    const std::string& LineBreak() const { return FLineBreak; }
    void SetLineBreak(const std::string& Value) { FLineBreak = Value; }

protected:
    virtual std::string Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int Index) const { return nullptr; }
    virtual void Put(int Index, const std::string& S);
    virtual void PutObject(int Index, TObject* AObject) {}
    // Called when the outermost update bracket opens (true) and closes (false).
    virtual void SetUpdateState(bool Updating) {}
    // Case-insensitive by default; TStringList follows its CaseSensitive setting.
    virtual int CompareStrings(const std::string& S1, const std::string& S2) const;

    // Raises EStringListError with Msg, "%d" in it replaced by Data.
    [[noreturn]] void Error(const std::string& Msg, int Data) const;
    [[noreturn]] void IndexError(int Index) const;
    std::string ExtractName(const std::string& S) const;

private:
    std::string DelimitedTextWith(char Delimiter, char Quote, bool Strict) const;
    void SetDelimitedTextWith(const std::string& Value, char Delimiter, char Quote, bool Strict);

    int FUpdateCount = 0;
    char FNameValueSeparator = '=';
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
    std::string FLineBreak = "\r\n";
};
