// Bookmarks and regions as a user meets them: added through the main window's commands and their name
// dialog, listed in the two tool windows, followed through edits, renamed, deleted with the numbers of
// both lists kept in step, sorted by a column click, selected, saved and exported as files.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/ListView.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/help/HelpViewer.h"
#include "source/mainform/MainForm.h"
#include "source/markers/BookmarkForm.h"
#include "source/markers/MarkerRecords.h"
#include "source/markers/RegionForm.h"

#include <filesystem>

namespace app_test {

namespace {

constexpr int Rate = 22050;

// What a list shows and holds: caption and the record's marker number, in list order.
struct TEntry {
    std::string Name;
    int Index;
    friend bool operator==(const TEntry&, const TEntry&) = default;
    friend std::ostream& operator<<(std::ostream& out, const TEntry& e) {
        return out << e.Name << "#" << e.Index;
    }
};

std::vector<TEntry> Entries(const TMarkerListForm& Form) {
    std::vector<TEntry> entries;
    for (int i = 0; i < Form.ListView->Items()->Count(); ++i) {
        const TListItem* item = Form.ListView->Items()->Item(i);
        EXPECT_EQ(item->Caption(), TMarkerListForm::RecordOf(item)->Name);
        EXPECT_EQ(item->SubItems()->Strings(item->SubItems()->Count() - 1),
                  std::to_string(TMarkerListForm::RecordOf(item)->Index));
        entries.push_back({item->Caption(), TMarkerListForm::RecordOf(item)->Index});
    }
    return entries;
}

} // namespace

class AppMarkersTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Piece = Documents + "piece.wav";
        WriteSound(Piece, TestPiece(Rate, 2, 3.0), Rate, 2, 1);
    }

    void StartWithPiece() {
        StartApp();
        Drop({Piece});
        ASSERT_EQ(MainForm->FileName, Piece);
        Bookmarks = dynamic_cast<TBookmarkForm*>(Application()->FindComponent("BookmarkForm"));
        Regions = dynamic_cast<TRegionForm*>(Application()->FindComponent("RegionForm"));
        ASSERT_NE(Bookmarks, nullptr);
        ASSERT_NE(Regions, nullptr);
    }

    TAudioEditor2Position& Position() { return MainForm->AudioEditor->Position(); }

    void SelectFrames(std::int64_t Start, std::int64_t End) {
        Position().SetSelection(-1);
        Position().SetSelectionStart(Start);
        Position().SetSelectionEnd(End);
    }

    // The name dialog up now gets `Name` typed over its proposal, then OK.
    void ThenName(const std::string& Name) {
        Then([this, Name] { dynamic_cast<TEdit*>(ActiveForm()->FindComponent("EditName"))->SetText(Name); });
        ThenKey(VK_RETURN);
    }

    void AddRegion(const std::string& Name, std::int64_t Start, std::int64_t End) {
        SelectFrames(Start, End);
        ThenName(Name);
        Command(MainForm->ActionAddRegion);
    }

    void SetBookmark(const std::string& Name, std::int64_t At) {
        Position().SetSelection(0);
        Position().SetCursor(At);
        ThenName(Name);
        Command(MainForm->ActionSetBookmark);
    }

    // A mouse click (or double click) on row `Index` of a list, with keys held.
    void ClickRow(TListView* List, int Index, bool Double = false, std::initializer_list<int> Held = {}) {
        const RECT row = List->Items()->Item(Index)->DisplayRect();
        const POINT p = List->ClientToScreen(POINT{row.left + 20, (row.top + row.bottom) / 2});
        for (int key : Held)
            olva::win::InjectKey(key, true);
        for (int i = 0; i < (Double ? 2 : 1); ++i)
            ClickAt(p);
        for (int key : Held)
            olva::win::InjectKey(key, false);
        Pump();
    }

    void ClickHeader(TListView* List, int Column) {
        int left = 0;
        for (int i = 0; i < Column; ++i)
            left += List->Columns()->Items(i)->Width();
        ClickAt(List->ClientToScreen(POINT{left + 10, List->HeaderHeight() / 2}));
        Pump();
    }

    // Keys go to a tool window's list as they would after the user clicked into it.
    void FocusList(TMarkerListForm* Form) {
        ::SetForegroundWindow(Form->Handle());
        Pump();
        Form->ListView->SetFocus();
        Pump();
    }

    std::string Piece;
    TBookmarkForm* Bookmarks = nullptr;
    TRegionForm* Regions = nullptr;
};

