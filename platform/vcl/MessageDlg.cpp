#include "platform/vcl/MessageDlg.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/DialogFormRun.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/GraphicControl.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/MessageSign.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <vector>

namespace messagedlg_detail {

struct TButtonInfo {
    TMsgDlgBtn Button;
    const char* Caption;
    TModalResult Result;
};

// The order the buttons stand in, left to right.
const TButtonInfo ButtonInfos[] = {
    {mbYes, "&Yes", mrYes},
    {mbNo, "&No", mrNo},
    {mbOK, "OK", mrOk},
    {mbAbort, "&Abort", mrAbort},
    {mbRetry, "&Retry", mrRetry},
    {mbIgnore, "&Ignore", mrIgnore},
    {mbAll, "&All", mrAll},
    {mbNoToAll, "N&o to All", mrNoToAll},
    {mbYesToAll, "Yes to &All", mrYesToAll},
    {mbCancel, "Cancel", mrCancel},
    {mbClose, "&Close", mrClose},
    {mbHelp, "&Help", mrNone},
};

const char* CaptionOf(TMsgDlgType Type) {
    switch (Type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    case mtCustom:
        break;
    }
    return nullptr;
}

// The round sign of the message's kind.
class TMessageDlgIcon : public TGraphicControl {
public:
    TMessageDlgIcon(TComponent* AOwner, TMsgDlgType Type) : TGraphicControl(AOwner), FType(Type) {
        FWidth = 32;
        FHeight = 32;
    }

protected:
    void Paint() override {
        const TMessageSign sign = FType == mtError          ? msError
                                  : FType == mtConfirmation ? msQuestion
                                  : FType == mtWarning      ? msWarning
                                                            : msInformation;
        DrawMessageSign(Canvas()->Handle(), RECT{0, 0, 32, 32}, sign, Font());
    }

private:
    TMsgDlgType FType;
};

} // namespace messagedlg_detail

namespace messagedlg_detail {

// Builds the dialog; Esc presses CancelButton (mbHelp: nothing does).
TCustomForm* BuildMessageDialog(const std::string& Msg, const std::string& Caption, TMsgDlgType DlgType,
                                TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton, TMsgDlgBtn CancelButton) {
    auto* form = TCustomForm::New<TForm>(nullptr);
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(Caption);
    constexpr int margin = 12;
    constexpr int buttonWidth = 75;
    constexpr int buttonHeight = 25;
    constexpr int buttonGap = 6;
    int textLeft = margin;
    if (DlgType != mtCustom) {
        auto* icon = new TMessageDlgIcon(form, DlgType);
        icon->SetBounds(margin, margin, 32, 32);
        icon->SetParent(form);
        textLeft += 32 + margin;
    }
    // The text wraps at a width a reader can follow.
    const RECT textSize =
        StdCtrlsMeasureText(form->Font(), Msg, RECT{0, 0, 400, 0}, DT_WORDBREAK | DT_NOPREFIX);
    auto* text = new TLabel(form);
    text->SetShowAccelChar(false);
    text->SetWordWrap(true);
    text->SetAutoSize(false);
    text->SetBounds(textLeft, margin, textSize.right, textSize.bottom);
    text->SetCaption(Msg);
    text->SetName("Message");
    text->SetParent(form);
    std::vector<const TButtonInfo*> shown;
    for (const TButtonInfo& info : ButtonInfos)
        if (Buttons.Contains(info.Button)) shown.push_back(&info);
    const int count = static_cast<int>(shown.size());
    const int buttonsWidth = count * buttonWidth + (count - 1) * buttonGap;
    const int textBottom = std::max<int>(margin + textSize.bottom, DlgType != mtCustom ? margin + 32 : 0);
    const int clientWidth = std::max<int>(textLeft + textSize.right + margin, margin + buttonsWidth + margin);
    const int clientHeight = textBottom + margin + buttonHeight + margin;
    form->SetClientSize(clientWidth, clientHeight);
    int left = (clientWidth - buttonsWidth) / 2;
    TButton* first = nullptr;
    for (const TButtonInfo* info : shown) {
        auto* button = new TButton(form);
        button->SetCaption(info->Caption);
        button->SetModalResult(info->Result);
        button->SetBounds(left, clientHeight - margin - buttonHeight, buttonWidth, buttonHeight);
        button->SetParent(form);
        if (info->Button == DefaultButton) {
            button->SetDefault(true);
            first = button;
        }
        if (info->Button == CancelButton && info->Button != mbHelp) button->SetCancel(true);
        left += buttonWidth + buttonGap;
    }
    if (first != nullptr) form->SetActiveControl(first);
    return form;
}

} // namespace messagedlg_detail

