// The add-item dialog of design time ("Add New Quorvex Item"): the type of the new command (the item
// classes offered to users, in the order they were registered), its category, name and caption. OK makes
// the item, owned by the manager's owner; a name that cannot be taken (not an identifier, or used by
// another component) is refused with a message saying why, a fresh name is proposed and the dialog stays.
#pragma once

#include "platform/vcl/Form.h"

#include <string>
#include <vector>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TovBarItem;
class TovBarManager;
class TuiClassRef;

class TovBarItemAddEditor : public TForm {
public:
    explicit TovBarItemAddEditor(TComponent* AOwner);

    // Fills the lists from the manager: its categories (AIndex chosen when it is one of them, else the
    // first) and the item types, the first chosen with a name proposed for it.
    void Setup(TovBarManager* AManager, int ACategoryIndex);
    // The item OK made, or null.
    TovBarItem* CreatedItem() const { return FItem; }
    // A name no item of the manager and no component of its owner has, made from the class name.
    std::string ProposeName(const TuiClassRef* AItemClass) const;
    // What stops the name from being the new item's, empty when nothing does.
    std::string NameProblem(const std::string& AName) const;

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* ComboBox1 = nullptr; // type
    TComboBox* ComboBox2 = nullptr; // category
    TEdit* Edit1 = nullptr;         // name
    TEdit* Edit2 = nullptr;         // caption
    TButton* BOk = nullptr;
    TButton* BCancel = nullptr;

    // Published handlers.
    void FormShow(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void BOkClick(TObject* Sender);

private:
    const TuiClassRef* SelectedClass() const;
    // Makes the item from the dialog's values; on failure frees it and answers why.
    TovBarItem* MakeItem(std::string& AProblem);

    TovBarManager* FBarManager = nullptr;
    TovBarItem* FItem = nullptr;
    std::vector<const TuiClassRef*> FClasses;
};

// Asks for a new item of the manager in the category; the new item, or null when cancelled.
TovBarItem* ShowItemAddDialog(TovBarManager* ABarManager, int ACategoryIndex);
