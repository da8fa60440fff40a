// The ribbon demo form: a plain form with a bar manager and a ribbon in the 2010 style, "Silver" scheme,
// filled like a sound editor's. The ribbon tests of every later issue (groups row, quick access toolbar,
// form, application menu, key tips, gallery) and bench/ribbon build on it.
//
//   ribbon_demo::TRibbonDemoLibrary library;          // the window system and the library up to the ribbon
//   ribbon_demo::TRibbonDemoForm demo;                 // 1600 x 640, everything below
//   demo.SetWidth(700);                               // the form narrower (the ribbon lays out again)
//   demo.SaveRibbonPicture("ribbon/head/tabs-700.png"); // the ribbon's part of the form, below test-output
//
// What it holds:
// - a quick access toolbar above the ribbon with four buttons (Options::QuickAccessToolbar);
// - seven tabs ("Home", "Modify and Select", "Amplify and Effects", "Generate Sound", "Waveform and Zoom",
//   "Dynamics", "Workspace") and a context "Recording Tools" of two tabs ("Monitor Input", "Monitor
//   Levels") after them (Options::ContextVisible), in the bar manager's font at 9 points: the captions are
//   long enough that 1600, 1000, 700 and 400 pixels show the tab row's four layouts (optimal, reduced with
//   fading separators, shrunken left-aligned captions, scrolling);
// - groups on every tab with large and small buttons, drop-downs (sub-items), split buttons (drop-down
//   style), a button group, a group whose toolbar has a caption button, one group that never expands
//   ("Trim", rtgrNoExpand) and one that never collapses ("Selection", rtgrNoCollapse);
// - glyphs drawn in code (DemoGlyph): simple coloured shapes at 16 and 32 pixels.
// Every component is owned by the form, which the demo frees.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/rtl/WinTypes.h"
#include "ui/ribbon/RibbonTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TComponent;
class TForm;
class TovBar;
class TovBarButton;
class TovBarManager;
class TovCustomRibbon;
class TovRibbon;
class TovRibbonContext;
class TovRibbonTab;
class TovRibbonTabGroup;

namespace ribbon_demo {

// Starts the window system (headless) and the library up to the ribbon unit, with the program's skins
// registered; ends them in reverse. With a fake clock the window system's timers run on it.
class TRibbonDemoLibrary {
public:
    explicit TRibbonDemoLibrary(bool AFakeClock = true);
    ~TRibbonDemoLibrary();
    TRibbonDemoLibrary(const TRibbonDemoLibrary&) = delete;
    TRibbonDemoLibrary& operator=(const TRibbonDemoLibrary&) = delete;
    // Null without a fake clock.
    TFakeClock* Clock() const { return FClock.get(); }

private:
    std::unique_ptr<TFakeClock> FClock;
    std::unique_ptr<TClockOverride> FClockOverride;
};

struct TRibbonDemoOptions {
    int Width = 1600;
    int Height = 640;
    TovRibbonStyle Style = rs2010;
    std::string ColorScheme = "Silver";
    // The four buttons' toolbar as the ribbon's quick access toolbar, above the ribbon.
    bool QuickAccessToolbar = true;
    bool ContextVisible = true;
    // A help handler, so that the tab row shows its help button.
    bool HelpButton = false;
    // The tab-like application button's text (styles 2010 and 2013).
    std::string ApplicationButtonText = "File";
    // The form is shown (made visible and painted) at once.
    bool Show = true;
    // Makes the ribbon for the form (a test's ribbon class with parts of its own); TovRibbon without one.
    std::function<TovCustomRibbon*(TComponent* AForm)> MakeRibbon;
    // Makes the form (a test's form class, a ribbon form among them); a plain TForm without one.
    std::function<TForm*()> MakeForm;
};

// The seven tabs' captions, then the context's two, in tab order.
extern const char* const DemoTabCaptions[9];
constexpr int DemoPlainTabCount = 7;

class TRibbonDemoForm {
public:
    explicit TRibbonDemoForm(const TRibbonDemoOptions& AOptions = TRibbonDemoOptions());
    ~TRibbonDemoForm();
    TRibbonDemoForm(const TRibbonDemoForm&) = delete;
    TRibbonDemoForm& operator=(const TRibbonDemoForm&) = delete;

    TForm* Form() const { return FForm; }
    TovBarManager* BarManager() const { return FManager; }
    TovCustomRibbon* Ribbon() const { return FRibbon; }
    // The tabs in tab order (the context's two last).
    TovRibbonTab* Tab(int AIndex) const { return FTabs[AIndex]; }
    int TabCount() const { return static_cast<int>(FTabs.size()); }
    TovRibbonContext* Context() const { return FContext; }
    TovBar* QuickAccessBar() const { return FQuickAccessBar; }
    // A group by its caption (null when none).
    TovRibbonTabGroup* Group(const std::string& ACaption) const;
    // How many times the help handler ran.
    int HelpClicks() const { return FHelpClicks; }

    // The form's new width (its height kept); messages are pumped so that it paints.
    void SetWidth(int AWidth);
    // Dispatches what is waiting (paint, posted messages, due timers).
    void Pump();
    // The form's window image cut to the ribbon (its height plus AExtra pixels) as a PNG below
    // build/test-output; answers the file written, empty when it failed.
    std::string SaveRibbonPicture(const std::string& ARelativePath, int AExtra = 0);
    // A screen point of a ribbon client point.
    TPoint RibbonToScreen(const TPoint& P) const;

private:
    void BuildItems();
    void BuildTabs();
    TovBarButton* AddButton(TovBar* ABar, const std::string& ACaption, int AShape, bool ALarge);
    TovBar* AddGroup(TovRibbonTab* ATab, const std::string& ACaption);
    void HelpClick(TovCustomRibbon*);

    TRibbonDemoOptions FOptions;
    TForm* FForm = nullptr;
    TovBarManager* FManager = nullptr;
    TovCustomRibbon* FRibbon = nullptr;
    std::vector<TovRibbonTab*> FTabs;
    TovRibbonContext* FContext = nullptr;
    TovBar* FQuickAccessBar = nullptr;
    int FGlyphCount = 0;
    int FHelpClicks = 0;
};

// A glyph drawn in code: shape 0..7 (waveform, play triangle, scissors-like cross, page, circle, bars,
// magnifier, gear-like star) in a colour picked by AColorIndex, on a transparent (clFuchsia) ground.
std::unique_ptr<TBitmap> DemoGlyph(int ASize, int AShape, int AColorIndex);

} // namespace ribbon_demo
