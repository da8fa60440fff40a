// The sound editor: one document at a time with its selection, cursor, view range, tags, markers,
// clipboard commands, undo and redo, opening and saving. Long operations report OnBlockOperation with a
// percentage and always end with OnEndOperation, also when they fail.
//
// The editor is also the window control that shows its document (audio/views): a frame of the chosen
// border type around a child drawing surface that paints the waveform or spectrum with its scales and
// markers and takes the mouse and the keyboard focus. The editor works the same without a window.
#pragma once

#include "audio/AudioDocument.h"
#include "audio/AudioEditor2Interfaces.h"
#include "audio/AudioTags.h"
#include "audio/views/AudioEditor2Colors.h"
#include "audio/views/AudioEditor2Scale.h"
#include "platform/vcl/CustomControl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TEditorPlayback;
namespace effects {
class TAudioEffect;
}
class TAudioEditorSurface;

class TAudioEditor2 : public TCustomControl {
public:
    explicit TAudioEditor2(TComponent* AOwner = nullptr);
    ~TAudioEditor2() override;
    TAudioEditor2(const TAudioEditor2&) = delete; // the sub-interfaces point back at their editor
    TAudioEditor2& operator=(const TAudioEditor2&) = delete;

    // Document
    void Open(const std::string& path, int flags = 0);
    void New(int sampleRate, int channels);
    // selectionOnly: -1 the selection, 0 the whole document; format: 1 WAV, 2 MP3, 6 OGG, 11 WMA.
    void Save(const std::string& path, int selectionOnly, int format);
    void Close();
    bool HasDocument() const { return FDocument != nullptr; }

    // Samples: exactly `count` frames, interleaved, from the selection's start (while playing or paused,
    // from the play position), silence past the document's end; and an insertion at the cursor.
    std::vector<float> GetSamples(std::int64_t count);
    void PutSamples(const std::vector<float>& samples);

    // Editing
    void Undo();
    void Redo();
    void Copy();
    void Cut();
    void Paste();
    void InsertFile(const std::string& path);
    // Levels in percent: the selected part's, then the added audio's.
    void PasteMix(float selectionLevel, float addedLevel);
    void MixFile(const std::string& path, float selectionLevel, float addedLevel);
    void DeleteSelection();
    void Convert(int sampleRate, int channels);
    void BeginGroup();
    void EndGroup();

    // View: the range of the document shown, in frames, and the vertical zoom in percent.
    void ZoomToSelection(); // nothing without a selection
    void ZoomOut();         // twice the span around the same centre, within the document
    void ZoomFull();
    void ZoomToRange(std::int64_t start, std::int64_t end);
    void Redraw(); // the display takes the current view range and positions
    // The amplitude shown from a lane's centre to its edge, in percent of full scale: below 100 zooms in.
    // Any value is kept as given; the drawing clamps it to a sane range.
    void VerticalZoom(int percent) {
        FVerticalZoom = percent;
        Redraw();
    }
    int VerticalZoomPercent() const { return FVerticalZoom; }
    // Raised whenever the display should be drawn again.
    std::function<void()> OnRedraw;

    // The selection replaced by `process` of its planar samples (the result may be longer or shorter),
    // as one undoable step with progress and end events; the result becomes the selection.
    void TransformSelection(
        const std::function<std::vector<std::vector<float>>(std::vector<std::vector<float>>&&)>& process);
    // The same for an effect made for the selection's length: the selection streams from the document's
    // blocks through the effect into new blocks, so it never has to fit in memory a second time.
    void StreamSelection(effects::TAudioEffect& effect);

    TAudioEditor2Position& Position() { return FPosition; }
    TAudioEditor2FileInfo& FileInfo() { return FFileInfo; }
    TAudioEditor2FileFormat& FileFormat() { return FFileFormat; }
    TAudioEditor2Markers& Markers() { return FMarkers; }
    TAudioEditor2Channel& Channel() { return FChannel; }
    TAudioEditor2Transform& Transform() { return FTransform; }

    // The open document; raises EAudioError when none is open.
    TAudioDocument& Document();
    const TAudioDocument& Document() const;

    const std::string& TempDirectory() const { return FTempDirectory; }
    void SetTempDirectory(const std::string& folder) { FTempDirectory = folder; }
    // Documents whose samples need more bytes than this keep them in the temporary folder (by default a
    // quarter of the machine's memory); smaller ones keep them in memory, and move there only what the
    // undo history alone holds.
    void SetMemoryLimit(std::int64_t bytes) { FMemoryLimit = bytes; }
    std::int64_t MemoryLimit() const { return FMemoryLimit; }
    bool UndoAvailable() const { return FDocument && FDocument->CanUndo(); }
    bool RedoAvailable() const { return FDocument && FDocument->CanRedo(); }
    // 1 playing, 2 busy (an operation is running), 5 paused, anything else idle. Playback sets its
    // own states through SetPlayState.
    int PlayState() const { return FOperationDepth > 0 ? 2 : FPlayState; }
    void SetPlayState(int state) { FPlayState = state; }
    // Where playback is; the position interface reports it while playing or paused, else the cursor.
    void SetPlayPosition(std::int64_t frame) { FPlayPosition = frame; }

