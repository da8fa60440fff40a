#include "source/ProgressForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "skin/framed/FrProgressBar.h"
#include "source/ArtworkGlyphs.h"
#include "source/dialogs/DialogSupport.h"

TFormProgress::TFormProgress(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("FormProgress");
    SetCaption("Processing...");
    // The window takes its size and frame when an operation shows it.
    SetBorderStyle(bsNone);
    SetBorderIcons(TBorderIcons{});
    SetFormStyle(fsStayOnTop);
    SetScaled(false);
    SetBounds(0, 0, 0, 0);

    Image = new TImage(this);
    Image->SetBounds(12, 16, 48, 48);
    Image->SetParent(this);
    DrawProgressPicture(*Image);
    LabelProcess = new TLabel(this);
    LabelProcess->SetCaption("Process audio data.");
    LabelProcess->SetBounds(72, 18, 200, 13);
    LabelProcess->SetParent(this);
    LabelWait = new TLabel(this);
    LabelWait->SetCaption("Please wait...");
    LabelWait->SetBounds(72, 36, 200, 13);
    LabelWait->SetParent(this);
    ProgressBar = new TFrProgressBar(this);
    ProgressBar->SetName("ProgressBar");
    ProgressBar->SetBounds(72, 58, 206, 16);
    ProgressBar->SetParent(this);
    // Under the bar, at its right end; Esc presses it too.
    ButtonCancel = AddDialogButton(this, this, "Cancel", 72 + 206 - 75, 84);
    ButtonCancel->SetName("ButtonCancel");
    ButtonCancel->SetCancel(true);
    ButtonCancel->SetVisible(false);
    ButtonCancel->OnClick = TNotifyEvent(this, &TFormProgress::ButtonCancelClick);
    OnShow = TNotifyEvent(this, &TFormProgress::FormShow);
}

void TFormProgress::StartOperation(bool Cancellable) {
    FCancellable = Cancellable;
    FCancelRequested = false;
    ProgressBar->SetPercent(0);
    ButtonCancel->SetEnabled(true);
    ButtonCancel->SetVisible(Cancellable);
}

void TFormProgress::ButtonCancelClick(TObject*) {
    if (!FCancellable) return;
    FCancelRequested = true;
    // The operation ends at its next step; meanwhile the button says it was heard.
    ButtonCancel->SetEnabled(false);
}

void TFormProgress::FormShow(TObject*) {
    ApplyDialogFont(this);
}
