// The main window's life: the start-up steps in their order, the first action after it is shown, the
// close with its save prompt and its settings, dropped files and the application's message hook.
#include "audio/AudioEditor2.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/gdi/Theme.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/Splitter.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/TreeView.h"
#include "platform/win/DroppedFiles.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "source/Favorites.h"
#include "source/FileNameHelpers.h"
#include "source/FormPlacement.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/RecentFilesFile.h"
#include "source/SettingsFile.h"
#include "source/ShortcutFile.h"
#include "source/SystemFolders.h"
#include "source/UiFont.h"
#include "source/WaitCursor.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/WelcomeWindow.h"

#include <array>
#include <functional>

namespace main_form_lifecycle_detail {

TRect ScreenRect() {
    return TRect{0, 0, Screen()->Width(), Screen()->Height()};
}

TFormPlacement PlacementOf(const TCustomForm& Form) {
    return {Form.Left(), Form.Top(), Form.Width(), Form.Height(), Form.WindowState() == wsMaximized};
}

} // namespace main_form_lifecycle_detail

void TMainForm::BindLifecycle() {
    OnCreate = TNotifyEvent(this, &TMainForm::FormCreate);
    OnShow = TNotifyEvent(this, &TMainForm::FormShow);
    OnCloseQuery = TCloseQueryEvent(this, &TMainForm::FormCloseQuery);
    OnClose = TCloseEvent(this, &TMainForm::FormClose);
    OnDestroy = TNotifyEvent(this, &TMainForm::FormDestroy);
    TimerAfterShow->OnTimer = TNotifyEvent(this, &TMainForm::TimerAfterShowTimer);
    ActionExit->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionExitExecute));
    Bars().MRUFiles().OnClick = [this](int Index) { MRUFilesClick(Index); };
    Bars().OnRecentDocumentClick = [this](const std::string& Path) { OpenRecentFile(Path); };
}

void TMainForm::WriteSettingsFile(const std::function<void()>& Write) {
    try {
        Write();
    } catch (Exception& e) {
        // Said once: a full disk or a read-only folder fails every later write the same way.
        if (FSettingsWriteFailed) return;
        FSettingsWriteFailed = true;
        std::string reason = e.Message();
        if (!reason.empty() && reason.back() != '.') reason += '.';
        Application()->MessageBox(reason +
                                      "\r\n\r\nYour settings cannot be saved; the files kept so far stay as "
                                      "they were.",
                                  ApplicationTitle, MB_OK | MB_ICONERROR);
    }
}

void TMainForm::StoreViewSetting(const std::function<void()>& Write) {
    if (FApplyingStoredView) return;
    WriteSettingsFile(Write);
}

