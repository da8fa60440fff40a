#include "net/SocksWSocket.h"

#include "net/NetExceptions.h"
#include "net/Resolution.h"
#include "net/WinsockErrors.h"
#include "platform/rtl/StrUtils.h"

#include <arpa/inet.h>

#include <cstring>

TCustomSocksWSocket::TCustomSocksWSocket(TComponent* AOwner) : TCustomWSocket(AOwner) {
    ResetDefaults();
}

void TCustomSocksWSocket::ResetDefaults() {
    TCustomWSocket::ResetDefaults();
    FSocksState = 0;
    FSocksServer.clear();
    FSocksPort.clear();
    FSocksLevel = "5";
    FLeftover = 0;
    FLeftoverPos = 0;
    FRcvCnt = 0;
}

void TCustomSocksWSocket::SetSocksServer(const std::string& Value) {
    if (FState != wsClosed) return RaiseError("Can't change socks server if not closed");
    FSocksServer = Trim(Value);
}

void TCustomSocksWSocket::SetSocksPort(const std::string& Value) {
    if (FState != wsClosed) return RaiseError("Can't change socks port if not closed");
    FSocksPort = Trim(Value);
}

void TCustomSocksWSocket::SetSocksLevel(const std::string& Value) {
    if (FState != wsClosed) return RaiseError("Can't change socks level if not closed");
    if (Value != "4" && Value != "5" && Value != "4A" && Value != "4a")
        return RaiseError("Invalid socks level. Must be 4, 4A or 5.");
    FSocksLevel = UpperCase(Value);
}

void TCustomSocksWSocket::Listen() {
    if (!FSocksServer.empty()) return RaiseError("Listening is not supported thru socks server");
    TCustomWSocket::Listen();
}

void TCustomSocksWSocket::Connect() {
    if (FSocksServer.empty()) return TCustomWSocket::Connect();
    if (LowerCase(FProtoStr) != "tcp" && Trim(FProtoStr) != "6")
        return RaiseError("TCP is the only protocol supported thru socks server");
    try {
        if (!FPortResolved) {
            FSin.sin_port = htons(ResolvePort(FSocksPort, FProtoStr));
            FPortResolved = true;
        }
        if (!FAddrResolved) {
            FSin.sin_addr = ResolveHost(FSocksServer);
            FAddrResolved = true;
        }
        FTargetPort = ResolvePort(FPortStr, FProtoStr);
        FSocksState = 1;
        FRcvCnt = 0;
    } catch (const ESocketException& e) {
        return RaiseError("Connect: " + e.Message());
    }
    TCustomWSocket::Connect();
}

void TCustomSocksWSocket::TriggerSocksConnected(WORD Error) {
    OnSocksConnected(this, Error);
}

void TCustomSocksWSocket::TriggerSocksError(int Error, const std::string& Msg) {
    OnSocksError(this, Error, Msg);
}

void TCustomSocksWSocket::TriggerSocksAuthState(TSocksAuthState State) {
    OnSocksAuthState(this, State);
}

void TCustomSocksWSocket::SocksError(int Error, const std::string& Msg) {
    TriggerSocksError(Error, Msg);
    FSocksState = 0;
    TCustomWSocket::NotifyConnected(static_cast<WORD>(Error));
    CloseSocket(true, Error);
}

void TCustomSocksWSocket::SendBytes(const std::string& Bytes) {
    try {
        Send(Bytes.data(), static_cast<int>(Bytes.size()));
    } catch (const Exception&) {
    }
}

bool TCustomSocksWSocket::RequestsFit() {
    // Every request is at most 128 bytes.
    std::size_t longest;
    if (FSocksLevel[0] == '4')
        longest = 9 + FSocksUsercode.size() + (FSocksLevel == "4A" ? FAddrStr.size() + 1 : 0);
    else {
        longest = 7 + FAddrStr.size();
        if (FSocksAuthentication == socksAuthenticateUsercode)
            longest = std::max(longest, 3 + FSocksUsercode.size() + FSocksPassword.size());
    }
    if (longest <= 128) return true;
    SocksError(SocksErrorRequestTooLong, "host name, user code or password too long for socks request");
    return false;
}

