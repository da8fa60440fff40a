// Format: printf-like formatting with the class library's rules.
//   %[index:][-][width][.precision]type, type one of d u x e f g n m p s (either case), "%%" for '%'.
//   index, width and precision may be '*' to take an integer from the argument list.
//   d u x: precision is the minimum number of digits. e: precision is the number of significant digits
//   (default 15). f n m: digits after the point (default 2, m: CurrencyDecimals). g: significant digits
//   (default 15). n and m group thousands; m adds the currency string. s: precision is the maximum
//   number of characters. A '-' pads on the right instead of the left.
// A specifier that does not suit its argument raises EConvertError
// "Format '<format>' invalid or incompatible with argument".
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// One argument of Format, as the class library's variant record of an open array.
class TVarRec {
public:
    enum TKind { vtInteger, vtInt64, vtUInt64, vtExtended, vtString, vtChar, vtPointer };

    template <std::integral T>
    requires(!std::is_same_v<T, bool> && !std::is_same_v<T, char>) TVarRec(T value) {
        if constexpr (std::is_signed_v<T> && sizeof(T) <= 4) {
            FKind = vtInteger;
            FInt = value;
        } else if constexpr (!std::is_signed_v<T> && sizeof(T) < 4) {
            FKind = vtInteger;
            FInt = value;
        } else if constexpr (std::is_signed_v<T> || sizeof(T) <= 4) {
            FKind = vtInt64;
            FInt = static_cast<std::int64_t>(value);
        } else {
            FKind = vtUInt64;
            FUInt = value;
        }
    }
    TVarRec(bool) = delete; // a truth value has no text form of its own; say what to show
    TVarRec(char value) : FKind(vtChar), FText(1, value) {}
    TVarRec(double value) : FKind(vtExtended), FFloat(value) {}
    TVarRec(float value) : FKind(vtExtended), FFloat(value) {}
    TVarRec(long double value) : FKind(vtExtended), FFloat(static_cast<double>(value)) {}
    TVarRec(const char* value) : FKind(vtString), FView(value ? value : "") {}
    TVarRec(const std::string& value) : FKind(vtString), FView(value) {}
    TVarRec(std::string_view value) : FKind(vtString), FView(value) {}
    TVarRec(const void* value) : FKind(vtPointer), FPointer(value) {}
    TVarRec(std::nullptr_t) : FKind(vtPointer) {}

    TKind Kind() const { return FKind; }
    std::int64_t AsInt64() const { return FInt; }
    std::uint64_t AsUInt64() const { return FUInt; }
    double AsFloat() const { return FFloat; }
    std::string_view AsString() const { return FKind == vtChar ? std::string_view(FText) : FView; }
    const void* AsPointer() const { return FPointer; }

private:
    TKind FKind;
    std::int64_t FInt = 0;
    std::uint64_t FUInt = 0;
    double FFloat = 0;
    std::string_view FView; // strings are only borrowed: a TVarRec lives for one call
    std::string FText;      // a single character, owned
    const void* FPointer = nullptr;
};

std::string Format(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& settings);
std::string Format(std::string_view format, std::span<const TVarRec> args);
std::string Format(std::string_view format, std::initializer_list<TVarRec> args);
std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings);

template <class... Args>
requires(sizeof...(Args) > 0 && (std::is_constructible_v<TVarRec, const Args&> && ...)) std::string
    Format(std::string_view format, const Args&... args) {
    const TVarRec packed[] = {TVarRec(args)...};
    return Format(format, std::span<const TVarRec>(packed));
}
