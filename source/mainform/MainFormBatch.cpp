// The Tools tab's batch converter: files converted through a list of commands, with no document
// needed, and playback stopped first so that nothing competes with the run.
#include "platform/vcl/Action.h"
#include "source/GlobalVars.h"
#include "source/batch/BatchConverterForm.h"
#include "source/mainform/MainForm.h"

void TMainForm::BindBatchCommands() {
    ActionBatch->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionBatchExecute));
}

void TMainForm::ActionBatchExecute(TObject*) {
    StopIfBusy();
    RunBatchConverter(*this, GlobalVars());
}
