// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run's feedback in the main window: the progress bar, the run's status
// panel, and the message boxes that word what the run reports.

#include "generator/RunFeedback.h"

#include <QElapsedTimer>

class MessageBoxes;
class QLabel;
class QProgressBar;

class WindowRunFeedback final : public RunFeedback {
public:
    WindowRunFeedback(QProgressBar &progressBar, QLabel &runStatus, MessageBoxes &messageBoxes)
        : bar(progressBar), status(runStatus), messages(messageBoxes) {}

    void runStarted(int entryCount) override;
    void entryWritten(int done) override;
    void report(const RunEvent &event) override;
    bool replaceExisting(const ReplaceQuestion &question) override;

private:
    QProgressBar &bar;
    QLabel &status;
    MessageBoxes &messages;
    int entries = 0;
    QElapsedTimer sinceRepaint;
};
