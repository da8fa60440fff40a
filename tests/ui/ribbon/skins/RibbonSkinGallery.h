// The gallery of a ribbon skin: every drawing operation of the skin in every state, arranged as a person
// meets them — a main window with its caption, tab row and groups first, then the states of tabs, the
// application button, buttons, caption buttons, the form's caption and frame, menus, scroll bars,
// galleries, the menu view, contexts, tips, the quick access toolbar and the status bar. The screenshot
// tests write it per skin; the ribbon benchmark repaints it.
#pragma once

#include "ui/ribbon/skins/RibbonSkinTypes.h"

#include <memory>

class TBitmap;
class TovCustomRibbonSkin;

namespace ribbon_skin_test {

constexpr int kGalleryWidth = 1240;
constexpr int kGalleryHeight = 1560;

// A bitmap of the gallery's size.
std::unique_ptr<TBitmap> MakeGalleryCanvas();
// Paints the whole gallery of ASkin (loaded) into ACanvas, the elements that take an accent with AAccent.
void PaintRibbonSkinGallery(TovCustomRibbonSkin& ASkin, TBitmap& ACanvas, TovRibbonColorSchemeAccent AAccent);

} // namespace ribbon_skin_test
