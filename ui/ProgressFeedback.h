#pragma once
// The run's progress in the main window: the progress bar and the run's
// status panel.

#include "generator/RunFeedback.h"

#include <QElapsedTimer>

class QLabel;
class QProgressBar;

class ProgressFeedback final : public RunFeedback {
public:
    ProgressFeedback(QProgressBar &progressBar, QLabel &runStatus) : bar(progressBar), status(runStatus) {}

    void runStarted(int entryCount) override;
    void entryWritten(int done) override;

private:
    QProgressBar &bar;
    QLabel &status;
    int entries = 0;
    QElapsedTimer sinceRepaint;
};