TCustomForm* CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
    using namespace messagedlg_detail;
    if (Buttons.empty()) Buttons.Include(mbOK);
    const char* caption = CaptionOf(DlgType);
    const std::string title =
        caption != nullptr ? caption : (Application() != nullptr ? Application()->Title() : "");
    TMsgDlgBtn defaultButton = mbHelp;
    if (Buttons.Contains(mbOK))
        defaultButton = mbOK;
    else if (Buttons.Contains(mbYes))
        defaultButton = mbYes;
    else if (Buttons.Contains(mbRetry))
        defaultButton = mbRetry;
    else
        for (const TButtonInfo& info : ButtonInfos)
            if (Buttons.Contains(info.Button)) {
                defaultButton = info.Button;
                break;
            }
    const TMsgDlgBtn cancelButton = Buttons.Contains(mbCancel) ? mbCancel
                                    : Buttons.Contains(mbNo)   ? mbNo
                                    : Buttons.Contains(mbOK)   ? mbOK
                                                               : mbHelp;
    return BuildMessageDialog(Msg, title, DlgType, Buttons, defaultButton, cancelButton);
}

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int /*HelpCtx*/) {
    return RunDialogFormAndFree(CreateMessageDialog(Msg, DlgType, Buttons));
}

void ShowMessage(const std::string& Msg) {
    MessageDlg(Msg, mtCustom, TMsgDlgButtons{mbOK});
}

int MessageBox(HWND /*Owner*/, const char* Text, const char* Caption, UINT Type) {
    using namespace messagedlg_detail;
    // The box's buttons in their order; Esc answers only a box with Cancel, or an OK-only box.
    std::vector<TMsgDlgBtn> order;
    switch (Type & 0x0F) {
    case MB_OKCANCEL:
        order = {mbOK, mbCancel};
        break;
    case MB_ABORTRETRYIGNORE:
        order = {mbAbort, mbRetry, mbIgnore};
        break;
    case MB_YESNOCANCEL:
        order = {mbYes, mbNo, mbCancel};
        break;
    case MB_YESNO:
        order = {mbYes, mbNo};
        break;
    case MB_RETRYCANCEL:
        order = {mbRetry, mbCancel};
        break;
    default:
        order = {mbOK};
        break;
    }
    TMsgDlgButtons buttons;
    for (TMsgDlgBtn b : order)
        buttons.Include(b);
    const std::size_t defaultIndex = (Type & MB_DEFBUTTON3) == MB_DEFBUTTON3 ? 2
                                     : (Type & MB_DEFBUTTON2)                ? 1
                                                                             : 0;
    const TMsgDlgBtn defaultButton = order[std::min(defaultIndex, order.size() - 1)];
    const TMsgDlgBtn cancelButton = buttons.Contains(mbCancel) ? mbCancel : order.size() == 1 ? mbOK : mbHelp;
    TMsgDlgType kind = mtCustom;
    switch (Type & 0xF0) {
    case MB_ICONERROR:
        kind = mtError;
        break;
    case MB_ICONQUESTION:
        kind = mtConfirmation;
        break;
    case MB_ICONWARNING:
        kind = mtWarning;
        break;
    case MB_ICONINFORMATION:
        kind = mtInformation;
        break;
    default:
        break;
    }
    const std::string text = Text != nullptr ? Text : "";
    const std::string caption = Caption != nullptr ? Caption : "Error";
    return RunDialogFormAndFree(
        BuildMessageDialog(text, caption, kind, buttons, defaultButton, cancelButton));
}
