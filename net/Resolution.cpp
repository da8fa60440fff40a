#include "net/Resolution.h"

#include "net/NameResolver.h"
#include "net/NetExceptions.h"
#include "net/WinsockBinding.h"
#include "net/WinsockErrors.h"
#include "platform/rtl/StrUtils.h"

#include <arpa/inet.h>

namespace resolution_detail {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace resolution_detail

bool IsDottedIP(std::string_view Text) {
    using resolution_detail::IsDigit;
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ')
        ++i;
    if (i < Text.size() && Text[i] == '.') return false;
    int dots = 0;
    long long group = 0;
    bool digits = false;
    for (; i < Text.size(); ++i) {
        const char c = Text[i];
        if (IsDigit(c)) {
            group = std::min<long long>(group * 10 + (c - '0'), 100000);
            digits = true;
        } else if (c == '.') {
            ++dots;
            if (dots > 3 || group > 255 || i + 1 >= Text.size() || !IsDigit(Text[i + 1])) return false;
            group = 0;
        } else {
            for (std::size_t k = i; k < Text.size(); ++k)
                if (Text[k] != ' ') return false;
            break;
        }
    }
    return digits && dots == 3 && group <= 255;
}

long long ParseDecimal(std::string_view Text) {
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ')
        ++i;
    long long value = 0;
    for (; i < Text.size() && resolution_detail::IsDigit(Text[i]); ++i) {
        value = value * 10 + (Text[i] - '0');
        if (value > 0xFFFFFFFFLL) value = 0xFFFFFFFFLL + 1; // saturate: callers range-check
    }
    return value;
}

std::uint32_t ParseDottedAddress(std::string_view Text) {
    const std::string trimmed = Trim(Text);
    in_addr addr{};
    if (inet_pton(AF_INET, trimmed.c_str(), &addr) != 1) return 0xFFFFFFFFu;
    return addr.s_addr;
}

std::string DottedAddress(std::uint32_t Address) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(&Address);
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
           std::to_string(b[3]);
}

std::uint32_t ResolveHost(const std::string& Host) {
    if (Host.empty()) throw ESocketException("Winsock Resolve Host: '" + Host + "' Invalid Hostname.");
    if (IsDottedIP(Host)) {
        const std::uint32_t address = ParseDottedAddress(Host);
        if (address == 0xFFFFFFFFu && Host != "255.255.255.255")
            throw ESocketException("Winsock Resolve Host: '" + Host + "' Invalid IP address.");
        return address;
    }
    TWinsockCall call;
    std::vector<std::uint32_t> addresses;
    int error = 0;
    if (!NameResolver().LookupHost(Host, addresses, error)) {
        WSASetLastError(error);
        throw ESocketException("Winsock Resolve Host: Cannot convert host address '" + Host + "' - " +
                               WinsockErrorWithCode(error));
    }
    return addresses.front();
}

std::uint16_t ResolvePort(const std::string& Port, const std::string& Proto) {
    if (Port.empty()) throw ESocketException("Winsock Resolve Port: Invalid Port.");
    if (Proto.empty()) throw ESocketException("Winsock Resolve Port: Invalid Proto.");
    auto cannotConvert = [&](int error) {
        return ESocketException("Winsock Resolve Port: Cannot convert port '" + Port + "' - " +
                                WinsockErrorWithCode(error));
    };
    if (resolution_detail::IsDigit(Port[0])) {
        // Digits only, and a value a port can hold: "80abc" or "70000" are no ports.
        for (char c : Port)
            if (!resolution_detail::IsDigit(c)) throw cannotConvert(WSAEINVAL);
        const long long value = ParseDecimal(Port);
        if (value > 65535) throw cannotConvert(WSAEINVAL);
        return static_cast<std::uint16_t>(value);
    }
    TWinsockCall call;
    std::uint16_t port = 0;
    if (!NameResolver().LookupService(Port, Proto, port)) {
        WSASetLastError(WSANO_DATA);
        throw cannotConvert(WSANO_DATA);
    }
    return port;
}

int ResolveProto(const std::string& Proto) {
    if (Proto.empty()) throw ESocketException("Winsock Resolve Proto: Invalid Protocol.");
    if (resolution_detail::IsDigit(Proto[0]))
        return static_cast<int>(std::min<long long>(ParseDecimal(Proto), 0x7FFFFFFF));
    const std::string name = LowerCase(Trim(Proto));
    if (name == "tcp") return 6;
    if (name == "udp") return 17;
    if (name == "raw") return 255;
    TWinsockCall call;
    int number = 0;
    if (!NameResolver().LookupProtocol(name, number)) {
        WSASetLastError(WSANO_DATA);
        throw ESocketException("Winsock Resolve Proto: Cannot convert protocol '" + name + "' - " +
                               WinsockErrorWithCode(WSANO_DATA));
    }
    return number;
}

std::string LocalHostName() {
    TWinsockCall call;
    std::string name;
    int error = 0;
    if (!NameResolver().HostName(name, error)) throw ESocketException("Winsock Get Host Name failed");
    return name;
}
