#include "source/formats/FormatListControls.h"

#include "platform/rtl/Strings.h"
#include "platform/vcl/ComboBox.h"
#include "source/dialogs/DialogSupport.h"

TComboBox* MakeListCombo(TCustomForm* Form, TWinControl* Parent, const char* Name,
                         const std::vector<std::string>& Items, int Left, int Top, int Width) {
    auto* combo = PlaceControl<TComboBox>(Form, Parent, Name, Left, Top, Width, 21);
    combo->SetStyle(csDropDownList);
    for (const std::string& item : Items)
        combo->Items()->Add(item);
    return combo;
}

int ListIndex(int Stored, const TComboBox* Combo) {
    return Stored >= 0 && Stored < Combo->Items()->Count() ? Stored : -1;
}

void StoreListIndex(const TComboBox* Combo, std::uint8_t& Stored) {
    const int index = Combo->ItemIndex();
    if (index >= 0) Stored = static_cast<std::uint8_t>(index);
}
