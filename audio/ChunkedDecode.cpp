#include "audio/ChunkedDecode.h"

#include "audio/AudioError.h"
#include "audio/FrameConverter.h"
#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace chunked_detail {

// Packets a stretch's decoder sees before the stretch, or -1 where stretches cannot be decoded apart.
// Frames of plain samples and FLAC stand alone. An MP3 frame may take its data from up to 511 bytes of
// the frames before it and overlaps the one before; eight frames cover that at any bit rate. A Vorbis
// packet overlaps the one before it, whose own first output the decoder drops. A WMA frame overlaps the
// one before and may begin in the packet before; but at low bit rates WMA fills the high bands with
// noise from a generator whose state goes back to the start of the stream, so only the rates that code
// without noise are split. None of these codecs holds output back except at the end of the stream.
// The WMA decoder leaves out noise filling from a bit rate per sample of about 0.61 (stereo counting 1.6
// times) at 44.1 kHz and above, and of about 1.16 at 22.05 kHz; these limits have a margin.
bool WmaCodesWithoutNoise(const AVCodecParameters& codec) {
    const int channels = codec.ch_layout.nb_channels;
    if (codec.bit_rate <= 0 || codec.sample_rate <= 0 || channels <= 0) return false;
    double perSample = double(codec.bit_rate) / (double(channels) * codec.sample_rate);
    if (channels == 2) perSample *= 1.6;
    if (codec.sample_rate >= 44100) return perSample >= 0.65;
    if (codec.sample_rate >= 22050) return perSample >= 1.25;
    return false;
}

int WarmUpPackets(const AVCodecParameters& codec) {
    switch (codec.codec_id) {
    case AV_CODEC_ID_FLAC:
        return 0;
    case AV_CODEC_ID_MP3:
    case AV_CODEC_ID_MP2:
        return 8;
    case AV_CODEC_ID_VORBIS:
        return 2;
    case AV_CODEC_ID_WMAV1:
    case AV_CODEC_ID_WMAV2:
        return WmaCodesWithoutNoise(codec) ? 4 : -1;
    default:
        break;
    }
    // Plain samples (the PCM family, which comes first among the audio codecs) stand alone.
    return codec.codec_id >= AV_CODEC_ID_FIRST_AUDIO && codec.codec_id < AV_CODEC_ID_ADPCM_IMA_QT ? 0 : -1;
}

struct TPacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
using TPacket = std::unique_ptr<AVPacket, TPacketFree>;

struct TChunk {
    std::size_t Index = 0;
    std::vector<TPacket> Packets; // the warm-up packets first
    std::size_t WarmUp = 0;       // how many of them there are
    bool Last = false;
};

// One decoder, reused from stretch to stretch of a thread.
class TChunkDecoder {
public:
    TChunkDecoder(const TChunkSource& source, const AVCodecParameters& params) : FPath(source.Path) {
        FCodec = avcodec_alloc_context3(source.Codec);
        FFrame = av_frame_alloc();
        if (!FCodec || !FFrame) throw std::bad_alloc();
        if (avcodec_parameters_to_context(FCodec, &params) < 0 ||
            avcodec_open2(FCodec, source.Codec, nullptr) < 0)
            throw EAudioError("Cannot open \"" + FPath + "\": the decoder cannot start");
        FConverter = std::make_unique<TFrameConverter>(*FCodec, source.OutChannels, FPath.c_str());
    }
    ~TChunkDecoder() {
        FConverter.reset();
        av_frame_free(&FFrame);
        avcodec_free_context(&FCodec);
    }

