// The frame controller pushing its settings to attached controls (by their notification sets, locked
// and unlocked, to receivers), the obsolete stored properties, and the settings-location component.
#include "skin/framed/FrameController.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/vcl/CustomControl.h"
#include "skin/framed/FrRegIniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace frame_controller_test {

// A control with every setting, recording what it is told.
class TFramedTestControl : public TCustomControl, public IFrameSettings {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> Told;
    TFrFrameControllerNotifications Accepts = AllFrameNotifications();
    TColor ColorValue = 0, FocusValue = 0;
    TSides SidesValue;

    TFrFrameControllerNotifications FrameControllerNotifications() const override { return Accepts; }
    void SetColor(TColor Value) override { Told.push_back("Color"), ColorValue = Value; }
    void SetFocusColor(TColor Value) override { Told.push_back("FocusColor"), FocusValue = Value; }
    void SetDisabledColor(TColor) override { Told.push_back("DisabledColor"); }
    void SetReadOnlyColor(TColor) override { Told.push_back("ReadOnlyColor"); }
    void SetReadOnlyColorOnFocus(bool) override { Told.push_back("ReadOnlyColorOnFocus"); }
    void SetParentColor(bool) override { Told.push_back("ParentColor"); }
    void SetFlatButtonColor(TColor) override { Told.push_back("FlatButtonColor"); }
    void SetFlatButtons(bool) override { Told.push_back("FlatButtons"); }
    void SetFrameColor(TColor) override { Told.push_back("FrameColor"); }
    void SetFrameHotColor(TColor) override { Told.push_back("FrameHotColor"); }
    void SetFrameHotTrack(bool) override { Told.push_back("FrameHotTrack"); }
    void SetFrameHotStyle(TFrameStyle) override { Told.push_back("FrameHotStyle"); }
    void SetFrameSides(TSides Value) override { Told.push_back("FrameSides"), SidesValue = Value; }
    void SetFrameStyle(TFrameStyle) override { Told.push_back("FrameStyle"); }
    void SetFrameVisible(bool) override { Told.push_back("FrameVisible"); }
    void SetFramingPreference(TFramingPreference) override { Told.push_back("FramingPreference"); }
};

// A control that applies the settings itself.
class TReceivingControl : public TCustomControl, public IFrameSettingsReceiver {
public:
    using TCustomControl::TCustomControl;
    std::vector<TFrFrameControllerProperty> Heard;
    void FrameSettingChanged(TFrFrameControllerProperty Property) override { Heard.push_back(Property); }
};

const std::vector<std::string> AllInOrder = {
    "ParentColor",          "Color",         "DisabledColor",   "ReadOnlyColor",
    "ReadOnlyColorOnFocus", "FocusColor",    "FlatButtonColor", "FlatButtons",
    "FrameColor",           "FrameHotColor", "FrameHotTrack",   "FrameHotStyle",
    "FrameSides",           "FrameStyle",    "FrameVisible",    "FramingPreference"};

