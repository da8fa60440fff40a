// NTLM (version 1) authentication messages: negotiate (type 1), challenge (type 2) and
// authenticate (type 3), carried as Base64 text, with the LM and NT responses behind them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using TNtlmChallenge = std::array<std::uint8_t, 8>;
using TNtlmResponse = std::array<std::uint8_t, 24>;

// The server's challenge as read. Names keep the message's bytes one to one, so a name sent in
// UTF-16 keeps its zero bytes.
struct TNTLM_Msg2_Info {
    bool ResponsePresent = false; // false for an empty, short or damaged challenge
    std::string TargetName;
    std::string Domain;     // target information entry 2
    std::string ServerName; // target information entry 1
    TNtlmChallenge Challenge{};
};

std::string NtlmNegotiateMessage(std::string_view Workstation, std::string_view Domain);
// Reads the Base64 challenge. A challenge shorter than its 48-byte header is reported absent;
// buffers that point outside the message are read only as far as the message goes.
TNTLM_Msg2_Info NtlmParseChallenge(std::string_view Base64Text);
std::string NtlmAuthenticateMessage(std::string_view Domain, std::string_view Workstation,
                                    std::string_view User, std::string_view Password,
                                    const TNtlmChallenge& Challenge);

TNtlmResponse LmResponse(std::string_view Password, const TNtlmChallenge& Challenge);
TNtlmResponse NtResponse(std::string_view Password, const TNtlmChallenge& Challenge);
// Each byte of the single-byte text followed by a zero byte.
std::string NtlmWideBytes(std::string_view Text);
