// The list controls of the format dialogs: drop-down lists of fixed items whose item index is the
// stored setting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TComboBox;
class TCustomForm;
class TWinControl;

// A drop-down list named Name with Items, 21 pixels high, owned by Form and placed on Parent.
TComboBox* MakeListCombo(TCustomForm* Form, TWinControl* Parent, const char* Name,
                         const std::vector<std::string>& Items, int Left, int Top, int Width);
// A stored index as an item index: -1 (nothing selected) for one outside the list.
int ListIndex(int Stored, const TComboBox* Combo);
// Writes the selected item's index; a list with nothing selected leaves the setting as it was.
void StoreListIndex(const TComboBox* Combo, std::uint8_t& Stored);
