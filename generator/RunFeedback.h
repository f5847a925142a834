#pragma once
// What a document creation run reports back to the window while it works.

#include <QString>

class RunFeedback {
public:
    virtual ~RunFeedback() = default;

    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;  // repaint at once: the run holds the thread
    virtual void setStatusText(const QString &text) = 0; // status bar panel 1
    virtual void setBrowserButton(const QString &caption, bool enabled) = 0;
    virtual void playCompletionSound() = 0;
};
