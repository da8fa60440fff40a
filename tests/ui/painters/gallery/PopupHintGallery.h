// The popup and hint gallery: windows on the headless screen that show every container border style of
// a look with and without shadow, resizable popups with the sizing panel in each corner (close button
// normal, hot and pressed), and the four hint looks (a plain hint, a full screen tip, its plain look-alike
// and the class library's standard hint). The screenshot tests open them; the painters benchmark repaints
// them.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/core/controls/LookAndFeel.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TForm;
class THintWindow;
class TuiCustomHintStyleController;
class TovScreenTipRepository;
class TovScreenTipWindow;
class TuiCustomPopupWindow;

namespace popup_hint_gallery {

// The size of the screen each page needs (the tests set the monitor to it).
TSize BorderStylesPageSize();
TSize SizingPanelsPageSize();
TSize HintsPageSize();

// One page of windows; closing the page frees them.
class TGalleryPage {
public:
    TGalleryPage();
    virtual ~TGalleryPage();
    TGalleryPage(const TGalleryPage&) = delete;
    TGalleryPage& operator=(const TGalleryPage&) = delete;

    // Invalidates and repaints every window of the page at once.
    void Repaint();
    std::vector<HWND> Windows() const;
    int PopupCount() const { return static_cast<int>(FPopups.size()); }
    TuiCustomPopupWindow* Popups(int AIndex) const { return FPopups[AIndex]; }

protected:
    TForm* FForm;
    std::vector<TuiCustomPopupWindow*> FPopups;
    std::vector<THintWindow*> FHints;
};

// Every border style of the look in a row, without and with shadow.
class TBorderStylesPage : public TGalleryPage {
public:
    explicit TBorderStylesPage(TuiLookAndFeelKind AKind);
};

// Resizable popups: the sizing panel in each corner, the close button normal, hot and pressed.
class TSizingPanelsPage : public TGalleryPage {
public:
    explicit TSizingPanelsPage(TuiLookAndFeelKind AKind);
};

// A plain hint, a full screen tip, its plain look-alike and the standard hint.
class THintsPage : public TGalleryPage {
public:
    THintsPage();
    ~THintsPage() override;

private:
    TuiCustomHintStyleController* FController = nullptr;
    TovScreenTipRepository* FRepository = nullptr;
    TovScreenTipRepository* FPlainRepository = nullptr;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FFooterGlyph;
};

// The looks whose painters are registered.
std::vector<TuiLookAndFeelKind> RegisteredLooks();
const char* LookName(TuiLookAndFeelKind AKind);

} // namespace popup_hint_gallery
