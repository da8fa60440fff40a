#include "PopupHintGallery.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/HintWindow.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/Painting.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/HintStyles.h"
#include "ui/painters/hints/HintViewInfo.h"
#include "ui/painters/hints/HintWindows.h"
#include "ui/painters/hints/ScreenTipStyle.h"
#include "ui/painters/hints/ScreenTipWindow.h"
#include "ui/painters/hints/ScreenTips.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/lookandfeel/PaintersManager.h"
#include "ui/painters/popups/CustomPopupWindow.h"

namespace popup_hint_gallery {

namespace {

constexpr int Margin = 20;
constexpr int CaptionHeight = 18;
// Light enough for the shadows and dark enough for the highlight edges of the sunken borders.
constexpr TColor PageColor = static_cast<TColor>(0xF0E4DA);

const char* const BorderStyleNames[] = {"cbsNone", "cbsSingle",    "cbsThick",   "cbsFlat",
                                        "cbs3D",   "cbsUltraFlat", "cbsOffice11"};
const char* const CornerNames[] = {"top-left", "top-right", "bottom-left", "bottom-right"};
const char* const CloseStateNames[] = {"normal", "hot", "pressed"};
constexpr TuiPainterButtonState CloseStates[] = {cxbsNormal, cxbsHot, cxbsPressed};

// A caption on the page; popups drop down below it.
class TCaption : public TCustomControl {
public:
    TCaption(TWinControl* AParent, const std::string& AText, const TRect& R) : TCustomControl(AParent) {
        FText = AText;
        SetParentColor(true);
        SetBoundsRect(R);
        SetParent(AParent);
    }

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(Parent()->Color());
        Canvas()->FillRect(ClientRect());
        Canvas()->Font()->SetName("Tahoma");
        Canvas()->Font()->SetHeight(-11);
        Canvas()->Font()->SetColor(clWindowText);
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->TextOut(0, 2, FText);
    }

private:
    std::string FText;
};

// A popup that stays open while others open, framed by its style, with its text centred and, when asked,
// the sizing panel of a resizable drop-down in one corner.
class TGalleryPopup : public TuiCustomPopupWindow {
public:
    TGalleryPopup(TWinControl* AOwner, const std::string& AText)
        : TuiCustomPopupWindow(AOwner), FText(AText) {
        RunsModalLoop = false;
        LockDeactivate();
    }
    int PanelCorner = -1;
    TuiPainterButtonState CloseState = cxbsNormal;

protected:
    void Paint() override {
        TuiCustomPopupWindow::Paint();
        TuiContainerViewInfo* viewInfo = ViewInfo();
        TuiCanvas* canvas = ControlCanvas();
        TRect client = viewInfo->ClientRect;
        if (PanelCorner >= 0 && viewInfo->Painter != nullptr) {
            const auto corner = static_cast<TuiCorner>(PanelCorner);
            const bool top = corner == coTopLeft || corner == coTopRight;
            const TuiBorders panelBorders = top ? TuiBorders{bBottom} : TuiBorders{bTop};
            TRect panel, grip, close;
            viewInfo->Painter->ComputePopupPanelClientBounds(client, panel, grip, close, corner,
                                                             TRect{0, 0, 0, 0}, panelBorders, 0, true, true);
            canvas->SaveClipRegion();
            viewInfo->Painter->DrawPopupPanel(canvas, panel, grip, close, corner, CloseState, panelBorders,
                                              clBtnShadow, true, true);
            canvas->RestoreClipRegion();
        }
        canvas->Font()->Assign(Style()->Font());
        canvas->Font()->SetColor(Style()->TextColor());
        canvas->Brush()->SetStyle(bsClear);
        canvas->DrawText(FText, client, uiTextCentre | uiTextVCentre | uiTextSingleLine);
        canvas->Brush()->SetStyle(bsSolid);
    }

private:
    std::string FText;
};

// The plain hint helper in a view info, as the bar hint window uses it.
class TPlainHintViewInfo : public TovCustomHintViewInfo {
public:
    TPlainHintViewInfo(const std::string& AText, const std::string& ASuffix)
        : FText(AText), FSuffix(ASuffix) {}

protected:
    TovCustomHintViewInfoHelper* CreateViewHelper() override {
        return new TovHintViewInfoHelper(FText, TPoint{0, 0}, FSuffix);
    }

private:
    std::string FText, FSuffix;
};

class TPlainHintWindow : public TuiCustomHintWindow {
public:
    explicit TPlainHintWindow(TComponent* AOwner) : TuiCustomHintWindow(AOwner) { SetAnimationKind(hakNone); }
    RECT CalcHintRect(int, const std::string& Hint, void*) override {
        FViewInfo = std::make_unique<TPlainHintViewInfo>(Hint, " (Ctrl+X)");
        FViewInfo->ComputeLayout(LibraryCanvas());
        return FViewInfo->GetBoundsRect();
    }

protected:
    void Paint() override {
        LibraryCanvas()->FillRect(ClientRect(), clInfoBk);
        if (FViewInfo != nullptr) FViewInfo->Paint(LibraryCanvas());
    }

private:
    std::unique_ptr<TPlainHintViewInfo> FViewInfo;
};

TForm* NewPageForm(const TSize& ASize, TColor AColor) {
    TForm* form = TForm::CreateNew(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, ASize.cx, ASize.cy);
    form->SetColor(AColor);
    form->Show();
    return form;
}

TGalleryPopup* OpenPopup(TForm* AForm, TWinControl* AAnchor, const std::string& AText, const TSize& ASize,
                         TuiLookAndFeelKind AKind) {
    auto* popup = TCustomForm::New<TGalleryPopup>(AAnchor, AText);
    popup->Style()->LookAndFeel()->SetKind(AKind);
    popup->SetBounds(0, 0, ASize.cx, ASize.cy);
    popup->AnchorBounds = AAnchor->BoundsRect();
    popup->Popup();
    (void)AForm;
    return popup;
}

// The description glyph: a waveform on a blue tile.
std::unique_ptr<TBitmap> DrawWaveGlyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(48, 48);
    TCanvas* c = glyph->Canvas();
    c->Brush()->SetColor(clInfoBk);
    c->FillRect(RECT{0, 0, 48, 48});
    c->Brush()->SetColor(static_cast<TColor>(0xA0602A));
    c->Pen()->SetColor(static_cast<TColor>(0x70401A));
    c->RoundRect(2, 2, 46, 46, 10, 10);
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetWidth(2);
    const std::vector<POINT> wave = {{7, 24},  {11, 24}, {14, 14}, {17, 34}, {20, 10}, {23, 38},
                                     {26, 16}, {29, 31}, {32, 20}, {35, 27}, {38, 24}, {41, 24}};
    c->Polyline(wave);
    return glyph;
}

