#include "net/WSocket.h"

#include "net/AsyncSelect.h"
#include "net/NetBuffer.h"
#include "net/NetExceptions.h"
#include "net/Resolution.h"
#include "net/WinsockBinding.h"
#include "net/WinsockErrors.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace wsocket_detail {

sockaddr_in ToSystem(const TSockAddrIn& sin) {
    sockaddr_in out{};
    out.sin_family = AF_INET;
    out.sin_port = sin.sin_port;
    out.sin_addr.s_addr = sin.sin_addr;
    return out;
}

TSockAddrIn FromSystem(const sockaddr_in& sin) {
    TSockAddrIn out;
    out.sin_port = sin.sin_port;
    out.sin_addr = sin.sin_addr.s_addr;
    return out;
}

int TypeForProto(int proto) {
    return proto == 6 ? 1 : proto == 17 ? 2 : 3;
}

int SystemType(int type) {
    return type == 1 ? SOCK_STREAM : type == 2 ? SOCK_DGRAM : SOCK_RAW;
}

// A socket the message loop can watch: non-blocking, closed on exec.
int OpenSocket(int type, int proto) {
    const int fd = ::socket(AF_INET, SystemType(type) | SOCK_NONBLOCK | SOCK_CLOEXEC, proto);
    if (fd < 0) WSASetLastErrorFromErrno();
    return fd;
}

} // namespace wsocket_detail

TCustomWSocket::TCustomWSocket(TComponent* AOwner)
    : TNetWndControl(AOwner), FBufHandler(std::make_unique<TNetBufferHandler>(nullptr)),
      FDnsResultList(std::make_unique<TStringList>()) {
    GetWindowHandle(); // the socket belongs to the creating thread from the start
    FBufHandler->SetBufSize(1460);
    ResetDefaults();
    AddWinsockUser();
}

TCustomWSocket::~TCustomWSocket() {
    FDestroying = true;
    try {
        CancelDnsLookup();
    } catch (...) {
    }
    if (FState != wsClosed) {
        try {
            Close();
        } catch (...) {
        }
    }
    if (FHSocket != INVALID_SOCKET) { // closed state with a socket left over: never leak it
        AsyncSelectForget(FHSocket);
        ::close(FHSocket);
        FHSocket = INVALID_SOCKET;
    }
    RemoveWinsockUser();
    FinalizeWindow();
}

void TCustomWSocket::Notification(TComponent* AComponent, TOperation Operation) {
    TNetWndControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FNetLogger) FNetLogger = nullptr;
}

void TCustomWSocket::SetNetLogger(TNetLogger* Value) {
    if (FNetLogger == Value) return;
    if (FNetLogger) RemoveFreeNotification(FNetLogger);
    FNetLogger = Value;
    if (Value) FreeNotification(Value);
}

bool TCustomWSocket::LogEnabled(TLogOption Option) const {
    return FNetLogger && FNetLogger->LogOptions().Contains(Option);
}

void TCustomWSocket::WriteLog(TLogOption Option, const std::string& Text) {
    if (FNetLogger) FNetLogger->DoDebugLog(this, Option, Text);
}

std::string TCustomWSocket::ObjectAddressText() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%08X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(this)));
    return buffer;
}

void TCustomWSocket::RegisterMessages() {
    TNetWndControl::RegisterMessages();
    FMsg_WM_ASYNCSELECT = Handler()->RegisterMessage(this);
    FMsg_WM_ASYNCGETHOSTBYNAME = Handler()->RegisterMessage(this);
    FMsg_WM_ASYNCGETHOSTBYADDR = Handler()->RegisterMessage(this);
    FMsg_WM_CLOSE_DELAYED = Handler()->RegisterMessage(this);
    FMsg_WM_WSOCKET_RELEASE = Handler()->RegisterMessage(this);
    FMsg_WM_TRIGGER_DATA = Handler()->RegisterMessage(this);
}

