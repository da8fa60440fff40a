// Limits that hold while the device tests run, whatever the machine's load.
#include "DeviceTestSupport.h"

#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class TDeviceTestLimits : public ::testing::Environment {
public:
    void SetUp() override { FLimit.emplace(device_tests::kMaxFileBytes); }
    void TearDown() override { FLimit.reset(); }

private:
    std::optional<TFileSizeLimit> FLimit;
};

::testing::Environment* const DeviceTestLimits = ::testing::AddGlobalTestEnvironment(new TDeviceTestLimits);

} // namespace
