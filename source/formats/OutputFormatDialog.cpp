// The output-format step of saving and exporting: the quality dialog of the format about to be written.
#include "source/mainform/OutputFormatDialog.h"

#include "audio/AudioOutputFormat.h"
#include "source/GlobalVars.h"
#include "source/ValueTables.h"
#include "source/dialogs/DialogSupport.h"
#include "source/formats/FormatPresetForm.h"

#include <memory>

bool RunOutputFormatDialog(TCustomForm& Owner, int FormatCode, TGlobalVars& Vars) {
    std::unique_ptr<TFormatPresetForm> dialog(MakeFormatPresetForm(&Owner, FormatCode, Vars));
    if (!dialog) return false;
    CenterOnOwner(*dialog, Owner);
    dialog->LoadParams();
    if (dialog->ShowModal() != mrOk) return false;
    dialog->StoreParams();
    return true;
}

namespace output_format_dialog_detail {

// The position of `value` in a list read through `FromIndex`, or -1.
template <class TFromIndex> int IndexOf(int value, int count, TFromIndex FromIndex) {
    for (int i = 0; i < count; ++i)
        if (FromIndex(i) == value) return i;
    return -1;
}

} // namespace output_format_dialog_detail

bool OfferDocumentWavFormat(TGlobalVars& Vars, const TDocumentFormat& Document) {
    using output_format_dialog_detail::IndexOf;
    const int rate = IndexOf(Document.SampleRate, WavSampleRateCount, WavSampleRateFromIndex);
    const int bits = IndexOf(Document.BitsPerSample, WavBitsPerSampleCount, WavBitsPerSampleFromIndex);
    if (rate < 0 || bits < 0 || Document.Channels < 1 || Document.Channels > 2) return false;
    Vars.OutputWAVType = 1;
    Vars.OutputWAVSampleType = static_cast<std::uint8_t>(rate);
    Vars.OutputWAVBitesPerSample = static_cast<std::uint8_t>(bits);
    Vars.OutputWAVMode = Document.Channels == 1 ? 1 : 0;
    return true;
}

bool RunOutputFormatDialog(TCustomForm& Owner, int FormatCode, TGlobalVars& Vars,
                           const TDocumentFormat& Document) {
    if (FormatCode != afWav) return RunOutputFormatDialog(Owner, FormatCode, Vars);
    const TGlobalVars stored = Vars;
    if (!OfferDocumentWavFormat(Vars, Document)) return RunOutputFormatDialog(Owner, FormatCode, Vars);
    const TGlobalVars offered = Vars;
    if (RunOutputFormatDialog(Owner, FormatCode, Vars)) return true;
    // Cancelled: what was only offered goes back to what was stored; what the user configured stays.
    Vars.OutputWAVType = stored.OutputWAVType;
    if (Vars.OutputWAVSampleType == offered.OutputWAVSampleType &&
        Vars.OutputWAVBitesPerSample == offered.OutputWAVBitesPerSample &&
        Vars.OutputWAVMode == offered.OutputWAVMode) {
        Vars.OutputWAVSampleType = stored.OutputWAVSampleType;
        Vars.OutputWAVBitesPerSample = stored.OutputWAVBitesPerSample;
        Vars.OutputWAVMode = stored.OutputWAVMode;
    }
    return false;
}
