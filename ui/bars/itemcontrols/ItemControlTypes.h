// Value types of the item controls and their painters: how a bar lays items out, how large an item is
// shown, which parts it shows, where it sits in a button group, and the bar controls' behaviour options.
#pragma once

#include "platform/rtl/Set.h"
#include "ui/bars/BarTypes.h"

// Horizontal toolbar, drop-down menu, vertical (text-rotated) toolbar.
enum TovBarItemPaintType { iptHorizontal, iptMenu, iptVertical };

// Small glyph row; toolbar in large-icons mode; large (glyph above caption).
enum TovBarItemViewSize { ivsSmall, ivsLargeIcons, ivsLarge };

enum TovBarItemViewPart { ivpGlyph, ivpCaption };
using TovBarItemViewStructure = Set<TovBarItemViewPart, 2>;

// Where a control sits in a button group as the ribbon layout computes it.
enum TovBarButtonGroupPlace : unsigned char { bgpNoGroup, bgpFirst, bgpInner, bgpLast, bgpSingle };

// The hot part of a control: none (mouse outside or disabled), or inside on no part.
constexpr int ovNoHotPart = -1;
constexpr int ovHotPartInside = 100;

// Borders of static items.
enum TovBarStaticBorderStyle { sbsNone, sbsLowered, sbsRaised, sbsEtched, sbsBump };

// Behaviour options of a bar control.
enum TovBarBehaviorOption {
    bboKeepSelection,        // edits show as selected; Escape in an edit keeps the selection
    bboStretchClientItems,   // client-aligned items take the room left in the row
    bboLoseFocusBeforeClick, // a drop-down press first takes the bar focus away, then gives it back
    bboGroupButtonPopup      // the popup of a collapsed ribbon group
};
using TovBarBehaviorOptions = Set<TovBarBehaviorOption, 8>;

// Reasons a bar control closes up, beyond the model's: a click on an item.
constexpr TovBarCloseUpReason bcrClick = bcrItemClick;
