// The write pass of a toolbar layout: the manager's menu options, the item names, every toolbar not made
// for merging with its place and links, the items' own link lists, in a fixed order of sections and keys
// that readers (and older versions) rely on.
#pragma once

#include "ui/bars/layout/BarLayoutNames.h"

#include <string>

class TCustomIniFile;
class TovBar;
class TovBarItemLinks;
class TovBarManager;

class TovBarLayoutWriter {
public:
    TovBarLayoutWriter(TovBarManager* AManager, TCustomIniFile& AIniFile, std::string APrefix,
                       TovBarStoringKind AKind)
        : FManager(AManager), FIniFile(AIniFile), FPrefix(std::move(APrefix)), FKind(AKind) {}

    // Everything but the erasing of old sections and the handlers.
    void WriteManager();
    void WriteBar(TovBar* ABar, const std::string& ASection);
    // The links that are the list's own (linked to a named item, not brought in by a merge), numbered
    // from 0, then "ItemLinkCount" in ASection.
    void WriteLinks(TovBarItemLinks* ALinks, const std::string& ASection);

private:
    void WriteMain();
    void WriteItems();

    TovBarManager* FManager;
    TCustomIniFile& FIniFile;
    std::string FPrefix;
    TovBarStoringKind FKind;
};
