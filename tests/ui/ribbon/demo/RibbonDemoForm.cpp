#include "RibbonDemoForm.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"
#include "ui/ribbon/RibbonUnit.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <algorithm>
#include <filesystem>

namespace ribbon_demo {

const char* const DemoTabCaptions[9] = {"Home",           "Modify and Select", "Amplify and Effects",
                                        "Generate Sound", "Waveform and Zoom", "Dynamics",
                                        "Workspace",      "Monitor Input",     "Monitor Levels"};

// ---- Library

TRibbonDemoLibrary::TRibbonDemoLibrary(bool AFakeClock) {
    olva::win::ResetWindowSystem();
    if (AFakeClock) {
        FClock = std::make_unique<TFakeClock>(0, 100000);
        FClockOverride = std::make_unique<TClockOverride>(*FClock);
    }
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiRibbonInitialize();
}

TRibbonDemoLibrary::~TRibbonDemoLibrary() {
    uiRibbonFinalize();
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    FClockOverride.reset();
    FClock.reset();
}

// ---- Glyphs

std::unique_ptr<TBitmap> DemoGlyph(int ASize, int AShape, int AColorIndex) {
    static constexpr TColor Colors[] = {0x9C5A1E, 0x2E8B3C, 0x2B5FC8, 0x8A3E9C,
                                        0x1F8FBF, 0x5B5B5B, 0x3070D0, 0xB07020};
    const TColor ink = Colors[AColorIndex % 8];
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(ASize, ASize);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(TRect{0, 0, ASize, ASize});
    canvas->Pen()->SetColor(ink);
    canvas->Pen()->SetWidth(std::max(1, ASize / 12));
    canvas->Brush()->SetColor(ink);
    const int m = ASize / 8, s = ASize;
    switch (AShape % 8) {
    case 0: { // a waveform
        const int mid = s / 2;
        const int heights[] = {2, 5, 3, 7, 4, 6, 2, 5, 3};
        const int step = std::max(1, (s - 2 * m) / 9);
        for (int i = 0; i < 9; ++i) {
            const int x = m + i * step + step / 2;
            const int h = heights[i] * (s / 2 - m) / 7;
            canvas->MoveTo(x, mid - h);
            canvas->LineTo(x, mid + h + 1);
        }
        break;
    }
    case 1: // play
        canvas->Polygon({POINT{m + s / 8, m}, POINT{s - m, s / 2}, POINT{m + s / 8, s - m}});
        break;
    case 2: // a cross of blades
        canvas->MoveTo(m, m);
        canvas->LineTo(s - m, s - m);
        canvas->MoveTo(s - m, m);
        canvas->LineTo(m, s - m);
        canvas->Ellipse(m, s - m - s / 4, m + s / 4, s - m);
        break;
    case 3: // a page
        canvas->Brush()->SetColor(clWhite);
        canvas->Rectangle(m + s / 8, m, s - m - s / 8, s - m);
        for (int y = m + s / 5; y < s - m - 2; y += std::max(2, s / 6)) {
            canvas->MoveTo(m + s / 4, y);
            canvas->LineTo(s - m - s / 4, y);
        }
        break;
    case 4: // a record dot
        canvas->Ellipse(m, m, s - m, s - m);
        break;
    case 5: { // level bars
        const int w = std::max(2, (s - 2 * m) / 4);
        for (int i = 0; i < 3; ++i) {
            const int h = (i + 1) * (s - 2 * m) / 3;
            canvas->FillRect(TRect{m + i * (w + w / 2), s - m - h, m + i * (w + w / 2) + w, s - m});
        }
        break;
    }
    case 6: // a magnifier
        canvas->Brush()->SetStyle(bsClear);
        canvas->Ellipse(m, m, s - m - s / 4, s - m - s / 4);
        canvas->MoveTo(s - m - s / 3, s - m - s / 3);
        canvas->LineTo(s - m, s - m);
        break;
    default: // a star
        canvas->Polygon({POINT{s / 2, m}, POINT{s / 2 + s / 8, s / 2 - s / 8}, POINT{s - m, s / 2},
                         POINT{s / 2 + s / 8, s / 2 + s / 8}, POINT{s / 2, s - m},
                         POINT{s / 2 - s / 8, s / 2 + s / 8}, POINT{m, s / 2},
                         POINT{s / 2 - s / 8, s / 2 - s / 8}});
        break;
    }
    bitmap->SetTransparentColor(clFuchsia);
    bitmap->SetTransparent(true);
    return bitmap;
}

// ---- Form

TRibbonDemoForm::TRibbonDemoForm(const TRibbonDemoOptions& AOptions) : FOptions(AOptions) {
    FForm = AOptions.MakeForm ? AOptions.MakeForm() : TCustomForm::New<TForm>(nullptr);
    FForm->SetName("RibbonDemoForm");
    FForm->SetCaption("OLVA Audio Editor");
    FForm->SetBounds(40, 40, AOptions.Width, AOptions.Height);
    FManager = new TovBarManager(FForm);
    FManager->SetName("DemoBarManager");
    // Nine points, as a desktop ribbon reads best.
    FManager->Font()->SetSize(9);
    FRibbon = AOptions.MakeRibbon ? AOptions.MakeRibbon(FForm) : TovCustomRibbon::New<TovRibbon>(FForm);
    FRibbon->SetName("DemoRibbon");
    FRibbon->BeginUpdate();
    FRibbon->SetParent(FForm);
    FRibbon->SetBarManager(FManager);
    FRibbon->SetStyle(AOptions.Style);
    FRibbon->SetColorSchemeName(AOptions.ColorScheme);
    FRibbon->ApplicationButton()->SetText(AOptions.ApplicationButtonText);
    if (AOptions.HelpButton) FRibbon->OnHelpButtonClick = TovRibbonEvent(this, &TRibbonDemoForm::HelpClick);
    BuildItems();
    BuildTabs();
    FRibbon->SetActiveTab(FTabs[0]);
    FRibbon->EndUpdate();
    if (AOptions.Show) {
        FForm->Show();
        Pump();
    }
}

TRibbonDemoForm::~TRibbonDemoForm() {
    delete FForm;
}

void TRibbonDemoForm::HelpClick(TovCustomRibbon*) {
    ++FHelpClicks;
}

TovBarButton* TRibbonDemoForm::AddButton(TovBar* ABar, const std::string& ACaption, int AShape, bool ALarge) {
    TovBarButton* button = ALarge ? new TovBarLargeButton(FForm) : new TovBarButton(FForm);
    button->SetCaption(ACaption);
    auto small = DemoGlyph(16, AShape, FGlyphCount);
    button->SetGlyph(small.get());
    if (ALarge) {
        auto large = DemoGlyph(32, AShape, FGlyphCount);
        button->SetLargeGlyph(large.get());
    }
    ++FGlyphCount;
    if (ABar != nullptr) ABar->ItemLinks()->AddItem(button);
    return button;
}

TovBar* TRibbonDemoForm::AddGroup(TovRibbonTab* ATab, const std::string& ACaption) {
    TovBar* bar = FManager->Bars()->Add();
    bar->SetName("Group" + std::to_string(FManager->Bars()->Count()));
    bar->SetCaption(ACaption);
    bar->SetVisible(true);
    TovRibbonTabGroup* group = ATab->Groups()->Add();
    group->SetToolBar(bar);
    return bar;
}

TovRibbonTabGroup* TRibbonDemoForm::Group(const std::string& ACaption) const {
    for (TovRibbonTab* tab : FTabs)
        for (int i = 0; i < tab->Groups()->Count(); ++i) {
            TovRibbonTabGroup* group = tab->Groups()->Items(i);
            if (group->ToolBar() != nullptr && group->ToolBar()->Caption() == ACaption) return group;
        }
    return nullptr;
}

void TRibbonDemoForm::BuildItems() {
    if (!FOptions.QuickAccessToolbar) return;
    FQuickAccessBar = FManager->Bars()->Add();
    FQuickAccessBar->SetName("QuickAccess");
    FQuickAccessBar->SetCaption("Quick Access Toolbar");
    FQuickAccessBar->SetVisible(true);
    AddButton(FQuickAccessBar, "Save", 3, false);
    AddButton(FQuickAccessBar, "Undo", 2, false);
    AddButton(FQuickAccessBar, "Redo", 7, false);
    AddButton(FQuickAccessBar, "Play", 1, false);
    FRibbon->QuickAccessToolbar()->SetToolbar(FQuickAccessBar);
}

void TRibbonDemoForm::BuildTabs() {
    for (int i = 0; i < 9; ++i) {
        TovRibbonTab* tab = FRibbon->Tabs()->Add();
        tab->SetName("DemoTab" + std::to_string(i + 1));
        tab->SetCaption(DemoTabCaptions[i]);
        FTabs.push_back(tab);
    }
    FContext = FRibbon->Contexts()->Add();
    FContext->SetCaption("Recording Tools");
    FContext->SetColor(static_cast<TColor>(0x3A9CE8));
    FTabs[7]->SetContext(FContext);
    FTabs[8]->SetContext(FContext);
    FContext->SetVisible(FOptions.ContextVisible);

    // Home: a large split button and small buttons, a button group, a group with a caption button.
    TovBar* clipboard = AddGroup(FTabs[0], "Clipboard");
    AddButton(clipboard, "Paste", 3, true)->SetButtonStyle(bsDropDown);
    AddButton(clipboard, "Cut", 2, false);
    AddButton(clipboard, "Copy", 3, false);
    AddButton(clipboard, "Paste Mix", 0, false);
    TovBar* transport = AddGroup(FTabs[0], "Transport");
    const char* const transportCaptions[] = {"Play", "Pause", "Stop", "Loop"};
    for (int i = 0; i < 4; ++i) {
        TovBarItemLink* link =
            transport->ItemLinks()->AddItem(AddButton(nullptr, transportCaptions[i], 1 + i % 3, false));
        link->ButtonGroup = i == 0 ? bgpStart : bgpMember;
    }
    TovBar* file = AddGroup(FTabs[0], "File");
    AddButton(file, "Open", 3, true);
    AddButton(file, "Save As", 3, true)->SetButtonStyle(bsDropDown);
    file->CaptionButtons()->Add()->Hint = "File options";

    // Edit: a group that never collapses, a group that never expands, a drop-down.
    TovBar* selection = AddGroup(FTabs[1], "Selection");
    AddButton(selection, "Select All", 0, true);
    AddButton(selection, "Select None", 0, false);
    AddButton(selection, "Invert", 7, false);
    Group("Selection")->SetRestriction(rtgrNoCollapse);
    TovBar* trim = AddGroup(FTabs[1], "Trim");
    AddButton(trim, "Trim", 2, true);
    AddButton(trim, "Silence", 0, false);
    Group("Trim")->SetRestriction(rtgrNoExpand);
    TovBar* insert = AddGroup(FTabs[1], "Insert");
    auto* fromFile = new TovBarSubItem(FForm);
    fromFile->SetCaption("Insert File");
    fromFile->ItemLinks()->AddItem(AddButton(nullptr, "At Cursor", 3, false));
    fromFile->ItemLinks()->AddItem(AddButton(nullptr, "At End", 3, false));
    insert->ItemLinks()->AddItem(fromFile);

    // Effects, generators, markers, view, tools and the two recording tabs.
    const struct {
        int Tab;
        const char* Group;
        const char* Items[3];
        int Shape;
    } groups[] = {
        {2, "Amplitude", {"Amplify", "Normalize", "Fade In"}, 5},
        {2, "Delay", {"Echo", "Reverb", "Chorus"}, 0},
        {2, "Filters", {"High Pass", "Low Pass", "Equalizer"}, 5},
        {3, "Generate", {"Silence", "Tone", "Speech"}, 0},
        {4, "Zoom", {"Zoom In", "Zoom Out", "Zoom Full"}, 6},
        {4, "Display", {"Waveform", "Spectrum", "Colors"}, 0},
        {5, "Dynamics", {"Compressor", "Limiter", "Noise Gate"}, 5},
        {6, "Markers", {"Add Bookmark", "Add Region", "Export Regions"}, 4},
        {6, "Batch", {"Batch Convert", "Sample Rate", "Channels"}, 7},
        {7, "Input", {"Record", "Device", "Timer"}, 4},
        {8, "Meters", {"Peak", "RMS", "Reset"}, 5},
    };
    for (const auto& g : groups) {
        TovBar* bar = AddGroup(FTabs[g.Tab], g.Group);
        AddButton(bar, g.Items[0], g.Shape, true);
        AddButton(bar, g.Items[1], g.Shape + 1, false)->SetButtonStyle(bsDropDown);
        AddButton(bar, g.Items[2], g.Shape + 2, false);
    }
}

// ---- Use

void TRibbonDemoForm::Pump() {
    for (int i = 0; i < 8 && olva::win::PumpMessages() > 0; ++i) {
    }
}

void TRibbonDemoForm::SetWidth(int AWidth) {
    FForm->SetBounds(FForm->Left(), FForm->Top(), AWidth, FForm->Height());
    Pump();
}

TPoint TRibbonDemoForm::RibbonToScreen(const TPoint& P) const {
    return FRibbon->ClientToScreen(POINT{P.x, P.y});
}

std::string TRibbonDemoForm::SaveRibbonPicture(const std::string& ARelativePath, int AExtra) {
    Pump();
    if (!FForm->HandleAllocated() || !FRibbon->HandleAllocated()) return {};
    std::shared_ptr<TSurface> image = olva::win::WindowImage(FForm->Handle());
    if (!image) return {};
    RECT window{}, ribbon{};
    GetWindowRect(FForm->Handle(), &window);
    GetWindowRect(FRibbon->Handle(), &ribbon);
    // The ribbon's rows with the form's frame around them.
    const int bottom = std::min(image->Height(), int(ribbon.bottom - window.top) + AExtra);
    TSurface cut(image->Width(), std::max(bottom, 1));
    for (int y = 0; y < cut.Height(); ++y)
        std::copy(image->Row(y), image->Row(y) + image->Width(), cut.Row(y));
    const std::filesystem::path path = std::filesystem::path(OLVA_TEST_OUT_DIR) / ARelativePath;
    std::filesystem::create_directories(path.parent_path());
    return SaveSurfaceToPng(cut, path.string()) ? path.string() : std::string();
}

} // namespace ribbon_demo
