#include "ui/core/dates/FormatController.h"

#include "platform/rtl/Locale.h"
#include "platform/rtl/LocaleFormatSettings.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/WinMessages.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/DateUtils.h"
#include "ui/core/dates/SmartDates.h"

#include <algorithm>
#include <functional>

namespace format_controller_detail {

TuiFormatController* Controller = nullptr;
bool Finalized = false;

} // namespace format_controller_detail

TuiFormatController::TuiFormatController()
    : FDateFormatInfo(new TuiDateTimeFormatInfo), FTimeFormatInfo(new TuiDateTimeFormatInfo),
      FDateTimeFormatInfo(new TuiDateTimeFormatInfo) {
    Recalculate();
    if (TovResourceStringsRepository* repository = ovResourceStringsRepository())
        repository->AddListener(this);
}

TuiFormatController::~TuiFormatController() {
    if (TovResourceStringsRepository* repository = ovResourceStringsRepository())
        repository->RemoveListener(this);
    delete FDateTimeFormatInfo;
    delete FTimeFormatInfo;
    delete FDateFormatInfo;
}

void TuiFormatController::AddListener(IuiFormatChangeListener* AListener) {
    if (std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
        FListeners.push_back(AListener);
}

void TuiFormatController::RemoveListener(IuiFormatChangeListener* AListener) {
    FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), AListener), FListeners.end());
}

void TuiFormatController::ReadLocalSettings() {
    FLocalFormatSettings = FormatSettings;
    uiGetLocaleFormatSettings(FLocalFormatSettings);
    FLocalCalendar = uiCalendarIsGregorian(nullptr);
}

void TuiFormatController::Recalculate() {
    FCurrencyFormat = uiGetCurrencyFormatText();
    FDateEditFormat = uiGetDateEditFormat();
    ReadLocalSettings();
    const std::string timeFormat = uiGetTimeFormat();
    uiParseDateTimeFormat(FormatSettings.ShortDateFormat, FDateFormatInfo);
    uiParseDateTimeFormat(timeFormat, FTimeFormatInfo);
    uiParseDateTimeFormat(FormatSettings.ShortDateFormat + " " + timeFormat, FDateTimeFormatInfo);
    FDateEditMask = uiGetStandardMask(FDateFormatInfo, uiMaskKindDate);
    FStandardDateEditMask = FDateEditMask;
    FRegExprDateEditMask = uiGetRegExprMask(FDateFormatInfo, uiMaskKindDate);
    uiAddSmartWordsToRegExpr(FRegExprDateEditMask, false);
    FRegExprDateTimeEditMask = uiGetRegExprMask(FDateFormatInfo, uiMaskKindDate) + " ' '(" +
                               uiGetRegExprMask(FTimeFormatInfo, uiMaskKindTime) + ")?";
    uiAddSmartWordsToRegExpr(FRegExprDateTimeEditMask, true);
    FStandardDateTimeEditMask = uiGetStandardMask(FDateTimeFormatInfo, uiMaskKindDateTime);
    FMaskedDateEditFormat = uiGetDisplayFormat(FDateFormatInfo);
    FMaskedDateTimeEditFormat = uiGetDisplayFormat(FDateTimeFormatInfo);
}

void TuiFormatController::TellListeners(const std::function<void(IuiFormatChangeListener*)>& ATell) {
    // A listener may remove itself when told; the ones still listening are told in order.
    const std::vector<IuiFormatChangeListener*> listeners = FListeners;
    for (IuiFormatChangeListener* listener : listeners)
        if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) ATell(listener);
}

void TuiFormatController::NotifyFormatChanged() {
    TellListeners([](IuiFormatChangeListener* AListener) { AListener->FormatChanged(); });
}

void TuiFormatController::ResourceStringsChanged() {
    Recalculate();
    NotifyFormatChanged();
}

void TuiFormatController::WndProc(TMessage& AMessage) {
    if (AMessage.Msg == WM_SETTINGCHANGE && AMessage.WParam == 0 && AMessage.LParam != 0 &&
        SameText(reinterpret_cast<const char*>(AMessage.LParam), "intl")) {
        if (UpdateFormatSettings()) {
            SetThreadLocale(LOCALE_USER_DEFAULT);
            GetFormatSettings();
            Recalculate();
            NotifyFormatChanged();
        } else {
            ReadLocalSettings();
        }
        AMessage.Result = 0;
        return;
    }
    if (AMessage.Msg == WM_TIMECHANGE) {
        TellListeners([](IuiFormatChangeListener* AListener) {
            if (auto* timeListener = dynamic_cast<IuiTimeChangeListener*>(AListener))
                timeListener->TimeChanged();
        });
        AMessage.Result = 0;
        return;
    }
    TuiMessageWindow::WndProc(AMessage);
}

TuiFormatController* uiFormatController() {
    using namespace format_controller_detail;
    if (Controller == nullptr && !Finalized) Controller = new TuiFormatController;
    return Controller;
}

void uiAllowFormatController() {
    format_controller_detail::Finalized = false;
}

void uiFreeFormatController() {
    format_controller_detail::Finalized = true;
    FreeAndNil(format_controller_detail::Controller);
}
