// The tables that turn the stored indexes of the output settings into sample rates, bit depths,
// channel counts and bit rates. Each follows the item order of its list in the format dialogs; an
// index outside a list gives that table's fall-back value.
#pragma once

// WAV and OGG channel mode: index 1 is mono, every other index stereo.
int ChannelsFromModeIndex(int index);
// MP3 channel mode (Stereo, Joint Stereo, Dual Channels, Mono): index 3 is mono, the others stereo.
int Mp3ChannelsFromModeIndex(int index);
// The same index as the MP3 settings object's channel mode: 1 stereo (also for mono), 2 joint stereo,
// 4 dual channels.
int Mp3ChannelModeFromIndex(int index);

int WavSampleRateFromIndex(int index);    // 8000 .. 96000 Hz; 44100 outside the list
int WavBitsPerSampleFromIndex(int index); // 8, 16, 24, 32; 16 outside the list
int Mp3BitRateFromIndex(int index);       // constant and average rates 32 .. 320 kbps; 192 outside
int Mp3VbrMinBitRateFromIndex(int index); // 32 .. 256 kbps; 192 outside
int Mp3VbrMaxBitRateFromIndex(int index); // 40 .. 320 kbps; 192 outside
int OggBitRateFromIndex(int index);       // 64 .. 350 kbps; 192 outside

// Number of entries of each list, for checking stored indexes.
inline constexpr int WavSampleRateCount = 10;
inline constexpr int WavBitsPerSampleCount = 4;
inline constexpr int Mp3BitRateCount = 14;
inline constexpr int Mp3VbrBitRateCount = 13;
inline constexpr int OggBitRateCount = 7;
// The new-file dialog's rate list (96000 .. 6000 Hz).
inline constexpr int NewFileSampleRateCount = 12;
