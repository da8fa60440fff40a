// The recording window's look: its packed skin "RECORDING" and its six 24 x 24 button pictures, both
// embedded in the program, the console's colours, and the console group the window draws itself (the
// skin describes only the window's gauges, fader, buttons and check box).
#pragma once

#include "platform/vcl/GroupBox.h"

class TComponent;
class TskPngImageList;
class TskSkinControl;
class TskSkinData;

namespace recording_skin {

inline constexpr TColor ConsoleColor = RGB(29, 32, 35);
inline constexpr TColor ConsoleTextColor = RGB(230, 232, 234);
inline constexpr TColor ConsoleLimeColor = RGB(0, 255, 0);

// The window's skin data with the stored skin read from the program's resources. Without that
// resource the data stays empty and the skinned controls draw their plain looks.
TskSkinData* MakeRecordingSkin(TComponent* Owner);
// The button pictures (record, pause, delete, timer record, mixer, settings); without the resources the
// list is empty and the buttons show their captions alone.
TskPngImageList* MakeRecordingImages(TComponent* Owner);
// The control takes its description `Name` from the skin.
void ApplySkin(TskSkinControl* Control, TskSkinData* Skin, const char* Name);

// A group on the console: a thin light frame with its caption in the console's text colour.
class TConsoleGroupBox : public TGroupBox {
public:
    explicit TConsoleGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
};

} // namespace recording_skin
