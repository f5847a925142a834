// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document failing where a real disk can fail, and a disk that takes
// only so many bytes.

#include "generator/OutputFile.h"

#include <cerrno>
#include <memory>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// The real document file, failing at one chosen step: 1 its creation, 2 the
// commit, n > 2 the write n - 2; 0 never. Writes are counted into *writes
// when given.
struct FailingOutputFile final : OutputFile {
    FailingOutputFile(const QString &path, int failingStep, int *writeCount = nullptr)
        : real(makeSaveOutputFile(path)), failAt(failingStep), writes(writeCount ? writeCount : &ownWrites) {}
    std::unique_ptr<OutputFile> real;
    int failAt;
    int ownWrites = 0;
    int *writes;

    bool open() override { return failAt != 1 && real->open(); }
    bool write(QByteArrayView bytes) override { return ++*writes != failAt - 2 && real->write(bytes); }
    bool commit() override { return failAt != 2 && real->commit(); }
    int error() const override { return failAt ? ENOSPC : real->error(); }
};

// Lowers the largest file this process may write, so real writes fail with
// EFBIG (also for root); restores the limit when it goes out of scope.
struct FileSizeLimit {
#ifdef Q_OS_UNIX
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit lower{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
#else
    explicit FileSizeLimit(long) { QSKIP("file size limits are POSIX"); }
#endif
};
