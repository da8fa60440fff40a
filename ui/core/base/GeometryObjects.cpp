#include "ui/core/base/GeometryObjects.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>
#include <cstdint>
#include <typeinfo>

namespace geometry_objects_detail {
void WriteInts(TStream* AStream, const std::int32_t* AValues, int ACount) {
    unsigned char bytes[16];
    for (int i = 0; i < ACount; ++i) {
        const auto v = static_cast<std::uint32_t>(AValues[i]);
        for (int b = 0; b < 4; ++b)
            bytes[i * 4 + b] = static_cast<unsigned char>(v >> (8 * b));
    }
    AStream->WriteBuffer(bytes, ACount * 4);
}

void ReadInts(TStream* AStream, std::int32_t* AValues, int ACount) {
    unsigned char bytes[16];
    AStream->ReadBuffer(bytes, ACount * 4); // a short stream raises the read error
    for (int i = 0; i < ACount; ++i) {
        std::uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= static_cast<std::uint32_t>(bytes[i * 4 + b]) << (8 * b);
        AValues[i] = static_cast<std::int32_t>(v);
    }
}

void WriteRect(TStream* AStream, const TRect& R) {
    const std::int32_t values[4] = {R.left, R.top, R.right, R.bottom};
    WriteInts(AStream, values, 4);
}

TRect ReadRect(TStream* AStream) {
    std::int32_t values[4];
    ReadInts(AStream, values, 4);
    return TRect{values[0], values[1], values[2], values[3]};
}
} // namespace geometry_objects_detail

void TuiGeometryObject::DoChange() {
    if (OnChange) OnChange(this);
}

// ---- TuiRect

int TuiRect::GetValue(int AIndex) const {
    switch (AIndex) {
    case 0:
        return FRectValue.left;
    case 1:
        return FRectValue.top;
    case 2:
        return FRectValue.right;
    default:
        return FRectValue.bottom;
    }
}

void TuiRect::SetValue(int AIndex, int AValue) {
    TRect value = FRectValue;
    switch (AIndex) {
    case 0:
        value.left = AValue;
        break;
    case 1:
        value.top = AValue;
        break;
    case 2:
        value.right = AValue;
        break;
    default:
        value.bottom = AValue;
        break;
    }
    SetRect(value);
}

void TuiRect::SetRect(const TRect& ARect) {
    TRect value = ARect;
    AdjustRect(value);
    if (value == FRectValue) return;
    FRectValue = value;
    DoChange();
}

void TuiRect::DoAssign(TPersistent* Source) {
    SetRect(static_cast<TuiRect*>(Source)->FRectValue);
}

bool TuiRect::IsOfMyClass(TPersistent* Source) const {
    // A plain TuiRect takes any of its descendants; a descendant takes its own class.
    return dynamic_cast<TuiRect*>(Source) != nullptr &&
           (typeid(*this) == typeid(TuiRect) || TuiOwnedPersistent::IsOfMyClass(Source));
}

void TuiRect::LoadFromStream(TStream* AStream) {
    SetRect(geometry_objects_detail::ReadRect(AStream));
}

void TuiRect::SaveToStream(TStream* AStream) {
    geometry_objects_detail::WriteRect(AStream, FRectValue);
}

// ---- TuiSize

void TuiSize::SetSize(const TSize& ASize) {
    const TSize value{std::max<LONG>(ASize.cx, 0), std::max<LONG>(ASize.cy, 0)};
    if (value == FSizeValue) return;
    FSizeValue = value;
    DoChange();
}

int TuiSize::GetValue(int AIndex) const {
    return AIndex == 0 ? FSizeValue.cy : FSizeValue.cx;
}

void TuiSize::SetValue(int AIndex, int AValue) {
    TSize value = FSizeValue;
    if (AIndex == 0)
        value.cy = AValue;
    else
        value.cx = AValue;
    SetSize(value);
}

bool TuiSize::IsValueStored(int AIndex) const {
    return GetValue(AIndex) != 0;
}

void TuiSize::DoAssign(TPersistent* Source) {
    SetSize(static_cast<TuiSize*>(Source)->FSizeValue);
}

bool TuiSize::IsOfMyClass(TPersistent* Source) const {
    // A plain TuiSize takes any of its descendants; a descendant takes its own class.
    return dynamic_cast<TuiSize*>(Source) != nullptr &&
           (typeid(*this) == typeid(TuiSize) || TuiOwnedPersistent::IsOfMyClass(Source));
}

void TuiSize::LoadFromStream(TStream* AStream) {
    std::int32_t values[2];
    geometry_objects_detail::ReadInts(AStream, values, 2);
    SetSize(TSize{values[0], values[1]});
}

void TuiSize::SaveToStream(TStream* AStream) {
    const std::int32_t values[2] = {FSizeValue.cx, FSizeValue.cy};
    geometry_objects_detail::WriteInts(AStream, values, 2);
}

// ---- TuiMargin

TuiMargin::TuiMargin(TPersistent* AOwner, int ADefaultValue)
    : TuiGeometryObject(AOwner), FDefaultAll(ADefaultValue) {
    SetValue(0, ADefaultValue);
}

int TuiMargin::GetValue(int AIndex) const {
    switch (AIndex) {
    case 1:
        return FSides.left;
    case 2:
        return FSides.top;
    case 3:
        return FSides.right;
    case 4:
        return FSides.bottom;
    default:
        if (FSides.left == FSides.top && FSides.left == FSides.right && FSides.left == FSides.bottom)
            return FSides.left;
        return -1;
    }
}

void TuiMargin::SetValue(int AIndex, int AValue) {
    if (AValue == GetValue(AIndex)) return;
    switch (AIndex) {
    case 1:
        FSides.left = AValue;
        break;
    case 2:
        FSides.top = AValue;
        break;
    case 3:
        FSides.right = AValue;
        break;
    case 4:
        FSides.bottom = AValue;
        break;
    default:
        FSides = TRect{AValue, AValue, AValue, AValue};
        break;
    }
    DoChange();
}

bool TuiMargin::IsValueStored(int AIndex) const {
    if (AIndex >= 1 && AIndex <= 4) return GetValue(0) == -1;
    return GetValue(0) != FDefaultAll;
}

void TuiMargin::SetMargin(const TRect& AMargin) {
    if (AMargin == FSides) return;
    FSides = AMargin;
    DoChange();
}

void TuiMargin::DoAssign(TPersistent* Source) {
    SetMargin(static_cast<TuiMargin*>(Source)->FSides);
}

bool TuiMargin::IsOfMyClass(TPersistent* Source) const {
    // A plain TuiMargin takes any of its descendants; a descendant takes its own class.
    return dynamic_cast<TuiMargin*>(Source) != nullptr &&
           (typeid(*this) == typeid(TuiMargin) || TuiOwnedPersistent::IsOfMyClass(Source));
}

void TuiMargin::LoadFromStream(TStream* AStream) {
    SetMargin(geometry_objects_detail::ReadRect(AStream));
}

void TuiMargin::SaveToStream(TStream* AStream) {
    geometry_objects_detail::WriteRect(AStream, FSides);
}

void uiRegisterGeometryClasses() {
    RegisterClass("TuiRect", typeid(TuiRect),
                  [](TComponent*) -> TPersistent* { return new TuiRect(nullptr); });
}

void uiUnregisterGeometryClasses() {
    UnRegisterClass("TuiRect");
}
