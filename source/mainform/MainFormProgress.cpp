// The progress window: the editor's and the effects processor's progress events show it over the main
// window and move its bar; their end events hide it again. The editor's operations can be cancelled from
// it: the next progress event then ends the operation, which leaves the document as it was.
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Application.h"
#include "skin/framed/FrProgressBar.h"
#include "source/ProgressForm.h"
#include "source/mainform/MainForm.h"

void TMainForm::ShowProgress(int Percent, bool Cancellable) {
    if (FormProgress == nullptr) return;
    if (!FormProgress->Showing()) {
        FormProgress->StartOperation(Cancellable);
        const int width = TFormProgress::WindowWidth;
        const int height = TFormProgress::WindowHeight + (Cancellable ? TFormProgress::CancelRowHeight : 0);
        FormProgress->SetBorderStyle(bsSingle);
        FormProgress->SetBounds(Left() + (Width() - width) / 2, Top() + (Height() - height) / 2, width,
                                height);
        FormProgress->Show();
    }
    FormProgress->ProgressBar->SetPercent(static_cast<std::int16_t>(Percent));
    Application()->ProcessMessages();
    if (FormProgress->CancelRequested()) throw EAbort("Cancelled");
}

void TMainForm::HideProgress() {
    if (FormProgress == nullptr || !FormProgress->Showing()) return;
    FormProgress->Hide();
    // Without its frame first: a framed window cannot be narrower than its caption.
    FormProgress->SetBorderStyle(bsNone);
    FormProgress->SetBounds(FormProgress->Left(), FormProgress->Top(), 0, 0);
}

bool TMainForm::InProgressLoop() const {
    return FormProgress != nullptr && FormProgress->Showing();
}

void TMainForm::BeginEditorOperation() {
    // The window answers at once, before the first step of work has reported anything.
    SetEnabled(false);
    ShowProgress(0, true);
}

void TMainForm::AudioEditorBlockOperation(int Percent) {
    SetEnabled(false);
    ShowProgress(Percent, true);
}

void TMainForm::AudioEditorEndOperation() {
    SetEnabled(true);
    HideProgress();
}

void TMainForm::AudioTransformBlock(TObject*, int Percent) {
    TransformBusy = true;
    ShowProgress(Percent, false);
}

void TMainForm::AudioTransformEnd(TObject*) {
    TransformBusy = false;
    HideProgress();
}
