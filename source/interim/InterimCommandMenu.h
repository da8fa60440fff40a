// The main window's command bars until the ribbon is part of the program: a plain menu bar along the
// top of the window, one menu per ribbon tab (File with the recent files and the recent documents,
// Home, Effect, Noise Reduction, View, Tools, Help), each item running the same action of the window's
// action list as its ribbon button and showing that action's caption, key and state; the popup menus;
// and the recent lists behind both. Everything of it lives in this folder.
#pragma once

#include "source/interim/InterimRecentLists.h"
#include "source/mainform/MainWindowBars.h"

#include <map>
#include <string>
#include <vector>

class TCustomForm;
class TCustomImageList;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TSpeedButton;

class TInterimCommandMenu : public IMainWindowBars,
                            private IMainRibbon,
                            private IBarItems,
                            private IMainPopupMenus {
public:
    // One menu entry: an action by its component name, a separator ("-"), a submenu with its entries, or
    // one of the places the recent lists fill ("@RecentFiles", "@RecentDocuments").
    struct TEntry;

    explicit TInterimCommandMenu(TCustomForm& Form);
    ~TInterimCommandMenu() override;

    IMainRibbon& Ribbon() override { return *this; }
    IRecentFilesList& MRUFiles() override { return FRecentFiles; }
    IBarItems& BarItems() override { return *this; }
    IMainPopupMenus& PopupMenus() override { return *this; }

    // The bar along the top, its tab buttons and their menus (by tab caption without "&").
    TPanel* MenuBar() const { return FMenuBar; }
    TSpeedButton* TabButton(const std::string& Caption) const;
    TPopupMenu* TabMenu(const std::string& Caption) const;
    const std::string& ColorSchemeName() const { return FColorSchemeName; }
    const std::string& ActiveTab() const { return FActiveTab; }

private:
    // IMainRibbon
    void SetColorSchemeName(const std::string& Name) override { FColorSchemeName = Name; }
    void SetDocumentName(const std::string& Name) override;
    const std::string& DocumentName() const override { return FDocumentName; }
    void SetActiveTab(const std::string& Caption) override;
    IRecentPaneItems& GetExtraPaneItems() override { return FPane; }
    // IBarItems
    void SetDown(TBarItem Item, bool Down) override;
    void SetEnabled(TBarItem Item, bool Enabled) override;
    bool Enabled(TBarItem Item) const override;
    // IMainPopupMenus
    void Popup(TMainPopupMenu Menu, int X, int Y) override;
    void PopupFromCursorPos(TMainPopupMenu Menu) override;

    TCustomImageList* CommandImages() const;
    void AddItems(TMenuItem* Parent, const std::vector<TEntry>& Entries);
    void AddTab(const std::string& Caption, const std::vector<TEntry>& Entries);
    void TabClick(TSpeedButton* Button, TPopupMenu* Menu);
    void RebuildRecentFiles();
    void RebuildRecentDocuments();

    TCustomForm& FForm;
    TPanel* FMenuBar = nullptr;
    std::vector<std::pair<TSpeedButton*, TPopupMenu*>> FTabs;
    std::map<TMainPopupMenu, TPopupMenu*> FPopups;
    std::map<TBarItem, std::vector<TMenuItem*>> FBarItemMenus;
    std::map<TBarItem, bool> FBarItemEnabled;
    TMenuItem* FRecentFilesEnd = nullptr;     // the separator after the recent files in File
    TMenuItem* FRecentDocuments = nullptr;    // the recent-documents submenu
    std::vector<TMenuItem*> FRecentFileItems; // shown now
    TInterimPaneItems FPane;
    TInterimRecentFilesList FRecentFiles;
    std::string FColorSchemeName;
    std::string FDocumentName;
    std::string FBaseCaption;
    std::string FShownCaption;
    std::string FActiveTab;
};
