// How a stored toolbar layout names its sections. Two kinds of store hold layouts: an ini file (and the
// manager's saved design state), where sections are flat names joined with ".", and the registry, where
// every section is a key path below the registry path joined with "\". The ribbon and other components
// that keep their own values in the same store build their names with these functions too.
#pragma once

#include <string>

class TComponent;
class TovBarManager;

enum TovBarStoringKind { bskIniFile = 0, bskRegistry = 1 };

// "." for ini files, "\" for the registry.
std::string GetLayoutSeparator(TovBarStoringKind AKind);
// The main section: the prefix itself in the registry, prefix + "Main" in an ini file.
std::string MakeMainSectionName(const std::string& APrefix, TovBarStoringKind AKind);
std::string MakeItemsSectionName(const std::string& APrefix);
// APrefix + "Bar" + AIndex.
std::string MakeBarSectionName(const std::string& APrefix, int AIndex);
// The section of link AIndex of the link list stored under ALinksSection.
std::string MakeItemLinkSectionName(const std::string& ALinksSection, int AIndex, TovBarStoringKind AKind);

// Whether a section directly below the registry path (named relative to it) is one the layout writes:
// "Items", "Bar" followed by digits, and the sections of items' own link lists ("Button_…", "SubItem_…").
// Other values kept under a shared registry path are not the layout's to erase.
bool IsOwnLayoutRegistrySection(const std::string& AName);

// The name of a component as the layout stores references to it: its name, preceded by the names of its
// owners ("Owner.") up to and including the first form, unless the owner is ARootOwner (the manager's
// owner). An owner without a name ends the walk.
std::string GetComponentPath(TComponent* AComponent, TComponent* ARootOwner);
// The component a stored path names: with a "." the first name is a form found by name and the rest a
// path of owned components below it; without one, a component owned by ARootOwner. Null when none.
TComponent* FindComponentByPath(const std::string& APath, TComponent* ARootOwner);
