#include "source/SkinStandIns.h"

namespace skin_stand_in {

TFrProgressBar::TFrProgressBar(TComponent* AOwner) : TProgressBar(AOwner) {
    SetRange(0, 100);
    SetSmooth(true);
}

void TFrProgressBar::SetPercent(std::int16_t Value) {
    if (Value == FPercent) return;
    FPercent = Value;
    SetPosition(Value);
}

} // namespace skin_stand_in
