// The shared service objects of the message-window unit, each made on first use and freed at the
// library's shut-down, after which the accessors answer null until the next start-up.
#pragma once

class TuiMessageWindow;
class TovSystemInfo;
class TovMessagesController;
class TuiWindowProcController;

TuiMessageWindow* uiMessageWindow();
TovSystemInfo* ovSystemInfo();
TovMessagesController* ovMessagesController();
TuiWindowProcController* uiWindowProcController();
// The controller when it exists, without making it.
TuiWindowProcController* uiWindowProcControllerIfExists();

// Frees the objects above; until uiStartServiceObjects they are not made again.
void uiFreeServiceObjects();
void uiStartServiceObjects();
bool uiServiceObjectsFinalized();
