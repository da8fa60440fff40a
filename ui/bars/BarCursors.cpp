#include "ui/bars/BarCursors.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/PngReader.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Screen.h"

#include <vector>

namespace {

struct TCursorPicture {
    const char* Name;
    TCursor Slot;
    DWORD HotX, HotY;
};

constexpr TCursorPicture Pictures[] = {{"OVBARDRAGCURSOR", crovBarDragCursor, 0, 0},
                                       {"OVBARDRAGCOPYCURSOR", crovBarDragCopyCursor, 0, 0},
                                       {"OVBARDRAGNODROPCURSOR", crovBarDragNoDropCursor, 0, 0},
                                       {"OVBAREDITSIZINGCURSOR", crovBarEditSizingCursor, 16, 16}};

HCURSOR MakeCursor(const TCursorPicture& APicture) {
    const TResourceData* data = FindResource("CURSOR", APicture.Name);
    if (data == nullptr) return nullptr;
    std::shared_ptr<TSurface> surface;
    if (png_reader::ReadPng(data->Data, data->Size, 256 * 256, surface) != png_reader::TPngReadResult::Ok)
        return nullptr;
    const int width = surface->Width(), height = surface->Height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = surface->Row(y)[x];
    // The alpha of the colour bitmap shapes the cursor; the AND mask lets everything through.
    const std::vector<std::uint8_t> mask(static_cast<std::size_t>((width + 15) / 16 * 2) * height, 0);
    HBITMAP color = CreateBitmap(width, height, 1, 32, pixels.data());
    HBITMAP andMask = CreateBitmap(width, height, 1, 1, mask.data());
    ICONINFO info;
    info.fIcon = FALSE;
    info.xHotspot = APicture.HotX;
    info.yHotspot = APicture.HotY;
    info.hbmColor = color;
    info.hbmMask = andMask;
    HCURSOR cursor = CreateIconIndirect(&info);
    DeleteObject(color);
    DeleteObject(andMask);
    return cursor;
}

// The cursors made here, by slot order, so that only they are destroyed.
HCURSOR Made[4] = {};

} // namespace

void ovBarLoadCursors() {
    TScreen* screen = Screen();
    if (screen == nullptr) return;
    for (int i = 0; i < 4; ++i)
        if (HCURSOR cursor = MakeCursor(Pictures[i])) {
            screen->SetCursors(Pictures[i].Slot, cursor);
            Made[i] = cursor;
        }
}

void ovBarFreeCursors() {
    TScreen* screen = Screen();
    for (int i = 0; i < 4; ++i) {
        if (Made[i] == nullptr) continue;
        if (screen != nullptr && screen->Cursors(Pictures[i].Slot) == Made[i])
            screen->SetCursors(Pictures[i].Slot, nullptr);
        DestroyCursor(Made[i]);
        Made[i] = nullptr;
    }
}
