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
// Bands: upright sliders side by side.
constexpr int BandPitch = 34;
constexpr int BandSliderWidth = 28;
constexpr int BandSliderHeight = 150;

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
    {
        TComponentLoading loading(this);
        SetBorderStyle(bsSingle);
        SetBorderIcons(TBorderIcons{biSystemMenu});
        SetCaption(FModel.Caption);
        Font()->SetName("Tahoma");
        Font()->SetSize(8);
        BuildControls();
        OnShow = TNotifyEvent(this, &TEffectForm::FormShow);
    }
    // The sliders know where their thumbs stand only once loaded.
    PlaceScaleMarks();
}

TEffectForm::TColumns TEffectForm::MeasureColumns() {
    // Measured in the dialog's own font, so no caption is cut whatever face stands in for it.
    TBitmap probe(1, 1);
    TCanvas* canvas = probe.Canvas();
    canvas->Font()->Assign(Font());
    TColumns columns;
    columns.Caption = FModel.Presets.empty() ? 0 : canvas->TextWidth(StripHotkey("&Presets:"));
    const int digit = canvas->TextWidth("0");
    for (const TEffectParameter& p : FModel.Parameters) {
        if (p.Kind == TParameterKind::Band) continue;
        columns.Caption = std::max(columns.Caption, canvas->TextWidth(StripHotkey(p.Caption)));
        columns.MinText = std::max(columns.MinText, canvas->TextWidth(p.MinText));
        columns.MaxText = std::max(columns.MaxText, canvas->TextWidth(p.MaxText));
        columns.Edit = std::max(columns.Edit, digit * (p.EditLength + 1) + 10);
    }
    for (const TScaleMark& mark : FModel.ScaleMarks)
        columns.Scale = std::max(columns.Scale, canvas->TextWidth(mark.Caption));
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
    const int bandCount = static_cast<int>(
        std::count_if(FModel.Parameters.begin(), FModel.Parameters.end(),
                      [](const TEffectParameter& p) { return p.Kind == TParameterKind::Band; }));
    int rowWidth = anySlider ? col.Caption + CaptionGap + col.MinText + TextGap + SliderWidth + TextGap +
                                   col.MaxText + Gap + col.Edit
                             : col.Caption + Gap + col.Edit;
    if (bandCount > 0) rowWidth = col.Scale + Gap + bandCount * BandPitch;
    const bool grouped = !FModel.Groups.empty() || !FModel.PresetGroup.empty();
    const int groupExtra = grouped ? 2 * GroupPadding : 0;
    const int buttonsWidth = 4 * ButtonWidth + 3 * ButtonGap + 3 * Gap;
    const int clientWidth = std::max(rowWidth + groupExtra, buttonsWidth) + 2 * Margin;

    FParameters.resize(FModel.Parameters.size());
    FGroups.assign(FModel.Groups.size(), nullptr);
    int y =
        bandCount > 0 ? BuildBands(Margin, col, clientWidth) : BuildRows(Margin, col, rowWidth, clientWidth);
    if (!FModel.Presets.empty()) y = BuildPresets(y + 6, col, clientWidth);
    BuildButtons(y, clientWidth);
    for (const TParameterControls& c : FParameters) {
        TWinControl* first = c.Slider != nullptr && c.Edit == nullptr ? static_cast<TWinControl*>(c.Slider)
                                                                      : static_cast<TWinControl*>(c.Edit);
        SetActiveControl(first);
        break;
    }
}

