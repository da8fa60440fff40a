#include "ui/bars/customize/dialogs/BarItemAddEditor.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Exception.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/ClassRefs.h"

#include <memory>

namespace {

constexpr int LabelLeft = 8;
constexpr int FieldLeft = 72;
constexpr int FieldWidth = 183;
constexpr int RowTop = 8;
constexpr int RowStep = 28;

TLabel* AddLabel(TovBarItemAddEditor* AForm, const std::string& AName, const std::string& ACaption, int ARow,
                 TWinControl* AFocusControl) {
    auto* label = new TLabel(AForm);
    label->SetName(AName);
    label->SetCaption(ACaption);
    label->SetLeft(LabelLeft);
    label->SetTop(RowTop + ARow * RowStep + 4);
    label->SetFocusControl(AFocusControl);
    label->SetParent(AForm);
    return label;
}

template <class T> T* AddField(TovBarItemAddEditor* AForm, const std::string& AName, int ARow) {
    auto* field = new T(AForm);
    field->SetName(AName);
    field->SetBounds(FieldLeft, RowTop + ARow * RowStep, FieldWidth, 21);
    field->SetParent(AForm);
    return field;
}

TButton* AddButton(TovBarItemAddEditor* AForm, const std::string& AName, const std::string& ACaption,
                   int ALeft) {
    auto* button = new TButton(AForm);
    button->SetName(AName);
    button->SetCaption(ACaption);
    button->SetBounds(ALeft, 119, 75, 25);
    button->SetParent(AForm);
    return button;
}

} // namespace

TovBarItemAddEditor::TovBarItemAddEditor(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("ovBarItemAddEditor");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetCaption("Add New Quorvex Item");
    SetClientWidth(263);
    SetClientHeight(150);

    ComboBox1 = AddField<TComboBox>(this, "ComboBox1", 0);
    ComboBox1->SetStyle(csDropDownList);
    ComboBox1->SetDropDownCount(100);
    ComboBox1->OnSelect = TNotifyEvent(this, &TovBarItemAddEditor::ComboBox1Click);
    ComboBox2 = AddField<TComboBox>(this, "ComboBox2", 1);
    ComboBox2->SetStyle(csDropDownList);
    Edit1 = AddField<TEdit>(this, "Edit1", 2);
    Edit2 = AddField<TEdit>(this, "Edit2", 3);
    Edit2->SetText("New Item");
    Label1 = AddLabel(this, "Label1", "Type:", 0, ComboBox1);
    Label2 = AddLabel(this, "Label2", "Category:", 1, ComboBox2);
    Label3 = AddLabel(this, "Label3", "Name:", 2, Edit1);
    Label4 = AddLabel(this, "Label4", "Caption:", 3, Edit2);

    BOk = AddButton(this, "BOk", "OK", 99);
    BOk->SetDefault(true);
    BOk->OnClick = TNotifyEvent(this, &TovBarItemAddEditor::BOkClick);
    BCancel = AddButton(this, "BCancel", "Cancel", 180);
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);
    OnShow = TNotifyEvent(this, &TovBarItemAddEditor::FormShow);
}

void TovBarItemAddEditor::Setup(TovBarManager* AManager, int ACategoryIndex) {
    FBarManager = AManager;
    FItem = nullptr;
    // The dialog speaks in the Customize window's font (the bars' font when that window is not open).
    if (TovBarCustomCustomizationForm* form = BarCustomizingForm())
        Font()->Assign(form->Font());
    else
        AssignBarManagerFont(this, AManager);

    ComboBox2->Items()->Clear();
    if (AManager != nullptr)
        for (int i = 0; i < AManager->Categories()->Count(); ++i)
            ComboBox2->Items()->Add(AManager->Categories()->Strings(i));
    const int categories = ComboBox2->Items()->Count();
    ComboBox2->SetItemIndex(ACategoryIndex >= 0 && ACategoryIndex < categories ? ACategoryIndex
                                                                               : (categories > 0 ? 0 : -1));

    FClasses.clear();
    ComboBox1->Items()->Clear();
    if (TovBarItemList* registry = BarItemList())
        for (int i = 0; i < registry->Count(); ++i) {
            TRegItemRecord* record = registry->Records(i);
            if (record == nullptr || !record->Visible || record->ItemClass == nullptr) continue;
            FClasses.push_back(record->ItemClass);
            ComboBox1->Items()->Add(record->ItemClass->ClassName());
        }
    ComboBox1->SetItemIndex(FClasses.empty() ? -1 : 0);
    ComboBox1Click(ComboBox1);
}

