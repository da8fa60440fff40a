// The error classes of the network suite.
#pragma once

#include "platform/rtl/Exceptions.h"

#define OLVA_NET_EXCEPTION_CLASS(name, base)                                                                 \
    class name : public base {                                                                               \
    public:                                                                                                  \
        using base::base;                                                                                    \
    }

// Hidden message windows, timers and their message numbers.
OLVA_NET_EXCEPTION_CLASS(ENetException, Exception);
// Socket operations, name resolution and the socket binding.
OLVA_NET_EXCEPTION_CLASS(ESocketException, ENetException);
// Opening or writing the log file.
OLVA_NET_EXCEPTION_CLASS(ELoggerException, Exception);
// An MD4 context used before Md4Init.
OLVA_NET_EXCEPTION_CLASS(MD4Exception, Exception);
// A content coding class that does not name its token.
OLVA_NET_EXCEPTION_CLASS(EHttpContentCodingException, Exception);
// The send buffer pool asked to remove what it does not hold.
OLVA_NET_EXCEPTION_CLASS(ENetBufferException, Exception);

#undef OLVA_NET_EXCEPTION_CLASS
