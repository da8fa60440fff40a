// Termination signals as a quit: one SIGTERM or SIGINT posts WM_QUIT (128 + the signal) once, waking a
// waiting loop; a second one is the default action again; the old handling comes back afterwards.
#include "WinTestSupport.h"

#include "platform/win/TerminationSignals.h"

#include <csignal>

namespace {

class TerminationSignalsTest : public WinTest {};

TEST_F(TerminationSignalsTest, ASignalEndsTheWaitingLoopWithAQuitOnce) {
    for (int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        struct sigaction before {};
        ::sigaction(signal, nullptr, &before);
        {
            olva::win::TTerminationSignals signals;
            EXPECT_EQ(olva::win::TerminationSignal(), 0);
            ::raise(signal);
            EXPECT_EQ(olva::win::TerminationSignal(), signal);
            MSG msg;
            // GetMessage would wait for ever without the quit.
            EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
            EXPECT_EQ(msg.wParam, WPARAM(128 + signal));
            EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)); // once
            // The next one would end the process: its default action is back.
            struct sigaction now {};
            ::sigaction(signal, nullptr, &now);
            EXPECT_EQ(now.sa_handler, SIG_DFL);
        }
        struct sigaction after {};
        ::sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}

} // namespace
