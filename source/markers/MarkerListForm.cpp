#include "source/markers/MarkerListForm.h"

#include "audio/AudioEditor2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/dialogs/DialogSupport.h"
#include "source/markers/AddRegionOrBookmarkForm.h"
#include "source/markers/MarkerHost.h"
#include "source/markers/MarkerRecords.h"
#include "source/markers/MarkerWindows.h"

TMarkerListForm::TMarkerListForm(TComponent* AOwner, const TTexts& Texts, TPlaceFields Place)
    : TForm(AOwner), FTexts(Texts), FPlace(Place) {
    TComponentLoading loading(this);
    SetName(Texts.Name);
    SetCaption(Texts.Caption);
    SetBorderStyle(bsSizeToolWin);
    SetPosition(poDesigned);
    SetBounds(0, 0, 550, 200);

    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    PopupMenu = new TPopupMenu(this);
    PopupMenu->SetName("PopupMenu");

    ListView = new TListView(this);
    ListView->SetName(std::string("ListView") + Texts.Name);
    ListView->SetAlign(alClient);
    ListView->SetViewStyle(vsReport);
    ListView->SetMultiSelect(true);
    ListView->SetRowSelect(true);
    ListView->SetReadOnly(true);
    ListView->SetHideSelection(false);
    ListView->SetPopupMenu(PopupMenu);
    ListView->OnColumnClick = TLVColumnClickEvent(this, &TMarkerListForm::ListViewColumnClick);
    ListView->SetParent(this);

    OnShow = TNotifyEvent(this, &TMarkerListForm::FormShow);
    OnClose = TCloseEvent(this, &TMarkerListForm::FormClose);
}

TMarkerListForm::~TMarkerListForm() {
    for (int i = 0; i < ListView->Items()->Count(); ++i)
        delete RecordOf(ListView->Items()->Item(i));
}

TAction* TMarkerListForm::AddAction(const char* Name, const std::string& Caption, const char* ShortCut,
                                    TNeed Need, const TNotifyEvent& Handler) {
    auto* action = new TAction(this);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetShortCut(TextToShortCut(ShortCut));
    action->SetActionList(ActionList);
    action->SetOnExecute(Handler);
    action->OnUpdate = TNotifyEvent(
        [this, Need](TObject* Sender) {
            bool enabled = true;
            if (Need == TNeed::Entry) enabled = ListView->Items()->Count() > 0;
            if (Need == TNeed::SelectedEntry) enabled = ListView->SelCount() > 0;
            static_cast<TAction*>(Sender)->SetEnabled(enabled);
        },
        this);
    return action;
}

void TMarkerListForm::SetMenuItems(const std::vector<TAction*>& Actions) {
    for (TAction* action : Actions) {
        auto* item = new TMenuItem(this);
        if (action != nullptr)
            item->SetAction(action);
        else
            item->SetCaption("-");
        PopupMenu->Items()->Add(item);
    }
}

// ---- The list

TMarkerRecord* TMarkerListForm::RecordOf(const TListItem* Item) {
    return static_cast<TMarkerRecord*>(Item->Data());
}

std::vector<TMarkerRecord*> TMarkerListForm::Records() const {
    std::vector<TMarkerRecord*> records;
    for (int i = 0; i < ListView->Items()->Count(); ++i)
        records.push_back(RecordOf(ListView->Items()->Item(i)));
    return records;
}

TMarkerRecord* TMarkerListForm::SelectedRecord() const {
    TListItem* item = ListView->Selected();
    return item != nullptr ? RecordOf(item) : nullptr;
}

void TMarkerListForm::ShowRecord(TListItem& Item, const TMarkerRecord& Record) {
    Item.SetCaption(Record.Name);
    TStringList* subItems = Item.SubItems();
    subItems->Clear();
    for (const std::string& text : Record.SubItemTexts())
        subItems->Add(text);
}

