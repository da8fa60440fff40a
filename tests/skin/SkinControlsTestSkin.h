// The small skin the skinned-control tests draw on: its pictures are drawn here in code and packed by
// the library's packer. One picture holds the faces of a button, a panel, a group box, check and radio
// images, a framed check box, a vertical and a horizontal gauge with their bars and a vertical track bar
// with its thumbs; a second picture and its grey mask are a button's glow; a third is a panel's
// background picture; a fourth a mask for a shaped button.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TskCompressedStoredSkin;
class TskSkinData;

namespace skintest {

// Where things lie in the controls picture (active picture 0).
namespace layout {
// Button faces, 60 x 24 each, one under another: normal, active, down, focused, disabled.
constexpr int ButtonW = 60, ButtonH = 24;
constexpr TRect ButtonFace(int State) {
    return TRect{0, State * ButtonH, ButtonW, (State + 1) * ButtonH};
}
// 22 x 22 with ten kept columns on each side and two in the middle (grows in width).
constexpr TRect HBar{0, 120, 22, 142};
constexpr TRect Panel{64, 0, 104, 40};
constexpr TRect GroupBox{104, 0, 152, 48};
// Check images, 15 x 15: unchecked, checked, active unchecked, active checked, disabled unchecked,
// disabled checked; radio images in the row below.
constexpr TRect CheckImage(int Index, bool Radio) {
    return TRect{160 + 15 * Index, Radio ? 15 : 0, 175 + 15 * Index, Radio ? 30 : 15};
}
constexpr TRect CheckFace{160, 32, 240, 56};
constexpr TRect CheckActiveFace{160, 56, 240, 80};
// The recording meter: a 19 x 193 frame and its lit picture beside it.
constexpr TRect Gauge{0, 144, 19, 337};
constexpr TRect GaugeBar{21, 144, 40, 337};
constexpr TRect HGauge{50, 196, 170, 212};
constexpr TRect HGaugeBar{50, 214, 170, 226};
// The recording volume bar: an 18 x 49 track, 18 x 23 thumbs, the filled track.
constexpr TRect Track{60, 144, 78, 193};
constexpr TRect Thumb{80, 144, 98, 167};
constexpr TRect ActiveThumb{100, 144, 118, 167};
constexpr TRect ActiveTrack{120, 144, 138, 193};
// A fixed-size 22 x 22 round button with a mask.
constexpr TRect RoundButton{140, 100, 162, 122};
} // namespace layout

// The text of the test skin.
std::string ControlsSkinText();
// Its pictures: controls, glow, glow mask, panel background, round mask.
std::vector<std::unique_ptr<TBitmap>> ControlsSkinPictures();
// The skin packed into a stored skin, as a form keeps it.
std::unique_ptr<TskCompressedStoredSkin> ControlsStoredSkin();
// Loads the test skin into Data (the way a form does: stored skin set on the skin data).
void LoadControlsSkin(TskSkinData* Data, TskCompressedStoredSkin* Stored);

} // namespace skintest
