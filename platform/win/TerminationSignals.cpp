#include "platform/win/TerminationSignals.h"

#include "platform/win/WinUser.h"
#include "platform/win/WindowSystem.h"

#include <atomic>
#include <csignal>
#include <cstdint>
#include <unistd.h>

namespace olva::win {

namespace termination_detail {

std::atomic<int> Arrived{0}; // written by the handler
std::atomic<bool> Posted{false};
int WakeDescriptor = -1; // the window system's wake-up, read by the handler
struct sigaction SavedTerm {
}, SavedInt{};
bool IntWatched = false;

extern "C" void OnTerminationSignal(int Signal) {
    int expected = 0;
    Arrived.compare_exchange_strong(expected, Signal);
    if (WakeDescriptor >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] auto n = ::write(WakeDescriptor, &one, sizeof one);
    }
}

} // namespace termination_detail

TTerminationSignals::TTerminationSignals() {
    using namespace termination_detail;
    Arrived = 0;
    Posted = false;
    WakeDescriptor = Sys().WakeFd;
    struct sigaction action {};
    action.sa_handler = &OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // One signal asks for an orderly end; the next one is not waited on.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    ::sigaction(SIGTERM, &action, &SavedTerm);
    ::sigaction(SIGINT, nullptr, &SavedInt);
    IntWatched = SavedInt.sa_handler != SIG_IGN;
    if (IntWatched) ::sigaction(SIGINT, &action, nullptr);
}

TTerminationSignals::~TTerminationSignals() {
    using namespace termination_detail;
    ::sigaction(SIGTERM, &SavedTerm, nullptr);
    if (IntWatched) ::sigaction(SIGINT, &SavedInt, nullptr);
    WakeDescriptor = -1;
}

int TerminationSignal() {
    return termination_detail::Arrived.load();
}

void DeliverTerminationSignal() {
    using namespace termination_detail;
    const int signal = Arrived.load();
    if (signal == 0 || Posted.exchange(true)) return;
    PostQuitMessage(128 + signal);
}

} // namespace olva::win
