// A wave format held in a 512-byte buffer: the format header followed by the extra bytes of compressed
// formats. New objects hold 8-bit stereo PCM at 11025 Hz.
#pragma once

#include "acm/MMSystem.h"
#include "platform/rtl/Persistent.h"

#include <array>
#include <cstdint>

class TdeWaveFormat : public TPersistent {
public:
    static constexpr int BufferSize = 512;
    static constexpr int MaxExtraSize = BufferSize - int(sizeof(WAVEFORMATEX)); // 494

    TdeWaveFormat() { SetDefaults(); }

    void Assign(TPersistent* Source) override;
    void AssignTo(TPersistent* Dest) override;
    // Compares all 512 bytes.
    bool Equals(const TdeWaveFormat& Other) const;
    virtual void SetDefaults();

    WORD FormatTag() const { return Header().wFormatTag; }
    void SetFormatTag(WORD v) { Header().wFormatTag = v; }
    WORD Channels() const { return Header().nChannels; }
    void SetChannels(WORD v) { Header().nChannels = v; }
    DWORD SamplesPerSec() const { return Header().nSamplesPerSec; }
    void SetSamplesPerSec(DWORD v) { Header().nSamplesPerSec = v; }
    DWORD AvgBytesPerSec() const { return Header().nAvgBytesPerSec; }
    void SetAvgBytesPerSec(DWORD v) { Header().nAvgBytesPerSec = v; }
    WORD BlockAlign() const { return Header().nBlockAlign; }
    void SetBlockAlign(WORD v) { Header().nBlockAlign = v; }
    WORD BitsPerSample() const { return Header().wBitsPerSample; }
    void SetBitsPerSample(WORD v) { Header().wBitsPerSample = v; }
    WORD ExtraSize() const { return Header().cbSize; }
    // Raises EACMError "The wave format buffer is too small." above 494.
    void SetExtraSize(WORD v);

    // The whole buffer, as stored in the "FormatBuffer" property.
    const std::array<std::uint8_t, BufferSize>& FormatBuffer() const { return FBuffer; }
    void SetFormatBuffer(const std::array<std::uint8_t, BufferSize>& buffer) { FBuffer = buffer; }
    const WAVEFORMATEX* Format() const { return reinterpret_cast<const WAVEFORMATEX*>(FBuffer.data()); }
    WAVEFORMATEX* Format() { return reinterpret_cast<WAVEFORMATEX*>(FBuffer.data()); }

private:
    const WAVEFORMATEX& Header() const { return *Format(); }
    WAVEFORMATEX& Header() { return *Format(); }
    alignas(8) std::array<std::uint8_t, BufferSize> FBuffer{};
};
