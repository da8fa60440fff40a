// What a save keeps and what a failure says: integer WAV files that save back bit for bit, float WAV
// files that keep levels beyond full scale, MP3 tags in any script and in every text encoding, WMA files
// that start with the first sample and end on the last, MP3 settings the encoder cannot keep, and
// errors that say what happened to the user's own file.
#include "AudioTestFiles.h"

#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>

namespace fidelity_test {

using namespace audio_test_files;

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

// A canonical PCM WAV file of the given samples (already in the file's integer coding).
std::string PcmWav(int rate, int channels, int bits, const std::vector<std::int32_t>& samples) {
    std::string data;
    for (std::int32_t s : samples)
        Put(data, bits == 8 ? std::uint32_t(s + 128) : std::uint32_t(s), bits / 8);
    std::string file = "RIFF";
    Put(file, std::uint32_t(36 + data.size()), 4);
    file += "WAVEfmt ";
    Put(file, 16, 4);
    Put(file, 1, 2);
    Put(file, channels, 2);
    Put(file, rate, 4);
    Put(file, rate * channels * bits / 8, 4);
    Put(file, channels * bits / 8, 2);
    Put(file, bits, 2);
    file += "data";
    Put(file, std::uint32_t(data.size()), 4);
    return file + data;
}

// The bytes of a WAV file's data chunk.
std::string DataChunk(const std::string& wav) {
    std::size_t at = wav.find("data");
    if (at == std::string::npos) return {};
    std::uint32_t size = 0;
    for (int i = 0; i < 4; ++i)
        size |= std::uint32_t(std::uint8_t(wav[at + 4 + i])) << (8 * i);
    return wav.substr(at + 8, size);
}

TEST(Fidelity, UntouchedIntegerWavFilesSaveBackBitForBit) {
    for (int bits : {8, 16, 24}) {
        // Every extreme, zero, the values next to them, and a spread of others.
        const std::int32_t top = (1 << (bits - 1)) - 1, bottom = -(1 << (bits - 1));
        std::vector<std::int32_t> samples = {bottom, bottom + 1, -1, 0, 1, top - 1, top};
        std::uint32_t x = 7;
        while (samples.size() < 2 * 3000) {
            x = x * 1664525u + 1013904223u;
            samples.push_back(bottom + std::int32_t(x % std::uint32_t(top - bottom + 1)));
        }
        std::string source = Scratch("exact-" + std::to_string(bits) + ".wav");
        std::ofstream(source, std::ios::binary) << PcmWav(22050, 2, bits, samples);
        TAudioEditor2 editor;
        editor.Open(source);
        editor.FileFormat().SetWAV(22050, 2, bits);
        std::string saved = Scratch("exact-" + std::to_string(bits) + "-saved.wav");
        editor.Save(saved, 0, 1);
        EXPECT_EQ(DataChunk(ReadBytes(saved)), DataChunk(ReadBytes(source))) << bits << " bits";
    }
}

TEST(Fidelity, FloatWavKeepsLevelsBeyondFullScaleAndIntegerWavClips) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    struct TCase {
        int Bits;
        std::vector<float> Expected;
    };
    for (const TCase& c : {TCase{32, {1.5f, -2.0f, 0.0f, 0.0f, 0.25f, 1.0f}},
                           TCase{16, {32767 / 32768.0f, -1.0f, 0.0f, 0.0f, 0.25f, 32767 / 32768.0f}},
                           TCase{8, {127 / 128.0f, -1.0f, 0.0f, 0.0f, 0.25f, 127 / 128.0f}}}) {
        TAudioEditor2 editor;
        editor.New(8000, 1);
        editor.PutSamples({1.5f, -2.0f, nan, inf, 0.25f, 1.0f});
        editor.FileFormat().SetWAV(8000, 1, c.Bits);
        std::string path = Scratch("range-" + std::to_string(c.Bits) + ".wav");
        editor.Save(path, 0, 1);
        TAudioEditor2 reopened;
        reopened.Open(path);
        EXPECT_EQ(reopened.Document().ReadInterleaved(0, 6), c.Expected) << c.Bits << " bits";
    }
}

// An ID3 version 2.4 tag of the given frames.
std::string Id3Tag(const std::vector<std::pair<std::string, std::string>>& frames) {
    auto synchsafe = [](std::size_t n) {
        std::string s;
        for (int shift : {21, 14, 7, 0})
            s += char((n >> shift) & 0x7F);
        return s;
    };
    std::string body;
    for (const auto& [id, content] : frames)
        body += id + synchsafe(content.size()) + std::string(2, '\0') + content;
    return std::string("ID3\x04\x00\x00", 6) + synchsafe(body.size()) + body;
}

