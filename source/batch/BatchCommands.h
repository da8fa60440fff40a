// The commands of the batch converter's command list: seventeen kinds, each a record of whole-number
// parameters taken from the current effect defaults when the command is added, shown as a row of
// "Command" and "Settings" text.
#pragma once

#include <string>
#include <vector>

struct TGlobalVars;
struct TEffectDialogModel;

enum class TBatchCommandKind {
    InsertSilenceAtTheStart,
    InsertSilenceAtTheEnd,
    Amplify,
    Normalize,
    HighPass,
    Equalizer,
    Echo,
    Reverb,
    NoiseReduction,
    SpeedChange,
    PitchChange,
    Compressor,
    ConvertSampleType,
    MixStereoChannels,
    Phaser,
    Flanger,
    Chorus,
};
inline constexpr int BatchCommandKindCount = 17;

// One command row's record: its kind and its parameters in the order of the kind's fields.
// ConvertSampleType holds the rate index (0..9 into 96000 .. 6000 Hz) and the channel mode (0 stereo,
// 1 mono); the silence commands their time in ms; the others their effect dialog's values.
struct TBatchCommand {
    TBatchCommandKind Kind;
    std::vector<int> Values;
};

// "  Amplify" as the Add Command list shows it (index = kind).
const std::vector<std::string>& BatchCommandListTexts();
// "Amplify": the row's caption, which names the kind.
std::string BatchCommandIdentifier(TBatchCommandKind Kind);
// The kind a row caption names; false for a caption that names none (compared exactly).
bool BatchCommandKindOf(const std::string& Identifier, TBatchCommandKind& Kind);

// A new record of the kind with the current defaults of Vars.
TBatchCommand MakeBatchCommand(TBatchCommandKind Kind, const TGlobalVars& Vars);
// The row's "Settings" text, e.g. "Amplify Gain (%) = 150".
std::string BatchSettingsText(const TBatchCommand& Command);

// The effect dialog's model of an effect kind: its parameters name the settings fields the record's
// values stand for, in order. Null for the two silence kinds and the conversion, which are no effects.
const TEffectDialogModel* BatchEffectModel(TBatchCommandKind Kind);
// A copy of Vars with the command's values in its fields, for the effect routines that read them there.
TGlobalVars BatchEffectSettings(const TBatchCommand& Command, const TGlobalVars& Vars);

// The conversion command's rate index as a rate (96000 .. 6000 Hz; 44100 outside the list) and its
// channel mode as a channel count.
int BatchConvertRate(const TBatchCommand& Command);
int BatchConvertChannels(const TBatchCommand& Command);
