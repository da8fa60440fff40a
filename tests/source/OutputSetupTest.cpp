// The output set-up: which writer settings each combination of stored output settings gives.
#include "source/OutputSetup.h"
#include "audio/AudioOutputFormat.h"
#include "source/GlobalVars.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A writer that notes the format calls it gets, as text.
struct TRecordingTarget {
    std::vector<std::string> Calls;
    void SetWAV(int rate, int channels, int bits) { Note("WAV", {rate, channels, bits}); }
    void SetMP3CBR(int rate, int kbps, int channels, int mode) {
        Note("MP3CBR", {rate, kbps, channels, mode});
    }
    void SetMP3(const TAudioEditor2LameEnc& e) {
        const TLameSettings& s = e.Settings();
        if (s.UsePreset)
            Note("MP3 preset", {s.Preset});
        else
            Note("MP3", {s.Channels, s.ChannelMode, s.MaxBitRate, s.MinBitRate, s.BitRateMode, s.VBRQuality,
                         s.AverageBitRate, s.XingHeader, s.Checksum});
    }
    void SetOGG(int rate, int channels, int kbps, int a, int b, int quality) {
        Note("OGG", {rate, channels, kbps, a, b, quality});
    }
    void SetWMA(int profile) { Note("WMA", {profile}); }
    void Note(const std::string& name, std::initializer_list<int> values) {
        std::string text = name;
        for (int v : values)
            text += " " + std::to_string(v);
        Calls.push_back(text);
    }
};

TGlobalVars Defaults() {
    TGlobalVars vars;
    SetInitialValues(vars, {"/data/", "/tmp/", "/music"});
    return vars;
}

struct TCase {
    std::function<void(TGlobalVars&)> Change;
    std::vector<std::string> Calls;
};

void Check(const std::vector<TCase>& cases,
           const std::function<void(TRecordingTarget&, TAudioEditor2LameEnc&, const TGlobalVars&)>& setup) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        TGlobalVars vars = Defaults();
        cases[i].Change(vars);
        TRecordingTarget target;
        TAudioEditor2LameEnc lame;
        setup(target, lame, vars);
        EXPECT_EQ(target.Calls, cases[i].Calls) << "case " << i;
    }
}

} // namespace

TEST(OutputSetupTest, WavPresetsAndSpecifiedSettings) {
    Check({{[](TGlobalVars&) {}, {"WAV 44100 2 16"}},
           {[](TGlobalVars& v) { v.OutputWAVPersets = 0; }, {"WAV 22050 2 16"}},
           {[](TGlobalVars& v) { v.OutputWAVPersets = 2; }, {"WAV 96000 2 16"}},
           {[](TGlobalVars& v) { v.OutputWAVPersets = 5; }, {"WAV 44100 2 16"}},
           {[](TGlobalVars& v) {
                v.OutputWAVType = 1, v.OutputWAVSampleType = 4, v.OutputWAVMode = 1,
                v.OutputWAVBitesPerSample = 2;
            },
            {"WAV 22050 1 24"}}},
          [](TRecordingTarget& t, TAudioEditor2LameEnc&, const TGlobalVars& v) { SetupWavOutput(t, v); });
}

TEST(OutputSetupTest, Mp3PresetConstantAndVariableRates) {
    Check({{[](TGlobalVars&) {}, {"MP3 preset 9"}},
           {[](TGlobalVars& v) { v.OutputMP3Presets = 0; }, {"MP3 preset 1"}},
           {[](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3CBRBitRate = 0, v.OutputMP3Mode = 3; },
            {"MP3CBR 44100 32 1 1"}},
           // The constant rate keeps joint stereo and dual channels.
           {[](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3CBRBitRate = 8, v.OutputMP3Mode = 1; },
            {"MP3CBR 44100 128 2 2"}},
           {[](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3Mode = 2; }, {"MP3CBR 44100 192 2 4"}},
           // Variable by quality: the stored level 2 reaches the encoder as 9 - 2.
           {[](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3CBR = false, v.OutputMP3Mode = 1; },
            {"MP3 2 2 320 128 0 7 192 1 0"}},
           // Average rate, dual channels, checksums, no XING header.
           {[](TGlobalVars& v) {
                v.OutputMP3Type = 1, v.OutputMP3CBR = false, v.OutputMP3QualityLevel = false,
                v.OutputMP3ABRBitRate = 8, v.OutputMP3Mode = 2, v.OutputMP3WriteXING = false,
                v.OutputMP3Checksum = true;
            },
            {"MP3 2 4 320 128 4 4 128 0 1"}}},
          [](TRecordingTarget& t, TAudioEditor2LameEnc& lame, const TGlobalVars& v) {
              SetupMp3Output(t, lame, v);
          });
}

TEST(OutputSetupTest, OggPresetsAverageRateAndQuality) {
    Check({{[](TGlobalVars&) {}, {"OGG 44100 2 192 0 0 -1"}},
           {[](TGlobalVars& v) { v.OutputOGGPresets = 0; }, {"OGG 44100 1 64 0 0 -1"}},
           {[](TGlobalVars& v) { v.OutputOGGPresets = 6; }, {"OGG 44100 2 320 0 0 -1"}},
           {[](TGlobalVars& v) { v.OutputOGGPresets = 7; }, {}},
           {[](TGlobalVars& v) { v.OutputOGGType = 1, v.OutputOGGABR = true, v.OutputOGGABRBitRate = 6; },
            {"OGG 44100 2 350 0 0 -1"}},
           {[](TGlobalVars& v) { v.OutputOGGType = 1, v.OutputOGGMode = 1, v.OutputOGGQualityValue = 1; },
            {"OGG 44100 1 0 0 0 10"}},
           {[](TGlobalVars& v) { v.OutputOGGType = 1, v.OutputOGGQualityValue = 100; },
            {"OGG 44100 2 0 0 0 1000"}}},
          [](TRecordingTarget& t, TAudioEditor2LameEnc&, const TGlobalVars& v) { SetupOggOutput(t, v); });
}

TEST(OutputSetupTest, WmaPresetsChooseTheirProfiles) {
    const int profiles[] = {36, 23, 16, 13, 11, 10, 8};
    for (int preset = 0; preset < 8; ++preset) {
        TGlobalVars vars = Defaults();
        vars.OutputWMAPresets = static_cast<std::uint8_t>(preset);
        TRecordingTarget target;
        SetupWmaOutput(target, vars);
        if (preset < 7)
            EXPECT_EQ(target.Calls, std::vector<std::string>{"WMA " + std::to_string(profiles[preset])});
        else
            EXPECT_TRUE(target.Calls.empty());
    }
}
