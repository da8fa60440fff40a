#include "acm/Codec.h"

#include "acm/AcmErrors.h"

#include <algorithm>

namespace codec_detail {
std::vector<std::unique_ptr<TdeCodec>>& Catalogue() {
    static std::vector<std::unique_ptr<TdeCodec>> catalogue;
    return catalogue;
}
bool Built = false;

BOOL EnumDriver(HACMDRIVERID driverId, DWORD_PTR, DWORD) {
    try {
        Catalogue().push_back(std::make_unique<TdeCodec>(driverId));
    } catch (const EACMError&) {
        // a driver that cannot be read is left out
    }
    return TRUE;
}

void EnsureBuilt() {
    if (Built) return;
    Built = true;
    acmDriverEnum(&EnumDriver, 0, 0);
}

struct TSupportBit {
    DWORD Bit;
    TdeCodecSupport Support;
};
constexpr TSupportBit SupportBits[] = {
    {ACMDRIVERDETAILS_SUPPORTF_CODEC, csCodec},       {ACMDRIVERDETAILS_SUPPORTF_CONVERTER, csConverter},
    {ACMDRIVERDETAILS_SUPPORTF_FILTER, csFilter},     {ACMDRIVERDETAILS_SUPPORTF_HARDWARE, csHardware},
    {ACMDRIVERDETAILS_SUPPORTF_ASYNC, csAsync},       {ACMDRIVERDETAILS_SUPPORTF_LOCAL, csLocal},
    {ACMDRIVERDETAILS_SUPPORTF_DISABLED, csDisabled},
};
} // namespace codec_detail

using namespace codec_detail;

TdeCodec::TdeCodec(HACMDRIVERID DriverId) : FDriverId(DriverId) {
    ACMCheck<EACMError>(acmDriverDetails(DriverId, &FDetails, 0), "Error retrieving driver details.");
    ACMCheck<EACMError>(acmMetrics(DriverId, ACM_METRIC_DRIVER_PRIORITY, &FPriority),
                        "Error retrieving driver priority.");
    for (const TSupportBit& bit : SupportBits)
        if (FDetails.fdwSupport & bit.Bit) FSupport.Include(bit.Support);
    FShortName = FDetails.szShortName;
    FLongName = FDetails.szLongName;
    FCopyright = FDetails.szCopyright;
    FLicensing = FDetails.szLicensing;
    FFeatures = FDetails.szFeatures;
    HACMDRIVER driver = nullptr;
    ACMCheck<EACMError>(acmDriverOpen(&driver, DriverId, 0), "Error opening driver.");
    try {
        DWORD size = 0;
        ACMCheck<EACMError>(acmMetrics(driver, ACM_METRIC_MAX_SIZE_FORMAT, &size),
                            "Error while requesting size of Wave format.");
        FMaxFormatSize = std::max<DWORD>(size, 18);
        std::vector<BYTE> buffer(FMaxFormatSize);
        ACMFORMATDETAILS details;
        details.dwFormatTag = 0; // every tag
        details.pwfx = reinterpret_cast<WAVEFORMATEX*>(buffer.data());
        details.cbwfx = FMaxFormatSize;
        ACMCheck<EACMError>(
            acmFormatEnum(driver, &details, &TdeCodec::EnumFormat, reinterpret_cast<DWORD_PTR>(this), 0),
            "Error while enumerating formats.");
    } catch (...) {
        acmDriverClose(driver, 0);
        throw;
    }
    ACMCheck<EACMError>(acmDriverClose(driver, 0), "Error while closing driver.");
}

TdeCodec::~TdeCodec() = default;

BOOL TdeCodec::EnumFormat(HACMDRIVERID, ACMFORMATDETAILS* Details, DWORD_PTR Instance, DWORD) {
    auto* self = reinterpret_cast<TdeCodec*>(Instance);
    TFormat format;
    format.Name = Details->szFormat;
    const std::size_t size = sizeof(WAVEFORMATEX) + Details->pwfx->cbSize;
    const auto* bytes = reinterpret_cast<const BYTE*>(Details->pwfx);
    format.Format.assign(bytes, bytes + std::min<std::size_t>(size, Details->cbwfx));
    self->FFormats.push_back(std::move(format));
    return TRUE;
}

int TdeCodec::Count() {
    EnsureBuilt();
    return int(Catalogue().size());
}

TdeCodec* TdeCodec::Item(int Index) {
    EnsureBuilt();
    if (Index < 0 || Index >= int(Catalogue().size())) return nullptr;
    return Catalogue()[std::size_t(Index)].get();
}

void TdeCodec::Rebuild() {
    FreeCatalogue();
    EnsureBuilt();
}

void TdeCodec::FreeCatalogue() {
    Catalogue().clear();
    Built = false;
}
