#include "source/dialogs/EditID3Form.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Memo.h"
#include "source/dialogs/DialogSupport.h"

#include <string>

namespace {

TEdit* AddTagEdit(TCustomForm* Form, const char* Name, const char* Caption, int Top) {
    auto* edit = new TEdit(Form);
    edit->SetName(Name);
    edit->SetBounds(80, Top, 272, 21);
    edit->SetParent(Form);
    AddLabel(Form, Form, Caption, 12, Top + 3, edit);
    return edit;
}

} // namespace

TEditID3Form::TEditID3Form(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("EditID3Form");
    SetUpDialogForm(*this, "Edit Audio Tags", 364, 262);

    EditTitle = AddTagEdit(this, "EditTitle", "&Title:", 12);
    EditArtist = AddTagEdit(this, "EditArtist", "&Artist:", 40);
    EditAlbum = AddTagEdit(this, "EditAlbum", "Al&bum:", 68);
    ComboBoxGenre = new TComboBox(this);
    ComboBoxGenre->SetName("ComboBoxGenre");
    ComboBoxGenre->SetStyle(csDropDownList);
    ComboBoxGenre->SetDropDownCount(16);
    ComboBoxGenre->SetBounds(80, 96, 160, 21);
    ComboBoxGenre->SetParent(this);
    AddLabel(this, this, "&Genre:", 12, 99, ComboBoxGenre);
    EditYear = new TEdit(this);
    EditYear->SetName("EditYear");
    EditYear->SetMaxLength(6);
    EditYear->SetBounds(292, 96, 60, 21);
    EditYear->SetParent(this);
    AddLabel(this, this, "&Year:", 258, 99, EditYear);
    MemoComment = new TMemo(this);
    MemoComment->SetName("MemoComment");
    MemoComment->SetBounds(80, 124, 272, 90);
    MemoComment->SetScrollBars(ssVertical);
    MemoComment->SetParent(this);
    AddLabel(this, this, "&Comment:", 12, 127, MemoComment);

    ButtonOK = AddDialogButton(this, this, "OK", 196, 228);
    ButtonOK->SetDefault(true);
    ButtonOK->OnClick = TNotifyEvent(this, &TEditID3Form::ButtonOKClick);
    AddDialogButton(this, this, "Cancel", 277, 228, mrCancel);
    SetActiveControl(EditTitle);
    OnShow = TNotifyEvent(this, &TEditID3Form::FormShow);
}

void TEditID3Form::FormShow(TObject*) {
    ApplyDialogFont(this);
    EditYear->SetNumbersOnly(true);
}

void TEditID3Form::LoadTags(const TAudioTags& Tags) {
    ComboBoxGenre->Items()->Clear();
    for (int i = 0; i < audio_genres::Count; ++i)
        ComboBoxGenre->Items()->Add(audio_genres::Name(i));
    EditTitle->SetText(Tags.Title);
    EditArtist->SetText(Tags.Artist);
    EditAlbum->SetText(Tags.Album);
    ComboBoxGenre->SetItemIndex(Tags.Genre >= 0 && Tags.Genre < audio_genres::Count ? Tags.Genre : -1);
    EditYear->SetText(Tags.Year);
    MemoComment->SetText(Tags.Comment);
}

TAudioTags TEditID3Form::Tags() const {
    TAudioTags tags;
    tags.Title = EditTitle->Text();
    tags.Artist = EditArtist->Text();
    tags.Album = EditAlbum->Text();
    tags.Genre = ComboBoxGenre->ItemIndex();
    tags.Year = EditYear->Text().empty() ? std::string() : std::to_string(StrToInt(EditYear->Text()));
    tags.Comment = MemoComment->Text();
    return tags;
}

void TEditID3Form::ButtonOKClick(TObject*) {
    // A sound without a year keeps none; any other text must be a whole number before anything is
    // written.
    int year = 0;
    if (!EditYear->Text().empty() && !TryStrToInt(EditYear->Text(), year)) {
        Application()->MessageBox("'" + EditYear->Text() + "' is not a valid integer value",
                                  Application()->Title(), MB_OK | MB_ICONERROR);
        EditYear->SetFocus();
        return;
    }
    SetModalResult(mrOk);
}
