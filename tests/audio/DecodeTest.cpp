// Decoding of files made by outside tools: rate, channels, length and content against the source.
#include "AudioTestFiles.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"

#include <fstream>

namespace decode_test {

using namespace audio_test_files;

std::vector<float> DecodeAll(const std::string& path, TAudioDecoder** keep = nullptr) {
    TAudioDecoder decoder(path);
    std::vector<float> all, block(4096 * decoder.Channels());
    while (std::int64_t n = decoder.Read(block.data(), 4096))
        all.insert(all.end(), block.begin(), block.begin() + n * decoder.Channels());
    return all;
}

// The samples sox itself decodes from a file, as float, at a rate and channel count.
std::vector<float> SoxSamples(const std::string& path, int rate, int channels) {
    std::string raw = Scratch("sox-reference.f32");
    if (!RunTool("sox '" + path + "' -r " + std::to_string(rate) + " -c " + std::to_string(channels) +
                 " -t f32 '" + raw + "'"))
        return {};
    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<float> samples(bytes.size() / 4);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 4);
    return samples;
}

struct TDecodeCase {
    const char* Name;
    const char* Tool;
    const char* Command; // %s: the source, %o: the output
    const char* Ext;
    int Rate, Channels;
    std::int64_t LengthTolerance; // frames
    double MinCorrelation;
    int MaxLag;
};

void PrintTo(const TDecodeCase& c, std::ostream* os) {
    *os << c.Name;
}

class DecodeFiles : public ::testing::TestWithParam<TDecodeCase> {};

std::string Fill(std::string command, const std::string& src, const std::string& out) {
    for (auto [key, value] :
         {std::pair<std::string, std::string>{"%s", "'" + src + "'"}, {"%o", "'" + out + "'"}})
        for (std::size_t p; (p = command.find(key)) != std::string::npos;)
            command.replace(p, 2, value);
    return command;
}

TEST_P(DecodeFiles, LengthAndContentMatchTheSource) {
    const TDecodeCase& c = GetParam();
    if (!HaveTool("sox") || !HaveTool(c.Tool)) GTEST_SKIP() << "needs sox and " << c.Tool;
    std::string src = Scratch("decode-source.wav");
    ASSERT_TRUE(RunTool("sox -n -r 44100 -c 2 -b 16 '" + src + "' synth 1.0 sine 440 sine 660 gain -6"));
    std::string out = Scratch(std::string("decode-") + c.Name + c.Ext);
    std::remove(out.c_str());
    ASSERT_TRUE(RunTool(Fill(c.Command, src, out))) << Fill(c.Command, src, out);
    std::vector<float> want = SoxSamples(src, c.Rate, c.Channels);
    ASSERT_FALSE(want.empty());

    TAudioDecoder decoder(out);
    EXPECT_EQ(decoder.SampleRate(), c.Rate);
    EXPECT_EQ(decoder.Channels(), c.Channels);
    std::vector<float> got = DecodeAll(out);
    std::int64_t frames = std::int64_t(got.size()) / c.Channels;
    EXPECT_NEAR(double(frames), double(want.size() / c.Channels), double(c.LengthTolerance));
    for (int ch = 0; ch < c.Channels; ++ch)
        EXPECT_GE(Correlation(want, got, c.Channels, ch, c.MaxLag), c.MinCorrelation) << "channel " << ch;
}

