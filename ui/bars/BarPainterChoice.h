// Which bar painter a manager draws with: the painter index from the manager's style and its
// look-and-feel, the painter class of an index, and the effective style. Each look registers its painter
// class for its index; an index without a registered class draws with the painter base.
#pragma once

#include "ui/bars/BarTypes.h"
#include "ui/bars/painting/BarPainter.h"

#include <memory>

// A painter class: its name and how one is made (with the look-and-feel's skin painter, or null).
struct TovBarPainterClass {
    const char* Name;
    std::unique_ptr<TovBarPainter> (*Create)(TuiLookAndFeelPainterBase* ASkinPainter);
};

// Painter indexes.
enum TovBarPainterIndex { bpiStandard, bpiEnhanced, bpiFlat, bpiXP, bpiOffice11, bpiSkin };

// Look-and-feel kinds as the settings report them.
enum TovBarLookAndFeelKind { blfFlat, blfStandard, blfUltraFlat, blfOffice11 };

// What the painter choice reads of a look-and-feel and of the system.
struct TovBarLookAndFeelState {
    TovBarLookAndFeelKind Kind = blfStandard;
    bool NativeStyle = false;    // native style asked for
    bool HasSkinPainter = false; // a skin painter is active
    bool VisualStyles = false;   // visual styles usable for the toolbar parts (off here)
};

int ovBarPainterIndex(TovBarManagerStyle AStyle, const TovBarLookAndFeelState& ALookAndFeel);
TovBarManagerStyle ovBarEffectiveStyle(TovBarManagerStyle AStyle, const TovBarLookAndFeelState& ALookAndFeel);
// The look-and-feel painter style a painter index gives embedded controls (0 flat, 2 ultra-flat,
// 3 native, 4 Office11); -1 for the skin index, whose controls take the manager's own look-and-feel.
int ovBarLookAndFeelStyleOfPainter(int APainterIndex);

// Registered painter classes by index; null where none is registered yet.
const TovBarPainterClass* ovBarPainterClassOf(int APainterIndex);
void ovBarRegisterPainterClass(int APainterIndex, const TovBarPainterClass* AClass);
// The class of the painter base (used for every index without a registered class).
const TovBarPainterClass* ovBarBasePainterClass();
