#include "ui/core/skins/SkinsUnit.h"

#include "platform/rtl/ClassRegistry.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/skins/SkinBorders.h"
#include "ui/core/skins/SkinElement.h"
#include "ui/core/skins/SkinImage.h"
#include "ui/core/skins/SkinProperties.h"

#include <memory>
#include <typeinfo>

namespace skins_unit_detail {

std::unique_ptr<TovSkinEmptyElement> EmptyElement;

// A skin object class for the class registry, made without owner or name.
template <class T> void RegisterSkinClass() {
    RegisterClass(TObject::ClassNameOf(typeid(T)), typeid(T),
                  [](TComponent*) -> TPersistent* { return new T(nullptr, ""); });
}

template <class T> void RegisterPropertyClass() {
    ovRegisterSkinPropertyClass(ovSkinClassOf<T>());
    RegisterSkinClass<T>();
}

} // namespace skins_unit_detail

void ovSkinsCoreStart() {
    using namespace skins_unit_detail;
    if (EmptyElement) return;
    EmptyElement = std::make_unique<TovSkinEmptyElement>(nullptr, "");
    RegisterSkinClass<TovSkinControlGroup>();
    RegisterSkinClass<TovSkinElement>();
    RegisterClass("TovSkinImage", typeid(TovSkinImage),
                  [](TComponent*) -> TPersistent* { return new TovSkinImage(); });
    RegisterPropertyClass<TovSkinAlternateImageAttributes>();
    RegisterPropertyClass<TovSkinBooleanProperty>();
    RegisterPropertyClass<TovSkinColor>();
    RegisterPropertyClass<TovSkinIntegerProperty>();
    RegisterPropertyClass<TovSkinRectProperty>();
    RegisterPropertyClass<TovSkinSizeProperty>();
    RegisterPropertyClass<TovSkinStringProperty>();
    RegisterPropertyClass<TovSkinWideStringProperty>();
    // Skin pictures are PNG: without the imaging interface they are kept but not drawn.
    if (CheckGdiPlus(false)) ovGpInitEncoders();
}

void ovSkinsCoreEnd() {
    using namespace skins_unit_detail;
    if (!EmptyElement) return;
    UnRegisterClass<TovSkinControlGroup>();
    UnRegisterClass<TovSkinElement>();
    UnRegisterClass<TovSkinImage>();
    UnRegisterClass<TovSkinAlternateImageAttributes>();
    UnRegisterClass<TovSkinBooleanProperty>();
    UnRegisterClass<TovSkinColor>();
    UnRegisterClass<TovSkinIntegerProperty>();
    UnRegisterClass<TovSkinRectProperty>();
    UnRegisterClass<TovSkinSizeProperty>();
    UnRegisterClass<TovSkinStringProperty>();
    UnRegisterClass<TovSkinWideStringProperty>();
    ovUnregisterSkinPropertyClasses();
    EmptyElement.reset();
}

TovSkinEmptyElement* ovSkinEmptyElement() {
    return skins_unit_detail::EmptyElement.get();
}
