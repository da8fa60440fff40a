#include "SkinControlTestSupport.h"

#include "SkinControlsTestSkin.h"
#include "SkinTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/framed/FrProgressBar.h"

#include <algorithm>

namespace skintest {

using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

void TSkinControlTest::SetUp() {
    olva::win::ResetWindowSystem();
    Clock = std::make_unique<TFakeClock>(0, 100000);
    Override = std::make_unique<TClockOverride>(*Clock);
    InitializeVcl();
    Form = TCustomForm::New<TForm>(nullptr);
    Form->SetBounds(100, 100, 420, 360);
    Form->SetColor(TColor(RGB(236, 236, 236)));
    Skin = new TskSkinData(Form);
}

void TSkinControlTest::TearDown() {
    if (Form) Form->Free();
    Form = nullptr;
    Stored.reset();
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    Override.reset();
    Clock.reset();
}

void TSkinControlTest::LoadSkin() {
    Stored = ControlsStoredSkin();
    LoadControlsSkin(Skin, Stored.get());
    ASSERT_FALSE(Skin->Empty());
}

void TSkinControlTest::AddFocusSink(int X, int Y) {
    Sink = new TEdit(Form);
    Sink->SetParent(Form);
    Sink->SetBounds(X, Y, 60, 22);
}

void TSkinControlTest::ShowForm() {
    Form->Show();
    Pump();
    ::SetForegroundWindow(Form->Handle());
    Pump();
}

void TSkinControlTest::Pump() {
    Application()->ProcessMessages();
}

void TSkinControlTest::Advance(int Ms) {
    // One millisecond at a time, so that timers fire at their own moments.
    for (int i = 0; i < Ms; ++i) {
        Clock->Advance(1);
        Pump();
    }
}

void TSkinControlTest::Hover(TControl* Control, int X, int Y) {
    const POINT p = Control->ClientToScreen(POINT{X, Y});
    InjectMouse(MouseAction::Move, p.x, p.y);
    Pump();
    bool done = true;
    Application()->DoIdleWork(done);
    Pump();
}

void TSkinControlTest::MouseAway() {
    InjectMouse(MouseAction::Move, 2, 2);
    Pump();
    bool done = true;
    Application()->DoIdleWork(done);
    Pump();
}

void TSkinControlTest::MouseDown(TControl* Control, int X, int Y) {
    Hover(Control, X, Y);
    const POINT p = Control->ClientToScreen(POINT{X, Y});
    InjectMouse(MouseAction::LeftDown, p.x, p.y);
    Pump();
}

void TSkinControlTest::MouseUp(TControl* Control, int X, int Y) {
    const POINT p = Control->ClientToScreen(POINT{X, Y});
    InjectMouse(MouseAction::LeftUp, p.x, p.y);
    Pump();
}

void TSkinControlTest::Click(TControl* Control, int X, int Y) {
    MouseDown(Control, X, Y);
    MouseUp(Control, X, Y);
}

void TSkinControlTest::KeyDown(int VK) {
    InjectKey(VK, true);
    Pump();
}

void TSkinControlTest::KeyUp(int VK) {
    InjectKey(VK, false);
    Pump();
}

void TSkinControlTest::Key(int VK) {
    KeyDown(VK);
    KeyUp(VK);
}

std::unique_ptr<TBitmap> TSkinControlTest::Capture(TControl* Control, int Margin) {
    Pump();
    const auto screen = olva::win::ComposeScreen();
    const POINT origin = Control->ClientToScreen(POINT{-Margin, -Margin});
    const int w = Control->Width() + 2 * Margin, h = Control->Height() + 2 * Margin;
    return MakeBitmap(w, h, [&](int x, int y) {
        const int sx = origin.x + x, sy = origin.y + y;
        if (sx < 0 || sy < 0 || sx >= screen->Width() || sy >= screen->Height()) return 0xFFFFFFu;
        return PixelToColorRef(screen->Pixel(sx, sy)) & 0xFFFFFFu;
    });
}

std::uint32_t TSkinControlTest::ColorAt(TControl* Control, int X, int Y) {
    Pump();
    const POINT p = Control->ClientToScreen(POINT{X, Y});
    return PixelToColorRef(olva::win::ComposeScreen()->Pixel(p.x, p.y)) & 0xFFFFFF;
}

// ---- The program's bars

namespace {

void StyleAsBlackGradientBar(TFrCustomProgressBar* Bar, TGradientDirection Direction, TColor Start,
                             TColor Stop) {
    Bar->SetBarStyle(bsGradient);
    Bar->SetGradientDirection(Direction);
    Bar->SetBackColor(clBlack);
    Bar->SetBackColorStop(clBlack);
    Bar->SetBarColor(Start);
    Bar->SetBarColorStop(Stop);
    Bar->SetBorderOuter(fsNone);
    Bar->SetBorderWidth(0);
    Bar->SetThemeAware(false);
}

} // namespace

void StyleAsLevelMeter(TFrCustomProgressBar* Bar, int X, int Y) {
    Bar->SetBounds(X, Y, 8, 326);
    StyleAsBlackGradientBar(Bar, gdHorizontalEnd, TColor(0x140DFF), TColor(0x147800));
    Bar->SetShowPercent(false);
}

void StyleAsProgressWindowBar(TFrCustomProgressBar* Bar, int X, int Y) {
    Bar->SetBounds(X, Y, 267, 25);
    StyleAsBlackGradientBar(Bar, gdVerticalEnd, TColor(0x147800), TColor(0x140DFF));
    Bar->Font()->SetColor(clWhite);
    Bar->Font()->SetStyle(TFontStyles{fsBold});
}

// ---- Sheets

void TPictureSheet::Add(const std::string& Label, std::unique_ptr<TBitmap> Picture) {
    FRows.back().push_back(Cell{Label, std::move(Picture)});
}

void TPictureSheet::NewRow() {
    FRows.emplace_back();
}

bool TPictureSheet::Save(const std::string& Name, int Zoom) {
    // Pictures are shown enlarged; the captions stay at their size beside them.
    constexpr int Gap = 10, LabelHeight = 16, TitleHeight = 22;
    int width = 0, height = TitleHeight;
    for (const auto& row : FRows) {
        int rowWidth = Gap, rowHeight = 0;
        for (const auto& cell : row) {
            rowWidth += std::max(cell.Picture->Width() * Zoom, 8 * int(cell.Label.size())) + Gap;
            rowHeight = std::max(rowHeight, cell.Picture->Height() * Zoom);
        }
        width = std::max(width, rowWidth);
        height += LabelHeight + rowHeight + Gap;
    }
    TBitmap sheet(std::max(width, 8 * int(FTitle.size()) + 2 * Gap), height);
    TCanvas* canvas = sheet.Canvas();
    canvas->Brush()->SetColor(TColor(RGB(250, 250, 250)));
    canvas->FillRect(TRect{0, 0, sheet.Width(), sheet.Height()});
    canvas->Font()->SetName("DejaVu Sans");
    canvas->Font()->SetHeight(13);
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(Gap, 3, FTitle);
    int y = TitleHeight;
    for (const auto& row : FRows) {
        int x = Gap, rowHeight = 0;
        for (const auto& cell : row) {
            canvas->Font()->SetColor(TColor(RGB(60, 60, 60)));
            canvas->TextOut(x, y, cell.Label);
            const int w = cell.Picture->Width() * Zoom, h = cell.Picture->Height() * Zoom;
            canvas->StretchDraw(TRect{x, y + LabelHeight, x + w, y + LabelHeight + h}, cell.Picture.get());
            x += std::max(w, 8 * int(cell.Label.size())) + Gap;
            rowHeight = std::max(rowHeight, h);
        }
        y += LabelHeight + rowHeight + Gap;
    }
    return SavePng(sheet, "controls/" + Name);
}

} // namespace skintest
