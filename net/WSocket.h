// TCustomWSocket: the event-driven TCP/UDP socket. Operations start work and return; the system's
// notifications arrive as messages on the socket's hidden window and become events on the owner.
#pragma once

#include "net/NetWndControl.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"

#include <cstdint>
#include <memory>
#include <string>

#include "net/NetLogger.h"

class TNetBufferHandler;
class TStringList;

enum TSocketState {
    wsInvalidState,
    wsOpened,
    wsBound,
    wsConnecting,
    wsSocksConnected,
    wsConnected,
    wsAccepting,
    wsListening,
    wsClosed
};
enum TSocketSendFlags { wsSendNormal, wsSendUrgent };
enum TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };
enum TSocketKeepAliveOnOff { wsKeepAliveOff, wsKeepAliveOnCustom, wsKeepAliveOnSystem };
enum TWSocketOption { wsoNoReceiveLoop, wsoTcpNoDelay, wsoSIO_RCVALL };
using TWSocketOptions = Set<TWSocketOption, 8>;

using TSocket = int;
constexpr TSocket INVALID_SOCKET = -1;

// The system's IPv4 address block: family, port and address in network byte order.
struct TSockAddrIn {
    std::uint16_t sin_family = 2;
    std::uint16_t sin_port = 0;
    std::uint32_t sin_addr = 0;
    std::uint8_t sin_zero[8] = {};
};

using TDataAvailable = TEvent<TObject*, WORD>;
using TDataSent = TEvent<TObject*, WORD>;
using TSessionClosed = TEvent<TObject*, WORD>;
using TSessionAvailable = TEvent<TObject*, WORD>;
using TSessionConnected = TEvent<TObject*, WORD>;
using TDnsLookupDone = TEvent<TObject*, WORD>;
using TSendData = TEvent<TObject*, int>;
using TChangeState = TEvent<TObject*, TSocketState, TSocketState>;

class TCustomWSocket : public TNetWndControl {
public:
    explicit TCustomWSocket(TComponent* AOwner);
    ~TCustomWSocket() override;

    // Connection life.
    virtual void Connect();
    virtual void Listen();
    virtual TSocket Accept();
    virtual void Dup(TSocket NewHSocket);
    virtual void Close();
    virtual void CloseDelayed();
    virtual void Abort();
    virtual void Shutdown(int How);
    virtual void Flush();
    virtual void WaitForClose();
    virtual void Pause();
    virtual void Resume();

    // Data transfer.
    virtual int Send(const void* Data, int Len);
    int SendStr(const std::string& Str);
    int SendChar(char C);
    virtual int SendTo(const TSockAddrIn& Dest, const void* Data, int Len);
    virtual void QueueData(const void* Data, int Len);
    virtual int Receive(void* Buffer, int BufferSize);
    virtual std::string ReceiveStr();
    virtual int ReceiveFrom(void* Buffer, int BufferSize, TSockAddrIn& From);
    virtual int GetRcvdCount();

    // Name look-ups that do not block; OnDnsLookupDone reports the outcome.
    virtual void DnsLookup(const std::string& HostName);
    virtual void ReverseDnsLookup(const std::string& HostAddr);
    virtual void ReverseDnsLookupSync(const std::string& HostAddr);
    virtual void CancelDnsLookup();
    const std::string& DnsResult() const { return FDnsResult; }
    TStringList& DnsResultList() const { return *FDnsResultList; }

    // Addresses. GetPeerName is -1 unless connected; both give the system's result otherwise.
    int GetPeerName(TSockAddrIn& Name);
    int GetSockName(TSockAddrIn& Name);
    std::string GetPeerAddr();
    std::string GetPeerPort();
    std::string GetBoundAddr();
    std::string GetBoundPort();

    // Options.
    void SetSocketRcvBufSize(int Size);
    void SetSocketSndBufSize(int Size);
    int SocketRcvBufSize() const { return FSocketRcvBufSize; }
    int SocketSndBufSize() const { return FSocketSndBufSize; }
    int BufSize() const;
    void SetBufSize(int Value);

