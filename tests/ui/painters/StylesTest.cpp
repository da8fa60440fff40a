// Styles, styles objects, style sheets and the style repository: assigned bits, the removal fan-out with
// the changed element indices, sheet acceptance and chains, captions.
#include "PaintersTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/painters/styles/StyleRepository.h"
#include "ui/painters/styles/StyleSheets.h"
#include "ui/painters/styles/Styles.h"

#include <memory>
#include <vector>

using namespace painters_test;

namespace {

// A styles object that records the element indices it is told of.
class TRecordingStyles : public TuiCustomStyles {
public:
    using TuiCustomStyles::TuiCustomStyles;
    void Changed(int AIndex) override { changed.push_back(AIndex); }
    std::vector<int> changed;
};

class TRecordingSheet : public TuiCustomStyleSheet {
public:
    using TuiCustomStyleSheet::TuiCustomStyleSheet;
    TuiCustomStylesClass GetStylesClass() override { return uiCustomStylesClassOf<TRecordingStyles>(); }
};

// A listener that never takes itself off the style's list.
class TStubbornListener : public IuiStyleListener {
public:
    void StyleChanged(TuiCustomStyle*) override {}
    void StyleRemoved(TuiCustomStyle*) override { ++removed; }
    int removed = 0;
};

class StylesTest : public PaintersTest {
protected:
    void SetUp() override {
        PaintersTest::SetUp();
        owner = std::make_unique<TComponent>(nullptr);
        repository = new TuiStyleRepository(owner.get());
    }
    void TearDown() override {
        owner.reset();
        PaintersTest::TearDown();
    }
    TuiStyle* NewStyle() { return static_cast<TuiStyle*>(repository->CreateItem(uiClassOf<TuiStyle>())); }
    TRecordingSheet* NewSheet(const std::string& AName) {
        auto* sheet =
            static_cast<TRecordingSheet*>(repository->CreateStyleSheet(uiClassOf<TRecordingSheet>()));
        sheet->SetName(AName);
        return sheet;
    }

