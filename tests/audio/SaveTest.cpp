// Saving through the editor and the block writer: every format and setting read back by another tool,
// tags round trips, and failed saves that leave the existing file alone.
#include "AudioTestFiles.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"
#include "audio/AudioFile2.h"
#include "audio/AudioInformation2.h"

#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace save_test {

using namespace audio_test_files;

std::int64_t DecodedFrames(const std::string& path) {
    TAudioDecoder decoder(path);
    std::vector<float> block(8192 * decoder.Channels());
    std::int64_t total = 0;
    while (std::int64_t n = decoder.Read(block.data(), 8192))
        total += n;
    return total;
}

void MakeDocument(TAudioEditor2& editor) {
    editor.New(44100, 2);
    editor.PutSamples(Sine(44100, 2, 1.0, 440));
}

struct TSaveCase {
    const char* Name;
    int Code;
    std::function<void(TAudioEditor2FileFormat&)> Setup;
    int Rate, Channels;
    int BitRate;       // bits per second reported by the reader, 0 to skip
    int BitsPerSample; // 0 to skip
    const char* Codec;
};

void PrintTo(const TSaveCase& c, std::ostream* os) {
    *os << c.Name;
}

class SaveFormats : public ::testing::TestWithParam<TSaveCase> {};

TEST_P(SaveFormats, AnotherToolReadsTheAskedFormat) {
    if (!HaveTool("ffprobe")) GTEST_SKIP() << "needs ffprobe";
    const TSaveCase& c = GetParam();
    TAudioEditor2 editor;
    MakeDocument(editor);
    c.Setup(editor.FileFormat());
    std::string ext = c.Code == 1 ? ".wav" : c.Code == 2 ? ".mp3" : c.Code == 6 ? ".ogg" : ".wma";
    std::string path = Scratch(std::string("save-") + c.Name + ext);
    editor.Save(path, 0, c.Code);
    auto info = Probe(path);
    EXPECT_EQ(info["codec_name"], c.Codec);
    EXPECT_EQ(info["sample_rate"], std::to_string(c.Rate));
    EXPECT_EQ(info["channels"], std::to_string(c.Channels));
    if (c.BitsPerSample) {
        EXPECT_EQ(info["bits_per_sample"], std::to_string(c.BitsPerSample));
    }
    if (c.BitRate) {
        std::string rate = info["bit_rate"] != "N/A" && !info["bit_rate"].empty() ? info["bit_rate"] : "0";
        EXPECT_NEAR(std::stod(rate), c.BitRate, c.BitRate * 0.02) << c.Name;
    }
    // The sound is all there: one second, within one codec frame; an MP3 whose frames are too small for
    // the gapless header also keeps the encoder's delay and padding (two frames at most).
    double frame = c.Code == 2 ? (c.Rate < 32000 ? 576.0 * 4 : 1152.0) : 2048.0;
    EXPECT_NEAR(double(DecodedFrames(path)), double(c.Rate), frame);
}

