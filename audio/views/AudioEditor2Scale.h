// One of the sound editor's two scales: the time scale along the bottom (format 1 sample numbers,
// 2 decimal time m:ss.dddd) or the amplitude scale at the left (format 1 sample values, 2 normalized
// values, 3 decibels; in the spectral view it shows frequencies). Setters in the order callers know
// them: font, format, visibility, size.
#pragma once

#include <functional>
#include <memory>

class TFont;

class TAudioEditor2Scale {
public:
    enum TKind { Time, Amplitude };
    explicit TAudioEditor2Scale(TKind kind);
    ~TAudioEditor2Scale();

    TKind Kind() const { return FKind; }
    // The font's name, size and colour draw the labels and ticks; the scale keeps a copy.
    void SetFont(TFont* font);
    TFont& Font() const { return *FFont; }
    // Time: 1 or 2; amplitude: 1, 2 or 3. Raises EAudioError for other values.
    void SetFormat(int format);
    int GetFormat() const { return FFormat; }
    // -1 (or any non-zero value) shows the scale, 0 hides it.
    void SetVisible(int visible);
    bool GetVisible() const { return FVisible; }
    // The scale's thickness in pixels (the time scale's height, the amplitude scale's width); 0 lets
    // the scale fit its font and labels. Kept within 12..200 pixels.
    void SetSize(int pixels);
    int GetSize() const { return FSize; }

    std::function<void()> OnChange;

private:
    void Changed();
    TKind FKind;
    std::unique_ptr<TFont> FFont;
    int FFormat;
    bool FVisible = true;
    int FSize = 0;
};