    // Playback of the document: mode 1 the selection (or from the cursor to the end), 2 to the end,
    // 3 looped. Raises EAudioError "Starting audio device error." when no output device opens.
    void Play(int mode);
    void Stop();
    void Pause();
    void Resume();

    std::function<void(int percent)> OnBlockOperation;
    std::function<void()> OnEndOperation;
    std::function<void(int left, int right)> OnMeter; // output levels 0..100 while playing
    std::function<void()> OnChangePlayPosition;
    std::function<void()> OnEndPlay; // once per play: at its end, on Stop, or when the device goes
    // Raised at once (before the call that caused it returns) whenever the selection, its on/off state,
    // the cursor or the document's length changed, by the mouse or by a call; an operation raises it
    // once, at its end.
    std::function<void()> OnChangePosition;

    // ---- The view (audio/views/AudioEditor2View.cpp)
    // The time scale along the bottom and the amplitude (or frequency) scale at the left.
    TAudioEditor2Scale& ScaleX() { return *FScaleX; }
    TAudioEditor2Scale& ScaleY() { return *FScaleY; }
    TAudioEditor2Colors& Colors() { return *FColors; }
    // 0 the waveform, 1 the spectrum; raises EAudioError for other values.
    int TypeView() const { return FTypeView; }
    void SetTypeView(int value);
    // The frame around the view: 0 none, 1 a flat line, 2 raised, 3 sunken, 4 thin sunken.
    int TypeBorder() const { return FTypeBorder; }
    void SetTypeBorder(int value);
    // Raised by a click on the time scale or on the amplitude scale.
    std::function<void()> OnScaleXClick;
    std::function<void()> OnScaleYClick;
    // OnDblClick, OnMouseUp and OnDragOver (the control's own events) are raised for the drawing
    // surface, in the editor's client coordinates, with the editor as sender.
    TAudioEditorSurface* Surface() const { return FSurface; }
    // Changes with every change of the samples, so drawings made from them know when to go.
    std::uint64_t ContentSerial() const { return FContentSerial; }
    // The keyboard focus lives on the drawing surface.
    bool Focused() override;
    void SetFocus() override;

protected:
    void Paint() override;
    void AdjustClientRect(RECT& Rect) override;

private:
    friend class TAudioEditor2Position;
    friend class TAudioEditor2FileInfo;
    friend class TAudioEditor2Markers;
    friend class TAudioEditor2Transform;

    // Runs `work` as one operation: progress events during it, the end event after it in every case.
    void Operation(const std::function<void(const TProgressFunc&)>& work);
    TEditorPlayback& Playback(); // made on first use
    void Attach(std::unique_ptr<TAudioDocument> document);
    void FollowChange(const TFrameChange& change);
    void ClampPositions();
    std::int64_t SelStart() const; // the ordered selection, or the cursor twice when off
    std::int64_t SelEnd() const;
    void Select(std::int64_t start, std::int64_t end);
    // Something shown changed: the surface draws again, and OnChangePosition is raised when a position
    // differs from the last one reported (after the outermost operation, when one runs).
    void ViewChanged();
    void InvalidateView();
    void CreateView();
    void DestroyView();
    struct TPositionState {
        bool SelectionOn = false;
        std::int64_t SelStart = 0, SelEnd = 0, Cursor = 0, Length = 0;
        std::uint64_t Serial = 0;
        bool operator==(const TPositionState&) const = default;
    };
    TPositionState CurrentPositions() const;
    TSampleSequence LoadConverted(const std::string& path, const TProgressFunc& progress);
    // Where memory documents move the blocks that only their undo history holds.
    std::string SpillFolder() const;
    TSampleSequence FitToDocument(const TSampleSequence& samples, int sampleRate,
                                  const TProgressFunc& progress);
    void Mix(const TSampleSequence& added, float selectionLevel, float addedLevel,
             const TProgressFunc& progress);

    std::unique_ptr<TAudioDocument> FDocument;
    TAudioTags FTags;
    std::string FDescription;
    std::string FTempDirectory;
    std::int64_t FMemoryLimit = 1ll << 30;
    int FPlayState = 0;
    int FVerticalZoom = 100;
    std::int64_t FPlayPosition = 0;
    int FOperationDepth = 0;

    bool FSelectionOn = false;
    std::int64_t FSelStart = 0, FSelEnd = 0, FCursor = 0, FViewStart = 0, FViewEnd = 0;
    int FCurrentMarker = 0;
    std::uint64_t FContentSerial = 0;
    TPositionState FReportedPositions;

    std::unique_ptr<TAudioEditor2Scale> FScaleX, FScaleY;
    std::unique_ptr<TAudioEditor2Colors> FColors;
    int FTypeView = 0;
    int FTypeBorder = 0;
    TAudioEditorSurface* FSurface = nullptr; // a child control, freed first

    TAudioEditor2Position FPosition{*this};
    TAudioEditor2FileInfo FFileInfo{*this};
    TAudioEditor2FileFormat FFileFormat;
    TAudioEditor2Markers FMarkers{*this};
    TAudioEditor2Channel FChannel;
    TAudioEditor2Transform FTransform{*this};
    // Last, so playback stops before anything it reads goes away.
    std::unique_ptr<TEditorPlayback> FPlayback;
};
