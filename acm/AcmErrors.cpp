#include "acm/AcmErrors.h"

namespace acm_errors_detail {
const char* CodeText(unsigned code) {
    switch (code) {
    case 0:
        return "no error";
    case 2:
        return "%sBad device ID.";
    case 3:
        return "%sDriver not enabled.";
    case 4:
        return "%sDevice already allocated.";
    case 5:
        return "%sThe specified handle is invalid.";
    case 6:
        return "%sA suitable driver is not available to provide valid format selections.";
    case 7:
        return "%sThe system is unable to allocate resources.";
    case 8:
        return "%sFunction not supported.";
    case 10:
        return "%sAt least one flag is invalid.";
    case 11:
        return "%sAt least one parameter is invalid.";
    case 12:
        return "%sDevice handle in use.";
    case 32:
        return "%sThe selected audio format is not supported on this machine.";
    case 33:
        return "%sAudio device is still playing.";
    case 34:
    case 514:
        return "%sCannot perform this action on a header that has not been prepared.";
    case 35:
        return "%sDevice is synchronous.";
    case 512:
        return "%sThe requested operation cannot be performed.";
    case 513:
        return "%sThe conversion stream is already in use.";
    default:
        return nullptr;
    }
}
} // namespace acm_errors_detail

std::string ACMErrorText(unsigned code, const std::string& context) {
    const std::string lead = context.empty() ? std::string() : context + "\r\n";
    const char* text = acm_errors_detail::CodeText(code);
    if (code == 0) return text;
    std::string result;
    if (text) {
        result = text;
        result.replace(0, 2, lead);
        return result;
    }
    result = "An unexpected error has occurred (code #" + std::to_string(code) + ").";
    return lead + result;
}
