// RIFF WAVE writer: 8-bit unsigned, 16- and 24-bit signed integer or 32-bit float samples, with the
// tags in a LIST INFO chunk after the data. Integer samples use the reader's scale, 2^(bits-1) to full
// scale, so an untouched file saves back bit for bit; +1.0 and beyond clip to the largest value. Float
// samples keep levels beyond full scale, which they can hold.
#include "audio/AudioEncoder.h"
#include "audio/AudioError.h"
#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <vector>

namespace wav_encoder_detail {

class TWavEncoder final : public TAudioEncoder {
public:
    TWavEncoder(const TEncoderTarget& target, int rate, int channels, int bits, const TAudioTags& tags)
        : FTarget(target), FChannels(channels), FBits(bits), FTags(tags) {
        FFile = std::fopen(target.Path.c_str(), "wb");
        if (!FFile) Fail();
        // Header with the sizes left open; Finish fills them in.
        bool isFloat = bits == 32;
        PutText("RIFF");
        Put32(0);
        PutText("WAVE");
        PutText("fmt ");
        Put32(isFloat ? 18 : 16);
        Put16(isFloat ? 3 : 1);
        Put16(channels);
        Put32(rate);
        Put32(rate * channels * (bits / 8));
        Put16(channels * (bits / 8));
        Put16(bits);
        if (isFloat) Put16(0);
        if (isFloat) { // non-PCM data carries a fact chunk with the frame count
            PutText("fact");
            Put32(4);
            FFactPos = std::ftell(FFile);
            Put32(0);
        }
        PutText("data");
        FDataSizePos = std::ftell(FFile);
        Put32(0);
        Flush();
    }
    ~TWavEncoder() override {
        if (FFile) std::fclose(FFile);
    }

    void Write(const float* in, std::int64_t frames) override {
        const std::size_t n = std::size_t(frames * FChannels);
        FBytes.resize(n * std::size_t(FBits / 8));
        // Long runs are converted on all cores, each piece on its own.
        effects::ParallelFor(n, 1 << 17, [&](std::size_t from, std::size_t to) {
            Convert(in + from, FBytes.data() + from * std::size_t(FBits / 8), to - from);
        });
        if (!FBytes.empty() && std::fwrite(FBytes.data(), 1, FBytes.size(), FFile) != FBytes.size()) Fail();
        FDataBytes += std::int64_t(FBytes.size());
        FFrames += frames;
        StartWriteBack();
    }

    // n samples to the file's sample format.
    void Convert(const float* in, std::uint8_t* out, std::size_t n) const {
        switch (FBits) {
        case 8:
            for (std::size_t i = 0; i < n; ++i)
                out[i] = std::uint8_t(IntegerSample(in[i], 128.0f) + 128);
            break;
        case 16: { // the file is little-endian, as this machine
            auto* out16 = reinterpret_cast<std::int16_t*>(out);
            for (std::size_t i = 0; i < n; ++i)
                out16[i] = std::int16_t(IntegerSample(in[i], 32768.0f));
            break;
        }
        case 24: {
            // Whole integers first (a loop on vector instructions), then their three low bytes.
            std::int32_t wide[1024];
            for (std::size_t done = 0; done < n; done += 1024) {
                const std::size_t m = std::min<std::size_t>(1024, n - done);
                for (std::size_t i = 0; i < m; ++i)
                    wide[i] = IntegerSample(in[done + i], 8388608.0f);
                std::uint8_t* to = out + 3 * done;
                for (std::size_t i = 0; i < m; ++i) {
                    to[3 * i] = std::uint8_t(wide[i]);
                    to[3 * i + 1] = std::uint8_t(wide[i] >> 8);
                    to[3 * i + 2] = std::uint8_t(wide[i] >> 16);
                }
            }
            break;
        }
        default:
            for (std::size_t i = 0; i < n; ++i) {
                const float v = std::isfinite(in[i]) ? in[i] : 0.0f;
                std::memcpy(out + 4 * i, &v, 4);
            }
        }
    }

