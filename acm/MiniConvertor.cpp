#include "acm/MiniConvertor.h"

#include "acm/AcmErrors.h"

#include <algorithm>
#include <cstring>

TMiniConvertor::TMiniConvertor(const TdeWaveFormat& Source, const TdeWaveFormat& Destination) {
    FSource.SetFormatBuffer(Source.FormatBuffer());
    FDestination.SetFormatBuffer(Destination.FormatBuffer());
}

TMiniConvertor::~TMiniConvertor() {
    try {
        Close();
    } catch (...) {
        // nothing more to say about a step that goes away
    }
}

void TMiniConvertor::Open(bool RequestRealTime) {
    if (FActive) throw EACMError("Cannot perform this action while active.");
    ACMCheck<EACMConversionError>(acmStreamOpen(&FStream, nullptr, FSource.Format(), FDestination.Format(),
                                                nullptr, 0, 0,
                                                RequestRealTime ? 0 : ACM_STREAMOPENF_NONREALTIME));
    FInput.clear();
    FOutput.clear();
    FUsed = 0;
    FPrepared = false;
    FHeader = ACMSTREAMHEADER{};
    FActive = true;
}

void TMiniConvertor::Close() {
    if (!FActive) return;
    FActive = false;
    if (FPrepared) {
        FHeader.cbSrcLength = DWORD(FInput.size());
        acmStreamUnprepareHeader(FStream, &FHeader, 0);
        FPrepared = false;
    }
    acmStreamReset(FStream, 0);
    acmStreamClose(FStream, 0);
    FStream = nullptr;
    FInput = {};
    FOutput = {};
    FUsed = 0;
}

int TMiniConvertor::Convert(const void* Data, int Size, bool) {
    if (!FActive) throw EACMConversionError("Cannot perform this action while not active.");
    if (Size < 0) Size = 0;
    if (FUsed + std::size_t(Size) > FInput.size()) {
        if (FPrepared) throw EACMConversionError("Audio is too large to fit into conversion buffer");
        FInput.resize((FUsed + std::size_t(Size)) * 2);
    }
    if (Size > 0) std::memcpy(FInput.data() + FUsed, Data, std::size_t(Size));
    FUsed += std::size_t(Size);

    if (!FPrepared) {
        DWORD outputSize = 0;
        if (acmStreamSize(FStream, DWORD(FUsed), &outputSize, ACM_STREAMSIZEF_SOURCE) != 0 || outputSize == 0)
            return 0;
        FInput.resize(FUsed * 3);
        DWORD capacityOutput = 0;
        if (acmStreamSize(FStream, DWORD(FInput.size()), &capacityOutput, ACM_STREAMSIZEF_SOURCE) != 0 ||
            capacityOutput == 0)
            return 0;
        FOutput.assign(capacityOutput, 0);
        FHeader = ACMSTREAMHEADER{};
        FHeader.pbSrc = FInput.data();
        FHeader.cbSrcLength = DWORD(FInput.size());
        FHeader.pbDst = FOutput.data();
        FHeader.cbDstLength = DWORD(FOutput.size());
        ACMCheck<EACMConversionError>(acmStreamPrepareHeader(FStream, &FHeader, 0));
        FPrepared = true;
    }

    DWORD outputSize = 0;
    if (acmStreamSize(FStream, DWORD(FUsed), &outputSize, ACM_STREAMSIZEF_SOURCE) != 0 || outputSize == 0)
        return 0;
    FHeader.cbSrcLength = DWORD(FUsed);
    ACMCheck<EACMConversionError>(acmStreamConvert(FStream, &FHeader, ACM_STREAMCONVERTF_BLOCKALIGN));
    const std::size_t consumed = std::min<std::size_t>(FHeader.cbSrcLengthUsed, FUsed);
    std::memmove(FInput.data(), FInput.data() + consumed, FUsed - consumed);
    FUsed -= consumed;
    return int(FHeader.cbDstLengthUsed);
}
