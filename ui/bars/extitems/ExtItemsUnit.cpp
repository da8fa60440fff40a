#include "ui/bars/extitems/ExtItemsUnit.h"

#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/containers/ContainerItemControl.h"
#include "ui/bars/extitems/BarMRUListItem.h"

void ovBarExtItemsStart() {
    ovBarRegisterItem<TovBarMRUListItem>(&ovBarContainerItemControlClass, true);
}

void ovBarExtItemsEnd() {
    ovBarUnregisterItem(TuiClassRef::Of<TovBarMRUListItem>());
}
