#include "platform/rtl/Component.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/WeakLink.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes what it hears into a shared log: "<name>:+<other>" / "<name>:-<other>", "~<name>",
// "loaded <name>".
class TLogged : public TComponent {
public:
    TLogged(TComponent* AOwner, const std::string& AName, std::string* ALog) : TComponent(AOwner), Log(ALog) {
        SetName(AName);
        StateAtCreation = ComponentState();
    }
    ~TLogged() override { *Log += "~" + Name() + (ComponentState().Contains(csDestroying) ? "! " : " "); }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (AComponent != this)
            *Log += Name() + (Operation == opInsert ? ":+" : ":-") + AComponent->Name() + " ";
        TComponent::Notification(AComponent, Operation);
    }
    void Loaded() override {
        *Log += "loaded " + Name() + (ComponentState().Contains(csReading) ? "(reading) " : " ");
        StateAtLoaded = ComponentState();
        TComponent::Loaded();
    }

    std::string* Log;
    TComponentState StateAtCreation;
    TComponentState StateAtLoaded;
};

std::vector<std::string> OwnedNames(const TComponent& owner) {
    std::vector<std::string> out;
    for (int i = 0; i < owner.ComponentCount(); ++i)
        out.push_back(owner.Components(i)->Name());
    return out;
}

} // namespace

TEST(Component, OwnerHoldsItsComponentsInCreationOrderAndAnnouncesNewOnes) {
    std::string log;
    TLogged form(nullptr, "Form", &log);
    auto* panel = new TLogged(&form, "Panel", &log);
    new TLogged(panel, "Inner", &log);
    log.clear();
    auto* button = new TLogged(&form, "", &log);
    button->SetName("Button");
    // The owner hears first, then its components, last first, and theirs.
    EXPECT_EQ("Form:+ Panel:+ Inner:+ ", log);
    EXPECT_EQ((std::vector<std::string>{"Panel", "Button"}), OwnedNames(form));
    EXPECT_EQ(&form, button->Owner());
    EXPECT_EQ(1, button->ComponentIndex());
    EXPECT_EQ(-1, form.ComponentIndex());
    button->SetComponentIndex(0);
    EXPECT_EQ((std::vector<std::string>{"Button", "Panel"}), OwnedNames(form));
    EXPECT_THROW(form.Components(2), EListError);
}

TEST(Component, FreeingAnOwnedComponentNotifiesAndRemovesIt) {
    std::string log;
    TLogged form(nullptr, "Form", &log);
    auto* a = new TLogged(&form, "A", &log);
    auto* b = new TLogged(&form, "B", &log);
    TWeakLink<TComponent> link(b);
    log.clear();
    FreeAndNil(b);
    EXPECT_EQ("~B! Form:-B A:-B ", log);
    EXPECT_FALSE(link.Alive());
    EXPECT_EQ((std::vector<std::string>{"A"}), OwnedNames(form));
    EXPECT_EQ(nullptr, form.FindComponent("B"));
    EXPECT_EQ(a, form.FindComponent("a"));

    // RemoveComponent gives a component up without freeing it.
    log.clear();
    form.RemoveComponent(a);
    EXPECT_EQ("Form:-A ", log);
    EXPECT_EQ(nullptr, a->Owner());
    delete a;
}

TEST(Component, DestructionFreesOwnedComponentsLastFirstAfterMarkingThemDestroying) {
    std::string log;
    {
        TLogged form(nullptr, "Form", &log);
        auto* first = new TLogged(&form, "First", &log);
        new TLogged(first, "Child", &log);
        new TLogged(&form, "Second", &log);
        log.clear();
    }
    // Each owned component is already csDestroying ("!") when its destructor runs; the owner's own
    // destructor has run first (derived parts go before the base frees what it owns) and, as it was not
    // freed through Free, without csDestroying yet. Removals are announced down the owner tree.
    EXPECT_EQ("~Form ~Second! First:-Second Child:-Second ~First! ~Child! ", log);
}

