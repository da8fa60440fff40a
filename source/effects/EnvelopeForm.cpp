#include "source/effects/EnvelopeForm.h"

#include "audio/AudioEditor2Interfaces.h"
#include "audio/views/AudioTransformDisplay2.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace envelope_form_detail {

constexpr int DialogWidth = 555, DialogHeight = 252;
constexpr RECT DisplayBounds{8, 0, 8 + 545, 200};
constexpr int ButtonsTop = 216, ButtonWidth = 75, ButtonHeight = 25, ButtonGap = 6;

} // namespace envelope_form_detail

const TEffectDialogModel& TEnvelopeForm::DialogModel() {
    static const TEffectDialogModel model{"Envelope", -1, TOkForm::CloseAtOnce, {}, {}, {}, {}};
    return model;
}

TEnvelopeForm::TEnvelopeForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    using namespace envelope_form_detail;
    // A drawing surface of fixed size: the dialog keeps its size whatever the screen's font.
    SetScaled(false);
    TD = new TAudioTransformDisplay2(this);
    TD->SetName("TD");
    TD->SetBounds(DisplayBounds.left, DisplayBounds.top, DisplayBounds.right - DisplayBounds.left,
                  DisplayBounds.bottom - DisplayBounds.top);
    TD->SetParent(this);
    SetClientSize(DialogWidth, DialogHeight);
    Bevel->SetBounds(DisplayBounds.left, DisplayBounds.bottom + 6, DisplayBounds.right - DisplayBounds.left,
                     2);
    int x = DisplayBounds.right - ButtonWidth;
    for (TButton* button : {ButtonHelp, ButtonCancel, ButtonOK}) {
        button->SetBounds(x, ButtonsTop, ButtonWidth, ButtonHeight);
        x -= ButtonWidth + ButtonGap;
    }
}

void TEnvelopeForm::SetScaleToSelection(const TAudioEditor2Position& Position) {
    SetScaleToSamples(Position.GetSelectionStart(), Position.GetSelectionEnd());
}

void TEnvelopeForm::SetScaleToSamples(std::int64_t Start, std::int64_t End) {
    // An empty stretch is shown one sample long; past 2^24 samples a float may not tell a short
    // stretch's ends apart either, and the end then goes to the next float.
    const float start = static_cast<float>(Start);
    float end = static_cast<float>(std::max(End, Start + 1));
    if (!(end > start)) end = std::nextafter(start, std::numeric_limits<float>::infinity());
    if (end > TD->ScaleXMin()) {
        TD->SetScaleXMax(end);
        TD->SetScaleXMin(start);
    } else {
        TD->SetScaleXMin(start);
        TD->SetScaleXMax(end);
    }
}

void TEnvelopeForm::FormShow(TObject* Sender) {
    using namespace envelope_form_detail;
    TEffectForm::FormShow(Sender);
    TD->SetBounds(DisplayBounds.left, DisplayBounds.top, DisplayBounds.right - DisplayBounds.left,
                  DisplayBounds.bottom - DisplayBounds.top);
    TD->Font()->SetName("Tahoma");
    TD->Font()->SetSize(7);
    TD->Font()->SetColor(RGB(168, 220, 248));
    TD->SetGridVisible(true);
    TD->SetScaleXCaption("smpl");
    TD->SetLineArraySize(100000);
}
