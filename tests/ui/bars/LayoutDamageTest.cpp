// Damaged and hostile layouts: whatever the store holds, loading goes on, nothing is raised, every item and
// designed toolbar stays, counts stay bounded by what the store holds, and what was ignored is reported.
#include "LayoutTestSupport.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/StrUtils.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"

#include <random>

using namespace bars_test;

namespace {

constexpr const char* Main = "MainForm.BarManager1.Main";
constexpr const char* Bar0 = "MainForm.BarManager1.Bar0";
constexpr const char* Bar1 = "MainForm.BarManager1.Bar1";
constexpr const char* Bar1Link0 = "MainForm.BarManager1.Bar1.ItemLink0";
constexpr const char* Bar1Link1 = "MainForm.BarManager1.Bar1.ItemLink1";

int CountOf(const std::string& AText, const std::string& APiece) {
    int count = 0;
    for (std::size_t at = AText.find(APiece); at != std::string::npos; at = AText.find(APiece, at + 1))
        ++count;
    return count;
}

class LayoutDamageTest : public LayoutTest {
protected:
    // The standard layout with the user's usual changes, as stored at exit.
    std::string StoreValidLayout() {
        const std::string file = PathOf("layout.ini");
        TovBarManager* manager = LoadStandard(file);
        StandardParts p = Parts(manager);
        p.Extra->SetVisible(true);
        p.Standard->ItemLinks()->Items(0)->SetUserCaption("Open it");
        manager->StoreLayoutAtExit();
        manager->Free();
        reports.clear();
        return ReadText(file);
    }

    // Loads the standard design over AText and checks what holds for any input.
    TovBarManager* LoadOver(const std::string& AText) {
        const std::string file = PathOf("layout.ini");
        WriteText(file, AText);
        TovBarManager* manager = nullptr;
        EXPECT_NO_THROW(manager = LoadStandard(file));
        if (manager == nullptr) return nullptr;
        StandardParts p = Parts(manager);
        EXPECT_TRUE(p.Open && p.Save && p.File) << "every item stays";
        EXPECT_TRUE(p.Menu && p.Standard && p.Extra) << "every designed toolbar stays";
        // Sections in the input bound what can come out of it.
        const int sections = CountOf(AText, "[") + 1;
        EXPECT_LE(manager->Bars()->Count(), 3 + sections);
        int rows = 0;
        for (TovBarDockingStyle style : {dsLeft, dsTop, dsRight, dsBottom})
            rows += manager->Bars()->DockControls(style)->RowCount();
        EXPECT_LE(rows, 2 + 2 * manager->Bars()->Count());
        for (int i = 0; i < manager->Bars()->Count(); ++i)
            EXPECT_LE(manager->Bars()->GetItem(i)->ItemLinks()->Count(), 2 + sections);
        EXPECT_LE(p.File->ItemLinks()->Count(), 2 + sections);
        return manager;
    }
};

} // namespace