void TCustomWSocket::UnregisterMessages() {
    Handler()->UnregisterMessage(FMsg_WM_TRIGGER_DATA);
    Handler()->UnregisterMessage(FMsg_WM_WSOCKET_RELEASE);
    Handler()->UnregisterMessage(FMsg_WM_CLOSE_DELAYED);
    Handler()->UnregisterMessage(FMsg_WM_ASYNCGETHOSTBYADDR);
    Handler()->UnregisterMessage(FMsg_WM_ASYNCGETHOSTBYNAME);
    Handler()->UnregisterMessage(FMsg_WM_ASYNCSELECT);
    TNetWndControl::UnregisterMessages();
}

void TCustomWSocket::AttachToThread() {
    TNetWndControl::AttachToThread();
    if (FHSocket != INVALID_SOCKET) RequestEvents();
}

void TCustomWSocket::DetachFromThread() {
    if (GetCurrentThreadId() == ThreadId() && FHSocket != INVALID_SOCKET)
        WSAAsyncSelect(FHSocket, Handle(), 0, 0);
    TNetWndControl::DetachFromThread();
}

void TCustomWSocket::RequestEvents() {
    if (WSAAsyncSelect(FHSocket, GetWindowHandle(), FMsg_WM_ASYNCSELECT, FEventMask) != 0)
        ReportWinsockError("WSAAsyncSelect");
}

// ---- errors and state ----

void TCustomWSocket::RaiseError(const std::string& Msg) {
    if (OnError) {
        TriggerError();
        return;
    }
    throw ESocketException(Msg);
}

void TCustomWSocket::ReportWinsockError(const std::string& Operation) {
    const int code = WSAGetLastError();
    const std::string text = WinsockErrorText(code) + " (#" + std::to_string(code) + " in " + Operation + ")";
    if (code == WSAECONNRESET || code == WSAENOTCONN) {
        if (FHSocket != INVALID_SOCKET) {
            AsyncSelectForget(FHSocket);
            ::close(FHSocket);
        }
        FHSocket = INVALID_SOCKET;
        if (FState != wsClosed) TriggerSessionClosed(static_cast<WORD>(code));
        ChangeState(wsClosed);
    }
    FLastError = code;
    RaiseError(text);
}

void TCustomWSocket::ChangeState(TSocketState NewState) {
    const TSocketState old = FState;
    FState = NewState;
    if (old != NewState) TriggerChangeState(old, NewState);
}

void TCustomWSocket::ResetDefaults() {
    FSin = TSockAddrIn();
    FAddrAssigned = FAddrResolved = false;
    FPortAssigned = FPortResolved = false;
    FProtoAssigned = true;
    FProtoResolved = false;
    FLocalPortResolved = false;
    FProto = 6;
    FProtoStr = "tcp";
    FType = 1;
    FLocalPortStr = "0";
    FLocalAddr = "0.0.0.0";
    FLingerOnOff = wsLingerOn;
    FLingerTimeout = 0;
    FHSocket = INVALID_SOCKET;
    FEventMask = 0;
    FState = wsClosed;
    FAllSent = true;
    FPaused = false;
    FCloseReported = false;
    FBytesReceived = 0;
    FFlushTimeout = 60;
}

// ---- properties ----

void TCustomWSocket::SetEndPointPart(const char* Name, const std::string& Value, std::string& Text,
                                     bool& Assigned, bool& Resolved) {
    const std::string v = Trim(Value);
    if (v == Text && Assigned) return;
    if (FState != wsClosed) {
        RaiseError(std::string("Cannot change ") + Name + " if not closed");
        return;
    }
    Text = v;
    Assigned = !v.empty();
    Resolved = false;
}

void TCustomWSocket::SetAddr(const std::string& Value) {
    SetEndPointPart("Addr", Value, FAddrStr, FAddrAssigned, FAddrResolved);
}

