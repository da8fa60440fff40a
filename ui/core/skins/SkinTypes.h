// The value types of the skin element model: change kinds and their notification, element states, image
// layout, stretch and gradient modes, and the fixed name tables (state names, text-colour properties,
// border sides, image file suffixes, default icon resources).
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"

#include <cstdint>

enum TovSkinChange : std::uint8_t { scStruct, scContent, scDetails };
using TovSkinChanges = Set<TovSkinChange, 8>;
inline const TovSkinChanges ovSkinStructChange{scStruct};
inline const TovSkinChanges ovSkinContentChange{scContent};

// Sender, and what changed.
using TovSkinChangeNotify = TEvent<TObject*, TovSkinChanges>;

// The rule of every setter of the model: AValue is stored, and AChanged called, only when it differs.
template <class T, class F> void ovSkinSetValue(T& AField, const T& AValue, F AChanged) {
    if (AValue == AField) return;
    AField = AValue;
    AChanged();
}

enum TovSkinElementState : std::uint8_t {
    esNormal,
    esHot,
    esPressed,
    esDisabled,
    esActive,
    esFocused,
    esDroppedDown,
    esChecked,
    esHotCheck,
    esActiveDisabled,
    esCheckPressed
};
constexpr int ovSkinElementStateCount = 11;
using TovSkinElementStates = Set<TovSkinElementState, 16>;
// The stored form of a state set: bit n is the state of ordinal n.
std::uint16_t ovSkinStatesToWord(const TovSkinElementStates& AStates);
TovSkinElementStates ovSkinStatesFromWord(std::uint16_t AWord);

// The enumerations are stored as bytes; ordinals outside them are refused when read.
enum TovSkinImageLayout : std::uint8_t { ilHorizontal, ilVertical };
enum TovSkinStretchMode : std::uint8_t { smStretch, smTile, smNoResize };
// The same ordinals as the imaging interface's linear-gradient modes.
enum TovSkinGradientMode : std::uint8_t { gmHorizontal, gmVertical, gmForwardDiagonal, gmBackwardDiagonal };

// "Normal", "Hot", ... "CheckPressed", by state ordinal.
extern const char* const ovSkinElementStateNames[ovSkinElementStateCount];
// The text-colour property of a button state 0..4 (0 default, 1 normal, 2 hot, 3 pressed, 4 disabled).
extern const char* const ovSkinTextColorPropertyNames[5];
// "Left", "Top", "Right", "Bottom", by side 0..3.
extern const char* const ovSkinBorderNames[4];

inline constexpr const char* ovSkinImageFileSuffix = "_Image.png";
inline constexpr const char* ovSkinGlyphFileSuffix = "_Glyph.png";

// The icons of a skin that brings none: resource type, and the names of the small (16 x 16) and large
// (48 x 48) PNG pictures.
inline constexpr const char* ovSkinDefaultIconResourceType = "OVSKINS";
extern const char* const ovSkinDefaultIconResourceNames[2];
