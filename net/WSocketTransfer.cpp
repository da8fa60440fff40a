// Moving data once a socket is connected: the receive loop, receiving, the send queue and its
// drain, datagram sends, and the socket options.
#include "net/AsyncSelect.h"
#include "net/NetBuffer.h"
#include "net/NetExceptions.h"
#include "net/Resolution.h"
#include "net/WSocket.h"
#include "net/WinsockErrors.h"
#include "platform/win/WinUser.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

void TCustomWSocket::DeliverReceivedData(WORD Error, TWSocketOptions Options) {
    // An exception raised by the owner's handler ends the loop and goes on to the message handler,
    // which passes it to the background-exception policy.
    for (;;) {
        {
            FLastError = 0;
            const std::int64_t before = FBytesReceived;
            if (!TriggerDataAvailable(Error)) {
                // Nobody reads: drain and discard what waits, so the socket stays usable.
                char scratch[1024];
                if (FHSocket == INVALID_SOCKET) return;
                const auto n = ::recv(FHSocket, scratch, sizeof scratch, 0);
                if (n < 0 && WSASetLastErrorFromErrno() == WSAEWOULDBLOCK) {
                    FLastError = 0;
                    return;
                }
                if (n <= 0) return;
                continue;
            }
            if (Options.Contains(wsoNoReceiveLoop)) return;
            if (FLastError != 0) {
                if (FLastError == -1) FLastError = 0;
                return;
            }
            if (FHSocket == INVALID_SOCKET) return;
            int waiting = 0;
            if (ioctl(FHSocket, FIONREAD, &waiting) != 0) {
                FLastError = WSASetLastErrorFromErrno();
                return;
            }
            if (waiting == 0) return;
            // A handler that read nothing would be called forever: end this pass, the next
            // notification brings the data back.
            if (FBytesReceived == before) return;
        }
    }
}

int TCustomWSocket::RecvInto(void* Buffer, int BufferSize) {
    if (FHSocket == INVALID_SOCKET) {
        WSASetLastError(WSAENOTSOCK);
        return -1;
    }
    const auto n = ::recv(FHSocket, Buffer, static_cast<std::size_t>(std::max(BufferSize, 0)), 0);
    if (n < 0) WSASetLastErrorFromErrno();
    return static_cast<int>(n);
}

int TCustomWSocket::Receive(void* Buffer, int BufferSize) {
    const int n = RecvInto(Buffer, BufferSize);
    if (n < 0)
        FLastError = WSAGetLastError();
    else
        FBytesReceived += n;
    return n;
}