void TCustomSocksWSocket::NotifyConnected(WORD Error) {
    if (FSocksState != 1) return TCustomWSocket::NotifyConnected(Error);
    TriggerSocksConnected(Error);
    if (Error != 0) return TCustomWSocket::NotifyConnected(Error);
    if (!RequestsFit()) return;
    if (FSocksLevel[0] == '4') return SendSocks4Request();
    FSocksMethod = FSocksAuthentication == socksAuthenticateUsercode ? 2 : 0;
    SendBytes(std::string{'\x05', '\x01', static_cast<char>(FSocksMethod)});
}

void TCustomSocksWSocket::SendSocks4Request() {
    std::string request = {'\x04', '\x01', static_cast<char>(FTargetPort >> 8),
                           static_cast<char>(FTargetPort & 0xFF)};
    if (FSocksLevel == "4A") {
        request += std::string("\0\0\0\x01", 4);
    } else {
        std::uint32_t address;
        try {
            address = ResolveHost(FAddrStr);
        } catch (const ESocketException& e) {
            TriggerSocksError(SocksErrorResolve, "ESocketException " + e.Message());
            FSocksState = 0;
            CloseSocket(true, SocksErrorResolve);
            return;
        }
        request.append(reinterpret_cast<const char*>(&address), 4);
    }
    request += FSocksUsercode;
    request += '\0';
    if (FSocksLevel == "4A") {
        request += FAddrStr;
        request += '\0';
    }
    FSocksState = 3;
    SendBytes(request);
}

void TCustomSocksWSocket::SendSocks5Auth() {
    TriggerSocksAuthState(socksAuthStart);
    std::string request = {'\x01', static_cast<char>(FSocksUsercode.size())};
    request += FSocksUsercode;
    request += static_cast<char>(FSocksPassword.size());
    request += FSocksPassword;
    FSocksState = 2;
    SendBytes(request);
}

void TCustomSocksWSocket::SendSocks5Connect() {
    std::string request = {'\x05', '\x01', '\x00', '\x03', static_cast<char>(FAddrStr.size())};
    request += FAddrStr;
    request += static_cast<char>(FTargetPort >> 8);
    request += static_cast<char>(FTargetPort & 0xFF);
    FSocksState = 3;
    SendBytes(request);
}

int TCustomSocksWSocket::ReceiveIntoBuffer(int Max) {
    if (Max <= 0) return 0;
    const int n = TCustomWSocket::Receive(FRcvBuf + FRcvCnt, Max);
    if (n > 0) FRcvCnt += n;
    return n;
}

bool TCustomSocksWSocket::TriggerDataAvailable(WORD Error) {
    if (FSocksState == 0) return TCustomWSocket::TriggerDataAvailable(Error);
    if (Error != 0) {
        SocksError(Error, "data receive error");
        return false;
    }
    switch (FSocksState) {
    case 1:
        return HandleMethodReply();
    case 2:
        return HandleAuthReply();
    case 3:
        return FSocksLevel[0] == '4' ? HandleSocks4Reply() : HandleSocks5Reply();
    default:
        SocksError(SocksErrorInternal, "internal error");
        return true;
    }
}

bool TCustomSocksWSocket::HandleMethodReply() {
    // Only the two reply bytes are taken; whatever follows stays for the next step.
    if (ReceiveIntoBuffer(2 - FRcvCnt) < 0) return true;
    if (FSocksLevel[0] == '4') {
        SocksError(SocksErrorLogic, "TWSocket logic error");
        return true;
    }
    if (FRcvCnt < 2) return true;
    FRcvCnt = 0;
    if (FRcvBuf[0] != 0x05) {
        SocksError(SocksErrorVersion, "socks version error");
    } else if (FRcvBuf[1] == 0x00) {
        if (FSocksMethod != 0) TriggerSocksAuthState(socksAuthNotRequired);
        SendSocks5Connect();
    } else if (FRcvBuf[1] == 0x02) {
        SendSocks5Auth();
    } else {
        SocksError(SocksErrorMethod, "authentification method not acceptable");
    }
    return true;
}

bool TCustomSocksWSocket::HandleAuthReply() {
    if (ReceiveIntoBuffer(2 - FRcvCnt) < 0) return true;
    if (FRcvCnt >= 1 && FRcvBuf[0] != 0x01) {
        SocksError(SocksErrorVersion, "socks version error");
        return true;
    }
    if (FRcvCnt < 2) return true;
    if (FRcvBuf[1] != 0x00) {
        SocksError(SocksErrorAuthFailed, "socks authentication failed");
        return true;
    }
    FRcvCnt = 0;
    TriggerSocksAuthState(socksAuthSuccess);
    SendSocks5Connect();
    return true;
}

