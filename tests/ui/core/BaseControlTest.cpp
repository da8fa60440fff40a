#include "FakePainter.h"
#include "GraphicsTestSupport.h"
#include "UiCoreTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Pen.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/controls/ControlServices.h"
#include "ui/core/controls/DragAndDrop.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"

#include <memory>
#include <string>
#include <vector>

using namespace ui_core_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

// A control that fills its client bounds and records what it was asked to do.
class TTestControl : public TuiControl {
public:
    using TuiControl::TuiControl;
    std::vector<std::string> log;
    TColor fill = clYellow;
    bool erases = false;
    void EraseBackground(TuiCanvas* ACanvas, const TRect& R) override {
        log.push_back("erase");
        TuiControl::EraseBackground(ACanvas, R);
    }
    bool IsEraseBackgroundNeeded() override { return erases; }
    void DoPaint() override {
        log.push_back("paint");
        TuiControl::DoPaint();
        GetCanvas()->FillRect(GetClientBounds(), fill);
    }
    void DoInitializeNotifications() override { log.push_back("notifications"); }
};

class TFakePopupMenu : public TComponent, public IuiPopupMenuComponent {
public:
    using TComponent::TComponent;
    bool IsShortCut(TMessage& AMessage) override { return AMessage.WParam == 'K'; }
    void Popup(int X, int Y) override { shownAt.push_back({X, Y}); }
    std::vector<TPoint> shownAt;
};

class BaseControlTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        registry = std::make_unique<TFakePaintersRegistry>();
        registry->painters = {&ultraFlat};
        RootLookAndFeel()->Refresh();
        form = TForm::CreateNew(nullptr);
        form->SetBounds(100, 100, 400, 300);
        control = Put(10, 10, 200, 100);
        other = Put(220, 10, 100, 100);
        form->Show();
        Pump();
    }
    void TearDown() override {
        form->Free();
        registry.reset();
        UiCoreTest::TearDown();
    }
    TTestControl* Put(int X, int Y, int W, int H) {
        auto* c = new TTestControl(form);
        c->SetBounds(X, Y, W, H);
        c->SetParent(form);
        return c;
    }
    void Click(TControl* AControl, int X, int Y) {
        const TPoint p = AControl->ClientToScreen(TPoint{X, Y});
        InjectMouse(MouseAction::LeftDown, p.x, p.y);
        InjectMouse(MouseAction::LeftUp, p.x, p.y);
        Pump();
    }
    std::unique_ptr<TFakePaintersRegistry> registry;
    TFakePainter ultraFlat{"UltraFlat", lfsUltraFlat};
    TForm* form = nullptr;
    TTestControl* control = nullptr;
    TTestControl* other = nullptr;
};

TEST_F(BaseControlTest, PaintsThroughAMemoryBitmapOnWindows7AndErasesOnlyFromItsOwnPainting) {
    EXPECT_EQ(control->log.front(), "notifications");
    EXPECT_FALSE(control->DoubleBuffered());
    EXPECT_TRUE(control->IsDoubleBufferedNeeded());
    control->log.clear();
    control->Invalidate();
    Pump();
    EXPECT_EQ(control->log, (std::vector<std::string>{"erase", "paint"}));
    HDC dc = GetDC(control->Handle());
    EXPECT_EQ(GetPixel(dc, 50, 50), ColorToRGB(clYellow));
    ReleaseDC(control->Handle(), dc);
    // A system erase (WParam differs from LParam) is refused unless the control needs one.
    HDC screen = GetDC(control->Handle());
    control->log.clear();
    EXPECT_EQ(control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen), 0), 0);
    EXPECT_TRUE(control->log.empty());
    control->erases = true;
    EXPECT_EQ(control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen), 0), 1);
    EXPECT_TRUE(control->log.empty()); // needed, but buffered painting erases later
    ReleaseDC(control->Handle(), screen);
}

