// The availability rule at work: the action list's update handler, which the class library runs when
// the application is idle and before every command, enables each command, bar button and panel button
// from the document's state.
#include "audio/AudioEditor2.h"
#include "platform/rtl/FileNames.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "skin/controls/SkinButton.h"
#include "source/mainform/CommandAvailability.h"
#include "source/mainform/MainForm.h"

namespace main_form_availability_detail {

TDocumentFacts CurrentFacts(const TMainForm& Form) {
    TDocumentFacts facts;
    facts.DocumentOpen = Form.DocumentOpen && Form.AudioEditor->HasDocument();
    if (!facts.DocumentOpen) return facts;
    TAudioEditor2Position& position = Form.AudioEditor->Position();
    facts.Length = position.GetLength();
    facts.SelectionLength = position.GetSelectionEnd() - position.GetSelectionStart();
    facts.ClipboardFilled = Form.ClipboardFilled;
    facts.FileNameHasExtension = !ExtractFileExt(Form.FileName).empty();
    facts.UndoAvailable = Form.AudioEditor->UndoAvailable();
    facts.RedoAvailable = Form.AudioEditor->RedoAvailable();
    return facts;
}

constexpr TBarItem GovernedBarItems[] = {
    TBarItem::Select,
    TBarItem::Effect,
    TBarItem::CassetteNoiseReduction,
    TBarItem::VoiceBreathNoiseReduction,
    TBarItem::Vibrato,
    TBarItem::PeakEQ,
    TBarItem::NotchFilter,
    TBarItem::BandPass,
    TBarItem::LowPass,
    TBarItem::LowShelf,
    TBarItem::HighShelf,
    TBarItem::Invert,
    TBarItem::HorizontalScale,
    TBarItem::VerticalScale,
    TBarItem::LeftChannel,
    TBarItem::RightChannel,
    TBarItem::BothChannels,
};

} // namespace main_form_availability_detail

void TMainForm::BindAvailability() {
    using namespace main_form_availability_detail;
    ActionList->OnUpdate = TActionEvent(
        [this](TBasicAction* Action, bool&) {
            auto* action = dynamic_cast<TAction*>(Action);
            if (action == nullptr) return;
            const TDocumentFacts facts = CurrentFacts(*this);
            action->SetEnabled(CommandEnabled(ActionAvailability(action->Name()), facts));
            // The bar and panel buttons follow once per sweep over the list, with its first action.
            if (Action != ActionList->Actions(0)) return;
            for (TBarItem item : GovernedBarItems)
                Bars().BarItems().SetEnabled(item, CommandEnabled(BarItemAvailability(item), facts));
            const bool length = CommandEnabled(TAvailability::Length, facts);
            for (TskSkinButton* button :
                 {ButtonStart, ButtonRewind, ButtonPlay, ButtonStop, ButtonPause, ButtonForword, ButtonEnd,
                  ButtonZoomIn, ButtonZoomOut, ButtonZoomToSelection, ButtonZoomFull, ButtonVerticalZoomIn,
                  ButtonVerticalZoomOut})
                button->SetEnabled(length);
        },
        this);
}
