#include "BarGallery.h"

#include "BarGalleryArt.h"
#include "BarStandIns.h"
#include "GalleryControls.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/itemcontrols/BarHintViewInfo.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/itemcontrols/ItemControlClasses.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/hints/ScreenTips.h"

#include <algorithm>

namespace bar_gallery {

// ---- Painters

namespace {

struct TRegisteredLook {
    std::string Name, Label;
    std::function<std::unique_ptr<TovBarPainter>()> Make;
};

std::vector<TRegisteredLook>& RegisteredLooks() {
    static std::vector<TRegisteredLook> looks;
    return looks;
}

} // namespace

void RegisterGalleryPainter(const std::string& AName, const std::string& ALabel,
                            std::function<std::unique_ptr<TovBarPainter>()> AMake) {
    RegisteredLooks().push_back({AName, ALabel, std::move(AMake)});
}

std::string GalleryPainterLabel(const std::string& AName) {
    for (const TRegisteredLook& look : RegisteredLooks())
        if (look.Name == AName) return look.Label;
    return {};
}

std::vector<std::string> GalleryPainterNames() {
    std::vector<std::string> names{"Base"};
    static const char* const Looks[] = {"Standard", "Enhanced", "Flat", "XP", "Office11"};
    for (int index = bpiStandard; index <= bpiOffice11; ++index) {
        // The themed look draws its parts only while visual styles are on (a test theme binds them).
        if (index == bpiXP && !AreVisualStylesAvailable()) continue;
        if (ovBarPainterClassOf(index) != nullptr) names.push_back(Looks[index]);
    }
    for (const TRegisteredLook& look : RegisteredLooks())
        names.push_back(look.Name);
    return names;
}

std::unique_ptr<TovBarPainter> MakeGalleryPainter(const std::string& AName) {
    for (const TRegisteredLook& look : RegisteredLooks())
        if (look.Name == AName) return look.Make();
    static const char* const Looks[] = {"Standard", "Enhanced", "Flat", "XP", "Office11"};
    for (int index = bpiStandard; index <= bpiOffice11; ++index)
        if (AName == Looks[index])
            if (const TovBarPainterClass* painterClass = ovBarPainterClassOf(index))
                return painterClass->Create(nullptr);
    return ovBarBasePainterClass()->Create(nullptr);
}

// A command button of the application menu (its control is the application-menu button control).
class TGalleryApplicationMenuItem : public TovBarButton {
public:
    using TovBarButton::TovBarButton;
};

void PrepareGalleryManager(TovBarManager* AManager) {
    if (BarItemList()->ItemControlClassOf(typeid(TGalleryApplicationMenuItem)) == nullptr)
        ovBarRegisterItem<TGalleryApplicationMenuItem>(&ovBarApplicationMenuButtonControlClass, false);
    RegisterGalleryControls();
    AManager->SetUseSystemFont(false);
    AManager->Font()->SetName("Tahoma");
    AManager->Font()->SetHeight(-11);
    AManager->SetImages(MakeGalleryImages(AManager->Owner(), 16));
    AManager->SetLargeImages(MakeGalleryImages(AManager->Owner(), 32));
}

// ---- Sheets

namespace {

using namespace bar_standins;

constexpr int Margin = 10;
constexpr int LabelHeight = 14;
constexpr int Gap = 10;
constexpr TColor Page = clWhite;
constexpr TColor Ink = 0x303030;

void Text(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, UINT AFormat, bool ABold = false) {
    HDC dc = ACanvas->Handle();
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    if (ABold) font.SetStyle(TFontStyles{fsBold});
    HGDIOBJ previous = SelectObject(dc, font.Handle());
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF color = SetTextColor(dc, Ink);
    TRect r = R;
    DrawText(dc, AText.c_str(), static_cast<int>(AText.size()), &r, AFormat | DT_NOPREFIX);
    SetTextColor(dc, color);
    SetBkMode(dc, mode);
    SelectObject(dc, previous);
}

// Moves the canvas's origin while it lives.
class TShift {
public:
    TShift(TuiCanvas* ACanvas, const TPoint& P) : FDC(ACanvas->Handle()), FP(P) {
        OffsetViewportOrgEx(FDC, P.x, P.y, nullptr);
    }
    ~TShift() { OffsetViewportOrgEx(FDC, -FP.x, -FP.y, nullptr); }
    TShift(const TShift&) = delete;
    TShift& operator=(const TShift&) = delete;

private:
    HDC FDC;
    TPoint FP;
};

} // namespace

class TBarGallery::TSheet {
public:
    struct TCell {
        TRect Bounds;
        std::string Label;
        std::function<void(TuiCanvas*)> Draw; // draws at the canvas origin (the cell's top-left corner)
    };
    struct TTitle {
        TPoint Origin;
        std::string Text;
        bool Bold;
    };

    explicit TSheet(std::string AName) : Name(std::move(AName)) {}
    ~TSheet() {
        // The stand-ins show the bars: they go first.
        Controls.clear();
        for (TovBar* bar : Bars)
            delete bar;
    }
    TSheet(const TSheet&) = delete;
    TSheet& operator=(const TSheet&) = delete;
    std::string Name;
    TSize Size{0, 0};
    std::vector<TCell> Cells;
    std::vector<TTitle> Titles;
    std::vector<TovBar*> Bars;
    std::vector<std::unique_ptr<TCustomovBarControl>> Controls;
    std::vector<std::unique_ptr<TovBarItemControlDrawParams>> Params;

