#include "ui/ribbon/skins/RibbonSkinsManager.h"

#include "ui/core/platform/GdiPlusApi.h"
#include "ui/ribbon/skins/Ribbon2007Skins.h"
#include "ui/ribbon/skins/Ribbon2010Skins.h"
#include "ui/ribbon/skins/Ribbon2013Skins.h"
#include "ui/ribbon/skins/RibbonSkin.h"

#include <utility>

namespace {

TovRibbonSkinsManager* Manager = nullptr;

bool SameAsciiText(const std::string& A, const std::string& B) {
    if (A.size() != B.size()) return false;
    auto lower = [](char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; };
    for (std::size_t i = 0; i < A.size(); ++i)
        if (lower(A[i]) != lower(B[i])) return false;
    return true;
}

} // namespace

TovRibbonSkinsManager::TovRibbonSkinsManager() = default;

TovRibbonSkinsManager::~TovRibbonSkinsManager() = default;

int TovRibbonSkinsManager::Add(std::unique_ptr<TovCustomRibbonSkin>& ASkin) {
    if (!CheckGdiPlus() || !ASkin || Find(ASkin->GetName(), ASkin->GetStyle()) != nullptr) return -1;
    FSkins.push_back(std::move(ASkin));
    Changed();
    return Count() - 1;
}

TovCustomRibbonSkin* TovRibbonSkinsManager::Find(const std::string& AName, TovRibbonStyle AStyle) const {
    for (const auto& skin : FSkins)
        if (skin->GetStyle() == AStyle && SameAsciiText(skin->GetName(), AName)) return skin.get();
    return nullptr;
}

TovRibbonSkinsManager* SkinsManager() {
    if (Manager == nullptr) Manager = new TovRibbonSkinsManager;
    return Manager;
}

void RegisterRibbonSkins() {
    if (!CheckGdiPlus(true)) return;
    TovRibbonSkinsManager* manager = SkinsManager();
    // The first skin of a style is the ribbon's fallback for it: Blue for 2007 and 2010, White for 2013.
    std::unique_ptr<TovCustomRibbonSkin> skins[] = {
        std::make_unique<TovBlueRibbonSkin>(),        std::make_unique<TovBlackRibbonSkin>(),
        std::make_unique<TovSilverRibbonSkin>(),      std::make_unique<TovBlueRibbon2010Skin>(),
        std::make_unique<TovSilverRibbon2010Skin>(),  std::make_unique<TovBlackRibbon2010Skin>(),
        std::make_unique<TovWhiteRibbon2013Skin>(),   std::make_unique<TovLightGrayRibbon2013Skin>(),
        std::make_unique<TovDarkGrayRibbon2013Skin>()};
    for (auto& skin : skins)
        manager->Add(skin);
}

void UnregisterRibbonSkins() {
    delete std::exchange(Manager, nullptr);
}
