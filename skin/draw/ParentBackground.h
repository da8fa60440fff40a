// Painting what lies under a control inside its parent: the parent's background and window and the
// graphic controls below the control, for transparent looks and alpha blending.
#pragma once

class TCanvas;
class TControl;

// Paints into Canvas (whose origin is the control's top-left corner) what the parent shows under
// Control. Nothing without a control or parent.
void PaintParentBackground(TControl* Control, TCanvas* Canvas);
