// Styles: small named components carrying a background colour, a background bitmap, a font and a text
// colour for one visual element of a control. A style belongs to a style repository (StyleRepository.h)
// and tells its listeners — the styles objects of controls and style sheets — when it changes and when
// it goes away.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/Set.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TFont;
class TuiCustomStyle;
class TuiStyleRepository;

// {E25A5395-C1E8-4311-A281-9575F79DE862}
class IuiStyleListener {
public:
    virtual ~IuiStyleListener() = default;
    virtual void StyleChanged(TuiCustomStyle* AStyle) = 0;
    virtual void StyleRemoved(TuiCustomStyle* AStyle) = 0;
};

class TuiCustomStyle : public TComponent {
public:
    explicit TuiCustomStyle(TComponent* AOwner);
    ~TuiCustomStyle() override;
    // Every listener is told of the removal, each taken off the list before it is told.
    void BeforeDestruction() override;

    TuiStyleRepository* StyleRepository() const { return FStyleRepository; }
    // Leaves the current repository's list and joins the new one's (once).
    void SetStyleRepository(TuiStyleRepository* AValue);
    TComponent* GetParentComponent() const;
    bool HasParent() const { return FStyleRepository != nullptr; }
    // Ignored while loading; anything but a repository raises EInvalidCast.
    void SetParentComponent(TComponent* AValue);
    int ListenerCount() const { return static_cast<int>(FListeners.size()); }

    // Tells every listener, the last added first.
    virtual void Changed();
    virtual void ChangeScale(int AMultiplier, int ADivisor) {}
    // A listener is added once.
    virtual void AddChangeListener(IuiStyleListener* AListener);
    virtual void RemoveChangeListener(IuiStyleListener* AListener);
    virtual void RevertToDefaults() {}

private:
    void NotifyRemoved();

    TuiStyleRepository* FStyleRepository = nullptr;
    std::vector<IuiStyleListener*> FListeners;
};

enum TuiStyleValue : std::uint8_t { svBitmap, svColor, svFont, svTextColor };
using TuiStyleValues = Set<TuiStyleValue, 8>;

class TuiStyle : public TuiCustomStyle {
public:
    explicit TuiStyle(TComponent* AOwner);
    ~TuiStyle() override;
    void Assign(TPersistent* Source) override;

    TuiStyleValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(const TuiStyleValues& AValue);
    TBitmap* Bitmap() const { return FBitmap.get(); }
    // Copies the bitmap; an empty one clears svBitmap.
    void SetBitmap(TBitmap* AValue);
    TColor Color() const { return FColor; }
    // clDefault clears svColor, any other colour sets it.
    void SetColor(TColor AValue);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* AValue);
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor AValue);

    // Each value is stored only while assigned.
    bool IsValueStored(TuiStyleValue AValue) const { return FAssignedValues.Contains(AValue); }

    void ChangeScale(int AMultiplier, int ADivisor) override;
    // Back to no assigned values, no bitmap and default colours; the font keeps its settings.
    void RevertToDefaults() override;

private:
    void BitmapChanged(TObject* Sender);
    void FontChanged(TObject* Sender);

    TuiStyleValues FAssignedValues;
    std::unique_ptr<TBitmap> FBitmap;
    TColor FColor = clDefault;
    std::unique_ptr<TFont> FFont;
    TColor FTextColor = clDefault;
};
