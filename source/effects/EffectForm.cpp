#include "source/effects/EffectForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Timer.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/WaitCursor.h"
#include "source/controls/ImageSlider.h"
#include "source/dialogs/DialogSupport.h"
#include "source/effects/EffectHost.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace effect_form_detail {

// Layout, in pixels at 96 DPI. A slider row: caption | min text | slider | max text | edit.
constexpr int Margin = 12;
constexpr int Gap = 8;
constexpr int CaptionGap = 14; // between a caption and the range text after it
constexpr int TextGap = 4;
constexpr int SliderWidth = 220;
constexpr int SliderHeight = 26;
constexpr int SliderRowPitch = 30;
constexpr int EditRowPitch = 28;
constexpr int EditHeight = 21;
constexpr int LabelHeight = 16;
constexpr int GroupPadding = 10;
constexpr int GroupCaptionSpace = 20;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 6;

// A whole decimal number with an optional leading "-", nothing else.
bool ParseWhole(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '-') ++first;
    if (first == last || !std::all_of(first, last, [](char c) { return c >= '0' && c <= '9'; })) return false;
    std::int64_t magnitude = 0;
    for (const char* p = first; p != last; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > std::int64_t(std::numeric_limits<int>::max()) + 1) return false;
    }
    const std::int64_t signedValue = text[0] == '-' ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max() || signedValue < std::numeric_limits<int>::min())
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

// Text the program puts into an edit is not cut to the edit's length: the length limits typing only,
// so a slider's 11025 shows whole in an edit that takes three typed digits.
void SetEditText(TEdit* edit, const std::string& text) {
    const int limit = edit->MaxLength();
    edit->SetMaxLength(0);
    edit->SetText(text);
    edit->SetMaxLength(limit);
}

template <class T> T* Make(TComponent* owner, TWinControl* parent, const std::string& name, RECT bounds) {
    T* control = new T(owner);
    control->SetName(name);
    control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->SetParent(parent);
    return control;
}

TLabel* MakeLabel(TComponent* owner, TWinControl* parent, const std::string& name, const std::string& caption,
                  RECT bounds, TAlignment alignment) {
    TLabel* label = Make<TLabel>(owner, parent, name, bounds);
    label->SetAutoSize(false);
    label->SetAlignment(alignment);
    label->SetCaption(caption);
    return label;
}

TButton* MakeButton(TComponent* owner, TWinControl* parent, const std::string& name,
                    const std::string& caption, int x, int y) {
    TButton* button = Make<TButton>(owner, parent, name, RECT{x, y, x + ButtonWidth, y + ButtonHeight});
    button->SetCaption(caption);
    return button;
}

} // namespace effect_form_detail

TEffectForm::TEffectForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host)
    : TForm(AOwner), FModel(Model), FHost(Host) {
    TComponentLoading loading(this);
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetCaption(FModel.Caption);
    Font()->SetName("Tahoma");
    Font()->SetSize(8);
    BuildControls();
    OnShow = TNotifyEvent(this, &TEffectForm::FormShow);
}

TEffectForm::TColumns TEffectForm::MeasureColumns() {
    // Measured in the dialog's own font, so no caption is cut whatever face stands in for it.
    TBitmap probe(1, 1);
    TCanvas* canvas = probe.Canvas();
    canvas->Font()->Assign(Font());
    TColumns columns;
    columns.Caption = canvas->TextWidth(StripHotkey("&Presets:"));
    const int digit = canvas->TextWidth("0");
    for (const TEffectParameter& p : FModel.Parameters) {
        columns.Caption = std::max(columns.Caption, canvas->TextWidth(StripHotkey(p.Caption)));
        columns.MinText = std::max(columns.MinText, canvas->TextWidth(p.MinText));
        columns.MaxText = std::max(columns.MaxText, canvas->TextWidth(p.MaxText));
        columns.Edit = std::max(columns.Edit, digit * (p.EditLength + 1) + 10);
    }
    columns.Caption += 4;
    columns.Edit = std::max(columns.Edit, 44);
    return columns;
}

