#include "ui/core/controls/ControlsUnit.h"

#include "ui/core/controls/LibraryCursors.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/MouseTracking.h"

void uiControlsUnitStart() {
    uiMouseTrackingStart();
    uiLookAndFeelUnitStart();
    uiRegisterLibraryCursors();
}

void uiControlsUnitEnd() {
    uiUnregisterLibraryCursors();
    uiLookAndFeelUnitEnd();
    uiMouseTrackingEnd();
}
