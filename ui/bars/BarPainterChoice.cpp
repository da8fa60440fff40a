#include "ui/bars/BarPainterChoice.h"

#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarOffice11Painter.h"
#include "ui/bars/painting/BarStandardPainter.h"
#include "ui/bars/painting/BarXPPainter.h"

namespace {

const TovBarPainterClass BasePainterClass{"TovBarPainter", [](TuiLookAndFeelPainterBase* ASkinPainter) {
                                              return std::make_unique<TovBarPainter>(ASkinPainter);
                                          }};
// Standard, Enhanced, Flat, XP, Office11, and the class skinned look-and-feels draw with (the Standard one
// unless a skin library replaces it).
const TovBarPainterClass* PainterClasses[6] = {&ovBarStandardPainterClass,
                                               &ovBarEnhancedPainterClass,
                                               &ovBarFlatPainterClass,
                                               &ovBarXPPainterClass,
                                               &ovBarOffice11PainterClass,
                                               &ovBarStandardPainterClass};

} // namespace

int ovBarPainterIndex(TovBarManagerStyle AStyle, const TovBarLookAndFeelState& ALookAndFeel) {
    switch (AStyle) {
    case bmsXP:
        return ALookAndFeel.VisualStyles ? bpiXP : bpiEnhanced;
    case bmsUseLookAndFeel:
        if (ALookAndFeel.NativeStyle && ALookAndFeel.VisualStyles) return bpiXP;
        if (ALookAndFeel.HasSkinPainter) return bpiSkin;
        switch (ALookAndFeel.Kind) {
        case blfFlat:
            return bpiEnhanced;
        case blfStandard:
            return bpiStandard;
        case blfUltraFlat:
            return bpiFlat;
        case blfOffice11:
            return bpiOffice11;
        }
        return bpiStandard;
    case bmsStandard:
        return bpiStandard;
    case bmsEnhanced:
        return bpiEnhanced;
    case bmsFlat:
        return bpiFlat;
    case bmsOffice11:
        return bpiOffice11;
    }
    return bpiStandard;
}

TovBarManagerStyle ovBarEffectiveStyle(TovBarManagerStyle AStyle,
                                       const TovBarLookAndFeelState& ALookAndFeel) {
    if (AStyle != bmsUseLookAndFeel) return AStyle;
    if (ALookAndFeel.NativeStyle && ALookAndFeel.VisualStyles) return bmsXP;
    switch (ALookAndFeel.Kind) {
    case blfFlat:
        return bmsEnhanced;
    case blfStandard:
        return bmsStandard;
    case blfUltraFlat:
        return bmsFlat;
    case blfOffice11:
        return bmsOffice11;
    }
    return bmsStandard;
}

int ovBarLookAndFeelStyleOfPainter(int APainterIndex) {
    switch (APainterIndex) {
    case bpiStandard:
    case bpiEnhanced:
        return 0;
    case bpiFlat:
        return 2;
    case bpiXP:
        return 3;
    case bpiOffice11:
        return 4;
    default:
        return -1;
    }
}

const TovBarPainterClass* ovBarPainterClassOf(int APainterIndex) {
    const int slot = (APainterIndex >= bpiStandard && APainterIndex <= bpiSkin) ? APainterIndex : bpiStandard;
    return PainterClasses[slot];
}

void ovBarRegisterPainterClass(int APainterIndex, const TovBarPainterClass* AClass) {
    if (APainterIndex >= bpiStandard && APainterIndex <= bpiSkin) PainterClasses[APainterIndex] = AClass;
}

const TovBarPainterClass* ovBarBasePainterClass() {
    return &BasePainterClass;
}