TEST_F(AppMarkersTest, ARegionAddedByTheDialogIsListedAndFollowsAnEditBeforeIt) {
    StartWithPiece();
    EXPECT_FALSE(Regions->Showing());
    SelectFrames(Rate, 2 * Rate);
    Then([this] {
        EXPECT_EQ(ActiveForm()->Caption(), "Enter Region Name");
        // The proposal names the file and the selection's times.
        EXPECT_EQ(dynamic_cast<TEdit*>(ActiveForm()->FindComponent("EditName"))->Text(),
                  "piece.wav@0:00:01.000-0:00:02.000");
    });
    ThenName("Middle");
    Command(MainForm->ActionAddRegion);
    ASSERT_TRUE(Regions->Showing());
    ASSERT_EQ(Entries(*Regions), (std::vector<TEntry>{{"Middle", 1}}));
    const TListItem* item = Regions->ListView->Items()->Item(0);
    EXPECT_EQ(item->SubItems()->Strings(0), "0:00:01.000-0:00:02.000");
    EXPECT_EQ(item->SubItems()->Strings(1), "piece.wav");
    TAudioEditor2Markers& markers = MainForm->AudioEditor->Markers();
    ASSERT_EQ(markers.Count(), 1);
    markers.SetCurrent(1);
    EXPECT_EQ(markers.GetName(), "Middle");
    EXPECT_EQ(markers.GetLength(), Rate);

    // A quarter second cut from the start: the region moves with its sound.
    SelectFrames(0, Rate / 4);
    MainForm->AudioEditor->DeleteSelection();
    ClickRow(Regions->ListView, 0, true);
    EXPECT_EQ(Position().GetSelectionStart(), Rate - Rate / 4);
    EXPECT_EQ(Position().GetSelectionEnd(), 2 * Rate - Rate / 4);
}

TEST_F(AppMarkersTest, ThreeExportedRegionsBecomeFilesOfTheirLengthsUnderNamesNoFileHad) {
    StartWithPiece();
    const std::string folder = Documents + "export/";
    std::filesystem::create_directories(folder);
    const std::string existing = Root->Write("documents/export/Two_Part_A.wav", "a file of the user's");
    AddRegion("One", 0, Rate / 2);
    AddRegion("Two/Part:A", Rate / 2, Rate * 5 / 4);
    AddRegion("One", Rate * 3 / 2, Rate * 5 / 2);
    MainForm->SetModified(false);
    TGlobalVars& vars = GlobalVars();
    vars.ExportFolder = folder;
    vars.ExportFormat = 7; // outside the list: exported as WAV
    Regions->ListView->SelectAll();
    Then([this] {
        EXPECT_EQ(ActiveForm()->Caption(), "Export Region(s)");
        auto* format = dynamic_cast<TComboBox*>(ActiveForm()->FindComponent("ComboBoxFormat"));
        EXPECT_EQ(format->Text(), ".wav");
    });
    ThenKey(VK_RETURN);
    ASSERT_TRUE(Regions->ActionExport->Execute());
    EXPECT_EQ(vars.ExportFormat, 0);
    EXPECT_TRUE(Regions->ListView->Enabled());

    struct TFile {
        const char* Name;
        int Ms;
    };
    for (const TFile& file :
         {TFile{"One.wav", 1000}, TFile{"One(1).wav", 500}, TFile{"Two_Part_A(1).wav", 750}}) {
        ASSERT_TRUE(FileExists(folder + file.Name)) << file.Name;
        const TDecoded sound = ReadSound(folder + file.Name);
        ASSERT_GT(sound.SampleRate, 0);
        const double ms = 1000.0 * double(sound.Samples.size()) / sound.Channels / sound.SampleRate;
        EXPECT_NEAR(ms, file.Ms, 1.0) << file.Name;
    }
    EXPECT_EQ(Root->Read("documents/export/Two_Part_A.wav"), "a file of the user's");
    // The document stays as it was: its name, its mark and its length.
    EXPECT_EQ(MainForm->FileName, Piece);
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 11);
    EXPECT_EQ(MainForm->AudioEditor->Document().Length(), 3 * Rate);
    (void)existing;
}

