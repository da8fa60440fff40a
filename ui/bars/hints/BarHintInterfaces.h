// What an object under the mouse tells the bar hint about itself: whether it wants the screen-tip style
// hint (and of which ribbon), and its hint text, shortcut, enabled state and hint position. Caption
// buttons and ribbon parts give their hints this way; item controls hand their text in directly.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

class TObject;

class IovBarCustomHintSupport {
public:
    virtual ~IovBarCustomHintSupport() = default;
    // The ribbon whose screen-tip data the hint uses (may be null).
    virtual TObject* HintRibbon() = 0;
    virtual bool WantsScreenTipStyleHint() = 0;
};

class IovBarHintProvider {
public:
    virtual ~IovBarHintProvider() = default;
    // False when the object has no hint now.
    virtual bool GetBarHint(std::string& AText, std::string& AShortCut) = 0;
    virtual bool IsBarHintEnabled() = 0;
    // Where a hint AHintHeight pixels high goes for the cursor at ACursorPos.
    virtual TPoint GetBarHintPosition(const TPoint& ACursorPos, int AHintHeight) = 0;
};
