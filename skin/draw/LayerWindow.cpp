#include "skin/draw/LayerWindow.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Timer.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "skin/draw/LayeredWindowSupport.h"
#include "skin/draw/SkinBitmap.h"

#include <algorithm>

TskLayerWindow::TskLayerWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetVisible(false);
}

void TskLayerWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
    Params.WindowClassStyle |= CS_SAVEBITS;
    Params.WndParent = nullptr;
}

void TskLayerWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(Message);
}

TskLayerManager::TskLayerManager(TComponent* AOwner) : TComponent(AOwner), FTimer(new TTimer(this)) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(25);
    FTimer->OnTimer = TNotifyEvent([this](TObject* Sender) { FadeTimer(Sender); }, this);
}

TskLayerManager::~TskLayerManager() {
    // The timer and the window are owned components; the picture goes with this object.
    FTimer->SetEnabled(false);
}

void TskLayerManager::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FWindow) FWindow = nullptr;
}

void TskLayerManager::Show(int X, int Y, int AlphaValue, TBitmap* Mask, TBitmap* Picture) {
    if (!LayeredWindowsAvailable() || !Picture) return;
    if (FWindow) Hide();
    FShown = true;
    FWindow = new TskLayerWindow(this);
    FWindow->SetBounds(X, Y, Picture->Width(), Picture->Height());
    HWND handle = FWindow->Handle();
    SetWindowLong(handle, GWL_EXSTYLE, GetWindowLong(handle, GWL_EXSTYLE) | WS_EX_LAYERED);
    FPicture = std::make_unique<TskBitmap>();
    PrepareLayerBitmap(Picture, Mask, FPicture.get());
    UpdateLayerWindow(FPicture.get(), 0, FWindow);
    SetWindowPos(handle, FTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, X, Y, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FMaxAlpha = AlphaValue;
    // A step of at least 1, so that a low target opacity is still reached and the fade ends.
    FStep = std::max(1, AlphaValue / 10);
    StartFade();
}

void TskLayerManager::Hide() {
    if (!LayeredWindowsAvailable()) return;
    StopFade();
    FPicture.reset();
    FShown = false;
    if (!FWindow) return;
    SetWindowPos(FWindow->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    TskLayerWindow* window = FWindow;
    FWindow = nullptr;
    window->Free();
}

void TskLayerManager::StartFade() {
    FCurrentAlpha = 0;
    FTimer->SetEnabled(true);
}

void TskLayerManager::StopFade() {
    FTimer->SetEnabled(false);
}

void TskLayerManager::FadeTimer(TObject*) {
    if (!FPicture || !FWindow) return;
    FCurrentAlpha = std::min(FCurrentAlpha + FStep, FMaxAlpha);
    UpdateLayerWindow(FPicture.get(), BYTE(std::clamp(FCurrentAlpha, 0, 255)), FWindow);
    if (FCurrentAlpha == FMaxAlpha) StopFade();
}

void PrepareLayerBitmap(TBitmap* Picture, TBitmap* Mask, TskBitmap* Dest) {
    Dest->Assign(Picture);
    TskBitmap mask;
    if (Mask) mask.Assign(Mask);
    Dest->AlphaFromLuminance(mask);
    Dest->ClampToAlpha();
}

void UpdateLayerWindow(TskBitmap* Source, BYTE Alpha, TskLayerWindow* Window) {
    if (!Window || !Source) return;
    POINT position{Window->Left(), Window->Top()};
    SIZE size{Source->PixelWidth(), Source->PixelHeight()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, Alpha, AC_SRC_ALPHA};
    UpdateLayeredWindow(Window->Handle(), nullptr, &position, &size, Source->MemoryDC(), &origin, 0, &blend,
                        ULW_ALPHA);
}