    void Finish() override {
        if (FDataBytes & 1) std::fputc(0, FFile);
        WriteInfo();
        std::int64_t end = std::ftell(FFile);
        if (end > 0xFFFFFFFFLL) ThrowWriteError(FTarget, "a WAV file cannot hold more than 4 GB");
        std::fseek(FFile, 4, SEEK_SET);
        Put32(std::uint32_t(end - 8));
        std::fseek(FFile, FDataSizePos, SEEK_SET);
        Put32(std::uint32_t(FDataBytes));
        if (FFactPos > 0) {
            std::fseek(FFile, FFactPos, SEEK_SET);
            Put32(std::uint32_t(FFrames));
        }
        Flush();
        if (std::fclose(FFile) != 0) {
            FFile = nullptr;
            Fail();
        }
        FFile = nullptr;
    }

private:
    // A sample at `scale` steps to full scale, rounded to the nearest step and clipped to the range.
    // Written without calls or branches, so the loops over a block run on vector instructions.
    static std::int32_t IntegerSample(float v, float scale) {
        float x = std::min(std::max(v * scale, -scale), scale - 1.0f);
        x = (v - v) == 0.0f ? x : 0.0f; // not a number, or infinite: silence
        return std::int32_t(x + std::copysign(0.5f, x));
    }
    // The save ends by waiting until the file is on the disk. Asking the system to start writing each
    // few megabytes as they come lets the disk work while the rest is converted, so that wait is short.
    void StartWriteBack() {
        constexpr std::int64_t stride = 8 << 20;
        if (FDataBytes - FWrittenBack < stride) return;
        Flush();
        const std::int64_t upTo = FDataBytes / stride * stride;
        sync_file_range(fileno(FFile), FWrittenBack, upTo - FWrittenBack, SYNC_FILE_RANGE_WRITE);
        FWrittenBack = upTo;
    }
    [[noreturn]] void Fail() const { ThrowWriteError(FTarget, errno); }
    void Flush() {
        if (std::fflush(FFile) != 0 || std::ferror(FFile)) Fail();
    }
    void PutText(const char* four) {
        if (std::fwrite(four, 1, 4, FFile) != 4) Fail();
    }
    void Put16(int v) {
        std::uint8_t b[2] = {std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF)};
        if (std::fwrite(b, 1, 2, FFile) != 2) Fail();
    }
    void Put32(std::uint32_t v) {
        std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                             std::uint8_t(v >> 24)};
        if (std::fwrite(b, 1, 4, FFile) != 4) Fail();
    }
    void WriteInfo() {
        std::vector<std::pair<const char*, std::string>> items = {
            {"INAM", FTags.Title}, {"IART", FTags.Artist},  {"IPRD", FTags.Album},
            {"ICRD", FTags.Year},  {"ICMT", FTags.Comment}, {"IGNR", audio_genres::Name(FTags.Genre)}};
        std::uint32_t size = 4;
        for (auto& [id, text] : items)
            if (!text.empty()) size += 8 + std::uint32_t((text.size() + 2) & ~std::size_t(1));
        if (size == 4) return;
        PutText("LIST");
        Put32(size);
        PutText("INFO");
        for (auto& [id, text] : items) {
            if (text.empty()) continue;
            PutText(id);
            Put32(std::uint32_t(text.size() + 1));
            std::string padded = text + '\0';
            if (padded.size() & 1) padded += '\0';
            if (std::fwrite(padded.data(), 1, padded.size(), FFile) != padded.size()) Fail();
        }
    }

    TEncoderTarget FTarget;
    int FChannels, FBits;
    TAudioTags FTags;
    std::FILE* FFile = nullptr;
    long FDataSizePos = 0, FFactPos = 0;
    std::int64_t FDataBytes = 0, FFrames = 0;
    std::int64_t FWrittenBack = 0; // bytes from the start of the file the system was asked to write out
    std::vector<std::uint8_t> FBytes;
};

} // namespace wav_encoder_detail

std::unique_ptr<TAudioEncoder> MakeWavEncoder(const TEncoderTarget& target, int sampleRate, int channels,
                                              int bits, const TAudioTags& tags) {
    return std::make_unique<wav_encoder_detail::TWavEncoder>(target, sampleRate, channels, bits, tags);
}
