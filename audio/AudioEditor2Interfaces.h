// The sub-interfaces of the sound editor: position, file information, file format, markers, channels
// and the editing transforms. Each is a thin view on its editor and lives as long as the editor.
#pragma once

#include "audio/AudioOutputFormat.h"
#include "audio/effects/EditorTransform.h"

#include <cstdint>
#include <functional>
#include <string>

class TAudioEditor2;

// Positions and lengths in sample frames; times in milliseconds.
class TAudioEditor2Position {
public:
    explicit TAudioEditor2Position(TAudioEditor2& editor) : FEditor(editor) {}
    std::int64_t MsToSamples(std::int64_t ms) const;
    std::int64_t SamplesToMs(std::int64_t samples) const;
    // With the selection off, start and end both report the cursor.
    std::int64_t GetSelectionStart() const;
    void SetSelectionStart(std::int64_t samples); // also moves the cursor there
    std::int64_t GetSelectionEnd() const;
    void SetSelectionEnd(std::int64_t samples);
    std::int64_t GetViewStart() const;
    void SetViewStart(std::int64_t samples);
    std::int64_t GetViewEnd() const;
    void SetViewEnd(std::int64_t samples);
    void SetSelection(int on); // -1 on, 0 off
    std::int64_t GetLength() const;
    std::int64_t GetPosition() const; // the play position while playing or paused, else the cursor
    void SetCursor(std::int64_t samples);

private:
    TAudioEditor2& FEditor;
};

class TAudioEditor2FileInfo {
public:
    explicit TAudioEditor2FileInfo(TAudioEditor2& editor) : FEditor(editor) {}
    std::string GetGenreName(int index) const;
    int GetSampleRate() const;
    int GetChannels() const;
    std::string GetTitle() const;
    void SetTitle(const std::string& value);
    std::string GetYear() const;
    void SetYear(const std::string& value);
    std::string GetArtist() const;
    void SetArtist(const std::string& value);
    std::string GetAlbum() const;
    void SetAlbum(const std::string& value);
    std::string GetDescription() const;
    std::string GetComment() const;
    void SetComment(const std::string& value);
    int GetGenre() const;
    void SetGenre(int index);

private:
    TAudioEditor2& FEditor;
};

// Settings for the next save.
class TAudioEditor2FileFormat {
public:
    void SetWAV(int sampleRate, int channels, int bits);
    // channelMode as the MP3 settings object takes it: 1 stereo, 2 joint stereo, 4 dual channels.
    void SetMP3CBR(int sampleRate, int kbps, int channels, int channelMode = 1);
    void SetMP3(const TAudioEditor2LameEnc& settings);
    // quality: -1 for the nominal bit rate, else quality × 10 (0..1000) with kbps 0.
    void SetOGG(int sampleRate, int channels, int kbps, int reserved1, int reserved2, int quality);
    void SetWMA(int profile);
    const TOutputFormat& Format() const { return FFormat; }

private:
    TOutputFormat FFormat;
};

// Markers numbered 1..Count in creation order, with one current marker.
class TAudioEditor2Markers {
public:
    explicit TAudioEditor2Markers(TAudioEditor2& editor) : FEditor(editor) {}
    void Add(std::int64_t position, std::int64_t length, const std::string& name, const std::string& kind,
             int reserved1 = 0, int reserved2 = 0, int reserved3 = 0, int reserved4 = 0, int reserved5 = 0);
    void DeleteCurrent();
    int Count() const;
    int GetCurrent() const;
    void SetCurrent(int number);
    std::int64_t GetLength() const;
    std::int64_t GetPosition() const;
    std::string GetName() const;

private:
    TAudioEditor2& FEditor;
};

// Which channels the editor shows (1 left, 2 right).
class TAudioEditor2Channel {
public:
    void SetChannel(int channel, int on);
    bool GetChannel(int channel) const;
    std::function<void()> OnChange; // the editor shows the channels again

private:
    bool FOn[2] = {true, true};
};

// The editor's transform interface: every effect of the effects processor (inherited) and the editing
// transforms that need no effect processing; all work on the selection.
class TAudioEditor2Transform : public TEditorTransform {
public:
    explicit TAudioEditor2Transform(TAudioEditor2& editor) : TEditorTransform(editor), FEditor(editor) {}
    void InsertSilence(std::int64_t ms); // at the cursor
    void Silence();
    void Reverse();
    void Invert();

private:
    template <typename Effect> void ApplyToSelection();
    TAudioEditor2& FEditor;
};
