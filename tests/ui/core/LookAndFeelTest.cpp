#include "FakePainter.h"
#include "UiCoreTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/SystemPaletteNotifier.h"
#include "ui/core/platform/ThemeManager.h"

#include <memory>
#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

class LookAndFeelTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        registry = std::make_unique<TFakePaintersRegistry>();
        registry->painters = {&flat, &standard, &ultraFlat, &office11, &native, &skin};
        RootLookAndFeel()->Refresh();
    }
    void TearDown() override {
        registry.reset();
        UiCoreTest::TearDown();
    }
    std::unique_ptr<TFakePaintersRegistry> registry;
    TFakePainter flat{"Flat", lfsFlat}, standard{"Standard", lfsStandard},
        ultraFlat{"UltraFlat", lfsUltraFlat}, office11{"Office11", lfsOffice11}, native{"Native", lfsNative},
        skin{"Blue", lfsSkin};
};

// Records the notifications a look-and-feel sends through OnChanged.
struct ChangeLog {
    explicit ChangeLog(TuiLookAndFeel& ALookAndFeel) {
        ALookAndFeel.OnChanged = TuiLookAndFeelChangedEvent(
            [this](TuiLookAndFeel*, TuiLookAndFeelValues AValues) { changes.push_back(AValues); }, this);
    }
    std::vector<TuiLookAndFeelValues> changes;
};

TEST_F(LookAndFeelTest, ANewObjectFollowsTheRootAndHearsItsKindChange) {
    TuiLookAndFeel child(nullptr);
    ChangeLog log(child);
    EXPECT_EQ(child.Kind(), lfUltraFlat);
    EXPECT_FALSE(child.NativeStyle());
    EXPECT_TRUE(child.SkinName().empty());
    EXPECT_EQ(child.MasterLookAndFeel(), RootLookAndFeel());
    EXPECT_EQ(child.Painter(), &ultraFlat);
    RootLookAndFeel()->SetKind(lfOffice11);
    EXPECT_EQ(child.Kind(), lfOffice11);
    EXPECT_EQ(child.Painter(), &office11);
    ASSERT_EQ(log.changes.size(), 1u);
    EXPECT_EQ(log.changes[0], TuiLookAndFeelValues{lfvKind});
    RootLookAndFeel()->Reset();
}

TEST_F(LookAndFeelTest, SettingTheInheritedValueMarksItAssignedSilentlyAndStopsFollowing) {
    TuiLookAndFeel child(nullptr);
    ChangeLog log(child);
    child.SetKind(lfUltraFlat);
    EXPECT_TRUE(child.AssignedValues().Contains(lfvKind));
    EXPECT_TRUE(log.changes.empty());
    RootLookAndFeel()->SetKind(lfFlat);
    EXPECT_EQ(child.Kind(), lfUltraFlat);
    EXPECT_TRUE(log.changes.empty());
    RootLookAndFeel()->Reset();
}

TEST_F(LookAndFeelTest, ClearingAssignedValuesReportsWhatChanged) {
    TuiLookAndFeel child(nullptr);
    child.SetKind(lfStandard);
    child.SetNativeStyle(false); // same as inherited: no change when cleared
    ChangeLog log(child);
    child.SetAssignedValues({});
    ASSERT_EQ(log.changes.size(), 1u);
    EXPECT_EQ(log.changes[0], TuiLookAndFeelValues{lfvKind});
    EXPECT_EQ(child.Kind(), lfUltraFlat);
}

TEST_F(LookAndFeelTest, NativeStyleWinsOverTheSkinOnlyWhenVisualStylesAreOn) {
    TuiLookAndFeel child(nullptr);
    child.SetKind(lfFlat);
    child.SetSkinName("Blue");
    EXPECT_EQ(child.Painter(), &skin);
    EXPECT_EQ(child.ActiveStyle(), lfsSkin);
    child.SetNativeStyle(true);
    // Styles are off: the kind's painter draws, not the skin.
    EXPECT_EQ(child.SkinPainter(), nullptr);
    EXPECT_EQ(child.Painter(), &flat);
    EXPECT_EQ(child.ActiveStyle(), lfsFlat);
    EXPECT_EQ(child.GetAvailablePainterForType(totScrollBar), &flat);
}

