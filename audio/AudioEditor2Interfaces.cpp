#include "audio/AudioEditor2.h"

#include "audio/AudioError.h"
#include "audio/AudioTime.h"
#include "audio/effects/LevelEffects.h"
#include "audio/effects/WholeSignalEffects.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------------
// Position

std::int64_t TAudioEditor2Position::MsToSamples(std::int64_t ms) const {
    return audio_time::MsToSamples(ms, FEditor.Document().SampleRate());
}

std::int64_t TAudioEditor2Position::SamplesToMs(std::int64_t samples) const {
    return audio_time::SamplesToMs(samples, FEditor.Document().SampleRate());
}

std::int64_t TAudioEditor2Position::GetSelectionStart() const {
    return FEditor.FSelectionOn ? FEditor.FSelStart : FEditor.FCursor;
}

void TAudioEditor2Position::SetSelectionStart(std::int64_t samples) {
    FEditor.Document();
    FEditor.FSelStart = samples;
    FEditor.FCursor = samples;
    FEditor.ClampPositions();
}

std::int64_t TAudioEditor2Position::GetSelectionEnd() const {
    return FEditor.FSelectionOn ? FEditor.FSelEnd : FEditor.FCursor;
}

void TAudioEditor2Position::SetSelectionEnd(std::int64_t samples) {
    FEditor.Document();
    FEditor.FSelEnd = samples;
    FEditor.ClampPositions();
}

std::int64_t TAudioEditor2Position::GetViewStart() const {
    return FEditor.FViewStart;
}

void TAudioEditor2Position::SetViewStart(std::int64_t samples) {
    FEditor.Document();
    FEditor.FViewStart = samples;
    FEditor.ClampPositions();
}

std::int64_t TAudioEditor2Position::GetViewEnd() const {
    return FEditor.FViewEnd;
}

void TAudioEditor2Position::SetViewEnd(std::int64_t samples) {
    FEditor.Document();
    FEditor.FViewEnd = samples;
    FEditor.ClampPositions();
}

void TAudioEditor2Position::SetSelection(int on) {
    FEditor.Document();
    FEditor.FSelectionOn = on != 0;
    FEditor.ViewChanged();
}

std::int64_t TAudioEditor2Position::GetLength() const {
    return FEditor.FDocument ? FEditor.FDocument->Length() : 0;
}

std::int64_t TAudioEditor2Position::GetPosition() const {
    int state = FEditor.FPlayState;
    return state == 1 || state == 5 ? FEditor.FPlayPosition : FEditor.FCursor;
}

void TAudioEditor2Position::SetCursor(std::int64_t samples) {
    FEditor.Document();
    FEditor.FCursor = samples;
    FEditor.ClampPositions();
}

// ---------------------------------------------------------------------------------------------------
// File information

std::string TAudioEditor2FileInfo::GetGenreName(int index) const {
    if (index < 0 || index >= audio_genres::Count)
        throw EAudioError("Genre " + std::to_string(index) + " does not exist.");
    return audio_genres::Name(index);
}

int TAudioEditor2FileInfo::GetSampleRate() const {
    return FEditor.Document().SampleRate();
}
int TAudioEditor2FileInfo::GetChannels() const {
    return FEditor.Document().Channels();
}
std::string TAudioEditor2FileInfo::GetTitle() const {
    return FEditor.FTags.Title;
}
void TAudioEditor2FileInfo::SetTitle(const std::string& value) {
    FEditor.FTags.Title = value;
}
std::string TAudioEditor2FileInfo::GetYear() const {
    return FEditor.FTags.Year;
}
void TAudioEditor2FileInfo::SetYear(const std::string& value) {
    FEditor.FTags.Year = value;
}
std::string TAudioEditor2FileInfo::GetArtist() const {
    return FEditor.FTags.Artist;
}
void TAudioEditor2FileInfo::SetArtist(const std::string& value) {
    FEditor.FTags.Artist = value;
}
std::string TAudioEditor2FileInfo::GetAlbum() const {
    return FEditor.FTags.Album;
}
void TAudioEditor2FileInfo::SetAlbum(const std::string& value) {
    FEditor.FTags.Album = value;
}
std::string TAudioEditor2FileInfo::GetDescription() const {
    return FEditor.FDescription;
}
std::string TAudioEditor2FileInfo::GetComment() const {
    return FEditor.FTags.Comment;
}
void TAudioEditor2FileInfo::SetComment(const std::string& value) {
    FEditor.FTags.Comment = value;
}
int TAudioEditor2FileInfo::GetGenre() const {
    return FEditor.FTags.Genre;
}

void TAudioEditor2FileInfo::SetGenre(int index) {
    if (index < -1 || index >= audio_genres::Count)
        throw EAudioError("Genre " + std::to_string(index) + " does not exist.");
    FEditor.FTags.Genre = index;
}

// ---------------------------------------------------------------------------------------------------
// File format

void TAudioEditor2FileFormat::SetWAV(int sampleRate, int channels, int bits) {
    FFormat.WavSampleRate = sampleRate;
    FFormat.WavChannels = channels;
    FFormat.WavBits = bits;
}

