// Reading the values of one stored section as far as they can be trusted. A missing value is absent; a
// value that cannot be read, or that lies outside what the model takes, is absent as well and reported
// to the diagnostic output, so that the caller keeps what it has instead of storing nonsense.
#pragma once

#include "ui/bars/layout/BarLayoutNames.h"

#include <optional>
#include <string>

class TCustomIniFile;
class TMemoryStream;

class TovLayoutSectionReader {
public:
    TovLayoutSectionReader(TCustomIniFile& AIniFile, std::string ASection, TovBarStoringKind AKind)
        : FIniFile(AIniFile), FSection(std::move(ASection)), FKind(AKind) {}

    const std::string& Section() const { return FSection; }
    bool Exists() const;
    bool Has(const char* AKey) const;

    std::optional<std::string> String(const char* AKey) const;
    // Decimal (or "$"/"0x" hexadecimal) text, or a registry integer, within AMin..AMax.
    std::optional<int> Integer(const char* AKey, int AMin, int AMax) const;
    // Stored as an integer: anything but 0 is true.
    std::optional<bool> Boolean(const char* AKey) const;
    // A set stored as one byte of binary data (its first byte). In an ini file a one-character text is
    // taken as a decimal digit first (how older layouts stored it). Bits outside AKnownBits make the value
    // absent; AKnownBits outside AModelBits are known to the format but dropped.
    std::optional<unsigned> SetByte(const char* AKey, unsigned AKnownBits, unsigned AModelBits) const;
    // The bytes of a binary value, the stream rewound; false when absent or unreadable.
    bool Bytes(const char* AKey, TMemoryStream& AStream) const;

    // Reports that the value of AKey was ignored, and why.
    void Ignored(const char* AKey, const std::string& AWhy) const;

private:
    TCustomIniFile& FIniFile;
    std::string FSection;
    TovBarStoringKind FKind;
};