auto Wav(int rate, int ch, int bits) {
    return [=](TAudioEditor2FileFormat& f) { f.SetWAV(rate, ch, bits); };
}
auto Preset(int n) {
    return [=](TAudioEditor2FileFormat& f) {
        TAudioEditor2LameEnc lame;
        lame.SetPreset(n);
        f.SetMP3(lame);
    };
}
auto Wma(int profile) {
    return [=](TAudioEditor2FileFormat& f) { f.SetWMA(profile); };
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SaveFormats,
    ::testing::Values(
        TSaveCase{"wav8", 1, Wav(22050, 1, 8), 22050, 1, 0, 8, "pcm_u8"},
        TSaveCase{"wav16", 1, Wav(44100, 2, 16), 44100, 2, 0, 16, "pcm_s16le"},
        TSaveCase{"wav24", 1, Wav(48000, 2, 24), 48000, 2, 0, 24, "pcm_s24le"},
        TSaveCase{"wav32", 1, Wav(96000, 1, 32), 96000, 1, 0, 32, "pcm_f32le"},
        TSaveCase{"mp3cbr128", 2, [](auto& f) { f.SetMP3CBR(44100, 128, 2); }, 44100, 2, 128000, 0, "mp3"},
        TSaveCase{"mp3cbr64mono", 2, [](auto& f) { f.SetMP3CBR(44100, 64, 1); }, 44100, 1, 64000, 0, "mp3"},
        TSaveCase{"mp3preset1", 2, Preset(1), 8000, 1, 16000, 0, "mp3"},
        TSaveCase{"mp3preset2", 2, Preset(2), 11025, 1, 24000, 0, "mp3"},
        TSaveCase{"mp3preset3", 2, Preset(3), 16000, 1, 32000, 0, "mp3"},
        TSaveCase{"mp3preset4", 2, Preset(4), 24000, 2, 96000, 0, "mp3"},
        TSaveCase{"mp3preset5", 2, Preset(5), 44100, 1, 64000, 0, "mp3"},
        TSaveCase{"mp3preset7", 2, Preset(7), 44100, 2, 128000, 0, "mp3"},
        TSaveCase{"mp3preset11", 2, Preset(11), 44100, 2, 320000, 0, "mp3"},
        TSaveCase{"ogg96", 6, [](auto& f) { f.SetOGG(44100, 2, 96, 0, 0, -1); }, 44100, 2, 96000, 0,
                  "vorbis"},
        TSaveCase{"ogg64mono", 6, [](auto& f) { f.SetOGG(44100, 1, 64, 0, 0, -1); }, 44100, 1, 64000, 0,
                  "vorbis"},
        TSaveCase{"oggq60", 6, [](auto& f) { f.SetOGG(44100, 2, 0, 0, 0, 600); }, 44100, 2, 0, 0, "vorbis"},
        TSaveCase{"wma36", 11, Wma(36), 8000, 1, 24000, 0, "wmav2"},
        TSaveCase{"wma23", 11, Wma(23), 22050, 2, 32000, 0, "wmav2"},
        TSaveCase{"wma16", 11, Wma(16), 44100, 1, 48000, 0, "wmav2"},
        TSaveCase{"wma13", 11, Wma(13), 44100, 2, 64000, 0, "wmav2"},
        TSaveCase{"wma11", 11, Wma(11), 44100, 2, 96000, 0, "wmav2"},
        TSaveCase{"wma10", 11, Wma(10), 44100, 2, 128000, 0, "wmav2"},
        TSaveCase{"wma8", 11, Wma(8), 44100, 2, 192000, 0, "wmav2"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The variable-rate settings of the MP3 settings object.
TEST(SaveMp3, VariableRateSettingsReachTheFile) {
    struct TCase {
        const char* Name;
        std::function<void(TAudioEditor2LameEnc&)> Setup;
        bool Xing, Crc;
        int MinKbps, MaxKbps; // average bit rate bounds
        int ModeBits;         // of the frame header: 0 stereo, 1 joint stereo, 2 dual channels, 3 mono
    };
    std::vector<TCase> cases = {
        {"vbr-q0-xing",
         [](auto& l) {
             l.SetChannels(2), l.SetChannelMode(2), l.SetMaxBitRate(320), l.SetMinBitRate(32);
             l.SetBitRateMode(0), l.SetVBRQuality(0), l.SetXingHeader(-1), l.SetChecksum(0);
         },
         true, false, 100, 320, 1},
        {"vbr-q9-noxing-crc",
         [](auto& l) {
             l.SetChannels(2), l.SetChannelMode(1), l.SetMaxBitRate(128), l.SetMinBitRate(32);
             l.SetBitRateMode(0), l.SetVBRQuality(9), l.SetXingHeader(0), l.SetChecksum(-1);
         },
         false, true, 32, 128, 0},
        {"abr-96",
         [](auto& l) {
             l.SetChannels(2), l.SetChannelMode(2), l.SetMaxBitRate(320), l.SetMinBitRate(32);
             l.SetBitRateMode(4), l.SetAverageBitRate(96), l.SetXingHeader(-1), l.SetChecksum(0);
         },
         true, false, 70, 125, 1},
        {"vbr-dual",
         [](auto& l) {
             l.SetChannels(2), l.SetChannelMode(4), l.SetMaxBitRate(320), l.SetMinBitRate(32);
             l.SetBitRateMode(0), l.SetVBRQuality(4), l.SetXingHeader(-1), l.SetChecksum(0);
         },
         true, false, 32, 320, 2},
        {"vbr-mono",
         [](auto& l) {
             l.SetChannels(1), l.SetMaxBitRate(320), l.SetMinBitRate(32);
             l.SetBitRateMode(0), l.SetVBRQuality(4), l.SetXingHeader(-1), l.SetChecksum(0);
         },
         true, false, 32, 320, 3},
    };
    for (const TCase& c : cases) {
        TAudioEditor2 editor;
        MakeDocument(editor);
        TAudioEditor2LameEnc lame;
        lame.SetPreset(5); // a detailed setting made afterwards wins over an earlier preset
        c.Setup(lame);
        editor.FileFormat().SetMP3(lame);
        std::string path = Scratch(std::string("mp3-") + c.Name + ".mp3");
        editor.Save(path, 0, 2);
        std::string bytes = ReadBytes(path);
        bool hasXing = bytes.find("Xing") != std::string::npos || bytes.find("Info") != std::string::npos;
        EXPECT_EQ(hasXing, c.Xing) << c.Name;
        // First frame header after the ID3 tag: the protection bit is 0 when frames carry a checksum.
        std::size_t sync = 0;
        if (bytes.rfind("ID3", 0) == 0) {
            std::size_t size = (std::size_t(bytes[6] & 0x7F) << 21) | (std::size_t(bytes[7] & 0x7F) << 14) |
                               (std::size_t(bytes[8] & 0x7F) << 7) | std::size_t(bytes[9] & 0x7F);
            sync = 10 + size;
        }
        ASSERT_LT(sync + 1, bytes.size());
        ASSERT_EQ(std::uint8_t(bytes[sync]), 0xFF) << c.Name;
        EXPECT_EQ((bytes[sync + 1] & 1) == 0, c.Crc) << c.Name;
        EXPECT_EQ((std::uint8_t(bytes[sync + 3]) >> 6) & 3, c.ModeBits) << c.Name;
        double kbps = double(bytes.size() - sync) * 8 / 1000.0; // one second of sound
        EXPECT_GE(kbps, c.MinKbps) << c.Name;
        EXPECT_LE(kbps, c.MaxKbps * 1.1) << c.Name;
        // Without the header, decoders cannot drop the encoder's delay and padding.
        EXPECT_NEAR(double(DecodedFrames(path)), 44100.0, c.Xing ? 1152.0 : 2 * 1152.0) << c.Name;
    }
}

class SaveTags : public ::testing::TestWithParam<int> {};

TEST_P(SaveTags, TagsRoundTripThroughEveryFormat) {
    int code = GetParam();
    TAudioEditor2 editor;
    MakeDocument(editor);
    auto& info = editor.FileInfo();
    info.SetTitle("Morning Song");
    info.SetArtist("The Testers");
    info.SetAlbum("Unit Album");
    info.SetYear("2024");
    info.SetComment("made by a test");
    info.SetGenre(17);
    editor.FileFormat().SetWAV(44100, 2, 16);
    editor.FileFormat().SetMP3CBR(44100, 128, 2);
    editor.FileFormat().SetOGG(44100, 2, 128, 0, 0, -1);
    editor.FileFormat().SetWMA(10);
    std::string ext = code == 1 ? ".wav" : code == 2 ? ".mp3" : code == 6 ? ".ogg" : ".wma";
    std::string path = Scratch("tags" + ext);
    editor.Save(path, 0, code);

    TAudioEditor2 reopened;
    reopened.Open(path);
    EXPECT_EQ(reopened.FileInfo().GetTitle(), "Morning Song");
    EXPECT_EQ(reopened.FileInfo().GetArtist(), "The Testers");
    EXPECT_EQ(reopened.FileInfo().GetAlbum(), "Unit Album");
    EXPECT_EQ(reopened.FileInfo().GetYear(), "2024");
    EXPECT_EQ(reopened.FileInfo().GetComment(), "made by a test");
    EXPECT_EQ(reopened.FileInfo().GetGenre(), 17);
    if (HaveTool("ffprobe")) {
        auto probe = Probe(path);
        EXPECT_EQ(probe["tag:title"], "Morning Song");
    }

    // Transfer to a file that has other tags: the sound stays, the tags are replaced.
    std::string other = Scratch("tags-target" + ext);
    TAudioEditor2 plain;
    MakeDocument(plain);
    plain.FileFormat() = editor.FileFormat();
    plain.FileInfo().SetTitle("Old Title");
    plain.Save(other, 0, code);
    std::int64_t framesBefore = DecodedFrames(other);
    TAudioInformation2 information;
    information.Open(path);
    information.WriteTags(other);
    TAudioInformation2 check;
    check.Open(other);
    EXPECT_EQ(check.Tags().Title, "Morning Song");
    EXPECT_EQ(check.Tags().Artist, "The Testers");
    EXPECT_EQ(check.Tags().Genre, 17);
    EXPECT_NEAR(double(DecodedFrames(other)), double(framesBefore), 1152.0);
}

INSTANTIATE_TEST_SUITE_P(Formats, SaveTags, ::testing::Values(1, 2, 6, 11));

TEST(SaveFailures, ReadOnlyTargetAndMissingFolderLoseNothing) {
    TAudioEditor2 editor;
    MakeDocument(editor);
    int ends = 0;
    editor.OnEndOperation = [&] { ++ends; };
    std::string path = Scratch("read-only.wav");
    std::remove(path.c_str());
    std::ofstream(path) << "precious";
    chmod(path.c_str(), 0444);
    EXPECT_THROW(editor.Save(path, 0, 1), EAudioError);
    EXPECT_EQ(ReadBytes(path), "precious");
    chmod(path.c_str(), 0644);
    EXPECT_THROW(editor.Save(Scratch("no-such-folder/x.wav"), 0, 1), EAudioError);
    EXPECT_THROW(editor.Save(Scratch("bad-code.wav"), 0, 5), EAudioError);
    EXPECT_EQ(ends, 3);
    // No temporary file is left beside the targets.
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".olva-"), std::string::npos) << entry.path();
}

TEST(SaveFailures, SettingsAnEncoderRefusesLeaveTheExistingFileAlone) {
    TAudioEditor2 editor;
    MakeDocument(editor);
    struct TCase {
        const char* Name;
        int Code;
        std::function<void(TAudioEditor2FileFormat&)> Setup;
    };
    std::vector<TCase> cases = {{"ogg", 6, [](auto& f) { f.SetOGG(44100, 2, 5000, 0, 0, -1); }},
                                {"mp3", 2, Preset(12)},
                                {"wma", 11, Wma(99)},
                                {"wav", 1, Wav(44100, 2, 12)},
                                {"wav", 1, Wav(44100, 3, 16)}};
    for (const TCase& c : cases) {
        std::string path = Scratch(std::string("kept.") + c.Name);
        std::ofstream(path) << "precious";
        c.Setup(editor.FileFormat());
        EXPECT_THROW(editor.Save(path, 0, c.Code), EAudioError) << c.Name;
        EXPECT_EQ(ReadBytes(path), "precious") << c.Name;
    }
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(Scratch("x")).parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".olva-"), std::string::npos) << entry.path();
}

