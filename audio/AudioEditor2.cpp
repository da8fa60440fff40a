#include "audio/AudioEditor2.h"

#include "audio/AudioClipboard.h"
#include "audio/AudioError.h"
#include "audio/AudioFileLoader.h"
#include "audio/AudioResampler.h"
#include "audio/AudioText.h"
#include "audio/AudioTime.h"
#include "audio/AudioWriter.h"
#include "audio/EffectStream.h"
#include "audio/devices/EditorPlayback.h"
#include "audio/effects/AudioEffect.h"
#include "audio/effects/EffectMath.h"
#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <cmath>
#include <unistd.h>
#include <unordered_set>

namespace editor_detail {

constexpr std::int64_t kChunk = 65536;

void Report(const TProgressFunc& progress, std::int64_t done, std::int64_t total, int& last) {
    if (!progress || total <= 0) return;
    int percent = int(std::min<std::int64_t>(100, done * 100 / total));
    if (percent != last) progress(last = percent);
}

} // namespace editor_detail

TAudioEditor2::TAudioEditor2(TComponent* AOwner) : TCustomControl(AOwner) {
    // Documents up to a quarter of the machine's memory stay in memory; larger ones go to the file store.
    long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0) FMemoryLimit = std::int64_t(pages) * pageSize / 4;
    SetTag(11); // the document is clean
    FChannel.OnChange = [this] { InvalidateView(); };
    CreateView();
}

TAudioEditor2::~TAudioEditor2() {
    DestroyView(); // the surface reads the editor while it goes
}

std::string TAudioEditor2::SpillFolder() const {
    return FTempDirectory.empty() ? DefaultTempDirectory() : FTempDirectory;
}

TAudioDocument& TAudioEditor2::Document() {
    if (!FDocument) throw EAudioError("No sound file is open.");
    return *FDocument;
}

const TAudioDocument& TAudioEditor2::Document() const {
    if (!FDocument) throw EAudioError("No sound file is open.");
    return *FDocument;
}

void TAudioEditor2::Operation(const std::function<void(const TProgressFunc&)>& work) {
    TProgressFunc progress = [this](int percent) {
        if (OnBlockOperation) OnBlockOperation(percent);
    };
    ++FOperationDepth;
    try {
        work(progress);
    } catch (...) {
        --FOperationDepth;
        ViewChanged();
        if (OnEndOperation) OnEndOperation();
        throw;
    }
    --FOperationDepth;
    ViewChanged();
    Redraw(); // the document, the selection or the view may have changed
    if (OnEndOperation) OnEndOperation();
}

void TAudioEditor2::Attach(std::unique_ptr<TAudioDocument> document) {
    Stop(); // a new document ends the play of the old one
    FDocument = std::move(document);
    FDocument->OnFramesChanged = [this](const TFrameChange& change) { FollowChange(change); };
    FSelectionOn = false;
    FSelStart = FSelEnd = FCursor = 0;
    FViewStart = 0;
    FViewEnd = FDocument->Length();
    FCurrentMarker = 0;
    ++FContentSerial;
}

void TAudioEditor2::FollowChange(const TFrameChange& change) {
    ++FContentSerial;
    for (std::int64_t* p : {&FSelStart, &FSelEnd, &FCursor, &FViewStart, &FViewEnd})
        *p = change.Map(*p);
    ClampPositions();
}

void TAudioEditor2::ClampPositions() {
    std::int64_t length = FDocument ? FDocument->Length() : 0;
    for (std::int64_t* p : {&FSelStart, &FSelEnd, &FCursor, &FViewStart, &FViewEnd})
        *p = std::clamp<std::int64_t>(*p, 0, length);
    if (FCurrentMarker > (FDocument ? FDocument->Markers().Count() : 0)) FCurrentMarker = 0;
    ViewChanged();
}

std::int64_t TAudioEditor2::SelStart() const {
    return FSelectionOn ? std::min(FSelStart, FSelEnd) : FCursor;
}