void TCustomWSocket::SetPort(const std::string& Value) {
    SetEndPointPart("Port", Value, FPortStr, FPortAssigned, FPortResolved);
}

void TCustomWSocket::SetProto(const std::string& Value) {
    SetEndPointPart("Proto", Value, FProtoStr, FProtoAssigned, FProtoResolved);
}

void TCustomWSocket::SetLocalAddr(const std::string& Value) {
    if (FState != wsClosed) {
        RaiseError("Cannot change LocalAddr if not closed");
        return;
    }
    FLocalAddr = Value.empty() ? "0.0.0.0" : Value;
}

void TCustomWSocket::SetLocalPort(const std::string& Value) {
    if (FState != wsClosed) {
        RaiseError("Cannot change LocalPort if not closed");
        return;
    }
    FLocalPortStr = Value;
    FLocalPortResolved = false;
}

TSocketSendFlags TCustomWSocket::SendFlags() const {
    if (FSendFlags == 0) return wsSendNormal;
    if (FSendFlags == 1) return wsSendUrgent;
    throw ESocketException("Invalid internal SendFlags");
}

void TCustomWSocket::SetSendFlags(int Value) {
    if (Value != wsSendNormal && Value != wsSendUrgent) {
        RaiseError("Invalid SendFlags");
        return;
    }
    FSendFlags = Value == wsSendUrgent ? 1 : 0;
}

std::uint8_t TCustomWSocket::ReqVerLow() const {
    return WinsockReqVerLow();
}
std::uint8_t TCustomWSocket::ReqVerHigh() const {
    return WinsockReqVerHigh();
}

void TCustomWSocket::SetReqVerLow(std::uint8_t Value) {
    if (!SetWinsockReqVerLow(Value)) {
        WSASetLastError(WSAEINVAL);
        ReportWinsockError("SetReqVerLow: WinSock version can't be changed now");
    }
}

void TCustomWSocket::SetReqVerHigh(std::uint8_t Value) {
    if (!SetWinsockReqVerHigh(Value)) {
        WSASetLastError(WSAEINVAL);
        ReportWinsockError("SetReqVerHigh: WinSock version can't be changed now");
    }
}

int TCustomWSocket::BufSize() const {
    return FBufHandler->BufSize();
}
void TCustomWSocket::SetBufSize(int Value) {
    FBufHandler->SetBufSize(Value);
}

// ---- connecting ----

