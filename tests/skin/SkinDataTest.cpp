// Loading packed skins into the skin data: what each section gives, the fix-ups of the window frame,
// finding descriptions by name, the skin list, the broadcast to the forms and its order, and skins that
// cannot be read (which end Empty, with only the first message sent).
#include "SkinTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/CompressedSkinList.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinZlib.h"

#include <gtest/gtest.h>

namespace skin_data_test {
using namespace skintest;

const std::string Head = "[VERSION]\nskinname=Test skin\nskinauthor=Us\n"
                         "[PICTURES]\npicture=\nmask=\nactivepicturescount=2\n0=one.bmp\n1=two.bmp\n";

std::string SkinText(const std::string& FormInfo, const std::string& Rest) {
    return Head + "[FORMINFO]\n" + FormInfo + Rest;
}

const std::string Controls = "[SKINOBJECTS]\ncount=0\n"
                             "[SKINCONTROLS]\ncount=4\n0=panelLeft:panel\n1=weird:notakind\n2=b:button\n"
                             "3=panelLeft:button\n"
                             "[panelLeft]\npictureindex=0\nskinrect=0,0,10,10\nfontheight=11\n"
                             "[b]\nanimateinterval=40\n[weird]\nx=1\n";

// The form that records which skin messages reach it, and in what order among all forms.
class TListeningForm : public TForm {
public:
    using TForm::TForm;
    static inline std::vector<std::pair<TListeningForm*, UINT>>* Log = nullptr;
    static inline TskSkinData* Expected = nullptr;

protected:
    void Dispatch(TMessage& Message) override {
        if (Message.Msg >= SKINMSG_BEFORECHANGE && Message.Msg <= SKINMSG_AEROBLUR && Log) {
            EXPECT_EQ(Message.WParam, reinterpret_cast<WPARAM>(Expected));
            EXPECT_EQ(Message.LParam, 1000);
            Log->push_back({this, Message.Msg});
            return;
        }
        TForm::Dispatch(Message);
    }
};

class SkinDataTest : public testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        InitializeVcl();
        One = MakeBitmap(12, 10,
                         [](int x, int y) { return std::uint32_t(RGB(BYTE(x * 20), BYTE(y * 20), 90)); });
        Two = MakeBitmap(4, 4, [](int, int) { return 0x808080u; });
        TListeningForm::Log = &Log;
    }
    void TearDown() override {
        TListeningForm::Log = nullptr;
        for (TForm* form : Forms)
            form->Free();
        FinalizeVcl();
        olva::win::ResetWindowSystem();
    }
    TListeningForm* NewForm() {
        auto* form = TCustomForm::New<TListeningForm>(nullptr);
        Forms.push_back(form);
        return form;
    }
    // A stored skin of the text with the two pictures.
    std::unique_ptr<TskCompressedStoredSkin> Stored(const std::string& Text) {
        auto stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
        PackTestSkin(Text, {One.get(), Two.get()}, stored->CompressedStream());
        return stored;
    }
    std::vector<UINT> Messages() const {
        std::vector<UINT> out;
        for (const auto& entry : Log)
            out.push_back(entry.second);
        return out;
    }

    std::unique_ptr<TBitmap> One, Two;
    std::vector<TForm*> Forms;
    std::vector<std::pair<TListeningForm*, UINT>> Log;
};

