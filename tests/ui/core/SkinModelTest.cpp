// The skin element model: change kinds and update brackets, lookup by name, the cells of a texture,
// source names, alternate image attributes, text colours, copies and comparisons, and skin details.
#include "GdiPlusTestSupport.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/skins/SkinCanvas.h"
#include "ui/core/skins/SkinDetails.h"
#include "ui/core/skins/SkinElement.h"
#include "ui/core/skins/SkinsUnit.h"

#include <vector>

using namespace ui_core_test;
using namespace graphics_test;
using namespace gdiplus_test;

namespace {

class SkinModelTest : public UiCoreTest {
protected:
    void TearDown() override {
        ovSkinImageSet = 0;
        UiCoreTest::TearDown();
    }
    // Records every notice of an object.
    template <class T> void Listen(T& AObject) {
        AObject.OnChange =
            TovSkinChangeNotify([this](TObject*, TovSkinChanges AChanges) { notices.push_back(AChanges); });
    }
    std::vector<TovSkinChanges> notices;
};

template <class T> T* AddProperty(TovSkinPersistent& AOwner, const std::string& AName) {
    return static_cast<T*>(AOwner.Properties()->Add(AName, ovSkinClassOf<T>()));
}

void SetTexture(TovSkinImage& AImage, int AWidth, int AHeight) {
    auto texture = MakeImage(AWidth, AHeight, [](int x, int y) { return Bgra(x, y, 100, 255); });
    AImage.Texture()->Assign(texture.get());
}

TEST_F(SkinModelTest, ChangesReportTheirKindAndABracketReportsOnce) {
    TovSkinElement element(nullptr, "Button");
    Listen(element);
    element.SetColor(clRed);
    element.SetColor(clRed);
    element.SetName("Button");
    element.SetName("Button2");
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0], (TovSkinChanges{scContent}));
    EXPECT_EQ(notices[1], (TovSkinChanges{scStruct}));
    EXPECT_TRUE(element.Modified());

    notices.clear();
    element.BeginUpdate();
    element.BeginUpdate();
    element.SetAlpha(100);
    auto* size = AddProperty<TovSkinSizeProperty>(element, "Size");
    size->SetValue(TSize{3, 4});
    element.EndUpdate();
    EXPECT_TRUE(notices.empty());
    element.EndUpdate();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (TovSkinChanges{scStruct, scContent}));

    // A property reports its value change through the list; the same size again reports nothing.
    notices.clear();
    size->SetValue(TSize{3, 4});
    size->SetValue(TSize{5, 4});
    element.Image()->SetImageCount(3);
    element.ContentOffset()->SetRect(TRect{1, 1, 1, 1});
    element.Borders()->Left()->SetColor(clBlue);
    EXPECT_EQ(notices, (std::vector<TovSkinChanges>(4, TovSkinChanges{scContent})));
    EXPECT_EQ(size->cx(), 5);

    // A failed copy still closes its bracket and reports what it changed.
    notices.clear();
    TuiRect unrelated;
    EXPECT_THROW(element.Assign(&unrelated), EConvertError);
    element.SetTextColor(clGreen);
    EXPECT_EQ(notices.size(), 1u);
}

TEST_F(SkinModelTest, ElementChangesReachTheirGroup) {
    TovSkinControlGroup group(nullptr, "Buttons");
    Listen(group);
    TovSkinElement* element = group.Elements()->Add("Face");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (TovSkinChanges{scStruct}));
    element->SetColor(clYellow);
    EXPECT_EQ(notices.back(), (TovSkinChanges{scContent}));
    EXPECT_EQ(element->Group(), &group);
    group.Clear();
    EXPECT_EQ(group.Elements()->Count(), 0);
    EXPECT_EQ(notices.back(), (TovSkinChanges{scStruct}));

    // An element owned by something other than a group has no group to give.
    TovSkinElement owned(&group, "X"), loose(nullptr, "Y");
    TovSkinBorders notAGroup(nullptr, "B");
    TovSkinElement wrong(&notAGroup, "Z");
    EXPECT_EQ(loose.Group(), nullptr);
    EXPECT_THROW(wrong.Group(), EInvalidCast);
}