    void Paint(TuiCanvas* ACanvas) {
        HDC dc = ACanvas->Handle();
        HBRUSH page = CreateSolidBrush(Page);
        const TRect all{0, 0, Size.cx, Size.cy};
        FillRect(dc, &all, page);
        DeleteObject(page);
        for (const TTitle& title : Titles)
            Text(ACanvas, title.Text, TRect{title.Origin.x, title.Origin.y, Size.cx, title.Origin.y + 16},
                 DT_LEFT | DT_SINGLELINE, title.Bold);
        for (const TCell& cell : Cells) {
            {
                TShift shift(ACanvas, TPoint{cell.Bounds.left, cell.Bounds.top});
                cell.Draw(ACanvas);
            }
            if (!cell.Label.empty()) {
                const int centre = (cell.Bounds.left + cell.Bounds.right) / 2;
                Text(ACanvas, cell.Label,
                     TRect{centre - 150, cell.Bounds.bottom + 1, centre + 150,
                           cell.Bounds.bottom + 1 + LabelHeight},
                     DT_CENTER | DT_SINGLELINE);
            }
        }
    }
};

namespace {

// ---- Items of the sheets

enum TKind {
    kGlyph,
    kCaption,
    kGlyphCaption,
    kChecked,
    kDropDown,
    kSplit,
    kLargeLeft,
    kLargeRight,
    kLargeTop,
    kLargeBottom,
    kAppMenuButton,
    kSubItem,
    kSeparator,
    kSeparatorCaption,
    kLabel,
    kEdit,
    kCombo,
    kSpinEdit,
    kColorCombo,
    kKindCount
};
const char* const KindNames[kKindCount] = {
    "glyph",       "caption",   "both",         "checked",   "drop-down",   "split",     "large left",
    "large right", "large top", "large bottom", "app menu",  "sub-item",    "separator", "group header",
    "label",       "edit",      "combo",        "spin edit", "colour combo"};

enum TState {
    sNormal,
    sHot,
    sHotArrow,
    sPressed,
    sDown,
    sDownHot,
    sDroppedDown,
    sDisabled,
    sDisabledSelected,
    sByKey,
    sStateCount
};
const char* const StateNames[sStateCount] = {"normal",   "hot",     "hot arrow", "pressed",      "down",
                                             "down hot", "dropped", "disabled",  "disabled sel", "by key"};

TovBarItem* MakeItem(TovBarManager* AManager, TKind AKind, int AImage) {
    TComponent* owner = AManager->Owner();
    auto button = [&](TovBarButton* AButton, const std::string& ACaption, TovBarPaintStyle AStyle) {
        AButton->SetCaption(ACaption);
        AButton->SetImageIndex(AImage);
        AButton->SetPaintStyle(AStyle);
        AButton->SetShortCut(TextToShortCut("Ctrl+S"));
        AButton->SetHint("Saves the document");
        return AButton;
    };
    switch (AKind) {
    case kGlyph:
        return button(new TovBarButton(owner), "&Save", psStandard);
    case kCaption:
        return button(new TovBarButton(owner), "&Open", psCaption);
    case kGlyphCaption:
        return button(new TovBarButton(owner), "&Record", psCaptionGlyph);
    case kChecked: {
        auto* checked = button(new TovBarButton(owner), "&Loop", psCaptionGlyph);
        checked->SetButtonStyle(bsChecked);
        return checked;
    }
    case kSplit: {
        auto* split = button(new TovBarButton(owner), "&Paste", psCaptionGlyph);
        split->SetButtonStyle(bsDropDown);
        return split;
    }
    case kLargeLeft:
    case kLargeRight:
    case kLargeTop:
    case kLargeBottom: {
        auto* large = new TovBarLargeButton(owner);
        large->SetCaption("&Amplify");
        large->SetLargeImageIndex(AImage);
        large->SetShowCaption(true);
        large->SetAutoGrayScale(false);
        large->SetGlyphLayout(static_cast<TovBarGlyphLayout>(AKind - kLargeLeft));
        return large;
    }
    case kAppMenuButton:
        return button(new TGalleryApplicationMenuItem(owner), "E&xit", psCaptionGlyph);
    case kDropDown:
    case kSubItem: {
        auto* sub = new TGallerySubItem(owner);
        sub->SetCaption(AKind == kDropDown ? "&Effects" : "&View");
        sub->SetImageIndex(AImage);
        sub->SetShowCaption(true);
        return sub;
    }
    case kSeparator:
    case kSeparatorCaption: {
        auto* separator = new TovBarSeparator(owner);
        separator->SetCaption("Recent");
        separator->SetShowCaption(AKind == kSeparatorCaption);
        return separator;
    }
    case kEdit:
    case kCombo:
    case kSpinEdit:
    case kColorCombo: {
        struct TEditCase {
            const char* Caption;
            const char* Text;
            int Width;
            bool ShowCaption;
        };
        static const TEditCase Cases[] = {{"&Name:", "Take 1", 100, true},
                                          {"&Rate:", "44100 Hz", 96, false},
                                          {"&Tempo:", "120", 56, true},
                                          {"&Colour:", "Red", 110, false}};
        const TEditCase& c = Cases[AKind - kEdit];
        auto* edit = new TGalleryEditItem(owner, static_cast<TGalleryEditKind>(AKind - kEdit));
        edit->SetCaption(c.Caption);
        edit->SetText(c.Text);
        edit->SetWidth(c.Width);
        edit->SetShowCaption(c.ShowCaption);
        return edit;
    }
    case kLabel:
    case kKindCount:
        break;
    }
    auto* label = new TovBarLabel(owner);
    label->SetCaption("Position:");
    return label;
}

void ApplyState(TCustomovBarControl* ABar, TovBarItemControl* AControl, TovBarItem* AItem, TState AState) {
    auto* button = dynamic_cast<TovBarButton*>(AItem);
    // The arrow of an edit-like control is its first button (part 3).
    const int arrowPart = dynamic_cast<TGalleryEditControl*>(AControl) != nullptr ? 3 : 1;
    auto select = [&](bool AByMouse, int AHotPart) {
        AControl->SetSelectedByMouse(AByMouse);
        ABar->SetSelectedControl(AControl);
        AControl->SetHotPartIndex(AHotPart);
    };
    switch (AState) {
    case sNormal:
        break;
    case sHot:
        select(true, 0);
        break;
    case sHotArrow:
        select(true, arrowPart);
        break;
    case sPressed:
        select(true, arrowPart == 3 ? arrowPart : 0);
        AControl->SetPressed(true);
        break;
    case sDown:
        if (button != nullptr) button->SetDown(true);
        break;
    case sDownHot:
        if (button != nullptr) button->SetDown(true);
        select(true, 0);
        break;
    case sDroppedDown:
        select(true, arrowPart);
        AControl->SetDroppedDown(true);
        break;
    case sDisabled:
        AItem->SetEnabled(false);
        break;
    case sDisabledSelected:
        AItem->SetEnabled(false);
        select(false, ovNoHotPart);
        break;
    case sByKey:
        select(false, ovNoHotPart);
        break;
    case sStateCount:
        break;
    }
}

} // namespace

// ---- The gallery

TBarGallery::TBarGallery(TovBarManager* AManager, TovBarPainter* APainter)
    : FManager(AManager), FPainter(APainter) {}
TBarGallery::~TBarGallery() = default;

std::vector<std::string> TBarGallery::SheetNames() {
    return {"states-horizontal", "states-vertical", "states-menu", "chrome", "menus", "parts"};
}

TSize TBarGallery::SheetSize(const std::string& AName) {
    return Sheet(AName).Size;
}

void TBarGallery::PaintSheet(const std::string& AName, TuiCanvas* ACanvas) {
    TSheet& sheet = Sheet(AName);
    sheet.Paint(ACanvas);
    if (!FLabel.empty())
        Text(ACanvas, FLabel, TRect{Margin, Margin, sheet.Size.cx - Margin, Margin + LabelHeight},
             DT_RIGHT | DT_SINGLELINE, true);
}

namespace {

// A toolbar of the gallery: the manager's bar of the docking style, shown through a stand-in. The sheet
// frees it, so that the next look's sheet may take the same caption (captions are unique in a manager).
TovBar* GalleryBar(TBarGallery::TSheet* ASheet, TovBarManager* AManager, TovBarDockingStyle AStyle,
                   const std::string& ACaption, bool AStatusBar = false) {
    TovBar* bar = AManager->Bars()->Add();
    ASheet->Bars.push_back(bar);
    bar->SetCaption(ACaption);
    bar->SetDockingStyle(AStyle);
    if (AStatusBar) {
        bar->SetBorderStyle(bbsNone);
        bar->SetWholeRow(true);
    }
    return bar;
}

TStandInToolbar* MakeToolbar(TBarGallery::TSheet* ASheet, TovBarManager* AManager, TovBarPainter* APainter,
                             TovBar* ABar, TovBarDockingStyle AStyle) {
    auto toolbar = std::make_unique<TStandInToolbar>(AManager, ABar);
    toolbar->SetPainter(APainter);
    toolbar->DockingStyleOverride = AStyle;
    TStandInToolbar* result = toolbar.get();
    ASheet->Controls.push_back(std::move(toolbar));
    return result;
}

TStandInMenu* MakeMenu(TBarGallery::TSheet* ASheet, TovBarManager* AManager, TovBarPainter* APainter) {
    auto menu = std::make_unique<TStandInMenu>(AManager);
    menu->SetPainter(APainter);
    TStandInMenu* result = menu.get();
    ASheet->Controls.push_back(std::move(menu));
    return result;
}

// Paints a toolbar stand-in on its dock's face (rotated font for vertical bars).
void PaintToolbar(TStandInToolbar* AToolbar, TuiCanvas* ACanvas) {
    const TRect client = AToolbar->GetClientRect();
    HBRUSH dock = CreateSolidBrush(ColorToRGB(clBtnFace));
    FillRect(ACanvas->Handle(), &client, dock);
    DeleteObject(dock);
    AToolbar->PaintTo(ACanvas);
}

TSize MenuWindowSize(TStandInMenu* AMenu) {
    return uiSizeOfRect(AMenu->GetWindowRectLocal());
}

// Lays cells out in rows under a section title.
class TFlow {
public:
    TFlow(TBarGallery::TSheet* ASheet, int AWidth) : FSheet(ASheet), FWidth(AWidth) {}
    void Section(const std::string& ATitle) {
        NewRow();
        FSheet->Titles.push_back({TPoint{Margin, FY}, ATitle, true});
        FY += 20;
    }
    void Add(const std::string& ALabel, const TSize& ASize, std::function<void(TuiCanvas*)> ADraw) {
        const int slot = std::max<int>(ASize.cx, static_cast<int>(ALabel.size()) * 7);
        if (FX + slot > FWidth - Margin) NewRow();
        const int left = FX + (slot - ASize.cx) / 2;
        FSheet->Cells.push_back({TRect{left, FY, left + ASize.cx, FY + ASize.cy}, ALabel, std::move(ADraw)});
        FX += slot + Gap + 8;
        FRowHeight = std::max<int>(FRowHeight, ASize.cy + LabelHeight + 4);
    }
    void NewRow() {
        if (FRowHeight > 0) FY += FRowHeight + Gap;
        FX = Margin;
        FRowHeight = 0;
    }
    void Finish() {
        NewRow();
        FSheet->Size = TSize{FWidth, FY + Margin};
    }

private:
    TBarGallery::TSheet* FSheet;
    int FWidth;
    int FX = Margin, FY = Margin, FRowHeight = 0;
};

} // namespace

TBarGallery::TSheet& TBarGallery::Sheet(const std::string& AName) {
    for (auto& sheet : FSheets)
        if (sheet->Name == AName) return *sheet;
    auto sheet = std::make_unique<TSheet>(AName);
    TSheet* s = sheet.get();
    FSheets.push_back(std::move(sheet));
    TovBarManager* manager = FManager;
    TovBarPainter* painter = FPainter;

    if (AName.rfind("states-", 0) == 0) {
        // A grid: the item kinds down, the states across; each cell is a bar of its own.
        const bool menu = AName == "states-menu";
        const bool vertical = AName == "states-vertical";
        TovBar* bar =
            menu ? nullptr
                 : GalleryBar(s, manager, vertical ? dsLeft : dsTop, vertical ? "Vertical" : "Horizontal");
        const int rowHeader = 90, top = Margin + 24;
        // Window items on a rotated bar are shown as plain buttons by the library, not by the gallery's
        // edit stand-in: the vertical sheet leaves them out.
        const int kinds = vertical ? static_cast<int>(kEdit) : static_cast<int>(kKindCount);
        std::vector<int> widths(sStateCount, 0), heights(kKindCount, 0);
        struct TPlaced {
            TCustomovBarControl* Control;
            TSize Size;
        };
        std::vector<std::vector<TPlaced>> grid(kKindCount);
        for (int kind = 0; kind < kinds; ++kind)
            for (int state = 0; state < sStateCount; ++state) {
                TovBarItem* item = MakeItem(manager, static_cast<TKind>(kind), kind % GalleryImageCount);
                TCustomovBarControl* control;
                TSize size;
                if (menu) {
                    TStandInMenu* m = MakeMenu(s, manager, painter);
                    m->Add(item);
                    m->Layout(110);
                    control = m;
                    size = MenuWindowSize(m);
                } else {
                    TStandInToolbar* t = MakeToolbar(s, manager, painter, bar, vertical ? dsLeft : dsTop);
                    t->MarkShown = false;
                    t->Add(item);
                    t->Layout();
                    control = t;
                    const TRect client = t->GetClientRect();
                    size = TSize{uiWidthOfRect(client), uiHeightOfRect(client)};
                }
                TovBarItemLink* link = control->ItemLinks()->Items(0);
                if (TovBarItemControl* itemControl = link->Control())
                    ApplyState(control, itemControl, item, static_cast<TState>(state));
                widths[state] = std::max<int>(widths[state], size.cx);
                heights[kind] = std::max<int>(heights[kind], size.cy);
                grid[kind].push_back(TPlaced{control, size});
            }
        s->Titles.push_back(
            {TPoint{Margin, Margin}, "Item states, " + AName.substr(7) + " (" + "rows: kinds)", true});
        std::vector<int> xs(sStateCount);
        int x = Margin + rowHeader;
        for (int state = 0; state < sStateCount; ++state) {
            widths[state] = std::max(widths[state], 62);
            xs[state] = x;
            s->Titles.push_back({TPoint{x, top}, StateNames[state], false});
            x += widths[state] + Gap;
        }
        int y = top + 22;
        for (int kind = 0; kind < kinds; ++kind) {
            s->Titles.push_back({TPoint{Margin, y + (heights[kind] - 14) / 2}, KindNames[kind], false});
            for (int state = 0; state < sStateCount; ++state) {
                const TPlaced placed = grid[kind][state];
                const int left = xs[state];
                auto* toolbar = dynamic_cast<TStandInToolbar*>(placed.Control);
                auto* standInMenu = dynamic_cast<TStandInMenu*>(placed.Control);
                s->Cells.push_back({TRect{left, y, left + placed.Size.cx, y + placed.Size.cy}, std::string(),
                                    [toolbar, standInMenu](TuiCanvas* ACanvas) {
                                        if (standInMenu != nullptr)
                                            standInMenu->PaintTo(ACanvas);
                                        else
                                            PaintToolbar(toolbar, ACanvas);
                                    }});
            }
            y += heights[kind] + Gap;
        }
        s->Size = TSize{x + Margin, y + Margin};
        return *s;
    }

    TFlow flow(s, 1000);
    auto glyphButton = [&](const std::string& ACaption, int AImage, TovBarPaintStyle AStyle) {
        auto* item = new TovBarButton(manager->Owner());
        item->SetCaption(ACaption);
        item->SetImageIndex(AImage);
        item->SetPaintStyle(AStyle);
        return item;
    };
    // A docked toolbar's whole window: border and grip around the items.
    auto toolbarCell = [&](TStandInToolbar* AToolbar, const std::string& ALabel) {
        flow.Add(ALabel, AToolbar->DockedWindowSize(),
                 [AToolbar](TuiCanvas* ACanvas) { AToolbar->PaintDockedTo(ACanvas); });
    };
    // A docked toolbar with the drop-down it opened, joined below it.
    auto joinedCell = [&](TStandInToolbar* AToolbar, TStandInMenu* AMenu, const std::string& ALabel) {
        const TSize bar = AToolbar->DockedWindowSize();
        const TSize menu = MenuWindowSize(AMenu);
        const TPoint at = AMenu->Position();
        flow.Add(ALabel, TSize{std::max<int>(bar.cx, at.x + menu.cx), at.y + menu.cy},
                 [AToolbar, AMenu, at](TuiCanvas* ACanvas) {
                     AToolbar->PaintDockedTo(ACanvas);
                     TShift shift(ACanvas, at);
                     AMenu->PaintTo(ACanvas);
                 });
    };
    auto menuCell = [&](TStandInMenu* AMenu, const std::string& ALabel) {
        flow.Add(ALabel, MenuWindowSize(AMenu), [AMenu](TuiCanvas* ACanvas) { AMenu->PaintTo(ACanvas); });
    };

    if (AName == "chrome") {
        flow.Section("Docked toolbars: separators and the mark (customize arrow, hidden-item chevrons)");
        {
            TStandInToolbar* top =
                MakeToolbar(s, manager, painter, GalleryBar(s, manager, dsTop, "Edit"), dsTop);
            top->Add(glyphButton("&Cut", 0, psStandard));
            top->Add(glyphButton("C&opy", 1, psStandard));
            top->Add(glyphButton("&Paste", 2, psStandard));
            top->Add(glyphButton("&Undo", 3, psCaptionGlyph), true);
            top->Add(glyphButton("&Redo", 4, psCaption));
            auto* split = glyphButton("&Mix", 5, psStandard);
            split->SetButtonStyle(bsDropDown);
            top->Add(split, true);
            auto* checked = glyphButton("&Loop", 6, psStandard);
            checked->SetButtonStyle(bsChecked);
            checked->SetDown(true);
            top->Add(checked);
            auto* disabled = glyphButton("&Trim", 7, psStandard);
            disabled->SetEnabled(false);
            top->Add(disabled);
            top->SetTruncated(true);
            top->Layout(420);
            toolbarCell(top, "top strip, truncated");
            TStandInToolbar* plain =
                MakeToolbar(s, manager, painter, GalleryBar(s, manager, dsTop, "Play"), dsTop);
            plain->Add(glyphButton("&Play", 2, psStandard));
            plain->Add(glyphButton("&Stop", 1, psStandard));
            plain->Layout(120);
            toolbarCell(plain, "top strip, mark only");
            TStandInToolbar* left =
                MakeToolbar(s, manager, painter, GalleryBar(s, manager, dsLeft, "Tools"), dsLeft);
            left->Add(glyphButton("&Zoom", 0, psStandard));
            left->Add(glyphButton("&Select", 1, psCaptionGlyph));
            left->Add(glyphButton("&Marker", 3, psCaption), true);
            left->SetTruncated(true);
            left->Layout(230);
            toolbarCell(left, "left strip, truncated");
        }
        flow.Section("A floating toolbar: frame, caption, close button and mark");
        {
            TovBar* floating = GalleryBar(s, manager, dsNone, "Transport");
            TStandInToolbar* bar = MakeToolbar(s, manager, painter, floating, dsNone);
            bar->Add(glyphButton("&Play", 2, psStandard));
            bar->Add(glyphButton("&Stop", 1, psStandard));
            bar->Add(glyphButton("&Record", 0, psCaptionGlyph), true);
            bar->Layout(170);
            TRect borders{};
            painter->BarBorderSizes(floating, dsNone, borders, false);
            const TRect client = bar->GetClientRect();
            const TSize size{uiWidthOfRect(client) + borders.left + borders.right,
                             uiHeightOfRect(client) + borders.top + borders.bottom};
            flow.Add("floating", size, [bar](TuiCanvas* ACanvas) { bar->PaintFloatingTo(ACanvas); });
            TStandInToolbar* hot =
                MakeToolbar(s, manager, painter, GalleryBar(s, manager, dsNone, "Mixer"), dsNone);
            hot->Add(glyphButton("&Mute", 6, psStandard));
            hot->SetCloseButtonState(1);
            hot->Layout(120);
            const TRect hotClient = hot->GetClientRect();
            flow.Add("close button hot",
                     TSize{uiWidthOfRect(hotClient) + borders.left + borders.right,
                           uiHeightOfRect(hotClient) + borders.top + borders.bottom},
                     [hot](TuiCanvas* ACanvas) { hot->PaintFloatingTo(ACanvas); });
        }
        flow.Section(
            "Drop-downs joined to their owner: a menu title and its menu, a pressed mark and its popup");
        {
            TovBar* menuBar = GalleryBar(s, manager, dsTop, "Main");
            TStandInToolbar* titles = MakeToolbar(s, manager, painter, menuBar, dsTop);
            titles->MarkShown = false;
            auto title = [&](const std::string& ACaption) {
                auto* sub = new TGallerySubItem(manager->Owner());
                sub->SetCaption(ACaption);
                sub->SetShowCaption(true);
                return titles->Add(sub);
            };
            title("&File");
            TovBarItemLink* effects = title("&Effects");
            title("&Help");
            titles->Layout(200);
            TStandInMenu* menu = MakeMenu(s, manager, painter);
            menu->Add(glyphButton("&Amplify...", 3, psStandard));
            menu->Add(glyphButton("&Normalize", 4, psStandard));
            menu->Add(glyphButton("Fade &in", 5, psStandard), true);
            menu->Layout(120);
            JoinMenuBelow(titles, effects->Control(), menu);
            if (auto* control = dynamic_cast<TGallerySubItemControl*>(effects->Control())) {
                control->Menu = menu;
                control->SetSelectedByMouse(true);
                titles->SetSelectedControl(control);
                control->SetDroppedDown(true);
            }
            joinedCell(titles, menu, "menu title dropped down");

            TStandInToolbar* marked =
                MakeToolbar(s, manager, painter, GalleryBar(s, manager, dsTop, "Marked"), dsTop);
            marked->Add(glyphButton("&Play", 2, psStandard));
            marked->Add(glyphButton("&Stop", 1, psStandard));
            marked->SetTruncated(true);
            marked->Layout(90);
            TStandInMenu* popup = MakeMenu(s, manager, painter);
            popup->Add(glyphButton("&Record", 0, psCaptionGlyph));
            auto* customize = glyphButton("&Add or Remove Buttons", -1, psCaption);
            popup->Add(customize, true);
            popup->Layout(100);
            JoinMenuBelow(marked, nullptr, popup);
            marked->SetMarkState(2);
            joinedCell(marked, popup, "mark pressed");
        }
        flow.Section("MDI buttons: minimize, restore and close, in their states");
        {
            TStandInToolbar* bar =
                MakeToolbar(s, manager, painter, GalleryBar(s, manager, dsTop, "Child"), dsTop);
            bar->MarkShown = false;
            bar->Layout(60);
            static const char* const States[] = {"normal", "disabled", "hot", "pressed outside", "pressed"};
            constexpr int Width = 16, Height = 14, Gap = 2;
            for (int state = 0; state < 5; ++state)
                flow.Add(States[state], TSize{3 * Width + 2 * Gap, Height},
                         [bar, painter, state](TuiCanvas* ACanvas) {
                             HDC dc = ACanvas->Handle();
                             const TRect all{0, 0, 3 * Width + 2 * Gap, Height};
                             bar->FillBackground(dc, all, clNone, bar->GetBackgroundBrush());
                             for (int button = 0; button < 3; ++button) {
                                 const int left = button * (Width + Gap);
                                 painter->BarPaintMDIButton(bar, dc, TRect{left, 0, left + Width, Height},
                                                            button, state);
                             }
                         });
        }
        flow.Section("A status-bar-like toolbar: top border and size grip");
        {
            TovBar* statusBar = GalleryBar(s, manager, dsBottom, "Status", true);
            TStandInToolbar* bar = MakeToolbar(s, manager, painter, statusBar, dsBottom);
            bar->MarkShown = false;
            auto* label = new TovBarLabel(manager->Owner());
            label->SetCaption("Position: 0:00:12.500");
            bar->Add(label);
            auto* second = new TovBarLabel(manager->Owner());
            second->SetCaption("44100 Hz, stereo");
            bar->Add(second, true);
            bar->Layout(420);
            TRect client = bar->GetClientRect();
            const TSize grip = painter->BarSizeGripSize();
            client.bottom = std::max<int>(client.bottom, grip.cy + painter->BarStatusBarTopBorderHeight());
            bar->SetClientRect(client);
            flow.Add("status bar", uiSizeOfRect(client), [bar, painter](TuiCanvas* ACanvas) {
                PaintToolbar(bar, ACanvas);
                HDC dc = ACanvas->Handle();
                painter->BarDrawStatusBarBorder(bar, dc, bar->GetBackgroundBrush(), bar->GetClientRect());
                painter->BarDrawStatusBarSizeGrip(bar, dc, bar->GetBackgroundBrush(), bar->GetClientRect());
            });
        }
        flow.Finish();
        return *s;
    }

    if (AName == "menus") {
        auto menuButton = [&](const std::string& ACaption, int AImage, const char* AShortCut) {
            auto* item = glyphButton(ACaption, AImage, psStandard);
            if (AShortCut != nullptr) item->SetShortCut(TextToShortCut(AShortCut));
            return item;
        };
        flow.Section("Menus: glyphs, groups, shortcuts, check marks, a sub-menu arrow, a header, selection");
        {
            TStandInMenu* m = MakeMenu(s, manager, painter);
            m->Add(menuButton("&New", 0, "Ctrl+N"));
            m->Add(menuButton("&Open...", 1, "Ctrl+O"));
            m->Add(menuButton("&Save", 2, "Ctrl+S"));
            auto* checked = menuButton("&Loop playback", -1, "Ctrl+L");
            checked->SetButtonStyle(bsChecked);
            checked->SetDown(true);
            m->Add(checked, true);
            auto* unchecked = menuButton("&Follow cursor", -1, nullptr);
            unchecked->SetButtonStyle(bsChecked);
            m->Add(unchecked);
            auto* sub = new TovBarSubItem(manager->Owner());
            sub->SetCaption("&Recent files");
            m->Add(sub, true);
            auto* disabled = menuButton("&Trim", 5, "Ctrl+T");
            disabled->SetEnabled(false);
            m->Add(disabled);
            m->Layout();
            menuCell(m, "menu");
            TStandInMenu* selected = MakeMenu(s, manager, painter);
            selected->Add(menuButton("&Copy", 1, "Ctrl+C"));
            TovBarItemLink* hot = selected->Add(menuButton("&Paste", 2, "Ctrl+V"));
            auto* header = new TovBarSeparator(manager->Owner());
            header->SetCaption("Effects");
            selected->Add(header);
            selected->Add(menuButton("&Amplify...", 3, nullptr));
            selected->Layout();
            if (hot->Control() != nullptr) {
                hot->Control()->SetSelectedByMouse(true);
                selected->SetSelectedControl(hot->Control());
            }
            menuCell(selected, "selection, group header");
            TStandInMenu* band = MakeMenu(s, manager, painter);
            band->SetBandKind(2);
            band->Add(menuButton("&Zoom in", 0, "Ctrl++"));
            band->Add(menuButton("Zoom &out", 1, "Ctrl+-"));
            band->Add(menuButton("Zoom to &selection", 4, nullptr), true);
            band->Layout();
            menuCell(band, "icon band");
        }
        flow.Section("Large items with descriptions; scroll buttons, expand button, detach caption");
        {
            TStandInMenu* large = MakeMenu(s, manager, painter);
            large->Links()->ItemOptions()->SetSize(misLarge);
            large->Links()->ItemOptions()->SetShowDescriptions(true);
            auto* wav = menuButton("&WAV file", 0, nullptr);
            wav->SetDescription("Uncompressed sound, the largest files and the best quality.");
            large->Add(wav);
            auto* mp3 = menuButton("&MP3 file", 1, nullptr);
            mp3->SetDescription(
                "Compressed sound for players and the web: small files at a quality you choose, "
                "from voice recordings to music, with tags kept.");
            large->Add(mp3);
            large->Layout(260);
            menuCell(large, "descriptions (two lines at most)");
            TStandInMenu* scroll = MakeMenu(s, manager, painter);
            scroll->ScrollButtons = true;
            scroll->ExpandMark = true;
            scroll->SetDetachable(true);
            scroll->Add(menuButton("&Play", 2, "Space"));
            scroll->Add(menuButton("&Stop", 1, nullptr));
            scroll->Add(menuButton("&Pause", 6, nullptr));
            scroll->Layout(150);
            menuCell(scroll, "scroll, expand, detach");
            TStandInMenu* hotMark = MakeMenu(s, manager, painter);
            hotMark->ExpandMark = true;
            hotMark->ExpandMarkSelected = true;
            hotMark->SetDetachable(true);
            hotMark->SetDetachCaptionHot(true);
            hotMark->Add(menuButton("&Rewind", 3, nullptr));
            hotMark->Layout(150);
            menuCell(hotMark, "hot detach, selected expand");
        }
        flow.Finish();
        return *s;
    }

    // "parts": progress bars, statics, separators, in-place sub-items, date navigator, galleries.
    TStandInMenu* host = MakeMenu(s, manager, painter);
    TovBarItemLink* hostLink = host->Add(glyphButton("Host", -1, psCaption));
    host->Layout(140);
    TovBarItemControl* hostControl = hostLink->Control();
    auto params = [&](auto AParams) {
        auto* raw = AParams.get();
        raw->Enabled = true;
        s->Params.push_back(std::move(AParams));
        return raw;
    };
    flow.Section("Progress bars (blocks and smooth; an empty range and a position past the end fill safely)");
    {
        struct TCase {
            const char* Label;
            int Position, Min, Max, Width;
            bool Smooth, Vertical;
        };
        static const TCase Cases[] = {
            {"30 px filled", 30, 0, 120, 120, false, false}, {"25 px filled", 25, 0, 120, 120, false, false},
            {"smooth 60 %", 60, 0, 100, 120, true, false},   {"Min = Max", 5, 5, 5, 120, false, false},
            {"past Max", 250, 0, 100, 120, false, false},    {"vertical", 50, 0, 100, 12, false, true}};
        for (const TCase& c : Cases) {
            auto* p = params(std::make_unique<TovBarProgressControlDrawParams>(hostControl));
            p->Position = c.Position;
            p->Min = c.Min;
            p->Max = c.Max;
            p->Smooth = c.Smooth;
            p->PaintType = c.Vertical ? iptVertical : iptHorizontal;
            const TSize size = c.Vertical ? TSize{12, 60} : TSize{c.Width, 12};
            flow.Add(c.Label, size, [p, painter, host, size](TuiCanvas* ACanvas) {
                host->SetPaintCanvas(ACanvas);
                p->Canvas = ACanvas;
                painter->ProgressDraw(p, TRect{0, 0, size.cx, size.cy}, painter->ProgressGetBarColor());
                host->SetPaintCanvas(nullptr);
            });
        }
    }
    flow.Section("Static borders; in-place sub-item headers");
    {
        static const char* const Borders[] = {"none", "lowered", "raised", "etched", "bump"};
        for (int style = sbsNone; style <= sbsBump; ++style) {
            auto* p = params(std::make_unique<TovBarStaticLikeControlDrawParams>(hostControl));
            p->BorderStyle = static_cast<TovBarStaticBorderStyle>(style);
            painter->StaticGetBorderSizes(p->BorderStyle, p->BorderSizes);
            p->Caption = "0:00:12.500";
            p->ViewStructure = TovBarItemViewStructure{ivpCaption};
            flow.Add(std::string("static ") + Borders[style], TSize{96, 22},
                     [p, painter, host](TuiCanvas* ACanvas) {
                         host->SetPaintCanvas(ACanvas);
                         p->Canvas = ACanvas;
                         ACanvas->Font()->Assign(host->GetFont());
                         painter->StaticDraw(p, TRect{0, 0, 96, 22}, TRect{0, 0, 0, 0});
                         host->SetPaintCanvas(nullptr);
                     });
        }
        for (int expanded = 0; expanded < 2; ++expanded)
            for (int selected = 0; selected < 2; ++selected) {
                auto* p = params(std::make_unique<TovBarInPlaceSubItemControlDrawParams>(hostControl));
                p->Caption = "Recent files";
                p->Expanded = expanded != 0;
                p->DrawSelected = selected != 0;
                p->ArrowSize = TSize{host->GetMenuArrowWidth(), host->GetMenuArrowHeight()};
                const std::string label =
                    std::string(expanded ? "expanded" : "collapsed") + (selected ? ", sel" : "");
                flow.Add(label, TSize{140, 19}, [p, painter, host](TuiCanvas* ACanvas) {
                    host->SetPaintCanvas(ACanvas);
                    p->Canvas = ACanvas;
                    ACanvas->Font()->Assign(host->GetFont());
                    painter->InPlaceSubItemDraw(p, TRect{0, 0, 140, 19});
                    host->SetPaintCanvas(nullptr);
                });
            }
        auto* disabled = params(std::make_unique<TovBarInPlaceSubItemControlDrawParams>(hostControl));
        disabled->Caption = "Recent files";
        disabled->Enabled = false;
        disabled->ArrowSize = TSize{host->GetMenuArrowWidth(), host->GetMenuArrowHeight()};
        flow.Add("disabled (no arrow)", TSize{140, 19}, [disabled, painter, host](TuiCanvas* ACanvas) {
            host->SetPaintCanvas(ACanvas);
            disabled->Canvas = ACanvas;
            ACanvas->Font()->Assign(host->GetFont());
            painter->InPlaceSubItemDraw(disabled, TRect{0, 0, 140, 19});
            host->SetPaintCanvas(nullptr);
        });
    }
    flow.Section("Date navigator buttons, button text, drop-down size grip");
    {
        for (int pressed = 0; pressed < 2; ++pressed)
            flow.Add(pressed ? "pressed" : "normal", TSize{64, 22}, [painter, pressed](TuiCanvas* ACanvas) {
                TFont font;
                font.SetName("Tahoma");
                font.SetHeight(-11);
                HGDIOBJ previous = SelectObject(ACanvas->Handle(), font.Handle());
                painter->DateNavigatorDrawButton(ACanvas->Handle(), pressed != 0, "Today",
                                                 TRect{0, 0, 64, 22});
                SelectObject(ACanvas->Handle(), previous);
            });
        flow.Add("size grip", TSize{60, 14}, [painter](TuiCanvas* ACanvas) {
            const TRect r{0, 0, 60, 14};
            FillRect(ACanvas->Handle(), &r, GetSysColorBrush(COLOR_BTNFACE));
            painter->DrawDropDownSizeGrip(ACanvas->Handle(), r);
        });
    }
    flow.Section("Drop-down gallery parts");
    {
        auto part = [&](const std::string& ALabel, TSize ASize,
                        std::function<void(HDC, const TRect&)> ADraw) {
            flow.Add(ALabel, ASize, [ASize, ADraw](TuiCanvas* ACanvas) {
                const TRect r{0, 0, ASize.cx, ASize.cy};
                FillRect(ACanvas->Handle(), &r, GetSysColorBrush(COLOR_BTNFACE));
                ADraw(ACanvas->Handle(), r);
            });
        };
        part("background", TSize{80, 40},
             [painter](HDC ADC, const TRect& R) { painter->DropDownGalleryDrawBackground(ADC, R); });
        part("border", TSize{80, 40}, [painter](HDC ADC, const TRect& R) {
            painter->DropDownGalleryDrawBackground(ADC, R);
            painter->DropDownGalleryDrawBorder(ADC, R);
        });
        part("bottom band + grip", TSize{120, 14}, [painter](HDC ADC, const TRect& R) {
            painter->DropDownGalleryDrawBottomSizingBand(ADC, R);
            painter->DropDownGalleryDrawBottomSizeGrip(ADC, R);
        });
        part("top band + grip", TSize{120, 14}, [painter](HDC ADC, const TRect& R) {
            painter->DropDownGalleryDrawTopSizingBand(ADC, R);
            painter->DropDownGalleryDrawTopSizeGrip(ADC, R);
        });
        part("vertical grips", TSize{120, 14}, [painter](HDC ADC, const TRect& R) {
            painter->DropDownGalleryDrawBottomSizingBand(ADC, R);
            painter->DropDownGalleryDrawBottomVerticalSizeGrip(ADC, R);
        });
        part("filter band", TSize{120, 16},
             [painter](HDC ADC, const TRect& R) { painter->GalleryDrawFilterBand(ADC, R); });
        part("group header", TSize{120, 18},
             [painter](HDC ADC, const TRect& R) { painter->GalleryDrawGroupHeaderBackground(ADC, R); });
        static const char* const ItemStates[] = {"item normal", "item hot", "item pressed", "item selected",
                                                 "item hot sel"};
        static const int States[] = {0, 3, 4, 6, 7};
        for (int i = 0; i < 5; ++i) {
            const int state = States[i];
            part(ItemStates[i], TSize{40, 40}, [painter, state](HDC ADC, const TRect& R) {
                painter->GalleryDrawItemBackground(ADC, R, state);
            });
        }
        part("scroll bar", TSize{17, 60}, [painter](HDC ADC, const TRect& R) {
            painter->DropDownGalleryDrawScrollBarBackground(ADC, R);
            painter->DropDownGalleryDrawScrollBarPart(ADC, TRect{R.left, R.top, R.right, R.top + 17}, 1, 1);
            painter->DropDownGalleryDrawScrollBarPart(ADC, TRect{R.left, R.top + 17, R.right, R.top + 35}, 3,
                                                      1);
            painter->DropDownGalleryDrawScrollBarPart(ADC, TRect{R.left, R.bottom - 17, R.right, R.bottom}, 2,
                                                      1);
        });
    }
    flow.Section("Hints and screen tips (the hint window's face under the plain hint)");
    {
        auto* tips = new TovScreenTipRepository(manager->Owner());
        TovScreenTip* oneLine = tips->Items()->Add();
        oneLine->Header()->SetText("Save");
        TovScreenTip* full = tips->Items()->Add();
        full->Header()->SetText("Normalize");
        full->Description()->SetText(
            "Raises the whole selection so that its loudest peak reaches the level you choose.");
        TBitmap glyph;
        manager->LargeImages()->GetBitmap(6, &glyph);
        full->Description()->SetGlyph(&glyph);
        full->Footer()->SetText("Press F1 for more help.");
        auto hint = [&](const std::string& ALabel, std::shared_ptr<TovBarCustomHintViewInfo> AViewInfo) {
            AViewInfo->ComputeLayout(host->GetCanvas());
            const TSize size = uiSizeOfRect(AViewInfo->GetBoundsRect());
            flow.Add(ALabel, size, [AViewInfo, size](TuiCanvas* ACanvas) {
                // The plain hint draws its edge and text on the window's own face.
                ACanvas->FillRect(TRect{0, 0, size.cx, size.cy}, Application()->HintColor());
                AViewInfo->ComputeLayout(ACanvas);
                AViewInfo->Paint(ACanvas);
            });
        };
        hint("hint", painter->CreateHintViewInfo(manager, "Saves the document", " (Ctrl+S)", nullptr));
        hint("tip without description",
             CreateBarHintViewInfo(manager, "Saves the document", " (Ctrl+S)", painter, oneLine));
        hint("screen tip", CreateBarHintViewInfo(manager, "Normalize", " (Ctrl+M)", painter, full));
    }
    flow.Finish();
    return *s;
}

} // namespace bar_gallery
