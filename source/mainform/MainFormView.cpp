// How the main window looks at start: its controls at their design sizes whatever the screen's
// density, and the view settings stored by the view commands.
#include "audio/AudioEditor2.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Splitter.h"
#include "platform/vcl/TreeView.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/framed/FrProgressBar.h"
#include "source/SettingsFile.h"
#include "source/mainform/MainForm.h"

#include <initializer_list>

namespace main_form_view_detail {

struct TColorSetting {
    int Number;
    BYTE R, G, B;
};

void ApplyColors(TAudioEditor2& Editor, std::initializer_list<TColorSetting> Settings) {
    for (const TColorSetting& c : Settings)
        Editor.Colors().SetColor(c.Number, RGB(c.R, c.G, c.B));
}

// Runs a view command's handler at start, before any document is open: the availability rule would
// keep the document's view commands from running through the action.
void RunAtStart(TAction* Action) {
    if (Action->OnExecute().Assigned()) Action->OnExecute()(Action);
}

} // namespace main_form_view_detail

void TMainForm::ScaleControlsForDpi(int PixelsPerInch) {
    // The form loader has scaled the controls by the screen's density; this takes them back to their
    // design values, so that the window looks the same at any density.
    const double factor = PixelsPerInch / 96.0;
    auto scaled = [factor](int Value) { return static_cast<int>(Round(Value / factor)); };

    for (TControl* button : {static_cast<TControl*>(ButtonEffects), static_cast<TControl*>(ButtonFavorites)})
        button->SetBounds(scaled(button->Left()), scaled(button->Top()), scaled(button->Width()),
                          scaled(button->Height()));
    const int hideWidth = scaled(ButtonHideCommandBar->Width());
    ButtonHideCommandBar->SetBounds(PanelCommandBar->Width() - hideWidth - 5,
                                    scaled(ButtonHideCommandBar->Top()), hideWidth,
                                    scaled(ButtonHideCommandBar->Height()));
    for (TskSkinButton* button : {ButtonStart, ButtonRewind, ButtonStop, ButtonPlay, ButtonPlayLooped,
                                  ButtonPlayToEnd, ButtonPause, ButtonForword, ButtonEnd, ButtonRecord})
        button->SetBounds(scaled(button->Left()), scaled(button->Top()), 22, 22);

    PanelBottom->SetHeight(scaled(PanelBottom->Height()));
    int right = PanelBottom->Width();
    for (TskSkinButton* button : {ButtonVerticalZoomOut, ButtonVerticalZoomIn, ButtonZoomFull,
                                  ButtonZoomToSelection, ButtonZoomOut, ButtonZoomIn}) {
        const int width = scaled(button->Width());
        button->SetBounds(right - width, scaled(button->Top()), width, scaled(button->Height()));
        right -= width;
    }
    for (TControl* panel : {static_cast<TControl*>(PanelPlay), static_cast<TControl*>(PanelTime)})
        panel->SetBounds(panel->Left(), scaled(panel->Top()), panel->Width(), scaled(panel->Height()));
    PanelSelectionTitle->SetBounds(scaled(PanelSelectionTitle->Left()), scaled(PanelSelectionTitle->Top()),
                                   PanelSelectionTitle->Width(), PanelSelectionTitle->Height());
    PanelPlay->SetLeft(PanelSelectionTitle->Left() + 56);
    PanelViewTitle->SetLeft(PanelPlay->Left() + PanelPlay->Width() + 10);
    PanelTime->SetLeft(PanelViewTitle->Left() + 46);
    TreeViewEffects->Font()->SetSize(8);
    FavoriteListBox->Font()->SetSize(8);
}

void TMainForm::ShowCommandBarPage(bool Effects) {
    // The page in front is the one shown; the other waits behind it.
    (Effects ? PanelEffects : PanelFavorites)->BringToFront();
    PanelEffects->SetVisible(Effects);
    PanelFavorites->SetVisible(!Effects);
    ButtonEffects->SetDown(Effects);
    ButtonFavorites->SetDown(!Effects);
}

