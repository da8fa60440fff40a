// A content coding registered in the process registry for as long as the object lives, so that a test
// leaves the registry as the next test (or the next repetition) expects to find it.
#pragma once

#include "net/HttpContentCoding.h"

namespace net_test {

class TScopedContentCoding {
public:
    TScopedContentCoding(const THttpContentCodingClass& CodingClass, float Quality) : FClass(CodingClass) {
        ContentCodings().Add(CodingClass, Quality);
    }
    ~TScopedContentCoding() { ContentCodings().Remove(FClass); }
    TScopedContentCoding(const TScopedContentCoding&) = delete;
    TScopedContentCoding& operator=(const TScopedContentCoding&) = delete;

private:
    const THttpContentCodingClass& FClass;
};

} // namespace net_test