std::string TCustomWSocket::ReceiveStr() {
    int count = GetRcvdCount();
    if (count < 0) return {};
    if (count == 0) count = 255;
    std::string text(static_cast<std::size_t>(count), '\0');
    const int n = Receive(text.data(), count);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

int TCustomWSocket::ReceiveFrom(void* Buffer, int BufferSize, TSockAddrIn& From) {
    sockaddr_in from{};
    socklen_t len = sizeof from;
    const auto n = ::recvfrom(FHSocket, Buffer, static_cast<std::size_t>(std::max(BufferSize, 0)), 0,
                              reinterpret_cast<sockaddr*>(&from), &len);
    if (n < 0) {
        FLastError = WSASetLastErrorFromErrno();
        return -1;
    }
    From.sin_port = from.sin_port;
    From.sin_addr = from.sin_addr.s_addr;
    FBytesReceived += n;
    return static_cast<int>(n);
}

int TCustomWSocket::GetRcvdCount() {
    if (ComponentState().Contains(csDesigning)) return -1;
    int waiting = 0;
    if (FHSocket == INVALID_SOCKET || ioctl(FHSocket, FIONREAD, &waiting) != 0) {
        if (FHSocket == INVALID_SOCKET)
            WSASetLastError(WSAENOTSOCK);
        else
            WSASetLastErrorFromErrno();
        ReportWinsockError("ioctlSocket");
        return -1;
    }
    return waiting;
}

void TCustomWSocket::DiscardSendBuffer() {
    FBufHandler->Lock();
    FBufHandler->DiscardAll();
    FQueuedBytes = 0;
    FBufHandler->Unlock();
}

void TCustomWSocket::QueueData(const void* Data, int Len) {
    if (Len <= 0 || !Data) return;
    FBufHandler->Lock();
    FBufHandler->AppendData(Data, Len);
    FQueuedBytes += Len;
    FAllSent = false;
    FBufHandler->Unlock();
}

int TCustomWSocket::Send(const void* Data, int Len) {
    if (FState != wsConnected && FState != wsSocksConnected) {
        WSASetLastError(WSAENOTCONN);
        ReportWinsockError("Send");
        return -1;
    }
    FAllSent = false;
    if (Len <= 0)
        Len = 0;
    else
        QueueData(Data, Len);
    TryToSend();
    if (FAllSent && FHSocket != INVALID_SOCKET)
        PostMessage(GetWindowHandle(), FMsg_WM_ASYNCSELECT, WPARAM(FHSocket),
                    AsyncSelectLParam(FHSocket, FD_WRITE, 0));
    return Len;
}

int TCustomWSocket::SendStr(const std::string& Str) {
    if (Str.empty()) return 0;
    return Send(Str.data(), static_cast<int>(Str.size()));
}

int TCustomWSocket::SendChar(char C) {
    return Send(&C, 1);
}

int TCustomWSocket::TransmitBlock(const void* Data, int Len) {
    const int flags = MSG_NOSIGNAL | (FSendFlags == 1 ? MSG_OOB : 0);
    ssize_t sent;
    if (FType == 2) { // datagrams go to the peer block
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = FSin.sin_port;
        to.sin_addr.s_addr = FSin.sin_addr;
        sent = ::sendto(FHSocket, Data, static_cast<std::size_t>(Len), flags,
                        reinterpret_cast<sockaddr*>(&to), sizeof to);
    } else {
        sent = ::send(FHSocket, Data, static_cast<std::size_t>(Len), flags);
    }
    if (sent < 0) {
        WSASetLastErrorFromErrno();
        return -1;
    }
    if (sent > 0) TriggerSendData(static_cast<int>(sent));
    return static_cast<int>(sent);
}

void TCustomWSocket::TryToSend() {
    FBufHandler->Lock();
    struct Unlocker {
        TNetBufferHandler* pool;
        ~Unlocker() { pool->Unlock(); }
    } unlocker{FBufHandler.get()};
    if (FHSocket == INVALID_SOCKET || FBufHandler->IsEmpty()) {
        FAllSent = true;
        return;
    }
    for (;;) {
        const std::uint8_t* data = nullptr;
        const int count = FBufHandler->PeekFront(data);
        if (count <= 0) {
            FAllSent = true;
            return;
        }
        const int sent = TransmitBlock(data, count);
        if (sent > 0) FQueuedBytes = std::max(0, FQueuedBytes - sent);
        if (sent == 0) return;
        if (sent < 0) {
            const int error = WSAGetLastError();
            if (error == WSAECONNRESET || error == WSAENOTSOCK || error == WSAENOTCONN ||
                error == WSAEINVAL || error == WSAECONNABORTED) {
                if (LogEnabled(loWsockErr))
                    WriteLog(loWsockErr, Name() + " Winsock Send failed - " + WinsockErrorWithCode(error));
                FCloseReported = true;
                Close();
                TriggerSessionClosed(static_cast<WORD>(error));
            } else if (error == WSAEWOULDBLOCK) {
                AsyncSelectReenable(FHSocket, FD_WRITE);
            } else {
                ReportWinsockError("TryToSend failed");
            }
            return;
        }
        FBufHandler->Remove(sent);
        if (sent < count) {
            AsyncSelectReenable(FHSocket, FD_WRITE);
            return;
        }
    }
}

int TCustomWSocket::SendTo(const TSockAddrIn& Dest, const void* Data, int Len) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = Dest.sin_port;
    to.sin_addr.s_addr = Dest.sin_addr;
    const auto sent =
        ::sendto(FHSocket, Data, static_cast<std::size_t>(std::max(Len, 0)),
                 MSG_NOSIGNAL | (FSendFlags == 1 ? MSG_OOB : 0), reinterpret_cast<sockaddr*>(&to), sizeof to);
    if (sent < 0) {
        FLastError = WSASetLastErrorFromErrno();
        return -1;
    }
    if (sent > 0) {
        TriggerSendData(static_cast<int>(sent));
        if (FAllSent && FType == 2)
            PostMessage(GetWindowHandle(), FMsg_WM_ASYNCSELECT, WPARAM(FHSocket),
                        AsyncSelectLParam(FHSocket, FD_WRITE, 0));
    }
    return static_cast<int>(sent);
}

void TCustomWSocket::Flush() {
    while (FHSocket != INVALID_SOCKET && !FAllSent) {
        TryToSend();
        PumpMessages();
    }
}

void TCustomWSocket::ApplyLinger() {
    if (FLingerOnOff == wsLingerNoSet) return;
    if (FHSocket == INVALID_SOCKET) return RaiseError("Cannot set linger option at this time");
    // A zero linger time would make every close a reset that throws away what the system has not yet
    // delivered; a graceful close must deliver it, so "on" with no time keeps the system's graceful close.
    linger value{};
    value.l_onoff = FLingerOnOff == wsLingerOn && FLingerTimeout > 0 ? 1 : 0;
    value.l_linger = FLingerTimeout;
    if (setsockopt(FHSocket, SOL_SOCKET, SO_LINGER, &value, sizeof value) != 0) {
        WSASetLastErrorFromErrno();
        ReportWinsockError("setsockopt(SO_LINGER)");
    }
}

