// One ribbon update (BeginUpdate ... EndUpdate, ended also when an error passes) around a change; without
// a ribbon the change runs alone.
#pragma once

#include "ui/core/base/Finally.h"
#include "ui/ribbon/ribbon/Ribbon.h"

template <class F> void ovInRibbonUpdate(TovCustomRibbon* ARibbon, F AChange) {
    if (ARibbon == nullptr) {
        AChange();
        return;
    }
    ARibbon->BeginUpdate();
    TovFinally finally([ARibbon] { ARibbon->EndUpdate(); });
    AChange();
}
