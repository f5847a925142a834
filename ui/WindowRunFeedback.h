// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run's feedback in the main window: the progress bar, the run's status
// panel, and the message boxes that word what the run reports. Called on
// the window's thread (WindowRun brings the run's feedback there).

#include "generator/RunFeedback.h"
#include "generator/RunResult.h"

class MessageBoxes;
class QLabel;
class QProgressBar;

class WindowRunFeedback final : public RunFeedback {
public:
    WindowRunFeedback(QProgressBar &progressBar, QLabel &runStatus, MessageBoxes &messageBoxes)
        : bar(progressBar), status(runStatus), messages(messageBoxes) {}

    void runStarted(int entryCount) override;
    void entryWritten(int done) override;
    void directoryStarted(int directories) override;
    void report(const RunEvent &event) override;
    bool replaceExisting(const ReplaceQuestion &question) override;
    // The run is over: a whole tree's bar stops, a cancelled run says so.
    void runEnded(RunOutcome outcome);

private:
    void showTreeCounts();

    QProgressBar &bar;
    QLabel &status;
    MessageBoxes &messages;
    int entries = 0;  // -1: a whole tree, whose total is not known ahead
    int directories = 0;
    int files = 0;
};
