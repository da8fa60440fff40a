#include "platform/vcl/RichEdit.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinUser.h"

#include <cctype>
#include <memory>

namespace richedit_detail {

void AppendUtf8(std::string& Out, unsigned Code) {
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Out += static_cast<char>(0xC0 | (Code >> 6));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Out += static_cast<char>(0xE0 | (Code >> 12));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

struct TState {
    bool Bold = false;
    int Color = 0;
    bool Skip = false; // a destination whose text is not shown
};

class TRtfReader {
public:
    explicit TRtfReader(std::string_view Text) : FText(Text) {}

    std::vector<TRichTextRun> Read() {
        std::vector<TState> stack;
        TState state;
        std::size_t i = 0;
        bool groupStart = false;
        while (i < FText.size()) {
            const char c = FText[i];
            if (c == '{') {
                stack.push_back(state);
                groupStart = true;
                ++i;
                continue;
            }
            if (c == '}') {
                if (FInColorTable && FColorSet) FinishColor(state);
                if (!stack.empty()) {
                    state = stack.back();
                    stack.pop_back();
                }
                FInColorTable = false;
                ++i;
                continue;
            }
            if (c == '\r' || c == '\n') {
                ++i;
                continue;
            }
            if (c != '\\') {
                if (FInColorTable) {
                    if (c == ';') FinishColor(state);
                } else if (!state.Skip) {
                    Put(std::string(1, c), state);
                }
                groupStart = false;
                ++i;
                continue;
            }
            // A control word or symbol.
            ++i;
            if (i >= FText.size()) break;
            const char s = FText[i];
            if (s == '\\' || s == '{' || s == '}') {
                if (!state.Skip && !FInColorTable) Put(std::string(1, s), state);
                ++i;
                continue;
            }
            if (s == '\'') {
                unsigned code = 0;
                if (i + 2 < FText.size() + 0 && std::isxdigit(static_cast<unsigned char>(FText[i + 1])) &&
                    std::isxdigit(static_cast<unsigned char>(FText[i + 2])))
                    code = static_cast<unsigned>(std::stoi(std::string(FText.substr(i + 1, 2)), nullptr, 16));
                std::string text;
                AppendUtf8(text, code);
                if (!state.Skip && !FInColorTable) Put(text, state);
                i += 3;
                continue;
            }
            if (s == '*') {
                state.Skip = true;
                ++i;
                continue;
            }
            if (!std::isalpha(static_cast<unsigned char>(s))) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < FText.size() && std::isalpha(static_cast<unsigned char>(FText[end])))
                ++end;
            const std::string word(FText.substr(i, end - i));
            std::size_t numEnd = end;
            if (numEnd < FText.size() && FText[numEnd] == '-') ++numEnd;
            while (numEnd < FText.size() && std::isdigit(static_cast<unsigned char>(FText[numEnd])))
                ++numEnd;
            const bool hasNumber = numEnd > end && !(numEnd == end + 1 && FText[end] == '-');
            const int number = hasNumber ? std::stoi(std::string(FText.substr(end, numEnd - end))) : 0;
            i = numEnd;
            if (i < FText.size() && FText[i] == ' ') ++i; // the delimiter belongs to the word
            Word(word, hasNumber, number, state, groupStart);
            groupStart = false;
        }
        return FRuns;
    }

private:
    void Word(const std::string& W, bool HasNumber, int Number, TState& State, bool GroupStart) {
        if (GroupStart && (W == "fonttbl" || W == "stylesheet" || W == "info" || W == "pict")) {
            State.Skip = true;
            return;
        }
        if (GroupStart && W == "colortbl") {
            State.Skip = true;
            FInColorTable = true;
            return;
        }
        if (FInColorTable) {
            if (W == "red") FRed = Number;
            if (W == "green") FGreen = Number;
            if (W == "blue") FBlue = Number;
            FColorSet = true;
            return;
        }
        if (State.Skip) return;
        if (W == "b") State.Bold = !HasNumber || Number != 0;
        if (W == "cf") State.Color = Number;
        if (W == "plain") State = TState{};
        if (W == "par" || W == "line") Put("\n", State);
        if (W == "tab") Put("\t", State);
        if (W == "u") {
            std::string text;
            AppendUtf8(text, static_cast<unsigned>(Number < 0 ? Number + 65536 : Number));
            Put(text, State);
            FSkipFallback = true;
        }
    }

    void FinishColor(const TState&) {
        if (!FInColorTable) return;
        FColors.push_back(FColorSet ? static_cast<TColor>(RGB(FRed, FGreen, FBlue)) : clDefault);
        FRed = FGreen = FBlue = 0;
        FColorSet = false;
    }

    void Put(const std::string& Text, const TState& State) {
        if (FSkipFallback && Text != "\n") {
            // The character after \uN stands in for readers that do not know it.
            FSkipFallback = false;
            if (Text.size() == 1) return;
        }
        const TColor color = State.Color >= 0 && State.Color < static_cast<int>(FColors.size())
                                 ? FColors[State.Color]
                                 : clDefault;
        if (!FRuns.empty() && FRuns.back().Bold == State.Bold && FRuns.back().Color == color)
            FRuns.back().Text += Text;
        else
            FRuns.push_back(TRichTextRun{Text, color, State.Bold});
    }

    std::string_view FText;
    std::vector<TRichTextRun> FRuns;
    std::vector<TColor> FColors;
    bool FInColorTable = false;
    bool FColorSet = false;
    bool FSkipFallback = false;
    int FRed = 0, FGreen = 0, FBlue = 0;
};

} // namespace richedit_detail

