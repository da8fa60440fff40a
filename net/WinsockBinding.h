// Start-up and shut-down of the socket library. The system's sockets are always linked here, so
// "loading" is the observable bracket the socket layer relies on: started with the requested version
// by the first call that needs it, shut down when the last socket object goes, started again on demand.
#pragma once

#include <cstdint>

// Makes sure the library is started; the version word requested is (high << 8) | low.
void LoadWinsock();
// Shuts the library down when it is started and has no users.
void UnloadWinsock();
bool WinsockLoaded();
// The version word the last start-up requested (0 while never started).
std::uint16_t WinsockStartedVersion();

void AddWinsockUser();
// Drops one user; the last one shuts the library down.
void RemoveWinsockUser();
int WinsockUserCount();

std::uint8_t WinsockReqVerLow();
std::uint8_t WinsockReqVerHigh();
// False (nothing stored) when the value differs and the library is started.
bool SetWinsockReqVerLow(std::uint8_t Value);
bool SetWinsockReqVerHigh(std::uint8_t Value);

// Keeps the library in use for the duration of one call.
class TWinsockCall {
public:
    TWinsockCall() {
        AddWinsockUser();
        LoadWinsock();
    }
    ~TWinsockCall() { RemoveWinsockUserKeepLoaded(); }
    TWinsockCall(const TWinsockCall&) = delete;
    TWinsockCall& operator=(const TWinsockCall&) = delete;

private:
    static void RemoveWinsockUserKeepLoaded();
};