TEST(SaveFailures, SelectionOnlySavesTheSelection) {
    TAudioEditor2 editor;
    MakeDocument(editor);
    editor.Position().SetSelection(-1);
    editor.Position().SetSelectionStart(11025);
    editor.Position().SetSelectionEnd(33075);
    editor.FileFormat().SetWAV(44100, 2, 32);
    std::string path = Scratch("selection.wav");
    editor.Save(path, -1, 1);
    TAudioEditor2 reopened;
    reopened.Open(path);
    ASSERT_EQ(reopened.Position().GetLength(), 22050);
    EXPECT_EQ(reopened.Document().ReadInterleaved(0, 22050), editor.Document().ReadInterleaved(11025, 22050));
}

TEST(AudioFile2, ReadsBlocksUntilEmptyAndWritesWhatItIsGiven) {
    TAudioEditor2 editor;
    editor.New(22050, 1);
    editor.PutSamples(Sine(22050, 1, 1.5, 300));
    editor.FileFormat().SetWAV(22050, 1, 16);
    std::string src = Scratch("blocks.wav");
    editor.Save(src, 0, 1);

    TAudioFile2 reader, writer;
    reader.Open(src, 0, 1);
    EXPECT_EQ(reader.GetSampleRate(), 22050);
    EXPECT_EQ(reader.GetChannels(), 1);
    EXPECT_EQ(reader.GetBits(), 16);
    EXPECT_EQ(reader.GetLength(), 33075);
    writer.SetWAVFormatOfFile(src);
    writer.SetInputFormat(reader.GetDecodedSampleRate(), reader.GetDecodedChannels());
    std::string out = Scratch("blocks-copy.wav");
    std::remove(out.c_str());
    writer.Create(out, 0);
    std::int64_t total = 0;
    int blocks = 0;
    for (std::vector<float> block; !(block = reader.Read(22050)).empty(); ++blocks) {
        total += std::int64_t(block.size());
        writer.Write(block);
        EXPECT_FALSE(std::filesystem::exists(out)); // appears only when complete
    }
    writer.Close();
    reader.Close();
    EXPECT_EQ(blocks, 2);
    EXPECT_EQ(total, 33075);
    TAudioEditor2 copy;
    copy.Open(out);
    EXPECT_EQ(copy.Document().ReadInterleaved(0, 33075), [&] {
        TAudioEditor2 original;
        original.Open(src);
        return original.Document().ReadInterleaved(0, 33075);
    }());
}

