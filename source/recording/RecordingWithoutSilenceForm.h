// TRecordingWithoutSilenceForm: "Recording without silence" — the levels (dB) and times (ms) at which
// recording without silence starts keeping sound (attack) and stops keeping it (release).
#pragma once

#include "platform/vcl/Form.h"

class TButton;
class TEdit;
class TGroupBox;
class TLabel;
struct TGlobalVars;

class TRecordingWithoutSilenceForm : public TForm {
public:
    explicit TRecordingWithoutSilenceForm(TComponent* AOwner);

    TGroupBox *GroupBoxAttack = nullptr, *GroupBoxRelease = nullptr;
    TEdit *EditAttackTime = nullptr, *EditAttackLevel = nullptr;
    TEdit *EditReleaseTime = nullptr, *EditReleaseLevel = nullptr;
    TButton *ButtonOK = nullptr, *ButtonCancel = nullptr, *ButtonHelp = nullptr;

    // The four settings as decimal text, and back (raising the conversion error of a text that is no
    // whole number; what was stored before stays).
    void LoadParams(const TGlobalVars& Vars);
    void StoreParams(TGlobalVars& Vars) const;

    void FormShow(TObject* Sender);
    void ButtonOKClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
    // The key filter of edits that take signed numbers.
    void EditLevelKeyPress(TObject* Sender, TKeyChar& Key);

private:
    // Whether the level edit holds a number in -90..0; otherwise the focus goes there and `Message`
    // is shown.
    bool CheckLevel(TEdit* Edit, const char* Message);
};
