#include "ui/core/skins/SkinProperties.h"

#include "platform/rtl/StrUtils.h"

#include <algorithm>

// ---- TovSkinProperty

std::string TovSkinProperty::GetDescription() const {
    const std::string name = StringReplace(ClassName(), "TovSkin", "", {rfReplaceAll, rfIgnoreCase});
    return StringReplace(name, "Property", "", {rfReplaceAll, rfIgnoreCase});
}

bool TovSkinProperty::Compare(TovSkinProperty* AProperty) {
    return AProperty != nullptr && SameText(Name(), AProperty->Name());
}

// ---- TovSkinWideStringProperty

void TovSkinWideStringProperty::Assign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovSkinStringProperty*>(ASource))
        SetValue(source->Value());
    else
        TovSkinProperty::Assign(ASource);
}

bool TovSkinWideStringProperty::Compare(TovSkinProperty* AProperty) {
    auto* other = dynamic_cast<TovSkinWideStringProperty*>(AProperty);
    return TovSkinProperty::Compare(AProperty) && other != nullptr && other->Value() == Value();
}

// ---- TovSkinRectProperty

TovSkinRectProperty::TovSkinRectProperty(TPersistent* AOwner, const std::string& AName)
    : TovSkinProperty(AOwner, AName), FValue(std::make_unique<TuiRect>(this)) {
    FValue->OnChange = TNotifyEvent([this](TObject*) { Changed(ovSkinContentChange); }, this);
}

TovSkinRectProperty::~TovSkinRectProperty() = default;

void TovSkinRectProperty::Assign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovSkinRectProperty*>(ASource))
        FValue->Assign(source->Value());
    else
        TovSkinProperty::Assign(ASource);
}

bool TovSkinRectProperty::Compare(TovSkinProperty* AProperty) {
    auto* other = dynamic_cast<TovSkinRectProperty*>(AProperty);
    return TovSkinProperty::Compare(AProperty) && other != nullptr && other->Value()->IsEqual(FValue.get());
}

// ---- TovSkinProperties

void TovSkinProperties::Assign(TovSkinProperties* ASource) {
    ovSkinUpdate(this, [&] {
        Clear();
        for (int i = 0; i < ASource->Count(); ++i) {
            TovSkinProperty* item = ASource->Items(i);
            Add(item->Name(), item->SkinClass())->Assign(item);
        }
    });
}

bool TovSkinProperties::Compare(TovSkinProperties* AProperties) {
    if (AProperties == nullptr || AProperties->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (!Items(i)->Compare(AProperties->Items(i))) return false;
    return true;
}

// ---- The registry of property classes

namespace skin_properties_detail {
std::vector<TovSkinObjectClass>& Classes() {
    static std::vector<TovSkinObjectClass> classes;
    return classes;
}
} // namespace skin_properties_detail

void ovRegisterSkinPropertyClass(TovSkinObjectClass AClass) {
    auto& classes = skin_properties_detail::Classes();
    if (std::find(classes.begin(), classes.end(), AClass) == classes.end()) classes.push_back(AClass);
}

void ovUnregisterSkinPropertyClasses() {
    skin_properties_detail::Classes().clear();
}

TovSkinObjectClass ovFindSkinPropertyClass(const std::string& AClassName) {
    for (TovSkinObjectClass skinClass : skin_properties_detail::Classes())
        if (SameText(skinClass->ClassName, AClassName)) return skinClass;
    return nullptr;
}

const std::vector<TovSkinObjectClass>& ovSkinPropertyClasses() {
    return skin_properties_detail::Classes();
}
