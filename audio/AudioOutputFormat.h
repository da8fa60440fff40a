// What a save or a file writer produces: the format code and the settings of that format.
#pragma once

#include <string>

// Format codes of the save operations.
enum : int { afWav = 1, afMp3 = 2, afOgg = 6, afWma = 11 };

// The MP3 encoder settings. The preset and the detailed settings exclude each other: whichever was set
// last is the one the encoder uses.
struct TLameSettings {
    int Preset = 0;           // 1..11, 0 for none
    bool UsePreset = false;   // the preset was set after the detailed settings
    int MaxBitRate = 320;     // kbps
    int MinBitRate = 32;      // kbps
    int VBRQuality = 4;       // 0 (best) .. 9
    int BitRateMode = 0;      // 0 variable by quality, 4 average bit rate
    int AverageBitRate = 192; // kbps
    int ChannelMode = 1;      // 1 stereo, 2 joint stereo, 4 dual channels
    bool XingHeader = true;
    bool Checksum = false;
    int Channels = 2;
};

struct TOutputFormat {
    int Code = afWav;
    // WAV
    int WavSampleRate = 44100, WavChannels = 2, WavBits = 16;
    // MP3: constant bit rate unless UseLameSettings
    bool UseLameSettings = false;
    int Mp3SampleRate = 44100, Mp3BitRate = 128, Mp3Channels = 2;
    int Mp3ChannelMode = 1; // of the constant rate, as in TLameSettings
    TLameSettings Lame;
    // OGG: a nominal bit rate when OggQuality is -1, else quality × 10 (0..1000)
    int OggSampleRate = 44100, OggChannels = 2, OggBitRate = 128, OggQuality = -1;
    // WMA profile number
    int WmaProfile = 10;
};

// The rate and channel count the chosen output is encoded with.
struct TEncodedShape {
    int SampleRate;
    int Channels;
};
// Raises EAudioError for a format code or profile that cannot be written.
TEncodedShape EncodedShape(const TOutputFormat& format);

// The MP3 encoder settings object of the editor and of the file writer.
class TAudioEditor2LameEnc {
public:
    void SetPreset(int preset) {
        FSettings.Preset = preset;
        FSettings.UsePreset = true;
    }
    void SetMaxBitRate(int kbps) { Detailed().MaxBitRate = kbps; }
    void SetVBRQuality(int quality) { Detailed().VBRQuality = quality; }
    void SetBitRateMode(int mode) { Detailed().BitRateMode = mode; }
    void SetAverageBitRate(int kbps) { Detailed().AverageBitRate = kbps; }
    void SetChannelMode(int mode) { Detailed().ChannelMode = mode; }
    void SetXingHeader(int flag) { Detailed().XingHeader = flag != 0; }
    void SetChecksum(int flag) { Detailed().Checksum = flag != 0; }
    void SetChannels(int channels) { Detailed().Channels = channels; }
    void SetMinBitRate(int kbps) { Detailed().MinBitRate = kbps; }
    const TLameSettings& Settings() const { return FSettings; }

private:
    TLameSettings& Detailed() {
        FSettings.UsePreset = false;
        return FSettings;
    }
    TLameSettings FSettings;
};

using TAudioFile2LameEnc = TAudioEditor2LameEnc;
