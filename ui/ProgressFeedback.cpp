#include "ui/ProgressFeedback.h"

#include <QLabel>
#include <QProgressBar>

void ProgressFeedback::runStarted(int entryCount)
{
    entries = entryCount;
    status.clear();
    // A range of 0..0 would turn the bar into a busy indicator.
    bar.setRange(0, qMax(1, entryCount));
    bar.setValue(0);
    sinceRepaint.invalidate();
}

void ProgressFeedback::entryWritten(int done)
{
    bar.setValue(done);
    // The run holds the thread: paint the bar now, often enough to be seen
    // moving and seldom enough to cost nothing on long runs.
    if (!sinceRepaint.isValid() || sinceRepaint.elapsed() >= 40 || done >= entries) {
        bar.repaint();
        sinceRepaint.start();
    }
}
