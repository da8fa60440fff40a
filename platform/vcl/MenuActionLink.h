// The link a menu item holds to its action: the item takes the action's caption, check mark, enabled
// state, hint, image, shortcut and visibility, and clicking it executes the action.
#pragma once

#include "platform/vcl/ActionLink.h"

class TMenuItem;

class TMenuActionLink : public TActionLink {
public:
    explicit TMenuActionLink(TMenuItem* AClient);

    void SetCaption(const std::string& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetImageIndex(int Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    // Copies every linked property of the action to the item.
    void TakeAll();

private:
    TMenuItem* FItem;
};
