// MP3 writer over libmp3lame: constant bit rate, presets, variable rate by quality or average rate,
// channel modes, XING/LAME header and frame checksums; ID3 tags (version 2 at the start, 1 at the end).
#include "audio/AudioEncoder.h"
#include "audio/AudioError.h"
#include "platform/rtl/CodePages.h"

#include <lame/lame.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace mp3_encoder_detail {

MPEG_mode ModeOf(int channelMode, int channels) {
    if (channels == 1) return MONO;
    switch (channelMode) {
    case 2:
        return JOINT_STEREO;
    case 4:
        return DUAL_CHANNEL;
    default:
        return STEREO;
    }
}

class TMp3Encoder final : public TAudioEncoder {
public:
    TMp3Encoder(const TOutputFormat& f, const TEncoderTarget& target, const TAudioTags& tags)
        : FTarget(target) {
        // A constructor that fails runs no destructor: what was made so far is released here.
        try {
            Start(f, target.Path, tags);
        } catch (...) {
            Release();
            throw;
        }
    }
    ~TMp3Encoder() override { Release(); }

    void Write(const float* in, std::int64_t frames) override {
        constexpr std::int64_t chunk = 8192;
        for (std::int64_t done = 0; done < frames; done += chunk) {
            int n = int(std::min(chunk, frames - done));
            FOut.resize(std::size_t(1.25 * n + 7200));
            const float* p = in + done * FChannels;
            int bytes =
                FChannels == 2
                    ? lame_encode_buffer_interleaved_ieee_float(FLame, p, n, FOut.data(), int(FOut.size()))
                    : lame_encode_buffer_ieee_float(FLame, p, p, n, FOut.data(), int(FOut.size()));
            if (bytes < 0) throw EAudioError("The MP3 encoder failed.");
            Put(FOut.data(), std::size_t(bytes));
        }
    }

