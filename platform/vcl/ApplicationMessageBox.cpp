#include "platform/vcl/ApplicationMessageBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/DialogFormRun.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/MessageSign.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <vector>

// ---- The message box form

namespace messagebox_detail {

struct TButtonSpec {
    const char* Caption;
    int Result;
};

std::vector<TButtonSpec> ButtonsOf(UINT Flags) {
    switch (Flags & 0x0F) {
    case MB_OKCANCEL:
        return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{"&Abort", IDABORT}, {"&Retry", IDRETRY}, {"&Ignore", IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{"&Yes", IDYES}, {"&No", IDNO}, {"Cancel", IDCANCEL}};
    case MB_YESNO:
        return {{"&Yes", IDYES}, {"&No", IDNO}};
    case MB_RETRYCANCEL:
        return {{"&Retry", IDRETRY}, {"Cancel", IDCANCEL}};
    default:
        return {{"OK", IDOK}};
    }
}

// The form of a message box: the text and the icon are painted; the buttons are children.
class TMessageForm : public TForm {
public:
    TMessageForm(const std::string& Text, UINT Flags) : TForm(nullptr), FText(Text), FIcon(Flags & 0xF0) {}

    RECT FTextRect{0, 0, 0, 0};
    bool FCanClose = true;
    const std::string& Text() const { return FText; }

protected:
    void PaintWindow(HDC DC) override {
        TForm::PaintWindow(DC);
        const int saved = ::SaveDC(DC);
        if (FIcon != 0) PaintIcon(DC);
        ::SelectObject(DC, Font()->Handle());
        ::SetBkMode(DC, TRANSPARENT);
        ::SetTextColor(DC, ColorToRGB(clWindowText));
        RECT r = FTextRect;
        ::DrawText(DC, FText.c_str(), static_cast<int>(FText.size()), &r,
                   DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        ::RestoreDC(DC, saved);
    }

    // A box without a way to cancel ignores its close box; its buttons still end it.
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_CLOSE && !FCanClose) return;
        TForm::Dispatch(Message);
    }

private:
    void PaintIcon(HDC DC) {
        const TMessageSign sign = FIcon == MB_ICONERROR      ? msError
                                  : FIcon == MB_ICONQUESTION ? msQuestion
                                  : FIcon == MB_ICONWARNING  ? msWarning
                                                             : msInformation;
        DrawMessageSign(DC, RECT{12, 12, 44, 44}, sign, Font());
    }

    std::string FText;
    UINT FIcon;
};

} // namespace messagebox_detail

TCustomForm* CreateMessageBoxForm(const std::string& Text, const std::string& Caption, UINT Flags) {
    using namespace messagebox_detail;
    auto* form = TCustomForm::New<TMessageForm>(Text, Flags);
    form->SetBorderStyle(bsDialog);
    form->SetCaption(Caption);
    form->SetPosition(poScreenCenter);
    constexpr int margin = 12;
    const int iconWidth = (Flags & 0xF0) != 0 ? 32 + margin : 0;
    // Measure the text, wrapped at a width a reader can follow.
    const RECT text =
        StdCtrlsMeasureText(form->Font(), Text, RECT{0, 0, 400, 0}, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    const std::vector<TButtonSpec> specs = ButtonsOf(Flags);
    constexpr int buttonWidth = 75;
    constexpr int buttonHeight = 23;
    constexpr int buttonGap = 6;
    const int buttonsWidth = static_cast<int>(specs.size()) * (buttonWidth + buttonGap) - buttonGap;
    const int textHeight = std::max<int>(text.bottom, iconWidth > 0 ? 32 : 0);
    const int clientWidth =
        std::max<int>(margin + iconWidth + text.right + margin, margin + buttonsWidth + margin);
    const int clientHeight = margin + textHeight + margin + buttonHeight + margin;
    form->FTextRect = RECT{margin + iconWidth, margin, margin + iconWidth + text.right, margin + text.bottom};
    if (iconWidth > 0 && text.bottom < 32) ::OffsetRect(&form->FTextRect, 0, (32 - text.bottom) / 2);
    form->SetClientSize(clientWidth, clientHeight);
    const int defaultIndex = (Flags & MB_DEFBUTTON3) ? 2 : (Flags & MB_DEFBUTTON2) ? 1 : 0;
    bool hasCancel = false;
    int left = (clientWidth - buttonsWidth) / 2;
    TButton* first = nullptr;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto* button = new TButton(form);
        button->SetCaption(specs[i].Caption);
        button->SetModalResult(specs[i].Result);
        button->SetBounds(left, clientHeight - margin - buttonHeight, buttonWidth, buttonHeight);
        button->SetParent(form);
        if (static_cast<int>(i) == std::min<int>(defaultIndex, static_cast<int>(specs.size()) - 1)) {
            button->SetDefault(true);
            first = button;
        }
        if (specs[i].Result == IDCANCEL) {
            button->SetCancel(true);
            hasCancel = true;
        }
        left += buttonWidth + buttonGap;
    }
    // An OK-only box closes with OK on Esc; a box without a way to cancel cannot be closed otherwise.
    if (!hasCancel && specs.size() == 1) static_cast<TButton*>(form->Controls(0))->SetCancel(true);
    form->FCanClose = hasCancel || specs.size() == 1;
    if (first != nullptr) form->SetActiveControl(first);
    return form;
}

std::string MessageBoxText(const TCustomForm* Form) {
    const auto* box = dynamic_cast<const messagebox_detail::TMessageForm*>(Form);
    return box != nullptr ? box->Text() : std::string();
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
    TCustomForm* form = CreateMessageBoxForm(Text, Caption.empty() ? FTitle : Caption, Flags);
    int result = RunDialogFormAndFree(form);
    const std::vector<messagebox_detail::TButtonSpec> specs = messagebox_detail::ButtonsOf(Flags);
    // Closing with the window's close box answers as Esc does.
    if (result == mrCancel && specs.size() == 1) result = specs[0].Result;
    return result;
}
