#include "platform/gdi/GdiObjects.h"

#include <mutex>
#include <unordered_map>

namespace gdi_handles {

namespace {
struct Table {
    std::mutex Lock;
    std::unordered_map<HGDIOBJ, std::shared_ptr<TGdiObject>> Objects;
};
Table& TheTable() {
    static Table* table = new Table; // lives to the end of the process: handles may be freed very late
    return *table;
}
} // namespace

HGDIOBJ Register(std::shared_ptr<TGdiObject> object) {
    if (!object) return nullptr;
    HGDIOBJ handle = object.get();
    Table& t = TheTable();
    std::lock_guard guard(t.Lock);
    t.Objects[handle] = std::move(object);
    return handle;
}

std::shared_ptr<TGdiObject> Lookup(HGDIOBJ handle) {
    if (!handle) return nullptr;
    Table& t = TheTable();
    std::lock_guard guard(t.Lock);
    auto it = t.Objects.find(handle);
    return it == t.Objects.end() ? nullptr : it->second;
}

bool Unregister(HGDIOBJ handle) {
    Table& t = TheTable();
    std::lock_guard guard(t.Lock);
    return t.Objects.erase(handle) > 0;
}

std::vector<std::shared_ptr<TDeviceContext>> DeviceContexts() {
    Table& t = TheTable();
    std::lock_guard guard(t.Lock);
    std::vector<std::shared_ptr<TDeviceContext>> result;
    for (auto& [handle, object] : t.Objects)
        if (object->Kind == OBJ_DC || object->Kind == OBJ_MEMDC)
            result.push_back(std::static_pointer_cast<TDeviceContext>(object));
    return result;
}

std::shared_ptr<TDeviceContext> Dc(HDC dc) {
    auto object = Lookup(dc);
    if (!object || (object->Kind != OBJ_DC && object->Kind != OBJ_MEMDC)) return nullptr;
    return std::static_pointer_cast<TDeviceContext>(object);
}

std::shared_ptr<TGdiRegion> Region(HRGN rgn) {
    return As<TGdiRegion>(rgn, OBJ_REGION);
}
std::shared_ptr<TGdiBitmap> Bitmap(HBITMAP bmp) {
    return As<TGdiBitmap>(bmp, OBJ_BITMAP);
}

} // namespace gdi_handles

const TBandedRegion& TDeviceContext::EffectiveClip() {
    if (FClipValid) return FEffectiveClip;
    RECT bounds{0, 0, Surface ? Surface->Width() : 0, Surface ? Surface->Height() : 0};
    TBandedRegion clip = Visible ? Visible->Intersected(bounds) : TBandedRegion(bounds);
    if (State.Clip) {
        TBandedRegion user = *State.Clip;
        user.Offset(DeviceOrigin.x, DeviceOrigin.y);
        clip = TBandedRegion::Combine(clip, user, RGN_AND);
    }
    FEffectiveClip = std::move(clip);
    FClipValid = true;
    return FEffectiveClip;
}
