#include "StdCtrlsTestSupport.h"

#include "platform/vcl/StatusBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace statusbar_test {

using stdctrls_test::StdCtrlsTest;

TEST_F(StdCtrlsTest, StatusBarPanelsSitSideBySideAndTheLastTakesTheRest) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    for (int width : {120, 80, 50})
        bar->Panels()->Add()->SetWidth(width);
    bar->Panels()->Items(0)->SetText("00:01:23.456");
    bar->Panels()->Items(2)->SetStyle(psOwnerDraw);
    std::vector<int> drawn;
    bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel* panel, const RECT&) {
        drawn.push_back(panel->Index());
    };
    ShowForm();
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
    EXPECT_EQ(bar->Width(), form->ClientWidth());
    EXPECT_EQ(bar->PanelRect(1).left, 122);
    EXPECT_EQ(bar->PanelRect(1).right, 202);
    EXPECT_EQ(bar->PanelRect(2).right, bar->Width() - 12);
    EXPECT_EQ(drawn, (std::vector<int>{2}));
    // The lowered panels show the shadow colour on their top edge.
    EXPECT_EQ(ColorAt(bar, 60, 2), ColorToRGB(clBtnShadow));
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Recording...");
    drawn.clear();
    bar->Repaint();
    Pump();
    EXPECT_TRUE(drawn.empty());
}

} // namespace statusbar_test
