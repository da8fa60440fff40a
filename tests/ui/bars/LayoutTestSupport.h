// Fixture of the stored-layout tests: managers streamed the way a form resource builds them (so that
// loading saves the designed layout and reads the stored one), a scratch folder for ini files and the
// registry store, and the diagnostic output caught.
#pragma once

#include "BarsTestSupport.h"

#include "platform/rtl/Component.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class TovBar;
class TovBarButton;
class TovBarSubItem;
class TovBarManager;

namespace bars_test {

// A dock control that is also a component, so a stored layout can name it by its path.
class FakeDockComponent : public TComponent, public FakeDock {
public:
    FakeDockComponent(TComponent* AOwner, TovBarManager* AManager, TovBarDockingStyle AStyle)
        : TComponent(AOwner), FakeDock(AManager, AStyle, false, RECT{0, 100, 800, 130}) {}
};

// The items and toolbars of the standard design, found again after every load.
struct StandardParts {
    TovBarButton* Open = nullptr;
    TovBarButton* Save = nullptr;
    TovBarSubItem* File = nullptr;
    TovBar* Menu = nullptr;
    TovBar* Standard = nullptr;
    TovBar* Extra = nullptr;
};

class LayoutTest : public BarsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file in the test's scratch folder.
    std::string PathOf(const std::string& AName) const { return (dir / AName).string(); }
    static std::string ReadText(const std::string& APath);
    static void WriteText(const std::string& APath, const std::string& AText);

    // A manager named BarManager1 on the form, built by ADesign inside the loading bracket: its Loaded
    // saves the designed layout and reads the stored one (as its Store flags say).
    TovBarManager* LoadManager(const std::function<void(TovBarManager*)>& ADesign);
    // Buttons OpenButton and SaveButton, the sub-item FileItem with both; toolbars "Menu" (top, row 0,
    // FileItem), "Standard" (top, row 1, Open and Save with a group start and the user caption "Store")
    // and "Extra" (floating at 300,200 with a 120 x 40 client, hidden, no links).
    static void StandardDesign(TovBarManager* AManager);
    // The standard design stored in the ini file AIniFile.
    TovBarManager* LoadStandard(const std::string& AIniFile);
    static StandardParts Parts(TovBarManager* AManager);
    // The captions of the manager's toolbars, and the item names of a link list, in order.
    static std::vector<std::string> Captions(TovBarManager* AManager);
    static std::vector<std::string> LinkNames(TovBarItemLinks* ALinks);

    std::filesystem::path dir;
    std::vector<std::string> reports;
};

} // namespace bars_test
