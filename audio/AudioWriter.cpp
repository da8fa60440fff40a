#include "audio/AudioWriter.h"

#include "audio/AudioEncoder.h"
#include "audio/AudioError.h"
#include "audio/AudioResampler.h"
#include "audio/SafeFileTarget.h"

TAudioWriter::TAudioWriter(const std::string& path, const TOutputFormat& format, int inputRate,
                           int inputChannels, const TAudioTags& tags)
    : FInputChannels(inputChannels) {
    if (inputRate <= 0 || inputChannels <= 0) throw EAudioError("The input format of the writer is not set.");
    TEncodedShape shape = EncodedShape(format);
    FOutputChannels = shape.Channels;
    FTarget = std::make_unique<TSafeFileTarget>(path);
    FResampler = std::make_unique<TAudioResampler>(inputRate, shape.SampleRate, shape.Channels);
    FEncoder = MakeAudioEncoder(format, {FTarget->TemporaryPath(), path}, tags);
}

TAudioWriter::~TAudioWriter() = default;

void TAudioWriter::Write(const float* interleaved, std::int64_t frames) {
    if (!FEncoder) throw EAudioError("The file is not open for writing.");
    if (frames <= 0) return;
    if (FInputChannels == FOutputChannels && FResampler->Passthrough()) {
        FEncoder->Write(interleaved, frames);
        return;
    }
    std::vector<float> mixed = ConvertChannels(interleaved, frames, FInputChannels, FOutputChannels);
    if (FResampler->Passthrough()) {
        FEncoder->Write(mixed.data(), frames);
        return;
    }
    std::vector<float> out;
    FResampler->Process(mixed.data(), frames, out);
    FEncoder->Write(out.data(), std::int64_t(out.size()) / FOutputChannels);
}

void TAudioWriter::Close() {
    if (!FEncoder) return;
    std::vector<float> out;
    FResampler->Flush(out);
    if (!out.empty()) FEncoder->Write(out.data(), std::int64_t(out.size()) / FOutputChannels);
    FEncoder->Finish();
    FEncoder.reset();
    FTarget->Commit();
}
