#include "UiCoreTestSupport.h"

#include "ui/core/base/LibraryStrings.h"
#include "ui/core/base/ResourceStrings.h"
#include "ui/core/base/UnitsLoader.h"

#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

class ResourceStringsTest : public UiCoreTest {};

TEST_F(ResourceStringsTest, LibraryProductHoldsItsTextsAfterStartUp) {
    TovResourceStringsRepository* repository = ovResourceStringsRepository();
    ASSERT_NE(repository, nullptr);
    const int index = repository->IndexOfProduct(uiLibraryProductKey);
    ASSERT_GE(index, 0);
    TovProductResourceStrings* product = repository->Products(index);
    EXPECT_EQ(product->Count(), 26);
    ASSERT_NE(product->Find("suiLockedStateText"), nullptr);
    EXPECT_EQ(uiGetResourceString(*product->Find("suiLockedStateText")), "Please wait...");
    EXPECT_EQ(uiGetResourceString(suiCantOpenRegistryKey), "Can't open the registry key: \\%s");
    EXPECT_EQ(uiGetResourceString(suiBuiltInLookAndFeelStyles), "Built-In Look && Feel Styles");
}

TEST_F(ResourceStringsTest, RegistrationRunsAtOnceAndRemovalIsCaseSensitive) {
    TovResourceStringsRepository* repository = ovResourceStringsRepository();
    TResStringRec text{"sTest", "test"};
    bool registered = false;
    repository->RegisterProduct("Other", [&](TovProductResourceStrings* product) {
        product->Add("sTest", &text);
        registered = true;
    });
    EXPECT_TRUE(registered);
    const int count = repository->ProductCount();
    repository->UnRegisterProduct("OTHER");
    EXPECT_EQ(repository->ProductCount(), count);
    repository->UnRegisterProduct("Other");
    EXPECT_EQ(repository->ProductCount(), count - 1);
    EXPECT_EQ(repository->IndexOfProduct("Other"), -1);
}

struct Listener : IovResourceStringsListener {
    int told = 0;
    void ResourceStringsChanged() override { ++told; }
};

TEST_F(ResourceStringsTest, ListenersAreHeldOnceAndTold) {
    TovResourceStringsRepository* repository = ovResourceStringsRepository();
    Listener a, b;
    repository->AddListener(&a);
    repository->AddListener(&a);
    repository->AddListener(&b);
    EXPECT_EQ(repository->ListenerCount(), 2);
    repository->NotifyListeners();
    repository->RemoveListener(&a);
    repository->NotifyListeners();
    EXPECT_EQ(a.told, 1);
    EXPECT_EQ(b.told, 2);
    repository->RemoveListener(&b);
    EXPECT_EQ(repository->ListenerCount(), 0);
}

std::vector<std::string> LoaderCalls;
void LoaderInitA() {
    LoaderCalls.push_back("init A");
}
void LoaderFinalA() {
    LoaderCalls.push_back("final A");
}
void LoaderFinalB() {
    LoaderCalls.push_back("final B");
}
void LoaderFinalC() {
    LoaderCalls.push_back("final C");
}

TEST(UnitsLoaderTest, RunsStartsAtOnceAndEndsNewestFirst) {
    LoaderCalls.clear();
    {
        TovUnitsLoader loader;
        loader.AddUnit(nullptr, &LoaderFinalC); // no start: the loader is not yet initialised
        EXPECT_FALSE(loader.Initialized());
        loader.RemoveUnit(&LoaderFinalC); // dropped without being called
        EXPECT_TRUE(LoaderCalls.empty());
        loader.AddUnit(&LoaderInitA, &LoaderFinalA);
        loader.AddUnit(nullptr, &LoaderFinalB);
        loader.AddUnit(nullptr, &LoaderFinalC);
        EXPECT_EQ(LoaderCalls, std::vector<std::string>{"init A"});
        loader.RemoveUnit(&LoaderFinalB);
        EXPECT_EQ(LoaderCalls.back(), "final B");
    }
    EXPECT_EQ(LoaderCalls, (std::vector<std::string>{"init A", "final B", "final C", "final A"}));
}

} // namespace
