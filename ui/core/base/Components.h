// Component bases of the user-interface library and small shared routines.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/List.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

#include <string>

class TuiCustomComponent : public TComponent {
public:
    using TComponent::TComponent;
};

// A component with three placeholder links that the form designer fills from GetPlaceholderLinks;
// it clears the weak object links to itself when destroyed.
class TuiComponent : public TuiCustomComponent {
public:
    static constexpr int FakeLinkCount = 3;
    explicit TuiComponent(TComponent* AOwner) : TuiCustomComponent(AOwner) {}
    ~TuiComponent() override;
    void Loaded() override;
    void BeforeDestruction() override;
    TComponent* FakeComponentLink(int AIndex) const { return FFakeLinks[AIndex]; }
    void SetFakeComponentLink(int AIndex, TComponent* AValue) { FFakeLinks[AIndex] = AValue; }

protected:
    virtual void GetPlaceholderLinks(TList* AList) {}
    // Design time only: link i becomes the list's item i, or null when the list is shorter.
    void UpdatePlaceholderLinks();

private:
    TComponent* FFakeLinks[FakeLinkCount] = {};
};

// A component designed at some screen DPI that rescales itself when loaded at another.
class TuiScalableComponent : public TuiComponent {
public:
    explicit TuiScalableComponent(TComponent* AOwner);
    void Loaded() override;
    int PixelsPerInch = 96; // the DPI at which the stored sizes were designed
    bool Scalable = true;

protected:
    // Sizes are to be multiplied by M / D.
    virtual void ChangeScale(int M, int D) {}
};

inline void uiCallNotify(const TNotifyEvent& AEvent, TObject* ASender) {
    if (AEvent) AEvent(ASender);
}
template <class... A> bool uiIsSameMethod(const TEvent<A...>& AMethod1, const TEvent<A...>& AMethod2) {
    return AMethod1 == AMethod2;
}
constexpr SIZE uiMakeSize(int cx, int cy) {
    return SIZE{cx, cy};
}
// floor((ABound1 + ABound2) / 2).
constexpr int uiGetRangeCenter(int ABound1, int ABound2) {
    const int sum = ABound1 + ABound2;
    return (sum - (sum & 1)) / 2;
}
// The window's class name (at most 256 characters; empty when the call fails).
std::string GetWindowClassNameText(HWND AWnd);
// The byte length of the character starting at the 1-based APosition of AText (UTF-8).
int CharByteLengthAt(const std::string& AText, int APosition);
// Sends the pointer as LParam and AOther as WParam when APointerInLParam, else the two swapped.
LRESULT SendPointerMessage(HWND AWnd, UINT AMsg, const void* APointer, bool APointerInLParam, WPARAM AOther);
inline LRESULT SendPointerLParamMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, const void* APointer) {
    return SendPointerMessage(AWnd, AMsg, APointer, true, AWParam);
}
