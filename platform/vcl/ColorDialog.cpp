#include "platform/vcl/ColorDialog.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/DialogFormRun.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <memory>
#include <string>

namespace colordialog_detail {

// Six rows of eight: pale, bright, medium, dark and deep shades of the hues, then greys.
const std::vector<TColor>& BasicColors() {
    static const std::vector<TColor> colors = {
        RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),   RGB(128, 255, 255),
        RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255), RGB(255, 0, 0),     RGB(255, 255, 0),
        RGB(128, 255, 0),   RGB(0, 255, 64),    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192),
        RGB(255, 0, 255),   RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
        RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),   RGB(128, 0, 0),
        RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),    RGB(0, 0, 255),     RGB(0, 0, 160),
        RGB(128, 0, 128),   RGB(128, 0, 255),   RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),
        RGB(0, 64, 64),     RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
        RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128), RGB(64, 128, 128),
        RGB(192, 192, 192), RGB(64, 0, 64),     RGB(255, 255, 255),
    };
    return colors;
}

// A plain panel that shows one colour.
class TColorSample : public TCustomControl {
public:
    explicit TColorSample(TComponent* AOwner) : TCustomControl(AOwner) { FColor = clBlack; }
    void SetSample(TColor Value) {
        FColor = Value;
        Invalidate();
    }

protected:
    void Paint() override {
        HDC dc = Canvas()->Handle();
        RECT r = ClientRect();
        StdCtrlsFill(dc, r, FColor);
        ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    }
};

// The dialog's window: the grid, the three fields and the sample.
class TColorDialogForm : public TForm {
public:
    TColorDialogForm(TComponent* AOwner, TColorDialog* Dialog) : TForm(AOwner), FDialog(Dialog) {
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetCaption("Color");
        SetClientSize(8 + TColorSwatchGrid::Columns * TColorSwatchGrid::CellSize + 8 + 150, 190);
        auto* basic = new TLabel(this);
        basic->SetCaption("&Basic colors:");
        basic->SetBounds(8, 6, 100, 15);
        basic->SetParent(this);
        Grid = new TColorSwatchGrid(this);
        Grid->SetLeft(8);
        Grid->SetTop(22);
        Grid->SetParent(this);
        basic->SetFocusControl(Grid);
        const int fieldsLeft = Grid->Left() + Grid->Width() + 16;
        const char* captions[] = {"&Red:", "&Green:", "Bl&ue:"};
        for (int i = 0; i < 3; ++i) {
            auto* label = new TLabel(this);
            label->SetCaption(captions[i]);
            label->SetBounds(fieldsLeft, 26 + i * 28, 50, 15);
            label->SetParent(this);
            Fields[i] = new TEdit(this);
            Fields[i]->SetBounds(fieldsLeft + 50, 22 + i * 28, 50, 21);
            Fields[i]->SetNumbersOnly(true);
            Fields[i]->SetMaxLength(3);
            Fields[i]->SetParent(this);
            Fields[i]->OnChange = [this](TObject*) { FieldsChanged(); };
            label->SetFocusControl(Fields[i]);
        }
        Sample = new TColorSample(this);
        Sample->SetBounds(fieldsLeft, 110, 100, 30);
        Sample->SetParent(this);
        auto* ok = new TButton(this);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        ok->SetBounds(ClientWidth() - 166, 156, 75, 23);
        ok->SetParent(this);
        auto* cancel = new TButton(this);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        cancel->SetBounds(ClientWidth() - 83, 156, 75, 23);
        cancel->SetParent(this);
        Grid->OnChange = [this](TObject*) {
            if (Grid->Selected() >= 0) ShowColor(Grid->Colors()[Grid->Selected()]);
        };
        const COLORREF start = ColorToRGB(Dialog->Color());
        const auto& colors = Grid->Colors();
        const auto it = std::find(colors.begin(), colors.end(), static_cast<TColor>(start));
        if (it != colors.end()) Grid->SetSelected(static_cast<int>(it - colors.begin()));
        ShowColor(static_cast<TColor>(start));
        SetActiveControl(Grid);
        OnShow = [this](TObject*) { FDialog->OnShow(FDialog); };
    }

