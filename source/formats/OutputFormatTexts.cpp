#include "source/formats/OutputFormatTexts.h"

#include "source/GlobalVars.h"
#include "source/ValueTables.h"

namespace output_format_texts_detail {

// The texts of a list built from its value table: "<value><unit>" for each index.
std::vector<std::string> Items(int Count, int (*ValueOf)(int), const std::string& Unit) {
    std::vector<std::string> items;
    for (int i = 0; i < Count; ++i)
        items.push_back(std::to_string(ValueOf(i)) + Unit);
    return items;
}

bool InList(int Index, int Count) {
    return Index >= 0 && Index < Count;
}

// An MP3 rate in the summary: the number with "kbps" right after it, "kbps" alone outside the list.
std::string Mp3RateText(int Index, int Count, int (*ValueOf)(int)) {
    return (InList(Index, Count) ? std::to_string(ValueOf(Index)) : std::string()) + "kbps";
}

} // namespace output_format_texts_detail

const std::vector<TPresetText>& WavPresetTexts() {
    static const std::vector<TPresetText> texts{{"FM Quality", "22,050 Hz, 16 bits, Stereo"},
                                                {"CD Quality", "44,100 Hz, 16 bits, Stereo"},
                                                {"Hi-Fi Quality", "96,000 Hz, 16 bits, Stereo"}};
    return texts;
}

const std::vector<TPresetText>& Mp3PresetTexts() {
    static const std::vector<TPresetText> texts{{"Phone Quality", "[MPEG 2.5, Layer 3, 16kbps, Mono]"},
                                                {"Shortwave Quality", "[MPEG 2.5, Layer 3, 24kbps, Mono]"},
                                                {"AM Quality", "[MPEG 2, Layer 3, 32kbps, Mono]"},
                                                {"FM Quality", "[MPEG 2, Layer 3, 96kbps, Joint Stereo]"},
                                                {"Voice Quality", "[MPEG 1, Layer 3, 64kbps, Mono]"},
                                                {"Radio Quality", "[MPEG 1, Layer 3, 112kbps, Joint Stereo]"},
                                                {"Tape Quality", "[MPEG 1, Layer 3, 128kbps, Joint Stereo]"},
                                                {"Hi-Fi Quality", "[MPEG 1, Layer 3, 160kbps, Joint Stereo]"},
                                                {"CD Quality", "[MPEG 1, Layer 3, 192kbps, Stereo]"},
                                                {"Studio Quality", "[MPEG 1, Layer 3, 256kbps, Stereo]"},
                                                {"Super Quality!", "[MPEG 1, Layer 3, 320kbps, Stereo]"}};
    return texts;
}

const std::vector<TPresetText>& OggPresetTexts() {
    static const std::vector<TPresetText> texts{
        {"Voice Quality", "64 kbps, Mono"},   {"FM Quality", "96 kbps, Stereo"},
        {"Tape Quality", "128 kbps, Stereo"}, {"Hi-Fi Quality", "160 kbps, Stereo"},
        {"CD Quality", "192 kbps, Stereo"},   {"Studio Quality", "256 kbps, Stereo"},
        {"Best Quality", "320 kbps, Stereo"}};
    return texts;
}

const std::vector<TPresetText>& WmaPresetTexts() {
    static const std::vector<TPresetText> texts{{"Phone Quality", "[WMA, 8 kbps, 8,000 Hz, Mono]"},
                                                {"FM Quality", "[WMA, 32 kbps, 22,050 Hz, Stereo]"},
                                                {"High Quality Mono", "[WMA, 48 kbps, 44,100 Hz, Mono]"},
                                                {"Radio Quality", "[WMA, 64 kbps, 44,100 Hz, Stereo]"},
                                                {"Tape Quality", "[WMA, 96 kbps, 44,100 Hz, Stereo]"},
                                                {"CD Quality", "[WMA, 128 kbps, 44,100 Hz, Stereo]"},
                                                {"Studio Quality", "[WMA, 192 kbps, 44,100 Hz, Stereo]"}};
    return texts;
}

