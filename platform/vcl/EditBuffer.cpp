#include "platform/vcl/EditBuffer.h"

#include <algorithm>
#include <cwctype>

namespace editbuffer_detail {

bool IsWordChar(char32_t C) {
    return C > 0x7F || std::iswalnum(static_cast<wint_t>(C)) != 0 || C == U'_';
}

bool IsSpace(char32_t C) {
    return C == U' ' || C == U'\t' || C == U'\r' || C == U'\n';
}

char32_t ToUpper(char32_t C) {
    return C < 0x80 ? static_cast<char32_t>(std::towupper(static_cast<wint_t>(C))) : C;
}

char32_t ToLower(char32_t C) {
    return C < 0x80 ? static_cast<char32_t>(std::towlower(static_cast<wint_t>(C))) : C;
}

} // namespace editbuffer_detail

std::u32string EditUtf8ToChars(const std::string& Text) {
    std::u32string out;
    out.reserve(Text.size());
    std::size_t i = 0;
    while (i < Text.size()) {
        const auto b = static_cast<unsigned char>(Text[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool valid = true;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= Text.size() || (static_cast<unsigned char>(Text[i + k]) & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (static_cast<unsigned char>(Text[i + k]) & 0x3F);
        }
        if (!valid) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(c);
        i += extra + 1;
    }
    return out;
}

std::string EditCharsToUtf8(const std::u32string& Chars) {
    std::string out;
    out.reserve(Chars.size());
    for (char32_t c : Chars) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string TEditBuffer::Text() const {
    return EditCharsToUtf8(FText);
}

void TEditBuffer::SetText(const std::string& Value) {
    FText = Prepare(EditUtf8ToChars(Value));
    FAnchor = FCaret = 0;
    ClearUndo();
}

std::string TEditBuffer::SelText() const {
    return EditCharsToUtf8(FText.substr(SelStart(), SelLength()));
}

void TEditBuffer::SetSelection(int Anchor, int Caret) {
    const int len = Length();
    FAnchor = Anchor < 0 || Anchor > len ? len : Anchor;
    FCaret = Caret < 0 || Caret > len ? len : Caret;
    FTypingRun = false;
}

void TEditBuffer::MoveCaret(int Pos, bool Extend) {
    const int len = Length();
    FCaret = std::clamp(Pos, 0, len);
    if (!Extend) FAnchor = FCaret;
    FTypingRun = false;
}

std::u32string TEditBuffer::Prepare(const std::u32string& Value) const {
    std::u32string out;
    out.reserve(Value.size());
    for (std::size_t i = 0; i < Value.size(); ++i) {
        char32_t c = Value[i];
        if (!FMultiLine && (c == U'\r' || c == U'\n')) continue;
        if (FMultiLine && c == U'\r') {
            // Line breaks are kept as "\r\n" whatever the source used.
            out += U"\r\n";
            if (i + 1 < Value.size() && Value[i + 1] == U'\n') ++i;
            continue;
        }
        if (FMultiLine && c == U'\n') {
            out += U"\r\n";
            continue;
        }
        if (FCharCase == ecUpperCase)
            c = editbuffer_detail::ToUpper(c);
        else if (FCharCase == ecLowerCase)
            c = editbuffer_detail::ToLower(c);
        out.push_back(c);
    }
    return out;
}

void TEditBuffer::RememberUndo() {
    FUndoText = FText;
    FUndoAnchor = FAnchor;
    FUndoCaret = FCaret;
    FHasUndo = true;
}

bool TEditBuffer::ReplaceSelection(const std::string& Value, bool Typing) {
    std::u32string insert = Prepare(EditUtf8ToChars(Value));
    if (FNumbersOnly &&
        std::any_of(insert.begin(), insert.end(), [](char32_t c) { return c < U'0' || c > U'9'; }))
        return false;
    const int start = SelStart();
    const int removed = SelLength();
    if (FMaxLength > 0) {
        // A text the program set may be longer than the limit: then there is no room, but deleting works.
        const int room = std::max(0, FMaxLength - (Length() - removed));
        if (room == 0 && !insert.empty()) return false;
        if (static_cast<int>(insert.size()) > room) insert.resize(room);
    }
    if (insert.empty() && removed == 0) return false;
    const bool continuesRun = Typing && FTypingRun && removed == 0;
    if (!continuesRun) RememberUndo();
    FText.replace(start, removed, insert);
    FAnchor = FCaret = start + static_cast<int>(insert.size());
    FTypingRun = Typing;
    return true;
}

bool TEditBuffer::DeleteBackward(bool WholeWord) {
    if (SelLength() == 0) {
        if (FCaret == 0) return false;
        int from = WholeWord ? PreviousWordStart(FCaret) : FCaret - 1;
        // A line break is one step back.
        if (!WholeWord && from > 0 && FText[from] == U'\n' && FText[from - 1] == U'\r') --from;
        FAnchor = from;
    }
    return ReplaceSelection(std::string());
}

bool TEditBuffer::DeleteForward(bool WholeWord) {
    if (SelLength() == 0) {
        if (FCaret >= Length()) return false;
        int to = WholeWord ? NextWordStart(FCaret) : FCaret + 1;
        if (!WholeWord && FText[FCaret] == U'\r' && to < Length() && FText[to] == U'\n') ++to;
        FAnchor = to;
    }
    return ReplaceSelection(std::string());
}

int TEditBuffer::WordStart(int Pos) const {
    using namespace editbuffer_detail;
    Pos = std::clamp(Pos, 0, Length());
    if (Pos < Length() && !IsWordChar(FText[Pos]) && Pos > 0 && IsWordChar(FText[Pos - 1])) --Pos;
    if (Pos < Length() && !IsWordChar(FText[Pos])) return Pos;
    while (Pos > 0 && IsWordChar(FText[Pos - 1]))
        --Pos;
    return Pos;
}

int TEditBuffer::WordEnd(int Pos) const {
    using namespace editbuffer_detail;
    Pos = std::clamp(Pos, 0, Length());
    if (Pos < Length() && !IsWordChar(FText[Pos])) return Pos + 1;
    while (Pos < Length() && IsWordChar(FText[Pos]))
        ++Pos;
    return Pos;
}

int TEditBuffer::PreviousWordStart(int Pos) const {
    using namespace editbuffer_detail;
    Pos = std::clamp(Pos, 0, Length());
    while (Pos > 0 && IsSpace(FText[Pos - 1]))
        --Pos;
    if (Pos > 0 && !IsWordChar(FText[Pos - 1])) return Pos - 1;
    while (Pos > 0 && IsWordChar(FText[Pos - 1]))
        --Pos;
    return Pos;
}

int TEditBuffer::NextWordStart(int Pos) const {
    using namespace editbuffer_detail;
    Pos = std::clamp(Pos, 0, Length());
    if (Pos < Length() && IsWordChar(FText[Pos])) {
        while (Pos < Length() && IsWordChar(FText[Pos]))
            ++Pos;
    } else if (Pos < Length() && !IsSpace(FText[Pos])) {
        ++Pos;
    }
    while (Pos < Length() && IsSpace(FText[Pos]))
        ++Pos;
    return Pos;
}

bool TEditBuffer::Undo() {
    if (!FHasUndo) return false;
    std::swap(FText, FUndoText);
    std::swap(FAnchor, FUndoAnchor);
    std::swap(FCaret, FUndoCaret);
    FTypingRun = false;
    return true;
}

void TEditBuffer::SetCharCase(TEditCharCase Value) {
    if (FCharCase == Value) return;
    FCharCase = Value;
    if (Value != ecNormal) FText = Prepare(FText);
}
