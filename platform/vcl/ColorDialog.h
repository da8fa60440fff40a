// TColorDialog: the modal dialog that asks the user for a colour: a grid of basic colours, red, green
// and blue fields (0 to 255) with a sample of the colour they make, OK and Cancel. Execute answers
// whether the user confirmed; Color then holds the chosen colour.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Graphics.h"

#include <vector>

class TEdit;

// The grid of colour swatches: a click or the arrow keys choose one; OnChange follows.
class TColorSwatchGrid : public TCustomControl {
public:
    static constexpr int Columns = 8;
    static constexpr int CellSize = 20;

    explicit TColorSwatchGrid(TComponent* AOwner);
    const std::vector<TColor>& Colors() const { return FColors; }
    int Selected() const { return FSelected; }
    void SetSelected(int Index);
    // The cell's rectangle in client coordinates.
    RECT CellRect(int Index) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;

private:
    std::vector<TColor> FColors;
    int FSelected = -1;
};

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // Runs the dialog modally; true when the user confirmed (Color then holds the choice).
    virtual bool Execute();

    // The dialog window while Execute runs (null otherwise), for whoever watches it from OnShow.
    TCustomForm* DialogForm() const { return FForm; }
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    TColor FColor = clBlack;
    TCustomForm* FForm = nullptr;
};
