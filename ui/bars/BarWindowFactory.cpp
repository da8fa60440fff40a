#include "ui/bars/BarWindowFactory.h"

#include <memory>

namespace bar_window_factory_detail {

std::unique_ptr<TovBarWindowFactory>& Instance() {
    static std::unique_ptr<TovBarWindowFactory> instance;
    return instance;
}

} // namespace bar_window_factory_detail

using bar_window_factory_detail::Instance;

IovBarControl* TovBarWindowFactory::CreateToolbarControl(TovBar* ABar) {
    return FToolbarMaker ? FToolbarMaker(ABar) : nullptr;
}

IovBarControl* TovBarWindowFactory::CreateSubMenuControl(TovBarItemLinks* ALinks) {
    return FSubMenuMaker ? FSubMenuMaker(ALinks) : nullptr;
}

IovBarDock* TovBarWindowFactory::CreateBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) {
    return FDockMaker ? FDockMaker(AManager, AStyle) : nullptr;
}

TovBarWindowFactory* ovBarWindows() {
    return Instance().get();
}

void ovBarWindowsStart() {
    if (Instance()) return;
    Instance() = std::make_unique<TovBarWindowFactory>();
    ovSetBarWindowFactory(Instance().get());
}

void ovBarWindowsEnd() {
    if (!Instance()) return;
    if (ovBarWindowFactory() == Instance().get()) ovSetBarWindowFactory(nullptr);
    Instance().reset();
}
