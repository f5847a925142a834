// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl-C (SIGINT) and SIGTERM while a document is made: the first asks the
// run to stop, which then leaves an existing document as it was and no
// file of its own behind; a second one ends the program at once.

// Catches the two signals from now on, until the guard goes.
class CancelOnSignals {
public:
    CancelOnSignals();
    ~CancelOnSignals();
    CancelOnSignals(const CancelOnSignals &) = delete;
    CancelOnSignals &operator=(const CancelOnSignals &) = delete;
};

// Whether one of them came since the guard was made.
bool cancelSignalled();
