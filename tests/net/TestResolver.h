// A resolver for tests: answers the names it was given and knows nothing else, so no test reaches
// outside name service.
#pragma once

#include "net/NameResolver.h"

#include <map>
#include <string>

namespace net_test {

class TFakeResolver : public INameResolver {
public:
    std::map<std::string, std::vector<std::uint32_t>> hosts;
    std::map<std::string, std::uint16_t> services; // "name/proto"
    std::map<std::string, int> protocols;
    std::map<std::uint32_t, std::vector<std::string>> names; // name, then aliases
    std::string hostName = "testhost";

    bool LookupHost(const std::string& Name, std::vector<std::uint32_t>& Addresses, int& Error) override {
        auto it = hosts.find(Name);
        if (it == hosts.end()) {
            Error = 11001;
            return false;
        }
        Addresses = it->second;
        return true;
    }
    bool LookupAddress(std::uint32_t Address, std::string& Name, std::vector<std::string>& Aliases,
                       int& Error) override {
        auto it = names.find(Address);
        if (it == names.end() || it->second.empty()) {
            Error = 11004;
            return false;
        }
        Name = it->second[0];
        Aliases.assign(it->second.begin() + 1, it->second.end());
        return true;
    }
    bool LookupService(const std::string& Name, const std::string& Proto, std::uint16_t& Port) override {
        auto it = services.find(Name + "/" + Proto);
        if (it == services.end()) return false;
        Port = it->second;
        return true;
    }
    bool LookupProtocol(const std::string& Name, int& Number) override {
        auto it = protocols.find(Name);
        if (it == protocols.end()) return false;
        Number = it->second;
        return true;
    }
    bool HostName(std::string& Name, int& Error) override {
        Name = hostName;
        return true;
    }
};

// Installs a fake resolver for the lifetime of the object.
class TResolverScope {
public:
    TResolverScope() : resolver(std::make_shared<TFakeResolver>()) { SetNameResolver(resolver); }
    ~TResolverScope() { SetNameResolver(nullptr); }
    std::shared_ptr<TFakeResolver> resolver;
};

} // namespace net_test
