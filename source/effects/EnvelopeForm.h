// The envelope dialog: the user draws a gain curve over the selection on the envelope display; the
// envelope command then reads the curve (gains in dB at LineArraySize places) and applies it. There is
// no preview, no preset, no settings field and no effect identifier: only the display, OK, Cancel and
// Help. The display's X scale runs over the selection, in samples.
#pragma once

#include "source/effects/EffectForm.h"

#include <cstdint>

class TAudioEditor2Position;
class TAudioTransformDisplay2;

class TEnvelopeForm : public TEffectForm {
public:
    explicit TEnvelopeForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    // The display's X scale becomes the selection's first to last sample (SetScaleToSamples).
    void SetScaleToSelection(const TAudioEditor2Position& Position);
    // The display's X scale becomes Start .. End. Both ends move, in the order that keeps the scale's
    // minimum below its maximum at every step; an empty stretch still gets a scale of one sample.
    void SetScaleToSamples(std::int64_t Start, std::int64_t End);

    void FormShow(TObject* Sender) override;

    TAudioTransformDisplay2* TD = nullptr;
};