    // Properties.
    const std::string& Addr() const { return FAddrStr; }
    void SetAddr(const std::string& Value);
    const std::string& Port() const { return FPortStr; }
    void SetPort(const std::string& Value);
    const std::string& Proto() const { return FProtoStr; }
    void SetProto(const std::string& Value);
    const std::string& LocalAddr() const { return FLocalAddr; }
    void SetLocalAddr(const std::string& Value);
    const std::string& LocalPort() const { return FLocalPortStr; }
    void SetLocalPort(const std::string& Value);
    TSocketState State() const { return FState; }
    TSocket HSocket() const { return FHSocket; }
    bool AllSent() const { return FAllSent; }
    bool Paused() const { return FPaused; }
    int LastError() const { return FLastError; }
    void SetLastError(int Value) { FLastError = Value; }
    int QueuedBytes() const { return FQueuedBytes; }
    std::int64_t BytesReceived() const { return FBytesReceived; }
    TWSocketOptions ComponentOptions() const { return FComponentOptions; }
    void SetComponentOptions(TWSocketOptions Value) { FComponentOptions = Value; }
    int ListenBacklog() const { return FListenBacklog; }
    void SetListenBacklog(int Value) { FListenBacklog = Value; }
    TSocketSendFlags SendFlags() const;
    void SetSendFlags(int Value);
    TSocketLingerOnOff LingerOnOff() const { return FLingerOnOff; }
    void SetLingerOnOff(TSocketLingerOnOff Value) { FLingerOnOff = Value; }
    int LingerTimeout() const { return FLingerTimeout; }
    void SetLingerTimeout(int Value) { FLingerTimeout = Value; }
    TSocketKeepAliveOnOff KeepAliveOnOff() const { return FKeepAliveOnOff; }
    void SetKeepAliveOnOff(TSocketKeepAliveOnOff Value) { FKeepAliveOnOff = Value; }
    int KeepAliveTime() const { return FKeepAliveTime; }
    void SetKeepAliveTime(int Value) { FKeepAliveTime = Value; }
    int KeepAliveInterval() const { return FKeepAliveInterval; }
    void SetKeepAliveInterval(int Value) { FKeepAliveInterval = Value; }
    bool MultiCast() const { return FMultiCast; }
    void SetMultiCast(bool Value) { FMultiCast = Value; }
    const std::string& MultiCastAddrStr() const { return FMultiCastAddrStr; }
    void SetMultiCastAddrStr(const std::string& Value) { FMultiCastAddrStr = Value; }
    int MultiCastIpTTL() const { return FMultiCastIpTTL; }
    void SetMultiCastIpTTL(int Value) { FMultiCastIpTTL = Value; }
    bool ReuseAddr() const { return FReuseAddr; }
    void SetReuseAddr(bool Value) { FReuseAddr = Value; }
    int FlushTimeout() const { return FFlushTimeout; }
    void SetFlushTimeout(int Value) { FFlushTimeout = Value; }
    std::uint8_t ReqVerLow() const;
    void SetReqVerLow(std::uint8_t Value);
    std::uint8_t ReqVerHigh() const;
    void SetReqVerHigh(std::uint8_t Value);
    TNetLogger* NetLogger() const { return FNetLogger; }
    void SetNetLogger(TNetLogger* Value);

    // Events.
    TDataAvailable OnDataAvailable;
    TDataSent OnDataSent;
    TSendData OnSendData;
    TSessionClosed OnSessionClosed;
    TSessionAvailable OnSessionAvailable;
    TSessionConnected OnSessionConnected;
    TChangeState OnChangeState;
    TDnsLookupDone OnDnsLookupDone;
    TNotifyEvent OnError;

    void HandleMessage(TNetMessage& Msg) override;
    void HandleBackgroundError(Exception& E) override;
    void AttachToThread() override;
    void DetachFromThread() override;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    int MessageCountNeeded() const override { return 7; }
    void RegisterMessages() override;
    void UnregisterMessages() override;
    void AbortOnError() override { Abort(); }

    // Error reporting: OnError when assigned, else ESocketException.
    virtual void RaiseError(const std::string& Msg);
    // Sets one part of the remote end point (its text, whether it is given, and that it must be resolved
    // again); refused while the socket is not closed.
    void SetEndPointPart(const char* Name, const std::string& Value, std::string& Text, bool& Assigned,
                         bool& Resolved);
    void ReportWinsockError(const std::string& Operation);
    void ChangeState(TSocketState NewState);
    virtual void ResetDefaults();
    virtual void CloseSocket(bool ShutdownFirst, int Error);
    virtual void AbortSocket(int Error);
    // False (after reporting) when the socket could not be bound.
    bool BindSocket();
    void ApplyLinger();
    void ApplyKeepAlive();
    void DiscardSendBuffer();
    void RequestEvents();

