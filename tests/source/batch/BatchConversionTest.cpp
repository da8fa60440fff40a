// The batch converter's work on files, without its window: the command records, one file converted as
// one stream (compared with the editor applying the same commands to the whole file), output names and
// formats, failures that leave nothing behind, and stopping.
#include "audio/AudioEditor2.h"
#include "audio/AudioEditor2Interfaces.h"
#include "audio/AudioFile2.h"
#include "source/GlobalVars.h"
#include "source/batch/BatchCommands.h"
#include "source/batch/BatchFileConverter.h"
#include "source/batch/BatchOutputNames.h"
#include "source/batch/BatchRunner.h"
#include "source/effects/EffectParameters.h"
#include "tests/source/AppTestSupport.h"
#include "tests/source/TestFolder.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <thread>

namespace batch_conversion_test {

using app_test::ReadSound;
using app_test::TDecoded;
using app_test::TestPiece;
using app_test::WriteSound;

TGlobalVars Defaults() {
    TGlobalVars vars;
    SetInitialValues(vars, {"/data/", "/tmp/", "/music"});
    return vars;
}

TBatchCommand Command(TBatchCommandKind Kind, std::vector<int> Values) {
    return TBatchCommand{Kind, std::move(Values)};
}

// Runs every file to its end and answers the results by file.
std::vector<TBatchFileResult> RunAll(const TGlobalVars& Vars, const std::vector<TBatchCommand>& Commands,
                                     const std::vector<std::string>& Sources, const std::string& Folder) {
    std::vector<TBatchJob> jobs;
    for (const std::string& source : Sources)
        jobs.push_back({source, Folder});
    TBatchRunner runner(Vars, Commands, jobs);
    runner.Start();
    std::vector<TBatchFileResult> results(Sources.size());
    std::size_t finished = 0;
    while (finished < Sources.size()) {
        for (auto& done : runner.TakeFinished()) {
            results[done.Job] = done.Result;
            ++finished;
        }
        std::this_thread::yield();
    }
    return results;
}

std::set<std::string> FilesIn(const std::string& Folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder))
        names.insert(entry.path().filename().string());
    return names;
}

