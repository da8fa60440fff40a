// The bar gallery: labelled sheets of everything the bar painters draw, through the stand-in bar
// controls — every item kind in every state on horizontal, vertical and menu bars; bar chrome (docked
// strips with separators and marks, a floating bar, a status bar, menus with their bands, groups,
// descriptions, shortcuts, check marks, scroll buttons, expand mark and detach caption); and the parts of
// progress bars, statics, separators, in-place sub-items, date navigator, drop-down galleries, hints and
// screen tips. The screenshot tests paint each sheet once per painter; the painting benchmark repaints some
// of them.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomImageList;
class TovBar;
class TovBarItem;
class TovBarManager;
class TovBarPainter;
class TuiCanvas;

namespace bar_gallery {

// The looks the gallery shows: the base first, then each look registered with the bar painting (the looks
// add themselves by registering their painter class).
std::vector<std::string> GalleryPainterNames();
std::unique_ptr<TovBarPainter> MakeGalleryPainter(const std::string& AName);
// Looks the painter table does not make (a skinned look over a test skin): added after the table's, each
// with the label its sheets carry.
void RegisterGalleryPainter(const std::string& AName, const std::string& ALabel,
                            std::function<std::unique_ptr<TovBarPainter>()> AMake);
// The label of a registered look; empty for the table's looks.
std::string GalleryPainterLabel(const std::string& AName);

// The manager's pictures and fonts for the gallery (image lists of our own symbols, Tahoma 8).
void PrepareGalleryManager(TovBarManager* AManager);

class TBarGallery {
public:
    // AManager: a manager prepared with PrepareGalleryManager; APainter: the look drawn (not owned).
    TBarGallery(TovBarManager* AManager, TovBarPainter* APainter);
    ~TBarGallery();
    TBarGallery(const TBarGallery&) = delete;
    TBarGallery& operator=(const TBarGallery&) = delete;

    // "states-horizontal", "states-vertical", "states-menu", "chrome", "menus", "parts".
    static std::vector<std::string> SheetNames();
    TSize SheetSize(const std::string& AName);
    // Paints the sheet at the canvas's origin on a white page with titles and labels.
    void PaintSheet(const std::string& AName, TuiCanvas* ACanvas);
    // Written in the top right corner of every sheet (empty: none).
    void SetLabel(const std::string& ALabel) { FLabel = ALabel; }

    // A sheet: its cells, titles and the stand-ins it paints.
    class TSheet;

private:
    TSheet& Sheet(const std::string& AName);

    TovBarManager* FManager;
    TovBarPainter* FPainter;
    std::string FLabel;
    std::vector<std::unique_ptr<TSheet>> FSheets;
};

} // namespace bar_gallery
