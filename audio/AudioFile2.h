// Block reading and writing of sound files for batch conversion and recording. The reader delivers
// interleaved float blocks until an empty one; the writer takes blocks in a given input format and
// encodes them in the chosen output format, under the file's name only once it is closed.
#pragma once

#include "audio/AudioOutputFormat.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TAudioDecoder;
class TAudioWriter;

class TAudioFile2 {
public:
    TAudioFile2();
    ~TAudioFile2();

    // Reading. Open raises EAudioError when the file cannot be decoded.
    void Open(const std::string& path, int reserved1 = 0, int reserved2 = 1);
    // Up to `count` samples (elements, not frames; whole frames only); empty at the end of the file.
    std::vector<float> Read(std::int64_t count);
    // The source as stored.
    // Frames a full read delivers; where the file cannot state it exactly, the first call counts them
    // with a decoder of its own.
    std::int64_t GetLength() const;
    int GetSampleRate() const;
    int GetChannels() const;
    int GetBits() const;
    int GetBitRate() const; // bits per second
    // The decoded stream that Read delivers.
    int GetDecodedSampleRate() const;
    int GetDecodedChannels() const;

    // Writing. Without an input format, blocks are taken in the output format's rate and channels.
    void SetInputFormat(int sampleRate, int channels);
    void SetWAV(int sampleRate, int channels, int bits);
    // The WAV format (rate, channels, bits) of an existing sound file.
    void SetWAVFormatOfFile(const std::string& path);
    // channelMode as the MP3 settings object takes it: 1 stereo, 2 joint stereo, 4 dual channels.
    void SetMP3CBR(int sampleRate, int kbps, int channels, int channelMode = 1);
    void SetMP3(const TAudioFile2LameEnc& settings);
    void SetOGG(int sampleRate, int channels, int kbps, int reserved1, int reserved2, int quality);
    void SetWMA(int profile);
    // Whether these parameters can be written.
    bool CanWriteMP3(int sampleRate, int kbps, int channels) const;
    bool CanWriteOGG(int sampleRate, int channels, int kbps, int reserved1, int reserved2) const;
    void Create(const std::string& path, int flag = 0);
    void Write(const std::vector<float>& samples);

    // Ends reading and writing; a file being written is completed and appears under its name.
    void Close();

private:
    std::unique_ptr<TAudioDecoder> FReader;
    std::string FReadPath;
    mutable std::int64_t FLength = -1; // counted once
    std::unique_ptr<TAudioWriter> FWriter;
    TOutputFormat FFormat;
    int FInputRate = 0, FInputChannels = 0;
};
