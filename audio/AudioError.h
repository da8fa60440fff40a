// The error every engine operation raises when it cannot do what it was asked.
#pragma once

#include "platform/rtl/Exceptions.h"

class EAudioError : public Exception {
public:
    using Exception::Exception;
};
