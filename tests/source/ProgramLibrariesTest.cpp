// The libraries under the program: started in their order before the program block, ended in reverse
// after the message loop, the application's forms first.
#include "platform/rtl/Component.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Presenter.h"
#include "source/ProgramStart.h"
#include "ui/core/UiCoreInit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace program_libraries_test {

// What happened, in order, and what was there at each step.
std::vector<std::string> Events;

void RegisterProgramResources() {
    Events.push_back(std::string("resources; class library ") + (Application() ? "on" : "off") +
                     "; ui library " + (uiCoreInitialized() ? "on" : "off"));
    static const unsigned char skin[] = "skin";
    RegisterResource("SKIN", "PROGRAMLIBRARIESTESTSKIN", skin, sizeof skin - 1);
}

// Stands for a form the application owns: notes what is still there when it goes.
class TOwnedByTheApplication : public TComponent {
public:
    using TComponent::TComponent;
    ~TOwnedByTheApplication() override {
        Events.push_back(std::string("form goes; class library ") + (Application() ? "on" : "off") +
                         "; ui library " + (uiCoreInitialized() ? "on" : "off"));
    }
};

TEST(ProgramLibraries, StartInTheirOrderAndEndInReverseWithTheFormsFirst) {
    olva::win::ResetWindowSystem();
    Events.clear();
    {
        TProgramLibraries libraries(&RegisterProgramResources);
        ASSERT_NE(Application(), nullptr);
        EXPECT_NE(::Screen(), nullptr);
        EXPECT_TRUE(uiCoreInitialized());
        EXPECT_NE(FindResource("SKIN", "PROGRAMLIBRARIESTESTSKIN"), nullptr); // the program's own
        EXPECT_NE(FindResource("PNG", "OVSHADOWMASK"), nullptr);              // the ui library's
        new TOwnedByTheApplication(Application());
        Events.push_back("running");
    }
    EXPECT_EQ(Application(), nullptr);
    EXPECT_EQ(::Screen(), nullptr);
    EXPECT_FALSE(uiCoreInitialized());
    const std::vector<std::string> expected = {
        "resources; class library off; ui library off",
        "running",
        "form goes; class library on; ui library on",
    };
    EXPECT_EQ(Events, expected);
    olva::win::ResetWindowSystem();
}

} // namespace program_libraries_test
