// The skinned controls of the main window and the progress window, under the names those windows
// use for them. Until the skin library is part of the program they are the class library's plain
// controls; when it is, this header includes the skinned classes instead and nothing else changes.
#pragma once

#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/ProgressBar.h"
#include "platform/vcl/SpeedButton.h"

#include <cstdint>

namespace skin_stand_in {

// A gradient progress bar driven by a percentage (0 to 100).
class TFrProgressBar : public TProgressBar {
public:
    explicit TFrProgressBar(TComponent* AOwner);
    // Stores and shows the percentage; the same value again changes nothing.
    void SetPercent(std::int16_t Value);
    std::int16_t Percent() const { return FPercent; }

private:
    std::int16_t FPercent = 0;
};

} // namespace skin_stand_in

using skin_stand_in::TFrProgressBar;
using TskSkinButton = TSpeedButton;
using TskSkinPanel = TPanel;
using TskSkinGroupBox = TGroupBox;
