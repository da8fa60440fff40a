#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

TEST(Exceptions, DerivedClassesAreCaughtAsTheirBase) {
    try {
        throw EFOpenError("Cannot open file \"x\"");
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"x\"");
    }
}
