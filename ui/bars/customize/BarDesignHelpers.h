// Design helpers: per kind of bar window, which customization actions its customizing popup leaves out,
// whether view levels are chosen several at a time, and which editors add items to it. Stateless shared
// instances; the design controller maps bar-window classes to them.
#pragma once

#include "ui/bars/BarTypes.h"

#include <vector>

class TovBarControlEditor;

class TCustomovBarControlDesignHelper {
public:
    virtual ~TCustomovBarControlDesignHelper() = default;
    virtual bool IsViewLevelsMultiChoice() const { return false; }
    TovBarCustomizationActions RemoveForbiddenActions(TovBarCustomizationActions AActions) const;
    // Every editor registered with the design controller, in registration order.
    virtual void GetEditors(std::vector<const TovBarControlEditor*>& AEditors) const;
    // Bits of the customization actions (paint styles, position, view levels, button group, distributed,
    // most recently used: the designer's layout entries and both bar kinds' own ones).
    virtual unsigned GetForbiddenActions() const { return 0x27C0; }
};

// Toolbars: paint styles allowed.
class TovBarControlDesignHelper : public TCustomovBarControlDesignHelper {
public:
    unsigned GetForbiddenActions() const override { return 0x2780; }
};

// Menus: the most-recently-used flag allowed, and separators can be added.
class TovBarSubMenuControlDesignHelper : public TCustomovBarControlDesignHelper {
public:
    unsigned GetForbiddenActions() const override { return 0x07C0; }
    void GetEditors(std::vector<const TovBarControlEditor*>& AEditors) const override;
};

const TCustomovBarControlDesignHelper* ovCustomBarControlDesignHelper();
const TovBarControlDesignHelper* ovBarControlDesignHelper();
const TovBarSubMenuControlDesignHelper* ovBarSubMenuControlDesignHelper();
