// The designer's helpers over objects that may or may not be selectable (IovBarSelectableItem).
#pragma once

class IovBarSelectableItem;
class TList;
class TObject;

// AItem is cleared first and set on success.
bool SupportsSelectableItem(TObject* AObject, IovBarSelectableItem*& AItem);
bool HasSelectableItemInterface(TObject* AObject);
IovBarSelectableItem* SelectableItemOf(TObject* AObject);
// Deletes, from the last entry down, every entry that is not selectable.
void PruneSelectableItems(TList* AList);
