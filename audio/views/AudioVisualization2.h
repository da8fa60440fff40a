// The spectrum display: shows the frames last put into it either as their wave shape (VisType 0) or
// as their spectrum in one of five looks: 1 linear (a line over a linear frequency axis), and bars over
// a logarithmic frequency axis in 2 normal, 3 fire, 4 glass and 5 kryptonite colours. The spectrum is
// the average of half-overlapping windows of WindowArraySize frames over the channels' mix, in dB
// relative to a full-scale sine, 0 dB at the top and -100 dB at the bottom.
#pragma once

#include "audio/views/PlotControl.h"

#include <memory>
#include <vector>

class TAudioVisualization2 : public TPlotControl {
public:
    static constexpr double TopDb = 0, BottomDb = -100;

    explicit TAudioVisualization2(TComponent* AOwner);
    ~TAudioVisualization2() override;

    // 0 the wave shape, 1 linear, 2 normal, 3 fire, 4 glass, 5 kryptonite; raises EAudioError otherwise.
    int VisType() const { return FVisType; }
    void SetVisType(int Value);
    // The FFT size: 256, 1024 or 4096; raises EAudioError otherwise.
    int WindowArraySize() const { return FWindowArraySize; }
    void SetWindowArraySize(int Value);
    // The FFT window: 0 Hann, 1 Hamming, 2 Blackman, 3 rectangular; raises EAudioError otherwise.
    int WindowFFTType() const { return FWindowFFTType; }
    void SetWindowFFTType(int Value);

    // Interleaved frames of `channels` channels at `sampleRate` (the editor's GetSamples gives them);
    // the display keeps what it needs and draws again.
    void PutArray(const std::vector<float>& samples, int channels, int sampleRate);

    // What the pointer at (X, Y) of the client area reads: frequency in Hz (for VisType 0 the frame
    // number) and level in dB. False outside the plot.
    bool ValuesAt(int X, int Y, int& XValue, int& YValue);
    // The spectrum (dB per bin) and the mix shown.
    const std::vector<float>& Levels() const { return FLevels; }
    int SampleRate() const { return FSampleRate; }

    // Raised as the pointer moves over the plot, with its position and what it reads there. It takes
    // the place of the control's own mouse-move event.
    using TVisualizationMouseMoveEvent = TEvent<TObject*, int, int, int, int>; // Sender, X, Y, XValue, YValue
    TVisualizationMouseMoveEvent OnMouseMove;

protected:
    std::string WidestLeftLabel() const override { return "-100"; }
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void Analyze();
    bool LogAxis() const { return FVisType >= 2; }
    // Frequency <-> position along the plot's width (0..1).
    double FrequencyAt(double fraction) const;
    double FractionOf(double hz) const;
    double LevelAt(double hz) const; // the spectrum between bins
    void PaintGrid(TPixelPainter& painter, const RECT& plot);
    void PaintWave(TPixelPainter& painter, const RECT& plot);
    void PaintLine(TPixelPainter& painter, const RECT& plot);
    void PaintBars(TPixelPainter& painter, const RECT& plot);

    int FVisType = 0;
    int FWindowArraySize = 1024;
    int FWindowFFTType = 0;
    int FSampleRate = 44100;
    int FChannels = 1;
    std::vector<float> FSamples; // as put
    std::vector<float> FLevels;  // dB per bin of the mix
};