    std::unique_ptr<TComponent> owner;
    TuiStyleRepository* repository = nullptr;
};

TEST_F(StylesTest, ColoursBitmapAndFontSetAndClearTheirBits) {
    TuiStyle* style = NewStyle();
    EXPECT_EQ(style->StyleRepository(), repository);
    EXPECT_EQ(style->Owner(), owner.get());
    EXPECT_TRUE(style->AssignedValues().empty());
    style->SetColor(clRed);
    EXPECT_TRUE(style->AssignedValues().Contains(svColor));
    style->SetColor(clDefault);
    EXPECT_FALSE(style->AssignedValues().Contains(svColor));
    style->SetTextColor(clBlue);
    EXPECT_TRUE(style->IsValueStored(svTextColor));
    TBitmap empty;
    style->SetBitmap(&empty);
    EXPECT_FALSE(style->AssignedValues().Contains(svBitmap));
    TBitmap picture;
    picture.SetSize(4, 4);
    style->SetBitmap(&picture);
    EXPECT_TRUE(style->AssignedValues().Contains(svBitmap));
    style->Font()->SetHeight(-20);
    EXPECT_TRUE(style->AssignedValues().Contains(svFont));
    style->ChangeScale(3, 2);
    EXPECT_EQ(style->Font()->Height(), -30);
    // Back to the defaults: the font keeps its settings, only its bit goes.
    style->RevertToDefaults();
    EXPECT_TRUE(style->AssignedValues().empty());
    EXPECT_TRUE(style->Bitmap()->Empty());
    EXPECT_EQ(style->Color(), clDefault);
    EXPECT_EQ(style->Font()->Height(), -30);
    // A copy takes every value and the source's assigned bits.
    TuiStyle* copy = NewStyle();
    style->SetColor(clLime);
    copy->Assign(style);
    EXPECT_EQ(copy->Color(), clLime);
    EXPECT_EQ(copy->AssignedValues(), style->AssignedValues());
}

TEST_F(StylesTest, FreeingAStyleRemovesItsEntriesAndReportsTheirIndices) {
    TuiStyle* shared = NewStyle();
    TuiStyle* other = NewStyle();
    TRecordingStyles first(nullptr), second(nullptr);
    first.SetValue(1, shared);
    first.SetValue(4, other);
    first.SetValue(7, shared);
    second.SetValue(2, shared);
    first.changed.clear();
    second.changed.clear();
    EXPECT_EQ(shared->ListenerCount(), 2);
    shared->SetColor(clRed);
    EXPECT_EQ(first.changed, (std::vector<int>{1, 7}));
    EXPECT_EQ(second.changed, (std::vector<int>{2}));
    // Another entry still holding the style keeps hearing of it when one entry goes.
    first.SetValue(1, nullptr);
    first.changed.clear();
    shared->SetColor(clBlue);
    EXPECT_EQ(first.changed, (std::vector<int>{7}));
    first.SetValue(1, shared);
    first.changed.clear();
    second.changed.clear();
    shared->Free();
    // From the last entry to the first: element 1 went back in after element 7.
    EXPECT_EQ(first.changed, (std::vector<int>{1, 7}));
    EXPECT_EQ(second.changed, (std::vector<int>{2}));
    EXPECT_EQ(first.Count(), 1);
    EXPECT_EQ(first.GetValue(4), other);
    EXPECT_EQ(second.Count(), 0);
    EXPECT_EQ(repository->Count(), 1);
}

TEST_F(StylesTest, AListenerThatKeepsItsPlaceCannotHoldTheStyleAlive) {
    TuiStyle* style = NewStyle();
    TStubbornListener listener;
    style->AddChangeListener(&listener);
    style->AddChangeListener(&listener);
    EXPECT_EQ(style->ListenerCount(), 1);
    style->Free();
    EXPECT_EQ(listener.removed, 1);
}

TEST_F(StylesTest, FollowingASheetReportsTheIndicesOfItsChainOnce) {
    TuiStyle* a = NewStyle();
    TuiStyle* b = NewStyle();
    TRecordingSheet* base = NewSheet("BaseSheet");
    TRecordingSheet* derived = NewSheet("DerivedSheet");
    base->Styles()->SetValue(1, a);
    base->Styles()->SetValue(3, b);
    derived->Styles()->SetValue(3, a);
    derived->Styles()->SetValue(5, b);
    derived->Styles()->SetStyleSheet(base);
    EXPECT_EQ(derived->Styles()->StyleSheet(), base);
    TRecordingStyles control(nullptr);
    control.SetStyleSheet(derived);
    EXPECT_EQ(control.changed, (std::vector<int>{3, 5, 1}));
    // A change of a style reaches the control as its index in each sheet of the chain: the derived
    // sheet's entry first (its styles object listened last), then the base sheet's through the derived.
    control.changed.clear();
    b->SetColor(clRed);
    EXPECT_EQ(control.changed, (std::vector<int>{5, 3}));
    // Leaving the sheet reports the same indices.
    control.changed.clear();
    control.SetStyleSheet(nullptr);
    EXPECT_EQ(control.changed, (std::vector<int>{3, 5, 1}));
    EXPECT_EQ(derived->FollowerCount(), 0);
}

TEST_F(StylesTest, UnacceptableSheetsAreIgnored) {
    TRecordingSheet* a = NewSheet("SheetA");
    TRecordingSheet* b = NewSheet("SheetB");
    a->Styles()->SetStyleSheet(b);
    // A chain A -> B -> A is refused, as is a sheet following itself.
    b->Styles()->SetStyleSheet(a);
    EXPECT_EQ(b->Styles()->StyleSheet(), nullptr);
    a->Styles()->SetStyleSheet(a);
    EXPECT_EQ(a->Styles()->StyleSheet(), b);
    // A sheet whose styles class differs from the target's class cannot be assigned.
    TuiCustomStyles plain(nullptr);
    plain.SetStyleSheet(a);
    EXPECT_EQ(plain.StyleSheet(), nullptr);
    TRecordingStyles recording(nullptr);
    recording.SetStyleSheet(a);
    EXPECT_EQ(recording.StyleSheet(), a);
    // The copy of a styles object follows the same sheet.
    TRecordingStyles copy(nullptr);
    copy.Assign(&recording);
    EXPECT_EQ(copy.StyleSheet(), a);
    // Freeing the sheet detaches its followers.
    a->Free();
    EXPECT_EQ(recording.StyleSheet(), nullptr);
    EXPECT_EQ(copy.StyleSheet(), nullptr);
}

TEST_F(StylesTest, CaptionsEqualToTheNameAreNotStored) {
    TRecordingSheet* sheet = NewSheet("MainSheet");
    EXPECT_EQ(sheet->Caption(), "MainSheet");
    EXPECT_FALSE(sheet->IsCaptionStored());
    sheet->SetCaption("mainsheet");
    EXPECT_FALSE(sheet->IsCaptionStored());
    EXPECT_EQ(sheet->Caption(), "MainSheet");
    sheet->SetCaption("Editor colours");
    EXPECT_TRUE(sheet->IsCaptionStored());
    EXPECT_EQ(sheet->Caption(), "Editor colours");
    EXPECT_FALSE(sheet->BuiltIn());
}

TEST_F(StylesTest, ParentsAreRepositoriesAndTheRepositoryListsItsChildren) {
    TuiStyle* style = NewStyle();
    TRecordingSheet* sheet = NewSheet("Sheet");
    TComponent notARepository(nullptr);
    EXPECT_THROW(style->SetParentComponent(&notARepository), EInvalidCast);
    EXPECT_THROW(sheet->SetParentComponent(&notARepository), EInvalidCast);
    auto* second = new TuiStyleRepository(owner.get());
    style->SetParentComponent(second);
    EXPECT_EQ(repository->Count(), 0);
    EXPECT_EQ(second->Count(), 1);
    EXPECT_TRUE(style->HasParent());
    std::vector<TComponent*> children;
    second->GetChildren([&](TComponent* c) { children.push_back(c); }, owner.get());
    EXPECT_EQ(children, (std::vector<TComponent*>{style}));
    children.clear();
    repository->GetChildren([&](TComponent* c) { children.push_back(c); }, owner.get());
    EXPECT_EQ(children, (std::vector<TComponent*>{sheet}));
    EXPECT_FALSE(repository->Scalable);
    // The repository frees what it holds (the style's name is read before it goes).
    const auto styleName = style->Name();
    delete second;
    EXPECT_EQ(owner->FindComponent(styleName), nullptr);
}

} // namespace
