#include "source/ProgressForm.h"

#include "platform/rtl/ComponentLoading.h"
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
    OnShow = TNotifyEvent(this, &TFormProgress::FormShow);
}

void TFormProgress::FormShow(TObject*) {
    ApplyDialogFont(this);
}
