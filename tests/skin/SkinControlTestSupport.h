// Fixture of the skinned-control tests: a fresh window system on a fake clock, the class library
// started, one shown form with the test skin's data on it, scripted mouse and keys as a user's, pictures
// of controls taken from the composed screen, and sheets of such pictures written for inspection.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/vcl/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TControl;
class TEdit;
class TFrCustomProgressBar;
class TskCompressedStoredSkin;
class TskSkinData;

namespace skintest {

class TSkinControlTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the test skin into Skin.
    void LoadSkin();
    // An edit box that takes the focus when the form is shown (the form's first control would take it
    // otherwise), and that tests move the focus back to.
    void AddFocusSink(int X, int Y);
    void ShowForm();
    void Pump();
    // Moves the fake clock and runs the timers and messages that are due.
    void Advance(int Ms);
    // The mouse at a point of a control; the application then notices what it is over.
    void Hover(TControl* Control, int X, int Y);
    void MouseDown(TControl* Control, int X, int Y);
    void MouseUp(TControl* Control, int X, int Y);
    void Click(TControl* Control, int X, int Y);
    // Moves the mouse away from every control.
    void MouseAway();
    void KeyDown(int VK);
    void KeyUp(int VK);
    void Key(int VK);
    // What the screen shows of a control (and Margin pixels around it).
    std::unique_ptr<TBitmap> Capture(TControl* Control, int Margin = 0);
    // The colour (COLORREF) the screen shows at a point of a control.
    std::uint32_t ColorAt(TControl* Control, int X, int Y);

    std::unique_ptr<TFakeClock> Clock;
    std::unique_ptr<TClockOverride> Override;
    TForm* Form = nullptr;
    TskSkinData* Skin = nullptr;
    TEdit* Sink = nullptr;
    std::unique_ptr<TskCompressedStoredSkin> Stored;
};

// The program's bars with the settings its windows give them: a main-window level meter (8 x 326, red at
// the top to green at the bottom over black) and the progress window's bar (267 x 25, green to red,
// bold percentage), both at (X, Y).
void StyleAsLevelMeter(TFrCustomProgressBar* Bar, int X, int Y);
void StyleAsProgressWindowBar(TFrCustomProgressBar* Bar, int X, int Y);

// Pictures laid out in rows with a caption above each, written as one PNG.
class TPictureSheet {
public:
    explicit TPictureSheet(std::string Title) : FTitle(std::move(Title)) {}
    void Add(const std::string& Label, std::unique_ptr<TBitmap> Picture);
    // Starts a new row.
    void NewRow();
    // Writes the sheet under the skin test output folder; false when it cannot.
    bool Save(const std::string& Name, int Zoom = 2);

private:
    struct Cell {
        std::string Label;
        std::unique_ptr<TBitmap> Picture;
    };
    std::string FTitle;
    std::vector<std::vector<Cell>> FRows{1};
};

} // namespace skintest