INSTANTIATE_TEST_SUITE_P(
    Tools, DecodeFiles,
    ::testing::Values(
        TDecodeCase{"wav16", "sox", "sox %s %o", ".wav", 44100, 2, 0, 0.999, 0},
        TDecodeCase{"wav24", "sox", "sox %s -b 24 %o", ".wav", 44100, 2, 0, 0.999, 0},
        TDecodeCase{"aiff", "sox", "sox %s %o", ".aiff", 44100, 2, 0, 0.999, 0},
        TDecodeCase{"aifc", "sox", "sox %s %o", ".aifc", 44100, 2, 0, 0.999, 0},
        TDecodeCase{"raw", "sox", "sox %s -r 8000 -c 1 -b 16 -e signed -t raw %o", ".raw", 8000, 1, 0, 0.99,
                    0},
        TDecodeCase{"vox", "sox", "sox %s -r 8000 -c 1 -t vox %o", ".vox", 8000, 1, 0, 0.95, 0},
        TDecodeCase{"g721", "ffmpeg", "ffmpeg -y -i %s -ar 8000 -ac 1 -c:a g726le -code_size 4 -f g726le %o",
                    ".g721", 8000, 1, 0, 0.95, 4},
        TDecodeCase{"g723", "ffmpeg", "ffmpeg -y -i %s -ar 8000 -ac 1 -c:a g726le -code_size 3 -f g726le %o",
                    ".g723", 8000, 1, 0, 0.9, 4},
        TDecodeCase{"g726", "ffmpeg", "ffmpeg -y -i %s -ar 8000 -ac 1 -c:a g726le -code_size 4 -f g726le %o",
                    ".g726", 8000, 1, 0, 0.95, 4},
        TDecodeCase{"mp3", "lame", "lame --quiet -b 128 %s %o", ".mp3", 44100, 2, 1152, 0.99, 8},
        TDecodeCase{"mp2", "ffmpeg", "ffmpeg -y -i %s -c:a mp2 -b:a 192k %o", ".mp2", 44100, 2, 1152, 0.99,
                    1200},
        TDecodeCase{"ogg", "oggenc", "oggenc -Q -q 4 %s -o %o", ".ogg", 44100, 2, 256, 0.99, 256},
        TDecodeCase{"wma", "ffmpeg", "ffmpeg -y -i %s -c:a wmav2 -b:a 128k %o", ".wma", 44100, 2, 2048, 0.99,
                    2100}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TBadFile {
    const char* Name;
    std::string Bytes;
};

void PrintTo(const TBadFile& c, std::ostream* os) {
    *os << c.Name;
}

class BadFiles : public ::testing::TestWithParam<TBadFile> {};

TEST_P(BadFiles, RaiseAClearError) {
    std::string path = Scratch(std::string("bad-") + GetParam().Name);
    std::ofstream(path, std::ios::binary) << GetParam().Bytes;
    try {
        DecodeAll(path);
        FAIL() << "no error for " << GetParam().Name;
    } catch (const EAudioError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

std::string RandomBytes(std::size_t n) {
    std::string s(n, '\0');
    std::uint32_t x = 12345;
    for (char& c : s) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(Cases, BadFiles,
                         ::testing::Values(TBadFile{"empty.wav", ""},
                                           TBadFile{"random.wav", RandomBytes(50000)},
                                           TBadFile{"random.mp3", RandomBytes(50000)},
                                           TBadFile{"header-only.wav", "RIFF\x24\0\0\0WAVEfmt "},
                                           TBadFile{"empty.raw", ""}),
                         [](const auto& info) {
                             std::string n = info.param.Name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

TEST(Decode, TruncatedAndMislabelledFilesDecodeWhatTheyHold) {
    if (!HaveTool("sox") || !HaveTool("lame")) GTEST_SKIP() << "needs sox and lame";
    std::string wav = Scratch("whole.wav");
    ASSERT_TRUE(RunTool("sox -n -r 8000 -c 1 -b 16 '" + wav + "' synth 1.0 sine 300"));
    std::ifstream in(wav, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::string cut = Scratch("truncated.wav");
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, 44 + 8000); // half the data
    EXPECT_EQ(DecodeAll(cut).size(), 4000u);

    std::string wavAsRaw = Scratch("really-wav.raw"); // a WAV under a headerless name
    ASSERT_TRUE(RunTool("cp '" + wav + "' '" + wavAsRaw + "'"));
    EXPECT_EQ(DecodeAll(wavAsRaw), DecodeAll(wav));

    std::string mp3 = Scratch("really-mp3.wav"); // an MP3 under a WAV name
    ASSERT_TRUE(RunTool("lame --quiet -b 64 '" + wav + "' '" + mp3 + "'"));
    TAudioDecoder decoder(mp3);
    EXPECT_EQ(decoder.SampleRate(), 8000);
    EXPECT_NEAR(double(DecodeAll(mp3).size()), 8000.0, 1152.0);
}

// Files split into stretches decoded on several threads give exactly the samples of one decoder going
// through the whole file: across every join, for the lossy codecs whose frames lean on the ones before.
TEST(Decode, StretchesDecodedApartJoinIntoTheWholeFilesSamples) {
    // A signal with something in every band: two chirps and a little noise.
    const int rate = 44100;
    const std::int64_t frames = 4 * rate;
    std::vector<float> signal(std::size_t(frames) * 2);
    std::uint32_t x = 1;
    for (std::int64_t i = 0; i < frames; ++i) {
        double t = double(i) / rate;
        x = x * 1664525u + 1013904223u;
        float noise = float(int(x >> 16) - 32768) / 32768.0f * 0.05f;
        signal[2 * i] = 0.4f * float(std::sin(2 * M_PI * (100 + 2500 * t) * t)) + noise;
        signal[2 * i + 1] = 0.4f * float(std::sin(2 * M_PI * (8000 - 900 * t) * t)) - noise;
    }
    TAudioEditor2 editor;
    editor.New(rate, 2);
    editor.PutSamples(signal);
    struct TCase {
        const char* Name;
        int Code;
        std::function<void(TAudioEditor2FileFormat&)> Setup;
    };
    std::vector<TCase> cases = {
        {"split.wav", 1, [](auto& f) { f.SetWAV(44100, 2, 24); }},
        {"split.mp3", 2, [](auto& f) { f.SetMP3CBR(44100, 128, 2); }},
        {"split-vbr.mp3", 2,
         [](auto& f) {
             TAudioEditor2LameEnc lame;
             lame.SetBitRateMode(0), lame.SetVBRQuality(2), lame.SetMinBitRate(32), lame.SetMaxBitRate(320);
             f.SetMP3(lame);
         }},
        {"split.ogg", 6, [](auto& f) { f.SetOGG(44100, 2, 96, 0, 0, -1); }},
        {"split.wma", 11, [](auto& f) { f.SetWMA(10); }},
        {"split-noise-filled.wma", 11, [](auto& f) { f.SetWMA(23); }},
    };
    std::vector<std::string> paths;
    for (const TCase& c : cases) {
        c.Setup(editor.FileFormat());
        paths.push_back(Scratch(c.Name));
        editor.Save(paths.back(), 0, c.Code);
    }
    if (HaveTool("ffmpeg")) {
        paths.push_back(Scratch("split.flac"));
        ASSERT_TRUE(RunTool("ffmpeg -y -i '" + paths.front() + "' '" + paths.back() + "'"));
    }
    for (const std::string& path : paths) {
        std::vector<float> whole = DecodeAll(path);
        TAudioDecoder decoder(path);
        TSampleSequence parts = decoder.ReadAll(MakeMemoryBlockStore(), {}, TDecodeSplit{3, 9000});
        // Each stretch ends in a block of its own; WMA with noise filling is decoded in one piece.
        const bool split = path.find("noise") == std::string::npos;
        EXPECT_EQ(parts.Slices().size() > 10u, split) << path;
        std::vector<float> joined(std::size_t(parts.Frames() * parts.Channels()));
        parts.ReadInterleaved(0, parts.Frames(), joined.data());
        ASSERT_EQ(joined.size(), whole.size()) << path;
        std::size_t differ = 0;
        for (std::size_t i = 0; i < whole.size(); ++i)
            differ += joined[i] != whole[i];
        EXPECT_EQ(differ, 0u) << path;
    }
}

// A progress handler may end a decode by throwing (a Cancel): the decoding threads stop and are joined,
// and the exception reaches the caller.
TEST(Decode, AProgressHandlerThatThrowsEndsTheSplitDecode) {
    TAudioEditor2 editor;
    editor.New(44100, 2);
    editor.PutSamples(Sine(44100, 2, 6.0, 440));
    editor.FileFormat().SetMP3CBR(44100, 128, 2);
    const std::string path = Scratch("cancelled.mp3");
    editor.Save(path, 0, 2);
    struct TStop {};
    for (int stopAt : {1, 3}) {
        SCOPED_TRACE(stopAt);
        TAudioDecoder decoder(path);
        int calls = 0;
        auto progress = [&](int) {
            if (++calls == stopAt) throw TStop{};
        };
        EXPECT_THROW(decoder.ReadAll(MakeMemoryBlockStore(), progress, TDecodeSplit{2, 2000}), TStop);
        EXPECT_EQ(calls, stopAt);
    }
}

} // namespace decode_test
