// "Processing...": the small stay-on-top window with a progress bar that the main window shows while
// the editor or the effects processor works on a long operation. An operation that can end early
// shows a Cancel button under the bar; the window remembers that it was pressed (or Esc) until the
// next operation.
#pragma once

#include "platform/vcl/Form.h"

class TButton;
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
    TButton* ButtonCancel = nullptr;

    // The window's size for an operation: with the Cancel button's row or without it.
    static constexpr int WindowWidth = 300;
    static constexpr int WindowHeight = 128;
    static constexpr int CancelRowHeight = 34;

    // A new operation: no Cancel yet, the button shown or not.
    void StartOperation(bool Cancellable);
    bool Cancellable() const { return FCancellable; }
    bool CancelRequested() const { return FCancelRequested; }

private:
    void FormShow(TObject* Sender);
    void ButtonCancelClick(TObject* Sender);

    bool FCancellable = false;
    bool FCancelRequested = false;
};
