// The plain item classes: a label that only shows its caption, and a separator item for menus.
#pragma once

#include "ui/bars/BarItem.h"

class TovBarLabel : public TovBarItem {
public:
    explicit TovBarLabel(TComponent* AOwner);
};

class TovBarSeparator : public TovBarLabel {
public:
    using TovBarLabel::TovBarLabel;
    // Menus only: on a toolbar it answers "A separator item cannot be placed on the specified toolbar".
    bool CanBePlacedOn(TovBarPlacement AKind, TovBar* AToolbar, std::string& AErrorText) override;
    std::string GetDefaultCaption() const override;
    // The item's actions without "most recently used".
    TovBarCustomizationActions GetSupportedActions() const override;
};
