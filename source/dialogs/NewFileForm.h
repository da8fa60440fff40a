// "New Sample": the sample rate and the channels of a new document.
#pragma once

#include "platform/vcl/Form.h"

class TButton;
class TComboBox;
class TRadioButton;
struct TGlobalVars;

class TNewFileForm : public TForm {
public:
    explicit TNewFileForm(TComponent* AOwner);

    // Selects the stored rate entry (when it is one of the list's) and channel choice.
    void LoadParams(const TGlobalVars& Vars);
    // Stores the chosen entry and channel choice.
    void StoreParams(TGlobalVars& Vars) const;
    int SampleRate() const;
    int Channels() const;

    TComboBox* cbSampleRate = nullptr;
    TRadioButton* rbStereo = nullptr;
    TRadioButton* rbMono = nullptr;
    TButton* ButtonHelp = nullptr;

private:
    void FormShow(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
};

// The rate of each entry of the list, 96000 to 6000 Hz.
int NewFileSampleRateFromIndex(int Index);
