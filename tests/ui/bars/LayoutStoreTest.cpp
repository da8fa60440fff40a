// The stored toolbar layout: the exact file a manager writes, and what a fresh manager reads back.
#include "LayoutTestSupport.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/merging/BarMergeData.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Registries.h"

#include <algorithm>

using namespace bars_test;

namespace {

std::string WithoutCarriageReturns(std::string AText) {
    std::erase(AText, '\r');
    return AText;
}

// A design of buttons named after AItems and one toolbar "Tools" linking AToolbarLinks in that order.
std::function<void(TovBarManager*)> ToolsDesign(std::vector<std::string> AItems,
                                                std::vector<std::string> ALinks, std::string AIniFile) {
    return [=](TovBarManager* AManager) {
        for (const std::string& name : AItems) {
            auto* button = new TovBarButton(AManager->Owner());
            button->SetName(name);
            button->SetCaption(name);
        }
        TovBar* tools = AManager->Bars()->Add();
        tools->SetCaption("Tools");
        tools->SetDockingStyle(dsTop);
        tools->SetVisible(true);
        for (const std::string& name : ALinks)
            tools->ItemLinks()->AddItem(AManager->GetItemByName(name));
        AManager->IniFileName = AIniFile;
        AManager->StoreInIniFile = true;
    };
}

TBitmap* MakeGlyph(TColor AColor) {
    auto* glyph = new TBitmap(16, 16);
    glyph->Canvas()->Brush()->SetColor(AColor);
    glyph->Canvas()->FillRect(RECT{0, 0, 16, 16});
    return glyph;
}

} // namespace

TEST_F(LayoutTest, TheStandardDesignIsWrittenAsTheGoldenFile) {
    TovBarManager* manager = LoadManager(StandardDesign);
    const std::string file = PathOf("layout.ini");
    manager->SaveToIniFile(file);
    EXPECT_EQ(WithoutCarriageReturns(ReadText(file)),
              ReadText(std::string(OLVA_TEST_DATA_DIR) + "/standard-layout.ini"));
    EXPECT_TRUE(reports.empty());
}

