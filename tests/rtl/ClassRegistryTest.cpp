#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Component.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>

namespace registry_test {

class TRegButton : public TComponent {
public:
    using TComponent::TComponent;
};
class TRegFont : public TPersistent {};

} // namespace registry_test

namespace registry_test_other {
class TRegButton : public TComponent {
public:
    using TComponent::TComponent;
};
} // namespace registry_test_other

TEST(ClassRegistry, FindsRegisteredClassesByNameIgnoringCaseAndCreatesThem) {
    using namespace registry_test;
    RegisterClasses<TRegButton, TRegFont>();
    RegisterClass<TRegButton>(); // again: no effect

    for (const char* name : {"TRegButton", "tregbutton", "TREGBUTTON"}) {
        const TPersistentClass* found = GetClass(name);
        ASSERT_NE(nullptr, found) << name;
        EXPECT_EQ("TRegButton", found->ClassName);
    }
    TComponent owner(nullptr);
    TPersistent* made = FindClass("TRegButton").Create(&owner);
    auto* button = dynamic_cast<TRegButton*>(made);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(&owner, button->Owner()); // freed with its owner

    std::unique_ptr<TPersistent> font(FindClass("TRegFont").Create(nullptr));
    EXPECT_EQ("TRegFont", font->ClassName());

    UnRegisterClass<TRegButton>();
    UnRegisterClass("tregfont");
    EXPECT_EQ(nullptr, GetClass("TRegButton"));
    EXPECT_EQ(nullptr, GetClass("TRegFont"));
}

TEST(ClassRegistry, UnknownAndClashingNamesRaise) {
    EXPECT_EQ(nullptr, GetClass("TNoSuchThing"));
    try {
        FindClass("TNoSuchThing");
        FAIL() << "found an unknown class";
    } catch (const EClassNotFound& e) {
        EXPECT_STREQ("Class TNoSuchThing not found", e.what());
    }

    RegisterClass<registry_test::TRegButton>();
    try {
        RegisterClass<registry_test_other::TRegButton>();
        FAIL() << "two classes under one name";
    } catch (const EFilerError& e) {
        EXPECT_STREQ("A class named TRegButton already exists", e.what());
    }
    EXPECT_EQ(&typeid(registry_test::TRegButton), GetClass("TRegButton")->Type);
    UnRegisterClass<registry_test::TRegButton>();

    RegisterClass("TAlias", typeid(registry_test::TRegFont),
                  [](TComponent*) { return new registry_test::TRegFont; });
    std::unique_ptr<TPersistent> made(FindClass("talias").Create(nullptr));
    EXPECT_EQ("TRegFont", made->ClassName());
    UnRegisterClass("TAlias");
}