std::int64_t TAudioEditor2::SelEnd() const {
    return FSelectionOn ? std::max(FSelStart, FSelEnd) : FCursor;
}

void TAudioEditor2::Select(std::int64_t start, std::int64_t end) {
    FSelectionOn = end > start;
    FSelStart = start;
    FSelEnd = end;
    FCursor = start;
    ClampPositions();
}

// ---------------------------------------------------------------------------------------------------
// Playback

TEditorPlayback& TAudioEditor2::Playback() {
    if (!FPlayback) {
        FPlayback = std::make_unique<TEditorPlayback>(*this);
        FPlayback->OnMeter = [this](int left, int right) {
            if (OnMeter) OnMeter(left, right);
        };
        FPlayback->OnChangePlayPosition = [this] {
            InvalidateView(); // the play position moves
            if (OnChangePlayPosition) OnChangePlayPosition();
        };
        FPlayback->OnEndPlay = [this] {
            InvalidateView();
            if (OnEndPlay) OnEndPlay();
        };
    }
    return *FPlayback;
}

void TAudioEditor2::Play(int mode) {
    Playback().Play(mode);
    InvalidateView();
}

void TAudioEditor2::Stop() {
    if (FPlayback) FPlayback->Stop();
    InvalidateView();
}

void TAudioEditor2::Pause() {
    if (FPlayback) FPlayback->Pause();
    InvalidateView();
}

void TAudioEditor2::Resume() {
    if (FPlayback) FPlayback->Resume();
    InvalidateView();
}

// ---------------------------------------------------------------------------------------------------
// Documents

void TAudioEditor2::Open(const std::string& path, int) {
    Operation([&](const TProgressFunc& progress) {
        TLoadOptions options;
        options.TempDirectory = FTempDirectory;
        options.MemoryLimitBytes = FMemoryLimit;
        TLoadedAudio loaded = LoadAudioFile(path, options, progress);
        auto document =
            std::make_unique<TAudioDocument>(loaded.SampleRate, std::move(loaded.Samples), loaded.Store);
        // Only a completely decoded file replaces the document that was open.
        Attach(std::move(document));
        FTags = loaded.Tags;
        FDescription = loaded.Description;
    });
}

void TAudioEditor2::New(int sampleRate, int channels) {
    Operation([&](const TProgressFunc&) {
        if (channels != 1 && channels != 2)
            throw EAudioError("A sound has one or two channels, not " + std::to_string(channels) + ".");
        auto document =
            std::make_unique<TAudioDocument>(sampleRate, channels, MakeMemoryBlockStore(SpillFolder()));
        Attach(std::move(document));
        FTags = TAudioTags();
        FDescription =
            "PCM, " + audio_text::Thousands(sampleRate) + " Hz, " + (channels == 1 ? "Mono" : "Stereo");
    });
}

void TAudioEditor2::Save(const std::string& path, int selectionOnly, int format) {
    Operation([&](const TProgressFunc& progress) {
        const TAudioDocument& doc = Document();
        std::int64_t start = 0, end = doc.Length();
        if (selectionOnly != 0) {
            start = SelStart();
            end = SelEnd();
            if (end <= start) throw EAudioError("Nothing is selected.");
        }
        TOutputFormat output = FFileFormat.Format();
        output.Code = format;
        TAudioWriter writer(path, output, doc.SampleRate(), doc.Channels(), FTags);
        // A block's length at a time, read from the blocks on all cores into block memory (a buffer
        // kept from earlier work where there is one: fresh memory costs more to fill than the copy).
        constexpr std::int64_t chunk = TSampleBlock::PreferredFrames;
        const int channels = doc.Channels();
        TSampleBuffer buffer(std::size_t(chunk * channels));
        int last = -1;
        for (std::int64_t pos = start; pos < end; pos += chunk) {
            std::int64_t n = std::min(chunk, end - pos);
            effects::ParallelFor(
                std::size_t(n), editor_detail::kChunk, [&](std::size_t from, std::size_t to) {
                    doc.Samples().ReadInterleaved(pos + std::int64_t(from), std::int64_t(to - from),
                                                  buffer.Data() + from * std::size_t(channels));
                });
            writer.Write(buffer.Data(), n);
            editor_detail::Report(progress, pos + n - start, end - start, last);
        }
        writer.Close();
    });
}

