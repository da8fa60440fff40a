// TuiContainerStyle: the appearance record of a framed window of the library (border, edges,
// background, font, text, hot tracking, shadow). A value left unassigned is looked up on the style of
// the same state of the style controller the style follows and, failing that, taken from a built-in
// fallback that depends on the look-and-feel kind and on the state. The style of state 0 is the base
// style: it owns the font and the look-and-feel; the styles of states 1 to 3 (the two hot-tracking
// states and the disabled one) keep only their own colours and borders and read the rest from it.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/PainterLookAndFeelTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <typeinfo>

class TFont;
class TuiLookAndFeel;
class TuiStyleController;
class TuiContainerStyle;

// The values of a style by their bit: the order is also the order of the value names.
enum TuiContainerStyleValue : std::uint8_t {
    csvBorderColor,
    csvBorderStyle,
    csvColor,
    csvEdges,
    csvFont,
    csvHotTrack,
    csvShadow,
    csvTextColor,
    csvTextStyle,
    csvTransparentBorder
};
using TuiContainerStyleValues = Set<TuiContainerStyleValue, 32>;
constexpr int uiContainerStyleValueCount = 10;

// The states of a style set: 0 normal (the base style), 1 and 3 the two hot-tracking states, 2 disabled.
constexpr int uiContainerStateNormal = 0;
constexpr int uiContainerStateDisabled = 2;

// The name of value 0..9 ("BorderColor" .. "TransparentBorder"); False beyond.
bool uiContainerStyleValueName(int AIndex, std::string& AName);
// The index of a value name compared without regard to case; -1 for a name that is no style value.
int uiContainerStyleValueIndex(const std::string& AName);
// The values whose bits are in a 32-bit word, and back.
TuiContainerStyleValues uiContainerStyleValuesFromBits(std::uint32_t ABits);
std::uint32_t uiContainerStyleValuesToBits(const TuiContainerStyleValues& AValues);

// A class of container styles: what a style controller or a popup makes its styles from.
struct TuiContainerStyleClassInfo {
    std::string Name;
    TuiContainerStyle* (*Create)(TPersistent* AOwner, int AState, TuiContainerStyle* AParentStyle);
};
using TuiContainerStyleClass = const TuiContainerStyleClassInfo*;
template <class T> TuiContainerStyleClass uiContainerStyleClassOf();

class TuiContainerStyle : public TuiInterfacedPersistent {
public:
    // AParentStyle is null for the base style (state 0) and the base style of the set otherwise.
    TuiContainerStyle(TPersistent* AOwner, int AState, TuiContainerStyle* AParentStyle);
    ~TuiContainerStyle() override;
    TuiContainerStyle(const TuiContainerStyle&) = delete;
    TuiContainerStyle& operator=(const TuiContainerStyle&) = delete;

    void Assign(TPersistent* Source) override;
    void BeginUpdate();
    void EndUpdate();

    int State() const { return FState; }
    TuiContainerStyle* ParentStyle() const { return FParentStyle; }
    TuiContainerStyle* BaseStyle() { return FParentStyle != nullptr ? FParentStyle : this; }
    bool IsBaseStyle() const { return FParentStyle == nullptr; }
    bool IsDestroying() const { return FIsDestroying; }

    // ---- The published values: the effective value, and setting it assigns it.
    TuiContainerStyleValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(const TuiContainerStyleValues& AValue);
    TColor BorderColor();
    void SetBorderColor(TColor AValue);
    TuiContainerBorderStyle BorderStyle();
    void SetBorderStyle(TuiContainerBorderStyle AValue);
    TColor Color();
    void SetColor(TColor AValue);
    TuiBorders Edges();
    void SetEdges(TuiBorders AValue);
    TFont* Font();
    void SetFont(TFont* AValue);
    bool HotTrack();
    void SetHotTrack(bool AValue);
    TuiLookAndFeel* LookAndFeel();
    void SetLookAndFeel(TuiLookAndFeel* AValue);
    bool Shadow();
    void SetShadow(bool AValue);
    TuiStyleController* StyleController();
    void SetStyleController(TuiStyleController* AValue);
    TColor TextColor();
    void SetTextColor(TColor AValue);
    TFontStyles TextStyle();
    void SetTextStyle(TFontStyles AValue);
    bool TransparentBorder();
    void SetTransparentBorder(bool AValue);