TEST_F(LookAndFeelTest, SkinNamesAreLookedUpIgnoringCaseButComparedExactly) {
    TuiLookAndFeel child(nullptr);
    ChangeLog log(child);
    child.SetSkinName("BLUE");
    EXPECT_EQ(child.SkinPainter(), &skin);
    child.SetSkinName("blue");
    EXPECT_EQ(log.changes.size(), 2u);
    child.SetSkinName("Missing");
    EXPECT_EQ(child.SkinPainter(), nullptr);
    EXPECT_EQ(child.Painter(), &ultraFlat);
}

TEST_F(LookAndFeelTest, SetStyleTable) {
    struct Case {
        TuiLookAndFeelStyle style;
        bool native;
        TuiLookAndFeelKind kind;
    };
    const Case cases[] = {{lfsFlat, false, lfFlat},           {lfsStandard, false, lfStandard},
                          {lfsUltraFlat, false, lfUltraFlat}, {lfsOffice11, false, lfOffice11},
                          {lfsSkin, false, lfUltraFlat},      {lfsNative, true, lfUltraFlat}};
    TuiLookAndFeel child(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        child.SetStyle(c.style);
        EXPECT_EQ(child.NativeStyle(), c.native);
        EXPECT_EQ(child.Kind(), c.kind); // native leaves the kind of the case before alone
        EXPECT_TRUE(child.SkinName().empty());
    }
}

TEST_F(LookAndFeelTest, KindStyleTranslations) {
    EXPECT_EQ(uiLookAndFeelStyleOfKind(lfOffice11), lfsOffice11);
    EXPECT_EQ(uiLookAndFeelStyleOfKind(lfUltraFlat), lfsUltraFlat);
    EXPECT_EQ(uiLookAndFeelKindOfStyle(lfsNative), lfStandard);
    EXPECT_EQ(uiLookAndFeelKindOfStyle(lfsSkin), lfUltraFlat);
}

// A listener that removes itself (or another) while told.
class TListener : public TObject, public IuiLookAndFeelChangeListener, public IuiLookAndFeelChangeListener2 {
public:
    TListener(std::string AName, std::vector<std::string>& ALog) : name(std::move(AName)), log(ALog) {}
    TObject* GetObject() override { return this; }
    void MasterLookAndFeelChanged(TuiLookAndFeel* Sender, TuiLookAndFeelValues) override {
        log.push_back(name + ":changed");
        if (removeSelf) Sender->RemoveChangeListener(this);
    }
    void MasterIsDestroying(TuiLookAndFeel*) override { log.push_back(name + ":destroying"); }
    void MasterLookAndFeelBeginChange() override { log.push_back(name + ":begin"); }
    void MasterLookAndFeelEndChange() override { log.push_back(name + ":end"); }
    std::string name;
    std::vector<std::string>& log;
    bool removeSelf = false;
};

