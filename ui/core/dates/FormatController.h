// The format controller: one hidden window per process that keeps the date, time and currency formats
// the library's date editors use, derived from the user's locale and the class library's settings. It
// works them out again when the regional settings or the library's texts change and tells its
// listeners; it also passes on changes of the system time.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "ui/core/base/MessageWindow.h"
#include "ui/core/base/ResourceStrings.h"
#include "ui/core/dates/DateTimeFormats.h"

#include <functional>
#include <string>
#include <vector>

class IuiFormatChangeListener {
public:
    virtual ~IuiFormatChangeListener() = default;
    virtual void FormatChanged() = 0;
};

// Listeners that also implement this one hear of changes of the system time.
class IuiTimeChangeListener {
public:
    virtual ~IuiTimeChangeListener() = default;
    virtual void TimeChanged() = 0;
};

class TuiFormatController : public TuiMessageWindow, private IovResourceStringsListener {
public:
    TuiFormatController();
    ~TuiFormatController() override;

    // Listeners are held once each and not owned; each removes itself before it goes.
    virtual void AddListener(IuiFormatChangeListener* AListener);
    virtual void RemoveListener(IuiFormatChangeListener* AListener);
    int ListenerCount() const { return static_cast<int>(FListeners.size()); }

    const std::string& CurrencyFormat() const { return FCurrencyFormat; }
    const std::string& DateEditFormat() const { return FDateEditFormat; }
    const std::string& DateEditMask() const { return FDateEditMask; }
    const std::string& StandardDateEditMask() const { return FStandardDateEditMask; }
    const std::string& RegExprDateEditMask() const { return FRegExprDateEditMask; }
    const std::string& RegExprDateTimeEditMask() const { return FRegExprDateTimeEditMask; }
    const std::string& StandardDateTimeEditMask() const { return FStandardDateTimeEditMask; }
    const std::string& MaskedDateEditFormat() const { return FMaskedDateEditFormat; }
    const std::string& MaskedDateTimeEditFormat() const { return FMaskedDateTimeEditFormat; }
    // The locale's own date and time settings, read with uiGetLocaleFormatSettings.
    const TFormatSettings& LocalFormatSettings() const { return FLocalFormatSettings; }
    // Whether the locale's calendar is one of the Gregorian ones.
    bool LocalCalendarIsGregorian() const { return FLocalCalendar; }
    TuiDateTimeFormatInfo* DateFormatInfo() const { return FDateFormatInfo; }
    TuiDateTimeFormatInfo* TimeFormatInfo() const { return FTimeFormatInfo; }
    TuiDateTimeFormatInfo* DateTimeFormatInfo() const { return FDateTimeFormatInfo; }

protected:
    void WndProc(TMessage& AMessage) override;

private:
    void ResourceStringsChanged() override;
    void Recalculate();
    void ReadLocalSettings();
    void NotifyFormatChanged();
    void TellListeners(const std::function<void(IuiFormatChangeListener*)>& ATell);

    std::vector<IuiFormatChangeListener*> FListeners;
    TuiDateTimeFormatInfo* FDateFormatInfo;
    TuiDateTimeFormatInfo* FTimeFormatInfo;
    TuiDateTimeFormatInfo* FDateTimeFormatInfo;
    std::string FCurrencyFormat;
    std::string FDateEditFormat;
    std::string FDateEditMask;
    std::string FStandardDateEditMask;
    std::string FRegExprDateEditMask;
    std::string FRegExprDateTimeEditMask;
    std::string FStandardDateTimeEditMask;
    std::string FMaskedDateEditFormat;
    std::string FMaskedDateTimeEditFormat;
    TFormatSettings FLocalFormatSettings;
    bool FLocalCalendar = true;
};

// The controller, made on first use; null after the unit's end.
TuiFormatController* uiFormatController();
// Unit start and end.
void uiAllowFormatController();
void uiFreeFormatController();
