// The small dialog that asks for a toolbar's or a category's name. A toolbar name that another toolbar
// of the manager already has is refused with a message, and the dialog stays open.
#pragma once

#include "platform/vcl/Form.h"

#include <string>

class TButton;
class TEdit;
class TLabel;
class TovBar;
class TovBarManager;

// What is named, and how.
enum TovBarNameKind { bnkToolbar = 0, bnkCategory = 1 };
// Modes: for a category 0 add, 1 insert, 2 rename; for a toolbar 0 add, 1 rename.
enum TovBarNameMode { bnmAdd = 0, bnmInsert = 1, bnmRename = 2, bnmToolbarRename = 1 };

class TovBarNameEd : public TForm {
public:
    TovBarNameEd(TovBarNameKind AKind, int AMode, TovBar* ABar, TovBarManager* ABarManager);
    bool CloseQuery() override;

    TLabel* LName = nullptr;
    TEdit* EName = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

private:
    void NameChanged(TObject* Sender);

    TovBarNameKind FKind;
    TovBarManager* FBarManager;
    TovBar* FBar;
};

// Asks for a name starting from AName; true (and the new name in AName) when confirmed with OK.
bool ShowBarNameDialog(std::string& AName, TovBarNameKind AKind, int AMode, TovBar* ABar,
                       TovBarManager* ABarManager);
