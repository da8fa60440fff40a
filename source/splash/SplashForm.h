// The splash window: a borderless, always-on-top window that shows the picture "splash.png" of the
// program folder with its own transparency, fading in, while the program creates its windows. It
// closes itself a second after the fade, or at once on a key, and frees itself when it closes.
// Where the screen cannot show a picture with transparency, the picture is shown opaque and the
// window as a whole fades in.
#pragma once

#include "platform/vcl/Form.h"

#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TTimer;

class TFormSplash : public TForm {
public:
    explicit TFormSplash(TComponent* AOwner);
    ~TFormSplash() override;

    // Loads and shows the picture and runs the fade to its end, then starts the timer that closes the
    // window. Raises the picture loader's error for a missing or unreadable picture, and Exception
    // "Wrong bitmap format - must be 32 bits/pixel" for a picture without alpha; the window is then not
    // shown.
    void ShowSplash(const std::string& PicturePath);

    // How the fade waits between two looks at the tick count (10 ms each); tests move a clock instead.
    static std::function<void(int Milliseconds)>& Sleep();
    // Raised after each step of the fade with its constant alpha.
    std::function<void(int Alpha)> OnFadeStep;
    // Whether the picture goes to the screen with its own transparency (false: shown opaque).
    bool PerPixelAlpha() const { return FPerPixelAlpha; }

    TTimer* TimerSplash = nullptr;

protected:
    void PaintWindow(HDC DC) override;
    void Dispatch(TMessage& Message) override;

private:
    void TimerSplashTimer(TObject* Sender);
    void FormKeyPress(TObject* Sender, TKeyChar& Key);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void ShowStep(int Alpha);

    std::unique_ptr<TBitmap> FOpaquePicture; // kept for painting when the screen has no transparency
    TBitmap* FPicture = nullptr;             // while the fade runs
    bool FPerPixelAlpha = true;
    bool FFading = false;
    bool FCloseWanted = false;
};
