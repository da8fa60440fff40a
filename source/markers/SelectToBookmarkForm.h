// "Select to Boolmark": the bookmark the selection is to reach from the chosen one, picked from a
// drop-down list of the other bookmarks.
#pragma once

#include "platform/vcl/Form.h"

#include <string>
#include <vector>

class TComboBox;
struct TBookmark;

class TSelectToBookmarkForm : public TForm {
public:
    explicit TSelectToBookmarkForm(TComponent* AOwner);

    // Fills the list with the bookmarks' names in their order and chooses the first.
    void SetBookmarks(const std::vector<const TBookmark*>& Bookmarks);
    // The chosen bookmark, or null when the list is empty.
    const TBookmark* Chosen() const;

    TComboBox* ComboBoxBookmarks = nullptr;

private:
    void FormShow(TObject* Sender);
    std::vector<const TBookmark*> FBookmarks;
};
