// Repaints the real bar windows holding edit and combo items: a toolbar of 12 items docked on a form and
// an open pop-up menu of 30 entries, each with the base painter and with the Flat one, and types one key
// into a focused edit item of the menu (a keystroke through the scripted input to the edit's own window,
// pumped until painted). Next to them: a row of flat TSpeedButtons, the window of a TPopupMenu with the
// same 30 entries, and a plain TEdit typing the same key. Prints the median time in milliseconds of each
// and the ratios to the plain controls and of Flat to the base painter.
//
//   olva_bars_edit_bench                   everything, in one process
//   olva_bars_edit_bench --pictures DIR    also writes what was timed as PNGs into DIR
#include "BarGalleryArt.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/PopupMenuWindow.h"
#include "platform/vcl/SpeedButton.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/EditControls.h"
#include "ui/bars/popupmenus/PopupMenu.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;
using olva::win::PumpMessages;

constexpr int ToolbarItems = 12;
constexpr int MenuEntries = 30;
constexpr int Samples = 300;
constexpr int TypedKey = 'A';

const char* const Captions[] = {"New",  "Open",  "Save",   "Cut",     "Copy",    "Paste",
                                "Undo", "Redo",  "Trim",   "Silence", "Fade In", "Fade Out",
                                "Play", "Stop",  "Record", "Loop",    "Zoom In", "Zoom Out",
                                "Mix",  "Split", "Join",   "Invert",  "Reverse", "Normalize"};
constexpr int CaptionCount = sizeof(Captions) / sizeof(Captions[0]);

// Which kind of item stands at a place: an edit every fifth, a combo after it, buttons elsewhere.
enum class TKind { Button, Edit, Combo };
TKind KindOf(int AIndex) {
    if (AIndex % 5 == 1) return TKind::Edit;
    if (AIndex % 5 == 3) return TKind::Combo;
    return TKind::Button;
}
bool BeginsGroup(int AIndex) {
    return AIndex > 0 && AIndex % 6 == 0;
}

double Median(std::vector<double>& ATimes) {
    std::nth_element(ATimes.begin(), ATimes.begin() + ATimes.size() / 2, ATimes.end());
    return ATimes[ATimes.size() / 2];
}