const TuiClassRef* TovBarItemAddEditor::SelectedClass() const {
    const int index = ComboBox1->ItemIndex();
    return index >= 0 && index < static_cast<int>(FClasses.size()) ? FClasses[index] : nullptr;
}

std::string TovBarItemAddEditor::NameProblem(const std::string& AName) const {
    if (AName.empty()) return "The new item needs a name.";
    if (!IsValidIdent(AName))
        return "\"" + AName +
               "\" is not a valid item name: a name begins with a letter or an underscore and holds only "
               "letters, digits and underscores.";
    if (FBarManager == nullptr) return std::string();
    const TComponent* owner = FBarManager->Owner();
    if (FBarManager->GetItemByName(AName) != nullptr ||
        (owner != nullptr && owner->FindComponent(AName) != nullptr))
        return "The name \"" + AName + "\" is already used by another component.";
    return std::string();
}

std::string TovBarItemAddEditor::ProposeName(const TuiClassRef* AItemClass) const {
    if (FBarManager == nullptr || AItemClass == nullptr) return std::string();
    const std::string className = AItemClass->ClassName();
    std::string name = FBarManager->MakeUniqueItemName(className);
    if (!name.empty() && NameProblem(name).empty()) return name;
    // The manager knows its items only: other components of the owner may hold the name it made.
    const std::string base = className.size() > 1 ? className.substr(1) : className;
    for (int n = 1;; ++n) {
        name = base + std::to_string(n);
        if (NameProblem(name).empty()) return name;
    }
}

TovBarItem* TovBarItemAddEditor::MakeItem(std::string& AProblem) {
    const TuiClassRef* itemClass = SelectedClass();
    const std::string name = Edit1->Text();
    AProblem = NameProblem(name);
    if (!AProblem.empty() || itemClass == nullptr || FBarManager == nullptr) return nullptr;
    TovBarItem* item = nullptr;
    try {
        item = dynamic_cast<TovBarItem*>(itemClass->Create(FBarManager->Owner()));
        if (item == nullptr) {
            AProblem = "An item of the type " + itemClass->ClassName() + " cannot be made.";
            return nullptr;
        }
        item->SetName(name);
        item->SetCategory(ComboBox2->ItemIndex());
        item->SetCaption(Edit2->Text());
    } catch (const Exception& E) {
        delete item;
        AProblem = E.Message();
        return nullptr;
    }
    return item;
}

void TovBarItemAddEditor::FormShow(TObject*) {
    if (Edit1->CanFocus()) Edit1->SetFocus();
}

void TovBarItemAddEditor::ComboBox1Click(TObject*) {
    Edit1->SetText(ProposeName(SelectedClass()));
}

void TovBarItemAddEditor::BOkClick(TObject*) {
    std::string problem;
    TovBarItem* item = MakeItem(problem);
    if (item == nullptr) {
        if (problem.empty()) return;
        Edit1->SetText(ProposeName(SelectedClass()));
        BarShowMessageBox(problem, MB_OK | MB_ICONERROR);
        if (Edit1->CanFocus()) Edit1->SetFocus();
        Edit1->SelectAll();
        return;
    }
    FItem = item;
    SetModalResult(mrOk);
}

TovBarItem* ShowItemAddDialog(TovBarManager* ABarManager, int ACategoryIndex) {
    if (ABarManager == nullptr) return nullptr;
    std::unique_ptr<TovBarItemAddEditor> dialog(TCustomForm::New<TovBarItemAddEditor>(nullptr));
    dialog->Setup(ABarManager, ACategoryIndex);
    if (dialog->ShowModal() != mrOk) return nullptr;
    return dialog->CreatedItem();
}
