// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// POSIX: a regular file, open as a descriptor, read by position through a
// buffer of one block: a probe's byte-by-byte reading costs no system call
// per byte, and its skips over segments cost none at all. The descriptor
// stays the caller's.

#include <QIODevice>

class DescriptorDevice final : public QIODevice {
public:
    DescriptorDevice(int descriptor, qint64 size);
    bool isSequential() const override { return false; }
    qint64 size() const override { return fileSize; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    bool fill(qint64 at);

    const int fd;
    const qint64 fileSize;
    char block[4096];
    qint64 blockStart = 0;
    qint64 blockLength = 0;
};