// The median time of one full repaint of the window (the whole of it invalidated, then painted).
double MedianRepaint(HWND AWindow) {
    std::vector<double> times;
    times.reserve(Samples);
    for (int i = 0; i < Samples; ++i) {
        const auto start = Clock::now();
        ::InvalidateRect(AWindow, nullptr, FALSE);
        ::UpdateWindow(AWindow);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

int TextLength(HWND AWindow) {
    return static_cast<int>(::GetWindowTextLength(AWindow));
}

// The median time of one key typed into the focused window, from the keystroke entering the input queue
// until the window has painted it. Each key is taken back (untimed) so that every sample types into the
// same text. Reports -1 when the key did not reach the window's text.
double MedianKeystroke(HWND AFocused) {
    std::vector<double> times;
    times.reserve(Samples);
    for (int i = 0; i < Samples; ++i) {
        const int before = TextLength(AFocused);
        const auto start = Clock::now();
        InjectKey(TypedKey, true);
        InjectKey(TypedKey, false);
        PumpMessages();
        ::UpdateWindow(AFocused);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (TextLength(AFocused) != before + 1) return -1;
        InjectKey(VK_BACK, true);
        InjectKey(VK_BACK, false);
        PumpMessages();
    }
    return Median(times);
}

// With a folder given, what was timed is written there to be looked at: the window's part of the composed
// screen, so that child windows (a docked toolbar, a focused edit's own window) are seen as they show.
void Picture(const std::string& AFolder, HWND AWindow, const std::string& AName) {
    if (AFolder.empty()) return;
    PumpMessages();
    std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    const RECT origin = olva::win::VirtualScreen();
    RECT bounds{};
    ::GetWindowRect(AWindow, &bounds);
    RECT area{};
    if (screen == nullptr || !::IntersectRect(&area, &bounds, &origin)) return;
    TSurface part(area.right - area.left, area.bottom - area.top);
    for (int y = 0; y < part.Height(); ++y)
        for (int x = 0; x < part.Width(); ++x)
            part.SetPixel(x, y, screen->Pixel(area.left + x - origin.left, area.top + y - origin.top));
    const std::string file = AFolder + "/" + AName + ".png";
    if (!SaveSurfaceToPng(part, file)) std::fprintf(stderr, "cannot write %s\n", file.c_str());
}

// Types one key into the focused window for a picture of it, then takes it back.
void TypedPicture(const std::string& AFolder, HWND AFocused, HWND AShown, const std::string& AName) {
    if (AFolder.empty()) return;
    InjectKey(TypedKey, true);
    InjectKey(TypedKey, false);
    PumpMessages();
    Picture(AFolder, AShown, AName);
    InjectKey(VK_BACK, true);
    InjectKey(VK_BACK, false);
    PumpMessages();
}

TovBarItem* MakeItem(TCustomForm* AForm, int AIndex) {
    const std::string caption = Captions[AIndex % CaptionCount];
    switch (KindOf(AIndex)) {
    case TKind::Edit: {
        auto* edit = new TovBarEdit(AForm);
        edit->SetCaption(caption);
        edit->SetWidth(90);
        edit->SetText("Take " + std::to_string(AIndex));
        return edit;
    }
    case TKind::Combo: {
        auto* combo = new TovBarCombo(AForm);
        combo->SetCaption(caption);
        combo->SetWidth(90);
        for (const char* s : {"44100 Hz", "48000 Hz", "96000 Hz"})
            combo->Items()->Add(s);
        combo->SetText("48000 Hz");
        return combo;
    }
    case TKind::Button:
        break;
    }
    auto* button = new TovBarButton(AForm);
    button->SetCaption(caption);
    button->SetImageIndex(AIndex % bar_gallery::GalleryImageCount);
    return button;
}

// The bar side: a form with a manager in one style, its toolbar docked at the top and a pop-up menu of
// the same kinds of items open beside it.
class TBarScene {
public:
    TBarScene(TovBarManagerStyle AStyle) {
        FForm = TCustomForm::New<TForm>(nullptr);
        FForm->SetBounds(0, 0, 900, 200);
        FForm->Show();
        PumpMessages();
        FManager = new TovBarManager(FForm);
        FManager->SetStyle(AStyle);
        FManager->MenuAnimations = maNone;
        // The gallery's font and pictures, as the painting benches draw with.
        FManager->SetUseSystemFont(false);
        FManager->Font()->SetName("Tahoma");
        FManager->Font()->SetHeight(-11);
        FManager->SetImages(bar_gallery::MakeGalleryImages(FForm, 16));
        TovBar* bar = FManager->AddToolbar(false, false);
        for (int i = 0; i < ToolbarItems; ++i)
            bar->ItemLinks()->AddItem(MakeItem(FForm, i))->SetBeginGroup(BeginsGroup(i));
        PumpMessages();
        Toolbar = dynamic_cast<TovBarControl*>(bar->GetControl());
        FPopup = new TovBarPopupMenu(FForm);
        for (int i = 0; i < MenuEntries; ++i)
            FPopup->ItemLinks()->AddItem(MakeItem(FForm, i))->SetBeginGroup(BeginsGroup(i));
        // Without the menu's own loop: the bench's pumping drives it.
        FPopup->PopupEx(20, 220, 0, 0, false, nullptr, false, nullptr);
        PumpMessages();
        Menu = FPopup->GetSubMenuControl();
    }
    ~TBarScene() {
        if (Menu != nullptr) Menu->CloseUp(bcrOther);
        PumpMessages();
        delete FForm;
        PumpMessages();
    }
    TBarScene(const TBarScene&) = delete;
    TBarScene& operator=(const TBarScene&) = delete;

    // Clicks the menu's first edit item: its edit window takes the focus. Null when it did not.
    HWND FocusMenuEdit() {
        TovBarItemLinks* links = Menu->ItemLinks();
        for (int i = 0; i < links->VisibleItemCount(); ++i) {
            auto* control = dynamic_cast<TovBarEditControl*>(links->VisibleItems(i)->Control());
            if (control == nullptr) continue;
            const TRect field = control->Parts()[0];
            POINT p{(field.left + field.right) / 2, (field.top + field.bottom) / 2};
            ::ClientToScreen(Menu->Handle(), &p);
            InjectMouse(MouseAction::Move, p.x, p.y);
            InjectMouse(MouseAction::LeftDown, p.x, p.y);
            InjectMouse(MouseAction::LeftUp, p.x, p.y);
            PumpMessages();
            if (!control->Focused() || control->GetHandle() != ::GetFocus()) return nullptr;
            // The end of the text, so that each key adds to it rather than replacing the selection.
            InjectKey(VK_END, true);
            InjectKey(VK_END, false);
            PumpMessages();
            return control->GetHandle();
        }
        return nullptr;
    }

    TovBarControl* Toolbar = nullptr;
    TovBarSubMenuControl* Menu = nullptr;

private:
    TCustomForm* FForm = nullptr;
    TovBarManager* FManager = nullptr;
    TovBarPopupMenu* FPopup = nullptr;
};

// A window that paints the button face behind the speed buttons.
class TFaceWindow : public TCustomControl {
public:
    TFaceWindow() : TCustomControl(nullptr) {}

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = WS_POPUP;
        Params.WndParent = nullptr;
    }
    void Paint() override {
        Canvas()->Brush()->SetColor(clBtnFace);
        Canvas()->FillRect(Canvas()->ClipRect());
    }
};

// The plain side: flat speed buttons in a row as wide as the toolbar, a pop-up menu's window with the
// menu's entries (the edits and combos as plain entries) and a focused TEdit on a form.
class TPlainScene {
public:
    TPlainScene(TSize AToolbarSize) {
        FForm = TCustomForm::New<TForm>(nullptr);
        FForm->SetBounds(0, 400, 300, 100);
        FForm->Show();
        PumpMessages();
        FImages = bar_gallery::MakeGalleryImages(FForm, 16);
        Row = new TFaceWindow();
        Row->SetBounds(0, 0, AToolbarSize.cx, AToolbarSize.cy);
        ::SetWindowPos(Row->Handle(), HWND_TOPMOST, 0, 0, AToolbarSize.cx, AToolbarSize.cy,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE);
        const int count = std::max(1, static_cast<int>(AToolbarSize.cx / 23));
        for (int i = 0; i < count; ++i) {
            auto* button = new TSpeedButton(FForm);
            button->SetParent(Row);
            button->SetBounds(i * 23, 0, 23, std::min<int>(22, AToolbarSize.cy));
            button->SetFlat(true);
            auto glyph = std::make_unique<TBitmap>();
            FImages->GetBitmap(i % bar_gallery::GalleryImageCount, glyph.get());
            button->SetGlyph(glyph.get());
        }
        FMenu = std::make_unique<TPopupMenu>(FForm);
        FMenu->SetImages(FImages);
        for (int i = 0; i < MenuEntries; ++i) {
            if (BeginsGroup(i)) {
                auto* line = new TMenuItem(FMenu.get());
                line->SetCaption("-");
                FMenu->Items()->Add(line);
            }
            auto* item = new TMenuItem(FMenu.get());
            item->SetCaption(Captions[i % CaptionCount]);
            item->SetImageIndex(i % bar_gallery::GalleryImageCount);
            FMenu->Items()->Add(item);
        }
        MenuWindow = new TPopupMenuWindow(FMenu->Items(), nullptr);
        MenuWindow->ShowAt(500, 220, 400);
        Edit = new TEdit(FForm);
        Edit->SetParent(FForm);
        Edit->SetBounds(8, 8, 120, 21);
        Edit->SetText("Take 1");
        PumpMessages();
        ::SetFocus(Edit->Handle());
        InjectKey(VK_END, true);
        InjectKey(VK_END, false);
        PumpMessages();
    }
    ~TPlainScene() {
        delete MenuWindow;
        delete Row;
        FMenu.reset();
        delete FForm;
        PumpMessages();
    }
    TPlainScene(const TPlainScene&) = delete;
    TPlainScene& operator=(const TPlainScene&) = delete;

    TFaceWindow* Row = nullptr;
    TPopupMenuWindow* MenuWindow = nullptr;
    TEdit* Edit = nullptr;

private:
    TCustomForm* FForm = nullptr;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TPopupMenu> FMenu;
};

struct TFigures {
    double Toolbar = 0;
    double Menu = 0;
    double Typing = 0;
};

TSize SizeOf(HWND AWindow) {
    RECT r{};
    ::GetClientRect(AWindow, &r);
    return TSize{r.right - r.left, r.bottom - r.top};
}

TFigures RunBars(TovBarManagerStyle AStyle, const std::string& AName, const std::string& APictures,
                 TSize* AToolbarSize) {
    TFigures figures;
    TBarScene scene(AStyle);
    if (scene.Toolbar == nullptr || scene.Menu == nullptr) {
        std::fprintf(stderr, "%s: the toolbar or the menu has no window\n", AName.c_str());
        return figures;
    }
    if (AToolbarSize != nullptr) *AToolbarSize = SizeOf(scene.Toolbar->Handle());
    figures.Toolbar = MedianRepaint(scene.Toolbar->Handle());
    figures.Menu = MedianRepaint(scene.Menu->Handle());
    Picture(APictures, scene.Toolbar->Handle(), AName + "-toolbar");
    Picture(APictures, scene.Menu->Handle(), AName + "-menu");
    const TSize toolbar = SizeOf(scene.Toolbar->Handle());
    const TSize menu = SizeOf(scene.Menu->Handle());
    std::printf("  %-26s toolbar %7.3f (%ldx%ld)   menu %7.3f (%ldx%ld)", (AName + " painter").c_str(),
                figures.Toolbar, static_cast<long>(toolbar.cx), static_cast<long>(toolbar.cy), figures.Menu,
                static_cast<long>(menu.cx), static_cast<long>(menu.cy));
    HWND edit = scene.FocusMenuEdit();
    if (edit == nullptr) {
        std::printf("   (the menu's edit took no focus)\n");
        return figures;
    }
    figures.Typing = MedianKeystroke(edit);
    TypedPicture(APictures, edit, scene.Menu->Handle(), AName + "-menu-typing");
    std::printf("   key in the menu's edit %7.3f\n", figures.Typing);
    return figures;
}

void RunAll(const std::string& APictures) {
    std::printf("Real bar windows with edit and combo items: repaint of a docked %d-item toolbar and of an "
                "open %d-entry menu, and one key typed into a focused edit item (median of %d, ms)\n",
                ToolbarItems, MenuEntries, Samples);
    TSize toolbarSize{};
    // The base painter draws the standard style for this run only.
    const TovBarPainterClass* standard = ovBarPainterClassOf(bpiStandard);
    ovBarRegisterPainterClass(bpiStandard, ovBarBasePainterClass());
    const TFigures base = RunBars(bmsStandard, "base", APictures, &toolbarSize);
    ovBarRegisterPainterClass(bpiStandard, standard);
    const TFigures flat = RunBars(bmsFlat, "Flat", APictures, nullptr);

    TFigures plain;
    {
        TPlainScene scene(toolbarSize);
        plain.Toolbar = MedianRepaint(scene.Row->Handle());
        plain.Menu = MedianRepaint(scene.MenuWindow->Handle());
        Picture(APictures, scene.Row->Handle(), "plain-speedbuttons");
        Picture(APictures, scene.MenuWindow->Handle(), "plain-popupmenu");
        if (::GetFocus() == scene.Edit->Handle()) plain.Typing = MedianKeystroke(scene.Edit->Handle());
        TypedPicture(APictures, scene.Edit->Handle(), scene.Edit->Handle(), "plain-edit-typing");
        const TSize menu = SizeOf(scene.MenuWindow->Handle());
        std::printf("  %-26s toolbar %7.3f           menu %7.3f (%ldx%ld)   key in a TEdit %7.3f\n",
                    "speed buttons / pop-up", plain.Toolbar, plain.Menu, static_cast<long>(menu.cx),
                    static_cast<long>(menu.cy), plain.Typing);
    }

    auto ratio = [](double A, double B) { return A > 0 && B > 0 ? A / B : 0.0; };
    std::printf("Ratios to the class library's controls (aim for Flat: within 2x)\n");
    for (const auto& [name, f] :
         {std::pair<const char*, TFigures>{"base painter", base}, {"Flat painter", flat}})
        std::printf("  %-26s toolbar %5.2f   menu %5.2f   typing %5.2f\n", name,
                    ratio(f.Toolbar, plain.Toolbar), ratio(f.Menu, plain.Menu),
                    ratio(f.Typing, plain.Typing));
    std::printf("  %-26s toolbar %5.2f   menu %5.2f   typing %5.2f\n", "Flat to the base painter",
                ratio(flat.Toolbar, base.Toolbar), ratio(flat.Menu, base.Menu),
                ratio(flat.Typing, base.Typing));
}

} // namespace

int main(int argc, char** argv) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiBarsInitialize();
    RunAll(argc == 3 && std::string(argv[1]) == "--pictures" ? argv[2] : "");
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return 0;
}
