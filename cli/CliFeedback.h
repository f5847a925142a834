// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// quorvant-cli's run feedback: the progress line, and what the run reports
// as lines on standard error. The one question the run asks (replace an
// existing document?) is answered by --overwrite up front.

#include "generator/RunFeedback.h"

#include <cstdio>

class CliProgress;

class CliFeedback final : public RunFeedback {
public:
    CliFeedback(bool overwrite, CliProgress &progressLine, FILE *to)
        : replace(overwrite), progress(progressLine), stream(to) {}

    void runStarted(int entryCount) override;
    void entryWritten(int done) override;
    void directoryStarted(int directories) override;
    // Set by Ctrl-C or SIGTERM while the run lasts (CliCancel.h).
    bool cancelRequested() override;
    // The progress line is cleared first, so the two do not mix.
    void report(const RunEvent &event) override;
    // The caller reports a refusal in its own words, with the full path.
    bool replaceExisting(const ReplaceQuestion &) override { return replace; }

private:
    const bool replace;
    CliProgress &progress;
    FILE *stream;
};

// "quorvant-cli: " and the text on one line; "quorvant-cli: warning: ", the
// text, ": " and the name the warning is about. Control characters are
// written as \xNN (ReadableFileName.h): a hostile name must not drive the
// terminal.
QString errorLine(const QString &text);
QString warningLine(const QString &text, const QString &name);

// Writes text in the local encoding, the way file names came in.
void writeText(FILE *stream, const QString &text);
