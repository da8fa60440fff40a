#include "ui/ribbon/form/RibbonFormPaintData.h"
#include "ui/ribbon/form/FormKeyPreviewListener.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormClient.h"
#include "ui/ribbon/form/RibbonFormControl.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/form/RibbonFormNonClientHelper.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The caption helper recalculates only when the form's paint data differ in some field: every field
// takes part in the comparison.
TEST(RibbonFormPaintDataTest, EveryFieldTakesPartInTheComparison) {
    TovRibbonFormPaintData base;
    base.IsActive = true;
    base.WindowBounds = {0, 0, 800, 600};
    base.BorderStyle = 2;
    base.Handle = reinterpret_cast<HWND>(0x40);
    base.FormStyle = 0;
    const std::vector<std::function<void(TovRibbonFormPaintData&)>> changes = {
        [](TovRibbonFormPaintData& D) { D.IsActive = false; },
        [](TovRibbonFormPaintData& D) { D.WindowBounds.left = 1; },
        [](TovRibbonFormPaintData& D) { D.WindowBounds.top = 1; },
        [](TovRibbonFormPaintData& D) { D.WindowBounds.right = 801; },
        [](TovRibbonFormPaintData& D) { D.WindowBounds.bottom = 601; },
        [](TovRibbonFormPaintData& D) { D.BorderStyle = 3; },
        [](TovRibbonFormPaintData& D) { D.Handle = nullptr; },
        [](TovRibbonFormPaintData& D) { D.WindowState = 2; },
        [](TovRibbonFormPaintData& D) { D.FormStyle = 1; },
        [](TovRibbonFormPaintData& D) { D.Embedded = true; },
        [](TovRibbonFormPaintData& D) { D.RoundedCorners = 1; },
    };
    TovRibbonFormPaintData same = base;
    EXPECT_TRUE(same == base);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        TovRibbonFormPaintData changed = base;
        changes[i](changed);
        EXPECT_TRUE(changed != base) << "field change " << i;
    }
    TovRibbonFormPaintData minimized = base;
    minimized.WindowState = 1;
    EXPECT_TRUE(minimized.IsMinimized());
    EXPECT_FALSE(minimized.IsMaximized());
}

} // namespace
