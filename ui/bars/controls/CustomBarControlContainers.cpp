// Container items shown in place: a menu puts the links its container items generate after each
// container's link before it makes its item controls, and takes them away after it freed them.
#include "ui/bars/controls/CustomBarControl.h"

#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarSubItems.h"

void TCustomovBarControl::ExpandContainerLinks() {
    if (FItemLinks == nullptr) return;
    // The collection grows while it is walked: each container's generated links are stepped over.
    for (int i = 0; i < FItemLinks->Count(); ++i) {
        TovBarItemLink* link = FItemLinks->Items(i);
        auto* container = dynamic_cast<TCustomovBarContainerItem*>(link->Item());
        if (container == nullptr || link->CanVisibleIndexOf() < 0) continue;
        auto data = std::make_unique<TovBarContainerLinkData>();
        data->Item = container;
        data->Link = link;
        data->Index = i;
        TovBarContainerLinkData* record = data.get();
        FExpandedContainers.push_back(TExpandedContainer{std::move(data), TWeakLink<TovBarItem>(container)});
        container->FillItemLinks(FItemLinks, record, i + 1);
        i += static_cast<int>(record->Generated.size());
    }
}

void TCustomovBarControl::CollapseContainerLinks() {
    std::vector<TExpandedContainer> expanded = std::move(FExpandedContainers);
    FExpandedContainers.clear();
    // The last expansion goes first, so that the indexes of the earlier ones still hold.
    for (auto it = expanded.rbegin(); it != expanded.rend(); ++it) {
        auto* container = dynamic_cast<TCustomovBarContainerItem*>(it->Container.Get());
        if (container != nullptr) container->RemoveListItems(it->Data.get());
    }
}