bool TCustomSocksWSocket::HandleSocks4Reply() {
    if (ReceiveIntoBuffer(8 - FRcvCnt) < 0) return true;
    if (FRcvCnt < 8) return true;
    FRcvCnt = 0;
    if (FRcvBuf[0] != 0x00) {
        SocksError(SocksErrorVersion, "socks version error");
        return true;
    }
    switch (FRcvBuf[1]) {
    case 0x5A:
        FSocksState = 0;
        TCustomWSocket::NotifyConnected(0);
        TriggerDataAvailable(0);
        break;
    case 0x5B:
        SocksError(SocksErrorRejected, "request rejected or failed");
        break;
    case 0x5C:
        SocksError(20008, "connection refused");
        break;
    case 0x5D:
        SocksError(SocksErrorAuthFailed, "authentification failed");
        break;
    default:
        SocksError(SocksErrorUnassigned, "unassigned error #" + std::to_string(FRcvBuf[1]));
    }
    return true;
}

bool TCustomSocksWSocket::HandleSocks5Reply() {
    if (ReceiveIntoBuffer(static_cast<int>(sizeof FRcvBuf) - 1 - FRcvCnt) < 0) return true;
    if (FRcvCnt >= 1 && FRcvBuf[0] != 0x05) {
        SocksError(SocksErrorVersion, "socks version error");
        return true;
    }
    if (FRcvCnt >= 2 && FRcvBuf[1] != 0) {
        static const char* texts[] = {"general SOCKS server failure", "connection not allowed by ruleset",
                                      "network unreachable",          "host unreachable",
                                      "connection refused",           "time to live expired",
                                      "command not supported",        "address type not supported"};
        const int code = FRcvBuf[1];
        if (code >= 1 && code <= 8)
            SocksError(20003 + code, texts[code - 1]);
        else
            SocksError(SocksErrorUnassigned, "unassigned error #" + std::to_string(code));
        return true;
    }
    if (FRcvCnt < 5) return true;
    const int type = FRcvBuf[3];
    const int length = type == 1 ? 10 : type == 3 ? 7 + FRcvBuf[4] : 5;
    if (FRcvCnt < length) return true;
    int offset;
    if (type == 1) {
        FBoundAddr = std::to_string(FRcvBuf[4]) + "." + std::to_string(FRcvBuf[5]) + "." +
                     std::to_string(FRcvBuf[6]) + "." + std::to_string(FRcvBuf[7]);
        offset = 8;
    } else if (type == 3) {
        FBoundAddr.assign(reinterpret_cast<const char*>(FRcvBuf + 5), FRcvBuf[4]);
        offset = 5 + FRcvBuf[4];
    } else {
        SocksError(20011, "address type not supported");
        return true;
    }
    FBoundPort = std::to_string((FRcvBuf[offset] << 8) | FRcvBuf[offset + 1]);
    FSocksState = 0;
    TCustomWSocket::NotifyConnected(0);
    FLeftover = std::max(0, FRcvCnt - (offset + 2));
    FLeftoverPos = offset + 2;
    TriggerDataAvailable(0);
    return true;
}

int TCustomSocksWSocket::GetRcvdCount() {
    if (FLeftover > 0) return FLeftover;
    return TCustomWSocket::GetRcvdCount();
}

int TCustomSocksWSocket::RecvInto(void* Buffer, int BufferSize) {
    if (FLeftover <= 0) return TCustomWSocket::RecvInto(Buffer, BufferSize);
    const int count = std::min(BufferSize, FLeftover);
    std::memcpy(Buffer, FRcvBuf + FLeftoverPos, static_cast<std::size_t>(std::max(count, 0)));
    FLeftoverPos += count;
    FLeftover -= count;
    return count;
}

void TCustomSocksWSocket::TriggerSessionClosed(WORD Error) {
    if (FSocksState == 2) TriggerSocksAuthState(socksAuthFailure);
    TCustomWSocket::TriggerSessionClosed(Error);
}
