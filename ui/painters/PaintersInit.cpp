#include "ui/painters/PaintersInit.h"

#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/SystemPaletteNotifier.h"

#include "ui/painters/effects/AnimationTransition.h"
#include "ui/painters/effects/Fader.h"
#include "ui/painters/effects/ShadowWindow.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/ScreenTipStyle.h"
#include "ui/painters/lookandfeel/FlatPainter.h"
#include "ui/painters/lookandfeel/NativePainter.h"
#include "ui/painters/lookandfeel/Office11Painter.h"
#include "ui/painters/lookandfeel/PainterResources.h"
#include "ui/painters/lookandfeel/PaintersManager.h"
#include "ui/painters/lookandfeel/RadioButtonImageList.h"
#include "ui/painters/lookandfeel/StandardPainter.h"
#include "ui/painters/lookandfeel/UltraFlatPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/popups/PopupHooks.h"
#include "ui/painters/styles/StyleRepository.h"
#include "ui/painters/text/TextPatternBrushes.h"

#include <memory>

// The painters' embedded pictures (ui/painters/CMakeLists.txt).
void OlvaRegisterResources_olva_ui_painters();

namespace painters_init_detail {

int StartCount = 0;
// Told first of a system-colour change: the radio images are drawn again in the new colours.
std::unique_ptr<TuiSystemPaletteChangedNotifier> PaletteNotifier;

// The manager as the foundation's painters slot sees it.
class TPaintersRegistryAdapter : public TuiPaintersRegistry {
public:
    TuiLookAndFeelPainterBase* GetPainterByStyle(TuiLookAndFeelStyle AStyle) override {
        TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
        return manager != nullptr ? manager->GetPainterByStyle(AStyle) : nullptr;
    }
    TuiLookAndFeelPainterBase* GetPainterByName(const std::string& AName) override {
        TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
        return manager != nullptr ? manager->GetPainterByName(AName) : nullptr;
    }
};
TPaintersRegistryAdapter RegistryAdapter;

} // namespace painters_init_detail

using namespace painters_init_detail;

void uiPaintersInitialize() {
    if (StartCount++ > 0) return;
    OlvaRegisterResources_olva_ui_painters();
    uiSetLookAndFeelPaintersManager(new TuiLookAndFeelPaintersManager());
    PaletteNotifier = std::make_unique<TuiSystemPaletteChangedNotifier>(true);
    PaletteNotifier->OnSystemPaletteChanged =
        TEvent<>([] { ResetRadioButtonImages(); }, PaletteNotifier.get());
    uiPainterResourcesCreate();
    uiCreateTextPatternBrushes();
    ovBindShadowWindows();
    ovCreateFader();
    TuiPainterServiceHooks hooks;
    hooks.ReferenceOffice11Colors = &ReferenceOffice11Colors;
    hooks.ReleaseOffice11Palette = &ReleaseOffice11Palette;
    hooks.RefreshOffice11Colors = &RefreshOffice11Colors;
    hooks.RebuildScrollBarBitmaps = &RebuildScrollBarBitmaps;
    uiSetPainterServiceHooks(hooks);
    uiSetPaintersRegistry(&RegistryAdapter);
    // Registration order of the built-in painters; the list sorts itself by name.
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    manager->Register(std::make_unique<TuiFlatLookAndFeelPainter>());
    manager->Register(std::make_unique<TuiOffice11LookAndFeelPainter>());
    manager->Register(std::make_unique<TuiStandardLookAndFeelPainter>());
    manager->Register(std::make_unique<TuiUltraFlatLookAndFeelPainter>());
    manager->Register(std::make_unique<TuiWinXPLookAndFeelPainter>());
    // Popups, styles, hints and screen tips: the popup hooks, the hint controller, the streamed classes.
    uiPopupsInitialize();
    uiStylesInitialize();
    uiHintsInitialize();
    uiScreenTipsInitialize();
}

void uiPaintersFinalize() {
    if (StartCount == 0 || --StartCount > 0) return;
    uiScreenTipsFinalize();
    uiHintsFinalize();
    uiPopupsFinalize();
    uiSetPaintersRegistry(nullptr);
    // Look-and-feels let go of the painters before they are freed.
    if (TuiLookAndFeel* root = RootLookAndFeel()) root->Refresh();
    uiSetPainterServiceHooks(TuiPainterServiceHooks{});
    ovDestroyFader();
    ovFreeAnimationController();
    uiDestroyTextPatternBrushes();
    PaletteNotifier.reset();
    uiPainterResourcesDestroy();
    delete uiLookAndFeelPaintersManager();
    uiSetLookAndFeelPaintersManager(nullptr);
    FreeRadioButtonImageList();
}

bool uiPaintersInitialized() {
    return StartCount > 0;
}
