// "Edit Audio Tags": title, artist, album, genre, year and comment of the document. OK accepts only a
// year that is a whole number (or none), so that the tags are written all together or not at all.
#pragma once

#include "audio/AudioTags.h"
#include "platform/vcl/Form.h"

class TButton;
class TComboBox;
class TEdit;
class TMemo;

class TEditID3Form : public TForm {
public:
    explicit TEditID3Form(TComponent* AOwner);

    // Fills the genre list with the 148 genre names and the fields with the tags.
    void LoadTags(const TAudioTags& Tags);
    // The fields as tags; the year as the number typed (its decimal text), or empty.
    TAudioTags Tags() const;

    TEdit* EditTitle = nullptr;
    TEdit* EditArtist = nullptr;
    TEdit* EditAlbum = nullptr;
    TComboBox* ComboBoxGenre = nullptr;
    TEdit* EditYear = nullptr;
    TMemo* MemoComment = nullptr;
    TButton* ButtonOK = nullptr;

private:
    void FormShow(TObject* Sender);
    void ButtonOKClick(TObject* Sender);
};
