// The add-item dialog on the headless screen, with the manager in the designing state: the types are the
// visible registered item classes in registry order, each with a name of its own; the category asked for
// is chosen when it exists, else the first; OK makes the item owned by the manager's owner; a name that
// cannot be taken is refused with a message that says why, a fresh name is proposed and the dialog stays.
#include "tests/ui/bars/menus/MenusTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/dialogs/BarItemAddEditor.h"
#include "ui/core/base/ClassRefs.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class ItemAddDialogTest : public menus_test::MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        manager->SetDesigning(true);
        manager->Categories()->Clear();
        for (const char* category : {"File", "Edit", "View"})
            manager->Categories()->Add(category);
    }
    static TovBarItemAddEditor* OpenDialog() {
        for (int i = 0; i < Screen()->FormCount(); ++i)
            if (auto* dialog = dynamic_cast<TovBarItemAddEditor*>(Screen()->Forms(i)))
                if (dialog->Visible()) return dialog;
        return nullptr;
    }
    static std::string OpenMessageBoxText() {
        for (int i = 0; i < Screen()->FormCount(); ++i)
            if (std::string text = MessageBoxText(Screen()->Forms(i)); !text.empty()) return text;
        return std::string();
    }
    // Steps run from the application's idle time (the input scripted before has been handled then), each
    // once its condition holds; a script that waits too long gives up with Escape.
    void When(std::function<bool()> ACondition, std::function<void()> AScript) {
        steps.push_back(Step{std::move(ACondition), std::move(AScript)});
        if (Application()->OnIdle) return;
        idles = 0;
        Application()->OnIdle = TIdleEvent(
            [this](TObject*, bool& ADone) {
                ADone = false;
                if (steps.empty()) return;
                if (++idles > 2000) {
                    ADD_FAILURE() << "a scripted step never became ready";
                    steps.clear();
                    Key(VK_ESCAPE);
                    return;
                }
                if (!steps.front().Ready()) return;
                Step step = std::move(steps.front());
                steps.erase(steps.begin());
                idles = 0;
                step.Run();
            },
            this);
    }
    void WhenDialogOpen(std::function<void(TovBarItemAddEditor*)> AScript) {
        When([] { return OpenDialog() != nullptr; }, [AScript] { AScript(OpenDialog()); });
    }
    void TearDown() override {
        Application()->OnIdle = nullptr;
        steps.clear();
        manager->SetDesigning(false);
        MenusTest::TearDown();
    }

    struct Step {
        std::function<bool()> Ready;
        std::function<void()> Run;
    };
    std::vector<Step> steps;
    int idles = 0;

    static std::vector<std::string> Items(TComboBox* ACombo) {
        std::vector<std::string> items;
        for (int i = 0; i < ACombo->Items()->Count(); ++i)
            items.push_back(ACombo->Items()->Strings(i));
        return items;
    }
};

TEST_F(ItemAddDialogTest, TheTypesAreTheVisibleRegisteredClassesInOrderEachWithANameOfItsOwn) {
    std::vector<std::string> expected;
    for (int i = 0; i < BarItemList()->Count(); ++i)
        if (BarItemList()->Records(i)->Visible) expected.push_back(BarItemList()->ItemClass(i)->ClassName());
    ASSERT_GE(expected.size(), 2u);
    const int itemsBefore = manager->ItemCount();
    std::vector<std::string> types, names;
    std::string caption, title;
    WhenDialogOpen([&](TovBarItemAddEditor* dialog) {
        types = Items(dialog->ComboBox1);
        title = dialog->Caption();
        caption = dialog->Edit2->Text();
        names.push_back(dialog->Edit1->Text());
        EXPECT_EQ(dialog->ComboBox1->ItemIndex(), 0);
        EXPECT_TRUE(dialog->Edit1->Focused()) << "the name is where the typing goes";
        // The second type, chosen from the keyboard, gets its own name.
        dialog->ComboBox1->SetFocus();
        Key(VK_DOWN);
        When([dialog] { return dialog->ComboBox1->ItemIndex() == 1; },
             [&, dialog] {
                 names.push_back(dialog->Edit1->Text());
                 Key(VK_ESCAPE);
             });
    });
    EXPECT_EQ(ShowItemAddDialog(manager, 0), nullptr) << "cancelled";
    EXPECT_EQ(types, expected);
    EXPECT_EQ(title, "Add New Quorvex Item");
    EXPECT_EQ(caption, "New Item");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], manager->MakeUniqueItemName(expected[0]));
    EXPECT_EQ(names[1], manager->MakeUniqueItemName(expected[1]));
    EXPECT_EQ(manager->ItemCount(), itemsBefore) << "nothing made";
}

