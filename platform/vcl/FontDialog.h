// TFontDialog: the modal dialog that asks the user for a font: the installed font names (an edit that
// finds names as they are typed, over a list), the style (Regular, Italic, Bold, Bold Italic), the size
// in points and a sample. Execute answers whether the user confirmed; Font then holds the choice.
// A name that is not installed, or a size that is not a number from 1 to 1638, is refused with a message.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"

#include <memory>

class TFont;
class TCustomForm;

class TFontDialog : public TComponent {
public:
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    // Runs the dialog modally; true when the user confirmed (Font then holds the choice).
    virtual bool Execute();

    // The dialog window while Execute runs (null otherwise), for whoever watches it from OnShow.
    TCustomForm* DialogForm() const { return FForm; }
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    std::unique_ptr<TFont> FFont;
    TCustomForm* FForm = nullptr;
};
