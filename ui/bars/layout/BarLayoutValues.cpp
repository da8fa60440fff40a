#include "ui/bars/layout/BarLayoutValues.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"

#include <cctype>
#include <climits>

namespace {

// What the diagnostic line shows of a value: short, and without control bytes.
std::string Shown(const std::string& AText) {
    std::string shown;
    for (char c : AText.substr(0, 40))
        shown += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    return AText.size() > 40 ? shown + "..." : shown;
}

} // namespace

bool TovLayoutSectionReader::Exists() const {
    return FIniFile.SectionExists(FSection);
}

bool TovLayoutSectionReader::Has(const char* AKey) const {
    return FIniFile.ValueExists(FSection, AKey);
}

void TovLayoutSectionReader::Ignored(const char* AKey, const std::string& AWhy) const {
    ovBarLayoutReport("[" + FSection + "] \"" + AKey + "\": " + AWhy + "; ignored");
}

std::optional<std::string> TovLayoutSectionReader::String(const char* AKey) const {
    if (!Has(AKey)) return std::nullopt;
    return FIniFile.ReadString(FSection, AKey, "");
}

std::optional<int> TovLayoutSectionReader::Integer(const char* AKey, int AMin, int AMax) const {
    if (!Has(AKey)) return std::nullopt;
    const std::string text = Trim(FIniFile.ReadString(FSection, AKey, ""));
    int value = 0;
    if (!TryStrToInt(text, value)) {
        Ignored(AKey, "\"" + Shown(text) + "\" is not a number");
        return std::nullopt;
    }
    if (value < AMin || value > AMax) {
        Ignored(AKey, std::to_string(value) + " is out of range");
        return std::nullopt;
    }
    return value;
}

std::optional<bool> TovLayoutSectionReader::Boolean(const char* AKey) const {
    std::optional<int> value = Integer(AKey, INT_MIN, INT_MAX);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<unsigned> TovLayoutSectionReader::SetByte(const char* AKey, unsigned AKnownBits,
                                                        unsigned AModelBits) const {
    if (!Has(AKey)) return std::nullopt;
    unsigned value = 0;
    const std::string text = FKind == bskIniFile ? FIniFile.ReadString(FSection, AKey, "") : std::string();
    if (text.size() == 1) {
        if (!std::isdigit(static_cast<unsigned char>(text[0]))) {
            Ignored(AKey, "\"" + Shown(text) + "\" is not a set");
            return std::nullopt;
        }
        value = static_cast<unsigned>(text[0] - '0');
    } else {
        TMemoryStream bytes;
        if (FIniFile.ReadBinaryStream(FSection, AKey, bytes) < 1) {
            Ignored(AKey, "not binary data");
            return std::nullopt;
        }
        value = static_cast<const unsigned char*>(bytes.Memory())[0];
    }
    if ((value & ~AKnownBits) != 0) {
        Ignored(AKey, "unknown members in " + std::to_string(value));
        return std::nullopt;
    }
    return value & AModelBits;
}

bool TovLayoutSectionReader::Bytes(const char* AKey, TMemoryStream& AStream) const {
    if (!Has(AKey)) return false;
    AStream.Clear();
    if (FIniFile.ReadBinaryStream(FSection, AKey, AStream) <= 0) {
        Ignored(AKey, "not binary data");
        return false;
    }
    AStream.SetPosition(0);
    return true;
}