double Peak(const std::vector<float>& Samples) {
    float peak = 0;
    for (float s : Samples)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

TEST(BatchCommandsTest, RecordsTakeTheDefaultsAndShowTheirSettings) {
    TGlobalVars vars = Defaults();
    struct TCase {
        TBatchCommandKind Kind;
        const char* Identifier;
        std::string Text;
    };
    const std::vector<TCase> cases{
        {TBatchCommandKind::InsertSilenceAtTheStart, "Insert Silence At The Start",
         "Silence Time (ms) = 100"},
        {TBatchCommandKind::Amplify, "Amplify", "Amplify Gain (%) = 25"},
        {TBatchCommandKind::Normalize, "Normalize", "Normalize Peak Level (%) = 100"},
        {TBatchCommandKind::Equalizer, "Equalizer", "Click on Settings to view or change."},
        {TBatchCommandKind::Echo, "Echo",
         "Delay Time (ms) = 200, Mix Depth (%) = 70, Feedback Gain (%) = 40"},
        {TBatchCommandKind::ConvertSampleType, "Convert Sample Rate And Channel",
         "Convert Sample Rate = 44100, Convert Channel = Stereo"},
    };
    for (const TCase& c : cases) {
        const TBatchCommand command = MakeBatchCommand(c.Kind, vars);
        EXPECT_EQ(BatchCommandIdentifier(c.Kind), c.Identifier);
        EXPECT_EQ(BatchSettingsText(command), c.Text);
        TBatchCommandKind kind{};
        ASSERT_TRUE(BatchCommandKindOf(c.Identifier, kind));
        EXPECT_EQ(kind, c.Kind);
    }
    EXPECT_EQ(MakeBatchCommand(TBatchCommandKind::Equalizer, vars).Values.size(), 12u);
    EXPECT_EQ(
        BatchSettingsText(Command(TBatchCommandKind::Reverb, {1, 2, 3, 4, 5, 6})),
        "Delay Time (ms) = 1, Mix Depth (%) = 2, Feedback Gain (%) = 3Reverb Gain (%) = 4, Reverb Frequency: "
        "(Hz) = 5, Taps Before delay Feedback = 6");
    EXPECT_EQ(BatchSettingsText(Command(TBatchCommandKind::ConvertSampleType, {9, 1})),
              "Convert Sample Rate = 6000, Convert Channel = Mono");
    EXPECT_EQ(BatchCommandListTexts().size(), 17u);
    EXPECT_EQ(BatchCommandListTexts()[16], "  Chorus");
    TBatchCommandKind kind{};
    EXPECT_FALSE(BatchCommandKindOf("amplify", kind));
}

TEST(BatchCommandsTest, WmaProfilesFollowTheSourceBitRate) {
    const std::pair<int, int> cases[] = {{10000, 36}, {10001, 23}, {34000, 23},  {50000, 16},
                                         {66000, 13}, {98000, 11}, {130000, 10}, {130001, 8}};
    for (const auto& [bits, profile] : cases)
        EXPECT_EQ(WmaProfileForBitRate(bits), profile) << bits;
}

// Three files in mixed formats through Amplify, Echo and Normalize: each file as one stream gives what
// the editor gives applying the same commands to the whole file.
TEST(BatchConversionTest, AChainOverAFileGivesWhatTheEditorGivesOnTheWholeFile) {
    TTestFolder folder("batch-chain");
    const std::vector<std::string> sources{folder.Path() + "a.wav", folder.Path() + "b.mp3",
                                           folder.Path() + "c.ogg"};
    WriteSound(sources[0], TestPiece(44100, 2, 3.3), 44100, 2, afWav);
    WriteSound(sources[1], TestPiece(44100, 2, 2.6), 44100, 2, afMp3);
    WriteSound(sources[2], TestPiece(44100, 1, 2.1), 44100, 1, afOgg);
    const std::vector<TBatchCommand> chain{Command(TBatchCommandKind::Amplify, {150}),
                                           Command(TBatchCommandKind::Echo, {120, 50, 40}),
                                           Command(TBatchCommandKind::Normalize, {90})};
    TGlobalVars vars = Defaults();
    vars.BatchFileFormatUseTheSame = false;
    vars.BatchFileFormatIndex = 0; // WAV, 32 bits, at the source's rate
    vars.OutputWAVType = 1, vars.OutputWAVBitesPerSample = 3;
    const std::string out = folder.Path() + "out/";
    std::filesystem::create_directories(out);
    for (const auto& result : RunAll(vars, chain, sources, out))
        ASSERT_EQ(result.Outcome, TBatchFileOutcome::Done) << result.Message;

    for (const std::string& source : sources) {
        const std::string stem = std::filesystem::path(source).stem().string();
        SCOPED_TRACE(stem);
        TAudioEditor2 editor;
        editor.Open(source);
        const std::int64_t length = editor.Document().Length();
        editor.Position().SetSelectionStart(0);
        editor.Position().SetSelectionEnd(length);
        editor.Position().SetSelection(-1);
        TGlobalVars effect = vars;
        effect.DefAmplify = 150, effect.DefEchoDelayTime = 120, effect.DefEchoMixDepth = 50,
        effect.DefEchoFeedbackGain = 40;
        ApplyEditorEffect(editor.Transform(), eiAmplify, effect);
        ApplyEditorEffect(editor.Transform(), eiEcho, effect);
        editor.Transform().Normalize(90.0f, -1);
        const std::vector<float> expected = editor.Document().ReadInterleaved(0, editor.Document().Length());
        const TDecoded batch = ReadSound(out + stem + ".wav");
        // The WAV settings write stereo: a mono source has its channel on both sides.
        const std::size_t channels = std::size_t(editor.Document().Channels());
        ASSERT_EQ(batch.Channels, 2);
        ASSERT_EQ(batch.Samples.size() / 2, expected.size() / channels);
        double worst = 0;
        for (std::size_t i = 0; i < batch.Samples.size(); ++i)
            worst =
                std::max(worst, double(std::fabs(batch.Samples[i] - expected[channels == 2 ? i : i / 2])));
        EXPECT_LT(worst, 1e-4);
        EXPECT_NEAR(Peak(batch.Samples), 0.9, 0.01);
    }

    // The same run into MP3 and into OGG: whole files at the formats' rate, at the normalized level.
    for (int index : {1, 2}) {
        vars.BatchFileFormatIndex = index;
        const std::string encoded = folder.Path() + (index == 1 ? "mp3/" : "ogg/");
        std::filesystem::create_directories(encoded);
        for (const auto& result : RunAll(vars, chain, sources, encoded))
            ASSERT_EQ(result.Outcome, TBatchFileOutcome::Done) << result.Message;
        const TDecoded first = ReadSound(encoded + (index == 1 ? "a.mp3" : "a.ogg"));
        EXPECT_EQ(first.SampleRate, 44100);
        EXPECT_NEAR(double(first.Samples.size()) / first.Channels / first.SampleRate, 3.3, 0.1);
        EXPECT_NEAR(Peak(first.Samples), 0.9, 0.1);
        EXPECT_EQ(FilesIn(encoded).size(), 3u);
    }
}

TEST(BatchConversionTest, AFileThatFailsMidwayLeavesNoOutputAndTheOthersFinish) {
    TTestFolder folder("batch-failure");
    const std::vector<std::string> sources{folder.Path() + "one.wav", folder.Path() + "long.wav",
                                           folder.Path() + "three.wav"};
    WriteSound(sources[0], TestPiece(22050, 1, 1.0), 22050, 1, afWav);
    WriteSound(sources[1], TestPiece(44100, 2, 12.0), 44100, 2, afWav);
    WriteSound(sources[2], TestPiece(22050, 1, 1.0), 22050, 1, afWav);
    TGlobalVars vars = Defaults();
    vars.BatchFileFormatUseTheSame = true;
    std::vector<TBatchFileResult> results;
    {
        // Writes beyond 400 KB fail: the 12 seconds of the long file do not fit.
        TFileSizeLimit limit(400 * 1024);
        results = RunAll(vars, {Command(TBatchCommandKind::Amplify, {50})}, sources, folder.Path());
    }
    EXPECT_EQ(results[0].Outcome, TBatchFileOutcome::Done);
    EXPECT_EQ(results[2].Outcome, TBatchFileOutcome::Done);
    ASSERT_EQ(results[1].Outcome, TBatchFileOutcome::Failed);
    EXPECT_NE(results[1].Message.find("long.wav"), std::string::npos) << results[1].Message;
    // Nothing half-written anywhere: the sources and the two new files only.
    EXPECT_EQ(FilesIn(folder.Path()),
              (std::set<std::string>{"one.wav", "long.wav", "three.wav", "one(1).wav", "three(1).wav"}));
    EXPECT_EQ(ReadSound(folder.Path() + "one(1).wav").Samples.size(), 22050u);
}

TEST(BatchConversionTest, ReadingFailuresAreReportedAndNameNoOutput) {
    TTestFolder folder("batch-unreadable");
    const std::string broken = folder.Write("broken.mp3", std::string(3000, 'x'));
    TGlobalVars vars = Defaults();
    TBatchOutputNames names;
    TBatchFileConverter converter(vars, {}, names);
    const std::atomic<bool> stop{false};
    const auto none = [](int) {};
    TBatchFileResult result = converter.Convert(broken, folder.Path(), stop, none);
    EXPECT_EQ(result.Outcome, TBatchFileOutcome::Failed);
    EXPECT_EQ(result.Message, "An error occurred while transforming file:\r\n\r\nThe file \"" + broken +
                                  "\" is damaged or the format is not supported.");
    result = converter.Convert(folder.Path() + "gone.wav", folder.Path(), stop, none);
    EXPECT_EQ(result.Message, "File do not exist: " + folder.Path() + "gone.wav");
    EXPECT_EQ(FilesIn(folder.Path()), std::set<std::string>{"broken.mp3"});
}

TEST(BatchConversionTest, AStopEndsTheFileAtItsNextBlockAndLeavesNothing) {
    TTestFolder folder("batch-stop");
    const std::string source = folder.Path() + "long.wav";
    WriteSound(source, TestPiece(44100, 2, 8.0), 44100, 2, afWav);
    TGlobalVars vars = Defaults();
    TBatchOutputNames names;
    TBatchFileConverter converter(vars, {Command(TBatchCommandKind::Echo, {100, 50, 50})}, names);
    std::atomic<bool> stop{false};
    int calls = 0;
    const TBatchFileResult result = converter.Convert(source, folder.Path(), stop, [&](int percent) {
        ++calls;
        if (percent >= 25) stop = true;
    });
    EXPECT_EQ(result.Outcome, TBatchFileOutcome::Stopped);
    EXPECT_LE(calls, 4); // one block after the request at most
    EXPECT_EQ(FilesIn(folder.Path()), std::set<std::string>{"long.wav"});
}

TEST(BatchConversionTest, SameFormatNamesAndEmptyFiles) {
    TTestFolder folder("batch-names");
    WriteSound(folder.Path() + "a.WAV", TestPiece(22050, 2, 0.5), 22050, 2, afWav);
    WriteSound(folder.Path() + "x.wav", TestPiece(22050, 2, 0.5), 22050, 2, afWav);
    WriteSound(folder.Path() + "x.ogg", TestPiece(44100, 2, 0.5), 44100, 2, afOgg);
    WriteSound(folder.Path() + "empty.wav", {}, 22050, 2, afWav);
    TGlobalVars vars = Defaults();
    vars.BatchFileFormatUseTheSame = true;
    const std::vector<std::string> sources{folder.Path() + "a.WAV", folder.Path() + "x.wav",
                                           folder.Path() + "x.ogg", folder.Path() + "empty.wav"};
    for (const auto& result : RunAll(vars, {}, sources, folder.Path()))
        EXPECT_EQ(result.Outcome, TBatchFileOutcome::Done) << result.Message;
    // "a.WAV" stays WAV; each source keeps its own format beside itself under a name no file had.
    const TDecoded a = ReadSound(folder.Path() + "a.wav");
    EXPECT_EQ(a.SampleRate, 22050);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "x(1).wav"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "x(1).ogg"));
    EXPECT_EQ(ReadSound(folder.Path() + "empty(1).wav").Samples.size(), 0u);

    // Into MP3 side by side: x.wav and x.ogg both want x.mp3; one gets x(1).mp3.
    vars.BatchFileFormatUseTheSame = false;
    vars.BatchFileFormatIndex = 1;
    for (const auto& result :
         RunAll(vars, {}, {folder.Path() + "x.wav", folder.Path() + "x.ogg"}, folder.Path()))
        EXPECT_EQ(result.Outcome, TBatchFileOutcome::Done) << result.Message;
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "x.mp3"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "x(1).mp3"));
}