// The footer glyph: an information mark.
std::unique_ptr<TBitmap> DrawInfoGlyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(16, 16);
    TCanvas* c = glyph->Canvas();
    c->Brush()->SetColor(clInfoBk);
    c->FillRect(RECT{0, 0, 16, 16});
    c->Brush()->SetColor(static_cast<TColor>(0xA0602A));
    c->Pen()->SetColor(static_cast<TColor>(0xA0602A));
    c->Ellipse(1, 1, 15, 15);
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(clWhite);
    c->Rectangle(7, 7, 9, 12);
    c->Rectangle(7, 4, 9, 6);
    return glyph;
}

} // namespace

std::vector<TuiLookAndFeelKind> RegisteredLooks() {
    std::vector<TuiLookAndFeelKind> looks;
    for (TuiLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
        TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
        if (manager != nullptr && manager->GetPainterByStyle(uiLookAndFeelStyleOfKind(kind)) != nullptr)
            looks.push_back(kind);
    }
    return looks;
}

const char* LookName(TuiLookAndFeelKind AKind) {
    static const char* const Names[] = {"Flat", "Standard", "UltraFlat", "Office11"};
    return Names[AKind];
}

TSize BorderStylesPageSize() {
    return TSize{2 * Margin + 7 * 150 - 20, 250};
}
TSize SizingPanelsPageSize() {
    return TSize{2 * Margin + 4 * 200 - 20, 3 * 130 + Margin};
}
TSize HintsPageSize() {
    return TSize{1100, 230};
}

// ---- Pages

TGalleryPage::TGalleryPage() = default;

TGalleryPage::~TGalleryPage() {
    for (THintWindow* hint : FHints)
        delete hint;
    delete FForm; // the popups go with their owner controls
}

std::vector<HWND> TGalleryPage::Windows() const {
    std::vector<HWND> windows{FForm->Handle()};
    for (TuiCustomPopupWindow* popup : FPopups)
        windows.push_back(popup->Handle());
    for (THintWindow* hint : FHints)
        windows.push_back(hint->Handle());
    return windows;
}

