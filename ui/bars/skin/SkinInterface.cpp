#include "ui/bars/skin/SkinInterface.h"

IovSkin* ovQuerySkin(TObject* AObject) {
    if (auto* skinned = dynamic_cast<IovSkinnedObject*>(AObject)) return skinned->QuerySkin();
    return dynamic_cast<IovSkin*>(AObject);
}
