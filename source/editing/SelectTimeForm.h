// "Set Selection": the selection as start, end and length times. Each field is applied when the user
// leaves it (a text that is not a time puts the field back as it was); OK applies the field being
// edited first.
#pragma once

#include "platform/vcl/Form.h"
#include "source/editing/SelectionTimes.h"

#include <string>

class TButton;
class TEdit;

class TSelectSpecifiedTimeForm : public TForm {
public:
    explicit TSelectSpecifiedTimeForm(TComponent* AOwner);

    // The selection and the document's length, in milliseconds; fills the three fields.
    void SetTimes(std::int64_t Start, std::int64_t End, std::int64_t Total);
    // The selection as the fields hold it now.
    const TSelectionTimes& Times() const { return FTimes; }

    TEdit* EditStart = nullptr;
    TEdit* EditEnd = nullptr;
    TEdit* EditLength = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;

private:
    void FormShow(TObject* Sender);
    void EditEnter(TObject* Sender);
    void ApplyField(TEdit* Edit, TSelectionField Field);
    void ButtonOKClick(TObject* Sender);
    void ShowTimes();

    TSelectionTimes FTimes;
    std::int64_t FTotal = 0;
    std::string FEnteredText;
};
