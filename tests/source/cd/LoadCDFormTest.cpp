// The CD dialog and the match dialog over simulated drives and a scripted database server: listing
// the drives and audio tracks, naming them from the database, the failures on the way, and pictures
// of both dialogs.
#include "cd/Cddb.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/cd/LoadCD.h"
#include "source/cd/MultiFoundCDDB.h"
#include "tests/cd/SimulatedCDDevice.h"
#include "tests/net/HttpTestServer.h"
#include "tests/net/SocketTestSupport.h"
#include "tests/source/cd/CDDialogTest.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace load_cd_form_test {

using namespace cd_test;
using http_test::Response;
using http_test::THttpTestServer;
using http_test::TReply;

// Twelve audio tracks of 200 s from 2 s, then a data track.
std::vector<std::uint8_t> EnhancedDisc() {
    std::vector<TSimTrack> tracks;
    for (int i = 0; i < 12; ++i)
        tracks.push_back({(2 + 200 * i) * 75 - LeadInFrames});
    tracks.push_back({(2 + 200 * 12) * 75 + 11400, false});
    return RawToc(1, tracks, 3000 * 75);
}

TReply Text(const std::string& body) {
    return {Response("200 OK", "Content-Type: text/plain\r\n", body, "HTTP/1.0"), true};
}

std::string Entry() {
    std::string entry =
        "210 rock 8a0a8f0d CD database entry follows\r\n# xmcd\r\n#\r\n# Track frame offsets:\r\n";
    for (int i = 0; i < 13; ++i)
        entry += "#\t" + std::to_string((2 + 200 * i) * 75) + "\r\n";
    entry += "#\r\n# Disc length: 3002 seconds\r\n#\r\n# Revision: 2\r\n#\r\n"
             "DISCID=8a0a8f0d\r\nDTITLE=Some Artist / Some Album\r\n";
    const char* titles[] = {"Morning Light", "Harbour Walk", "Paper Boats", "The Long Road", "Quiet Street",
                            "Night Train",   "Sixth Floor",  "Blue Hour",   "Letters",       "Open Window",
                            "Slow River",    "Last Dance",   "Data"};
    for (int i = 0; i < 13; ++i)
        entry += "TTITLE" + std::to_string(i) + "=" + titles[i] + "\r\n";
    entry += "EXTD=\r\n";
    for (int i = 0; i < 13; ++i)
        entry += "EXTT" + std::to_string(i) + "=\r\n";
    return entry + "PLAYORDER=\r\n.\r\n";
}

class LoadCDForm : public cd_dialog_test::CDDialogTest {
protected:
    void SetUp() override {
        CDDialogTest::SetUp();
        Application()->OnException =
            TExceptionEvent([this](TObject*, Exception& E) { errors.push_back(E.Message()); }, this);
    }
    void TearDown() override {
        if (form != nullptr) delete form;
        form = nullptr;
        CDDialogTest::TearDown();
        EXPECT_TRUE(errors.empty()) << errors.front();
    }

    void MakeForm() {
        form = TCustomForm::New<TLoadCDForm>(nullptr);
        form->SetLeft(200);
        form->SetTop(150);
        form->OnMessageBox = [this](const std::string& Text, UINT) {
            boxes.push_back(Text);
            return IDOK;
        };
        Pump();
    }
    void UseServer(const THttpTestServer& server) {
        GlobalVars().CddbServerAddr = "127.0.0.1";
        GlobalVars().CddbServerPort = server.Port();
        GlobalVars().CddbServerPath = "/~cddb/cddb.cgi";
    }
    void Pump() { Application()->ProcessMessages(); }
    bool PumpUntil(const std::function<bool()>& done) {
        return net_test::PumpUntil([&] {
            Pump();
            return done();
        });
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < form->ListViewTracks->Items()->Count(); ++i)
            captions.push_back(form->ListViewTracks->Items()->Item(i)->Caption());
        return captions;
    }
    // Answers the match dialog when it comes up: `answer` is the line to choose, -1 for none of them.
    void AnswerMatches(int answer, const std::string& picture = "") {
        Application()->OnIdle = TIdleEvent(
            [this, answer, picture](TObject*, bool& Done) {
                Done = false;
                TMatchForm* match = nullptr;
                for (int i = 0; i < Screen()->FormCount(); ++i)
                    if (auto* m = dynamic_cast<TMatchForm*>(Screen()->Forms(i));
                        m != nullptr && m->FormState().Contains(fsModal))
                        match = m;
                if (match == nullptr || match->ModalResult() != mrNone) return;
                EXPECT_TRUE(match->Visible());
                Pump();
                offered.clear();
                for (int i = 0; i < match->LstMatches->Items()->Count(); ++i)
                    offered.push_back(match->LstMatches->Items()->Strings(i));
                if (answer >= 0) match->LstMatches->SetItemIndex(answer);
                if (!picture.empty()) {
                    std::filesystem::create_directories(OutDir());
                    olva::win::SaveWindowPng(match->Handle(), OutDir() + "/" + picture);
                }
                match->SetModalResult(answer >= 0 ? mrOk : mrCancel);
            },
            this);
    }
    static std::string OutDir() { return std::string(OLVA_TEST_OUT_DIR) + "/cd"; }

    TLoadCDForm* form = nullptr;
    std::vector<std::string> boxes, offered, errors;
};