void TMainForm::ApplyWorkplaceColors(bool Dark) {
    using main_form_view_detail::ApplyColors;
    if (Dark)
        ApplyColors(*AudioEditor, {{1, 0, 0, 0},
                                   {9, 102, 255, 102},
                                   {14, 102, 255, 102},
                                   {13, 0, 0, 0},
                                   {11, 128, 128, 128},
                                   {2, 255, 255, 255},
                                   {5, 255, 255, 255},
                                   {4, 5, 95, 167},
                                   {3, 128, 128, 128},
                                   {8, 0, 0, 0},
                                   {6, 255, 255, 255}});
    else
        ApplyColors(*AudioEditor, {{9, 0, 0, 100},
                                   {14, 0, 0, 100},
                                   {13, 255, 255, 255},
                                   {11, 0, 0, 0},
                                   {2, 0, 0, 200},
                                   {5, 0, 0, 200},
                                   {4, 0, 0, 0},
                                   {3, 0, 0, 0},
                                   {8, 0, 0, 0},
                                   {10, 0, 0, 0},
                                   {7, 255, 0, 0},
                                   {12, 0, 0, 0},
                                   {6, 255, 255, 255},
                                   {1, 0, 0, 0},
                                   {15, 219, 142, 87},
                                   {16, 219, 142, 87},
                                   {17, 219, 142, 87}});
}

void TMainForm::LoadViewSettings() {
    using main_form_view_detail::RunAtStart;
    // The commands run here apply what the file holds: they write nothing back.
    FApplyingStoredView = true;
    struct TApplied {
        bool& Flag;
        ~TApplied() { Flag = false; }
    } applied{FApplyingStoredView};
    for (TAudioEditor2Scale* scale : {&AudioEditor->ScaleX(), &AudioEditor->ScaleY()}) {
        TFont font;
        font.SetName("Tahoma");
        font.SetSize(7);
        font.SetColor(RGB(168, 220, 248));
        scale->SetFont(&font);
        scale->SetSize(0);
    }
    AudioEditor->SetTypeBorder(4);

    const bool dark = ReadSettingBool("System", "BlackWhite", true);
    ActionWorkplaceBlackWhite->SetChecked(dark);
    ApplyWorkplaceColors(dark);
    LeftBar->SetPercent(0);
    RightBar->SetPercent(0);

    switch (ReadSettingInteger("Horizontal", "Format", 2)) {
    case 1:
        RunAtStart(ActionHorizontalFormatSample);
        break;
    case 2:
        RunAtStart(ActionHorizontalFormatDecimal);
        break;
    default:
        break;
    }
    const bool horizontalVisible = ReadSettingBool("Horizontal", "Visible", true);
    ActionHorizontalFormatVisible->SetChecked(horizontalVisible);
    Bars().BarItems().SetDown(TBarItem::HorizontalScale, horizontalVisible);
    AudioEditor->ScaleX().SetVisible(horizontalVisible ? -1 : 0);

    switch (ReadSettingInteger("Vertical", "Format", 3)) {
    case 1:
        RunAtStart(ActionVerticalFormatSample);
        break;
    case 2:
        RunAtStart(ActionVerticalFormatNormalized);
        break;
    case 3:
        RunAtStart(ActionVerticalFormatDecibel);
        break;
    default:
        break;
    }
    const bool verticalVisible = ReadSettingBool("Vertical", "Visible", true);
    ActionVerticalFormatVisible->SetChecked(verticalVisible);
    Bars().BarItems().SetDown(TBarItem::VerticalScale, verticalVisible);
    AudioEditor->ScaleY().SetVisible(verticalVisible ? -1 : 0);

    switch (ReadSettingInteger("WaveMode", "Mode", 1)) {
    case 1:
        RunAtStart(ActionWaveformMode);
        break;
    case 2:
        RunAtStart(ActionSpectralMode);
        break;
    default:
        break;
    }

    if (ReadSettingBool("System", "CommandBarOnTheLeft", true))
        RunAtStart(ActionBarOntheLeft);
    else
        RunAtStart(ActionBarOntheRight);
    const bool showCommandBar = ReadSettingBool("System", "ShowCommandBar", true);
    ActionShowCommandBar->SetChecked(showCommandBar);
    PanelCommandBar->SetVisible(showCommandBar);
    SplitterCommandBar->SetVisible(showCommandBar);
    ActionTopTransportBar->SetChecked(ReadSettingBool("System", "TopTranportBar", false));
    ActionTopZoomBar->SetChecked(ReadSettingBool("System", "TopZoomBar", true));
}
