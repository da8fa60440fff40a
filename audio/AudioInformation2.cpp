#include "audio/AudioInformation2.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioError.h"
#include "audio/FfmpegLog.h"
#include "audio/SafeFileTarget.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <vector>

void TAudioInformation2::Open(const std::string& path) {
    TAudioDecoder decoder(path);
    FLength = decoder.LengthFrames();
    FSampleRate = decoder.SampleRate();
    FTags = decoder.Tags();
    FOpen = true;
}

std::int64_t TAudioInformation2::GetLength() const {
    if (!FOpen) throw EAudioError("No file is open.");
    return FLength;
}

void TAudioInformation2::WriteTags(const std::string& path) const {
    WriteAudioTags(path, FTags);
}

namespace tag_writer_detail {

struct TInput {
    AVFormatContext* Context = nullptr;
    ~TInput() {
        if (Context) avformat_close_input(&Context);
    }
};

struct TOutput {
    AVFormatContext* Context = nullptr;
    ~TOutput() {
        if (Context) {
            if (Context->pb) avio_closep(&Context->pb);
            avformat_free_context(Context);
        }
    }
};

// The container to write for what was read: the same one.
const char* MuxerFor(const AVInputFormat* input) {
    std::string name = input->name;
    if (name == "wav") return "wav";
    if (name == "mp3") return "mp3";
    if (name == "ogg") return "ogg";
    if (name == "asf") return "asf";
    return nullptr;
}

void SetTags(AVDictionary** dict, const TAudioTags& tags, bool asf) {
    for (const char* key : {"title", "artist", "author", "album", "date", "comment", "genre", "ICMT"})
        av_dict_set(dict, key, nullptr, 0);
    auto set = [&](const char* key, const std::string& value) {
        if (!value.empty()) av_dict_set(dict, key, value.c_str(), 0);
    };
    set("title", tags.Title);
    set(asf ? "author" : "artist", tags.Artist);
    set("album", tags.Album);
    set("date", tags.Year);
    set("comment", tags.Comment);
    set("genre", audio_genres::Name(tags.Genre));
}

} // namespace tag_writer_detail

void WriteAudioTags(const std::string& path, const TAudioTags& tags) {
    using namespace tag_writer_detail;
    auto fail = [&](const std::string& why) {
        throw EAudioError("Cannot write the tags of \"" + path + "\": " + why);
    };
    ffmpeg_log::Quiet();
    TInput in;
    if (avformat_open_input(&in.Context, path.c_str(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(in.Context, nullptr) < 0)
        fail("the file cannot be read.");
    const char* muxer = MuxerFor(in.Context->iformat);
    if (!muxer) fail("this file format carries no tags.");
    TSafeFileTarget target(path);
    TOutput out;
    if (avformat_alloc_output_context2(&out.Context, nullptr, muxer, target.TemporaryPath().c_str()) < 0)
        fail("the file format cannot be written.");
    std::vector<int> map(in.Context->nb_streams, -1);
    for (unsigned i = 0; i < in.Context->nb_streams; ++i) {
        AVStream* source = in.Context->streams[i];
        if (source->codecpar->codec_type != AVMEDIA_TYPE_AUDIO) continue;
        AVStream* copy = avformat_new_stream(out.Context, nullptr);
        if (!copy || avcodec_parameters_copy(copy->codecpar, source->codecpar) < 0) fail("out of memory.");
        copy->codecpar->codec_tag = 0;
        copy->time_base = source->time_base;
        av_dict_copy(&copy->metadata, source->metadata, 0);
        SetTags(&copy->metadata, tags, std::string(muxer) == "asf");
        map[i] = copy->index;
    }
    av_dict_copy(&out.Context->metadata, in.Context->metadata, 0);
    SetTags(&out.Context->metadata, tags, std::string(muxer) == "asf");
    if (std::string(muxer) == "asf")
        av_dict_set(&out.Context->metadata, "artist", tags.Artist.empty() ? nullptr : tags.Artist.c_str(), 0);
    if (avio_open(&out.Context->pb, target.TemporaryPath().c_str(), AVIO_FLAG_WRITE) < 0)
        fail("the file cannot be written.");
    if (avformat_write_header(out.Context, nullptr) < 0) fail("the file cannot be written.");
    AVPacket* packet = av_packet_alloc();
    int rc = 0;
    while ((rc = av_read_frame(in.Context, packet)) >= 0) {
        int index = packet->stream_index;
        if (index < 0 || index >= int(map.size()) || map[index] < 0) {
            av_packet_unref(packet);
            continue;
        }
        packet->stream_index = map[index];
        av_packet_rescale_ts(packet, in.Context->streams[index]->time_base,
                             out.Context->streams[map[index]]->time_base);
        packet->pos = -1;
        if (av_interleaved_write_frame(out.Context, packet) < 0) {
            av_packet_free(&packet);
            fail("the file cannot be written.");
        }
    }
    av_packet_free(&packet);
    if (av_write_trailer(out.Context) < 0 || avio_closep(&out.Context->pb) < 0)
        fail("the file cannot be written.");
    target.Commit();
}
