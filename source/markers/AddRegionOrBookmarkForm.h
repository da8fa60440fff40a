// The name dialog of bookmarks and regions ("Enter Region or Bookmark Name"): a label, the name edit,
// OK and Cancel. OK refuses a name that is empty after trimming blanks, and keeps the dialog open.
#pragma once

#include "platform/vcl/Form.h"

#include <string>

class TEdit;
class TLabel;

class TAddRegionOrBookmarkForm : public TForm {
public:
    explicit TAddRegionOrBookmarkForm(TComponent* AOwner);

    // The caption and the label both say what to enter ("Enter Bookmark Name").
    void SetPrompt(const std::string& Prompt);

    TLabel* LabelName = nullptr;
    TEdit* EditName = nullptr;

private:
    void FormShow(TObject* Sender);
    void ButtonOKClick(TObject* Sender);
};

// Shows the dialog centred on `Owner` with `Prompt`, the edit holding `Name`; on OK true, with the name
// as typed in `Name`.
bool AskMarkerName(TCustomForm& Owner, const std::string& Prompt, std::string& Name);