TEST_F(AppMarkersTest, AnExportThatFailsStopsThereAndGivesTheListBack) {
    StartWithPiece();
    AddRegion("Lost", 0, Rate);
    GlobalVars().ExportFolder = Documents + "no such folder/";
    GlobalVars().ExportFormat = 0;
    Regions->ListView->SelectAll();
    ThenKey(VK_RETURN);
    EXPECT_ANY_THROW(Regions->ActionExport->Execute());
    EXPECT_TRUE(Regions->ListView->Enabled());
    EXPECT_FALSE(std::filesystem::exists(Documents + "no such folder"));
}

TEST_F(AppMarkersTest, DeletingAMarkerRenumbersTheEntriesAboveItInBothWindows) {
    StartWithPiece();
    SetBookmark("Start", Rate / 10);
    AddRegion("Intro", 0, Rate / 2);
    AddRegion("Verse", Rate, 2 * Rate);
    SetBookmark("Late", 2 * Rate);
    ASSERT_EQ(Entries(*Bookmarks), (std::vector<TEntry>{{"Start", 1}, {"Late", 4}}));
    ASSERT_EQ(Entries(*Regions), (std::vector<TEntry>{{"Intro", 2}, {"Verse", 3}}));

    FocusList(Regions);
    ClickRow(Regions->ListView, 0);
    ThenReadBox();
    ThenKey('Y');
    Key(VK_DELETE);
    ASSERT_EQ(BoxTexts, std::vector<std::string>{"Delete the selected region(s)?"});
    EXPECT_EQ(Entries(*Regions), (std::vector<TEntry>{{"Verse", 2}}));
    EXPECT_EQ(Entries(*Bookmarks), (std::vector<TEntry>{{"Start", 1}, {"Late", 3}}));
    // Each entry still names its own marker.
    TAudioEditor2Markers& markers = MainForm->AudioEditor->Markers();
    ASSERT_EQ(markers.Count(), 3);
    for (const TMarkerListForm* form :
         {static_cast<TMarkerListForm*>(Bookmarks), static_cast<TMarkerListForm*>(Regions)})
        for (const TEntry& entry : Entries(*form)) {
            markers.SetCurrent(entry.Index);
            EXPECT_EQ(markers.GetName(), entry.Name);
        }

    // Two bookmarks deleted at once (Ctrl+A selects them), the answer No first.
    FocusList(Bookmarks);
    ClickRow(Bookmarks->ListView, 0);
    Key('A', {VK_CONTROL});
    EXPECT_EQ(Bookmarks->ListView->SelCount(), 2);
    ThenKey('N');
    Key(VK_DELETE);
    EXPECT_EQ(Entries(*Bookmarks).size(), 2u);
    ThenKey('Y');
    Key(VK_DELETE);
    EXPECT_TRUE(Entries(*Bookmarks).empty());
    EXPECT_EQ(Entries(*Regions), (std::vector<TEntry>{{"Verse", 1}}));
    EXPECT_EQ(markers.Count(), 1);
}

