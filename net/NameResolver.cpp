#include "net/NameResolver.h"

#include "net/WinsockErrors.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

namespace name_resolver_detail {

int ErrorFromGai(int code) {
    switch (code) {
    case EAI_AGAIN:
        return WSATRY_AGAIN;
    case EAI_FAIL:
        return WSANO_RECOVERY;
#ifdef EAI_NODATA
    case EAI_NODATA:
        return WSANO_DATA;
#endif
    default:
        return WSAHOST_NOT_FOUND;
    }
}

class TSystemResolver : public INameResolver {
public:
    bool LookupHost(const std::string& Name, std::vector<std::uint32_t>& Addresses, int& Error) override {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* list = nullptr;
        const int rc = getaddrinfo(Name.c_str(), nullptr, &hints, &list);
        if (rc != 0) {
            Error = ErrorFromGai(rc);
            return false;
        }
        for (addrinfo* ai = list; ai; ai = ai->ai_next) {
            const auto* sin = reinterpret_cast<const sockaddr_in*>(ai->ai_addr);
            bool seen = false;
            for (auto a : Addresses)
                seen = seen || a == sin->sin_addr.s_addr;
            if (!seen) Addresses.push_back(sin->sin_addr.s_addr);
        }
        freeaddrinfo(list);
        if (Addresses.empty()) {
            Error = WSANO_DATA;
            return false;
        }
        return true;
    }

    bool LookupAddress(std::uint32_t Address, std::string& Name, std::vector<std::string>& Aliases,
                       int& Error) override {
        sockaddr_in sin{};
        sin.sin_family = AF_INET;
        sin.sin_addr.s_addr = Address;
        char host[NI_MAXHOST];
        const int rc = getnameinfo(reinterpret_cast<sockaddr*>(&sin), sizeof sin, host, sizeof host, nullptr,
                                   0, NI_NAMEREQD);
        if (rc != 0) {
            Error = ErrorFromGai(rc);
            return false;
        }
        Name = host;
        Aliases.clear();
        return true;
    }

    bool LookupService(const std::string& Name, const std::string& Proto, std::uint16_t& Port) override {
        servent entry{}, *result = nullptr;
        char buffer[1024];
        if (getservbyname_r(Name.c_str(), Proto.c_str(), &entry, buffer, sizeof buffer, &result) != 0 ||
            !result)
            return false;
        Port = ntohs(static_cast<std::uint16_t>(result->s_port));
        return true;
    }

    bool LookupProtocol(const std::string& Name, int& Number) override {
        protoent entry{}, *result = nullptr;
        char buffer[1024];
        if (getprotobyname_r(Name.c_str(), &entry, buffer, sizeof buffer, &result) != 0 || !result)
            return false;
        Number = result->p_proto;
        return true;
    }

    bool HostName(std::string& Name, int& Error) override {
        char buffer[256] = {};
        if (gethostname(buffer, sizeof buffer - 1) != 0) {
            Error = errno;
            return false;
        }
        Name = buffer;
        return true;
    }
};

std::mutex Lock;
std::shared_ptr<INameResolver>& Installed() {
    static std::shared_ptr<INameResolver> resolver;
    return resolver;
}

} // namespace name_resolver_detail

std::shared_ptr<INameResolver> SystemNameResolver() {
    static auto system = std::make_shared<name_resolver_detail::TSystemResolver>();
    return system;
}

INameResolver& NameResolver() {
    std::lock_guard lock(name_resolver_detail::Lock);
    auto& installed = name_resolver_detail::Installed();
    return installed ? *installed : *SystemNameResolver();
}

void SetNameResolver(std::shared_ptr<INameResolver> Resolver) {
    std::lock_guard lock(name_resolver_detail::Lock);
    name_resolver_detail::Installed() = std::move(Resolver);
}
