// The About box: the program's title and version on the "About" page, and on the "Update" page the
// way to the page with the newest version.
#pragma once

#include "platform/vcl/Form.h"

class TButton;
class TImage;
class TLabel;
class TPageControl;
class TTabSheet;

class TFormAbout : public TForm {
public:
    explicit TFormAbout(TComponent* AOwner);

    // Shows the version text (from the version file) on both pages.
    void ShowVersion(const std::string& Version);

    TPageControl* PageControl = nullptr;
    TTabSheet* TabSheetAbout = nullptr;
    TTabSheet* TabSheetUpdate = nullptr;
    TImage* ImageLogo = nullptr;
    TLabel* LabelTitle = nullptr;
    TLabel* LabelProductVersion = nullptr;
    TButton* ButtonUpdates = nullptr;

private:
    void FormShow(TObject* Sender);
    void ButtonUpdatesClick(TObject* Sender);
};

// The About command: the box centred on `Owner`, modal, freed afterwards.
void RunAboutBox(TCustomForm& Owner);