TEST_F(SkinModelTest, ItemsAreFoundByTheirNameAlsoAfterARename) {
    TovSkinControlGroup group(nullptr, "G");
    for (const char* name : {"Thumb", "Arrow", "track", "Track"})
        group.Elements()->Add(name);
    TovSkinElement* track = group.Elements()->FindByName("Track");
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->Name(), "Track");
    EXPECT_EQ(group.Elements()->FindByName("TRACK"), nullptr);
    EXPECT_TRUE(group.Elements()->Sorted());
    track->SetName("Bar");
    EXPECT_FALSE(group.Elements()->Sorted());
    EXPECT_EQ(group.Elements()->FindByName("Bar"), track);
    EXPECT_EQ(group.Elements()->FindByName("Track"), nullptr);
    std::vector<std::string> order;
    for (int i = 0; i < group.Elements()->Count(); ++i)
        order.push_back(group.Elements()->Items(i)->Name());
    EXPECT_EQ(order, (std::vector<std::string>{"Arrow", "Bar", "Thumb", "track"}));
}

TEST_F(SkinModelTest, CellsOfATextureFollowLayoutCountAndStates) {
    TovSkinImage image;
    SetTexture(image, 40, 10);
    image.SetImageCount(2);
    image.SetStates(TovSkinElementStates{esNormal, esHot});
    EXPECT_EQ(image.Size(), (TSize{10, 10}));
    EXPECT_EQ(image.StateCount(), 2);
    EXPECT_EQ(image.GetStateBounds(0, esNormal), (TRect{0, 0, 10, 10}));
    EXPECT_EQ(image.GetStateBounds(0, esHot), (TRect{10, 0, 20, 10}));
    EXPECT_EQ(image.GetStateBounds(1, esHot), (TRect{30, 0, 40, 10}));
    EXPECT_TRUE(uiIsRectEmpty(image.GetStateBounds(1, esPressed)));

    SetTexture(image, 10, 40);
    image.SetImageLayout(ilVertical);
    EXPECT_EQ(image.GetStateBounds(1, esNormal), (TRect{0, 20, 10, 30}));
    image.SetImageCount(0);
    EXPECT_EQ(image.ImageCount(), 1);
    EXPECT_EQ(image.Size(), (TSize{10, 20}));
    image.SetStates(TovSkinElementStates{});
    EXPECT_EQ(image.Size(), (TSize{10, 40}));
    EXPECT_EQ(image.StateCount(), 0);

    image.Margins()->SetMargin(TRect{3, 0, 3, 4});
    image.SetStates(TovSkinElementStates{esNormal});
    EXPECT_EQ(image.PartBounds(4), (TRect{3, 0, 7, 36}));
    EXPECT_FALSE(image.PartVisible(0));
    EXPECT_TRUE(image.PartVisible(3));
    EXPECT_TRUE(image.PartVisible(8));
}

TEST_F(SkinModelTest, CheckStateCorrectsIndexAndState) {
    TovSkinImage image;
    image.SetImageCount(3);
    const struct {
        TovSkinElementStates States;
        TovSkinElementState Asked;
        int AskedIndex;
        TovSkinElementState State;
        int Index;
    } cases[] = {{{}, esPressed, 1, esPressed, 1},
                 {{esHot, esPressed}, esNormal, 0, esHot, 0},
                 {{esHot, esPressed}, esPressed, 7, esPressed, 2},
                 {{esNormal, esDisabled}, esFocused, 2, esNormal, 2}};
    for (const auto& c : cases) {
        image.SetStates(c.States);
        TovSkinElementState state = c.Asked;
        int index = c.AskedIndex;
        image.CheckState(state, index);
        EXPECT_EQ(state, c.State);
        EXPECT_EQ(index, c.Index);
    }
}