TEST(BatchConversionTest, SilenceConversionAndStereoMixDoWhatTheySay) {
    TTestFolder folder("batch-edits");
    // Left a tone, right silent.
    std::vector<float> piece = TestPiece(44100, 2, 1.0);
    for (std::size_t i = 1; i < piece.size(); i += 2)
        piece[i] = 0;
    const std::string source = folder.Path() + "left.wav";
    WriteSound(source, piece, 44100, 2, afWav);
    TGlobalVars vars = Defaults();
    vars.BatchFileFormatUseTheSame = true;
    const std::string out = folder.Path() + "out/";
    std::filesystem::create_directories(out);
    const std::vector<TBatchCommand> chain{Command(TBatchCommandKind::InsertSilenceAtTheStart, {500}),
                                           Command(TBatchCommandKind::MixStereoChannels, {0, 100, 100, 0}),
                                           Command(TBatchCommandKind::InsertSilenceAtTheEnd, {250})};
    const TBatchFileResult result = RunAll(vars, chain, {source}, out)[0];
    ASSERT_EQ(result.Outcome, TBatchFileOutcome::Done) << result.Message;
    const TDecoded mixed = ReadSound(out + "left.wav");
    ASSERT_EQ(mixed.Channels, 2);
    EXPECT_EQ(mixed.Samples.size() / 2, std::size_t(44100 * 1.75));
    std::vector<float> left, right, lead;
    for (std::size_t f = 0; f < mixed.Samples.size() / 2; ++f) {
        (f < 22050 ? lead : left).push_back(mixed.Samples[2 * f]);
        if (f < 22050)
            lead.push_back(mixed.Samples[2 * f + 1]);
        else
            right.push_back(mixed.Samples[2 * f + 1]);
    }
    EXPECT_EQ(Peak(lead), 0.0);
    EXPECT_LT(Peak(left), 1e-3); // the pair was swapped: the tone moved right
    EXPECT_GT(Peak(right), 0.3);

    const std::string converted = folder.Path() + "converted/";
    std::filesystem::create_directories(converted);
    ASSERT_EQ(
        RunAll(vars, {Command(TBatchCommandKind::ConvertSampleType, {5, 1})}, {source}, converted)[0].Outcome,
        TBatchFileOutcome::Done);
    const TDecoded small = ReadSound(converted + "left.wav");
    EXPECT_EQ(small.SampleRate, 22050);
    EXPECT_EQ(small.Channels, 1);
}

} // namespace batch_conversion_test
