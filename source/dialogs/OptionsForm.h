// "Options": how new files are made, the editor's working folder, automatic playback and the recent
// files list.
#pragma once

#include "platform/vcl/Form.h"

#include <functional>

class TButton;
class TCheckBox;
class TEdit;
class TPageControl;
class TRadioButton;
class TTabSheet;
struct TGlobalVars;

class TOptionsForm : public TForm {
public:
    // The buttons that act at once change `Vars` (the default format, the working folder) and call
    // `ClearRecentList` (the recent files list).
    TOptionsForm(TComponent* AOwner, TGlobalVars& Vars, std::function<void()> ClearRecentList);

    // The controls from the settings, and their enabled states.
    void LoadParams();
    // The controls into the settings.
    void StoreParams();
    void UpdateEnabledStates();

    TPageControl* PageControl = nullptr;
    TTabSheet* TabGeneral = nullptr;
    TTabSheet* TabAudioProcessing = nullptr;
    TRadioButton* RadioButtonPrompt = nullptr;
    TRadioButton* RadioButtonUseDefault = nullptr;
    TButton* ButtonSetDefault = nullptr;
    TButton* ButtonDeleteRecent = nullptr;
    TRadioButton* RadioButtonDefaultFolder = nullptr;
    TRadioButton* RadioButtonSpecifiedFolder = nullptr;
    TEdit* EditFolder = nullptr;
    TButton* ButtonBrowse = nullptr;
    TCheckBox* CheckBoxPlayAfterOpened = nullptr;
    TCheckBox* CheckBoxPlayAfterEdit = nullptr;
    TCheckBox* CheckBoxPlayAfterBookmark = nullptr;
    TCheckBox* CheckBoxPlayAfterRegion = nullptr;
    TButton* ButtonHelp = nullptr;

private:
    void FormShow(TObject* Sender);
    void ChoiceClick(TObject* Sender);
    void ButtonSetDefaultClick(TObject* Sender);
    void ButtonBrowseClick(TObject* Sender);
    void ButtonDeleteRecentClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);

    TGlobalVars& FVars;
    std::function<void()> FClearRecentList;
};
