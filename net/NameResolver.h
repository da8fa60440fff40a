// The look-ups behind name resolution: host names, service names, protocol names, addresses and the
// local host name. The system's resolver answers by default; tests install their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class INameResolver {
public:
    virtual ~INameResolver() = default;
    // IPv4 addresses (network byte order) of a host name, in the order the resolver gives them;
    // false with a socket error number (11001 ...) when there are none.
    virtual bool LookupHost(const std::string& Name, std::vector<std::uint32_t>& Addresses, int& Error) = 0;
    // The host name and aliases of an address (network byte order).
    virtual bool LookupAddress(std::uint32_t Address, std::string& Name, std::vector<std::string>& Aliases,
                               int& Error) = 0;
    // Port (host byte order) of a service name for a protocol name.
    virtual bool LookupService(const std::string& Name, const std::string& Proto, std::uint16_t& Port) = 0;
    virtual bool LookupProtocol(const std::string& Name, int& Number) = 0;
    // False with an errno value when the host name cannot be read.
    virtual bool HostName(std::string& Name, int& Error) = 0;
};

// The resolver in use (the system's unless one was installed).
INameResolver& NameResolver();
// Installs a resolver; null restores the system's.
void SetNameResolver(std::shared_ptr<INameResolver> Resolver);
// The system's resolver, for resolvers that answer some names themselves and pass the rest on.
std::shared_ptr<INameResolver> SystemNameResolver();