void TCustomWSocket::ApplyKeepAlive() {
    if (FKeepAliveOnOff == wsKeepAliveOff) return;
    const int on = 1;
    if (setsockopt(FHSocket, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError(FKeepAliveOnOff == wsKeepAliveOnSystem
                                      ? "setsockopt(SO_KEEPALIVE)"
                                      : "WSocket_WSAIoctl(SIO_KEEPALIVE_VALS)");
    }
    if (FKeepAliveOnOff == wsKeepAliveOnCustom) {
        // Milliseconds as given; the system counts whole seconds, at least one.
        const int idle = std::max(1, FKeepAliveTime / 1000);
        const int interval = std::max(1, FKeepAliveInterval / 1000);
        if (setsockopt(FHSocket, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle) != 0 ||
            setsockopt(FHSocket, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval) != 0) {
            WSASetLastErrorFromErrno();
            ReportWinsockError("WSocket_WSAIoctl(SIO_KEEPALIVE_VALS)");
        }
    }
}

void TCustomWSocket::SetSocketRcvBufSize(int Size) {
    if (setsockopt(FHSocket, SOL_SOCKET, SO_RCVBUF, &Size, sizeof Size) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError("setsockopt(SO_RCVBUF)");
    }
    FSocketRcvBufSize = Size;
}

void TCustomWSocket::SetSocketSndBufSize(int Size) {
    if (setsockopt(FHSocket, SOL_SOCKET, SO_SNDBUF, &Size, sizeof Size) != 0) {
        WSASetLastErrorFromErrno();
        return ReportWinsockError("setsockopt(SO_SNDBUF)");
    }
    FSocketSndBufSize = Size;
}

int TCustomWSocket::GetPeerName(TSockAddrIn& Name) {
    if (FState != wsConnected) return -1;
    sockaddr_in peer{};
    socklen_t len = sizeof peer;
    if (getpeername(FHSocket, reinterpret_cast<sockaddr*>(&peer), &len) != 0) {
        WSASetLastErrorFromErrno();
        return -1;
    }
    Name.sin_port = peer.sin_port;
    Name.sin_addr = peer.sin_addr.s_addr;
    return 0;
}

int TCustomWSocket::GetSockName(TSockAddrIn& Name) {
    sockaddr_in local{};
    socklen_t len = sizeof local;
    if (getsockname(FHSocket, reinterpret_cast<sockaddr*>(&local), &len) != 0) {
        WSASetLastErrorFromErrno();
        return -1;
    }
    Name.sin_port = local.sin_port;
    Name.sin_addr = local.sin_addr.s_addr;
    return 0;
}

std::string TCustomWSocket::GetPeerAddr() {
    if (FState != wsConnected) return "error";
    sockaddr_in peer{};
    socklen_t len = sizeof peer;
    if (getpeername(FHSocket, reinterpret_cast<sockaddr*>(&peer), &len) != 0) {
        WSASetLastErrorFromErrno();
        ReportWinsockError("GetPeerName");
        return "error";
    }
    return DottedAddress(peer.sin_addr.s_addr);
}

std::string TCustomWSocket::GetPeerPort() {
    if (FState != wsConnected) return "error";
    sockaddr_in peer{};
    socklen_t len = sizeof peer;
    if (getpeername(FHSocket, reinterpret_cast<sockaddr*>(&peer), &len) != 0) {
        WSASetLastErrorFromErrno();
        ReportWinsockError("GetPeerPort");
        return "error";
    }
    return std::to_string(ntohs(peer.sin_port));
}

std::string TCustomWSocket::GetBoundAddr() {
    if (FState != wsBound && FState != wsConnected && FState != wsListening) return "error";
    sockaddr_in local{};
    socklen_t len = sizeof local;
    if (getsockname(FHSocket, reinterpret_cast<sockaddr*>(&local), &len) != 0) return "error";
    return DottedAddress(local.sin_addr.s_addr);
}

std::string TCustomWSocket::GetBoundPort() {
    if (FState != wsBound && FState != wsConnected && FState != wsListening) return "error";
    sockaddr_in local{};
    socklen_t len = sizeof local;
    if (getsockname(FHSocket, reinterpret_cast<sockaddr*>(&local), &len) != 0) return "error";
    return std::to_string(ntohs(local.sin_port));
}
