#include "ui/core/controls/LookAndFeelPainterBase.h"

namespace {
TuiPaintersRegistry* PaintersRegistry = nullptr;
TuiPainterServiceHooks ServiceHooks;
} // namespace

TuiPaintersRegistry* uiPaintersRegistry() {
    return PaintersRegistry;
}

void uiSetPaintersRegistry(TuiPaintersRegistry* ARegistry) {
    PaintersRegistry = ARegistry;
}

void uiSetPainterServiceHooks(const TuiPainterServiceHooks& AHooks) {
    ServiceHooks = AHooks;
}

const TuiPainterServiceHooks& uiPainterServiceHooks() {
    return ServiceHooks;
}

void uiReferenceOffice11Colors() {
    if (ServiceHooks.ReferenceOffice11Colors) ServiceHooks.ReferenceOffice11Colors();
}

void uiReleaseOffice11Palette() {
    if (ServiceHooks.ReleaseOffice11Palette) ServiceHooks.ReleaseOffice11Palette();
}

void uiRefreshOffice11Colors() {
    if (ServiceHooks.RefreshOffice11Colors) ServiceHooks.RefreshOffice11Colors();
}

void uiRebuildScrollBarBitmaps() {
    if (ServiceHooks.RebuildScrollBarBitmaps) ServiceHooks.RebuildScrollBarBitmaps();
}
