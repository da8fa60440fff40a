#include "source/batch/BatchFileConverter.h"

#include "audio/AudioEncoder.h"
#include "audio/AudioFile2.h"
#include "audio/AudioInformation2.h"
#include "audio/effects/AudioTransform2.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/StrUtils.h"
#include "source/FileNameHelpers.h"
#include "source/OutputSetup.h"
#include "source/batch/BatchOutputNames.h"

#include <algorithm>
#include <filesystem>

namespace batch_file_converter_detail {

// The writer's format calls of an output set-up, held so that a "Convert Sample Rate And Channel"
// command can put its rate and channels in before they reach the writer.
struct TPlannedOutput {
    int Code = 0;
    int Rate = 0, Channels = 0, Bits = 16, Kbps = 0, Mode = 1, Quality = -1, Profile = 0;
    const TAudioFile2LameEnc* Lame = nullptr;

    void SetWAV(int rate, int channels, int bits) {
        Code = afWav, Rate = rate, Channels = channels, Bits = bits;
    }
    void SetMP3CBR(int rate, int kbps, int channels, int mode = 1) {
        Code = afMp3, Lame = nullptr, Rate = rate, Kbps = kbps, Channels = channels, Mode = mode;
    }
    void SetMP3(const TAudioFile2LameEnc& lame) { Code = afMp3, Lame = &lame; }
    void SetOGG(int rate, int channels, int kbps, int, int, int quality) {
        Code = afOgg, Rate = rate, Channels = channels, Kbps = kbps, Quality = quality;
    }
    void SetWMA(int profile) { Code = afWma, Profile = profile; }

    // The conversion's rate and channels, where the format keeps them: WAV and OGG take any, a
    // constant-rate MP3 those its frames exist at; the MP3 encoder's presets and settings and the WMA
    // profiles fix their own.
    void Convert(int rate, int channels) {
        if (Code == afWav || Code == afOgg) Rate = rate, Channels = channels;
        if (Code == afMp3 && !Lame) {
            Channels = channels;
            if (mp3_presets::BitRateAllowed(rate, Kbps)) Rate = rate;
        }
    }
    void ApplyTo(TAudioFile2& writer) const {
        switch (Code) {
        case afWav:
            writer.SetWAV(Rate, Channels, Bits);
            break;
        case afMp3:
            if (Lame)
                writer.SetMP3(*Lame);
            else
                writer.SetMP3CBR(Rate, Kbps, Channels, Mode);
            break;
        case afOgg:
            writer.SetOGG(Rate, Channels, Kbps, 0, 0, Quality);
            break;
        case afWma:
            writer.SetWMA(Profile);
            break;
        }
    }
};

int WavBitsOf(int bits) {
    return bits <= 8 ? 8 : bits <= 16 ? 16 : bits <= 24 ? 24 : 32;
}

std::string ErrorText(const std::exception& Error) {
    return Error.what();
}

} // namespace batch_file_converter_detail

int WmaProfileForBitRate(int BitsPerSecond) {
    if (BitsPerSecond <= 10000) return 36;
    if (BitsPerSecond <= 34000) return 23;
    if (BitsPerSecond <= 50000) return 16;
    if (BitsPerSecond <= 66000) return 13;
    if (BitsPerSecond <= 98000) return 11;
    if (BitsPerSecond <= 130000) return 10;
    return 8;
}

TBatchFileConverter::TBatchFileConverter(const TGlobalVars& Settings,
                                         const std::vector<TBatchCommand>& Commands, TBatchOutputNames& Names)
    : FSettings(Settings), FChain(Commands, Settings), FNames(Names) {}