TEST_F(SkinModelTest, SourceNamesComeFromGroupAndElement) {
    TovSkinControlGroup group(nullptr, "G");
    TovSkinElement* element = group.Elements()->Add("E");
    EXPECT_EQ(element->Image()->SourceName(), "");
    SetTexture(*element->Image(), 4, 4);
    SetTexture(*element->Glyph(), 4, 4);
    EXPECT_EQ(element->Image()->SourceName(), "G\\E_Image.png");
    EXPECT_EQ(element->Glyph()->SourceName(), "G\\E_Glyph.png");
    element->Glyph()->SetSourceName("mine.png");
    EXPECT_EQ(element->Glyph()->SourceName(), "mine.png");
    element->Glyph()->Clear();
    EXPECT_TRUE(element->Glyph()->IsEmpty());
    EXPECT_EQ(element->Glyph()->SourceName(), "");
}

TEST_F(SkinModelTest, AlternateImagesAreLookedUpPerStateAndIndexAndRefreshedAfterAChange) {
    TovSkinElement element(nullptr, "E");
    EXPECT_EQ(AlternateImagePropertyName(esHot, 0), "AlternateImage1Hot");
    EXPECT_EQ(AlternateImagePropertyName(esCheckPressed, 2), "AlternateImage3CheckPressed");
    auto* normal = AddProperty<TovSkinAlternateImageAttributes>(element, "AlternateImage1Normal");
    TovSkinAlternateImageAttributes* found = nullptr;
    // An empty Image uses them whatever the image set; a state without a cell becomes Normal.
    for (std::uint8_t set : {0, 1, 2}) {
        ovSkinImageSet = set;
        EXPECT_TRUE(element.GetAlternateImage(esNormal, 0, false, found));
        EXPECT_EQ(found, normal);
        EXPECT_TRUE(element.GetAlternateImage(esHot, 0, false, found));
        EXPECT_EQ(found, normal);
    }
    element.Image()->SetStates(TovSkinElementStates{esNormal, esHot});
    EXPECT_FALSE(element.GetAlternateImage(esHot, 0, false, found));
    auto* hot = AddProperty<TovSkinAlternateImageAttributes>(element, "AlternateImage1Hot");
    EXPECT_TRUE(element.GetAlternateImage(esHot, 0, false, found));
    EXPECT_EQ(found, hot);
    element.DeleteProperty(hot);
    EXPECT_FALSE(element.GetAlternateImage(esHot, 0, false, found));
    // Another kind of property under that name is no alternate image.
    AddProperty<TovSkinColor>(element, "AlternateImage1Hot");
    EXPECT_FALSE(element.GetAlternateImage(esHot, 0, false, found));

    // With an Image: on low colours under set 0, never under set 1, always under set 2.
    SetTexture(*element.Image(), 20, 10);
    const struct {
        std::uint8_t Set;
        bool LowColors, Used;
    } cases[] = {{0, false, false}, {0, true, true}, {1, true, false}, {2, false, true}};
    for (const auto& c : cases) {
        ovSkinImageSet = c.Set;
        EXPECT_EQ(element.GetAlternateImage(esNormal, 0, c.LowColors, found), c.Used);
    }
}

TEST_F(SkinModelTest, TextColorsFallBackToTheNormalStateAndToTheElement) {
    TovSkinElement element(nullptr, "E");
    element.SetTextColor(clNavy);
    EXPECT_EQ(element.GetTextColor(0), clNavy);
    EXPECT_EQ(element.GetTextColor(2), clNavy);
    auto* hot = AddProperty<TovSkinColor>(element, "TextColorHot");
    EXPECT_EQ(element.GetTextColor(2), clNavy); // clDefault falls back
    hot->SetValue(clRed);
    EXPECT_EQ(element.GetTextColor(2), clRed);
    AddProperty<TovSkinColor>(element, "TextColor")->SetValue(clBlue);
    EXPECT_EQ(element.GetTextColor(3), clBlue);
    EXPECT_EQ(element.GetTextColor(1), clBlue);
    AddProperty<TovSkinColor>(element, "TabTextColorDisabled")->SetValue(clGray);
    EXPECT_EQ(element.GetTextColor(4, "Tab"), clGray);
    EXPECT_EQ(element.GetTextColor(2, "Tab"), clNavy);
    AddProperty<TovSkinIntegerProperty>(element, "TextColorPressed");
    EXPECT_THROW(element.GetTextColor(3), EInvalidCast);
}

