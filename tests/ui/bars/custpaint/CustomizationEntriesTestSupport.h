// Fixture of the Customize window's entry tests: the painting fixture's manager (the gallery's pictures
// and font) with one item of every kind, a look chosen through the manager's style, and an entry drawn
// on a picture of its own.
#pragma once

#include "../BarPaintingTestSupport.h"

#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarTypes.h"

#include <string>

class TovBarButton;
class TovBarItem;
class TovBarSubItem;
class TovBarContainerItem;
class TovBarEdit;
class TovBarCombo;
class TovBarCustomizationFormPainter;

namespace custpaint_test {

// An entry as the commands list gives it to an item: 200 x 22 at (10, 4) on a 220 x 30 picture.
constexpr TRect EntryRect{10, 4, 210, 26};

// Registers another painter class for a painter index while it lives (the bar painter table is global).
class TPainterClassSwap {
public:
    TPainterClassSwap(int AIndex, const TovBarPainterClass* AClass);
    ~TPainterClassSwap();
    TPainterClassSwap(const TPainterClassSwap&) = delete;
    TPainterClassSwap& operator=(const TPainterClassSwap&) = delete;

private:
    int FIndex;
    const TovBarPainterClass* FSaved;
};

class CustomizationEntriesTest : public bars_test::BarPaintingTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the manager's style (so its bar painter and the look of its customization lists).
    const TovBarCustomizationFormPainter* UseStyle(TovBarManagerStyle AStyle);
    // Gives the manager a bar painter of the class (through the Standard style's table row).
    const TovBarCustomizationFormPainter* UsePainterClass(const TovBarPainterClass* AClass);
    // The item's entry (its own customizing-draw operation) on a fresh picture in the list's font.
    TPicture Entry(TovBarItem* AItem, bool ASelected);
    // A canvas font like the commands list's.
    void UseListFont(TCanvas* ACanvas) const;

    TovBarButton* glyphButton = nullptr;
    TovBarButton* dropDownButton = nullptr;
    TovBarButton* plainButton = nullptr;
    TovBarSubItem* subItem = nullptr;
    TovBarContainerItem* container = nullptr;
    TovBarEdit* edit = nullptr;
    TovBarCombo* combo = nullptr;
};

} // namespace custpaint_test
