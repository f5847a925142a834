// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/MemoryBudget.h"

bool MemoryBudget::reserve(qint64 bytes)
{
    if (bytes > total)
        return false;
    std::unique_lock lock(mutex);
    freed.wait(lock, [&] { return used + bytes <= total; });
    used += bytes;
    return true;
}

void MemoryBudget::release(qint64 bytes)
{
    {
        const std::lock_guard lock(mutex);
        used -= bytes;
    }
    freed.notify_all();
}
