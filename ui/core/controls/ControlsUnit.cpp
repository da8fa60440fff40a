#include "ui/core/controls/ControlsUnit.h"

#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/MouseTracking.h"

void uiControlsUnitStart() {
    uiMouseTrackingStart();
    uiLookAndFeelUnitStart();
}

void uiControlsUnitEnd() {
    uiLookAndFeelUnitEnd();
    uiMouseTrackingEnd();
}
