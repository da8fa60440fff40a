// TEffectCommands: how the main window applies effects and previews them. The main window owns one
// and forwards its effect actions to it; the effect dialogs reach it as their TEffectDialogHost.
//
// A command with a dialog runs: stop the editor if busy; select everything when nothing is selected;
// the dialog, owned by and centred on the main window, filled from the settings record; on OK the
// dialog stores its values; a preview that still plays stops (on every way out); the dialog is freed;
// then, when accepted, the effect is applied to the selection with the stored values, the document is
// marked modified and, when "play after edit" is set, played.
//
// The preview plays the selection through the main window's in-memory processor and preview player, in
// the document's sample rate and channel count, with the effect and parameters the dialog stored last
// (PreviewOperationTypes). A device that does not open shows "Starting audio device error."; a computation
// that yields nothing shows "Preview Transform Buffer error."; in both cases nothing plays and Previewing
// stays false. A processor error (a parameter it refuses) stops the preview and goes on to the caller.
#pragma once

#include "source/effects/EffectHost.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TAudioEditor2;
class TAudioPlayer2;
class TAudioTransform2;
class TComponent;
class TEffectForm;

class TEffectCommands : public TEffectDialogHost {
public:
    // The processor and the player are the main window's; the player's end event becomes StopPreview.
    TEffectCommands(TAudioEditor2& Editor, TAudioTransform2& Transform, TAudioPlayer2& Player,
                    TEffectHost& Host);
    ~TEffectCommands() override;
    TEffectCommands(const TEffectCommands&) = delete;
    TEffectCommands& operator=(const TEffectCommands&) = delete;

    // ---- Commands with a dialog; each answers whether the effect was applied.
    bool Amplify();        // "&Amplify..."
    bool Normalize();      // "&Normalize..."
    bool Compressor();     // "Dynamic Range Co&mpressor..."
    bool Echo();           // "Ech&o..."
    bool Reverb();         // "&Reverb..."
    bool CrossFade();      // "CrossFade..."
    bool MixStereo();      // "&Mix Stereo Channels..."
    bool NoiseReduction(); // "&Noise Reduction..."
    bool Phaser();         // "Phaser..."
    bool Flanger();        // "Flanger..."
    bool Chorus();         // "Chorus..."
    bool HighPass();       // "&High-Pass Filter..."
    bool Equalizer();      // "E&qualizer"
    bool Envelope();       // "En&velope..."
    bool SpeedChange();    // "S&peed Change..."
    bool PitchChange();    // "&Pitch Change..."
    // The ribbon's filter and modulation buttons.
    bool Vibrato();   // "Vibrato"
    bool PeakEQ();    // "Peak EQ"
    bool Notch();     // "Notch Filter"
    bool BandPass();  // "Band Pass"
    bool LowPass();   // "Low Pass"
    bool LowShelf();  // "Low Shelf"
    bool HighShelf(); // "High Shelf"

    // ---- Commands without a dialog
    void Reverse(); // "Re&verse"
    void FadeIn();  // "&Fade In"
    void FadeOut(); // "&Fade Out"
    // The ribbon's one-click buttons.
    void Invert();                    // "Invert"
    void CassetteNoiseReduction();    // "Cassette Noise Reduction": -13 dB, 99 %, 55 ms
    void VoiceBreathNoiseReduction(); // "Voice Breath Noise Reduction": -30 dB, 25 %, 30 ms

    // ---- The road, for the dialogs of other commands
    using TMakeDialog = std::function<TEffectForm*(TComponent* Owner)>;
    // Runs a dialog command: MakeDialog builds the dialog (owned by Owner, with this object as its host);
    // Apply applies the effect once the dialog stored its values and is gone. ReadBack, where given,
    // takes what else the effect needs from the accepted dialog while it still exists. Fill, where given,
    // puts the values into the dialog's controls in place of the settings record (a favourite's run).
    // Answers whether the effect was applied.
    // Confirm, where given, runs once the dialog stored its values: false takes the user back to the
    // dialog (a level that would clip, refused).
    bool RunDialogCommand(const TMakeDialog& MakeDialog, const std::function<void()>& Apply,
                          const std::function<void(TEffectForm& Dialog)>& ReadBack = nullptr,
                          const std::function<void(TEffectForm& Dialog)>& Fill = nullptr,
                          const std::function<bool()>& Confirm = nullptr);
    // The largest sample magnitude of the selection (1 is full scale), from the blocks' summaries.
    double SelectionPeak() const;
    // Where the result would pass full scale: says so with the peak it would reach and asks whether to
    // go on. True to go on (or when nothing would clip).
    bool ConfirmClipping(double ResultPeak) const;
    // Runs a command without a dialog: stop, select all if empty, Apply, modified, play after edit.
    void RunWithoutDialog(const std::function<void()>& Apply);
    // The effect Id on the selection with the parameters stored in the settings record.
    void ApplyStoredEffect(int Id);
    // After an effect: the document is marked modified and played when "play after edit" is set.
    void EffectApplied();

    // ---- Preview (TEffectDialogHost)
    void StartPreview() override;
    void StopPreview() override;
    bool Previewing() const override { return FPreviewing; }
    void ClearPreviewing() override { FPreviewing = false; }
    bool TransformBusy() const override { return FHost.TransformBusy(); }
    int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) override;

    // Runs the effect of PreviewOperationTypes over Samples in the document's format; any other value
    // leaves them as they are. False, after the error box and StopPreview, when nothing came out.
    bool PreviewTransform(std::vector<float>& Samples);
    // Frames of the selection when the preview started.
    std::int64_t PreviewLength() const { return FPreviewLength; }

private:
    TAudioEditor2& FEditor;
    TEffectHost& FHost;
    TAudioTransform2& FTransform;
    TAudioPlayer2& FPlayer;
    bool FPreviewing = false;
    bool FStopping = false;
    std::int64_t FPreviewLength = 0;
};
