// The output set-up: the output settings of the settings record turned into the settings of a writer
// for its next file. The target is the editor's file-format interface (saving the document) or a file
// writer (batch runs); both take the same format calls. MP3 with encoder settings goes through the
// target's own encoder settings object, which keeps what earlier set-ups gave it.
#pragma once

#include "audio/AudioOutputFormat.h"
#include "source/GlobalVars.h"
#include "source/ValueTables.h"

#include <array>
#include <cstdint>

template <class TTarget> void SetupWavOutput(TTarget& Target, const TGlobalVars& Vars) {
    if (Vars.OutputWAVType != 0) {
        Target.SetWAV(WavSampleRateFromIndex(Vars.OutputWAVSampleType),
                      ChannelsFromModeIndex(Vars.OutputWAVMode),
                      WavBitsPerSampleFromIndex(Vars.OutputWAVBitesPerSample));
        return;
    }
    switch (Vars.OutputWAVPersets) {
    case 0:
        Target.SetWAV(22050, 2, 16);
        break;
    case 2:
        Target.SetWAV(96000, 2, 16);
        break;
    default:
        Target.SetWAV(44100, 2, 16);
        break;
    }
}

template <class TTarget>
void SetupMp3Output(TTarget& Target, TAudioEditor2LameEnc& LameEnc, const TGlobalVars& Vars) {
    if (Vars.OutputMP3Type == 0) {
        if (Vars.OutputMP3Presets <= 10) LameEnc.SetPreset(Vars.OutputMP3Presets + 1);
        Target.SetMP3(LameEnc);
        return;
    }
    if (Vars.OutputMP3CBR) {
        // The constant rate keeps the chosen mode: joint stereo and dual channels as much as stereo.
        Target.SetMP3CBR(44100, Mp3BitRateFromIndex(Vars.OutputMP3CBRBitRate),
                         Mp3ChannelsFromModeIndex(Vars.OutputMP3Mode),
                         Mp3ChannelModeFromIndex(Vars.OutputMP3Mode));
        return;
    }
    switch (Vars.OutputMP3Mode) {
    case 0:
        LameEnc.SetChannels(2), LameEnc.SetChannelMode(1);
        break;
    case 1:
        LameEnc.SetChannels(2), LameEnc.SetChannelMode(2);
        break;
    case 2:
        LameEnc.SetChannels(2), LameEnc.SetChannelMode(4);
        break;
    case 3:
        LameEnc.SetChannels(1);
        break;
    default:
        break;
    }
    LameEnc.SetMaxBitRate(Mp3VbrMaxBitRateFromIndex(Vars.OutputMP3VBRBitRateMax));
    LameEnc.SetMinBitRate(Mp3VbrMinBitRateFromIndex(Vars.OutputMP3VBRBitRateMin));
    if (Vars.OutputMP3QualityLevel) {
        LameEnc.SetBitRateMode(0);
        LameEnc.SetVBRQuality(static_cast<std::int16_t>(9 - Vars.OutputMP3QualityLevelValue));
    } else {
        LameEnc.SetBitRateMode(4);
        LameEnc.SetAverageBitRate(Mp3BitRateFromIndex(Vars.OutputMP3ABRBitRate));
    }
    LameEnc.SetXingHeader(Vars.OutputMP3WriteXING ? -1 : 0);
    LameEnc.SetChecksum(Vars.OutputMP3Checksum ? -1 : 0);
    Target.SetMP3(LameEnc);
}

template <class TTarget> void SetupOggOutput(TTarget& Target, const TGlobalVars& Vars) {
    if (Vars.OutputOGGType == 0) {
        constexpr std::array<int, 7> presetRates{64, 96, 128, 160, 192, 256, 320};
        if (Vars.OutputOGGPresets >= presetRates.size()) return;
        Target.SetOGG(44100, Vars.OutputOGGPresets == 0 ? 1 : 2, presetRates[Vars.OutputOGGPresets], 0, 0,
                      -1);
    } else if (Vars.OutputOGGType == 1) {
        const int channels = ChannelsFromModeIndex(Vars.OutputOGGMode);
        if (Vars.OutputOGGABR)
            Target.SetOGG(44100, channels, OggBitRateFromIndex(Vars.OutputOGGABRBitRate), 0, 0, -1);
        else
            Target.SetOGG(44100, channels, 0, 0, 0,
                          static_cast<std::int16_t>(Vars.OutputOGGQualityValue * 10));
    }
}

template <class TTarget> void SetupWmaOutput(TTarget& Target, const TGlobalVars& Vars) {
    constexpr std::array<int, 7> profiles{36, 23, 16, 13, 11, 10, 8};
    if (Vars.OutputWMAPresets < profiles.size()) Target.SetWMA(profiles[Vars.OutputWMAPresets]);
}
