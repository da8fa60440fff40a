#include "source/UiFont.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/GraphicControl.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"

#include <gtest/gtest.h>

#include <memory>

namespace ui_font_test {

class TBox : public TCustomControl {
public:
    explicit TBox(TComponent* AOwner) : TCustomControl(AOwner) {
        ControlStyle() += TControlStyle{csAcceptsControls};
    }
};

class TMark : public TGraphicControl {
public:
    explicit TMark(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

class UiFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        InitializeVcl();
        Installed = ::Screen()->Fonts()->Strings(0);
        Root.reset(TForm::CreateNew(nullptr));
        Inner = new TBox(Root.get());
        Inner->SetParent(Root.get());
        Leaf = new TMark(Root.get());
        Leaf->SetParent(Inner);
        Other = new TMark(Root.get());
        Other->SetParent(Root.get());
        for (TControl* c : {static_cast<TControl*>(Root.get()), static_cast<TControl*>(Inner),
                            static_cast<TControl*>(Leaf)}) {
            c->SetParentFont(false);
            c->Font()->SetName("Tahoma");
        }
        Other->SetParentFont(false);
        Other->Font()->SetName("Courier New");
    }
    void TearDown() override {
        Root.reset();
        FinalizeVcl();
        olva::win::ResetWindowSystem();
    }

    std::string Installed;
    std::unique_ptr<TForm> Root;
    TBox* Inner = nullptr;
    TMark* Leaf = nullptr;
    TMark* Other = nullptr;
};

TEST_F(UiFontTest, ChildrenAtAnyDepthTakeTheNewFaceButTheControlItselfKeepsItsOwn) {
    ApplyUiFont(Root.get(), "Tahoma", Installed);
    EXPECT_EQ(Root->Font()->Name(), "Tahoma");
    EXPECT_EQ(Inner->Font()->Name(), Installed);
    EXPECT_EQ(Leaf->Font()->Name(), Installed);
    EXPECT_EQ(Other->Font()->Name(), "Courier New"); // another face is left alone
}

TEST_F(UiFontTest, NothingChangesForAFaceThatIsNotInstalledOrTheSameFace) {
    ApplyUiFont(Root.get(), "Tahoma", "No Such Face 12345");
    EXPECT_EQ(Inner->Font()->Name(), "Tahoma");
    ApplyUiFont(Root.get(), "Tahoma", "Tahoma");
    EXPECT_EQ(Leaf->Font()->Name(), "Tahoma");
}

} // namespace ui_font_test
