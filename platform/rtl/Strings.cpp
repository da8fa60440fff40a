#include "platform/rtl/Strings.h"

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileStream.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"

#include <cerrno>
#include <cstring>

namespace strings_detail {

// UTF-16 bytes (after the byte-order mark) as UTF-8; an odd last byte is dropped.
std::string Utf16BytesToUtf8(const std::string& bytes, std::size_t start, bool bigEndian) {
    std::u16string units;
    units.reserve((bytes.size() - start) / 2);
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]), b1 = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0)));
    }
    return Utf16ToUtf8(units);
}

// Raw file or stream bytes as UTF-8 text.
std::string DecodeText(const std::string& bytes) {
    auto startsWith = [&](const char* bom, std::size_t n) {
        return bytes.size() >= n && bytes.compare(0, n, bom, n) == 0;
    };
    if (startsWith("\xEF\xBB\xBF", 3)) return bytes.substr(3);
    if (startsWith("\xFF\xFE", 2)) return Utf16BytesToUtf8(bytes, 2, false);
    if (startsWith("\xFE\xFF", 2)) return Utf16BytesToUtf8(bytes, 2, true);
    return bytes;
}

std::string OsReason(int error) {
    return std::strerror(error != 0 ? error : EIO);
}

} // namespace strings_detail

int TStrings::Add(const std::string& S) {
    const int result = GetCount();
    Insert(result, S);
    return result;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    const int result = Add(S);
    PutObject(result, AObject);
    return result;
}

