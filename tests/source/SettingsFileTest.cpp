#include "source/SettingsFile.h"

#include "TestFolder.h"
#include "platform/rtl/Exceptions.h"
#include "source/GlobalVars.h"
#include "source/SettingsKeys.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <sstream>
#include <type_traits>

namespace {

const TSettingsFolders Folders{"/data/OLVA/", "/tmp/", "/home/u/Music"};

TGlobalVars InitialVars() {
    TGlobalVars vars;
    SetInitialValues(vars, Folders);
    return vars;
}

// The key lines of a settings file, in order, without the section header.
std::vector<std::string> KeyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() != '[') lines.push_back(line);
    }
    return lines;
}

// Every stored field as text, to compare two records key by key.
std::string FieldText(const TGlobalVars& vars, const TSettingKey& key) {
    return std::visit(
        [&](auto field) {
            using T = std::remove_cv_t<std::remove_reference_t<decltype(vars.*field)>>;
            if constexpr (std::is_same_v<T, std::string>)
                return vars.*field;
            else
                return std::to_string(static_cast<int>(vars.*field));
        },
        key.Field);
}

TEST(SettingsFileTest, FirstStartWritesEveryKeyWithItsInitialValueInOrder) {
    TTestFolder folder("settings-first");
    TGlobalVars vars = InitialVars();
    const std::string path = folder.Path() + SettingsFileName;
    EXPECT_FALSE(LoadSettings(vars, path));
    const std::vector<std::string> expected{"LastOpenDir=/home/u/Music",
                                            "ShowStartDialog=1",
                                            "CommandBarWidth=210",
                                            "EffectPanelOnFront=1",
                                            "AccuEnabled=0",
                                            "AccuAttackTime=100",
                                            "AccuReleaseTime=300",
                                            "AccuAttackLevel=-45",
                                            "AccuReleaseLevel=-45",
                                            "OP_PromptNewFile=1",
                                            "OP_DefSample=44100",
                                            "OP_DefChannel=2",
                                            "OP_UseDefFolder=1",
                                            "OP_WorkingFolder=/data/OLVA/",
                                            "OP_PlayAfterOpened=0",
                                            "OP_PlayAfterEdit=0",
                                            "OP_PlayAfterBookmark=0",
                                            "OP_PlayAfterRegion=0",
                                            "RegionFormLeft=0",
                                            "RegionFormTop=0",
                                            "RegionFormWidth=550",
                                            "RegionFormHeight=200",
                                            "BookmarkFormLeft=0",
                                            "BookmarkFormTop=200",
                                            "BookmarkFormWidth=550",
                                            "BookmarkFormHeight=200",
                                            "ExportFolder=/home/u/Music",
                                            "ExportFormat=0",
                                            "FreAnalysisFormLeft=0",
                                            "FreAnalysisFormTop=0",
                                            "FreAnalysisFormWidth=550",
                                            "FreAnalysisFormHeight=300",
                                            "BatchFileFormatUseTheSame=1",
                                            "BatchFileFormatIndex=1",
                                            "BatchFileSaveFolderUseTheSame=1",
                                            "BatchFileSaveFolderpath=/home/u/Music",
                                            "PreviewOperationTypes=-1",
                                            "DefNewFileSampleRate=3",
                                            "DefNewFileChannels=0",
                                            "SelectePartPercent=100",
                                            "AudioInBufferPercent=100",
                                            "IncreaseSelection=1",
                                            "InsertSilenceTime=100",
                                            "DefAmplify=25",
                                            "DefNormalize=100",
                                            "DefCompressorThreshold=-10",
                                            "DefCompressorRate=50",
                                            "DefHighPass=200",
                                            "EqualizerBuf1=0",
                                            "EqualizerBuf2=0",
                                            "EqualizerBuf3=0",
                                            "EqualizerBuf4=0",
                                            "EqualizerBuf5=0",
                                            "EqualizerBuf6=0",
                                            "EqualizerBuf7=0",
                                            "EqualizerBuf8=0",
                                            "EqualizerBuf9=0",
                                            "EqualizerBuf10=0",
                                            "EqualizerBuf11=0",
                                            "EqualizerBuf12=0",
                                            "DefEchoDelayTime=200",
                                            "DefEchoMixDepth=70",
                                            "DefEchoFeedbackGain=40",
                                            "DefReverbDelayTime=30",
                                            "DefReverbMixDepth=60",
                                            "DefReverbFeedbackGain=60",
                                            "DefReverbGain=30",
                                            "DefReverbFrequency=11025",
                                            "DefReverbTaps=8",
                                            "DefFadeInt=50",
                                            "DefFadeFin=50",
                                            "DefMixChanLL=50",
                                            "DefMixChanLR=50",
                                            "DefMixChanRL=50",
                                            "DefMixChanRR=50",
                                            "DefNoiseReductionThreshold=-13",
                                            "DefNoiseReductionRate=99",
                                            "DefNoiseReductionRMSTime=55",
                                            "DefSpeedChange=100",
                                            "DefPitchChange=100",
                                            "DefPhaserDelayTime=300",
                                            "DefPhaserMixDepth=30",
                                            "DefPhaserFeedbackGain=45",
                                            "DefFlangerDelayRate=14",
                                            "DefFlangerMixDepth=50",
                                            "DefFlangerFeedbackGain=30",
                                            "DefFlangerSweepDepth=99",
                                            "DefFlangerSweepRate=18",
                                            "DefFlangerSweepPhase=40",
                                            "DefChorusDelayRate=10",
                                            "DefChorusMixDepth=20",
                                            "DefChorusFeedbackGain=60",
                                            "DefChorusSweepDepth=0",
                                            "DefChorusSweepRate=0",
                                            "DefChorusSweepPhase=90",
                                            "OutputWAVType=0",
                                            "OutputWAVPersets=1",
                                            "OutputWAVSampleType=7",
                                            "OutputWAVBitesPerSample=1",
                                            "OutputWAVMode=0",
                                            "OutputMP3Type=0",
                                            "OutputMP3Presets=8",
                                            "OutputMP3Mode=0",
                                            "OutputMP3CBR=1",
                                            "OutputMP3CBRBitRate=10",
                                            "OutputMP3VBRBitRateMin=8",
                                            "OutputMP3VBRBitRateMax=12",
                                            "OutputMP3QualityLevel=1",
                                            "OutputMP3QualityLevelValue=2",
                                            "OutputMP3ABRBitRate=10",
                                            "OutputMP3WriteXING=1",
                                            "OutputMP3Checksum=0",
                                            "OutputOGGType=0",
                                            "OutputOGGPresets=4",
                                            "OutputOGGMode=0",
                                            "OutputOGGABR=0",
                                            "OutputOGGABRBitRate=4",
                                            "OutputOGGQualityValue=60",
                                            "OutputWMAPresets=5",
                                            "CddbServerAddr=cddb.olva-audio.example",
                                            "CddbServerPort=80",
                                            "CddbServerPath=/~cddb/cddb.cgi",
                                            "MemoryLimitMB=0"};
    const std::string text = folder.Read(SettingsFileName);
    EXPECT_EQ(text.substr(0, 8), "[SYSTEM]");
    EXPECT_EQ(KeyLines(text), expected);
    // Once the file is there, loading reads it.
    EXPECT_TRUE(LoadSettings(vars, path));
}

