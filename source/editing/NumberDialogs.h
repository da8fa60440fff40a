// The small number dialogs of the editing commands: "Repeat Loop" (how many times, one digit) and
// "Insert Silence" (how many milliseconds, up to six digits). The caller reads the typed number with
// StrToInt, so that a field left empty ends the command with the conversion error.
#pragma once

#include "platform/vcl/Form.h"

class TEdit;

class TRepeatLoopForm : public TForm {
public:
    explicit TRepeatLoopForm(TComponent* AOwner);
    TEdit* EditTimes = nullptr;

private:
    void FormShow(TObject* Sender);
};

class TInsertSilenceForm : public TForm {
public:
    explicit TInsertSilenceForm(TComponent* AOwner);
    TEdit* EditTime = nullptr;

private:
    void FormShow(TObject* Sender);
};