void TEffectForm::BuildControls() {
    using namespace effect_form_detail;
    const TColumns col = MeasureColumns();
    const bool anySlider =
        std::any_of(FModel.Parameters.begin(), FModel.Parameters.end(),
                    [](const TEffectParameter& p) { return p.Kind == TParameterKind::SliderWithEdit; });
    const int rowWidth = anySlider ? col.Caption + CaptionGap + col.MinText + TextGap + SliderWidth +
                                         TextGap + col.MaxText + Gap + col.Edit
                                   : col.Caption + Gap + col.Edit;
    const int groupExtra = FModel.Groups.empty() ? 0 : 2 * GroupPadding;
    const int buttonsWidth = 4 * ButtonWidth + 3 * ButtonGap + 3 * Gap;
    const int clientWidth = std::max(rowWidth + groupExtra, buttonsWidth) + 2 * Margin;

    FParameters.resize(FModel.Parameters.size());
    FGroups.assign(FModel.Groups.size(), nullptr);
    int y = Margin;
    TGroupBox* group = nullptr;
    int groupIndex = -1;
    int rowY = 0; // within the current parent
    const auto closeGroup = [&] {
        if (group == nullptr) return;
        group->SetHeight(rowY + GroupPadding / 2);
        y = group->Top() + group->Height() + Gap;
        group = nullptr;
    };
    for (std::size_t i = 0; i < FModel.Parameters.size(); ++i) {
        const TEffectParameter& p = FModel.Parameters[i];
        if (p.Group != groupIndex) {
            closeGroup();
            groupIndex = p.Group;
            if (groupIndex >= 0) {
                group = Make<TGroupBox>(this, this, "GroupBox" + std::to_string(groupIndex + 1),
                                        RECT{Margin, y, clientWidth - Margin, y + 100});
                group->SetCaption(FModel.Groups[groupIndex]);
                FGroups[groupIndex] = group;
                rowY = GroupCaptionSpace;
            }
        }
        TWinControl* parent = group != nullptr ? static_cast<TWinControl*>(group) : this;
        const int x0 = group != nullptr ? GroupPadding : Margin;
        const int top = group != nullptr ? rowY : y;
        TParameterControls& c = FParameters[i];
        const std::string labelName = p.LabelName.empty() ? "Label" + p.Name : p.LabelName;
        const int editX = x0 + rowWidth - col.Edit;
        if (p.Kind == TParameterKind::PlainEdit) {
            c.Label = MakeLabel(this, parent, labelName, p.Caption,
                                RECT{x0, top + 3, x0 + col.Caption, top + 3 + LabelHeight}, taLeftJustify);
            const int plainX = x0 + col.Caption + Gap;
            c.Edit = Make<TEdit>(this, parent, "Edit" + p.Name,
                                 RECT{plainX, top, plainX + col.Edit, top + EditHeight});
        } else {
            // The caption and the range texts sit on the thumb's centre line, the edit around it.
            c.Label = MakeLabel(this, parent, labelName, p.Caption,
                                RECT{x0, top + 5, x0 + col.Caption, top + 5 + LabelHeight}, taLeftJustify);
            const int minX = x0 + col.Caption + CaptionGap;
            const int sliderX = minX + col.MinText + TextGap;
            const int maxX = sliderX + SliderWidth + TextGap;
            c.Slider = Make<TImageSlider>(this, parent, "ImageSlider" + p.Name,
                                          RECT{sliderX, top, sliderX + SliderWidth, top + SliderHeight});
            c.Slider->SetIncrement(1);
            c.Slider->SetRange(p.MinValue, p.MaxValue);
            c.Slider->SetOptions(TSliderOptions{soShowFocus, soSmooth});
            c.Slider->OnChange = TNotifyEvent(this, &TEffectForm::ImageSliderChange);
            c.MinLabel =
                MakeLabel(this, parent, labelName + "Min", p.MinText,
                          RECT{minX, top + 5, minX + col.MinText, top + 5 + LabelHeight}, taRightJustify);
            c.MaxLabel =
                MakeLabel(this, parent, labelName + "Max", p.MaxText,
                          RECT{maxX, top + 5, maxX + col.MaxText, top + 5 + LabelHeight}, taLeftJustify);
            c.Edit = Make<TEdit>(this, parent, "Edit" + p.Name,
                                 RECT{editX, top + 2, editX + col.Edit, top + 2 + EditHeight});
            c.Edit->OnChange = TNotifyEvent(this, &TEffectForm::EditChange);
            c.Edit->OnExit = TNotifyEvent(this, &TEffectForm::EditExit);
            if (p.Signed) c.Edit->OnKeyPress = TKeyPressEvent(this, &TEffectForm::EditKeyPress);
        }
        c.Edit->SetMaxLength(p.EditLength);
        c.Label->SetFocusControl(c.Edit);
        const int pitch = p.Kind == TParameterKind::PlainEdit ? EditRowPitch : SliderRowPitch;
        if (group != nullptr)
            rowY += pitch;
        else
            y += pitch;
    }
    closeGroup();

    // Presets, a line, and the buttons.
    y += 6;
    const int comboX = Margin + col.Caption + Gap;
    LabelPreset =
        MakeLabel(this, this, "LabelPreset",
                  "&Presets:", RECT{Margin, y + 3, Margin + col.Caption, y + 3 + LabelHeight}, taLeftJustify);
    ComboBoxPreset =
        Make<TComboBox>(this, this, "ComboBoxPreset", RECT{comboX, y, clientWidth - Margin, y + EditHeight});
    ComboBoxPreset->SetStyle(csDropDownList);
    ComboBoxPreset->SetDropDownCount(16);
    ComboBoxPreset->Items()->Add("Select Preset");
    for (const TEffectPreset& preset : FModel.Presets)
        ComboBoxPreset->Items()->Add(preset.Caption);
    ComboBoxPreset->SetItemIndex(0);
    ComboBoxPreset->OnChange = TNotifyEvent(this, &TEffectForm::ComboBoxPresetChange);
    LabelPreset->SetFocusControl(ComboBoxPreset);
    y += EditHeight + 12;

    Bevel = Make<TBevel>(this, this, "Bevel", RECT{Margin, y, clientWidth - Margin, y + 2});
    Bevel->SetShape(bsTopLine);
    y += 12;

    // Preview on the left, apart from the three buttons that end the dialog; tab order as they stand.
    if (FModel.HasPreview()) {
        ButtonPreview = MakeButton(this, this, "ButtonPreview", "&Preview", Margin, y);
        ButtonPreview->OnClick = TNotifyEvent(this, &TEffectForm::ButtonPreviewClick);
        TimerMonitor = new TTimer(this);
        TimerMonitor->SetName("TimerMonitor");
        TimerMonitor->SetEnabled(false);
        TimerMonitor->SetInterval(50);
        TimerMonitor->OnTimer = TNotifyEvent(this, &TEffectForm::TimerMonitorTimer);
    }
    const int helpX = clientWidth - Margin - ButtonWidth;
    const int cancelX = helpX - ButtonGap - ButtonWidth;
    const int okX = cancelX - ButtonGap - ButtonWidth;
    ButtonOK = MakeButton(this, this, "ButtonOK", "&OK", okX, y);
    ButtonOK->SetDefault(true);
    if (FModel.OkForm != TOkForm::CheckFirst) ButtonOK->SetModalResult(mrOk);
    if (FModel.OkForm != TOkForm::CloseAtOnce)
        ButtonOK->OnClick = TNotifyEvent(this, &TEffectForm::ButtonOKClick);
    ButtonCancel = MakeButton(this, this, "ButtonCancel", "&Cancel", cancelX, y);
    ButtonCancel->SetCancel(true);
    ButtonCancel->SetModalResult(mrCancel);
    ButtonHelp = MakeButton(this, this, "ButtonHelp", "&Help", helpX, y);
    ButtonHelp->OnClick = TNotifyEvent(this, &TEffectForm::ButtonHelpClick);

    SetClientSize(clientWidth, y + ButtonHeight + Margin);
    if (!FParameters.empty()) SetActiveControl(FParameters[0].Edit);
}