    // ---- Storing: a value is stored only when assigned to this style; the controller only by the
    // base style. "IsFontAssigned" is written (as True) exactly when the font is stored; reading it,
    // whatever was read, marks the font assigned.
    bool IsValueStored(TuiContainerStyleValue AValue) const { return FAssignedValues.Contains(AValue); }
    bool IsStyleControllerStored() const { return FState == uiContainerStateNormal; }
    bool WritesIsFontAssigned() const { return IsValueStored(csvFont); }
    void ReadIsFontAssigned(bool AValue);
    // Whether a host that shows the values under its own property names lists this one.
    bool IsPublishedValueName(const std::string& AName);

    // Called once per settled change.
    TNotifyEvent OnChanged;

    // ---- Virtual operations
    virtual void NotifyChanged();
    virtual void StyleControllerChanged(TuiStyleController* AController);
    virtual void StyleControllerFreed(TuiStyleController* AController);
    virtual TColor FallbackBorderColor();
    virtual TuiContainerBorderStyle FallbackBorderStyle();
    virtual TColor FallbackColor();
    virtual TuiBorders FallbackEdges();
    virtual bool FallbackHotTrack();
    virtual bool FallbackShadow();
    virtual TColor FallbackTextColor();
    virtual TFontStyles FallbackTextStyle();
    virtual bool FallbackTransparentBorder();
    virtual void OwnFontChanged(TObject* Sender);
    virtual TColor EffectiveColor();
    virtual TuiStyleController* GetFallbackStyleController() { return nullptr; }
    virtual TColor EffectivePaintColor();
    virtual TColor EffectiveTextColor();
    virtual TFontStyles EffectiveTextStyle();
    virtual TuiContainerStyleValues UnpublishedValues();
    virtual int StyleValueCount() { return uiContainerStyleValueCount; }
    virtual bool StyleValueName(int AIndex, std::string& AName) {
        return uiContainerStyleValueName(AIndex, AName);
    }
    virtual bool HasFrame();
    virtual bool IsStyleValueAssigned(int AIndex);
    virtual void ClearAssignedValues();

protected:
    // The style that holds AValue for this one: itself when assigned, else the style of the same
    // state of the controller chain; null when none does.
    TuiContainerStyle* FindAssigningStyle(TuiContainerStyleValue AValue);
    // The base style's controller (for states 1..3 the parent's).
    TuiStyleController* ActiveStyleController();
    // Copies the controller's font (or the library's default) into the own font unless the font is
    // assigned to this style.
    void UpdateFont();
    void AssignValue(TuiContainerStyleValue AValue);

private:
    TuiContainerStyle* FParentStyle;
    int FState;
    TuiContainerStyleValues FAssignedValues;
    TColor FBorderColor = clWindowFrame;
    TuiContainerBorderStyle FBorderStyle = cbsNone;
    TuiBorders FEdges = uiBordersAll;
    bool FHotTrack = true;
    bool FShadow = false;
    bool FTransparentBorder = true;
    TColor FColor = clBtnFace;
    TColor FTextColor = clWindowText;
    TFontStyles FTextStyle;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    TuiStyleController* FStyleController = nullptr;
    int FUpdateCount = 0;
    bool FModified = false;
    int FFontLockCount = 0;
    bool FIsDestroying = false;
};

template <class T> TuiContainerStyleClass uiContainerStyleClassOf() {
    static const TuiContainerStyleClassInfo info{
        TObject::ClassNameOf(typeid(T)),
        [](TPersistent* AOwner, int AState, TuiContainerStyle* AParent) -> TuiContainerStyle* {
            return new T(AOwner, AState, AParent);
        }};
    return &info;
}