TEST_F(ItemAddDialogTest, TheCategoryAskedForIsChosenWhenItExistsElseTheFirst) {
    const struct {
        int Asked;
        int Chosen;
    } cases[] = {{1, 1}, {2, 2}, {0, 0}, {3, 0}, {17, 0}, {-1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Asked);
        int chosen = -2;
        std::vector<std::string> categories;
        WhenDialogOpen([&](TovBarItemAddEditor* dialog) {
            chosen = dialog->ComboBox2->ItemIndex();
            categories = Items(dialog->ComboBox2);
            Key(VK_ESCAPE);
        });
        EXPECT_EQ(ShowItemAddDialog(manager, c.Asked), nullptr);
        EXPECT_EQ(chosen, c.Chosen);
        EXPECT_EQ(categories, (std::vector<std::string>{"File", "Edit", "View"}));
    }
}

TEST_F(ItemAddDialogTest, OkMakesTheItemOwnedByTheManagersOwner) {
    const TuiClassRef* firstClass = BarItemList()->VisibleItemClass(0);
    WhenDialogOpen([&](TovBarItemAddEditor* dialog) {
        dialog->Edit1->SetText("SaveAsCommand");
        dialog->Edit2->SetText("Save &As...");
        // Pictured once the new texts are painted.
        When([] { return true; },
             [this, dialog] {
                 SaveScreenPart(dialog->BoundsRect(), "add-item-dialog.png");
                 Key(VK_RETURN);
             });
    });
    TovBarItem* item = ShowItemAddDialog(manager, 2);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(firstClass->IsInstance(item));
    EXPECT_EQ(item->Owner(), form);
    EXPECT_EQ(item->Name(), "SaveAsCommand");
    EXPECT_EQ(item->Caption(), "Save &As...");
    EXPECT_EQ(item->Category(), 2);
    EXPECT_EQ(manager->GetItemByName("SaveAsCommand"), item);
}

TEST_F(ItemAddDialogTest, AnUnusableNameIsRefusedWithItsReasonAFreshNameProposedAndTheDialogStays) {
    const TuiClassRef* firstClass = BarItemList()->VisibleItemClass(0);
    const std::string base = firstClass->ClassName().substr(1);
    // The manager's own proposal is taken by a component of the owner that is not an item.
    auto* other = new TComponent(form);
    other->SetName(base + "1");
    WhenDialogOpen([&](TovBarItemAddEditor* dialog) {
        dialog->Edit1->SetText("Existing");
        Key(VK_RETURN);
    });
    TovBarItem* existing = ShowItemAddDialog(manager, 0);
    ASSERT_NE(existing, nullptr);

    const struct {
        const char* Name;
        const char* Reason;
    } cases[] = {
        {"2ndCommand", "\"2ndCommand\" is not a valid item name"},
        {"Save As", "\"Save As\" is not a valid item name"},
        {"", "The new item needs a name."},
        {"existing", "The name \"existing\" is already used by another component."},
        {"BarManager1", "The name \"BarManager1\" is already used by another component."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const int itemsBefore = manager->ItemCount();
        const int componentsBefore = form->ComponentCount();
        std::string boxText, proposed;
        bool stayedOpen = false;
        WhenDialogOpen([&](TovBarItemAddEditor* dialog) {
            EXPECT_EQ(dialog->Edit1->Text(), base + "2") << "the owner's component holds " << base << "1";
            dialog->Edit1->SetText(c.Name);
            Key(VK_RETURN);
            When([] { return !OpenMessageBoxText().empty(); },
                 [&] {
                     boxText = OpenMessageBoxText();
                     Key(VK_RETURN);
                 });
            When([] { return OpenMessageBoxText().empty(); },
                 [&, dialog] {
                     stayedOpen = OpenDialog() == dialog;
                     proposed = dialog->Edit1->Text();
                     Key(VK_RETURN); // the proposal is taken
                 });
        });
        TovBarItem* item = ShowItemAddDialog(manager, 0);
        EXPECT_EQ(boxText.substr(0, std::string(c.Reason).size()), c.Reason) << boxText;
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(proposed, base + "2");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Name(), proposed);
        EXPECT_EQ(manager->ItemCount(), itemsBefore + 1) << "the refused item did not stay";
        EXPECT_EQ(form->ComponentCount(), componentsBefore + 1);
        delete item;
    }
}

} // namespace