std::string Utf16(const std::u16string& text, bool bigEndian, bool bom) {
    std::string out;
    std::u16string all = bom ? u"\uFEFF" + text : text;
    for (char16_t unit : all) {
        char hi = char(unit >> 8), lo = char(unit & 0xFF);
        out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

TEST(Fidelity, Mp3TagsReadInAllFourTextEncodings) {
    // The sound of a plain MP3 of our own, without its tags.
    TAudioEditor2 editor;
    editor.New(44100, 1);
    editor.PutSamples(Sine(44100, 1, 0.5, 440));
    editor.FileFormat().SetMP3CBR(44100, 64, 1);
    std::string plain = Scratch("untagged.mp3");
    editor.Save(plain, 0, 2);
    std::string sound = ReadBytes(plain);
    if (sound.rfind("ID3", 0) == 0) {
        std::size_t size = 0;
        for (int i = 6; i < 10; ++i)
            size = (size << 7) | (std::size_t(sound[i]) & 0x7F);
        sound = sound.substr(10 + size);
    }
    if (sound.size() >= 128 && sound.compare(sound.size() - 128, 3, "TAG") == 0)
        sound.resize(sound.size() - 128);

    std::string tag = Id3Tag({
        {"TIT2", std::string("\x00", 1) + "Caf\xE9 au lait"},                         // Latin-1
        {"TPE1", std::string("\x01", 1) + Utf16(u"Zo\u00EB \u266A", false, true)},    // UTF-16, BOM
        {"TALB", std::string("\x02", 1) + Utf16(u"\u00C5ngstr\u00F6m", true, false)}, // UTF-16BE
        {"COMM", std::string("\x03", 1) + "eng" + std::string("\x00", 1) + "na\xC3\xAFve \xE2\x9C\x93"},
        {"TDRC", std::string("\x03", 1) + "2021"}, // UTF-8
    });
    std::string tagged = Scratch("four-encodings.mp3");
    std::ofstream(tagged, std::ios::binary) << tag + sound;
    TAudioEditor2 reopened;
    reopened.Open(tagged);
    EXPECT_EQ(reopened.FileInfo().GetTitle(), "Caf\xC3\xA9 au lait");
    EXPECT_EQ(reopened.FileInfo().GetArtist(), "Zo\xC3\xAB \xE2\x99\xAA");
    EXPECT_EQ(reopened.FileInfo().GetAlbum(), "\xC3\x85ngstr\xC3\xB6m");
    EXPECT_EQ(reopened.FileInfo().GetComment(), "na\xC3\xAFve \xE2\x9C\x93");
    EXPECT_EQ(reopened.FileInfo().GetYear(), "2021");
}

TEST(Fidelity, Mp3TagsInAnyScriptSurviveAndAreMarkedAsWhatTheyAre) {
    const std::string title = "Caf\xC3\xA9 \xE2\x99\xAA \xE6\x97\xA5\xE6\x9C\xAC", // café ♪ 日本
        artist = "Zo\xC3\xAB", album = "\xD0\x9C\xD0\xB8\xD1\x80",                 // Zoë, Мир
        comment = "na\xC3\xAFve \xE2\x9C\x93", plainYear = "1999";
    TAudioEditor2 editor;
    editor.New(44100, 2);
    editor.PutSamples(Sine(44100, 2, 0.3, 440));
    editor.FileInfo().SetTitle(title);
    editor.FileInfo().SetArtist(artist);
    editor.FileInfo().SetAlbum(album);
    editor.FileInfo().SetComment(comment);
    editor.FileInfo().SetYear(plainYear);
    editor.FileFormat().SetMP3CBR(44100, 128, 2);
    std::string path = Scratch("script-tags.mp3");
    editor.Save(path, 0, 2);

    TAudioEditor2 reopened;
    reopened.Open(path);
    EXPECT_EQ(reopened.FileInfo().GetTitle(), title);
    EXPECT_EQ(reopened.FileInfo().GetArtist(), artist);
    EXPECT_EQ(reopened.FileInfo().GetAlbum(), album);
    EXPECT_EQ(reopened.FileInfo().GetComment(), comment);
    EXPECT_EQ(reopened.FileInfo().GetYear(), plainYear);
    if (HaveTool("ffprobe")) {
        EXPECT_EQ(Probe(path)["tag:title"], title);
    }
    // Each text frame's encoding byte says what its bytes are: no frame claims Latin-1 for bytes that
    // are not Latin-1 text, and there is one comment.
    std::string bytes = ReadBytes(path);
    for (const char* frame : {"TIT2", "TPE1", "TALB"}) {
        std::size_t at = bytes.find(frame);
        ASSERT_NE(at, std::string::npos) << frame;
        EXPECT_NE(bytes[at + 10], '\0') << frame;
    }
    std::size_t comm = bytes.find("COMM");
    ASSERT_NE(comm, std::string::npos);
    EXPECT_EQ(bytes.find("COMM", comm + 4), std::string::npos);
}

// Sample positions of the peaks of clicks (local maxima above half of full scale) in one channel.
std::vector<std::int64_t> ClickPeaks(const std::vector<float>& samples, int channels) {
    std::vector<std::int64_t> peaks;
    const std::int64_t frames = std::int64_t(samples.size()) / channels;
    for (std::int64_t i = 1; i + 1 < frames; ++i) {
        float v = samples[i * channels], before = samples[(i - 1) * channels],
              after = samples[(i + 1) * channels];
        if (v > 0.5f && v >= before && v > after) peaks.push_back(i);
    }
    return peaks;
}

TEST(Fidelity, WmaSavesStartWithTheFirstSampleAndKeepTheExactLength) {
    struct TCase {
        int Profile, Rate, Channels;
    };
    for (TCase c : {TCase{10, 44100, 2}, {16, 44100, 1}, {23, 22050, 2}, {36, 8000, 1}}) {
        const std::int64_t length = c.Rate + c.Rate / 3 + 17; // not a whole number of codec frames
        const std::vector<std::int64_t> clicks = {c.Rate / 40, c.Rate / 2, length - c.Rate / 20};
        std::vector<float> samples(std::size_t(length) * c.Channels, 0.0f);
        for (std::int64_t at : clicks)
            for (int k = -6; k <= 6; ++k)
                for (int ch = 0; ch < c.Channels; ++ch)
                    samples[std::size_t(at + k) * c.Channels + ch] = 0.9f * std::exp(-k * k / 6.0f);
        TAudioEditor2 editor;
        editor.New(c.Rate, c.Channels);
        editor.PutSamples(samples);
        editor.FileFormat().SetWMA(c.Profile);
        std::string path = Scratch("priming-" + std::to_string(c.Profile) + ".wma");
        editor.Save(path, 0, 11);

        TAudioEditor2 reopened;
        reopened.Open(path);
        EXPECT_EQ(reopened.Document().Length(), length) << "profile " << c.Profile;
        std::vector<std::int64_t> peaks =
            ClickPeaks(reopened.Document().ReadInterleaved(0, length), c.Channels);
        ASSERT_EQ(peaks.size(), clicks.size()) << "profile " << c.Profile;
        for (std::size_t i = 0; i < clicks.size(); ++i)
            EXPECT_NEAR(double(peaks[i]), double(clicks[i]), 2.0) << "profile " << c.Profile;

        // Another decoder finds the clicks in the same places: the priming is in the file itself.
        if (!HaveTool("ffmpeg")) continue;
        std::string raw = Scratch("priming.f32");
        ASSERT_TRUE(RunTool("ffmpeg -v error -y -i '" + path + "' -f f32le '" + raw + "'"));
        std::string bytes = ReadBytes(raw);
        std::vector<float> decoded(bytes.size() / 4);
        std::memcpy(decoded.data(), bytes.data(), decoded.size() * 4);
        std::vector<std::int64_t> outside = ClickPeaks(decoded, c.Channels);
        ASSERT_EQ(outside.size(), clicks.size()) << "profile " << c.Profile;
        EXPECT_NEAR(double(outside[0]), double(clicks[0]), 2.0) << "profile " << c.Profile;
    }
}

TEST(Fidelity, Mp3ConstantRatesTheEncoderCannotKeepAreRefused) {
    struct TCase {
        int Rate, Kbps;
        const char* Named; // what the message names
    };
    TAudioEditor2 editor;
    editor.New(44100, 2);
    editor.PutSamples(Sine(44100, 2, 0.1, 440));
    std::string path = Scratch("kept-cbr.mp3");
    for (TCase c :
         {TCase{44100, 999, "999 kbps"},
          {12345, 128, "8,000, 11,025, 12,000, 16,000, 22,050, 24,000, 32,000, 44,100 or 48,000 Hz"},
          {22050, 320, "320 kbps"},
          {48000, 8, "8 kbps"}}) {
        std::ofstream(path) << "precious";
        editor.FileFormat().SetMP3CBR(c.Rate, c.Kbps, 2);
        try {
            editor.Save(path, 0, 2);
            ADD_FAILURE() << "no error for " << c.Kbps << " kbps at " << c.Rate << " Hz";
        } catch (const EAudioError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(path), "precious");
    }
}

TEST(Fidelity, Mp3VariableRateQualitiesOutsideTheScaleAreRefused) {
    TAudioEditor2 editor;
    editor.New(44100, 2);
    editor.PutSamples(Sine(44100, 2, 0.1, 440));
    const std::string path = Scratch("kept-vbr.mp3");
    struct TCase {
        int Quality;
        bool Ok;
    };
    for (TCase c : {TCase{-1, false}, {10, false}, {12, false}, {100, false}, {0, true}, {9, true}}) {
        std::ofstream(path) << "precious";
        TAudioEditor2LameEnc lame;
        lame.SetChannels(2), lame.SetBitRateMode(0), lame.SetVBRQuality(c.Quality);
        editor.FileFormat().SetMP3CBR(44100, 128, 2);
        editor.FileFormat().SetMP3(lame);
        if (c.Ok) {
            editor.Save(path, 0, 2);
            EXPECT_NE(ReadBytes(path), "precious") << c.Quality;
            continue;
        }
        try {
            editor.Save(path, 0, 2);
            ADD_FAILURE() << "no error for quality " << c.Quality;
        } catch (const EAudioError& e) {
            EXPECT_NE(std::string(e.what()).find("0 (best) to 9"), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(path), "precious") << c.Quality;
    }
    // The rate of the detailed settings is checked as the constant rate's is.
    TAudioEditor2LameEnc lame;
    editor.FileFormat().SetMP3CBR(12345, 128, 2);
    editor.FileFormat().SetMP3(lame);
    EXPECT_THROW(editor.Save(path, 0, 2), EAudioError);
}

TEST(Fidelity, OpeningSaysWhatIsWrongWithTheFile) {
    struct TCase {
        const char* Name;
        std::string Path;
        const char* Says;
    };
    std::string folder = Scratch("a-folder.wav");
    std::filesystem::create_directories(folder);
    std::string empty = Scratch("zero-bytes.mp3");
    std::ofstream(empty).close();
    for (const TCase& c : {TCase{"folder", folder, "folder"},
                           {"empty", empty, "empty"},
                           {"missing", Scratch("not-there.ogg"), "does not exist"}}) {
        TAudioEditor2 editor;
        try {
            editor.Open(c.Path);
            ADD_FAILURE() << "no error for " << c.Name;
        } catch (const EAudioError& e) {
            std::string text = e.what();
            EXPECT_NE(text.find(c.Path), std::string::npos) << text;
            EXPECT_NE(text.find(c.Says), std::string::npos) << text;
            EXPECT_EQ(text.find("damaged"), std::string::npos) << text;
        }
    }
}

// Files of this process may grow to `bytes` only; writing past it fails as a full disk does.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &FOld);
        FOldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FOld;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldSignal);
    }

private:
    rlimit FOld{};
    void (*FOldSignal)(int) = nullptr;
};

