// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/BatchOpener.h"

// A build without io_uring opens the files one after the other.
std::unique_ptr<BatchOpener> makeBatchOpener()
{
    return makeSerialOpener();
}