TEST_F(BaseControlTest, TheDefaultBorderIsThePaintersAndShrinksTheClientBounds) {
    ultraFlat.borderWidth = 2;
    EXPECT_EQ(control->GetBorderSize(), 0);
    control->SetBorderStyle(cxcbsDefault);
    EXPECT_EQ(control->GetBorderSize(), 2);
    EXPECT_EQ(control->GetClientBounds(), (TRect{2, 2, 198, 98}));
    control->Repaint();
    Pump();
    HDC dc = GetDC(control->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), ColorToRGB(TFakePainter::kBorderColor));
    EXPECT_EQ(GetPixel(dc, 1, 50), ColorToRGB(TFakePainter::kBorderColor));
    EXPECT_EQ(GetPixel(dc, 2, 50), ColorToRGB(clYellow));
    ReleaseDC(control->Handle(), dc);
    control->SetBoundsOverride(TRect{10, 10, 50, 40});
    EXPECT_EQ(control->GetClientBounds(), (TRect{12, 12, 48, 38}));
}

TEST_F(BaseControlTest, MouseEnterAndLeaveAlternateStrictly) {
    int enters = 0, leaves = 0;
    control->OnMouseEnter = TNotifyEvent([&](TObject*) { ++enters; }, this);
    control->OnMouseLeave = TNotifyEvent([&](TObject*) { ++leaves; }, this);
    control->Perform(CM_MOUSEENTER, 0, 0);
    control->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(enters, 1);
    control->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(leaves, 0);
    control->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
    control->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(control->MouseEnterCounter(), 0);
    control->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(enters, 2);
}

TEST_F(BaseControlTest, AClickFocusesUnlessFocusOnClickIsOffButMouseDownStillFires) {
    int downs = 0;
    other->OnMouseDown = TEvent<TObject*, TMouseButton, TShiftState, int, int>(
        [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; }, this);
    Click(control, 20, 20);
    EXPECT_TRUE(control->Focused());
    EXPECT_EQ(control->MouseDownPos(), (TPoint{20, 20}));
    other->SetFocusOnClick(false);
    Click(other, 20, 20);
    EXPECT_EQ(downs, 1);
    EXPECT_TRUE(control->Focused());
    EXPECT_FALSE(other->Focused());
    // A second click at once would be a double click, which never moves the focus.
    other->SetFocusOnClick(true);
    Click(other, 20, 20);
    EXPECT_FALSE(other->Focused());
    Run(1000);
    Click(other, 20, 20);
    EXPECT_TRUE(other->Focused());
}

TEST_F(BaseControlTest, TheKeyboardContextMenuOpensAtTheTopLeftCorner) {
    TFakePopupMenu menu(nullptr);
    control->SetPopupMenu(&menu);
    EXPECT_EQ(control->PopupMenuComponent(), &menu);
    control->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()), MAKELPARAM(0xFFFF, 0xFFFF));
    ASSERT_EQ(menu.shownAt.size(), 1u);
    EXPECT_EQ(menu.shownAt[0], control->ClientToScreen(TPoint{0, 0}));
    const TPoint at = control->ClientToScreen(TPoint{30, 40});
    control->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()),
                     MAKELPARAM(WORD(at.x), WORD(at.y)));
    ASSERT_EQ(menu.shownAt.size(), 2u);
    EXPECT_EQ(menu.shownAt[1], at);
    TComponent notAMenu(nullptr);
    control->SetPopupMenu(&notAMenu);
    EXPECT_EQ(control->PopupMenuComponent(), nullptr);
}

TEST_F(BaseControlTest, KeysGoToThePopupMenuTheFormAndTheDialogCodes) {
    TFakePopupMenu menu(nullptr);
    form->SetFocusedControl(control);
    control->SetPopupMenu(&menu);
    EXPECT_EQ(control->Perform(CN_KEYDOWN, 'K', 0), 1); // the menu's shortcut
    EXPECT_EQ(control->Perform(CN_KEYDOWN, 'Z', 0), 0); // nobody wants it: it goes on
    bool formAsked = false;
    form->OnShortCut = TShortCutEvent(
        [&](TMessage& AMessage, bool& AHandled) {
            formAsked = true;
            AHandled = AMessage.WParam == 'F';
        },
        this);
    EXPECT_EQ(control->Perform(CN_KEYDOWN, 'F', 0), 1);
    EXPECT_TRUE(formAsked);
    struct Case {
        TuiKeys keys;
        LRESULT code;
    };
    const Case cases[] = {{{}, 0},
                          {{kArrows}, DLGC_WANTARROWS},
                          {{kAll, kChars}, DLGC_WANTALLKEYS | DLGC_WANTCHARS},
                          {{kTab}, DLGC_WANTTAB}};
    for (const Case& c : cases) {
        control->SetKeys(c.keys);
        EXPECT_EQ(control->Perform(WM_GETDLGCODE, 0, 0), c.code);
    }
    // Without the arrow keys in its dialog code an arrow goes to the form as a dialog key.
    control->SetKeys({});
    EXPECT_EQ(control->Perform(CN_KEYDOWN, VK_RIGHT, 0), 1);
    EXPECT_TRUE(other->Focused());
    control->SetKeys({kArrows});
    other->SetFocus();
    EXPECT_EQ(other->Perform(CN_KEYDOWN, VK_DOWN, 0), 1);
    control->SetPopupMenu(nullptr);
}

