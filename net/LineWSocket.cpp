#include "net/LineWSocket.h"

#include "net/NetExceptions.h"
#include "platform/rtl/Clock.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>
#include <thread>

TCustomLineWSocket::TCustomLineWSocket(TComponent* AOwner) : TCustomSocksWSocket(AOwner) {}

void TCustomLineWSocket::SetLineMode(bool Value) {
    if (Value == FLineMode) return;
    FLineMode = Value;
    if (!Value) FLineLength = 0; // an unread rest of a line is plain held data from now on
    if (FRcvdCnt > 0 || FLineLength > 0) PostMessage(GetWindowHandle(), FMsg_WM_TRIGGER_DATA, 0, 0);
}

int TCustomLineWSocket::SendLine(const std::string& Str) {
    if (Str.empty()) return 0;
    QueueData(Str.data(), static_cast<int>(Str.size()));
    SendStr(FLineEnd);
    return static_cast<int>(Str.size() + FLineEnd.size());
}

int TCustomLineWSocket::GetRcvdCount() {
    if (FLineMode) return FLineLength;
    return TCustomSocksWSocket::GetRcvdCount();
}

void TCustomLineWSocket::DropFront(int Count) {
    Count = std::clamp(Count, 0, FRcvdCnt);
    std::memmove(FRcvdPtr.data(), FRcvdPtr.data() + Count, static_cast<std::size_t>(FRcvdCnt - Count));
    FRcvdCnt -= Count;
    FRcvdPtr[static_cast<std::size_t>(FRcvdCnt)] = 0;
}

int TCustomLineWSocket::RecvInto(void* Buffer, int BufferSize) {
    // The front of the held bytes is always what the owner has not read yet.
    if (FLineMode && FLineLength > 0) {
        const int count = std::min(BufferSize, FLineLength);
        std::memcpy(Buffer, FRcvdPtr.data(), static_cast<std::size_t>(std::max(count, 0)));
        DropFront(count);
        FLineLength -= count;
        return count;
    }
    if (!FLineMode && FRcvdCnt > 0) {
        const int count = std::min(BufferSize, FRcvdCnt);
        std::memcpy(Buffer, FRcvdPtr.data(), static_cast<std::size_t>(std::max(count, 0)));
        DropFront(count);
        return count;
    }
    return TCustomSocksWSocket::RecvInto(Buffer, BufferSize);
}

void TCustomLineWSocket::TriggerLineLimitExceeded(int Cnt, bool& ClearData) {
    OnLineLimitExceeded(this, Cnt, ClearData);
}

void TCustomLineWSocket::DeliverPendingLine() {
    while (FLineMode && FLineLength > 0) {
        const int before = FLineLength;
        if (!TCustomSocksWSocket::TriggerDataAvailable(0)) {
            DropFront(FLineLength); // nobody reads lines: the line is dropped
            FLineLength = 0;
        } else if (FLineLength == before && FLineMode) {
            // The handler read nothing of the line: calling it again would never end. Drop the line.
            DropFront(FLineLength);
            FLineLength = 0;
        }
    }
}

bool TCustomLineWSocket::TriggerDataAvailable(WORD Error) {
    if (!FLineMode || FLineEnd.empty() || SocksState() != 0)
        return TCustomSocksWSocket::TriggerDataAvailable(Error);
    int count = TCustomSocksWSocket::GetRcvdCount();
    if (count < 0) return true;
    if (count == 0) count = 255;
    const std::size_t needed = static_cast<std::size_t>(FRcvdCnt) + static_cast<std::size_t>(count) + 1;
    if (FRcvdPtr.size() < needed) FRcvdPtr.resize(needed);
    int n = Receive(FRcvdPtr.data() + FRcvdCnt, count);
    if (n <= 0) {
        if (FRcvdCnt == 0) return true;
        n = 0;
    }
    if (n > 0) {
        if (FLineEdit)
            EditLine(n);
        else if (FLineEcho)
            Send(FRcvdPtr.data() + FRcvdCnt, n);
    }
    const int endLength = static_cast<int>(FLineEnd.size());
    int searchStart = std::max(0, FRcvdCnt - endLength);
    FRcvdCnt += n;
    FRcvdPtr[static_cast<std::size_t>(FRcvdCnt)] = 0;
    while (FLineMode) {
        int found = -1;
        for (int i = searchStart; i <= FRcvdCnt - endLength; ++i)
            if (std::memcmp(FRcvdPtr.data() + i, FLineEnd.data(), static_cast<std::size_t>(endLength)) == 0) {
                found = i;
                break;
            }
        if (found < 0) {
            if (FLineLimit > 0 && FRcvdCnt > FLineLimit) {
                FLineClearData = true;
                TriggerLineLimitExceeded(FRcvdCnt, FLineClearData);
                if (FLineClearData) {
                    FRcvdCnt = 0;
                    FLineLength = 0;
                    FRcvdPtr[0] = 0;
                    FLineClearData = false;
                }
            }
            return true;
        }
        FLineLength = found + endLength;
        FLineFound = true;
        DeliverPendingLine();
        if (FRcvdCnt >= 0 && !FRcvdPtr.empty()) FRcvdPtr[static_cast<std::size_t>(FRcvdCnt)] = 0;
        searchStart = 0;
        while (!FLineMode && FRcvdCnt > 0) {
            const int before = FRcvdCnt;
            TCustomSocksWSocket::TriggerDataAvailable(0);
            if (FRcvdCnt == before) break; // the owner reads nothing now: keep the bytes held
        }
    }
    return true;
}