TEST(AudioFile2, ReportsTheLengthAFullReadDelivers) {
    struct TCase {
        const char* Name;
        int Code;
        std::function<void(TAudioEditor2FileFormat&)> Setup;
        double Seconds;
    };
    const std::vector<TCase> cases = {
        {"gapless.mp3", 2, [](auto& f) { f.SetMP3CBR(44100, 128, 2); }, 3.0},
        {"short.mp3", 2, [](auto& f) { f.SetMP3CBR(44100, 128, 2); }, 0.01},
        {"sound.ogg", 6, [](auto& f) { f.SetOGG(44100, 2, 128, 0, 0, -1); }, 1.5},
        {"empty.ogg", 6, [](auto& f) { f.SetOGG(44100, 2, 128, 0, 0, -1); }, 0.0},
        {"sound.wma", 11, [](auto& f) { f.SetWMA(10); }, 1.3},
        {"sound.wav", 1, [](auto& f) { f.SetWAV(44100, 2, 16); }, 1.0},
    };
    for (const TCase& c : cases) {
        TAudioEditor2 editor;
        editor.New(44100, 2);
        if (c.Seconds > 0) editor.PutSamples(Sine(44100, 2, c.Seconds, 440));
        c.Setup(editor.FileFormat());
        const std::string path = Scratch(std::string("length-") + c.Name);
        editor.Save(path, 0, c.Code);
        TAudioFile2 reader;
        reader.Open(path, 0, 1);
        const std::int64_t reported = reader.GetLength();
        std::int64_t delivered = 0;
        for (std::vector<float> block; !(block = reader.Read(8192)).empty();)
            delivered += std::int64_t(block.size()) / reader.GetDecodedChannels();
        EXPECT_EQ(reported, delivered) << c.Name;
        EXPECT_EQ(reader.GetLength(), delivered) << c.Name << " after the read";
        if (c.Code != 2) EXPECT_EQ(delivered, std::llround(c.Seconds * 44100)) << c.Name;
    }
}

