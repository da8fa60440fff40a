// Dropping and blocking window messages: removing queued messages, a list of locked message ids, and a
// one-shot block that swallows the next message a window receives.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <initializer_list>
#include <vector>

class TovMessagesController : public TObject {
public:
    ~TovMessagesController() override;
    // Removes queued messages of AWnd from AFirst to ALast (only AFirst when ALast is 0): the first match,
    // or all when AAll. A WM_QUIT met on the way is posted again and ends the search. True when a
    // message other than WM_QUIT was removed.
    bool KillMessages(HWND AWnd, UINT AFirst, UINT ALast = 0, bool AAll = true);
    bool IsMessageLocked(UINT AMsg) const;
    // Each id is added once per call; the same id may be locked several times.
    void LockMessages(std::initializer_list<UINT> AMessages);
    // Removes one occurrence of each id.
    void UnlockMessages(std::initializer_list<UINT> AMessages);
    // The next message AWnd receives is answered 1 and never reaches the window; then its procedure is
    // back. Raises EovException "ovLockMessage fails" while another block is pending.
    void BlockWindowProc(HWND AWnd);
    // When AMsg is locked: blocks AWnd's next message and sets AMsg to 0.
    void CheckLockedMessage(HWND AWnd, UINT& AMsg);
    bool IsBlockPending() const;

private:
    std::vector<UINT> FBlockedMessageIds;
};