std::vector<TRichTextRun> ParseRichText(std::string_view Text) {
    if (Text.substr(0, 5) != "{\\rtf") {
        std::string plain;
        for (std::size_t i = 0; i < Text.size(); ++i) {
            if (Text[i] == '\r') {
                plain += '\n';
                if (i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
            } else {
                plain += Text[i];
            }
        }
        if (plain.empty()) return {};
        return {TRichTextRun{plain, clDefault, false}};
    }
    return richedit_detail::TRtfReader(Text).Read();
}

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csSetCaption, csOpaque};
    FWidth = 185;
    FHeight = 89;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
}

std::string TRichEdit::PlainContent() const {
    std::string text;
    for (const TRichTextRun& run : FRuns)
        text += run.Text;
    return text;
}

void TRichEdit::SetTextBuf(const std::string& Value) {
    FRuns =
        FPlainText ? std::vector<TRichTextRun>{TRichTextRun{Value, clDefault, false}} : ParseRichText(Value);
    if (Value.empty()) FRuns.clear();
    Invalidate();
}

LONG TRichEdit::Layout(HDC Measure, HDC Draw, LONG First, RECT Area, int& UsedHeight) {
    TFont bold;
    bold.Assign(Font());
    TFontStyles styles = bold.Style();
    styles.Include(fsBold);
    bold.SetStyle(styles);
    HFONT fonts[2] = {Font()->Handle(), bold.Handle()};
    const int savedMeasure = ::SaveDC(Measure);
    const int savedDraw = Draw != nullptr ? ::SaveDC(Draw) : 0;
    if (Draw != nullptr) ::SetBkMode(Draw, TRANSPARENT);

    // The text as pieces of one style that never hold a space or a break inside, with their offsets.
    struct TPiece {
        LONG Start;
        std::string Text;
        const TRichTextRun* Run;
    };
    std::vector<TPiece> pieces;
    LONG offset = 0;
    for (const TRichTextRun& run : FRuns) {
        std::size_t i = 0;
        while (i < run.Text.size()) {
            std::size_t end = i;
            if (run.Text[i] == '\n' || run.Text[i] == ' ')
                end = i + 1;
            else
                while (end < run.Text.size() && run.Text[end] != '\n' && run.Text[end] != ' ')
                    ++end;
            if (offset + static_cast<LONG>(end) > First)
                pieces.push_back(TPiece{offset + static_cast<LONG>(i), run.Text.substr(i, end - i), &run});
            i = end;
        }
        offset += static_cast<LONG>(run.Text.size());
    }
    const LONG length = offset;
    int y = Area.top;
    std::size_t p = 0;
    LONG next = length;
    while (p < pieces.size()) {
        // One line: pieces while they fit (a line takes at least one word).
        std::size_t end = p;
        int width = 0;
        int height = 0;
        while (end < pieces.size() && pieces[end].Text != "\n") {
            ::SelectObject(Measure, fonts[pieces[end].Run->Bold ? 1 : 0]);
            SIZE size{};
            ::GetTextExtentPoint32(Measure, pieces[end].Text.c_str(),
                                   static_cast<int>(pieces[end].Text.size()), &size);
            if (end > p && pieces[end].Text != " " && Area.left + width + size.cx > Area.right) break;
            width += size.cx;
            height = std::max<int>(height, size.cy);
            ++end;
        }
        if (height == 0) {
            TEXTMETRIC metrics{};
            ::SelectObject(Measure, fonts[0]);
            ::GetTextMetrics(Measure, &metrics);
            height = metrics.tmHeight;
        }
        if (y + height > Area.bottom && y > Area.top) {
            next = pieces[p].Start;
            break;
        }
        if (Draw != nullptr) {
            int x = Area.left;
            for (std::size_t k = p; k < end; ++k) {
                const TRichTextRun* run = pieces[k].Run;
                ::SelectObject(Draw, fonts[run->Bold ? 1 : 0]);
                ::SetTextColor(Draw, ColorToRGB(run->Color == clDefault ? Font()->Color() : run->Color));
                ::TextOut(Draw, x, y, pieces[k].Text.c_str(), static_cast<int>(pieces[k].Text.size()));
                SIZE size{};
                ::GetTextExtentPoint32(Draw, pieces[k].Text.c_str(), static_cast<int>(pieces[k].Text.size()),
                                       &size);
                x += size.cx;
            }
        }
        y += height;
        p = end < pieces.size() && pieces[end].Text == "\n" ? end + 1 : end;
    }
    if (Draw != nullptr) ::RestoreDC(Draw, savedDraw);
    ::RestoreDC(Measure, savedMeasure);
    UsedHeight = y - Area.top;
    return next;
}

