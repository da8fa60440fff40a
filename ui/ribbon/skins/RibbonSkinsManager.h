// The one registry of the ribbon skins: every skin object is made once, when the ribbon unit starts, and
// kept here; a ribbon looks its skin up by colour-scheme name and style and takes a use of it. A skin's
// identity is its name and style together; the first registered skin of a style is the ribbon's fallback
// for that style.
#pragma once

#include "ui/ribbon/skins/RibbonSkinTypes.h"

#include <memory>
#include <string>
#include <vector>

class TovCustomRibbonSkin;

class TovRibbonSkinsManager {
public:
    TovRibbonSkinsManager();
    virtual ~TovRibbonSkinsManager();
    TovRibbonSkinsManager(const TovRibbonSkinsManager&) = delete;
    TovRibbonSkinsManager& operator=(const TovRibbonSkinsManager&) = delete;

    // Registers ASkin and takes it over (ASkin is then empty), answering its index. -1, with ASkin left to
    // the caller, when the imaging interface is not available, ASkin is null, or a skin of its name (letter
    // case aside) and style is registered already.
    int Add(std::unique_ptr<TovCustomRibbonSkin>& ASkin);
    // The first skin, in registration order, whose name equals AName ignoring the case of ASCII letters and
    // whose style is AStyle; null when there is none.
    TovCustomRibbonSkin* Find(const std::string& AName, TovRibbonStyle AStyle) const;
    int Count() const { return static_cast<int>(FSkins.size()); }
    TovCustomRibbonSkin* Items(int AIndex) const { return FSkins.at(std::size_t(AIndex)).get(); }

protected:
    // Told after a skin was registered.
    virtual void Changed() {}

private:
    std::vector<std::unique_ptr<TovCustomRibbonSkin>> FSkins;
};

// The manager, made on first use.
TovRibbonSkinsManager* SkinsManager();
// Registers the program's skins: the unit's start. Without the imaging interface the program cannot draw
// its ribbon: the user is told and the program ends, with nothing registered.
void RegisterRibbonSkins();
// Frees the manager and its skins: the unit's end. A later SkinsManager() makes a new, empty one.
void UnregisterRibbonSkins();
