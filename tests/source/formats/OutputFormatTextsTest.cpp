// The summaries of the detailed output settings, for the stored values a user and a settings file give.
#include "source/formats/OutputFormatTexts.h"
#include "source/GlobalVars.h"

#include <gtest/gtest.h>

#include <functional>

namespace output_format_texts_test {

struct TSummaryCase {
    std::function<void(TGlobalVars&)> Change;
    std::string (*Describe)(const TGlobalVars&);
    std::string Expected;
};

TGlobalVars Defaults() {
    TGlobalVars vars;
    SetInitialValues(vars, {"/data/", "/tmp/", "/music"});
    return vars;
}


TEST(OutputFormatTextsTest, SummariesOfTheDetailedSettings) {
    const std::vector<TSummaryCase> cases{
        {[](TGlobalVars&) {}, DescribeWavSettings, "WAV, 44,100 Hz, 16 bits, Stereo"},
        {[](TGlobalVars& v) {
             v.OutputWAVSampleType = 0, v.OutputWAVBitesPerSample = 3, v.OutputWAVMode = 1;
         },
         DescribeWavSettings, "WAV, 8,000 Hz, 32 bits, Mono"},
        {[](TGlobalVars& v) {
             v.OutputWAVSampleType = 10, v.OutputWAVBitesPerSample = 4, v.OutputWAVMode = 2;
         },
         DescribeWavSettings, "WAV, Unknow Hz, Unknow bits, Unknow"},
        {[](TGlobalVars&) {}, DescribeMp3Settings, "MPEG 1, Layer 3, 192kbps, Stereo"},
        {[](TGlobalVars& v) { v.OutputMP3CBRBitRate = 0, v.OutputMP3Mode = 1, v.OutputMP3Checksum = true; },
         DescribeMp3Settings, "MPEG 1, Layer 3, 32kbps, Joint Stereo, Checksum on"},
        {[](TGlobalVars& v) { v.OutputMP3CBR = false; }, DescribeMp3Settings,
         "MPEG 1, Layer 3, Variable 128kbps - 320kbps, Quality 2, Stereo, XING compatible variable bit rate "
         "header"},
        {[](TGlobalVars& v) {
             v.OutputMP3CBR = false, v.OutputMP3QualityLevel = false, v.OutputMP3ABRBitRate = 14,
             v.OutputMP3WriteXING = false, v.OutputMP3Mode = 3, v.OutputMP3VBRBitRateMin = 0;
         },
         DescribeMp3Settings, "MPEG 1, Layer 3, Variable 32kbps - 320kbps, Average kbps, Mono"},
        {[](TGlobalVars&) {}, DescribeOggSettings, "Variable bit rate 60%, Stereo"},
        {[](TGlobalVars& v) { v.OutputOGGABR = true, v.OutputOGGMode = 1, v.OutputOGGABRBitRate = 6; },
         DescribeOggSettings, "Average Bit Rate: 350 kbps, Mono"},
        {[](TGlobalVars& v) { v.OutputOGGABR = true, v.OutputOGGABRBitRate = 7; }, DescribeOggSettings,
         "Average Bit Rate: Unknow kbps, Stereo"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        TGlobalVars vars = Defaults();
        cases[i].Change(vars);
        EXPECT_EQ(cases[i].Describe(vars), cases[i].Expected) << "case " << i;
    }
}

TEST(OutputFormatTextsTest, ListsFollowTheValueTables) {
    EXPECT_EQ(WavSampleRateItems().front(), "8000 Hz");
    EXPECT_EQ(WavSampleRateItems().back(), "96000 Hz");
    EXPECT_EQ(Mp3BitRateItems().size(), 14u);
    EXPECT_EQ(Mp3VbrMinItems().back(), "256 kbps");
    EXPECT_EQ(Mp3VbrMaxItems().front(), "40 kbps");
    EXPECT_EQ(OggBitRateItems().back(), "350 kbps");
    EXPECT_EQ(Mp3PresetTexts().size(), 11u);
    EXPECT_EQ(OggPresetTexts().size(), 7u);
    EXPECT_EQ(WmaPresetTexts().size(), 7u);
    EXPECT_EQ(WavPresetTexts().size(), 3u);
}

} // namespace output_format_texts_test
