// The catalogue of the installed compression drivers, each with its names and formats. Built on the
// first question about it, rebuilt on demand.
#pragma once

#include "acm/Msacm.h"
#include "acm/WaveFormat.h"
#include "platform/rtl/Set.h"

#include <memory>
#include <string>
#include <vector>

enum TdeCodecSupport { csCodec, csConverter, csFilter, csHardware, csAsync, csLocal, csDisabled };
using TdeCodecSupports = Set<TdeCodecSupport, 8>;

class TdeCodec {
public:
    struct TFormat {
        std::string Name;
        std::vector<BYTE> Format; // a private copy of the whole format block
    };

    // Raises EACMError (and the driver is left out of the catalogue) when the driver cannot be read.
    explicit TdeCodec(HACMDRIVERID DriverId);
    ~TdeCodec();
    TdeCodec(const TdeCodec&) = delete;
    TdeCodec& operator=(const TdeCodec&) = delete;

    static int Count();
    static TdeCodec* Item(int Index);
    static void Rebuild();
    static void FreeCatalogue();

    DWORD Priority() const { return FPriority; }
    TdeCodecSupports Support() const { return FSupport; }
    const std::string& ShortName() const { return FShortName; }
    const std::string& LongName() const { return FLongName; }
    const std::string& Copyright() const { return FCopyright; }
    const std::string& Licensing() const { return FLicensing; }
    const std::string& Features() const { return FFeatures; }
    DWORD MaxFormatSize() const { return FMaxFormatSize; }
    const std::vector<TFormat>& Formats() const { return FFormats; }

private:
    static BOOL EnumFormat(HACMDRIVERID DriverId, ACMFORMATDETAILS* Details, DWORD_PTR Instance,
                           DWORD Support);
    HACMDRIVERID FDriverId;
    ACMDRIVERDETAILS FDetails;
    DWORD FPriority = 0;
    TdeCodecSupports FSupport;
    std::string FShortName, FLongName, FCopyright, FLicensing, FFeatures;
    DWORD FMaxFormatSize = 18;
    std::vector<TFormat> FFormats;
};
