#include "source/markers/SelectToBookmarkForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/ComboBox.h"
#include "source/dialogs/DialogSupport.h"
#include "source/markers/MarkerRecords.h"

TSelectToBookmarkForm::TSelectToBookmarkForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("SelectToBookmarkForm");
    SetUpDialogForm(*this, "Select to Boolmark", 300, 84);

    ComboBoxBookmarks = new TComboBox(this);
    ComboBoxBookmarks->SetName("ComboBoxBookmarks");
    ComboBoxBookmarks->SetStyle(csDropDownList);
    ComboBoxBookmarks->SetBounds(76, 14, 212, 21);
    ComboBoxBookmarks->SetParent(this);
    AddLabel(this, this, "Bookmark", 12, 17, ComboBoxBookmarks);

    AddDialogButton(this, this, "&OK", 132, 50, mrOk);
    AddDialogButton(this, this, "&Cancel", 213, 50, mrCancel);
    SetActiveControl(ComboBoxBookmarks);
    OnShow = TNotifyEvent(this, &TSelectToBookmarkForm::FormShow);
}

void TSelectToBookmarkForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TSelectToBookmarkForm::SetBookmarks(const std::vector<const TBookmark*>& Bookmarks) {
    FBookmarks = Bookmarks;
    ComboBoxBookmarks->Items()->Clear();
    for (const TBookmark* bookmark : FBookmarks)
        ComboBoxBookmarks->Items()->Add(bookmark->Name);
    ComboBoxBookmarks->SetItemIndex(FBookmarks.empty() ? -1 : 0);
}

const TBookmark* TSelectToBookmarkForm::Chosen() const {
    const int index = ComboBoxBookmarks->ItemIndex();
    return index >= 0 && index < static_cast<int>(FBookmarks.size()) ? FBookmarks[std::size_t(index)]
                                                                     : nullptr;
}
