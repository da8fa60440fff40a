// The main window: the sound editor control with the command bar beside it and the transport panel
// below, the command bars above, every command of the program as an action of its action list, and
// the document the editor holds.
//
// The class is spread over several source files, one for each family of commands, so that a family
// can be added without touching the others:
//   MainForm.cpp            construction: components, controls, actions, bars; the families bind here
//   MainFormActions.cpp     the action list (captions, hints, built-in keys) and the shortcut file
//   MainFormLifecycle.cpp   start (create, show, the timer after showing), close, dropped files, hook
//   MainFormView.cpp        screen density, the stored view settings, the workplace colours
//   MainFormProgress.cpp    the progress window driven by the editor's and the processor's events
//   MainFormRecent.cpp      the recent-files list, the recent-documents pane and their file
//   MainFormDocument.cpp    open, new, close, convert, the CD road and the shared document helpers
//   MainFormSave.cpp        save, save as, save the selection
//   MainFormDocumentDialogs.cpp  the tag and options commands
//   MainFormTools.cpp       record, text to speech and frequency analysis (source/recording, speech,
//                           analysis), through the window's IEditorHost
//   MainFormMarkers.cpp     the bookmark and region commands and their windows
//   MainFormHelp.cpp        help, web pages, the welcome window, About, companion programs
//   MainFormFavorites.cpp   the favourites list and its keys, the favourites and shortcut editors
//                           (source/favorites)
//   MainFormEditing.cpp     undo, clipboard, selection, trim, silence, insertions, mixing, repeat loop
//   MainFormAvailability.cpp  the availability rule (CommandAvailability.h) applied at every update
//   MainFormTransport.cpp   play, pause, stop, go to start or end, rewind and fast forward
//   MainFormEvents.cpp      the editor's events: position labels, scroll bars, selection fields, meters,
//                           right-click menus
//   MainFormViewCommands.cpp  zoom, display mode, scales, channels, colours, command bar, effects tree,
//                           mixer
// Each family binds its actions' handlers in its Bind...Commands function, which the constructor
// calls.
#pragma once

