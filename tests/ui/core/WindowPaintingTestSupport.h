// A scene for painting controls into other DCs: a form holding a framed panel with vertical stripes, a
// windowed block, a window that belongs to no control, and a control that shows its parent through
// itself and draws a red dot on top.
#pragma once

#include "GraphicsTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Pen.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/WindowPainting.h"

#include <functional>

namespace graphics_test {

// The panel's stripes: four pixels of teal, four of yellow, across its client area.
inline TColor StripeAt(int AClientX) {
    return (AClientX / 4) % 2 != 0 ? clYellow : clTeal;
}

class TStripedPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;
    bool copying = false; // whether the last paint was a copy for someone's background
    std::function<void()> onPaint;

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style |= WS_BORDER;
    }
    void Paint() override {
        ++paints;
        copying = ControlState().Contains(csPaintCopy);
        const RECT client = ClientRect();
        for (int x = 0; x < client.right; x += 4) {
            Canvas()->Brush()->SetColor(StripeAt(x));
            Canvas()->FillRect(RECT{x, 0, x + 4, client.bottom});
        }
        if (onPaint) onPaint();
    }
};

class TBlock : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor color = clLime;

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(color);
        Canvas()->FillRect(ClientRect());
    }
};

class TSeeThrough : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TuiCanvas canvas(Canvas());
        const RECT client = ClientRect();
        uiDrawTransparentControlBackground(this, &canvas, client, true);
        canvas.SetBrushColor(clRed);
        canvas.Pen()->SetColor(clMaroon);
        Canvas()->Ellipse(client.right / 2 - 8, client.bottom / 2 - 8, client.right / 2 + 8,
                          client.bottom / 2 + 8);
        // A dotted outline shows where the control is.
        canvas.DrawFocusRect(client);
    }
};

template <class T> T* Put(TWinControl* AParent, int X, int Y, int W, int H) {
    auto* control = new T(AParent);
    control->SetBounds(X, Y, W, H);
    control->SetParent(AParent);
    return control;
}

class TransparentScene : public ui_core_test::UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        WNDCLASS wc;
        wc.lpfnWndProc = &DefWindowProc;
        wc.lpszClassName = "UiCoreForeignChild";
        wc.hbrBackground = CreateSolidBrush(RGB(0, 0, 255));
        RegisterClass(&wc);
        form = TCustomForm::New<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 220);
        panel = Put<TStripedPanel>(form, 10, 10, 202, 122);
        block = Put<TBlock>(panel, 30, 20, 40, 40);
        seeThrough = Put<TSeeThrough>(panel, 50, 30, 60, 50);
        foreign = CreateWindowEx(0, "UiCoreForeignChild", "", WS_CHILD | WS_VISIBLE, 100, 60, 20, 30,
                                 panel->Handle(), nullptr, nullptr, nullptr);
        form->Show();
        Pump();
    }
    void TearDown() override {
        form->Free();
        form = nullptr;
        UiCoreTest::TearDown();
    }
    void Pump() { Application()->ProcessMessages(); }

    TForm* form = nullptr;
    TStripedPanel* panel = nullptr;
    TBlock* block = nullptr;
    TSeeThrough* seeThrough = nullptr;
    HWND foreign = nullptr;
};

} // namespace graphics_test
