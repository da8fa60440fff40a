// Termination signals (SIGTERM, SIGINT) as a quit of the user-interface thread's message loops, so that
// every loop, modal ones included, ends as it does on WM_QUIT and the program can close in order.
#pragma once

namespace olva::win {

// While it lives, SIGTERM and SIGINT (unless the program was started with SIGINT ignored, as a shell does
// for background jobs) post WM_QUIT with the code 128 + the signal's number to the user-interface
// thread, once; a second signal then has its default action and ends the process at once. The old
// dispositions come back when it goes.
class TTerminationSignals {
public:
    TTerminationSignals();
    ~TTerminationSignals();
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;
};

// The signal that asked the program to end, or 0.
int TerminationSignal();

// Called by message retrieval: posts the quit of a signal that arrived since the last call.
void DeliverTerminationSignal();

} // namespace olva::win
