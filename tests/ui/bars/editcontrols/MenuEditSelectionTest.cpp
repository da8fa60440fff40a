// A menu keeps the selection of the edit being typed in: the focused edit is drawn selected (its caption
// on the selection colour, readable in the selected text colour), and finishing the edit leaves the menu
// open with the edit still selected.
#include "EditControlsTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"

namespace edit_controls_test {
namespace {

constexpr int CaptionPart = 2;

TEST_F(EditControlsTest, AFocusedEditInAMenuIsDrawnSelectedAndFinishingItKeepsTheMenuOpen) {
    TovBarEdit* edit = NewEdit("Name", "old");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit, Button("Other")});
    EXPECT_TRUE(menu->GetBehaviorOptions().Contains(bboKeepSelection));
    TovBarItemControl* control = ControlOf(menu, 0);
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    EXPECT_TRUE(control->IsSelected());
    ::InvalidateRect(menu->Handle(), nullptr, FALSE);
    ::UpdateWindow(menu->Handle());
    // The caption's part, away from its text, is filled with the selection.
    const TRect caption = control->Parts()[CaptionPart];
    ASSERT_FALSE(caption.right <= caption.left);
    HDC dc = ::GetDC(menu->Handle());
    const COLORREF corner = ::GetPixel(dc, caption.left + 1, caption.top + 1);
    ::ReleaseDC(menu->Handle(), dc);
    EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(clHighlight) & 0xFFFFFF), corner & 0xFFFFFF);

    menu->EditControlFinished(control);
    EXPECT_TRUE(menu->CloseUps.empty());
    EXPECT_EQ(control, menu->SelectedControl());
}

} // namespace
} // namespace edit_controls_test
