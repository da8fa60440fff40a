// The errors of the wave-in and compression library, and the texts of the platform's result codes.
#pragma once

#include "platform/rtl/Exception.h"

#include <string>

class EACMError : public Exception {
public:
    using Exception::Exception;
};
class EACMCodecError : public EACMError {
public:
    using EACMError::EACMError;
};
class EACMConversionError : public EACMError {
public:
    using EACMError::EACMError;
};
class EACMAudioIOError : public EACMError {
public:
    using EACMError::EACMError;
};
class EACMAudioInError : public EACMAudioIOError {
public:
    using EACMAudioIOError::EACMAudioIOError;
};
class EACMAudioOutError : public EACMAudioIOError {
public:
    using EACMAudioIOError::EACMAudioIOError;
};

// The text of result `code`, led by `context` and a line break when a context is given.
std::string ACMErrorText(unsigned code, const std::string& context = {});

// Raises E with the text of `code` unless it is 0 (success).
template <class E> void ACMCheck(unsigned code, const std::string& context = {}) {
    if (code != 0) throw E(ACMErrorText(code, context));
}
