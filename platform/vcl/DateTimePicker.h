// TDateTimePicker: a field that shows a date (Kind dtkDate) or a time (dtkTime) in a format such as
// "HH:mm:ss" or "M/d/yyyy", with up and down arrows at its right. One part is current: Left and Right
// (or a click) choose it, Up and Down or the arrows step it (wrapping inside its range), digits type it,
// A and P set the half of the day. OnChange fires when the user changes the value.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/DateTimePickerFormat.h"

#include <string>
#include <vector>

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode Value) { FDateMode = Value; }
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat Value);
    // Empty: the locale's short (or long) date, or its long time, by Kind.
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& Value);

    TDateTime DateTime() const;
    void SetDateTime(TDateTime Value);
    // The date part (whole days) and the time part (the fraction); setting one keeps the other.
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);

    // The text the field shows, and the index (among the format's fields) of the current part.
    std::string DisplayText() const;
    int CurrentField() const { return FCurrent; }
    const std::vector<TPickerField>& Fields() const { return FFields; }
    // The arrows' rectangle in client coordinates.
    RECT ArrowsRect();

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TKeyChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void RebuildFields();
    void MoveCurrent(int Direction);
    void Step(int Delta);
    void UserChanged(const TPickerParts& Parts);
    int FieldAt(int X);
    int TextLeft() const { return 4; }

    TDateTimeKind FKind = dtkDate;
    TDTDateMode FDateMode = dmComboBox;
    TDTDateFormat FDateFormat = dfShort;
    std::string FFormat;
    std::vector<TPickerField> FFields;
    TPickerParts FParts;
    int FCurrent = -1;
    std::string FTyped; // digits typed into the current part
};
