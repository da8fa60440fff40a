// How the lists of the Customize window draw their entries: toolbars with a check box, and commands the
// way the bars will show them (glyph square, caption, drop-down part or sub-menu arrow, edit and combo
// boxes). Each look is one stateless painter object; the form asks ovCustomizationFormPainterFor for
// the one that matches the manager's bar painter and calls it with a canvas whose font is the list's.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <string>

class TCanvas;
class TovBarItem;
class TovBarManager;

class TovBarCustomizationFormPainter {
public:
    virtual ~TovBarCustomizationFormPainter() = default;
    TovBarCustomizationFormPainter() = default;
    TovBarCustomizationFormPainter(const TovBarCustomizationFormPainter&) = delete;
    TovBarCustomizationFormPainter& operator=(const TovBarCustomizationFormPainter&) = delete;

    // The look's name ("Standard", "Flat", "Office11", "XP"), for messages and tests.
    virtual const char* LookName() const { return "Standard"; }

    // 1. The caption (accelerator marks removed) in a part as wide as its text; ARect's left edge moves
    //    to the end of that part.
    virtual void DrawEditCaption(TCanvas* ACanvas, TRect& ARect, bool ASelected, TovBarItem* AItem) const;
    // 2. The edit box's frame; ARect shrinks to what lies inside it.
    virtual void DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool ASelected) const;
    // 3. The inside of the edit box: the interior, and a combo's drop-down button at the right.
    virtual void DrawEditContent(TCanvas* ACanvas, const TRect& ARect, bool AIsCombo, bool ASelected,
                                 TovBarItem* AItem) const;
    // 4. The caption part: filled and the text drawn; ARect's right edge becomes the part's right edge.
    virtual void DrawEditCaptionText(TCanvas* ACanvas, TRect& ARect, bool ASelected, TovBarItem* AItem,
                                     const std::string& AText) const;
    // 5. The edit interior, drawn by the item itself (its customizing content).
    virtual void DrawEditInterior(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                  TovBarItem* AItem) const;
    // 6. Where a button-like entry puts its glyph, its text and its drop-down arrow part.
    virtual void CalcButtonRects(TovBarItem* AItem, const TRect& ARect, TRect& AArrowRect, TRect& ATextRect,
                                 TRect& AGlyphRect) const;
    // 7. The drop-down part of a drop-down button's entry.
    virtual void DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                  TovBarItem* AItem) const;
    // 8. The entry's and the glyph square's fills, and the drop-down part.
    virtual void DrawButtonBackground(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                                      const TRect& AArrowRect, const TRect& AEntryRect,
                                      const TRect& AGlyphRect) const;
    // 9. The item's glyph (or image-list image) centred in the glyph square.
    virtual void DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected,
                                TovBarItem* AItem) const;
    // 10. A right-pointing triangle with corners (X, Y), (X, Y + 6), (X + 3, Y + 3).
    virtual void DrawSubItemArrow(TCanvas* ACanvas, int X, bool ASelected, int Y) const;
    // 11. The whole entry of a button-like item.
    virtual void DrawButtonEntry(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                 const std::string& ACaption, TovBarItem* AItem) const;
    // 12. The system check box inside ARect shrunk by 1.
    virtual void DrawCheckBox(TCanvas* ACanvas, const TRect& ARect, bool AEnabled, bool AChecked) const;
    // 13. A combo's drop-down button.
    virtual void DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                                 const TRect& ARect) const;
    // 14. The whole entry of an edit or combo item: caption, then frame and content while width remains.
    virtual void DrawEditEntry(TCanvas* ACanvas, const TRect& ARect, bool AIsCombo, bool ASelected,
                               TovBarItem* AItem) const;
    // 15. The focus rectangle of the focused entry.
    virtual void DrawFocus(TCanvas* ACanvas, const TRect& ARect, TovBarItem* AItem) const;
    // 16. The entry's fill; AItem may be null (the list's empty area below its last entry).
    virtual TColor GetEntryColor(bool ASelected, TovBarItem* AItem) const;
    // 17. The caption's colour.
    virtual TColor GetTextColor(bool ASelected) const;
    // 18. The plain face colour of the look.
    virtual TColor GetButtonFaceColor() const;
    // 19. The glyph square's fill.
    virtual TColor GetGlyphColor(bool ASelected, TovBarItem* AItem) const;
    // 20. The height of one commands-list entry.
    virtual int GetEntryHeight() const;
    // 21. The width of a combo's drop-down button.
    virtual int GetComboButtonWidth() const;
};