TEST_F(SkinDataTest, ASkinLoadsItsSectionsInOrder) {
    TskSkinData data(nullptr);
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.Colors()->cBtnFace, 0); // until the first clear
    int loads = 0;
    data.OnLoadData = TNotifyEvent(
        [&](TObject* Sender) {
            ++loads;
            EXPECT_EQ(Sender, &data);
            EXPECT_FALSE(data.Empty());
        },
        this);
    auto stored = Stored(
        SkinText("clientrect=2,2,8,8\n",
                 "[SKINCOLORS]\ncbtnface=255\ncwindow=65280\n"
                 "[SKINAREAS]\ncount=3\n0=close:1,2,3,4;1,0,1,0,1\n1=grip:5,6,7,8;1,0,1,1\n2=nocolon\n" +
                     Controls));
    data.SetCompressedStoredSkin(stored.get());
    ASSERT_FALSE(data.Empty());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(data.SkinName, "Test skin");
    EXPECT_EQ(data.SkinAuthor, "Us");
    ASSERT_EQ(data.ActivePictureCount(), 2);
    EXPECT_EQ(data.ActivePicture(0)->Width(), 12);
    EXPECT_EQ(data.ActivePicture(2), nullptr);
    EXPECT_EQ(data.ActivePictureNames()->Count(), 2);
    EXPECT_EQ((*data.ActivePictureNames())[1], "two.bmp");
    // Colours: the keys given, the system colours for the others.
    EXPECT_EQ(data.Colors()->cBtnFace, 255);
    EXPECT_EQ(data.Colors()->cWindow, 65280);
    EXPECT_EQ(data.Colors()->cBtnText, clBtnText);
    EXPECT_EQ(data.Colors()->c3DDkShadow, cl3DDkShadow);
    // Areas: flags only from exactly nine characters after the semicolon.
    ASSERT_EQ(data.AreaList().size(), 3u);
    EXPECT_EQ(data.AreaList()[0]->Name, "close");
    EXPECT_EQ(data.AreaList()[0]->AreaRect, (TRect{1, 2, 3, 4}));
    EXPECT_EQ(data.AreaList()[0]->Flags, (std::array<bool, 5>{true, false, true, false, true}));
    EXPECT_EQ(data.AreaList()[1]->Flags, (std::array<bool, 5>{}));
    EXPECT_EQ(data.AreaList()[2]->Name, "");
    EXPECT_EQ(data.AreaList()[2]->AreaRect, TRect{});
    // Controls: the unknown kind skipped; names with case; the first of two wins.
    ASSERT_EQ(data.CtrlList().size(), 3u);
    EXPECT_EQ(data.GetControlIndex("panelLeft"), 0);
    EXPECT_EQ(data.GetControlIndex("panelleft"), -1);
    EXPECT_EQ(data.GetControlIndex("weird"), -1);
    EXPECT_EQ(data.GetControlIndex("b"), 1);
    auto* panel = dynamic_cast<TskDataSkinPanelControl*>(data.CtrlList()[0].get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->FontHeight, 11);
    EXPECT_EQ(panel->SkinRect, (TRect{0, 0, 10, 10}));
    EXPECT_EQ(dynamic_cast<TskDataSkinButtonControl*>(data.CtrlList()[1].get())->AnimateInterval, 40);
    EXPECT_EQ(data.PopupWindow()->WindowPictureIndex, -1);
    EXPECT_EQ(data.LayerFrame()->AlphaBlendValue, 255);
}

TEST_F(SkinDataTest, TheWindowFrameIsFixedUp) {
    TskSkinData data(nullptr);
    // With a mask the mask area grows over the client rectangle and zero hit-test points take the
    // corner points; then the corner points are pulled into the client rectangle.
    std::string text =
        SkinText("lefttoppoint=1,1\nrighttoppoint=50,1\nleftbottompoint=1,40\nrightbottompoint=50,40\n"
                 "clientrect=5,6,30,20\nmaskrectarea=10,2,12,25\nhittestlefttoppoint=0,7\n"
                 "hittestrighttoppoint=3,4\ninactiveeffect=ieinvert\nstatusbarname=status\n",
                 "[SKINOBJECTS]\n[SKINCONTROLS]\n");
    text.replace(text.find("mask=\n"), 6, "mask=mask.bmp\n");
    auto stored = Stored(text);
    data.LoadCompressedStoredSkin(stored.get());
    ASSERT_FALSE(data.Empty());
    EXPECT_EQ(data.MaskName, "mask.bmp");
    EXPECT_EQ(data.MaskRectArea, (TRect{5, 2, 30, 25}));
    EXPECT_EQ(data.HitTestLTPoint, (TPoint{1, 1}));
    EXPECT_EQ(data.HitTestRTPoint, (TPoint{3, 4}));
    EXPECT_EQ(data.HitTestRBPoint, (TPoint{50, 40}));
    EXPECT_EQ(data.LTPoint, (TPoint{5, 6}));
    EXPECT_EQ(data.RTPoint, (TPoint{30, 6}));
    EXPECT_EQ(data.LBPoint, (TPoint{5, 20}));
    EXPECT_EQ(data.RBPoint, (TPoint{30, 20}));
    EXPECT_EQ(data.InactiveEffect, ieInvert);
    EXPECT_EQ(data.StatusBarName, "status");
    EXPECT_EQ(data.BGPictureIndex, -1);
    EXPECT_EQ(data.CursorIndex, -1);
    EXPECT_EQ(data.StartCursorIndex(), 1);
}