void TCustomWSocket::Connect() {
    if (FHSocket != INVALID_SOCKET && FState != wsClosed) return RaiseError("Connect: Socket already in use");
    if (!FPortAssigned) return RaiseError("Connect: No Port Specified");
    if (!FAddrAssigned) return RaiseError("Connect: No IP Address Specified");
    if (!FProtoAssigned) return RaiseError("Connect: No Protocol Specified");
    try {
        LoadWinsock();
        if (!FProtoResolved) {
            FProto = ResolveProto(FProtoStr);
            FType = wsocket_detail::TypeForProto(FProto);
            FProtoResolved = true;
        }
        if (!FPortResolved) {
            FPortNum = ResolvePort(FPortStr, FProtoStr);
            FSin.sin_port = htons(FPortNum);
            FPortResolved = true;
        }
        if (!FLocalPortResolved) {
            FLocalPortNum = ResolvePort(FLocalPortStr, FProtoStr);
            FLocalPortResolved = true;
        }
        if (!FAddrResolved) {
            FSin.sin_addr = ResolveHost(FAddrStr);
            FAddrResolved = true;
        }
    } catch (const ESocketException& e) {
        return RaiseError("connect: " + e.Message());
    }
    DiscardSendBuffer();
    FHSocket = wsocket_detail::OpenSocket(FType, FProto);
    if (FHSocket == INVALID_SOCKET) return ReportWinsockError("Connect (socket)");
    socklen_t len = sizeof(int);
    if (getsockopt(FHSocket, SOL_SOCKET, SO_SNDBUF, &FSocketSndBufSize, &len) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError("getsockopt(SO_SNDBUF)");
    }
    len = sizeof(int);
    if (getsockopt(FHSocket, SOL_SOCKET, SO_RCVBUF, &FSocketRcvBufSize, &len) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError("getsockopt(SO_RCVBUF)");
    }
    ChangeState(wsOpened);
    if (FState != wsOpened) {
        WSASetLastError(WSAEINVAL);
        return ReportWinsockError("Connect (Invalid operation in OnChangeState)");
    }
    const int on = 1;
    if (FType == 2) {
        // A socket that could not be bound goes no further; the owner closes or aborts it.
        if (!BindSocket()) return;
        if (FMultiCast) {
            if (FMultiCastIpTTL != 1) {
                const unsigned char ttl = static_cast<unsigned char>(FMultiCastIpTTL);
                if (setsockopt(FHSocket, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) != 0) {
                    WSASetLastErrorFromErrno();
                    return ReportWinsockError("setsockopt(IP_MULTICAST_TTL)");
                }
            }
            if (FLocalAddr != "0.0.0.0") {
                in_addr iface{};
                iface.s_addr = ParseDottedAddress(FLocalAddr);
                if (setsockopt(FHSocket, IPPROTO_IP, IP_MULTICAST_IF, &iface, sizeof iface) != 0) {
                    WSASetLastErrorFromErrno();
                    return ReportWinsockError("setsockopt(IP_MULTICAST_IF)");
                }
            }
        }
        if (FSin.sin_addr == 0xFFFFFFFFu &&
            setsockopt(FHSocket, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0) {
            WSASetLastErrorFromErrno();
            return ReportWinsockError("setsockopt(SO_BROADCAST)");
        }
    } else {
        if (setsockopt(FHSocket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
            WSASetLastErrorFromErrno();
            return ReportWinsockError("setsockopt(SO_REUSEADDR)");
        }
        if (FComponentOptions.Contains(wsoTcpNoDelay) &&
            setsockopt(FHSocket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) != 0) {
            WSASetLastErrorFromErrno();
            return ReportWinsockError("setsockopt(IPPROTO_TCP, TCP_NODELAY)");
        }
        ApplyLinger();
        ApplyKeepAlive();
        if ((FLocalPortNum != 0 || FLocalAddr != "0.0.0.0") && !BindSocket()) return;
    }
    FEventMask = FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
    if (WSAAsyncSelect(FHSocket, GetWindowHandle(), FMsg_WM_ASYNCSELECT, FEventMask) != 0)
        return ReportWinsockError("WSAAsyncSelect");
    if (FType == 2) {
        ChangeState(wsConnected);
        NotifyConnected(0);
        return;
    }
    if (LogEnabled(loWsockInfo))
        WriteLog(loWsockInfo,
                 "TWSocket will connect to " + DottedAddress(FSin.sin_addr) + ":" + std::to_string(FPortNum));
    const sockaddr_in peer = wsocket_detail::ToSystem(FSin);
    if (::connect(FHSocket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        const int code = WSASetLastErrorFromErrno();
        if (code != WSAEWOULDBLOCK) {
            FLastError = code;
            return ReportWinsockError("Connect");
        }
    }
    AsyncSelectConnecting(FHSocket);
    ChangeState(wsConnecting);
}

bool TCustomWSocket::BindSocket() {
    TSockAddrIn local;
    try {
        local.sin_addr = ResolveHost(FLocalAddr);
    } catch (const ESocketException& e) {
        RaiseError("Bind socket failed - " + e.Message());
        return false;
    }
    local.sin_port = htons(FLocalPortNum);
    sockaddr_in sys = wsocket_detail::ToSystem(local);
    if (::bind(FHSocket, reinterpret_cast<sockaddr*>(&sys), sizeof sys) != 0) {
        const int code = WSASetLastErrorFromErrno();
        FLastError = code;
        RaiseError("Bind socket failed - " + WinsockErrorWithCode(code));
        return false;
    }
    socklen_t len = sizeof sys;
    if (getsockname(FHSocket, reinterpret_cast<sockaddr*>(&sys), &len) != 0) {
        const int code = WSASetLastErrorFromErrno();
        FLastError = code;
        RaiseError("Winsock get socket name failed - " + WinsockErrorWithCode(code));
        return false;
    }
    FLocalPortNum = ntohs(sys.sin_port);
    FLocalPortStr = std::to_string(FLocalPortNum);
    return true;
}

void TCustomWSocket::Listen() {
    if (!FPortAssigned) {
        WSASetLastError(WSAEINVAL);
        return ReportWinsockError("listen: port not assigned");
    }
    if (!FProtoAssigned) {
        WSASetLastError(WSAEINVAL);
        return ReportWinsockError("listen: protocol not assigned");
    }
    if (!FAddrAssigned) {
        WSASetLastError(WSAEINVAL);
        return ReportWinsockError("listen: address not assigned");
    }
    try {
        LoadWinsock();
        if (!FProtoResolved) {
            if (!SameText(FProtoStr.substr(0, std::min<std::size_t>(4, FProtoStr.size())), "raw_")) {
                FProto = ResolveProto(FProtoStr);
                FType = FProto == 17 ? 2 : 1;
            } else {
                FType = 3;
                FProto = ResolveProto(FProtoStr.substr(4, 10));
            }
            FProtoResolved = true;
        }
        if (!FPortResolved) {
            FPortNum = ResolvePort(FPortStr, FProtoStr);
            FSin.sin_port = htons(FPortNum);
            FPortResolved = true;
        }
        if (!FAddrResolved) {
            FSin.sin_addr = ResolveHost(FAddrStr);
            FAddrResolved = true;
        }
    } catch (const ESocketException& e) {
        return RaiseError("listen: " + e.Message());
    }
    DiscardSendBuffer();
    FHSocket = wsocket_detail::OpenSocket(FType, FProto);
    if (FHSocket == INVALID_SOCKET) return ReportWinsockError("socket");
    const int on = 1;
    if (FType == 1 || FReuseAddr) {
        // Stream listeners reuse the address too, so a port freed a moment ago can be taken again.
        if (setsockopt(FHSocket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
            WSASetLastErrorFromErrno();
            ReportWinsockError("setsockopt(SO_REUSEADDR)");
            return Close();
        }
    }
    sockaddr_in sys = wsocket_detail::ToSystem(FSin);
    if (::bind(FHSocket, reinterpret_cast<sockaddr*>(&sys), sizeof sys) != 0) {
        WSASetLastErrorFromErrno();
        const int code = WSAGetLastError();
        // Report first, then close the half-made socket so that nothing is left open.
        try {
            ReportWinsockError("Bind");
        } catch (...) {
            FLastError = code;
            Close();
            throw;
        }
        return Close();
    }
    ChangeState(wsBound);
    if (FType == 1) {
        if (::listen(FHSocket, FListenBacklog) != 0) {
            WSASetLastErrorFromErrno();
            return ReportWinsockError("Listen");
        }
        ChangeState(wsListening);
        FEventMask = FD_ACCEPT | FD_CLOSE;
    } else if (FType == 2) {
        if (FMultiCast) {
            ip_mreq request{};
            request.imr_multiaddr.s_addr = ParseDottedAddress(FMultiCastAddrStr);
            request.imr_interface.s_addr = FSin.sin_addr;
            if (setsockopt(FHSocket, IPPROTO_IP, IP_ADD_MEMBERSHIP, &request, sizeof request) != 0) {
                WSASetLastErrorFromErrno();
                return ReportWinsockError("setsockopt(IP_ADD_MEMBERSHIP)");
            }
        }
        ChangeState(wsListening);
        ChangeState(wsConnected);
        NotifyConnected(0);
        FEventMask = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;
    } else if (FType == 3) {
        if (FComponentOptions.Contains(wsoSIO_RCVALL)) {
            // Receiving every packet of the interface has no counterpart here.
            WSASetLastError(WSAEOPNOTSUPP);
            ReportWinsockError("WSAIoctl(SIO_RCVALL)");
            return Close();
        }
        ChangeState(wsListening);
        ChangeState(wsConnected);
        NotifyConnected(0);
        FEventMask = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;
    } else {
        WSASetLastError(WSAEOPNOTSUPP);
        return ReportWinsockError("Listen: unexpected protocol.");
    }
    if (WSAAsyncSelect(FHSocket, GetWindowHandle(), FMsg_WM_ASYNCSELECT, FEventMask) != 0)
        return ReportWinsockError("WSAASyncSelect");
    if (FType == 1) {
        // Report the port the system chose for a listener on port 0.
        socklen_t len = sizeof sys;
        if (getsockname(FHSocket, reinterpret_cast<sockaddr*>(&sys), &len) == 0) {
            FLocalPortNum = ntohs(sys.sin_port);
            FLocalPortStr = std::to_string(FLocalPortNum);
        }
    }
}

TSocket TCustomWSocket::Accept() {
    if (FState != wsListening) {
        WSASetLastError(WSAEINVAL);
        ReportWinsockError("not a listening socket");
        return INVALID_SOCKET;
    }
    sockaddr_in peer{};
    socklen_t len = sizeof peer;
    const int fd =
        ::accept4(FHSocket, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
    AsyncSelectReenable(FHSocket, FD_ACCEPT);
    if (fd < 0) {
        WSASetLastErrorFromErrno();
        ReportWinsockError("Accept");
        return INVALID_SOCKET;
    }
    FSin = wsocket_detail::FromSystem(peer);
    return fd;
}

void TCustomWSocket::Dup(TSocket NewHSocket) {
    if (NewHSocket == 0 || NewHSocket == INVALID_SOCKET) {
        WSASetLastError(WSAEINVAL);
        return ReportWinsockError("Dup");
    }
    if (FState != wsClosed) {
        if (FHSocket != INVALID_SOCKET) {
            AsyncSelectForget(FHSocket);
            ::close(FHSocket);
        }
        FHSocket = INVALID_SOCKET;
        ChangeState(wsClosed);
    }
    FHSocket = NewHSocket;
    fcntl(FHSocket, F_SETFL, fcntl(FHSocket, F_GETFL) | O_NONBLOCK);
    socklen_t len = sizeof(int);
    if (getsockopt(FHSocket, SOL_SOCKET, SO_SNDBUF, &FSocketSndBufSize, &len) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError("getsockopt(SO_SNDBUF)");
    }
    len = sizeof(int);
    if (getsockopt(FHSocket, SOL_SOCKET, SO_RCVBUF, &FSocketRcvBufSize, &len) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError("getsockopt(SO_RCVBUF)");
    }
    ApplyLinger();
    ApplyKeepAlive();
    FEventMask = FD_READ | FD_WRITE | FD_CLOSE;
    if (WSAAsyncSelect(FHSocket, GetWindowHandle(), FMsg_WM_ASYNCSELECT, FEventMask) != 0)
        return ReportWinsockError("WSAAsyncSelect");
    ChangeState(wsConnected);
}

// ---- message dispatch ----

void TCustomWSocket::HandleMessage(TNetMessage& Msg) {
    try {
        if (Msg.Msg == FMsg_WM_ASYNCSELECT && Msg.Msg)
            HandleSelectEvent(Msg);
        else if (Msg.Msg == FMsg_WM_ASYNCGETHOSTBYNAME && Msg.Msg)
            HandleDnsReply(Msg);
        else if (Msg.Msg == FMsg_WM_ASYNCGETHOSTBYADDR && Msg.Msg)
            HandleReverseDnsReply(Msg);
        else if (Msg.Msg == FMsg_WM_CLOSE_DELAYED && Msg.Msg)
            Close();
        else if (Msg.Msg == FMsg_WM_WSOCKET_RELEASE && Msg.Msg)
            throw ESocketException("Test exception in WSocket");
        else
            TNetWndControl::HandleMessage(Msg);
    } catch (Exception& e) {
        HandleBackgroundError(e);
    }
}

void TCustomWSocket::HandleBackgroundError(Exception& E) {
    bool canClose = true;
    if (OnBgException()) {
        try {
            OnBgException()(this, E, canClose);
        } catch (...) {
        }
    }
    if (canClose) {
        try {
            Abort();
        } catch (...) {
        }
    }
}

void TCustomWSocket::HandleSelectEvent(TNetMessage& Msg) {
    if (static_cast<TSocket>(Msg.WParam) != FHSocket || FHSocket == INVALID_SOCKET || FPaused) return;
    // Posted for an earlier socket of this number (this one's before a reconnect, or another's whose
    // message numbers this one took over): it says nothing about this connection.
    if (!AsyncSelectIsCurrent(FHSocket, Msg.LParam)) return;
    const WORD events = LOWORD(DWORD_PTR(Msg.LParam));
    const WORD error = HIWORD(DWORD_PTR(Msg.LParam));
    if (events & FD_CONNECT) HandleConnectEvent(error);
    if ((events & FD_READ) && FHSocket != INVALID_SOCKET) HandleReadEvent(error);
    if ((events & FD_WRITE) && FHSocket != INVALID_SOCKET) HandleWriteEvent(error);
    if ((events & FD_ACCEPT) && FHSocket != INVALID_SOCKET) HandleAcceptEvent(error);
    if (events & FD_CLOSE) HandleCloseEvent(error);
}

void TCustomWSocket::HandleConnectEvent(WORD Error) {
    if (FState == wsConnected) return;
    ChangeState(wsConnected);
    NotifyConnected(Error);
    if (Error != 0 && FState != wsClosed) Close();
}

void TCustomWSocket::HandleReadEvent(WORD Error) {
    if (FState != wsConnected) {
        ChangeState(wsConnected);
        NotifyConnected(Error);
    }
    // Reading goes on after this notification even when the owner's handler raised.
    struct Reenable {
        TCustomWSocket* socket;
        ~Reenable() {
            if (socket->FHSocket != INVALID_SOCKET) AsyncSelectReenable(socket->FHSocket, FD_READ);
        }
    } reenable{this};
    DeliverReceivedData(Error, FComponentOptions);
}

void TCustomWSocket::HandleWriteEvent(WORD Error) {
    TryToSend();
    if (FAllSent) TriggerDataSent(Error);
}

void TCustomWSocket::HandleAcceptEvent(WORD Error) {
    TriggerSessionAvailable(Error);
}

void TCustomWSocket::HandleCloseEvent(WORD Error) {
    if (FState == wsConnecting || FHSocket == INVALID_SOCKET) return;
    TWSocketOptions options = FComponentOptions;
    options.Exclude(wsoNoReceiveLoop);
    DeliverReceivedData(0, options);
    if (!FCloseReported) {
        FCloseReported = true;
        TriggerSessionClosed(Error);
    }
    if (FState != wsClosed) Close();
}

// ---- triggers ----

bool TCustomWSocket::TriggerDataAvailable(WORD Error) {
    if (!OnDataAvailable) return false;
    OnDataAvailable(this, Error);
    return true;
}

void TCustomWSocket::TriggerSessionAvailable(WORD Error) {
    OnSessionAvailable(this, Error);
}

void TCustomWSocket::NotifyConnected(WORD Error) {
    TriggerSessionConnected(Error);
}

void TCustomWSocket::TriggerSessionConnected(WORD Error) {
    OnSessionConnected(this, Error);
}

void TCustomWSocket::TriggerSessionClosed(WORD Error) {
    OnSessionClosed(this, Error);
}

void TCustomWSocket::TriggerDataSent(WORD Error) {
    if (LogEnabled(loWsockDump))
        WriteLog(loWsockDump, ObjectAddressText() + " TriggerDataSent " + std::to_string(FHSocket));
    OnDataSent(this, Error);
}

void TCustomWSocket::TriggerSendData(int BytesSent) {
    OnSendData(this, BytesSent);
}

void TCustomWSocket::TriggerChangeState(TSocketState OldState, TSocketState NewState) {
    OnChangeState(this, OldState, NewState);
}

void TCustomWSocket::TriggerDnsLookupDone(WORD Error) {
    OnDnsLookupDone(this, Error);
}

void TCustomWSocket::TriggerError() {
    OnError(this);
}

// ---- closing ----

void TCustomWSocket::CloseSocket(bool ShutdownFirst, int Error) {
    if (FHSocket == INVALID_SOCKET) {
        if (FState != wsClosed) {
            ChangeState(wsClosed);
            ResetDefaults();
        }
        return;
    }
    if (FState == wsClosed) return;
    if (ShutdownFirst) Shutdown(1);
    AsyncSelectForget(FHSocket);
    if (::close(FHSocket) != 0 && errno != EINTR) {
        WSASetLastErrorFromErrno();
        FHSocket = INVALID_SOCKET;
        return ReportWinsockError("Disconnect (closesocket)");
    }
    FHSocket = INVALID_SOCKET;
    ChangeState(wsClosed);
    if (!Destroying() && !FCloseReported) {
        FCloseReported = true;
        TriggerSessionClosed(static_cast<WORD>(Error));
    }
    try {
        ResetDefaults();
    } catch (...) {
    }
}

void TCustomWSocket::Close() {
    CloseSocket(true, 0);
}

void TCustomWSocket::CloseDelayed() {
    PostMessage(GetWindowHandle(), FMsg_WM_CLOSE_DELAYED, 0, 0);
}

void TCustomWSocket::AbortSocket(int Error) {
    CancelDnsLookup();
    DiscardSendBuffer();
    if (FState == wsConnected && FProto == 6) {
        FLingerOnOff = wsLingerOff;
        ApplyLinger();
    }
    CloseSocket(false, Error);
}

void TCustomWSocket::Abort() {
    AbortSocket(0);
}

void TCustomWSocket::Shutdown(int How) {
    if (LogEnabled(loWsockInfo))
        WriteLog(loWsockInfo, ObjectAddressText() + " TCustomWSocket.Shutdown " + std::to_string(How) + " " +
                                  std::to_string(FHSocket));
    if (FHSocket != INVALID_SOCKET) ::shutdown(FHSocket, How == 0 ? SHUT_RD : How == 1 ? SHUT_WR : SHUT_RDWR);
}

void TCustomWSocket::WaitForClose() {
    while (FHSocket != INVALID_SOCKET && FState != wsClosed) {
        PumpMessages();
        int waiting = 0;
        if (ioctl(FHSocket, FIONREAD, &waiting) != 0) break;
        if (waiting > 0) TriggerDataAvailable(0);
        if (FHSocket == INVALID_SOCKET) break;
        char scratch;
        const auto n = ::recv(FHSocket, &scratch, 1, 0);
        if (n <= 0 && WSASetLastErrorFromErrno() != WSAEWOULDBLOCK) break;
        PumpMessages();
        if (n < 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void TCustomWSocket::Pause() {
    FPaused = true;
    if (FHSocket != INVALID_SOCKET) WSAAsyncSelect(FHSocket, GetWindowHandle(), 0, 0);
}

void TCustomWSocket::Resume() {
    FPaused = false;
    if (FHSocket != INVALID_SOCKET) RequestEvents();
}
