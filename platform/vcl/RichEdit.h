// TRichEdit: a text control that keeps runs of text with their colour and boldness. Its text is plain,
// or rich text ("{\rtf1 ...}") of which it keeps paragraphs and line breaks, bold (\b, \b0), colours
// from the colour table (\cfN), escaped characters (\'hh, \uN, \\, \{, \}); other formatting is
// ignored. EM_FORMATRANGE lays the text out in a rectangle given in twips, drawing it or only
// measuring, as printing and owner drawing use it.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Graphics.h"

#include <string>
#include <string_view>
#include <vector>

// clang-format off
constexpr UINT EM_GETEVENTMASK = WM_USER + 59;
constexpr UINT EM_FORMATRANGE = WM_USER + 57;
constexpr UINT EM_SETEVENTMASK = WM_USER + 69;
// clang-format on

struct CHARRANGE {
    LONG cpMin = 0;
    LONG cpMax = 0; // -1: to the end
};

struct FORMATRANGE {
    HDC hdc = nullptr;       // drawn on
    HDC hdcTarget = nullptr; // measured with
    RECT rc{};               // the area, in twips; on return its bottom is where the text ended
    RECT rcPage{};
    CHARRANGE chrg;
};

struct TRichTextRun {
    std::string Text; // "\n" ends a paragraph
    TColor Color = clDefault;
    bool Bold = false;
};

// The runs of a text: plain text as one run, rich text by its formatting.
std::vector<TRichTextRun> ParseRichText(std::string_view Text);

class TRichEdit : public TCustomControl {
public:
    explicit TRichEdit(TComponent* AOwner);

    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool Value) { FPlainText = Value; }
    const std::vector<TRichTextRun>& Runs() const { return FRuns; }
    // The text without its formatting.
    std::string PlainContent() const;

protected:
    std::string GetText() const override { return PlainContent(); }
    void SetTextBuf(const std::string& Value) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    // Lays the text out from character First inside Area (pixels); draws on Draw when given. Answers
    // the first character that did not fit (the text's length when all did) and the height used.
    LONG Layout(HDC Measure, HDC Draw, LONG First, RECT Area, int& UsedHeight);

    std::vector<TRichTextRun> FRuns;
    bool FPlainText = false;
    DWORD FEventMask = 0;
};
