// The welcome window: the first steps after start (new file, recording, opening, CD tracks, speech),
// the three most recent files, and the tutorials. It closes with OK and a result code when the user
// picks a step or a recent file; the main window carries the choice out.
#pragma once

#include "platform/vcl/Form.h"

#include <array>
#include <functional>
#include <string>

class TButton;
class TCheckBox;
class TImage;
class TLabel;
class TLinkLabel;

class TWelcomeStartForm : public TForm {
public:
    // `ClearRecentList` empties the program's recent-files list and its file.
    TWelcomeStartForm(TComponent* AOwner, std::function<void()> ClearRecentList);

    // Result codes: 1 new file, 2 new recording, 3 open, 4 load from CD, 5 text to speech, 6 the recent
    // file ChosenFile(); 0 while nothing was chosen.
    int ResultCode() const { return FResultCode; }
    const std::string& ChosenFile() const { return FChosenFile; }

    // The recent-file labels from the recent-list file: the first three lines, each showing the file's
    // name with its path as hint; labels beyond the lines and "Clear" hide when there are fewer.
    void FillRecentFiles();

    TImage* ImageMain = nullptr;
    TLinkLabel* LabelNewFile = nullptr;
    TLinkLabel* LabelNewRecording = nullptr;
    TLinkLabel* LabelTextToSpeech = nullptr;
    TLinkLabel* LabelLoadFromCD = nullptr;
    TLabel* LabelRecentFiles = nullptr;
    TLinkLabel* lab1 = nullptr;
    TLinkLabel* lab2 = nullptr;
    TLinkLabel* lab3 = nullptr;
    TLinkLabel* labClear = nullptr;
    TLinkLabel* LabelMore = nullptr;
    TLabel* LabelTutorial = nullptr;
    std::array<TLinkLabel*, 4> LabelTutorials{};
    TCheckBox* CheckBoxShowAtStart = nullptr;
    TLinkLabel* LabelShowAtStart = nullptr;
    TButton* ButtonClose = nullptr;

    // The window's background, which the welcome picture's foot fades into.
    static constexpr TColor BackgroundColor = RGB(24, 38, 54);

private:
    void FormShow(TObject* Sender);
    void Choose(int Code, const std::string& File = {});
    void RecentFileClick(TObject* Sender);
    void ClearClick(TObject* Sender);
    void TutorialClick(TObject* Sender);
    void ShowAtStartLinkClick(TObject* Sender);
    void CheckBoxShowAtStartClick(TObject* Sender);
    void LoadPicture();

    std::function<void()> FClearRecentList;
    int FResultCode = 0;
    std::string FChosenFile;
};