void TGalleryPage::Repaint() {
    for (HWND window : Windows())
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TBorderStylesPage::TBorderStylesPage(TuiLookAndFeelKind AKind) {
    FForm = NewPageForm(BorderStylesPageSize(), PageColor);
    for (int shadow = 0; shadow < 2; ++shadow)
        for (int style = cbsNone; style <= cbsOffice11; ++style) {
            const int left = Margin + style * 150;
            const int top = Margin + shadow * 120;
            const std::string name = std::string(BorderStyleNames[style]) + (shadow ? " + shadow" : "");
            auto* caption = new TCaption(FForm, name, TRect{left, top, left + 130, top + CaptionHeight});
            TGalleryPopup* popup = OpenPopup(FForm, caption, LookName(AKind), TSize{130, 70}, AKind);
            popup->Style()->SetBorderStyle(static_cast<TuiContainerBorderStyle>(style));
            popup->Style()->SetShadow(shadow != 0);
            FPopups.push_back(popup);
        }
}

TSizingPanelsPage::TSizingPanelsPage(TuiLookAndFeelKind AKind) {
    FForm = NewPageForm(SizingPanelsPageSize(), PageColor);
    for (int state = 0; state < 3; ++state)
        for (int corner = 0; corner < 4; ++corner) {
            const int left = Margin + corner * 200;
            const int top = Margin + state * 130;
            const std::string name = std::string(CornerNames[corner]) + ", close " + CloseStateNames[state];
            auto* caption = new TCaption(FForm, name, TRect{left, top, left + 180, top + CaptionHeight});
            TGalleryPopup* popup = OpenPopup(FForm, caption, LookName(AKind), TSize{180, 90}, AKind);
            popup->PanelCorner = corner;
            popup->CloseState = CloseStates[state];
            popup->Invalidate();
            FPopups.push_back(popup);
        }
}

THintsPage::THintsPage() {
    FForm = NewPageForm(HintsPageSize(), clBtnFace);
    const char* const captions[] = {"plain hint", "screen tip", "screen tip, descriptions off",
                                    "standard hint"};
    const int lefts[] = {Margin, 240, 600, 900};
    std::vector<TCaption*> anchors;
    for (int i = 0; i < 4; ++i)
        anchors.push_back(new TCaption(FForm, captions[i],
                                       TRect{lefts[i], Margin, lefts[i] + 190, Margin + CaptionHeight}));
    const int top = Margin + CaptionHeight + 8;

    FController = new TuiCustomHintStyleController(FForm);
    FController->SetHintStyleClassName("TovScreenTipStyle");
    auto* style = static_cast<TovScreenTipStyle*>(FController->HintStyle());

    auto* plain = new TPlainHintWindow(nullptr);
    RECT r = plain->CalcHintRect(800, "Cut the selection", nullptr);
    OffsetRect(&r, lefts[0], top);
    plain->ActivateHint(r, "Cut the selection");
    FHints.push_back(plain);

    FRepository = new TovScreenTipRepository(FForm);
    FRepository->StandardFooter()->SetText("Press F1 for more help.");
    FFooterGlyph = DrawInfoGlyph();
    FRepository->StandardFooter()->SetGlyph(FFooterGlyph.get());
    TovScreenTip* tip = FRepository->Items()->Add();
    tip->Header()->SetText("Normalize");
    tip->Description()->SetText("Raises the level of the selection until its loudest sample reaches the "
                                "target level. Without a selection the whole file is normalized.");
    FGlyph = DrawWaveGlyph();
    tip->Description()->SetGlyph(FGlyph.get());
    tip->SetUseStandardFooter(true);
    auto* full = new TovScreenTipWindow(nullptr);
    full->SetScreenTip(tip);
    full->ShowHintAt(lefts[1], top, 0, "Normalize", "");
    FHints.push_back(full);

    FPlainRepository = new TovScreenTipRepository(FForm);
    FPlainRepository->SetShowDescription(false);
    TovScreenTip* plainTip = FPlainRepository->Items()->Add();
    plainTip->Header()->SetText("Normalize");
    plainTip->Description()->SetText("Not shown while descriptions are off.");
    auto* action = new TAction(FForm);
    action->SetShortCut(ShortCut('M', scCtrl));
    anchors[2]->SetAction(action);
    auto* link = style->ScreenTipActionLinks()->Add();
    link->SetAction(action);
    link->SetScreenTip(plainTip);
    auto* lookAlike = new TovScreenTipWindow(nullptr);
    uiHintController()->SetHintedControl(anchors[2]);
    lookAlike->ShowHintAt(lefts[2], top, 0, "Normalize", "");
    FHints.push_back(lookAlike);
    ovResetHintedControl();

    auto* standard = new THintWindow(nullptr);
    RECT s = standard->CalcHintRect(800, "The class library's own hint", nullptr);
    OffsetRect(&s, lefts[3], top);
    standard->ActivateHint(s, "The class library's own hint");
    FHints.push_back(standard);
}

THintsPage::~THintsPage() {
    for (THintWindow* hint : FHints)
        delete hint;
    FHints.clear();
}

} // namespace popup_hint_gallery