void TMainForm::FormCreate(TObject*) {
    using namespace main_form_lifecycle_detail;
    TGlobalVars& vars = GlobalVars();
    ScaleControlsForDpi(Screen()->PixelsPerInch());
    if (IsWindowsVistaOrLater()) SetWindowTheme(TreeViewEffects->Handle(), u"explorer", nullptr);
    SetCaption(std::string(ApplicationTitle) + " " + ReadVersionText());
    Bars().Ribbon().SetColorSchemeName("Silver");
    DocumentOpen = false;
    ClipboardFilled = false;
    ClipboardLength = 0;
    FileName.clear();
    Application()->OnMessage = TMessageEvent(this, &TMainForm::AppMessage);
    Application()->OnHint = TNotifyEvent(this, &TMainForm::AppHint);
    FHooked = true;
    DragAcceptFiles(Handle(), TRUE);

    const TSettingsFolders folders = CurrentSettingsFolders();
    SetInitialValues(vars, folders);
    ApplyWorkingFolder();
    // A first start writes the file; when it cannot, the program starts on the initial values.
    bool loaded = false;
    WriteSettingsFile([&] { loaded = LoadSettings(vars, SettingsFilePath()); });
    if (!loaded) {
        const TFormPlacement first = ApplyFirstStartPlacement(vars, ScreenRect());
        SetBounds(first.Left, first.Top, first.Width, first.Height);
    } else {
        KeepToolWindowsOnScreen(vars, ScreenRect());
    }
    if (vars.MemoryLimitMB > 0) AudioEditor->SetMemoryLimit(std::int64_t(vars.MemoryLimitMB) << 20);
    WriteSettingsFile([&] {
        if (!FileExists(vars.DataFolder + FavoritesFileName))
            WriteDefaultFavorites(vars.DataFolder + FavoritesFileName);
    });
    LoadFavorites();
    if (FileExists(vars.DataFolder + RecentFilesFileName)) {
        Bars().MRUFiles().LoadFromFile(vars.DataFolder + RecentFilesFileName);
        LoadRecentPane();
    }
    WriteSettingsFile([&] { SaveDefaultShortcuts(vars.DataFolder + ShortcutFileName); });
    ApplyShortcuts();
    TreeViewEffects->Perform(TVM_SETITEMHEIGHT, 19, 0);
    Constraints()->SetMinWidth(500);
    Constraints()->SetMinHeight(300);
    TimerRewind->SetEnabled(false);
    TimerForword->SetEnabled(false);
    ApplyUiFont(this, "Tahoma", Screen()->HintFont()->Name());

    PanelCommandBar->Show();
    PanelCommandBar->SetAlign(alLeft);
    Bars().BarItems().SetDown(TBarItem::ShowCommandBar, true);
    Bars().BarItems().SetDown(TBarItem::CommandBarOnTheLeft, true);
    Bars().BarItems().SetDown(TBarItem::CommandBarOnTheRight, false);
    SplitterCommandBar->SetAlign(alLeft);
    SplitterCommandBar->SetLeft(PanelCommandBar->Left() + PanelCommandBar->Width());
    PanelCommandBar->SetWidth(vars.CommandBarWidth);
    ShowCommandBarPage(vars.EffectPanelOnFront);

    TFormPlacement placement = PlacementOf(*this);
    RestoreFormPlacement("FormPos", placement, ScreenRect());
    SetBounds(placement.Left, placement.Top, placement.Width, placement.Height);
    SetWindowState(placement.Maximized ? wsMaximized : wsNormal);
    LoadViewSettings();
    VerticalZoomPercent = 100;
}

void TMainForm::FormShow(TObject*) {
    TimerAfterShow->SetEnabled(true);
}

void TMainForm::TimerAfterShowTimer(TObject*) {
    // What the start-up schedules never runs inside a command's progress loop (an open started meanwhile
    // handles messages while it works): it waits for the command to end.
    if (InProgressLoop()) return;
    TimerAfterShow->SetEnabled(false);
    const std::vector<std::string>& arguments = ProgramEnvironment().Arguments;
    if (!arguments.empty()) {
        const std::string& path = arguments.front();
        // A file that is not there is said, in the open dialog's words, rather than an empty window.
        if (!FileExists(path))
            Application()->MessageBox(path + "\nFile not found.\nCheck the file name and try again.",
                                      ApplicationTitle, MB_OK | MB_ICONERROR);
        else if (IsSupportedAudioExt(ExtractFileExtension(path)))
            OpenAudioFile(path);
        else
            // A file of a kind the program does not open is said as an open that cannot read it says.
            Application()->MessageBox("Cannot open \"" + path + "\": the format is not supported.",
                                      ApplicationTitle, MB_OK | MB_ICONERROR);
        return;
    }
    if (GlobalVars().ShowStartDialog) ShowWelcome();
}

void TMainForm::ShowWelcome() {
    CarryOutWelcomeChoice(RunWelcomeWindow(*this, [this] { ClearRecentList(); }));
}

void TMainForm::CarryOutWelcomeChoice(const TWelcomeChoice& Choice) {
    if (!Choice.Accepted) return;
    switch (Choice.Code) {
    case 1:
        ActionNewFile->Execute();
        break;
    case 2:
        ActionRecord->Execute();
        break;
    case 3:
        ActionOpenFile->Execute();
        break;
    case 4:
        ActionLoadCD->Execute();
        break;
    case 5:
        ActionTextToSpeech->Execute();
        break;
    case 6:
        if (FileExists(Choice.RecentFile)) {
            OpenAudioFile(Choice.RecentFile);
        } else {
            Application()->MessageBox(Choice.RecentFile + " was not found.", ApplicationTitle,
                                      MB_OK | MB_ICONERROR);
            Bars().MRUFiles().RemoveItem(Choice.RecentFile);
            RemoveFromRecentPane(Choice.RecentFile);
        }
        break;
    default:
        break;
    }
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    StopIfBusy();
    try {
        CanClose = ConfirmSave();
    } catch (Exception& e) {
        // A save that failed keeps the program open with the document as it is.
        CanClose = false;
        Application()->ShowException(e);
    }
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
    using namespace main_form_lifecycle_detail;
    TGlobalVars& vars = GlobalVars();
    // Each step is tried on its own: a file that cannot be written is said (once), and the rest is
    // still kept.
    WriteSettingsFile([&] { SaveFormPlacement("FormPos", PlacementOf(*this)); });
    WriteSettingsFile([&] { Bars().MRUFiles().SaveToFile(vars.DataFolder + RecentFilesFileName); });
    vars.CommandBarWidth = PanelCommandBar->Width();
    WriteSettingsFile([&] { SaveSettings(vars); });
}

