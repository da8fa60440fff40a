// Line mode on top of the socket: received bytes are collected and handed to the owner one complete
// line at a time (line end included), with a limit for unterminated lines, echo and simple editing.
// TCustomSyncWSocket adds waiting for a flag while pumping messages; TWSocket is the class clients use.
#pragma once

#include "net/SocksWSocket.h"

#include <vector>

// Sender, the length held, and whether to drop it (true on entry).
using TLineLimitEvent = TEvent<TObject*, int, bool&>;

class TCustomLineWSocket : public TCustomSocksWSocket {
public:
    explicit TCustomLineWSocket(TComponent* AOwner);

    bool LineMode() const { return FLineMode; }
    // A change re-delivers what is held.
    virtual void SetLineMode(bool Value);
    const std::string& LineEnd() const { return FLineEnd; }
    void SetLineEnd(const std::string& Value) { FLineEnd = Value; }
    int LineLimit() const { return FLineLimit; }
    void SetLineLimit(int Value) { FLineLimit = Value; }
    bool LineEcho() const { return FLineEcho; }
    void SetLineEcho(bool Value) { FLineEcho = Value; }
    bool LineEdit() const { return FLineEdit; }
    void SetLineEdit(bool Value) { FLineEdit = Value; }
    // Bytes of the current line not read yet.
    int LineLength() const { return FLineLength; }
    int RcvdCount() const { return FRcvdCnt; }

    // Sends the text and the line end; nothing (and 0) for empty text.
    virtual int SendLine(const std::string& Str);
    int GetRcvdCount() override;
    void HandleMessage(TNetMessage& Msg) override;

    TLineLimitEvent OnLineLimitExceeded;

protected:
    bool TriggerDataAvailable(WORD Error) override;
    void TriggerSessionClosed(WORD Error) override;
    int RecvInto(void* Buffer, int BufferSize) override;
    virtual void TriggerLineLimitExceeded(int Cnt, bool& ClearData);
    virtual void EditLine(int& Len);

private:
    void DeliverPendingLine();
    void DropFront(int Count);
    void HandleLineDataTrigger();

    bool FLineMode = false;
    std::string FLineEnd = "\r\n";
    int FLineLimit = 65536;
    bool FLineEcho = false;
    bool FLineEdit = false;
    std::vector<char> FRcvdPtr; // held bytes, followed by a zero byte
    int FRcvdCnt = 0;
    int FLineLength = 0;
    bool FLineFound = false;
    bool FLineClearData = false;
};

class TCustomSyncWSocket : public TCustomLineWSocket {
public:
    using TCustomLineWSocket::TCustomLineWSocket;

    // Clears the flag, runs the procedure and waits for the flag.
    int RunAndWait(const std::function<void()>& Proc, bool& Flag);
    // 0 once the flag is set; 12001 after Timeout milliseconds (0: no limit) or when the loop ends.
    int WaitForFlag(bool& Flag);
    DWORD Timeout() const { return FTimeout; }
    void SetTimeout(DWORD Value) { FTimeout = Value; }

private:
    DWORD FTimeout = 0;
};

class TWSocket : public TCustomSyncWSocket {
public:
    using TCustomSyncWSocket::TCustomSyncWSocket;
};
