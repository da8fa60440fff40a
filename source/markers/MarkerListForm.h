// What the bookmark list and the region list share: a tool window over the main window with a report
// list of records (one per marker), its popup menu and actions, sorting by a column click, renaming
// an entry in the list, deleting entries with their markers, and the place the window remembers in the
// settings. The windows live as long as the program; closing one only hides it.
#pragma once

#include "platform/vcl/Form.h"
#include "source/markers/MarkerListSort.h"

#include <memory>
#include <string>
#include <vector>

class TAction;
class TActionList;
class TListColumn;
class TListItem;
class TListView;
class TPopupMenu;
struct TGlobalVars;
struct TMarkerRecord;
class TMarkerWindows;

class TMarkerListForm : public TForm {
public:
    ~TMarkerListForm() override;

    // The controller that connects the window with the main window and the other list; null leaves the
    // window on its own (its commands then do nothing).
    void SetMarkers(TMarkerWindows* Markers) { FMarkers = Markers; }

    // Open ... List: the window takes its remembered place and size and shows.
    void OpenList();
    // Adds an entry at the end of the list.
    void Append(std::unique_ptr<TMarkerRecord> Record);
    // Removes every entry.
    void ClearList();
    // Every entry whose marker number is above `Number` takes the number below its own.
    void RenumberAfter(int Number);
    // The record an item carries.
    static TMarkerRecord* RecordOf(const TListItem* Item);
    // The records in list order.
    std::vector<TMarkerRecord*> Records() const;

    TListView* ListView = nullptr;
    TActionList* ActionList = nullptr;
    TPopupMenu* PopupMenu = nullptr;
    TAction* ActionRename = nullptr;
    TAction* ActionDelete = nullptr;
    TAction* ActionSelectAll = nullptr;
    TAction* ActionHelp = nullptr;

protected:
    // The four settings fields that hold the window's place.
    struct TPlaceFields {
        int TGlobalVars::*Left;
        int TGlobalVars::*Top;
        int TGlobalVars::*Width;
        int TGlobalVars::*Height;
    };
    struct TTexts {
        const char* Name;           // component name
        const char* Caption;        // "Bookmark List"
        const char* NamePrompt;     // "Enter Bookmark Name"
        const char* DeleteQuestion; // "Delete the selected bookmark(s)?"
    };
    TMarkerListForm(TComponent* AOwner, const TTexts& Texts, TPlaceFields Place);

    // An action of the window's list; `Need` says when it is available.
    enum class TNeed { Nothing, Entry, SelectedEntry };
    TAction* AddAction(const char* Name, const std::string& Caption, const char* ShortCut, TNeed Need,
                       const TNotifyEvent& Handler);
    // The popup menu's items in order; null puts a separator.
    void SetMenuItems(const std::vector<TAction*>& Actions);

    TMarkerWindows* Markers() const { return FMarkers; }
    // The first selected entry's record, or null.
    TMarkerRecord* SelectedRecord() const;
    // Going to a marker: the main window takes the focus, the marker becomes the editor's current one,
    // the selection goes off and the cursor moves to the marker.
    void GoToMarker(const TMarkerRecord& Record);

    // Actions both windows have.
    void ActionRenameExecute(TObject* Sender);
    void ActionDeleteExecute(TObject* Sender);
    void ActionSelectAllExecute(TObject* Sender);
    void ActionHelpExecute(TObject* Sender);

private:
    void ListViewColumnClick(TObject* Sender, TListColumn* Column);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ShowRecord(TListItem& Item, const TMarkerRecord& Record);
    void DeleteItem(int Index);

    TTexts FTexts;
    TPlaceFields FPlace;
    TMarkerWindows* FMarkers = nullptr;
    TColumnSortState FSort;
};
