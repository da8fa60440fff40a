#include "platform/vcl/BitBtn.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace bitbtn_detail {

struct TKindInfo {
    const char* Caption;
    TModalResult Result;
};

TKindInfo InfoOf(TBitBtnKind Kind) {
    switch (Kind) {
    case bkOK:
        return {"OK", mrOk};
    case bkCancel:
        return {"Cancel", mrCancel};
    case bkHelp:
        return {"&Help", mrNone};
    case bkYes:
        return {"&Yes", mrYes};
    case bkNo:
        return {"&No", mrNo};
    case bkClose:
        return {"&Close", mrNone};
    case bkAbort:
        return {"Abort", mrAbort};
    case bkRetry:
        return {"&Retry", mrRetry};
    case bkIgnore:
        return {"&Ignore", mrIgnore};
    case bkAll:
        return {"&All", mrAll};
    case bkCustom:
        break;
    }
    return {"", mrNone};
}

} // namespace bitbtn_detail

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

void TBitBtn::SetKind(TBitBtnKind Value) {
    FKind = Value;
    if (Value == bkCustom) return;
    const bitbtn_detail::TKindInfo info = bitbtn_detail::InfoOf(Value);
    SetCaption(info.Caption);
    SetModalResult(info.Result);
    SetDefault(Value == bkOK || Value == bkYes);
    SetCancel(Value == bkCancel || Value == bkNo);
}

void TBitBtn::Click() {
    // A Close button closes its form.
    if (FKind == bkClose) {
        TCustomForm* form = GetParentForm();
        if (form != nullptr) {
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::CalcLayout(RECT& GlyphRect, RECT& TextRect) {
    FButtonGlyph.CalcLayout(ClientRect(), Font(), Caption(), GlyphRect, TextRect);
}

void TBitBtn::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT r = ClientRect();
    StdCtrlsFill(dc, r, Color());
    if (Active()) {
        canvas->Brush()->SetColor(clWindowFrame);
        canvas->FrameRect(r);
        ::InflateRect(&r, -1, -1);
    }
    ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (FPressed ? DFCS_PUSHED : 0));
    RECT glyph{}, text{};
    CalcLayout(glyph, text);
    if (FPressed) {
        ::OffsetRect(&glyph, 1, 1);
        ::OffsetRect(&text, 1, 1);
    }
    const int index =
        !Enabled() && FButtonGlyph.NumGlyphs() > 1 ? 1 : (FPressed && FButtonGlyph.NumGlyphs() > 2 ? 2 : 0);
    FButtonGlyph.Draw(dc, index, POINT{glyph.left, glyph.top}, Enabled());
    const std::string caption = Caption();
    StdCtrlsDrawCaption(dc, Font(), caption, text, DT_SINGLELINE | DT_LEFT | DT_TOP, Enabled(),
                        ColorToRGB(Font()->Color()));
    if (Focused()) {
        RECT focus = r;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(dc, &focus);
    }
}