TEST(Component, NameRules) {
    struct Case {
        std::string name;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"Button1", true}, {"_x", true},   {"a_b_9", true},     {"", true},     {"1abc", false},
        {"a b", false},    {"a-b", false}, {"\xC3\xA9", false}, {"a.b", false}, {"Tab\t", false},
    };
    for (const Case& c : cases) {
        TComponent component(nullptr);
        if (c.valid) {
            EXPECT_NO_THROW(component.SetName(c.name)) << c.name;
            EXPECT_EQ(c.name, component.Name());
            continue;
        }
        component.SetName("Before");
        try {
            component.SetName(c.name);
            ADD_FAILURE() << "accepted " << c.name;
        } catch (const EComponentError& e) {
            EXPECT_EQ("''" + c.name + "'' is not a valid component name", e.what());
        }
        EXPECT_EQ("Before", component.Name());
    }
}

TEST(Component, NameClashRaisesAndChangesNothing) {
    TComponent form(nullptr);
    auto* a = new TComponent(&form);
    a->SetName("Edit");
    auto* b = new TComponent(&form);
    b->SetName("Other");
    try {
        b->SetName("EDIT");
        FAIL() << "duplicate accepted";
    } catch (const EComponentError& e) {
        EXPECT_STREQ("A component named EDIT already exists", e.what());
    }
    EXPECT_EQ("Other", b->Name());
    a->SetName("edit"); // a new case of its own name is fine
    EXPECT_EQ("edit", a->Name());

    // Names only clash under one owner; taking a named component over checks too.
    TComponent elsewhere(nullptr);
    auto* c = new TComponent(&elsewhere);
    c->SetName("Edit");
    EXPECT_THROW(form.InsertComponent(c), EComponentError);
    EXPECT_EQ(&elsewhere, c->Owner());
    c->SetName("Edit2");
    form.InsertComponent(c);
    EXPECT_EQ(&form, c->Owner());
    EXPECT_EQ(0, elsewhere.ComponentCount());
    EXPECT_THROW(c->InsertComponent(&form), EComponentError); // no ownership cycles
}

TEST(Component, FreeNotificationAcrossOwners) {
    std::string log;
    TLogged formA(nullptr, "FormA", &log);
    TLogged formB(nullptr, "FormB", &log);
    auto* menu = new TLogged(&formA, "Menu", &log);
    auto* button = new TLogged(&formB, "Button", &log);
    auto* other = new TLogged(&formB, "Other", &log);
    button->FreeNotification(menu);
    other->FreeNotification(menu);
    other->RemoveFreeNotification(menu);
    EXPECT_TRUE(button->ComponentState().Contains(csFreeNotification));
    EXPECT_FALSE(other->ComponentState().Contains(csFreeNotification));
    log.clear();
    menu->Free();
    EXPECT_EQ("~Menu! Button:-Menu FormA:-Menu ", log);
    EXPECT_FALSE(button->ComponentState().Contains(csFreeNotification));
    log.clear();
    delete button; // must not reach the freed menu; a plain delete marks csDestroying only in the base
    EXPECT_EQ("~Button FormB:-Button Other:-Button ", log);
}

TEST(Component, LoadingBracketOrder) {
    std::string log;
    struct TForm : TLogged {
        TLogged* Button = nullptr;
        TLogged* Menu = nullptr;
        TComponent* BoundMenu = nullptr;
        bool MenuWasLoadingAtBinding = false;
        TForm(std::string* log) : TLogged(nullptr, "Form", log) {
            TComponentLoading loading(this);
            Button = new TLogged(this, "Button", log);
            new TLogged(Button, "Glyph", log);
            loading.Bind("menu", [this](TComponent* c) {
                *Log += "bind ";
                BoundMenu = c;
                MenuWasLoadingAtBinding = c->ComponentState().Contains(csLoading);
            });
            Menu = new TLogged(this, "Menu", log);
            *Log += "built ";
        }
    };
    TForm form(&log);
    EXPECT_EQ("built bind loaded Form loaded Button loaded Glyph loaded Menu ",
              log.substr(log.find("built")));
    EXPECT_EQ(form.Menu, form.BoundMenu);
    EXPECT_TRUE(form.MenuWasLoadingAtBinding);
    for (TLogged* c : {form.Button, form.Menu}) {
        EXPECT_TRUE(c->StateAtCreation.Contains(csLoading)) << c->Name();
        EXPECT_TRUE(c->StateAtCreation.Contains(csReading)) << c->Name();
        EXPECT_TRUE(c->StateAtLoaded.Contains(csLoading)) << c->Name();
        EXPECT_FALSE(c->StateAtLoaded.Contains(csReading)) << c->Name();
        EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
    }
    // Outside a bracket nothing is loading.
    auto* later = new TLogged(&form, "Later", &log);
    EXPECT_FALSE(later->StateAtCreation.Contains(csLoading));
}

