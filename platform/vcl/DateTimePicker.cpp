#include "platform/vcl/DateTimePicker.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <cctype>
#include <cmath>

namespace datetimepicker_detail {

constexpr int ArrowsWidth = 15;

// The locale's formats use the general formatting letters; the picker's letters differ for minutes
// ("nn" there, "mm" here) and the half of the day ("AMPM" there, "tt" here).
std::string PickerFormatFromLocale(std::string Format) {
    std::string result;
    for (std::size_t i = 0; i < Format.size(); ++i) {
        if (Format.compare(i, 4, "AMPM") == 0) {
            result += "tt";
            i += 3;
        } else if (Format[i] == 'n') {
            result += 'm';
        } else if (Format[i] == 'm') {
            result += 'M';
        } else {
            result += Format[i];
        }
    }
    return result;
}

TPickerParts PartsOf(TDateTime Value) {
    std::uint16_t y, mo, d, h, mi, s, ms;
    DecodeDateTime(Value, y, mo, d, h, mi, s, ms);
    return TPickerParts{y, mo, d, h, mi, s, ms};
}

void DrawArrow(HDC DC, int CenterX, int CenterY, bool Up, COLORREF Color) {
    for (int row = 0; row < 3; ++row) {
        const int y = Up ? CenterY - 1 + row : CenterY + 1 - row;
        for (int x = CenterX - row; x <= CenterX + row; ++x)
            ::SetPixel(DC, x, y, Color);
    }
}

} // namespace datetimepicker_detail

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csSetCaption, csOpaque, csFramed};
    FWidth = 186;
    FHeight = 21;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FParts = datetimepicker_detail::PartsOf(Now());
    RebuildFields();
}

void TDateTimePicker::RebuildFields() {
    std::string format = FFormat;
    if (format.empty()) {
        const std::string& locale = FKind == dtkTime         ? FormatSettings.LongTimeFormat
                                    : FDateFormat == dfShort ? FormatSettings.ShortDateFormat
                                                             : FormatSettings.LongDateFormat;
        format = datetimepicker_detail::PickerFormatFromLocale(locale);
    }
    FFields = ParsePickerFormat(format);
    FCurrent = -1;
    for (int i = 0; i < static_cast<int>(FFields.size()); ++i)
        if (FFields[i].Editable()) {
            FCurrent = i;
            break;
        }
    FTyped.clear();
    Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
    if (FKind == Value) return;
    FKind = Value;
    RebuildFields();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
    if (FDateFormat == Value) return;
    FDateFormat = Value;
    RebuildFields();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
    if (FFormat == Value) return;
    FFormat = Value;
    RebuildFields();
}

TDateTime TDateTimePicker::DateTime() const {
    return EncodeDateTime(FParts.Year, FParts.Month, FParts.Day, FParts.Hour, FParts.Minute, FParts.Second,
                          FParts.Millisecond);
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
    FParts = datetimepicker_detail::PartsOf(Value);
    FTyped.clear();
    Invalidate();
}

TDateTime TDateTimePicker::Date() const {
    return EncodeDate(FParts.Year, FParts.Month, FParts.Day);
}

void TDateTimePicker::SetDate(TDateTime Value) {
    const TPickerParts date = datetimepicker_detail::PartsOf(Value);
    FParts.Year = date.Year;
    FParts.Month = date.Month;
    FParts.Day = date.Day;
    Invalidate();
}

TDateTime TDateTimePicker::Time() const {
    return EncodeTime(FParts.Hour, FParts.Minute, FParts.Second, FParts.Millisecond);
}

void TDateTimePicker::SetTime(TDateTime Value) {
    // Only the fraction counts: a whole date-time sets the time of day it holds.
    const TPickerParts time = datetimepicker_detail::PartsOf(Value - std::floor(Value));
    FParts.Hour = time.Hour;
    FParts.Minute = time.Minute;
    FParts.Second = time.Second;
    FParts.Millisecond = time.Millisecond;
    Invalidate();
}

std::string TDateTimePicker::DisplayText() const {
    std::string text;
    for (const TPickerField& field : FFields)
        text += PickerFieldText(field, FParts);
    return text;
}

RECT TDateTimePicker::ArrowsRect() {
    const RECT client = ClientRect();
    return RECT{client.right - 2 - datetimepicker_detail::ArrowsWidth, 2, client.right - 2,
                client.bottom - 2};
}

void TDateTimePicker::UserChanged(const TPickerParts& Parts) {
    const bool changed = Parts.Year != FParts.Year || Parts.Month != FParts.Month ||
                         Parts.Day != FParts.Day || Parts.Hour != FParts.Hour ||
                         Parts.Minute != FParts.Minute || Parts.Second != FParts.Second;
    FParts = Parts;
    Invalidate();
    if (changed) OnChange(this);
}

void TDateTimePicker::Step(int Delta) {
    if (FCurrent < 0) return;
    TPickerParts parts = FParts;
    StepPickerField(FFields[FCurrent].Kind, Delta, parts);
    FTyped.clear();
    UserChanged(parts);
}