TEST_F(BaseControlTest, AVeryWideControlReadsTheCursorInsteadOfTheMessage) {
    TTestControl* wide = Put(-35000, 150, 40000, 50);
    Pump();
    TPoint down{-1, -1};
    wide->OnMouseDown = TEvent<TObject*, TMouseButton, TShiftState, int, int>(
        [&](TObject*, TMouseButton, TShiftState, int X, int Y) {
            down = {X, Y};
        },
        this);
    const TPoint screen = form->ClientToScreen(TPoint{100, 170});
    InjectMouse(MouseAction::LeftDown, screen.x, screen.y);
    InjectMouse(MouseAction::LeftUp, screen.x, screen.y);
    Pump();
    EXPECT_EQ(down, (TPoint{35100, 20}));
}

TEST_F(BaseControlTest, AHandlerFreeingTheControlMidClickEndsTheHandlingSafely) {
    TTestControl* doomed = Put(10, 150, 100, 50);
    Pump();
    doomed->OnMouseDown = TEvent<TObject*, TMouseButton, TShiftState, int, int>(
        [&](TObject*, TMouseButton, TShiftState, int, int) { delete doomed; }, this);
    const TPoint p = form->ClientToScreen(TPoint{20, 160});
    InjectMouse(MouseAction::LeftDown, p.x, p.y);
    InjectMouse(MouseAction::LeftUp, p.x, p.y);
    Pump();
    EXPECT_EQ(form->ControlCount(), 2);
}

TEST_F(BaseControlTest, GesturesDefaultToPanAndPressAndTapAndTheLookAndFeelIsProvided) {
    EXPECT_TRUE(control->AllowGesture(GID_PAN));
    EXPECT_TRUE(control->AllowGesture(GID_PRESSANDTAP));
    EXPECT_FALSE(control->AllowGesture(GID_ZOOM));
    EXPECT_EQ(control->GetPanOptions(), 31);
    EXPECT_TRUE(control->IsPointInClientArea({5, 5}));
    EXPECT_FALSE(control->IsPointInClientArea({500, 5}));
    EXPECT_EQ(dynamic_cast<IuiLookAndFeelProvider*>(control)->GetLookAndFeel(), control->LookAndFeel());
    EXPECT_EQ(control->GetPainter(), &ultraFlat);
    EXPECT_TRUE(control->TabStop());
    EXPECT_NE(GetWindowLong(control->Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
}

class TChild : public TuiControlChildComponent {
public:
    using TuiControlChildComponent::TuiControlChildComponent;
};

TEST_F(BaseControlTest, ChildComponentsJoinAndLeaveTheirControl) {
    auto* child = new TChild(control, true);
    EXPECT_EQ(child->Control(), control);
    EXPECT_EQ(child->Owner(), form);
    EXPECT_TRUE(child->HasParent());
    delete child;
    TChild loose(nullptr);
    EXPECT_FALSE(loose.HasParent());
    loose.SetParentComponent(control);
    EXPECT_EQ(loose.Control(), control);
}

} // namespace

namespace {

// Supplies a ready picture: a horizontal colour ramp over its whole client area.
class TReadyImageControl : public TTestControl, public IuiReadyImage {
public:
    explicit TReadyImageControl(TComponent* AOwner) : TTestControl(AOwner) {}
    bool GetReadyImage(TBitmap*& AImage, TControl*& AOwner) override {
        if (!image) return false;
        AImage = image.get();
        AOwner = this;
        return true;
    }
    static COLORREF RampAt(int X) { return RGB(X % 256, 40, 200); }
    void MakeImage() {
        image = std::make_unique<TuiBitmap>(Width(), Height());
        for (int x = 0; x < Width(); ++x) {
            image->Canvas()->Pen()->SetColor(static_cast<TColor>(RampAt(x)));
            image->Canvas()->MoveTo(x, 0);
            image->Canvas()->LineTo(x, Height());
        }
    }
    std::unique_ptr<TuiBitmap> image;
};

class TDragImagesControl : public TTestControl {
public:
    using TTestControl::TTestControl;
    bool HasDragImages() override { return true; }
    TSize GetDragImagesSize() override { return size; }
    void DrawDragImage(TuiCanvas* ACanvas, const TRect& R) override { ACanvas->FillRect(R, clRed); }
    TSize size{20, 10};
};

} // namespace

TEST_F(BaseControlTest, ChildrenCopyTheirPartOfAParentsReadyImage) {
    auto* ready = new TReadyImageControl(form);
    ready->SetBounds(10, 120, 200, 60);
    ready->SetParent(form);
    Pump();
    ready->MakeImage();
    ready->Repaint();
    Pump();
    HDC dc = GetDC(ready->Handle());
    EXPECT_EQ(GetPixel(dc, 37, 10), TReadyImageControl::RampAt(37));
    ReleaseDC(ready->Handle(), dc);
}

TEST_F(BaseControlTest, DragImagesComeFromDrawDragImageAndOnlyWhenThereIsOne) {
    auto* dragging = new TDragImagesControl(form);
    dragging->SetParent(form);
    dragging->Handle();
    EXPECT_TRUE(dragging->ControlStyle().Contains(csDisplayDragImage));
    TDragImageList* images = dragging->GetDragImages();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->Count(), 1);
    EXPECT_EQ(images->Width(), 20);
    TuiDragControlObject object(dragging);
    EXPECT_EQ(object.GetDragImages(), images);
    auto* empty = new TDragImagesControl(form);
    empty->size = TSize{0, 0};
    EXPECT_EQ(empty->GetDragImages(), nullptr);
    EXPECT_EQ(control->GetDragImages(), nullptr);
}

