// The read pass of a stored toolbar layout. A layout may be old, damaged or hostile; reading it must
// never cost the user anything: counts are bounded by the sections that exist, values the model does not
// take are left out, a section that cannot be read leaves its toolbar or menu as designed, and toolbars
// and items the program has gained since the layout was written keep their designed places. Nothing is
// raised for what the store holds; what is ignored goes to the diagnostic output.
#pragma once

#include "ui/bars/layout/BarLayoutNames.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class TCustomIniFile;
class TovBar;
class TovBarItem;
class TovBarItemLinks;
class TovBarManager;

class TovBarLayoutReader {
public:
    TovBarLayoutReader(TovBarManager* AManager, TCustomIniFile& AIniFile, std::string APrefix,
                       TovBarStoringKind AKind);

    // The manager's options, its toolbars and the items' own link lists (not the handlers).
    void ReadManager();
    // The links stored under ASection replace the list's own (links to items the program gained since
    // the layout was written stay, after their designed predecessor). False, with the list untouched,
    // when the section holds no readable link count.
    bool ReadLinks(TovBarItemLinks* ALinks, const std::string& ASection, bool AReportMissingCount = true);
    // A toolbar's links and, with AReadValues, its place, size and visibility. With ADeferredCaption the
    // stored caption is handed back instead of applied.
    void ReadBar(TovBar* ABar, const std::string& ASection, bool AReadValues,
                 std::optional<std::string>* ADeferredCaption = nullptr);
    // The designed "most recently used" marks of a list's links, from the saved design state.
    void ReadUsageData(TovBarItemLinks* ALinks, const std::string& ASection);

private:
    struct TBarMatch {
        int Section;
        TovBar* Bar; // null: a toolbar is added for the section
        std::string StoredName;
    };

    void ReadMain();
    void FindNewItems();
    void ReadBars(int ACount);
    std::vector<TBarMatch> MatchBars(int ACount);
    void ApplyCaptions(const std::vector<std::pair<TovBar*, std::string>>& ACaptions);
    void ReadItemLinkLists();
    TovBarItem* ItemByName(const std::string& AName);
    // How many sections the store holds, and how many are nested below ASection: no stored count may
    // make a pass look at more.
    int SectionCount();
    int NestedSectionCount(const std::string& ASection);

    TovBarManager* FManager;
    TCustomIniFile& FIniFile;
    std::string FPrefix;
    TovBarStoringKind FKind;
    // Rows a toolbar may be put past the last existing one: one for each toolbar of the pass.
    int FRowAllowance = 1;
    std::optional<int> FSectionCount;
    std::unordered_map<std::string, TovBarItem*> FItemsByName;
    std::unordered_set<std::string> FNewItemNames;
    // The visibility of the toolbars read again, from before they were taken out of their rows.
    std::unordered_map<const TovBar*, bool> FVisibleBefore;
};
