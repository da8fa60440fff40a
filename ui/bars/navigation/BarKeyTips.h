// Key tips: the short letter labels shown over bar items after Alt, typed to run an item without the
// mouse. A key-tip info is what one helper says about its label; key-tip data keep that info with the
// window shown for it; the key-tip windows manager (supplied by the top-level key-tip container: the
// ribbon) owns the windows. Labels of one container are made unique by appending numbers.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

// What a helper says about its key tip.
struct TovBarKeyTipInfo {
    // At most three characters before the uniqueness suffix.
    std::string KeyTip;
    // Screen point the key-tip window is anchored to, and how the window lies against it (2 centres).
    POINT BasePoint{0, 0};
    std::uint8_t HorzAlign = 0;
    std::uint8_t VertAlign = 0;
    bool Visible = false;
    // Only enabled key tips can be typed.
    bool Enabled = false;
    // Runs when the whole key tip has been typed.
    TNotifyEvent OnExecute;
};

// The service that owns key-tip windows. A window is identified by the handle Add gives back.
class IovBarKeyTipWindowsManager {
public:
    virtual ~IovBarKeyTipWindowsManager() = default;
    virtual void Add(const std::string& AKeyTip, POINT ABasePoint, std::uint8_t AHorzAlign,
                     std::uint8_t AVertAlign, bool AEnabled, void*& AWindow) = 0;
    virtual void Delete(void* AWindow) = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
};

// One shown key tip: the info and its window (null while not on screen).
class TovBarKeyTipData {
public:
    explicit TovBarKeyTipData(const TovBarKeyTipInfo& AInfo) : Info(AInfo) {}
    TovBarKeyTipInfo Info;
    void* Window = nullptr;

    // The upper-cased key tip, which typing is matched against.
    std::string UpperKeyTip() const;
    // Puts the window on screen through the manager (only when there is none yet).
    void ShowWindow(IovBarKeyTipWindowsManager* AManager);
    void HideWindow(IovBarKeyTipWindowsManager* AManager);
};

using TovBarKeyTipDataList = std::vector<std::unique_ptr<TovBarKeyTipData>>;

// The suffix of entry AIndex (0-based) of a group of ACount equal key tips: AIndex + 1 padded with
// leading zeros to the digits of ACount ("1" .. "3" for three, "01" .. "12" for twelve).
std::string ovKeyTipSuffix(int ACount, int AIndex);
// Appends suffixes until no key tip equals another or is the beginning of another one.
void ovMakeKeyTipsUnique(TovBarKeyTipDataList& AList);