namespace {

// Keeps a 4-pixel band around its client area and paints it magenta.
class TBandedControl : public TTestControl {
public:
    using TTestControl::TTestControl;
    bool HasNonClientArea() override { return true; }
    TRect GetNonClientArea() override { return TRect{4, 4, 4, 4}; }
    void DrawNonClientArea(TuiCanvas* ACanvas) override {
        ACanvas->FillRect(TRect{0, 0, Width(), Height()}, clFuchsia);
    }

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_NCCALCSIZE) {
            auto* r = reinterpret_cast<RECT*>(Message.LParam);
            InflateRect(r, -4, -4);
            Message.Result = 0;
            return;
        }
        TTestControl::WndProc(Message);
    }
};

} // namespace

TEST_F(BaseControlTest, TheNonClientBandIsDrawnByTheControl) {
    auto* banded = new TBandedControl(form);
    banded->SetBounds(20, 130, 100, 60);
    banded->SetParent(form);
    Pump();
    RedrawWindow(banded->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(banded->ClientRect(), (TRect{0, 0, 92, 52}));
    HDC dc = GetWindowDC(banded->Handle());
    EXPECT_EQ(GetPixel(dc, 1, 1), ColorToRGB(clFuchsia));
    EXPECT_EQ(GetPixel(dc, 98, 58), ColorToRGB(clFuchsia));
    EXPECT_EQ(GetPixel(dc, 50, 30), ColorToRGB(clYellow)); // the client area is the control's own paint
    ReleaseDC(banded->Handle(), dc);
    EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(), graphics_test::OutputPath("base-controls.png")));
}

TEST_F(BaseControlTest, APaintCopyHoldsTheBandAndTheClientAreaInPlace) {
    auto* banded = new TBandedControl(form);
    banded->SetBounds(20, 130, 100, 60);
    banded->SetParent(form);
    Pump();
    TuiBitmap copy(100, 60);
    banded->ControlState().Include(csPaintCopy);
    banded->Perform(WM_PAINT, reinterpret_cast<WPARAM>(copy.Canvas()->Handle()), 0);
    banded->ControlState().Exclude(csPaintCopy);
    EXPECT_EQ(GetPixel(copy.Canvas()->Handle(), 1, 1), ColorToRGB(clFuchsia));
    EXPECT_EQ(GetPixel(copy.Canvas()->Handle(), 54, 34), ColorToRGB(clYellow));
    EXPECT_EQ(GetPixel(copy.Canvas()->Handle(), 97, 57), ColorToRGB(clFuchsia));
}
