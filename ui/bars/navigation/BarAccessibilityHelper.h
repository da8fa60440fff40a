// TovBarAccessibilityHelper: the keyboard face of a bar object (a dock, a toolbar, a menu, an item, the
// toolbar mark, a caption button). Over the accessibility tree of its base it adds what keyboard
// navigation and key tips need: directional and logical (Tab) moves, selection through the navigation
// controller, and the key tips of a container made unique. The navigation controller and the ribbon
// work only through these operations, so toolbars, menus and ribbon tabs are driven alike.
//
// Helpers are reference counted (TovBarHelperRef holds one) and know their owner through a weak link: a
// helper whose owner is gone takes no part in navigation or key tips any more.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/ControlTypes.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/navigation/BarKeyTips.h"
#include "ui/painters/accessibility/AccessibilityHelper.h"

#include <string>
#include <vector>

class TovBarAccessibilityHelper;

// A counted reference to a helper.
class TovBarHelperRef {
public:
    TovBarHelperRef() = default;
    TovBarHelperRef(TovBarAccessibilityHelper* AHelper) { Reset(AHelper); }
    TovBarHelperRef(const TovBarHelperRef& AOther) { Reset(AOther.FHelper); }
    TovBarHelperRef& operator=(const TovBarHelperRef& AOther) {
        Reset(AOther.FHelper);
        return *this;
    }
    ~TovBarHelperRef() { Reset(nullptr); }
    void Reset(TovBarAccessibilityHelper* AHelper);
    TovBarAccessibilityHelper* Get() const { return FHelper; }
    TovBarAccessibilityHelper* operator->() const { return FHelper; }
    explicit operator bool() const { return FHelper != nullptr; }

private:
    TovBarAccessibilityHelper* FHelper = nullptr;
};

// Directions of keyboard navigation: 0 left, 1 up, 2 right, 3 down (4 and 5 previous and next are the
// accessibility directions, which the nearest-object search does not serve).
enum TovBarNavigationDirection { bndLeft, bndUp, bndRight, bndDown, bndPrevious, bndNext };
// The direction of a navigation key: the arrows, else (Tab) left with Shift and right without.
int ovBarNavigationDirectionOfKey(WORD AKey, TShiftState AShift);

class TovBarAccessibilityHelper : public TuiAccessibilityHelper {
public:
    explicit TovBarAccessibilityHelper(TObject* AOwnerObject);

    // The owner still exists and has not said it is going.
    bool IsOwnerAlive() const { return IsOwnerObjectLive() && FOwnerLink.Alive(); }
    // The owner is going: the navigation controller forgets this helper too.
    void OwnerWasDestroyed() override;

    // The helper tree as bar helpers (null for a helper of another kind).
    TovBarAccessibilityHelper* BarParent();
    TovBarAccessibilityHelper* BarChild(int AIndex);

    // ---- What the navigation controller asks
    // The key-tip windows manager of the top-level container (through the key-tip parents).
    virtual bool SupportsKeyTips(IovBarKeyTipWindowsManager*& AManager);
    virtual bool AllowsChildNavigation(WORD AKey) { return true; }
    // Every concrete helper answers; the base raises EovException.
    virtual TovBarManager* OwningBarManager();
    // The object a container selects first (key-tip and navigation roots answer; the base raises).
    virtual TovBarAccessibilityHelper* GetFirstAccessibleObject();
    // The nearest selectable object in the direction among the whole tree; null when none.
    virtual TovBarAccessibilityHelper* GetNextAccessibleObject(int ADirection);
    // True when the helper handled the key itself (it may change the key it hands on).
    virtual bool TryNavigationKey(WORD& AKey, TShiftState AShift) { return false; }
    virtual bool AcceptsNavigationKey(WORD AKey) { return false; }
    // This helper is the navigation controller's selected object.
    bool IsCurrentSelection();
    // The next object in Tab order (backwards with Shift).
    virtual TovBarAccessibilityHelper* GetNextLogicalObject(TShiftState AShift);
    virtual void Select(bool ASetFocus);
    virtual void LoseSelection(TovBarAccessibilityHelper* ANextSelectedObject);

    // ---- Key tips
    virtual std::string GetUserKeyTip() { return {}; }
    virtual std::string GetAutoKeyTip() { return {}; }
    // The user key tip, else the automatic one, cut to three characters.
    std::string ComposeKeyTip();
    virtual void GetKeyTipInfo(TovBarKeyTipInfo& AInfo);
    void GetKeyTipData(TovBarKeyTipDataList& AList);
    // The key tips of the selectable descendants in tree order (none below an invisible helper).
    virtual void GetChildrenKeyTipData(TovBarKeyTipDataList& AList);
    // The descendants' key tips, made unique.
    void CollectKeyTipsData(TovBarKeyTipDataList& AList);
    virtual TovBarAccessibilityHelper* KeyTipParent() { return BarParent(); }
    virtual bool ActsAsKeyTipContainer() { return IsSelectableObject(); }
    virtual void ExecuteKeyTip(TObject* ASender) {}
    // Escape while this container's key tips show: the enclosing container's key tips come back with
    // this helper selected; at the top keyboard handling ends.
    virtual void EscapeFromKeyTips();

    // ---- Logical (Tab) order of the children
    virtual TovBarAccessibilityHelper* LogicalChildAt(int AIndex) { return BarChild(AIndex); }
    virtual int LogicalNavigationCount() { return GetChildCount(); }
    virtual int LogicalChildIndexOf(TovBarAccessibilityHelper* AChild) { return IndexOfChildHelper(AChild); }
    virtual TovBarAccessibilityHelper* GetNextLogicalChild(int AIndex, TShiftState AShift);
    virtual TovBarAccessibilityHelper* DefaultSelectableObject(int ADirection) {
        return FirstSelectableObject();
    }

    // Depth first: null for an invisible helper, itself when selectable, else the first among the
    // children.
    TovBarAccessibilityHelper* FirstSelectableObject();
    // The first (or last) selectable descendant, children searched from that end.
    TovBarAccessibilityHelper* FirstSelectableDescendant(bool AForward);
    // Tab order among the logical children from AIndex; at the ends the search climbs to the parent,
    // and at the root wraps round.
    TovBarAccessibilityHelper* GetNextSelectableSibling(int AIndex, bool AForward);
    TovBarAccessibilityHelper* BarRootHelper();

    // The direction test of navigation: B is a candidate for a move from S in the direction.
    static bool PassesDirectionTest(const TRect& S, const TRect& B, int ADirection);
    TRect ScreenBounds();

protected:
    ~TovBarAccessibilityHelper() override = default;
    // The visible selectable descendants of AFrom (depth first, parents before children), ASource
    // excluded, that pass the direction test against ABounds.
    static void CollectNavigationCandidates(TovBarAccessibilityHelper* AFrom,
                                            TovBarAccessibilityHelper* ASource, const TRect& ABounds,
                                            int ADirection, std::vector<TovBarAccessibilityHelper*>& AHelpers,
                                            std::vector<RECT>& ABoundsList);
    // The nearest of the candidates in the direction from ABounds.
    static TovBarAccessibilityHelper*
    NearestCandidate(const TRect& ABounds, const std::vector<TovBarAccessibilityHelper*>& AHelpers,
                     const std::vector<RECT>& ABoundsList, int ADirection, bool AWrap);

private:
    TWeakLink<TObject> FOwnerLink;
};

// The nearest key-tip container above the helper, else the top of its key-tip parents (the root
// container); null for a helper without a key-tip parent.
TovBarAccessibilityHelper* ovKeyTipContainerParentOf(TovBarAccessibilityHelper* AHelper);