TEST_F(AppMarkersTest, RenamingChangesTheListOnlyAndAnEmptyNameIsRefused) {
    StartWithPiece();
    AddRegion("Middle", Rate, 2 * Rate);
    FocusList(Regions);
    ClickRow(Regions->ListView, 0);
    Then([this] {
        EXPECT_EQ(ActiveForm()->Caption(), "Enter Region Name");
        EXPECT_EQ(dynamic_cast<TEdit*>(ActiveForm()->FindComponent("EditName"))->Text(), "Middle");
    });
    ThenName("   ");
    ThenReadBox();
    ThenKey(VK_RETURN);
    Then([this] {
        // The dialog stays up with its edit emptied.
        EXPECT_EQ(ActiveForm()->Name(), "AddRegionOrBookmarkForm");
        EXPECT_EQ(dynamic_cast<TEdit*>(ActiveForm()->FindComponent("EditName"))->Text(), "");
    });
    ThenName(" Bridge ");
    Key(VK_F2);
    EXPECT_EQ(BoxTexts, std::vector<std::string>{"You must enter a name. Please try again."});
    EXPECT_EQ(Entries(*Regions), (std::vector<TEntry>{{" Bridge ", 1}}));
    MainForm->AudioEditor->Markers().SetCurrent(1);
    EXPECT_EQ(MainForm->AudioEditor->Markers().GetName(), "Middle");
    // The renamed entry keeps its times and file, and is exported under its new name.
    EXPECT_EQ(Regions->ListView->Items()->Item(0)->SubItems()->Strings(0), "0:00:01.000-0:00:02.000");
    GlobalVars().ExportFolder = Documents;
    GlobalVars().ExportFormat = 0;
    ThenKey(VK_RETURN);
    Regions->ActionExport->Execute();
    EXPECT_TRUE(FileExists(Documents + " Bridge .wav"));
    EXPECT_FALSE(FileExists(Documents + "Middle.wav"));
}

TEST_F(AppMarkersTest, SelectToBookmarkSelectsBetweenTwoAndOfferNothingWithOne) {
    StartWithPiece();
    SetBookmark("Late", 2 * Rate);
    FocusList(Bookmarks);
    ClickRow(Bookmarks->ListView, 0);
    Then([this] {
        EXPECT_EQ(ActiveForm()->Caption(), "Select to Boolmark");
        EXPECT_EQ(
            dynamic_cast<TComboBox*>(ActiveForm()->FindComponent("ComboBoxBookmarks"))->Items()->Count(), 0);
    });
    ThenKey(VK_RETURN);
    SelectFrames(100, 200);
    Bookmarks->ActionSelectToBookmark->Execute();
    EXPECT_EQ(Position().GetSelectionStart(), 100);
    EXPECT_EQ(Position().GetSelectionEnd(), 200);

    SetBookmark("Early", Rate / 2);
    ClickRow(Bookmarks->ListView, 0); // "Late"
    Then([this] {
        auto* list = dynamic_cast<TComboBox*>(ActiveForm()->FindComponent("ComboBoxBookmarks"));
        ASSERT_EQ(list->Items()->Count(), 1);
        EXPECT_EQ(list->Text(), "Early");
    });
    ThenKey(VK_RETURN);
    Bookmarks->ActionSelectToBookmark->Execute();
    EXPECT_EQ(Position().GetSelectionStart(), Rate / 2);
    EXPECT_EQ(Position().GetSelectionEnd(), 2 * Rate);

    // Goto Bookmark by a double click: the cursor at the bookmark, no selection.
    ClickRow(Bookmarks->ListView, 1, true);
    EXPECT_EQ(Position().GetSelectionStart(), Rate / 2);
    EXPECT_EQ(Position().GetSelectionEnd(), Rate / 2);
}

