#include "acm/WaveFormat.h"

#include "acm/AcmErrors.h"

void TdeWaveFormat::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TdeWaveFormat*>(Source)) {
        FBuffer = other->FBuffer;
        return;
    }
    TPersistent::Assign(Source);
}

void TdeWaveFormat::AssignTo(TPersistent* Dest) {
    if (auto* other = dynamic_cast<TdeWaveFormat*>(Dest)) {
        other->FBuffer = FBuffer;
        return;
    }
    TPersistent::AssignTo(Dest);
}

bool TdeWaveFormat::Equals(const TdeWaveFormat& Other) const {
    return FBuffer == Other.FBuffer;
}

void TdeWaveFormat::SetDefaults() {
    FBuffer.fill(0);
    WAVEFORMATEX& f = Header();
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 2;
    f.nSamplesPerSec = 11025;
    f.nAvgBytesPerSec = 22050;
    f.nBlockAlign = 2;
    f.wBitsPerSample = 8;
    f.cbSize = 0;
}

void TdeWaveFormat::SetExtraSize(WORD v) {
    if (v > MaxExtraSize) throw EACMError("The wave format buffer is too small.");
    Header().cbSize = v;
}
