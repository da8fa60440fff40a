#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/WeakLink.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace object_test {

class TShape : public TPersistent {
public:
    int Size = 0;
    void Assign(TPersistent* Source) override {
        if (auto* shape = dynamic_cast<TShape*>(Source)) {
            Size = shape->Size;
            return;
        }
        TPersistent::Assign(Source);
    }
};
class TCircle : public TShape {};
// Knows how to copy itself into a shape, which does not know it.
class TDimension : public TPersistent {
public:
    int Value = 0;
    void AssignTo(TPersistent* Dest) override {
        if (auto* shape = dynamic_cast<TShape*>(Dest)) {
            shape->Size = Value;
            return;
        }
        TPersistent::AssignTo(Dest);
    }
};

// Observes its own weak links while its destructor runs.
class TWatched : public TObject {
public:
    TWeakLink<TWatched>* Link = nullptr;
    bool LinkAliveInDestructor = true;
    void BeforeDestruction() override { ClearWeakLinks(); }
    ~TWatched() override { LinkAliveInDestructor = Link->Alive(); }
};

template <class T> struct TBox : TObject {};

} // namespace object_test

TEST(Object, ClassNamesAndTypeTests) {
    using namespace object_test;
    TCircle circle;
    const TObject& object = circle;
    EXPECT_EQ("TCircle", object.ClassName());
    EXPECT_TRUE(object.ClassNameIs("tcircle"));
    EXPECT_FALSE(object.ClassNameIs("TShape"));
    EXPECT_TRUE(object.InheritsFrom<TShape>());
    EXPECT_TRUE(object.InheritsFrom<TPersistent>());
    EXPECT_FALSE(object.InheritsFrom<TDimension>());
    EXPECT_EQ("TBox<object_test::TCircle>", TBox<TCircle>().ClassName());
}

TEST(Persistent, AssignTable) {
    using namespace object_test;
    struct Case {
        const char* what;
        std::function<void()> assign;
        std::string error; // empty: succeeds
    };
    TShape shape;
    TCircle circle;
    circle.Size = 5;
    TDimension size;
    size.Value = 9;
    TPersistent plain;
    const std::vector<Case> cases = {
        {"shape from circle", [&] { shape.Assign(&circle); }, ""},
        {"shape from size (through AssignTo)", [&] { shape.Assign(&size); }, ""},
        {"size from shape", [&] { size.Assign(&shape); }, "Cannot assign a TShape to a TDimension"},
        {"shape from plain", [&] { shape.Assign(&plain); }, "Cannot assign a TPersistent to a TShape"},
        {"shape from nil", [&] { shape.Assign(nullptr); }, "Cannot assign a nil to a TShape"},
    };
    for (const Case& c : cases) {
        if (c.error.empty()) {
            EXPECT_NO_THROW(c.assign()) << c.what;
            continue;
        }
        try {
            c.assign();
            ADD_FAILURE() << c.what << " succeeded";
        } catch (const EConvertError& e) {
            EXPECT_EQ(c.error, e.what()) << c.what;
        }
    }
    EXPECT_EQ(9, shape.Size);
}

TEST(WeakLink, ClearedWhenTheObjectIsDestroyed) {
    auto* object = new TObject;
    TWeakLink<TObject> a(object);
    TWeakLink<TObject> b = a;
    TWeakLink<TObject> c;
    c = object;
    TWeakLink<TObject> moved;
    {
        TWeakLink<TObject> shortLived(object); // unregisters itself when it goes
    }
    moved = b;
    b.Reset();
    EXPECT_FALSE(b.Alive());
    EXPECT_EQ(object, a.Get());
    delete object;
    EXPECT_EQ(nullptr, a.Get());
    EXPECT_EQ(nullptr, c.Get());
    EXPECT_EQ(nullptr, moved.Get());

    // A link that outlives nothing: reassigning between objects.
    TObject first, second;
    TWeakLink<TObject> link(&first);
    link = &second;
    EXPECT_EQ(&second, link.Get());
}

TEST(WeakLink, FreeClearsLinksBeforeAnyDestructorRuns) {
    using namespace object_test;
    auto* watched = new TWatched;
    TWeakLink<TWatched> link(watched);
    watched->Link = &link;
    bool aliveInDestructor = true;
    struct Probe : TWatched {
        bool* Out;
        explicit Probe(bool* out) : Out(out) {}
        ~Probe() override { *Out = Link->Alive(); }
    };
    delete watched; // a plain delete: derived destructors still see the link, the base clears it
    EXPECT_FALSE(link.Alive());
    auto* probe = new Probe(&aliveInDestructor);
    TWeakLink<TWatched> probeLink(probe);
    probe->Link = &probeLink;
    TObject* asObject = probe;
    FreeAndNil(asObject);
    EXPECT_EQ(nullptr, asObject);
    EXPECT_FALSE(aliveInDestructor);
    EXPECT_FALSE(probeLink.Alive());
}

TEST(Event, HandlersCompareByObjectAndMethod) {
    struct Receiver : TObject {
        int Calls = 0;
        void Clicked(TObject*) { ++Calls; }
        void Other(TObject*) {}
    };
    Receiver r1, r2;
    TNotifyEvent a(&r1, &Receiver::Clicked);
    TNotifyEvent same(&r1, &Receiver::Clicked);
    TNotifyEvent otherObject(&r2, &Receiver::Clicked);
    TNotifyEvent otherMethod(&r1, &Receiver::Other);
    TNotifyEvent none;
    EXPECT_TRUE(a == same);
    EXPECT_FALSE(a == otherObject);
    EXPECT_FALSE(a == otherMethod);
    EXPECT_FALSE(a == none);
    EXPECT_TRUE(none == TNotifyEvent(nullptr));
    a(nullptr);
    same(nullptr);
    none(nullptr); // an unassigned event does nothing
    EXPECT_EQ(2, r1.Calls);
    EXPECT_FALSE(static_cast<bool>(none));

    int tag = 0, calls = 0;
    TNotifyEvent lambda([&](TObject*) { ++calls; }, &tag);
    TNotifyEvent lambdaSameTag([&](TObject*) {}, &tag);
    TNotifyEvent anonymous([&](TObject*) {});
    EXPECT_TRUE(lambda == lambdaSameTag);
    EXPECT_FALSE(anonymous == anonymous);
    lambda(nullptr);
    EXPECT_EQ(1, calls);
}
