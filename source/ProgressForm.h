// "Processing...": the small stay-on-top window with a progress bar that the main window shows while
// the editor or the effects processor works on a long operation.
#pragma once

#include "platform/vcl/Form.h"

class TFrProgressBar;
class TImage;
class TLabel;

class TFormProgress : public TForm {
public:
    explicit TFormProgress(TComponent* AOwner);

    TImage* Image = nullptr;
    TLabel* LabelProcess = nullptr;
    TLabel* LabelWait = nullptr;
    TFrProgressBar* ProgressBar = nullptr;

private:
    void FormShow(TObject* Sender);
};
