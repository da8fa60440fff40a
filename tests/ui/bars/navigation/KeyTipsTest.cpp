// Key tips made unique (equal ones numbered, one that begins another numbered alone) and composed from
// the user's key tip or the automatic one, cut to three characters; invisible parts give none.
#include "NavigationTestSupport.h"

#include "ui/bars/navigation/BarKeyTips.h"

#include <algorithm>

using namespace navigation_test;

namespace {

TovBarKeyTipDataList ListOf(const std::vector<std::string>& AKeyTips) {
    TovBarKeyTipDataList list;
    for (const std::string& keyTip : AKeyTips) {
        TovBarKeyTipInfo info;
        info.KeyTip = keyTip;
        list.push_back(std::make_unique<TovBarKeyTipData>(info));
    }
    return list;
}

std::vector<std::string> KeyTipsOf(const TovBarKeyTipDataList& AList) {
    std::vector<std::string> result;
    for (const auto& data : AList)
        result.push_back(data->Info.KeyTip);
    return result;
}

std::vector<std::string> Twelve(const std::string& APrefix, bool ANumbered) {
    std::vector<std::string> result;
    for (int i = 1; i <= 12; ++i)
        result.push_back(APrefix + (ANumbered ? (i < 10 ? "0" : "") + std::to_string(i) : ""));
    return result;
}

TEST(KeyTipSuffixTest, NumbersArePaddedToTheDigitsOfTheGroup) {
    const struct {
        int Count, Index;
        const char* Suffix;
    } cases[] = {{1, 0, "1"},   {3, 2, "3"},    {9, 8, "9"},    {12, 0, "01"},
                 {12, 9, "10"}, {12, 11, "12"}, {100, 4, "005"}};
    for (const auto& c : cases)
        EXPECT_EQ(ovKeyTipSuffix(c.Count, c.Index), c.Suffix) << c.Count << " " << c.Index;
}

TEST(KeyTipUniquenessTest, EqualKeyTipsAreNumberedAndPrefixesStandAlone) {
    const struct {
        std::vector<std::string> In, Out;
    } cases[] = {
        {{"F", "F", "FA"}, {"F1", "F2", "FA"}},
        {{"F", "FA"}, {"F1", "FA"}},
        {{"FA", "F"}, {"FA", "F1"}},
        {Twelve("Y", false), Twelve("Y", true)},
        {{}, {}},
        {{"A"}, {"A"}},
        {{"A", "B", "AB"}, {"A1", "B", "AB"}},
        {{"S", "T", "S"}, {"S1", "T", "S2"}},
    };
    for (const auto& c : cases) {
        TovBarKeyTipDataList list = ListOf(c.In);
        ovMakeKeyTipsUnique(list);
        EXPECT_EQ(KeyTipsOf(list), c.Out);
    }
}

TEST(KeyTipUniquenessTest, NumbersThatMakeNewEqualsAreSettledToo) {
    // "F" and "F" become "F1" and "F2", and the first now equals the existing "F1".
    for (const std::vector<std::string>& in : {std::vector<std::string>{"F", "F", "F1"},
                                               {"F1", "F", "F", "F11", "F"},
                                               {"Y", "Y1", "Y", "Y2", "Y12"}}) {
        TovBarKeyTipDataList list = ListOf(in);
        ovMakeKeyTipsUnique(list);
        const std::vector<std::string> out = KeyTipsOf(list);
        for (size_t i = 0; i < out.size(); ++i)
            for (size_t j = 0; j < out.size(); ++j) {
                if (i == j) continue;
                EXPECT_NE(out[j].rfind(out[i], 0), 0u) << out[i] << " begins " << out[j];
            }
    }
}

class KeyTipCompositionTest : public NavigationTest {};

TEST_F(KeyTipCompositionTest, UserKeyTipFirstCutToThreeAndNothingBelowAnInvisiblePart) {
    TovBarHelperRef root = MakeRoot("root", TRect{0, 0, 500, 100});
    auto* top = static_cast<FakeHelper*>(root.Get());
    FakeHelper* group = top->Add("group", TRect{0, 0, 200, 40}, false);
    FakeHelper* open = group->Add("open", TRect{0, 0, 40, 20});
    open->UserKeyTip = "OPEN";
    FakeHelper* save = group->Add("save", TRect{40, 0, 80, 20});
    save->AutoKeyTip = "S";
    FakeHelper* hiddenGroup = top->Add("hidden", TRect{0, 50, 200, 90}, false);
    hiddenGroup->Add("cut", TRect{0, 50, 40, 70})->UserKeyTip = "X";
    FakeHelper* hiddenItem = top->Add("paste", TRect{300, 0, 340, 20});
    hiddenItem->UserKeyTip = "V";

    EXPECT_EQ(open->ComposeKeyTip(), "OPE");
    hiddenGroup->Visible = false;
    hiddenItem->Visible = false;
    TovBarKeyTipDataList list;
    top->CollectKeyTipsData(list);
    EXPECT_EQ(KeyTipsOf(list), (std::vector<std::string>{"OPE", "S"}))
        << "neither the hidden group's items nor the hidden item";

    group->Visible = false;
    list.clear();
    group->CollectKeyTipsData(list);
    EXPECT_TRUE(list.empty());
}

} // namespace
