#include "source/UiFont.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/WinControl.h"

namespace ui_font_detail {

void ReplaceFontBelow(TWinControl* Parent, const std::string& fromName, const std::string& toName) {
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* child = Parent->Controls(i);
        if (child->Font()->Name() == fromName) child->Font()->SetName(toName);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) ReplaceFontBelow(windowed, fromName, toName);
    }
}

} // namespace ui_font_detail

void ApplyUiFont(TWinControl* Control, const std::string& fromName, const std::string& toName) {
    if (Control == nullptr || toName == fromName) return;
    if (::Screen()->Fonts()->IndexOf(toName) < 0) return;
    ui_font_detail::ReplaceFontBelow(Control, fromName, toName);
}
