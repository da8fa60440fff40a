// The part list of a bitmap skin: adding parts, the duplicate ID and name checks with their messages,
// a rejected part freed and the list unchanged, the cutting helpers, access and clearing.
#include "SkinTestSupport.h"

#include "ui/bars/skin/BarSkin.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/CoreServices.h"

using namespace skin_test;

namespace bar_skin_test {

class TSkin : public TovCustomBarSkin {
public:
    std::string GetName() const override { return "Plain"; }
};

// A part that reports its end.
class TWatchedPart : public TovSkinnedRect {
public:
    TWatchedPart(int AID, const std::string& AName, bool* AFreed) : FFreed(AFreed) {
        SetID(AID);
        SetName(AName);
    }
    ~TWatchedPart() override {
        if (FFreed != nullptr) *FFreed = true;
    }

private:
    bool* FFreed;
};

std::unique_ptr<TovSkinnedRect> Part(int AID, const std::string& AName, bool* AFreed = nullptr) {
    return std::make_unique<TWatchedPart>(AID, AName, AFreed);
}

std::string MessageOf(TSkin& ASkin, std::unique_ptr<TovSkinnedRect> APart) {
    try {
        ASkin.AddPart(std::move(APart));
    } catch (const EovException& E) {
        return E.Message();
    }
    return "";
}

using BarSkinTest = SkinTest;

TEST_F(BarSkinTest, PartsWithoutIDOrNameNeverCollide) {
    TSkin skin;
    EXPECT_EQ(skin.AddPart(Part(-1, "")), 0);
    EXPECT_EQ(skin.AddPart(Part(-1, "")), 1);
    EXPECT_EQ(skin.AddPart(Part(7, "")), 2);
    EXPECT_EQ(skin.AddPart(Part(-1, "Tab")), 3);
    EXPECT_EQ(skin.AddPart(nullptr), -1);
    EXPECT_EQ(skin.Count(), 4);
    EXPECT_EQ(skin.GetPart(2)->ID(), 7);
    EXPECT_EQ(skin.GetName(), "Plain");
}

TEST_F(BarSkinTest, ADuplicateIsRefusedWithItsMessageFreedAndTheListUnchanged) {
    TSkin skin;
    skin.AddPart(Part(10, "Tab"));
    skin.AddPart(Part(11, "Group"));
    const struct {
        int ID;
        std::string Name, Message;
    } cases[] = {
        {10, "", "ERROR: Duplicate part's ID = 10"},
        {12, "TAB", "ERROR: Duplicate part's name = \"TAB\""},
        {12, "group", "ERROR: Duplicate part's name = \"group\""},
        // Each existing part is asked for its ID before its name, in list order.
        {11, "Tab", "ERROR: Duplicate part's name = \"Tab\""},
        {10, "Tab", "ERROR: Duplicate part's ID = 10"},
    };
    for (const auto& c : cases) {
        bool freed = false;
        EXPECT_EQ(MessageOf(skin, Part(c.ID, c.Name, &freed)), c.Message);
        EXPECT_TRUE(freed) << c.Message;
        EXPECT_EQ(skin.Count(), 2);
    }
    bool freed = false;
    EXPECT_EQ(skin.AddPart(Part(12, "Tabs", &freed)), 2);
    EXPECT_FALSE(freed);
}

TEST_F(BarSkinTest, TheCuttingHelpersLoadSetAndAddAPart) {
    const auto sheet = MakeImage<TovGPImage>(40, 20, [](int X, int Y) { return Opaque(TColor(X * 6)); });
    TSkin skin;
    EXPECT_EQ(skin.AddPartNoMargins(sheet->GetHandle(), TRect{0, 0, 8, 8}, 100, "Plain", 5), 0);
    EXPECT_EQ(skin.AddPartVertMargins(sheet->GetHandle(), TRect{8, 0, 16, 20}, 3, 4, 101, "Band"), 1);
    EXPECT_EQ(skin.AddPartWithMargins(sheet->GetHandle(), TRect{16, 0, 40, 20}, TRect{1, 2, 3, 4}), 2);
    EXPECT_EQ(skin.GetPart(0)->FixedMargins(), TRect{});
    EXPECT_EQ(skin.GetPart(0)->InterpolationMode(), ovOSVersion().IsWin7 ? 0 : 5);
    EXPECT_EQ(skin.GetPart(0)->Name(), "Plain");
    EXPECT_EQ(skin.GetPart(1)->FixedMargins(), (TRect{0, 3, 0, 4}));
    EXPECT_EQ(skin.GetPart(1)->ID(), 101);
    EXPECT_EQ(skin.GetPart(2)->FixedMargins(), (TRect{1, 2, 3, 4}));
    EXPECT_EQ(skin.GetPart(2)->ImageSize(), (TSize{24, 20}));
    EXPECT_EQ(skin.GetPart(2)->ID(), -1);

    // A part that cannot be cut, or whose ID or mode is refused, leaves the list as it was.
    EXPECT_THROW(skin.AddPartNoMargins(sheet->GetHandle(), TRect{30, 0, 50, 8}), EovException);
    EXPECT_THROW(skin.AddPartNoMargins(sheet->GetHandle(), TRect{0, 0, 8, 8}, 101), EovException);
    EXPECT_THROW(skin.AddPartNoMargins(sheet->GetHandle(), TRect{0, 0, 8, 8}, 102, "", 9), EovException);
    EXPECT_THROW(skin.AddPartNoMargins(nullptr, TRect{0, 0, 8, 8}), EovException);
    EXPECT_EQ(skin.Count(), 3);
}

TEST_F(BarSkinTest, AnIndexOutsideTheListIsAListErrorAndClearFreesEveryPart) {
    TSkin skin;
    bool freed[2] = {false, false};
    skin.AddPart(Part(1, "", &freed[0]));
    skin.AddPart(Part(2, "", &freed[1]));
    EXPECT_THROW(skin.GetPart(2), EListError);
    EXPECT_THROW(skin.GetPart(-1), EListError);
    skin.Clear();
    EXPECT_EQ(skin.Count(), 0);
    EXPECT_TRUE(freed[0]);
    EXPECT_TRUE(freed[1]);
    // The IDs are free again.
    EXPECT_EQ(skin.AddPart(Part(1, "")), 0);
}

} // namespace bar_skin_test
