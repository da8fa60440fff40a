// What the main window asks of its command bars: the ribbon (colour scheme, document name, active tab
// and the recent-documents pane of its application menu), the recent-files list item, the bar buttons
// that carry no action, and the popup menus. The main window reaches them only through these
// interfaces; whichever bars the program is built with supply them through CreateMainWindowBars.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomForm;

// One entry of the recent-documents pane: a recent file's full path.
class IRecentPaneItem {
public:
    virtual ~IRecentPaneItem() = default;
    virtual const std::string& Text() const = 0;
    // Only a changed value updates the pane.
    virtual void SetText(const std::string& Value) = 0;
};

// The entries of the recent-documents pane, newest first, without a limit.
class IRecentPaneItems {
public:
    virtual ~IRecentPaneItems() = default;
    virtual int Count() const = 0;
    // The first entry whose text equals `Text` exactly (letter case counts), or -1.
    virtual int IndexOfText(const std::string& Text) const = 0;
    // Inserts a new, empty entry at `Index` and returns it.
    virtual IRecentPaneItem& Insert(int Index) = 0;
    virtual IRecentPaneItem& GetItem(int Index) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
};

class IMainRibbon {
public:
    virtual ~IMainRibbon() = default;
    // Selects a registered colour scheme by name ("Silver").
    virtual void SetColorSchemeName(const std::string& Name) = 0;
    // The document name shown after the window's caption (caption, " - ", name); only a changed value
    // updates the caption, and an empty one shows the caption alone.
    virtual void SetDocumentName(const std::string& Name) = 0;
    virtual const std::string& DocumentName() const = 0;
    // Makes the tab of that caption ("Effect", ...) the active one; nothing happens when it is already.
    virtual void SetActiveTab(const std::string& Caption) = 0;
    // The recent-documents pane of the application menu.
    virtual IRecentPaneItems& GetExtraPaneItems() = 0;
};

// The most-recently-used list item: at most MaxItemCount paths, newest first.
class IRecentFilesList {
public:
    static constexpr int DefaultMaxItemCount = 5;

    virtual ~IRecentFilesList() = default;
    virtual const std::vector<std::string>& Items() const = 0;
    // Moves an entry already in the list (compared without regard to letter case) to the top, else
    // inserts it there and drops the entries beyond the maximum.
    virtual void AddItem(const std::string& Text) = 0;
    // Deletes the entry with that text (without regard to letter case), if there is one.
    virtual void RemoveItem(const std::string& Text) = 0;
    virtual void Clear() = 0;
    // The list as the lines of a text file, one entry a line, taken as they are.
    virtual void LoadFromFile(const std::string& Path) = 0;
    // Raises EFCreateError "Cannot create file <path>" when the file cannot be written.
    virtual void SaveToFile(const std::string& Path) const = 0;
    // Raised with the index of the entry the user clicked.
    std::function<void(int Index)> OnClick;
};

// Bar buttons and items the main window sets by hand because no action carries them.
enum class TBarItem {
    ShowCommandBar,
    CommandBarOnTheLeft,
    CommandBarOnTheRight,
    HorizontalScale,
    VerticalScale,
    LeftChannel,
    RightChannel,
    BothChannels,
    Select,
    Effect,
    CassetteNoiseReduction,
    VoiceBreathNoiseReduction,
    Vibrato,
    PeakEQ,
    NotchFilter,
    BandPass,
    LowPass,
    LowShelf,
    HighShelf,
    Invert,
    // The Help tab's numbered buttons ("1. How to change audio source" ... "6. Bookmarks and Regions")
    // and "Upgrade to Latest Version"; the Tools tab's companion programs.
    HelpAudioSource,
    HelpRecordQuickTour,
    HelpImportingAudioTracks,
    HelpBasicAudioEditing,
    HelpConnectingStereoEquipment,
    HelpBookmarksAndRegions,
    UpgradeToLatestVersion,
    AudioConverter,
    CDBurner,
    // "&Keyboard Shortcuts" opens the shortcut editor; the command bar's "Edit Favorites..." the
    // favourites editor.
    KeyboardShortcuts,
    EditFavorites,
};

class IBarItems {
public:
    virtual ~IBarItems() = default;
    // The pressed state of a check-style button, without running its command.
    virtual void SetDown(TBarItem Item, bool Down) = 0;
    // Only a changed value updates the item wherever it is shown.
    virtual void SetEnabled(TBarItem Item, bool Enabled) = 0;
    virtual bool Enabled(TBarItem Item) const = 0;
};

// The main window's popup menus.
enum class TMainPopupMenu { Editing, NoFile, HorizontalScale, VerticalScale };

class IMainPopupMenus {
public:
    virtual ~IMainPopupMenus() = default;
    // Shows the menu at a screen point and returns when it has closed.
    virtual void Popup(TMainPopupMenu Menu, int X, int Y) = 0;
    // The same at the mouse cursor.
    virtual void PopupFromCursorPos(TMainPopupMenu Menu) = 0;
};

class IMainWindowBars {
public:
    virtual ~IMainWindowBars() = default;
    virtual IMainRibbon& Ribbon() = 0;
    virtual IRecentFilesList& MRUFiles() = 0;
    virtual IBarItems& BarItems() = 0;
    virtual IMainPopupMenus& PopupMenus() = 0;
    // Raised with the path of a recent-documents pane entry the user chose.
    std::function<void(const std::string& Path)> OnRecentDocumentClick;
    // Raised when the user clicks a bar button that carries no action (the filter and one-click
    // effect buttons, the Help tab's page buttons, the companion programs).
    std::function<void(TBarItem Item)> OnItemClick;
};

// Builds the bars on the main window `Form` (inside its loading bracket, once its actions exist; the
// bars find the actions by their component names) and returns their services.
std::unique_ptr<IMainWindowBars> CreateMainWindowBars(TCustomForm& Form);