TEST(SettingsFileTest, RunTimeValuesStartAsDocumented) {
    TGlobalVars vars = InitialVars();
    EXPECT_EQ(vars.DataFolder, "/data/OLVA/");
    EXPECT_EQ(vars.TempFolder, "/tmp/");
    EXPECT_EQ(vars.RecordingFile, "");
    EXPECT_DOUBLE_EQ(vars.TimerRecordDuration * 86400.0, 30.0);
    EXPECT_EQ(vars.DefNotchFrequency, 10000);
    EXPECT_EQ(vars.DefLowShelfGain, -10);
    EXPECT_EQ(vars.DefPeakEQSteepness, 50);
    EXPECT_EQ(vars.DefVibratoSweepDepth, 40);
    EXPECT_EQ(vars.DefVibratoSweepRate, 15);
    EXPECT_EQ(vars.DefVibratoSweepPhase, 95);
}

TEST(SettingsFileTest, EveryKeyRoundTrips) {
    TTestFolder folder("settings-roundtrip");
    const std::string path = folder.Path() + SettingsFileName;
    TGlobalVars written = InitialVars();
    // A value for every key that differs from its initial value and is usable for that key.
    int n = 0;
    for (const TSettingKey& key : SettingKeys()) {
        ++n;
        std::visit(
            [&](auto field) {
                using T = std::remove_reference_t<decltype(written.*field)>;
                if constexpr (std::is_same_v<T, std::string>)
                    written.*field = "/folder " + std::to_string(n);
                else if constexpr (std::is_same_v<T, bool>)
                    written.*field = !(written.*field);
                else
                    written.*field = static_cast<T>(
                        key.HasRange() ? (written.*field == key.Max ? key.Min : key.Max) : -1000 - n);
            },
            key.Field);
    }
    SaveSettings(written, path);
    TGlobalVars read = InitialVars();
    ASSERT_TRUE(LoadSettings(read, path));
    for (const TSettingKey& key : SettingKeys()) {
        EXPECT_EQ(FieldText(read, key), FieldText(written, key)) << key.Key;
        EXPECT_NE(FieldText(read, key), FieldText(InitialVars(), key)) << key.Key;
    }
}

