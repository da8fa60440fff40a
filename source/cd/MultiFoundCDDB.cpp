#include "source/cd/MultiFoundCDDB.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Screen.h"
#include "source/UiFont.h"

namespace multi_found_cddb_detail {

template <class T> T* Place(TForm* Form, int Left, int Top, int Width, int Height) {
    auto* control = new T(Form);
    control->SetBounds(Left, Top, Width, Height);
    control->SetParent(Form);
    return control;
}

} // namespace multi_found_cddb_detail

TMatchForm::TMatchForm(TComponent* AOwner) : TForm(AOwner) {
    using multi_found_cddb_detail::Place;
    TComponentLoading loading(this);
    SetName("MatchForm");
    SetCaption("Multiple matches found");
    SetBorderStyle(bsDialog);
    SetPosition(poDesigned);
    SetClientSize(312, 226);
    Font()->SetName("Tahoma");
    Font()->SetHeight(-11);

    LabelMatches = Place<TLabel>(this, 8, 8, 296, 13);
    LabelMatches->SetName("LabelMatches");
    LabelMatches->SetCaption("Multiple matches found:");
    LstMatches = Place<TListBox>(this, 8, 26, 296, 158);
    LstMatches->SetName("LstMatches");
    LstMatches->SetStyle(lbOwnerDrawFixed);
    LstMatches->SetItemHeight(24);
    LstMatches->OnDblClick = TNotifyEvent([this](TObject* s) { LstMatchesDblClick(s); }, this);
    ButtonOK = Place<TButton>(this, 70, 193, 75, 25);
    ButtonOK->SetName("ButtonOK");
    ButtonOK->SetCaption("&OK");
    ButtonOK->SetDefault(true);
    ButtonOK->SetModalResult(mrOk);
    ButtonCancel = Place<TButton>(this, 151, 193, 153, 25);
    ButtonCancel->SetName("ButtonCancel");
    ButtonCancel->SetCaption("&I don't like any of them");
    ButtonCancel->SetModalResult(mrCancel);
    OnShow = TNotifyEvent([this](TObject* s) { FormShow(s); }, this);
}

void TMatchForm::FormShow(TObject*) {
    ApplyUiFont(this, "Tahoma", Screen()->HintFont()->Name());
    if (LstMatches->Items()->Count() > 0) LstMatches->SetItemIndex(0);
}

void TMatchForm::LstMatchesDblClick(TObject*) {
    SetModalResult(mrOk);
}