void TEffectForm::Bind(int i, TLabel*& Label, TEdit*& Edit) {
    Label = FParameters[i].Label;
    Edit = FParameters[i].Edit;
}

void TEffectForm::Bind(int i, TLabel*& Label, TEdit*& Edit, TImageSlider*& Slider, TLabel*& MinLabel,
                       TLabel*& MaxLabel) {
    Bind(i, Label, Edit);
    Slider = FParameters[i].Slider;
    MinLabel = FParameters[i].MinLabel;
    MaxLabel = FParameters[i].MaxLabel;
}

int TEffectForm::IndexOf(TObject* Control) const {
    for (std::size_t i = 0; i < FParameters.size(); ++i)
        if (Control == FParameters[i].Edit || Control == FParameters[i].Slider) return static_cast<int>(i);
    return -1;
}

// ---- Settings -------------------------------------------------------------------------------------------

void TEffectForm::LoadParams() {
    const TGlobalVars& vars = GlobalVars();
    for (std::size_t i = 0; i < FParameters.size(); ++i) {
        const int value = vars.*FModel.Parameters[i].Field;
        if (FParameters[i].Slider != nullptr)
            FParameters[i].Slider->SetValue(value);
        else
            effect_form_detail::SetEditText(FParameters[i].Edit, IntToStr(value));
    }
}

