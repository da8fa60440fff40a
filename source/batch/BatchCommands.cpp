#include "source/batch/BatchCommands.h"

#include "source/GlobalVars.h"
#include "source/dialogs/ConvertSampleRateForm.h"
#include "source/effects/AmplifyForm.h"
#include "source/effects/ChorusForm.h"
#include "source/effects/DynamicRangeCompressorForm.h"
#include "source/effects/EchoForm.h"
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

#include <array>

namespace batch_commands_detail {

struct TKindInfo {
    const char* Identifier;
    // The settings text with one %d per value ("%%" is a percent sign).
    const char* SettingsPattern;
    const TEffectDialogModel& (*Model)();
};

const char* const DelayPattern = "Delay Time (ms) = %d, Mix Depth (%%) = %d, Feedback Gain (%%) = %d";
const char* const SweepPattern =
    "Delay Rate (%%) = %d, Mix Depth (%%) = %d, Feedback Gain (%%) = %d, Sweep Depth "
    "(%%) = %d, Sweep Rate (%%) = %d, Sweep Phase (Deg) = %d";

const std::array<TKindInfo, BatchCommandKindCount>& Kinds() {
    static const std::array<TKindInfo, BatchCommandKindCount> kinds{{
        {"Insert Silence At The Start", "Silence Time (ms) = %d", nullptr},
        {"Insert Silence At The End", "Silence Time (ms) = %d", nullptr},
        {"Amplify", "Amplify Gain (%%) = %d", TAmplifyForm::DialogModel},
        {"Normalize", "Normalize Peak Level (%%) = %d", TNormalizeForm::DialogModel},
        {"High-Pass Filter", "Frequency (Hz) = %d", THighPassForm::DialogModel},
        {"Equalizer", "Click on Settings to view or change.", TEqualizerForm::DialogModel},
        {"Echo", DelayPattern, TEchoForm::DialogModel},
        {"Reverb",
         "Delay Time (ms) = %d, Mix Depth (%%) = %d, Feedback Gain (%%) = %dReverb Gain (%%) = %d, Reverb "
         "Frequency: (Hz) = %d, Taps Before delay Feedback = %d",
         TReverbForm::DialogModel},
        {"Noise Reduction", "Threshold (dB) = %d, Rate (%%) = %d, Root-Mean-Square Time (ms) = %d",
         TNoiseReductionForm::DialogModel},
        {"Speed Change", "Speed Adjust (%%) = %d", TSpeedChangeForm::DialogModel},
        {"Pitch Change", "Pitch Adjust (%%) = %d", TPitchChangeForm::DialogModel},
        {"Dynamic Range Compressor", "Threshold (dB) = %d, Rate (%%) = %d",
         TDynamicRangeCompressorForm::DialogModel},
        {"Convert Sample Rate And Channel", nullptr, nullptr},
        {"Mix Stereo Channels",
         "New Left Channel, Left (%%) = %d, New Left Channel, Right (%%) = %d, New Right Channel, Left (%%) "
         "= "
         "%d, New Right Channel, Right (%%) = %d",
         TMixStereoForm::DialogModel},
        {"Phaser", DelayPattern, TPhaserForm::DialogModel},
        {"Flanger", SweepPattern, TFlangerForm::DialogModel},
        {"Chorus", SweepPattern, TChorusForm::DialogModel},
    }};
    return kinds;
}

const TKindInfo& Info(TBatchCommandKind Kind) {
    return Kinds()[static_cast<std::size_t>(Kind)];
}

// The pattern with each "%d" replaced by the next value and "%%" by "%".
std::string FillNumbers(const char* Pattern, const std::vector<int>& Values) {
    std::string text;
    std::size_t next = 0;
    for (const char* p = Pattern; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            text += '%';
            ++p;
        } else if (p[0] == '%' && p[1] == 'd') {
            text += next < Values.size() ? std::to_string(Values[next++]) : std::string();
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}

} // namespace batch_commands_detail

const std::vector<std::string>& BatchCommandListTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> list;
        for (const auto& kind : batch_commands_detail::Kinds())
            list.push_back(std::string("  ") + kind.Identifier);
        return list;
    }();
    return texts;
}

std::string BatchCommandIdentifier(TBatchCommandKind Kind) {
    return batch_commands_detail::Info(Kind).Identifier;
}

bool BatchCommandKindOf(const std::string& Identifier, TBatchCommandKind& Kind) {
    for (int i = 0; i < BatchCommandKindCount; ++i) {
        if (Identifier == batch_commands_detail::Kinds()[std::size_t(i)].Identifier) {
            Kind = static_cast<TBatchCommandKind>(i);
            return true;
        }
    }
    return false;
}

const TEffectDialogModel* BatchEffectModel(TBatchCommandKind Kind) {
    const auto model = batch_commands_detail::Info(Kind).Model;
    return model ? &model() : nullptr;
}

TBatchCommand MakeBatchCommand(TBatchCommandKind Kind, const TGlobalVars& Vars) {
    TBatchCommand command{Kind, {}};
    if (const TEffectDialogModel* model = BatchEffectModel(Kind)) {
        for (const TEffectParameter& parameter : model->Parameters)
            command.Values.push_back(Vars.*parameter.Field);
    } else if (Kind == TBatchCommandKind::ConvertSampleType) {
        command.Values = {3, 0}; // 44100 Hz, stereo
    } else {
        command.Values = {Vars.InsertSilenceTime};
    }
    return command;
}

std::string BatchSettingsText(const TBatchCommand& Command) {
    if (Command.Kind == TBatchCommandKind::ConvertSampleType) {
        const int index = Command.Values.at(0);
        const auto& rates = ConvertSampleRates();
        const std::string rate = index >= 0 && index < int(rates.size())
                                     ? std::to_string(rates[std::size_t(index)])
                                     : std::string();
        return "Convert Sample Rate = " + rate +
               ", Convert Channel = " + (Command.Values.at(1) == 1 ? "Mono" : "Stereo");
    }
    return batch_commands_detail::FillNumbers(batch_commands_detail::Info(Command.Kind).SettingsPattern,
                                              Command.Values);
}

TGlobalVars BatchEffectSettings(const TBatchCommand& Command, const TGlobalVars& Vars) {
    TGlobalVars settings = Vars;
    if (const TEffectDialogModel* model = BatchEffectModel(Command.Kind)) {
        for (std::size_t i = 0; i < model->Parameters.size() && i < Command.Values.size(); ++i)
            settings.*model->Parameters[i].Field = Command.Values[i];
    }
    return settings;
}

int BatchConvertRate(const TBatchCommand& Command) {
    const int index = Command.Values.at(0);
    const auto& rates = ConvertSampleRates();
    return index >= 0 && index < int(rates.size()) ? rates[std::size_t(index)] : 44100;
}

int BatchConvertChannels(const TBatchCommand& Command) {
    return Command.Values.at(1) == 1 ? 1 : 2;
}