TEST_F(SkinDataTest, SkinsThatCannotBeReadEndEmptyAfterTheFirstMessage) {
    auto good = Stored(SkinText("", Controls));
    const std::string packed(static_cast<const char*>(good->CompressedStream().Memory()),
                             std::size_t(good->CompressedStream().Size()));
    auto packedText = [&](const std::string& Text) {
        TMemoryStream out;
        PackTestSkin(Text, {One.get(), Two.get()}, out);
        return std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size()));
    };
    std::string damaged = packed;
    damaged[packed.size() / 2] = char(damaged[packed.size() / 2] ^ 0x55);
    damaged[packed.size() / 2 + 1] = char(damaged[packed.size() / 2 + 1] ^ 0x33);
    std::string badPicture;
    {
        // A skin stream whose first active picture is not a BMP.
        TStringStream raw(Inflate(good->CompressedStream()));
        std::string bytes = raw.DataString();
        bytes[13] = 'X';
        TStringStream source(bytes), dest;
        PackStream(&source, &dest);
        badPicture = dest.DataString();
    }
    const std::pair<const char*, std::string> cases[] = {
        {"damaged bytes", damaged},
        {"cut zlib stream", packed.substr(0, packed.size() - 6)},
        {"bad picture", badPicture},
        {"rectangle without digits", packedText(SkinText("clientrect=a,b\n", Controls))},
        {"control rectangle without digits",
         packedText(SkinText(
             "", std::string(Controls).replace(Controls.find("animateinterval=40"), 18, "skinrect=1,2")))},
        {"area rectangle without digits",
         packedText(SkinText("", "[SKINAREAS]\ncount=1\n0=x:;\n" + Controls))},
    };
    NewForm();
    for (const auto& [what, bytes] : cases) {
        TskSkinData data(nullptr);
        TListeningForm::Expected = &data;
        data.LoadCompressedStoredSkin(good.get());
        ASSERT_FALSE(data.Empty());
        Log.clear();
        TskCompressedStoredSkin stored(nullptr);
        stored.CompressedStream().WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        EXPECT_NO_THROW(data.LoadCompressedStoredSkin(&stored)) << what;
        EXPECT_TRUE(data.Empty()) << what;
        EXPECT_TRUE(data.CtrlList().empty()) << what;
        EXPECT_EQ(data.ActivePictureCount(), 0) << what;
        EXPECT_EQ(Messages(), std::vector<UINT>{SKINMSG_BEFORECHANGE}) << what;
    }
}

TEST_F(SkinDataTest, AVersionAboveThreeLeavesTheSkinEmpty) {
    TMemoryStream stream;
    WriteSkinInt32(stream, 4);
    TskCompressedStoredSkin stored(nullptr);
    PackStream(&stream, &stored.CompressedStream());
    TskSkinData data(nullptr);
    TListeningForm::Expected = &data;
    NewForm();
    data.LoadCompressedStoredSkin(&stored);
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(Messages(), std::vector<UINT>{SKINMSG_BEFORECHANGE});
}

TEST_F(SkinDataTest, AnEmptyStoredSkinChangesNothing) {
    TskSkinData data(nullptr);
    TListeningForm::Expected = &data;
    NewForm();
    auto stored = Stored(SkinText("", Controls));
    data.LoadCompressedStoredSkin(stored.get());
    Log.clear();
    TskCompressedStoredSkin empty(nullptr);
    data.SetCompressedStoredSkin(&empty);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.CtrlList().size(), 3u);
    EXPECT_TRUE(Log.empty());
}

