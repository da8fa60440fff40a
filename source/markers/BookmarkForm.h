// "Bookmark List": the bookmarks of the document with their times. A double click goes to a bookmark;
// Select To Bookmark selects from the chosen bookmark to another one.
#pragma once

#include "source/markers/MarkerListForm.h"

class TBookmarkForm : public TMarkerListForm {
public:
    explicit TBookmarkForm(TComponent* AOwner);

    TAction* ActionGotoBookmark = nullptr;
    TAction* ActionSelectToBookmark = nullptr;

private:
    void ActionGotoBookmarkExecute(TObject* Sender);
    void ActionSelectToBookmarkExecute(TObject* Sender);
    void ListViewDblClick(TObject* Sender);
};