TEST_F(LookAndFeelTest, AListenerRemovingItselfDoesNotMakeTheNextOneBeSkipped) {
    std::vector<std::string> log;
    TuiLookAndFeel master(nullptr);
    TListener a("a", log), b("b", log), c("c", log);
    a.removeSelf = true;
    master.AddChangeListener(&a);
    master.AddChangeListener(&b);
    master.AddChangeListener(&b); // held once
    master.AddChangeListener(&c);
    EXPECT_EQ(master.ListenerCount(), 3);
    master.SetKind(lfFlat);
    const std::vector<std::string> expected = {"a:begin",   "b:begin",   "c:begin", "a:changed",
                                               "b:changed", "c:changed", "b:end",   "c:end"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(master.ListenerCount(), 2);
    log.clear();
    master.RemoveChangeListener(&b);
    master.RemoveChangeListener(&c);
}

TEST_F(LookAndFeelTest, DestroyingAMasterMakesEachChildFollowTheRoot) {
    auto master = std::make_unique<TuiLookAndFeel>(nullptr);
    master->SetKind(lfFlat);
    TuiLookAndFeel same(nullptr), other(nullptr);
    same.SetMasterLookAndFeel(master.get());
    other.SetMasterLookAndFeel(master.get());
    other.SetNativeStyle(true);
    ChangeLog sameLog(same), otherLog(other);
    EXPECT_EQ(same.Kind(), lfFlat);
    master.reset();
    EXPECT_EQ(same.MasterLookAndFeel(), RootLookAndFeel());
    EXPECT_EQ(same.Kind(), lfUltraFlat);
    ASSERT_EQ(sameLog.changes.size(), 1u);
    EXPECT_EQ(sameLog.changes[0], TuiLookAndFeelValues{lfvKind});
    ASSERT_EQ(otherLog.changes.size(), 1u);
    EXPECT_EQ(otherLog.changes[0], TuiLookAndFeelValues{lfvKind});
}

TEST_F(LookAndFeelTest, AssignCopiesValuesAndMasterAndRejectsOtherSources) {
    TuiLookAndFeel master(nullptr), source(nullptr), target(nullptr);
    master.SetKind(lfStandard);
    source.SetMasterLookAndFeel(&master);
    source.SetSkinName("Blue");
    ChangeLog log(target);
    target.Assign(&source);
    EXPECT_EQ(target.MasterLookAndFeel(), &master);
    EXPECT_EQ(target.AssignedValues(), TuiLookAndFeelValues{lfvSkinName});
    EXPECT_EQ(target.Kind(), lfStandard);
    EXPECT_EQ(target.Painter(), &skin);
    ASSERT_FALSE(log.changes.empty());
    EXPECT_EQ(log.changes.back(), (TuiLookAndFeelValues{lfvKind, lfvSkinName}));
    TPersistent notALookAndFeel;
    EXPECT_THROW(target.Assign(&notALookAndFeel), EConvertError);
}

TEST_F(LookAndFeelTest, AControllerListensOnlyToTheRootAndItsEndResetsEverything) {
    TuiLookAndFeel other(nullptr);
    {
        TuiLookAndFeelController controller(nullptr);
        EXPECT_EQ(uiLookAndFeelControllerCount(), 1);
        other.AddChangeListener(&controller);
        EXPECT_EQ(other.ListenerCount(), 0);
        controller.SetKind(lfOffice11);
        controller.SetTouchMode(true);
        EXPECT_TRUE(uiTouchMode());
        EXPECT_EQ(other.Kind(), lfOffice11);
        EXPECT_EQ(controller.Kind(), lfOffice11);
    }
    EXPECT_EQ(uiLookAndFeelControllerCount(), 0);
    EXPECT_FALSE(uiTouchMode());
    EXPECT_TRUE(uiSkinsAllowed());
    EXPECT_TRUE(RootLookAndFeel()->AssignedValues().empty());
    EXPECT_EQ(other.Kind(), lfUltraFlat);
}

TEST_F(LookAndFeelTest, WithoutPaintersThereIsNoPainter) {
    registry.reset();
    TuiLookAndFeel child(nullptr);
    EXPECT_EQ(child.Painter(), nullptr);
    EXPECT_EQ(child.GetAvailablePainterForType(totScrollBar), nullptr);
}

TEST_F(LookAndFeelTest, SkinSupportIsAskedThroughTheInterfaces) {
    struct Plain : TObject {};
    struct Supports : TObject, IovSkinSupport {};
    struct Decides : TObject, IovSkinSupport, IovSkinSupport2 {
        bool IsSkinSupported() override { return false; }
    };
    Plain plain;
    Supports supports;
    Decides decides;
    EXPECT_FALSE(ClassSupportsSkin(&plain));
    EXPECT_TRUE(ClassSupportsSkin(&supports));
    EXPECT_FALSE(ClassSupportsSkin(&decides));
    EXPECT_EQ(uiClassSupportsSkinFunc, &ClassSupportsSkin);
}

// ---- System palette notification

class TRaisingNotifier : public TuiSystemPaletteChangedNotifier {
public:
    using TuiSystemPaletteChangedNotifier::TuiSystemPaletteChangedNotifier;
    bool raise = false;

protected:
    void DoChanged() override {
        TuiSystemPaletteChangedNotifier::DoChanged();
        if (raise) throw Exception("palette notifier failed");
    }
};

std::vector<std::string>* HookLog = nullptr;

TEST_F(LookAndFeelTest, PaletteChangesReachTheOffice11ColoursThenPrimaryThenOthersLastFirst) {
    std::vector<std::string> log;
    HookLog = &log;
    TuiPainterServiceHooks hooks;
    hooks.ReferenceOffice11Colors = [] { HookLog->push_back("reference"); };
    hooks.ReleaseOffice11Palette = [] { HookLog->push_back("release"); };
    hooks.RefreshOffice11Colors = [] { HookLog->push_back("refresh"); };
    uiSetPainterServiceHooks(hooks);
    {
        // The root look-and-feel holds a notifier already: the listener exists and was referenced.
        auto other1 = std::make_unique<TuiSystemPaletteChangedNotifier>(false);
        auto primary1 = std::make_unique<TuiSystemPaletteChangedNotifier>(true);
        auto primary2 = std::make_unique<TuiSystemPaletteChangedNotifier>(true);
        auto other2 = std::make_unique<TRaisingNotifier>(false);
        auto name = [&](const char* AName) { return TEvent<>([&log, AName] { log.push_back(AName); }); };
        other1->OnSystemPaletteChanged = name("other1");
        primary1->OnSystemPaletteChanged = name("primary1");
        primary2->OnSystemPaletteChanged = name("primary2");
        other2->OnSystemPaletteChanged = name("other2");
        TuiLookAndFeel child(nullptr);
        ChangeLog changes(child);
        SendMessage(uiSystemPaletteListenerHandle(), WM_SYSCOLORCHANGE, 0, 0);
        const std::vector<std::string> expected = {"refresh", "primary2", "primary1", "other2", "other1"};
        EXPECT_EQ(log, expected);
        // Told by its own notifier and again through the root, which heard it too.
        ASSERT_EQ(changes.changes.size(), 2u);
        EXPECT_EQ(changes.changes[0], TuiLookAndFeelValues{lfvNativeStyle});
        EXPECT_EQ(changes.changes[1], TuiLookAndFeelValues{lfvNativeStyle});

        // A raising notifier stops the round but the window goes on working.
        log.clear();
        other2->raise = true;
        SendMessage(uiSystemPaletteListenerHandle(), WM_SYSCOLORCHANGE, 0, 0);
        ASSERT_EQ(reportedErrors.size(), 1u);
        EXPECT_EQ(reportedErrors[0], "palette notifier failed");
        other2->raise = false;
        log.clear();
        SendMessage(uiSystemPaletteListenerHandle(), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(log.size(), 5u);
        // Other messages get the default handling: the window takes a caption.
        SendMessage(uiSystemPaletteListenerHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("palette"));
        char text[16] = {};
        GetWindowText(uiSystemPaletteListenerHandle(), text, sizeof(text));
        EXPECT_STREQ(text, "palette");
    }
    log.clear();
    // The last notifier (the root's) goes with the unit: the listener releases the colours then.
    uiCoreFinalize();
    EXPECT_EQ(uiSystemPaletteListenerHandle(), nullptr);
    EXPECT_EQ(log, std::vector<std::string>{"release"});
    uiSetPainterServiceHooks({});
    HookLog = nullptr;
}

} // namespace

namespace {

// Visual styles on: every theme opens.
HTHEME OpenAnyTheme(HWND, const WCHAR*) {
    return reinterpret_cast<HTHEME>(std::uintptr_t(0x500));
}
HRESULT CloseAnyTheme(HTHEME) {
    return 0;
}
BOOL ThemesActive() {
    return TRUE;
}
const TovUxThemeEntries StylesOn{&OpenAnyTheme, &CloseAnyTheme, &ThemesActive};

class LookAndFeelWithStylesTest : public LookAndFeelTest {
protected:
    void SetUp() override {
        ovBindUxTheme(&StylesOn);
        LookAndFeelTest::SetUp();
    }
    void TearDown() override {
        LookAndFeelTest::TearDown();
        ovBindUxTheme(nullptr);
    }
};

TEST_F(LookAndFeelWithStylesTest, NativeStyleWinsOverTheSkinWhenVisualStylesAreOn) {
    ASSERT_TRUE(AreVisualStylesAvailable());
    TuiLookAndFeel child(nullptr);
    child.SetKind(lfFlat);
    child.SetSkinName("Blue");
    EXPECT_EQ(child.Painter(), &skin);
    child.SetNativeStyle(true);
    EXPECT_EQ(child.ActiveStyle(), lfsNative);
    EXPECT_EQ(child.Painter(), &native);
    EXPECT_EQ(child.GetAvailablePainterForType(totScrollBar), &native);
    EXPECT_EQ(child.SkinPainter(), nullptr);
}

} // namespace
