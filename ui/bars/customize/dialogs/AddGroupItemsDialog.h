// The "Add Group Items" dialog: picks the items and groups a bar group is to take. The list shows, under
// header entries, the manager's other groups and then every category that has items; the members the
// group already has are greyed. OK hands the objects of the selected entries to the caller, who adds
// them to the group (a group that would contain itself is refused there).
#pragma once

#include "platform/vcl/Form.h"
#include "platform/vcl/ListBox.h"

#include <vector>

class TButton;
class TPanel;
class TovBarComponent;
class TovBarGroup;

class TfrmAddGroupItems : public TForm {
public:
    // AList receives the chosen objects when the dialog closes with OK.
    TfrmAddGroupItems(TComponent* AOwner, TovBarGroup* AGroup, std::vector<TovBarComponent*>* AList);
    ~TfrmAddGroupItems() override;

    TListBox* lbGroupItems = nullptr;
    TPanel* pnlLeft = nullptr;
    TPanel* pnlRight = nullptr;
    TPanel* pnlTop = nullptr;
    TPanel* pnlBottom = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnCancel = nullptr;

    // Header entries begin with this mark; the mark itself is not drawn.
    static constexpr char HeaderMark = '~';
    static bool IsHeader(const std::string& AText) { return !AText.empty() && AText[0] == HeaderMark; }

    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void lbGroupItemsDrawItem(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State);
    // Every entry is one text line high, plus a pixel above and below.
    void lbGroupItemsMeasureItem(TWinControl* Control, int Index, int& Height);

private:
    void FillList();
    void ListWndProc(TMessage& Message);
    void RestoreListWndProc();

    TovBarGroup* FGroup;
    std::vector<TovBarComponent*>* FList;
    TControl::TWndMethod FPrevListWndProc;
};

// Shows the dialog for the group; on OK AList holds the objects of the selected entries (headers left
// out) and the answer is true.
bool ShowAddGroupItemsDialog(TovBarGroup* AGroup, std::vector<TovBarComponent*>& AList);

// Shows the dialog and adds each chosen object to the group through the design controller, which refuses
// a recursive group in a message box. Answers the objects that became members.
std::vector<TovBarComponent*> AddGroupItemsByDialog(TovBarGroup* AGroup);