    TSampleSequence Decode(TChunk& chunk, const std::shared_ptr<TBlockStore>& store,
                           std::atomic<std::int64_t>& decoded, std::atomic<int>& errors) {
        if (FUsed) avcodec_flush_buffers(FCodec);
        FUsed = true;
        TSequenceBuilder builder(store, FConverter->OutChannels());
        // Frames that come out after a packet went in belong to that packet: these codecs hold nothing
        // back, so what a warm-up packet gives is dropped exactly.
        for (std::size_t i = 0; i < chunk.Packets.size(); ++i) {
            const bool keep = i >= chunk.WarmUp;
            if (avcodec_send_packet(FCodec, chunk.Packets[i].get()) < 0 && keep) ++errors;
            chunk.Packets[i].reset();
            Receive(builder, keep, decoded, errors);
        }
        if (chunk.Last) {
            avcodec_send_packet(FCodec, nullptr);
            Receive(builder, true, decoded, errors);
        }
        return builder.Finish();
    }

private:
    void Receive(TSequenceBuilder& builder, bool keep, std::atomic<std::int64_t>& decoded,
                 std::atomic<int>& errors) {
        while (true) {
            int rc = avcodec_receive_frame(FCodec, FFrame);
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return;
            if (rc < 0) {
                if (keep) ++errors;
                return;
            }
            if (keep && FFrame->nb_samples > 0) {
                builder.AppendPlanarWith(
                    FFrame->nb_samples, [&](float* const* planes) { FConverter->ToPlanar(*FFrame, planes); });
                decoded += FFrame->nb_samples;
            }
            av_frame_unref(FFrame);
        }
    }

    std::string FPath;
    AVCodecContext* FCodec = nullptr;
    AVFrame* FFrame = nullptr;
    std::unique_ptr<TFrameConverter> FConverter;
    bool FUsed = false;
};

// The stretches between the reading thread and the decoding threads, and their results.
class TChunkQueue {
public:
    explicit TChunkQueue(std::size_t capacity) : FCapacity(capacity) {}

    // False when decoding has failed and nothing more is wanted.
    bool Push(TChunk&& chunk, const std::function<void()>& whileWaiting) {
        std::unique_lock lock(FMutex);
        while (FWaiting.size() >= FCapacity && !FFailure) {
            FChanged.wait_for(lock, std::chrono::milliseconds(50));
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
        if (FFailure) return false;
        FWaiting.push_back(std::move(chunk));
        ++FPushed;
        FChanged.notify_all();
        return true;
    }
    void Close() {
        std::lock_guard lock(FMutex);
        FClosed = true;
        FChanged.notify_all();
    }
    std::optional<TChunk> Pop() {
        std::unique_lock lock(FMutex);
        FChanged.wait(lock, [&] { return !FWaiting.empty() || FClosed || FFailure; });
        if (FWaiting.empty() || FFailure) return std::nullopt;
        TChunk chunk = std::move(FWaiting.front());
        FWaiting.pop_front();
        FChanged.notify_all();
        return chunk;
    }
    void Done(std::size_t index, TSampleSequence&& result) {
        std::lock_guard lock(FMutex);
        if (FResults.size() <= index) FResults.resize(index + 1);
        FResults[index] = std::move(result);
        ++FDone;
        FChanged.notify_all();
    }
    void Fail(std::exception_ptr failure) {
        std::lock_guard lock(FMutex);
        if (!FFailure) FFailure = failure;
        FChanged.notify_all();
    }
    // Waits until every pushed stretch is decoded (or one failed), calling whileWaiting now and then.
    void WaitAll(const std::function<void()>& whileWaiting) {
        std::unique_lock lock(FMutex);
        while (FDone < FPushed && !FFailure) {
            FChanged.wait_for(lock, std::chrono::milliseconds(50));
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
    }
    std::exception_ptr Failure() {
        std::lock_guard lock(FMutex);
        return FFailure;
    }
    std::vector<std::optional<TSampleSequence>>& Results() { return FResults; }

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    std::deque<TChunk> FWaiting;
    std::size_t FCapacity;
    std::size_t FPushed = 0, FDone = 0;
    bool FClosed = false;
    std::exception_ptr FFailure;
    std::vector<std::optional<TSampleSequence>> FResults;
};

// Frames a packet holds, as far as the container tells.
std::int64_t PacketFrames(const AVPacket& packet, const AVStream& stream) {
    if (packet.duration > 0)
        return av_rescale_q(packet.duration, stream.time_base, AVRational{1, stream.codecpar->sample_rate});
    if (int frames = av_get_audio_frame_duration2(stream.codecpar, packet.size); frames > 0) return frames;
    return stream.codecpar->frame_size > 0 ? stream.codecpar->frame_size : 1152;
}

} // namespace chunked_detail

bool CanDecodeInChunks(const AVCodecParameters& codec) {
    return chunked_detail::WarmUpPackets(codec) >= 0;
}

TSampleSequence DecodeInChunks(const TChunkSource& source, const std::shared_ptr<TBlockStore>& store,
                               const TDecodeSplit& split, const TProgressFunc& progress, int& errors) {
    using namespace chunked_detail;
    const AVStream& stream = *source.Format->streams[source.StreamIndex];
    const int warmUp = WarmUpPackets(*stream.codecpar);
    if (warmUp < 0) throw EAudioError("Cannot open \"" + source.Path + "\": the codec cannot be split");
    const int cores = int(effects::WorkerCount());
    const int wanted = split.Workers > 0 ? split.Workers : cores;
    // Stretches small enough that every thread gets several (the last ones then finish together), large
    // enough that the warm-up packets cost little.
    std::int64_t chunkFrames = split.ChunkFrames;
    if (chunkFrames <= 0)
        chunkFrames =
            std::clamp<std::int64_t>(source.ExpectedFrames / (std::int64_t(wanted) * 4),
                                     TSampleBlock::PreferredFrames, 8 * TSampleBlock::PreferredFrames);
    const int workers = int(std::clamp<std::int64_t>(source.ExpectedFrames / chunkFrames + 1, 1, wanted));

    TChunkQueue queue(std::size_t(workers) * 2);
    std::atomic<std::int64_t> decoded{0};
    std::atomic<int> refused{0};
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w)
        threads.emplace_back([&] {
            try {
                TChunkDecoder decoder(source, *stream.codecpar);
                while (std::optional<TChunk> chunk = queue.Pop())
                    queue.Done(chunk->Index, decoder.Decode(*chunk, store, decoded, refused));
            } catch (...) {
                queue.Fail(std::current_exception());
            }
        });
    int lastPercent = -1;
    auto report = [&] {
        if (!progress || source.ExpectedFrames <= 0) return;
        int percent = int(std::min<std::int64_t>(99, decoded.load() * 100 / source.ExpectedFrames));
        if (percent > lastPercent) progress(lastPercent = percent);
    };