void TRichEdit::Paint() {
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    ::InflateRect(&client, -2, -2);
    int used = 0;
    Layout(dc, dc, 0, client, used);
}

void TRichEdit::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case EM_SETEVENTMASK:
        Message.Result = static_cast<LRESULT>(FEventMask);
        FEventMask = static_cast<DWORD>(Message.LParam);
        return;
    case EM_GETEVENTMASK:
        Message.Result = static_cast<LRESULT>(FEventMask);
        return;
    case EM_FORMATRANGE: {
        auto* range = reinterpret_cast<FORMATRANGE*>(Message.LParam);
        if (range == nullptr) {
            Message.Result = 0; // nothing is cached between calls
            return;
        }
        HDC measure = range->hdcTarget != nullptr ? range->hdcTarget : range->hdc;
        const int dpiX = ::GetDeviceCaps(measure, LOGPIXELSX);
        const int dpiY = ::GetDeviceCaps(measure, LOGPIXELSY);
        auto toPixelsX = [&](LONG t) { return static_cast<LONG>(static_cast<long long>(t) * dpiX / 1440); };
        auto toPixelsY = [&](LONG t) { return static_cast<LONG>(static_cast<long long>(t) * dpiY / 1440); };
        const RECT area{toPixelsX(range->rc.left), toPixelsY(range->rc.top), toPixelsX(range->rc.right),
                        toPixelsY(range->rc.bottom)};
        int used = 0;
        const LONG first = std::max<LONG>(0, range->chrg.cpMin);
        const LONG next = Layout(measure, Message.WParam != 0 ? range->hdc : nullptr, first, area, used);
        range->rc.bottom = range->rc.top + static_cast<LONG>(static_cast<long long>(used) * 1440 / dpiY);
        Message.Result = next;
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