void TAudioEditor2::Close() {
    Stop();
    FDocument.reset();
    FTags = TAudioTags();
    FDescription.clear();
    FSelectionOn = false;
    FSelStart = FSelEnd = FCursor = FViewStart = FViewEnd = 0;
    FCurrentMarker = 0;
    ++FContentSerial;
    ViewChanged();
}

// ---------------------------------------------------------------------------------------------------
// View

void TAudioEditor2::ZoomToRange(std::int64_t start, std::int64_t end) {
    const std::int64_t length = Document().Length();
    if (end < start) std::swap(start, end);
    FViewStart = std::clamp<std::int64_t>(start, 0, length);
    FViewEnd = std::clamp<std::int64_t>(end, 0, length);
    Redraw();
}

void TAudioEditor2::ZoomToSelection() {
    if (SelEnd() > SelStart()) ZoomToRange(SelStart(), SelEnd());
}

void TAudioEditor2::ZoomOut() {
    const std::int64_t length = Document().Length();
    std::int64_t span = std::max<std::int64_t>(1, FViewEnd - FViewStart) * 2;
    std::int64_t start = FViewStart - span / 4;
    start = std::clamp<std::int64_t>(start, 0, std::max<std::int64_t>(0, length - span));
    ZoomToRange(start, std::min(length, start + span));
}

void TAudioEditor2::ZoomFull() {
    ZoomToRange(0, Document().Length());
}

void TAudioEditor2::Redraw() {
    InvalidateView();
    if (OnRedraw) OnRedraw();
}

// ---------------------------------------------------------------------------------------------------
// Samples

std::vector<float> TAudioEditor2::GetSamples(std::int64_t count) {
    const TAudioDocument& doc = Document();
    if (count <= 0) return {};
    // Callers ask for whole analysis windows, which may run past the end; a count far beyond the
    // document is a mistake, not a request for that much silence.
    constexpr std::int64_t maxPadding = 1 << 20;
    if (count > doc.Length() + maxPadding)
        throw EAudioError("Cannot read " + std::to_string(count) + " samples from a sound of " +
                          std::to_string(doc.Length()) + ".");
    const bool playing = FPlayState == 1 || FPlayState == 5;
    std::vector<float> samples = doc.ReadInterleaved(playing ? FPlayPosition : SelStart(), count);
    samples.resize(std::size_t(count) * std::size_t(doc.Channels()), 0.0f); // silence past the end
    return samples;
}

void TAudioEditor2::PutSamples(const std::vector<float>& samples) {
    Operation([&](const TProgressFunc&) {
        TAudioDocument& doc = Document();
        if (samples.size() % std::size_t(doc.Channels()) != 0)
            throw EAudioError("The sample array does not hold whole frames.");
        std::int64_t at = FCursor;
        // A switched-off selection is reported as the cursor. A hidden end standing there stays with the
        // cursor, so switching the selection on shows what was reported before; ends elsewhere follow
        // their audio, as a shown selection's do.
        const bool startAtCursor = !FSelectionOn && FSelStart == at;
        const bool endAtCursor = !FSelectionOn && FSelEnd == at;
        doc.ReplaceInterleaved(at, 0, samples.data(), std::int64_t(samples.size()) / doc.Channels());
        FCursor = at; // the cursor stays where the samples went in
        if (startAtCursor) FSelStart = at;
        if (endAtCursor) FSelEnd = at;
    });
}