void TDateTimePicker::MoveCurrent(int Direction) {
    FTyped.clear();
    const int count = static_cast<int>(FFields.size());
    for (int i = FCurrent + Direction; i >= 0 && i < count; i += Direction)
        if (FFields[i].Editable()) {
            FCurrent = i;
            Invalidate();
            return;
        }
}

int TDateTimePicker::FieldAt(int X) {
    int x = TextLeft();
    int nearest = -1;
    for (int i = 0; i < static_cast<int>(FFields.size()); ++i) {
        const int width = StdCtrlsTextExtent(Font(), PickerFieldText(FFields[i], FParts)).cx;
        if (FFields[i].Editable()) {
            nearest = nearest < 0 || X >= x ? i : nearest;
            if (X >= x && X < x + width) return i;
        }
        x += width;
    }
    return nearest;
}

void TDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
        MoveCurrent(-1);
        break;
    case VK_RIGHT:
        MoveCurrent(1);
        break;
    case VK_UP:
        Step(1);
        break;
    case VK_DOWN:
        Step(-1);
        break;
    default:
        return;
    }
    Key = 0;
}

void TDateTimePicker::KeyPress(TKeyChar& Key) {
    TCustomControl::KeyPress(Key);
    if (FCurrent < 0 || Key == 0) return;
    const TPickerField& field = FFields[FCurrent];
    if (field.Kind == TPickerFieldKind::AmPm) {
        const char c = static_cast<char>(Key < 0x80 ? std::tolower(static_cast<int>(Key)) : 0);
        TPickerParts parts = FParts;
        if (c == 'a' && parts.Hour >= 12) parts.Hour -= 12;
        if (c == 'p' && parts.Hour < 12) parts.Hour += 12;
        if (c == 'a' || c == 'p') {
            Key = 0;
            UserChanged(parts);
        }
        return;
    }
    if (Key < '0' || Key > '9') return;
    const char digit = static_cast<char>(Key);
    Key = 0;
    const int digits = PickerFieldDigits(field);
    FTyped.push_back(digit);
    TPickerParts parts = FParts;
    if (field.Kind == TPickerFieldKind::Year) {
        // A year takes effect once all its digits are there.
        if (static_cast<int>(FTyped.size()) < digits) return;
        int year = std::stoi(FTyped);
        if (digits == 2) year += year < 50 ? 2000 : 1900;
        FTyped.clear();
        if (SetPickerField(field.Kind, year, parts)) UserChanged(parts);
        return;
    }
    if (!SetPickerField(field.Kind, std::stoi(FTyped), parts)) {
        // A digit that does not fit after the ones before starts the number again; one that does not
        // fit alone (a 0 for a day) waits for the next.
        FTyped.assign(1, digit);
        parts = FParts;
        if (!SetPickerField(field.Kind, digit - '0', parts)) return;
    }
    if (static_cast<int>(FTyped.size()) >= digits) FTyped.clear();
    UserChanged(parts);
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const RECT arrows = ArrowsRect();
        if (X >= arrows.left && X < arrows.right && Y >= arrows.top && Y < arrows.bottom) {
            Step(Y < (arrows.top + arrows.bottom) / 2 ? 1 : -1);
        } else {
            const int field = FieldAt(X);
            if (field >= 0 && field != FCurrent) {
                FCurrent = field;
                FTyped.clear();
                Invalidate();
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TDateTimePicker::Paint() {
    using namespace datetimepicker_detail;
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Enabled() ? Color() : clBtnFace);
    ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    const bool focused = Focused();
    int x = TextLeft();
    for (int i = 0; i < static_cast<int>(FFields.size()); ++i) {
        const std::string text = PickerFieldText(FFields[i], FParts);
        const int width = StdCtrlsTextExtent(Font(), text).cx;
        RECT r{x, 2, x + width, client.bottom - 2};
        const bool current = focused && i == FCurrent;
        if (current) StdCtrlsFill(dc, r, clHighlight);
        ::SetTextColor(dc, ColorToRGB(!Enabled() ? clGrayText : current ? clHighlightText : Font()->Color()));
        ::DrawText(dc, text.c_str(), static_cast<int>(text.size()), &r,
                   DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        x += width;
    }
    ::RestoreDC(dc, saved);
    // The arrows: two raised buttons stacked.
    const RECT arrows = ArrowsRect();
    const int middle = (arrows.top + arrows.bottom) / 2;
    RECT up{arrows.left, arrows.top, arrows.right, middle};
    RECT down{arrows.left, middle, arrows.right, arrows.bottom};
    const COLORREF arrowColor = ColorToRGB(Enabled() ? clBtnText : clGrayText);
    for (RECT* button : {&up, &down}) {
        StdCtrlsFill(dc, *button, clBtnFace);
        ::DrawEdge(dc, button, EDGE_RAISED, BF_RECT);
    }
    DrawArrow(dc, (up.left + up.right) / 2, (up.top + up.bottom) / 2, true, arrowColor);
    DrawArrow(dc, (down.left + down.right) / 2, (down.top + down.bottom) / 2, false, arrowColor);
}

void TDateTimePicker::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FTyped.clear();
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