void TStrings::AddStrings(TStrings* Strings) {
    BeginUpdate();
    try {
        for (int i = 0; i < Strings->Count(); ++i)
            AddObject(Strings->Get(i), Strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TStrings*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    BeginUpdate();
    try {
        Clear();
        FNameValueSeparator = source->FNameValueSeparator;
        FDelimiter = source->FDelimiter;
        FQuoteChar = source->FQuoteChar;
        FStrictDelimiter = source->FStrictDelimiter;
        FLineBreak = source->FLineBreak;
        AddStrings(source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    --FUpdateCount;
    if (FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Exchange(int Index1, int Index2) {
    BeginUpdate();
    try {
        const std::string s1 = Get(Index1), s2 = Get(Index2);
        TObject* o1 = GetObject(Index1);
        TObject* o2 = GetObject(Index2);
        Put(Index1, s2);
        Put(Index2, s1);
        PutObject(Index1, o2);
        PutObject(Index2, o1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    if (NewIndex < 0 || NewIndex >= GetCount()) IndexError(NewIndex);
    BeginUpdate();
    try {
        const std::string s = Get(CurIndex);
        TObject* object = GetObject(CurIndex);
        // Detach the object first so that a list owning its objects does not free it on Delete.
        PutObject(CurIndex, nullptr);
        Delete(CurIndex);
        InsertObject(NewIndex, s, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(TStrings* Strings) const {
    if (Strings == nullptr || Strings->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

int TStrings::IndexOf(const std::string& S) const {
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& Name) const {
    for (int i = 0; i < GetCount(); ++i) {
        const std::string s = Get(i);
        const std::size_t sep = s.find(FNameValueSeparator);
        if (sep != std::string::npos && CompareStrings(s.substr(0, sep), Name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

void TStrings::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TStrings::LoadFromStream(TStream* Stream) {
    const std::int64_t left = Stream->Size() - Stream->Position();
    std::string bytes(static_cast<std::size_t>(left > 0 ? left : 0), '\0');
    Stream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    SetText(strings_detail::DecodeText(bytes));
}

void TStrings::SaveToFile(const std::string& FileName) const {
    errno = 0;
    if (!WriteFileAtomically(FileName, Text()))
        throw EFCreateError("Cannot create file \"" + FileName + "\". " + strings_detail::OsReason(errno));
}

void TStrings::SaveToStream(TStream* Stream) const {
    const std::string text = Text();
    Stream->WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

std::string TStrings::ExtractName(const std::string& S) const {
    const std::size_t sep = S.find(FNameValueSeparator);
    return sep == std::string::npos ? std::string() : S.substr(0, sep);
}

std::string TStrings::Names(int Index) const {
    return ExtractName(Get(Index));
}

std::string TStrings::Values(const std::string& Name) const {
    const int i = IndexOfName(Name);
    return i >= 0 ? ValueFromIndex(i) : std::string();
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
    const int i = IndexOfName(Name);
    if (!Value.empty()) {
        const std::string line = Name + FNameValueSeparator + Value;
        if (i < 0)
            Add(line);
        else
            Put(i, line);
    } else if (i >= 0) {
        Delete(i);
    }
}

std::string TStrings::ValueFromIndex(int Index) const {
    const std::string s = Get(Index);
    const std::size_t sep = s.find(FNameValueSeparator);
    return sep == std::string::npos ? std::string() : s.substr(sep + 1);
}

void TStrings::SetValueFromIndex(int Index, const std::string& Value) {
    if (!Value.empty()) {
        if (Index < 0) Index = Add(std::string());
        Put(Index, Names(Index) + FNameValueSeparator + Value);
    } else if (Index >= 0) {
        Delete(Index);
    }
}

std::string TStrings::DelimitedTextWith(char Delim, char Quote, bool Strict) const {
    const int count = GetCount();
    if (count == 1 && Get(0).empty()) return std::string(2, Quote);
    std::string result;
    for (int i = 0; i < count; ++i) {
        const std::string s = Get(i);
        bool quote = false;
        for (char c : s) {
            const auto u = static_cast<unsigned char>(c);
            if (c == Quote || c == Delim || u == 0 || (!Strict && u <= ' ')) {
                quote = true;
                break;
            }
        }
        if (i > 0) result += Delim;
        if (!quote) {
            result += s;
            continue;
        }
        result += Quote;
        for (char c : s) {
            if (c == Quote) result += Quote;
            result += c;
        }
        result += Quote;
    }
    return result;
}

void TStrings::SetDelimitedTextWith(const std::string& Value, char Delim, char Quote, bool Strict) {
    // A blank is any control character or space, but never the end of the text.
    auto blank = [&](std::size_t p) {
        return p < Value.size() && static_cast<unsigned char>(Value[p]) <= ' ' && Value[p] != Delim;
    };
    BeginUpdate();
    try {
        Clear();
        std::size_t p = 0;
        if (!Strict)
            while (blank(p))
                ++p;
        while (p < Value.size()) {
            std::string s;
            if (Value[p] == Quote) {
                ++p;
                while (p < Value.size()) {
                    if (Value[p] == Quote) {
                        if (p + 1 < Value.size() && Value[p + 1] == Quote) {
                            s += Quote;
                            p += 2;
                            continue;
                        }
                        ++p; // the closing quote
                        break;
                    }
                    s += Value[p++];
                }
            } else {
                const std::size_t start = p;
                while (p < Value.size() && Value[p] != Delim &&
                       (Strict || static_cast<unsigned char>(Value[p]) > ' '))
                    ++p;
                s = Value.substr(start, p - start);
            }
            Add(s);
            if (!Strict)
                while (blank(p))
                    ++p;
            if (p < Value.size() && Value[p] == Delim) {
                if (p + 1 == Value.size())
                    Add(std::string()); // a trailing delimiter ends with an empty string
                ++p;
                if (!Strict)
                    while (blank(p))
                        ++p;
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::DelimitedText() const {
    return DelimitedTextWith(FDelimiter, FQuoteChar, FStrictDelimiter);
}

void TStrings::SetDelimitedText(const std::string& Value) {
    SetDelimitedTextWith(Value, FDelimiter, FQuoteChar, FStrictDelimiter);
}

std::string TStrings::CommaText() const {
    return DelimitedTextWith(',', '"', false);
}

void TStrings::SetCommaText(const std::string& Value) {
    SetDelimitedTextWith(Value, ',', '"', false);
}

std::string TStrings::Text() const {
    std::string result;
    for (int i = 0; i < GetCount(); ++i) {
        result += Get(i);
        result += FLineBreak;
    }
    return result;
}

void TStrings::SetText(const std::string& Value) {
    const bool anyBreak =
        FLineBreak == "\r\n" || FLineBreak == "\n" || FLineBreak == "\r" || FLineBreak.empty();
    BeginUpdate();
    try {
        Clear();
        std::size_t p = 0;
        while (p < Value.size()) {
            std::size_t end;
            std::size_t next;
            if (anyBreak) {
                end = Value.find_first_of("\r\n", p);
                if (end == std::string::npos)
                    end = next = Value.size();
                else
                    next = end +
                           ((Value[end] == '\r' && end + 1 < Value.size() && Value[end + 1] == '\n') ? 2 : 1);
            } else {
                end = Value.find(FLineBreak, p);
                if (end == std::string::npos)
                    end = next = Value.size();
                else
                    next = end + FLineBreak.size();
            }
            Add(Value.substr(p, end - p));
            p = next;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Put(int Index, const std::string& S) {
    TObject* object = GetObject(Index);
    BeginUpdate();
    try {
        PutObject(Index, nullptr);
        Delete(Index);
        InsertObject(Index, S, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
    return AnsiCompareText(S1, S2);
}

void TStrings::Error(const std::string& Msg, int Data) const {
    std::string text = Msg;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(Data));
    throw EStringListError(text);
}

void TStrings::IndexError(int Index) const {
    Error("List index out of bounds (%d)", Index);
}
