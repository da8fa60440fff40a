// The keys of a stored toolbar layout, the bytes its sets are stored as, and the ranges a value must lie
// in to be used. Reader and writer share them, so the two cannot drift apart.
#pragma once

#include "ui/bars/BarTypes.h"

namespace layout_keys {

// Main section.
inline constexpr const char* Version = "Version";
inline constexpr int VersionNumber = 20130104;
inline constexpr const char* MenusShowRecentItemsFirst = "MenusShowRecentItemsFirst";
inline constexpr const char* ShowFullMenusAfterDelay = "ShowFullMenusAfterDelay";
inline constexpr const char* LargeIcons = "LargeIcons";
inline constexpr const char* MenuAnimations = "MenuAnimations";
inline constexpr const char* ShowHint = "ShowHint";
inline constexpr const char* ShowShortCutInHint = "ShowShortCutInHint";
inline constexpr const char* BarCount = "BarCount";
// Items section.
inline constexpr const char* ItemCount = "ItemCount";
// Toolbar sections.
inline constexpr const char* Caption = "Caption";
inline constexpr const char* DockControl = "DockControl";
inline constexpr const char* DockedDockControl = "DockedDockControl";
inline constexpr const char* DockedDockingStyle = "DockedDockingStyle";
inline constexpr const char* DockedLeft = "DockedLeft";
inline constexpr const char* DockedTop = "DockedTop";
inline constexpr const char* DockingStyle = "DockingStyle";
inline constexpr const char* FloatClientHeight = "FloatClientHeight";
inline constexpr const char* FloatClientWidth = "FloatClientWidth";
inline constexpr const char* FloatLeft = "FloatLeft";
inline constexpr const char* FloatTop = "FloatTop";
inline constexpr const char* OneOnRow = "OneOnRow";
inline constexpr const char* Row = "Row";
inline constexpr const char* Visible = "Visible";
// The toolbar's component name: a toolbar is matched to its section by name when there is one, so that
// toolbars added to or taken from the program keep their own layouts.
inline constexpr const char* Name = "Name";
inline constexpr const char* ItemLinkCount = "ItemLinkCount";
// Link sections.
inline constexpr const char* ItemName = "ItemName";
inline constexpr const char* BeginGroup = "BeginGroup";
inline constexpr const char* UserDefine = "UserDefine";
inline constexpr const char* UserCaption = "UserCaption";
inline constexpr const char* UserPaintStyle = "UserPaintStyle";
inline constexpr const char* UserWidth = "UserWidth";
inline constexpr const char* UserGlyph = "UserGlyph";
inline constexpr const char* ButtonGroup = "ButtonGroup";
inline constexpr const char* Position = "Position";
inline constexpr const char* ViewLevels = "ViewLevels";
inline constexpr const char* UseCount = "UseCount";
inline constexpr const char* RecentIndex = "RecentIndex";
inline constexpr const char* MostRecentlyUsed = "MostRecentlyUsed";

} // namespace layout_keys

namespace layout_format {

// udCaption 1, udGlyph 2, udPaintStyle 4, udWidth 8.
inline constexpr unsigned UserDefineMask = 0x0F;
// The five view levels 1..16, and 32 for the default level, which the format knows but links keep as
// no level of their own.
inline constexpr unsigned ViewLevelsKnownMask = 0x3F;
inline constexpr unsigned ViewLevelsModelMask = 0x1F;

// Positions and sizes outside these are not a place on any screen.
inline constexpr int MaxCoordinate = 30000;
inline constexpr int MinFloatSize = 10;
inline constexpr int MaxFloatSize = 30000;
// The largest user glyph taken from a layout, in pixels each way.
inline constexpr int MaxGlyphSize = 256;

inline unsigned UserDefineBits(TovBarUserDefines ADefines) {
    unsigned bits = 0;
    for (TovBarUserDefine flag : {udCaption, udGlyph, udPaintStyle, udWidth})
        if (ADefines.Contains(flag)) bits |= 1u << flag;
    return bits;
}

inline TovBarUserDefines UserDefinesFromBits(unsigned ABits) {
    TovBarUserDefines defines;
    for (TovBarUserDefine flag : {udCaption, udGlyph, udPaintStyle, udWidth})
        if ((ABits & (1u << flag)) != 0) defines.Include(flag);
    return defines;
}

inline unsigned ViewLevelBits(TovBarItemViewLevels ALevels) {
    unsigned bits = 0;
    for (TovBarItemViewLevel level :
         {ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly})
        if (ALevels.Contains(level)) bits |= 1u << level;
    return bits;
}

inline TovBarItemViewLevels ViewLevelsFromBits(unsigned ABits) {
    TovBarItemViewLevels levels;
    for (TovBarItemViewLevel level :
         {ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly})
        if ((ABits & (1u << level)) != 0) levels.Include(level);
    return levels;
}

} // namespace layout_format
