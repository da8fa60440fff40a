#include "ui/core/skins/SkinTypes.h"

const char* const ovSkinElementStateNames[ovSkinElementStateCount] = {
    "Normal",      "Hot",     "Pressed",  "Disabled",       "Active",      "Focused",
    "DroppedDown", "Checked", "HotCheck", "ActiveDisabled", "CheckPressed"};

const char* const ovSkinTextColorPropertyNames[5] = {"", "TextColor", "TextColorHot", "TextColorPressed",
                                                     "TextColorDisabled"};

const char* const ovSkinBorderNames[4] = {"Left", "Top", "Right", "Bottom"};

const char* const ovSkinDefaultIconResourceNames[2] = {"DEFAULTSKINICONSMALL", "DEFAULTSKINICONLARGE"};

std::uint16_t ovSkinStatesToWord(const TovSkinElementStates& AStates) {
    std::uint16_t word = 0;
    for (int state = 0; state < ovSkinElementStateCount; ++state)
        if (AStates.Contains(static_cast<TovSkinElementState>(state))) word |= std::uint16_t(1u << state);
    return word;
}

TovSkinElementStates ovSkinStatesFromWord(std::uint16_t AWord) {
    // Bits above the last state name nothing and are dropped.
    TovSkinElementStates states;
    for (int state = 0; state < ovSkinElementStateCount; ++state)
        if ((AWord & (1u << state)) != 0) states.Include(static_cast<TovSkinElementState>(state));
    return states;
}