TEST(AudioFile2, ReportsTheSourcesSampleSize) {
    struct TCase {
        int Code, Bits, Expected;
    };
    for (TCase c : {TCase{1, 8, 8}, {1, 24, 24}, {1, 32, 32}, {2, 0, 16}}) {
        TAudioEditor2 editor;
        MakeDocument(editor);
        editor.FileFormat().SetWAV(44100, 2, c.Bits);
        editor.FileFormat().SetMP3CBR(44100, 128, 2);
        std::string path = Scratch("bits-" + std::to_string(c.Bits) + (c.Code == 1 ? ".wav" : ".mp3"));
        editor.Save(path, 0, c.Code);
        TAudioFile2 reader;
        reader.Open(path, 0, 1);
        EXPECT_EQ(reader.GetBits(), c.Expected) << path;
        TAudioFile2 writer;
        writer.SetWAVFormatOfFile(path);
        writer.SetInputFormat(44100, 2);
        std::string copy = Scratch("bits-copy.wav");
        writer.Create(copy, 0);
        writer.Write(Sine(44100, 2, 0.1, 300));
        writer.Close();
        EXPECT_EQ(Probe(copy)["bits_per_sample"], std::to_string(c.Expected)) << path;
    }
}

TEST(AudioFile2, AcceptanceTestsForMp3AndOgg) {
    TAudioFile2 writer;
    struct TMp3 {
        int Rate, Kbps, Channels;
        bool Ok;
    };
    for (TMp3 c : {TMp3{44100, 128, 2, true},
                   {22050, 64, 1, true},
                   {22050, 320, 2, false},
                   {44100, 16, 2, false},
                   {96000, 128, 2, false},
                   {44100, 128, 3, false}})
        EXPECT_EQ(writer.CanWriteMP3(c.Rate, c.Kbps, c.Channels), c.Ok) << c.Rate << " " << c.Kbps;
    EXPECT_TRUE(writer.CanWriteOGG(44100, 2, 128, 0, 0));
    EXPECT_FALSE(writer.CanWriteOGG(44100, 2, 5000, 0, 0));
    EXPECT_FALSE(writer.CanWriteOGG(44100, 3, 128, 0, 0));
}

TEST(AudioFile2, WriterWithoutInputFormatTakesBlocksInTheOutputFormat) {
    // As the recording window uses it: a WAV format, a file, blocks, close.
    TAudioFile2 writer;
    writer.SetWAV(44100, 2, 16);
    std::string path = Scratch("recording.wav");
    std::remove(path.c_str());
    writer.Create(path, 1);
    std::vector<float> block = Sine(44100, 2, 0.25, 500);
    writer.Write(block);
    writer.Write(block);
    EXPECT_THROW(writer.Write(std::vector<float>(3)), EAudioError); // not whole frames
    writer.Close();
    TAudioFile2 reader;
    reader.Open(path, 0, 1);
    EXPECT_EQ(reader.GetSampleRate(), 44100);
    EXPECT_EQ(reader.GetChannels(), 2);
    EXPECT_EQ(reader.GetLength(), 22050);
    std::vector<float> first = reader.Read(block.size());
    ASSERT_EQ(first.size(), block.size());
    for (std::size_t i = 0; i < block.size(); i += 97)
        EXPECT_NEAR(first[i], block[i], 1.0 / 32767);
}

} // namespace save_test
