#include "source/SettingsKeys.h"

#include "source/ValueTables.h"

#include <limits>

namespace settings_keys_detail {

using V = TGlobalVars;

// Number of entries of lists that live in the dialogs.
constexpr int OutputFormatCount = 4; // .wav .mp3 .ogg .wma
constexpr int WavPresetCount = 3;
constexpr int Mp3PresetCount = 11;
constexpr int Mp3ModeCount = 4; // Stereo, Joint Stereo, Dual Channels, Mono
constexpr int OggPresetCount = 7;
constexpr int WmaPresetCount = 7;
constexpr int EffectIdentifierCount = 21;

// Sizes (of windows, bars, sample rates) must be positive to be usable.
TSettingKey Size(const char* key, TSettingKey::TField field) {
    return {key, field, 1, std::numeric_limits<int>::max()};
}

TSettingKey Index(const char* key, TSettingKey::TField field, int count) {
    return {key, field, 0, count - 1};
}

} // namespace settings_keys_detail

const std::vector<TSettingKey>& SettingKeys() {
    using namespace settings_keys_detail;
    static const std::vector<TSettingKey> keys{
        {"LastOpenDir", &V::LastOpenDir},
        {"ShowStartDialog", &V::ShowStartDialog},
        Size("CommandBarWidth", &V::CommandBarWidth),
        {"EffectPanelOnFront", &V::EffectPanelOnFront},
        {"AccuEnabled", &V::AccuEnabled},
        {"AccuAttackTime", &V::AccuAttackTime},
        {"AccuReleaseTime", &V::AccuReleaseTime},
        {"AccuAttackLevel", &V::AccuAttackLevel},
        {"AccuReleaseLevel", &V::AccuReleaseLevel},
        {"OP_PromptNewFile", &V::OP_PromptNewFile},
        Size("OP_DefSample", &V::OP_DefSample),
        {"OP_DefChannel", &V::OP_DefChannel, 1, 2},
        {"OP_UseDefFolder", &V::OP_UseDefFolder},
        {"OP_WorkingFolder", &V::OP_WorkingFolder},
        {"OP_PlayAfterOpened", &V::OP_PlayAfterOpened},
        {"OP_PlayAfterEdit", &V::OP_PlayAfterEdit},
        {"OP_PlayAfterBookmark", &V::OP_PlayAfterBookmark},
        {"OP_PlayAfterRegion", &V::OP_PlayAfterRegion},
        {"RegionFormLeft", &V::RegionFormLeft},
        {"RegionFormTop", &V::RegionFormTop},
        Size("RegionFormWidth", &V::RegionFormWidth),
        Size("RegionFormHeight", &V::RegionFormHeight),
        {"BookmarkFormLeft", &V::BookmarkFormLeft},
        {"BookmarkFormTop", &V::BookmarkFormTop},
        Size("BookmarkFormWidth", &V::BookmarkFormWidth),
        Size("BookmarkFormHeight", &V::BookmarkFormHeight),
        {"ExportFolder", &V::ExportFolder},
        Index("ExportFormat", &V::ExportFormat, OutputFormatCount),
        {"FreAnalysisFormLeft", &V::FreAnalysisFormLeft},
        {"FreAnalysisFormTop", &V::FreAnalysisFormTop},
        Size("FreAnalysisFormWidth", &V::FreAnalysisFormWidth),
        Size("FreAnalysisFormHeight", &V::FreAnalysisFormHeight),
        {"BatchFileFormatUseTheSame", &V::BatchFileFormatUseTheSame},
        Index("BatchFileFormatIndex", &V::BatchFileFormatIndex, OutputFormatCount),
        {"BatchFileSaveFolderUseTheSame", &V::BatchFileSaveFolderUseTheSame},
        {"BatchFileSaveFolderpath", &V::BatchFileSaveFolderpath},
        {"PreviewOperationTypes", &V::PreviewOperationTypes, -1, EffectIdentifierCount},
        Index("DefNewFileSampleRate", &V::DefNewFileSampleRate, NewFileSampleRateCount),
        Index("DefNewFileChannels", &V::DefNewFileChannels, 2),
        {"SelectePartPercent", &V::SelectePartPercent},
        {"AudioInBufferPercent", &V::AudioInBufferPercent},
        {"IncreaseSelection", &V::IncreaseSelection},
        {"InsertSilenceTime", &V::InsertSilenceTime},
        {"DefAmplify", &V::DefAmplify},
        {"DefNormalize", &V::DefNormalize},
        {"DefCompressorThreshold", &V::DefCompressorThreshold},
        {"DefCompressorRate", &V::DefCompressorRate},
        {"DefHighPass", &V::DefHighPass},
        {"EqualizerBuf1", &V::EqualizerBuf1},
        {"EqualizerBuf2", &V::EqualizerBuf2},
        {"EqualizerBuf3", &V::EqualizerBuf3},
        {"EqualizerBuf4", &V::EqualizerBuf4},
        {"EqualizerBuf5", &V::EqualizerBuf5},
        {"EqualizerBuf6", &V::EqualizerBuf6},
        {"EqualizerBuf7", &V::EqualizerBuf7},
        {"EqualizerBuf8", &V::EqualizerBuf8},
        {"EqualizerBuf9", &V::EqualizerBuf9},
        {"EqualizerBuf10", &V::EqualizerBuf10},
        {"EqualizerBuf11", &V::EqualizerBuf11},
        {"EqualizerBuf12", &V::EqualizerBuf12},
        {"DefEchoDelayTime", &V::DefEchoDelayTime},
        {"DefEchoMixDepth", &V::DefEchoMixDepth},
        {"DefEchoFeedbackGain", &V::DefEchoFeedbackGain},
        {"DefReverbDelayTime", &V::DefReverbDelayTime},
        {"DefReverbMixDepth", &V::DefReverbMixDepth},
        {"DefReverbFeedbackGain", &V::DefReverbFeedbackGain},
        {"DefReverbGain", &V::DefReverbGain},
        {"DefReverbFrequency", &V::DefReverbFrequency},
        {"DefReverbTaps", &V::DefReverbTaps},
        {"DefFadeInt", &V::DefFadeInt},
        {"DefFadeFin", &V::DefFadeFin},
        {"DefMixChanLL", &V::DefMixChanLL},
        {"DefMixChanLR", &V::DefMixChanLR},
        {"DefMixChanRL", &V::DefMixChanRL},
        {"DefMixChanRR", &V::DefMixChanRR},
        {"DefNoiseReductionThreshold", &V::DefNoiseReductionThreshold},
        {"DefNoiseReductionRate", &V::DefNoiseReductionRate},
        {"DefNoiseReductionRMSTime", &V::DefNoiseReductionRMSTime},
        {"DefSpeedChange", &V::DefSpeedChange},
        {"DefPitchChange", &V::DefPitchChange},
        {"DefPhaserDelayTime", &V::DefPhaserDelayTime},
        {"DefPhaserMixDepth", &V::DefPhaserMixDepth},
        {"DefPhaserFeedbackGain", &V::DefPhaserFeedbackGain},
        {"DefFlangerDelayRate", &V::DefFlangerDelayRate},
        {"DefFlangerMixDepth", &V::DefFlangerMixDepth},
        {"DefFlangerFeedbackGain", &V::DefFlangerFeedbackGain},
        {"DefFlangerSweepDepth", &V::DefFlangerSweepDepth},
        {"DefFlangerSweepRate", &V::DefFlangerSweepRate},
        {"DefFlangerSweepPhase", &V::DefFlangerSweepPhase},
        {"DefChorusDelayRate", &V::DefChorusDelayRate},
        {"DefChorusMixDepth", &V::DefChorusMixDepth},
        {"DefChorusFeedbackGain", &V::DefChorusFeedbackGain},
        {"DefChorusSweepDepth", &V::DefChorusSweepDepth},
        {"DefChorusSweepRate", &V::DefChorusSweepRate},
        {"DefChorusSweepPhase", &V::DefChorusSweepPhase},
        Index("OutputWAVType", &V::OutputWAVType, 2),
        Index("OutputWAVPersets", &V::OutputWAVPersets, WavPresetCount),
        Index("OutputWAVSampleType", &V::OutputWAVSampleType, WavSampleRateCount),
        Index("OutputWAVBitesPerSample", &V::OutputWAVBitesPerSample, WavBitsPerSampleCount),
        Index("OutputWAVMode", &V::OutputWAVMode, 2),
        Index("OutputMP3Type", &V::OutputMP3Type, 2),
        Index("OutputMP3Presets", &V::OutputMP3Presets, Mp3PresetCount),
        Index("OutputMP3Mode", &V::OutputMP3Mode, Mp3ModeCount),
        {"OutputMP3CBR", &V::OutputMP3CBR},
        Index("OutputMP3CBRBitRate", &V::OutputMP3CBRBitRate, Mp3BitRateCount),
        Index("OutputMP3VBRBitRateMin", &V::OutputMP3VBRBitRateMin, Mp3VbrBitRateCount),
        Index("OutputMP3VBRBitRateMax", &V::OutputMP3VBRBitRateMax, Mp3VbrBitRateCount),
        {"OutputMP3QualityLevel", &V::OutputMP3QualityLevel},
        {"OutputMP3QualityLevelValue", &V::OutputMP3QualityLevelValue, 0, 9},
        Index("OutputMP3ABRBitRate", &V::OutputMP3ABRBitRate, Mp3BitRateCount),
        {"OutputMP3WriteXING", &V::OutputMP3WriteXING},
        {"OutputMP3Checksum", &V::OutputMP3Checksum},
        Index("OutputOGGType", &V::OutputOGGType, 2),
        Index("OutputOGGPresets", &V::OutputOGGPresets, OggPresetCount),
        Index("OutputOGGMode", &V::OutputOGGMode, 2),
        {"OutputOGGABR", &V::OutputOGGABR},
        Index("OutputOGGABRBitRate", &V::OutputOGGABRBitRate, OggBitRateCount),
        {"OutputOGGQualityValue", &V::OutputOGGQualityValue, 1, 100},
        Index("OutputWMAPresets", &V::OutputWMAPresets, WmaPresetCount),
        // Where the CD dialog asks for disc and track names; kept so a user can point it elsewhere.
        {"CddbServerAddr", &V::CddbServerAddr},
        {"CddbServerPort", &V::CddbServerPort},
        {"CddbServerPath", &V::CddbServerPath},
        {"MemoryLimitMB", &V::MemoryLimitMB, 0, std::numeric_limits<int>::max()},
    };
    return keys;
}
