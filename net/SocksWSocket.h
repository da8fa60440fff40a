// TCustomSocksWSocket: a TCP client socket that reaches its peer through a SOCKS 4, 4A or 5 proxy.
// The owner sees an ordinary connection: OnSessionConnected fires once the proxy granted it.
#pragma once

#include "net/WSocket.h"

enum TSocksAuthentication { socksNoAuthentication, socksAuthenticateUsercode };
enum TSocksAuthState { socksAuthStart, socksAuthSuccess, socksAuthFailure, socksAuthNotRequired };

using TSocksErrorEvent = TEvent<TObject*, int, const std::string&>;
using TSocksAuthStateEvent = TEvent<TObject*, TSocksAuthState>;

// Proxy error codes reported through OnSocksError, OnSessionConnected and the close.
constexpr int SocksErrorLogic = 20001;
constexpr int SocksErrorVersion = 20002;
constexpr int SocksErrorMethod = 20003;
constexpr int SocksErrorUnassigned = 20012;
constexpr int SocksErrorInternal = 20013;
constexpr int SocksErrorRequestTooLong = 20014;
constexpr int SocksErrorAuthFailed = 20015;
constexpr int SocksErrorRejected = 20016;
constexpr int SocksErrorResolve = 20017;

class TCustomSocksWSocket : public TCustomWSocket {
public:
    explicit TCustomSocksWSocket(TComponent* AOwner);

    void Connect() override;
    void Listen() override;
    int GetRcvdCount() override;

    const std::string& SocksServer() const { return FSocksServer; }
    void SetSocksServer(const std::string& Value);
    const std::string& SocksPort() const { return FSocksPort; }
    void SetSocksPort(const std::string& Value);
    const std::string& SocksLevel() const { return FSocksLevel; }
    void SetSocksLevel(const std::string& Value);
    const std::string& SocksUsercode() const { return FSocksUsercode; }
    void SetSocksUsercode(const std::string& Value) { FSocksUsercode = Value; }
    const std::string& SocksPassword() const { return FSocksPassword; }
    void SetSocksPassword(const std::string& Value) { FSocksPassword = Value; }
    TSocksAuthentication SocksAuthentication() const { return FSocksAuthentication; }
    void SetSocksAuthentication(TSocksAuthentication Value) { FSocksAuthentication = Value; }
    // The address and port the proxy reported for the connection (SOCKS 5).
    const std::string& BoundAddrThruSocks() const { return FBoundAddr; }
    const std::string& BoundPortThruSocks() const { return FBoundPort; }
    // Negotiation state: 0 none, 1 waiting for the proxy or its method choice, 2 authenticating,
    // 3 connect request sent.
    int SocksState() const { return FSocksState; }

    TSessionConnected OnSocksConnected;
    TSocksErrorEvent OnSocksError;
    TSocksAuthStateEvent OnSocksAuthState;

protected:
    void ResetDefaults() override;
    bool TriggerDataAvailable(WORD Error) override;
    void NotifyConnected(WORD Error) override;
    void TriggerSessionClosed(WORD Error) override;
    int RecvInto(void* Buffer, int BufferSize) override;
    virtual void TriggerSocksConnected(WORD Error);
    virtual void TriggerSocksError(int Error, const std::string& Msg);
    void TriggerSocksAuthState(TSocksAuthState State);

private:
    void SocksError(int Error, const std::string& Msg);
    // Refuses names too long for a request before anything goes to the proxy.
    bool RequestsFit();
    void SendSocks4Request();
    void SendSocks5Auth();
    void SendSocks5Connect();
    void SendBytes(const std::string& Bytes);
    int ReceiveIntoBuffer(int Max);
    bool HandleMethodReply();
    bool HandleAuthReply();
    bool HandleSocks4Reply();
    bool HandleSocks5Reply();

    std::string FSocksServer, FSocksPort, FSocksLevel = "5", FSocksUsercode, FSocksPassword;
    TSocksAuthentication FSocksAuthentication = socksNoAuthentication;
    int FSocksState = 0;
    std::uint8_t FSocksMethod = 0;
    // Room for the longest SOCKS 5 reply (a 255-byte host name) and the data that follows it.
    std::uint8_t FRcvBuf[512] = {};
    int FRcvCnt = 0;
    int FLeftover = 0;
    int FLeftoverPos = 0;
    std::string FBoundAddr, FBoundPort;
    std::uint16_t FTargetPort = 0;
};
