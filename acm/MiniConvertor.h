// One conversion step between two wave formats, with an input accumulator: the bytes a conversion
// does not consume wait for the next block. The first block fixes the capacity at three times its
// size; more input (with what is left over) than that raises "Audio is too large to fit into
// conversion buffer".
#pragma once

#include "acm/Msacm.h"
#include "acm/WaveFormat.h"

#include <vector>

class TMiniConvertor {
public:
    TMiniConvertor(const TdeWaveFormat& Source, const TdeWaveFormat& Destination);
    ~TMiniConvertor();
    TMiniConvertor(const TMiniConvertor&) = delete;
    TMiniConvertor& operator=(const TMiniConvertor&) = delete;

    void Open(bool RequestRealTime);
    void Close();
    bool Active() const { return FActive; }
    // Converts what is held plus `Size` bytes; returns the output bytes (0 when nothing came out).
    // The FPU flag is accepted for the callers' sake: conversion here raises no floating-point traps.
    int Convert(const void* Data, int Size, bool FPUFlag);
    const BYTE* Output() const { return FOutput.data(); }
    int Held() const { return int(FUsed); }
    int Capacity() const { return int(FInput.size()); }

private:
    TdeWaveFormat FSource, FDestination;
    HACMSTREAM FStream = nullptr;
    bool FActive = false;
    bool FPrepared = false;
    std::vector<BYTE> FInput;
    std::size_t FUsed = 0;
    std::vector<BYTE> FOutput;
    ACMSTREAMHEADER FHeader;
};
