// The standard exception classes of the runtime. Each layer may derive its own from these.
#pragma once

#include "platform/rtl/Exception.h"

#define OLVA_EXCEPTION_CLASS(name, base)                                                                     \
    class name : public base {                                                                               \
    public:                                                                                                  \
        using base::base;                                                                                    \
    }

OLVA_EXCEPTION_CLASS(EAbort, Exception);
OLVA_EXCEPTION_CLASS(EConvertError, Exception);
OLVA_EXCEPTION_CLASS(EListError, Exception);
OLVA_EXCEPTION_CLASS(EStringListError, Exception);
OLVA_EXCEPTION_CLASS(EStreamError, Exception);
OLVA_EXCEPTION_CLASS(EFileStreamError, EStreamError);
OLVA_EXCEPTION_CLASS(EFCreateError, EFileStreamError);
OLVA_EXCEPTION_CLASS(EFOpenError, EFileStreamError);
OLVA_EXCEPTION_CLASS(EReadError, EStreamError);
OLVA_EXCEPTION_CLASS(EWriteError, EStreamError);
OLVA_EXCEPTION_CLASS(EFilerError, EStreamError);
OLVA_EXCEPTION_CLASS(EClassNotFound, EFilerError);
OLVA_EXCEPTION_CLASS(EResNotFound, Exception);
OLVA_EXCEPTION_CLASS(EInvalidOperation, Exception);
OLVA_EXCEPTION_CLASS(EInvalidPointer, Exception);
OLVA_EXCEPTION_CLASS(EInvalidCast, Exception);
OLVA_EXCEPTION_CLASS(EAbstractError, Exception);
OLVA_EXCEPTION_CLASS(EOutOfMemory, Exception);
OLVA_EXCEPTION_CLASS(EOutOfResources, EOutOfMemory);
OLVA_EXCEPTION_CLASS(EComponentError, Exception);
OLVA_EXCEPTION_CLASS(EInOutError, Exception);
OLVA_EXCEPTION_CLASS(EOSError, Exception);
OLVA_EXCEPTION_CLASS(ERangeError, Exception);
OLVA_EXCEPTION_CLASS(EIntOverflow, Exception);
OLVA_EXCEPTION_CLASS(EMathError, Exception);
OLVA_EXCEPTION_CLASS(EZeroDivide, EMathError);
OLVA_EXCEPTION_CLASS(EInvalidArgument, EMathError);
OLVA_EXCEPTION_CLASS(ENotSupportedException, Exception);
OLVA_EXCEPTION_CLASS(EIniFileException, Exception);
OLVA_EXCEPTION_CLASS(ERegistryException, Exception);
OLVA_EXCEPTION_CLASS(EInvalidGraphic, Exception);
OLVA_EXCEPTION_CLASS(EInvalidGraphicOperation, Exception);
OLVA_EXCEPTION_CLASS(EOleError, Exception);
OLVA_EXCEPTION_CLASS(EOleException, EOleError);

#undef OLVA_EXCEPTION_CLASS
