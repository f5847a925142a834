// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory all threads together may spend on decoding pictures: each
// picture holds its share while it is read and decoded, and one that would
// not fit waits until the others give theirs back. So the limit holds for
// the whole run, however many cores decode at once.

#include <QtGlobal>

#include <condition_variable>
#include <mutex>

class MemoryBudget {
public:
    explicit MemoryBudget(qint64 bytes) : total(bytes) {}

    // Holds bytes, waiting until they are free; false (holding nothing) when
    // bytes exceed the whole budget.
    bool reserve(qint64 bytes);
    void release(qint64 bytes);

private:
    const qint64 total;
    qint64 used = 0;
    std::mutex mutex;
    std::condition_variable freed;
};

// A share held until the end of its scope.
class MemoryShare {
public:
    MemoryShare(MemoryBudget &from, qint64 size) : budget(from), bytes(size), held(from.reserve(size)) {}
    ~MemoryShare()
    {
        if (held)
            budget.release(bytes);
    }
    MemoryShare(const MemoryShare &) = delete;
    MemoryShare &operator=(const MemoryShare &) = delete;
    bool granted() const { return held; }

private:
    MemoryBudget &budget;
    const qint64 bytes;
    const bool held;
};
