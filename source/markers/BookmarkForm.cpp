#include "source/markers/BookmarkForm.h"

#include "audio/AudioEditor2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "source/GlobalVars.h"
#include "source/dialogs/DialogSupport.h"
#include "source/markers/MarkerHost.h"
#include "source/markers/MarkerRecords.h"
#include "source/markers/MarkerWindows.h"
#include "source/markers/SelectToBookmarkForm.h"

#include <algorithm>
#include <memory>

TBookmarkForm::TBookmarkForm(TComponent* AOwner)
    : TMarkerListForm(
          AOwner,
          {"BookmarkForm", "Bookmark List", "Enter Bookmark Name", "Delete the selected bookmark(s)?"},
          {&TGlobalVars::BookmarkFormLeft, &TGlobalVars::BookmarkFormTop, &TGlobalVars::BookmarkFormWidth,
           &TGlobalVars::BookmarkFormHeight}) {
    TComponentLoading loading(this);
    for (auto [caption, width] : {std::pair{"Name", 300}, std::pair{"Time", 150}}) {
        TListColumn* column = ListView->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    ListView->OnDblClick = TNotifyEvent(this, &TBookmarkForm::ListViewDblClick);

    using F = TBookmarkForm;
    ActionGotoBookmark = AddAction("ActionGotoBookmark", "&Goto Bookmark", "", TNeed::SelectedEntry,
                                   TNotifyEvent(this, &F::ActionGotoBookmarkExecute));
    ActionSelectToBookmark =
        AddAction("ActionSelectToBookmark", "Select To Bookmark", "", TNeed::SelectedEntry,
                  TNotifyEvent(this, &F::ActionSelectToBookmarkExecute));
    ActionRename = AddAction("ActionRename", "&Rename", "F2", TNeed::SelectedEntry,
                             TNotifyEvent(this, &F::ActionRenameExecute));
    ActionDelete = AddAction("ActionDelete", "&Delete", "Del", TNeed::SelectedEntry,
                             TNotifyEvent(this, &F::ActionDeleteExecute));
    ActionSelectAll = AddAction("ActionSelectAll", "Select All", "", TNeed::Entry,
                                TNotifyEvent(this, &F::ActionSelectAllExecute));
    ActionHelp =
        AddAction("ActionHelp", "Help", "F1", TNeed::Nothing, TNotifyEvent(this, &F::ActionHelpExecute));
    SetMenuItems({ActionGotoBookmark, ActionSelectToBookmark, nullptr, ActionRename, ActionDelete,
                  ActionSelectAll, nullptr, ActionHelp});
    // Here Select All has its key on the menu item, not on the action.
    PopupMenu->Items()->Items(5)->SetShortCut(TextToShortCut("Ctrl+A"));
}

void TBookmarkForm::ListViewDblClick(TObject*) {
    ActionGotoBookmark->Execute();
}

void TBookmarkForm::ActionGotoBookmarkExecute(TObject*) {
    const TMarkerRecord* record = SelectedRecord();
    if (record == nullptr || Markers() == nullptr) return;
    GoToMarker(*record);
    if (GlobalVars().OP_PlayAfterBookmark) Markers()->Host().Play();
}

void TBookmarkForm::ActionSelectToBookmarkExecute(TObject*) {
    const TMarkerRecord* from = SelectedRecord();
    if (from == nullptr || Markers() == nullptr) return;
    IMarkerHost& host = Markers()->Host();
    std::vector<const TBookmark*> others;
    for (const TMarkerRecord* record : Records())
        if (record != from) others.push_back(static_cast<const TBookmark*>(record));
    std::unique_ptr<TSelectToBookmarkForm> dialog(
        TCustomForm::New<TSelectToBookmarkForm>(&host.MainWindow()));
    dialog->SetBookmarks(others);
    CenterOnOwner(*dialog, host.MainWindow());
    if (dialog->ShowModal() != mrOk) return;
    const TBookmark* to = dialog->Chosen();
    if (to == nullptr) return;
    host.FocusMainWindow();
    TAudioEditor2& editor = host.Editor();
    editor.Markers().SetCurrent(from->Index);
    const std::int64_t a = editor.Markers().GetPosition();
    editor.Markers().SetCurrent(to->Index);
    const std::int64_t c = editor.Markers().GetPosition();
    TAudioEditor2Position& position = editor.Position();
    position.SetSelection(0);
    position.SetCursor(a);
    position.SetSelection(-1);
    position.SetSelectionStart(std::min(a, c));
    position.SetSelectionEnd(std::max(a, c));
}
