// TFreAnalysisForm: "Frequency Analysis" — a window kept on top that shows the spectrum (or the wave
// shape) of the sound at the editor's position through the spectrum display. It is made once at start,
// shown by the Frequency Analysis command and hidden, not freed, when closed; while hidden it reads
// nothing from the editor.
#pragma once

#include "platform/vcl/Form.h"

class TAudioEditor2;
class TAudioVisualization2;
class TComboBox;
class TLabel;

class TFreAnalysisForm : public TForm {
public:
    explicit TFreAnalysisForm(TComponent* AOwner);

    // The editor whose sound is shown (the main window's); null shows nothing.
    void SetAudioEditor(TAudioEditor2* Editor) { FEditor = Editor; }

    // The Frequency Analysis command: the window takes its place from the settings and is shown.
    void ShowAnalysis();
    // Shows the sound at the editor's position when the window is showing: twice the FFT size of
    // frames. The main window calls it after every position and play-position event of the editor.
    void RefreshAnalysis();
    // The look and FFT size of the lists go to the display, which then shows the sound again.
    void ApplySettings();

    TAudioVisualization2* AudioVisualization = nullptr;
    TLabel* LabelType = nullptr;
    TComboBox* ComboBoxViewType = nullptr;
    TLabel* LabelFFTSize = nullptr;
    TComboBox* ComboBoxFFTSize = nullptr;
    TLabel *LabelFreqTitle = nullptr, *LabelFreq = nullptr;
    TLabel *LabelValueTitle = nullptr, *LabelValue = nullptr;

    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ComboBoxClick(TObject* Sender);
    void AudioVisualizationMouseMove(TObject* Sender, int X, int Y, int XValue, int YValue);

private:
    TAudioEditor2* FEditor = nullptr;
};