std::string DescribeWavSettings(const TGlobalVars& Vars) {
    using namespace output_format_texts_detail;
    static const std::vector<std::string> rates{"8,000 Hz",  "11,025 Hz", "12,000 Hz", "16,000 Hz",
                                                "22,050 Hz", "24,000 Hz", "32,000 Hz", "44,100 Hz",
                                                "48,000 Hz", "96,000 Hz"};
    const int rate = Vars.OutputWAVSampleType, bits = Vars.OutputWAVBitesPerSample;
    const std::string rateText = InList(rate, WavSampleRateCount) ? rates[std::size_t(rate)] : "Unknow Hz";
    const std::string bitsText =
        InList(bits, WavBitsPerSampleCount) ? WavBitDepthItems()[std::size_t(bits)] : "Unknow bits";
    const std::string channels = Vars.OutputWAVMode == 0   ? "Stereo"
                                 : Vars.OutputWAVMode == 1 ? "Mono"
                                                           : "Unknow";
    return "WAV, " + rateText + ", " + bitsText + ", " + channels;
}

std::string DescribeMp3Settings(const TGlobalVars& Vars) {
    using namespace output_format_texts_detail;
    const int mode = Vars.OutputMP3Mode;
    const std::string modeText = InList(mode, 4) ? Mp3ModeItems()[std::size_t(mode)] : std::string();
    std::string text;
    if (Vars.OutputMP3CBR) {
        text = Mp3RateText(Vars.OutputMP3CBRBitRate, Mp3BitRateCount, Mp3BitRateFromIndex) + ", " + modeText;
    } else {
        const std::string inner =
            Vars.OutputMP3QualityLevel
                ? "Quality " + std::to_string(Vars.OutputMP3QualityLevelValue)
                : "Average " + Mp3RateText(Vars.OutputMP3ABRBitRate, Mp3BitRateCount, Mp3BitRateFromIndex);
        text = "Variable " +
               Mp3RateText(Vars.OutputMP3VBRBitRateMin, Mp3VbrBitRateCount, Mp3VbrMinBitRateFromIndex) +
               " - " +
               Mp3RateText(Vars.OutputMP3VBRBitRateMax, Mp3VbrBitRateCount, Mp3VbrMaxBitRateFromIndex) +
               ", " + inner + ", " + modeText;
        if (Vars.OutputMP3WriteXING) text += ", XING compatible variable bit rate header";
    }
    if (Vars.OutputMP3Checksum) text += ", Checksum on";
    return "MPEG 1, Layer 3, " + text;
}

std::string DescribeOggSettings(const TGlobalVars& Vars) {
    using namespace output_format_texts_detail;
    const std::string channels = Vars.OutputOGGMode != 0 ? "Mono" : "Stereo";
    if (Vars.OutputOGGABR) {
        const int rate = Vars.OutputOGGABRBitRate;
        const std::string rateText =
            InList(rate, OggBitRateCount) ? std::to_string(OggBitRateFromIndex(rate)) : "Unknow";
        return "Average Bit Rate: " + rateText + " kbps, " + channels;
    }
    return "Variable bit rate " + std::to_string(Vars.OutputOGGQualityValue) + "%, " + channels;
}

const std::vector<std::string>& WavSampleRateItems() {
    static const auto items =
        output_format_texts_detail::Items(WavSampleRateCount, WavSampleRateFromIndex, " Hz");
    return items;
}
const std::vector<std::string>& WavBitDepthItems() {
    static const auto items =
        output_format_texts_detail::Items(WavBitsPerSampleCount, WavBitsPerSampleFromIndex, " bits");
    return items;
}
const std::vector<std::string>& Mp3ModeItems() {
    static const std::vector<std::string> items{"Stereo", "Joint Stereo", "Dual Channels", "Mono"};
    return items;
}
const std::vector<std::string>& Mp3BitRateItems() {
    static const auto items =
        output_format_texts_detail::Items(Mp3BitRateCount, Mp3BitRateFromIndex, " kbps");
    return items;
}
const std::vector<std::string>& Mp3VbrMinItems() {
    static const auto items =
        output_format_texts_detail::Items(Mp3VbrBitRateCount, Mp3VbrMinBitRateFromIndex, " kbps");
    return items;
}
const std::vector<std::string>& Mp3VbrMaxItems() {
    static const auto items =
        output_format_texts_detail::Items(Mp3VbrBitRateCount, Mp3VbrMaxBitRateFromIndex, " kbps");
    return items;
}
const std::vector<std::string>& OggBitRateItems() {
    static const auto items =
        output_format_texts_detail::Items(OggBitRateCount, OggBitRateFromIndex, " kbps");
    return items;
}