TEST(FrameControllerTest, DefaultsAndTheColourRules) {
    TFrFrameController controller(nullptr);
    EXPECT_EQ(controller.Color(), clWindow);
    EXPECT_EQ(controller.DisabledColor(), clBtnFace);
    EXPECT_EQ(controller.ReadOnlyColor(), clInfoBk);
    EXPECT_EQ(controller.FrameColor(), clBtnShadow);
    EXPECT_EQ(controller.FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(controller.FrameStyle(), fsFlat);
    EXPECT_EQ(controller.FrameSides(), AllSides);
    EXPECT_EQ(controller.FramingPreference(), fpXPThemes);
    EXPECT_TRUE(controller.FlatButtons());
    EXPECT_FALSE(controller.FrameVisible());
    // FocusColor equals Color, so it follows.
    controller.SetColor(clYellow);
    EXPECT_EQ(controller.FocusColor(), clYellow);
    controller.SetFocusColor(clAqua);
    controller.SetColor(clRed);
    EXPECT_EQ(controller.FocusColor(), clAqua);
    controller.SetParentColor(true);
    EXPECT_FALSE(controller.ColorStored());
    controller.SetColor(clLime);
    EXPECT_FALSE(controller.ParentColor());
    EXPECT_TRUE(controller.ColorStored());
}

TEST(FrameControllerTest, AttachingPushesEverythingOnceInOrder) {
    TFrFrameController controller(nullptr);
    TFramedTestControl control(nullptr);
    controller.AttachControl(&control);
    controller.AttachControl(&control);
    EXPECT_EQ(control.Told, AllInOrder);
    EXPECT_EQ(controller.ControlCount(), 1);
    control.Told.clear();
    controller.SetParentColor(true);
    EXPECT_EQ(control.Told, std::vector<std::string>{"ParentColor"});
    control.Told.clear();
    controller.SetParentColor(false); // the colour goes out again
    EXPECT_EQ(control.Told, (std::vector<std::string>{"ParentColor", "Color"}));
    controller.DetachControl(&control);
    control.Told.clear();
    controller.SetFrameColor(clRed);
    EXPECT_TRUE(control.Told.empty());
}

TEST(FrameControllerTest, TheNotificationSetDecidesWhatAControlTakes) {
    TFrFrameController controller(nullptr);
    TFramedTestControl control(nullptr);
    control.Accepts = TFrFrameControllerNotifications{fcpFrameColor, fcpColor};
    controller.SetParentColor(true);
    controller.AttachControl(&control);
    // ParentColor is set: Color is not pushed with the rest.
    EXPECT_EQ(control.Told, std::vector<std::string>{"FrameColor"});
    control.Told.clear();
    controller.SetFrameStyle(fsBump);
    controller.SetColor(clRed);
    EXPECT_EQ(control.Told, std::vector<std::string>{"Color"});
    EXPECT_EQ(control.ColorValue, clRed);
}

TEST(FrameControllerTest, LockedUpdatesPushEverythingOnceAtTheLastUnlock) {
    TFrFrameController controller(nullptr);
    TFramedTestControl control(nullptr);
    controller.AttachControl(&control);
    control.Told.clear();
    controller.LockUpdates();
    controller.LockUpdates();
    controller.SetFrameColor(clRed);
    controller.SetFrameStyle(fsGroove);
    controller.UnlockUpdates();
    EXPECT_TRUE(control.Told.empty());
    controller.UnlockUpdates();
    EXPECT_EQ(control.Told, AllInOrder);
    control.Told.clear();
    controller.UnlockUpdates(); // below zero stays zero and pushes again
    controller.SetFrameVisible(true);
    EXPECT_EQ(control.Told.back(), "FrameVisible");
}

TEST(FrameControllerTest, HotTrackingShowsTheFrameOnAllSides) {
    TFrFrameController controller(nullptr);
    TFramedTestControl control(nullptr);
    controller.SetFrameSides(TSides{sdLeft});
    controller.AttachControl(&control);
    control.Told.clear();
    controller.SetFrameHotTrack(true);
    EXPECT_TRUE(controller.FrameVisible());
    EXPECT_EQ(controller.FrameSides(), AllSides);
    EXPECT_EQ(control.Told, (std::vector<std::string>{"FrameVisible", "FrameSides", "FrameHotTrack"}));
    EXPECT_EQ(control.SidesValue, AllSides);
}

TEST(FrameControllerTest, ReceiversAreToldWhichSettingChanged) {
    TFrFrameController controller(nullptr);
    TReceivingControl receiver(nullptr);
    controller.AttachControl(&receiver);
    controller.SetFrameHotColor(clRed);
    EXPECT_EQ(receiver.Heard, (std::vector<TFrFrameControllerProperty>{fcpAll, fcpFrameHotColor}));
}

TEST(FrameControllerTest, AssignCopiesTheSettingsAndPushesOnce) {
    TFrFrameController source(nullptr), target(nullptr);
    source.SetFrameColor(clRed);
    source.SetFrameStyle(fsRaised);
    source.SetFlatButtons(false);
    TFramedTestControl control(nullptr);
    target.AttachControl(&control);
    control.Told.clear();
    target.Assign(&source);
    EXPECT_EQ(target.FrameColor(), clRed);
    EXPECT_EQ(target.FrameStyle(), fsRaised);
    EXPECT_FALSE(target.FlatButtons());
    EXPECT_EQ(control.Told, AllInOrder);
}

TEST(FrameControllerTest, ObsoletePropertiesOfOldForms) {
    TFrFrameController controller(nullptr);
    TFrOldPropReader::ReadFrameFlat(&controller, true);
    EXPECT_TRUE(controller.FrameHotTrack());
    EXPECT_EQ(controller.FrameStyle(), fsStatus);
    EXPECT_EQ(controller.FrameHotStyle(), fsLowered);
    TFrOldPropReader::ReadFrameFocusStyle(&controller, "fsGroove");
    EXPECT_EQ(controller.FrameHotStyle(), fsGroove);
    EXPECT_THROW(TFrOldPropReader::ReadFrameFocusStyle(&controller, "fsFlatRounded"), EReadError);
    TFrOldPropReader::ReadFrameFlatStyle("fsBump");
    EXPECT_EQ(controller.FrameStyle(), fsStatus);
}

TEST(FrameControllerTest, RemovedComponentsAreForgotten) {
    TFrFrameController controller(nullptr);
    auto store = std::make_unique<TFrRegIniFile>(nullptr);
    controller.SetRegIniFile(store.get());
    auto control = std::make_unique<TFramedTestControl>(nullptr);
    controller.AttachControl(control.get());
    store.reset();
    control.reset();
    EXPECT_EQ(controller.RegIniFile(), nullptr);
    EXPECT_EQ(controller.ControlCount(), 0);
    controller.SetFrameColor(clRed); // nothing left to tell
}

TEST(FrRegIniFileTest, StorageFollowsTheSettings) {
    TFrRegIniFile store(nullptr);
    EXPECT_EQ(store.PathType(), ptIniFile);
    EXPECT_EQ(store.RegKey(), hkeyCurrentUser);
    EXPECT_EQ(store.SpecialFolder(), sfNone);
    EXPECT_TRUE(store.RefreshNeeded());
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "skin" / "regini";
    std::filesystem::create_directories(dir);
    store.SetPath((dir / "settings.ini").string());
    TCustomIniFile* ini = store.Storage();
    EXPECT_FALSE(store.RefreshNeeded());
    EXPECT_EQ(store.Storage(), ini);
    ini->WriteString("Frame", "Style", "fsBump");
    EXPECT_EQ(TMemIniFile((dir / "settings.ini").string()).ReadString("Frame", "Style", ""), "fsBump");
    store.SetPath((dir / "settings.ini").string()); // unchanged: no refresh
    EXPECT_FALSE(store.RefreshNeeded());
    store.SetPathType(ptRegistry);
    EXPECT_TRUE(store.RefreshNeeded());
}

} // namespace frame_controller_test
