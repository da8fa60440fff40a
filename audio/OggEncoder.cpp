// OGG Vorbis writer over libvorbisenc: an average bit rate or a quality level; tags as comments.
#include "audio/AudioEncoder.h"
#include "audio/AudioError.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

namespace ogg_encoder_detail {

class TOggEncoder final : public TAudioEncoder {
public:
    TOggEncoder(const TOutputFormat& f, const TEncoderTarget& target, const TAudioTags& tags)
        : FTarget(target) {
        // A constructor that fails runs no destructor: what was made so far is released here.
        try {
            Start(f, target.Path, tags);
        } catch (...) {
            Release();
            throw;
        }
    }
    ~TOggEncoder() override { Release(); }

    void Write(const float* in, std::int64_t frames) override {
        constexpr std::int64_t chunk = 4096;
        for (std::int64_t done = 0; done < frames; done += chunk) {
            int n = int(std::min(chunk, frames - done));
            float** buffer = vorbis_analysis_buffer(&FDsp, n);
            for (int i = 0; i < n; ++i)
                for (int c = 0; c < FChannels; ++c)
                    buffer[c][i] = in[(done + i) * FChannels + c];
            vorbis_analysis_wrote(&FDsp, n);
            Drain();
        }
    }

    void Finish() override {
        vorbis_analysis_wrote(&FDsp, 0);
        Drain();
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
        vorbis_info_init(&FInfo);
        FInfoReady = true;
        int rc = f.OggQuality < 0 ? vorbis_encode_init(&FInfo, FChannels, shape.SampleRate, -1,
                                                       long(f.OggBitRate) * 1000, -1)
                                  : vorbis_encode_init_vbr(&FInfo, FChannels, shape.SampleRate,
                                                           std::clamp(f.OggQuality, 0, 1000) / 1000.0f);
        if (rc != 0) throw EAudioError("The OGG encoder does not accept these settings.");
        vorbis_comment_init(&FComment);
        auto add = [&](const char* key, const std::string& value) {
            if (!value.empty()) vorbis_comment_add_tag(&FComment, key, value.c_str());
        };
        add("TITLE", tags.Title);
        add("ARTIST", tags.Artist);
        add("ALBUM", tags.Album);
        add("DATE", tags.Year);
        add("COMMENT", tags.Comment);
        add("GENRE", audio_genres::Name(tags.Genre));
        vorbis_analysis_init(&FDsp, &FInfo);
        vorbis_block_init(&FDsp, &FBlock);
        std::random_device seed;
        ogg_stream_init(&FStream, int(seed() & 0x7FFFFFFF));
        FStarted = true;
        FFile = std::fopen(path.c_str(), "wb");
        if (!FFile) Fail();
        ogg_packet header, comments, code;
        vorbis_analysis_headerout(&FDsp, &FComment, &header, &comments, &code);
        ogg_stream_packetin(&FStream, &header);
        ogg_stream_packetin(&FStream, &comments);
        ogg_stream_packetin(&FStream, &code);
        ogg_page page;
        while (ogg_stream_flush(&FStream, &page))
            PutPage(page);
    }
    void Release() {
        if (FStarted) {
            ogg_stream_clear(&FStream);
            vorbis_block_clear(&FBlock);
            vorbis_dsp_clear(&FDsp);
            vorbis_comment_clear(&FComment);
        }
        if (FInfoReady) vorbis_info_clear(&FInfo);
        if (FFile) std::fclose(FFile);
    }
    [[noreturn]] void Fail() const { ThrowWriteError(FTarget, errno); }
    void PutPage(const ogg_page& page) {
        if (std::fwrite(page.header, 1, std::size_t(page.header_len), FFile) !=
                std::size_t(page.header_len) ||
            std::fwrite(page.body, 1, std::size_t(page.body_len), FFile) != std::size_t(page.body_len))
            Fail();
    }
    void Drain() {
        while (vorbis_analysis_blockout(&FDsp, &FBlock) == 1) {
            vorbis_analysis(&FBlock, nullptr);
            vorbis_bitrate_addblock(&FBlock);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&FDsp, &packet)) {
                ogg_stream_packetin(&FStream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&FStream, &page))
                    PutPage(page);
                if (packet.e_o_s)
                    while (ogg_stream_flush(&FStream, &page))
                        PutPage(page);
            }
        }
    }

    TEncoderTarget FTarget;
    int FChannels = 2;
    vorbis_info FInfo{};
    vorbis_comment FComment{};
    vorbis_dsp_state FDsp{};
    vorbis_block FBlock{};
    ogg_stream_state FStream{};
    bool FInfoReady = false, FStarted = false;
    std::FILE* FFile = nullptr;
};

} // namespace ogg_encoder_detail

std::unique_ptr<TAudioEncoder> MakeOggEncoder(const TOutputFormat& format, const TEncoderTarget& target,
                                              const TAudioTags& tags) {
    return std::make_unique<ogg_encoder_detail::TOggEncoder>(format, target, tags);
}
