#include "net/Ntlm.h"

#include "net/Base64.h"
#include "net/Des.h"
#include "net/Md4.h"

#include <cstring>

namespace ntlm_detail {

constexpr char Signature[8] = {'N', 'T', 'L', 'M', 'S', 'S', 'P', 0};

void PutU16(std::string& msg, std::size_t at, std::uint32_t value) {
    msg[at] = static_cast<char>(value & 0xFF);
    msg[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& msg, std::size_t at, std::uint32_t value) {
    PutU16(msg, at, value & 0xFFFF);
    PutU16(msg, at + 2, value >> 16);
}

// Length (twice) and offset of a security buffer.
void PutBuffer(std::string& msg, std::size_t at, std::size_t length, std::size_t offset) {
    PutU16(msg, at, static_cast<std::uint32_t>(length));
    PutU16(msg, at + 2, static_cast<std::uint32_t>(length));
    PutU32(msg, at + 4, static_cast<std::uint32_t>(offset));
}

std::uint32_t GetU16(std::string_view msg, std::size_t at) {
    return static_cast<std::uint8_t>(msg[at]) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(msg[at + 1])) << 8;
}

std::uint32_t GetU32(std::string_view msg, std::size_t at) {
    return GetU16(msg, at) | GetU16(msg, at + 2) << 16;
}

// The bytes a security buffer describes, cut at the end of the message.
std::string ReadBuffer(std::string_view msg, std::size_t at) {
    const std::size_t length = GetU16(msg, at);
    const std::size_t offset = GetU32(msg, at + 4);
    if (offset >= msg.size()) return {};
    return std::string(msg.substr(offset, std::min(length, msg.size() - offset)));
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Three DES encryptions of the challenge under the 21 bytes of hash + zero padding.
TNtlmResponse ResponseFromHash(const std::uint8_t hash[16], const TNtlmChallenge& challenge) {
    std::uint8_t key[21] = {};
    std::memcpy(key, hash, 16);
    TNtlmResponse response{};
    for (int i = 0; i < 3; ++i) {
        const TDesBlock part = DesWithShortKey(key + 7 * i, challenge.data());
        std::memcpy(response.data() + 8 * i, part.data(), 8);
    }
    return response;
}

} // namespace ntlm_detail

std::string NtlmWideBytes(std::string_view Text) {
    std::string out;
    out.reserve(Text.size() * 2);
    for (char c : Text) {
        out += c;
        out += '\0';
    }
    return out;
}

std::string NtlmNegotiateMessage(std::string_view Workstation, std::string_view Domain) {
    using namespace ntlm_detail;
    std::string msg(32, '\0');
    std::memcpy(msg.data(), Signature, 8);
    PutU32(msg, 8, 1);
    std::uint32_t flags = 0x8207;
    if (!Domain.empty()) flags |= 0x1000;
    if (!Workstation.empty()) flags |= 0x2000;
    PutU32(msg, 12, flags);
    if (!Domain.empty()) PutBuffer(msg, 16, Domain.size(), 32 + Workstation.size());
    if (!Workstation.empty()) PutBuffer(msg, 24, Workstation.size(), 32);
    msg += Upper(Workstation);
    msg += Upper(Domain);
    return Base64Encode(msg);
}

TNTLM_Msg2_Info NtlmParseChallenge(std::string_view Base64Text) {
    using namespace ntlm_detail;
    TNTLM_Msg2_Info info;
    if (Base64Text.empty()) return info;
    const std::string msg = Base64Decode(Base64Text);
    if (msg.size() < 48) return info; // no header to read: no usable challenge
    info.ResponsePresent = true;
    info.TargetName = ReadBuffer(msg, 12);
    std::memcpy(info.Challenge.data(), msg.data() + 24, 8);
    const std::size_t infoLength = GetU16(msg, 40);
    std::size_t pos = GetU32(msg, 44);
    const std::size_t end = std::min(msg.size(), pos + infoLength);
    while (pos + 4 <= end) {
        const std::uint32_t type = GetU16(msg, pos);
        const std::size_t length = GetU16(msg, pos + 2);
        if (type == 0 && length == 0) break;
        pos += 4;
        const std::string value = msg.substr(pos, std::min(length, end - pos));
        if (type == 1) info.ServerName = value;
        if (type == 2) info.Domain = value;
        pos += length;
    }
    return info;
}

TNtlmResponse LmResponse(std::string_view Password, const TNtlmChallenge& Challenge) {
    static constexpr std::uint8_t LmConstant[8] = {'K', 'G', 'S', '!', '@', '#', '$', '%'};
    std::uint8_t password[14] = {};
    const std::string upper = ntlm_detail::Upper(Password.substr(0, 14));
    std::memcpy(password, upper.data(), upper.size());
    std::uint8_t hash[16];
    const TDesBlock first = DesWithShortKey(password, LmConstant);
    const TDesBlock second = DesWithShortKey(password + 7, LmConstant);
    std::memcpy(hash, first.data(), 8);
    std::memcpy(hash + 8, second.data(), 8);
    return ntlm_detail::ResponseFromHash(hash, Challenge);
}

TNtlmResponse NtResponse(std::string_view Password, const TNtlmChallenge& Challenge) {
    const TMD4Digest hash = Md4OfString(NtlmWideBytes(Password));
    return ntlm_detail::ResponseFromHash(hash.data(), Challenge);
}

std::string NtlmAuthenticateMessage(std::string_view Domain, std::string_view Workstation,
                                    std::string_view User, std::string_view Password,
                                    const TNtlmChallenge& Challenge) {
    using namespace ntlm_detail;
    const std::string domain = NtlmWideBytes(Domain);
    const std::string user = NtlmWideBytes(User);
    const std::string workstation = NtlmWideBytes(Workstation);
    const TNtlmResponse lm = LmResponse(Password, Challenge);
    const TNtlmResponse nt = NtResponse(Password, Challenge);

    std::string msg(64, '\0');
    std::memcpy(msg.data(), Signature, 8);
    PutU32(msg, 8, 3);
    const std::size_t domainAt = 64;
    const std::size_t userAt = domainAt + domain.size();
    const std::size_t workstationAt = userAt + user.size();
    const std::size_t lmAt = workstationAt + workstation.size();
    const std::size_t ntAt = lmAt + lm.size();
    PutBuffer(msg, 12, lm.size(), lmAt);
    PutBuffer(msg, 20, nt.size(), ntAt);
    PutBuffer(msg, 28, domain.size(), domainAt);
    PutBuffer(msg, 36, user.size(), userAt);
    PutBuffer(msg, 44, workstation.size(), workstationAt);
    PutBuffer(msg, 52, 0, 0);
    PutU32(msg, 60, 0x8205);
    msg += domain;
    msg += user;
    msg += workstation;
    msg.append(reinterpret_cast<const char*>(lm.data()), lm.size());
    msg.append(reinterpret_cast<const char*>(nt.data()), nt.size());
    return Base64Encode(msg);
}
