// Small value types of the ribbon: the two choices that name its look together with a colour-scheme name
// (the style family of its skin, the accent colour some skins tint their hot and checked elements with)
// how tabs and groups behave when another ribbon is merged into theirs, and the entries of its menu.
#pragma once

#include "platform/rtl/Set.h"

#include <cstdint>

enum TovRibbonStyle : std::uint8_t { rs2007, rs2010, rs2013 };

enum TovRibbonColorSchemeAccent : std::uint8_t { rcsaYellow, rcsaBlue, rcsaGreen, rcsaOrange, rcsaPurple };

enum TovRibbonMergeKind : std::uint8_t { rmkMerge, rmkAdd, rmkNone };

// The entries of the ribbon's right-click menu.
enum TovRibbonPopupMenuItem : std::uint8_t {
    rpmiItems,
    rpmiMoreCommands,
    rpmiQATPosition,
    rpmiQATAddRemoveItem,
    rpmiMinimizeRibbon
};
using TovRibbonPopupMenuItems = Set<TovRibbonPopupMenuItem, 8>;
inline const TovRibbonPopupMenuItems ovRibbonAllPopupMenuItems{rpmiItems, rpmiMoreCommands, rpmiQATPosition,
                                                               rpmiQATAddRemoveItem, rpmiMinimizeRibbon};
