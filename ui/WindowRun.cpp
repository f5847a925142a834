// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowRun.h"

#include "generator/DocumentRun.h"
#include "generator/RunFeedback.h"

#include <QThread>

// The run's side: counters for the window's timer, and the reports and
// questions handed to the window's thread.
class WindowRun::Relay final : public RunFeedback {
public:
    explicit Relay(WindowRun &owner) : run(owner) {}

    void runStarted(int entryCount) override
    {
        run.entries = entryCount;
        run.started = true;  // after entries: the window reads them once it sees this
    }
    void entryWritten(int done) override { run.done.store(done, std::memory_order_relaxed); }
    void directoryStarted(int directories) override { run.directories.store(directories, std::memory_order_relaxed); }
    bool cancelRequested() override { return run.cancelled.load(std::memory_order_relaxed); }
    void report(const RunEvent &event) override
    {
        run.askWindow([event](RunFeedback &window) {
            window.report(event);
            return true;
        });
    }
    bool replaceExisting(const ReplaceQuestion &question) override
    {
        return run.askWindow([question](RunFeedback &window) { return window.replaceExisting(question); });
    }

private:
    WindowRun &run;
};

WindowRun::WindowRun(RunFeedback &windowFeedback, ThumbnailBatchFactory thumbnails, QObject *parent)
    : QObject(parent), window(windowFeedback), thumbnailFactory(std::move(thumbnails))
{
    // Often enough to be seen moving, seldom enough to cost the run nothing.
    progressTimer.setInterval(40);
    connect(&progressTimer, &QTimer::timeout, this, &WindowRun::showProgress);
}

WindowRun::~WindowRun()
{
    cancelAndWait();
    delete thread;
}

void WindowRun::start(DocumentRequest request)
{
    if (thread)
        return;
    entries = 0, done = 0, directories = 0, started = false, cancelled = false;
    startShown = false, doneShown = 0, directoriesShown = 0;
    {
        const std::lock_guard lock(mutex);
        closing = false;
    }
    relay = std::make_unique<Relay>(*this);
    thread = QThread::create([this, request = std::move(request)] {
        DocumentRun run(request, *relay);
        run.setThumbnailBatchFactory(thumbnailFactory);
        result = run.run();
    });
    connect(thread, &QThread::finished, this, &WindowRun::end);
    thread->start();
    progressTimer.start();
}

void WindowRun::cancel()
{
    cancelled = true;
}

void WindowRun::cancelAndWait()
{
    if (!thread)
        return;
    cancelled = true;
    {
        const std::lock_guard lock(mutex);
        closing = true;
    }
    answered.notify_all();
    thread->wait();
}

bool WindowRun::askWindow(std::function<bool(RunFeedback &)> ask)
{
    struct Answer {
        bool given = false;
        bool value = false;
    };
    const auto answer = std::make_shared<Answer>();
    // The call holds copies of what it shows, so a run that stopped waiting
    // (the window closing) leaves it nothing to point into.
    QMetaObject::invokeMethod(
        this,
        [this, answer, ask = std::move(ask)] {
            {
                const std::lock_guard lock(mutex);
                if (closing)
                    return;
            }
            showProgress();  // the box finds the bar where the run is
            const bool value = ask(window);
            const std::lock_guard lock(mutex);
            answer->value = value;
            answer->given = true;
            answered.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex);
    answered.wait(lock, [&] { return answer->given || closing; });
    return answer->given && answer->value;
}

void WindowRun::showProgress()
{
    if (!started)
        return;
    if (!startShown) {
        startShown = true;
        window.runStarted(entries);
    }
    if (const int now = directories.load(std::memory_order_relaxed); now != directoriesShown) {
        directoriesShown = now;
        window.directoryStarted(now);
    }
    if (const int now = done.load(std::memory_order_relaxed); now != doneShown) {
        doneShown = now;
        window.entryWritten(now);
    }
}

void WindowRun::end()
{
    if (!thread)
        return;
    thread->wait();  // finished() comes just before the thread has quite ended
    delete thread;
    thread = nullptr;
    relay.reset();
    progressTimer.stop();
    showProgress();
    emit finished(result);
}
