// The bar unit's window factory: the one the unit installs at start so that the model's toolbars, menus
// and docks get real windows. Each kind of window is made by the maker its window class registers here
// (toolbars, sub-menus, built-in docks); a kind without a maker gets no window, as before the unit
// started. The unit removes the factory at its end, unless another one was installed meanwhile.
#pragma once

#include "ui/bars/BarWindows.h"

#include <functional>

class TovBarWindowFactory : public IovBarWindowFactory {
public:
    using TToolbarMaker = std::function<IovBarControl*(TovBar* ABar)>;
    using TSubMenuMaker = std::function<IovBarControl*(TovBarItemLinks* ALinks)>;
    using TDockMaker = std::function<IovBarDock*(TovBarManager* AManager, TovBarDockingStyle AStyle)>;

    IovBarControl* CreateToolbarControl(TovBar* ABar) override;
    IovBarControl* CreateSubMenuControl(TovBarItemLinks* ALinks) override;
    IovBarDock* CreateBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) override;

    void SetToolbarMaker(TToolbarMaker AMaker) { FToolbarMaker = std::move(AMaker); }
    void SetSubMenuMaker(TSubMenuMaker AMaker) { FSubMenuMaker = std::move(AMaker); }
    void SetDockMaker(TDockMaker AMaker) { FDockMaker = std::move(AMaker); }

private:
    TToolbarMaker FToolbarMaker;
    TSubMenuMaker FSubMenuMaker;
    TDockMaker FDockMaker;
};

// The unit's factory (null outside the unit's life).
TovBarWindowFactory* ovBarWindows();
void ovBarWindowsStart();
void ovBarWindowsEnd();
