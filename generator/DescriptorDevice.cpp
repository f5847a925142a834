// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DescriptorDevice.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

DescriptorDevice::DescriptorDevice(int descriptor, qint64 size) : fd(descriptor), fileSize(size)
{
    QIODevice::open(ReadOnly | Unbuffered);
}

// Fills the request whole unless the file ends: QIODevice takes a short read
// for the end of the file.
qint64 DescriptorDevice::readData(char *data, qint64 maxSize)
{
    qint64 done = 0;
    while (done < maxSize) {
        const qint64 at = pos() + done;
        if (at < blockStart || at >= blockStart + blockLength) {
            if (!fill(at))
                return done > 0 ? done : -1;
            if (blockLength == 0)
                break;
        }
        const qint64 n = qMin(maxSize - done, blockStart + blockLength - at);
        std::memcpy(data + done, block + (at - blockStart), size_t(n));
        done += n;
    }
    return done;
}

bool DescriptorDevice::fill(qint64 at)
{
    ssize_t n;
    do
        n = ::pread(fd, block, sizeof block, off_t(at));
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    blockStart = at;
    blockLength = n;
    return true;
}