    // The colour the fields make; a number above 255 counts as 255.
    TColor FieldColor() const {
        int parts[3];
        for (int i = 0; i < 3; ++i) {
            const std::string text = Fields[i]->Text();
            parts[i] = text.empty() ? 0 : std::min(255, std::stoi(text));
        }
        return static_cast<TColor>(RGB(parts[0], parts[1], parts[2]));
    }

    TColorSwatchGrid* Grid = nullptr;
    TEdit* Fields[3] = {};
    TColorSample* Sample = nullptr;

private:
    void ShowColor(TColor Color) {
        FShowing = true;
        Fields[0]->SetText(std::to_string(GetRValue(Color)));
        Fields[1]->SetText(std::to_string(GetGValue(Color)));
        Fields[2]->SetText(std::to_string(GetBValue(Color)));
        FShowing = false;
        Sample->SetSample(Color);
    }
    void FieldsChanged() {
        if (FShowing) return;
        Sample->SetSample(FieldColor());
    }

    TColorDialog* FDialog;
    bool FShowing = false;
};

} // namespace colordialog_detail

TColorSwatchGrid::TColorSwatchGrid(TComponent* AOwner)
    : TCustomControl(AOwner), FColors(colordialog_detail::BasicColors()) {
    ControlStyle() = TControlStyle{csOpaque};
    SetTabStop(true);
    const int rows = static_cast<int>(FColors.size() + Columns - 1) / Columns;
    FWidth = Columns * CellSize;
    FHeight = rows * CellSize;
}

RECT TColorSwatchGrid::CellRect(int Index) const {
    const int x = (Index % Columns) * CellSize;
    const int y = (Index / Columns) * CellSize;
    return RECT{x, y, x + CellSize, y + CellSize};
}

void TColorSwatchGrid::SetSelected(int Index) {
    if (Index < -1 || Index >= static_cast<int>(FColors.size())) return;
    FSelected = Index;
    Invalidate();
}

void TColorSwatchGrid::Paint() {
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, clBtnFace);
    for (int i = 0; i < static_cast<int>(FColors.size()); ++i) {
        RECT cell = CellRect(i);
        ::InflateRect(&cell, -2, -2);
        ::DrawEdge(dc, &cell, EDGE_SUNKEN, BF_RECT);
        RECT inner = cell;
        ::InflateRect(&inner, -2, -2);
        StdCtrlsFill(dc, inner, FColors[i]);
        if (i == FSelected) {
            RECT mark = CellRect(i);
            ::FrameRect(dc, &mark, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
            if (Focused()) {
                ::InflateRect(&mark, -1, -1);
                ::DrawFocusRect(dc, &mark);
            }
        }
    }
}

void TColorSwatchGrid::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    const int count = static_cast<int>(FColors.size());
    int target = FSelected < 0 ? 0 : FSelected;
    switch (Key) {
    case VK_LEFT:
        target -= 1;
        break;
    case VK_RIGHT:
        target += 1;
        break;
    case VK_UP:
        target -= Columns;
        break;
    case VK_DOWN:
        target += Columns;
        break;
    default:
        return;
    }
    Key = 0;
    if (FSelected < 0) target = 0;
    if (target < 0 || target >= count || target == FSelected) return;
    SetSelected(target);
    OnChange(this);
}

void TColorSwatchGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int index = (Y / CellSize) * Columns + X / CellSize;
        if (X >= 0 && Y >= 0 && X < Columns * CellSize && index < static_cast<int>(FColors.size())) {
            SetSelected(index);
            OnChange(this);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TColorSwatchGrid::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) Invalidate();
    TCustomControl::Dispatch(Message);
}

bool TColorDialog::Execute() {
    std::unique_ptr<colordialog_detail::TColorDialogForm> form(
        TCustomForm::New<colordialog_detail::TColorDialogForm>(nullptr, this));
    const int result = RunDialogForm(form.get(), FForm);
    OnClose(this);
    if (result != mrOk) return false;
    FColor = form->FieldColor();
    return true;
}
