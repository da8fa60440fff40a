// The parameter model of an effect dialog: what a dialog shows and where its values live, as one table
// per dialog. TEffectForm builds the dialog's controls from it and runs the dialog by it.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TGlobalVars;

// How a parameter is shown: an edit alone (its text is the value), a slider with an edit kept in
// step with it (the slider's value is the value), or a band: an upright slider alone with the band's
// name under it (the value is the slider's).
enum class TParameterKind { PlainEdit, SliderWithEdit, Band };

struct TEffectParameter {
    // Names the parameter's controls: Label<Name>, Edit<Name>, ImageSlider<Name>, Label<Name>Min and
    // Label<Name>Max; a band's slider is <Name> itself and its label Label<Name>.
    std::string Name;
    std::string Caption;
    TParameterKind Kind;
    // The slider's range and the texts written at its ends.
    int MinValue = 0, MaxValue = 0;
    std::string MinText, MaxText;
    // Characters the edit takes.
    int EditLength = 0;
    // Signed edits filter the keys typed; the others take digits only.
    bool Signed = false;
    // The settings field that LoadParams reads and StoreParams writes.
    int TGlobalVars::*Field = nullptr;
    // Index into the dialog's groups, -1 for none.
    int Group = -1;
    // The label's name where the dialog calls it otherwise than Label<Name>.
    std::string LabelName{};
};

// A parameter shown by an edit alone.
inline TEffectParameter PlainEdit(std::string Name, std::string Caption, int EditLength,
                                  int TGlobalVars::*Field) {
    return TEffectParameter{std::move(Name),
                            std::move(Caption),
                            TParameterKind::PlainEdit,
                            0,
                            0,
                            {},
                            {},
                            EditLength,
                            false,
                            Field};
}
// A parameter shown by a slider with its edit.
inline TEffectParameter Slider(std::string Name, std::string Caption, std::string MinText,
                               std::string MaxText, int MinValue, int MaxValue, int EditLength,
                               int TGlobalVars::*Field, bool Signed = false, int Group = -1) {
    return TEffectParameter{std::move(Name),
                            std::move(Caption),
                            TParameterKind::SliderWithEdit,
                            MinValue,
                            MaxValue,
                            std::move(MinText),
                            std::move(MaxText),
                            EditLength,
                            Signed,
                            Field,
                            Group};
}

// A band of a graphic equalizer: its slider is named Name, its caption written under it.
inline TEffectParameter Band(std::string Name, std::string Caption, int MinValue, int MaxValue,
                             int TGlobalVars::*Field, int Group) {
    return TEffectParameter{std::move(Name),
                            std::move(Caption),
                            TParameterKind::Band,
                            MinValue,
                            MaxValue,
                            {},
                            {},
                            0,
                            false,
                            Field,
                            Group};
}

// A label on the bands' scale, beside the value it names; a double click on it sets every band to it.
struct TScaleMark {
    std::string Name;
    std::string Caption;
    int Value = 0;
};

// A preset item: one value per parameter, in parameter order (plain edits get the value's text).
struct TEffectPreset {
    std::string Caption;
    std::vector<int> Values;
};

// What OK does (the three forms of the effect dialogs).
enum class TOkForm {
    CloseAtOnce, // OK closes with the OK result, nothing else
    FocusFirst,  // OK takes the focus first, so the edit being left clamps its text into its slider
    CheckFirst,  // OK closes only when the check below passes
};

// The check of a CheckFirst dialog: parameter Parameter's edit must lie within Min .. Max. The message
// says what is wrong; BelowMessage, where given, replaces it for a value below Min. With OnExit the
// edit is checked also when it loses the focus, which then returns to it.
struct TOkCheck {
    int Parameter = 0;
    int Min = 0;
    int Max = 0;
    std::string Message;
    std::string BelowMessage{};
    bool OnExit = false;
};

struct TEffectDialogModel {
    std::string Caption;
    // Stored in PreviewOperationTypes by StoreParams; -1 for a dialog without preview, which stores none.
    int Identifier = -1;
    TOkForm OkForm = TOkForm::FocusFirst;
    std::vector<std::string> Groups; // captions of the group boxes parameters may sit in
    std::vector<TEffectParameter> Parameters;
    std::vector<TEffectPreset> Presets; // item 0 "Select Preset" comes first and is not listed;
                                        // a dialog without presets has no preset controls
    std::optional<TOkCheck> OkCheck;
    // The marks on the scale beside the bands (dialogs with bands only).
    std::vector<TScaleMark> ScaleMarks{};
    // The caption of a group box around the preset controls; none when empty.
    std::string PresetGroup{};

    bool HasPreview() const { return Identifier > 0; }
};
