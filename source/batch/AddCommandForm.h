// "Add Command": the list of the seventeen batch commands; Add (or a double click) takes the selected one.
#pragma once

#include "platform/vcl/Form.h"

class TButton;
class TLabel;
class TListBox;

class TAddCommandForm : public TForm {
public:
    explicit TAddCommandForm(TComponent* AOwner);

    TLabel* LabelPrompt = nullptr;
    TListBox* ListBoxCommand = nullptr;
    TButton* ButtonAdd = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;

private:
    void FormShow(TObject* Sender);
    void ListBoxCommandClick(TObject* Sender);
    void ListBoxCommandDblClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
};
