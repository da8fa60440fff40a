#include "ui/bars/layout/BarLayoutNames.h"

#include "platform/rtl/Component.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "ui/bars/BarRoutines.h"

#include <cctype>

std::string GetLayoutSeparator(TovBarStoringKind AKind) {
    return GetStoreSeparator(AKind == bskRegistry);
}

std::string MakeMainSectionName(const std::string& APrefix, TovBarStoringKind AKind) {
    return AKind == bskRegistry ? APrefix : APrefix + "Main";
}

std::string MakeItemsSectionName(const std::string& APrefix) {
    return APrefix + "Items";
}

std::string MakeBarSectionName(const std::string& APrefix, int AIndex) {
    return APrefix + "Bar" + std::to_string(AIndex);
}

std::string MakeItemLinkSectionName(const std::string& ALinksSection, int AIndex, TovBarStoringKind AKind) {
    return ALinksSection + GetLayoutSeparator(AKind) + "ItemLink" + std::to_string(AIndex);
}

bool IsOwnLayoutRegistrySection(const std::string& AName) {
    if (SameText(AName, "Items")) return true;
    if (StartsText("Button_", AName) || StartsText("SubItem_", AName)) return true;
    if (!StartsText("Bar", AName) || AName.size() == 3) return false;
    for (std::size_t i = 3; i < AName.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(AName[i]))) return false;
    return true;
}

std::string GetComponentPath(TComponent* AComponent, TComponent* ARootOwner) {
    if (AComponent == nullptr) return {};
    std::string path = AComponent->Name();
    for (TComponent* owner = AComponent->Owner(); owner != nullptr && owner != ARootOwner;
         owner = owner->Owner()) {
        if (owner->Name().empty()) break;
        path = owner->Name() + "." + path;
        if (dynamic_cast<TCustomForm*>(owner) != nullptr) break;
    }
    return path;
}

TComponent* FindComponentByPath(const std::string& APath, TComponent* ARootOwner) {
    if (APath.empty()) return nullptr;
    const std::size_t dot = APath.find('.');
    TComponent* root = ARootOwner;
    std::string rest = APath;
    if (dot != std::string::npos) {
        root = nullptr;
        const std::string formName = APath.substr(0, dot);
        if (TScreen* screen = Screen())
            for (int i = 0; i < screen->FormCount() && root == nullptr; ++i)
                if (SameText(screen->Forms(i)->Name(), formName)) root = screen->Forms(i);
        rest = APath.substr(dot + 1);
    }
    while (root != nullptr && !rest.empty()) {
        const std::size_t next = rest.find('.');
        root = root->FindComponent(rest.substr(0, next));
        rest = next == std::string::npos ? std::string() : rest.substr(next + 1);
    }
    return root;
}
