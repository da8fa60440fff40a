// "Export Region(s)": the folder the regions go to (chosen through the folder browser), the format
// they are written in, and that format's quality dialog.
#pragma once

#include "platform/vcl/Form.h"

class TButton;
class TComboBox;
class TEdit;
struct TGlobalVars;

class TExportRegionForm : public TForm {
public:
    TExportRegionForm(TComponent* AOwner, TGlobalVars& Vars);

    // The folder and format from the settings; a format outside the list shows ".wav", which is
    // what such a setting exports.
    void LoadParams();
    void StoreParams();

    TEdit* EditFolder = nullptr;
    TButton* ButtonBrowse = nullptr;
    TComboBox* ComboBoxFormat = nullptr;
    TButton* ButtonFormatSettings = nullptr;

private:
    void FormShow(TObject* Sender);
    void ButtonBrowseClick(TObject* Sender);
    void ButtonFormatSettingsClick(TObject* Sender);

    TGlobalVars& FVars;
};
