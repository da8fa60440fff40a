// Rich-text bands of screen tips are measured and drawn by a hidden rich-edit control: the text is set
// with the band font as the default attributes, and the control formats it (EM_FORMATRANGE) into a
// rectangle of the canvas, measuring page by page or drawing once.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>

class TRichEdit;
class TuiCanvas;

class TovRichTextHelper : public TObject {
public:
    TovRichTextHelper();
    ~TovRichTextHelper() override;

    // R.bottom becomes R.top plus the height the text needs at R's width.
    virtual void CalculateTextHeight(TuiCanvas* ACanvas, TRect& R);
    // Renders the whole text into R.
    virtual void DrawText(TuiCanvas* ACanvas, const TRect& R);
    // Loads the text (rich-text markup is interpreted) with the canvas font as its default attributes.
    virtual void SetText(TuiCanvas* AFontSource, const std::string& AText);
    TRichEdit* Control() const { return FRichEdit.get(); }

private:
    std::unique_ptr<TRichEdit> FRichEdit;
};

// The helper of a screen-tip band type (0 header, 1 description, 2 footer), made on first use.
TovRichTextHelper* uiRichTextHelper(int ABandType);
// Frees the helpers (the screen-tip unit's end).
void uiFreeRichTextHelpers();
