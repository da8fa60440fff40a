#include "source/splash/SplashForm.h"

#include "imaging/picture/PngGraphic.h"
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Timer.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "source/splash/SplashPicture.h"

#include <chrono>
#include <thread>

std::function<void(int)>& TFormSplash::Sleep() {
    static std::function<void(int)> sleep = [](int ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    };
    return sleep;
}

TFormSplash::TFormSplash(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("FormSplash");
    SetBorderStyle(bsNone);
    SetBorderIcons(TBorderIcons{});
    SetFormStyle(fsStayOnTop);
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    Font()->SetName("Tahoma");
    Font()->SetSize(8);
    TimerSplash = new TTimer(this);
    TimerSplash->SetEnabled(false);
    TimerSplash->SetInterval(1000);
    TimerSplash->OnTimer = TNotifyEvent(this, &TFormSplash::TimerSplashTimer);
    OnKeyPress = TKeyPressEvent(this, &TFormSplash::FormKeyPress);
    OnClose = TCloseEvent(this, &TFormSplash::FormClose);
    OnCloseQuery = TCloseQueryEvent(this, &TFormSplash::FormCloseQuery);
}

TFormSplash::~TFormSplash() = default;

void TFormSplash::ShowSplash(const std::string& PicturePath) {
    const HWND window = Handle();
    const LONG exStyle = GetWindowLong(window, GWL_EXSTYLE);
    if ((exStyle & LONG(WS_EX_LAYERED)) == 0)
        SetWindowLong(window, GWL_EXSTYLE, exStyle | LONG(WS_EX_LAYERED));

    auto picture = std::make_unique<TPNGGraphic>();
    picture->LoadFromFile(PicturePath);
    RequirePixelFormat32(*picture);
    {
        auto table = std::make_unique<TPremultiplyTable>();
        FillPremultiplyTable(*table);
        for (int y = 0; y < picture->Height(); ++y)
            PremultiplyRow(static_cast<std::uint8_t*>(picture->ScanLine(y)), picture->Width(), *table);
    }
    SetClientSize(picture->Width(), picture->Height());

    FPicture = picture.get();
    FFading = true;
    Show();
    // Keys pressed while the picture is up go to it.
    SetForegroundWindow(window);
    DWORD last = 0;
    for (int alpha = 0; alpha < 255;) {
        DWORD now = GetTickCount();
        while (now == last) {
            Sleep()(10);
            now = GetTickCount();
        }
        last = now;
        alpha = NextFadeAlpha(alpha);
        ShowStep(alpha);
        if (OnFadeStep) OnFadeStep(alpha);
        // The screen shows each step, and a key pressed meanwhile is remembered for the end.
        Application()->ProcessMessages();
    }
    FPicture = nullptr;
    picture.reset();
    FFading = false;
    TimerSplash->SetEnabled(true);
    if (FCloseWanted) Close();
}

void TFormSplash::ShowStep(int Alpha) {
    const HWND window = Handle();
    if (FPerPixelAlpha) {
        POINT source{0, 0};
        SIZE size{FPicture->Width(), FPicture->Height()};
        BLENDFUNCTION blend;
        blend.BlendOp = AC_SRC_OVER;
        blend.BlendFlags = 0;
        blend.SourceConstantAlpha = static_cast<BYTE>(Alpha);
        blend.AlphaFormat = AC_SRC_ALPHA;
        if (UpdateLayeredWindow(window, nullptr, nullptr, &size, FPicture->Canvas()->Handle(), &source, 0,
                                &blend, ULW_ALPHA))
            return;
        // No transparency on this screen: the premultiplied picture is the picture over black, painted
        // as the window's face, and the window fades as a whole.
        FPerPixelAlpha = false;
        FOpaquePicture = std::make_unique<TBitmap>();
        FOpaquePicture->Assign(FPicture);
        Invalidate();
    }
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(Alpha), LWA_ALPHA);
    Update();
}

void TFormSplash::PaintWindow(HDC DC) {
    if (FOpaquePicture)
        BitBlt(DC, 0, 0, FOpaquePicture->Width(), FOpaquePicture->Height(),
               FOpaquePicture->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TFormSplash::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_NCHITTEST) {
        // The whole picture drags the window.
        Message.Result = HTCAPTION;
        return;
    }
    TForm::Dispatch(Message);
}

void TFormSplash::TimerSplashTimer(TObject*) {
    Close();
}

void TFormSplash::FormKeyPress(TObject*, TKeyChar&) {
    Close();
}

void TFormSplash::FormCloseQuery(TObject*, bool& CanClose) {
    if (!FFading) return;
    // Closing (and freeing) the window in the middle of its own fade would pull it from under the
    // fade; the close waits for the fade's end.
    FCloseWanted = true;
    CanClose = false;
}

void TFormSplash::FormClose(TObject*, TCloseAction& Action) {
    Action = caFree;
}