// ---------------------------------------------------------------------------------------------------
// Editing

void TAudioEditor2::Undo() {
    Operation([&](const TProgressFunc&) { Document().Undo(); });
}

void TAudioEditor2::Redo() {
    Operation([&](const TProgressFunc&) { Document().Redo(); });
}

void TAudioEditor2::Copy() {
    Operation([&](const TProgressFunc&) {
        const TAudioDocument& doc = Document();
        if (SelEnd() <= SelStart()) throw EAudioError("Nothing is selected.");
        audio_clipboard::Set({doc.Samples().Sub(SelStart(), SelEnd() - SelStart()), doc.SampleRate()});
    });
}

void TAudioEditor2::Cut() {
    Operation([&](const TProgressFunc&) {
        TAudioDocument& doc = Document();
        std::int64_t start = SelStart(), end = SelEnd();
        if (end <= start) throw EAudioError("Nothing is selected.");
        audio_clipboard::Set({doc.Samples().Sub(start, end - start), doc.SampleRate()});
        doc.Erase(start, end - start);
        Select(start, start);
    });
}

TSampleSequence TAudioEditor2::FitToDocument(const TSampleSequence& samples, int sampleRate,
                                             const TProgressFunc& progress) {
    const TAudioDocument& doc = Document();
    return ConvertSequence(samples, sampleRate, doc.SampleRate(), doc.Channels(), doc.Store(), progress);
}

void TAudioEditor2::Paste() {
    Operation([&](const TProgressFunc& progress) {
        TAudioDocument& doc = Document();
        std::optional<TAudioClip> clip = audio_clipboard::Get();
        if (!clip || clip->Samples.Empty()) throw EAudioError("The clipboard is empty.");
        TSampleSequence samples = FitToDocument(clip->Samples, clip->SampleRate, progress);
        std::int64_t at = FCursor;
        doc.Insert(at, samples);
        Select(at, at + samples.Frames());
    });
}

TSampleSequence TAudioEditor2::LoadConverted(const std::string& path, const TProgressFunc& progress) {
    TLoadOptions options;
    options.Store = Document().Store();
    TLoadedAudio loaded = LoadAudioFile(path, options, progress);
    return FitToDocument(loaded.Samples, loaded.SampleRate, progress);
}

void TAudioEditor2::InsertFile(const std::string& path) {
    Operation([&](const TProgressFunc& progress) {
        TSampleSequence samples = LoadConverted(path, progress);
        std::int64_t at = FCursor;
        Document().Insert(at, samples);
        Select(at, at + samples.Frames());
    });
}

void TAudioEditor2::Mix(const TSampleSequence& added, float selectionLevel, float addedLevel,
                        const TProgressFunc& progress) {
    TAudioDocument& doc = Document();
    const int channels = doc.Channels();
    const std::int64_t start = SelStart(), selEnd = SelEnd(), length = doc.Length();
    const std::int64_t end = std::max(selEnd, start + added.Frames());
    const float a = selectionLevel / 100.0f, b = addedLevel / 100.0f;
    TSequenceBuilder builder = doc.MakeBuilder();
    std::vector<float> mine(editor_detail::kChunk * channels), theirs(editor_detail::kChunk * channels);
    int last = -1;
    for (std::int64_t pos = start; pos < end; pos += editor_detail::kChunk) {
        std::int64_t n = std::min(editor_detail::kChunk, end - pos);
        std::fill(mine.begin(), mine.end(), 0.0f);
        std::fill(theirs.begin(), theirs.end(), 0.0f);
        doc.Samples().ReadInterleaved(pos, n, mine.data());
        added.ReadInterleaved(pos - start, n, theirs.data());
        for (std::int64_t i = 0; i < n * channels; ++i)
            mine[i] = mine[i] * a + theirs[i] * b;
        builder.AppendInterleaved(mine.data(), n);
        editor_detail::Report(progress, pos + n - start, end - start, last);
    }
    doc.Replace(start, std::min(end, length) - start, builder.Finish());
    Select(start, end);
}

