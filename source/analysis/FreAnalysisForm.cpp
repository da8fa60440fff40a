#include "source/analysis/FreAnalysisForm.h"

#include "audio/AudioEditor2.h"
#include "audio/views/AudioVisualization2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "source/GlobalVars.h"
#include "source/dialogs/DialogSupport.h"

namespace fre_analysis_detail {

constexpr const char* ViewTypes[] = {"Analog", "Linear", "Normal", "Fire", "Glass", "Kryptonite"};
constexpr const char* FFTSizes[] = {"256", "1024", "4096"};
constexpr int DesignFFTSize = 1; // "1024"

TComboBox* List(TFreAnalysisForm* Form, const char* Name, int Left, int Width) {
    auto* list = PlaceControl<TComboBox>(Form, Form, Name, Left, 8, Width, 21);
    list->SetStyle(csDropDownList);
    list->OnSelect = TNotifyEvent(Form, &TFreAnalysisForm::ComboBoxClick);
    return list;
}

} // namespace fre_analysis_detail

using namespace fre_analysis_detail;

TFreAnalysisForm::TFreAnalysisForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("FreAnalysisForm");
    SetCaption("Frequency Analysis");
    SetFormStyle(fsStayOnTop);
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetClientSize(542, 273);

    ComboBoxViewType = List(this, "ComboBoxViewType", 42, 96);
    for (const char* type : ViewTypes)
        ComboBoxViewType->Items()->Add(type);
    ComboBoxViewType->SetItemIndex(0);
    LabelType = AddLabel(this, this, "Type:", 8, 11, ComboBoxViewType);
    ComboBoxFFTSize = List(this, "ComboBoxFFTSize", 206, 64);
    for (const char* size : FFTSizes)
        ComboBoxFFTSize->Items()->Add(size);
    ComboBoxFFTSize->SetItemIndex(DesignFFTSize);
    LabelFFTSize = AddLabel(this, this, "FFT Size:", 152, 11, ComboBoxFFTSize);
    LabelFreqTitle = AddLabel(this, this, "Freq:", 288, 11);
    LabelFreq = AddLabel(this, this, "0 Hz", 322, 11);
    LabelFreq->SetName("LabelFreq");
    LabelValueTitle = AddLabel(this, this, "Value:", 420, 11);
    LabelValue = AddLabel(this, this, "0 dB", 460, 11);
    LabelValue->SetName("LabelValue");

    AudioVisualization =
        PlaceControl<TAudioVisualization2>(this, this, "AudioVisualization", 8, 36, 526, 229);
    AudioVisualization->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    AudioVisualization->Font()->SetName("Tahoma");
    AudioVisualization->Font()->SetSize(7);
    AudioVisualization->OnMouseMove = TAudioVisualization2::TVisualizationMouseMoveEvent(
        this, &TFreAnalysisForm::AudioVisualizationMouseMove);

    OnShow = TNotifyEvent(this, &TFreAnalysisForm::FormShow);
    OnClose = TCloseEvent(this, &TFreAnalysisForm::FormClose);
}

void TFreAnalysisForm::ShowAnalysis() {
    const TGlobalVars& settings = GlobalVars();
    SetBounds(settings.FreAnalysisFormLeft, settings.FreAnalysisFormTop, settings.FreAnalysisFormWidth,
              settings.FreAnalysisFormHeight);
    Show();
}

void TFreAnalysisForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    ApplySettings();
}

void TFreAnalysisForm::FormClose(TObject*, TCloseAction& Action) {
    LabelFreq->SetCaption("0 hz");
    LabelValue->SetCaption("0 dB");
    TGlobalVars& settings = GlobalVars();
    settings.FreAnalysisFormLeft = Left();
    settings.FreAnalysisFormTop = Top();
    settings.FreAnalysisFormWidth = Width();
    settings.FreAnalysisFormHeight = Height();
    Action = caHide;
}

void TFreAnalysisForm::ComboBoxClick(TObject*) {
    ApplySettings();
}

void TFreAnalysisForm::ApplySettings() {
    AudioVisualization->SetVisType(ComboBoxViewType->ItemIndex());
    AudioVisualization->SetWindowFFTType(0);
    AudioVisualization->SetWindowArraySize(StrToInt(ComboBoxFFTSize->Text()));
    RefreshAnalysis();
}

void TFreAnalysisForm::RefreshAnalysis() {
    if (!Showing() || FEditor == nullptr || !FEditor->HasDocument()) return;
    const int size = AudioVisualization->WindowArraySize();
    const std::vector<float> samples = FEditor->GetSamples(2 * std::int64_t(size));
    AudioVisualization->PutArray(samples, FEditor->FileInfo().GetChannels(),
                                 FEditor->FileInfo().GetSampleRate());
}

void TFreAnalysisForm::AudioVisualizationMouseMove(TObject*, int, int, int XValue, int YValue) {
    LabelValue->SetCaption(Format("%d dB", {YValue}));
    LabelFreq->SetCaption(Format(AudioVisualization->VisType() != 0 ? "%d hz" : "%d smpl", {XValue}));
}
