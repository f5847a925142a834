// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document creation on a thread of its own, so the window stays
// responsive and repaints while it lasts. Progress crosses to the window as
// counters it reads on a timer; reports and questions cross one at a time,
// the run waiting while the window's message box is open, so the boxes come
// in the run's order as they did when the run held the window's thread.

#include "generator/DocumentRequest.h"
#include "generator/RunResult.h"
#include "generator/ThumbnailBatch.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QThread;
class RunFeedback;

class WindowRun final : public QObject {
    Q_OBJECT
public:
    // window hears of the run on this object's thread only; thumbnails makes
    // a picture page's thumbnails, as DocumentRun takes it.
    WindowRun(RunFeedback &window, ThumbnailBatchFactory thumbnails, QObject *parent = nullptr);
    // Cancels a run that still lasts and waits for it.
    ~WindowRun() override;

    // Starts a run with its own copy of the request; ignored while one lasts.
    void start(DocumentRequest request);
    bool isRunning() const { return thread != nullptr; }
    // The run stops at its next entry or directory and ends as cancelled.
    void cancel();
    // For a window that closes: cancels, answers a pending question with
    // "no", and returns when the run has ended; finished() still follows.
    void cancelAndWait();

signals:
    void finished(const RunResult &result);

private:
    class Relay;
    // On the run's thread: calls ask on this object's thread with the
    // window's feedback and waits for it; false when the window is closing.
    bool askWindow(std::function<bool(RunFeedback &)> ask);
    // On this object's thread: the counters as they are now, to the window.
    void showProgress();
    void end();

    RunFeedback &window;
    const ThumbnailBatchFactory thumbnailFactory;
    QThread *thread = nullptr;
    std::unique_ptr<Relay> relay;
    RunResult result;
    QTimer progressTimer;

    // Written by the run, read by the window.
    std::atomic<int> entries{0};
    std::atomic<int> done{0};
    std::atomic<int> directories{0};
    std::atomic<bool> started{false};
    std::atomic<bool> cancelled{false};
    // What the window has shown of them.
    bool startShown = false;
    int doneShown = 0;
    int directoriesShown = 0;

    std::mutex mutex;
    std::condition_variable answered;
    bool closing = false;  // guarded by mutex
};
