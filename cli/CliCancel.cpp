// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCancel.h"

#include <atomic>
#include <csignal>

namespace {

// Set from a signal handler: it must be free of locks.
std::atomic<bool> signalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onSignal(int signal)
{
    signalled.store(true);
    // The next one is the system's: a run that does not stop can be ended.
    std::signal(signal, SIG_DFL);
}

} // namespace

CancelOnSignals::CancelOnSignals()
{
    signalled.store(false);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

CancelOnSignals::~CancelOnSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool cancelSignalled()
{
    return signalled.load();
}