std::string TBatchFileConverter::ChooseOutput(TAudioFile2& Reader, TAudioFile2& Writer,
                                              const std::string& Source) {
    using batch_file_converter_detail::TPlannedOutput;
    TPlannedOutput plan;
    std::string extension = ".mp3";
    const TBatchCommand* conversion = FChain.Conversion();
    const int rate = conversion ? BatchConvertRate(*conversion) : Reader.GetSampleRate();
    const int channels = conversion ? BatchConvertChannels(*conversion) : Reader.GetChannels();
    if (FSettings.BatchFileFormatUseTheSame) {
        // "a.WAV" is as much a WAV file as "a.wav".
        const std::string sourceExtension = LowerCase(ExtractFileExtension(Source));
        const int kbps = Reader.GetBitRate() / 1000;
        if (sourceExtension == ".wav") {
            plan.SetWAV(Reader.GetSampleRate(), Reader.GetDecodedChannels(),
                        batch_file_converter_detail::WavBitsOf(Reader.GetBits()));
            extension = ".wav";
        } else if (sourceExtension == ".mp3") {
            if (Writer.CanWriteMP3(rate, kbps, channels))
                plan.SetMP3CBR(rate, kbps, channels);
            else
                plan.SetMP3CBR(44100, 128, conversion ? channels : 2);
        } else if (sourceExtension == ".ogg") {
            if (Writer.CanWriteOGG(rate, channels, kbps, 0, 0))
                plan.SetOGG(rate, channels, kbps, 0, 0, -1);
            else
                plan.SetOGG(44100, conversion ? channels : 2, 128, 0, 0, -1);
            extension = ".ogg";
        } else if (sourceExtension == ".wma") {
            plan.SetWMA(WmaProfileForBitRate(Reader.GetBitRate()));
            extension = ".wma";
        } else {
            SetupMp3Output(plan, FLameEnc, FSettings);
        }
    } else {
        switch (FSettings.BatchFileFormatIndex) {
        case 0:
            SetupWavOutput(plan, FSettings);
            extension = ".wav";
            break;
        case 1:
            SetupMp3Output(plan, FLameEnc, FSettings);
            break;
        case 2:
            SetupOggOutput(plan, FSettings);
            extension = ".ogg";
            break;
        case 3:
            SetupWmaOutput(plan, FSettings);
            extension = ".wma";
            break;
        default:
            break;
        }
    }
    if (conversion) plan.Convert(rate, channels);
    // A set-up that chose nothing (a stored value outside its list) writes the MP3 settings' choice.
    if (plan.Code == 0) SetupMp3Output(plan, FLameEnc, FSettings);
    plan.ApplyTo(Writer);
    return extension;
}

TBatchFileResult TBatchFileConverter::Convert(const std::string& Source, const std::string& OutputFolder,
                                              const std::atomic<bool>& Stop,
                                              const std::function<void(int)>& Progress) {
    TBatchFileResult result;
    std::error_code error;
    if (!std::filesystem::is_regular_file(Source, error)) {
        result.Message = "File do not exist: " + Source;
        return result;
    }
    TAudioFile2 reader;
    try {
        reader.Open(Source, 0, 1);
    } catch (const std::exception&) {
        result.Message = "An error occurred while transforming file:\r\n\r\nThe file \"" + Source +
                         "\" is damaged or the format is not supported.";
        return result;
    }
    TAudioFile2 writer;
    std::string output;
    try {
        const std::string extension = ChooseOutput(reader, writer, Source);
        const int rate = reader.GetDecodedSampleRate(), channels = reader.GetDecodedChannels();
        writer.SetInputFormat(rate, channels);
        const std::string name = ExtractFileName(Source);
        output = FNames.Reserve(StripExtension(name) + extension, OutputFolder);
    } catch (const std::exception& e) {
        result.Message = "An error occurred while transforming file \"" + Source + "\":\r\n\r\n" +
                         batch_file_converter_detail::ErrorText(e);
        return result;
    }
    const auto release = [&] { FNames.Release(output); };
    try {
        writer.Create(output, 0);
    } catch (const std::exception& e) {
        release();
        result.Message = "An error occurred while creating file \"" + output + "\"\r\n\r\n" +
                         batch_file_converter_detail::ErrorText(e);
        return result;
    }
    bool closed = false;
    try {
        const int rate = reader.GetDecodedSampleRate(), channels = reader.GetDecodedChannels();
        const std::int64_t length = reader.GetLength();
        TAudioTransform2 transform;
        FChain.StartFile(transform, rate, channels);
        std::int64_t processed = 0;
        Progress(0);
        for (;;) {
            std::vector<float> block = reader.Read(std::int64_t(channels) * rate);
            if (block.empty()) break;
            processed = std::min(length, processed + std::int64_t(block.size()) / channels);
            FChain.Process(block);
            writer.Write(block);
            // A file of no length (or an unknown one) divides nothing.
            Progress(length > 0 ? int(processed * 100 / length) : 0);
            if (Stop) {
                result.Outcome = TBatchFileOutcome::Stopped;
                release();
                return result; // the unclosed writer leaves no file behind
            }
        }
        std::vector<float> rest;
        FChain.Finish(rest);
        if (!rest.empty()) writer.Write(rest);
        writer.Close();
        closed = true;
        TAudioInformation2 tags;
        tags.Open(Source);
        tags.WriteTags(output);
        Progress(100);
    } catch (const std::exception& e) {
        if (closed) std::filesystem::remove(output, error);
        release();
        result.Message = "An error occurred while processing file \"" + Source + "\":\r\n\r\n" +
                         batch_file_converter_detail::ErrorText(e);
        return result;
    }
    release();
    result.Outcome = TBatchFileOutcome::Done;
    result.Output = output;
    return result;
}
