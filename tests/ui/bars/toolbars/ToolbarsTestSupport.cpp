#include "ToolbarsTestSupport.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"

namespace bars_test {

void ToolbarsTest::TearDown() {
    // Docks hold their rows' columns, which point at the stand-ins: they go first.
    docks.clear();
    BarPaintingTest::TearDown();
}

bar_standins::TStandInToolbar* ToolbarsTest::Toolbar(TovBarDockingStyle AStyle,
                                                     const std::vector<std::string>& ACaptions) {
    bar_standins::TStandInToolbar* toolbar = BarPaintingTest::Toolbar(AStyle);
    int image = 0;
    for (const std::string& caption : ACaptions) {
        const bool group = !caption.empty() && caption.front() == '|';
        toolbar->Add(Button(group ? caption.substr(1) : caption, image++ % 8), group);
    }
    return toolbar;
}

TovDockControl* ToolbarsTest::Dock(TovBarDockingStyle AStyle) {
    auto dock = std::make_unique<TovDockControl>(manager, AStyle);
    dock->SetParentOrigin(ClientOrigin);
    switch (AStyle) {
    case dsLeft:
        dock->SetBounds(TRect{0, 0, 0, ClientHeight});
        break;
    case dsRight:
        dock->SetBounds(TRect{ClientWidth, 0, ClientWidth, ClientHeight});
        break;
    case dsBottom:
        dock->SetBounds(TRect{0, ClientHeight, ClientWidth, ClientHeight});
        break;
    default:
        dock->SetBounds(TRect{0, 0, ClientWidth, 0});
        break;
    }
    docks.push_back(std::move(dock));
    return docks.back().get();
}

} // namespace bars_test