    void Finish() override {
        FOut.resize(7200);
        int bytes = lame_encode_flush(FLame, FOut.data(), int(FOut.size()));
        if (bytes < 0) throw EAudioError("The MP3 encoder failed.");
        Put(FOut.data(), std::size_t(bytes));
        unsigned char v1[128];
        std::size_t v1Size = lame_get_id3v1_tag(FLame, v1, sizeof v1);
        Put(v1, v1Size);
        // The XING/LAME frame at the start now gets its final contents.
        std::vector<unsigned char> frame(lame_get_lametag_frame(FLame, nullptr, 0));
        if (!frame.empty() && lame_get_bWriteVbrTag(FLame)) {
            lame_get_lametag_frame(FLame, frame.data(), frame.size());
            std::fseek(FFile, FAudioStart, SEEK_SET);
            Put(frame.data(), frame.size());
        }
        if (std::fclose(FFile) != 0) {
            FFile = nullptr;
            Fail();
        }
        FFile = nullptr;
    }

private:
    void Start(const TOutputFormat& f, const std::string& path, const TAudioTags& tags) {
        TEncodedShape shape = EncodedShape(f);
        FChannels = shape.Channels;
        FLame = lame_init();
        if (!FLame) throw EAudioError("Cannot start the MP3 encoder.");
        lame_set_in_samplerate(FLame, shape.SampleRate);
        lame_set_out_samplerate(FLame, shape.SampleRate);
        lame_set_num_channels(FLame, FChannels);
        bool xing = true;
        if (!f.UseLameSettings) {
            lame_set_VBR(FLame, vbr_off);
            lame_set_brate(FLame, f.Mp3BitRate);
            lame_set_mode(FLame, ModeOf(f.Mp3ChannelMode, FChannels));
        } else if (f.Lame.UsePreset) {
            auto p = mp3_presets::Get(f.Lame.Preset);
            lame_set_VBR(FLame, vbr_off);
            lame_set_brate(FLame, p.BitRate);
            lame_set_mode(FLame, ModeOf(p.ChannelMode, FChannels));
        } else {
            const TLameSettings& s = f.Lame;
            lame_set_mode(FLame, ModeOf(s.ChannelMode, FChannels));
            if (s.BitRateMode == 4) {
                lame_set_VBR(FLame, vbr_abr);
                lame_set_VBR_mean_bitrate_kbps(FLame, s.AverageBitRate);
            } else {
                lame_set_VBR(FLame, vbr_mtrh);
                lame_set_VBR_quality(FLame, float(s.VBRQuality));
            }
            lame_set_VBR_min_bitrate_kbps(FLame, s.MinBitRate);
            lame_set_VBR_max_bitrate_kbps(FLame, s.MaxBitRate);
            lame_set_VBR_hard_min(FLame, 1);
            lame_set_error_protection(FLame, s.Checksum ? 1 : 0);
            xing = s.XingHeader;
        }
        lame_set_bWriteVbrTag(FLame, xing ? 1 : 0);
        lame_set_write_id3tag_automatic(FLame, 0);
        id3tag_init(FLame);
        id3tag_add_v2(FLame);
        SetTag(tags.Title, id3tag_set_title, "TIT2");
        SetTag(tags.Artist, id3tag_set_artist, "TPE1");
        SetTag(tags.Album, id3tag_set_album, "TALB");
        SetTag(tags.Year, id3tag_set_year, "TYER");
        SetTag(tags.Comment, id3tag_set_comment, "COMM");
        if (tags.Genre >= 0) id3tag_set_genre(FLame, std::to_string(tags.Genre).c_str());
        if (lame_init_params(FLame) < 0) throw EAudioError("The MP3 encoder does not accept these settings.");
        FFile = std::fopen(path.c_str(), "wb");
        if (!FFile) Fail();
        std::vector<unsigned char> tag(lame_get_id3v2_tag(FLame, nullptr, 0));
        if (!tag.empty()) {
            lame_get_id3v2_tag(FLame, tag.data(), tag.size());
            Put(tag.data(), tag.size());
        }
        FAudioStart = std::ftell(FFile);
    }
    // Version 1 tags hold Latin-1 text: the setter writes it there (and into a Latin-1 version 2 frame);
    // text that is not plain ASCII then gets its version 2 frame again in UTF-16, marked as such, so
    // every character survives and readers decode it as what it is.
    void SetTag(const std::string& text, void (*setLatin1)(lame_t, const char*), const char* frame) {
        if (text.empty()) return;
        setLatin1(FLame, Utf8ToCodePage(text, CP_LATIN1).c_str());
        if (std::all_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return;
        std::u16string wide = u"\uFEFF" + Utf8ToUtf16(text);
        std::vector<unsigned short> units(wide.begin(), wide.end());
        units.push_back(0);
        if (std::string(frame) == "COMM") {
            const unsigned short noDescription[] = {0xFEFF, 0};
            id3tag_set_comment_utf16(FLame, "eng", noDescription, units.data());
        } else {
            id3tag_set_textinfo_utf16(FLame, frame, units.data());
        }
    }
    void Release() {
        if (FLame) lame_close(FLame);
        if (FFile) std::fclose(FFile);
    }
    [[noreturn]] void Fail() const { ThrowWriteError(FTarget, errno); }
    void Put(const void* data, std::size_t size) {
        if (size && std::fwrite(data, 1, size, FFile) != size) Fail();
    }
    TEncoderTarget FTarget;
    int FChannels = 2;
    lame_global_flags* FLame = nullptr;
    std::FILE* FFile = nullptr;
    long FAudioStart = 0;
    std::vector<unsigned char> FOut;
};

} // namespace mp3_encoder_detail

std::unique_ptr<TAudioEncoder> MakeMp3Encoder(const TOutputFormat& format, const TEncoderTarget& target,
                                              const TAudioTags& tags) {
    return std::make_unique<mp3_encoder_detail::TMp3Encoder>(format, target, tags);
}