void TCustomLineWSocket::EditLine(int& Len) {
    std::string out(FRcvdPtr.data(), static_cast<std::size_t>(FRcvdCnt));
    std::string echo;
    int lowest = FRcvdCnt;
    bool edited = false;
    for (int k = 0; k < Len; ++k) {
        const char c = FRcvdPtr[static_cast<std::size_t>(FRcvdCnt + k)];
        if (c == '\b') {
            edited = true;
            if (!out.empty()) {
                if (FLineEcho) echo += "\b \b";
                out.pop_back();
                lowest = std::min(lowest, static_cast<int>(out.size()));
            }
        } else if (c == '\t') {
            edited = true;
            do {
                out += ' ';
                if (FLineEcho) echo += ' ';
            } while (out.size() % 8 != 0);
        } else {
            out += c;
            if (FLineEcho) echo += c;
        }
    }
    if (!echo.empty()) Send(echo.data(), static_cast<int>(echo.size()));
    if (!edited) return;
    if (FRcvdPtr.size() < out.size() + 1) FRcvdPtr.resize(out.size() + 1);
    std::memcpy(FRcvdPtr.data(), out.data(), out.size());
    FRcvdPtr[out.size()] = 0;
    // Line ends are searched again from the lowest position changed.
    FRcvdCnt = lowest;
    Len = static_cast<int>(out.size()) - lowest;
}

void TCustomLineWSocket::TriggerSessionClosed(WORD Error) {
    if (!FRcvdPtr.empty()) {
        if (FLineMode && FRcvdCnt > 0 && !FLineClearData) {
            // What is held without a line end reaches the owner as a last line.
            FLineLength = FRcvdCnt;
            DeliverPendingLine();
        }
        FRcvdPtr.clear();
        FRcvdPtr.shrink_to_fit();
        FRcvdCnt = 0;
        FLineLength = 0;
    }
    TCustomSocksWSocket::TriggerSessionClosed(Error);
}

void TCustomLineWSocket::HandleMessage(TNetMessage& Msg) {
    if (Msg.Msg != FMsg_WM_TRIGGER_DATA || Msg.Msg == 0) return TCustomSocksWSocket::HandleMessage(Msg);
    try {
        HandleLineDataTrigger();
    } catch (Exception& e) {
        HandleBackgroundError(e);
    }
}

void TCustomLineWSocket::HandleLineDataTrigger() {
    int idlePasses = 0;
    while (FRcvdCnt > 0) {
        const int before = FRcvdCnt;
        FLineFound = false;
        TriggerDataAvailable(0);
        if (FRcvdCnt == 0) break;
        if (FLineMode ? !FLineFound && ++idlePasses > 3 : FRcvdCnt == before) break;
    }
}

int TCustomSyncWSocket::RunAndWait(const std::function<void()>& Proc, bool& Flag) {
    Flag = false;
    if (Proc) Proc();
    return WaitForFlag(Flag);
}

int TCustomSyncWSocket::WaitForFlag(bool& Flag) {
    const std::uint64_t deadline = CurrentClock().TickCount64() + FTimeout;
    for (;;) {
        if (Flag) return 0;
        if ((FTimeout > 0 && CurrentClock().TickCount64() > deadline) || Terminated()) return 12001;
        PumpMessages();
        if (Flag) return 0;
        // Sleep until a message or a socket may have come, a little at a time.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