TEST(Component, NestedBracketJoinsTheOuterOne) {
    std::string log;
    struct TFrame : TLogged {
        TFrame(TComponent* AOwner, std::string* log) : TLogged(AOwner, "Frame", log) {
            TComponentLoading loading(this);
            new TLogged(this, "FrameButton", log);
            loading.Defer([log] { *log += "frame-bind "; });
        }
    };
    TLogged form(nullptr, "Form", &log);
    {
        TComponentLoading loading(&form);
        new TFrame(&form, &log);
        EXPECT_EQ(std::string::npos, log.find("loaded")); // nothing loaded before the outer bracket ends
        new TLogged(&form, "Last", &log);
        log.clear();
    }
    EXPECT_EQ("frame-bind loaded Form loaded Frame loaded FrameButton loaded Last ", log);
}

TEST(Component, BracketLeftByAnExceptionLoadsNothing) {
    std::string log;
    TLogged form(nullptr, "Form", &log);
    TLogged* inner = nullptr;
    try {
        TComponentLoading loading(&form);
        inner = new TLogged(&form, "Inner", &log);
        loading.Defer([&] { log += "bound "; });
        throw EAbort("stop");
    } catch (const EAbort&) {
    }
    EXPECT_EQ(std::string::npos, log.find("loaded"));
    EXPECT_EQ(std::string::npos, log.find("bound"));
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(inner->ComponentState().Contains(csReading));
    // A later bracket works normally.
    log.clear();
    { TComponentLoading loading(&form); }
    EXPECT_EQ("loaded Form loaded Inner ", log);
}

TEST(Component, BindingToAMissingNameRaisesAndEndsTheBracket) {
    std::string log;
    TLogged form(nullptr, "Form", &log);
    auto run = [&] {
        TComponentLoading loading(&form);
        new TLogged(&form, "Present", &log);
        loading.Bind("Absent", [](TComponent*) {});
        loading.End();
    };
    try {
        run();
        FAIL() << "missing component bound";
    } catch (const EReadError& e) {
        EXPECT_STREQ("Component Absent not found", e.what());
    }
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(form.FindComponent("Present")->ComponentState().Contains(csLoading));
}

TEST(Component, ComponentDestroyedInsideTheBracketIsNotLoaded) {
    std::string log;
    TLogged form(nullptr, "Form", &log);
    {
        TComponentLoading loading(&form);
        new TLogged(&form, "Kept", &log);
        delete new TLogged(&form, "Gone", &log);
        log.clear();
    }
    EXPECT_EQ("loaded Form loaded Kept ", log);
}

TEST(Component, DesigningSpreadsToOwnedComponents) {
    TComponent form(nullptr);
    auto* a = new TComponent(&form);
    form.SetDesigning(true);
    auto* b = new TComponent(&form);
    EXPECT_TRUE(a->ComponentState().Contains(csDesigning));
    EXPECT_TRUE(b->ComponentState().Contains(csDesigning));
    form.SetDesigning(false);
    EXPECT_FALSE(b->ComponentState().Contains(csDesigning));
    form.Updating();
    EXPECT_TRUE(form.ComponentState().Contains(csUpdating));
    form.Updated();
    EXPECT_TRUE(form.ComponentState().empty());
    form.SetTag(42);
    EXPECT_EQ(42, form.Tag());
}