TEST_F(AppMarkersTest, CancellingSetBookmarkStillOpensTheListAndClosingKeepsItsPlace) {
    StartWithPiece();
    TGlobalVars& vars = GlobalVars();
    EXPECT_FALSE(Bookmarks->Showing());
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionSetBookmark);
    EXPECT_TRUE(Bookmarks->Showing());
    EXPECT_EQ(Bookmarks->ListView->Items()->Count(), 0);
    EXPECT_EQ(MainForm->AudioEditor->Markers().Count(), 0);

    vars.RegionFormLeft = 30, vars.RegionFormTop = 40, vars.RegionFormWidth = 420,
    vars.RegionFormHeight = 160;
    // The region list opens with a selection (the availability rule).
    SelectFrames(0, Rate / 4);
    Command(MainForm->ActionOpenRegionList);
    ASSERT_TRUE(Regions->Showing());
    EXPECT_EQ(Regions->Left(), 30);
    EXPECT_EQ(Regions->Width(), 420);
    Regions->SetBounds(60, 70, 500, 180);
    Regions->Close();
    EXPECT_FALSE(Regions->Showing());
    EXPECT_EQ(vars.RegionFormLeft, 60);
    EXPECT_EQ(vars.RegionFormTop, 70);
    EXPECT_EQ(vars.RegionFormWidth, 500);
    EXPECT_EQ(vars.RegionFormHeight, 180);
    // Hidden, not gone: the window comes back with what it listed.
    EXPECT_EQ(Application()->FindComponent("RegionForm"), Regions);
}

TEST_F(AppMarkersTest, ColumnClicksSortTheListAndTheFirstOnNameSortsDescending) {
    StartWithPiece();
    AddRegion("beta", Rate, Rate + 10);
    AddRegion("Alpha", 2 * Rate, 2 * Rate + 10);
    AddRegion("gamma", 0, 10);
    auto names = [this] {
        std::vector<std::string> out;
        for (const TEntry& e : Entries(*Regions))
            out.push_back(e.Name);
        return out;
    };
    ClickHeader(Regions->ListView, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"gamma", "beta", "Alpha"}));
    ClickHeader(Regions->ListView, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    ClickHeader(Regions->ListView, 1); // by time, ascending
    EXPECT_EQ(names(), (std::vector<std::string>{"gamma", "beta", "Alpha"}));
    // A region deleted from a sorted list still takes its own marker.
    ClickRow(Regions->ListView, 0);
    ThenKey('Y');
    FocusList(Regions);
    Key(VK_DELETE);
    EXPECT_EQ(Entries(*Regions), (std::vector<TEntry>{{"beta", 1}, {"Alpha", 2}}));
}

TEST_F(AppMarkersTest, SavingARegionWritesItAloneAndLeavesTheDocumentChangedAndNamed) {
    StartWithPiece();
    AddRegion("Middle", Rate, 2 * Rate);
    MainForm->SetModified(true);
    const std::string caption = MainForm->Caption();
    ClickRow(Regions->ListView, 0);
    ThenChooseFile(Documents + "middle.wav");
    ThenKey(VK_RETURN); // the WAV quality dialog
    Regions->ActionSave->Execute();
    ThenChooseFile(Documents + "copy.wav");
    ThenKey(VK_RETURN);
    Regions->ActionCopyToNew->Execute();
    for (const char* name : {"middle.wav", "copy.wav"}) {
        ASSERT_TRUE(FileExists(Documents + name)) << name;
        const TDecoded sound = ReadSound(Documents + name);
        EXPECT_NEAR(1000.0 * double(sound.Samples.size()) / sound.Channels / sound.SampleRate, 1000.0, 1.0);
    }
    EXPECT_EQ(MainForm->FileName, Piece);
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 10);
    EXPECT_EQ(MainForm->Caption(), caption);
    EXPECT_EQ(Position().GetSelectionStart(), Rate);
    EXPECT_EQ(Position().GetSelectionEnd(), 2 * Rate);
}

