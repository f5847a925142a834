#pragma once
// What a running document creation tells its front end while it works.

class RunFeedback {
public:
    virtual ~RunFeedback() = default;
    // The run begins: the last run's report goes, progress is 0 of entryCount.
    virtual void runStarted(int entryCount) = 0;
    // Another entry is written; done counts from 1. The run holds the
    // thread, so a window repaints here.
    virtual void entryWritten(int done) = 0;
};
