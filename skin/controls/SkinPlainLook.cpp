#include "skin/controls/SkinPlainLook.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/StdCtrlsPaint.h"

void DrawPlainBox(TCanvas* Canvas, TRect R, TColor Frame, TColor Fill) {
    Frame3D(Canvas->Handle(), R, Frame, Frame, 1);
    Canvas->Brush()->SetColor(Fill);
    Canvas->FillRect(R);
}
