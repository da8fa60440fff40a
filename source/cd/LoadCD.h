// TLoadCDForm: "Load Audio CD Track(s)" — the modal dialog in which the user picks one audio track of a
// disc. It lists the CD-ROM drives, lists the audio tracks of the disc in the chosen drive as
// "Track - NN", and on request names them from the online CD database through its TCddb (offering the
// matches in a TMatchForm when there are several). The chosen item's TCDItem says which track it is.
#pragma once

#include "platform/vcl/Form.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TGroupBox;
class TComboBox;
class TButton;
class TListView;
class TListItem;
class TPngSpeedButton;
class TLabel;
class TTimer;
class TActionList;
class TAction;
class TCddb;
class TBasicAction;

// One listed track, attached to its list item.
struct TCDItem {
    std::string Path;   // the file the track was read into; empty until it is
    std::string Title;  // "Track - NN" until the database names the track
    int TrackIndex = 0; // in the disc's table of contents
};

// The dialog's own window messages.
namespace load_cd_messages {
inline constexpr UINT WM_LOADCD = 0x0C00;   // list the first drive once the dialog is up
inline constexpr UINT WM_READCDDB = 0x0800; // read the chosen match (WParam: the TCddb)
inline constexpr UINT WM_FILLCDDB = 0x1000; // name the tracks from the entry read (WParam: the TCddb)
inline constexpr WPARAM DBT_DEVICEARRIVAL = 0x8000;
inline constexpr WPARAM DBT_DEVICEREMOVECOMPLETE = 0x8004;
} // namespace load_cd_messages

class TLoadCDForm : public TForm {
public:
    explicit TLoadCDForm(TComponent* AOwner);
    ~TLoadCDForm() override;

    TGroupBox* GroupBoxDrive = nullptr;
    TComboBox* ComboBoxCDROM = nullptr;
    TButton* ButtonRefresh = nullptr;
    TGroupBox* GroupBoxSelect = nullptr;
    TListView* ListViewTracks = nullptr;
    TPngSpeedButton* ButtonFreeCDDB = nullptr;
    TLabel* LabelConnect = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonCancel = nullptr;
    TTimer* Timer = nullptr;
    // Watches the chosen drive for a disc going in or out, the way the system's device notices would.
    TTimer* MediaTimer = nullptr;
    TActionList* ActionList = nullptr;
    TAction* ActionRefresh = nullptr;
    TAction* Actionfreecddb = nullptr;
    TAction* ActionLoad = nullptr;
    TAction* ActionCancel = nullptr;
    TCddb* Cddb = nullptr;

    // When assigned, the dialog's message boxes go here instead of to the application's (tests).
    std::function<int(const std::string& Text, UINT Flags)> OnMessageBox;

    // The item of the selected track, or null.
    TCDItem* SelectedItem() const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ComboBoxCDROMChange(TObject* Sender);
    void ListViewTracksDblClick(TObject* Sender);
    void ActionRefreshExecute(TObject* Sender);
    void ActionfreecddbExecute(TObject* Sender);
    void ActionLoadExecute(TObject* Sender);
    void ActionCancelExecute(TObject* Sender);
    void ActionListUpdate(TBasicAction* Action, bool& Handled);
    void TimerTimer(TObject* Sender);
    void MediaTimerTimer(TObject* Sender);
    void CddbStatusMessage(TObject* Sender, const std::string& Status);
    void CddbDataExchange(TObject* Sender, const std::string& Data);
    void CddbMatch(TObject* Sender, const std::array<std::string, 100>& Matches, int& RightOne);

    void Dispatch(TMessage& Message) override;

private:
    void WMLoad();
    void WMRead(TMessage& Message);
    void WMFillCDDB(TMessage& Message);
    void ReadSelectedDrive();
    bool AudioDiscPresent() const;
    void ListTracks();
    void StartAnimation();
    void StopAnimation();
    void ShowMessageBox(const std::string& Text, UINT Flags);

    std::vector<std::unique_ptr<TCDItem>> FItems;
    bool FTocRead = false;
    int FAnimationStep = 0;
    int FMediumState = -1; // of the chosen drive at the last look: 1 disc, 0 none, -1 unknown
};

// The title of a match line ("category discid title") as the match list shows it: "title - category".
std::string MatchLine(const std::string& Match);