// Rows of parameters, one under the other, some in group boxes: caption | min | slider | max | edit.
int TEffectForm::BuildRows(int y, const TColumns& col, int rowWidth, int clientWidth) {
    using namespace effect_form_detail;
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
                group = MakeGroup(groupIndex, y, clientWidth);
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
            c.Slider = MakeSlider(p, "ImageSlider" + p.Name, parent,
                                  RECT{sliderX, top, sliderX + SliderWidth, top + SliderHeight});
            c.MinLabel =
                MakeLabel(this, parent, labelName + "Min", p.MinText,
                          RECT{minX, top + 5, minX + col.MinText, top + 5 + LabelHeight}, taRightJustify);
            c.MaxLabel =
                MakeLabel(this, parent, labelName + "Max", p.MaxText,
                          RECT{maxX, top + 5, maxX + col.MaxText, top + 5 + LabelHeight}, taLeftJustify);
            c.Edit = Make<TEdit>(this, parent, "Edit" + p.Name,
                                 RECT{editX, top + 2, editX + col.Edit, top + 2 + EditHeight});
            c.Edit->OnChange = TNotifyEvent(this, &TEffectForm::EditChange);
            if (p.Signed) c.Edit->OnKeyPress = TKeyPressEvent(this, &TEffectForm::EditKeyPress);
        }
        c.Edit->SetMaxLength(p.EditLength);
        c.Label->SetFocusControl(c.Edit);
        const bool checkedOnExit =
            FModel.OkCheck && FModel.OkCheck->OnExit && FModel.OkCheck->Parameter == static_cast<int>(i);
        if (c.Slider != nullptr || checkedOnExit) c.Edit->OnExit = TNotifyEvent(this, &TEffectForm::EditExit);
        const int pitch = p.Kind == TParameterKind::PlainEdit ? EditRowPitch : SliderRowPitch;
        if (group != nullptr)
            rowY += pitch;
        else
            y += pitch;
    }
    closeGroup();
    return y;
}

// Bands side by side in their group box: the scale marks on the left, each upright slider with its
// band's name under it.
int TEffectForm::BuildBands(int y, const TColumns& col, int clientWidth) {
    using namespace effect_form_detail;
    const int groupIndex = FModel.Parameters.front().Group;
    TWinControl* parent = this;
    int x0 = Margin, top = y;
    TGroupBox* group = nullptr;
    if (groupIndex >= 0) {
        group = MakeGroup(groupIndex, y, clientWidth);
        parent = group;
        x0 = GroupPadding;
        top = GroupCaptionSpace;
    }
    const int bandsX = x0 + col.Scale + Gap;
    int band = 0;
    for (std::size_t i = 0; i < FModel.Parameters.size(); ++i) {
        const TEffectParameter& p = FModel.Parameters[i];
        TParameterControls& c = FParameters[i];
        const int x = bandsX + band++ * BandPitch;
        const int sliderX = x + (BandPitch - BandSliderWidth) / 2;
        c.Slider = MakeSlider(p, p.Name, parent,
                              RECT{sliderX, top, sliderX + BandSliderWidth, top + BandSliderHeight});
        c.Label = MakeLabel(
            this, parent, p.LabelName.empty() ? "Label" + p.Name : p.LabelName, p.Caption,
            RECT{x, top + BandSliderHeight + 2, x + BandPitch, top + BandSliderHeight + 2 + LabelHeight},
            taCenter);
    }
    // The marks go on the thumbs' centre lines at their values (PlaceScaleMarks).
    for (const TScaleMark& mark : FModel.ScaleMarks) {
        TLabel* label = MakeLabel(this, parent, mark.Name, mark.Caption,
                                  RECT{x0, top, x0 + col.Scale, top + LabelHeight}, taRightJustify);
        label->OnDblClick = TNotifyEvent(this, &TEffectForm::ScaleMarkDblClick);
        FScaleMarks.push_back(label);
    }
    const int bottom = top + BandSliderHeight + 2 + LabelHeight;
    if (group == nullptr) return bottom + Gap;
    group->SetHeight(bottom + GroupPadding / 2);
    return group->Top() + group->Height() + Gap;
}

