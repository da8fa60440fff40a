// The main window's look: its packed skin "MAINWINDOW" (the transport bar, the time displays, the
// command bar's frame and the faces of its buttons) and the button pictures, all embedded in the
// program. Without the resources the skin data stays empty and the skinned controls draw their plain
// looks; the buttons then show their captions alone.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <memory>

class TBitmap;
class TComponent;
class TImageList;
class TskSkinControl;
class TskSkinData;

namespace main_window_skin {

// The colour of the texts on the time displays.
inline constexpr TColor DisplayTextColor = RGB(168, 220, 248);
// The colour of the titles on the transport bar.
inline constexpr TColor BarTextColor = RGB(214, 220, 226);

TskSkinData* MakeMainWindowSkin(TComponent* Owner);
// A glyph by its resource name; an empty bitmap when the program holds no such picture.
std::unique_ptr<TBitmap> LoadGlyph(const char* Name);
// The six zoom pictures, image indexes 0 to 5 (vertical zoom out, vertical zoom in, full, to
// selection, zoom out, zoom in).
TImageList* MakeZoomImages(TComponent* Owner);
// The control takes its description `Name` from the skin.
void ApplySkin(TskSkinControl* Control, TskSkinData* Skin, const char* Name);

} // namespace main_window_skin
