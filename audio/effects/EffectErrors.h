// Errors raised by the effects processor: a parameter outside the range the effect accepts, or an
// operation that cannot run on the data it was given.
#pragma once

#include "platform/rtl/Exceptions.h"

class EAudioEffectError : public Exception {
public:
    using Exception::Exception;
};

// A caller passed a parameter the effect cannot honour; the samples were not touched.
class EAudioEffectParameter : public EAudioEffectError {
public:
    using EAudioEffectError::EAudioEffectError;
};