#include "audio/AudioOutputFormat.h"
#include "platform/vcl/Form.h"
#include "source/mainform/MainWindowBars.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TAction;
class TActionList;
class TAudioEditor2;
class TAudioInformation2;
class TAudioPlayer2;
class TAudioTransform2;
class TFormProgress;
class TLabel;
class TListBox;
class TEdit;
class TFrProgressBar;
class TImageList;
class TskSkinButton;
class TskSkinData;
class TskSkinGroupBox;
class TskSkinPanel;
class TPanel;
class TScrollBar;
class TSplitter;
class TTimer;
class TTreeView;
class TuiImageList;
class ICdTrackLoader;
class IEditorHost;
class IEffectCommands;
class TFreAnalysisForm;
class IMarkerListWindows;
class TBookmarkForm;
class TRegionForm;
struct TFavorite;
struct TMessage;
struct TWelcomeChoice;

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner);
    ~TMainForm() override;

    // ---- Document state shared by the commands
    bool DocumentOpen = false;
    std::string FileName; // "Untitled" for a new document, empty when none is open
    // The sample size of the file the document came from (16 for a new one): what saving offers.
    int DocumentBitsPerSample = 16;
    // Cut and Copy fill the editor's clipboard; the length is the selection's at that moment (samples).
    bool ClipboardFilled = false;
    std::int64_t ClipboardLength = 0;
    int VerticalZoomPercent = 100;
    // Written by the Set Selection dialog (milliseconds).
    std::int64_t ChosenSelectionStart = 0;
    std::int64_t ChosenSelectionEnd = 0;
    // True while the effects processor reports progress.
    bool TransformBusy = false;

    // Stops the editor when it plays, works or is paused.
    void StopIfBusy();
    // With an empty selection, selects the whole document.
    void SelectAllIfEmpty();
    // The modified marker is the editor's tag: 10 modified, 11 clean.
    void SetModified(bool Modified);
    bool Modified() const;
    // With a modified document, asks whether to save it first. False means: stop the road (Cancel, or
    // a save that did not happen).
    bool ConfirmSave();
    bool OpenAudioFile(const std::string& Path);
    bool NewAudioFile(const std::string& Name, int SampleRate, int Channels);
    // The new-file dialog: the chosen rate and channels (stored as the dialog's defaults); false on
    // Cancel.
    bool PromptNewFileFormat(int& SampleRate, int& Channels);
    // The editor's insert-file-at-cursor under the progress window; the document is then modified.
    void InsertFileAtCursor(const std::string& Path);
    // Save as: always asks for the name; selection only: writes the selection to a new file and
    // leaves the document's name and state alone.
    bool SaveAudioFile(bool SaveAs, bool SelectionOnly);
    // The editor's working folder from the settings (the data folder or the chosen folder).
    void ApplyWorkingFolder();
    // The ribbon's document name: Format("%s - [ %s ]", FileName, the document's description).
    void ShowDocumentCaption();

    // ---- Recent files
    void LoadRecentPane();
    void ClearRecentList();
    // A new path at the top of both recent lists (the pane only when the file exists).
    void AddToRecentLists(const std::string& Path);
    // Opens a recent file, or says it was not found and takes it out of the recent-files list.
    void OpenRecentFile(const std::string& Path);

    // The end a termination signal asked for, once every loop has ended: with a modified document the
    // user is asked whether to keep the changes (when a window can show), then the window closes
    // as at any end, keeping its placement, recent list and settings.
    void CloseOnSignal(bool CanAsk);

    // ---- Start
    void LoadViewSettings();
    void ScaleControlsForDpi(int PixelsPerInch);
    void ShowWelcome();
    // Runs the command the user chose in the welcome window.
    void CarryOutWelcomeChoice(const TWelcomeChoice& Choice);
    // Gives every command the key the shortcut file holds for it.
    void ApplyShortcuts();
    // Redo's usual keys besides its own, where no command or favourite holds them.
    void ApplyRedoAlternateKeys();
    // The effects tree (true) or the favourites list in front in the command bar.
    void ShowCommandBarPage(bool Effects);

    // ---- Favourites and shortcut keys (MainFormFavorites.cpp)
    // Rebuilds the favourites list and the favourites' key actions from the favourites file.
    void LoadFavorites();
    // Runs a favourite on the document: refused without a document or with an empty one.
    void ApplyFavorite(const TFavorite& Favorite);
    // The favourites editor; on OK the keys and the favourites are loaded again.
    void EditFavorites();
    // The keyboard shortcut editor.
    void EditShortcuts();
    // The favourites' key actions, made anew by every LoadFavorites.
    TActionList* ActionListFavorite = nullptr;
    // The dark (true) or light colour set of the waveform area.
    void ApplyWorkplaceColors(bool Dark);

    // ---- Transport (MainFormTransport.cpp)
    // One step of rewind or fast forward: 2000 samples, the selection switched off.
    void StepBackward();
    void StepForward();
    // Scrolls the view so that the cursor is in it: at the right edge when it was before the view, at
    // the left edge when it was after it.
    void KeepCursorInView();
    // The selection, its length and the document's length as the position labels show them.
    void RefreshPositionLabels();

    // ---- Seams to the windows and roads that live elsewhere
    IMainWindowBars& Bars() { return *FBars; }
    // The progress window, made by the program's start after the main window.
    TFormProgress* FormProgress = nullptr;
    void SetMarkerListWindows(IMarkerListWindows* Windows) { FMarkerListWindows = Windows; }
    // Connects the bookmark and region windows, made by the program's start after the main window, to
    // the window's marker commands (MainFormMarkers.cpp).
    void AttachMarkerWindows(TBookmarkForm* Bookmarks, TRegionForm* Regions);
    void SetEffectCommands(std::unique_ptr<IEffectCommands> Commands);
    void SetCdTrackLoader(std::unique_ptr<ICdTrackLoader> Loader);
    // The frequency analysis window, made by the program's start after the progress window; it shows
    // the sound at the editor's position, refreshed after every position and play-position event.
    void SetFrequencyAnalysisWindow(TFreAnalysisForm* Window);
    TFreAnalysisForm* FrequencyAnalysisWindow() const { return FFreAnalysisForm; }
    void RefreshFrequencyAnalysis();

    // ---- Components
    TAudioEditor2* AudioEditor = nullptr;
    std::unique_ptr<TAudioPlayer2> AudioPlayer;
    TAudioTransform2* AudioTransform = nullptr;
    std::unique_ptr<TAudioInformation2> AudioInfo;
    TAudioEditor2LameEnc LameEnc;
    TTimer* TimerAfterShow = nullptr;
    TTimer* TimerRewind = nullptr;
    TTimer* TimerForword = nullptr;

    // ---- The window's skin and the zoom buttons' pictures
    TskSkinData* skMainSkinData = nullptr;
    TImageList* ZoomImageList = nullptr;

    // ---- Command bar (beside the editor)
    TPanel* PanelCommandBar = nullptr;
    TSplitter* SplitterCommandBar = nullptr;
    TskSkinGroupBox* GroupBoxCommandBar = nullptr;
    TskSkinButton* ButtonEffects = nullptr;
    TskSkinButton* ButtonFavorites = nullptr;
    TskSkinButton* ButtonHideCommandBar = nullptr;
    TPanel* PanelEffects = nullptr;
    TTreeView* TreeViewEffects = nullptr;
    TPanel* PanelFavorites = nullptr;
    TListBox* FavoriteListBox = nullptr;
    TskSkinButton* ButtonEditF = nullptr;

    // ---- The editor with the selection's ends along its bottom (0 to 65535 over the document)
    TPanel* PanelWave = nullptr;
    TPanel* PanelScrollBars = nullptr;
    TScrollBar* ScrollBarStart = nullptr;
    TScrollBar* ScrollBarEnd = nullptr;
    // Above them, the view's own bar (its thumb the view's share of the document); the selection bars
    // are labelled so that neither is taken for the other.
    TScrollBar* ScrollBarView = nullptr;
    TLabel* LabelBarStart = nullptr;
    TLabel* LabelBarEnd = nullptr;

    // ---- Level meters (right of the editor)
    TPanel* PanelMeter = nullptr;
    TFrProgressBar* LeftBar = nullptr;
    TFrProgressBar* RightBar = nullptr;

    // ---- Bottom panel: transport, positions, zoom
    TskSkinPanel* PanelBottom = nullptr;
    TskSkinButton *ButtonStart = nullptr, *ButtonRewind = nullptr, *ButtonStop = nullptr,
                  *ButtonPlay = nullptr, *ButtonPlayLooped = nullptr, *ButtonPlayToEnd = nullptr,
                  *ButtonPause = nullptr, *ButtonForword = nullptr, *ButtonEnd = nullptr,
                  *ButtonRecord = nullptr;
    TLabel* PanelSelectionTitle = nullptr; // the titles on the bar
    TskSkinPanel* PanelPlay = nullptr;
    TLabel* PanelViewTitle = nullptr;
    TskSkinPanel* PanelTime = nullptr;
    TLabel *LabelStart = nullptr, *LabelEnd = nullptr, *LabelSelLength = nullptr, *LabelFileLength = nullptr;
    TLabel* LabelSeletionSample = nullptr; // hidden: the selection's length in samples
    // The selection fields, shown over their labels while edited.
    TEdit *EditStart = nullptr, *EditEnd = nullptr, *EditLength = nullptr;
    TskSkinButton *ButtonVerticalZoomOut = nullptr, *ButtonVerticalZoomIn = nullptr,
                  *ButtonZoomFull = nullptr, *ButtonZoomToSelection = nullptr, *ButtonZoomOut = nullptr,
                  *ButtonZoomIn = nullptr;

    // ---- Actions, in the order of the shortcut file, and their pictures (CommandImageLists.h)
    TActionList* ActionList = nullptr;
    TuiImageList* SmallCommandImages = nullptr;
    TuiImageList* LargeCommandImages = nullptr;
    TAction *ActionUndo = nullptr, *ActionRedo = nullptr, *ActionCut = nullptr, *ActionCopy = nullptr;
    TAction *ActionCopyToNew = nullptr, *ActionPaste = nullptr, *ActionDelete = nullptr;
    TAction *ActionSelectAll = nullptr, *ActionSelectToStart = nullptr, *ActionSelectToEnd = nullptr;
    TAction *ActionSelectSpecifiedTime = nullptr, *ActionMixFile = nullptr, *ActionRepeatLoop = nullptr;
    TAction *ActionNewFile = nullptr, *ActionOpenFile = nullptr, *ActionLoadCD = nullptr;
    TAction *ActionSaveFile = nullptr, *ActionSaveAs = nullptr, *ActionSaveSelect = nullptr;
    TAction *ActionCloseFile = nullptr, *ActionConvertSampleRate = nullptr, *ActionPasteMix = nullptr;
    TAction *ActionTrim = nullptr, *ActionEditID3 = nullptr, *ActionOptions = nullptr, *ActionExit = nullptr;
    TAction *ActionBatch = nullptr, *ActionHelp = nullptr, *ActionAbout = nullptr;
    TAction *ActionTrimStart = nullptr, *ActionTrimEnd = nullptr, *ActionSilenceSelect = nullptr;
    TAction *ActionInsertSilenceBegin = nullptr, *ActionInsertSilenceCurrent = nullptr;
    TAction *ActionInsertSilenceEnd = nullptr, *ActionInsertFileBegin = nullptr;
    TAction *ActionInsertFileCurrent = nullptr, *ActionInsertFileEnd = nullptr, *ActionRecord = nullptr;
    TAction *ActionPlay = nullptr, *ActionPlayToEnd = nullptr, *ActionLoopPlay = nullptr;
    TAction *ActionPause = nullptr, *ActionStop = nullptr, *ActionStart = nullptr, *ActionRewind = nullptr;
    TAction *ActionForword = nullptr, *ActionEnd = nullptr, *ActionAmplify = nullptr;
    TAction *ActionNormalize = nullptr, *ActionDynamicRangeCompressor = nullptr, *ActionHighPass = nullptr;
    TAction *ActionEqualizer = nullptr, *ActionEcho = nullptr, *ActionReverb = nullptr;
    TAction *ActionReverse = nullptr, *ActionFadeIn = nullptr, *ActionFadeOut = nullptr;
    TAction *ActionFadeOutAndTrim = nullptr, *ActionCrossFade = nullptr, *ActionEnvelope = nullptr;
    TAction *ActionMixStereo = nullptr, *ActionNoiseReduction = nullptr, *ActionSpeedChange = nullptr;
    TAction *ActionPitchChange = nullptr, *ActionPhaser = nullptr, *ActionFlanger = nullptr;
    TAction *ActionChorus = nullptr, *ActionSetBookmark = nullptr, *ActionOpenBookmarkList = nullptr;
    TAction *ActionAddRegion = nullptr, *ActionOpenRegionList = nullptr, *ActionFrequencyAnalysis = nullptr;
    TAction *ActionTextToSpeech = nullptr, *ActionShowCommandBar = nullptr, *ActionBarOntheLeft = nullptr;
    TAction *ActionBarOntheRight = nullptr, *ActionZoomIn = nullptr, *ActionZoomOut = nullptr;
    TAction *ActionZoomToSelection = nullptr, *ActionZoomFull = nullptr, *ActionPlayAndPause = nullptr;
    TAction *ActionProductPage = nullptr, *ActionTechnicalSupport = nullptr;
    TAction *ActionCompanyHomepage = nullptr, *ActionWelcomeWindow = nullptr, *ActionWaveformMode = nullptr;
    TAction *ActionSpectralMode = nullptr, *ActionWorkplaceBlackWhite = nullptr;
    TAction *ActionHorizontalFormatDecimal = nullptr, *ActionHorizontalFormatSample = nullptr;
    TAction *ActionHorizontalFormatVisible = nullptr, *ActionVerticalFormatSample = nullptr;
    TAction *ActionVerticalFormatNormalized = nullptr, *ActionVerticalFormatDecibel = nullptr;
    TAction *ActionVerticalFormatVisible = nullptr, *ActionVerticalZoomIn = nullptr;
    TAction *ActionVerticalZoomOut = nullptr, *ActionZoomToRight = nullptr, *ActionZoomToLeft = nullptr;
    TAction *ActionWindowsMixer = nullptr, *ActionTopTransportBar = nullptr, *ActionTopZoomBar = nullptr;

    void Dispatch(TMessage& Message) override;

