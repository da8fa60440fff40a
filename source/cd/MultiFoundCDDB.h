// TMatchForm: "Multiple matches found" — the list of database entries a query offered, from which the
// user picks the one that names the disc (or none of them).
#pragma once

#include "platform/vcl/Form.h"

class TLabel;
class TListBox;
class TButton;

class TMatchForm : public TForm {
public:
    explicit TMatchForm(TComponent* AOwner);

    TLabel* LabelMatches = nullptr;
    TListBox* LstMatches = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;

    void FormShow(TObject* Sender);
    void LstMatchesDblClick(TObject* Sender);
};
