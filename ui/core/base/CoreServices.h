// Core services of the user-interface library: the Windows version the program answers to, charset
// and pixel conversions, and small helpers shared by every unit of the library.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <string>

// The exception class of the user-interface library.
class EovException : public Exception {
public:
    using Exception::Exception;
};

// Windows version flags, set once by ovGetOSVersionFlags (the platform layer answers NT 6.1, not WOW64).
struct TovOSVersionFlags {
    bool IsWin9X = false, IsWin95 = false, IsWin98 = false, IsWinME = false;
    bool IsWinNT = false, IsWin2K = false, IsWin2KOrLater = false, IsWinXP = false, IsWinXPOrLater = false;
    bool IsWin2KOrXP = false, IsWinVista = false, IsWinVistaOrLater = false, IsWin7 = false;
    bool IsWin7OrLater = false, IsWin8 = false, IsWin8OrLater = false, IsWin64Bit = false;
};
constexpr int VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr int VER_PLATFORM_WIN32_NT = 2;
// The flags of a platform id and version; the running system's come from ovOSVersion().
TovOSVersionFlags ovComputeOSVersionFlags(int APlatformId, int AMajor, int AMinor, bool AIsWow64);
void ovGetOSVersionFlags();
const TovOSVersionFlags& ovOSVersion();
// Replaces the flags until the next ovGetOSVersionFlags: tests take the branches of other systems.
void ovSetOSVersionFlags(const TovOSVersionFlags& AFlags);
inline bool IsWinVistaOrLater() {
    return ovOSVersion().IsWinVistaOrLater;
}

// Whether this module is a loadable library (never: the program is one executable).
constexpr bool ovIsDLLModule() {
    return false;
}

// The ANSI code page of a font charset (0 for charsets without one of their own).
unsigned ovGetCodePageFromCharset(int ACharset);

// Byte text in ACodePage (0 and 65001 are UTF-8) to UTF-16 and back; ALength -1 takes the whole
// string. A code page the system does not know raises EConvertError.
std::u16string ovMultiByteToWideString(const std::string& AText, unsigned ACodePage, int ALength = -1);
std::string ovWideStringToMultiByte(const std::u16string& AText, unsigned ACodePage, int ALength = -1);
inline std::u16string ovMultiByteToWideStringAll(const std::string& AText, unsigned ACodePage) {
    return ovMultiByteToWideString(AText, ACodePage, -1);
}
inline std::string ovWideStringToMultiByteAll(const std::u16string& AText, unsigned ACodePage) {
    return ovWideStringToMultiByte(AText, ACodePage, -1);
}

// A locale item as text (without its terminating zero); ADefault when the locale does not answer.
std::string ovGetLocaleInfo(LCID ALocale, LCTYPE AType, const std::string& ADefault);

// A 256-bit character set: bit (c mod 32) of 32-bit word (c div 32).
using TovCharSet = std::uint32_t[8];
bool ovCharInSet(unsigned char AChar, const TovCharSet& ASet);

// Length-prefixed strings hold at most 255 bytes; longer text is cut.
std::string ovStringToShortString(const std::string& AText);

void ovWriteIntegerToStream(TStream* AStream, std::int32_t AValue);
inline void ovExchangeIntegers(int& A, int& B) {
    const int t = A;
    A = B;
    B = t;
}

// X in the low 16 bits, Y in the high 16 bits (each cut to 16 bits).
LPARAM uiPointToLParam(const TPoint& P);
inline void CallNotify(const TNotifyEvent& AEvent, TObject* ASender) {
    if (AEvent) AEvent(ASender);
}

// A colour (system colours resolved) packed as a 32-bit pixel: blue lowest, then green, red, alpha.
std::uint32_t ovColorToRGBQuad(std::int32_t AColor, std::uint8_t AAlpha = 0);
// Exchanges the lowest and the third byte (RGB <-> BGR), keeping the others.
constexpr std::uint32_t ovSwapRedBlue(std::uint32_t AValue) {
    return (AValue & 0xFF00FF00u) | ((AValue & 0xFFu) << 16) | ((AValue >> 16) & 0xFFu);
}
