// What lies under a point of the ribbon: one of the ten hit codes and the object it names (a tab, a
// context, a button's view information). The controller keeps two: the part under the mouse and the part
// whose hint is offered.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <cstdint>

class TovRibbonViewInfo;
class TovRibbonCustomButtonViewInfo;
class TovRibbonContext;
class TovRibbonTab;

constexpr std::uint8_t ribbonHitNone = 0;
constexpr std::uint8_t ribbonHitTab = 1;
constexpr std::uint8_t ribbonHitApplicationButton = 2;
constexpr std::uint8_t ribbonHitContext = 3;
constexpr std::uint8_t ribbonHitTabScrollLeft = 4;
constexpr std::uint8_t ribbonHitTabScrollRight = 5;
constexpr std::uint8_t ribbonHitGroupScrollLeft = 6;
constexpr std::uint8_t ribbonHitGroupScrollRight = 7;
constexpr std::uint8_t ribbonHitHelpButton = 8;
// The minimize button and the MDI buttons.
constexpr std::uint8_t ribbonHitButton = 9;

class TovRibbonHitInfo : public TObject {
public:
    explicit TovRibbonHitInfo(TovRibbonViewInfo* AOwner) : Owner(AOwner) {}

    // Resets, keeps the point and asks the owner what lies there.
    virtual void Calculate(const TPoint& APoint);
    virtual void Reset();

    // HitObject as what it is, or null when it is something else.
    TovRibbonCustomButtonViewInfo* GetHitButton() const;
    TovRibbonContext* GetHitContext() const;
    TovRibbonTab* GetHitTab() const;
    // The same code and the very same object.
    bool IsSame(const TovRibbonHitInfo& AOther) const {
        return HitTest == AOther.HitTest && HitObject == AOther.HitObject;
    }

    TovRibbonViewInfo* Owner;
    std::uint8_t HitTest = ribbonHitNone;
    TObject* HitObject = nullptr;
    TPoint HitPoint{};
};
