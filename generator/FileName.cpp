// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/FileName.h"

#include "generator/ReadableFileName.h"

#include <algorithm>

QString FileName::readable() const
{
    return readableFileName(raw);
}

int FileName::readableLength() const
{
    // Printable ASCII reads as it is: one byte, one character.
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return int(raw.size());
    return ::readableLength(readable());
}
