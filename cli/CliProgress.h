#pragma once
// The command line's progress: a line that rewrites itself on standard
// error, only when that is a terminal, so logs and pipes stay clean.

#include <cstdio>

class CliProgress {
public:
    CliProgress(bool shown, FILE *to) : visible(shown), stream(to) {}
    ~CliProgress() { finish(); }
    CliProgress(const CliProgress &) = delete;
    CliProgress &operator=(const CliProgress &) = delete;

    // The run begins: 0 of entryCount.
    void runStarted(int entryCount);
    // Another entry is written; done counts from 1.
    void entryWritten(int done);

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