void TEffectForm::StoreParams() {
    // Every edit is read before anything is written: a bad text leaves the record as it was.
    std::vector<int> values(FParameters.size());
    for (std::size_t i = 0; i < FParameters.size(); ++i)
        values[i] = FParameters[i].Slider != nullptr ? FParameters[i].Slider->Value()
                                                     : StrToInt(FParameters[i].Edit->Text());
    TGlobalVars& vars = GlobalVars();
    if (FModel.HasPreview()) vars.PreviewOperationTypes = FModel.Identifier;
    for (std::size_t i = 0; i < FParameters.size(); ++i)
        vars.*FModel.Parameters[i].Field = values[i];
}

void TEffectForm::SetControlsEnabled(bool Enabled) {
    for (const TParameterControls& c : FParameters) {
        for (TControl* control : {static_cast<TControl*>(c.Label), static_cast<TControl*>(c.Slider),
                                  static_cast<TControl*>(c.MinLabel), static_cast<TControl*>(c.MaxLabel)})
            if (control != nullptr) control->SetEnabled(Enabled);
        c.Edit->SetReadOnly(!Enabled);
    }
    for (TControl* control : {static_cast<TControl*>(LabelPreset), static_cast<TControl*>(ComboBoxPreset),
                              static_cast<TControl*>(ButtonOK), static_cast<TControl*>(ButtonCancel),
                              static_cast<TControl*>(ButtonHelp), static_cast<TControl*>(ButtonPreview)})
        if (control != nullptr) control->SetEnabled(Enabled);
}

// ---- Showing ----------------------------------------------------------------------------------------------

void TEffectForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    for (std::size_t i = 0; i < FParameters.size(); ++i)
        if (!FModel.Parameters[i].Signed) FParameters[i].Edit->SetNumbersOnly(true);
    for (const TParameterControls& c : FParameters)
        if (c.Slider != nullptr) ImageSliderChange(c.Slider);
    if (FModel.HasPreview()) {
        if (FHost != nullptr) FHost->ClearPreviewing();
        TimerMonitor->SetEnabled(false);
    }
}

// ---- Edit and slider in step ------------------------------------------------------------------------------

void TEffectForm::ImageSliderChange(TObject* Sender) {
    const int i = IndexOf(Sender);
    if (i < 0 || FParameters[i].Slider == nullptr) return;
    TEdit* edit = FParameters[i].Edit;
    const std::string text = IntToStr(FParameters[i].Slider->Value());
    // Writing the same text again would move the caret of an edit the user is typing in; a new text
    // ("-0" becoming "0") leaves the caret at its end, where the typing goes on.
    if (edit->Text() == text) return;
    effect_form_detail::SetEditText(edit, text);
    if (edit->Focused()) edit->SetSelStart(static_cast<int>(text.size()));
}

void TEffectForm::EditChange(TObject* Sender) {
    const int i = IndexOf(Sender);
    if (i < 0 || FParameters[i].Slider == nullptr) return;
    TEdit* edit = FParameters[i].Edit;
    TImageSlider* slider = FParameters[i].Slider;
    int value = 0;
    if (!effect_form_detail::ParseWhole(edit->Text(), value) || value < slider->MinValue() ||
        value > slider->MaxValue()) {
        edit->Font()->SetColor(clRed);
        return;
    }
    edit->Font()->SetColor(clWindowText);
    slider->SetValue(value);
}

