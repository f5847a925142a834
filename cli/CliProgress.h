#pragma once
// Run feedback for the command line: a progress line that rewrites itself on
// standard error, only when that is a terminal, so logs and pipes stay clean.

#include "generator/RunFeedback.h"

#include <cstdio>

class CliProgress final : public RunFeedback {
public:
    CliProgress(bool shown, FILE *to) : visible(shown), stream(to) {}
    ~CliProgress() override { finish(); }

    void runStarted(int entryCount) override;
    void entryWritten(int done) override;

    // Clears the progress line so the next output starts on a clean line.
    void finish();

private:
    bool visible;
    FILE *stream;
    int maximum = 0;
    int shownPercent = -1;
    int lineLength = 0;
};

// Whether standard error is an interactive terminal.
bool standardErrorIsTerminal();
