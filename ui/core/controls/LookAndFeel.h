// Look-and-feel settings: the small object every control of the library carries to say in which look it
// draws (a kind, the native style, a skin name), which painter draws, and which tells its listeners when
// an effective value changes. Values not set on an object are inherited from its master, else from the
// one root look-and-feel that the controls unit makes at start-up.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/platform/ThemeManager.h"

#include <cstdint>
#include <memory>
#include <string>

class TuiSystemPaletteChangedNotifier;
class TuiLookAndFeel;

enum TuiLookAndFeelKind : std::uint8_t { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
enum TuiLookAndFeelValue : std::uint8_t { lfvKind, lfvNativeStyle, lfvSkinName };
using TuiLookAndFeelValues = Set<TuiLookAndFeelValue, 8>;
using TovSkinName = std::string;

struct TuiLookAndFeelData {
    TuiLookAndFeelKind Kind = lfUltraFlat;
    bool NativeStyle = false;
    TovSkinName SkinName;
};

// The fixed translations between kinds and painter styles.
TuiLookAndFeelStyle uiLookAndFeelStyleOfKind(TuiLookAndFeelKind AKind);
TuiLookAndFeelKind uiLookAndFeelKindOfStyle(TuiLookAndFeelStyle AStyle);

class IuiLookAndFeelChangeListener {
public:
    virtual ~IuiLookAndFeelChangeListener() = default;
    virtual TObject* GetObject() = 0;
    virtual void MasterLookAndFeelChanged(TuiLookAndFeel* Sender, TuiLookAndFeelValues AChangedValues) = 0;
    virtual void MasterIsDestroying(TuiLookAndFeel* Sender) = 0;
};

// Optional second listener interface: told around a master's change notification.
class IuiLookAndFeelChangeListener2 {
public:
    virtual ~IuiLookAndFeelChangeListener2() = default;
    virtual void MasterLookAndFeelBeginChange() = 0;
    virtual void MasterLookAndFeelEndChange() = 0;
};

// Objects that carry a look-and-feel and accept skins.
class IovSkinSupport {
public:
    virtual ~IovSkinSupport() = default;
};
// Objects that decide themselves whether they accept skins.
class IovSkinSupport2 {
public:
    virtual ~IovSkinSupport2() = default;
    virtual bool IsSkinSupported() = 0;
};
bool ClassSupportsSkin(TObject* AObject);
// Where skin support asks (set to ClassSupportsSkin while the controls unit runs).
extern bool (*uiClassSupportsSkinFunc)(TObject* AObject);

using TuiLookAndFeelChangedEvent = TEvent<TuiLookAndFeel*, TuiLookAndFeelValues>;

class TuiLookAndFeel : public TuiInterfacedPersistent,
                       public IuiLookAndFeelChangeListener,
                       public IuiLookAndFeelChangeListener2 {
public:
    explicit TuiLookAndFeel(TPersistent* AOwner);
    ~TuiLookAndFeel() override;
    void Assign(TPersistent* Source) override;

    TuiLookAndFeelKind Kind() const { return FCurrentState.Kind; }
    void SetKind(TuiLookAndFeelKind AValue);
    bool NativeStyle() const { return FCurrentState.NativeStyle; }
    void SetNativeStyle(bool AValue);
    const TovSkinName& SkinName() const { return FCurrentState.SkinName; }
    void SetSkinName(const TovSkinName& AValue);
    TuiLookAndFeelValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(TuiLookAndFeelValues AValue);
    // Whether the value is stored with the owner (only set values are).
    bool IsKindStored() const { return FAssignedValues.Contains(lfvKind); }
    bool IsNativeStyleStored() const { return FAssignedValues.Contains(lfvNativeStyle); }
    bool IsSkinNameStored() const { return FAssignedValues.Contains(lfvSkinName); }

    // Null on the root; else the master when set, else the root.
    TuiLookAndFeel* MasterLookAndFeel() const;
    void SetMasterLookAndFeel(TuiLookAndFeel* AValue);
    TuiLookAndFeelPainterBase* Painter() const { return FPainter; }
    TuiLookAndFeelPainterBase* SkinPainter() const { return FSkinPainter; }
    bool IsRoot() const { return FIsRoot; }

    void SetStyle(TuiLookAndFeelStyle AStyle);
    TuiLookAndFeelStyle ActiveStyle();
    // Tells everyone of all three values (the painters call it on the root after each registration).
    void Refresh();
    void Reset();
    TuiLookAndFeelPainterBase* GetAvailablePainterForType(TovThemedObjectType AType);
    void AddChangeListener(TObject* AListener);
    void RemoveChangeListener(TObject* AListener);

    TuiLookAndFeelChangedEvent OnChanged;
    TNotifyEvent OnMasterBeginChange;
    TNotifyEvent OnMasterEndChange;

    // As a listener of its master.
    TObject* GetObject() override { return this; }
    void MasterLookAndFeelChanged(TuiLookAndFeel* Sender, TuiLookAndFeelValues AChangedValues) override;
    void MasterIsDestroying(TuiLookAndFeel* Sender) override;
    void MasterLookAndFeelBeginChange() override;
    void MasterLookAndFeelEndChange() override;

    int ListenerCount() const;

protected:
    virtual TuiLookAndFeelPainterBase* GetSkinPainter(const TovSkinName& AName);
    virtual void UpdateCurrentState();
    virtual void InitializePainter();
    virtual TuiLookAndFeelKind ResolveKind();
    virtual bool ResolveNativeStyle();
    virtual TovSkinName ResolveSkinName();
    virtual TuiLookAndFeelPainterBase* ResolveSkinPainter();
    virtual void SystemPaletteChanged();
    virtual TuiLookAndFeelPainterBase* GetAvailablePainter(const TovThemedObjectTypes& ATypes);

    void Changed(TuiLookAndFeelValues AValues);

private:
    friend void uiLookAndFeelUnitStart();
    void SaveState();
    void CheckStateChanges();
    void NotifyListeners(TuiLookAndFeelValues AValues);

    std::unique_ptr<TuiObjectList> FListeners;
    TuiLookAndFeelValues FAssignedValues;
    TuiLookAndFeelData FData;
    TuiLookAndFeelData FCurrentState;
    bool FCurrentSkinsAllowed = true;
    TuiLookAndFeelData FPrevState;
    bool FIsDestroying = false;
    bool FIsRoot = false;
    TuiLookAndFeel* FMasterLookAndFeel = nullptr;
    TuiLookAndFeelPainterBase* FPainter = nullptr;
    TuiLookAndFeelPainterBase* FSkinPainter = nullptr;
    std::unique_ptr<TuiSystemPaletteChangedNotifier> FSystemPaletteNotifier;
};

// Edits the root's values and the touch mode; listens to the root only. While none exists the root
// keeps its defaults (removing the last one resets the root).
class TuiLookAndFeelController : public TComponent, public IuiLookAndFeelChangeListener {
public:
    explicit TuiLookAndFeelController(TComponent* AOwner);
    ~TuiLookAndFeelController() override;

    TuiLookAndFeelKind Kind() const;
    void SetKind(TuiLookAndFeelKind AValue);
    bool NativeStyle() const;
    void SetNativeStyle(bool AValue);
    TovSkinName SkinName() const;
    void SetSkinName(const TovSkinName& AValue);
    bool IsSkinNameStored() const;
    bool TouchMode() const;
    void SetTouchMode(bool AValue);
    virtual void Reset();

    TObject* GetObject() override { return this; }
    void MasterLookAndFeelChanged(TuiLookAndFeel* Sender, TuiLookAndFeelValues AChangedValues) override;
    void MasterIsDestroying(TuiLookAndFeel* Sender) override;
};

// The root (null before the unit starts and after it ends).
TuiLookAndFeel* RootLookAndFeel();
bool uiTouchMode();
bool uiSkinsAllowed();
int uiLookAndFeelControllerCount();

void uiLookAndFeelUnitStart();
void uiLookAndFeelUnitEnd();