void TAudioEditor2::PasteMix(float selectionLevel, float addedLevel) {
    Operation([&](const TProgressFunc& progress) {
        std::optional<TAudioClip> clip = audio_clipboard::Get();
        if (!clip || clip->Samples.Empty()) throw EAudioError("The clipboard is empty.");
        Mix(FitToDocument(clip->Samples, clip->SampleRate, progress), selectionLevel, addedLevel, progress);
    });
}

void TAudioEditor2::MixFile(const std::string& path, float selectionLevel, float addedLevel) {
    Operation([&](const TProgressFunc& progress) {
        Mix(LoadConverted(path, progress), selectionLevel, addedLevel, progress);
    });
}

void TAudioEditor2::DeleteSelection() {
    Operation([&](const TProgressFunc&) {
        TAudioDocument& doc = Document();
        std::int64_t start = SelStart(), end = SelEnd();
        if (end > start) doc.Erase(start, end - start);
        Select(start, start);
    });
}

void TAudioEditor2::Convert(int sampleRate, int channels) {
    Operation([&](const TProgressFunc& progress) { Document().Convert(sampleRate, channels, progress); });
}

void TAudioEditor2::BeginGroup() {
    Document().BeginGroup();
}

void TAudioEditor2::EndGroup() {
    Document().EndGroup();
}

void TAudioEditor2::TransformSelection(
    const std::function<std::vector<std::vector<float>>(std::vector<std::vector<float>>&&)>& process) {
    Operation([&](const TProgressFunc&) {
        TAudioDocument& doc = Document();
        std::int64_t start = SelStart(), end = SelEnd();
        if (end <= start) throw EAudioError("Nothing is selected.");
        std::vector<std::vector<float>> result = process(doc.ReadPlanar(start, end - start));
        // An effect that hands back nothing has failed; it never silently deletes the selection.
        if (result.empty() || result[0].empty()) throw EAudioError("The effect failed.");
        doc.ReplacePlanar(start, end - start, result);
        Select(start, start + std::int64_t(result[0].size()));
    });
}