class TovBarCustomizationFormStandardPainter : public TovBarCustomizationFormPainter {
public:
    const char* LookName() const override { return "Standard"; }
    void DrawFocus(TCanvas* ACanvas, const TRect& ARect, TovBarItem* AItem) const override;
};

class TovBarCustomizationFormFlatPainter : public TovBarCustomizationFormPainter {
public:
    const char* LookName() const override { return "Flat"; }
    TColor GetEntryColor(bool ASelected, TovBarItem* AItem) const override;
    TColor GetTextColor(bool ASelected) const override;
    TColor GetGlyphColor(bool ASelected, TovBarItem* AItem) const override;
    void DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool ASelected) const override;
    void DrawEditCaptionText(TCanvas* ACanvas, TRect& ARect, bool ASelected, TovBarItem* AItem,
                             const std::string& AText) const override;
    void DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                          TovBarItem* AItem) const override;
    void DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected,
                        TovBarItem* AItem) const override;
    void DrawButtonEntry(TCanvas* ACanvas, const TRect& ARect, bool ASelected, const std::string& ACaption,
                         TovBarItem* AItem) const override;
    void DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                         const TRect& ARect) const override;
    void DrawFocus(TCanvas* ACanvas, const TRect& ARect, TovBarItem* AItem) const override;

protected:
    // The flat look's selected fill: the manager's selection brush colour (the same blend without one).
    static TColor FlatSelectionColor(TovBarItem* AItem);
};

class TovBarCustomizationFormOffice11Painter : public TovBarCustomizationFormFlatPainter {
public:
    const char* LookName() const override { return "Office11"; }
    TColor GetEntryColor(bool ASelected, TovBarItem* AItem) const override;
    TColor GetTextColor(bool ASelected) const override;
    TColor GetButtonFaceColor() const override;
    void DrawButtonBackground(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected, const TRect& AArrowRect,
                              const TRect& AEntryRect, const TRect& AGlyphRect) const override;
    void DrawEditCaptionText(TCanvas* ACanvas, TRect& ARect, bool ASelected, TovBarItem* AItem,
                             const std::string& AText) const override;
    void DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                          TovBarItem* AItem) const override;
    void DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool ASelected) const override;
    void DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                         const TRect& ARect) const override;
    void DrawButtonEntry(TCanvas* ACanvas, const TRect& ARect, bool ASelected, const std::string& ACaption,
                         TovBarItem* AItem) const override;
    void DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected,
                        TovBarItem* AItem) const override;
};

class TovBarCustomizationFormXPPainter : public TovBarCustomizationFormPainter {
public:
    const char* LookName() const override { return "XP"; }
    void DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool ASelected) const override;
    void DrawEditInterior(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                          TovBarItem* AItem) const override;
    void DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                          TovBarItem* AItem) const override;
    void DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected,
                        TovBarItem* AItem) const override;
    void DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                         const TRect& ARect) const override;
    void DrawFocus(TCanvas* ACanvas, const TRect& ARect, TovBarItem* AItem) const override;
    int GetComboButtonWidth() const override;
};

// The process-wide painter of each look (they hold no state).
const TovBarCustomizationFormPainter* ovCustomizationFormStandardPainter();
const TovBarCustomizationFormPainter* ovCustomizationFormFlatPainter();
const TovBarCustomizationFormPainter* ovCustomizationFormOffice11Painter();
const TovBarCustomizationFormPainter* ovCustomizationFormXPPainter();

// The look for a manager, by the exact class of its default bar painter: the flat, Office11 and themed
// bar painters give their own look; any other (standard, enhanced, skinned, ribbon, none) the Standard.
const TovBarCustomizationFormPainter* ovCustomizationFormPainterFor(TovBarManager* AManager);
