// The painters manager: order, lookups by name and style, duplicates, listeners, the foundation's
// painters slot, and the unit's start and end.
#include "PaintersTestSupport.h"

#include "ui/core/controls/LookAndFeel.h"
#include "ui/painters/lookandfeel/FlatPainter.h"
#include "ui/painters/lookandfeel/RadioButtonImageList.h"
#include "ui/painters/lookandfeel/StandardPainter.h"
#include "ui/painters/lookandfeel/UltraFlatPainter.h"

using namespace painters_test;

namespace {

class PaintersManagerTest : public PaintersTest {};

// A painter with a chosen name and style that counts its destructions.
class NamedPainter : public TuiCustomLookAndFeelPainter {
public:
    NamedPainter(std::string AName, TuiLookAndFeelStyle AStyle, int* ADestroyed)
        : FName(std::move(AName)), FStyle(AStyle), FDestroyed(ADestroyed) {}
    ~NamedPainter() override { ++*FDestroyed; }
    std::string PainterStyleName() override { return FName; }
    TuiLookAndFeelStyle LookAndFeelStyle() override { return FStyle; }

private:
    std::string FName;
    TuiLookAndFeelStyle FStyle;
    int* FDestroyed;
};

class Listener : public IuiLookAndFeelPaintersListener {
public:
    explicit Listener(std::vector<std::string>* ALog, std::string AName)
        : FLog(ALog), FName(std::move(AName)) {}
    void PainterAdded(TuiCustomLookAndFeelPainter* APainter) override {
        FLog->push_back(FName + ":" + APainter->PainterStyleName());
    }

private:
    std::vector<std::string>* FLog;
    std::string FName;
};

std::vector<std::string> Names(const TuiLookAndFeelPaintersManager& AManager) {
    std::vector<std::string> names;
    for (int i = 0; i < AManager.Count(); ++i)
        names.push_back(AManager.Items(i)->PainterStyleName());
    return names;
}

TEST_F(PaintersManagerTest, TheBuiltInPaintersAreSortedByName) {
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(Names(*manager),
              (std::vector<std::string>{"Flat", "Native", "Office11", "Standard", "UltraFlat"}));
    EXPECT_EQ(manager->GetPainterByStyle(lfsFlat)->PainterStyleName(), "Flat");
    EXPECT_EQ(manager->GetPainterByStyle(lfsStandard)->PainterStyleName(), "Standard");
    EXPECT_EQ(manager->GetPainterByStyle(lfsUltraFlat)->PainterStyleName(), "UltraFlat");
    EXPECT_EQ(manager->GetPainterByStyle(lfsSkin), nullptr);
    EXPECT_EQ(manager->GetPainterByName("ULTRAFLAT"), manager->GetPainterByStyle(lfsUltraFlat));
    EXPECT_EQ(manager->GetPainterByStyle(lfsOffice11)->PainterStyleName(), "Office11");
    EXPECT_EQ(manager->GetPainterByStyle(lfsNative)->PainterStyleName(), "Native");
    EXPECT_EQ(manager->GetPainterByName("native"), manager->GetPainterByStyle(lfsNative));
    TuiCustomLookAndFeelPainter* found = Painter("");
    EXPECT_FALSE(manager->TryGetPainterByName("nothing", found));
    EXPECT_EQ(found, Painter("")); // left untouched
    EXPECT_TRUE(manager->TryGetPainterByStyle(lfsFlat, found));
    EXPECT_EQ(found->PainterStyleName(), "Flat");
}

TEST_F(PaintersManagerTest, RegisteringSortsAndADuplicateIsFreedWithFalse) {
    TuiLookAndFeelPaintersManager manager;
    int destroyed = 0;
    std::vector<std::string> log;
    Listener first(&log, "first"), second(&log, "second");
    manager.AddListener(&first);
    manager.AddListener(&second);
    EXPECT_TRUE(manager.Register(std::make_unique<NamedPainter>("Zeta", lfsSkin, &destroyed)));
    EXPECT_TRUE(manager.Register(std::make_unique<NamedPainter>("Alpha", lfsNative, &destroyed)));
    EXPECT_TRUE(manager.Register(std::make_unique<NamedPainter>("Mid", lfsOffice11, &destroyed)));
    EXPECT_EQ(Names(manager), (std::vector<std::string>{"Alpha", "Mid", "Zeta"}));
    EXPECT_FALSE(manager.Register(std::make_unique<NamedPainter>("mID", lfsFlat, &destroyed)));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(manager.Count(), 3);
    // Listeners hear each registration, the last added first.
    EXPECT_EQ(log, (std::vector<std::string>{"second:Zeta", "first:Zeta", "second:Alpha", "first:Alpha",
                                             "second:Mid", "first:Mid"}));
    // Sorting is case-sensitive and by code point: upper case before lower case.
    EXPECT_TRUE(manager.Register(std::make_unique<NamedPainter>("beta", lfsFlat, &destroyed)));
    EXPECT_EQ(Names(manager).back(), "beta");
    manager.RemoveListener(&first);
    manager.RemoveListener(&second);
}

TEST_F(PaintersManagerTest, TheFoundationFindsThePaintersThroughItsSlot) {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(registry->GetPainterByStyle(lfsUltraFlat), Painter("UltraFlat"));
    EXPECT_EQ(registry->GetPainterByName("standard"), Painter("Standard"));
    EXPECT_EQ(registry->GetPainterByStyle(lfsNative), Painter("Native"));
    EXPECT_EQ(registry->GetPainterByStyle(lfsOffice11), Painter("Office11"));
    // The seam's operations reach the painters' own answers.
    TuiLookAndFeelPainterBase* ultra = registry->GetPainterByStyle(lfsUltraFlat);
    EXPECT_TRUE(ultra->ButtonHotTracks());
    EXPECT_EQ(ultra->BorderThickness(), 1);
    EXPECT_FALSE(registry->GetPainterByStyle(lfsFlat)->ButtonHotTracks());
}

TEST_F(PaintersManagerTest, LookAndFeelsDrawWithTheRegisteredPainters) {
    TuiLookAndFeel* root = RootLookAndFeel();
    ASSERT_NE(root, nullptr);
    // A new look-and-feel starts ultra-flat, the default look of the library's controls.
    EXPECT_EQ(root->Painter(), Painter("UltraFlat"));
    TuiLookAndFeel child(nullptr);
    child.SetKind(lfStandard);
    EXPECT_EQ(child.Painter(), Painter("Standard"));
    root->SetKind(lfFlat);
    EXPECT_EQ(root->Painter(), Painter("Flat"));
    root->Reset();
    // When the painters end, no look-and-feel keeps one.
    uiPaintersFinalize();
    EXPECT_EQ(root->Painter(), nullptr);
    EXPECT_EQ(child.Painter(), nullptr);
    uiPaintersInitialize(); // for TearDown
    EXPECT_EQ(child.Painter(), Painter("Standard"));
}

TEST_F(PaintersManagerTest, StartAndEndNestAndLeaveNothingBehind) {
    // SetUp started the unit once; a second start only counts.
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    uiPaintersInitialize();
    EXPECT_EQ(uiLookAndFeelPaintersManager(), manager);
    uiPaintersFinalize();
    EXPECT_TRUE(uiPaintersInitialized());
    EXPECT_EQ(uiLookAndFeelPaintersManager(), manager);
    RadioButtonImageList();
    ASSERT_TRUE(RadioButtonImageListExists());
    uiPaintersFinalize();
    EXPECT_FALSE(uiPaintersInitialized());
    EXPECT_EQ(uiLookAndFeelPaintersManager(), nullptr);
    EXPECT_EQ(uiPaintersRegistry(), nullptr);
    EXPECT_FALSE(RadioButtonImageListExists());
    uiPaintersInitialize(); // for TearDown
}

} // namespace