void TAudioEditor2::StreamSelection(effects::TAudioEffect& effect) {
    Operation([&](const TProgressFunc& progress) {
        TAudioDocument& doc = Document();
        const std::int64_t start = SelStart(), end = SelEnd();
        if (end <= start) throw EAudioError("Nothing is selected.");
        if (effect.Channels() != doc.Channels() || effect.SampleRate() != doc.SampleRate())
            throw EAudioError("The effect was made for another sound format.");
        const TSampleSequence& source = doc.Samples();
        const int channels = doc.Channels();
        const std::int64_t total = end - start;
        // A block at a time, so that the new blocks are cut where the reads are and filled in place;
        // effects that change the length (and run their stretches side by side) get a few at a time.
        const std::int64_t step = TSampleBlock::PreferredFrames * (effect.WorksInPlace() ? 1 : 4);
        const bool twoPasses = effect.MeasuresFirst();
        int last = -1;
        auto report = [&](std::int64_t done, int pass) {
            editor_detail::Report(progress, done + (twoPasses ? pass * total : 0),
                                  total * (twoPasses ? 2 : 1), last);
        };
        std::vector<float> block;
        auto read = [&](std::int64_t from, std::int64_t frames) {
            block.resize(std::size_t(frames * channels));
            source.ReadInterleaved(from, frames, block.data());
            effects::ReplaceNonFinite(block.data(), block.size());
        };
        TSequenceBuilder builder = doc.MakeBuilder();
        // The channels' peaks are in the blocks' summaries (unless a sample is not a number there).
        bool measured = false;
        if (twoPasses && effect.MeasuresPeaksOnly()) {
            std::vector<float> peaks(std::size_t(channels), 0.0f);
            measured = true;
            for (int c = 0; c < channels; ++c) {
                const TRangeSummary summary = source.Summarize(c, start, total);
                const float peak = std::max(std::fabs(summary.Min), std::fabs(summary.Max));
                measured = measured && std::isfinite(peak);
                peaks[std::size_t(c)] = peak;
            }
            if (measured) effect.TakePeaks(peaks);
        }
        if (twoPasses && !measured)
            for (std::int64_t pos = start; pos < end; pos += step) {
                const std::int64_t n = std::min(step, end - pos);
                read(pos, n);
                effect.Measure(block.data(), std::size_t(n));
                report(pos + n - start, 0);
            }
        // The blocks the effect has read through are needed only by the undo history once it ends:
        // they go to the temporary folder as the effect goes on, so that the old and the new samples
        // are not both in memory at the end.
        std::unordered_set<const TSampleBlock*> handed;
        auto readThrough = [&](std::int64_t done) {
            std::vector<std::shared_ptr<const TSampleBlock>> blocks = source.BlocksWithin(
                                                                 effect.ReadsBackwards() ? end - done : start,
                                                                 done),
                                                             fresh;
            for (auto& block : blocks)
                if (handed.insert(block.get()).second) fresh.push_back(std::move(block));
            doc.MoveToDiskLater(std::move(fresh));
            doc.KeepUpWithMoves();
        };
        // Effects that work on separate channels go block by block from the document's planes into
        // new blocks on all cores.
        if (CanStreamApart(effect)) {
            TSampleSequence result =
                StreamApart(source, start, total, effect, doc.Store(), [&](std::int64_t done) {
                    report(done, 1);
                    readThrough(done);
                });
            doc.Replace(start, total, result);
            Select(start, start + result.Frames());
            return;
        }
        std::vector<std::vector<float>> lanes, outputs;
        for (std::int64_t done = 0; done < total; done += step) {
            const std::int64_t n = std::min(step, total - done);
            if (effect.ReadsBackwards()) {
                read(end - done - n, n);
                effect.ProcessInPlace(block.data(), std::size_t(n));
                builder.AppendInterleaved(block.data(), n);
            } else if (effect.WorksInPlace() || twoPasses) {
                read(start + done, n);
                effect.ProcessInPlace(block.data(), std::size_t(n));
                builder.AppendInterleaved(block.data(), n);
            } else if (effect.WorksOnLanes()) {
                // Each channel read into its lane, and the lanes that come out appended as they are.
                lanes.resize(std::size_t(channels));
                std::vector<const float*> inputs(static_cast<std::size_t>(channels));
                for (int c = 0; c < channels; ++c) {
                    auto& lane = lanes[std::size_t(c)];
                    lane.resize(std::size_t(n));
                    source.ReadChannel(c, start + done, n, lane.data());
                    effects::ReplaceNonFinite(lane.data(), lane.size());
                    inputs[std::size_t(c)] = lane.data();
                }
                effect.ProcessLanes(inputs.data(), std::size_t(n), done + n == total, outputs);
                std::vector<const float*> given(static_cast<std::size_t>(channels));
                for (int c = 0; c < channels; ++c)
                    given[std::size_t(c)] = outputs[std::size_t(c)].data();
                if (!outputs.empty() && !outputs[0].empty())
                    builder.AppendPlanar(given.data(), std::int64_t(outputs[0].size()));
            } else {
                read(start + done, n);
                effect.Process(block, done + n == total);
                builder.AppendInterleaved(block.data(), std::int64_t(block.size()) / channels);
            }
            report(done + n, 1);
            readThrough(done + n);
        }
        TSampleSequence result = builder.Finish();
        // An effect that hands back nothing has failed; it never silently deletes the selection.
        if (result.Empty()) throw EAudioError("The effect failed.");
        doc.Replace(start, total, result);
        Select(start, start + result.Frames());
    });
}
