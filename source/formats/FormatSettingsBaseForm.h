// The base of the "Configure ... Settings" dialogs: a modal dialog over the output settings of a
// settings record, filled by LoadParams and read back by StoreParams.
#pragma once

#include "platform/vcl/Form.h"

struct TGlobalVars;

class TFormatSpecifyForm : public TForm {
public:
    TFormatSpecifyForm(TComponent* AOwner, TGlobalVars& Vars) : TForm(AOwner), FVars(Vars) {}
    virtual void LoadParams() = 0;
    virtual void StoreParams() = 0;

protected:
    TGlobalVars& FVars;
};
