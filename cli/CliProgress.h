// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's progress: a line that rewrites itself on standard
// error, only when that is a terminal, so logs and pipes stay clean.

#include <QByteArray>
#include <QElapsedTimer>

#include <cstdio>

class CliProgress {
public:
    CliProgress(bool shown, FILE *to) : visible(shown), stream(to) {}
    ~CliProgress() { finish(); }
    CliProgress(const CliProgress &) = delete;
    CliProgress &operator=(const CliProgress &) = delete;

    // The run begins: 0 of entryCount; -1: a whole tree, counted as it goes.
    void runStarted(int entryCount);
    // Another entry is written; done counts from 1.
    void entryWritten(int done);
    // A whole tree: another directory's section begins.
    void directoryStarted(int directories);

    // Clears the progress line so the next output starts on a clean line.
    void finish();

private:
    void show(const QByteArray &text);
    void showTree();

    bool visible;
    FILE *stream;
    int maximum = 0;
    int shownPercent = -1;
    int lineLength = 0;
    // A whole tree's counts, shown a few times a second.
    bool tree = false;
    int directories = 0;
    int files = 0;
    QElapsedTimer sinceShown;
};

// Whether standard error is an interactive terminal.
bool standardErrorIsTerminal();
