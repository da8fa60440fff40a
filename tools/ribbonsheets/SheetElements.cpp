#include "tools/ribbonsheets/SheetElements.h"

namespace ribbonsheets {

using ribbon_sheets::TovRibbonCut;
using ribbon_sheets::TovRibbonCutInfo;

int StateOfCell(const TovRibbonCutInfo& ACut, int ACell) {
    int n = 0;
    for (int s = 0; s < 9; ++s)
        if (ACut.States.Mask & (1u << s)) {
            if (ACut.States.Rows[n] == ACell) return s;
            ++n;
        }
    return 0;
}

const TLook& LookOf(const TPalette& P, int AState) {
    switch (AState) {
    case 1:
        return P.Disabled;
    case 2:
        return P.Hot;
    case 3:
        return P.Highlighted;
    case 4:
        return P.Pressed;
    case 5:
        return P.Dropped;
    case 6:
        return P.Checked;
    case 7:
        return P.CheckedHot;
    case 8:
        return P.DisabledSelected;
    default:
        return P.Rest;
    }
}

void DrawCell(const TCell& C) {
    using enum TovRibbonCut;
    switch (C.Cut.Cut) {
    case SmallButton:
    case SmallSplitMain:
    case SmallSplitDropDown:
    case LargeButton:
    case LargeSplitMain:
    case LargeSplitDropDown:
    case TabGroupCaptionButton:
    case EditButton:
    case ButtonGroupButton:
    case QatMarkA:
    case QatMarkB:
    case GalleryUp:
    case GalleryDown:
    case GalleryDropDown:
    case CaptionButton:
    case CaptionButton2010:
    case CloseButton:
    case TabScrollLeft:
    case TabScrollRight:
    case GroupsScrollLeft:
    case GroupsScrollRight:
    case ApplicationMenuButton:
    case ApplicationButton:
    case ApplicationButton2010:
    case MenuViewTab:
    case MenuViewItem:
    case CollapsedGroupGlyph:
    case CollapsedGroupGlyph2010:
    case MenuCheck:
    case MenuDetachCaption:
    case MenuScrollArea:
    case MenuScrollAreaNormal:
    case ScrollPageHorz:
    case ScrollPageVert:
    case ScrollVertLineDown:
    case ScrollVertLineUp:
    case ScrollVertThumb:
    case ScrollHorzLineDown:
    case ScrollHorzLineUp:
    case ScrollHorzThumb:
    case ProgressBand:
    case ProgressChunk:
    case ProgressSubstrate:
        DrawButtonCell(C);
        break;
    case FormCaption:
    case FormCaptionMaximized:
    case FormCaptionLeft:
    case FormCaptionRight:
    case FormBorderLeft:
    case FormBorderRight:
    case FormBottomThin:
    case FormBottomRounded:
    case FormBottomSquare:
    case FormCaptionLeft2010:
    case FormCaptionRight2010:
    case FormBorderLeft2010:
    case FormBorderRight2010:
    case FormBottomThin2010:
    case FormBottomRounded2010:
    case FormBottomSquare2010:
        DrawFrameCell(C);
        break;
    case MenuGlyph:
    case MenuContent:
    case MenuSeparatorHorz:
    case MenuSeparatorVert:
    case DropDownBorder:
    case ApplicationMenuBorder:
    case ApplicationMenuHeader:
    case ApplicationMenuFooter:
    case ScreenTip:
    case GalleryFilterBand:
    case GalleryGroupHeader:
    case GalleryTopSizingBand:
    case GalleryBottomSizingBand:
    case MenuViewLine:
    case MenuViewSeparator:
    case MenuViewNavigation:
    case QatPopup:
        DrawMenuCell(C);
        break;
    case HelpGlyph:
    case PinGlyph:
    case ScrollArrow:
    case TabGroupCaptionGlyph:
    case MenuMark:
    case SmallArrowGlyph:
    case GalleryTopSizeGrip:
    case GalleryBottomSizeGrip:
    case GalleryVerticalSizeGrip:
    case MenuCheckMark:
    case QatGroupButton:
    case ScrollVertLineDownGlyph:
    case ScrollVertLineUpGlyph:
    case ScrollVertThumbGlyph:
    case ScrollHorzLineDownGlyph:
    case ScrollHorzLineUpGlyph:
    case ScrollHorzThumbGlyph:
    case SmallStateGlyph:
    case CaptionGlyphs:
    case CaptionGlyphs2010:
    case CaptionGlyphs2013:
    case GalleryUpGlyph:
    case GalleryDownGlyph:
    case GalleryDropDownGlyph:
    case GalleryUpGlyph2010:
    case GalleryDownGlyph2010:
    case GalleryDropDownGlyph2010:
    case ArrowDown:
    case MenuArrowDown:
    case MenuArrowRight:
    case MinimizeCollapseGlyph:
    case MinimizeExpandGlyph:
    case MinimizePinGlyph:
    case MdiCloseGlyph:
    case MdiCloseGlyph2013:
    case MenuViewTabGlyph:
    case MenuViewButton:
        DrawGlyphCell(C);
        break;
    default:
        DrawSurfaceCell(C);
        break;
    }
}

} // namespace ribbonsheets