TEST_F(AppMarkersTest, CommandsOfAnEntryNeedOneSelectedAndSelectAllNeedsOne) {
    StartWithPiece();
    struct TState {
        const char* What;
        bool Entry, Selected;
    };
    auto check = [this](const TState& state) {
        const std::vector<std::pair<TAction*, bool>> expected{
            {Regions->ActionSelect, state.Selected},
            {Regions->ActionRename, state.Selected},
            {Regions->ActionSave, state.Selected},
            {Regions->ActionCopyToNew, state.Selected},
            {Regions->ActionDelete, state.Selected},
            {Regions->ActionExport, state.Selected},
            {Regions->ActionSelectAll, state.Entry},
            {Regions->ActionHelp, true},
            {Bookmarks->ActionGotoBookmark, state.Selected},
            {Bookmarks->ActionSelectToBookmark, state.Selected},
            {Bookmarks->ActionRename, state.Selected},
            {Bookmarks->ActionDelete, state.Selected},
            {Bookmarks->ActionSelectAll, state.Entry},
            {Bookmarks->ActionHelp, true}};
        for (const auto& [action, enabled] : expected) {
            action->Update();
            EXPECT_EQ(action->Enabled(), enabled) << state.What << ": " << action->Name();
        }
    };
    check({"empty lists", false, false});
    AddRegion("Middle", Rate, 2 * Rate);
    SetBookmark("Mark", Rate);
    Regions->ListView->ClearSelection();
    Bookmarks->ListView->ClearSelection();
    check({"an entry each, none selected", true, false});
    Regions->ListView->SelectAll();
    Bookmarks->ListView->SelectAll();
    check({"the entries selected", true, true});
}

TEST_F(AppMarkersTest, ClosingTheDocumentEmptiesBothLists) {
    StartWithPiece();
    AddRegion("Middle", Rate, 2 * Rate);
    SetBookmark("Mark", Rate);
    MainForm->SetModified(false);
    Command(MainForm->ActionCloseFile);
    EXPECT_EQ(Regions->ListView->Items()->Count(), 0);
    EXPECT_EQ(Bookmarks->ListView->Items()->Count(), 0);
}

TEST_F(AppMarkersTest, HelpInEitherWindowShowsTheBookmarksAndRegionsPage) {
    StartWithPiece();
    std::vector<std::string> addresses;
    THelpViewerOverride viewer([&](HWND, const std::string& Address, UINT Command, DWORD_PTR) {
        EXPECT_EQ(Command, 0u);
        addresses.push_back(Address);
        return 1;
    });
    Command(MainForm->ActionOpenBookmarkList);
    FocusList(Bookmarks);
    Key(VK_F1);
    SelectFrames(0, Rate / 4);
    Command(MainForm->ActionOpenRegionList);
    FocusList(Regions);
    Key(VK_F1);
    ASSERT_EQ(addresses.size(), 2u);
    for (const std::string& address : addresses)
        EXPECT_TRUE(address.ends_with(".chm::/bookmarksandregions.htm")) << address;
}

TEST_F(AppMarkersTest, PicturesOfBothListsAndTheirDialogs) {
    StartWithPiece();
    Advance(1000); // the splash has gone
    ThenPicture("dialog-region-name");
    ThenName("Intro");
    SelectFrames(0, Rate / 2);
    Command(MainForm->ActionAddRegion);
    AddRegion("Verse with a longer name", Rate, 2 * Rate);
    AddRegion("Ending", 2 * Rate, 3 * Rate);
    SetBookmark("Downbeat", Rate / 4);
    SetBookmark("Key change", Rate * 5 / 2);
    // At first start both lists sit on the main window's bottom-right corner; the user moves one up.
    Bookmarks->SetTop(Regions->Top() - Bookmarks->Height() - 8);
    FocusList(Regions);
    ClickRow(Regions->ListView, 1);
    FocusList(Bookmarks);
    ClickRow(Bookmarks->ListView, 0);
    Regions->Update();
    Bookmarks->Update();
    EXPECT_TRUE(olva::win::SaveWindowPng(Regions->Handle(), PicturePath("region-list")));
    EXPECT_TRUE(olva::win::SaveWindowPng(Bookmarks->Handle(), PicturePath("bookmark-list")));
    EXPECT_TRUE(olva::win::SaveScreenPng(PicturePath("marker-lists-over-main-window")));
    ThenPicture("dialog-export-regions");
    ThenKey(VK_ESCAPE);
    Regions->ActionExport->Execute();
    ThenPicture("dialog-select-to-bookmark");
    ThenKey(VK_ESCAPE);
    Bookmarks->ActionSelectToBookmark->Execute();
}

} // namespace app_test
