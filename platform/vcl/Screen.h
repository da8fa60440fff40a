// TScreen: the desktop as the class library reports it: the forms in their z-order of activation, the
// active form and control, the cursor and the registered cursors, the installed font names, the
// screen's size, work area and monitors, its resolution, and the fonts of hints, menus and icons.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/ControlTypes.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class TFont;
class TStringList;
class TCustomForm;
class TWinControl;

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

class TMonitor : public TObject {
public:
    TMonitor(HMONITOR AHandle, int ANumber) : FHandle(AHandle), FMonitorNum(ANumber) {}
    HMONITOR Handle() const { return FHandle; }
    int MonitorNum() const { return FMonitorNum; }
    RECT BoundsRect() const;
    RECT WorkareaRect() const;
    bool Primary() const;
    int Left() const { return BoundsRect().left; }
    int Top() const { return BoundsRect().top; }
    int Width() const;
    int Height() const;
    int PixelsPerInch() const { return 96; }

private:
    HMONITOR FHandle;
    int FMonitorNum;
};

class TScreen : public TObject {
public:
    TScreen();
    ~TScreen() override;

    // ---- Forms
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const;
    int CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(int Index) const { return Forms(Index); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TCustomForm* ActiveCustomForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    TCustomForm* FocusedForm() const { return FFocusedForm; }
    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // ---- Cursors
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The cursor handle of a number (the arrow for an unknown one).
    HCURSOR Cursors(TCursor Index) const;
    // Registers a program's cursor under a positive number (null removes it).
    void SetCursors(TCursor Index, HCURSOR Handle);
    int CursorCount() const { return FCursorCount; }

    // ---- Desktop
    // The names of the installed font families, sorted.
    TStringList* Fonts();
    int Width() const;
    int Height() const;
    int DesktopLeft() const;
    int DesktopTop() const;
    int DesktopWidth() const;
    int DesktopHeight() const;
    RECT DesktopRect() const;
    RECT WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().left; }
    int WorkAreaTop() const { return WorkAreaRect().top; }
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;
    int MonitorCount();
    TMonitor* Monitors(int Index);
    TMonitor* PrimaryMonitor();
    TMonitor* MonitorFromPoint(POINT P, TMonitorDefaultTo Default = mdNearest);
    TMonitor* MonitorFromRect(const RECT& R, TMonitorDefaultTo Default = mdNearest);
    TMonitor* MonitorFromWindow(HWND Handle, TMonitorDefaultTo Default = mdNearest);
    int PixelsPerInch() const { return 96; }
    TFont* HintFont() const { return FHintFont.get(); }
    TFont* MenuFont() const { return FMenuFont.get(); }
    TFont* IconFont() const { return FIconFont.get(); }
    // Reads the system's fonts again (after a settings change).
    void ResetFonts();

    // ---- Kept by forms and controls
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    // Makes a form the first of the list and the active one.
    void SetActiveForm(TCustomForm* Form);
    void SetFocusedForm(TCustomForm* Form) { FFocusedForm = Form; }
    void SetActiveControl(TWinControl* Control);
    void ControlDestroyed(TWinControl* Control);

private:
    TMonitor* MonitorOf(HMONITOR Handle);
    void UpdateCursor();

    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TCustomForm* FFocusedForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    int FCursorCount = 0;
    std::map<TCursor, HCURSOR> FCursors;
    std::unique_ptr<TStringList> FFonts;
    std::vector<std::unique_ptr<TMonitor>> FMonitors;
    std::unique_ptr<TFont> FHintFont;
    std::unique_ptr<TFont> FMenuFont;
    std::unique_ptr<TFont> FIconFont;
};

// The application's screen (null before the class library starts and after it ends).
TScreen* Screen();
void SetScreenInstance(TScreen* Value);
