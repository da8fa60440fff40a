// The gallery of the Customize window's entries: for each look a column of entries of every item kind,
// unselected and selected, check boxes, and the focus rectangle, written for looking at.
#include "CustomizationEntriesTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/painting/BarXPPainter.h"
#include "ui/core/base/Geometry.h"

using namespace custpaint_test;

namespace {

constexpr int LabelWidth = 180;
constexpr int ColumnWidth = 220;
constexpr int EntryWidth = 200;
constexpr int RowHeight = 24;
constexpr int Top = 30;

TEST_F(CustomizationEntriesTest, GalleryOfEveryLookIsPaintedAndWritten) {
    struct TLook {
        const char* Name;
        TovBarManagerStyle Style;
    };
    const TLook looks[] = {
        {"Standard", bmsStandard}, {"Flat", bmsFlat}, {"Office11", bmsOffice11}, {"XP", bmsXP}};
    struct TRow {
        const char* Label;
        TovBarItem* Item;
    };
    const TRow rows[] = {{"button with glyph", glyphButton},
                         {"drop-down button", dropDownButton},
                         {"button, no glyph", plainButton},
                         {"sub-item", subItem},
                         {"container item", container},
                         {"edit", edit},
                         {"combo", combo}};
    const int itemRows = static_cast<int>(std::size(rows)) * 2;
    const int height = Top + (itemRows + 3) * RowHeight + 10;
    TPicture picture =
        Picture(LabelWidth + ColumnWidth * static_cast<int>(std::size(looks)), height, clWhite);
    TCanvas* canvas = picture.Bitmap->Canvas();
    UseListFont(canvas);
    auto label = [&](int X, int Y, const std::string& AText) {
        canvas->Brush()->SetColor(clWhite);
        canvas->Font()->SetColor(clBlack);
        canvas->TextOut(X, Y, AText);
    };
    for (int r = 0; r < itemRows; ++r)
        label(6, Top + r * RowHeight + 4, std::string(rows[r / 2].Label) + (r % 2 == 1 ? ", selected" : ""));
    label(6, Top + itemRows * RowHeight + 4, "check boxes");
    label(6, Top + (itemRows + 1) * RowHeight + 4, "disabled check boxes");
    label(6, Top + (itemRows + 2) * RowHeight + 4, "focused entry");

    int x = LabelWidth;
    for (const TLook& look : looks) {
        // Visual styles are never on here: the themed bar painter is put in the Standard row instead.
        const TovBarCustomizationFormPainter* painter =
            look.Style == bmsXP ? UsePainterClass(&ovBarXPPainterClass) : UseStyle(look.Style);
        EXPECT_STREQ(painter->LookName(), look.Name);
        label(x, 8, look.Name);
        for (int r = 0; r < itemRows; ++r) {
            const TRect entry = uiRectOfBounds(x, Top + r * RowHeight, EntryWidth, painter->GetEntryHeight());
            UseListFont(canvas);
            rows[r / 2].Item->DrawCustomizingImage(canvas, entry, r % 2 == 1);
        }
        // The bars list's check boxes: a square as high as the entry, the caption after it.
        for (int disabled = 0; disabled < 2; ++disabled) {
            const int y = Top + (itemRows + disabled) * RowHeight;
            for (int checked = 0; checked < 2; ++checked) {
                const TRect box = uiRectOfBounds(x + checked * 90, y, 18, 18);
                painter->DrawCheckBox(canvas, box, disabled == 0, checked == 1);
                label(box.right + 2, y + 2, checked == 1 ? "Standard" : "Formatting");
            }
        }
        const TRect focused = uiRectOfBounds(x, Top + (itemRows + 2) * RowHeight, EntryWidth, 22);
        UseListFont(canvas);
        glyphButton->DrawCustomizingImage(canvas, focused, true);
        painter->DrawFocus(canvas, focused, glyphButton);
        x += ColumnWidth;
    }
    const std::string file = OutputPath("customize-entries.png");
    EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), file)) << file;
}

} // namespace
