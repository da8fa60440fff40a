// Named, typed properties of skin elements and groups (integer, Boolean, colour, rectangle, size, string,
// wide string), the list that holds them, and the registry of the property classes a stored list may
// name. Every setter reports [scContent] only when the value changes.
#pragma once

#include "platform/vcl/Graphics.h"
#include "ui/core/base/GeometryObjects.h"
#include "ui/core/skins/SkinObjects.h"

#include <memory>
#include <string>
#include <vector>

class TovSkinProperty : public TovSkinCustomObject {
public:
    using TovSkinCustomObject::TovSkinCustomObject;
    // The class name without "TovSkin" and "Property" (Integer, Color, WideString, ...).
    virtual std::string GetDescription() const;
    // The names are equal ignoring case; each value class also compares its class and value.
    virtual bool Compare(TovSkinProperty* AProperty);
};

// A property holding one value of type V; TSelf is the concrete class, which copies and compares only
// objects of its own class (or descendants).
template <class TSelf, class V> class TovSkinValueProperty : public TovSkinProperty {
public:
    using TovSkinProperty::TovSkinProperty;
    const V& Value() const { return FValue; }
    void SetValue(const V& AValue) { this->SetContentValue(FValue, AValue); }
    void Assign(TPersistent* ASource) override {
        if (auto* source = dynamic_cast<TSelf*>(ASource))
            SetValue(source->Value());
        else
            TovSkinProperty::Assign(ASource);
    }
    bool Compare(TovSkinProperty* AProperty) override {
        auto* other = dynamic_cast<TSelf*>(AProperty);
        return TovSkinProperty::Compare(AProperty) && other != nullptr && other->Value() == FValue;
    }
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TSelf>(); }

protected:
    V FValue{};
};

class TovSkinIntegerProperty : public TovSkinValueProperty<TovSkinIntegerProperty, int> {
public:
    using TovSkinValueProperty::TovSkinValueProperty;
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

class TovSkinBooleanProperty : public TovSkinValueProperty<TovSkinBooleanProperty, bool> {
public:
    using TovSkinValueProperty::TovSkinValueProperty;
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

class TovSkinColor : public TovSkinValueProperty<TovSkinColor, TColor> {
public:
    TovSkinColor(TPersistent* AOwner, const std::string& AName) : TovSkinValueProperty(AOwner, AName) {
        FValue = clDefault;
    }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

class TovSkinSizeProperty : public TovSkinValueProperty<TovSkinSizeProperty, TSize> {
public:
    using TovSkinValueProperty::TovSkinValueProperty;
    int cx() const { return FValue.cx; }
    int cy() const { return FValue.cy; }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

class TovSkinStringProperty : public TovSkinValueProperty<TovSkinStringProperty, std::string> {
public:
    using TovSkinValueProperty::TovSkinValueProperty;
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

// A string stored as UTF-16 in streams; it takes the value of any string property.
class TovSkinWideStringProperty : public TovSkinStringProperty {
public:
    using TovSkinStringProperty::TovSkinStringProperty;
    void Assign(TPersistent* ASource) override;
    bool Compare(TovSkinProperty* AProperty) override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinWideStringProperty>(); }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

// A rectangle; a change of it reports [scContent].
class TovSkinRectProperty : public TovSkinProperty {
public:
    TovSkinRectProperty(TPersistent* AOwner, const std::string& AName);
    ~TovSkinRectProperty() override;
    TuiRect* Value() const { return FValue.get(); }
    void SetValue(TuiRect* AValue) { FValue->Assign(AValue); }
    int Left() const { return FValue->Left(); }
    int Top() const { return FValue->Top(); }
    int Right() const { return FValue->Right(); }
    int Bottom() const { return FValue->Bottom(); }
    void Assign(TPersistent* ASource) override;
    bool Compare(TovSkinProperty* AProperty) override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinRectProperty>(); }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;

private:
    std::unique_ptr<TuiRect> FValue;
};

class TovSkinProperties : public TovSkinCustomObjectList {
public:
    using TovSkinCustomObjectList::TovSkinCustomObjectList;
    TovSkinProperty* Items(int AIndex) const { return static_cast<TovSkinProperty*>(TList::Items(AIndex)); }
    TovSkinProperty* FindByName(const std::string& AName) {
        return static_cast<TovSkinProperty*>(TovSkinCustomObjectList::FindByName(AName));
    }
    // Inside one update bracket: cleared, then a copy of each source item in order.
    void Assign(TovSkinProperties* ASource);
    // Same count and, position by position, equal items.
    bool Compare(TovSkinProperties* AProperties);
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;
};

// The property classes a stored property list may name, registered at start-up.
void ovRegisterSkinPropertyClass(TovSkinObjectClass AClass);
void ovUnregisterSkinPropertyClasses();
// The registered class of that name (ignoring case, as class names do); null when there is none.
TovSkinObjectClass ovFindSkinPropertyClass(const std::string& AClassName);
const std::vector<TovSkinObjectClass>& ovSkinPropertyClasses();
