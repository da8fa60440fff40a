// FormatFloat: a number shown through a picture such as "0.00", "#,##0" or "0.0E+00".
//   0  a digit, shown even when it is a leading or trailing zero
//   #  a digit, left out when it is a leading or trailing zero
//   .  the decimal separator (the first one counts)
//   ,  thousands separators in the integer part (anywhere before the point)
//   E+ E- e+ e-  scientific notation; the zeros that follow give the minimum exponent digits
//   'x' "x"  literal text
//   ;  separates the pictures for positive, negative and zero values
// Rounding is half away from zero. An empty picture gives the FloatToStr form.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <string>
#include <string_view>

std::string FormatFloat(std::string_view format, double value);
std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings);
