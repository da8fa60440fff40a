// The texts of the output format dialogs: what each preset of the quality sliders stands for, and the
// one-line summary of the detailed settings shown beside "Specify Settings".
#pragma once

#include <string>
#include <vector>

struct TGlobalVars;

// The two lines under a preset slider: its name and what it writes.
struct TPresetText {
    std::string Quality;
    std::string Detail;
};

const std::vector<TPresetText>& WavPresetTexts(); // slider 0..2
const std::vector<TPresetText>& Mp3PresetTexts(); // slider 0..10
const std::vector<TPresetText>& OggPresetTexts(); // slider 0..6
const std::vector<TPresetText>& WmaPresetTexts(); // slider 0..6

// Summaries of the detailed settings, e.g. "WAV, 44,100 Hz, 16 bits, Stereo",
// "MPEG 1, Layer 3, 192kbps, Stereo", "Variable bit rate 60%, Stereo". A stored index outside its list
// reads "Unknow ...", as the settings file may hold anything.
std::string DescribeWavSettings(const TGlobalVars& Vars);
std::string DescribeMp3Settings(const TGlobalVars& Vars);
std::string DescribeOggSettings(const TGlobalVars& Vars);

// The item texts of the detailed settings' lists, in index order.
const std::vector<std::string>& WavSampleRateItems(); // "8000 Hz" .. "96000 Hz"
const std::vector<std::string>& WavBitDepthItems();   // "8 bits" .. "32 bits"
const std::vector<std::string>& Mp3ModeItems();       // "Stereo" .. "Mono"
const std::vector<std::string>& Mp3BitRateItems();    // constant and average: "32 kbps" .. "320 kbps"
const std::vector<std::string>& Mp3VbrMinItems();     // "32 kbps" .. "256 kbps"
const std::vector<std::string>& Mp3VbrMaxItems();     // "40 kbps" .. "320 kbps"
const std::vector<std::string>& OggBitRateItems();    // "64 kbps" .. "350 kbps"
