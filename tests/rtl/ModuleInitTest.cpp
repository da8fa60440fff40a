#include "platform/rtl/ModuleInit.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

class ModuleInitTest : public ::testing::Test {
protected:
    void SetUp() override { ClearModuleRegistry(); }
    void TearDown() override {
        try {
            FinalizeModules();
        } catch (...) {
        }
        ClearModuleRegistry();
    }

    void Add(const std::string& name, int order, bool failInit = false, bool failShutdown = false) {
        RegisterModule(
            name, order,
            [this, name, failInit] {
                if (failInit) throw std::runtime_error(name + " failed");
                log.push_back("init " + name);
            },
            [this, name, failShutdown] {
                log.push_back("done " + name);
                if (failShutdown) throw std::runtime_error(name + " shutdown failed");
            });
    }

    std::vector<std::string> log;
};

TEST_F(ModuleInitTest, RunsInOrderAndShutsDownInReverse) {
    Add("graphics", 20);
    Add("runtime", 10);
    Add("windows", 30);
    Add("fonts", 20); // same order as graphics: registration decides
    InitializeModules();
    EXPECT_TRUE(IsModuleInitialized("fonts"));
    FinalizeModules();
    EXPECT_FALSE(IsModuleInitialized("fonts"));
    EXPECT_EQ(log, (std::vector<std::string>{"init runtime", "init graphics", "init fonts", "init windows",
                                             "done windows", "done fonts", "done graphics", "done runtime"}));
}

TEST_F(ModuleInitTest, DuplicateNamesAreRefused) {
    Add("runtime", 10);
    EXPECT_FALSE(RegisterModule("runtime", 5, nullptr, nullptr));
    InitializeModules();
    EXPECT_EQ(log, (std::vector<std::string>{"init runtime"}));
}

TEST_F(ModuleInitTest, FailedInitUndoesWhatItStarted) {
    Add("a", 1);
    Add("b", 2);
    Add("broken", 3, true);
    Add("never", 4);
    EXPECT_THROW(InitializeModules(), std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"init a", "init b", "done b", "done a"}));
    EXPECT_FALSE(IsModuleInitialized("a"));
    FinalizeModules(); // nothing left to shut down
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(ModuleInitTest, LateModulesStartOnTheNextCallAndStopFirst) {
    Add("early", 1);
    InitializeModules();
    Add("late", 0); // a lower order, but it starts after "early" and so must stop before it
    InitializeModules();
    InitializeModules(); // nothing new: nothing runs twice
    FinalizeModules();
    EXPECT_EQ(log, (std::vector<std::string>{"init early", "init late", "done late", "done early"}));
}

TEST_F(ModuleInitTest, AnInitMayRegisterFurtherModules) {
    RegisterModule(
        "loader", 1,
        [this] {
            log.push_back("init loader");
            for (int i = 0; i < 50; ++i)
                Add("plugin" + std::to_string(i), 2); // grows the registry meanwhile
            log.push_back("loader still intact");
        },
        [this] { log.push_back("done loader"); });
    InitializeModules();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "loader still intact");
    InitializeModules();
    EXPECT_EQ(log.size(), 52u);
    EXPECT_EQ(log.back(), "init plugin49");
    FinalizeModules();
    EXPECT_EQ(log.back(), "done loader");
}

TEST_F(ModuleInitTest, EveryShutdownRunsEvenWhenOneFails) {
    Add("a", 1);
    Add("b", 2, false, true);
    Add("c", 3);
    InitializeModules();
    EXPECT_THROW(FinalizeModules(), std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"init a", "init b", "init c", "done c", "done b", "done a"}));
}

TEST_F(ModuleInitTest, RegistryCannotBeClearedWhileRunning) {
    Add("a", 1);
    InitializeModules();
    EXPECT_THROW(ClearModuleRegistry(), EInvalidOperation);
}
