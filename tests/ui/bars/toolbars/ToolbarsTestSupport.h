// Fixture of the toolbar and dock tests: the painting fixture's manager, stand-in toolbars (real toolbar
// controls over their own links) filled with the gallery's buttons, and window-free dock controls placed
// along the edges of a 600 x 400 client area whose screen origin is (100, 100).
#pragma once

#include "../BarPaintingTestSupport.h"
#include "ui/bars/controls/DockControl.h"

#include <memory>
#include <string>
#include <vector>

namespace bars_test {

class ToolbarsTest : public BarPaintingTest {
protected:
    void TearDown() override;
    // A toolbar stand-in in the style with a button per caption (each with a glyph of the gallery);
    // captions starting with '|' begin a group.
    bar_standins::TStandInToolbar* Toolbar(TovBarDockingStyle AStyle,
                                           const std::vector<std::string>& ACaptions);
    // A built-in dock along the edge of the client area, empty (0 thick).
    TovDockControl* Dock(TovBarDockingStyle AStyle);
    // The client area the docks line.
    static constexpr int ClientWidth = 600;
    static constexpr int ClientHeight = 400;
    static constexpr TPoint ClientOrigin{100, 100};

    std::vector<std::unique_ptr<TovDockControl>> docks;
};

} // namespace bars_test
