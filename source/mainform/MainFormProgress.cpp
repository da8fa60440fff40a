// The progress window: the editor's and the effects processor's progress events show it over the main
// window and move its bar; their end events hide it again.
#include "platform/vcl/Application.h"
#include "skin/framed/FrProgressBar.h"
#include "source/ProgressForm.h"
#include "source/mainform/MainForm.h"

void TMainForm::ShowProgress(int Percent) {
    if (FormProgress == nullptr) return;
    if (!FormProgress->Showing()) {
        FormProgress->SetBorderStyle(bsSingle);
        FormProgress->SetBounds(Left() + (Width() - 300) / 2, Top() + (Height() - 128) / 2, 300, 128);
        FormProgress->Show();
    }
    FormProgress->ProgressBar->SetPercent(static_cast<std::int16_t>(Percent));
    Application()->ProcessMessages();
}

void TMainForm::HideProgress() {
    if (FormProgress == nullptr || !FormProgress->Showing()) return;
    FormProgress->Hide();
    // Without its frame first: a framed window cannot be narrower than its caption.
    FormProgress->SetBorderStyle(bsNone);
    FormProgress->SetBounds(FormProgress->Left(), FormProgress->Top(), 0, 0);
}

void TMainForm::AudioEditorBlockOperation(int Percent) {
    SetEnabled(false);
    ShowProgress(Percent);
}

void TMainForm::AudioEditorEndOperation() {
    SetEnabled(true);
    HideProgress();
}

void TMainForm::AudioTransformBlock(TObject*, int Percent) {
    TransformBusy = true;
    ShowProgress(Percent);
}

void TMainForm::AudioTransformEnd(TObject*) {
    TransformBusy = false;
    HideProgress();
}
