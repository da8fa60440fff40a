// Numbers to text and back, with the class library's rules and error messages.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

std::string IntToStr(int value);
std::string IntToStr(unsigned value);
std::string IntToStr(long value);
std::string IntToStr(unsigned long value);
std::string IntToStr(long long value);
std::string IntToStr(unsigned long long value);

// Upper-case hexadecimal, at least `digits` digits. Negative values show their two's complement in
// the width of their type (IntToHex(-1, 2) is "FFFFFFFF").
std::string IntToHex(std::int32_t value, int digits);
std::string IntToHex(std::uint32_t value, int digits);
std::string IntToHex(std::int64_t value, int digits);
std::string IntToHex(std::uint64_t value, int digits);

// Decimal with an optional sign, or hexadecimal after "$" or "0x"; leading blanks are allowed.
// Hexadecimal text may use the full unsigned range and wraps ("$FFFFFFFF" is -1); decimal text must
// fit. Failures raise EConvertError "'<text>' is not a valid integer value".
int StrToInt(std::string_view s);
std::int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int defaultValue);
std::int64_t StrToInt64Def(std::string_view s, std::int64_t defaultValue);
bool TryStrToInt(std::string_view s, int& value);
bool TryStrToInt64(std::string_view s, std::int64_t& value);

// Up to 15 significant digits, fixed notation unless the exponent calls for scientific ("1E20",
// "1.5E-7"); "INF", "-INF" and "NAN" for the special values.
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);

// Decimal text with the decimal separator, optional sign and exponent; surrounding blanks are allowed.
// Failures raise EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view s);
double StrToFloat(std::string_view s, const TFormatSettings& settings);
double StrToFloatDef(std::string_view s, double defaultValue);
bool TryStrToFloat(std::string_view s, double& value);
bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings);
