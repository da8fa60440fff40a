#include "platform/vcl/PaintBox.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle().Include(csReplicatable);
    FWidth = 105;
    FHeight = 105;
}

void TPaintBox::Paint() {
    // The handler starts with the control's font and colour on a solid brush.
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Brush()->SetStyle(bsSolid);
    OnPaint(this);
}
