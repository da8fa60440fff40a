#include "source/mainform/CommandImageLists.h"

#include "platform/gdi/PngReader.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bitmap.h"
#include "source/mainform/CommandIcons.h"
#include "ui/core/graphics/ImageList.h"

#include <cstring>
#include <memory>

namespace {

// The strip of one size as a 32-bit bitmap with straight alpha; null when the program holds no usable
// strip of that size.
std::unique_ptr<TBitmap> LoadStrip(const char* Name, int Size) {
    const TResourceData* data = FindResource(CommandIconResourceType, Name);
    if (data == nullptr) return nullptr;
    const int cells = static_cast<int>(CommandIcons().size());
    std::shared_ptr<TSurface> surface;
    if (png_reader::ReadPng(data->Data, data->Size, std::int64_t(Size) * Size * cells, surface) !=
        png_reader::TPngReadResult::Ok)
        return nullptr;
    // A strip of another size belongs to another table: its pictures would go to the wrong commands.
    if (surface->Width() != Size * cells || surface->Height() != Size) return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(surface->Width(), Size);
    for (int y = 0; y < Size; ++y)
        std::memcpy(bitmap->ScanLine(y), surface->Row(y), std::size_t(surface->Stride()));
    return bitmap;
}

TuiImageList* MakeList(TComponent* Owner, const char* ComponentName, const char* Resource, int Size) {
    auto* list = new TuiImageList(Owner, Size, Size);
    list->SetName(ComponentName);
    if (std::unique_ptr<TBitmap> strip = LoadStrip(Resource, Size)) list->Add(strip.get(), nullptr);
    return list;
}

} // namespace

TCommandImageLists MakeCommandImageLists(TComponent* Owner) {
    TCommandImageLists lists;
    lists.Small = MakeList(Owner, "SmallCommandImages", SmallCommandIconResource, SmallCommandIconSize);
    lists.Large = MakeList(Owner, "LargeCommandImages", LargeCommandIconResource, LargeCommandIconSize);
    return lists;
}

void AssignCommandImages(TActionList& Actions, TuiImageList* SmallImages) {
    Actions.SetImages(SmallImages);
    for (int i = 0; i < Actions.ActionCount(); ++i)
        if (auto* action = dynamic_cast<TAction*>(Actions.Actions(i)))
            action->SetImageIndex(CommandIconIndex(action->Name()));
}