void TMarkerListForm::Append(std::unique_ptr<TMarkerRecord> Record) {
    TListItem* item = ListView->Items()->Add();
    ShowRecord(*item, *Record);
    item->SetData(Record.release());
}

void TMarkerListForm::DeleteItem(int Index) {
    TMarkerRecord* record = RecordOf(ListView->Items()->Item(Index));
    ListView->Items()->Delete(Index);
    delete record;
}

void TMarkerListForm::ClearList() {
    ListView->Items()->BeginUpdate();
    while (ListView->Items()->Count() > 0)
        DeleteItem(ListView->Items()->Count() - 1);
    ListView->Items()->EndUpdate();
}

void TMarkerListForm::RenumberAfter(int Number) {
    for (int i = 0; i < ListView->Items()->Count(); ++i) {
        TListItem* item = ListView->Items()->Item(i);
        TMarkerRecord* record = RecordOf(item);
        if (record->Index <= Number) continue;
        --record->Index;
        ShowRecord(*item, *record);
    }
}

void TMarkerListForm::ListViewColumnClick(TObject*, TListColumn* Column) {
    const int column = Column->Index();
    SortByColumn(*ListView, column, FSort.Click(column));
}

// ---- The window

void TMarkerListForm::OpenList() {
    const TGlobalVars& vars = GlobalVars();
    SetBounds(vars.*FPlace.Left, vars.*FPlace.Top, vars.*FPlace.Width, vars.*FPlace.Height);
    Show();
}

void TMarkerListForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TMarkerListForm::FormClose(TObject*, TCloseAction&) {
    TGlobalVars& vars = GlobalVars();
    vars.*FPlace.Left = Left();
    vars.*FPlace.Top = Top();
    vars.*FPlace.Width = Width();
    vars.*FPlace.Height = Height();
}

// ---- Commands

void TMarkerListForm::GoToMarker(const TMarkerRecord& Record) {
    IMarkerHost& host = FMarkers->Host();
    host.FocusMainWindow();
    TAudioEditor2& editor = host.Editor();
    editor.Markers().SetCurrent(Record.Index);
    editor.Position().SetSelection(0);
    editor.Position().SetCursor(editor.Markers().GetPosition());
}

void TMarkerListForm::ActionRenameExecute(TObject*) {
    TListItem* item = ListView->Selected();
    if (item == nullptr) return;
    std::string name = RecordOf(item)->Name;
    if (!AskMarkerName(*this, FTexts.NamePrompt, name)) return;
    // The list keeps a renamed copy; the editor's marker keeps the name it was made with.
    TMarkerRecord* renamed = RecordOf(item)->Clone().release();
    renamed->Name = name;
    delete RecordOf(item);
    item->SetData(renamed);
    ShowRecord(*item, *renamed);
}

void TMarkerListForm::ActionDeleteExecute(TObject*) {
    if (Application()->MessageBox(FTexts.DeleteQuestion, ApplicationTitle,
                                  MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return;
    if (FMarkers == nullptr || ListView->SelCount() == 0) return;
    IMarkerHost& host = FMarkers->Host();
    struct TUpdate {
        TListItems* Items;
        ~TUpdate() { Items->EndUpdate(); }
    } update{ListView->Items()};
    update.Items->BeginUpdate();
    for (int i = ListView->Items()->Count() - 1; i >= 0; --i) {
        if (!ListView->Items()->Item(i)->Selected()) continue;
        host.FocusMainWindow();
        const int number = RecordOf(ListView->Items()->Item(i))->Index;
        TAudioEditor2& editor = host.Editor();
        editor.Markers().SetCurrent(number);
        editor.Markers().DeleteCurrent();
        DeleteItem(i);
        FMarkers->MarkerDeleted(number);
    }
}

void TMarkerListForm::ActionSelectAllExecute(TObject*) {
    ListView->SelectAll();
}

void TMarkerListForm::ActionHelpExecute(TObject*) {
    ShowHelpPage(Handle(), "BookmarksandRegions");
}
