// Name look-ups of the socket that do not block: they run on a worker thread and their replies
// arrive as messages on the socket's window.
#include "net/NameResolver.h"
#include "net/NetExceptions.h"
#include "net/Resolution.h"
#include "net/WSocket.h"
#include "net/WinsockBinding.h"
#include "net/WinsockErrors.h"
#include "platform/rtl/StringList.h"
#include "platform/win/WinUser.h"

#include <map>
#include <mutex>
#include <thread>

namespace wsocket_dns_detail {

struct Reply {
    int error = 0;
    std::vector<std::string> results; // addresses in dotted form, or a host name and its aliases
};

std::mutex Lock;
std::uint64_t NextHandle = 1;
std::map<std::uint64_t, Reply>& Replies() {
    static std::map<std::uint64_t, Reply> replies;
    return replies;
}

Reply TakeReply(std::uint64_t handle) {
    std::lock_guard lock(Lock);
    Reply reply;
    auto it = Replies().find(handle);
    if (it != Replies().end()) {
        reply = std::move(it->second);
        Replies().erase(it);
    }
    return reply;
}

Reply LookUp(bool reverse, std::uint32_t address, const std::string& host) {
    Reply reply;
    if (reverse) {
        std::string name;
        std::vector<std::string> aliases;
        if (NameResolver().LookupAddress(address, name, aliases, reply.error)) {
            reply.results.push_back(name);
            for (auto& alias : aliases)
                if (!alias.empty()) reply.results.push_back(alias);
        }
    } else {
        std::vector<std::uint32_t> addresses;
        if (NameResolver().LookupHost(host, addresses, reply.error))
            for (auto a : addresses)
                reply.results.push_back(DottedAddress(a));
    }
    if (reply.results.empty() && reply.error == 0) reply.error = WSANO_DATA;
    return reply;
}

} // namespace wsocket_dns_detail

void TCustomWSocket::CancelPendingLookup() {
    if (!FDnsLookupHandle) return;
    wsocket_dns_detail::TakeReply(FDnsLookupHandle);
    FDnsLookupHandle = 0;
}

void TCustomWSocket::StartLookup(bool Reverse, std::uint32_t Address, const std::string& Host) {
    LoadWinsock();
    std::uint64_t handle;
    {
        std::lock_guard lock(wsocket_dns_detail::Lock);
        handle = wsocket_dns_detail::NextHandle++;
    }
    FDnsLookupHandle = handle;
    const HWND window = GetWindowHandle();
    const UINT msg = Reverse ? FMsg_WM_ASYNCGETHOSTBYADDR : FMsg_WM_ASYNCGETHOSTBYNAME;
    try {
        std::thread([=] {
            wsocket_dns_detail::Reply reply = wsocket_dns_detail::LookUp(Reverse, Address, Host);
            const int error = reply.error;
            {
                std::lock_guard lock(wsocket_dns_detail::Lock);
                wsocket_dns_detail::Replies()[handle] = std::move(reply);
            }
            if (!PostMessage(window, msg, WPARAM(handle), MAKELPARAM(0, WORD(error))))
                wsocket_dns_detail::TakeReply(handle);
        }).detach();
    } catch (const std::system_error&) {
        FDnsLookupHandle = 0;
        WSASetLastError(WSAENOBUFS);
        RaiseError(Host + (Reverse ? ": can't start reverse DNS lookup - " : ": can't start DNS lookup - ") +
                   WinsockErrorWithCode(WSAENOBUFS));
    }
}

void TCustomWSocket::DnsLookup(const std::string& HostName) {
    if (HostName.empty()) {
        RaiseError("DNS lookup: invalid host name.");
        TriggerDnsLookupDone(WSAEINVAL);
        return;
    }
    CancelPendingLookup();
    FDnsResult.clear();
    FDnsResultList->Clear();
    if (IsDottedIP(HostName)) {
        const std::uint32_t address = ParseDottedAddress(HostName);
        if (address != 0xFFFFFFFFu) {
            FDnsResult = DottedAddress(address);
            FDnsResultList->Add(FDnsResult);
            TriggerDnsLookupDone(0);
            return;
        }
    }
    if (!GetWindowHandle()) return RaiseError("DnsLookup: Window not assigned");
    StartLookup(false, 0, HostName);
}

void TCustomWSocket::ReverseDnsLookup(const std::string& HostAddr) {
    if (HostAddr.empty()) {
        RaiseError("Reverse DNS Lookup: Invalid host name.");
        TriggerDnsLookupDone(WSAEINVAL);
        return;
    }
    CancelPendingLookup();
    FDnsResult.clear();
    FDnsResultList->Clear();
    const std::uint32_t address = ParseDottedAddress(HostAddr);
    if (!GetWindowHandle()) return RaiseError("Reverse DNS Lookup: Window not assigned");
    StartLookup(true, address, HostAddr);
}

void TCustomWSocket::ReverseDnsLookupSync(const std::string& HostAddr) {
    if (HostAddr.empty() || HostAddr.size() > 256) {
        RaiseError("Reverse DNS Lookup: Invalid host name.");
        TriggerDnsLookupDone(WSAEINVAL);
        return;
    }
    CancelPendingLookup();
    FDnsResult.clear();
    FDnsResultList->Clear();
    TWinsockCall call;
    const wsocket_dns_detail::Reply reply =
        wsocket_dns_detail::LookUp(true, ParseDottedAddress(HostAddr), HostAddr);
    if (reply.results.empty()) {
        WSASetLastError(reply.error);
        TriggerDnsLookupDone(static_cast<WORD>(reply.error));
        return;
    }
    FDnsResult = reply.results.front();
    for (const auto& r : reply.results)
        FDnsResultList->Add(r);
    TriggerDnsLookupDone(0);
}

void TCustomWSocket::CancelDnsLookup() {
    if (!FDnsLookupHandle) return;
    CancelPendingLookup();
    if (!Destroying()) TriggerDnsLookupDone(WSAEINTR);
}

void TCustomWSocket::HandleDnsReply(TNetMessage& Msg) {
    if (Msg.WParam != FDnsLookupHandle || !FDnsLookupHandle) {
        wsocket_dns_detail::TakeReply(Msg.WParam);
        return;
    }
    FDnsLookupHandle = 0;
    const wsocket_dns_detail::Reply reply = wsocket_dns_detail::TakeReply(Msg.WParam);
    const WORD error = HIWORD(DWORD_PTR(Msg.LParam));
    if (error == 0) {
        for (const auto& r : reply.results)
            FDnsResultList->Add(r);
        if (FDnsResultList->Count() > 0) FDnsResult = (*FDnsResultList)[0];
    }
    TriggerDnsLookupDone(error);
}

void TCustomWSocket::HandleReverseDnsReply(TNetMessage& Msg) {
    if (Msg.WParam != FDnsLookupHandle || !FDnsLookupHandle) {
        wsocket_dns_detail::TakeReply(Msg.WParam);
        return;
    }
    FDnsLookupHandle = 0;
    const wsocket_dns_detail::Reply reply = wsocket_dns_detail::TakeReply(Msg.WParam);
    const WORD error = HIWORD(DWORD_PTR(Msg.LParam));
    if (error == 0 && !reply.results.empty()) {
        FDnsResult = reply.results.front();
        FDnsResultList->Clear();
        for (const auto& r : reply.results)
            FDnsResultList->Add(r);
    }
    TriggerDnsLookupDone(error);
}
