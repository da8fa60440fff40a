// The system "EDIT" window class on the class library's edit control: a window that anyone makes with
// CreateWindowEx("EDIT", ...) — and may subclass — types, selects, scrolls, uses the clipboard and answers
// the edit messages exactly as TEdit does, because a TCustomEdit drives it. Apart from TEdit it keeps to
// the system's rules: the parent chooses its colours (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC when read-only
// or disabled), hears of every change (WM_COMMAND with EN_CHANGE; not for WM_SETTEXT on an ES_MULTILINE
// window), gives it its font (WM_SETFONT), and its frame is the window style's. To the class library the
// window stays a foreign one: keys reach the nearest class-library window first, notifications reach the
// parent as they are. InitializeVcl supplies the class to the window system.
#pragma once

void RegisterSystemEditClass();