TEST(SettingsFileTest, BadNumbersMissingKeysAndUnusableValues) {
    TTestFolder folder("settings-bad");
    const std::string path = folder.Write(SettingsFileName, "[System]\r\n"
                                                            "ShowStartDialog=2\r\n"
                                                            "EffectPanelOnFront=0\r\n"
                                                            "CommandBarWidth=wide\r\n"
                                                            "DefAmplify=99999999999\r\n"
                                                            "DefHighPass=  300  \r\n"
                                                            "DefNewFileSampleRate=259\r\n"
                                                            "DefNewFileChannels=257\r\n"
                                                            "OutputWAVSampleType=12\r\n"
                                                            "OutputMP3Presets=-1\r\n"
                                                            "ExportFormat=4\r\n"
                                                            "BatchFileFormatIndex=-1\r\n"
                                                            "RegionFormWidth=0\r\n"
                                                            "BookmarkFormHeight=-20\r\n"
                                                            "OutputOGGQualityValue=0\r\n"
                                                            "OP_DefChannel=3\r\n"
                                                            "OP_DefSample=-44100\r\n"
                                                            "PreviewOperationTypes=12\r\n"
                                                            "LastOpenDir=/music/old\r\n");
    TGlobalVars vars = InitialVars();
    ASSERT_TRUE(LoadSettings(vars, path));
    EXPECT_TRUE(vars.ShowStartDialog);       // any non-zero number is true
    EXPECT_FALSE(vars.EffectPanelOnFront);   //
    EXPECT_EQ(vars.CommandBarWidth, 210);    // not a number: the initial value
    EXPECT_EQ(vars.DefAmplify, 25);          // too large for 32 bits
    EXPECT_EQ(vars.DefHighPass, 300);        // blanks around a value do not matter
    EXPECT_EQ(vars.DefNewFileSampleRate, 3); // low byte of 259
    EXPECT_EQ(vars.DefNewFileChannels, 1);   // low byte of 257
    EXPECT_EQ(vars.OutputWAVSampleType, 7);  // beyond the rate list: kept
    EXPECT_EQ(vars.OutputMP3Presets, 8);     // low byte 255 is beyond the presets
    EXPECT_EQ(vars.ExportFormat, 0);
    EXPECT_EQ(vars.BatchFileFormatIndex, 1);
    EXPECT_EQ(vars.RegionFormWidth, 550);
    EXPECT_EQ(vars.BookmarkFormHeight, 200);
    EXPECT_EQ(vars.OutputOGGQualityValue, 60);
    EXPECT_EQ(vars.OP_DefChannel, 2);
    EXPECT_EQ(vars.OP_DefSample, 44100);
    EXPECT_EQ(vars.PreviewOperationTypes, 12);
    EXPECT_EQ(vars.LastOpenDir, "/music/old");
    EXPECT_EQ(vars.DefEchoDelayTime, 200); // missing keys keep the initial values
    EXPECT_EQ(vars.ExportFolder, "/home/u/Music");
}

