// "Paste Mix": the two mix levels (the selected part's and the added audio's, in percent, at most 100)
// and what happens when the added audio is longer than the selection.
#pragma once

#include "platform/vcl/Form.h"

class TButton;
class TEdit;
class TGroupBox;
class TRadioButton;

class TPasteMixForm : public TForm {
public:
    explicit TPasteMixForm(TComponent* AOwner);

    TGroupBox* GroupBoxVolume = nullptr;
    TEdit* EditSelectPart = nullptr;
    TEdit* EditAudioInBuffer = nullptr;
    TGroupBox* GroupBoxLonger = nullptr;
    TRadioButton* RadioButtonIncrease = nullptr;
    TRadioButton* RadioButtonInsertSilence = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;

private:
    void FormShow(TObject* Sender);
    void ButtonOKClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
};