    // Event triggers; the proxy and line layers override some of them.
    virtual bool TriggerDataAvailable(WORD Error);
    virtual void TriggerSessionAvailable(WORD Error);
    virtual void NotifyConnected(WORD Error);
    virtual void TriggerSessionConnected(WORD Error);
    virtual void TriggerSessionClosed(WORD Error);
    virtual void TriggerDataSent(WORD Error);
    virtual void TriggerSendData(int BytesSent);
    virtual void TriggerChangeState(TSocketState OldState, TSocketState NewState);
    virtual void TriggerDnsLookupDone(WORD Error);
    virtual void TriggerError();

    virtual void HandleSelectEvent(TNetMessage& Msg);
    virtual void HandleConnectEvent(WORD Error);
    virtual void HandleReadEvent(WORD Error);
    virtual void HandleWriteEvent(WORD Error);
    virtual void HandleAcceptEvent(WORD Error);
    virtual void HandleCloseEvent(WORD Error);
    void HandleDnsReply(TNetMessage& Msg);
    void HandleReverseDnsReply(TNetMessage& Msg);

    // 3.126: the receive loop and the send drain.
    void DeliverReceivedData(WORD Error, TWSocketOptions Options);
    virtual int RecvInto(void* Buffer, int BufferSize);
    virtual void TryToSend();
    virtual int TransmitBlock(const void* Data, int Len);

    bool LogEnabled(TLogOption Option) const;
    void WriteLog(TLogOption Option, const std::string& Text);
    std::string ObjectAddressText() const;

    bool Destroying() const { return ComponentState().Contains(csDestroying) || FDestroying; }

    TSocket FHSocket = INVALID_SOCKET;
    TSocketState FState = wsClosed;
    TSockAddrIn FSin;
    int FType = 1; // 1 stream, 2 datagram, 3 raw
    int FProto = 6;
    std::string FAddrStr, FPortStr, FProtoStr = "tcp", FLocalAddr = "0.0.0.0", FLocalPortStr = "0";
    bool FAddrAssigned = false, FAddrResolved = false;
    bool FPortAssigned = false, FPortResolved = false;
    bool FProtoAssigned = true, FProtoResolved = false;
    bool FLocalPortResolved = false;
    std::uint16_t FPortNum = 0, FLocalPortNum = 0;
    long FEventMask = 0;
    bool FAllSent = true;
    bool FPaused = false;
    bool FCloseReported = false;
    int FQueuedBytes = 0;
    std::int64_t FBytesReceived = 0;
    int FLastError = 0;
    int FSocketSndBufSize = 0, FSocketRcvBufSize = 0;
    UINT FMsg_WM_ASYNCSELECT = 0, FMsg_WM_ASYNCGETHOSTBYNAME = 0, FMsg_WM_ASYNCGETHOSTBYADDR = 0,
         FMsg_WM_CLOSE_DELAYED = 0, FMsg_WM_WSOCKET_RELEASE = 0, FMsg_WM_TRIGGER_DATA = 0;

private:
    void StartLookup(bool Reverse, std::uint32_t Address, const std::string& Host);
    void CancelPendingLookup();

    std::unique_ptr<TNetBufferHandler> FBufHandler;
    std::unique_ptr<TStringList> FDnsResultList;
    std::string FDnsResult;
    std::uint64_t FDnsLookupHandle = 0;
    bool FHeldReply = false;
    TNetMessage FHeldMessage;
    TWSocketOptions FComponentOptions;
    int FListenBacklog = 5;
    int FSendFlags = 0;
    TSocketLingerOnOff FLingerOnOff = wsLingerOn;
    int FLingerTimeout = 0;
    TSocketKeepAliveOnOff FKeepAliveOnOff = wsKeepAliveOff;
    int FKeepAliveTime = 0, FKeepAliveInterval = 0;
    bool FMultiCast = false;
    std::string FMultiCastAddrStr;
    int FMultiCastIpTTL = 1;
    bool FReuseAddr = false;
    int FFlushTimeout = 60;
    TNetLogger* FNetLogger = nullptr;
    bool FDestroying = false;
};