TEST(SettingsFileTest, SaveKeepsTheViewKeysAndOtherSections) {
    TTestFolder folder("settings-view");
    const std::string path = folder.Path() + SettingsFileName;
    WriteSettingInteger("Horizontal", "Format", 1, path);
    WriteSettingBool("System", "BlackWhite", false, path);
    WriteSettingString("WaveMode", "Mode", "2", path);
    SaveSettings(InitialVars(), path);
    EXPECT_EQ(ReadSettingInteger("Horizontal", "Format", 2, path), 1);
    EXPECT_FALSE(ReadSettingBool("System", "BlackWhite", true, path));
    EXPECT_EQ(ReadSettingInteger("WaveMode", "Mode", 1, path), 2);
    EXPECT_EQ(ReadSettingInteger("Vertical", "Format", 3, path), 3); // missing: the default
    // "System" and "SYSTEM" are one section.
    const std::string text = folder.Read(SettingsFileName);
    EXPECT_EQ(text.find("[SYSTEM]"), std::string::npos);
    EXPECT_NE(text.find("BlackWhite=0"), std::string::npos);
}

TEST(SettingsFileTest, UnwritableFolderRaisesAndKeepsTheOldFile) {
    TTestFolder folder("settings-unwritable");
    const std::string old = "[SYSTEM]\r\nDefAmplify=40\r\n";
    const std::string path = folder.Write(SettingsFileName, old);
    TGlobalVars vars = InitialVars();
    {
        TUnwritableFolder locked(folder.Path());
        try {
            SaveSettings(vars, path);
            ADD_FAILURE() << "no error raised";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
        EXPECT_THROW(WriteSettingInteger("Horizontal", "Format", 1, path), EIniFileException);
    }
    EXPECT_EQ(folder.Read(SettingsFileName), old);
}

TEST(SettingsFileTest, UnreadableFileGivesDefaultsAndIsNotReplaced) {
    TTestFolder folder("settings-unreadable");
    const std::string path = folder.Path() + SettingsFileName;
    std::filesystem::create_directory(path); // something that cannot be read as a file
    TGlobalVars vars = InitialVars();
    EXPECT_FALSE(LoadSettings(vars, path));
    EXPECT_EQ(vars.DefAmplify, 25);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(SettingsFileTest, FileLiesInTheDataFolderWhichIsCreated) {
    TTestFolder config("settings-path");
    TEnvironmentGuard env;
    env.Set("XDG_CONFIG_HOME", config.Path());
    EXPECT_EQ(SettingsFilePath(), config.Path() + "OLVA/" + SettingsFileName);
    EXPECT_TRUE(std::filesystem::is_directory(config.Path() + "OLVA"));

    const TSettingsFolders folders = CurrentSettingsFolders();
    EXPECT_EQ(folders.DataFolder, config.Path() + "OLVA/");
    EXPECT_EQ(folders.TempFolder.back(), '/');
}

TEST(SettingsFileTest, FileLiesInTheConfigurationRootWhenTheDataFolderCannotBeMade) {
    TTestFolder config("settings-path-blocked");
    config.Write("OLVA", "a file where the folder should be");
    TEnvironmentGuard env;
    env.Set("XDG_CONFIG_HOME", config.Path());
    EXPECT_EQ(SettingsFilePath(), config.Path() + SettingsFileName);
}

} // namespace
