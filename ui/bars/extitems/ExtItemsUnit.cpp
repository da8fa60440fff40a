#include "ui/bars/extitems/ExtItemsUnit.h"

#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/containers/ContainerItemControl.h"
#include "ui/bars/extitems/BarMRUListItem.h"
#include "ui/bars/extitems/BarSpinEdit.h"
#include "ui/bars/extitems/BarStaticItems.h"
#include "ui/bars/extitems/SpinEditControl.h"
#include "ui/bars/extitems/StaticItemControls.h"

void ovBarExtItemsStart() {
    ovBarRegisterItem<TovBarStatic>(&ovBarStaticControlClass, true);
    ovBarRegisterItem<TovBarSpinEdit>(&ovBarSpinEditControlClass, true);
    ovBarRegisterItem<TovBarProgressItem>(&ovBarProgressControlClass, true);
    ovBarRegisterItem<TovBarMRUListItem>(&ovBarContainerItemControlClass, true);
}

void ovBarExtItemsEnd() {
    ovBarUnregisterItem(TuiClassRef::Of<TovBarMRUListItem>());
    ovBarUnregisterItem(TuiClassRef::Of<TovBarProgressItem>());
    ovBarUnregisterItem(TuiClassRef::Of<TovBarSpinEdit>());
    ovBarUnregisterItem(TuiClassRef::Of<TovBarStatic>());
}