    // This thread reads the packets and hands them out a stretch at a time.
    std::deque<TPacket> recent; // the last packets of the stretch before, for the next one's warm-up
    TChunk chunk;
    std::int64_t chunkSoFar = 0;
    auto startChunk = [&](std::size_t index) {
        chunk = TChunk{};
        chunk.Index = index;
        for (const TPacket& p : recent)
            chunk.Packets.emplace_back(av_packet_clone(p.get()));
        chunk.WarmUp = chunk.Packets.size();
        chunkSoFar = 0;
    };
    // The progress handler may end the decode by throwing (the user's Cancel): the workers then stop
    // after the stretch in hand and are joined before the exception leaves.
    struct TWorkersJoined {
        TChunkQueue& Queue;
        std::vector<std::thread>& Threads;
        ~TWorkersJoined() {
            if (std::uncaught_exceptions() > 0) Queue.Fail(std::make_exception_ptr(EAudioError("stopped")));
            for (std::thread& thread : Threads)
                if (thread.joinable()) thread.join();
        }
    } joined{queue, threads};
    startChunk(0);
    bool ok = true;
    TPacket packet(av_packet_alloc());
    while (ok && av_read_frame(source.Format, packet.get()) >= 0) {
        if (packet->stream_index != source.StreamIndex) {
            av_packet_unref(packet.get());
            continue;
        }
        chunkSoFar += PacketFrames(*packet, stream);
        if (warmUp > 0) {
            recent.emplace_back(av_packet_clone(packet.get()));
            if (int(recent.size()) > warmUp) recent.pop_front();
        }
        chunk.Packets.emplace_back(av_packet_alloc());
        av_packet_move_ref(chunk.Packets.back().get(), packet.get());
        if (chunkSoFar >= chunkFrames) {
            std::size_t next = chunk.Index + 1;
            ok = queue.Push(std::move(chunk), report);
            startChunk(next);
        }
    }
    if (ok) {
        chunk.Last = true;
        queue.Push(std::move(chunk), report);
    }
    queue.Close();
    queue.WaitAll(report);
    for (std::thread& thread : threads)
        thread.join();
    if (std::exception_ptr failure = queue.Failure()) std::rethrow_exception(failure);
    errors += refused.load();
    TSequenceBuilder whole(store, source.OutChannels);
    for (std::optional<TSampleSequence>& part : queue.Results())
        if (part) whole.AppendSequence(*part);
    return whole.Finish();
}