std::vector<std::string> TrackNames(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back((i < 10 ? "Track - 0" : "Track - ") + std::to_string(i));
    return names;
}

TEST_F(LoadCDForm, WithNoDriveTheListIsEmptyAndNothingIsLoaded) {
    MakeForm();
    EXPECT_EQ(form->Caption(), "Load Audio CD Track(s)");
    EXPECT_EQ(form->ClientWidth(), 370);
    EXPECT_EQ(form->ClientHeight(), 344);
    EXPECT_EQ(form->ComboBoxCDROM->Items()->Count(), 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(form->LabelConnect->Visible());
}

TEST_F(LoadCDForm, ListsTheDrivesAndTheAudioTracksByNumber) {
    sim.AddDrive(EnhancedDisc());
    sim.AddDrive();
    MakeForm();
    EXPECT_TRUE(form->Visible());
    ASSERT_EQ(form->ComboBoxCDROM->Items()->Count(), 2);
    EXPECT_EQ(form->ComboBoxCDROM->Items()->Strings(1), "CD-ROM 2");
    EXPECT_EQ(Captions(), TrackNames(12)); // the data track is not listed
    EXPECT_TRUE(boxes.empty());

    form->ActionList->UpdateAction(form->ActionLoad);
    EXPECT_FALSE(form->ActionLoad->Enabled());
    form->ListViewTracks->SetItemIndex(11);
    form->ActionList->UpdateAction(form->ActionLoad);
    EXPECT_TRUE(form->ActionLoad->Enabled());
    ASSERT_NE(form->SelectedItem(), nullptr);
    EXPECT_EQ(form->SelectedItem()->TrackIndex, 11);
    EXPECT_EQ(form->SelectedItem()->Title, "Track - 12");

    // The empty drive is no audio disc.
    form->ComboBoxCDROM->SetItemIndex(1);
    form->ComboBoxCDROMChange(form->ComboBoxCDROM);
    EXPECT_TRUE(Captions().empty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0],
              "No Audio Disc have been detected. If you do have an Audio-CD inserted but see this message "
              "please read the Help topic relating to Loading CD Tracks.");
}

TEST_F(LoadCDForm, ADataDiscIsNoAudioDiscAndTheLookupDoesNothing) {
    THttpTestServer server([](int, const std::string&) { return Text("202 No match\r\n"); });
    UseServer(server);
    sim.AddDrive(RawToc(1, {{0, false}}, 30000));
    MakeForm();
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(boxes.size(), 1u);
    form->Actionfreecddb->Execute();
    net_test::PumpFor(50);
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_FALSE(form->Timer->Enabled());
}

TEST_F(LoadCDForm, SeveralMatchesAreOfferedAndTheChosenEntryNamesTheTracks) {
    THttpTestServer server([](int index, const std::string&) {
        if (index == 0)
            return Text("211 Found inexact matches, list follows (until terminating `.')\r\n"
                        "misc 8a0a8f0c Other Artist / Other Album\r\n"
                        "rock 8a0a8f0d Some Artist / Some Album\r\n"
                        "jazz 7b0a8f0d Some Artist / Some Album (Live)\r\n.\r\n");
        return Text(Entry());
    });
    UseServer(server);
    sim.AddDrive(EnhancedDisc());
    MakeForm();
    AnswerMatches(1, "match-dialog.png");
    form->Actionfreecddb->Execute();
    EXPECT_TRUE(form->Timer->Enabled());
    EXPECT_TRUE(form->LabelConnect->Visible());
    ASSERT_TRUE(PumpUntil([&] { return Captions()[0] != "Track - 01"; }));
    Application()->OnIdle = nullptr;
    EXPECT_EQ(offered, (std::vector<std::string>{"Other Artist / Other Album - misc",
                                                 "Some Artist / Some Album - rock",
                                                 "Some Artist / Some Album (Live) - jazz"}));
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_NE(server.Requests()[1].text.find("cmd=cddb+read+rock+8a0a8f0d"), std::string::npos);
    const std::vector<std::string> names{"Morning Light", "Harbour Walk", "Paper Boats", "The Long Road",
                                         "Quiet Street",  "Night Train",  "Sixth Floor", "Blue Hour",
                                         "Letters",       "Open Window",  "Slow River",  "Last Dance"};
    EXPECT_EQ(Captions(), names);
    form->ListViewTracks->SetItemIndex(3);
    EXPECT_EQ(form->SelectedItem()->Title, "The Long Road");
    EXPECT_FALSE(form->Timer->Enabled());
    EXPECT_FALSE(form->LabelConnect->Visible());
    EXPECT_EQ(form->Actionfreecddb->Caption(), "freecddb");
    EXPECT_TRUE(boxes.empty());
    form->UpdateActions();
    Pump();
    std::filesystem::create_directories(OutDir());
    EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(), OutDir() + "/cd-dialog-named-tracks.png"));
}