TEST_F(LayoutTest, AFreshManagerReadsBackWhatTheUserChanged) {
    const std::string file = PathOf("layout.ini");
    {
        TovBarManager* manager = LoadStandard(file);
        StandardParts p = Parts(manager);
        p.Standard->SetCaption("Tools");
        p.Standard->SetDockingStyle(dsBottom);
        p.Standard->SetRow(0);
        p.Extra->SetVisible(true);
        p.Menu->SetVisible(false);
        TovBarItemLinks* links = p.Standard->ItemLinks();
        links->Items(0)->SetVisible(false);
        links->Items(1)->SetUserPaintStyle(psCaptionGlyph);
        links->Items(1)->SetUserWidth(64);
        links->Move(1, 0);
        links->Items(0)->ButtonGroup = bgpStart;
        links->Items(0)->Position = ipContinuesRow;
        links->Items(0)->ViewLevels = TovBarItemViewLevels{ivlSmallIcon};
        p.File->ItemLinks()->Items(1)->UseCount = 7;
        p.File->ItemLinks()->Items(1)->SetRecentIndex(0);
        TovBar* custom = manager->AddToolbar(false, false);
        custom->ItemLinks()->AddItem(p.Save);
        manager->SetLargeIcons(true);
        manager->MenuAnimations = maFade;
        manager->ShowHint = false;
        manager->StoreLayoutAtExit();
        manager->Free();
    }
    TovBarManager* manager = LoadStandard(file);
    StandardParts p = Parts(manager);
    EXPECT_EQ(Captions(manager), (std::vector<std::string>{"Menu", "Tools", "Extra", "Custom 1"}));
    EXPECT_FALSE(p.Menu->Visible());
    EXPECT_TRUE(p.Standard->Visible());
    EXPECT_EQ(p.Standard->DockingStyle(), dsBottom);
    EXPECT_EQ(p.Standard->GetRealDockControl(), manager->Bars()->DockControls(dsBottom));
    EXPECT_TRUE(p.Extra->Visible());
    EXPECT_EQ(p.Extra->DockingStyle(), dsNone);
    EXPECT_EQ(p.Extra->FloatLeft(), 300);
    EXPECT_EQ(p.Extra->FloatClientWidth(), 120);
    TovBar* custom = manager->GetBarByCaption("Custom 1");
    ASSERT_NE(custom, nullptr) << "a toolbar the user made is made again";
    EXPECT_EQ(custom->Name(), "BarManager1Bar4");
    EXPECT_TRUE(custom->Visible());
    EXPECT_EQ(LinkNames(custom->ItemLinks()), std::vector<std::string>{"SaveButton"});

    TovBarItemLinks* links = p.Standard->ItemLinks();
    ASSERT_EQ(LinkNames(links), (std::vector<std::string>{"SaveButton", "OpenButton"}));
    TovBarItemLink* save = links->Items(0);
    EXPECT_TRUE(save->BeginGroup());
    EXPECT_EQ(save->UserDefine(), (TovBarUserDefines{udCaption, udPaintStyle, udWidth}));
    EXPECT_EQ(save->UserCaption(), "Store");
    EXPECT_EQ(save->UserPaintStyle(), psCaptionGlyph);
    EXPECT_EQ(save->UserWidth(), 64);
    EXPECT_EQ(save->ButtonGroup, bgpStart);
    EXPECT_EQ(save->Position, ipContinuesRow);
    EXPECT_EQ(save->ViewLevels, TovBarItemViewLevels{ivlSmallIcon});
    EXPECT_FALSE(links->Items(1)->Visible());
    TovBarItemLink* used = p.File->ItemLinks()->Items(1);
    EXPECT_EQ(used->UseCount, 7);
    EXPECT_EQ(used->RecentIndex(), 0);
    EXPECT_TRUE(manager->LargeIcons());
    EXPECT_EQ(manager->MenuAnimations, maFade);
    EXPECT_FALSE(manager->ShowHint);
    EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(LayoutTest, ThreeToolbarsTakeSectionsZeroToTwo) {
    TovBarManager* manager = LoadManager(StandardDesign);
    TMemIniFile ini("");
    manager->WriteLayout(&ini, "P.", bskIniFile);
    EXPECT_EQ(ini.ReadInteger("P.Main", "BarCount", -1), 3);
    EXPECT_EQ(ini.ReadString("P.Bar0", "Caption", ""), "Menu");
    EXPECT_EQ(ini.ReadString("P.Bar1", "Caption", ""), "Standard");
    EXPECT_EQ(ini.ReadString("P.Bar2", "Caption", ""), "Extra");
    EXPECT_FALSE(ini.SectionExists("P.Bar3"));
}

TEST_F(LayoutTest, AToolbarMadeForMergingIsNotStoredAndTheOthersKeepTheirNumbers) {
    const std::string file = PathOf("layout.ini");
    {
        TovBarManager* manager = LoadStandard(file);
        StandardParts p = Parts(manager);
        TovBar* made = manager->CreateBarForMerging();
        made->SetIndex(1); // between "Menu" and "Standard"
        p.Extra->SetVisible(true);
        made->Merge(p.Extra);
        ASSERT_FALSE(p.Extra->Visible());
        p.Standard->SetCaption("Tools");
        TMemIniFile ini("");
        manager->WriteLayout(&ini, "P.", bskIniFile);
        EXPECT_EQ(ini.ReadInteger("P.Main", "BarCount", -1), 3);
        EXPECT_EQ(ini.ReadString("P.Bar1", "Caption", ""), "Tools");
        EXPECT_EQ(ini.ReadString("P.Bar2", "Caption", ""), "Extra");
        EXPECT_FALSE(ini.SectionExists("P.Bar3"));
        manager->StoreLayoutAtExit();
        manager->Free();
    }
    TovBarManager* manager = LoadStandard(file);
    EXPECT_EQ(Captions(manager), (std::vector<std::string>{"Menu", "Tools", "Extra"}));
    EXPECT_TRUE(Parts(manager).Extra->Visible()) << "stored as it was before the merge";
}

TEST_F(LayoutTest, NewItemsKeepTheirPlaceAfterTheirDesignedPredecessor) {
    struct Case {
        const char* Name;
        std::vector<std::string> DesignedBefore, UserOrder, DesignedNow, Expected;
    };
    const Case cases[] = {
        // The predecessor is the first stored link.
        {"after the first link",
         {"A", "B", "C"},
         {"A", "C", "B"},
         {"A", "N", "B", "C"},
         {"A", "N", "C", "B"}},
        {"first link", {"A", "B"}, {"B", "A"}, {"N", "A", "B"}, {"N", "B", "A"}},
        // Two new items in a row keep their order.
        {"two in a row", {"A", "B"}, {"B", "A"}, {"A", "N", "M", "B"}, {"B", "A", "N", "M"}},
        // The user took the predecessor's link away: the new link goes last.
        {"predecessor gone", {"A", "B", "C"}, {"C", "A"}, {"A", "B", "N", "C"}, {"C", "A", "N"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string file = PathOf(std::string(c.Name) + ".ini");
        {
            TovBarManager* manager = LoadManager(ToolsDesign(c.DesignedBefore, c.DesignedBefore, file));
            TovBarItemLinks* links = manager->GetBarByCaption("Tools")->ItemLinks();
            for (int i = links->Count() - 1; i >= 0; --i)
                if (std::find(c.UserOrder.begin(), c.UserOrder.end(), links->Items(i)->Item()->Name()) ==
                    c.UserOrder.end())
                    delete links->Items(i);
            for (std::size_t i = 0; i < c.UserOrder.size(); ++i)
                links->Move(links->IndexOfItemName(c.UserOrder[i]), static_cast<int>(i));
            ASSERT_EQ(LinkNames(links), c.UserOrder);
            manager->StoreLayoutAtExit();
            manager->Free();
        }
        std::vector<std::string> items = c.DesignedNow;
        TovBarManager* manager = LoadManager(ToolsDesign(items, c.DesignedNow, file));
        EXPECT_EQ(LinkNames(manager->GetBarByCaption("Tools")->ItemLinks()), c.Expected);
        manager->Free();
    }
}

TEST_F(LayoutTest, ALinkToAnItemTheProgramNoLongerHasDisappears) {
    const std::string file = PathOf("layout.ini");
    {
        TovBarManager* manager = LoadManager(ToolsDesign({"A", "B", "C"}, {"A", "B", "C"}, file));
        manager->StoreLayoutAtExit();
        manager->Free();
    }
    TovBarManager* manager = LoadManager(ToolsDesign({"A", "C"}, {"A", "C"}, file));
    EXPECT_EQ(LinkNames(manager->GetBarByCaption("Tools")->ItemLinks()),
              (std::vector<std::string>{"A", "C"}));
}

TEST_F(LayoutTest, UserGlyphsAreStoredInTheRegistryOnly) {
    std::unique_ptr<TBitmap> red(MakeGlyph(clRed));
    std::unique_ptr<TBitmap> designed(MakeGlyph(clBlue));
    auto design = [&](TovBarManager* AManager) {
        StandardDesign(AManager);
        Parts(AManager).Open->SetGlyph(designed.get());
        AManager->SetRegistryPath("Software\\OLVA\\Toolbars");
        AManager->StoreInRegistry = true;
        AManager->IniFileName = PathOf("layout.ini");
        AManager->StoreInIniFile = true;
    };
    {
        TovBarManager* manager = LoadManager(design);
        TovBarItemLink* link = Parts(manager).Standard->ItemLinks()->Items(0);
        link->SetUserGlyph(red.get());
        manager->SaveToRegistry(manager->RegistryPath());
        manager->Free();
    }
    {
        // Kind 1: the picture comes back.
        TovBarManager* manager = LoadManager([&](TovBarManager* AManager) {
            design(AManager);
            AManager->StoreInIniFile = false;
        });
        TovBarItemLink* link = Parts(manager).Standard->ItemLinks()->Items(0);
        EXPECT_TRUE(link->UserDefine().Contains(udGlyph));
        ASSERT_EQ(link->UserGlyph()->Width(), 16);
        EXPECT_EQ(link->UserGlyph()->Canvas()->Pixels(8, 8), clRed);
        manager->SaveToIniFile(manager->IniFileName);
        manager->Free();
    }
    EXPECT_EQ(ReadText(PathOf("layout.ini")).find("UserGlyph"), std::string::npos);
    // Kind 0 has no picture: the link shows the designed glyph.
    TovBarManager* manager = LoadManager([&](TovBarManager* AManager) {
        design(AManager);
        AManager->StoreInRegistry = false;
    });
    TovBarItemLink* link = Parts(manager).Standard->ItemLinks()->Items(0);
    EXPECT_FALSE(link->UserDefine().Contains(udGlyph));
    EXPECT_TRUE(link->UserGlyph()->Empty());
}

TEST_F(LayoutTest, UserDefineIsReadAsADigitOrAsHexadecimalBytes) {
    struct Case {
        const char* Stored;
        TovBarUserDefines Expected;
    };
    const Case cases[] = {
        {"0F", {udCaption, udPaintStyle, udWidth}}, // udGlyph needs a picture, which an ini file has not
        {"5", {udCaption, udPaintStyle}},
        {"00", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stored);
        const std::string file = PathOf("layout.ini");
        {
            TovBarManager* manager = LoadStandard(file);
            manager->StoreLayoutAtExit();
            manager->Free();
        }
        TMemIniFile ini(file);
        ini.WriteString("MainForm.BarManager1.Bar1.ItemLink0", "UserDefine", c.Stored);
        ini.WriteInteger("MainForm.BarManager1.Bar1.ItemLink0", "UserWidth", 50);
        ini.UpdateFile();
        TovBarManager* manager = LoadStandard(file);
        TovBarItemLink* link = Parts(manager).Standard->ItemLinks()->Items(0);
        EXPECT_EQ(link->UserDefine(), c.Expected);
        if (c.Expected.Contains(udWidth)) EXPECT_EQ(link->UserWidth(), 50);
        manager->Free();
    }
}

TEST_F(LayoutTest, AMissingUserWidthReadsAsOneHundred) {
    const std::string file = PathOf("layout.ini");
    {
        TovBarManager* manager = LoadStandard(file);
        manager->StoreLayoutAtExit();
        manager->Free();
    }
    TMemIniFile ini(file);
    ini.WriteString("MainForm.BarManager1.Bar1.ItemLink0", "UserDefine", "08");
    ini.UpdateFile();
    TovBarManager* manager = LoadStandard(file);
    EXPECT_EQ(Parts(manager).Standard->ItemLinks()->Items(0)->UserWidth(), 100);
}

TEST_F(LayoutTest, TheStandardStyleNeitherWritesNorReadsUsageData) {
    TovBarManager* manager = LoadManager(StandardDesign);
    manager->SetStyle(bmsStandard);
    TMemIniFile ini("");
    manager->WriteLayout(&ini, "P.", bskIniFile);
    EXPECT_FALSE(ini.ValueExists("P.Main", "MenusShowRecentItemsFirst"));
    EXPECT_FALSE(ini.ValueExists("P.Main", "ShowFullMenusAfterDelay"));
    EXPECT_FALSE(ini.ValueExists("P.Bar1.ItemLink0", "UseCount"));
    EXPECT_FALSE(ini.ValueExists("P.Bar1.ItemLink0", "RecentIndex"));
    EXPECT_TRUE(ini.ValueExists("P.Bar1.ItemLink0", "Visible"));

    ini.WriteBool("P.Main", "MenusShowRecentItemsFirst", false);
    ini.WriteInteger("P.SubItem_FileItem.ItemLink1", "UseCount", 9);
    manager->ReadLayout(&ini, "P.", bskIniFile);
    EXPECT_TRUE(manager->MenusShowRecentItemsFirst);
    EXPECT_NE(Parts(manager).File->ItemLinks()->Items(1)->UseCount, 9);
}

TEST_F(LayoutTest, HandlersRunAfterTheManagersOwnPass) {
    TovBarManager* manager = LoadManager(StandardDesign);
    std::vector<std::string> seen;
    auto handler = [&](const char* AWhat) {
        return TuiEventHandler(
            [&seen, AWhat](TObject* ASender, void* AData) {
                auto* data = static_cast<TovBarIniFileEventData*>(AData);
                // The manager's part is complete when the handler runs.
                const bool barsThere =
                    data->IniFile->SectionExists(MakeBarSectionName(data->SectionPrefix, 2));
                seen.push_back(std::string(AWhat) + " " + data->SectionPrefix + " " + data->Separator + " " +
                               (barsThere ? "after" : "before"));
                if (std::string(AWhat) == "write")
                    data->IniFile->WriteString(data->SectionPrefix + "MainForm_Ribbon1", "ShowTabGroups",
                                               "0");
                EXPECT_NE(dynamic_cast<TovBarManager*>(ASender), nullptr);
            },
            this);
    };
    manager->WriteIniFileHandlers()->Add(handler("write"));
    manager->ReadIniFileHandlers()->Add(handler("read"));
    TMemIniFile ini("");
    manager->WriteLayout(&ini, "P.", bskIniFile);
    manager->ReadLayout(&ini, "P.", bskIniFile);
    EXPECT_EQ(seen, (std::vector<std::string>{"write P. . after", "read P. . after"}));
    EXPECT_EQ(ini.ReadString("P.MainForm_Ribbon1", "ShowTabGroups", ""), "0");
}

TEST_F(LayoutTest, ADockControlIsStoredByItsPathAndFoundAgain) {
    const std::string file = PathOf("layout.ini");
    FakeDockComponent* dock = nullptr;
    auto design = [&](TovBarManager* AManager) {
        StandardDesign(AManager);
        dock = new FakeDockComponent(AManager->Owner(), AManager, dsTop);
        dock->SetName("ToolDock");
        AManager->AddDockControl(dock);
        AManager->IniFileName = file;
        AManager->StoreInIniFile = true;
    };
    {
        TovBarManager* manager = LoadManager(design);
        Parts(manager).Extra->SetDockControl(dock);
        Parts(manager).Extra->SetDockedDockControl(dock);
        manager->StoreLayoutAtExit();
        manager->Free();
        dock->Free();
    }
    TMemIniFile ini(file);
    EXPECT_EQ(ini.ReadString("MainForm.BarManager1.Bar2", "DockControl", ""), "ToolDock");
    EXPECT_EQ(ini.ReadString("MainForm.BarManager1.Bar2", "DockedDockControl", ""), "ToolDock");
    TovBarManager* manager = LoadManager(design);
    EXPECT_EQ(Parts(manager).Extra->DockControl(), dock);
    EXPECT_EQ(Parts(manager).Extra->DockedDockControl(), dock);
    EXPECT_EQ(Parts(manager).Extra->DockingStyle(), dsTop);
    manager->Free();
    dock->Free();
}

TEST_F(LayoutTest, AFailingComponentPartNeverStopsTheWindowFromLoading) {
    const std::string file = PathOf("layout.ini");
    {
        TovBarManager* manager = LoadStandard(file);
        Parts(manager).Standard->SetCaption("Tools");
        manager->StoreLayoutAtExit();
        manager->Free();
    }
    auto failing = [this] {
        return TuiEventHandler([](TObject*, void*) { throw EovException("the ribbon's part failed"); }, this);
    };
    TovBarManager* manager = nullptr;
    EXPECT_NO_THROW(manager = LoadManager([&](TovBarManager* AManager) {
                        StandardDesign(AManager);
                        AManager->IniFileName = file;
                        AManager->StoreInIniFile = true;
                        AManager->WriteIniFileHandlers()->Add(failing());
                        AManager->ReadIniFileHandlers()->Add(failing());
                    }));
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(Parts(manager).Standard->Caption(), "Tools") << "the manager's own part is read";
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("the designed layout could not be kept"), std::string::npos);
    EXPECT_NE(reports[1].find("the ribbon's part failed"), std::string::npos);
}

TEST_F(LayoutTest, AnItemWithoutANameDoesNotSpoilTheWrite) {
    TovBarManager* manager = LoadManager(StandardDesign);
    auto* unnamed = new TovBarButton(form);
    unnamed->SetCaption("Made in code");
    Parts(manager).Standard->ItemLinks()->AddItem(unnamed);
    const std::string file = PathOf("layout.ini");
    EXPECT_NO_THROW(manager->SaveToIniFile(file));
    TMemIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("MainForm.BarManager1.Items", "ItemCount", -1), 4);
    EXPECT_EQ(ini.ReadInteger("MainForm.BarManager1.Bar1", "ItemLinkCount", -1), 2)
        << "its link has no name to store";
}
