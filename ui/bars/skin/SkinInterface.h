// IovSkin: how bar painters, ribbon views and galleries draw the standard elements of a skinned user
// interface without knowing the skin classes. The caller names an element by a part kind and a skin
// state (SkinPartKinds.h) and passes a DC and a rectangle; the skin draws it, and answers the colours,
// sizes and content offsets of parts. A kind the skin does not know draws nothing, has zero size and
// offsets, and the default colour.
//
// Callers never keep a skin: they ask the skinned object for it on every drawing or measuring call
// (ovQuerySkin), so that a change of skin shows at the next paint, and an object that has no skin at the
// moment (between two skins, after a sheet failed to load) answers none instead of a stale one.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <string>

class TovFadingOptions;

class IovSkin {
public:
    virtual ~IovSkin() = default;

    // DrawBackgroundEx with R as Bounds too.
    virtual void DrawBackground(HDC DC, const TRect& R, int APart, int AState) = 0;
    // ABounds is a second rectangle some parts need (the application menu's extra pane).
    virtual void DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) = 0;
    // Only the tab-group parts draw a caption; for any other part the DC is left as it was.
    virtual void DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) = 0;
    // The options bar items fade with; owned by the skinned object.
    virtual TovFadingOptions* GetFadingOptions() = 0;
    // The caption strip of a tab-group part inside R; the empty rectangle for any other part.
    virtual TRect GetCaptionRect(const TRect& R, int APart) = 0;
    // Left, top, right and bottom margins of the part's content. Part 3 gives the inner margins of a small
    // button, part 6 those of a large one; bar borders come from the bar part (1 or 1003).
    virtual TRect GetContentOffsets(int APart) = 0;
    virtual bool GetIsAlphaUsed(int APart) = 0;
    // Empty: the skin draws no edit-button glyphs, the painter draws the arrow or ellipsis itself.
    virtual std::string GetName() = 0;
    virtual TColor GetPartColor(int APart, int AState) = 0;
    virtual int GetPartSize(int APart) = 0;
    // True: popup windows get a round-rectangle region with 2 x 2 corner ellipses.
    virtual bool UseRoundedWindowCorners() = 0;
};

// An object whose skin may come and go: it answers its current skin, or null while it has none.
class IovSkinnedObject {
public:
    virtual ~IovSkinnedObject() = default;
    virtual IovSkin* QuerySkin() = 0;
};

// The skin of AObject at this moment: its own answer when it is an IovSkinnedObject, else the object
// itself when it is an IovSkin; null for null or an object that is neither.
IovSkin* ovQuerySkin(TObject* AObject);