void TMainForm::CloseOnSignal(bool CanAsk) {
    // The quit ended the loops; the question and a save need them once more.
    Application()->ResumeAfterQuit();
    StopIfBusy();
    if (CanAsk && Modified()) {
        const int answer =
            Application()->MessageBox("Do you want to save the changes you made to \"" + FileName + "\"?",
                                      ApplicationTitle, MB_YESNO | MB_ICONQUESTION);
        if (answer == IDYES) {
            try {
                SaveAudioFile(false, false);
            } catch (Exception& e) {
                Application()->ShowException(e);
            }
        }
    }
    TCloseAction action = caFree;
    FormClose(this, action);
    Hide();
}

void TMainForm::FormDestroy(TObject*) {
    if (!FHooked || Application() == nullptr) return;
    if (Application()->OnMessage == TMessageEvent(this, &TMainForm::AppMessage))
        Application()->OnMessage = nullptr;
    if (Application()->OnHint == TNotifyEvent(this, &TMainForm::AppHint)) Application()->OnHint = nullptr;
    FHooked = false;
}

void TMainForm::ActionExitExecute(TObject*) {
    Close();
}

void TMainForm::AppMessage(MSG& Msg, bool& Handled) {
    // A double click on the editor's frame would otherwise reach the control as well as its surface.
    if (Msg.message == WM_LBUTTONDBLCLK && AudioEditor->HandleAllocated() &&
        Msg.hwnd == AudioEditor->Handle())
        Handled = true;
    // The context-menu key and Shift+F10 open the waveform's menu from the keyboard, as a right click
    // does, over the waveform.
    const bool menuKey = (Msg.message == WM_KEYDOWN && Msg.wParam == VK_APPS) ||
                         ((Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) &&
                          Msg.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0);
    if (menuKey && AudioEditor->Surface() != nullptr && AudioEditor->Surface()->HandleAllocated() &&
        Msg.hwnd == AudioEditor->Surface()->Handle()) {
        Handled = true;
        TAudioEditorSurface* surface = AudioEditor->Surface();
        const POINT at =
            surface->ClientToScreen(POINT{surface->ClientWidth() / 3, surface->ClientHeight() / 3});
        Bars().PopupMenus().Popup(DocumentOpen ? TMainPopupMenu::Editing : TMainPopupMenu::NoFile, at.x,
                                  at.y);
        return;
    }
    // The wheel over the waveform scrolls and zooms it, wherever the keyboard is: nobody clicks a
    // window first to scroll it.
    if (Msg.message == WM_MOUSEWHEEL && AudioEditor->Surface() != nullptr &&
        AudioEditor->Surface()->HandleAllocated() && IsWindowEnabled(Handle())) {
        const HWND surface = AudioEditor->Surface()->Handle();
        if (Msg.hwnd != surface && WindowFromPoint(Msg.pt) == surface) Msg.hwnd = surface;
    }
}

void TMainForm::AppHint(TObject*) {}

void TMainForm::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_DROPFILES) {
        WMDropFiles(Message);
        return;
    }
    TForm::Dispatch(Message);
}

void TMainForm::WMDropFiles(TMessage& Message) {
    TWaitCursor wait;
    const auto drop = reinterpret_cast<HDROP>(Message.WParam);
    struct TDropRelease {
        HDROP Drop;
        ~TDropRelease() { DragFinish(Drop); }
    } release{drop};
    Message.Result = 0;
    if (DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0) != 1) return;
    std::array<char, 256> name{};
    DragQueryFile(drop, 0, name.data(), static_cast<UINT>(name.size()));
    const std::string path(name.data());
    if (DirectoryExists(path) || !FileExists(path) || !IsSupportedAudioExt(ExtractFileExtension(path)))
        return;
    OpenAudioFile(path);
}