TEST_F(LoadCDForm, RefusingEveryMatchStopsTheLookupAndReadsNothing) {
    THttpTestServer server([](int, const std::string&) {
        return Text("210 Found exact matches\r\nrock 8a0a8f0d A / B\r\njazz 8a0a8f0d C / D\r\n.\r\n");
    });
    UseServer(server);
    sim.AddDrive(EnhancedDisc());
    MakeForm();
    AnswerMatches(-1);
    form->Actionfreecddb->Execute();
    ASSERT_TRUE(PumpUntil([&] { return !form->Timer->Enabled(); }));
    Application()->OnIdle = nullptr;
    net_test::PumpFor(50);
    Pump();
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(Captions(), TrackNames(12));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LoadCDForm, LookupsThatEndWithoutNamesSaySoOnce) {
    struct TCase {
        std::function<TReply(int)> reply;
        std::string box;
    };
    const std::vector<TCase> cases{
        {[](int) { return Text("202 No match for disc ID 8a0a8f0d.\r\n"); }, "No match found"},
        {[](int) {
             return TReply{Response("500 Internal Server Error", "", "<html>down</html>"), true};
         },
         "The operation failed when trying to access the freeDB Internet server. Please try again later."},
        {[](int index) {
             return index == 0 ? Text("200 rock 8a0a8f0d Some Artist / Some Album\r\n")
                               : Text("401 rock 8a0a8f0d No such CD entry in database.\r\n");
         },
         "Reading CDDB information failed."},
    };
    for (const TCase& c : cases) {
        THttpTestServer server([&](int index, const std::string&) { return c.reply(index); });
        UseServer(server);
        TSimulatedCDSystem one;
        one.AddDrive(EnhancedDisc());
        TCDDeviceSystemOverride use(one);
        boxes.clear();
        MakeForm();
        AnswerMatches(0); // an exact match is offered too
        form->Actionfreecddb->Execute();
        ASSERT_TRUE(PumpUntil([&] { return !form->Timer->Enabled(); })) << c.box;
        net_test::PumpFor(50);
        Pump();
        EXPECT_EQ(boxes, std::vector<std::string>{c.box});
        EXPECT_EQ(Captions(), TrackNames(12));
        Application()->OnIdle = nullptr;
        delete form;
        form = nullptr;
    }
}

TEST_F(LoadCDForm, TheLookupButtonTurnsWhileTheDatabaseIsAsked) {
    THttpTestServer server([](int, const std::string&) { return Text("202 No match\r\n"); });
    UseServer(server);
    sim.AddDrive(EnhancedDisc());
    MakeForm();
    // Started by hand, so that no reply stops it.
    form->Timer->SetEnabled(true);
    std::vector<std::string> captions;
    for (int i = 0; i < 6; ++i) {
        clock->Advance(300);
        Pump();
        captions.push_back(form->Actionfreecddb->Caption());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"- freecddb -", "\\ freecddb \\", "| freecddb |",
                                                  "/ freecddb /", "- freecddb -", "\\ freecddb \\"}));
}

TEST_F(LoadCDForm, ADiscGoingOutAndInIsReadAgain) {
    TSimDrive& drive = sim.AddDrive(EnhancedDisc());
    MakeForm();
    EXPECT_EQ(Captions().size(), 12u);
    drive.Toc.clear();
    clock->Advance(1000);
    Pump();
    Pump();
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(boxes.size(), 1u);
    drive.Toc = RawToc(1, {{0}, {15000}}, 30000);
    clock->Advance(1000);
    Pump();
    Pump();
    EXPECT_EQ(Captions(), TrackNames(2));
}

TEST(MatchLines, TitleAndCategory) {
    EXPECT_EQ(MatchLine("rock 530aab0d Some Artist / Some Album"), "Some Artist / Some Album - rock");
    EXPECT_EQ(MatchLine("rock 530aab0d"), " - rock");
    EXPECT_EQ(MatchLine("rock"), " - rock");
    EXPECT_EQ(MatchLine("rock 53"), " - rock");
    EXPECT_EQ(MatchLine(""), " - ");
}

} // namespace load_cd_form_test