// "&Presets:" and the preset list, in a group box of their own where the dialog has one.
int TEffectForm::BuildPresets(int y, const TColumns& col, int clientWidth) {
    using namespace effect_form_detail;
    TWinControl* parent = this;
    int x0 = Margin, right = clientWidth - Margin, top = y;
    TGroupBox* group = nullptr;
    if (!FModel.PresetGroup.empty()) {
        group =
            Make<TGroupBox>(this, this, "GroupBoxPresets", RECT{Margin, y, clientWidth - Margin, y + 100});
        group->SetCaption(FModel.PresetGroup);
        FPresetGroup = group;
        parent = group;
        x0 = GroupPadding;
        right = clientWidth - 2 * Margin - GroupPadding;
        top = GroupCaptionSpace;
    }
    const int comboX = x0 + col.Caption + Gap;
    LabelPreset =
        MakeLabel(this, parent, "LabelPreset",
                  "&Presets:", RECT{x0, top + 3, x0 + col.Caption, top + 3 + LabelHeight}, taLeftJustify);
    ComboBoxPreset =
        Make<TComboBox>(this, parent, "ComboBoxPreset", RECT{comboX, top, right, top + EditHeight});
    ComboBoxPreset->SetStyle(csDropDownList);
    ComboBoxPreset->SetDropDownCount(16);
    ComboBoxPreset->Items()->Add("Select Preset");
    for (const TEffectPreset& preset : FModel.Presets)
        ComboBoxPreset->Items()->Add(preset.Caption);
    ComboBoxPreset->SetItemIndex(0);
    ComboBoxPreset->OnChange = TNotifyEvent(this, &TEffectForm::ComboBoxPresetChange);
    LabelPreset->SetFocusControl(ComboBoxPreset);
    if (group == nullptr) return y + EditHeight + 12;
    group->SetHeight(top + EditHeight + GroupPadding);
    return group->Top() + group->Height() + Gap;
}

// A line, then Preview on the left apart from the three buttons that end the dialog; tab order as they
// stand.
void TEffectForm::BuildButtons(int y, int clientWidth) {
    using namespace effect_form_detail;
    Bevel = Make<TBevel>(this, this, "Bevel", RECT{Margin, y, clientWidth - Margin, y + 2});
    Bevel->SetShape(bsTopLine);
    y += 12;
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
}

void TEffectForm::PlaceScaleMarks() {
    if (FScaleMarks.empty()) return;
    const TImageSlider* band = FParameters.front().Slider;
    const RECT thumb = band->ThumbRect();
    const int thumbCentre = (thumb.bottom - thumb.top) / 2;
    for (std::size_t m = 0; m < FScaleMarks.size(); ++m) {
        TLabel* label = FScaleMarks[m];
        const int centre = band->Top() + band->ValueToPos(FModel.ScaleMarks[m].Value) + thumbCentre;
        label->SetTop(centre - label->Height() / 2);
    }
}

TGroupBox* TEffectForm::MakeGroup(int Index, int y, int clientWidth) {
    using namespace effect_form_detail;
    TGroupBox* group = Make<TGroupBox>(this, this, "GroupBox" + std::to_string(Index + 1),
                                       RECT{Margin, y, clientWidth - Margin, y + 100});
    group->SetCaption(FModel.Groups[Index]);
    FGroups[Index] = group;
    return group;
}

TImageSlider* TEffectForm::MakeSlider(const TEffectParameter& p, const std::string& name, TWinControl* parent,
                                      RECT bounds) {
    using namespace effect_form_detail;
    auto* slider = new TImageSlider(this);
    slider->SetName(name);
    if (p.Kind == TParameterKind::Band) slider->SetOrientation(soVertical);
    slider->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    slider->SetParent(parent);
    slider->SetIncrement(1);
    slider->SetRange(p.MinValue, p.MaxValue);
    slider->SetOptions(TSliderOptions{soShowFocus, soSmooth});
    slider->OnChange = TNotifyEvent(this, &TEffectForm::ImageSliderChange);
    return slider;
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

void TEffectForm::Bind(int i, TLabel*& Label, TImageSlider*& Slider) {
    Label = FParameters[i].Label;
    Slider = FParameters[i].Slider;
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
            FParameters[i].Edit->SetText(IntToStr(value));
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
        if (c.Edit != nullptr) c.Edit->SetReadOnly(!Enabled);
    }
    for (TLabel* mark : FScaleMarks)
        mark->SetEnabled(Enabled);
    for (TControl* control : {static_cast<TControl*>(LabelPreset), static_cast<TControl*>(ComboBoxPreset),
                              static_cast<TControl*>(ButtonOK), static_cast<TControl*>(ButtonCancel),
                              static_cast<TControl*>(ButtonHelp), static_cast<TControl*>(ButtonPreview)})
        if (control != nullptr) control->SetEnabled(Enabled);
}

