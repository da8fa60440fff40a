// The entry point of every test executable.
#include "tests/support/TestScratch.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // SDL turns SIGINT and SIGTERM into quit events once its event loop starts, and no test reads them:
    // the process would outlive `timeout` and a CI's stop. Leave both signals their default action.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
    TTestScratch scratch(OLVA_TEST_SCRATCH_DIR, argv[0]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
