// TUpDown: a pair of arrow buttons that step a number, usually shown in an associated edit box. Set
// beside its Associate, it sits against the edit's edge (the edit gives up the room), reads the edit's
// number before each step and writes the new one back (with thousands separators when Thousands is on);
// the Up/Down keys in the edit step it too (ArrowKeys). Holding a button repeats. Wrap runs past one end
// to the other; OnChanging may refuse a step; OnClick tells which button stepped.
#pragma once

#include "platform/vcl/CustomControl.h"

enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
using TUDChangingEvent = TEvent<TObject*, bool&>;

// clang-format off
constexpr UINT UDM_SETRANGE = WM_USER + 101;
constexpr UINT UDM_GETRANGE = WM_USER + 102;
constexpr UINT UDM_SETPOS = WM_USER + 103;
constexpr UINT UDM_GETPOS = WM_USER + 104;
constexpr UINT UDM_SETBUDDY = WM_USER + 105;
constexpr UINT UDM_GETBUDDY = WM_USER + 106;
constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
constexpr UINT UDM_SETPOS32 = WM_USER + 113;
constexpr UINT UDM_GETPOS32 = WM_USER + 114;
// clang-format on

class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;

    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position();
    void SetPosition(int Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    bool Thousands() const { return FThousands; }
    void SetThousands(bool Value);
    bool ArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool Value) { FArrowKeys = Value; }
    TUDAlignButton AlignButton() const { return FAlignButton; }
    void SetAlignButton(TUDAlignButton Value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation Value);

    // One step as a press of a button does.
    void Step(TUDBtnType Button);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The associate's number, read back into Position (text that is no number leaves it).
    void ReadAssociate();
    void WriteAssociate();
    void PlaceBesideAssociate();
    void HookAssociate();
    void UnhookAssociate();
    void StopRepeat();
    TUDBtnType ButtonAt(int X, int Y) const;

    TWinControl* FAssociate = nullptr;
    TWndMethod FAssociateProc;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    bool FWrap = false;
    bool FThousands = true;
    bool FArrowKeys = true;
    bool FRepeating = false;
    bool FPressed = false;
    TUDBtnType FPressedButton = btNext;
    TUDAlignButton FAlignButton = udRight;
    TUDOrientation FOrientation = udVertical;
};
