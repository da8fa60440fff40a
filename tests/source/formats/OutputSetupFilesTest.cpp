// The output set-up reaches the encoder: files written by a file writer set up from stored output
// settings have the rate, channels, bit rate and MP3 channel mode those settings stand for.
#include "audio/AudioFile2.h"
#include "source/GlobalVars.h"
#include "source/OutputSetup.h"
#include "tests/source/AppTestSupport.h"
#include "tests/source/TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace output_setup_files_test {

TGlobalVars Defaults() {
    TGlobalVars vars;
    SetInitialValues(vars, {"/data/", "/tmp/", "/music"});
    return vars;
}

// The channel-mode bits of the first MPEG frame header (0 stereo, 1 joint, 2 dual, 3 mono).
int Mp3ModeBits(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::size_t sync = 0;
    if (bytes.rfind("ID3", 0) == 0)
        sync = 10 + ((std::size_t(bytes[6] & 0x7F) << 21) | (std::size_t(bytes[7] & 0x7F) << 14) |
                     (std::size_t(bytes[8] & 0x7F) << 7) | std::size_t(bytes[9] & 0x7F));
    if (sync + 3 >= bytes.size() || std::uint8_t(bytes[sync]) != 0xFF) return -1;
    return (std::uint8_t(bytes[sync + 3]) >> 6) & 3;
}

struct TFileCase {
    const char* Name;
    const char* Extension;
    std::function<void(TGlobalVars&)> Change;
    int Rate, Channels, Kbps; // Kbps 0: not checked (variable rates)
    int ModeBits;             // -1: not an MP3 mode to check
};

TEST(OutputSetupFilesTest, StoredSettingsReachTheWrittenFiles) {
    TTestFolder folder("output-setup-files");
    const std::vector<float> piece = app_test::TestPiece(44100, 2, 2.0);
    const std::vector<TFileCase> cases{
        {"wav-specified", ".wav",
         [](TGlobalVars& v) { v.OutputWAVType = 1, v.OutputWAVSampleType = 4, v.OutputWAVMode = 1; }, 22050,
         1, 0, -1},
        {"wav-hifi", ".wav", [](TGlobalVars& v) { v.OutputWAVPersets = 2; }, 96000, 2, 0, -1},
        {"mp3-phone", ".mp3", [](TGlobalVars& v) { v.OutputMP3Presets = 0; }, 8000, 1, 16, 3},
        {"mp3-fm", ".mp3", [](TGlobalVars& v) { v.OutputMP3Presets = 3; }, 24000, 2, 96, 1},
        {"mp3-cd", ".mp3", [](TGlobalVars&) {}, 44100, 2, 192, 0},
        {"mp3-cbr-joint", ".mp3",
         [](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3CBRBitRate = 8, v.OutputMP3Mode = 1; }, 44100,
         2, 128, 1},
        {"mp3-cbr-dual", ".mp3", [](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3Mode = 2; }, 44100, 2,
         192, 2},
        {"mp3-vbr-mono", ".mp3",
         [](TGlobalVars& v) { v.OutputMP3Type = 1, v.OutputMP3CBR = false, v.OutputMP3Mode = 3; }, 44100, 1,
         0, 3},
        {"ogg-voice", ".ogg", [](TGlobalVars& v) { v.OutputOGGPresets = 0; }, 44100, 1, 64, -1},
        {"ogg-quality-mono", ".ogg", [](TGlobalVars& v) { v.OutputOGGType = 1, v.OutputOGGMode = 1; }, 44100,
         1, 0, -1},
        {"wma-phone", ".wma", [](TGlobalVars& v) { v.OutputWMAPresets = 0; }, 8000, 1, 0, -1},
        {"wma-cd", ".wma", [](TGlobalVars&) {}, 44100, 2, 128, -1},
    };
    TAudioFile2LameEnc lame;
    for (const TFileCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TGlobalVars vars = Defaults();
        c.Change(vars);
        TAudioFile2 writer;
        const std::string ext = c.Extension;
        if (ext == ".wav") SetupWavOutput(writer, vars);
        if (ext == ".mp3") SetupMp3Output(writer, lame, vars);
        if (ext == ".ogg") SetupOggOutput(writer, vars);
        if (ext == ".wma") SetupWmaOutput(writer, vars);
        writer.SetInputFormat(44100, 2);
        const std::string path = folder.Path() + c.Name + ext;
        writer.Create(path);
        writer.Write(piece);
        writer.Close();
        TAudioFile2 reader;
        reader.Open(path);
        EXPECT_EQ(reader.GetSampleRate(), c.Rate);
        EXPECT_EQ(reader.GetChannels(), c.Channels);
        if (c.Kbps > 0) {
            EXPECT_NEAR(reader.GetBitRate() / 1000.0, c.Kbps, c.Kbps * 0.1);
        }
        if (c.ModeBits >= 0) {
            EXPECT_EQ(Mp3ModeBits(path), c.ModeBits);
        }
        // (low-rate MP3 frames without a length header add up to two frames of padding)
        EXPECT_NEAR(double(reader.GetLength()) / reader.GetSampleRate(), 2.0, 0.2);
    }
}

// The one settings object serves every MP3 set-up of a window: a preset after a variable-rate set-up
// writes what the preset says, with nothing carried over.
TEST(OutputSetupFilesTest, APresetAfterAVariableRateSetUpOverridesEveryProperty) {
    TTestFolder folder("output-setup-preset");
    TAudioFile2LameEnc lame;
    TGlobalVars vars = Defaults();
    vars.OutputMP3Type = 1, vars.OutputMP3CBR = false, vars.OutputMP3Mode = 3;
    TAudioFile2 first;
    SetupMp3Output(first, lame, vars);
    vars.OutputMP3Type = 0, vars.OutputMP3Presets = 6; // Tape Quality: 128 kbps joint stereo
    TAudioFile2 writer;
    SetupMp3Output(writer, lame, vars);
    writer.SetInputFormat(44100, 2);
    const std::string path = folder.Path() + "tape.mp3";
    writer.Create(path);
    writer.Write(app_test::TestPiece(44100, 2, 1.0));
    writer.Close();
    TAudioFile2 reader;
    reader.Open(path);
    EXPECT_EQ(reader.GetChannels(), 2);
    EXPECT_NEAR(reader.GetBitRate() / 1000.0, 128, 5);
    EXPECT_EQ(Mp3ModeBits(path), 1);
}

} // namespace output_setup_files_test