TEST_F(SkinModelTest, CopiesCompareEqualAndEachFieldCounts) {
    TovSkinControlGroup group(nullptr, "G");
    TovSkinElement* source = group.Elements()->Add("E");
    source->SetColor(clRed);
    source->SetAlpha(200);
    source->SetTextColor(clWhite);
    source->ContentOffset()->SetRect(TRect{1, 2, 3, 4});
    source->MinSize()->SetSize(TSize{10, 12});
    source->Borders()->Top()->SetColor(clBlack);
    source->Borders()->Top()->SetThin(2);
    SetTexture(*source->Image(), 30, 10);
    source->Image()->Margins()->SetAll(3);
    AddProperty<TovSkinStringProperty>(*source, "Caption")->SetValue("OK");
    AddProperty<TovSkinAlternateImageAttributes>(*source, "AlternateImage1Normal")
        ->SetGradientBeginColor(clLime);
    source->SetCached(true);

    TovSkinElement copy(nullptr, "E");
    copy.Assign(source);
    EXPECT_TRUE(copy.Compare(source));
    EXPECT_TRUE(source->Compare(&copy));
    EXPECT_TRUE(copy.Cached());
    EXPECT_EQ(copy.Properties()->Count(), 2);
    EXPECT_EQ(copy.Image()->SourceName(), "G\\E_Image.png"); // taken over from the source

    const std::vector<std::function<void(TovSkinElement&)>> changes = {
        [](TovSkinElement& e) { e.SetName("F"); },
        [](TovSkinElement& e) { e.SetAlpha(10); },
        [](TovSkinElement& e) { e.SetTextColor(clBlack); },
        [](TovSkinElement& e) { e.MinSize()->SetWidth(1); },
        [](TovSkinElement& e) { e.ContentOffset()->SetRect(TRect{}); },
        [](TovSkinElement& e) { e.Borders()->Right()->SetThin(4); },
        [](TovSkinElement& e) {
            static_cast<TovSkinStringProperty*>(e.Properties()->Items(0))->SetValue("ok");
        },
        [](TovSkinElement& e) { e.Image()->SetStretch(smTile); },
        [](TovSkinElement& e) { e.Image()->Texture()->ChangeColor(clBlue); },
        [](TovSkinElement& e) { e.Glyph()->SetGradientBeginColor(clRed); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        TovSkinElement changed(nullptr, "E");
        changed.Assign(source);
        changes[i](changed);
        EXPECT_FALSE(changed.Compare(source)) << i;
    }
    // Names compare ignoring case.
    TovSkinElement upper(nullptr, "e");
    upper.Assign(source);
    upper.SetName("e");
    EXPECT_TRUE(upper.Compare(source));
}

TEST_F(SkinModelTest, PropertiesDescribeCopyAndCompareByClass) {
    TovSkinElement owner(nullptr, "E");
    const struct {
        TovSkinObjectClass Class;
        const char* Description;
    } cases[] = {{ovSkinClassOf<TovSkinIntegerProperty>(), "Integer"},
                 {ovSkinClassOf<TovSkinBooleanProperty>(), "Boolean"},
                 {ovSkinClassOf<TovSkinColor>(), "Color"},
                 {ovSkinClassOf<TovSkinRectProperty>(), "Rect"},
                 {ovSkinClassOf<TovSkinSizeProperty>(), "Size"},
                 {ovSkinClassOf<TovSkinStringProperty>(), "String"},
                 {ovSkinClassOf<TovSkinWideStringProperty>(), "WideString"},
                 {ovSkinClassOf<TovSkinAlternateImageAttributes>(), "AlternateImageAttributes"}};
    for (const auto& c : cases) {
        auto* property = static_cast<TovSkinProperty*>(owner.Properties()->Add("P", c.Class));
        EXPECT_EQ(property->GetDescription(), c.Description);
    }
    // The registered property classes, in the order of registration.
    ASSERT_EQ(ovSkinPropertyClasses().size(), 8u);
    EXPECT_EQ(ovSkinPropertyClasses()[0]->ClassName, "TovSkinAlternateImageAttributes");
    EXPECT_EQ(ovFindSkinPropertyClass("tovskincolor"), ovSkinClassOf<TovSkinColor>());
    EXPECT_EQ(ovFindSkinPropertyClass("TovSkinElement"), nullptr);
    EXPECT_NE(GetClass("TovSkinElement"), nullptr);
    EXPECT_NE(GetClass("TovSkinImage"), nullptr);

    TovSkinStringProperty plain(nullptr, "Text");
    TovSkinWideStringProperty wide(nullptr, "TEXT");
    plain.SetValue("abc");
    wide.Assign(&plain);
    EXPECT_EQ(wide.Value(), "abc");
    EXPECT_TRUE(plain.Compare(&wide));  // a descendant of the plain class
    EXPECT_FALSE(wide.Compare(&plain)); // not a wide string
    TovSkinIntegerProperty number(nullptr, "Text");
    EXPECT_THROW(number.Assign(&plain), EConvertError);
    EXPECT_FALSE(number.Compare(&plain));

    TovSkinRectProperty rect(nullptr, "R"), rect2(nullptr, "r");
    rect.Value()->SetRect(TRect{1, 2, 3, 4});
    rect2.Assign(&rect);
    EXPECT_EQ(rect2.Right(), 3);
    EXPECT_TRUE(rect2.Compare(&rect));

    // Borders compare their values, not their names.
    TovSkinBorder left(nullptr, "Left"), other(nullptr, "Other");
    left.SetColor(clRed);
    other.Assign(&left);
    EXPECT_TRUE(other.Compare(&left));
    other.Assign(&number); // ignored
    EXPECT_EQ(other.Color(), clRed);

    // Lists compare position by position.
    TovSkinElement a(nullptr, "A"), b(nullptr, "B");
    AddProperty<TovSkinColor>(a, "X");
    AddProperty<TovSkinColor>(a, "Y");
    AddProperty<TovSkinColor>(b, "Y");
    AddProperty<TovSkinColor>(b, "X");
    EXPECT_FALSE(a.Properties()->Compare(b.Properties()));
    b.Properties()->Assign(a.Properties());
    EXPECT_TRUE(a.Properties()->Compare(b.Properties()));
}

TEST_F(SkinModelTest, DetailsReportChangesClearAndLoadTheDefaultIcons) {
    TovSkinDetails details;
    int changes = 0;
    details.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    details.SetName("Night");
    details.SetName("Night");
    details.SetDisplayName("Night sky");
    details.SetGroupName("Dark");
    details.SetNotes("Für späte Stunden");
    EXPECT_EQ(changes, 4);

    details.LoadDefaultIcon(0);
    details.LoadDefaultIcon(1);
    EXPECT_EQ(details.GetIcon(0)->GetSize(), (TSize{16, 16}));
    EXPECT_EQ(details.GetIcon(1)->GetSize(), (TSize{48, 48}));

    TovSkinDetails copy;
    int copyChanges = 0;
    copy.OnChange = TNotifyEvent([&](TObject*) { ++copyChanges; });
    copy.Assign(&details);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Notes(), "Für späte Stunden");
    EXPECT_TRUE(copy.GetIcon(1)->Compare(details.GetIcon(1)));

    changes = 0;
    details.Clear();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(details.Name(), "");
    EXPECT_EQ(details.DisplayName(), "");
    EXPECT_EQ(details.GroupName(), "");
    EXPECT_EQ(details.Notes(), "");
    EXPECT_TRUE(details.GetIcon(0)->Empty());
    EXPECT_TRUE(details.GetIcon(1)->Empty());
    // A bracket always reports when it closes.
    details.BeginUpdate();
    details.EndUpdate();
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinModelTest, TheSharedEmptyElementExistsWhileTheUnitRuns) {
    ASSERT_NE(ovSkinEmptyElement(), nullptr);
    EXPECT_EQ(ovSkinEmptyElement()->Name(), "");
    EXPECT_EQ(ovSkinEmptyElement()->Owner(), nullptr);
}

} // namespace