void TAudioEditor2FileFormat::SetMP3CBR(int sampleRate, int kbps, int channels, int channelMode) {
    FFormat.Mp3ChannelMode = channelMode;
    FFormat.UseLameSettings = false;
    FFormat.Mp3SampleRate = sampleRate;
    FFormat.Mp3BitRate = kbps;
    FFormat.Mp3Channels = channels;
}

void TAudioEditor2FileFormat::SetMP3(const TAudioEditor2LameEnc& settings) {
    FFormat.UseLameSettings = true;
    FFormat.Lame = settings.Settings();
}

void TAudioEditor2FileFormat::SetOGG(int sampleRate, int channels, int kbps, int, int, int quality) {
    FFormat.OggSampleRate = sampleRate;
    FFormat.OggChannels = channels;
    FFormat.OggBitRate = kbps;
    FFormat.OggQuality = quality;
}

void TAudioEditor2FileFormat::SetWMA(int profile) {
    FFormat.WmaProfile = profile;
}

// ---------------------------------------------------------------------------------------------------
// Markers

void TAudioEditor2Markers::Add(std::int64_t position, std::int64_t length, const std::string& name,
                               const std::string& kind, int, int, int, int, int) {
    TAudioDocument& doc = FEditor.Document();
    position = std::clamp<std::int64_t>(position, 0, doc.Length());
    length = std::clamp<std::int64_t>(length, 0, doc.Length() - position);
    FEditor.FCurrentMarker = doc.Markers().Add(position, length, name, kind);
    FEditor.InvalidateView();
}

void TAudioEditor2Markers::DeleteCurrent() {
    TAudioDocument& doc = FEditor.Document();
    doc.Markers().Delete(FEditor.FCurrentMarker);
    FEditor.FCurrentMarker = 0;
    FEditor.InvalidateView();
}

int TAudioEditor2Markers::Count() const {
    return FEditor.FDocument ? FEditor.FDocument->Markers().Count() : 0;
}

int TAudioEditor2Markers::GetCurrent() const {
    return FEditor.FCurrentMarker;
}

void TAudioEditor2Markers::SetCurrent(int number) {
    FEditor.Document().Markers().Item(number); // checks the number
    FEditor.FCurrentMarker = number;
}

std::int64_t TAudioEditor2Markers::GetLength() const {
    return FEditor.Document().Markers().Item(FEditor.FCurrentMarker).Length;
}

std::int64_t TAudioEditor2Markers::GetPosition() const {
    return FEditor.Document().Markers().Item(FEditor.FCurrentMarker).Position;
}

std::string TAudioEditor2Markers::GetName() const {
    return FEditor.Document().Markers().Item(FEditor.FCurrentMarker).Name;
}

// ---------------------------------------------------------------------------------------------------
// Channels

void TAudioEditor2Channel::SetChannel(int channel, int on) {
    if (channel != 1 && channel != 2)
        throw EAudioError("Channel " + std::to_string(channel) + " does not exist.");
    FOn[channel - 1] = on != 0;
    if (OnChange) OnChange();
}

bool TAudioEditor2Channel::GetChannel(int channel) const {
    if (channel != 1 && channel != 2)
        throw EAudioError("Channel " + std::to_string(channel) + " does not exist.");
    return FOn[channel - 1];
}

// ---------------------------------------------------------------------------------------------------
// Transforms without effect processing

void TAudioEditor2Transform::InsertSilence(std::int64_t ms) {
    FEditor.Operation([&](const TProgressFunc&) {
        TAudioDocument& doc = FEditor.Document();
        std::int64_t frames = audio_time::MsToSamples(ms, doc.SampleRate());
        if (frames <= 0) return;
        TSequenceBuilder builder = doc.MakeBuilder();
        builder.AppendSilence(frames);
        std::int64_t at = FEditor.FCursor;
        doc.Insert(at, builder.Finish());
        FEditor.FCursor = at;
    });
}

void TAudioEditor2Transform::Silence() {
    FEditor.Operation([&](const TProgressFunc&) {
        TAudioDocument& doc = FEditor.Document();
        std::int64_t start = FEditor.SelStart(), end = FEditor.SelEnd();
        if (end <= start) return;
        TSequenceBuilder builder = doc.MakeBuilder();
        builder.AppendSilence(end - start);
        doc.Replace(start, end - start, builder.Finish());
        FEditor.Select(start, end);
    });
}

// Runs a length-keeping effect over the selection through the editor's block stream; an empty selection
// changes nothing (but the operation still needs a document).
template <typename Effect> void TAudioEditor2Transform::ApplyToSelection() {
    if (!FEditor.HasDocument() || FEditor.SelEnd() <= FEditor.SelStart()) {
        FEditor.Operation([&](const TProgressFunc&) { FEditor.Document(); });
        return;
    }
    Effect effect(FEditor.Document().SampleRate(), FEditor.Document().Channels());
    FEditor.StreamSelection(effect);
}

void TAudioEditor2Transform::Reverse() {
    ApplyToSelection<effects::TReverseEffect>();
}

void TAudioEditor2Transform::Invert() {
    ApplyToSelection<effects::TInvertEffect>();
}
