#include "source/help/AboutForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/PageControl.h"
#include "source/ArtworkGlyphs.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/ShellOpen.h"
#include "source/dialogs/DialogSupport.h"

#include <memory>

namespace about_form_detail {

TTabSheet* AddPage(TFormAbout* Form, TPageControl* Pages, const char* Name, const char* Caption) {
    auto* page = new TTabSheet(Form);
    page->SetName(Name);
    page->SetCaption(Caption);
    page->SetPageControl(Pages);
    return page;
}

TLabel* BoldLabel(TFormAbout* Form, TWinControl* Parent, const std::string& Caption, int Left, int Top) {
    TLabel* label = AddLabel(Form, Parent, Caption, Left, Top);
    label->Font()->SetStyle(TFontStyles{fsBold});
    return label;
}

} // namespace about_form_detail

TFormAbout::TFormAbout(TComponent* AOwner) : TForm(AOwner) {
    using namespace about_form_detail;
    TComponentLoading loading(this);
    SetName("FormAbout");
    SetUpDialogForm(*this, "About ", 420, 250);

    PageControl = new TPageControl(this);
    PageControl->SetName("PageControl");
    PageControl->SetBounds(8, 8, 404, 200);
    PageControl->SetParent(this);
    TabSheetAbout = AddPage(this, PageControl, "TabSheetAbout", "About");
    TabSheetUpdate = AddPage(this, PageControl, "TabSheetUpdate", "Update");

    ImageLogo = new TImage(this);
    ImageLogo->SetName("ImageLogo");
    ImageLogo->SetBounds(16, 16, 48, 48);
    ImageLogo->SetParent(TabSheetAbout);
    DrawProgressPicture(*ImageLogo);
    LabelTitle = BoldLabel(this, TabSheetAbout, "", 80, 32);
    LabelTitle->SetName("LabelTitle");

    BoldLabel(this, TabSheetUpdate, "Check for update", 16, 14);
    TLabel* note =
        AddLabel(this, TabSheetUpdate,
                 "To ensure you're using the latest version, click on the \r\nUpdates button below.", 16, 36);
    note->SetName("LabelNote");
    auto* product = new TGroupBox(this);
    product->SetName("GroupBoxProduct");
    product->SetCaption("Product information");
    product->SetBounds(16, 72, 368, 50);
    product->SetParent(TabSheetUpdate);
    LabelProductVersion = AddLabel(this, product, "", 12, 22);
    LabelProductVersion->SetName("LabelProductVersion");
    ButtonUpdates = AddDialogButton(this, TabSheetUpdate, "&Updates...", 16, 134);
    ButtonUpdates->SetName("ButtonUpdates");
    ButtonUpdates->SetWidth(90);
    ButtonUpdates->OnClick = TNotifyEvent(this, &TFormAbout::ButtonUpdatesClick);

    AddDialogButton(this, this, "&OK", 337, 218, mrOk)->SetCancel(true);
    PageControl->SetActivePage(TabSheetAbout);
    OnShow = TNotifyEvent(this, &TFormAbout::FormShow);
}

void TFormAbout::ShowVersion(const std::string& Version) {
    const std::string title = Application()->Title();
    LabelTitle->SetCaption(title + " version: " + Version);
    LabelProductVersion->SetCaption(title + " " + Version);
}

void TFormAbout::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TFormAbout::ButtonUpdatesClick(TObject*) {
    OpenWithShell(GlobalVars().UpgradeWebPage);
}

void RunAboutBox(TCustomForm& Owner) {
    std::unique_ptr<TFormAbout> box(TCustomForm::New<TFormAbout>(&Owner));
    box->ShowVersion(ReadVersionText());
    CenterOnOwner(*box, Owner);
    box->ShowModal();
}