TEST_F(LayoutDamageTest, DamagedValuesAreLeftOutAndReported) {
    const std::string valid = StoreValidLayout();
    struct Case {
        const char* Name;
        std::function<void(TMemIniFile&)> Damage;
        std::function<void(TovBarManager*, const StandardParts&)> Check;
    };
    const Case cases[] = {
        {"huge bar count", [](TMemIniFile& I) { I.WriteString(Main, "BarCount", "1000000000"); },
         [](TovBarManager* M, const StandardParts&) { EXPECT_EQ(M->Bars()->Count(), 3); }},
        {"negative bar count", [](TMemIniFile& I) { I.WriteInteger(Main, "BarCount", -5); },
         [](TovBarManager* M, const StandardParts& P) { EXPECT_FALSE(P.Extra->Visible()) << "as designed"; }},
        {"huge link count", [](TMemIniFile& I) { I.WriteInteger(Bar1, "ItemLinkCount", 2147483647); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Standard->ItemLinks()->Count(), 2); }},
        {"negative link count", [](TMemIniFile& I) { I.WriteInteger(Bar1, "ItemLinkCount", -3); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_EQ(LinkNames(P.Standard->ItemLinks()),
                       (std::vector<std::string>{"OpenButton", "SaveButton"}));
             EXPECT_EQ(P.Standard->ItemLinks()->Items(0)->UserCaption(), "") << "the designed links stay";
         }},
        {"missing link count", [](TMemIniFile& I) { I.DeleteKey(Bar1, "ItemLinkCount"); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Standard->ItemLinks()->Count(), 2); }},
        {"row ten to the ninth", [](TMemIniFile& I) { I.WriteInteger(Bar1, "Row", 1000000000); },
         [](TovBarManager* M, const StandardParts& P) {
             EXPECT_LE(M->Bars()->DockControls(dsTop)->RowCount(), 5);
             EXPECT_TRUE(P.Standard->Visible());
         }},
        {"docking style 42", [](TMemIniFile& I) { I.WriteInteger(Bar1, "DockingStyle", 42); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Standard->DockingStyle(), dsTop); }},
        {"user define Z", [](TMemIniFile& I) { I.WriteString(Bar1Link0, "UserDefine", "Z"); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_TRUE(P.Standard->ItemLinks()->Items(0)->UserDefine().empty());
         }},
        {"unknown set bits", [](TMemIniFile& I) { I.WriteString(Bar1Link0, "UserDefine", "F1"); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_TRUE(P.Standard->ItemLinks()->Items(0)->UserDefine().empty());
         }},
        {"bad hex", [](TMemIniFile& I) { I.WriteString(Bar1Link0, "ViewLevels", "1G"); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_EQ(P.Standard->ItemLinks()->Items(0)->ViewLevels,
                       (TovBarItemViewLevels{ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText,
                                             ivlSmallIcon, ivlControlOnly}));
         }},
        {"paint style 9",
         [](TMemIniFile& I) {
             I.WriteString(Bar1Link1, "UserDefine", "04");
             I.WriteInteger(Bar1Link1, "UserPaintStyle", 9);
         },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_EQ(P.Standard->ItemLinks()->Items(1)->UserPaintStyle(), psStandard);
         }},
        {"foreign dock path", [](TMemIniFile& I) { I.WriteString(Bar1, "DockControl", "OpenButton"); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Standard->DockControl(), nullptr); }},
        {"foreign form path",
         [](TMemIniFile& I) { I.WriteString(Bar1, "DockedDockControl", "MainForm.BarManager1"); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Standard->DockedDockControl(), nullptr); }},
        {"tiny floating size",
         [](TMemIniFile& I) { I.WriteInteger("MainForm.BarManager1.Bar2", "FloatClientWidth", 3); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Extra->FloatClientWidth(), 120); }},
        {"far away",
         [](TMemIniFile& I) { I.WriteInteger("MainForm.BarManager1.Bar2", "FloatLeft", -2000000000); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_EQ(P.Extra->FloatLeft(), 300); }},
        {"garbled visibility", [](TMemIniFile& I) { I.WriteString(Bar0, "Visible", "yes"); },
         [](TovBarManager*, const StandardParts& P) { EXPECT_TRUE(P.Menu->Visible()) << "as designed"; }},
        {"menu animations 42", [](TMemIniFile& I) { I.WriteInteger(Main, "MenuAnimations", 42); },
         [](TovBarManager* M, const StandardParts&) { EXPECT_EQ(M->MenuAnimations, maNone); }},
        {"swapped captions",
         [](TMemIniFile& I) {
             I.WriteString(Bar0, "Caption", "Standard");
             I.WriteString(Bar1, "Caption", "Menu");
         },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_EQ(P.Menu->Caption(), "Standard");
             EXPECT_EQ(P.Standard->Caption(), "Menu");
         }},
        {"one caption twice", [](TMemIniFile& I) { I.WriteString(Bar1, "Caption", "Menu"); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_EQ(P.Menu->Caption(), "Menu");
             EXPECT_EQ(P.Standard->Caption(), "Standard");
         }},
        {"empty item name", [](TMemIniFile& I) { I.WriteString(Bar1Link0, "ItemName", ""); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_EQ(LinkNames(P.Standard->ItemLinks()), std::vector<std::string>{"SaveButton"});
         }},
        {"missing section", [](TMemIniFile& I) { I.EraseSection(Bar1); },
         [](TovBarManager*, const StandardParts& P) {
             EXPECT_TRUE(P.Standard->Visible());
             EXPECT_EQ(P.Standard->ItemLinks()->Count(), 2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        reports.clear();
        const std::string file = PathOf("damaged.ini");
        WriteText(file, valid);
        {
            TMemIniFile ini(file);
            c.Damage(ini);
            ini.UpdateFile();
        }
        TovBarManager* manager = LoadOver(ReadText(file));
        ASSERT_NE(manager, nullptr);
        c.Check(manager, Parts(manager));
        if (std::string(c.Name) != "swapped captions")
            EXPECT_FALSE(reports.empty()) << "what was ignored is reported";
        manager->Free();
    }
}

TEST_F(LayoutDamageTest, TruncatedAndGarbageFilesLeaveTheDesign) {
    const std::string valid = StoreValidLayout();
    std::mt19937 random(7);
    std::string garbage(4096, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    for (const std::string& text : {valid.substr(0, valid.size() / 2), valid.substr(0, valid.size() / 3 + 7),
                                    garbage, std::string("[MainForm.BarManager1.Main]\r\nBarCount=3\r\n")}) {
        SCOPED_TRACE(text.size());
        TovBarManager* manager = LoadOver(text);
        manager->Free();
    }
}

TEST_F(LayoutDamageTest, AFixedSeedMutationLoopNeverCostsTheUserAnything) {
    const std::string valid = StoreValidLayout();
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < valid.size();) {
        std::size_t end = valid.find('\n', start);
        if (end == std::string::npos) end = valid.size() - 1;
        lines.push_back(valid.substr(start, end + 1 - start));
        start = end + 1;
    }
    const std::vector<std::string> values = {
        "",   "-1",  "0",        "1",    "2147483647", "-2147483648", "1000000000", "Z",         "0F",
        "FF", "abc", "Standard", "Menu", "MainForm",   "OpenButton",  "\x01\x02",   "$7FFFFFFF", "0x10"};
    std::mt19937 random(20130104);
    for (int round = 0; round < 250; ++round) {
        std::vector<std::string> mutated = lines;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int change = 0; change < changes && !mutated.empty(); ++change) {
            std::string& line = mutated[random() % mutated.size()];
            switch (random() % 5) {
            case 0: // a value replaced
                if (std::size_t eq = line.find('='); eq != std::string::npos)
                    line = line.substr(0, eq + 1) + values[random() % values.size()] + "\r\n";
                break;
            case 1: // a line lost
                line.clear();
                break;
            case 2: // a line twice
                line += line;
                break;
            case 3: // a byte flipped
                if (!line.empty()) line[random() % line.size()] ^= static_cast<char>(1 << (random() % 8));
                break;
            default: // a section renumbered
                if (std::size_t at = line.find("Bar"); at != std::string::npos && at + 3 < line.size())
                    line[at + 3] = static_cast<char>('0' + random() % 10);
                break;
            }
        }
        std::string text;
        for (const std::string& line : mutated)
            text += line;
        SCOPED_TRACE(round);
        TovBarManager* manager = LoadOver(text);
        ASSERT_NE(manager, nullptr);
        manager->Free();
    }
}