void TEffectForm::EditExit(TObject* Sender) {
    const int i = IndexOf(Sender);
    if (i < 0 || FParameters[i].Slider == nullptr) return;
    TEdit* edit = FParameters[i].Edit;
    const TImageSlider* slider = FParameters[i].Slider;
    int value = 0;
    if (!effect_form_detail::ParseWhole(edit->Text(), value) || value < slider->MinValue())
        effect_form_detail::SetEditText(edit, IntToStr(slider->MinValue()));
    else if (value > slider->MaxValue())
        effect_form_detail::SetEditText(edit, IntToStr(slider->MaxValue()));
}

void TEffectForm::EditKeyPress(TObject* Sender, TKeyChar& Key) {
    TEdit* edit = dynamic_cast<TEdit*>(Sender);
    if (edit == nullptr) return;
    bool allowed = (Key >= '0' && Key <= '9') || Key == '-' || Key == '\b' || Key == '\r' || Key == '.';
    if (Key == '-') {
        const std::string text = edit->Text();
        // A minus replaces the whole text, or starts a text that has none yet.
        const bool replacesAll = edit->SelLength() == static_cast<int>(text.size());
        const bool atStart = text.find('-') == std::string::npos && edit->SelStart() == 0;
        allowed = replacesAll || atStart;
    }
    if (!allowed) {
        Key = 0;
        ::MessageBeep(0);
    }
}

// ---- Presets, preview, help, OK ---------------------------------------------------------------------------

void TEffectForm::ComboBoxPresetChange(TObject*) {
    const int item = ComboBoxPreset->ItemIndex();
    if (item <= 0 || item > static_cast<int>(FModel.Presets.size())) return;
    const TEffectPreset& preset = FModel.Presets[item - 1];
    for (std::size_t i = 0; i < FParameters.size() && i < preset.Values.size(); ++i) {
        if (FParameters[i].Slider != nullptr) {
            FParameters[i].Slider->SetValue(preset.Values[i]);
            // The edit follows also where the slider already held the value (an edit left red).
            ImageSliderChange(FParameters[i].Slider);
        } else {
            effect_form_detail::SetEditText(FParameters[i].Edit, IntToStr(preset.Values[i]));
        }
    }
}

void TEffectForm::ButtonPreviewClick(TObject*) {
    if (FHost == nullptr || ButtonPreview == nullptr) return;
    TWaitCursor wait;
    if (FHost->Previewing()) {
        ButtonPreview->SetCaption("&Preview");
        FHost->StopPreview();
        return;
    }
    SetControlsEnabled(false);
    ButtonPreview->SetCaption("&Stop");
    // The monitor runs whatever happens below: a preview that failed to store or to start brings the
    // dialog back to idle at the next tick.
    struct TMonitorOn {
        TTimer* Timer;
        ~TMonitorOn() { Timer->SetEnabled(true); }
    } monitor{TimerMonitor};
    StoreParams();
    FHost->StartPreview();
}

void TEffectForm::TimerMonitorTimer(TObject*) {
    if (FHost == nullptr || !FHost->TransformBusy()) SetControlsEnabled(true);
    if (FHost == nullptr || !FHost->Previewing()) {
        ButtonPreview->SetCaption("&Preview");
        TimerMonitor->SetEnabled(false);
    }
}

void TEffectForm::ButtonHelpClick(TObject*) {
    if (FHost == nullptr) return;
    FHost->HtmlHelp(Handle(), HelpPageAddress("Effects"), 0, 0);
}

void TEffectForm::ButtonOKClick(TObject*) {
    // Taking the focus makes the edit being left clamp its text into its slider before anyone reads it.
    if (ButtonOK->CanFocus()) ButtonOK->SetFocus();
    if (FModel.OkForm != TOkForm::CheckFirst || !FModel.OkCheck) return;
    const TOkCheck& check = *FModel.OkCheck;
    TEdit* edit = FParameters[check.Parameter].Edit;
    if (StrToInt(edit->Text()) > check.Max) {
        if (edit->CanFocus()) edit->SetFocus();
        ShowEffectError(check.Message);
        return;
    }
    SetModalResult(mrOk);
}

void ShowEffectError(const std::string& Text) {
    Application()->MessageBox(Text, Application()->Title(), MB_OK | MB_ICONERROR);
}
