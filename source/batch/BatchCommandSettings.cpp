#include "source/batch/BatchCommandSettings.h"

#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/controls/ImageSlider.h"
#include "source/dialogs/ConvertSampleRateForm.h"
#include "source/dialogs/DialogSupport.h"
#include "source/effects/AmplifyForm.h"
#include "source/effects/ChorusForm.h"
#include "source/effects/DynamicRangeCompressorForm.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EffectForm.h"
#include "source/effects/EqualizerForm.h"
#include "source/effects/FlangerForm.h"
#include "source/effects/HighPassForm.h"
#include "source/effects/MixStereoForm.h"
#include "source/effects/NoiseReductionForm.h"
#include "source/effects/NormalizeForm.h"
#include "source/effects/PhaserForm.h"
#include "source/effects/PitchChangeForm.h"
#include "source/effects/ReverbForm.h"
#include "source/effects/SpeedChangeForm.h"

#include <memory>

namespace batch_command_settings_detail {

// The insert-silence dialog of the editing commands: one typed time in milliseconds.
const TEffectDialogModel& SilenceModel() {
    static const TEffectDialogModel model{
        "Insert Silence",
        eiNone,
        TOkForm::FocusFirst,
        {},
        {PlainEdit("SilenceTime", "Silence &Time (ms):", 6, &TGlobalVars::InsertSilenceTime)},
        {},
        {}};
    return model;
}

template <class T> TEffectForm* Make(TComponent* Owner) {
    return TCustomForm::New<T>(Owner, nullptr);
}

TEffectForm* MakeDialog(TBatchCommandKind Kind, TComponent* Owner) {
    switch (Kind) {
    case TBatchCommandKind::InsertSilenceAtTheStart:
    case TBatchCommandKind::InsertSilenceAtTheEnd:
        return TCustomForm::New<TEffectForm>(Owner, SilenceModel(), nullptr);
    case TBatchCommandKind::Amplify:
        return Make<TAmplifyForm>(Owner);
    case TBatchCommandKind::Normalize:
        return Make<TNormalizeForm>(Owner);
    case TBatchCommandKind::HighPass:
        return Make<THighPassForm>(Owner);
    case TBatchCommandKind::Equalizer:
        return Make<TEqualizerForm>(Owner);
    case TBatchCommandKind::Echo:
        return Make<TEchoForm>(Owner);
    case TBatchCommandKind::Reverb:
        return Make<TReverbForm>(Owner);
    case TBatchCommandKind::NoiseReduction:
        return Make<TNoiseReductionForm>(Owner);
    case TBatchCommandKind::SpeedChange:
        return Make<TSpeedChangeForm>(Owner);
    case TBatchCommandKind::PitchChange:
        return Make<TPitchChangeForm>(Owner);
    case TBatchCommandKind::Compressor:
        return Make<TDynamicRangeCompressorForm>(Owner);
    case TBatchCommandKind::MixStereoChannels:
        return Make<TMixStereoForm>(Owner);
    case TBatchCommandKind::Phaser:
        return Make<TPhaserForm>(Owner);
    case TBatchCommandKind::Flanger:
        return Make<TFlangerForm>(Owner);
    case TBatchCommandKind::Chorus:
        return Make<TChorusForm>(Owner);
    case TBatchCommandKind::ConvertSampleType:
        break;
    }
    return nullptr;
}

bool EditConversion(TCustomForm& Owner, TBatchCommand& Command) {
    std::unique_ptr<TConvertSampleRateForm> dialog(TCustomForm::New<TConvertSampleRateForm>(&Owner));
    CenterOnOwner(*dialog, Owner);
    dialog->ComboBoxRate->SetItemIndex(Command.Values.at(0));
    dialog->SetChannelsItemIndex(Command.Values.at(1) == 0 ? 1 : 0);
    if (dialog->ShowModal() != mrOk) return false;
    const int rate = dialog->ComboBoxRate->ItemIndex();
    Command = TBatchCommand{
        Command.Kind, {rate < 0 ? Command.Values.at(0) : rate, dialog->ChannelsItemIndex() == 0 ? 1 : 0}};
    return true;
}

} // namespace batch_command_settings_detail

bool EditBatchCommand(TCustomForm& Owner, TBatchCommand& Command) {
    using namespace batch_command_settings_detail;
    if (Command.Kind == TBatchCommandKind::ConvertSampleType) return EditConversion(Owner, Command);
    std::unique_ptr<TEffectForm> dialog(MakeDialog(Command.Kind, &Owner));
    const auto& parameters = dialog->Model().Parameters;
    CenterOnOwner(*dialog, Owner);
    // A command's settings are set here and heard in the run: no preview.
    if (dialog->ButtonPreview != nullptr) dialog->ButtonPreview->SetVisible(false);
    for (std::size_t i = 0; i < parameters.size() && i < Command.Values.size(); ++i) {
        const int value = Command.Values[i];
        if (TImageSlider* slider = dialog->ParameterSlider(int(i))) slider->SetValue(value);
        if (TEdit* edit = dialog->ParameterEdit(int(i))) edit->SetText(std::to_string(value));
    }
    if (dialog->ShowModal() != mrOk) return false;
    TBatchCommand edited{Command.Kind, {}};
    try {
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            TImageSlider* slider = dialog->ParameterSlider(int(i));
            TEdit* edit = dialog->ParameterEdit(int(i));
            // A slider with its edit holds the value in the slider; an edit alone holds it as text.
            edited.Values.push_back(slider != nullptr ? slider->Value() : StrToInt(edit->Text()));
        }
    } catch (const Exception& e) {
        Application()->MessageBox(e.Message(), ApplicationTitle, MB_OK | MB_ICONERROR);
        return false;
    }
    Command = std::move(edited);
    return true;
}
