#include "platform/vcl/DialogFormRun.h"

#include "platform/vcl/Form.h"

int RunDialogForm(TCustomForm* Form, TCustomForm*& Current) {
    Current = Form;
    try {
        const int result = Form->ShowModal();
        Current = nullptr;
        return result;
    } catch (...) {
        Current = nullptr;
        throw;
    }
}
