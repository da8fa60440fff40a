// A label that works as a link on a dark window: white text under the hand cursor, underlined and
// light blue while the mouse is over it. A click runs its OnClick.
#pragma once

#include "platform/vcl/Label.h"

class TLinkLabel : public TLabel {
public:
    explicit TLinkLabel(TComponent* AOwner);

    static constexpr TColor NormalColor = RGB(255, 255, 255);
    static constexpr TColor HotColor = RGB(154, 215, 243);

private:
    void MouseEnterLink(TObject* Sender);
    void MouseLeaveLink(TObject* Sender);
};