TEST(Fidelity, AFailedWriteNamesTheUsersFileAndItsReason) {
    TAudioEditor2 editor;
    editor.New(44100, 2);
    editor.PutSamples(Sine(44100, 2, 3.0, 440));
    editor.FileFormat().SetWAV(44100, 2, 16);
    editor.FileFormat().SetMP3CBR(44100, 128, 2);
    editor.FileFormat().SetOGG(44100, 2, 128, 0, 0, -1);
    editor.FileFormat().SetWMA(10);
    const std::string reason = std::strerror(EFBIG);
    for (auto [code, ext] : {std::pair{1, ".wav"}, {2, ".mp3"}, {6, ".ogg"}, {11, ".wma"}}) {
        std::string path = Scratch(std::string("no-room") + ext);
        std::ofstream(path) << "precious";
        std::string message;
        {
            TFileSizeLimit limit(16384);
            try {
                editor.Save(path, 0, code);
            } catch (const EAudioError& e) {
                message = e.what();
            }
        }
        EXPECT_EQ(message, "Cannot write \"" + path + "\": " + reason + ".") << ext;
        EXPECT_EQ(ReadBytes(path), "precious") << ext;
    }
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(Scratch("x")).parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".olva-"), std::string::npos) << entry.path();
}

} // namespace fidelity_test