TEST_F(SkinDataTest, TheBroadcastReachesEveryFormInOrder) {
    TListeningForm* first = NewForm();
    TListeningForm* owner = NewForm();
    TListeningForm* last = NewForm();
    ASSERT_EQ(Screen()->FormCount(), 3);
    std::vector<TListeningForm*> screenOrder;
    for (int i = 0; i < 3; ++i)
        screenOrder.push_back(static_cast<TListeningForm*>(Screen()->Forms(i)));
    auto* data = new TskSkinData(owner);
    TListeningForm::Expected = data;
    auto stored = Stored(SkinText("", Controls));
    auto receivers = [&](UINT Msg) {
        std::vector<TListeningForm*> out;
        for (const auto& [form, msg] : Log)
            if (msg == Msg) out.push_back(form);
        return out;
    };

    // Layered borders but no layer-frame picture: first to last, the owner at its own place.
    data->LoadCompressedStoredSkin(stored.get());
    EXPECT_EQ(receivers(SKINMSG_BEFORECHANGE), screenOrder);
    EXPECT_EQ(receivers(SKINMSG_CHANGE), screenOrder);
    EXPECT_EQ(receivers(SKINMSG_AFTERCHANGE), screenOrder);
    EXPECT_EQ(Log.size(), 9u);

    // A layer frame with a picture: last to first.
    Log.clear();
    auto layered = Stored(SkinText("", "[LAYERFRAME]\npictureindex=0\nmaskpictureindex=1\n" + Controls));
    data->LoadCompressedStoredSkin(layered.get());
    std::vector<TListeningForm*> reversed(screenOrder.rbegin(), screenOrder.rend());
    EXPECT_EQ(receivers(SKINMSG_CHANGE), reversed);
    ASSERT_NE(data->LayerFrame()->ActiveImage, nullptr);

    // Without layered borders the owner hears each message first, and once.
    Log.clear();
    data->SetShowLayeredBorders(false);
    std::vector<TListeningForm*> ownerFirst{owner};
    for (TListeningForm* form : screenOrder)
        if (form != owner) ownerFirst.push_back(form);
    EXPECT_EQ(receivers(SKINMSG_LAYEREDBORDERS), ownerFirst);
    Log.clear();
    data->LoadCompressedStoredSkin(layered.get());
    EXPECT_EQ(receivers(SKINMSG_BEFORECHANGE), ownerFirst);
    EXPECT_EQ(receivers(SKINMSG_AFTERCHANGE), ownerFirst);
    (void)first;
    (void)last;
}

TEST_F(SkinDataTest, SettingsBroadcastTheirChanges) {
    NewForm();
    TskSkinData data(nullptr);
    TListeningForm::Expected = &data;
    data.SetSkinnableForm(true); // unchanged: nothing
    data.SetSkinnableForm(false);
    data.SetAeroBlurEnabled(false);
    data.SetShowLayeredBorders(false);
    data.SetEnableSkinEffects(false); // read by the controls only
    TskResourceStrData strings(nullptr);
    data.SetResourceStrData(&strings);
    data.SetResourceStrData(&strings); // even unchanged
    EXPECT_EQ(Messages(), (std::vector<UINT>{SKINMSG_SKINNABLEFORM, SKINMSG_AEROBLUR, SKINMSG_LAYEREDBORDERS,
                                             SKINMSG_RESOURCESTRDATA, SKINMSG_RESOURCESTRDATA}));
    EXPECT_EQ(strings.ResStrings()->Count(), 131);
    EXPECT_EQ((*strings.ResStrings())[0], "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(strings.ResStrings()->Values("FLV_LOOKIN"), "Look in: ");
    EXPECT_EQ(strings.ResStrings()->Values("DBNAV_REFRESH"), "REFRESH");
    EXPECT_EQ(strings.CharSet(), 1);
    EXPECT_EQ(data.DlgTreeViewItemSkinDataName(), "listbox");
    EXPECT_TRUE(data.ShowButtonGlowFrames());
}

TEST_F(SkinDataTest, SkinListEntriesAreChosenByIndex) {
    TskCompressedSkinList list(nullptr);
    for (int i = 0; i < 3; ++i) {
        TskSkinListItem* item = list.Skins()->Add();
        std::string text = SkinText("", Controls);
        text.replace(text.find("Test skin"), 9, "Skin " + std::to_string(i));
        PackTestSkin(text, {One.get()}, item->StoredSkin()->CompressedStream());
    }
    TskSkinData data(nullptr);
    data.SetSkinList(&list);
    EXPECT_EQ(data.SkinName, "Skin 0");
    data.SetSkinIndex(5);
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.SkinName, "Skin 0");
    data.SetSkinIndex(2);
    EXPECT_EQ(data.SkinIndex(), 2);
    EXPECT_EQ(data.SkinName, "Skin 2");
    TskSkinData unlisted(nullptr);
    unlisted.SetSkinIndex(7);
    EXPECT_EQ(unlisted.SkinIndex(), 7);
    EXPECT_TRUE(unlisted.Empty());
}

TEST_F(SkinDataTest, RemovedComponentsAreForgotten) {
    TskSkinData data(nullptr);
    auto stored = Stored(SkinText("", Controls));
    auto list = std::make_unique<TskCompressedSkinList>(nullptr);
    data.SetCompressedStoredSkin(stored.get());
    data.SetSkinList(list.get());
    stored.reset();
    list.reset();
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.SkinList(), nullptr);
    EXPECT_FALSE(data.Empty()); // the loaded skin stays
    data.ClearSkin();
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.Colors()->cBtnFace, clBtnFace);
}

} // namespace skin_data_test
