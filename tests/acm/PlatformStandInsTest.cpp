#include "acm/Msacm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

WAVEFORMATEX Pcm(DWORD rate, WORD channels, WORD bits) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.wBitsPerSample = bits;
    f.nBlockAlign = WORD(channels * bits / 8);
    f.nAvgBytesPerSec = rate * f.nBlockAlign;
    return f;
}

// Converts `in` with one stream and returns the output bytes.
std::vector<BYTE> ConvertOnce(const WAVEFORMATEX& from, const WAVEFORMATEX& to, const std::vector<BYTE>& in) {
    HACMSTREAM stream = nullptr;
    EXPECT_EQ(acmStreamOpen(&stream, nullptr, &from, &to, nullptr, 0, 0, 0), MMSYSERR_NOERROR);
    DWORD outSize = 0;
    EXPECT_EQ(acmStreamSize(stream, DWORD(in.size()), &outSize, ACM_STREAMSIZEF_SOURCE), MMSYSERR_NOERROR);
    std::vector<BYTE> source = in, out(outSize);
    ACMSTREAMHEADER header;
    header.pbSrc = source.data();
    header.cbSrcLength = DWORD(source.size());
    header.pbDst = out.data();
    header.cbDstLength = DWORD(out.size());
    EXPECT_EQ(acmStreamConvert(stream, &header, 0), ACMERR_UNPREPARED);
    EXPECT_EQ(acmStreamPrepareHeader(stream, &header, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_BLOCKALIGN), MMSYSERR_NOERROR);
    EXPECT_EQ(header.cbSrcLengthUsed, DWORD(in.size() / from.nBlockAlign * from.nBlockAlign));
    out.resize(header.cbDstLengthUsed);
    EXPECT_EQ(acmStreamUnprepareHeader(stream, &header, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(acmStreamClose(stream, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(acmStreamClose(stream, 0), MMSYSERR_INVALHANDLE); // closed handles are refused
    return out;
}

std::vector<BYTE> Bytes16(std::initializer_list<std::int16_t> values) {
    std::vector<BYTE> out(values.size() * 2);
    std::memcpy(out.data(), values.begin(), out.size());
    return out;
}

TEST(AcmStream, SampleSizeAndChannelConversions) {
    struct Case {
        WAVEFORMATEX From, To;
        std::vector<BYTE> In, Out;
    };
    const Case cases[] = {
        // 16-bit stereo to mono averages the sides.
        {Pcm(8000, 2, 16), Pcm(8000, 1, 16), Bytes16({1000, 3000, -200, -400}), Bytes16({2000, -300})},
        // Mono to stereo copies to both sides.
        {Pcm(8000, 1, 16), Pcm(8000, 2, 16), Bytes16({1234, -32768}), Bytes16({1234, 1234, -32768, -32768})},
        // 16 to 8 bits: silence is 128, full scale the ends.
        {Pcm(8000, 1, 16), Pcm(8000, 1, 8), Bytes16({0, 32767, -32768}), {128, 255, 0}},
        // 8 to 16 bits.
        {Pcm(8000, 1, 8), Pcm(8000, 1, 16), {128, 192, 0}, Bytes16({0, 16384, -32768})},
        // An odd byte at the end waits (block alignment).
        {Pcm(8000, 1, 16), Pcm(8000, 1, 16), {1, 0, 7}, Bytes16({1})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertOnce(c.From, c.To, c.In), c.Out);
}

TEST(AcmStream, OpenQueryAndSuggest) {
    const WAVEFORMATEX pcm = Pcm(44100, 2, 16);
    WAVEFORMATEX compressed = pcm;
    compressed.wFormatTag = 85;
    EXPECT_EQ(acmStreamOpen(nullptr, nullptr, &pcm, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_QUERY),
              MMSYSERR_NOERROR);
    EXPECT_EQ(acmStreamOpen(nullptr, nullptr, &compressed, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_QUERY),
              ACMERR_NOTPOSSIBLE);
    WAVEFORMATEX suggestion{};
    suggestion.wFormatTag = WAVE_FORMAT_PCM;
    ASSERT_EQ(acmFormatSuggest(nullptr, &pcm, &suggestion, sizeof suggestion, ACM_FORMATSUGGESTF_WFORMATTAG),
              MMSYSERR_NOERROR);
    EXPECT_EQ(std::memcmp(&suggestion, &pcm, sizeof pcm), 0);
    EXPECT_EQ(
        acmFormatSuggest(nullptr, &compressed, &suggestion, sizeof suggestion, ACM_FORMATSUGGESTF_WFORMATTAG),
        ACMERR_NOTPOSSIBLE);
    suggestion.nSamplesPerSec = 22050;
    ASSERT_EQ(
        acmFormatSuggest(nullptr, &pcm, &suggestion, sizeof suggestion, ACM_FORMATSUGGESTF_NSAMPLESPERSEC),
        MMSYSERR_NOERROR);
    EXPECT_EQ(suggestion.nSamplesPerSec, 22050u);
    EXPECT_EQ(suggestion.nAvgBytesPerSec, 22050u * 4);
}

TEST(WaveIn, RefusesBadCallsWithTheirCodes) {
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    WAVEFORMATEX format = Pcm(44100, 2, 16);
    WAVEFORMATEX bad = format;
    bad.nBlockAlign = 3;
    HWAVEIN handle = nullptr;
    EXPECT_EQ(waveInOpen(&handle, WAVE_MAPPER, &bad, 0, 0, CALLBACK_WINDOW), WAVERR_BADFORMAT);
    EXPECT_EQ(waveInOpen(&handle, 99, &format, 0, 0, CALLBACK_WINDOW), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(waveInOpen(nullptr, WAVE_MAPPER, &format, 0, 0, WAVE_FORMAT_QUERY), MMSYSERR_NOERROR);
    EXPECT_EQ(waveInOpen(&handle, WAVE_MAPPER, &format, 0, 0, CALLBACK_WINDOW),
              MMSYSERR_INVALFLAG); // no window
    WAVEHDR header;
    std::vector<char> data(1024);
    header.lpData = data.data();
    header.dwBufferLength = DWORD(data.size());
    EXPECT_EQ(waveInAddBuffer(reinterpret_cast<HWAVEIN>(&header), &header, sizeof header),
              MMSYSERR_INVALHANDLE);
    EXPECT_EQ(waveInStart(nullptr), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(waveInClose(nullptr), MMSYSERR_INVALHANDLE);
    saved.empty() ? unsetenv("SDL_AUDIODRIVER") : setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
}

} // namespace
