// Fixture of the CD dialog tests: a fresh window system on a manual clock with the class library
// started, simulated drives in place of the machine's, and the settings record restored afterwards.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "source/GlobalVars.h"
#include "tests/cd/SimulatedCDDevice.h"

#include <gtest/gtest.h>

#include <memory>

namespace cd_dialog_test {

class CDDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        clock = std::make_unique<TFakeClock>(0, 100000);
        clockOverride = std::make_unique<TClockOverride>(*clock);
        InitializeVcl();
        Application()->Initialize();
        Application()->SetTitle("OLVA Audio Editor");
        override_ = std::make_unique<TCDDeviceSystemOverride>(sim);
        saved = GlobalVars();
    }
    void TearDown() override {
        Application()->OnIdle = nullptr;
        GlobalVars() = saved;
        override_.reset();
        FinalizeVcl();
        clockOverride.reset();
        clock.reset();
        olva::win::ResetWindowSystem();
    }

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
    std::unique_ptr<TCDDeviceSystemOverride> override_;
    cd_test::TSimulatedCDSystem sim;
    TGlobalVars saved;
};

} // namespace cd_dialog_test
