// The main window's road to a CD track: the dialog shown modally, the chosen track ripped into a
// temporary WAV file with progress, or nothing.
#include "source/cd/LoadCDTrack.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "source/cd/LoadCD.h"
#include "tests/cd/SimulatedCDDevice.h"
#include "tests/source/cd/CDDialogTest.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace load_cd_track_test {

using namespace cd_test;

class LoadCDTrack : public cd_dialog_test::CDDialogTest {
protected:
    // Answers the modal dialogs: the CD dialog with the track at `index` (-1: cancel), any message box
    // with its default button after noting its caption.
    void Answer(int index) {
        Application()->OnIdle = TIdleEvent(
            [this, index](TObject*, bool& Done) {
                Done = false;
                TCustomForm* active = Screen()->ActiveForm();
                for (int i = 0; i < Screen()->FormCount(); ++i)
                    if (Screen()->Forms(i)->FormState().Contains(fsModal)) active = Screen()->Forms(i);
                if (active == nullptr || active->ModalResult() != mrNone) return;
                if (auto* dialog = dynamic_cast<TLoadCDForm*>(active)) {
                    if (dialog->ListViewTracks->Items()->Count() == 0 && index >= 0) return;
                    dialog->ListViewTracks->SetItemIndex(index);
                    dialog->SetModalResult(index >= 0 ? mrOk : mrCancel);
                } else {
                    boxes.push_back(active->Caption());
                    active->SetModalResult(mrOk);
                }
            },
            this);
    }

    std::vector<std::string> boxes;
};

TEST_F(LoadCDTrack, TheChosenTrackComesBackAsAWavFileWithItsName) {
    sim.AddDrive(RawToc(1, {{0}, {300}}, 700));
    std::vector<int> progress;
    int ends = 0;
    Answer(1);
    const std::optional<TCDTrackFile> file =
        LoadAudioCDTrack(nullptr, {[&](int p) { progress.push_back(p); }, [&] { ++ends; }});
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Title, "Track - 02");
    const auto bytes = ReadFileBytes(file->Path);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 44u + 400u * AudioFrameBytes);
    bool same = true;
    for (int f = 0; f < 400 && same; ++f)
        for (int i = 0; i < AudioFrameBytes; ++i)
            same = same && std::uint8_t((*bytes)[44 + std::size_t(f) * AudioFrameBytes + std::size_t(i)]) ==
                               AudioByte(300 + f, i);
    EXPECT_TRUE(same);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(boxes.empty());
    ::unlink(file->Path.c_str());
}

TEST_F(LoadCDTrack, CancelGivesNothingAndAnUnreadableTrackSaysWhy) {
    TSimDrive& drive = sim.AddDrive(RawToc(1, {{0}, {300}}, 700));
    Answer(-1);
    EXPECT_FALSE(LoadAudioCDTrack(nullptr));

    drive.BadFrames = {310};
    int ends = 0;
    Answer(1);
    EXPECT_FALSE(LoadAudioCDTrack(nullptr, {nullptr, [&] { ++ends; }}));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(boxes, std::vector<std::string>{"OLVA Audio Editor"});
}

} // namespace load_cd_track_test
