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

int RunDialogFormAndFree(TCustomForm* Form) {
    int result = 0;
    try {
        result = Form->ShowModal();
    } catch (...) {
        Form->Free();
        throw;
    }
    Form->Free();
    return result;
}