// ---- Showing ----------------------------------------------------------------------------------------------

void TEffectForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    for (std::size_t i = 0; i < FParameters.size(); ++i)
        if (FParameters[i].Edit != nullptr && !FModel.Parameters[i].Signed)
            FParameters[i].Edit->SetNumbersOnly(true);
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
    if (i < 0 || FParameters[i].Slider == nullptr || FParameters[i].Edit == nullptr) return;
    TEdit* edit = FParameters[i].Edit;
    const std::string text = IntToStr(FParameters[i].Slider->Value());
    // Writing the same text again would move the caret of an edit the user is typing in; a new text
    // ("-0" becoming "0") leaves the caret at its end, where the typing goes on.
    if (edit->Text() == text) return;
    edit->SetText(text);
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
    if (i < 0) return;
    if (FParameters[i].Slider == nullptr) {
        CheckOnExit(i);
        return;
    }
    TEdit* edit = FParameters[i].Edit;
    const TImageSlider* slider = FParameters[i].Slider;
    int value = 0;
    if (!effect_form_detail::ParseWhole(edit->Text(), value) || value < slider->MinValue())
        edit->SetText(IntToStr(slider->MinValue()));
    else if (value > slider->MaxValue())
        edit->SetText(IntToStr(slider->MaxValue()));
}

void TEffectForm::EditKeyPress(TObject* Sender, TKeyChar& Key) {
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) SignedEditKeyPress(edit, Key);
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
            FParameters[i].Edit->SetText(IntToStr(preset.Values[i]));
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
    const std::string message = CheckMessage(StrToInt(edit->Text()));
    if (!message.empty()) {
        if (edit->CanFocus()) edit->SetFocus();
        ShowEffectError(message);
        return;
    }
    SetModalResult(mrOk);
}

std::string TEffectForm::CheckMessage(int Value) const {
    const TOkCheck& check = *FModel.OkCheck;
    if (Value > check.Max) return check.Message;
    if (Value < check.Min) return check.BelowMessage.empty() ? check.Message : check.BelowMessage;
    return {};
}

void TEffectForm::CheckOnExit(int i) {
    if (!FModel.OkCheck || !FModel.OkCheck->OnExit || FModel.OkCheck->Parameter != i) return;
    // Going to OK, whose own check follows, the user would be told twice; going to Cancel, a refused
    // value must not keep the user from leaving. (The control taking the focus is already the active
    // one.)
    // Clicking the preset list, the user reaches for the means to mend the value: telling them again
    // there would keep them from it. (Tabbing on is leaving the edit, and is checked.)
    if (ActiveControl() == ButtonOK || ActiveControl() == ButtonCancel ||
        (ComboBoxPreset != nullptr && ActiveControl() == ComboBoxPreset && GetKeyState(VK_LBUTTON) < 0))
        return;
    TEdit* edit = FParameters[i].Edit;
    std::string message;
    try {
        message = CheckMessage(StrToInt(edit->Text()));
    } catch (Exception& e) {
        // Shown as the application shows any error, but here: it must not unwind through the focus
        // change that called us.
        Application()->HandleException(this, &e);
        return;
    }
    if (message.empty()) return;
    // The text stays as typed; the focus goes back to it.
    if (edit->CanFocus()) edit->SetFocus();
    ShowEffectError(message);
}

void TEffectForm::ScaleMarkDblClick(TObject* Sender) {
    for (std::size_t m = 0; m < FScaleMarks.size(); ++m) {
        if (FScaleMarks[m] != Sender) continue;
        for (const TParameterControls& c : FParameters)
            if (c.Slider != nullptr) c.Slider->SetValue(FModel.ScaleMarks[m].Value);
    }
}

void ShowEffectError(const std::string& Text) {
    Application()->MessageBox(Text, Application()->Title(), MB_OK | MB_ICONERROR);
}
