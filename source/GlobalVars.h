// The settings record: every user setting and the remembered parameters of every effect, filter,
// format and tool window, plus a few values that live only while the program runs. Fields that are
// stored are named by their key in the settings file.
#pragma once

#include <cstdint>
#include <string>

struct TGlobalVars {
    // --- run-time values, never stored -------------------------------------------------------------
    std::string DataFolder;         // per-user data folder, ends with "/"
    std::string TempFolder;         // folder of the recording target, ends with "/"
    std::string RecordingFile;      // TempFolder + "Recording.wav" while recording
    double TimerRecordDuration = 0; // last duration of the recording timer, in days (00:00:30 at start)

    int DefNotchFrequency = 0, DefNotchSteepness = 0;
    int DefBandPassFrequency = 0, DefBandPassSteepness = 0;
    int DefLowPassFrequency = 0, DefLowPassSteepness = 0;
    int DefLowShelfFrequency = 0, DefLowShelfSteepness = 0, DefLowShelfGain = 0;
    int DefHighShelfFrequency = 0, DefHighShelfSteepness = 0, DefHighShelfGain = 0;
    int DefPeakEQFrequency = 0, DefPeakEQSteepness = 0, DefPeakEQGain = 0;
    int DefVibratoSweepDepth = 0, DefVibratoSweepRate = 0, DefVibratoSweepPhase = 0;

    // Web pages that the help, welcome and about windows open.
    std::string ProductWebPage;
    std::string SupportWebPage;
    std::string CompanyWebPage;
    std::string UpgradeWebPage;

    // The online CD database the CD dialog asks for disc and track names: host, port and path (stored
    // at the end of section SYSTEM).
    std::string CddbServerAddr;
    std::string CddbServerPort;
    std::string CddbServerPath;
    // Documents whose samples (as 32-bit floats) need more than this many megabytes are kept in the
    // working folder rather than in memory; 0, the default, means a quarter of the machine's memory
    // (stored at the end of section SYSTEM).
    int MemoryLimitMB = 0;

    // --- stored in section SYSTEM of the settings file, in file order -------------------------------
    std::string LastOpenDir;
    bool ShowStartDialog = false;
    int CommandBarWidth = 0;
    bool EffectPanelOnFront = false;
    bool AccuEnabled = false;
    int AccuAttackTime = 0, AccuReleaseTime = 0, AccuAttackLevel = 0, AccuReleaseLevel = 0;
    bool OP_PromptNewFile = false;
    int OP_DefSample = 0, OP_DefChannel = 0;
    bool OP_UseDefFolder = false;
    std::string OP_WorkingFolder;
    bool OP_PlayAfterOpened = false, OP_PlayAfterEdit = false, OP_PlayAfterBookmark = false,
         OP_PlayAfterRegion = false;
    int RegionFormLeft = 0, RegionFormTop = 0, RegionFormWidth = 0, RegionFormHeight = 0;
    int BookmarkFormLeft = 0, BookmarkFormTop = 0, BookmarkFormWidth = 0, BookmarkFormHeight = 0;
    std::string ExportFolder;
    int ExportFormat = 0; // 0 .wav, 1 .mp3, 2 .ogg, 3 .wma
    int FreAnalysisFormLeft = 0, FreAnalysisFormTop = 0, FreAnalysisFormWidth = 0, FreAnalysisFormHeight = 0;
    bool BatchFileFormatUseTheSame = false;
    int BatchFileFormatIndex = 0; // 0 .wav, 1 .mp3, 2 .ogg, 3 .wma
    bool BatchFileSaveFolderUseTheSame = false;
    std::string BatchFileSaveFolderpath;
    int PreviewOperationTypes = 0; // effect identifier 1 .. 21, -1 for none
    std::uint8_t DefNewFileSampleRate = 0;
    std::uint8_t DefNewFileChannels = 0; // 0 stereo, 1 mono
    int SelectePartPercent = 0, AudioInBufferPercent = 0;
    bool IncreaseSelection = false;
    int InsertSilenceTime = 0;
    int DefAmplify = 0, DefNormalize = 0;
    int DefCompressorThreshold = 0, DefCompressorRate = 0;
    int DefHighPass = 0;
    int EqualizerBuf1 = 0, EqualizerBuf2 = 0, EqualizerBuf3 = 0, EqualizerBuf4 = 0, EqualizerBuf5 = 0,
        EqualizerBuf6 = 0, EqualizerBuf7 = 0, EqualizerBuf8 = 0, EqualizerBuf9 = 0, EqualizerBuf10 = 0,
        EqualizerBuf11 = 0, EqualizerBuf12 = 0;
    int DefEchoDelayTime = 0, DefEchoMixDepth = 0, DefEchoFeedbackGain = 0;
    int DefReverbDelayTime = 0, DefReverbMixDepth = 0, DefReverbFeedbackGain = 0, DefReverbGain = 0,
        DefReverbFrequency = 0, DefReverbTaps = 0;
    int DefFadeInt = 0, DefFadeFin = 0;
    int DefMixChanLL = 0, DefMixChanLR = 0, DefMixChanRL = 0, DefMixChanRR = 0;
    int DefNoiseReductionThreshold = 0, DefNoiseReductionRate = 0, DefNoiseReductionRMSTime = 0;
    int DefSpeedChange = 0, DefPitchChange = 0;
    int DefPhaserDelayTime = 0, DefPhaserMixDepth = 0, DefPhaserFeedbackGain = 0;
    int DefFlangerDelayRate = 0, DefFlangerMixDepth = 0, DefFlangerFeedbackGain = 0, DefFlangerSweepDepth = 0,
        DefFlangerSweepRate = 0, DefFlangerSweepPhase = 0;
    int DefChorusDelayRate = 0, DefChorusMixDepth = 0, DefChorusFeedbackGain = 0, DefChorusSweepDepth = 0,
        DefChorusSweepRate = 0, DefChorusSweepPhase = 0;
    std::uint8_t OutputWAVType = 0, OutputWAVPersets = 0, OutputWAVSampleType = 0,
                 OutputWAVBitesPerSample = 0, OutputWAVMode = 0;
    std::uint8_t OutputMP3Type = 0, OutputMP3Presets = 0, OutputMP3Mode = 0;
    bool OutputMP3CBR = false;
    std::uint8_t OutputMP3CBRBitRate = 0, OutputMP3VBRBitRateMin = 0, OutputMP3VBRBitRateMax = 0;
    bool OutputMP3QualityLevel = false;
    int OutputMP3QualityLevelValue = 0;
    std::uint8_t OutputMP3ABRBitRate = 0;
    bool OutputMP3WriteXING = false, OutputMP3Checksum = false;
    std::uint8_t OutputOGGType = 0, OutputOGGPresets = 0, OutputOGGMode = 0;
    bool OutputOGGABR = false;
    std::uint8_t OutputOGGABRBitRate = 0;
    int OutputOGGQualityValue = 0;
    std::uint8_t OutputWMAPresets = 0;
};

// The one record of the process.
TGlobalVars& GlobalVars();

// Where the initial values of the folder fields come from.
struct TSettingsFolders {
    std::string DataFolder;  // ends with "/"
    std::string TempFolder;  // ends with "/"
    std::string MusicFolder; // the user's music folder
};

// Every field to the value it has before the settings file is read (also what a missing key yields).
void SetInitialValues(TGlobalVars& vars, const TSettingsFolders& folders);

// The folders of this machine: the per-user data folder, the temporary recording folder and the music
// folder. Creates the data folder (with missing parents) when it is missing.
TSettingsFolders CurrentSettingsFolders();