private:
    // Construction (MainForm.cpp)
    void CreateComponents();
    void CreateCommandBar();
    void CreateMeters();
    void CreateBottomPanel();
    void CreateSelectionControls();
    // MainFormActions.cpp
    void CreateActions();
    // Handler binding, one per family of commands.
    void BindLifecycle();
    void BindDocumentCommands();
    void BindEffectCommands();
    void BindToolCommands();
    void BindHelpCommands();
    void BindFavoriteCommands();
    void BindEditingCommands();
    void BindAvailability();
    void BindTransportCommands();
    void BindEditorEvents();
    void BindViewCommands();
    void BindBatchCommands();
    // The Help tab's page and upgrade buttons and the companion programs; false for other items.
    bool RunHelpBarItem(TBarItem Item);

    // MainFormLifecycle.cpp
    // Runs a write of a settings file (the settings, placement, recent list, favourites and shortcut
    // files). One that fails leaves the old file as it was and is told to the user once a run.
    void WriteSettingsFile(const std::function<void()>& Write);
    // A view command's key, written at once unless the command only applies the stored value at start.
    void StoreViewSetting(const std::function<void()>& Write);
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormDestroy(TObject* Sender);
    void TimerAfterShowTimer(TObject* Sender);
    void AppMessage(MSG& Msg, bool& Handled);
    void AppHint(TObject* Sender);
    void WMDropFiles(TMessage& Message);
    void ActionExitExecute(TObject* Sender);

    // MainFormProgress.cpp
    void AudioEditorBlockOperation(int Percent);
    void AudioEditorEndOperation();
    void AudioTransformBlock(TObject* Sender, int Percent);
    void AudioTransformEnd(TObject* Sender);
    // Cancellable: the window offers Cancel, and a Cancel raises EAbort from here.
    void ShowProgress(int Percent, bool Cancellable);
    void HideProgress();
    // True while an operation shows the progress window (its loop handles the messages meanwhile).
    bool InProgressLoop() const;
    // Disables the window and shows the progress window before an editor operation starts.
    void BeginEditorOperation();
    // Runs an operation of the editor so that the window is enabled again and the progress window
    // hidden whatever the operation raises.
    template <class TWork> void RunEditorOperation(TWork&& Work);

    // MainFormRecent.cpp
    void MRUFilesClick(int Index);
    void RemoveFromRecentPane(const std::string& Path);

    // MainFormDocument.cpp
    void ActionOpenFileExecute(TObject* Sender);
    void ActionNewFileExecute(TObject* Sender);
    void ActionCloseFileExecute(TObject* Sender);
    void ActionLoadCDExecute(TObject* Sender);
    void ActionConvertSampleRateExecute(TObject* Sender);
    // The open dialog in LastOpenDir; false when nothing was chosen.
    bool ChooseAudioFile(std::string& Path);
    void ClearMarkerLists();
    // MainFormSave.cpp
    void ActionSaveFileExecute(TObject* Sender);
    void ActionSaveAsExecute(TObject* Sender);
    void ActionSaveSelectExecute(TObject* Sender);
    // MainFormDocumentDialogs.cpp
    void ActionEditID3Execute(TObject* Sender);
    void ActionOptionsExecute(TObject* Sender);
    // MainFormTools.cpp
    void ActionRecordExecute(TObject* Sender);
    // MainFormBatch.cpp
    void ActionBatchExecute(TObject* Sender);
    void ActionTextToSpeechExecute(TObject* Sender);
    void ActionFrequencyAnalysisExecute(TObject* Sender);

    // MainFormEditing.cpp
    void PlayAfterEdit();
    void SelectRange(std::int64_t Start, std::int64_t End);
    void SelectToStart();
    void SelectToEnd();
    void InsertSilenceAt(int Where);
    void InsertFileAt(int Where);
    // Mix File (a file chosen) and Paste Mix (an empty path): the dialog, then the mix.
    void MixCommand(bool FromFile);
    void RepeatLoop();
    void Trim();
    void SelectSpecifiedTime();
    // MainFormTransport.cpp
    void PlayCommand(int Mode, bool PauseWhilePlaying);
    void TransportButtonDown(TskSkinButton* Button, TTimer* Timer);
    void TransportButtonUp(TTimer* Timer);
    // MainFormEvents.cpp
    void EditorPositionChanged();
    void ScrollBarChange();
    // The view's bar follows the view, and the view its bar.
    void ShowViewOnBar();
    void ScrollBarViewChange();
    void OpenSelectionField(TEdit* Edit, TLabel* Label);
    void ApplySelectionField(TEdit* Edit);
    void EditorMouseUp(int Button);
    // MainFormViewCommands.cpp
    void ZoomAroundCursor(std::int64_t ViewStart, std::int64_t ViewEnd);
    void ShowZoomButtons();
    void RunEffectsTreeNode();

    bool FPositionUpdating = false;
    bool FViewBarUpdating = false;
    std::int64_t FShownLength = -1; // the document's length when positions were last shown
    bool FScrollUpdating = false;
    bool FSelectionChanged = false;
    std::int64_t FRememberedStart = 0, FRememberedEnd = 0; // milliseconds, while a field is edited
    std::unique_ptr<IMainWindowBars> FBars;
    std::unique_ptr<IEffectCommands> FEffectCommands;
    std::unique_ptr<ICdTrackLoader> FCdTrackLoader;
    std::unique_ptr<IEditorHost> FToolHost;
    TFreAnalysisForm* FFreAnalysisForm = nullptr;
    IMarkerListWindows* FMarkerListWindows = nullptr;
    bool FHooked = false;
    bool FApplyingStoredView = false;
    bool FSettingsWriteFailed = false;
};

template <class TWork> void TMainForm::RunEditorOperation(TWork&& Work) {
    struct TEnd {
        TMainForm* Form;
        ~TEnd() { Form->AudioEditorEndOperation(); }
    } end{this};
    Work();
}
